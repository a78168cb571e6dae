#include "controls/dropdown/GxMultiColumnItems.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/ImgList.h"
#include "platform/ui/Messages.h"

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

int ItemColumnWidth(ui::TCanvas& Canvas, const TDropDownColumn& Column, int Index, const TDropDownItems& Items,
                    ui::TImageList* Images)
{
    Canvas.Font()->Assign(*Column.Font());
    int widest = 0;
    for (int i = 0; i < Items.Count(); ++i) {
        const TDropDownItem& item = *Items.GetItem(i);
        int w = 0;
        if (Column.ColumnType == TColumnType::ctImage && item.ImageIndex >= 0 && Images)
            w = Images->Width() + 4;
        const std::string text = item.ColumnText(Index);
        if (!text.empty()) {
            ui::TRect r{0, 0, 1000, 500};
            Canvas.DrawText(text, r, ui::DT_CALCRECT | ui::DT_SINGLELINE);
            w += r.Width() + 6;
        }
        widest = std::max(widest, w);
    }
    return widest;
}

int ItemRowHeight(ui::TCanvas& Canvas, const TDropDownColumns& Columns, const std::vector<int>& Width,
                  const TDropDownItem& Item, ui::TImageList* Images)
{
    int height = 24;
    for (int c = 0; c < Columns.Count() && c < static_cast<int>(Width.size()); ++c) {
        const TDropDownColumn& column = *Columns.GetItem(c);
        if (!column.Wordwrap)
            continue;
        int need = 0;
        if (column.ColumnType == TColumnType::ctImage && Item.ImageIndex >= 0 && Images)
            need = Images->Height() + 6;
        const std::string text = Item.ColumnText(c);
        if (!text.empty()) {
            Canvas.Font()->Assign(*column.Font());
            ui::TRect r{0, 0, Width[static_cast<std::size_t>(c)], 500};
            Canvas.DrawText(text, r, ui::DT_CALCRECT | ui::DT_WORDBREAK);
            need = std::max(need, r.Height() + 6);
        }
        height = std::max(height, need);
    }
    return height;
}

std::vector<int> FitColumnWidths(const std::vector<int>& Widths, int Available)
{
    int total = 1;
    for (int w : Widths)
        total += w;
    const double f = static_cast<double>(Available) / total;
    double carry = 0;
    std::vector<int> fitted;
    for (int w : Widths) {
        const double exact = w * f;
        const double r = std::nearbyint(exact);  // halves to the even neighbour
        carry += exact - r;
        int width = static_cast<int>(r);
        if (carry > 1.0) {
            ++width;
            carry -= 1.0;
        }
        fitted.push_back(width < 0 ? 0 : width);
    }
    return fitted;
}

}  // namespace dropdown::multicolumn
