// The custom editor link through the input path: an edit control hosted inline over the cell or
// in a pop-up form, the keys that end the edit or stay in the editor, Escape, a refused value, the
// dialog codes of the subclassed control, and the change notifiers.
#include "GxGridEditFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/stringgrid/GxEditLink.h"
#include "platform/ui/Messages.h"
#include "platform/ui/StdCtrls.h"

namespace gx {
namespace {

// A link editing the cell in a plain edit control.
class EditLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    void CreateEditor(ui::TWinControl* AParent) override
    {
        if (!edit) {
            edit = new ui::TEdit(this);
            edit->OnKeyDown = [this](ui::TObject* s, unsigned& k, ui::TShiftState sh) { EditKeyDown(s, k, sh); };
        }
        edit->SetParent(AParent);
        ++created;
    }
    void DestroyEditor() override { ++destroyed; }
    ui::TWinControl* GetEditControl() override { return edit; }
    std::string GetEditorValue() override { return edit ? edit->Text() : std::string(); }
    void SetEditorValue(const std::string& s) override { edit->SetText(s); }
    ui::TEdit* edit = nullptr;
    int created = 0, destroyed = 0;
};

class GxGridEditLink : public GxGridEdit {
protected:
    void SetUp() override
    {
        GxGridEdit::SetUp();
        link = std::make_unique<EditLink>(nullptr);
        grid->SetEditLink(link.get());
        grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& e) {
            if (ACol == 1)
                e = edCustom;
        };
    }
    void TearDown() override
    {
        if (link)
            grid->SetEditLink(nullptr);
    }
    std::unique_ptr<EditLink> link;
};

TEST_F(GxGridEditLink, InlineEditorOpensOverTheCellAndEnterStoresOnce)
{
    TObject* propLink = nullptr;
    grid->OnGetEditorProp = [&](TObject*, int, int, TObject* l) { propLink = l; };
    Key(ui::VK_F2);
    ASSERT_NE(link->edit, nullptr);
    EXPECT_TRUE(link->edit->Visible());
    EXPECT_TRUE(link->edit->Focused());
    EXPECT_EQ(link->edit->Text(), "old");
    EXPECT_EQ(link->edit->Parent(), grid);
    const ui::TRect cell = grid->CellRect(1, 1);
    EXPECT_EQ(link->edit->Left(), cell.Left);
    EXPECT_EQ(link->edit->Top(), cell.Top);
    EXPECT_EQ(propLink, link.get());
    EXPECT_EQ(link->EditCell.X, 1);
    EXPECT_EQ(link->EditCell.Y, 1);

    link->edit->SetText("new");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_FALSE(link->edit->Visible());
    EXPECT_FALSE(grid->EditMode());
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(grid->Cells(1, 1), "new");
    EXPECT_EQ(log, (std::vector<std::string>{"done"}));
    Flush();
    EXPECT_EQ(log, (std::vector<std::string>{"done", "cell done 1,1"}));
}

TEST_F(GxGridEditLink, ArrowsEndTheEditUnlessTheLinkKeepsThem)
{
    struct Case {
        unsigned key;
        bool wantUpDown, wantLeftRight;
        bool staysOpen;
        int row, col;
    };
    const Case cases[] = {
        {ui::VK_DOWN, false, false, false, 2, 1},  {ui::VK_DOWN, true, false, true, 1, 1},
        {ui::VK_RIGHT, false, false, false, 1, 2}, {ui::VK_RIGHT, false, true, true, 1, 1},
        {ui::VK_HOME, false, false, true, 1, 1},  // Home never ends the edit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        grid->SetCol(1);
        grid->SetRow(1);
        link->WantKeyUpDown = c.wantUpDown;
        link->WantKeyLeftRight = c.wantLeftRight;
        Key(ui::VK_F2);
        ASSERT_TRUE(link->edit->Visible());
        link->edit->SetText("v");
        Key(c.key);
        EXPECT_EQ(grid->EditMode(), c.staysOpen);
        EXPECT_EQ(link->edit->Visible(), c.staysOpen);
        EXPECT_EQ(grid->Row(), c.row);
        EXPECT_EQ(grid->Col(), c.col);
        EXPECT_EQ(grid->Cells(1, 1), c.staysOpen ? "old" : "v");
        if (c.staysOpen)
            Key(ui::VK_ESCAPE, 27);
        grid->SetCells(1, 1, "old");
    }
}

