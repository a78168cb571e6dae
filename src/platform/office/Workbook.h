#pragma once
// Workbooks as the office files hold them: named sheets of cells. Cells are kept sparse, so a
// sheet costs what its cells hold whatever addresses they claim.
#include <optional>
#include <string>
#include <vector>

namespace office {

enum class CellKind { Text, Number, Boolean, Date, Error };

// One cell; Row and Col count from 0 (A1 is row 0, column 0).
struct Cell {
    int Row = 0;
    int Col = 0;
    CellKind Kind = CellKind::Text;
    std::string Text;   // Text; the error's text ("#DIV/0!") for Error
    double Number = 0;  // Number; Date as a serial day number (1900 date system); Boolean 0 or 1
};

// The cells' rectangle, 0-based and inclusive.
struct CellRange {
    int FirstRow = 0;
    int FirstCol = 0;
    int LastRow = 0;
    int LastCol = 0;
};

// The largest sheet the file format allows.
inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxCols = 16384;

class Sheet {
public:
    std::string Name;

    // Sets a cell, replacing what was there.
    void Set(Cell cell);
    void SetText(int row, int col, std::string text);
    void SetNumber(int row, int col, double value);
    void SetBoolean(int row, int col, bool value);
    void SetDate(int row, int col, double serial);
    // Replaces every cell; of cells with the same address the last one counts.
    void SetCells(std::vector<Cell> cells);

    // The cell at (row, col), or nullptr when it holds nothing.
    const Cell* Find(int row, int col) const;
    // Every cell, by row, then by column.
    const std::vector<Cell>& Cells() const;
    // The rectangle around every cell; nothing for a sheet without cells.
    std::optional<CellRange> UsedRange() const;
    // The used range in A1 notation with "$" marks ("$B$2:$C$3", "$A$1" for one cell), as the
    // spreadsheet reports it; empty for a sheet without cells.
    std::string UsedRangeAddress() const;

private:
    std::vector<Cell> cells_;  // kept in order: by row, then by column
};

class Workbook {
public:
    std::vector<Sheet> Sheets;
    int ActiveSheet = 0;  // index into Sheets

    // The last sheet of that name (as the spreadsheet's lookup by name finds it), or nullptr.
    Sheet* FindSheet(const std::string& name);
    const Sheet* FindSheet(const std::string& name) const;
};

// Serial day numbers of the 1900 date system count a 29 February 1900 that never was: before
// March 1900 they are one lower than the program's day numbers (rtl::TDateTime).
// "2024-02-29T13:05:00" (date, time or both) as such a serial; false for anything else.
bool IsoDateToSerial(const std::string& text, double& serial);
// The program's day number (rtl::TDateTime) of a serial.
double SerialToDateTime(double serial);

// Column letters of a 0-based column: 0 → "A", 25 → "Z", 26 → "AA".
std::string ColumnName(int col);
// "A1"-style reference of a 0-based cell, without "$".
std::string CellReference(int row, int col);
// Reads "B12" or "$B$12" into a 0-based row and column; false for anything else or beyond the
// largest sheet.
bool ParseCellReference(const std::string& text, int& row, int& col);

}  // namespace office
