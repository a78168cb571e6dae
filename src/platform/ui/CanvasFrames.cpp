// Edges, frame controls and themed parts.
#include <algorithm>

#include "platform/ui/Backend.h"
#include "platform/ui/Graphics.h"

namespace ui {

namespace {
struct EdgeColors {
    TColor topLeft;
    TColor bottomRight;
};

void Bevel(TCanvas& c, TRect& r, TColor tl, TColor br, unsigned flags)
{
    TBrush saved;
    saved.Assign(*c.Brush());
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    if (flags & BF_TOP) {
        c.Brush()->SetColor(tl);
        c.FillRect({r.Left, r.Top, r.Right, r.Top + 1});
    }
    if (flags & BF_LEFT) {
        c.Brush()->SetColor(tl);
        c.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
    }
    if (flags & BF_BOTTOM) {
        c.Brush()->SetColor(br);
        c.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
    }
    if (flags & BF_RIGHT) {
        c.Brush()->SetColor(br);
        c.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
    }
    if (flags & BF_LEFT)
        ++r.Left;
    if (flags & BF_TOP)
        ++r.Top;
    if (flags & BF_RIGHT)
        --r.Right;
    if (flags & BF_BOTTOM)
        --r.Bottom;
    c.Brush()->Assign(saved);
}

void Arrow(TCanvas& c, const TRect& r, int dir, TColor color)
{
    // A small filled triangle centred in r: 0 up, 1 down, 2 left, 3 right.
    int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
    int s = std::max(2, std::min(r.Width(), r.Height()) / 4);
    c.Brush()->SetColor(color);
    for (int i = 0; i < s; ++i) {
        switch (dir) {
        case 0:
            c.FillRect({cx - i, cy - s / 2 + i, cx + i + 1, cy - s / 2 + i + 1});
            break;
        case 1:
            c.FillRect({cx - (s - 1 - i), cy - s / 2 + i, cx + (s - 1 - i) + 1, cy - s / 2 + i + 1});
            break;
        case 2:
            c.FillRect({cx - s / 2 + i, cy - i, cx - s / 2 + i + 1, cy + i + 1});
            break;
        default:
            c.FillRect({cx - s / 2 + i, cy - (s - 1 - i), cx - s / 2 + i + 1, cy + (s - 1 - i) + 1});
            break;
        }
    }
}

constexpr unsigned kButton3State = 0x0008;

// The classic check mark, 7 x 7, rows from the top, bit 6 the leftmost pixel.
constexpr unsigned char kCheckMark[7] = {0x01, 0x03, 0x47, 0x6E, 0x7C, 0x38, 0x10};

// A classic check box in r: a sunken two-pixel edge (one flat pixel with DFCS_FLAT), the window
// colour inside (button face when inactive or three-state) and the mark, grey when inactive.
void ClassicCheckBox(TCanvas& c, const TRect& r, unsigned state)
{
    TRect w = r;
    if (state & DFCS_FLAT)
        c.DrawEdge(w, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST | BF_FLAT);
    else
        c.DrawEdge(w, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const bool inactive = state & DFCS_INACTIVE, mixed = state & kButton3State;
    c.Brush()->SetColor(inactive || mixed ? clBtnFace : clWindow);
    c.FillRect(w);
    if (!(state & DFCS_CHECKED))
        return;
    c.Brush()->SetColor(inactive || mixed ? clGrayText : clWindowText);
    const int x0 = w.Left + (w.Width() - 7) / 2, y0 = w.Top + (w.Height() - 7) / 2;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            if (kCheckMark[y] & (0x40 >> x))
                c.FillRect({x0 + x, y0 + y, x0 + x + 1, y0 + y + 1});
}

// A classic radio button in r: a circle with a shadowed rim (flat with DFCS_FLAT), the window
// colour inside (button face when inactive) and a dot when checked.
void ClassicRadioButton(TCanvas& c, const TRect& r, unsigned state)
{
    const bool inactive = state & DFCS_INACTIVE;
    const TRect circle = Bounds(r.Left, r.Top, std::min(r.Width(), r.Height()), std::min(r.Width(), r.Height()));
    c.Pen()->SetColor((state & DFCS_FLAT) ? clBtnShadow : cl3DDkShadow);
    c.Pen()->SetWidth(1);
    c.Brush()->SetColor(inactive ? clBtnFace : clWindow);
    c.Ellipse(circle);
    if (!(state & DFCS_CHECKED))
        return;
    const int d = std::max(4, circle.Width() * 2 / 5);
    const int x = circle.Left + (circle.Width() - d) / 2, y = circle.Top + (circle.Height() - d) / 2;
    c.Pen()->SetColor(inactive ? clGrayText : clWindowText);
    c.Brush()->SetColor(inactive ? clGrayText : clWindowText);
    c.Ellipse(x, y, x + d, y + d);
}
}  // namespace

void TCanvas::DrawEdge(TRect& r, unsigned edge, unsigned flags)
{
    TRect work = r;
    if (flags & (BF_FLAT | BF_MONO)) {
        TColor color = (flags & BF_MONO) ? clWindowFrame : clBtnShadow;
        if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER))
            Bevel(*this, work, color, color, flags);
        if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) {
            TColor inner = (flags & BF_MONO) ? clWindow : clBtnFace;
            Bevel(*this, work, inner, inner, flags);
        }
    } else {
        if (edge & BDR_RAISEDOUTER)
            Bevel(*this, work, cl3DLight, cl3DDkShadow, flags);
        else if (edge & BDR_SUNKENOUTER)
            Bevel(*this, work, clBtnShadow, clBtnHighlight, flags);
        if (edge & BDR_RAISEDINNER)
            Bevel(*this, work, clBtnHighlight, clBtnShadow, flags);
        else if (edge & BDR_SUNKENINNER)
            Bevel(*this, work, cl3DDkShadow, cl3DLight, flags);
    }
    if (flags & BF_MIDDLE) {
        TBrush saved;
        saved.Assign(brush_);
        brush_.SetColor(clBtnFace);
        FillRect(work);
        brush_.Assign(saved);
    }
    if (flags & BF_ADJUST)
        r = work;
}

