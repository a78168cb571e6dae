// The update dialog's device-search panel: its list with the two columns and their texts, kept
// hidden in the Ethernet variant; and the device type, read from the configuration's settings.
#include <gtest/gtest.h>

#include <memory>

#include "CoreTestSupport.h"
#include "common/UComon.h"
#include "common/ULanguage.h"
#include "dialogs/UBoot.h"

namespace {

TEST(BootSearchPanel, DeviceListColumnsTextsAndHiddenPanel)
{
    Load_Default_Lang();
    auto form = std::make_unique<TFBoot>(nullptr);
    gx::TGxColumnGrid* list = form->ACG_List_Devices;
    ASSERT_EQ(list->ColCount(), 2);
    EXPECT_EQ(list->Columns()->Count(), 2);
    EXPECT_EQ(list->Cells(0, 0), "IP Address");
    EXPECT_EQ(list->Cells(1, 0), "MAC Address");
    EXPECT_EQ(list->ColWidths(0), 180);
    EXPECT_EQ(list->ColWidths(1), 180);
    EXPECT_EQ(list->Hint(), "Select a device in the list");
    EXPECT_EQ(list->Parent(), form->P_Eth_Search);
    form->Form_Type = 1;
    form->FormShow(form.get());
    EXPECT_FALSE(form->P_Eth_Search->Visible());
}

TEST(BootSearchPanel, DeviceTypeLoadsTheSettingsWhenTheyExist)
{
    coretest::TScratchDir dir;
    const std::string saved = File_ParGen;
    File_ParGen = (dir / "ParGen.xml").string();
    auto form = std::make_unique<TFBoot>(nullptr);
    EXPECT_EQ(form->Get_Type_Dev(), 0);
    coretest::Write_File(dir / "ParGen.xml", "<ParGen><Model>1</Model></ParGen>");
    EXPECT_EQ(form->Get_Type_Dev(), 0);
    EXPECT_EQ(form->XML1.DocumentElement().Name(), "ParGen");
    File_ParGen = saved;
}

}  // namespace
