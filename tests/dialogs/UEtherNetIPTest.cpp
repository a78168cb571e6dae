// The EtherNet/IP connections dialog and the EDS import dialog on a scratch configuration: layout,
// loading and saving, the data check through OK, the row buttons, the EDS list of the real files
// and the import of a chosen connection into the table.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "GridTyping.h"
#include "TestData.h"
#include "common/UComon.h"
#include "common/ULanguage.h"
#include "dialogs/TableFrameFixture.h"
#include "dialogs/UEtherNetIP_EDS.h"
#include "dialogs/UEtherNetIP_Master_Access.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Input.h"

namespace {

class EtherNetIPDialog : public frametest::TableFrameTest<TFEtherNetIP_Master_Access> {
protected:
    EtherNetIPDialog() : TableFrameTest(File_EtherNetIP_Master_Rules, "EtherNetIP_Master_Rules.xml") {}
    // Fills row r with a connection that passes the check.
    void Fill(int r, const std::string& ip)
    {
        const char* cells[] = {"Y", "", "0", "8", "0", "4", "100", "1", "100", "1", "101", "Default", "Default", "m"};
        for (int c = 1; c <= 14; ++c)
            form->ACG->SetCells(c, r, cells[c - 1]);
        form->ACG->SetCells(2, r, ip);
    }
    std::string File() { return coretest::Read_File(dir / "EtherNetIP_Master_Rules.xml"); }
};

TEST_F(EtherNetIPDialog, LayoutColumnsAndEditors)
{
    TConnGrid* grid = form->ACG;
    EXPECT_EQ(form->ClientWidth(), 1180);
    EXPECT_EQ(grid->ColCount(), 15);
    EXPECT_EQ(grid->RowCount(), 11);
    EXPECT_EQ(grid->Cells(9, 0), "Conn. Point T > O");
    EXPECT_EQ(grid->ColWidths(2), 110);
    EXPECT_FALSE(grid->EnableHTML) << "mnemonics are shown as typed, never as markup";
    EXPECT_EQ(grid->Columns()->Items(1)->Editor(), gx::edDataCheckBox);
    EXPECT_EQ(grid->Columns()->Items(12)->Editor(), gx::edComboEdit);
    EXPECT_EQ(grid->Columns()->Items(13)->ComboItems[0], "Default");
    EXPECT_EQ(grid->Columns()->Items(12)->Color(), ui::RGB(0x91, 0xDE, 0xFF));
    EXPECT_EQ(form->Btn_Import_EDS->Caption(), "Import EDS");
    EXPECT_EQ(form->OD_EDS->Filter, "EtherNet/IP EDS (*.eds)|*.eds");
    std::string hint = "own";
    form->GridHint(grid, 0, 2, hint);
    EXPECT_EQ(hint, "Insert the IP Address of EtherNet/IP Slave");
    hint = "own";
    form->GridHint(grid, 1, 2, hint);
    EXPECT_EQ(hint, "own");
}

// The two Dim Header columns open an editable list offering "Default"; no other column opens a list.
TEST_F(EtherNetIPDialog, DimHeaderCellsOfferDefault)
{
    Show();
    for (int c = 2; c <= 14; ++c) {
        const std::vector<std::string> want =
            c == 12 || c == 13 ? std::vector<std::string>{"Default"} : std::vector<std::string>{};
        EXPECT_EQ(gridtest::Combo_Items_Of(form->ACG, c, 3), want) << "column " << c;
    }
}

// With "jump into next field" on, Enter moves on from every text and list cell of a row, with the
// cell's editor closed or open; what the open editor holds stays in the cell.
TEST_F(EtherNetIPDialog, EnterWalksOnFromListCellsAsFromAnyOther)
{
    const bool savedJump = Enable_Jump_Field;
    Enable_Jump_Field = true;
    Show();
    TConnGrid* grid = form->ACG;
    for (bool open : {false, true}) {
        for (int c = 2; c <= 14; ++c) {
            SCOPED_TRACE((open ? "open editor, column " : "closed editor, column ") + std::to_string(c));
            grid->HideInplaceEdit();
            grid->MoveToCell(c, 2);
            grid->SetFocus();
            if (open) {
                grid->ShowInplaceEdit();
                ASSERT_TRUE(grid->EditMode());
                if (grid->EditorMode())
                    grid->InplaceEditor()->SetText("7");
                else
                    grid->Combobox()->SetText("7");
            }
            ui::SendKeyStroke(form.get(), ui::VK_RETURN, 0, U'\r');
            EXPECT_EQ(grid->Col(), c == 14 ? 1 : c + 1);
            EXPECT_EQ(grid->Row(), c == 14 ? 3 : 2);
            EXPECT_FALSE(grid->EditMode());
            if (open) {
                EXPECT_EQ(grid->Cells(c, 2), "7");
            }
        }
    }
    Enable_Jump_Field = savedJump;
}

TEST_F(EtherNetIPDialog, MissingFileGivesEnabledEmptyRowsAndAnEmptyFile)
{
    Show();
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(form->ACG->Cells(1, r), "Y");
        EXPECT_EQ(form->ACG->Cells(2, r), "");
        EXPECT_TRUE(form->ACG->IsChecked(1, r));
    }
    ASSERT_TRUE(Press_OK());
    EXPECT_EQ(File(), "<EtherNetIP_Master_Access/><!--SW_VERSION = 1.000-->");
}

