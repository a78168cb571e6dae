// The BACnet server objects in their window (offscreen): rows by the name length of the settings,
// texts and hints, the unit picker on a double click and its own lists, the Length a write Data
// Type brings, and the EDE export's entry saying why no file was written.
#include <gtest/gtest.h>

#include <functional>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/modbus_s7_bacnet/UBACnetSlaveSetAccess.h"
#include "tables/modbus_s7_bacnet/UBACnet_EDE_File.h"

namespace {

// The picker shown "modally" by the test: its show, the test's steps, and the result they leave.
class TScriptedPicker : public TFBACnet_Eng_Unit {
public:
    using TFBACnet_Eng_Unit::TFBACnet_Eng_Unit;
    std::function<ui::TModalResult(TScriptedPicker&)> Steps;
    ui::TModalResult ShowModal() override
    {
        FormShow(this);
        return Steps ? Steps(*this) : ui::mrCancel;
    }
};

class BACnetSlaveDialog : public frametest::TableFrameTest<TFBACnetSlaveSetAccess> {
protected:
    BACnetSlaveDialog() : TableFrameTest(File_BACnet_Slave, "BACnet_Slave.xml"), savedParGen_(File_ParGen)
    {
        File_ParGen = dir.File("ParGen.xml");
        picker = std::make_unique<TScriptedPicker>(nullptr);
        form->Eng_Unit_Dialog = picker.get();
    }
    ~BACnetSlaveDialog() override { File_ParGen = savedParGen_; }
    void Double_Click(int g, int row, int col) { form->DblClickCell(Grid(g), row, Grid(g)->DisplColIndex(col)); }

