// The grid's settings objects: defaults, setters with side effects and events, and Assign.
#include "grid/base/GridSettings.h"

#include <gtest/gtest.h>

#include <vector>

namespace gx {
namespace {

TEST(NavigationSettings, DefaultsSwitchOnExactlyThirteenBooleans)
{
    TNavigation nav;
    using Getter = bool (TNavigation::*)() const;
    const std::vector<std::pair<const char*, Getter>> on = {
        {"AdvanceOnEnterLoop", &TNavigation::AdvanceOnEnterLoop},
        {"AdvanceAutoEdit", &TNavigation::AdvanceAutoEdit},
        {"AdvanceSkipReadOnlyCells", &TNavigation::AdvanceSkipReadOnlyCells},
        {"AllowCtrlEnter", &TNavigation::AllowCtrlEnter},
        {"AllowClipboardRowGrow", &TNavigation::AllowClipboardRowGrow},
        {"AllowClipboardColGrow", &TNavigation::AllowClipboardColGrow},
        {"EditSelectAll", &TNavigation::EditSelectAll},
        {"ComboGetUpDown", &TNavigation::ComboGetUpDown},
        {"CursorWalkAlwaysEdit", &TNavigation::CursorWalkAlwaysEdit},
        {"LeftRightRowSelect", &TNavigation::LeftRightRowSelect},
        {"CopyHTMLTagsToClipboard", &TNavigation::CopyHTMLTagsToClipboard},
        {"SkipFixedCells", &TNavigation::SkipFixedCells},
        {"SkipDisabledRows", &TNavigation::SkipDisabledRows},
    };
    const std::vector<std::pair<const char*, Getter>> off = {
        {"AllowInsertRow", &TNavigation::AllowInsertRow},
        {"AllowDeleteRow", &TNavigation::AllowDeleteRow},
        {"AlwaysEdit", &TNavigation::AlwaysEdit},
        {"AdvanceOnEnter", &TNavigation::AdvanceOnEnter},
        {"AdvanceInsert", &TNavigation::AdvanceInsert},
        {"AutoGotoWhenSorted", &TNavigation::AutoGotoWhenSorted},
        {"AutoGotoIncremental", &TNavigation::AutoGotoIncremental},
        {"AutoComboDropSize", &TNavigation::AutoComboDropSize},
        {"AllowClipboardShortCuts", &TNavigation::AllowClipboardShortCuts},
        {"AllowSmartClipboard", &TNavigation::AllowSmartClipboard},
        {"AllowRTFClipboard", &TNavigation::AllowRTFClipboard},
        {"AllowFmtClipboard", &TNavigation::AllowFmtClipboard},
        {"AllowClipboardAlways", &TNavigation::AllowClipboardAlways},
        {"AdvanceAuto", &TNavigation::AdvanceAuto},
        {"AppendOnArrowDown", &TNavigation::AppendOnArrowDown},
        {"CursorWalkEditor", &TNavigation::CursorWalkEditor},
        {"CursorMoveRows", &TNavigation::CursorMoveRows},
        {"MoveRowOnSort", &TNavigation::MoveRowOnSort},
        {"KeepScrollOnSort", &TNavigation::KeepScrollOnSort},
        {"MoveScrollOnly", &TNavigation::MoveScrollOnly},
        {"ImproveMaskSel", &TNavigation::ImproveMaskSel},
        {"KeepHorizScroll", &TNavigation::KeepHorizScroll},
        {"LineFeedOnEnter", &TNavigation::LineFeedOnEnter},
        {"TabToNextAtEnd", &TNavigation::TabToNextAtEnd},
    };
    for (const auto& [name, get] : on)
        EXPECT_TRUE((nav.*get)()) << name;
    for (const auto& [name, get] : off)
        EXPECT_FALSE((nav.*get)()) << name;
    EXPECT_EQ(nav.AdvanceDirection(), adLeftRight);
    EXPECT_EQ(nav.TabAdvanceDirection(), adLeftRight);
    EXPECT_EQ(nav.InsertPosition(), pInsertBefore);
    EXPECT_EQ(nav.ClipboardPasteAction(), paReplace);
    EXPECT_EQ(nav.CursorAdvance(), caDefault);
    EXPECT_EQ(nav.HomeEndKey(), heFirstLastColumn);
}

TEST(NavigationSettings, SettersWithSideEffects)
{
    TNavigation nav;
    int changes = 0;
    nav.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &nav);
        ++changes;
    };
    nav.SetAdvanceAuto(true);
    EXPECT_TRUE(nav.AdvanceOnEnter());
    nav.SetAdvanceAuto(false);
    EXPECT_TRUE(nav.AdvanceOnEnter());  // switching off leaves AdvanceOnEnter on
    EXPECT_EQ(changes, 0);

