#include "platform/ui/ExtCtrls.h"

namespace ui {

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    controlStyle_ |= csAcceptsControls | csOpaque;
    TControl::SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut v)
{
    bevelOuter_ = v;
    Realign();
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut v)
{
    bevelInner_ = v;
    Realign();
    Invalidate();
}

void TPanel::SetBevelWidth(int v)
{
    bevelWidth_ = std::max(1, v);
    Realign();
    Invalidate();
}

void TPanel::SetAlignment(TAlignment v)
{
    alignment_ = v;
    Invalidate();
}

void TPanel::SetShowCaption(bool v)
{
    showCaption_ = v;
    Invalidate();
}

void TPanel::SetParentBackground(bool v)
{
    parentBackground_ = v;
    Invalidate();
}

int TPanel::Inset() const
{
    // Children are placed inside the bevels (and the border and border width the base counts).
    int inset = 0;
    if (bevelOuter_ != TBevelCut::bvNone)
        inset += bevelWidth_;
    if (bevelInner_ != TBevelCut::bvNone)
        inset += bevelWidth_;
    return inset;
}

TRect TPanel::ClientRect() const
{
    int inset = Inset();
    TRect r = TCustomControl::ClientRect();
    return {0, 0, std::max(0, r.Width() - 2 * inset), std::max(0, r.Height() - 2 * inset)};
}

TPoint TPanel::ClientOrigin() const
{
    TPoint o = TCustomControl::ClientOrigin();
    return {o.X + Inset(), o.Y + Inset()};
}

void TPanel::PaintControl(TCanvas& c)
{
    TRect r{0, 0, Width(), Height()};
    if (BorderStyle() == TBorderStyle::bsSingle) {
        c.DrawEdge(r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        r = r.Inflate(-BorderWidth(), -BorderWidth());
    }
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    auto bevel = [&](TBevelCut cut) {
        if (cut == TBevelCut::bvNone)
            return;
        for (int i = 0; i < bevelWidth_; ++i) {
            if (cut == TBevelCut::bvRaised)
                c.DrawEdge(r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
            else if (cut == TBevelCut::bvLowered)
                c.DrawEdge(r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
            else
                r = r.Inflate(-1, -1);
        }
    };
    bevel(bevelOuter_);
    bevel(bevelInner_);
    if (showCaption_ && !Caption().empty()) {
        c.Font()->Assign(*Font());
        if (!Enabled())
            c.Font()->SetColor(clGrayText);
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
        if (alignment_ == TAlignment::taCenter)
            flags |= DT_CENTER;
        else if (alignment_ == TAlignment::taRightJustify)
            flags |= DT_RIGHT;
        TRect t = r.Inflate(-2, 0);
        c.DrawText(Caption(), t, flags);
    }
    TCustomControl::PaintControl(c);
}

}  // namespace ui
