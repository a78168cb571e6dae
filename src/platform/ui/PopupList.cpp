// The drop-down list: rows, highlight, keys, mouse, wheel and scroll bar.
#include "platform/ui/PopupList.h"

#include "platform/rtl/Utf8.h"
#include "platform/ui/Application.h"
#include <algorithm>
#include <cctype>

namespace ui {

TPopupList::TPopupList(TComponent* AOwner) : TPopupWindow(AOwner), items_(std::make_unique<rtl::TStringList>())
{
    items_->OnChange = [this](TObject*) {
        if (itemIndex_ >= items_->Count())
            itemIndex_ = -1;
        SetTopIndex(topIndex_);
        UpdateScrollBar();
        Invalidate();
    };
}

TPopupList::~TPopupList()
{
    items_->OnChange = nullptr;
}

int TPopupList::ItemHeight()
{
    Canvas()->Font()->Assign(*Font());
    return std::max(1, Canvas()->TextHeight("Ag") + 2);
}

int TPopupList::VisibleRows()
{
    return std::max(1, ClientHeight() / ItemHeight());
}

void TPopupList::SizeFor(int rows, int width)
{
    rows = std::max(1, rows);
    SetBounds(Left(), Top(), width, rows * ItemHeight() + 2 * ClientOrigin().Y);
    ShowScrollBar(SB_VERT, items_->Count() > rows);
    UpdateScrollBar();
}

void TPopupList::UpdateScrollBar()
{
    if (!ScrollBarVisible(SB_VERT))
        return;
    TScrollInfo info;
    info.nMax = std::max(0, items_->Count() - 1);
    info.nPage = VisibleRows();
    info.nPos = topIndex_;
    SetScrollInfo(SB_VERT, info);
}

void TPopupList::SetTopIndex(int v)
{
    int top = std::clamp(v, 0, std::max(0, items_->Count() - VisibleRows()));
    if (top == topIndex_)
        return;
    topIndex_ = top;
    UpdateScrollBar();
    Invalidate();
}

void TPopupList::SetItemIndex(int v)
{
    if (v < -1 || v >= items_->Count())
        v = -1;
    itemIndex_ = v;
    if (v >= 0) {
        int rows = VisibleRows();
        if (v < topIndex_)
            SetTopIndex(v);
        else if (v >= topIndex_ + rows)
            SetTopIndex(v - rows + 1);
    }
    Invalidate();
}

void TPopupList::Highlight(int index)
{
    if (index != itemIndex_)
        SetItemIndex(index);
}

int TPopupList::ItemAtPos(TPoint p)
{
    if (p.X < 0 || p.X >= ClientWidth() || p.Y < 0 || p.Y >= ClientHeight())
        return -1;
    int i = topIndex_ + p.Y / ItemHeight();
    return i < items_->Count() ? i : -1;
}

void TPopupList::Pick(int index)
{
    if (index < 0 || index >= items_->Count())
        return;
    itemIndex_ = index;
    if (OnPick)
        OnPick(this, index);
    ClosePopup(TPopupCloseReason::pcrSelect);
}

void TPopupList::KeyDown(unsigned& key, TShiftState shift)
{
    TPopupWindow::KeyDown(key, shift);
    if (key == 0 || (shift & ssAlt))
        return;
    int n = items_->Count();
    int rows = VisibleRows();
    int at = itemIndex_;
    switch (key) {
    case VK_UP:
        Highlight(std::max(0, at - 1));
        break;
    case VK_DOWN:
        Highlight(std::min(n - 1, at + 1));
        break;
    case VK_PRIOR:
        Highlight(std::max(0, at - rows + 1));
        break;
    case VK_NEXT:
        Highlight(std::min(n - 1, std::max(0, at) + rows - 1));
        break;
    case VK_HOME:
        Highlight(n > 0 ? 0 : -1);
        break;
    case VK_END:
        Highlight(n - 1);
        break;
    case VK_RETURN:
        if (itemIndex_ >= 0)
            Pick(itemIndex_);
        else
            ClosePopup(TPopupCloseReason::pcrCancel);
        break;
    default:
        return;
    }
    key = 0;
}

void TPopupList::KeyPress(char32_t& key)
{
    TPopupWindow::KeyPress(key);
    if (key < 32)
        return;
    // A character highlights the next item that begins with it.
    auto lower = [](char32_t c) { return c < 0x80 ? static_cast<char32_t>(std::tolower(static_cast<int>(c))) : c; };
    int n = items_->Count();
    for (int step = 1; step <= n; ++step) {
        int i = (itemIndex_ + step + n) % n;
        std::u32string s = rtl::Utf8ToCodePoints(items_->Strings(i));
        if (!s.empty() && lower(s[0]) == lower(key)) {
            Highlight(i);
            break;
        }
    }
    key = 0;
}

void TPopupList::MouseMove(TShiftState shift, int x, int y)
{
    TPopupWindow::MouseMove(shift, x, y);
    int i = ItemAtPos({x, y});
    if (i >= 0)
        Highlight(i);
}

void TPopupList::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    bool sized = Sizing();
    TPopupWindow::MouseUp(button, shift, x, y);
    // The release picks, so a press on the control that dragged into the list picks too; the
    // release of the press that opened the list lands outside the rows and picks nothing.
    if (button == TMouseButton::mbLeft && !sized)
        Pick(ItemAtPos({x, y}));
}

bool TPopupList::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TPopupWindow::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    int lines = std::max(1, GetScreen()->WheelScrollLines());
    SetTopIndex(topIndex_ + (wheelDelta > 0 ? -lines : lines));
    return true;
}

void TPopupList::WndProc(TMessage& m)
{
    if (m.Msg == WM_VSCROLL) {
        switch (LoWord(m.WParam)) {
        case SB_LINEUP:
            SetTopIndex(topIndex_ - 1);
            break;
        case SB_LINEDOWN:
            SetTopIndex(topIndex_ + 1);
            break;
        case SB_PAGEUP:
            SetTopIndex(topIndex_ - VisibleRows());
            break;
        case SB_PAGEDOWN:
            SetTopIndex(topIndex_ + VisibleRows());
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            SetTopIndex(static_cast<int>(HiWord(m.WParam)));
            break;
        default:
            break;
        }
        return;
    }
    TPopupWindow::WndProc(m);
}

void TPopupList::Paint()
{
    TCanvas* c = Canvas();
    TRect client = ClientRect();
    c->Brush()->SetStyle(TBrushStyle::bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(client);
    c->Font()->Assign(*Font());
    int h = ItemHeight();
    for (int i = topIndex_; i < items_->Count(); ++i) {
        TRect row = Bounds(0, (i - topIndex_) * h, client.Width(), h);
        if (row.Top >= client.Bottom)
            break;
        bool lit = i == itemIndex_;
        if (lit) {
            c->Brush()->SetStyle(TBrushStyle::bsSolid);
            c->Brush()->SetColor(clHighlight);
            c->FillRect(row);
        }
        c->Font()->SetColor(lit ? clHighlightText : Font()->Color());
        c->Brush()->SetStyle(TBrushStyle::bsClear);
        TRect text = row;
        text.Left += 2;
        c->DrawText(items_->Strings(i), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
}

}  // namespace ui
