// TGxStringGrid: typed cell access (integers, floats, dates, times, embedded control values), the
// print measurements, column and row headers, cell checking, bulk fills, the display and draw texts
// and merging runs of equal texts in a column.
#include "grid/stringgrid/GxGrid.h"

#include <charconv>
#include <random>

#include "grid/base/HtmlTextUtils.h"
#include "grid/base/VozEdidCoding.h"
#include "grid/base/VozEdidText.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

namespace {

int ReadInt(const std::string& text)
{
    const std::string trimmed = rtl::Trim(text);
    if (trimmed.empty() || trimmed == "-")
        return 0;
    int value = 0;
    if (!rtl::TryStrToInt(trimmed, value))
        throw VIdiRazeRaduz("Cell does not contain integer value");
    return value;
}

double ReadFloat(const std::string& text)
{
    const std::string clean = CleanNumberText(StripHTMLTags(text));
    if (clean.empty() || clean == "-")
        return 0;
    double value = 0;
    const char* end = clean.data() + clean.size();
    const auto [ptr, ec] = std::from_chars(clean.data(), end, value);
    if (ec != std::errc() || ptr != end)
        throw VIdiRazeRaduz("Cell does not contain a float value");
    return value;
}

// The text without the cell checker's error marks. Entities are turned back only in a text that
// carried marks (the marking wrote them); a user's own "&lt;" stays as written.
std::string UnMarkText(const std::string& text)
{
    if (HtmlFindNoCase(text, "<e>") == std::string::npos && HtmlFindNoCase(text, "</e>") == std::string::npos)
        return text;
    return RemoveHighlightTags(text, "e");
}

}  // namespace

// --- numbers, dates, times ---------------------------------------------------------------------------

int TGxStringGrid::Ints(int ACol, int ARow)
{
    return ReadInt(StripHTMLTags(Cells(ACol, ARow)));
}

void TGxStringGrid::SetInts(int ACol, int ARow, int Value)
{
    SetCells(ACol, ARow, std::to_string(Value));
    RepaintDisplayCell(ACol, ARow);
}

int TGxStringGrid::AllInts(int ACol, int ARow)
{
    return ReadInt(AllCells(ACol, ARow));
}

void TGxStringGrid::SetAllInts(int ACol, int ARow, int Value)
{
    SetAllCells(ACol, ARow, std::to_string(Value));
}

double TGxStringGrid::Floats(int ACol, int ARow)
{
    return ReadFloat(Cells(ACol, ARow));
}

void TGxStringGrid::SetFloats(int ACol, int ARow, double Value)
{
    SetCells(ACol, ARow, rtl::Fmt(GetColumnFloatFormat(ACol, ARow), Value));
}

double TGxStringGrid::AllFloats(int ACol, int ARow)
{
    return ReadFloat(AllCells(ACol, ARow));
}

void TGxStringGrid::SetAllFloats(int ACol, int ARow, double Value)
{
    SetAllCells(ACol, ARow, rtl::Fmt(FloatFormat, Value));
}

std::string TGxStringGrid::GetColumnFloatFormat(int, int)
{
    return FloatFormat;
}

rtl::TDateTime TGxStringGrid::Dates(int ACol, int ARow)
{
    return rtl::StrToDate(Cells(ACol, ARow));
}

void TGxStringGrid::SetDates(int ACol, int ARow, rtl::TDateTime Value)
{
    SetCells(ACol, ARow, Value > 0 || ShowNullDates ? rtl::DateToStr(Value) : std::string());
}

rtl::TDateTime TGxStringGrid::Times(int ACol, int ARow)
{
    return rtl::StrToTime(Cells(ACol, ARow));
}

void TGxStringGrid::SetTimes(int ACol, int ARow, rtl::TDateTime Value)
{
    SetCells(ACol, ARow, rtl::TimeToStr(Value));
}

std::string TGxStringGrid::ControlValues(int ACol, int ARow, const std::string& ID)
{
    std::string value;
    return GetHTMLControlValue(Cells(ACol, ARow), ID, value) ? value : std::string();
}