TEST_F(GxGridEditLink, EscapeKeepsTheTextTheCellHadWhenTheEditBegan)
{
    Key(ui::VK_F2);
    link->edit->SetText("typed");
    Key(ui::VK_ESCAPE, 27);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_FALSE(link->edit->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "old");
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(GxGridEditLink, ARefusedValueReopensTheEditorOnTheSameCell)
{
    grid->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) { valid = v != "bad"; };
    grid->Navigation()->SetAdvanceOnEnter(true);
    Key(ui::VK_F2);
    link->edit->SetText("bad");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_TRUE(grid->EditMode());
    EXPECT_TRUE(link->edit->Visible());
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Cells(1, 1), "old");
    EXPECT_FALSE(grid->GridModified());

    EXPECT_TRUE(link->edit->Focused());
    EXPECT_EQ(link->edit->Text(), "old");
    link->edit->SetText("good");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_FALSE(link->edit->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "good");
    EXPECT_EQ(grid->Col(), 2);  // accepted: Enter moves on
}

TEST_F(GxGridEditLink, PopupSitsAtTheCellOnScreenAndEnterStoresOnce)
{
    link->EditStyle = TEditStyle::esPopup;
    link->PopupWidth = 120;
    link->PopupHeight = 60;
    int stores = 0;
    grid->OnCellsChanged = [&](TObject*, const ui::TRect&) { ++stores; };
    Key(ui::VK_F2);
    ui::TForm* form = link->PopupForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Name(), "gridform");
    EXPECT_TRUE(form->Visible());
    const ui::TRect cell = grid->CellRect(1, 1);
    const ui::TPoint at = grid->ClientToScreen({cell.Left, cell.Top});
    EXPECT_EQ(form->Left(), at.X);
    EXPECT_EQ(form->Top(), at.Y);
    EXPECT_EQ(form->Width(), 120);
    EXPECT_EQ(link->edit->Parent(), form);

    link->edit->SetText("picked");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "picked");
    EXPECT_EQ(stores, 1);
    EXPECT_EQ(link->destroyed, 1);
}

TEST_F(GxGridEditLink, AnInlineControlClaimsEveryKeyOnlyWhileItEditsAGridThatWalksWithTab)
{
    grid->SetOptions(grid->Options() | ui::goTabs);
    Key(ui::VK_F2);
    const auto wanted = ui::DLGC_WANTALLKEYS | ui::DLGC_WANTTAB | ui::DLGC_WANTARROWS;
    EXPECT_EQ(static_cast<unsigned>(link->edit->Perform(ui::WM_GETDLGCODE)) & wanted, wanted);
    Key(ui::VK_ESCAPE, 27);
    EXPECT_FALSE(link->edit->WindowProc);
}

TEST_F(GxGridEditLink, TabWalksToTheNextCellAndOpensItsEditorWhenAsked)
{
    grid->Navigation()->SetTabToNextAtEnd(true);
    grid->SetOptions(grid->Options() | ui::goTabs);
    grid->OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edCustom; };
    Key(ui::VK_F2);
    link->edit->SetText("first");
    Key(ui::VK_TAB, U'\t');
    EXPECT_EQ(grid->Cells(1, 1), "first");
    EXPECT_EQ(grid->Col(), 2);
    Flush();  // the posted F2
    EXPECT_TRUE(grid->EditMode());
    EXPECT_TRUE(link->edit->Visible());
    Key(ui::VK_ESCAPE, 27);
}

TEST_F(GxGridEditLink, ALinkThatGoesWhileEditingLeavesTheGridUsable)
{
    Key(ui::VK_F2);
    ASSERT_TRUE(grid->EditMode());
    link.reset();
    EXPECT_EQ(grid->EditLink(), nullptr);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->EditCtrl(), nullptr);
    grid->SetFocus();
    Key(ui::VK_DOWN);
    EXPECT_EQ(grid->Row(), 2);
    Key(ui::VK_F2);  // no link: an edCustom cell shows nothing
    EXPECT_FALSE(grid->EditMode());
}

// A notifier that records the rectangles it is told about.
class Notifier : public TGridChangeNotifier {
public:
    using TGridChangeNotifier::TGridChangeNotifier;
    void CellsChanged(ui::TRect R) override { seen.push_back(R); }
    std::vector<ui::TRect> seen;
};

TEST_F(GxGridEditLink, NotifiersHearOfAcceptedEditsUntilTheyGo)
{
    auto n = std::make_unique<Notifier>(nullptr);
    grid->RegisterNotifier(n.get());
    grid->RegisterNotifier(n.get());  // once only
    Key(ui::VK_F2);
    link->edit->SetText("x");
    Key(ui::VK_RETURN, U'\r');
    ASSERT_EQ(n->seen.size(), 1u);
    EXPECT_EQ(n->seen[0].Left, 1);
    EXPECT_EQ(n->seen[0].Top, 1);
    n.reset();  // a notifier that goes is dropped from the grid
    grid->SetRow(1);
    Key(ui::VK_F2);
    link->edit->SetText("y");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_EQ(grid->Cells(1, 1), "y");
}

}  // namespace
}  // namespace gx
