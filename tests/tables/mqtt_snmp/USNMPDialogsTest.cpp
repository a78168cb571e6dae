// The SNMP manager and agent dialogs in their windows (offscreen): layout and texts, typing limits,
// hints over the header only, the agent's running numbers following a click on an Enable box, the
// agent's tab kept from one show to the next, and both files written readable by their owner only.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "platform/ui/Input.h"
#include "tables/mqtt_snmp/USNMPManagerAccess.h"
#include "tables/mqtt_snmp/USNMP_Trap_Access.h"

namespace {

unsigned Mode_Of(const std::filesystem::path& file)
{
    struct stat st {};
    EXPECT_EQ(::stat(file.c_str(), &st), 0) << file;
    return st.st_mode & 07777;
}

class SNMPManagerDialog : public frametest::TableFrameTest<TFSNMPManagerAccess> {
protected:
    SNMPManagerDialog() : TableFrameTest(File_SNMP_Manager, "SNMP_Manager.xml") {}
};

TEST_F(SNMPManagerDialog, LayoutTextsAndLimits)
{
    ExpectFrameLayout(1230, 337);
    Show();
    EXPECT_EQ(form->Caption(), "Set SNMP Manager Access");
    EXPECT_EQ(form->ACG_SNMP->RowCount(), 513);
    EXPECT_EQ(form->ACG_SNMP->Cells(14, 0), "Conversion") << "replaces the stored Convertion";
    EXPECT_EQ(form->ACG_SNMP->Columns()->Items(4)->EditLength, 15);
    EXPECT_EQ(form->ACG_SNMP->Columns()->Items(12)->ComboItems.Count(), 1440);
    EXPECT_EQ(form->Hint_SNMP.Count(), 22);
    EXPECT_EQ(Header_Hint(21), "Select the Privacy Mode (only if Security Level is set to \"Auth Priv\"");
    EXPECT_EQ(form->Btn_DelRow->Hint(), "Cancel the selected row");
    std::string hint = "grid's own";
    form->GridHint(Grid(), 1, 2, hint);
    EXPECT_EQ(hint, "") << "no hint over data cells";
    EXPECT_EQ(Cell(1, 512), "Y");
}

TEST_F(SNMPManagerDialog, EmptyOidIsRefusedAndTheFileIsTheOwnersOnly)
{
    Show();
    Put(1, {"Y", "127.0.0.1", "2", "Morvel", "", "Int", "Get", "N", "N", "N", "", "0", "4", "None"});
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message(), "Error row 1!! OID string cannot be empty");
    EXPECT_FALSE(std::filesystem::exists(File()));

    form->Cells(0).SetCell(5, 1, "1.3.6.1.2.1.1.5.0");
    ASSERT_TRUE(Press_OK()) << Last_Message();
    EXPECT_EQ(Mode_Of(File()), 0600u);
    Show();
    EXPECT_EQ(Cell(5, 1), "1.3.6.1.2.1.1.5.0");
}

class SNMPTrapDialog : public frametest::TableFrameTest<TFSNMP_Trap_Access> {
protected:
    SNMPTrapDialog() : TableFrameTest(File_SNMP_Trap, "SNMP_Trap.xml") {}
};

TEST_F(SNMPTrapDialog, LayoutTextsAndLimits)
{
    ExpectFrameLayout(1256, 337);
    Show();
    EXPECT_EQ(form->Caption(), "Set SNMP Trap Access");
    EXPECT_EQ(form->Sheets[1]->Caption(), "SNMP Write");
    EXPECT_EQ(form->ACG_SNMP_Read->RowCount(), 257);
    EXPECT_EQ(form->ACG_SNMP_Write->Cells(8, 0), "Conversion");
    EXPECT_EQ(form->ACG_SNMP_Read->Columns()->Items(11)->EditLength, 15);
    EXPECT_EQ(form->ACG_SNMP_Write->Columns()->Items(2)->EditLength, 15);
    EXPECT_EQ(form->ACG_SNMP_Write->Columns()->Items(4)->ComboItems.Count(), 1440);
    EXPECT_EQ(form->Hint_SNMP_Read.Count(), 14);
    EXPECT_EQ(form->Hint_SNMP_Write.Count(), 9);
    EXPECT_EQ(Header_Hint(8, 1), "Select the Data Conversion from Int to Float");
    EXPECT_EQ(Cell(0, 256), "256") << "every reset row is enabled and numbered";
}

TEST_F(SNMPTrapDialog, ClickOnAnEnableBoxRenumbersTheTable)
{
    form->Show();
    Show();
    dlg::TFrameColumnGrid* grid = form->ACG_SNMP_Read;
    const ui::TRect box = grid->CellRect(1, 2);
    const int x = (box.Left + box.Right) / 2, y = (box.Top + box.Bottom) / 2;
    ui::RouteMouseEvent(grid, ui::WM_LBUTTONDOWN, x, y, ui::MK_LBUTTON);
    ui::RouteMouseEvent(grid, ui::WM_LBUTTONUP, x, y);
    EXPECT_EQ(Cell(1, 2), "N");
    EXPECT_EQ(Cell(0, 1), "1");
    EXPECT_EQ(Cell(0, 2), "");
    EXPECT_EQ(Cell(0, 3), "2");
    form->Hide();
}

TEST_F(SNMPTrapDialog, TabOfTheLastCloseStaysAndTheFileIsTheOwnersOnly)
{
    Show();
    EXPECT_EQ(form->PageControl1->ActivePage(), form->Sheets[0]);
    form->PageControl1->SetActivePage(form->Sheets[1]);
    Put(1, {"Y", "public", "Int", "0", "0", "8", "level", "None", ""}, 1);
    ASSERT_TRUE(Press_OK()) << Last_Message();
    EXPECT_EQ(Mode_Of(File()), 0600u);
    Show();
    EXPECT_EQ(form->PageControl1->ActivePage(), form->Sheets[1]);
    EXPECT_EQ(Cell(7, 1, 1), "level");

    Put(1, {"Y", "public", "Int", "N", "N", "N", "", "0", "0", "8", "level", "127.0.0.1", "None"});
    form->PageControl1->SetActivePage(form->Sheets[1]);
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message(), "Error!! The Descriptions must be all differents");
}

}  // namespace
