// The configurator's windows created as at start-up, with one of them shown modally by its class
// name: `table_gallery_window TFReceiveCAN` run from a program folder (the folder of this program,
// as for the configurator) whose last configuration is open. For looking at the table dialogs that
// have no visible opener (scripts/manual/table_gallery.sh drives it); not shipped. The IEC 61850
// client opens with the first device of its table file picked and its model tree opened.
#include <cstdio>

#include "app/UConfigurator.h"
#include "app/UProgramFolder.h"
#include "app/UWindows.h"
#include "controls/gridinplace/GxGridInplaceDropDown.h"
#include "grid/extras/GridExtras.h"
#include "platform/ui/Application.h"
#include "tables/iec61850_it/UIEC_61850_Access.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: table_gallery_window CLASS_NAME\n");
        return 2;
    }
    Set_Program_Folder(Program_Folder_Of(argv[0]));
    ui::Application->Initialize();
    gx::InstallGridExtras();
    gridinplace::InstallGridDropDownEditors();
    Create_Windows();
    ui::TCustomForm* window = Find_Window(argv[1]);
    if (!window) {
        std::fprintf(stderr, "no window of class %s\n", argv[1]);
        Destroy_Windows();
        return 1;
    }
    if (auto* client = dynamic_cast<TFIEC_61850_Access*>(window)) {
        const ui::TNotifyEvent shown = client->OnShow;
        client->OnShow = [client, shown](ui::TObject* sender) {
            if (shown)
                shown(sender);
            if (client->LB_IEC_Devices->Items()->Count() == 0)
                return;
            client->LB_IEC_Devices->SetItemIndex(0);
            client->LB_IEC_DevicesClick(client->LB_IEC_Devices);
            client->TV_IEC_Device->FullExpand();
            client->TV_IEC_Device->SetSelected(client->TV_IEC_Device->Items()->GetFirstNode());
        };
    }
    const int result = window->ShowModal();
    std::printf("%s closed with %d\n", argv[1], result);
    Destroy_Windows();
    return 0;
}