    nav.SetAdvanceDirection(adTopBottom);
    nav.SetAdvanceDirection(adTopBottom);  // no change, no event
    nav.SetAdvanceInsert(true);
    nav.SetTabAdvanceDirection(adLeftRightInRow);  // plain field
    EXPECT_EQ(changes, 2);
}

TEST(NavigationSettings, AssignCopiesAllButKeepScrollOnSortAndFiresNothing)
{
    TNavigation source, copy;
    source.SetAdvanceDirection(adTopBottom);
    source.SetTabAdvanceDirection(adTopBottomInCol);
    source.SetAllowInsertRow(true);
    source.SetEditSelectAll(false);
    source.SetKeepScrollOnSort(true);
    source.SetHomeEndKey(heFirstLastCell);
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&source);
    EXPECT_EQ(copy.AdvanceDirection(), adTopBottom);
    EXPECT_EQ(copy.TabAdvanceDirection(), adTopBottomInCol);
    EXPECT_TRUE(copy.AllowInsertRow());
    EXPECT_FALSE(copy.EditSelectAll());
    EXPECT_EQ(copy.HomeEndKey(), heFirstLastCell);
    EXPECT_FALSE(copy.KeepScrollOnSort());
    EXPECT_EQ(changes, 0);

    TBands other;
    copy.Assign(&other);  // another class: nothing happens
    EXPECT_TRUE(copy.AllowInsertRow());
}

TEST(MouseSettings, DefaultsAndDisjunctSelectionModes)
{
    TMouseActions mouse(nullptr);
    EXPECT_TRUE(mouse.AutoSizeColOnDblClick());
    EXPECT_TRUE(mouse.PreciseNodeClick());
    EXPECT_FALSE(mouse.DirectEdit());
    EXPECT_FALSE(mouse.RowSelect());
    EXPECT_EQ(mouse.WheelIncrement(), 0);
    EXPECT_EQ(mouse.WheelAction(), waMoveSelection);
    EXPECT_EQ(mouse.FixedRowsEdit(), fceNone);
    EXPECT_EQ(mouse.FixedColsEditor(), fceEdit);
    EXPECT_EQ(mouse.FixedComboValues()->Count(), 0);

    // At run time (no designer) the three disjunct modes can be on together.
    mouse.SetDisjunctRowSelect(true);
    mouse.SetDisjunctColSelect(true);
    mouse.SetDisjunctCellSelect(true);
    EXPECT_TRUE(mouse.DisjunctRowSelect() && mouse.DisjunctColSelect() && mouse.DisjunctCellSelect());

    mouse.OnIsDesigning = [](TObject*, bool& designing) { designing = true; };
    mouse.SetDisjunctColSelect(true);
    EXPECT_FALSE(mouse.DisjunctRowSelect());
    EXPECT_TRUE(mouse.DisjunctColSelect());
    EXPECT_FALSE(mouse.DisjunctCellSelect());
}

TEST(MouseSettings, HotmailRowSelectAndEvents)
{
    TMouseActions mouse(nullptr);
    int invalidates = 0, disables = 0, changes = 0;
    mouse.OnInvalidate = [&](TObject*) { ++invalidates; };
    mouse.OnDisableEdit = [&](TObject*) { ++disables; };
    mouse.OnChange = [&](TObject*) { ++changes; };

    mouse.SetHotmailRowSelect(true);
    EXPECT_TRUE(mouse.DisjunctRowSelect());
    EXPECT_TRUE(mouse.CheckAllCheck());
    mouse.SetHotmailRowSelect(false);
    EXPECT_TRUE(mouse.DisjunctRowSelect());  // switching off leaves them as they were
    EXPECT_TRUE(mouse.CheckAllCheck());
    EXPECT_EQ(invalidates, 2);

    mouse.SetEditOnDblClickOnly(true);
    mouse.SetEditOnDblClickOnly(false);
    EXPECT_EQ(disables, 1);
    mouse.SetWheelAction(waScroll);
    mouse.SetWheelAction(waScroll);
    EXPECT_EQ(changes, 1);
    mouse.SetDisjunctRowSelectDirect(false);
    EXPECT_FALSE(mouse.DisjunctRowSelect());
}

