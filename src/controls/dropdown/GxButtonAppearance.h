#pragma once
// The look shared by all header and footer buttons of one drop-down: a face gradient or colour and
// a border per state, the gradient direction and the caption font. Every colour and gradient
// setter that changes a value fires OnChange.
#include "controls/dropdown/GxDropDownTypes.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Graphics.h"

namespace dropdown {

class TGxButtonAppearance : public ui::TObject {
public:
    TGxButtonAppearance();
    // Copies every colour and the gradient through the setters; the font is not copied.
    void Assign(const TGxButtonAppearance& Source);

    // Normal, hot (mouse over or focus), down (left button held), checked (a down button) and
    // disabled faces and borders. The hot, down and checked faces are drawn in one colour.
    ui::TColor Color() const { return FColor; }
    void SetColor(ui::TColor Value) { StoreColor(FColor, Value); }
    ui::TColor ColorTo() const { return FColorTo; }
    void SetColorTo(ui::TColor Value) { StoreColor(FColorTo, Value); }
    ui::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(ui::TColor Value) { StoreColor(FBorderColor, Value); }
    ui::TColor ColorHot() const { return FColorHot; }
    void SetColorHot(ui::TColor Value) { StoreColor(FColorHot, Value); }
    ui::TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(ui::TColor Value) { StoreColor(FColorHotTo, Value); }
    ui::TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(ui::TColor Value) { StoreColor(FBorderColorHot, Value); }
    ui::TColor ColorDown() const { return FColorDown; }
    void SetColorDown(ui::TColor Value) { StoreColor(FColorDown, Value); }
    ui::TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(ui::TColor Value) { StoreColor(FColorDownTo, Value); }
    ui::TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(ui::TColor Value) { StoreColor(FBorderColorDown, Value); }
    ui::TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(ui::TColor Value) { StoreColor(FColorChecked, Value); }
    ui::TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(ui::TColor Value) { StoreColor(FColorCheckedTo, Value); }
    ui::TColor BorderColorChecked() const { return FBorderColorChecked; }
    void SetBorderColorChecked(ui::TColor Value) { StoreColor(FBorderColorChecked, Value); }
    ui::TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(ui::TColor Value) { StoreColor(FColorDisabled, Value); }
    ui::TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(ui::TColor Value) { StoreColor(FColorDisabledTo, Value); }
    ui::TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(ui::TColor Value) { StoreColor(FBorderColorDisabled, Value); }

    TGradientDirection Gradient() const { return FGradient; }
    void SetGradient(TGradientDirection Value);
    ui::TFont* Font() { return &FFont; }
    const ui::TFont* Font() const { return &FFont; }
    // Copies the font (no OnChange).
    void SetFont(const ui::TFont& Value) { FFont.Assign(Value); }

    ui::TNotifyEvent OnChange;

private:
    void StoreColor(ui::TColor& Field, ui::TColor Value);

    ui::TColor FColor = ui::clNone;
    ui::TColor FColorTo = ui::clNone;
    ui::TColor FBorderColor = ui::clNone;
    ui::TColor FColorHot = 0xF5F0E1;
    ui::TColor FColorHotTo = 0xF9D2B2;
    ui::TColor FBorderColorHot = 0x808080;
    ui::TColor FColorDown = 0xF5D8CA;
    ui::TColor FColorDownTo = 0xF9BDA0;
    ui::TColor FBorderColorDown = 0x800000;
    ui::TColor FColorChecked = 0xF5D8CA;
    ui::TColor FColorCheckedTo = 0xF9BDA0;
    ui::TColor FBorderColorChecked = 0xFF0000;
    ui::TColor FColorDisabled = 0xF2F2F2;
    ui::TColor FColorDisabledTo = ui::clNone;
    ui::TColor FBorderColorDisabled = 0x808080;
    TGradientDirection FGradient = TGradientDirection::gdVertical;
    ui::TFont FFont;
};

}  // namespace dropdown
