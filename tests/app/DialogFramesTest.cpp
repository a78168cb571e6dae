// Every dialog of the program is built on the same frame: the common background, a title band
// in that background with the software code in large grey type, a 40-pixel button band at the
// bottom, and controls that can be found by their program names.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TempProgramFolder.h"
#include "app/UConfigurator.h"
#include "app/UProgramFolder.h"
#include "app/UWindows.h"
#include "common/UComon.h"
#include "dialogs/UDialogFrame.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Render.h"

namespace fs = std::filesystem;

namespace {

class DialogFramesTest : public ProgramWindowsTest {
protected:
    ui::ScriptedDialogs dialogs;
};

struct FramedDialog {
    const char* ClassName;
    std::vector<const char*> Buttons;  // named controls on the button band
    bool CodeAtCreation;               // the update dialog shows the code only when shown
};

const FramedDialog kFramedDialogs[] = {
    {"TFNew_Project", {"Btn_OK", "Btn_Cancel"}, true},
    {"TFOpenConf", {"Btn_OK", "Btn_Cancel"}, true},
    {"TFSoftOptions", {"Btn_OK", "Btn_Cancel"}, true},
    {"TFBoot", {"Btn_Update", "Btn_Cancel"}, false},
    {"TFParGen", {"Btn_OK", "Btn_Cancel"}, true},
    {"TFSetAccess", {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"}, true},
    {"TFModbus_TCP_Master_Set_Access",
     {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"},
     true},
    {"TFReceiveCAN", {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"}, true},
    {"TFS7_Protocol_Set_Access",
     {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"},
     true},
    {"TFTransmitCAN", {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"}, true},
    {"TFDefOffset", {"Btn_OK", "Btn_Cancel"}, true},
    {"TFDNet", {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"}, true},
    {"TFDMXDefVal", {"Btn_OK", "Btn_Cancel"}, true},
    {"TFReceiveJ1939", {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"}, true},
    {"TFTransmitJ1939", {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"}, true},
    {"TFReceiveNMEA", {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"}, true},
    {"TFTransmitNMEA", {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"}, true},
    {"TFProfinetFileName", {"Btn_OK", "Btn_Cancel"}, true},
    {"TFSet_PDO_Access", {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"}, true},
    {"TFSet_SDO_Client_Access",
     {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"},
     true},
    {"TFSet_SDO_Server_Access",
     {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"},
     true},
    {"TFBACnetAccess", {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_Import_CSV"}, true},
    {"TFImportEDEFile", {"Btn_OK", "Btn_Cancel", "Btn_Select_All", "Btn_Unselect_All"}, true},
    {"TFBACnet_Eng_Unit", {"Btn_OK", "Btn_Cancel"}, true},
    {"TFBACnetSlaveSetAccess",
     {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"},
     true},
    {"TFIEC61850_Variables", {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"}, true},
    {"TFTLS_Server_Known_Cert",
     {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"},
     true},
    {"TFIEC_61850_Access", {"Btn_OK", "Btn_Cancel", "Btn_AddVar", "Btn_RemoveVar"}, true},
    {"TFOPC_UA_Add_Server", {"Btn_OK", "Btn_Cancel"}, true},
    {"TFOPC_UA_Client_Access",
     {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow", "Btn_AutoPosition"},
     true},
    {"TFOPC_UA_Scan_Server",
     {"Btn_OK", "Btn_Cancel", "Btn_SelectAllRead", "Btn_ClearAllRead", "Btn_SelectAllWrite", "Btn_ClearAllWrite"},
     true},
    {"TFOPC_UA_Server_Access",
     {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"},
     true},
    {"TFMQTT_Set_Topic", {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"}, true},
    {"TFTopicTemplate", {"Btn_OK", "Btn_Cancel"}, true},
    {"TFSNMPManagerAccess", {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"}, true},
    {"TFSNMP_Trap_Access", {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"}, true},
};

template <class T>
T* Named(const ui::TCustomForm& form, const char* name)
{
    return dynamic_cast<T*>(form.FindComponent(name));
}

}  // namespace

TEST_F(DialogFramesTest, EveryDialogHasTheCommonFrameAndLook)
{
    for (const FramedDialog& d : kFramedDialogs) {
        SCOPED_TRACE(d.ClassName);
        ui::TCustomForm* form = Find_Window(d.ClassName);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Color(), dlg::Form_Color);
        EXPECT_EQ(form->Font()->Height(), -11);

        auto* title = Named<ui::TPanel>(*form, "P_Title");
        auto* code = Named<ui::TLabel>(*form, "L_SW_Code");
        auto* desc = Named<ui::TLabel>(*form, "L_SW_Desc");
        auto* band = Named<ui::TPanel>(*form, "P_Button");
        ASSERT_TRUE(title && code && desc && band);
        EXPECT_EQ(title->Top(), 0);
        EXPECT_EQ(title->Height(), 69);
        EXPECT_EQ(band->Height(), 40);
        EXPECT_EQ(band->Top() + band->Height(), form->ClientHeight());
        EXPECT_EQ(code->Parent(), title);
        EXPECT_EQ(code->Caption(), d.CodeAtCreation ? SW_Code : std::string());
        EXPECT_EQ(code->Font()->Height(), -32);
        EXPECT_EQ(code->Font()->Color(), ui::clGray);
        EXPECT_EQ(code->Font()->Name(), form->Font()->Name());
        EXPECT_TRUE(desc->Font()->Style() & ui::fsBold);
        EXPECT_NE(desc->Caption(), "");
        for (const char* name : d.Buttons) {
            auto* b = Named<controls::TLbButton>(*form, name);
            ASSERT_NE(b, nullptr) << name;
            EXPECT_EQ(b->Parent(), band) << name;
            EXPECT_EQ(b->Top(), 6) << name;
            EXPECT_EQ(b->Height(), 28) << name;
        }

        // The title band shows the form's own background, not a colour of its own.
        ui::TBitmap picture;
        ui::RenderControl(*form, picture);
        const ui::TPoint corner = title->ClientToParent({title->Width() - 3, 3});
        EXPECT_EQ(ui::ColorToRGB(picture.Pixel(corner.X, corner.Y)), ui::ColorToRGB(dlg::Form_Color));

        if (ui::Backend()) {
            const fs::path png = fs::path(CFG_BIN_DIR) / (std::string("frame_") + d.ClassName + ".png");
            EXPECT_TRUE(ui::RenderToPng(*form, png.string()));
        }
    }
}

TEST_F(DialogFramesTest, AboutBoxKeepsItsOwnLayoutInTheCommonColour)
{
    ui::TCustomForm* about = Find_Window("TFAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->Color(), dlg::Form_Color);
    EXPECT_EQ(about->FindComponent("P_Title"), nullptr);
    EXPECT_NE(Named<controls::TLbButton>(*about, "Btn_OK"), nullptr);
    if (ui::Backend()) {
        EXPECT_TRUE(ui::RenderToPng(*about, (fs::path(CFG_BIN_DIR) / "frame_TFAbout.png").string()));
    }
}