TEST(MouseSettings, AssignLeavesFourPropertiesAndTheComboValues)
{
    TMouseActions source(nullptr), copy(nullptr);
    source.SetDirectEdit(true);
    source.SetWheelIncrement(3);
    source.SetFixedRowsEdit(fceDblClick);
    source.SetEditOnDblClickOnly(true);
    source.SetHotmailRowSelect(true);  // also sets DisjunctRowSelect and CheckAllCheck, which are copied
    source.SetSizeFixedRow(true);
    rtl::TStringList values;
    values.Add("a");
    source.SetFixedComboValues(values);
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };

    copy.Assign(&source);
    EXPECT_TRUE(copy.DirectEdit());
    EXPECT_EQ(copy.WheelIncrement(), 3);
    EXPECT_EQ(copy.FixedRowsEdit(), fceDblClick);
    EXPECT_TRUE(copy.DisjunctRowSelect());
    EXPECT_TRUE(copy.CheckAllCheck());
    EXPECT_FALSE(copy.EditOnDblClickOnly());
    EXPECT_FALSE(copy.HotmailRowSelect());
    EXPECT_FALSE(copy.SizeFixedRow());
    EXPECT_EQ(copy.FixedComboValues()->Count(), 0);
    EXPECT_EQ(source.FixedComboValues()->Count(), 1);
    EXPECT_EQ(changes, 0);
}

TEST(SearchFooterSettings, CaptionsOnlyForANewDesignerGrid)
{
    TSearchFooter runtime(nullptr, false);
    for (const std::string* text : {&runtime.FindNextCaption(), &runtime.FindPrevCaption(), &runtime.HighLightCaption(),
                                    &runtime.MatchCaseCaption(), &runtime.HintClose(), &runtime.HintFindNext(),
                                    &runtime.HintFindPrev(), &runtime.HintHighlight()})
        EXPECT_EQ(*text, "");
    EXPECT_EQ(runtime.Color(), 0xFFFFFFu);
    EXPECT_EQ(runtime.ColorTo(), 0xFF00000Fu);
    EXPECT_EQ(runtime.SearchColumn(), -1);
    EXPECT_TRUE(runtime.AutoSearch());
    EXPECT_TRUE(runtime.ShowClose() && runtime.ShowFindNext() && runtime.ShowFindPrev() && runtime.ShowHighLight() &&
                runtime.ShowMatchCase());
    EXPECT_FALSE(runtime.Visible());
    EXPECT_EQ(runtime.SearchDirection(), sdTopBottom);

    TSearchFooter designed(nullptr, true);
    EXPECT_EQ(designed.FindNextCaption(), "Find &next");
    EXPECT_EQ(designed.FindPrevCaption(), "Find &previous");
    EXPECT_EQ(designed.HighLightCaption(), "Highlight");
    EXPECT_EQ(designed.MatchCaseCaption(), "Match case");
    EXPECT_EQ(designed.HintClose(), "Close");
    EXPECT_EQ(designed.HintFindNext(), "Find next occurrence");
    EXPECT_EQ(designed.HintFindPrev(), "Find previous occurrence");
    EXPECT_EQ(designed.HintHighlight(), "Highlight occurrences");
}

TEST(SearchFooterSettings, WhichSettersFireOnChange)
{
    TSearchFooter footer(nullptr, false);
    int changes = 0;
    footer.OnChange = [&](TObject*) { ++changes; };
    struct Case {
        const char* name;
        std::function<void()> set;
        int events;  // events for setting the same value twice
    } cases[] = {
        {"Color", [&] { footer.SetColor(0x123456); }, 2},
        {"caption", [&] { footer.SetFindNextCaption("x"); }, 2},
        {"hint", [&] { footer.SetHintHighlight("x"); }, 2},
        {"ShowClose", [&] { footer.SetShowClose(false); }, 2},
        {"AutoThemeAdapt", [&] { footer.SetAutoThemeAdapt(true); }, 2},
        {"Font", [&] { footer.SetFont(ui::TFont()); }, 2},
        {"ShowFindNext", [&] { footer.SetShowFindNext(false); }, 1},
        {"ShowMatchCase", [&] { footer.SetShowMatchCase(false); }, 1},
        {"Visible", [&] { footer.SetVisible(true); }, 1},
        {"SearchColumn", [&] { footer.SetSearchColumn(3); }, 0},
    };
    for (const auto& c : cases) {
        changes = 0;
        c.set();
        c.set();
        EXPECT_EQ(changes, c.events) << c.name;
    }
}

