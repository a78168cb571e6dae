#include "controls/dropdown/GxButtonAppearance.h"

namespace dropdown {

TGxButtonAppearance::TGxButtonAppearance()
{
    FFont.SetName("Tahoma");
}

void TGxButtonAppearance::StoreColor(ui::TColor& Field, ui::TColor Value)
{
    if (Field == Value)
        return;
    Field = Value;
    if (OnChange)
        OnChange(this);
}

void TGxButtonAppearance::SetGradient(TGradientDirection Value)
{
    if (FGradient == Value)
        return;
    FGradient = Value;
    if (OnChange)
        OnChange(this);
}

void TGxButtonAppearance::Assign(const TGxButtonAppearance& Source)
{
    SetColor(Source.Color());
    SetColorTo(Source.ColorTo());
    SetBorderColor(Source.BorderColor());
    SetColorHot(Source.ColorHot());
    SetColorHotTo(Source.ColorHotTo());
    SetBorderColorHot(Source.BorderColorHot());
    SetColorDown(Source.ColorDown());
    SetColorDownTo(Source.ColorDownTo());
    SetBorderColorDown(Source.BorderColorDown());
    SetColorChecked(Source.ColorChecked());
    SetColorCheckedTo(Source.ColorCheckedTo());
    SetBorderColorChecked(Source.BorderColorChecked());
    SetColorDisabled(Source.ColorDisabled());
    SetColorDisabledTo(Source.ColorDisabledTo());
    SetBorderColorDisabled(Source.BorderColorDisabled());
    SetGradient(Source.Gradient());
}

}  // namespace dropdown
