// The cell store of TBaseGrid: properties created on demand, display hooks, object and graphic
// slots, ownership when clearing and destroying.
#include "grid/base/BaseGrid.h"
#include "grid/base/VozEdidText.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

namespace gx {
namespace {

// Count their destructions. A cell owns its graphic by type: a cell graphic or a class derived
// from one; a foreign object is never freed, whatever its class is called.
int gGraphicsDestroyed = 0;
struct TCellGraphic : TCellGraphicBase {
    ~TCellGraphic() override { ++gGraphicsDestroyed; }
};
struct TDerivedCellGraphic : TCellGraphic {};
struct TForeignGraphic : TObject {
    ~TForeignGraphic() override { ++gGraphicsDestroyed; }
};
namespace lookalike {
// Shares the cell graphic's class name but not its type.
struct TCellGraphic : TObject {
    ~TCellGraphic() override { ++gGraphicsDestroyed; }
};
}  // namespace lookalike
struct TUserObject : TObject {};

class RecordingGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;
    int hiddenLastRowChanges = 0;
    void HiddenLastRowChanged() override { ++hiddenLastRowChanges; }
};

class BaseGridStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        gGraphicsDestroyed = 0;
        grid.SetColCount(6);
        grid.SetRowCount(6);
    }
    RecordingGrid grid{nullptr};
};

TEST_F(BaseGridStore, NewGridReadsRawTextAndHasNoProperties)
{
    grid.SetGridCell(2, 2, "raw");
    EXPECT_EQ(grid.Cells(2, 2), "raw");
    EXPECT_EQ(grid.Cells(3, 3), "");
    EXPECT_FALSE(grid.HasCellProps());
    grid.ClearCellPropertiesRect(0, 0, 5, 5);
    EXPECT_EQ(grid.GetObjectEx(2, 2), nullptr);
    EXPECT_EQ(grid.GetGraphicObjectEx(2, 2), nullptr);
    EXPECT_FALSE(grid.HasCellProperties(2, 2));  // reads created nothing
    EXPECT_FALSE(grid.HasCellProps());
}

TEST_F(BaseGridStore, FirstReadOfPropertiesCreatesThemWithTheGridDefaults)
{
    grid.SetColor(0x123456);
    grid.SetWordWrap(false);
    grid.Font()->SetName("Verdana");
    grid.Font()->SetSize(11);
    grid.Font()->SetColor(0x00AA00);
    grid.Font()->SetStyle(ui::fsBold);

    TCellProperties* props = grid.CellProperties(2, 3);
    ASSERT_NE(props, nullptr);
    EXPECT_TRUE(grid.HasCellProps());
    EXPECT_EQ(props->OwnerCol(), 2);
    EXPECT_EQ(props->OwnerRow(), 3);
    EXPECT_EQ(props->BrushColor(), 0x123456u);
    EXPECT_EQ(props->BrushColorTo(), ui::clNone);
    EXPECT_EQ(props->Alignment(), THAlignment::taLeftJustify);
    EXPECT_EQ(props->VAlignment(), vtaTop);
    EXPECT_FALSE(props->WordWrap());
    EXPECT_EQ(props->FontName(), "Verdana");
    EXPECT_EQ(props->FontSize(), 11);
    EXPECT_EQ(props->FontColor(), 0x00AA00u);
    EXPECT_EQ(props->FontStyle(), ui::fsBold);
    EXPECT_EQ(props->CalcType(), acNONE);
    EXPECT_EQ(props->CellSpanX(), -1);
    EXPECT_EQ(props->CellSpanY(), -1);
    EXPECT_TRUE(props->IsBaseCell());
    EXPECT_EQ(props->Editor(), edNormal);
    EXPECT_EQ(grid.CellProperties(2, 3), props);  // a second read returns the same object
    for (auto [c, r] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{1 << 30, 1}}) {
        EXPECT_THROW(grid.CellProperties(c, r), rtl::Exception) << c << "," << r;
        EXPECT_EQ(grid.GridObjects(c, r), nullptr);
    }
}

