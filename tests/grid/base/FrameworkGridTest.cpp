// The framework's string grid that the base grid stands on: sparse cells that survive smaller
// counts, dimension limits, current cell and anchor, scrolling, hit-testing, row views, moves,
// the inplace editor protocol, the paint loop, rows of size 0, row insertion and removal with
// their cells, and the position tree under all of it. All headless.
#include "platform/ui/Grids.h"

#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace ui {
namespace {

struct TMarker : TObject {};

std::string RowText(TStringGrid& grid, int row)
{
    std::string text;
    for (int c = 0; c < grid.ColCount(); ++c)
        text += (c ? "|" : "") + grid.Cells(c, row);
    return text;
}

TEST(FrameworkGrid, StartsWithFiveByFiveAndOneFixedRowAndColumn)
{
    TStringGrid grid(nullptr);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Cells(3, 3), "");
    EXPECT_EQ(grid.Objects(3, 3), nullptr);
}

TEST(FrameworkGrid, CellsBeyondALowerCountSurviveAndComeBack)
{
    TStringGrid grid(nullptr);
    TMarker marker;
    grid.SetCells(4, 3, "kept");
    grid.SetObjects(4, 3, &marker);
    grid.SetCells(1, 4, "row");
    grid.SetColCount(2);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Cells(4, 3), "kept");  // the store is sparse and not bound to the counts
    grid.SetColCount(5);
    grid.SetRowCount(5);
    EXPECT_EQ(grid.Cells(4, 3), "kept");
    EXPECT_EQ(grid.Objects(4, 3), &marker);
    EXPECT_EQ(grid.Cells(1, 4), "row");
    // Writes far beyond the counts work too; negative ones are ignored.
    grid.SetCells(300, 2, "far");
    EXPECT_EQ(grid.Cells(300, 2), "far");
    grid.SetCells(-1, 0, "x");
    EXPECT_EQ(grid.Cells(-1, 0), "");
}

TEST(FrameworkGrid, DimensionLimitsAndMessages)
{
    struct Case {
        const char* name;
        void (*set)(TStringGrid&);
        const char* message;
    } refused[] = {
        {"negative fixed columns", [](TStringGrid& g) { g.SetFixedCols(-1); }, "Grid index out of range"},
        {"negative fixed rows", [](TStringGrid& g) { g.SetFixedRows(-1); }, "Grid index out of range"},
        {"fixed columns = count", [](TStringGrid& g) { g.SetFixedCols(5); },
         "Fixed column count must be less than column count"},
        {"fixed rows > count", [](TStringGrid& g) { g.SetFixedRows(6); },
         "Fixed row count must be less than row count"},
    };
    for (const auto& c : refused) {
        TStringGrid grid(nullptr);
        try {
            c.set(grid);
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const EInvalidGridOperation& e) {
            EXPECT_EQ(e.Message, c.message) << c.name;
        }
        EXPECT_EQ(grid.FixedCols(), 1) << c.name;
        EXPECT_EQ(grid.FixedRows(), 1) << c.name;
    }

    TStringGrid grid(nullptr);
    grid.SetFixedCols(4);
    EXPECT_EQ(grid.Col(), 4);  // the current cell stays out of the fixed area
    grid.SetColCount(3);       // fixed columns are lowered to count - 1 first
    EXPECT_EQ(grid.FixedCols(), 2);
    EXPECT_EQ(grid.Col(), 2);
    grid.SetRowCount(1);
    EXPECT_EQ(grid.FixedRows(), 0);
    grid.SetRowCount(0);
    EXPECT_EQ(grid.RowCount(), 1);
}

TEST(FrameworkGrid, CurrentCellMovesWithOrWithoutItsAnchor)
{
    TStringGrid grid(nullptr);
    grid.SetColCount(8);
    grid.SetRowCount(8);
    grid.MoveColRow(2, 2, true, true);
    grid.MoveColRow(4, 5, false, true);  // the selection grows from the anchor
    EXPECT_EQ(grid.Anchor(), (TGridCoord{2, 2}));
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 2, 4, 5}));
    grid.SetCol(3);  // setting Col moves the anchor too
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 5, 3, 5}));

    unsigned key = VK_DOWN;
    grid.DoKeyDown(key, ssShift);  // Shift+Down extends the range
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 5, 3, 6}));
    key = VK_RIGHT;
    grid.DoKeyDown(key, 0);
    EXPECT_EQ(grid.Selection(), (TGridRect{4, 6, 4, 6}));

    grid.SetOptions(grid.Options() & ~goRangeSelect);  // without range selection the anchor follows
    grid.MoveColRow(6, 6, false, true);
    EXPECT_EQ(grid.Selection(), (TGridRect{6, 6, 6, 6}));

    grid.OnSelectCell = [](TObject*, int ACol, int, bool& can) { can = ACol != 7; };
    grid.MoveColRow(7, 2, true, true);
    EXPECT_EQ(grid.Col(), 6);  // refused by the select step
    grid.MoveColRow(9, 2, true, true);
    EXPECT_EQ(grid.Col(), 6);  // out of range is ignored
}

