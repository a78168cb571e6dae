// A modal dialog with a string grid and OK and Cancel buttons: clicking OK while the cell editor
// holds a value its validation refuses reports the value, keeps the old text in the cell and
// leaves the dialog open; an accepted value is stored before the dialog closes.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RealDisplay.h"
#include "controls/button/LbButton.h"
#include "platform/ui/Application.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/RealInput.h"
#include "platform/ui/StdCtrls.h"

namespace gx {
namespace {

class GxGridEditDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.SetBounds(0, 0, 420, 300);
        grid = new TGxStringGrid(&dialog);
        grid->SetParent(&dialog);
        grid->SetBounds(0, 0, 400, 200);
        grid->SetColCount(3);
        grid->SetRowCount(4);
        grid->SetOptions(grid->Options() | ui::goEditing);
        grid->SetCells(1, 1, "10");
        grid->OnCellValidate = [this](TObject*, int, int, std::string& v, bool& valid) {
            reported.push_back(v);
            valid = v.find_first_not_of("0123456789") == std::string::npos;
        };
        ok = new controls::TLbButton(&dialog);
        ok->SetParent(&dialog);
        ok->SetBounds(10, 220, 80, 28);
        ok->SetModalResult(ui::mrOk);
        cancel = new controls::TLbButton(&dialog);
        cancel->SetParent(&dialog);
        cancel->SetBounds(100, 220, 80, 28);
        cancel->SetModalResult(ui::mrCancel);
    }
    // The user's steps, one per tick of a timer running inside the modal loop.
    ui::TModalResult Run(std::vector<std::function<void()>> steps)
    {
        std::size_t next = 0;
        ui::TTimer user(nullptr);
        user.SetInterval(5);
        user.OnTimer = [&](ui::TObject*) {
            if (next < steps.size())
                steps[next++]();
            else
                dialog.SetModalResult(ui::mrAbort);  // the steps did not close the dialog
        };
        dialog.OnShow = [this](ui::TObject*) { grid->SetFocus(); };
        return dialog.ShowModal();
    }
    // Character by character to wherever the focus is: the first one opens the editor.
    void Type(const std::string& s)
    {
        for (char c : s)
            ui::SendText(ui::FindFocusedControl(), std::string(1, c));
    }

    ui::TForm dialog{nullptr};
    TGxStringGrid* grid = nullptr;
    controls::TLbButton* ok = nullptr;
    controls::TLbButton* cancel = nullptr;
    std::vector<std::string> reported;
};

TEST_F(GxGridEditDialog, OkWithARefusedValueLeavesTheDialogOpen)
{
    bool openAfterOk = false;
    const ui::TModalResult result = Run({
        [&] { Type("12x"); },
        [&] { ui::SendClick(ok, 5, 5); },
        [&] {
            openAfterOk = dialog.Visible() && dialog.ModalResult() == ui::mrNone;
            // The editor still holds the refused value: Escape takes it back before Cancel.
            ui::SendKeyStroke(ui::FindFocusedControl(), ui::VK_ESCAPE, 0, 27);
            ui::SendClick(cancel, 5, 5);
        },
    });
    EXPECT_TRUE(openAfterOk);
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.front(), "12x");
    EXPECT_EQ(grid->Cells(1, 1), "10");
    EXPECT_FALSE(grid->GridModified());
    EXPECT_EQ(result, ui::mrCancel);
}

TEST_F(GxGridEditDialog, OkWithAnAcceptedValueStoresItAndCloses)
{
    const ui::TModalResult result = Run({
        [&] { Type("42"); },
        [&] { ui::SendClick(ok, 5, 5); },
    });
    EXPECT_EQ(result, ui::mrOk);
    EXPECT_EQ(grid->Cells(1, 1), "42");
    EXPECT_EQ(reported, (std::vector<std::string>{"42"}));
}

// The dialog in a real window, driven by the display's pointer and keys: a value typed that
// validation refuses, then OK clicked: the dialog stays open and shows the refusal; Escape and
// Cancel close it with the old value kept.
TEST_F(GxGridEditDialog, InARealWindow)
{
    CFG_REAL_WINDOW_TEST();
    dialog.SetCaption("Grid edit");
    dialog.SetBounds(100, 100, 420, 300);
    ok->SetCaption("OK");
    cancel->SetCaption("Cancel");
    auto* refusal = new ui::TLabel(&dialog);
    refusal->SetParent(&dialog);
    refusal->SetBounds(200, 226, 200, 20);
    grid->OnCellValidate = [refusal](TObject*, int, int, std::string& v, bool& valid) {
        valid = v.find_first_not_of("0123456789") == std::string::npos;
        if (!valid)
            refusal->SetCaption("Refused: " + v);
    };
    bool openAfterOk = false;
    // The user's hand inside the modal loop: one tick of a timer runs it all.
    ui::TTimer user(nullptr);
    user.SetInterval(50);
    user.OnTimer = [&](ui::TObject*) {
        user.SetEnabled(false);
        ASSERT_TRUE(realinput::WaitShown(dialog));
        testsupport::Shot("50_grid_edit_dialog");
        // The pointer over the window (whose keys then go there); the first key opens the editor
        // of the current cell and replaces its text.
        const ui::TRect cell = grid->CellRect(1, 1);
        realinput::MoveTo(grid, cell.Left + 5, cell.Top + 5);
        realinput::Type("12x");
        testsupport::Shot("51_value_typed");
        realinput::Click(ok, ok->Width() / 2, ok->Height() / 2);
        testsupport::Shot("52_ok_refused");
        openAfterOk = dialog.ModalResult() == ui::mrNone && dialog.Visible();
        EXPECT_EQ(refusal->Caption(), "Refused: 12x");
        realinput::Keys("Escape");
        realinput::Click(cancel, cancel->Width() / 2, cancel->Height() / 2);
    };
    dialog.OnShow = [this](ui::TObject*) { grid->SetFocus(); };
    ui::TTimer limit(nullptr);
    limit.SetInterval(60000);
    limit.OnTimer = [&](ui::TObject*) { dialog.SetModalResult(ui::mrAbort); };
    const ui::TModalResult result = dialog.ShowModal();
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(grid->Cells(1, 1), "10");
}

}  // namespace
}  // namespace gx