TEST_F(BaseGridStore, DisplayHooksApplyOnlyBelowTheNormalRowCount)
{
    grid.SetNormalRowCount(3);
    int fired = 0;
    grid.OnGetDisplText = [&](TObject* sender, int, int, std::string& value) {
        EXPECT_EQ(sender, &grid);
        ++fired;
        value = "<" + value + ">";
    };
    struct Case {
        int row;
        const char* shown;
        int fired;
    } cases[] = {{0, "<t>", 1}, {2, "<t>", 1}, {3, "t", 0}, {5, "t", 0}};
    for (const auto& c : cases) {
        fired = 0;
        grid.SetGridCell(1, c.row, "t");
        EXPECT_EQ(grid.Cells(1, c.row), c.shown) << c.row;
        EXPECT_EQ(fired, c.fired) << c.row;
        EXPECT_EQ(grid.GridCells(1, c.row), "t");
    }
}

// The reference readers read what Cells() and GridCells() read: the stored text itself (no copy)
// while no display hook is set, a merged range's base cell, and the hooks' result once one is set.
TEST_F(BaseGridStore, ReferenceReadersReadWhatTheCopyingReadersRead)
{
    grid.SetNormalRowCount(4);
    grid.SetGridCell(1, 1, "base");
    grid.SetGridCell(4, 4, "below");
    grid.MergeCells(1, 1, 2, 2);  // columns 1..2, rows 1..2
    const std::pair<int, int> cells[] = {{1, 1}, {2, 2}, {4, 4}, {3, 3}, {-1, 0}, {0, 99}};
    for (const auto& [c, r] : cells) {
        EXPECT_EQ(grid.CellsRef(c, r), grid.Cells(c, r)) << c << "," << r;
        EXPECT_EQ(grid.GridCellsRef(c, r), grid.GridCells(c, r)) << c << "," << r;
    }
    EXPECT_EQ(&grid.CellsRef(2, 2), &grid.GridCellsRef(1, 1));  // the stored text of the base cell
    grid.OnGetDisplText = [](TObject*, int, int, std::string& value) { value = "<" + value + ">"; };
    for (const auto& [c, r] : cells)
        EXPECT_EQ(grid.CellsRef(c, r), grid.Cells(c, r)) << c << "," << r;
    EXPECT_EQ(grid.CellsRef(2, 2), "<base>");
    EXPECT_EQ(grid.CellsRef(4, 4), "below");  // no hook below the normal rows
    EXPECT_EQ(grid.GridCellsRef(1, 1), "base");
}

TEST_F(BaseGridStore, WideHookFiresWithoutTheTextHookAndKeepsTheCoding)
{
    grid.SetNormalRowCount(2);
    int fired = 0;
    grid.OnGetDisplWideText = [&](TObject*, int, int, std::u16string& value) {
        ++fired;
        value += u"\u20AC";
    };
    grid.SetGridCell(1, 0, "plain");
    grid.SetGridCell(1, 1, EncodeWideCellText(u"wide"));
    grid.SetGridCell(1, 2, "raw");
    EXPECT_EQ(grid.Cells(1, 0), "plain€");
    EXPECT_EQ(grid.Cells(1, 1), EncodeWideCellText(u"wide\u20AC"));
    EXPECT_EQ(grid.Cells(1, 2), "raw");
    EXPECT_EQ(fired, 2);
}

TEST_F(BaseGridStore, UserObjectLeavesTheCellTextAsItWas)
{
    TUserObject obj;
    grid.SetObjects(1, 1, &obj);
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.Objects(1, 1), &obj);

    grid.SetCells(2, 2, "keep");
    grid.SetObjects(2, 2, &obj);
    EXPECT_EQ(grid.Cells(2, 2), "keep");
    grid.SetObjects(2, 2, nullptr);
    EXPECT_EQ(grid.Objects(2, 2), nullptr);
    EXPECT_TRUE(grid.HasCellProperties(2, 2));
}