void TGxStringGrid::SetControlValues(int ACol, int ARow, const std::string& ID, const std::string& Value)
{
    std::string text = Cells(ACol, ARow);
    if (SetHTMLControlValue(text, ID, Value))
        SetCells(ACol, ARow, text);
}

#define GX_PRINT_MEASURE(Name, field)                                                                                  \
    int TGxStringGrid::Name(int ACol) const                                                                            \
    {                                                                                                                  \
        if (ACol < 0 || ACol >= kMaxHiddenColumns)                                                                     \
            throw VIdiRazeRaduz("Columns is not in valid range");                                                      \
        return field[static_cast<std::size_t>(ACol)];                                                                  \
    }                                                                                                                  \
    void TGxStringGrid::Set##Name(int ACol, int Value)                                                                 \
    {                                                                                                                  \
        if (ACol < 0 || ACol >= kMaxHiddenColumns)                                                                     \
            throw VIdiRazeRaduz("Columns is not in valid range");                                                      \
        field[static_cast<std::size_t>(ACol)] = Value;                                                                 \
    }
GX_PRINT_MEASURE(PrintColWidth, printColWidths_)
GX_PRINT_MEASURE(PrintColOffset, printColOffsets_)
#undef GX_PRINT_MEASURE

// --- headers ---------------------------------------------------------------------------------------------

void TGxStringGrid::SetColumnHeaders(const rtl::TStrings& Value)
{
    if (FixedRows() > 0)
        ClearColumnHeaders();
    columnHeaders_.Assign(Value);
}

void TGxStringGrid::ClearColumnHeaders()
{
    if (ColCount() <= 0)
        return;
    for (int c = 0; c < TotalColCount(); ++c)
        SetCells(c, 0, "");
}

// "\n" (backslash and n) in an entry becomes a line break.
void TGxStringGrid::ShowColumnHeaders()
{
    if (FixedRows() <= 0)
        return;
    const int n = std::min(columnHeaders_.Count(), TotalColCount());
    for (int i = 0; i < n; ++i)
        SetCells(i, 0, BackslashNToCR(columnHeaders_[i]));
}

// Run-time assignment does not clear the old headers (only the form designer does).
void TGxStringGrid::SetRowHeaders(const rtl::TStrings& Value)
{
    rowHeaders_.Assign(Value);
}

void TGxStringGrid::ClearRowHeaders()
{
    if (RowCount() <= 0)
        return;
    for (int r = 0; r < RowCount(); ++r)
        SetCells(0, r, "");
}

void TGxStringGrid::ShowRowHeaders()
{
    if (FixedCols() <= 0)
        return;
    const int n = std::min(rowHeaders_.Count(), RowCount());
    for (int i = 0; i < n; ++i)
        SetCells(0, i, BackslashNToCR(rowHeaders_[i]));
}

void TGxStringGrid::SetLookupItems(const rtl::TStrings* Value)
{
    if (Value)
        lookupItems_.Assign(*Value);
}

// --- checking ---------------------------------------------------------------------------------------------

bool TGxStringGrid::CheckCell(int Col, int Row)
{
    if (!CellChecker)
        return true;
    const std::string text = UnMarkText(Cells(Col, Row));
    if (CellChecker->GotoCell)
        MoveToCell(Col, Row);
    std::string result = text;
    if (CellChecker->UseCorrect)
        result = CellChecker->Correct(Col, Row, text);
    if (CellChecker->UseMarkError)
        result = CellChecker->MarkError(Col, Row, text);
    SetCells(Col, Row, result);
    return result == text;
}

// Every cell is checked, also after a failure.
bool TGxStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    if (!CellChecker)
        return true;
    CellChecker->StartCheck();
    const int row = Row(), col = Col();
    bool ok = true;
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c)
            ok = CheckCell(c, r) && ok;
    CellChecker->StopCheck();
    if (CellChecker->GotoCell)
        MoveToCell(col, row);
    return ok;
}

bool TGxStringGrid::CheckCol(bool DoFixed, int Col)
{
    return DoFixed ? CheckCells(Col, 0, Col, RowCount() - 1)
                   : CheckCells(Col, FixedRows(), Col, RowCount() - fixedFooters_ - 1);
}

