#pragma once
// The columns and rows of the multi-column drop-down's table. They are the drop-down's own and not
// the grid drop-down's classes of the same names, hence their namespace.
#include <string>
#include <vector>

#include "controls/dropdown/GxCollection.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/StdCtrls.h"

namespace ui {
class TImageList;
}

namespace dropdown::multicolumn {

enum class TColumnType { ctText, ctImage };

class TDropDownColumn {
public:
    explicit TDropDownColumn(TCollectionBase* Collection);
    void Assign(const TDropDownColumn& Source);

    int Width = 80;
    ui::TColor Color = 0xFFFFFF;
    ui::TAlignment Alignment = ui::TAlignment::taLeftJustify;
    bool Ellipsis = false;
    TColumnType ColumnType = TColumnType::ctText;
    std::string Header;
    bool Wordwrap = false;
    // The width becomes the widest cell's when the list is prepared.
    bool AutoSize = false;
    ui::TFont* Font() { return &FFont; }
    const ui::TFont* Font() const { return &FFont; }
    void SetFont(const ui::TFont& Value) { FFont.Assign(Value); }

private:
    ui::TFont FFont;
};

using TDropDownColumns = TItemCollection<TDropDownColumn>;

class TDropDownItem {
public:
    explicit TDropDownItem(TCollectionBase* Collection);
    void Assign(const TDropDownItem& Source);

    int ImageIndex = -1;
    // Entry c is the text of column c.
    rtl::TStringList* Text() { return &FText; }
    const rtl::TStringList* Text() const { return &FText; }
    void SetText(const rtl::TStrings& Value) { FText.Assign(Value); }
    // The text of a column; empty for a column the item has no text for.
    std::string ColumnText(int Column) const;
    bool HasColumn(int Column) const { return Column >= 0 && Column < FText.Count(); }

private:
    rtl::TStringList FText;
};

class TDropDownItems : public TItemCollection<TDropDownItem> {
public:
    // The first item with a text in Column that equals Value exactly, else -1.
    int IndexInColumn(int Column, const std::string& Value) const;
};

// The width column Column needs for every item: the image (ctImage columns) and the single-line
// text, measured in the column's font on Canvas; 0 without items.
int ItemColumnWidth(ui::TCanvas& Canvas, const TDropDownColumn& Column, int Index, const TDropDownItems& Items,
                    ui::TImageList* Images);
// The height of an item's row when some columns wrap their text: at least 24, each wrapping column's
// image or text (measured Width[c] wide) plus 6. Width gives the current width of each column.
int ItemRowHeight(ui::TCanvas& Canvas, const TDropDownColumns& Columns, const std::vector<int>& Width,
                  const TDropDownItem& Item, ui::TImageList* Images);

// Column widths scaled to Available pixels: each width times Available / (1 + the sum of the
// widths), rounded half to even, with the rounding remainders carried so that the scaled widths
// add up to the available room (a carry above 1 widens the column where it happens).
std::vector<int> FitColumnWidths(const std::vector<int>& Widths, int Available);

}  // namespace dropdown::multicolumn