    std::unique_ptr<TScriptedPicker> picker;

private:
    std::string savedParGen_;
};

TEST_F(BACnetSlaveDialog, LayoutTextsAndRowsByNameLength)
{
    ExpectFrameLayout(764, 337);
    EXPECT_EQ(form->Caption(), "BACnet Set Access");
    EXPECT_EQ(form->TS_BACnet_in_Write->Caption(), "BACnet in Write");
    EXPECT_EQ(form->Btn_OK->Hint(), "Confirm and save the SNMP Trap List");
    EXPECT_TRUE(form->ACG_BACnet_in_Read->IsHiddenColumn(6));
    EXPECT_EQ(form->ACG_BACnet_in_Write->Columns()->Items(1)->ComboItems[0], "Analog Out");
    Show();
    EXPECT_EQ(form->ACG_BACnet_in_Read->RowCount(), 2001);
    EXPECT_FALSE(form->Desc_Lenght());
    EXPECT_EQ(form->ACG_BACnet_in_Write->Columns()->Items(3)->ComboItems.Count(), 1500);
    testsupport::WriteFile(File_ParGen, "<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>");
    Show();
    EXPECT_TRUE(form->Desc_Lenght());
    for (int g : {0, 1}) {
        EXPECT_EQ(Grid(g)->RowCount(), 1001) << g;
        EXPECT_EQ(Cell(0, 1000, g), "1000");
    }
    EXPECT_TRUE(dialogs.Messages.empty()) << "no word about the settings";
}

TEST_F(BACnetSlaveDialog, DoubleClickOnAUnitOpensThePicker)
{
    Show();
    Put(1, {"Analog Input", "62", "0", "", "4", "N", "t"});
    Put(2, {"Analog Input", "x", "0", "", "4", "N", "t"});
    std::string shown, label;
    picker->Steps = [&](TScriptedPicker& p) {
        shown = p.E_Selected_EU->Text();
        label = p.Label5->Caption();
        return ui::mrCancel;
    };
    Double_Click(0, 1, 2);
    EXPECT_EQ(shown, "62");
    EXPECT_EQ(label, "-> degrees-Celsius");
    EXPECT_EQ(Cell(2, 1), "62") << "Cancel leaves the cell";
    Double_Click(0, 2, 2);
    EXPECT_EQ(label, "-> unknown");

    // The group "Other", its 30th unit, Select, OK.
    picker->Steps = [](TScriptedPicker& p) {
        p.CB_Select_Type->UserSelect(22);
        EXPECT_EQ(p.CB_Select_Unit->ItemIndex(), 0) << "a group starts at its first unit";
        p.CB_Select_Unit->SetItemIndex(29);
        p.Btn_Select_Eng_UnitClick(p.Btn_Select_Eng_Unit);
        EXPECT_EQ(p.Label5->Caption(), "-> per-mille");
        return ui::mrOk;
    };
    Double_Click(0, 1, 2);
    EXPECT_EQ(Cell(2, 1), "207");

    // The group chosen stays for the next show; a number typed goes back as it stands.
    picker->Steps = [](TScriptedPicker& p) {
        EXPECT_EQ(p.CB_Select_Type->ItemIndex(), 22);
        EXPECT_EQ(p.CB_Select_Unit->Items()->Count(), 59);
        p.E_Selected_EU->SetText("999");
        return ui::mrOk;
    };
    Put(1, {"Analog Out", "0"}, 1);
    Double_Click(1, 1, 2);
    EXPECT_EQ(Cell(2, 1, 1), "999");

    int opened = 0;
    picker->Steps = [&](TScriptedPicker&) {
        ++opened;
        return ui::mrOk;
    };
    Double_Click(0, 1, 5);
    Double_Click(0, 0, 2);
    EXPECT_EQ(opened, 0) << "only a data cell of the unit column";
}

TEST_F(BACnetSlaveDialog, PickerSelectsTheFirstUnitOfAGroup)
{
    picker->CB_Select_Type->UserSelect(16);
    picker->Btn_Select_Eng_UnitClick(picker->Btn_Select_Eng_Unit);
    EXPECT_EQ(picker->E_Selected_EU->Text(), "62");
    EXPECT_EQ(picker->Label5->Caption(), "-> degrees-Celsius");
    EXPECT_EQ(picker->CB_Select_Type->Items()->Count(), 23);
    EXPECT_EQ(picker->ClientWidth(), 548);
    EXPECT_EQ(picker->ClientHeight(), 306);
    EXPECT_EQ(picker->Btn_Select_Eng_Unit->Caption(), "Select Engineering Unit");
    EXPECT_EQ(picker->Btn_OK->ModalResult(), ui::mrOk);
}

TEST_F(BACnetSlaveDialog, WriteDataTypeBringsItsLengthUntilTyped)
{
    Show();
    auto choose = [&](const std::string& type) {
        form->Cells(1).SetCell(1, 3, type);
        form->ACG_BACnet_in_WriteComboChange(form->ACG_BACnet_in_Write, 1, 3, 0, type);
    };
    choose("Binary Out");
    EXPECT_EQ(Cell(5, 3, 1), "1");
    choose("Large Analog Value");
    EXPECT_EQ(Cell(5, 3, 1), "8");
    form->Cells(1).SetCell(5, 3, "3");
    choose("Accumulator");
    EXPECT_EQ(Cell(5, 3, 1), "3") << "a choice without a default leaves the Length";
}

TEST_F(BACnetSlaveDialog, ExportSaysWhyNoFileWasWritten)
{
    const std::string saved = Name_Project;
    Name_Project = "demo";
    Show();
    Put(1, {"Analog Input", "62", "0", "", "4", "N", "a;b"});
    ASSERT_TRUE(Press_OK()) << Last_Message();
    const std::string out = dir.File("objects.csv");
    Save_EDE_File(out);
    EXPECT_EQ(Last_Message(), "Error!! No EDE file was written: row 1 of the table \"BACnet in Read\" holds the "
                              "character \";\", which an EDE file cannot hold.");
    EXPECT_FALSE(std::filesystem::exists(out));
    Put(1, {"Analog Input", "62", "0", "", "4", "N", "a b"});
    ASSERT_TRUE(Press_OK()) << Last_Message();
    dialogs.Messages.clear();
    Save_EDE_File(out);
    EXPECT_TRUE(dialogs.Messages.empty()) << Last_Message();
    EXPECT_NE(testsupport::ReadFile(out).find("\r\n_a b_0;;a b;0;0;a b;62;\r\n"), std::string::npos);
    Name_Project = saved;
}

}  // namespace
