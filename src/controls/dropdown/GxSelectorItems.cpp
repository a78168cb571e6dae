#include "controls/dropdown/GxSelectorItems.h"

namespace dropdown {

TSelectorItem::TSelectorItem(TCollectionBase* Collection)
    : FCollection(Collection), FImage(std::make_unique<ui::TPicture>())
{}

void TSelectorItem::SetCaption(const std::string& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    FCollection->Changed();
}

void TSelectorItem::SetColor(ui::TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    FCollection->Changed();
}

void TSelectorItem::SetImageIndex(int Value)
{
    if (FImageIndex == Value)
        return;
    FImageIndex = Value;
    FCollection->Changed();
}

void TSelectorItem::Assign(const TSelectorItem& Source)
{
    SetCaption(Source.FCaption);
    SetColor(Source.FColor);
    SetImageIndex(Source.FImageIndex);
    FImage->Assign(*Source.FImage);
    FEnabled = Source.FEnabled;
    FHint = Source.FHint;
}

}  // namespace dropdown
