#include "grid/extras/GridOffice.h"

#include <cmath>
#include <filesystem>
#include <string>

#include "grid/extras/GridFileCommon.h"
#include "platform/office/Docx.h"
#include "platform/office/Mdb.h"
#include "platform/office/OfficeError.h"
#include "platform/office/Xlsx.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StrUtils.h"

namespace gx {
namespace {

// A dense grid is made of the used range; a range this much larger than the cells it holds is
// refused rather than allocated (a single stray cell far away claims millions of empty ones).
constexpr long long kMaxEmptyArea = 1LL << 22;

std::string CellText(const office::Cell& c)
{
    switch (c.Kind) {
    case office::CellKind::Text:
        return c.Text;
    case office::CellKind::Number: {
        double r = std::nearbyint(c.Number);
        if (r == c.Number && std::fabs(r) < 1e15)
            return std::to_string(static_cast<long long>(r));
        return rtl::FloatToStr(c.Number);
    }
    case office::CellKind::Boolean:
        return c.Number != 0 ? "True" : "False";
    case office::CellKind::Date: {
        const rtl::TDateTime when = office::SerialToDateTime(c.Number);
        const double whole = std::floor(c.Number);
        if (c.Number == whole)
            return rtl::DateToStr(when);
        if (whole == 0)
            return rtl::TimeToStr(when);
        return rtl::DateTimeToStr(when);
    }
    case office::CellKind::Error:
        break;
    }
    return {};
}

void LoadSheet(TGxStringGrid& grid, const std::string& file, const office::Sheet& sheet)
{
    std::optional<office::CellRange> used = sheet.UsedRange();
    const long long rows = used ? used->LastRow - used->FirstRow + 1 : 1;
    const long long cols = used ? used->LastCol - used->FirstCol + 1 : 1;
    if (rows * cols > kMaxEmptyArea + static_cast<long long>(sheet.Cells().size()) * 64) {
        const std::string reason = "the used range " + sheet.UsedRangeAddress() + " is far larger than its " +
                                   std::to_string(sheet.Cells().size()) + " cells";
        throw office::EOfficeError(file, reason, "Incorrect XLS file " + file + ": " + reason);
    }
    const int colOffset = grid.SaveFixedCells || grid.SaveFixedCols ? 0 : grid.FixedCols();
    const int rowOffset = grid.SaveFixedCells || grid.SaveFixedRows ? 0 : grid.FixedRows();
    const int fixedCols = grid.FixedCols(), fixedRows = grid.FixedRows();
    grid.BeginUpdate();
    try {
        grid.SetColCount(static_cast<int>(cols) + colOffset);
        grid.SetRowCount(static_cast<int>(rows) + rowOffset);
        if (fixedCols < grid.ColCount())
            grid.SetFixedCols(fixedCols);
        if (fixedRows < grid.RowCount())
            grid.SetFixedRows(fixedRows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                grid.LoadCellText(c + colOffset, r + rowOffset, {});
        for (const office::Cell& cell : sheet.Cells()) {
            if (cell.Kind == office::CellKind::Error)
                continue;  // error values are passed over, as the spreadsheet hands them out
            grid.LoadCellText(cell.Col - used->FirstCol + colOffset, cell.Row - used->FirstRow + rowOffset,
                              CellText(cell));
        }
    } catch (...) {
        grid.EndUpdate();
        throw;
    }
    grid.EndUpdate();
    grid.DoCellsChanged({0, 0, grid.ColCount(), grid.RowCount()});
    grid.ContentReloaded();
}

// The saved area's cells as sheet cells from row firstRow on, texts without CR.
void FillSheet(TGxStringGrid& grid, office::Sheet& sheet, int firstRow)
{
    std::vector<office::Cell> cells;
    for (const office::Cell& c : sheet.Cells())
        if (c.Row < firstRow || c.Row >= firstRow + grid.RowCount() - grid.SaveStartRow() ||
            c.Col >= grid.ColCount() - grid.SaveStartCol())
            cells.push_back(c);
    grid.ExportNotification(esExportStart, grid.SaveStartRow());
    for (int r = grid.SaveStartRow(); r < grid.RowCount(); ++r) {
        grid.ExportNotification(esExportNextRow, r);
        for (int c = grid.SaveStartCol(); c < grid.ColCount(); ++c) {
            std::string text = rtl::ReplaceStr(grid.GetSaveCellText(grid.RealColIndex(c), r), "\r", "");
            if (!text.empty())
                cells.push_back(
                    {firstRow + r - grid.SaveStartRow(), c - grid.SaveStartCol(), office::CellKind::Text, text, 0});
        }
    }
    grid.ExportNotification(esExportDone, -1);
    sheet.SetCells(std::move(cells));
}

office::DocxTable GridTable(TGxStringGrid& grid)
{
    office::DocxTable table(grid.RowCount(), grid.ColCount());
    grid.ExportNotification(esExportStart, 0);
    for (int r = 0; r < grid.RowCount(); ++r) {
        grid.ExportNotification(esExportNextRow, r + 1);
        for (int c = 0; c < grid.ColCount(); ++c) {
            const int real = grid.RealColIndex(c);
            THAlignment ha;
            TVAlignment va;
            grid.GetCellTextAlignment(real, r, ha, va);
            office::DocxAlign align = ha == THAlignment::taRightJustify ? office::DocxAlign::Right
                                      : ha == THAlignment::taCenter     ? office::DocxAlign::Center
                                                                        : office::DocxAlign::Left;
            table.SetCell(r, c, grid.GetSaveCellText(real, r), align);
        }
    }
    grid.ExportNotification(esExportDone, -1);
    return table;
}

}  // namespace

std::unique_ptr<rtl::TStringList> GetXLSSheets(const std::string& FileName)
{
    auto list = std::make_unique<rtl::TStringList>();
    for (const std::string& name : office::ReadXlsxSheetNames(FileName))
        list->Add(name);
    return list;
}

void LoadFromXLS(TGxStringGrid& grid, const std::string& Filename)
{
    office::Workbook book = office::ReadXlsx(Filename);
    if (book.Sheets.empty())
        throw office::EOfficeError(Filename, "it holds no worksheet",
                                   "Incorrect XLS file " + Filename + ": it holds no worksheet");
    LoadSheet(grid, Filename, book.Sheets.at(static_cast<std::size_t>(book.ActiveSheet)));
}

void LoadFromXLSSheet(TGxStringGrid& grid, const std::string& Filename, const std::string& SheetName)
{
    office::Workbook book = office::ReadXlsx(Filename);
    const office::Sheet* sheet = book.FindSheet(SheetName);
    if (!sheet)
        throw VIdiRazeRaduz("Excel worksheet " + SheetName + " not found");
    LoadSheet(grid, Filename, *sheet);
}

void SaveToXLS(TGxStringGrid& grid, const std::string& Filename, bool)
{
    // Without a running spreadsheet there is no active workbook to add to: always a new one.
    office::Workbook book;
    book.Sheets.emplace_back();
    book.Sheets[0].Name = "Sheet1";
    FillSheet(grid, book.Sheets[0], 0);
    office::WriteXlsx(Filename, book);
}

void SaveToXLSSheet(TGxStringGrid& grid, const std::string& Filename, const std::string& SheetName)
{
    office::Workbook book;
    std::error_code ec;
    if (std::filesystem::exists(Filename, ec))
        book = office::ReadXlsx(Filename);
    office::Sheet* sheet = book.FindSheet(SheetName);
    if (!sheet) {
        book.Sheets.emplace_back();
        book.Sheets.back().Name = SheetName;
        sheet = &book.Sheets.back();
    }
    FillSheet(grid, *sheet, 0);
    office::WriteXlsx(Filename, book);
}

// Without a running word processor the document the grid goes into is the file itself: a new
// one with CreateNewDocument (or when there is none yet), else the one there, whose content
// follows the grid's caption and table.
void SaveToDOC(TGxStringGrid& grid, const std::string& Filename, bool CreateNewDocument)
{
    std::error_code ec;
    office::DocxDocument doc = CreateNewDocument || !std::filesystem::exists(Filename, ec)
                                   ? office::DocxDocument()
                                   : office::DocxDocument::Load(Filename);
    doc.AddTable(office::DocxPlace::Start, GridTable(grid));
    if (!grid.Caption().empty())
        doc.AddParagraph(office::DocxPlace::Start, grid.Caption());
    doc.SaveToFile(Filename);
}

void AppendToDoc(TGxStringGrid& grid, const std::string& Filename, const std::string& Bookmark)
{
    office::DocxDocument doc = office::DocxDocument::Load(Filename);
    office::DocxTable table = GridTable(grid);
    if (Bookmark.empty() || !doc.AddTableAtBookmark(Bookmark, table)) {
        doc.AddParagraph(office::DocxPlace::End, "");
        doc.AddTable(office::DocxPlace::End, table);
    }
    doc.SaveToFile(Filename);
}

void LoadFromMDBSQL(TGxStringGrid& grid, const std::string& Filename, const std::string& SQL)
{
    const office::QueryResult result = office::QueryMdb(Filename, SQL);
    const int fixedCols = grid.FixedCols(), fixedRows = grid.FixedRows();
    grid.BeginUpdate();
    try {
        grid.SetColCount(fixedCols + static_cast<int>(result.fields.size()));
        if (fixedRows > 0)
            for (std::size_t i = 0; i < result.fields.size(); ++i)
                grid.LoadCellText(fixedCols + static_cast<int>(i), fixedRows - 1, result.fields[i]);
        if (!result.rows.empty())
            grid.SetRowCount(fixedRows + static_cast<int>(result.rows.size()));
        int row = fixedRows;
        for (const std::vector<office::Cell>& record : result.rows) {
            for (std::size_t i = 0; i < record.size(); ++i)
                grid.LoadCellText(fixedCols + static_cast<int>(i), row, CellText(record[i]));
            ++row;
        }
    } catch (...) {
        grid.EndUpdate();
        throw;
    }
    grid.EndUpdate();
    grid.DoCellsChanged({0, 0, grid.ColCount(), grid.RowCount()});
    grid.ContentReloaded();
}

void LoadFromMDBTable(TGxStringGrid& grid, const std::string& Filename, const std::string& Table)
{
    LoadFromMDBSQL(grid, Filename, office::MdbTableQuery(Table));
}

}  // namespace gx
