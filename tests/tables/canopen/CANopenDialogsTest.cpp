// The three CANopen table dialogs in their windows (offscreen), one suite over all of them: the
// layout and texts each Part gives, two tab sheets with the first active at every show, OK with
// its check (the broken rule's tab brought forward) and the save, the row buttons on the active
// tab, copy and paste kept within one tab, the column-0 click and header hints, a language change.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/canopen/USet_PDO_Access.h"
#include "tables/canopen/USet_SDO_Client_Access.h"
#include "tables/canopen/USet_SDO_Server_Access.h"

namespace {

// What a dialog's Part says of its window, a good row of each table (from column 1) and a bad row
// of the second table.
struct TDialogCase {
    int Width, Rows;
    std::array<int, 2> Cols;
    std::string Caption;
    std::array<std::string, 2> Tabs;
    int Header_Col;  // a column of the second table whose header and hint are checked
    std::string Header, Header_Hint;
    int Header_Number;
    std::array<std::vector<std::string>, 2> Good_Rows;
    std::vector<std::string> Bad_Row;
    std::string Bad_Message;  // for row 1 of the second table
};

struct PDO {
    using Form = TFSet_PDO_Access;
    static std::string& File() { return File_PDO_CANopen; }
    static constexpr std::string_view File_Name = "PDO_CANopen.xml";
    static TDialogCase Case()
    {
        return {
            .Width = 798,
            .Rows = 30,
            .Cols = {13, 14},
            .Caption = "Set PDO Access",
            .Tabs = {"Receive PDO", "Transmit PDO"},
            .Header_Col = 12,
            .Header = "On Change",
            .Header_Hint = "Enable or Disable the possibility to send the CANopen PDO Frame if a Data Byte changes",
            .Header_Number = 2641,
            .Good_Rows = {std::vector<std::string>{"0x201", "2", "0", "1", "", "", "", "", "", "", "100", "in"},
                          std::vector<std::string>{"0x181", "1", "5", "", "", "", "", "", "", "", "50", "Y", "out"}},
            .Bad_Row = {"0x181", "1", "5", "", "", "", "", "", "", "", "100000001", "N", "out"},
            .Bad_Message = "Error row 1!! [Transmit PDO] Send Time must be between 0 and 100000000"};
    }
};

struct SDOClient {
    using Form = TFSet_SDO_Client_Access;
    static std::string& File() { return File_SDO_Client_CANopen; }
    static constexpr std::string_view File_Name = "SDO_Client_CANopen.xml";
    static TDialogCase Case()
    {
        return {.Width = 798,
                .Rows = 256,
                .Cols = {11, 12},
                .Caption = "Set SDO Client Access",
                .Tabs = {"SDO Read", "SDO Write"},
                .Header_Col = 7,
                .Header = "Add Byte1",
                .Header_Hint = "Insert the position of array where put the byte 1 of CANopen SDO Request",
                .Header_Number = 2734,
                .Good_Rows = {std::vector<std::string>{"5", "0x6041", "0", "2", "100", "10", "11", "", "", "status"},
                              std::vector<std::string>{"5", "0x6040", "0", "1", "0", "Y", "20", "", "", "", "control"}},
                .Bad_Row = {"5", "0x6040", "0", "2", "0", "Y", "20", "", "", "", "control"},
                .Bad_Message = "Error row 1!! [SDO Write] Address Byte2 must be between 0 and 1499"};
    }
};

struct SDOServer {
    using Form = TFSet_SDO_Server_Access;
    static std::string& File() { return File_SDO_Server_CANopen; }
    static constexpr std::string_view File_Name = "SDO_Server_CANopen.xml";
    static TDialogCase Case()
    {
        return {.Width = 749,
                .Rows = 500,
                .Cols = {9, 9},
                .Caption = "Set SDO Server Access",
                .Tabs = {"SDO in Read", "SDO in Write"},
                .Header_Col = 4,
                .Header = "Add Byte1",
                .Header_Hint = "Insert the position of array where write the byte 1 of CANopen SDO Request",
                .Header_Number = 2829,
                .Good_Rows = {std::vector<std::string>{"0x2000", "1", "4", "0", "1", "2", "3", "speed"},
                              std::vector<std::string>{"0x2001", "1", "2", "4", "5", "", "", "set point"}},
                .Bad_Row = {"0x2000", "1", "2", "4", "5", "", "", "set point"},
                .Bad_Message =
                    "Error row 1!! [SDO in Write] Index and SubIndex are already used in [SDO in Read] row 1"};
    }
};

template <class T>
class CANopenDialog : public frametest::TableFrameTest<typename T::Form> {
protected:
    CANopenDialog() : frametest::TableFrameTest<typename T::Form>(T::File(), T::File_Name) {}
    const TDialogCase c = T::Case();
    void Put_Good_Rows()
    {
        this->Put(1, c.Good_Rows[0], 0);
        this->Put(1, c.Good_Rows[1], 1);
    }
};

using Dialogs = ::testing::Types<PDO, SDOClient, SDOServer>;

class DialogName {
public:
    template <class T>
    static std::string GetName(int)
    {
        return std::string(T::File_Name.substr(0, T::File_Name.find('.')));
    }
};

TYPED_TEST_SUITE(CANopenDialog, Dialogs, DialogName);

TYPED_TEST(CANopenDialog, LayoutTextsAndHints)
{
    const TDialogCase& c = this->c;
    auto& form = *this->form;
    this->ExpectFrameLayout(c.Width, 337);
    EXPECT_EQ(form.Caption(), c.Caption);
    EXPECT_EQ(form.L_SW_Desc->Caption(), c.Caption);
    ASSERT_NE(form.PageControl1, nullptr);
    EXPECT_EQ(form.Sheets[0]->Caption(), c.Tabs[0]);
    EXPECT_EQ(form.Sheets[1]->Caption(), c.Tabs[1]);
    EXPECT_EQ(form.sga->Name(), "sga");
    EXPECT_EQ(form.sgb->Name(), "sgb");
    for (int g = 0; g < 2; ++g) {
        EXPECT_EQ(this->Grid(g)->RowCount(), c.Rows + 1) << g;
        EXPECT_EQ(this->Grid(g)->ColCount(), c.Cols[static_cast<std::size_t>(g)]) << g;
        EXPECT_EQ(form.Hint_Lists[static_cast<std::size_t>(g)].Count(), c.Cols[static_cast<std::size_t>(g)] - 1) << g;
        EXPECT_EQ(this->Grid(g)->Cells(0, 0), "N");
    }
    EXPECT_EQ(form.sgb->Cells(c.Header_Col, 0), c.Header);
    EXPECT_EQ(this->Header_Hint(c.Header_Col, 1), c.Header_Hint);
    EXPECT_EQ(form.Btn_PasteRow->Hint(), "Paste the Copied Fields in the Selected Row");
}

TYPED_TEST(CANopenDialog, ShowOkAndTheNextShowLoadTheSame)
{
    const TDialogCase& c = this->c;
    auto& form = *this->form;
    this->Show();
    EXPECT_EQ(form.PROFINET_NByte_IN(), 1500);
    EXPECT_EQ(form.PROFINET_NByte_OUT(), 1500);
    this->Put_Good_Rows();
    form.Cells(1).SetCell(1, 5, "typed");
    form.PageControl1->SetActivePage(form.Sheets[1]);
    this->Show();
    EXPECT_EQ(form.PageControl1->ActivePage(), form.Sheets[0]) << "every show opens the first tab";
    EXPECT_EQ(this->Cell(1, 5, 1), "") << "every show discards the edits of the last";
    EXPECT_EQ(this->Cell(0, c.Rows, 1), std::to_string(c.Rows));
    this->Put_Good_Rows();
    ASSERT_TRUE(this->Press_OK()) << this->Last_Message();
    const std::string first = this->File_Text();
    this->Show();
    for (int g = 0; g < 2; ++g)
        for (std::size_t k = 0; k < c.Good_Rows[static_cast<std::size_t>(g)].size(); ++k)
            EXPECT_EQ(this->Cell(static_cast<int>(k) + 1, 1, g), c.Good_Rows[static_cast<std::size_t>(g)][k]) << k;
    ASSERT_TRUE(this->Press_OK());
    EXPECT_EQ(this->File_Text(), first);
    EXPECT_TRUE(this->dialogs.Messages.empty());
}

TYPED_TEST(CANopenDialog, BrokenRuleKeepsTheDialogOpenAndTheFileUntouched)
{
    const TDialogCase& c = this->c;
    auto& form = *this->form;
    this->Show();
    this->Put(1, c.Good_Rows[0], 0);
    this->Put(1, c.Bad_Row, 1);
    EXPECT_FALSE(this->Press_OK());
    EXPECT_EQ(this->Last_Message(), c.Bad_Message);
    EXPECT_EQ(form.PageControl1->ActivePage(), form.Sheets[1]) << "the broken row's tab is brought forward";
    EXPECT_FALSE(std::filesystem::exists(this->File()));
    EXPECT_EQ(this->Cell(1, 1, 1), c.Bad_Row[0]) << "the edits stay";
}

TYPED_TEST(CANopenDialog, RowButtonsWorkOnTheActiveTab)
{
    const TDialogCase& c = this->c;
    auto& form = *this->form;
    this->Show();
    this->Put(1, c.Good_Rows[0], 0);
    this->Put(3, c.Good_Rows[1], 1);
    form.PageControl1->SetActivePage(form.Sheets[1]);
    form.sgb->SetRow(3);
    form.Btn_CopyRowClick(form.Btn_CopyRow);
    form.sgb->SetRow(4);
    form.Btn_PasteRowClick(form.Btn_PasteRow);
    EXPECT_EQ(this->Cell(1, 4, 1), c.Good_Rows[1][0]);
    // Pasting the row on the other tab is refused.
    form.PageControl1->SetActivePage(form.Sheets[0]);
    form.sga->SetRow(2);
    form.Btn_PasteRowClick(form.Btn_PasteRow);
    EXPECT_EQ(this->Last_Message(), "Error!!! Copy a valid row before Paste it");
    EXPECT_EQ(this->Cell(1, 2, 0), "");
    // Delete asks the dialog's question and moves the rows below up; insert opens an empty row.
    form.sga->SetRow(1);
    this->dialogs.MessageAnswers.push_back(ui::IDYES);
    form.Btn_DelRowClick(form.Btn_DelRow);
    EXPECT_EQ(this->Last_Message(), "Are you sure to delete the Row number 1");
    EXPECT_EQ(this->Cell(1, 1, 0), "");
    EXPECT_EQ(this->Cell(0, 1, 0), "1");
    form.PageControl1->SetActivePage(form.Sheets[1]);
    form.sgb->SetRow(3);
    form.Btn_InsRowClick(form.Btn_InsRow);
    EXPECT_EQ(this->Cell(1, 3, 1), "");
    EXPECT_EQ(this->Cell(1, 4, 1), c.Good_Rows[1][0]);
    EXPECT_EQ(this->Cell(1, 5, 1), c.Good_Rows[1][0]);
}

TYPED_TEST(CANopenDialog, ColumnZeroClickSelectsTheRowOfThatGridAndHintsOnlyOverHeaders)
{
    auto& form = *this->form;
    this->Show();
    form.sga->SelectRows(2, 1);
    ASSERT_TRUE(form.sgb->OnCellClick);
    form.sgb->OnCellClick(form.sgb, 4, 0);
    EXPECT_TRUE(form.sgb->RowSelect(4));
    EXPECT_TRUE(form.sga->RowSelect(2)) << "the other grid keeps its selection";
    form.sgb->OnCellClick(form.sgb, 5, 1);
    EXPECT_FALSE(form.sgb->RowSelect(5));
    std::string hint = "grid's own";
    form.GridHint(form.sgb, 2, 1, hint);
    EXPECT_EQ(hint, "");
}

TYPED_TEST(CANopenDialog, LanguageChangeRelabelsWithoutAShow)
{
    Lang_List[this->c.Header_Number] = "Intestazione";
    this->form->Set_Lang();
    EXPECT_EQ(this->form->sgb->Cells(this->c.Header_Col, 0), "Intestazione");
}

}  // namespace
