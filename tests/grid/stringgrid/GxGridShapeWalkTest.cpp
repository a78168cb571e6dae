// Long seeded walks of row and column shaping (insert, remove, hide and show rows by range, one by
// one and as filter levels, hide and show columns, write by real row), with and without fixed
// rows, checked after every step against a plain list of real rows: every row keeps its texts and
// its place among the others, hidden or not.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace gx {
namespace {

constexpr int kCols = 4;

struct ModelRow {
    std::string text[kCols];
    bool hidden = false;
    int level = -1;  // the filter level that hid the row, -1 when hidden otherwise or shown
};

class Walk {
public:
    explicit Walk(int fixed)
    {
        grid.SetColCount(kCols);
        grid.SetRowCount(fixed + 1);
        grid.SetFixedRows(fixed);
        grid.SetFixedCols(fixed);
        rows.resize(static_cast<std::size_t>(fixed + 1));
    }

    int Shown() const
    {
        int n = 0;
        for (const ModelRow& r : rows)
            n += r.hidden ? 0 : 1;
        return n;
    }
    // The real index of the display row d (the row count of all rows for d = Shown()).
    int RealOf(int d) const
    {
        for (int i = 0; i < static_cast<int>(rows.size()); ++i)
            if (!rows[static_cast<std::size_t>(i)].hidden && d-- == 0)
                return i;
        return static_cast<int>(rows.size());
    }

    void Check(const std::string& step)
    {
        SCOPED_TRACE(step);
        ASSERT_EQ(grid.RowCount(), Shown());
        ASSERT_EQ(grid.NumHiddenRows(), static_cast<int>(rows.size()) - Shown());
        ASSERT_EQ(grid.TotalColCount(), kCols);
        for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
            const ModelRow& m = rows[static_cast<std::size_t>(i)];
            ASSERT_EQ(grid.IsHiddenRow(i), m.hidden) << "real row " << i;
            if (!m.hidden) {
                ASSERT_EQ(grid.RealRowIndex(grid.DisplRowIndex(i)), i);
            }
            for (int c = 0; c < kCols; ++c)
                ASSERT_EQ(grid.AllCells(c, i), m.text[c]) << "real row " << i << ", column " << c;
        }
    }

    TGxStringGrid grid{nullptr};
    std::vector<ModelRow> rows;
};

