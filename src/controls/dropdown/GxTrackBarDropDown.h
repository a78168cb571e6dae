#pragma once
// TGxTrackBarDropDown: a whole number within a range, picked on a track bar in the drop-down window
// (as wide as the edit), stepped with Up and Down, or changed by dragging the mouse sideways over
// the edit. Typing is off by default; the value is the edit's text.
#include "controls/dropdown/GxDropDown.h"

namespace ui {
class TTrackBar;
}

namespace dropdown {

class TGxTrackBarDropDown : public TGxCustomDropDown {
public:
    explicit TGxTrackBarDropDown(ui::TComponent* AOwner);

    int Min() const { return FMin; }
    // An inverted range is refused (ERangeError "Property value out of range") before anything is
    // stored; a position outside a new range moves to its nearer end.
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    // The track bar's page; also the pixels of sideways mouse movement per step (0: no steps).
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value);
    // The track bar's tick distance; also the step of the Up and Down keys.
    int Frequency() const { return FFrequency; }
    void SetFrequency(int Value);
    ui::TTrackBar* TrackBar() const { return FTrackBar; }

    // After the track bar moved and the edit shows the new number.
    ui::TNotifyEvent OnTrackChange;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void Change() override;
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
    void TrackChange();

    ui::TTrackBar* FTrackBar = nullptr;
    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FPageSize = 2;
    int FFrequency = 1;
    bool FMouseDraging = false;
    int FMouseX = 0;
};

}  // namespace dropdown
