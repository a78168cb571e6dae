// The grid drop-down passes its list's events on as its OnGrid... events: each with the list as
// sender and the list's own arguments, bound anew at every opening; the few with a rule of their
// own (windows opened from a handler, the empty number format, the editor properties, the cell
// drawing events, the balloons set up anew) keep it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "../../platform/ui/RemovalProbe.h"
#include "../dropdown/DropDownFixture.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "controls/griddropdown/GxGridDropDown.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/PopupWindow.h"

using namespace dropdown;
using namespace dropdown_test;

namespace {

class GridDropDownEvents : public DropDownFixture<TCustomGxGridDropDown> {
protected:
    GridDropDownEvents()
    {
        auto* column = edit->Columns()->Add();
        column->Width = 80;
        column->Header = "Name";
        for (const char* name : {"Alpha", "Beta"}) {
            rtl::TStringList texts;
            texts.Add(name);
            edit->Items()->Add()->SetText(texts);
        }
        edit->EndUpdate();
    }
    ~GridDropDownEvents() override { ui::CloseAllPopups(ui::TPopupCloseReason::pcrCancel); }
    griddrop::TGxColGrid* Grid() const { return edit->GetGrid(); }

    // The drop-down's event records its name and whether the list sent it; the list's event is
    // fired (once the list is open) with value-initialised arguments.
    template <class... Ts>
    void Relay(const std::string& name, std::function<void(ui::TObject*, Ts...)>& event,
               std::function<void(ui::TObject*, Ts...)>& listEvent)
    {
        event = [this, name](ui::TObject* sender, Ts...) { heard.push_back(name + (sender == Grid() ? "" : "?")); };
        fire.push_back([&listEvent, this] {
            std::tuple<std::decay_t<Ts>...> args{};
            std::apply([&](auto&... a) { listEvent(Grid(), a...); }, args);
        });
        names.push_back(name);
    }

