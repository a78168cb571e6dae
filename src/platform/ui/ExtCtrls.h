#pragma once
// Panels, splitters, shapes, images, timers, link labels and the category-panel group.
#include "platform/ui/StdCtrls.h"
#include <memory>

namespace ui {

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut v);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool v);
    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool v);
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    // Background, bevels and caption over the whole control, then Paint for additions.
    void PaintControl(TCanvas& canvas) override;

protected:
    void Paint() override {}

private:
    int Inset() const;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    int bevelWidth_ = 1;
    TAlignment alignment_ = TAlignment::taCenter;
    bool showCaption_ = true;
    bool parentBackground_ = true;
};

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* AOwner);
    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType v);
    TPen* Pen() { return &pen_; }
    TBrush* Brush() { return &brush_; }

protected:
    void Paint() override;

private:
    TShapeType shape_ = TShapeType::stRectangle;
    TPen pen_;
    TBrush brush_;
};

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;
    TPicture* Picture() { return picture_.get(); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    // The rectangle the picture is drawn into.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool proportional_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

// Fires OnTimer every Interval milliseconds while Enabled (and an OnTimer is assigned).
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    TNotifyEvent OnTimer;
    // Called by the application's timer list.
    void Fire();

private:
    void UpdateTimer();
    bool enabled_ = true;
    unsigned interval_ = 1000;
    std::unique_ptr<TWinControl> window_;  // the hidden window that receives WM_TIMER
};

enum class TSysLinkType { sltURL, sltID };
using TSysLinkEvent = std::function<void(TObject* Sender, const std::string& Link, TSysLinkType LinkType)>;

// A label whose caption may hold an anchor: 'Visit <a href="http://x">our site</a>'.
// Only the anchor text is shown; a click on it fires OnLinkClick with the href (or the anchor text).
class TLinkLabel : public TWinControl {
public:
    explicit TLinkLabel(TComponent* AOwner);
    // The caption as shown (tags removed) and the span of the link in it.
    std::string DisplayText() const;
    bool HasLink() const;
    std::string LinkTarget() const;
    TRect LinkRect();
    TSysLinkEvent OnLinkClick;
    void PaintControl(TCanvas& canvas) override;

protected:
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(unsigned& key, TShiftState shift) override;

private:
    void Parse(std::string& before, std::string& link, std::string& after, std::string& href) const;
};

// A bar between two aligned controls that the user drags to share their room: aligned top or
// bottom it sets the height, left or right the width, of the sibling aligned the same way that
// it adjoins. Neither that sibling nor the client-aligned sibling gets smaller than MinSize. It is
// made aligned to the top with the cursor crVSplit; a left or right one takes crHSplit.
class TSplitter : public TCustomControl {
public:
    explicit TSplitter(TComponent* AOwner);
    int MinSize() const { return minSize_; }
    void SetMinSize(int v) { minSize_ = std::max(1, v); }
    TNotifyEvent OnMoved;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool Vertical() const { return Align() == TAlign::alLeft || Align() == TAlign::alRight; }
    // The position in the parent along the splitter's axis.
    int Along(int x, int y) const { return Vertical() ? Left() + x : Top() + y; }
    TControl* Sized() const;
    TControl* Client() const;
    int minSize_ = 30;
    TControl* sizing_ = nullptr;
    int downAt_ = 0;
    int downSize_ = 0;
    int maxSize_ = 0;
};

class TCategoryPanelGroup;

// A captioned panel that collapses to its header.
class TCategoryPanel : public TCustomControl {
public:
    explicit TCategoryPanel(TComponent* AOwner);
    TCategoryPanelGroup* PanelGroup() const;
    void SetPanelGroup(TCategoryPanelGroup* g);
    bool Collapsed() const { return collapsed_; }
    void SetCollapsed(bool v);
    void Collapse() { SetCollapsed(true); }
    void Expand() { SetCollapsed(false); }
    // Height when expanded (Height is the header height when collapsed).
    int ExpandedHeight() const { return expandedHeight_; }
    void SetBounds(int left, int top, int width, int height) override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    int HeaderHeight() const;

    TNotifyEvent OnCollapse;
    TNotifyEvent OnExpand;

    // Header (caption and chevron), then the client area.
    void PaintControl(TCanvas& canvas) override;

protected:
    void Paint() override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void VisibleChanged() override;

private:
    friend class TCategoryPanelGroup;
    bool collapsed_ = false;
    int expandedHeight_ = 0;
    bool settingCollapsed_ = false;
};

// A vertical scroll area stacking its category panels from the top in creation order.
class TCategoryPanelGroup : public TCustomControl {
public:
    explicit TCategoryPanelGroup(TComponent* AOwner);
    int PanelCount() const;
    TCategoryPanel* Panels(int i) const;
    int HeaderHeight() const { return headerHeight_; }
    void SetHeaderHeight(int v);
    // The panels' headers: a vertical gradient from GradientBaseColor at the top to GradientColor
    // at the bottom (both the button face at first: a flat header), the caption in HeaderFont.
    TColor GradientBaseColor() const { return gradientBaseColor_; }
    void SetGradientBaseColor(TColor v);
    TColor GradientColor() const { return gradientColor_; }
    void SetGradientColor(TColor v);
    TFont* HeaderFont() { return &headerFont_; }
    const TFont& HeaderFont() const { return headerFont_; }
    void CollapseAll();
    void ExpandAll();
    int VertScrollPosition() const { return scrollPos_; }
    void SetVertScrollPosition(int v);
    // Total height of the stacked panels.
    int ContentHeight() const;
    // Restacks the panels (after collapse/expand or a panel's height change).
    void Relayout();
    // WM_VSCROLL scrolls like the bar: a line is one header high, a page the client height.
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void AlignControls(TRect& rect) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

private:
    void RepaintPanels();
    int headerHeight_ = 24;
    TColor gradientBaseColor_ = clBtnFace;
    TColor gradientColor_ = clBtnFace;
    TFont headerFont_;
    int scrollPos_ = 0;
    bool relayouting_ = false;
};

}  // namespace ui
