// The EtherCAT variables dialog on a scratch configuration: loading into both grids, the type rule
// and positions driven through the grid (choosing a type, typing in a cell, ticking a box), the row
// buttons, the check before saving and the saved file.
#include "dialogs/UEtherCATSlave.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "CoreTestSupport.h"
#include "GridTyping.h"
#include "common/UComon.h"
#include "common/ULanguage.h"
#include "dialogs/TableFrameFixture.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Input.h"

namespace {

using core::TEtherCAT_Direction;

const char* const Sample =
    "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
    "<row Enable=\"Y\" Type=\"String\" Length=\"20\" Name=\"Label\" InitValue=\"abc\" Position=\"0\" BitStart=\"0\" "
    "Mnemonic=\"m\"/>"
    "<row Enable=\"Y\" Type=\"UInt32\" Length=\"4\" Name=\"Count\" InitValue=\"\" Position=\"9\" BitStart=\"9\" "
    "Mnemonic=\"\"/>"
    "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>"
    "<row Enable=\"n\" Type=\"Bool\" Length=\"1\" Name=\"A\" Position=\"0\" BitStart=\"0\" Mnemonic=\"\"/>"
    "<row Enable=\"N\" Type=\"Bool\" Length=\"1\" Name=\"B\" Position=\"0\" BitStart=\"0\" Mnemonic=\"\"/>"
    "<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"C\" Position=\"0\" BitStart=\"0\" Mnemonic=\"\"/>"
    "<row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"D\" Position=\"0\" BitStart=\"0\" Mnemonic=\"\"/>"
    "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave><!--SW_VERSION = 1.000-->";

class EtherCATSlaveDialog : public frametest::TableFrameTest<TFEtherCATSlave> {
protected:
    EtherCATSlaveDialog() : TableFrameTest(File_EtherCAT_Slave, "EtherCAT_Slave.xml") {}
    // Position and start bit of a row of a grid, as "pos.bit".
    static std::string Place(TVarGrid* grid, int posCol, int row)
    {
        return grid->Cells(posCol, row) + "." + grid->Cells(posCol + 1, row);
    }
};

TEST_F(EtherCATSlaveDialog, LayoutHeadersAndHints)
{
    EXPECT_EQ(form->ClientWidth(), 1200);
    EXPECT_EQ(form->ClientHeight(), 337);
    EXPECT_EQ(form->GSG_SlaveMaster->ColCount(), 9);
    EXPECT_EQ(form->GSG_MasterSlave->ColCount(), 8);
    EXPECT_EQ(form->GSG_SlaveMaster->RowCount(), 257);
    EXPECT_EQ(form->GSG_SlaveMaster->ColWidths(4), 280);
    for (auto* grid : {form->GSG_SlaveMaster, form->GSG_MasterSlave})
        EXPECT_FALSE(grid->EnableHTML) << "names and mnemonics are shown as typed, never as markup";
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TS_SlaveToMaster);
    EXPECT_EQ(form->TS_MasterToSlave->Caption(), "Master To Slave");
    form->Set_Lang();
    std::string headers;
    for (int c = 0; c < 8; ++c)
        headers += form->GSG_MasterSlave->Cells(c, 0) + "|";
    EXPECT_EQ(headers, "N|Enable|Type|Length|Name|Position|Start Bit|Mnemonic|");
    EXPECT_EQ(form->VarType.Count(), 9);
    std::string hint = "x";
    form->GridHint(form->GSG_SlaveMaster, 1, 2, hint);
    EXPECT_EQ(hint, "");
    form->GridHint(form->GSG_SlaveMaster, 0, 2, hint);
    EXPECT_EQ(hint, form->Hint_StM[1]);
    EXPECT_FALSE(hint.empty());
    gx::TEditorType editor = gx::edNormal;
    form->GSG_SlaveMasterGetEditorType(form->GSG_SlaveMaster, 2, 1, editor);
    EXPECT_EQ(editor, gx::edComboList);
}

