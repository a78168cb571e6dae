#include "platform/ui/ComCtrls.h"
#include <algorithm>

namespace ui {

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner)
{
    controlStyle_ |= csAcceptsControls;
    SetParentColor(true);
    TControl::SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    if (pageControl_)
        pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* p)
{
    if (p == pageControl_)
        return;
    if (pageControl_)
        pageControl_->RemovePage(this);
    if (p)
        p->AddPage(this);
}

int TTabSheet::PageIndex() const
{
    if (!pageControl_)
        return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetTabVisible(bool v)
{
    tabVisible_ = v;
    if (pageControl_)
        pageControl_->Invalidate();
}

void TTabSheet::TextChanged()
{
    TWinControl::TextChanged();
    if (pageControl_)
        pageControl_->Invalidate();
}

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner)
{
    SetTabStop(true);
    TControl::SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl()
{
    for (TTabSheet* p : pages_)
        p->pageControl_ = nullptr;
}

void TPageControl::AddPage(TTabSheet* p)
{
    pages_.push_back(p);
    p->pageControl_ = this;
    p->SetParent(this);
    p->SetAlign(TAlign::alClient);
    if (!active_)
        SetActivePage(p);
    else
        p->Hide();
    Invalidate();
}

void TPageControl::RemovePage(TTabSheet* p)
{
    pages_.erase(std::remove(pages_.begin(), pages_.end(), p), pages_.end());
    p->pageControl_ = nullptr;
    if (active_ == p) {
        active_ = nullptr;
        if (!pages_.empty())
            SetActivePage(pages_.front());
    }
    Invalidate();
}

void TPageControl::SetActivePage(TTabSheet* p)
{
    if (p && p->pageControl_ != this)
        return;
    if (p == active_)
        return;
    TTabSheet* old = active_;
    active_ = p;
    if (p)
        p->Show();
    if (old)
        old->Hide();
    Changed(TChangeAspect::ItemIndex);
    Invalidate();
}

int TPageControl::ActivePageIndex() const
{
    return active_ ? active_->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int i)
{
    SetActivePage(i >= 0 && i < PageCount() ? pages_[static_cast<std::size_t>(i)] : nullptr);
}

void TPageControl::SelectTab(int index)
{
    if (index < 0 || index >= PageCount() || pages_[static_cast<std::size_t>(index)] == active_)
        return;
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    if (!allow)
        return;
    SetActivePageIndex(index);
    if (OnChange)
        OnChange(this);
}

TPoint TPageControl::ClientOrigin() const
{
    return {4, TabHeight + 4};
}

TRect TPageControl::ClientRect() const
{
    return {0, 0, std::max(0, Width() - 8), std::max(0, Height() - TabHeight - 8)};
}

void TPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && y < 0) {
        // Tabs are laid out left to right with their caption width.
        TCanvas measure;
        measure.Font()->Assign(*Font());
        int left = 2 - 4;
        for (int i = 0; i < PageCount(); ++i) {
            TTabSheet* p = pages_[static_cast<std::size_t>(i)];
            if (!p->TabVisible())
                continue;
            int w = measure.TextWidth(p->Caption()) + 12;
            if (x >= left && x < left + w) {
                SelectTab(i);
                break;
            }
            left += w;
        }
    }
    TWinControl::MouseDown(button, shift, x, y);
}

void TPageControl::PaintControl(TCanvas& canvas)
{
    PaintBackground(canvas);
    TRect body{0, TabHeight, Width(), Height()};
    canvas.DrawEdge(body, EDGE_RAISED, BF_RECT);
    canvas.Font()->Assign(*Font());
    int left = 2;
    for (TTabSheet* p : pages_) {
        if (!p->TabVisible())
            continue;
        int w = canvas.TextWidth(p->Caption()) + 12;
        TRect tab{left, p == active_ ? 0 : 2, left + w, TabHeight + (p == active_ ? 1 : 0)};
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(p == active_ ? clWindow : clBtnFace);
        canvas.FillRect(tab);
        canvas.DrawEdge(tab, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT);
        canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        canvas.DrawText(p->Caption(), tab, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        left += w;
    }
}

}  // namespace ui
