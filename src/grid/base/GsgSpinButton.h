#pragma once
// The spin button pair of the spin edit: TGsgSpinButton holds an up and a down button
// (TGxTimerSpeedButton) that repeat their click while held down (first repeat 400 ms after the
// press, then every 100 ms), drawn in custom colours, through the native style, or classically.

#include <memory>

#include "platform/ui/Buttons.h"
#include "platform/ui/ExtCtrls.h"

namespace gx {

enum class TSpinDirection { spVertical, spHorizontal };
enum class TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateFlag : unsigned { tbFocusRect = 1, tbAllowTimer = 2 };
using TTimeBtnState = unsigned;

class TGsgSpinButton;

// The built-in 9 x 6 glyphs "GsgSpinUp" and "GsgSpinDown": a black triangle with a 7-pixel base,
// 4 rows high, on olive, the colour the speed button draws as transparent.
const ui::TBitmap& SpinGlyph(bool up);

class TGxTimerSpeedButton : public ui::TSpeedButton {
public:
    explicit TGxTimerSpeedButton(ui::TComponent* AOwner);
    ~TGxTimerSpeedButton() override;

    TTimeBtnState TimeBtnState = tbAllowTimer;
    TButtonDirection ButtonDirection = TButtonDirection::bdUp;
    bool IsWinXP = false;
    // The repeat timer, created by the first press (nullptr before).
    ui::TTimer* RepeatTimer() const { return FRepeatTimer; }
    bool HasMouse() const { return FHasMouse; }

protected:
    void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void Paint() override;

private:
    void TimerExpired();
    TGsgSpinButton* spinOwner() const;

    ui::TTimer* FRepeatTimer = nullptr;
    bool FHasMouse = false;
};

class TGsgSpinButton : public ui::TWinControl {
public:
    explicit TGsgSpinButton(ui::TComponent* AOwner);
    ~TGsgSpinButton() override;

    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection v);
    ui::TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(ui::TWinControl* v);
    // A glyph given replaces the built-in one; nullptr restores it (with one glyph).
    void SetUpGlyph(const ui::TBitmap* v);
    void SetDownGlyph(const ui::TBitmap* v);
    int UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
    void SetUpNumGlyphs(int v) { FUpButton->SetNumGlyphs(v); }
    int DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
    void SetDownNumGlyphs(int v) { FDownButton->SetNumGlyphs(v); }
    bool IsWinXP() const { return FIsWinXP; }
    // Stored here and on both buttons.
    void SetIsWinXP(bool v);
    // Passed to both buttons.
    void SetFlat(bool v);
    void SetTransparent(bool v);

    TGxTimerSpeedButton* UpButton() const { return FUpButton; }
    TGxTimerSpeedButton* DownButton() const { return FDownButton; }
    TGxTimerSpeedButton* FocusedButton() const { return FFocusedButton; }

    // Custom button colours (clNone: not set); ButtonBorderColor is kept but not drawn.
    ui::TColor ButtonColor = ui::clNone;
    ui::TColor ButtonColorHot = ui::clNone;
    ui::TColor ButtonColorDown = ui::clNone;
    ui::TColor ButtonTextColor = ui::clNone;
    ui::TColor ButtonTextColorHot = ui::clNone;
    ui::TColor ButtonTextColorDown = ui::clNone;
    ui::TColor ButtonBorderColor = 0;

    ui::TNotifyEvent OnUpClick;
    ui::TNotifyEvent OnDownClick;

    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(ui::TMessage& message) override;

protected:
    void Loaded() override;
    void Notification(ui::TComponent* component, ui::TOperation operation) override;
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    unsigned WantKeys() const override { return ui::DLGC_WANTARROWS; }

private:
    TGxTimerSpeedButton* createButton(TButtonDirection direction);
    void buttonMouseDown(ui::TObject* sender, ui::TMouseButton button);
    void buttonClick(ui::TObject* sender);
    void setFocusBtn(TGxTimerSpeedButton* button);
    // Places the two buttons; returns the size the control needs.
    void adjustSize(int& width, int& height);

    TGxTimerSpeedButton* FUpButton = nullptr;
    TGxTimerSpeedButton* FDownButton = nullptr;
    TGxTimerSpeedButton* FFocusedButton = nullptr;
    ui::TWinControl* FFocusControl = nullptr;
    TSpinDirection FDirection = TSpinDirection::spVertical;
    bool FIsWinXP = false;
};

}  // namespace gx
