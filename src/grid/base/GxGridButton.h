#pragma once
// TGxGridButton: the flat speed button of the grid's search panel (close, find next, find
// previous, highlight): glyph and caption, colour schemes, an optional drop-down part, grouped
// and check styles. A graphic control: it has no window of its own and paints on its parent.

#include <memory>

#include "platform/ui/Controls.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Menus.h"

namespace gx {

enum class TGxButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum class TGxButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TGxButtonStyle { tasButton, tasCheck };

class TGxGridButton : public ui::TGraphicControl {
public:
    explicit TGxGridButton(ui::TComponent* AOwner);
    ~TGxGridButton() override;

    // Pressed or checked. A plain button without a group index is never down; a grouped button
    // going down raises the other buttons of its group on the same parent.
    bool Down() const { return down_; }
    void SetDown(bool Value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value);
    TGxButtonStyle Style() const { return style_; }
    void SetStyle(TGxButtonStyle Value);
    TGxButtonState State() const { return state_; }
    // A colour scheme 0..6; other values change nothing.
    int Look() const { return look_; }
    void SetLook(int Value);
    bool AutoThemeAdapt() const { return autoThemeAdapt_; }
    void SetAutoThemeAdapt(bool Value);
    // Takes the look from the visual style's colour scheme.
    void ThemeAdapt();

    // Setting Glyph also makes GlyphDisabled a grey copy when that is empty.
    const ui::TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const ui::TBitmap& Value);
    ui::TBitmap GlyphHot, GlyphDown, GlyphDisabled;

    bool AllowAllUp = false;
    bool AutoXPStyle = false;
    ui::TColor BorderColor = ui::clNone, BorderDownColor = ui::clNone, BorderHotColor = ui::clNone;
    ui::TColor ColorTo = ui::clNone;
    ui::TColor ColorHot = 0xCAC7C7, ColorHotTo = ui::clNone;
    ui::TColor ColorDown = 0xD8D3D2, ColorDownTo = ui::clNone;
    ui::TColor ColorChecked = ui::clGray, ColorCheckedTo = ui::clNone;
    bool DropDownButton = false;
    ui::TPopupMenu* DropDownMenu = nullptr;  // cleared when the menu goes
    bool Flat = true;
    TGxButtonLayout Layout = TGxButtonLayout::blGlyphLeft;
    int Margin = -1;  // -1 centres the content
    int Spacing = 4;
    bool Rounded = false;
    bool Shaded = true;
    bool ShowCaption = true;

    ui::TNotifyEvent OnDropDown;

protected:
    void Paint() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;
    void WndProc(ui::TMessage& Message) override;
    void Notification(ui::TComponent* Component, ui::TOperation Operation) override;

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
    void SetState(TGxButtonState s);
    void RaiseGroup();
    void PaintFace(ui::TCanvas& c, ui::TRect& face);
    void PaintContent(ui::TCanvas& c, ui::TRect area);
    void PlaceContent(const ui::TRect& area, ui::TSize glyph, ui::TSize text, ui::TPoint& glyphAt,
                      ui::TPoint& textAt) const;
    void Fill(ui::TCanvas& c, const ui::TRect& r, ui::TColor from, ui::TColor to, ui::TColor outline);

    bool down_ = false;
    int groupIndex_ = 0;
    TGxButtonStyle style_ = TGxButtonStyle::tasButton;
    TGxButtonState state_ = TGxButtonState::bsUp;
    int look_ = 0;
    bool autoThemeAdapt_ = false;
    bool dragging_ = false;
    ui::TBitmap glyph_;
    ui::TBitmap shadedGlyph_;
};

}  // namespace gx
