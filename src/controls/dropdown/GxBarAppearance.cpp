#include "controls/dropdown/GxBarAppearance.h"

namespace dropdown {

void THeaderButton::SetCaption(const std::string& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    FCollection->Changed();
}

void THeaderButton::SetEnabled(bool Value)
{
    if (FEnabled == Value)
        return;
    FEnabled = Value;
    FCollection->Changed();
}

void THeaderButton::SetWidth(int Value)
{
    if (FWidth == Value)
        return;
    FWidth = Value;
    FCollection->Changed();
}

void THeaderButton::Assign(const THeaderButton& Source)
{
    FCaption = Source.FCaption;
    FImageIndex = Source.FImageIndex;
    SetEnabled(Source.FEnabled);
    SetWidth(Source.FWidth);
    SetHeight(Source.FHeight);
}

void TFooterButton::Assign(const TFooterButton& Source)
{
    THeaderButton::Assign(Source);
    FModalResult = Source.FModalResult;
}

}  // namespace dropdown