TEST_F(EtherNetIPDialog, SavesLoadsAndSavesTheSameBytes)
{
    Show();
    Fill(1, "127.0.0.1");
    Fill(2, "127.0.0.2");
    form->ACG->SetCells(14, 2, "a <b> & \"c\"");
    form->ACG->SetCells(1, 2, "N");
    ASSERT_TRUE(Press_OK());
    const std::string first = File();
    form = std::make_unique<TFEtherNetIP_Master_Access>(nullptr);
    Show();
    EXPECT_EQ(form->ACG->Cells(14, 2), "a <b> & \"c\"");
    EXPECT_FALSE(form->ACG->IsChecked(1, 2));
    ASSERT_TRUE(Press_OK());
    EXPECT_EQ(File(), first);
}

TEST_F(EtherNetIPDialog, FailedCheckShowsTheRuleAndWritesNothing)
{
    Show();
    Fill(1, "127.0.0.1");
    form->ACG->SetCells(7, 1, "0");
    EXPECT_FALSE(Press_OK());
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, "Error row 1!! Poll Time must be between 1 and 100000000");
    EXPECT_FALSE(std::filesystem::exists(dir / "EtherNetIP_Master_Rules.xml"));
    form->ACG->SetCells(7, 1, "100");
    form->ACG->SetCells(4, 1, "1439");
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(dialogs.Messages.back().Text, "Error!! The Total Number of Input Bytes must be between 0 and 1438");
    form->ACG->SetCells(4, 1, "8");
    form->ACG->SetCells(2, 4, "127.0.0.4");  // typed after an empty row: saving would drop it
    EXPECT_FALSE(Press_OK());
    EXPECT_FALSE(std::filesystem::exists(dir / "EtherNetIP_Master_Rules.xml"));
}

TEST_F(EtherNetIPDialog, RowButtons)
{
    Show();
    Fill(1, "127.0.0.1");
    Fill(2, "127.0.0.2");
    form->ACG->SetRow(2);
    dialogs.MessageAnswers = {ui::mrYes};
    form->Btn_DelRowClick(form->Btn_DelRow);
    EXPECT_EQ(dialogs.Messages.back().Text, "Are you sure to delete the Row number 2");
    EXPECT_EQ(form->ACG->Cells(2, 2), "");
    EXPECT_EQ(form->ACG->Cells(1, 10), "");
    form->ACG->SetRow(1);
    form->Btn_InsRowClick(form->Btn_InsRow);
    EXPECT_EQ(form->ACG->Cells(1, 1), "Y");
    EXPECT_EQ(form->ACG->Cells(2, 2), "127.0.0.1");
    form->Btn_PasteRowClick(form->Btn_PasteRow);
    EXPECT_EQ(dialogs.Messages.back().Text, "Error!!! Copy a valid row before Paste it");
    form->ACG->SetRow(2);
    form->Btn_CopyRowClick(form->Btn_CopyRow);
    form->ACG->SetRow(1);
    form->Btn_PasteRowClick(form->Btn_PasteRow);
    EXPECT_EQ(form->ACG->Cells(2, 1), "127.0.0.1");
}