TEST_F(EtherCATSlaveDialog, LoadsBothTablesAndComputesPositions)
{
    coretest::Write_File(dir / "EtherCAT_Slave.xml", Sample);
    Show();
    TVarGrid* stm = form->GSG_SlaveMaster;
    TVarGrid* mts = form->GSG_MasterSlave;
    EXPECT_EQ(stm->Cells(3, 1), "20");
    EXPECT_FALSE(stm->ReadOnly(3, 1));  // String: the engineer sets the length
    EXPECT_TRUE(stm->ReadOnly(3, 2));
    EXPECT_EQ(stm->Cells(5, 1), "abc");
    EXPECT_EQ(Place(stm, 6, 2), "20.0");
    EXPECT_TRUE(mts->IsChecked(1, 1));  // only exactly "N" unticks
    EXPECT_FALSE(mts->IsChecked(1, 2));
    EXPECT_EQ(Place(mts, 5, 2), "0.0");
    EXPECT_EQ(Place(mts, 5, 3), "0.1");
    EXPECT_EQ(Place(mts, 5, 4), "1.0");
    EXPECT_TRUE(mts->ReadOnly(3, 4));
    EXPECT_TRUE(stm->IsChecked(1, 3));  // empty rows start ticked
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(EtherCATSlaveDialog, TypeRuleAndPositionsFollowWhatTheUserDoes)
{
    Show();
    TVarGrid* grid = form->GSG_SlaveMaster;
    form->GSG_SlaveMasterComboChange(grid, 2, 1, 8, "String");
    EXPECT_EQ(grid->Cells(2, 1), "String");
    EXPECT_EQ(grid->Cells(3, 1), "10");
    EXPECT_FALSE(grid->ReadOnly(3, 1));
    form->GSG_SlaveMasterComboChange(grid, 2, 1, 2, "Int16");
    EXPECT_EQ(grid->Cells(3, 1), "2");
    EXPECT_TRUE(grid->ReadOnly(3, 1));

    // The grid's editor path: a type typed into the Type cell, a length typed into a String row.
    gridtest::Type_Into_Cell(grid, 2, 1, "String");
    gridtest::Type_Into_Cell(grid, 3, 1, "20");
    gridtest::Type_Into_Cell(grid, 2, 2, "UInt32");
    EXPECT_EQ(grid->Cells(3, 2), "4");
    EXPECT_EQ(Place(grid, 6, 2), "20.0");
    gridtest::Type_Into_Cell(grid, 2, 2, "uint32");  // not one of the names: the cell keeps its type
    EXPECT_EQ(grid->Cells(2, 2), "UInt32");
    grid->SetCol(6);
    grid->SetEditorMode(true);  // computed cells take no editor
    EXPECT_FALSE(grid->EditorMode());

    // Unticking the String row moves the UInt32 to the front.
    grid->SetCol(1);  // the click that toggles a box makes its cell current first
    grid->SetRow(1);
    ASSERT_TRUE(Toggle_Cell_Check(grid, 1, 1));
    form->GSG_SlaveMasterCheckBoxChange(grid, 1, 1, false);
    EXPECT_EQ(Place(grid, 6, 1), "0.0");
    EXPECT_EQ(Place(grid, 6, 2), "0.0");
}

TEST_F(EtherCATSlaveDialog, SavedFileLoadsBackByteForByte)
{
    Show();
    TVarGrid* grid = form->GSG_MasterSlave;
    form->PageControl1->SetActivePage(form->TS_MasterToSlave);
    const char* types[] = {"Bool", "Bool", "Int8", "String", "Float32"};
    for (int r = 1; r <= 5; ++r) {
        form->GSG_SlaveMasterComboChange(grid, 2, r, 0, types[r - 1]);
        grid->SetCells(4, r, "Var <" + std::to_string(r) + "> & \"x\"");
    }
    ASSERT_TRUE(Press_OK());
    const std::string first = coretest::Read_File(dir / "EtherCAT_Slave.xml");
    EXPECT_NE(first.find("Type=\"Float32\" Length=\"4\" Name=\"Var &lt;5> &amp; &quot;x&quot;\" Position=\"12\""),
              std::string::npos);
    form = std::make_unique<TFEtherCATSlave>(nullptr);
    Show();
    EXPECT_EQ(form->GSG_MasterSlave->Cells(4, 2), "Var <2> & \"x\"");
    ASSERT_TRUE(Press_OK());
    EXPECT_EQ(coretest::Read_File(dir / "EtherCAT_Slave.xml"), first);
}

TEST_F(EtherCATSlaveDialog, RowsThatSavingWouldDropKeepTheDialogOpen)
{
    coretest::Write_File(dir / "EtherCAT_Slave.xml", Sample);
    Show();
    TVarGrid* grid = form->GSG_SlaveMaster;
    grid->SetCells(4, 4, "typed after a gap");
    EXPECT_FALSE(Press_OK());
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_NE(dialogs.Messages[0].Text.find('3'), std::string::npos);  // names the empty row
    EXPECT_EQ(coretest::Read_File(dir / "EtherCAT_Slave.xml"), Sample);
    grid->SetCells(4, 4, "");
    grid->SetCells(3, 1, "300");  // a String length one byte cannot carry
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(coretest::Read_File(dir / "EtherCAT_Slave.xml"), Sample);
    grid->SetCells(3, 1, "255");
    EXPECT_TRUE(Press_OK());
}

TEST_F(EtherCATSlaveDialog, RowButtons)
{
    coretest::Write_File(dir / "EtherCAT_Slave.xml", Sample);
    Show();
    TVarGrid* stm = form->GSG_SlaveMaster;
    stm->SetRow(1);
    form->Btn_CopyRowClick(form->Btn_CopyRow);
    EXPECT_TRUE(form->Do_Copy_StM);
    EXPECT_FALSE(form->Do_Copy_MtS);
    stm->SetRow(3);
    form->Btn_PasteRowClick(form->Btn_PasteRow);
    EXPECT_EQ(stm->Cells(2, 3), "String");
    EXPECT_EQ(stm->Cells(3, 3), "20");  // a pasted String keeps its Length
    EXPECT_FALSE(stm->ReadOnly(3, 3));
    EXPECT_EQ(Place(stm, 6, 3), "24.0");

    form->PageControl1->SetActivePage(form->TS_MasterToSlave);
    form->Btn_PasteRowClick(form->Btn_PasteRow);  // nothing copied from this table
    EXPECT_EQ(dialogs.Messages.back().Text, "Error!!! Copy a valid row before Paste it");

    form->PageControl1->SetActivePage(form->TS_SlaveToMaster);
    stm->SetRow(2);
    dialogs.MessageAnswers = {ui::mrNo};
    form->Btn_DelRowClick(form->Btn_DelRow);
    EXPECT_EQ(dialogs.Messages.back().Text, "Are you sure to delete the Row number 2");
    EXPECT_EQ(stm->Cells(2, 2), "UInt32");
    dialogs.MessageAnswers = {ui::mrYes};
    form->Btn_DelRowClick(form->Btn_DelRow);
    EXPECT_EQ(stm->Cells(2, 2), "String");
    EXPECT_EQ(Place(stm, 6, 2), "20.0");
    EXPECT_TRUE(stm->IsChecked(1, 256));

    form->Btn_InsRowClick(form->Btn_InsRow);
    EXPECT_EQ(stm->Cells(2, 2), "");
    EXPECT_TRUE(stm->IsChecked(1, 2));
    EXPECT_FALSE(stm->ReadOnly(2, 2));
    EXPECT_TRUE(stm->ReadOnly(6, 2));
    EXPECT_EQ(stm->Cells(2, 3), "String");
}

}  // namespace

TEST_F(EtherCATSlaveDialog, AClickOnAnEnableBoxTogglesItAndMovesThePositions)
{
    coretest::Write_File(dir / "EtherCAT_Slave.xml", Sample);
    form->Show();
    Show();
    TVarGrid* grid = form->GSG_SlaveMaster;
    const ui::TRect box = grid->CellRect(1, 1);
    const int x = (box.Left + box.Right) / 2, y = (box.Top + box.Bottom) / 2;
    for (bool ticked : {false, true}) {
        ui::RouteMouseEvent(grid, ui::WM_LBUTTONDOWN, x, y, ui::MK_LBUTTON);
        ui::RouteMouseEvent(grid, ui::WM_LBUTTONUP, x, y);
        bool state = !ticked;
        EXPECT_TRUE(grid->GetCheckBoxState(1, 1, state));
        EXPECT_EQ(state, ticked);
        EXPECT_EQ(Place(grid, 6, 2), ticked ? "20.0" : "0.0");
    }
    form->Hide();
}
