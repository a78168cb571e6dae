#pragma once
// The fixture every rule-table dialog's window test starts from: the dialog of class F created on
// a scratch table file (its File_<table> global pointed there for the test), scripted message
// boxes, and the frame's actions as the user takes them. ExpectFrameLayout checks what the frame
// gives every dialog: title band, button band and the six buttons.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ScratchDir.h"
#include "common/ULanguage.h"
#include "dialogs/UTableFrame.h"
#include "platform/ui/Dialogs.h"

namespace frametest {

template <class F>
class TableFrameTest : public ::testing::Test {
protected:
    TableFrameTest(std::string& fileGlobal, std::string_view fileName) : fileGlobal_(fileGlobal)
    {
        Load_Default_Lang();
        saved_ = fileGlobal_;
        fileGlobal_ = dir.File(fileName);
        form = std::make_unique<F>(nullptr);
    }
    ~TableFrameTest() override
    {
        form.reset();
        fileGlobal_ = saved_;
    }

    void Show() { form->FormShow(form.get()); }
    bool Press_OK()
    {
        form->SetModalResult(ui::mrNone);
        form->Btn_OKClick(form->Btn_OK);
        return form->ModalResult() == ui::mrOk;
    }
    gx::TGxStringGrid* Grid(int g = 0) { return form->Grids[static_cast<std::size_t>(g)]; }
    // Row r of grid g from column 1 on.
    void Put(int r, const std::vector<std::string>& cells, int g = 0)
    {
        for (std::size_t c = 0; c < cells.size(); ++c)
            form->Cells(g).SetCell(static_cast<int>(c) + 1, r, cells[c]);
    }
    std::string Cell(int c, int r, int g = 0) { return form->Cells(g).Cell(c, r); }
    std::filesystem::path File() const { return fileGlobal_; }
    std::string File_Text() const { return testsupport::ReadFile(File()); }
    // The last message box's text, empty when none was shown.
    std::string Last_Message() const { return dialogs.Messages.empty() ? "" : dialogs.Messages.back().Text; }
    // The header hint of real column c (the hint over any other cell is tested per dialog).
    std::string Header_Hint(int c, int g = 0)
    {
        std::string hint = "grid's own";
        form->GridHint(Grid(g), 0, Grid(g)->DisplColIndex(c), hint);
        return hint;
    }

    void ExpectFrameLayout(int clientWidth, int clientHeight)
    {
        EXPECT_EQ(form->ClientWidth(), clientWidth);
        EXPECT_EQ(form->ClientHeight(), clientHeight);
        EXPECT_EQ(form->P_Title->Height(), 69);
        EXPECT_EQ(form->P_Button->Height(), 40);
        EXPECT_EQ(form->L_SW_Code->Caption(), SW_Code);
        controls::TLbButton* buttons[] = {form->Btn_OK,     form->Btn_Cancel,  form->Btn_DelRow,
                                          form->Btn_InsRow, form->Btn_CopyRow, form->Btn_PasteRow};
        const int lefts[] = {16, 134, 252, 370, 488, 606};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(buttons[i]->Parent(), form->P_Button) << i;
            EXPECT_EQ(buttons[i]->Left(), lefts[i]) << i;
            EXPECT_EQ(buttons[i]->Top(), 6) << i;
            EXPECT_EQ(buttons[i]->Width(), 110) << i;
            EXPECT_EQ(buttons[i]->Height(), 28) << i;
        }
        EXPECT_EQ(form->Btn_Cancel->ModalResult(), ui::mrCancel);
        EXPECT_EQ(form->Btn_OK->ModalResult(), ui::mrNone) << "OK closes only after the check and the save";
    }

    testsupport::ScratchDir dir;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<F> form;

private:
    std::string& fileGlobal_;
    std::string saved_;
};

}  // namespace frametest
