// What the grid's file formats share: the export notifications, progress reporting, the saved
// area's column mapping, line splitting and strict number reading.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "grid/stringgrid/GxGrid.h"

namespace gx {

// States passed to ExportNotification.
enum TGridExportState : int {
    esExportStart = 0,
    esExportNewRow = 1,
    esExportDone = 2,
    esExportSelRow = 3,
    esExportFail = 4,
    esExportNextRow = 5,
};

namespace extras {

// Reports OnFileProgress only when the value changes.
class ProgressReporter {
public:
    explicit ProgressReporter(TGxStringGrid& grid) : grid_(grid) {}
    bool Wanted() const { return static_cast<bool>(grid_.OnFileProgress); }
    void Report(int percent);
    // round(part / max(1, whole) * 100), halves to even.
    void Report(long long part, long long whole);

private:
    TGxStringGrid& grid_;
    int last_ = -1;
};

// Rounds to the nearest integer, halves to even.
int RoundEven(double v);

// The number of hidden columns the save writes (SaveHiddenCells), else 0.
int HiddenSaveCount(TGxStringGrid& grid);
// The real column of a saved display column: unchanged with SaveHiddenCells.
int MapSaveCol(TGxStringGrid& grid, int col);

// Splits text at CR LF, LF or CR; a last line without an end counts, an end at the very end
// does not start another line.
std::vector<std::string> SplitLines(std::string_view text);
// Joins lines with CR LF after each.
std::string JoinLines(const std::vector<std::string>& lines);

// A whole decimal integer (optional sign, digits, nothing else); false otherwise.
bool ParseInt(std::string_view text, int& value);

}  // namespace extras
}  // namespace gx
