// The CAN family's frame dialogs in their windows (offscreen), one suite over all of them: layout,
// texts and hints as each Part gives them, the show, OK with its check and the save, the row
// buttons and a language change. What only one dialog does is tested in its own file.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/can_family/UDNet.h"
#include "tables/can_family/UReceiveJ1939.h"
#include "tables/can_family/UReceiveNMEA.h"
#include "tables/can_family/UTransmitCAN.h"
#include "tables/can_family/UTransmitJ1939.h"
#include "tables/can_family/UTransmitNMEA.h"

namespace {

// What a dialog's Part says of its window, and one good and one bad row (from column 1).
struct TDialogCase {
    int Width, Rows, Cols;
    std::string Caption;
    std::string Grid_Name;
    int Header_Col;  // a column whose header and hint are checked
    std::string Header, Header_Hint;
    int Header_Number;  // the header's text number
    std::array<bool, 6> Button_Hints_Shown{true, true, true, true, true, true};
    bool Grid_Hints_Shown = true;
    bool Click_Selects_Row = true;
    bool Insert_Enables = false;
    bool Col_Sizing = true;
    std::vector<std::string> Good_Row;
    std::vector<std::string> Bad_Row;
    std::string Bad_Message;  // for row 1
};

constexpr std::array<bool, 6> Copy_Paste_Hints_Only = {false, false, false, false, true, true};

struct TransmitCAN {
    using Form = TFTransmitCAN;
    static std::string& File() { return File_CAN_Send_Frames; }
    static constexpr std::string_view File_Name = "CAN_Send_Frames.xml";
    static TDialogCase Case()
    {
        return {.Width = 1100,
                .Rows = 512,
                .Cols = 18,
                .Caption = "Transmit CAN Frames Set Access",
                .Grid_Name = "ACG_CAN_Transmit",
                .Header_Col = 6,
                .Header = "OnCMD",
                .Header_Hint = "Enable or Disable the possibility to send the CAN Frame by Command",
                .Header_Number = 2562,
                .Click_Selects_Row = false,
                .Insert_Enables = true,
                .Good_Row = {"Y", "0x123", "2.0A (11 bits)", "2", "Y", "N", "Y", "100", "None", "2499"},
                .Bad_Row = {"Y", "0x123", "2.0A (11 bits)", "2", "Y", "N", "Y", "100", "None", "2500"},
                .Bad_Message = "Error row 1!! Byte2 must be between 0 and 2499 or None"};
    }
};

struct ReceiveJ1939 {
    using Form = TFReceiveJ1939;
    static std::string& File() { return File_J1939_Rec_Frames; }
    static constexpr std::string_view File_Name = "J1939_Rec_Frames.xml";
    static TDialogCase Case()
    {
        return {.Width = 876,
                .Rows = 512,
                .Cols = 11,
                .Caption = "Receive J1939 Frames",
                .Grid_Name = "sga",
                .Header_Col = 9,
                .Header = "Time(ms)",
                .Header_Hint = "Insert the Time Between Two Request for the J1939 Frame",
                .Header_Number = 3523,
                .Good_Row = {"0", "61444", "0", "N", "", "", "Y", "Y", "100", "EEC1"},
                .Bad_Row = {"0", "61444", "0", "N", "", "", "Y", "Y", "-1", "EEC1"},
                .Bad_Message = "Error in row 1!! Time(ms) must be between 0 and 10000000"};
    }
};

struct TransmitJ1939 {
    using Form = TFTransmitJ1939;
    static std::string& File() { return File_J1939_Send_Frames; }
    static constexpr std::string_view File_Name = "J1939_Send_Frames.xml";
    static TDialogCase Case()
    {
        return {.Width = 800,
                .Rows = 512,
                .Cols = 11,
                .Caption = "Transmit J1939 Frames",
                .Grid_Name = "sga",
                .Header_Col = 1,
                .Header = "Priority",
                .Header_Hint = "Select the Priority of J1939 Frame, from 0 to 7",
                .Header_Number = 3615,
                .Button_Hints_Shown = Copy_Paste_Hints_Only,
                .Good_Row = {"6", "0", "65226", "0", "8", "N", "Y", "N", "", "DM1"},
                .Bad_Row = {"6", "0", "65226", "0", "8", "N", "Y", "Y", "", "DM1"},
                .Bad_Message = "Error in row 1!! Send Timer must be between 1 and 65535 ms"};
    }
};

struct ReceiveNMEA {
    using Form = TFReceiveNMEA;
    static std::string& File() { return File_NMEA_Rec_Frames; }
    static constexpr std::string_view File_Name = "NMEA_Rec_Frames.xml";
    static TDialogCase Case()
    {
        return {.Width = 810,
                .Rows = 62,
                .Cols = 9,
                .Caption = "Receive NMEA 2000 Frames",
                .Grid_Name = "sga",
                .Header_Col = 4,
                .Header = "Fast Packet",
                .Header_Hint = "Enable or Disable the Fast Packet Protocol for the NMEA 2000 Frame",
                .Header_Number = 3918,
                .Button_Hints_Shown = Copy_Paste_Hints_Only,
                .Good_Row = {"129029", "1", "N", "Y", "0", "43", "N", "GNSS"},
                .Bad_Row = {"129029", "1", "N", "Y", "0", "224", "N", "GNSS"},
                .Bad_Message = "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 223"};
    }
};

struct TransmitNMEA {
    using Form = TFTransmitNMEA;
    static std::string& File() { return File_NMEA_Send_Frames; }
    static constexpr std::string_view File_Name = "NMEA_Send_Frames.xml";
    static TDialogCase Case()
    {
        return {.Width = 810,
                .Rows = 62,
                .Cols = 11,
                .Caption = "Transmit NMEA 2000 Frames",
                .Grid_Name = "sga",
                .Header_Col = 5,
                .Header = "Num Byte",
                .Header_Hint = "Insert the NMEA 2000 Frame Number of Bytes",
                .Header_Number = 4019,
                .Button_Hints_Shown = Copy_Paste_Hints_Only,
                .Grid_Hints_Shown = false,
                .Good_Row = {"2", "127250", "0", "N", "8", "N", "N", "Y", "100", "Heading"},
                .Bad_Row = {"2", "127250", "240", "N", "8", "N", "N", "Y", "100", "Heading"},
                .Bad_Message = "Error in row 1!! Source Address must be between 0 and 239"};
    }
};

struct DNet {
    using Form = TFDNet;
    static std::string& File() { return File_DNETM_Net; }
    static constexpr std::string_view File_Name = "DNETM_Net.xml";
    static TDialogCase Case()
    {
        return {.Width = 745,
                .Rows = 64,
                .Cols = 5,
                .Caption = "DeviceNet Network",
                .Grid_Name = "GSG",
                .Header_Col = 4,
                .Header = "Mnemonic",
                .Header_Hint = "Insert a description of DeviceNet Slave",
                .Header_Number = 2918,
                .Col_Sizing = false,
                .Good_Row = {"5", "16", "8", "valve bank"},
                .Bad_Row = {"64", "16", "8", "valve bank"},
                .Bad_Message = "Error in row 1!! ID must be 0 or 63"};
    }
};

template <class T>
class CANFrameDialog : public frametest::TableFrameTest<typename T::Form> {
protected:
    CANFrameDialog() : frametest::TableFrameTest<typename T::Form>(T::File(), T::File_Name) {}
    const TDialogCase c = T::Case();
};

using Dialogs = ::testing::Types<TransmitCAN, ReceiveJ1939, TransmitJ1939, ReceiveNMEA, TransmitNMEA, DNet>;

class DialogName {
public:
    template <class T>
    static std::string GetName(int)
    {
        return std::string(T::File_Name.substr(0, T::File_Name.find('.')));
    }
};

TYPED_TEST_SUITE(CANFrameDialog, Dialogs, DialogName);

TYPED_TEST(CANFrameDialog, LayoutTextsAndHints)
{
    const TDialogCase& c = this->c;
    this->ExpectFrameLayout(c.Width, 337);
    EXPECT_EQ(this->form->Caption(), c.Caption);
    EXPECT_EQ(this->form->L_SW_Desc->Caption(), c.Caption);
    EXPECT_EQ(this->form->PageControl1, nullptr) << "one grid, no tab sheets";
    gx::TGxStringGrid* grid = this->Grid();
    EXPECT_EQ(grid->Name(), c.Grid_Name);
    EXPECT_EQ(grid->RowCount(), c.Rows + 1);
    EXPECT_EQ(grid->ColCount(), c.Cols);
    EXPECT_EQ(grid->Cells(c.Header_Col, 0), c.Header);
    EXPECT_EQ(this->Header_Hint(c.Header_Col), c.Header_Hint);
    EXPECT_EQ(this->form->Hint_Lists[0].Count(), c.Cols - 1);
    EXPECT_EQ(grid->ShowHint(), c.Grid_Hints_Shown);
    EXPECT_EQ((grid->Options() & ui::goColSizing) != 0, c.Col_Sizing);
    controls::TLbButton* buttons[] = {this->form->Btn_OK,     this->form->Btn_Cancel,  this->form->Btn_DelRow,
                                      this->form->Btn_InsRow, this->form->Btn_CopyRow, this->form->Btn_PasteRow};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(buttons[i]->ShowHint(), c.Button_Hints_Shown[static_cast<std::size_t>(i)]) << i;
        EXPECT_NE(buttons[i]->Hint(), "") << "set also where it is not shown: " << i;
    }
}