TEST(FrameworkGrid, GeometryHitTestingAndScrolling)
{
    TStringGrid grid(nullptr);
    grid.SetBounds(0, 0, 200, 100);
    grid.SetColCount(20);
    grid.SetRowCount(20);
    grid.SetDefaultColWidth(40);
    grid.SetDefaultRowHeight(20);
    grid.SetGridLineWidth(1);
    // 200 pixels: fixed 41, then 41 per column: columns 1..3 wholly visible.
    EXPECT_EQ(grid.VisibleColCount(), 3);
    EXPECT_EQ(grid.VisibleRowCount(), 3);
    EXPECT_EQ(grid.CellRect(2, 1), Rect(82, 21, 122, 41));
    EXPECT_TRUE(grid.CellRect(10, 1).IsEmpty());

    struct Hit {
        int x, y, col, row;
    } hits[] = {{0, 0, 0, 0}, {45, 25, 1, 1}, {122, 40, 2, 1}, {123, 42, 3, 2}, {199, 99, 4, 4}, {250, 10, -1, -1}};
    for (const auto& h : hits) {
        int c = 0, r = 0;
        grid.MouseToCell(h.x, h.y, c, r);
        EXPECT_EQ(std::make_pair(c, r), std::make_pair(h.col, h.row)) << h.x << "," << h.y;
    }

    int topLeftChanges = 0;
    grid.OnTopLeftChanged = [&](TObject*) { ++topLeftChanges; };
    grid.SetCol(10);  // scrolls the cell into view
    EXPECT_EQ(grid.LeftCol(), 8);
    EXPECT_FALSE(grid.CellRect(10, 1).IsEmpty());
    EXPECT_EQ(topLeftChanges, 1);
    int c = 0, r = 0;
    grid.MouseToCell(45, 25, c, r);
    EXPECT_EQ(c, 8);  // after the fixed column comes the left column
    grid.SetTopRow(100);
    EXPECT_EQ(grid.TopRow(), 19);
    grid.SetLeftCol(0);
    EXPECT_EQ(grid.LeftCol(), 1);  // never into the fixed area
}

TEST(FrameworkGrid, RowAndColumnViewsReadAndWriteCells)
{
    TStringGrid grid(nullptr);
    rtl::TStringList list;
    list.Add("a");
    list.Add("b");
    grid.SetCells(4, 2, "old");
    grid.SetRows(2, list);
    EXPECT_EQ(grid.Cells(0, 2), "a");
    EXPECT_EQ(grid.Cells(1, 2), "b");
    EXPECT_EQ(grid.Cells(4, 2), "");  // the row now equals the list
    EXPECT_EQ(grid.Rows(2)->Count(), 5);
    EXPECT_EQ(RowText(grid, 2), "a|b|||");
    grid.Cols(3)->SetStrings(1, "c");
    EXPECT_EQ(grid.Cells(3, 1), "c");
    EXPECT_EQ(grid.Rows(2)->Add("next"), 2);
    EXPECT_EQ(grid.Cells(2, 2), "next");
    // Add appends after the last used cell; a gap before it stays empty.
    grid.SetCells(0, 3, "x");
    grid.SetCells(2, 3, "y");
    EXPECT_EQ(grid.Rows(3)->Add("z"), 3);
    EXPECT_EQ(RowText(grid, 3), "x||y|z|");
    grid.SetCells(4, 3, "full");
    EXPECT_EQ(grid.Rows(3)->Add("none"), -1);
    EXPECT_EQ(RowText(grid, 3), "x||y|z|full");
    EXPECT_THROW(grid.Rows(2)->Delete(0), EInvalidGridOperation);
    grid.Rows(2)->Clear();
    EXPECT_EQ(grid.Cells(0, 2), "");
}

