#pragma once
// The OPC UA client dialog on a scratch OPC_UA_Client.xml, with its entry and browse dialogs
// created beside it, the entry and browse shown through a scripted stand-in for ShowModal, and
// the browse library taken from the test libraries' folders.
#include <filesystem>
#include <functional>
#include <memory>

#include "common/UComon.h"
#include "core/tables/opcua/OPCUAClientFile.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/opcua/UOPC_UA_Add_Server.h"
#include "tables/opcua/UOPC_UA_Client_Access.h"
#include "tables/opcua/UOPC_UA_Scan_Server.h"

namespace opcuatest {

inline std::filesystem::path Search_Variant(const char* name)
{
    return std::filesystem::path(CFG_OPC_UA_SEARCH_DIR) / name;
}

class ClientDialog : public frametest::TableFrameTest<TFOPC_UA_Client_Access> {
protected:
    ClientDialog() : TableFrameTest(File_OPC_UA_Client, "OPC_UA_Client.xml")
    {
        entry = std::make_unique<TFOPC_UA_Add_Server>(nullptr);
        scan = std::make_unique<TFOPC_UA_Scan_Server>(nullptr);
        scan->Library_Folder = Search_Variant("list");
        FOPC_UA_Add_Server = entry.get();
        FOPC_UA_Scan_Server = scan.get();
        form->Show_Modal = [this](ui::TForm& dialog) { return Modal ? Modal(dialog) : ui::mrCancel; };
    }
    ~ClientDialog() override
    {
        FOPC_UA_Add_Server = nullptr;
        FOPC_UA_Scan_Server = nullptr;
    }

    // Two servers; the first with a read and a write variable.
    void Two_Servers()
    {
        tables::opcua::TOPC_UA_Server_List servers(2);
        servers[0].ServerAddress = "opc.tcp://127.0.0.1:4840";
        servers[0].Authorization = "Anonymous";
        servers[1].ServerAddress = "opc.tcp://plant-b:4840";
        servers[1].Authorization = "Username and Password";
        servers[1].UserName = "op";
        servers[1].Password = "pw";
        for (auto& s : servers) {
            s.Enable = true;
            s.SecurityType = s.SecurityPolicy = "None";
        }
        tables::opcua::TOPC_UA_Variable v;
        v.Enable = true;
        v.DispalyName = "Temp";
        v.VarArray = "Variable";
        v.Start = v.Len = "0";
        v.Time = "100";
        v.Position = "0";
        v.OnChange = v.OnCMD = v.OnTimer = "N";
        servers[0].Var_List_R = {v};
        v.DispalyName = "Out";
        servers[0].Var_List_W = {v};
        tables::opcua::Save_OPC_UA_Client(File(), servers);
    }

    // The browse as the user runs it: shown, the deferred browse, then OK.
    ui::TModalResult Browse_And_OK()
    {
        scan->FormShow(scan.get());
        if (scan->Timer_Scan->Enabled())
            scan->Timer_ScanTimer(scan->Timer_Scan);
        return ui::mrOk;
    }

    std::unique_ptr<TFOPC_UA_Add_Server> entry;
    std::unique_ptr<TFOPC_UA_Scan_Server> scan;
    std::function<ui::TModalResult(ui::TForm&)> Modal;
};

}  // namespace opcuatest