    std::vector<std::string> heard, names;
    std::vector<std::function<void()>> fire;
};

TEST_F(GridDropDownEvents, EveryEventOfTheListReachesTheProgram)
{
    gx::TGxStringGrid& g = *Grid();
    TCustomGxGridDropDown& d = *edit;
    Relay("AnchorClick", d.OnGridAnchorClick, g.OnAnchorClick);
    Relay("AnchorEnter", d.OnGridAnchorEnter, g.OnAnchorEnter);
    Relay("AnchorExit", d.OnGridAnchorExit, g.OnAnchorExit);
    Relay("AnchorHint", d.OnGridAnchorHint, g.OnAnchorHint);
    Relay("ButtonClick", d.OnGridButtonClick, g.OnButtonClick);
    Relay("ColumnSize", d.OnGridColumnSize, g.OnColumnSize);
    Relay("ColumnSizing", d.OnGridColumnSizing, g.OnColumnSizing);
    Relay("EndColumnSize", d.OnGridEndColumnSize, g.OnEndColumnSize);
    Relay("RowSize", d.OnGridRowSize, g.OnRowSize);
    Relay("RowSizing", d.OnGridRowSizing, g.OnRowSizing);
    Relay("EndRowSize", d.OnGridEndRowSize, g.OnEndRowSize);
    Relay("RowMove", d.OnGridRowMove, g.OnRowMove);
    Relay("RowMoving", d.OnGridRowMoving, g.OnRowMoving);
    Relay("RowMoved", d.OnGridRowMoved, g.OnRowMoved);
    Relay("ColumnMove", d.OnGridColumnMove, g.OnColumnMove);
    Relay("ColumnMoving", d.OnGridColumnMoving, g.OnColumnMoving);
    Relay("ColumnMoved", d.OnGridColumnMoved, g.OnColumnMoved);
    Relay("CustomCellDraw", d.OnGridCustomCellDraw, g.OnCustomCellDraw);
    Relay("CustomCellBkgDraw", d.OnGridCustomCellBkgDraw, g.OnCustomCellBkgDraw);
    Relay("CellBalloon", d.OnGridCellBalloon, g.OnCellBalloon);
    Relay("GetCellGradient", d.OnGridGetCellGradient, g.OnGetCellGradient);
    Relay("GetFloatFormat", d.OnGridGetFloatFormat, g.OnGetFloatFormat);
    Relay("GetEditorType", d.OnGridGetEditorType, g.OnGetEditorType);
    Relay("CanEditCell", d.OnGridCanEditCell, g.OnCanEditCell);
    Relay("EllipsClick", d.OnGridEllipsClick, g.OnEllipsClick);
    Relay("GetDiplText", d.OnGridGetDiplText, g.OnGetDisplText);
    Relay("GetFormat", d.OnGridGetFormat, g.OnGetFormat);
    Relay("Hint", d.OnGridHint, g.OnGridHint);
    Relay("MouseMove", d.OnGridMouseMove, g.OnMouseMove);
    Relay("MouseDown", d.OnGridMouseDown, g.OnMouseDown);
    Relay("MouseUp", d.OnGridMouseUp, g.OnMouseUp);
    Relay("RightClickCell", d.OnGridRightClickCell, g.OnRightClickCell);
    Relay("ScrollHint", d.OnGridScrollHint, g.OnScrollHint);
    Relay("SearchEditChange", d.OnGridSearchEditChange, g.OnSearchEditChange);
    Relay("AutoAddRow", d.OnGridAutoAddRow, g.OnAutoAddRow);
    Relay("AutoInsertRow", d.OnGridAutoInsertRow, g.OnAutoInsertRow);
    Relay("AutoInsertCol", d.OnGridAutoInsertCol, g.OnAutoInsertCol);
    Relay("AutoDeleteRow", d.OnGridAutoDeleteRow, g.OnAutoDeleteRow);
    Relay("CanAddRow", d.OnGridCanAddRow, g.OnCanAddRow);
    Relay("CanInsertRow", d.OnGridCanInsertRow, g.OnCanInsertRow);
    Relay("CanDeleteRow", d.OnGridCanDeleteRow, g.OnCanDeleteRow);
    Relay("CheckBoxClick", d.OnGridCheckBoxClick, g.OnCheckBoxClick);
    edit->ShowDropDown();
    ASSERT_TRUE(edit->DroppedDown());
    for (const auto& f : fire)
        f();
    EXPECT_EQ(heard, names);

    // Bound anew at every opening: a handler assigned while the list is closed is heard too.
    edit->HideDropDown(true);
    heard.clear();
    d.OnGridRowSize = [&](ui::TObject*, int, bool& Allow) {
        heard.push_back("later");
        Allow = false;
    };
    edit->ShowDropDown();
    bool allow = true;
    g.OnRowSize(&g, 1, allow);
    EXPECT_EQ(heard, std::vector<std::string>{"later"});
    EXPECT_FALSE(allow);
}

TEST_F(GridDropDownEvents, TheEventsWithRulesOfTheirOwnKeepThem)
{
    gx::TGxStringGrid& g = *Grid();
    std::vector<std::string> blocked;
    const auto windowOpen = [&](const char* name) {
        blocked.push_back(std::string(name) + (edit->DropDownForm()->BlockActivate ? " kept open" : " not kept"));
    };
    edit->OnGridAnchorClick = [&](ui::TObject*, int, int, const std::string&, bool&) { windowOpen("link"); };
    edit->OnGridButtonClick = [&](ui::TObject*, int, int) { windowOpen("button"); };
    edit->OnGridEllipsClick = [&](ui::TObject*, int, int, std::string&) { windowOpen("ellipsis"); };
    std::string givenFormat = "-";
    edit->OnGridGetFloatFormat = [&](ui::TObject*, int, int, bool&, std::string& Format) { givenFormat = Format; };
    std::vector<std::string> props;
    edit->OnGridGetEditorProp = [&](ui::TObject* Sender, int ACol, int ARow, ui::TObject*) {
        props.push_back("drop-down " + std::to_string(ACol) + "," + std::to_string(ARow) + (Sender == &g ? "" : "?"));
    };
    g.OnGetEditorProp = [&](ui::TObject*, int, int, ui::TObject*) { props.push_back("list"); };
    edit->ShowDropDown();

    bool handle = true;
    g.OnAnchorClick(&g, 1, 0, "x", handle);
    g.OnButtonClick(&g, 0, 1);
    std::string s;
    g.OnEllipsClick(&g, 0, 1, s);
    EXPECT_EQ(blocked, (std::vector<std::string>{"link kept open", "button kept open", "ellipsis kept open"}));
    EXPECT_FALSE(edit->DropDownForm()->BlockActivate);

    bool isFloat = true;
    std::string format = "%.2f";
    g.OnGetFloatFormat(&g, 0, 1, isFloat, format);
    EXPECT_EQ(givenFormat, "");
    edit->OnGridGetFloatFormat = nullptr;
    format = "%.2f";
    g.OnGetFloatFormat(&g, 0, 1, isFloat, format);
    EXPECT_EQ(format, "");  // empty without a handler too

    g.DoGetEditorProp(0, 2, nullptr);
    EXPECT_EQ(props, (std::vector<std::string>{"list", "drop-down 0,2"}));

    // The drawing events reach the list only when the drop-down had them at the opening.
    EXPECT_FALSE(g.OnCustomCellDraw);
    int drawn = 0;
    edit->OnGridCustomCellDraw = [&](ui::TObject*, ui::TCanvas*, int, int, ui::TGridDrawState, const ui::TRect&, bool) {
        ++drawn;
    };
    edit->HideDropDown(true);
    edit->ShowDropDown();
    ASSERT_TRUE(g.OnCustomCellDraw);
    g.OnCustomCellDraw(&g, nullptr, 0, 1, 0, {}, false);
    EXPECT_EQ(drawn, 1);

    // The list scrolls: the drop-down is the sender.
    ui::TObject* scrolled = nullptr;
    edit->OnGridTopLeftChanged = [&](ui::TObject* Sender) { scrolled = Sender; };
    g.OnTopLeftChanged(&g);
    EXPECT_EQ(scrolled, edit);
}

TEST_F(GridDropDownEvents, TheFirstMoveAfterAnOpeningSetsTheListsBalloonsUpAnew)
{
    gx::TGxStringGrid& g = *Grid();
    uitest::TRemovalProbe probe;
    g.Balloon()->SetEnable(true);
    int moves = 0;
    edit->OnGridMouseMove = [&](ui::TObject*, ui::TShiftState, int, int) { ++moves; };
    for (int opening = 1; opening <= 2; ++opening) {
        edit->ShowDropDown();
        probe.FreeNotification(g.BalloonToolTip());
        g.OnMouseMove(&g, 0, 5, 5);
        EXPECT_EQ(probe.Gone, opening);  // the tool tip of the last opening went
        ASSERT_NE(g.BalloonToolTip(), nullptr);
        probe.FreeNotification(g.BalloonToolTip());
        g.OnMouseMove(&g, 0, 6, 5);
        EXPECT_EQ(probe.Gone, opening);  // only the first move
        probe.RemoveFreeNotification(g.BalloonToolTip());
        edit->HideDropDown(true);
    }
    EXPECT_EQ(moves, 4);
}

}  // namespace
