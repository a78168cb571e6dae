#pragma once
// Page control with tab sheets.
#include "platform/ui/Controls.h"

namespace ui {

class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;
    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* p);
    int PageIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);

protected:
    // The caption is drawn on the page control's tab: a new caption repaints it.
    void TextChanged() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int i) const { return pages_.at(static_cast<std::size_t>(i)); }
    TTabSheet* ActivePage() const { return active_; }
    void SetActivePage(TTabSheet* p);
    int ActivePageIndex() const;
    void SetActivePageIndex(int i);
    // The user picks a tab: OnChanging may refuse; OnChange follows a change.
    void SelectTab(int index);
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    static constexpr int TabHeight = 21;
    void PaintControl(TCanvas& canvas) override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    friend class TTabSheet;
    void AddPage(TTabSheet* p);
    void RemovePage(TTabSheet* p);
    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
};

}  // namespace ui
