#include "dialogs/UEtherCAT_ESI_Create.h"

#include <filesystem>

#include "common/UComon.h"
#include "core/UEtherCAT_ESI_File.h"
#include "dialogs/UDialogFrame.h"

namespace core {

void Setup_ESI_Save_Dialog(ui::TSaveDialog& SaveESI)
{
    SaveESI.Filter = "EtherCAT ESI File (*.xml)|*.xml";
    SaveESI.DefaultExt = "xml";
}

bool Create_ESI_File(ui::TSaveDialog& SaveESI)
{
    SaveESI.InitialDir = Path_Project;
    // The name chosen last is offered again, but in this configuration's folder: a name with a
    // folder would take the dialog back to the folder of the configuration it was saved for.
    SaveESI.FileName = std::filesystem::path(SaveESI.FileName).filename().string();
    if (!SaveESI.Execute())
        return false;
    std::filesystem::path file(SaveESI.FileName);
    if (!file.has_extension())
        file += ".xml";
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
        if (ui::MessageDlg(dlg::Txt(1105), ui::TMsgDlgType::mtConfirmation, ui::mbYes | ui::mbNo) != ui::IDYES)
            return false;
    }
    Build_ESI_File(file.string());
    return true;
}

}  // namespace core
