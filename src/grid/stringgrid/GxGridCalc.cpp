// TGxStringGrid: statistics of a column over a range of rows, used by the footer row.
#include "grid/stringgrid/GxGrid.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "grid/stringgrid/GxGridPanels.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

namespace {

// -1 in either bound means the normal rows.
void NormalRange(const TGxStringGrid& grid, int& FromRow, int& ToRow)
{
    if (FromRow == -1 || ToRow == -1) {
        FromRow = grid.FixedRows();
        ToRow = grid.RowCount() - grid.FixedFooters() - 1;
    }
}

}  // namespace

// Rows past the displayed ones make the range a range of real rows (hidden rows included). Node and
// summary rows of a grouped grid and covered cells of merged ranges do not count; nor do cells that
// hold no number.
double TGxStringGrid::ColumnSum(int ACol, int FromRow, int ToRow)
{
    NormalRange(*this, FromRow, ToRow);
    const bool realRows = ToRow >= RowCount() - (floatingFooter_->Visible() ? 1 : 0);
    // A range running past the rows stops at the last one.
    ToRow = std::min(ToRow, realRows ? TotalRowCount() - 1 : RowCount() - 1);
    double sum = 0;
    for (int r = FromRow; r <= ToRow; ++r) {
        const bool hidden = realRows && IsHiddenRow(r);
        const int r2 = realRows && !hidden ? DisplRowIndex(r) : r;
        if (!hidden && GroupColumn != -1 && (IsNode(r2) || IsSummary(r2)))
            continue;
        if (!hidden && IsMergedCell(ACol, r2) && !IsBaseCell(ACol, r2))
            continue;
        try {
            sum += realRows ? AllFloats(ACol, r) : Floats(ACol, r);
        } catch (const VIdiRazeRaduz&) {  // not a number: passed over
        }
    }
    return sum;
}

double TGxStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow)
{
    NormalRange(*this, FromRow, ToRow);
    const int n = ToRow - FromRow + 1;
    return n > 0 ? ColumnSum(ACol, FromRow, ToRow) / n : 0;
}

double TGxStringGrid::ColumnMin(int ACol, int FromRow, int ToRow)
{
    NormalRange(*this, FromRow, ToRow);
    double result = Floats(ACol, FromRow);
    for (int r = FromRow; r <= ToRow; ++r) {
        try {
            result = std::min(result, Floats(ACol, r));
        } catch (const VIdiRazeRaduz&) {
        }
    }
    return result;
}

double TGxStringGrid::ColumnMax(int ACol, int FromRow, int ToRow)
{
    NormalRange(*this, FromRow, ToRow);
    double result = Floats(ACol, FromRow);
    for (int r = FromRow; r <= ToRow; ++r) {
        try {
            result = std::max(result, Floats(ACol, r));
        } catch (const VIdiRazeRaduz&) {
        }
    }
    return result;
}

double TGxStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow)
{
    NormalRange(*this, FromRow, ToRow);
    const int n = ToRow - FromRow + 1;
    if (n <= 0)
        return 0;
    const double avg = ColumnAvg(ACol, FromRow, ToRow);
    double squares = 0;
    for (int r = FromRow; r <= ToRow; ++r) {
        const double d = Floats(ACol, r) - avg;
        squares += d * d;
    }
    return std::sqrt(squares / n);
}

// Letter case ignored; an empty text counts as one value.
double TGxStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow)
{
    NormalRange(*this, FromRow, ToRow);
    std::set<std::string> values;
    for (int r = FromRow; r <= ToRow; ++r)
        values.insert(rtl::AnsiUpperCase(Cells(ACol, r)));
    return static_cast<double>(values.size());
}

// --- row statistics and custom calculations --------------------------------------------------------------

namespace {

// The numeric cells of a row range: covered cells of merged ranges and non-numbers are skipped.
template <typename F>
void ForEachRowValue(TGxStringGrid& grid, int ARow, int fromCol, int toCol, F&& take)
{
    for (int c = fromCol; c <= toCol; ++c) {
        if (grid.IsMergedCell(c, ARow) && !grid.IsBaseCell(c, ARow))
            continue;
        try {
            take(grid.Floats(c, ARow));
        } catch (const VIdiRazeRaduz&) {
        }
    }
}

}  // namespace

double TGxStringGrid::RowSum(int ARow, int fromCol, int toCol)
{
    double sum = 0;
    ForEachRowValue(*this, ARow, fromCol, toCol, [&](double v) { sum += v; });
    return sum;
}

double TGxStringGrid::RowAvg(int ARow, int fromCol, int toCol)
{
    const int n = toCol - fromCol + 1;
    return n > 0 ? RowSum(ARow, fromCol, toCol) / n : 0;
}

double TGxStringGrid::RowMin(int ARow, int fromCol, int toCol)
{
    double result = Floats(fromCol, ARow);
    ForEachRowValue(*this, ARow, fromCol, toCol, [&](double v) { result = std::min(result, v); });
    return result;
}

double TGxStringGrid::RowMax(int ARow, int fromCol, int toCol)
{
    double result = Floats(fromCol, ARow);
    ForEachRowValue(*this, ARow, fromCol, toCol, [&](double v) { result = std::max(result, v); });
    return result;
}

double TGxStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow)
{
    double res = 0;
    if (OnColumnCalc)
        OnColumnCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

double TGxStringGrid::GroupCalcCustomValue(int ACol, int FromRow, int ToRow)
{
    double res = 0;
    if (OnGroupCalc)
        OnGroupCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

}  // namespace gx
