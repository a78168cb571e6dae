// The browse dialog through the test libraries: the list and its ticks, the library's failures,
// the select and clear buttons, and every show starting empty.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OpcUaClientFixture.h"
#include "core/tables/opcua/OPCUABrowse.h"

namespace {

using opcuatest::Search_Variant;

class ScanDialog : public ::testing::Test {
protected:
    ScanDialog()
    {
        Load_Default_Lang();
        form = std::make_unique<TFOPC_UA_Scan_Server>(nullptr);
        form->Library_Folder = Search_Variant("list");
        form->Server.server_address = "opc.tcp://127.0.0.1:4840";
    }
    void Browse()
    {
        form->FormShow(form.get());
        ASSERT_TRUE(form->Timer_Scan->Enabled());
        ASSERT_TRUE(form->LWaiting->Visible());
        form->Timer_ScanTimer(form->Timer_Scan);
        EXPECT_FALSE(form->Timer_Scan->Enabled());
    }
    std::vector<std::string> Row(int r)
    {
        std::vector<std::string> cells;
        for (int c = 1; c < 9; ++c)
            cells.push_back(form->ACG_OPC_UA_Scan_Var->Cells(c, r));
        return cells;
    }
    std::string Last_Message() const { return dialogs.Messages.empty() ? "" : dialogs.Messages.back().Text; }

    ui::ScriptedDialogs dialogs;
    std::unique_ptr<TFOPC_UA_Scan_Server> form;
};

TEST_F(ScanDialog, ListsTheRecordsWithTheirTicks)
{
    EXPECT_EQ(form->ClientWidth(), 1035);
    EXPECT_EQ(form->ACG_OPC_UA_Scan_Var->Cells(8, 0), "Read/Write");
    Browse();
    EXPECT_FALSE(form->LWaiting->Visible());
    ASSERT_EQ(form->ACG_OPC_UA_Scan_Var->RowCount(), 7);
    EXPECT_EQ(form->ACG_OPC_UA_Scan_Var->Cells(0, 6), "6");
    // Access levels 0, 1, 2, 3, 4, and a data type outside the list.
    EXPECT_EQ(Row(1),
              (std::vector<std::string>{"Y", "Y", "Temperature", "Numeric", "4294967295", "Float", "2", "Read/Write"}));
    EXPECT_EQ(Row(2),
              (std::vector<std::string>{"Y", "", "Pressure", "String", "Line1.Pressure", "Double", "2", "Read"}));
    EXPECT_EQ(Row(3), (std::vector<std::string>{"", "Y", "Setpoint", "Numeric", "2147483648", "Int32", "3", "Write"}));
    EXPECT_EQ(Row(4)[0] + Row(4)[1] + Row(4)[3] + Row(4)[7], "YYByteStringRead/Write");
    EXPECT_EQ(Row(5), (std::vector<std::string>{"", "", "Status \xC3\xA9t\xC3\xA9", "Guid",
                                                "1A2B3C4D-ABCD-0102-DEAD-BEEF00010203", "Boolean", "0", "Read/Write"}));
    EXPECT_EQ(Row(6)[5], "");
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(ScanDialog, SelectAndClearWorkOnTheirColumnOnly)
{
    form->Server.server_address = "opc.tcp://plant-b:4840";
    // An empty list: nothing to tick.
    form->Library_Folder = Search_Variant("empty");
    Browse();
    form->Btn_SelectAllReadClick(form->Btn_SelectAllWrite);
    EXPECT_EQ(form->ACG_OPC_UA_Scan_Var->RowCount(), 2);
    EXPECT_EQ(form->ACG_OPC_UA_Scan_Var->Cells(2, 1), "");

    form->Library_Folder = Search_Variant("list");
    Browse();
    ASSERT_EQ(form->ACG_OPC_UA_Scan_Var->RowCount(), 3);  // plant B's two records only
    EXPECT_EQ(form->ACG_OPC_UA_Scan_Var->Cells(3, 1), "Valve");
    form->Btn_SelectAllReadClick(form->Btn_SelectAllWrite);
    EXPECT_EQ(Row(1)[0] + Row(1)[1] + Row(2)[1], "YY");  // Valve not read, both written
    form->Btn_SelectAllReadClick(form->Btn_SelectAllRead);
    form->Btn_ClearAllReadClick(form->Btn_ClearAllWrite);
    EXPECT_EQ(Row(1)[0] + Row(1)[1] + Row(2)[0] + Row(2)[1], "YNYN");
    EXPECT_TRUE(form->Ticked(2, false));
    EXPECT_FALSE(form->Ticked(2, true));
    form->Btn_ClearAllReadClick(form->Btn_ClearAllRead);
    EXPECT_FALSE(form->Ticked(1, false));
}

TEST_F(ScanDialog, EveryShowStartsEmpty)
{
    Browse();
    ASSERT_EQ(form->List_Var.size(), 6u);
    form->Server.server_address.clear();
    form->FormShow(form.get());
    EXPECT_FALSE(form->Timer_Scan->Enabled());
    EXPECT_TRUE(form->List_Var.empty());
    EXPECT_EQ(form->ACG_OPC_UA_Scan_Var->RowCount(), 2);
    EXPECT_EQ(form->ACG_OPC_UA_Scan_Var->Cells(3, 1), "");
}

TEST_F(ScanDialog, TheLibrarysFailuresAreReported)
{
    const struct {
        const char* variant;
        std::string message;
        bool waiting;  // the waiting text stays after the message
    } cases[] = {
        {"", "Error DLL not Found!!", true},
        {"no_fetch", "Error Functions in DLL not Found!!", true},
        {"negative", "", false},
        {"huge", "The OPC UA Search library found 2147483647 variables; only the first 65536 are listed.", false},
    };
    testsupport::ScratchDir none;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variant);
        dialogs.Messages.clear();
        form->Library_Folder = *c.variant ? Search_Variant(c.variant) : none.Path();
        Browse();
        EXPECT_EQ(Last_Message(), c.message);
        EXPECT_EQ(form->LWaiting->Visible(), c.waiting);
        if (c.message.empty() || c.waiting) {
            EXPECT_EQ(form->ACG_OPC_UA_Scan_Var->RowCount(), 2);
        }
    }
}

}  // namespace
