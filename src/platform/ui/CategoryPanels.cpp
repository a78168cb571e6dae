// Category panels: captioned panels stacked in a vertical scroll area; each collapses to its header.
#include "platform/ui/Application.h"
#include "platform/ui/ExtCtrls.h"
#include <algorithm>

namespace ui {

TCategoryPanel::TCategoryPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    controlStyle_ |= csAcceptsControls | csOpaque;
    TControl::SetBounds(0, 0, 185, 200);
    expandedHeight_ = 200;
}

void TCategoryPanel::VisibleChanged()
{
    TCustomControl::VisibleChanged();
    if (TCategoryPanelGroup* g = PanelGroup())
        g->Relayout();
}

TCategoryPanelGroup* TCategoryPanel::PanelGroup() const
{
    return dynamic_cast<TCategoryPanelGroup*>(Parent());
}

void TCategoryPanel::SetPanelGroup(TCategoryPanelGroup* g)
{
    SetParent(g);
    if (g)
        g->Relayout();
}

int TCategoryPanel::HeaderHeight() const
{
    TCategoryPanelGroup* g = PanelGroup();
    return g ? g->HeaderHeight() : 24;
}

void TCategoryPanel::SetBounds(int left, int top, int width, int height)
{
    if (!settingCollapsed_) {
        // A collapsed panel keeps showing its header only; the new height is the one it expands to.
        expandedHeight_ = height;
        if (collapsed_)
            height = HeaderHeight();
    }
    TCustomControl::SetBounds(left, top, width, height);
    if (TCategoryPanelGroup* g = PanelGroup(); g && !settingCollapsed_)
        g->Relayout();
}

TPoint TCategoryPanel::ClientOrigin() const
{
    return {1, HeaderHeight()};
}

TRect TCategoryPanel::ClientRect() const
{
    return {0, 0, std::max(0, Width() - 2), std::max(0, Height() - HeaderHeight() - 1)};
}

void TCategoryPanel::SetCollapsed(bool v)
{
    if (v == collapsed_)
        return;
    collapsed_ = v;
    settingCollapsed_ = true;
    TCustomControl::SetBounds(Left(), Top(), Width(), v ? HeaderHeight() : expandedHeight_);
    settingCollapsed_ = false;
    if (TCategoryPanelGroup* g = PanelGroup())
        g->Relayout();
    if (v && OnCollapse)
        OnCollapse(this);
    if (!v && OnExpand)
        OnExpand(this);
}

void TCategoryPanel::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
}

void TCategoryPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    // A click on the header (client coordinates above the client area) toggles the panel.
    if (button == TMouseButton::mbLeft && y < 0 && y >= -HeaderHeight())
        SetCollapsed(!collapsed_);
}

TCategoryPanelGroup::TCategoryPanelGroup(TComponent* AOwner) : TCustomControl(AOwner)
{
    controlStyle_ |= csAcceptsControls;
    SetDefaultColor(clWindow);
    TControl::SetBounds(0, 0, 200, 400);
    headerFont_.SetStyle(fsBold);
    headerFont_.OnChange = [this](TObject*) { RepaintPanels(); };
}

void TCategoryPanelGroup::SetGradientBaseColor(TColor v)
{
    gradientBaseColor_ = v;
    RepaintPanels();
}

void TCategoryPanelGroup::SetGradientColor(TColor v)
{
    gradientColor_ = v;
    RepaintPanels();
}

void TCategoryPanelGroup::RepaintPanels()
{
    for (int i = 0; i < PanelCount(); ++i)
        Panels(i)->Invalidate();
}

int TCategoryPanelGroup::PanelCount() const
{
    int n = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (dynamic_cast<TCategoryPanel*>(Controls(i)))
            ++n;
    return n;
}

TCategoryPanel* TCategoryPanelGroup::Panels(int index) const
{
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* p = dynamic_cast<TCategoryPanel*>(Controls(i)); p && index-- == 0)
            return p;
    return nullptr;
}

void TCategoryPanelGroup::SetHeaderHeight(int v)
{
    headerHeight_ = std::max(1, v);
    Relayout();
}

void TCategoryPanelGroup::CollapseAll()
{
    for (int i = 0; i < PanelCount(); ++i)
        Panels(i)->Collapse();
}

void TCategoryPanelGroup::ExpandAll()
{
    for (int i = 0; i < PanelCount(); ++i)
        Panels(i)->Expand();
}

int TCategoryPanelGroup::ContentHeight() const
{
    int h = 0;
    for (int i = 0; i < PanelCount(); ++i)
        if (Panels(i)->Visible())
            h += Panels(i)->Height();
    return h;
}

void TCategoryPanelGroup::SetVertScrollPosition(int v)
{
    int maxPos = std::max(0, ContentHeight() - ClientHeight());
    v = std::clamp(v, 0, maxPos);
    if (v == scrollPos_)
        return;
    scrollPos_ = v;
    Relayout();
}

