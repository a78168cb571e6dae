#pragma once
// The cells of one table as the engine reads and writes them: real column indexes (column 0 holds
// the row number, hidden columns keep theirs), row 0 the header row, data rows 1 to RowCount - 1.
// The window frame hands its grids in through this interface; tests and headless callers use TTable.

#include <string>
#include <vector>

namespace tables {

class TCells {
public:
    virtual ~TCells() = default;
    virtual int RowCount() const = 0;  // with the header row
    virtual int ColCount() const = 0;  // every real column, the row-number column and hidden ones included
    virtual std::string Cell(int col, int row) const = 0;
    virtual void SetCell(int col, int row, const std::string& text) = 0;
};

// Plain cells in memory.
class TTable : public TCells {
public:
    TTable(int cols, int rows) : cols_(cols), rows_(rows), cells_(static_cast<std::size_t>(cols * rows)) {}

    int RowCount() const override { return rows_; }
    int ColCount() const override { return cols_; }
    std::string Cell(int col, int row) const override;
    void SetCell(int col, int row, const std::string& text) override;

private:
    int cols_;
    int rows_;
    std::vector<std::string> cells_;
};

}  // namespace tables
