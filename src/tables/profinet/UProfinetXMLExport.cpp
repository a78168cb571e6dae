#include "tables/profinet/UProfinetXMLExport.h"

#include <filesystem>

#include "common/UComon.h"
#include "core/UProfinetXML.h"
#include "dialogs/UDialogFrame.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Dialogs.h"

namespace tables::profinet {

bool Create_PROFINET_XML_File(const std::string& name)
{
    ui::TSaveDialog save(nullptr);
    save.InitialDir = Path_Project;
    save.Filter = "PROFINET XML (*.xml)|" + name;
    save.FileName = name;
    if (!save.Execute())
        return false;
    // A different name typed in the dialog is not used: the name was composed by its own dialog.
    const std::filesystem::path target = std::filesystem::path(save.FileName).parent_path() / name;
    std::error_code ec;
    if (std::filesystem::exists(target, ec) &&
        ui::MessageDlg(dlg::Txt(4808), ui::TMsgDlgType::mtConfirmation, ui::mbYes | ui::mbNo) != ui::IDYES)
        return false;
    try {
        core::Write_GSDML_File(target.string());
    } catch (const rtl::Exception& e) {
        ui::MessageDlg(e.what(), ui::TMsgDlgType::mtError, ui::mbOK);
        return false;
    }
    return true;
}

}  // namespace tables::profinet
