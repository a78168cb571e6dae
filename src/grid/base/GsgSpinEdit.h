#pragma once
// The spin edit: a one-line edit with an embedded up/down button pair that steps a whole number,
// a floating-point number, a date or a time. Typed characters are checked against the kind and
// the regional separators; values are held to optional limits. The grid's spin editor derives
// from it.

#include <string>

#include "grid/base/GsgSpinButton.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Mask.h"

namespace gx {

enum class TGsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum class TEditAlign { eaLeft, eaRight, eaCenter };

class TGsgSpinEdit : public ui::TMaskEdit {
public:
    explicit TGsgSpinEdit(ui::TComponent* AOwner);
    ~TGsgSpinEdit() override;

    // Re-shows the current value in the new kind's format.
    TGsgSpinType SpinType() const { return FSpinType; }
    void SetSpinType(TGsgSpinType v);

    // The text read as a whole number: 0 when empty, MinValue when it is no number.
    int Value() const;
    // Held to MinValue..MaxValue; with EditorEnabled off the whole text is selected.
    void SetValue(int v);
    // The text read as a regional floating-point number; MinValue when it is none.
    double FloatValue() const;
    void SetFloatValue(double v);
    // The text read as a regional short date; the current date and time for an empty text or
    // "0", MinDateValue when it is no date.
    rtl::TDateTime DateValue() const;
    void SetDateValue(rtl::TDateTime v);
    // The text read as a time; 0 when it is none.
    rtl::TDateTime TimeValue() const;
    void SetTimeValue(rtl::TDateTime v);

    // Limits: equal limits mean no limits. Date and time values share the date limits.
    int MinValue = 0;
    int MaxValue = 100;
    double MinFloatValue = 0.0;
    double MaxFloatValue = 100.0;
    rtl::TDateTime MinDateValue = 0;
    rtl::TDateTime MaxDateValue = 0;
    // Steps: arrows and buttons, Page Up/Page Down for floats, the fields of a time.
    int Increment = 1;
    double IncrementFloat = 0.1;
    double IncrementFloatPage = 1.0;
    int IncrementHours = 1;
    int IncrementMinutes = 1;
    int IncrementSeconds = 1;
    // Times shown with seconds, else as hours and minutes.
    bool ShowSeconds = true;
    // Off: the value changes only by stepping.
    bool EditorEnabled = true;
    // Enter acts as Tab.
    bool ReturnIsTab = false;
    // The numeric keypad's decimal key types the regional decimal separator.
    bool ExcelStyleDecimalSeparator = false;
    // Not read here: the grid stores an empty cell for an empty text when it is set.
    bool AllowEmptyValue = false;

    // Decimals shown for floats; 0 = general format.
    int Precision() const { return FPrecision; }
    void SetPrecision(int v);
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection v);
    TEditAlign EditAlign() const { return FEditAlign; }
    void SetEditAlign(TEditAlign v);
    bool SpinFlat() const { return FSpinFlat; }
    void SetSpinFlat(bool v);
    bool SpinTransparent() const { return FSpinTransparent; }
    void SetSpinTransparent(bool v);

    TGsgSpinButton* Button() const { return FButton; }
    // Themed drawing of the spin buttons (the grid sets it when it draws themed).
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool v);

    // One step of the active kind; Page selects the page step of floats. A read-only edit beeps.
    virtual void StepUp(bool Page);
    virtual void StepDown(bool Page);
    // Whether Key may be typed now.
    virtual bool IsValidChar(char32_t Key) const;
    virtual void UpClick(ui::TObject* Sender);
    virtual void DownClick(ui::TObject* Sender);

    // The smallest height that shows the text: raised to on every resize.
    int MinHeight() const;
    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(ui::TMessage& message) override;

protected:
    void Loaded() override;
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoEnter() override;
    void DoExit() override;
    void FontChanged() override;

private:
    void step(int direction, bool page);
    void stepDate(int direction);
    void stepTime(int direction);
    void layout();
    // Replaces the text and keeps the caret where it was.
    void showKeepingCaret(const std::string& text);
    rtl::TDateTime clampDate(rtl::TDateTime v) const;
    std::string timeText(rtl::TDateTime v) const;

    TGsgSpinButton* FButton = nullptr;
    TGsgSpinType FSpinType = TGsgSpinType::sptNormal;
    rtl::TDateTime FDateValue = 0;
    rtl::TDateTime FTimeValue = 0;
    int FPrecision = 0;
    TSpinDirection FDirection = TSpinDirection::spVertical;
    TEditAlign FEditAlign = TEditAlign::eaLeft;
    bool FSpinFlat = false;
    bool FSpinTransparent = false;
    bool FIsWinXP = false;
    bool FUsDates = false;
    bool FLayingOut = false;
};

}  // namespace gx