TEST(FrameworkGrid, MovingAColumnOrRowCarriesItsCellsAndSize)
{
    TStringGrid grid(nullptr);
    for (int c = 0; c < 5; ++c)
        grid.SetCells(c, 1, std::string(1, char('A' + c)));
    grid.SetColWidths(1, 10);
    std::pair<int, int> moved{-1, -1};
    grid.OnColumnMoved = [&](TObject*, int from, int to) { moved = {from, to}; };
    grid.MoveColumn(1, 3);
    EXPECT_EQ(RowText(grid, 1), "A|C|D|B|E");
    EXPECT_EQ(grid.ColWidths(3), 10);
    EXPECT_EQ(moved, std::make_pair(1, 3));
    grid.MoveColumn(3, 1);
    EXPECT_EQ(RowText(grid, 1), "A|B|C|D|E");

    grid.SetCells(1, 3, "three");
    grid.MoveRow(3, 1);
    EXPECT_EQ(grid.Cells(1, 1), "three");
    EXPECT_EQ(grid.Cells(1, 2), "B");
}

class EditingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    int GetEditLimit() override { return 4; }
};

TEST(FrameworkGrid, InplaceEditorShowsStoresAndRestores)
{
    EditingGrid grid(nullptr);
    grid.SetOptions(grid.Options() | goEditing);
    grid.SetCells(1, 1, "old");
    int stores = 0;
    grid.OnSetEditText = [&](TObject*, int, int, const std::string&) { ++stores; };
    grid.OnGetEditMask = [](TObject*, int, int, std::string& mask) { mask = "999"; };

    grid.ShowEditorChar(U'x');  // typing starts the editor with the character
    ASSERT_TRUE(grid.EditorMode());
    ASSERT_NE(grid.InplaceEditor(), nullptr);
    EXPECT_EQ(grid.InplaceEditor()->Text(), "x");
    EXPECT_EQ(grid.InplaceEditor()->MaxLength(), 4);
    EXPECT_EQ(grid.InplaceEditor()->EditMask(), "999");
    EXPECT_EQ(grid.Cells(1, 1), "x");  // the cell follows the editor
    EXPECT_GE(stores, 1);

    unsigned key = VK_ESCAPE;
    grid.InplaceEditor()->DoKeyDown(key, 0);  // Escape puts the opening text back
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(grid.Cells(1, 1), "old");

    key = VK_F2;
    grid.DoKeyDown(key, 0);
    ASSERT_TRUE(grid.EditorMode());
    grid.InplaceEditor()->SetText("new");
    key = VK_DOWN;  // moving away stores the text and closes the editor
    grid.InplaceEditor()->DoKeyDown(key, 0);
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Cells(1, 1), "new");

    grid.SetOptions(grid.Options() & ~goEditing);
    grid.ShowEditor();
    EXPECT_FALSE(grid.EditorMode());  // not editable
}

// Records whether the editor was still open when the select step was asked.
class SelectProbeGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    bool allow = true;
    bool editorOpenWhenAsked = false;
    bool SelectCell(int ACol, int ARow) override
    {
        editorOpenWhenAsked = EditorMode();
        return allow && TStringGrid::SelectCell(ACol, ARow);
    }
};

TEST(FrameworkGrid, ClosingTheEditorGivesTheFocusBackToTheGrid)
{
    TForm form(nullptr);
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    auto* button = new TEdit(&form);
    button->SetParent(&form);
    button->SetBounds(10, 170, 80, 24);
    auto* grid = new TStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 300, 160);
    grid->SetOptions(grid->Options() | goEditing);
    form.Show();
    grid->SetFocus();
    grid->ShowEditorChar(U'x');
    ASSERT_TRUE(grid->EditorMode());
    ASSERT_TRUE(grid->InplaceEditor()->Focused());
    char32_t enter = U'\r';
    grid->InplaceEditor()->DoKeyPress(enter);  // Enter closes the editor
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_TRUE(grid->Focused());  // the next key is the grid's, not the button's
    EXPECT_FALSE(button->Focused());
    form.Hide();
}

TEST(FrameworkGrid, SelectStepSeesTheOpenEditorAndARefusalKeepsIt)
{
    for (bool allow : {false, true}) {
        SCOPED_TRACE(allow ? "allowed" : "refused");
        SelectProbeGrid grid(nullptr);
        grid.SetOptions(grid.Options() | goEditing);
        grid.ShowEditor();
        ASSERT_TRUE(grid.EditorMode());
        grid.InplaceEditor()->SetText("typed");
        grid.allow = allow;
        unsigned key = VK_DOWN;
        grid.InplaceEditor()->DoKeyDown(key, 0);
        EXPECT_TRUE(grid.editorOpenWhenAsked);
        EXPECT_EQ(grid.EditorMode(), !allow);
        EXPECT_EQ(grid.Row(), allow ? 2 : 1);
        EXPECT_EQ(grid.Cells(1, 1), "typed");
        if (!allow) {
            EXPECT_EQ(grid.InplaceEditor()->Text(), "typed");
        }
    }
}

class WindowGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    int created = 0;
    void CreateWnd() override { ++created; }
};

TEST(FrameworkGrid, WindowCreationStepRunsOnceWhenParented)
{
    TCustomControl parent(nullptr), other(nullptr);
    WindowGrid grid(nullptr);
    EXPECT_EQ(grid.created, 0);
    grid.SetParent(&parent);
    grid.SetParent(&other);
    EXPECT_EQ(grid.created, 1);
    grid.SetParent(nullptr);
}

TEST(FrameworkGrid, PaintLoopDrawsEveryVisibleCellWithItsState)
{
    TStringGrid grid(nullptr);
    grid.SetBounds(0, 0, 200, 100);
    grid.SetDefaultColWidth(40);
    grid.SetDefaultRowHeight(20);
    grid.SetColCount(10);
    grid.SetRowCount(10);
    grid.MoveColRow(2, 2, true, true);
    grid.MoveColRow(3, 2, false, true);
    std::set<std::pair<int, int>> drawn;
    int fixed = 0, selected = 0;
    grid.OnDrawCell = [&](TObject*, int c, int r, TRect rect, TGridDrawState state) {
        EXPECT_EQ(rect, grid.CellRect(c, r));
        drawn.insert({c, r});
        if (state & gdFixed)
            ++fixed;
        if (state & gdSelected)
            ++selected;
    };
    grid.PaintToBuffer();
    // 5 columns (4 whole, 1 partly) by 5 rows are in view.
    EXPECT_EQ(drawn.size(), 25u);
    EXPECT_TRUE(drawn.count({4, 4}));
    EXPECT_FALSE(drawn.count({5, 1}));
    EXPECT_EQ(fixed, 9);
    EXPECT_EQ(selected, 2);
}

TEST(GridAxisSizes, PositionsSkipIndexesOfSizeZero)
{
    GridAxisSizes axis;
    axis.SetLine(1);
    axis.Resize(6, 5);
    for (auto [i, size] : {std::pair{1, 0}, {2, 0}, {3, 3}, {4, 0}, {5, 4}})
        axis.SetSize(i, size);
    // Room: 6, 0, 0, 4, 0, 5.
    struct Case {
        std::int64_t pos;
        int index;
    } cases[] = {{-3, 0}, {0, 0}, {5, 0}, {6, 3}, {9, 3}, {10, 5}, {14, 5}, {15, 6}, {100, 6}};
    for (const Case& c : cases)
        EXPECT_EQ(axis.IndexAtOffset(c.pos), c.index) << c.pos;
    EXPECT_EQ(axis.Offset(3), 6);
    EXPECT_EQ(axis.Offset(6), 15);
    EXPECT_EQ(axis.NextWithRoom(1), 3);
    EXPECT_EQ(axis.NextWithRoom(4), 5);
    EXPECT_EQ(axis.NextWithRoom(6), 6);

    EXPECT_TRUE(axis.SetSize(4, 2));
    EXPECT_FALSE(axis.SetSize(4, 2));
    EXPECT_EQ(axis.IndexAtOffset(10), 4);
    axis.Insert(0, 2, 9);
    EXPECT_EQ(axis.Offset(2), 20);
    EXPECT_EQ(axis.IndexAtOffset(26), 5);
    axis.Erase(0, 3);  // the two new ones and the old index 0
    EXPECT_EQ(axis.Count(), 5);
    EXPECT_EQ(axis.Offset(5), 12);
}

