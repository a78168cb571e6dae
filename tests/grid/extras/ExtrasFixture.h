// A grid with awkward content for the file format tests: line breaks, quotes, delimiters,
// non-ASCII text, empty cells, leading spaces; and a comparison of the cells of two grids.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/GxGrid.h"

namespace gx::extrastest {

inline const std::vector<std::vector<std::string>>& AwkwardCells()
{
    static const std::vector<std::vector<std::string>> cells = {
        {"Name", "Value", "Note", "Ünïcode"},         {"a\"b", "x,y", "two\r\nlines", "日本語 ✓"},
        {"", "  leading", "semi;colon", "tab\there"}, {"\"quoted\"", "", "1,5", "end"},
        {"last", "&amp; $amp; &lt;", "<b>", ""},
    };
    return cells;
}

inline void Fill(TGxStringGrid& grid, const std::vector<std::vector<std::string>>& cells)
{
    grid.SetRowCount(static_cast<int>(cells.size()));
    grid.SetColCount(static_cast<int>(cells[0].size()));
    for (int r = 0; r < static_cast<int>(cells.size()); ++r)
        for (int c = 0; c < static_cast<int>(cells[0].size()); ++c)
            grid.SetCells(c, r, cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
}

inline std::vector<std::vector<std::string>> CellsOf(TGxStringGrid& grid)
{
    std::vector<std::vector<std::string>> out;
    for (int r = 0; r < grid.RowCount(); ++r) {
        out.emplace_back();
        for (int c = 0; c < grid.ColCount(); ++c)
            out.back().push_back(grid.Cells(grid.RealColIndex(c), r));
    }
    return out;
}

}  // namespace gx::extrastest