TYPED_TEST(CANFrameDialog, ShowOkAndTheNextShowLoadTheSame)
{
    const TDialogCase& c = this->c;
    this->Put(7, {"typed"});
    this->Show();
    EXPECT_EQ(this->Cell(0, c.Rows), std::to_string(c.Rows));
    EXPECT_EQ(this->Cell(1, 7), c.Insert_Enables ? "Y" : "") << "every show discards the edits of the last";
    this->Put(1, c.Good_Row);
    ASSERT_TRUE(this->Press_OK()) << this->Last_Message();
    const std::string first = this->File_Text();
    this->Show();
    for (std::size_t k = 0; k < c.Good_Row.size(); ++k)
        EXPECT_EQ(this->Cell(static_cast<int>(k) + 1, 1), c.Good_Row[k]) << k;
    ASSERT_TRUE(this->Press_OK());
    EXPECT_EQ(this->File_Text(), first);
    EXPECT_TRUE(this->dialogs.Messages.empty());
}

TYPED_TEST(CANFrameDialog, BrokenRuleKeepsTheDialogOpenAndTheFileUntouched)
{
    this->Show();
    this->Put(1, this->c.Bad_Row);
    EXPECT_FALSE(this->Press_OK());
    EXPECT_EQ(this->Last_Message(), this->c.Bad_Message);
    EXPECT_FALSE(std::filesystem::exists(this->File()));
    EXPECT_EQ(this->Cell(1, 1), this->c.Bad_Row[0]) << "the edits stay";
}

