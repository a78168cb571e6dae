// TGridInput: the filter drop-down list of the filter row. A release on a column's filter glyph
// (the 13 pixels left of the cell's right edge, in the top 19 pixels) opens the column's list
// below the glyph; a release anywhere else closes the plain list. What a choice in the list does
// is the filter extras' business (TGxStringGrid::FilterDropDownSelect, ApplyFilterCheckList).
#include <algorithm>
#include <string>

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridFilter.h"
#include "grid/stringgrid/GxGridInput.h"
#include "grid/stringgrid/GxGridPanels.h"

namespace gx {

namespace {

// The glyph zone of a filter cell, relative to the cell's right edge and top.
constexpr int kGlyphLeft = 16;
constexpr int kGlyphRight = 3;
constexpr int kGlyphHeight = 19;
// The list's edge on each side (the framed list box), and the room beside an entry's text.
constexpr int kListEdge = 2;
constexpr int kTextRoom = 8;

}  // namespace

// True when the release opened a filter list (the release is then no header click).
bool TGridInput::FilterListRelease(int X, int Y)
{
    int ACol = -1, ARow = -1;
    g_.MouseToCell(X, Y, ACol, ARow);
    const int realCol = ACol >= 0 ? g_.RealColIndex(ACol) : -1;
    // The release of a sizing or moving drag is no click on a glyph.
    const bool click = g_.GridState() == ui::TGridState::gsNormal || g_.GridState() == ui::TGridState::gsSelecting;
    if (click && ACol >= 0 && ARow >= 0 && ARow == g_.FilterDropDownRow && realCol != g_.FilterColumn) {
        const ui::TRect cell = g_.CellRect(ACol, ARow);
        if (X > cell.Right - kGlyphLeft && X < cell.Right - kGlyphRight && Y < cell.Top + kGlyphHeight &&
            g_.GetColumnFilterList(realCol)) {
            OpenFilterList(ACol, ARow, realCol);
            return true;
        }
    }
    if (g_.FilterDropList()->Visible())
        g_.FilterDropList()->SetVisible(false);
    g_.FilterColumn = -1;
    return false;
}

// Fills the list from the column's filter list (the part before "=" of an entry is shown), ticks
// in the check list the entries the filter holds for the column, sizes it to its entries with
// AutoSize and places it under the glyph, inside the grid.
void TGridInput::OpenFilterList(int ACol, int ARow, int RealCol)
{
    g_.FilterColumn = RealCol;
    TFilterDropDown& look = *g_.FilterDropDown();
    ui::TListBox* list = g_.FilterDropDownCheck ? static_cast<ui::TListBox*>(g_.FilterCheckList())
                                                : static_cast<ui::TListBox*>(g_.FilterDropList());
    TDropCheckList* checks = g_.FilterDropDownCheck ? g_.FilterCheckList() : nullptr;
    list->SetColor(look.Color);
    list->Font()->Assign(*look.Font());
    for (int i = 0; i < list->Items()->Count(); ++i)
        if (checks)
            checks->SetChecked(i, false);
    list->Clear();

    ui::TCanvas& canvas = *g_.Canvas();
    ui::TFont saved;
    saved.Assign(*canvas.Font());
    canvas.Font()->Assign(*look.Font());
    const TFilter& filter = *g_.Filter();
    int widest = 0;
    rtl::TStringList& entries = *g_.FilterList();
    for (int i = 0; i < entries.Count(); ++i) {
        const std::string& entry = entries.Strings(i);
        const auto eq = entry.find('=');
        const std::string shown = eq == std::string::npos ? entry : entry.substr(0, eq);
        list->Items()->Add(shown);
        std::string measured = shown;
        if (checks && filter.Count() > 0) {
            if (shown.find(' ') != std::string::npos)
                measured = "\"" + shown + "\"";
            for (int f = 0; f < filter.Count(); ++f)
                if (filter.Items(f)->Condition == measured && filter.Items(f)->Column == RealCol)
                    checks->SetChecked(list->Items()->Count() - 1, true);
        }
        widest = std::max(widest, canvas.TextWidth(measured) + kTextRoom);
        if (!checks && i == 0)
            list->SetItemIndex(0);
    }
    canvas.Font()->Assign(saved);

    int width = look.Width, height = look.Height;
    if (look.AutoSize) {
        height = list->Items()->Count() * list->ItemHeight() + 2 * kListEdge;
        width = widest + 2 * kListEdge;
    }
    const ui::TRect cell = g_.CellRect(ACol, ARow);
    int left = cell.Right - kGlyphLeft;
    if (look.ColumnWidth) {
        left = cell.Left;
        width = cell.Right - cell.Left;
    }
    if (left + width > g_.ClientWidth())
        left = std::max(0, g_.CellRect(ACol, 0).Right - width);
    list->SetParent(&g_);
    list->SetBounds(left, cell.Top + kGlyphLeft, width, height);
    list->SetVisible(true);
    list->BringToFront();
    if (list->CanFocus())
        list->SetFocus();
}

}  // namespace gx
