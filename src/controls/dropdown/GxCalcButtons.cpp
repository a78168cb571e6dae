#include "controls/dropdown/GxCalcButtons.h"

#include "controls/dropdown/GxDropDownDraw.h"

namespace dropdown {

TButtonItem::TButtonItem(TCollectionBase*) : FImage(std::make_unique<ui::TPicture>()) {}

void TButtonItem::Assign(const TButtonItem& Source)
{
    FCaption = Source.FCaption;
    FCaptionColor = Source.FCaptionColor;
    FTag = Source.FTag;
    FImageIndex = Source.FImageIndex;
    FImage->Assign(*Source.FImage);
    FEnabled = Source.FEnabled;
    FName = Source.FName;
}

void TButtonItem::SetButtonRect(const ui::TRect& R)
{
    FLeft = R.Left;
    FTop = R.Top;
    FWidth = R.Width();
    FHeight = R.Height();
}

TButtonAppearance::TButtonAppearance()
{
    // The checked and disabled faces are derived from lighter colours.
    FColorChecked = DarkenColor(16117985, -10, -10, 0);
    FColorCheckedTo = DarkenColor(16372402, -10, -10, 0);
    FColorDisabled = DarkenColor(16777215, -5, -5, -5);
    FColorDisabledTo = DarkenColor(16777215, -5, -5, -5);
    FFont.SetSize(10);
    FFont.SetStyle(ui::fsBold);
}

void TButtonAppearance::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TButtonAppearance::StoreColor(ui::TColor& Field, ui::TColor Value)
{
    if (Field == Value)
        return;
    Field = Value;
    Changed();
}

void TButtonAppearance::SetFont(const ui::TFont& Value)
{
    FFont.Assign(Value);
    Changed();
}

void TButtonAppearance::Assign(const TButtonAppearance& Source)
{
    SetBorderColor(Source.BorderColor());
    SetBorderColorHot(Source.BorderColorHot());
    SetBorderColorDown(Source.BorderColorDown());
    SetBorderColorChecked(Source.BorderColorChecked());
    SetColor(Source.Color());
    SetColorTo(Source.ColorTo());
    SetColorDown(Source.ColorDown());
    SetColorDownTo(Source.ColorDownTo());
    SetColorHot(Source.ColorHot());
    SetColorHotTo(Source.ColorHotTo());
    SetColorCheckedTo(Source.ColorCheckedTo());
    SetColorDisabled(Source.ColorDisabled());
    SetColorDisabledTo(Source.ColorDisabledTo());
    SetColorChecked(Source.ColorChecked());
    GlowColorHot = Source.GlowColorHot;
    GlowColorDown = Source.GlowColorDown;
    FFont.Assign(Source.FFont);
    SetTextColor(Source.TextColor());
    SetSpecialTextColor(Source.SpecialTextColor());
}

}  // namespace dropdown
