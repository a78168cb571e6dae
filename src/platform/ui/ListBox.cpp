#include "platform/ui/StdCtrls.h"
#include <algorithm>

namespace ui {

TListBox::TListBox(TComponent* AOwner) : TWinControl(AOwner), items_(std::make_unique<rtl::TStringList>())
{
    SetTabStop(true);
    SetBorderStyle(TBorderStyle::bsSingle);
    SetDefaultColor(clWindow);
    TControl::SetBounds(0, 0, 121, 97);
    items_->OnChange = [this](TObject*) { ItemsChanged(); };
}

TListBox::~TListBox()
{
    items_->OnChange = nullptr;
}

void TListBox::ItemsChanged()
{
    selected_.resize(static_cast<std::size_t>(items_->Count()), false);
    if (itemIndex_ >= items_->Count())
        itemIndex_ = -1;
    topIndex_ = std::clamp(topIndex_, 0, std::max(0, items_->Count() - 1));
    Changed(TChangeAspect::Items);
    Invalidate();
}

void TListBox::SetItemIndex(int v)
{
    if (v < -1 || v >= items_->Count())
        v = -1;
    if (v == itemIndex_)
        return;
    itemIndex_ = v;
    if (!multiSelect_)
        std::fill(selected_.begin(), selected_.end(), false);
    if (v >= 0) {
        selected_[static_cast<std::size_t>(v)] = true;
        MakeVisible(v);
    }
    Changed(TChangeAspect::ItemIndex);
    Invalidate();
}

void TListBox::MakeVisible(int index)
{
    int visible = std::max(1, ClientHeight() / std::max(1, itemHeight_));
    if (index < topIndex_)
        topIndex_ = index;
    else if (index >= topIndex_ + visible)
        topIndex_ = index - visible + 1;
}

void TListBox::SetItemHeight(int v)
{
    itemHeight_ = std::max(1, v);
    Invalidate();
}

void TListBox::SetTopIndex(int v)
{
    topIndex_ = std::clamp(v, 0, std::max(0, items_->Count() - 1));
    Invalidate();
}

void TListBox::SetMultiSelect(bool v)
{
    multiSelect_ = v;
}

bool TListBox::Selected(int index) const
{
    return index >= 0 && index < static_cast<int>(selected_.size()) && selected_[static_cast<std::size_t>(index)];
}

void TListBox::SetSelected(int index, bool v)
{
    if (index < 0 || index >= static_cast<int>(selected_.size()))
        return;
    if (!multiSelect_) {
        SetItemIndex(v ? index : (itemIndex_ == index ? -1 : itemIndex_));
        return;
    }
    selected_[static_cast<std::size_t>(index)] = v;
    Invalidate();
}

int TListBox::SelCount() const
{
    if (!multiSelect_)
        return -1;
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

int TListBox::ItemAtPos(TPoint p, bool existing) const
{
    if (p.X < 0 || p.X >= ClientWidth() || p.Y < 0)
        return existing ? -1 : items_->Count();
    int i = topIndex_ + p.Y / std::max(1, itemHeight_);
    if (i >= items_->Count())
        return existing ? -1 : items_->Count();
    return i;
}

TRect TListBox::ItemRect(int index) const
{
    return Bounds(0, (index - topIndex_) * itemHeight_, ClientWidth(), itemHeight_);
}

void TListBox::Clear()
{
    items_->Clear();
    itemIndex_ = -1;
}

void TListBox::KeyDown(unsigned& key, TShiftState shift)
{
    TWinControl::KeyDown(key, shift);
    int n = items_->Count();
    if (n == 0)
        return;
    int page = std::max(1, ClientHeight() / std::max(1, itemHeight_));
    int i = itemIndex_;
    switch (key) {
    case VK_UP:
        i = std::max(0, i - 1);
        break;
    case VK_DOWN:
        i = std::min(n - 1, i + 1);
        break;
    case VK_HOME:
        i = 0;
        break;
    case VK_END:
        i = n - 1;
        break;
    case VK_PRIOR:
        i = std::max(0, i - page);
        break;
    case VK_NEXT:
        i = std::min(n - 1, i + page);
        break;
    default:
        return;
    }
    if (i != itemIndex_) {
        SetItemIndex(i);
        Click();
    }
}

void TListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused())
            SetFocus();
        int i = ItemAtPos({x, y});
        if (i >= 0) {
            if (multiSelect_ && (shift & ssCtrl)) {
                SetSelected(i, !Selected(i));
                itemIndex_ = i;
            } else {
                if (multiSelect_)
                    std::fill(selected_.begin(), selected_.end(), false);
                itemIndex_ = -2;  // force the update
                SetItemIndex(i);
            }
        }
    }
    TWinControl::MouseDown(button, shift, x, y);
}

void TListBox::PaintControl(TCanvas& canvas)
{
    TWinControl::PaintControl(canvas);
    TPoint o = ClientOrigin();
    TRect client = ClientRect().Offset(o.X, o.Y);
    bool hadClip = canvas.HasClip();
    TRect oldClip = canvas.ClipRectRaw();
    canvas.IntersectClipRect(client);
    canvas.Font()->Assign(*Font());
    for (int i = topIndex_; i < items_->Count(); ++i) {
        TRect r = ItemRect(i).Offset(o.X, o.Y);
        if (r.Top >= client.Bottom)
            break;
        unsigned state =
            (Selected(i) ? unsigned(odSelected) : 0u) | ((Focused() && i == itemIndex_) ? unsigned(odFocused) : 0u);
        if (style_ != TListBoxStyle::lbStandard && OnDrawItem) {
            OnDrawItem(this, i, r, state);
            continue;
        }
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(Selected(i) ? clHighlight : Color());
        canvas.FillRect(r);
        canvas.Font()->SetColor(Selected(i) ? clHighlightText : Font()->Color());
        canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        TRect t = r;
        t.Left += 2;
        canvas.DrawText(items_->Strings(i), t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (state & odFocused)
            canvas.DrawFocusRect(r);
    }
    if (hadClip)
        canvas.SetClipRect(oldClip);
    else
        canvas.ResetClip();
}

}  // namespace ui
