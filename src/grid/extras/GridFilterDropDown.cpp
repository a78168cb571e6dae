// The filter switch and the filter drop-down; see GridFilterDropDown.h.
#include "grid/extras/GridFilterDropDown.h"

#include <algorithm>

#include "grid/extras/GridExtras.h"
#include "grid/extras/GridFilter.h"
#include "grid/stringgrid/GxGridModule.h"
#include "grid/stringgrid/GxGridPanels.h"

namespace gx {

namespace {

bool FilterColumnOpen(const TGxStringGrid& g)
{
    return g.FilterColumn >= 0 && g.FilterColumn < g.AllColCount();
}

// The entry's condition, the clear entry standing for none.
std::string EntryCondition(TGxStringGrid& g, int index, std::string& friendly)
{
    std::string condition;
    SplitFilterEntry(g.FilterList()->Strings(index), friendly, condition);
    return condition == g.FilterDropDownClear ? std::string() : condition;
}

}  // namespace

void SplitFilterEntry(const std::string& Entry, std::string& FriendlyName, std::string& Condition)
{
    const auto eq = Entry.find('=');
    FriendlyName = eq == std::string::npos ? Entry : Entry.substr(0, eq);
    Condition = eq == std::string::npos ? Entry : Entry.substr(eq + 1);
}

void SetFilterActive(TGxStringGrid& Grid, bool Value)
{
    if (Value != Grid.FilterActiveFlag) {
        Grid.FilterActiveFlag = Value;
        if (Value) {
            if (Grid.Row() >= Grid.RowCount() || Grid.Col() >= Grid.ColCount())
                Grid.FocusCell(Grid.FixedCols(), Grid.FixedRows());
            Grid.BeginUpdate();
            try {
                ApplyFilter(Grid);
            } catch (...) {
                Grid.EndUpdate();
                throw;
            }
            Grid.EndUpdate();
        } else {
            Grid.UnHideRowList();
            RestoreFilterFixedRows(Grid);
        }
        if (Grid.RowCount() > Grid.FixedRows())
            Grid.SetTopRow(Grid.FixedRows());
    }
    Grid.CalcFooter(-1);
}

void FilterDropDownSelect(TGxStringGrid& Grid, int ItemIndex)
{
    if (Grid.CanFocus())
        Grid.SetFocus();
    const int col = Grid.FilterColumn;
    Grid.FilterColumn = -1;
    if (col < 0 || col >= Grid.AllColCount() || !Grid.GetColumnFilterList(col))
        return;
    if (ItemIndex < 0 || ItemIndex >= Grid.FilterList()->Count())
        return;
    std::string friendly;
    std::string condition = EntryCondition(Grid, ItemIndex, friendly);
    if (Grid.AutoFilterUpdate)
        Grid.SetFilterActive(false);
    if (Grid.OnFilterSelect)
        Grid.OnFilterSelect(&Grid, col, ItemIndex, friendly, condition);
    if (condition.empty())
        Grid.Filter()->RemoveColumnFilter(col);
    else
        Grid.Filter()->GetColFilter(col)->Condition = condition;
    if (Grid.AutoFilterUpdate) {
        Grid.SetFixedRowAlways(true);
        Grid.SetFilterActive(true);
        if (Grid.RowCount() > Grid.FixedRows())
            Grid.SetRow(Grid.FixedRows());
        Grid.DoFilterDone();
    }
}

void ApplyFilterCheckList(TGxStringGrid& Grid)
{
    if (!FilterColumnOpen(Grid))
        return;
    const int col = Grid.FilterColumn;
    Grid.GetColumnFilterList(col);
    if (Grid.AutoFilterUpdate)
        Grid.SetFilterActive(false);
    TFilter* filter = Grid.Filter();
    filter->Clear();
    TDropCheckList* list = Grid.FilterCheckList();
    const int n = std::min(Grid.FilterList()->Count(), list ? list->Items()->Count() : 0);
    for (int i = 0; i < n; ++i) {
        if (!list->Checked(i))
            continue;
        std::string friendly;
        std::string condition = EntryCondition(Grid, i, friendly);
        if (Grid.OnFilterCheck)
            Grid.OnFilterCheck(&Grid, col, i, friendly, condition, list);
        TFilterData* f = filter->Add();
        f->Condition = condition;
        f->Column = static_cast<std::int16_t>(col);
        f->Operation = filter->Count() == 1 ? foNONE : foOR;
    }
    Grid.SetFilterActive(true);
    if (list)
        list->Invalidate();
}

void TGridExtras::SetFilterActive(TGxStringGrid& Grid, bool Value)
{
    gx::SetFilterActive(Grid, Value);
}

void TGridExtras::FilterDropDownSelect(TGxStringGrid& Grid, int ItemIndex)
{
    gx::FilterDropDownSelect(Grid, ItemIndex);
}

void TGridExtras::ApplyFilterCheckList(TGxStringGrid& Grid, int)
{
    gx::ApplyFilterCheckList(Grid);
}

}  // namespace gx