// Rows hidden by a height of 0 take no room: positions, hit-testing and painting go straight from
// the last shown row to the next one, and the paint visits only rows it draws.
TEST(FrameworkGrid, RowsOfSizeZeroTakeNoRoomAndAreNotDrawn)
{
    TStringGrid grid(nullptr);
    grid.SetBounds(0, 0, 200, 100);
    grid.SetDefaultColWidth(40);
    grid.SetDefaultRowHeight(20);
    grid.SetColCount(3);
    grid.SetRowCount(100000);
    for (int r = 2; r < 99998; ++r)
        grid.SetRowHeights(r, 0);
    EXPECT_EQ(grid.CellRect(1, 99998), Rect(41, 42, 81, 62));
    EXPECT_TRUE(grid.CellRect(1, 500).IsEmpty());
    EXPECT_EQ(grid.MouseCoord(50, 50), (TGridCoord{1, 99998}));
    EXPECT_EQ(grid.MouseCoord(50, 90), (TGridCoord{-1, -1}));  // below the last row
    EXPECT_EQ(grid.GridHeight(), 84);

    std::set<int> drawnRows;
    int drawnCells = 0;
    grid.OnDrawCell = [&](TObject*, int, int r, TRect, TGridDrawState) {
        drawnRows.insert(r);
        ++drawnCells;
    };
    grid.PaintToBuffer();
    EXPECT_EQ(drawnRows, (std::set<int>{0, 1, 99998, 99999}));
    EXPECT_EQ(drawnCells, 12);

    grid.SetRow(99999);  // already in view
    EXPECT_EQ(grid.TopRow(), 1);
    grid.SetRowHeights(50000, 20);
    grid.SetRow(99999);  // four rows do not fit: the view scrolls to the next row shown
    EXPECT_EQ(grid.TopRow(), 50000);
    EXPECT_EQ(grid.MouseCoord(50, 30), (TGridCoord{1, 50000}));
}

namespace {
int gExtensionsDestroyed = 0;
struct CountedExtension : CellExtension {
    ~CountedExtension() override { ++gExtensionsDestroyed; }
};
class ExtensionGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    void Attach(int c, int r) { SetCellExtension(c, r, std::make_unique<CountedExtension>()); }
    bool Has(int c, int r) const { return CellExtensionAt(c, r) != nullptr; }
    void DestroyAll() { DestroyCellExtensions(); }
};
}  // namespace

TEST(FrameworkGrid, InsertingAndDeletingRowsMovesCellsSizesAndExtensions)
{
    gExtensionsDestroyed = 0;
    {
        ExtensionGrid grid(nullptr);
        grid.SetRowCount(6);
        for (int r = 0; r < 6; ++r)
            grid.SetCells(1, r, std::to_string(r));
        grid.SetRowHeights(3, 30);
        grid.Attach(1, 3);
        grid.Attach(1, 4);
        grid.MoveColRow(1, 5, true, false);

        grid.InsertRowsAt(2, 2);
        EXPECT_EQ(grid.RowCount(), 8);
        EXPECT_EQ(RowText(grid, 2), "||||");
        EXPECT_EQ(grid.Cells(1, 5), "3");
        EXPECT_EQ(grid.RowHeights(5), 30);
        EXPECT_EQ(grid.RowHeights(2), grid.DefaultRowHeight());
        EXPECT_TRUE(grid.Has(1, 5));
        EXPECT_EQ(grid.Row(), 5);  // the current cell stays at its index

        grid.DeleteRowsAt(5, 2);  // the rows of the old 3 and 4, with their extensions
        EXPECT_EQ(gExtensionsDestroyed, 2);
        EXPECT_EQ(grid.RowCount(), 6);
        EXPECT_EQ(grid.Cells(1, 5), "5");
        EXPECT_FALSE(grid.Has(1, 5));
        EXPECT_EQ(grid.RowHeights(5), grid.DefaultRowHeight());

        grid.DeleteRowsAt(0, 10);  // never below one row
        EXPECT_EQ(grid.RowCount(), 1);
        EXPECT_EQ(grid.FixedRows(), 0);
        EXPECT_EQ(grid.Cells(1, 0), "5");
        grid.Attach(2, 0);
    }
    EXPECT_EQ(gExtensionsDestroyed, 3);
}

