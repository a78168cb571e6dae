#include "controls/dropdown/GxMultiColumnItems.h"

namespace dropdown::multicolumn {

TDropDownColumn::TDropDownColumn(TCollectionBase*) {}

void TDropDownColumn::Assign(const TDropDownColumn& Source)
{
    Width = Source.Width;
    Color = Source.Color;
    Alignment = Source.Alignment;
    Ellipsis = Source.Ellipsis;
    FFont.Assign(Source.FFont);
    ColumnType = Source.ColumnType;
    Header = Source.Header;
    Wordwrap = Source.Wordwrap;
    AutoSize = Source.AutoSize;
}

TDropDownItem::TDropDownItem(TCollectionBase*) {}

void TDropDownItem::Assign(const TDropDownItem& Source)
{
    ImageIndex = Source.ImageIndex;
    FText.Assign(Source.FText);
}

std::string TDropDownItem::ColumnText(int Column) const
{
    return HasColumn(Column) ? FText.Get(Column) : std::string();
}

int TDropDownItems::IndexInColumn(int Column, const std::string& Value) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetItem(i)->HasColumn(Column) && GetItem(i)->ColumnText(Column) == Value)
            return i;
    return -1;
}

}  // namespace dropdown::multicolumn
