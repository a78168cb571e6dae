#include "controls/dropdown/GxTrackBarDropDown.h"

#include "controls/dropdown/GxDropDownForm.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/TrackBar.h"

namespace dropdown {

using namespace ui;

TGxTrackBarDropDown::TGxTrackBarDropDown(TComponent* AOwner) : TGxCustomDropDown(AOwner)
{
    if (!(ComponentState() & csDesigning))
        CreateDropDownForm();
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetEditType(TDropDownEditType::etNumeric);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    SetForceShadow(true);
}

void TGxTrackBarDropDown::CreateDropDownForm()
{
    TGxCustomDropDown::CreateDropDownForm();
    if (FTrackBar || !DropDownForm())
        return;
    FTrackBar = new TTrackBar(this);
    FTrackBar->SetParent(DropDownForm());
    FTrackBar->SetBounds(0, 0, FTrackBar->Width(), 40);
    FTrackBar->OnChange = [this](TObject*) { TrackChange(); };
}

void TGxTrackBarDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TGxCustomDropDown::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FTrackBar)
        FTrackBar = nullptr;
}

void TGxTrackBarDropDown::SetMin(int Value)
{
    if (Value > FMax)
        throw rtl::ERangeError("Property value out of range");
    FMin = Value;
    if (FTrackBar) {
        FTrackBar->SetMin(Value);
        FPosition = FTrackBar->Position();
    } else if (FPosition < FMin) {
        SetPosition(FMin);
    }
}

void TGxTrackBarDropDown::SetMax(int Value)
{
    if (Value < FMin)
        throw rtl::ERangeError("Property value out of range");
    FMax = Value;
    if (FTrackBar) {
        FTrackBar->SetMax(Value);
        FPosition = FTrackBar->Position();
    } else if (FPosition > FMax) {
        SetPosition(FMax);
    }
}

void TGxTrackBarDropDown::SetPosition(int Value)
{
    FPosition = Value;
    if (FTrackBar) {
        FTrackBar->SetPosition(Value);
        FPosition = FTrackBar->Position();
    }
}

void TGxTrackBarDropDown::SetPageSize(int Value)
{
    FPageSize = Value;
    if (FTrackBar)
        FTrackBar->SetPageSize(Value);
}

void TGxTrackBarDropDown::SetFrequency(int Value)
{
    FFrequency = Value;
    if (FTrackBar)
        FTrackBar->SetFrequency(Value);
}

void TGxTrackBarDropDown::DoBeforeDropDown()
{
    TGxCustomDropDown::DoBeforeDropDown();
    if (DropDownForm())
        DropDownForm()->CancelOnDeActivate = false;
    if (!FTrackBar)
        return;
    // The range is set wide first so that any valid pair can be taken in either order.
    FTrackBar->SetMax(std::max(FMax, FTrackBar->Max()));
    FTrackBar->SetMin(FMin);
    FTrackBar->SetMax(FMax);
    FTrackBar->SetPosition(FPosition);
    FTrackBar->SetPageSize(FPageSize);
    FTrackBar->SetFrequency(FFrequency);
    FTrackBar->SetWidth(Width());
    SetControl(FTrackBar);
}

void TGxTrackBarDropDown::TrackChange()
{
    FPosition = FTrackBar->Position();
    SetTextDirect(std::to_string(FPosition));
    if (OnTrackChange)
        OnTrackChange(this);
}

void TGxTrackBarDropDown::Change()
{
    TGxCustomDropDown::Change();
    // A text that is not a whole number is refused with the conversion error.
    SetPosition(rtl::StrToInt(Text()));
}

void TGxTrackBarDropDown::KeyDown(unsigned& Key, TShiftState Shift)
{
    const unsigned key = Key;
    TGxCustomDropDown::KeyDown(Key, Shift);
    if (EditorEnabled() || (Shift & ssAlt))
        return;
    if (key == VK_UP && FPosition - FFrequency >= FMin)
        SetPosition(FPosition - FFrequency);
    else if (key == VK_DOWN && FPosition + FFrequency <= FMax)
        SetPosition(FPosition + FFrequency);
}

void TGxTrackBarDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGxCustomDropDown::MouseDown(Button, Shift, X, Y);
    if (DropDownEnabled() && !EditorEnabled()) {
        FMouseX = X;
        FMouseDraging = true;
    }
}

void TGxTrackBarDropDown::MouseMove(TShiftState Shift, int X, int Y)
{
    TGxCustomDropDown::MouseMove(Shift, X, Y);
    if (!FMouseDraging || !DropDownEnabled() || EditorEnabled())
        return;
    // With a page size of 0 the drag does not step (no division by zero).
    const int steps = FPageSize != 0 ? (X - FMouseX) / FPageSize : 0;
    FMouseX = X;
    if (steps != 0)
        SetPosition(FPosition + steps);
}

void TGxTrackBarDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGxCustomDropDown::MouseUp(Button, Shift, X, Y);
    FMouseDraging = false;
}

}  // namespace dropdown