// The object and the extension of a cell share one record: clearing either keeps the other, the
// pair travels with moved columns and rows, and the store's byte count follows the record.
TEST(FrameworkGrid, ObjectAndExtensionOfACellAreKeptApartFromEachOther)
{
    gExtensionsDestroyed = 0;
    TMarker marker;
    ExtensionGrid grid(nullptr);
    grid.SetCells(1, 1, "x");
    const std::size_t plain = grid.CellStoreBytes();
    grid.SetObjects(1, 1, &marker);
    grid.Attach(1, 1);
    EXPECT_GT(grid.CellStoreBytes(), plain);

    grid.MoveColumn(1, 3);
    grid.MoveRow(1, 2);
    EXPECT_EQ(grid.Objects(3, 2), &marker);
    EXPECT_TRUE(grid.Has(3, 2));
    EXPECT_EQ(grid.Objects(1, 1), nullptr);
    EXPECT_FALSE(grid.Has(1, 1));

    grid.SetObjects(3, 2, nullptr);
    EXPECT_TRUE(grid.Has(3, 2));
    grid.SetObjects(3, 2, &marker);
    grid.Attach(3, 2);  // the replaced extension is destroyed, the object stays
    EXPECT_EQ(gExtensionsDestroyed, 1);
    EXPECT_EQ(grid.Objects(3, 2), &marker);

    grid.SetObjects(3, 2, nullptr);
    grid.DestroyAll();
    EXPECT_EQ(gExtensionsDestroyed, 2);
    EXPECT_EQ(grid.Cells(3, 2), "x");
    EXPECT_EQ(grid.CellStoreBytes(), plain);
}

// A row keeps its cells' objects and extensions apart from their texts: whatever happens to the
// columns, each object and extension stays with its text, as a row of (text, object) pairs shows.
TEST(FrameworkGrid, ObjectsAndExtensionsOfARowFollowTheirColumns)
{
    struct Step {
        const char* what;
        char op;  // i: insert, d: delete, m: move
        std::size_t a, b;
    };
    const Step steps[] = {
        {"insert before the first", 'i', 0, 2},
        {"insert in the middle", 'i', 3, 1},
        {"insert past the end", 'i', 20, 2},
        {"delete one with an object", 'd', 2, 1},
        {"delete a run", 'd', 1, 3},
        {"delete beyond the end", 'd', 4, 10},
        {"move right", 'm', 1, 4},
        {"move left", 'm', 5, 0},
        {"move past the end", 'm', 2, 8},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        TMarker markers[6];
        GridRowCells row;
        std::vector<std::pair<std::string, TObject*>> model;
        for (std::size_t c = 0; c < 6; ++c) {
            TObject* object = c % 2 ? &markers[c] : nullptr;
            row.push_back(GridCell{"t" + std::to_string(c)});
            row.SetObject(c, object);
            if (c == 4)
                row.SetExtension(c, std::make_unique<CellExtension>());
            model.emplace_back("t" + std::to_string(c), object);
        }
        std::vector<std::unique_ptr<CellExtension>> removed;
        const auto at = [&](std::size_t i) { return model.begin() + static_cast<std::ptrdiff_t>(i); };
        if (step.op == 'i') {
            row.InsertColumns(step.a, step.b);
            if (step.a < model.size())
                model.insert(at(step.a), step.b, {"", nullptr});
        } else if (step.op == 'd') {
            row.DeleteColumns(step.a, step.b, removed);
            model.erase(at(step.a), at(std::min(model.size(), step.a + step.b)));
        } else {
            row.MoveColumn(step.a, step.b);
            model.resize(std::max(model.size(), std::max(step.a, step.b) + 1));
            if (step.a < step.b)
                std::rotate(at(step.a), at(step.a) + 1, at(step.b) + 1);
            else
                std::rotate(at(step.b), at(step.a), at(step.a) + 1);
        }
        ASSERT_EQ(row.size(), model.size());
        std::size_t extensions = removed.size();
        for (std::size_t c = 0; c < model.size(); ++c) {
            EXPECT_EQ(row[c].Text, model[c].first) << c;
            EXPECT_EQ(row.Object(c), model[c].second) << c;
            if (row.Extension(c)) {
                EXPECT_EQ(model[c].first, "t4") << c;
                ++extensions;
            }
        }
        EXPECT_EQ(extensions, 1U);
        EXPECT_EQ(row.Object(model.size()), nullptr);
    }
}

TEST(FrameworkGrid, HugeCountsAreRefusedBeforeAllocating)
{
    TStringGrid grid(nullptr);
    for (auto set : {+[](TStringGrid& g) { g.SetRowCount(kMaxGridCount + 1); },
                     +[](TStringGrid& g) { g.SetColCount(kMaxGridCount + 1); },
                     +[](TStringGrid& g) { g.InsertRowsAt(0, kMaxGridCount); }}) {
        try {
            set(grid);
            ADD_FAILURE() << "accepted";
        } catch (const EInvalidGridOperation& e) {
            EXPECT_EQ(e.Message, "Grid index out of range");
        }
        EXPECT_EQ(grid.RowCount(), 5);
        EXPECT_EQ(grid.ColCount(), 5);
    }
}

}  // namespace
}  // namespace ui
