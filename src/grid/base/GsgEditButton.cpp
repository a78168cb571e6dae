#include "grid/base/GsgEditButton.h"

#include "grid/base/GxStyleIF.h"

namespace gx {

using ui::TCanvas;
using ui::TColor;
using ui::TRect;

// ---------------------------------------------------------------------------------------------
// TGxSpeedButton

TGxSpeedButton::TGxSpeedButton(ui::TComponent* AOwner) : ui::TSpeedButton(AOwner) {}

TGsgEditButton* TGxSpeedButton::buttonOwner() const
{
    return dynamic_cast<TGsgEditButton*>(Owner());
}

void TGxSpeedButton::MouseEnter()
{
    ui::TSpeedButton::MouseEnter();
    FHot = true;
    Invalidate();
}

void TGxSpeedButton::MouseLeave()
{
    ui::TSpeedButton::MouseLeave();
    FHot = false;
    Invalidate();
}

void TGxSpeedButton::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Font()->Assign(*Font());
    TRect r(0, 0, Width(), Height());
    const ui::TButtonState state = State();
    const bool down = state == ui::TButtonState::bsDown || state == ui::TButtonState::bsExclusive;
    const TGsgEditButton* owner = buttonOwner();
    if (owner && owner->ButtonColor != ui::clNone) {
        SetFlat(true);
        TColor face = owner->ButtonColor;
        if (down && owner->ButtonColorDown != ui::clNone)
            face = owner->ButtonColorDown;
        else if (FHot && owner->ButtonColorHot != ui::clNone)
            face = owner->ButtonColorHot;
        canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(face);
        canvas.Pen()->SetColor(face);
        canvas.FillRect(r);
    } else if (IsWinXP && ThemesActive()) {
        const unsigned themed = down ? ui::tsPressed : FHot ? ui::tsHot : ui::tsNormal;
        canvas.DrawThemedPart(ui::TThemedPart::PushButton, themed, r);
    } else if (Flat()) {
        canvas.DrawEdge(r, down ? ui::BDR_SUNKENOUTER : ui::BDR_RAISEDINNER, ui::BF_RECT | ui::BF_MIDDLE);
        r = r.Inflate(-1, -1);
    } else {
        canvas.DrawFrameControl(r, ui::DFC_BUTTON, ui::DFCS_BUTTONPUSH | (down ? ui::DFCS_PUSHED : 0u));
        r = r.Inflate(-2, -2);
    }

    const int shift = down ? 1 : 0;
    if (const ui::TBitmap* glyph = Glyph(); glyph && !glyph->Empty()) {
        ui::TBitmap image;
        image.Assign(*glyph);
        image.SetTransparent(true);
        const int x = image.Width() < Width() ? (Width() - image.Width()) / 2 : 0;
        const int y = image.Height() < Height() ? (Height() - image.Height()) / 2 : 0;
        canvas.Draw(x + shift, y + shift, &image);
    }
    if (!Caption().empty()) {
        canvas.Font()->SetColor(ui::clBlack);
        canvas.Brush()->SetStyle(ui::TBrushStyle::bsClear);
        TRect text = r.Offset(shift, shift);
        canvas.DrawText(Caption(), text, ui::DT_CENTER | ui::DT_VCENTER | ui::DT_SINGLELINE);
        canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    }
}

// ---------------------------------------------------------------------------------------------
// TGsgEditButton

TGsgEditButton::TGsgEditButton(ui::TComponent* AOwner) : ui::TWinControl(AOwner)
{
    controlStyle_ = (controlStyle_ & ~ui::csAcceptsControls) | ui::csOpaque;
    FButton = new TGxSpeedButton(this);
    FButton->SetParent(this);
    FButton->SetVisible(true);
    FButton->SetEnabled(true);
    FButton->OnMouseUp = [this](ui::TObject*, ui::TMouseButton button, ui::TShiftState, int, int) {
        buttonMouseUp(button);
    };
    SetBounds(0, 0, 20, 25);
}

TGsgEditButton::~TGsgEditButton() = default;

void TGsgEditButton::SetBounds(int left, int top, int width, int height)
{
    ui::TWinControl::SetBounds(left, top, width, height);
    if (FButton && !Loading())
        FButton->SetBounds(0, 0, Width(), Height());
}

void TGsgEditButton::Loaded()
{
    ui::TWinControl::Loaded();
    FButton->SetBounds(0, 0, Width(), Height());
}

void TGsgEditButton::SetFocusControl(ui::TWinControl* v)
{
    FFocusControl = v;
    if (v)
        v->FreeNotification(this);
}

void TGsgEditButton::Notification(ui::TComponent* component, ui::TOperation operation)
{
    ui::TWinControl::Notification(component, operation);
    if (operation == ui::TOperation::opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

void TGsgEditButton::SetFlat(bool v)
{
    FFlat = v;
    FButton->SetFlat(v);
}

void TGsgEditButton::buttonMouseUp(ui::TMouseButton button)
{
    if (button != ui::TMouseButton::mbLeft)
        return;
    if (OnClick)
        OnClick(this);
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop() && !Focused() && CanFocus())
        SetFocus();
}

}  // namespace gx