bool TGxStringGrid::CheckRow(bool DoFixed, int Row)
{
    return DoFixed ? CheckCells(0, Row, ColCount() - 1, Row)
                   : CheckCells(FixedCols(), Row, ColCount() - fixedRightCols_ - 1, Row);
}

bool TGxStringGrid::CheckGrid(bool DoFixed)
{
    return DoFixed
               ? CheckCells(0, 0, ColCount() - 1, RowCount() - 1)
               : CheckCells(FixedCols(), FixedRows(), ColCount() - fixedRightCols_ - 1, RowCount() - fixedFooters_ - 1);
}

// --- fills ---------------------------------------------------------------------------------------------------

// Left, top, right, bottom of a fill.
std::vector<int> TGxStringGrid::FillRange(bool DoFixed) const
{
    if (DoFixed)
        return {0, 0, ColCount() - 1, RowCount() - 1};
    return {FixedCols(), FixedRows(), ColCount() - fixedRightCols_ - 1, RowCount() - fixedFooters_ - 1};
}

void TGxStringGrid::TextFill(bool DoFixed, const std::string& Txt)
{
    const auto range = FillRange(DoFixed);
    for (int r = range[1]; r <= range[3]; ++r)
        for (int c = range[0]; c <= range[2]; ++c)
            SetCells(c, r, Txt);
    ContentReloaded();
}

void TGxStringGrid::FormatFill(bool DoFixed, const std::string& Fmt)
{
    const auto range = FillRange(DoFixed);
    for (int r = range[1]; r <= range[3]; ++r)
        for (int c = range[0]; c <= range[2]; ++c)
            SetCells(c, r, rtl::Fmt(Fmt, c, r));
    ContentReloaded();
}

void TGxStringGrid::RandomFill(bool DoFixed, int Rnd)
{
    static std::mt19937 generator{std::random_device{}()};
    const auto range = FillRange(DoFixed);
    std::uniform_int_distribution<int> pick(0, std::max(Rnd, 1) - 1);
    for (int r = range[1]; r <= range[3]; ++r)
        for (int c = range[0]; c <= range[2]; ++c)
            SetInts(c, r, pick(generator));
    ContentReloaded();
}

void TGxStringGrid::LinearFill(bool DoFixed)
{
    const auto range = FillRange(DoFixed);
    for (int r = range[1]; r <= range[3]; ++r)
        for (int c = range[0]; c <= range[2]; ++c)
            SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
    ContentReloaded();
}

// --- display and draw texts --------------------------------------------------------------------------------

void TGxStringGrid::GetDisplText(int ACol, int ARow, std::string& Value)
{
    TBaseGrid::GetDisplText(ACol, ARow, Value);
}

// With URLShowInText the first address prefix found turns the text into a link.
void TGxStringGrid::GetDrawText(int ACol, int ARow, std::string& Value)
{
    (void)ACol;
    (void)ARow;
    if (!urlShowInText_)
        return;
    for (const char* prefix : {"HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://", "FTP://"}) {
        std::string linked;
        if (InsertURLLink(Value, prefix, linked)) {
            Value = linked;
            return;
        }
    }
}

// --- merging runs of equal texts in a column -------------------------------------------------------------------

void TGxStringGrid::SplitColumnCells(int ColIndex)
{
    for (int r = 0; r < RowCount() - fixedFooters_; ++r)
        if (IsYMergedCell(ColIndex, r) && IsBaseCell(ColIndex, r))
            SplitCells(ColIndex, r);
}

// Without MainMerge a run also ends where the neighbouring rows' merges differ.
void TGxStringGrid::MergeColumnCells(int ColIndex, bool MainMerge)
{
    const int last = RowCount() - fixedFooters_ - 1;
    for (int r = FixedRows(); r <= last; ++r) {
        const int start = r;
        const std::string text = Cells(ColIndex, r);
        while (r + 1 <= last && Cells(ColIndex, r + 1) == text && (MainMerge || RowSpanIdentical(r, r + 1)))
            ++r;
        if (r > start)
            MergeCells(ColIndex, start, 1, r - start + 1);
    }
}

}  // namespace gx
