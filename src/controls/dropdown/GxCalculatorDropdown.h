#pragma once
// TGxCalculatorDropdown: a number edited on a pocket calculator in the drop-down window. Operators
// are applied strictly left to right (2 + 3 x 4 = 20), with percent, square root, reciprocal and a
// memory; division by zero, the root of a negative and 1/x of zero show "Error". The number lives
// in the edit text, shown with Precision decimals.
#include <string>

#include "controls/dropdown/GxCalcButtons.h"
#include "controls/dropdown/GxDropDown.h"

namespace dropdown {

class TCustomButtonPanel;

class TGxCalculatorDropdown : public TGxCustomDropDown {
public:
    explicit TGxCalculatorDropdown(ui::TComponent* AOwner);

    TButtonAppearance* CalcButtonAppearance() { return &FCalcButtonAppearance; }
    void SetCalcButtonAppearance(const TButtonAppearance& Value) { FCalcButtonAppearance.Assign(Value); }
    bool ShowThousandSeparator() const { return FShowThousandSeparator; }
    // Money format (thousand separators) instead of the plain float format.
    void SetShowThousandSeparator(bool Value);
    // The converted text (0 when it is no number).
    double Value();
    void SetValue(double Value);
    TCustomButtonPanel* ButtonPanel() const { return FGxButtonPanel; }
    // Completes the pending operation, as "=".
    void CalcResult() { CalcEquals(); }
    // The action of a panel button (by index in the panel's collection).
    void ButtonClick(int Index);
    // The calculator's answer to a character typed on the open calculator.
    void CalcKey(char32_t Key);

    double Accumulator() const { return FPrevval; }
    double Memory() const { return FMVal; }
    int PendingOperation() const { return FPrevop; }

    void SetComponentStyle(gx::TGxStyle AStyle) override;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void DropDownFormKeyPress(char32_t& Key) override;
    void DropDownFormKeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void EditKeyPress(char32_t& Key) override;
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;
    // Called at the start of every button action and calculator key (for descendants).
    virtual void BeforeCalcAction() {}

private:
    double Convert() const;
    void ZeroIfEmptyOrError();
    void SetZeroText() { SetText("0"); }
    void CalcPending();
    void CalcOperator(int Op);
    void CalcEquals();
    void CalcPercent();
    void ClearAll();

    TButtonAppearance FCalcButtonAppearance;
    TCustomButtonPanel* FGxButtonPanel = nullptr;
    int FDecim = 0;
    bool FNewval = false;
    double FPrevval = 0;
    int FPrevop = -1;
    double FMVal = 0;
    bool FShowThousandSeparator = false;
};

}  // namespace dropdown
