// A grid with awkward content for the file format tests: line breaks, quotes, delimiters,
// non-ASCII text, empty cells, leading spaces; a comparison of the cells of two grids; and a runner of
// every sequence of grid steps.
#pragma once

#include <gtest/gtest.h>

#include <exception>
#include <functional>
#include <set>
#include <string>
#include <utility>
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

// The normal rows from column 1 on, each as one line, in any order: what a sequence of views
// (sorting, filtering, grouping) must give back.
inline std::multiset<std::string> RowSet(TGxStringGrid& grid)
{
    std::multiset<std::string> out;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) {
        std::string line;
        for (int c = 1; c < grid.ColCount(); ++c)
            line += grid.Cells(c, r) + "|";
        out.insert(line);
    }
    return out;
}

// A named step on a grid.
using GridStep = std::pair<const char*, std::function<void(TGxStringGrid&)>>;

// Runs every sequence of Length steps, each on a fresh grid holding Rows with one fixed row and
// column, then hands the grid and the names of the steps run to Check. A step that throws is
// refused, which the names say. Stops at the first fatal failure Check reports.
inline void TryEverySequence(const std::vector<std::vector<std::string>>& Rows, const std::vector<GridStep>& Steps,
                             int Length, const std::function<void(TGxStringGrid&, const std::string&)>& Check)
{
    std::size_t count = 1;
    for (int k = 0; k < Length; ++k)
        count *= Steps.size();
    for (std::size_t seq = 0; seq < count; ++seq) {
        TGxStringGrid g(nullptr);
        Fill(g, Rows);
        g.SetFixedRows(1);
        g.SetFixedCols(1);
        std::string trace;
        for (std::size_t k = 0, x = seq; k < static_cast<std::size_t>(Length); ++k, x /= Steps.size()) {
            const GridStep& step = Steps[x % Steps.size()];
            trace += std::string(step.first) + ", ";
            try {
                step.second(g);
            } catch (const std::exception& e) {
                trace += std::string("(refused: ") + e.what() + "), ";
            }
        }
        Check(g, trace);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

}  // namespace gx::extrastest
