#pragma once
// The drop-down list: a popup window showing a list of texts, as a combo box drops it down (and
// any other control that offers a choice from a list). The highlight follows the mouse and the
// arrow keys; a click or Enter picks the highlighted item, Escape or a click outside closes
// without a choice. More items than rows bring a scroll bar; the wheel scrolls.
#include "platform/rtl/StringList.h"
#include "platform/ui/PopupWindow.h"
#include <memory>

namespace ui {

using TPickEvent = std::function<void(TObject* Sender, int Index)>;

class TPopupList : public TPopupWindow {
public:
    explicit TPopupList(TComponent* AOwner);
    ~TPopupList() override;

    rtl::TStringList* Items() { return items_.get(); }
    // The highlighted item (-1: none); setting it scrolls it into view.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int v);
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int v);
    // Height of one row: the font's line height and a pixel above and below.
    int ItemHeight();
    // Sizes the list to show rows rows (at least one) at a width: a scroll bar when there are
    // more items than rows.
    void SizeFor(int rows, int width);
    // The item at a client point, or -1.
    int ItemAtPos(TPoint p);

    // Picks an item: OnPick, then the popup closes (pcrSelect).
    void Pick(int index);
    TPickEvent OnPick;

    void WndProc(TMessage& message) override;

protected:
    void KeyDown(unsigned& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void Paint() override;

private:
    int VisibleRows();
    void UpdateScrollBar();
    void Highlight(int index);
    std::unique_ptr<rtl::TStringList> items_;
    int itemIndex_ = -1;
    int topIndex_ = 0;
};

}  // namespace ui