void TCategoryPanelGroup::Relayout()
{
    if (relayouting_)
        return;
    relayouting_ = true;
    bool needBar = ContentHeight() > Height();
    ShowScrollBar(SB_VERT, needBar);
    int maxPos = std::max(0, ContentHeight() - ClientHeight());
    scrollPos_ = std::clamp(scrollPos_, 0, maxPos);
    TScrollInfo info;
    info.nMax = std::max(0, ContentHeight() - 1);
    info.nPage = ClientHeight();
    info.nPos = scrollPos_;
    SetScrollInfo(SB_VERT, info, false);
    int y = -scrollPos_;
    for (int i = 0; i < PanelCount(); ++i) {
        TCategoryPanel* p = Panels(i);
        if (!p->Visible())
            continue;
        p->settingCollapsed_ = true;
        p->TCustomControl::SetBounds(0, y, ClientWidth(), p->Height());
        p->settingCollapsed_ = false;
        y += p->Height();
    }
    relayouting_ = false;
    Invalidate();
}

void TCategoryPanelGroup::AlignControls(TRect& rect)
{
    TCustomControl::AlignControls(rect);
    Relayout();
}

bool TCategoryPanelGroup::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    int lines = std::max(0, GetScreen()->WheelScrollLines());
    SetVertScrollPosition(scrollPos_ - wheelDelta / WHEEL_DELTA * lines * headerHeight_);
    return true;
}

void TCategoryPanelGroup::WndProc(TMessage& m)
{
    if (m.Msg != WM_VSCROLL) {
        TCustomControl::WndProc(m);
        return;
    }
    switch (LoWord(m.WParam)) {
    case SB_LINEUP:
        SetVertScrollPosition(scrollPos_ - headerHeight_);
        break;
    case SB_LINEDOWN:
        SetVertScrollPosition(scrollPos_ + headerHeight_);
        break;
    case SB_PAGEUP:
        SetVertScrollPosition(scrollPos_ - ClientHeight());
        break;
    case SB_PAGEDOWN:
        SetVertScrollPosition(scrollPos_ + ClientHeight());
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetVertScrollPosition(static_cast<int>(HiWord(m.WParam)));
        break;
    case SB_TOP:
        SetVertScrollPosition(0);
        break;
    case SB_BOTTOM:
        SetVertScrollPosition(ContentHeight());
        break;
    default:
        break;  // SB_ENDSCROLL: nothing left to do
    }
    m.Result = 0;
}

void TCategoryPanelGroup::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
}

}  // namespace ui

namespace ui {

namespace {
// Fills the rectangle line by line from top (at the top) to bottom (at the bottom).
void VerticalGradient(TCanvas& canvas, const TRect& r, TColor top, TColor bottom)
{
    const TColor a = ColorToRGB(top), b = ColorToRGB(bottom);
    const int lines = std::max(1, r.Bottom - r.Top - 1);
    auto mix = [lines](unsigned from, unsigned to, int i) {
        return static_cast<unsigned>((static_cast<int>(from) * (lines - i) + static_cast<int>(to) * i) / lines);
    };
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    for (int y = r.Top; y < r.Bottom; ++y) {
        const int i = y - r.Top;
        canvas.Brush()->SetColor(RGB(mix(GetRValue(a), GetRValue(b), i), mix(GetGValue(a), GetGValue(b), i),
                                     mix(GetBValue(a), GetBValue(b), i)));
        canvas.FillRect({r.Left, y, r.Right, y + 1});
    }
}
}  // namespace

void TCategoryPanel::PaintControl(TCanvas& canvas)
{
    int hh = HeaderHeight();
    TRect header{0, 0, Width(), hh};
    TCategoryPanelGroup* group = PanelGroup();
    if (group) {
        VerticalGradient(canvas, header, group->GradientBaseColor(), group->GradientColor());
        canvas.Font()->Assign(*group->HeaderFont());
    } else {
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect(header);
        canvas.Font()->Assign(*Font());
        canvas.Font()->SetStyle(fsBold);
    }
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FrameRect({0, 0, Width(), Height()});
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect t{6, 0, Width() - 24, hh};
    canvas.DrawText(Caption(), t, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    // Chevron: up when expanded, down when collapsed.
    canvas.Pen()->SetColor(clBtnText);
    int cx = Width() - 14, cy = hh / 2;
    for (int i = 0; i < 4; ++i) {
        int y = collapsed_ ? cy - 2 + i : cy + 1 - i;
        canvas.MoveTo(cx - 3 + i, y);
        canvas.LineTo(cx + 4 - i, y);
    }
    TCustomControl::PaintControl(canvas);
}

}  // namespace ui