TEST_F(EtherNetIPDialog, ImportFillsTheFirstFreeRowOnly)
{
    Show();
    Fill(1, "127.0.0.1");
    form->ACG->SetCells(8, 2, "5");  // an Instance T > O already typed: row 2 is in use
    core::TConnData conn;
    conn.InstanceOT = 150;
    conn.ConnPointOT = 151;
    conn.InstanceTO = 152;
    conn.ConnPointTO = 153;
    conn.DimHeaderOT = 4;
    conn.DimHeaderTO = 3;
    ASSERT_TRUE(form->Import_Connection(conn));
    std::string row;
    for (int c = 8; c <= 13; ++c)
        row += form->ACG->Cells(c, 3) + " ";
    EXPECT_EQ(row, "152 153 150 151 3 Default ");
    EXPECT_EQ(form->ACG->Cells(2, 3), "");
    for (int r = 4; r <= 10; ++r)
        Fill(r, "127.0.0." + std::to_string(r));
    EXPECT_FALSE(form->Import_Connection(conn));
    EXPECT_TRUE(dialogs.Messages.empty());
}

class EdsDialog : public ::testing::Test {
protected:
    EdsDialog()
    {
        Load_Default_Lang();
        form = std::make_unique<TFEtherNEtIP_EDS>(nullptr);
    }
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<TFEtherNEtIP_EDS> form;
};

TEST_F(EdsDialog, ListsTheConnectionsOfARealFile)
{
    CFG_TESTDATA_FILE(file, "eds/opener_sample_app.eds");
    form->EDS_FileName = file.string();
    form->FormShow(form.get());
    EXPECT_FALSE(form->TClose->Enabled());
    ASSERT_EQ(form->ACG->RowCount(), 4);
    EXPECT_EQ(form->ACG->Cells(0, 0), "Connection");
    EXPECT_EQ(form->ACG->Cells(0, 2), "Connection2");
    EXPECT_EQ(form->ACG->Cells(1, 2), "\"Input Only\"");
    EXPECT_EQ(form->ACG->Cells(7, 2), "3");
    EXPECT_EQ(form->ACG->Cells(8, 2), "Default");
    EXPECT_EQ(form->ACG->Row(), 1);
    EXPECT_EQ(form->ACG->LeftCol(), 0);
    EXPECT_EQ(form->ACG->ColWidths(1), 200);
    EXPECT_FALSE(form->ACG->CanEditCell(1, 1));
    EXPECT_FALSE(form->ACG->EnableHTML) << "names and help strings are shown as the file has them";
}

TEST_F(EdsDialog, FileWithoutConnectionsReportsAndCancels)
{
    coretest::TScratchDir dir;
    coretest::Write_File(dir / "none.eds", "[File]\nDescText = \"no connections\";\n");
    for (const std::string name : {"none.eds", "missing.eds"}) {
        form->EDS_FileName = (dir / name).string();
        form->FormShow(form.get());
        EXPECT_EQ(form->ACG->RowCount(), 2);
        ASSERT_TRUE(form->TClose->Enabled());
        form->SetModalResult(ui::mrNone);
        form->TCloseTimer(form->TClose);
        EXPECT_FALSE(form->TClose->Enabled());
        EXPECT_EQ(form->ModalResult(), ui::mrCancel);
        ASSERT_FALSE(dialogs.Messages.empty());
        EXPECT_EQ(dialogs.Messages.back().Text.rfind("Error!! No Valid Connection found", 0), 0u) << name;
    }
}

}  // namespace
