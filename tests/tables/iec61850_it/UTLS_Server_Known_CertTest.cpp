// The known TLS certificates dialog in its window (offscreen): a string grid with boxes and rows
// high enough for a certificate, the round trip of a pasted certificate through OK and show, and
// the row buttons carrying the boxes.
#include <gtest/gtest.h>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/iec61850_it/UTLS_Server_Known_Cert.h"

namespace {

class TLSKnownCertDialog : public frametest::TableFrameTest<TFTLS_Server_Known_Cert> {
protected:
    TLSKnownCertDialog() : TableFrameTest(File_TLS_Known_Cert, "TLS_Known_Cert.xml") {}
    bool Box(int r)
    {
        bool state = false;
        EXPECT_TRUE(form->GSG->GetCheckBoxState(1, r, state)) << "row " << r << " has a box";
        return state;
    }
};

const std::string Pem = "-----BEGIN CERTIFICATE-----\r\nMIIBszCCAVmgAwIBAgIU\r\n-----END CERTIFICATE-----";

TEST_F(TLSKnownCertDialog, LayoutTextsAndColumns)
{
    ExpectFrameLayout(800, 337);
    EXPECT_EQ(form->Caption(), "Definition the list of Known Certificates");
    EXPECT_EQ(form->Btn_OK->Hint(), "Confirm and save the TLS Certificates List");
    gx::TGxStringGrid* grid = form->GSG;
    EXPECT_EQ(grid->Name(), "GSG");
    EXPECT_EQ(grid->RowCount(), 11);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->Cells(2, 0), "Certificate");
    EXPECT_EQ(grid->ColWidths(2), 500);
    EXPECT_EQ(grid->RowHeights(1), 60);
    EXPECT_EQ(grid->RowHeights(10), 60);
    EXPECT_TRUE(grid->Multilinecells);
    EXPECT_EQ(Header_Hint(2), "Insert the TLS Certificate");
    std::string hint = "cell text";
    form->GridHint(grid, 1, 2, hint);
    EXPECT_EQ(hint, "");
}

TEST_F(TLSKnownCertDialog, ShownWithoutAFileEveryBoxIsTickedAndOkWritesAnEmptyList)
{
    Show();
    for (int r = 1; r <= 10; ++r)
        EXPECT_TRUE(Box(r));
    ASSERT_TRUE(Press_OK());
    EXPECT_EQ(File_Text(), "<TLS_Server_Known_Cert/><!--SW_VERSION = 1.000-->");
}

TEST_F(TLSKnownCertDialog, APastedCertificateSurvivesOkAndTheNextShow)
{
    Show();
    form->GSG->SetCells(2, 1, Pem);
    form->GSG->SetCells(3, 1, "plant gateway");
    form->GSG->SetCells(2, 2, Pem + "\r\n");
    form->GSG->SetCheckBoxState(1, 2, false);
    ASSERT_TRUE(Press_OK());
    form->GSG->SetCells(2, 1, "edited, then cancelled");
    Show();
    EXPECT_EQ(form->GSG->Cells(2, 1), Pem);
    EXPECT_EQ(form->GSG->Cells(3, 1), "plant gateway");
    EXPECT_EQ(form->GSG->Cells(2, 2), Pem + "\r\n");
    EXPECT_TRUE(Box(1));
    EXPECT_FALSE(Box(2));
}

TEST_F(TLSKnownCertDialog, RowButtonsCarryTheBoxes)
{
    Show();
    form->GSG->SetCells(2, 1, "one");
    form->GSG->SetCheckBoxState(1, 1, false);
    form->GSG->SetRow(1);
    form->Btn_CopyRowClick(form->Btn_CopyRow);
    form->GSG->SetRow(3);
    form->Btn_PasteRowClick(form->Btn_PasteRow);
    EXPECT_EQ(form->GSG->Cells(2, 3), "one");
    EXPECT_FALSE(Box(3));
    form->GSG->SetRow(1);
    form->Btn_InsRowClick(form->Btn_InsRow);
    EXPECT_TRUE(Box(1)) << "the opened row is enabled";
    EXPECT_EQ(form->GSG->Cells(2, 1), "");
    EXPECT_EQ(form->GSG->Cells(2, 2), "one");
    EXPECT_FALSE(Box(2));
}

}  // namespace
