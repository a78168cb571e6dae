// TEMPORARY: stands in for the window road until the framework's popup window is on main.
#include "controls/dropdown/GxDropDown.h"

namespace dropdown {

void TGxCustomDropDown::CreateDropDownForm() {}
void TGxCustomDropDown::DoBeforeDropDown()
{
    if (OnBeforeDropDown)
        OnBeforeDropDown(this);
}
void TGxCustomDropDown::AdjustDropDownHeight(int&) {}
void TGxCustomDropDown::FocusDropDownControl() {}
void TGxCustomDropDown::PlaceDropDownControl() {}
void TGxCustomDropDown::UpdateDropDownSize() {}
void TGxCustomDropDown::DropDownFormHide()
{
    FDroppedDown = false;
}
void TGxCustomDropDown::DropDownFormKeyPress(char32_t&) {}
void TGxCustomDropDown::DropDownFormKeyDown(unsigned&, ui::TShiftState) {}
void TGxCustomDropDown::DropDownFormKeyUp(unsigned&, ui::TShiftState) {}
void TGxCustomDropDown::ControlKeyDown(unsigned&, ui::TShiftState) {}
void TGxCustomDropDown::ControlKeyUp(unsigned&, ui::TShiftState) {}
void TGxCustomDropDown::ControlKeyPress(char32_t&) {}
void TGxCustomDropDown::RefreshDropDownBars() {}
bool TGxCustomDropDown::DropDownClosedRecently() const
{
    return false;
}
void TGxCustomDropDown::DoShowDropDown()
{
    if (FDroppedDown || !Enabled() || ReadOnly())
        return;
    DoBeforeDropDown();
    bool accept = true;
    if (OnDropDown)
        OnDropDown(this, accept);
    if (!accept)
        return;
    FOldText = Text();
    FDroppedDown = true;
}
void TGxCustomDropDown::DoHideDropDown(bool Cancelled)
{
    if (!FDroppedDown)
        return;
    if (OnBeforeDropUp)
        OnBeforeDropUp(this);
    DropDownFormHide();
    if (Cancelled)
        SetText(FOldText);
    if (OnDropUp)
        OnDropUp(this, Cancelled);
}

}  // namespace dropdown