TEST(GxGridShapeWalk, RowsKeepTheirTextsAndPlacesThroughInsertRemoveHideAndShow)
{
    for (unsigned seed : {20261210u, 7u, 99u, 12345u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Walk w(static_cast<int>(seed % 2));
        std::mt19937 rnd(seed);
        const auto pick = [&](int n) { return n <= 0 ? 0 : static_cast<int>(rnd() % static_cast<unsigned>(n)); };
        int serial = 0;
        for (int step = 0; step < 3000; ++step) {
            const int total = static_cast<int>(w.rows.size());
            const int shown = w.Shown();
            std::string what;
            switch (pick(12)) {
            case 0: {  // insert at a display row
                const int d = pick(shown + 1), n = 1 + pick(3);
                what = "InsertRows(" + std::to_string(d) + ", " + std::to_string(n) + ")";
                const int at = w.RealOf(d);
                w.grid.InsertRows(d, n);
                w.rows.insert(w.rows.begin() + at, static_cast<std::size_t>(n), ModelRow{});
                break;
            }
            case 1: {  // remove display rows (hidden rows among them stay)
                if (shown < 2)
                    continue;
                const int d = pick(shown), n = 1 + pick(std::min(3, shown - 1));
                what = "RemoveRows(" + std::to_string(d) + ", " + std::to_string(n) + ")";
                std::vector<int> gone;
                for (int k = d; k < std::min(d + n, shown); ++k)
                    gone.push_back(w.RealOf(k));
                if (static_cast<int>(gone.size()) >= shown)
                    continue;  // the grid keeps one row of its own
                w.grid.RemoveRows(d, n);
                for (auto it = gone.rbegin(); it != gone.rend(); ++it)
                    w.rows.erase(w.rows.begin() + *it);
                break;
            }
            case 2: {  // hide one real row
                const int r = pick(total);
                if (shown < 2 && !w.rows[static_cast<std::size_t>(r)].hidden)
                    continue;
                what = "HideRow(" + std::to_string(r) + ")";
                w.grid.HideRow(r);
                w.rows[static_cast<std::size_t>(r)].hidden = true;
                break;
            }
            case 3: {  // hide a range of real rows
                const int a = pick(total), b = std::min(total - 1, a + pick(4));
                int stays = 0;
                for (int i = 0; i < total; ++i)
                    stays += (!w.rows[static_cast<std::size_t>(i)].hidden && (i < a || i > b)) ? 1 : 0;
                if (stays == 0)
                    continue;
                what = "HideRows(" + std::to_string(a) + ", " + std::to_string(b) + ")";
                w.grid.HideRows(a, b);
                for (int i = a; i <= b; ++i)
                    w.rows[static_cast<std::size_t>(i)].hidden = true;
                break;
            }
            case 4: {  // show one real row
                const int r = pick(total);
                what = "UnHideRow(" + std::to_string(r) + ")";
                w.grid.UnHideRow(r);
                w.rows[static_cast<std::size_t>(r)].hidden = false;
                w.rows[static_cast<std::size_t>(r)].level = -1;
                break;
            }
            case 5: {  // show a range starting on a hidden row
                const int a = pick(total), b = std::min(total - 1, a + pick(5));
                what = "UnHideRows(" + std::to_string(a) + ", " + std::to_string(b) + ")";
                w.grid.UnHideRows(a, b);
                if (w.rows[static_cast<std::size_t>(a)].hidden)
                    for (int i = a; i <= b; ++i) {
                        w.rows[static_cast<std::size_t>(i)].hidden = false;
                        w.rows[static_cast<std::size_t>(i)].level = -1;
                    }
                break;
            }
            case 6: {  // write by real row, hidden or not
                const int r = pick(total), c = pick(kCols);
                const std::string text = "t" + std::to_string(++serial);
                what = "SetAllCells(" + std::to_string(c) + ", " + std::to_string(r) + ")";
                w.grid.SetAllCells(c, r, text);
                w.rows[static_cast<std::size_t>(r)].text[c] = text;
                break;
            }
            case 7: {  // hide or show a column; the cells stay under their real column
                const int c = pick(kCols);
                what = "HideColumn/UnHideColumn(" + std::to_string(c) + ")";
                if (w.grid.IsHiddenColumn(c))
                    w.grid.UnHideColumn(c);
                else
                    w.grid.HideColumn(c);
                break;
            }
            case 9: {  // hide display rows as one filter level
                if (shown < 3)
                    continue;
                gx::TIntList list(0, 0);
                std::vector<int> reals;
                for (int d = 0; d < shown; ++d)
                    if (pick(3) == 0 && static_cast<int>(reals.size()) < shown - 1) {
                        list.Add(d);
                        reals.push_back(w.RealOf(d));
                    }
                if (reals.empty())
                    continue;
                what = "HideRowList(" + std::to_string(reals.size()) + " rows) at level " +
                       std::to_string(w.grid.FilterLevel());
                const int level = w.grid.FilterLevel();
                w.grid.HideRowList(list);
                for (int r : reals) {
                    w.rows[static_cast<std::size_t>(r)].hidden = true;
                    w.rows[static_cast<std::size_t>(r)].level = level;
                }
                break;
            }
            case 10: {  // show the last filter level again
                const int level = w.grid.FilterLevel() - 1;
                if (level < 0)
                    continue;
                what = "UnHideRowList at level " + std::to_string(level);
                w.grid.UnHideRowList();
                w.grid.SetFilterLevel(level);
                for (ModelRow& m : w.rows)
                    if (m.hidden && (m.level == level || level < 1)) {
                        m.hidden = false;
                        m.level = -1;
                    }
                break;
            }
            default: {
                if (pick(20) != 0)
                    continue;
                what = "UnHideRowsAll";
                w.grid.UnHideRowsAll();
                w.grid.SetFilterLevel(0);
                for (ModelRow& m : w.rows) {
                    m.hidden = false;
                    m.level = -1;
                }
                break;
            }
            }
            w.Check("step " + std::to_string(step) + ": " + what);
            if (testing::Test::HasFatalFailure())
                return;
        }
    }
}

// Columns by storage index: inserted and removed with their cells, hidden ones included, while
// rows are hidden and shown in between.
TEST(GxGridShapeWalk, ColumnsKeepTheirCellsThroughInsertRemoveHideAndShow)
{
    struct ModelCol {
        std::string text[3];
        bool hidden = false;
    };
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TGxStringGrid g(nullptr);
        g.SetColCount(3);
        g.SetRowCount(3);
        g.SetFixedCols(0);
        g.SetFixedRows(0);
        std::vector<ModelCol> cols(3);
        std::mt19937 rnd(seed);
        const auto pick = [&](int n) { return n <= 0 ? 0 : static_cast<int>(rnd() % static_cast<unsigned>(n)); };
        const auto shownCols = [&] {
            int n = 0;
            for (const ModelCol& c : cols)
                n += c.hidden ? 0 : 1;
            return n;
        };
        int serial = 0;
        for (int step = 0; step < 2000; ++step) {
            const int total = static_cast<int>(cols.size());
            std::string what;
            switch (pick(6)) {
            case 0: {
                const int at = pick(total + 1), n = 1 + pick(2);
                what = "InsertCols(" + std::to_string(at) + ", " + std::to_string(n) + ")";
                g.InsertCols(at, n);
                cols.insert(cols.begin() + at, static_cast<std::size_t>(n), ModelCol{});
                break;
            }
            case 1: {
                const int at = pick(total), n = std::min(1 + pick(2), total - at);
                int left = 0;
                for (int i = 0; i < total; ++i)
                    left += (!cols[static_cast<std::size_t>(i)].hidden && (i < at || i >= at + n)) ? 1 : 0;
                if (left == 0)
                    continue;  // the last shown column stays
                what = "RemoveCols(" + std::to_string(at) + ", " + std::to_string(n) + ")";
                g.RemoveCols(at, n);
                cols.erase(cols.begin() + at, cols.begin() + at + n);
                break;
            }
            case 2: {
                const int c = pick(total);
                if (shownCols() < 2 && !cols[static_cast<std::size_t>(c)].hidden)
                    continue;
                what = "HideColumn(" + std::to_string(c) + ")";
                g.HideColumn(c);
                cols[static_cast<std::size_t>(c)].hidden = true;
                break;
            }
            case 3: {
                const int c = pick(total);
                what = "UnHideColumn(" + std::to_string(c) + ")";
                g.UnHideColumn(c);
                cols[static_cast<std::size_t>(c)].hidden = false;
                break;
            }
            case 4: {
                const int c = pick(total), r = pick(3);
                const std::string text = "t" + std::to_string(++serial);
                what = "SetCells(" + std::to_string(c) + ", " + std::to_string(r) + ")";
                g.SetCells(c, r, text);
                cols[static_cast<std::size_t>(c)].text[r] = text;
                break;
            }
            default: {
                const int r = pick(3);
                what = "HideRow(" + std::to_string(r) + "), UnHideRowsAll";
                g.HideRow(r);
                g.UnHideRowsAll();
                break;
            }
            }
            SCOPED_TRACE("step " + std::to_string(step) + ": " + what);
            ASSERT_EQ(g.TotalColCount(), static_cast<int>(cols.size()));
            ASSERT_EQ(g.ColCount(), shownCols());
            for (int c = 0; c < static_cast<int>(cols.size()); ++c) {
                ASSERT_EQ(g.IsHiddenColumn(c), cols[static_cast<std::size_t>(c)].hidden) << "column " << c;
                for (int r = 0; r < 3; ++r)
                    ASSERT_EQ(g.Cells(c, r), cols[static_cast<std::size_t>(c)].text[r]) << "cell " << c << ", " << r;
            }
        }
    }
}

}  // namespace
}  // namespace gx