TEST(SearchFooterSettings, AssignSkipsSearchStateAndCopiesTheFont)
{
    TSearchFooter source(nullptr, true), copy(nullptr, false);
    source.SetAutoSearch(false);
    source.SetSearchFixedCells(true);
    source.SetAutoThemeAdapt(true);
    source.LastSearch = "needle";
    source.SetVisible(true);
    source.SetSearchColumn(4);
    source.SetSearchDirection(sdLeftRight);
    source.Font()->SetName("Segoe UI");
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };

    copy.Assign(&source);
    EXPECT_EQ(copy.FindNextCaption(), "Find &next");
    EXPECT_TRUE(copy.Visible());
    EXPECT_EQ(copy.SearchColumn(), 4);
    EXPECT_EQ(copy.SearchDirection(), sdLeftRight);
    EXPECT_EQ(copy.Font()->Name(), "Segoe UI");
    EXPECT_TRUE(copy.AutoSearch());
    EXPECT_FALSE(copy.SearchFixedCells());
    EXPECT_FALSE(copy.AutoThemeAdapt());
    EXPECT_EQ(copy.LastSearch, "");
    EXPECT_EQ(changes, 0);
}

TEST(BandSettings, LengthsAndEvents)
{
    TBands bands;
    EXPECT_EQ(bands.TotalLength(), 2);
    EXPECT_EQ(bands.PrimaryColor(), 0xFF000018u);
    EXPECT_EQ(bands.SecondaryColor(), 0xFF000005u);
    int changes = 0;
    bands.OnChange = [&](TObject*) { ++changes; };
    bands.SetPrimaryLength(2);  // inactive: no event, but the total follows
    bands.SetSecondaryColor(0x00FF00);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(bands.TotalLength(), 3);
    bands.SetActive(true);
    bands.SetActive(true);
    bands.SetSecondaryLength(3);
    bands.SetPrimaryColor(0x0000FF);
    bands.SetPrimaryColor(0x0000FF);
    EXPECT_EQ(changes, 3);

    TBands copy;
    int copyChanges = 0;
    copy.OnChange = [&](TObject*) { ++copyChanges; };
    copy.Assign(&bands);
    EXPECT_EQ(copy.TotalLength(), 5);
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(copy.PrimaryColor(), 0x0000FFu);
    EXPECT_EQ(copyChanges, 0);
}

TEST(SyncAndFocusSettings, OwnerIsRefusedAsSyncGridAndAssignCopies)
{
    ui::TStringGrid owner(nullptr), other(nullptr), third(nullptr);
    TSyncGrid sync(&owner);
    EXPECT_EQ(sync.Grid(), nullptr);
    sync.SetGrid(&other);
    sync.SetGrid(&owner);
    EXPECT_EQ(sync.Grid(), &other);

    TSyncGrid copy(&third);
    sync.ScrollVertical = true;
    sync.MoveRow = true;
    copy.Assign(&sync);
    EXPECT_EQ(copy.Grid(), &other);
    EXPECT_TRUE(copy.ScrollVertical);
    EXPECT_TRUE(copy.MoveRow);
    EXPECT_FALSE(copy.ScrollHorizontal);

    TSyncGrid ownerCopy(&other);  // copying the owner's own grid is refused as well
    ownerCopy.Assign(&sync);
    EXPECT_EQ(ownerCopy.Grid(), nullptr);
    EXPECT_TRUE(ownerCopy.MoveRow);

    TFocusHelper focus(nullptr), focusCopy(nullptr);
    EXPECT_FALSE(focus.Enabled);
    focus.Enabled = true;
    focusCopy.Assign(&focus);
    EXPECT_TRUE(focusCopy.Enabled);
}

}  // namespace
}  // namespace gx