void TCanvas::DrawFrameControl(const TRect& r, unsigned kind, unsigned state)
{
    unsigned themed = 0;
    if (state & DFCS_INACTIVE)
        themed |= tsDisabled;
    if (state & DFCS_PUSHED)
        themed |= tsPressed;
    if (state & DFCS_CHECKED)
        themed |= tsChecked;
    if (state & DFCS_HOT)
        themed |= tsHot;
    if (kind == DFC_BUTTON) {
        if ((state & 0xFF) == DFCS_BUTTONPUSH) {
            DrawThemedPart(TThemedPart::PushButton, themed, r);
            return;
        }
        // Check boxes and radio buttons keep the classic look; the themed look is DrawThemedPart's.
        TBrush saved;
        saved.Assign(brush_);
        TPen savedPen;
        savedPen.Assign(pen_);
        if ((state & 0xFF) == DFCS_BUTTONRADIO)
            ClassicRadioButton(*this, r, state);
        else
            ClassicCheckBox(*this, r, state);
        brush_.Assign(saved);
        pen_.Assign(savedPen);
        return;
    }
    if (kind == DFC_SCROLL) {
        switch (state & 0xFF) {
        case DFCS_SCROLLCOMBOBOX:
            DrawThemedPart(TThemedPart::ComboButton, themed, r);
            return;
        case DFCS_SCROLLUP:
            DrawThemedPart(TThemedPart::SpinUp, themed, r);
            return;
        case DFCS_SCROLLDOWN:
            DrawThemedPart(TThemedPart::SpinDown, themed, r);
            return;
        default:
            break;
        }
        TBrush saved;
        saved.Assign(brush_);
        TRect w = r;
        DrawEdge(w, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
        Arrow(*this, w, (state & 0xFF) == DFCS_SCROLLLEFT ? 2 : 3, (state & DFCS_INACTIVE) ? clGrayText : clBtnText);
        brush_.Assign(saved);
        return;
    }
    TRect w = r;
    DrawEdge(w, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

void TCanvas::DrawThemedPart(TThemedPart part, unsigned state, const TRect& r)
{
    if (r.IsEmpty())
        return;
    if (Backend() && Drawable()) {
        Backend()->DrawThemedPart(RasterTarget(), part, state, r.Offset(origin_.X, origin_.Y));
        return;
    }
    // Headless fallback: the classic flat look.
    TBrush saved;
    saved.Assign(brush_);
    TPen savedPen;
    savedPen.Assign(pen_);
    TColor text = (state & tsDisabled) ? clGrayText : clBtnText;
    TRect w = r;
    switch (part) {
    case TThemedPart::CheckBox:
    case TThemedPart::RadioButton:
        brush_.SetColor((state & tsDisabled) ? clBtnFace : clWindow);
        FillRect(w);
        brush_.SetColor(clBtnShadow);
        FrameRect(w);
        if (state & (tsChecked | tsMixed)) {
            brush_.SetColor((state & tsMixed) ? clGrayText : text);
            FillRect(w.Inflate(-3, -3));
        }
        break;
    case TThemedPart::ComboButton:
    case TThemedPart::SpinUp:
    case TThemedPart::SpinDown:
    case TThemedPart::SpinLeft:
    case TThemedPart::SpinRight: {
        DrawEdge(w, (state & tsPressed) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
        const int dir = part == TThemedPart::SpinUp      ? 0
                        : part == TThemedPart::SpinLeft  ? 2
                        : part == TThemedPart::SpinRight ? 3
                                                         : 1;
        Arrow(*this, w, dir, text);
        break;
    }
    case TThemedPart::PushButton:
    case TThemedPart::HeaderItem:
        DrawEdge(w, (state & tsPressed) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
        break;
    }
    brush_.Assign(saved);
    pen_.Assign(savedPen);
}

}  // namespace ui
