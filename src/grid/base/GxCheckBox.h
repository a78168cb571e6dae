#pragma once
// TGxCheckBox: the check box of the grid's search panel ("match case"), drawn with the desktop's
// visual style or classically, optionally on the parent's background. It fires its click itself:
// on a release over it after a press, on Space, and on its accelerator.

#include "platform/ui/Controls.h"

namespace gx {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum class TCheckBoxAlignment { taLeftJustify, taRightJustify };
enum class TButtonVertAlign { tvaTop, tvaCenter, tvaBottom };

class TGxCheckBox : public ui::TCustomControl {
public:
    explicit TGxCheckBox(ui::TComponent* AOwner);

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState Value);
    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
    // Flips Checked unless ReadOnly.
    void Toggle();
    // The box shown pressed.
    bool Down() const { return down_; }
    void SetDown(bool Value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);

    TCheckBoxAlignment Alignment = TCheckBoxAlignment::taLeftJustify;
    TButtonVertAlign ButtonVertAlign = TButtonVertAlign::tvaTop;
    bool Ellipsis = false;
    bool ReadOnly = false;
    bool ReturnIsTab = false;

protected:
    void Paint() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void KeyUp(unsigned& Key, ui::TShiftState Shift) override;
    void WndProc(ui::TMessage& Message) override;

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
    ui::TRect BoxRect() const;

    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
    bool down_ = false;
    bool pressed_ = false;  // a press began over the box
    bool transparent_ = false;
};

}  // namespace gx