// The framework's row and column views work on texts and user objects; the cell's properties are
// out of their reach, so clearing through a view cannot leak them and a planted object cannot
// be taken for them.
TEST_F(BaseGridStore, RowAndColumnViewsSeeTheUserObjectNeverTheProperties)
{
    struct Case {
        const char* view;
        std::function<ui::TStringGridStrings*(TBaseGrid&)> of;  // the view holding cell (2, 3) at 2 or 3
        int index;
    } cases[] = {
        {"row 3", [](TBaseGrid& g) { return g.Rows(3); }, 2},
        {"column 2", [](TBaseGrid& g) { return g.Cols(2); }, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.view);
        RecordingGrid g(nullptr);
        g.SetColCount(6);
        g.SetRowCount(6);
        TUserObject user;

        // An object added through the view is the cell's user object, kept in its properties.
        for (int i = 0; i < c.index; ++i)
            c.of(g)->SetStrings(i, "t");
        ASSERT_EQ(c.of(g)->AddObject("x", &user), c.index);
        EXPECT_EQ(g.Cells(2, 3), "x");
        EXPECT_EQ(g.Objects(2, 3), &user);
        ASSERT_NE(g.GridObjects(2, 3), nullptr);
        EXPECT_EQ(g.GridObjects(2, 3)->CellObject(), &user);
        EXPECT_EQ(c.of(g)->Objects(c.index), &user);

        // Clearing through the view empties texts and user objects; the properties stay owned by
        // their cells (LeakSanitizer sees them freed with the grid).
        g.CellProperties(2, 3)->SetBrushColor(0x00FF00);
        c.of(g)->Clear();
        EXPECT_EQ(g.Cells(2, 3), "");
        EXPECT_EQ(g.Objects(2, 3), nullptr);
        ASSERT_NE(g.GridObjects(2, 3), nullptr);
        EXPECT_EQ(g.GridObjects(2, 3)->BrushColor(), 0x00FF00u);
    }
}

TEST_F(BaseGridStore, WritingTheHiddenLastRowNotifiesOncePerWrite)
{
    grid.SetHideLastRow(true);
    grid.SetCells(1, 5, "a");  // no properties
    grid.CellProperties(2, 5);
    grid.SetCells(2, 5, "b");  // with properties
    grid.SetCells(1, 4, "c");  // not the last row
    EXPECT_EQ(grid.hiddenLastRowChanges, 2);
    grid.SetHideLastRow(false);
    grid.SetCells(1, 5, "d");
    EXPECT_EQ(grid.hiddenLastRowChanges, 2);
}

TEST_F(BaseGridStore, ClearingFreesOwnedGraphicsOnly)
{
    lookalike::TCellGraphic lookalikeGraphic;
    TForeignGraphic foreign;
    struct Case {
        const char* kind;
        std::function<TObject*()> make;  // owned graphics die with the cell: one per pass
        bool owned;
    } cases[] = {
        {"cell graphic", [] { return new TCellGraphic; }, true},
        {"derived cell graphic", [] { return new TDerivedCellGraphic; }, true},
        {"foreign object", [&] { return &foreign; }, false},
        {"foreign object named like a cell graphic", [&] { return &lookalikeGraphic; }, false},
    };
    for (bool wholeRect : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.kind) + (wholeRect ? ", rectangle" : ", single cell"));
            TObject* graphic = c.make();
            gGraphicsDestroyed = 0;
            grid.SetGraphicObjects(1, 1, graphic);
            EXPECT_EQ(grid.GraphicObjects(1, 1), graphic);
            EXPECT_EQ(grid.Cells(1, 1), "");  // the blank bracket leaves no text behind
            EXPECT_EQ(grid.GridObjects(1, 1)->OwnsGraphic(), c.owned);
            if (wholeRect)
                grid.ClearCellPropertiesRect(0, 0, 5, 5);
            else
                grid.ClearCellProperties(1, 1);
            EXPECT_EQ(gGraphicsDestroyed, c.owned ? 1 : 0);
            EXPECT_FALSE(grid.HasCellProperties(1, 1));
        }
    }
}