TYPED_TEST(CANFrameDialog, RowButtonsAndColumnZeroClick)
{
    const TDialogCase& c = this->c;
    this->Show();
    this->Put(3, c.Good_Row);
    gx::TGxStringGrid* grid = this->Grid();
    grid->SetRow(3);
    this->dialogs.MessageAnswers.push_back(ui::IDYES);
    this->form->Btn_DelRowClick(this->form->Btn_DelRow);
    EXPECT_EQ(this->Last_Message(), "Are you sure to delete the Row number 3");
    EXPECT_EQ(this->Cell(2, 3), "");
    this->Put(3, c.Good_Row);
    this->form->Btn_InsRowClick(this->form->Btn_InsRow);
    EXPECT_EQ(this->Cell(1, 3), c.Insert_Enables ? "Y" : "") << "the insert flag";
    EXPECT_EQ(this->Cell(2, 4), c.Good_Row[1]);
    auto& click = static_cast<dlg::TFrameColumnGrid*>(grid)->OnCellClick;
    ASSERT_EQ(static_cast<bool>(click), c.Click_Selects_Row) << "a click handler where the Part names one";
    if (click) {
        click(grid, 4, 0);
        EXPECT_TRUE(grid->RowSelect(4));
    }
}

TYPED_TEST(CANFrameDialog, LanguageChangeRelabelsWithoutAShow)
{
    Lang_List[this->c.Header_Number] = "Intestazione";
    this->form->Set_Lang();
    EXPECT_EQ(this->Grid()->Cells(this->c.Header_Col, 0), "Intestazione");
}

}  // namespace