TEST_F(BaseGridStore, ReplacingPropertiesFreesTheOldOnesAndTheirGraphic)
{
    grid.SetGraphicObjects(1, 1, new TCellGraphic);
    auto* fresh = new TCellProperties(&grid, 1, 1);
    grid.SetCellProperties(1, 1, fresh);
    EXPECT_EQ(gGraphicsDestroyed, 1);
    EXPECT_EQ(grid.GridObjects(1, 1), fresh);
    grid.SetCellProperties(1, 1, fresh);  // storing the same object again frees nothing
    EXPECT_EQ(grid.GridObjects(1, 1), fresh);

    // A graphic handed over to the new properties survives the replacement.
    auto* graphic = new TCellGraphic;
    fresh->SetGraphicObject(graphic);
    auto* next = new TCellProperties(&grid, 1, 1);
    next->SetGraphicObject(graphic);
    grid.SetCellProperties(1, 1, next);
    EXPECT_EQ(gGraphicsDestroyed, 1);
    EXPECT_EQ(grid.GraphicObjects(1, 1), graphic);
}

namespace callback {
// An owned cell graphic whose destruction tries to store another graphic in the grid.
struct TCellGraphic : TCellGraphicBase {
    TBaseGrid* grid = nullptr;
    bool* stored = nullptr;
    ~TCellGraphic() override
    {
        TForeignGraphic other;
        grid->SetGraphicObjects(3, 3, &other);
        *stored = grid->GridObjects(3, 3) != nullptr;
    }
};
}  // namespace callback

TEST(BaseGridLifetime, NoGraphicIsStoredWhileTheGridIsDestroyed)
{
    bool stored = true;
    {
        TBaseGrid grid(nullptr);
        auto* graphic = new callback::TCellGraphic;
        graphic->grid = &grid;
        graphic->stored = &stored;
        grid.SetGraphicObjects(1, 1, graphic);
    }
    EXPECT_FALSE(stored);
}

TEST(BaseGridLifetime, DestroyingFreesPropertiesBeyondTheCurrentCounts)
{
    gGraphicsDestroyed = 0;
    {
        TBaseGrid grid(nullptr);
        grid.SetColCount(8);
        grid.SetRowCount(8);
        grid.SetGraphicObjects(7, 7, new TCellGraphic);
        grid.SetGraphicObjects(1, 1, new TCellGraphic);
        grid.SetColCount(3);
        grid.SetRowCount(3);
        EXPECT_FALSE(grid.HasCellProperties(7, 7));  // outside the counts the store is not consulted
        EXPECT_NE(grid.GridObjects(7, 7), nullptr);
    }
    EXPECT_EQ(gGraphicsDestroyed, 2);
}

TEST(CellPropertiesAssign, CopiesAllButGradientAndPaintState)
{
    TBaseGrid grid(nullptr);
    TCellProperties source(&grid, 1, 2), target(&grid, 3, 4);
    TUserObject obj;
    source.SetBrushColor(0x111111);
    source.SetBrushColorTo(0x222222);
    source.SetGradientDirection(GradientHorizontal);
    source.SetFontName("Segoe UI");
    source.SetFontColor(0x333333);
    source.SetReadOnly(true);
    source.SetEditor(edComboList);
    source.SetCellSpanX(2);
    source.SetIsBaseCell(false);
    source.SetCellObject(&obj);
    source.SetCalcType(acSUM);
    source.SetPaintID(9);

    target.Assign(source);
    EXPECT_EQ(target.BrushColor(), 0x111111u);
    EXPECT_EQ(target.FontName(), "Segoe UI");
    EXPECT_EQ(target.FontColor(), 0x333333u);
    EXPECT_TRUE(target.ReadOnly());
    EXPECT_EQ(target.Editor(), edComboList);
    EXPECT_EQ(target.CellSpanX(), 2);
    EXPECT_FALSE(target.IsBaseCell());
    EXPECT_EQ(target.CellObject(), &obj);
    EXPECT_EQ(target.OwnerCol(), 1);
    EXPECT_EQ(target.OwnerRow(), 2);
    EXPECT_EQ(target.BrushColorTo(), ui::clNone);
    EXPECT_EQ(target.GradientDirection(), GradientVertical);
    EXPECT_EQ(target.CalcType(), acNONE);
    EXPECT_EQ(target.PaintID(), 0);
}

}  // namespace
}  // namespace gx
