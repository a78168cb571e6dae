#pragma once
// The device-update dialog: the converter's address, what to update and whether to read it back.
// On Update it echoes the converter; when it answers, the update job file is written beside the
// program and the external updater is started and waited for.

#include <chrono>
#include <functional>
#include <string>

#include "controls/button/LbButton.h"
#include "core/UBootJob.h"
#include "grid/columngrid/GxColumnGrid.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"
#include "platform/xml/Xml.h"

class TFBoot : public ui::TForm {
public:
    explicit TFBoot(ui::TComponent* AOwner);

    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
    ui::TPanel* P_Button;
    controls::TLbButton* Btn_Cancel;
    controls::TLbButton* Btn_Update;
    ui::TPanel* P_IP_Address;
    ui::TLabel* L_IP_Address;
    ui::TEdit* E_IP1;
    ui::TEdit* E_IP2;
    ui::TEdit* E_IP3;
    ui::TEdit* E_IP4;
    ui::TLabel* Label2;
    ui::TLabel* Label3;
    ui::TLabel* Label4;
    ui::TPanel* P_Options;
    ui::TLabel* L_Update_Option;
    ui::TComboBox* CB_Update_Options;
    ui::TCheckBox* CB_Update_Option_Read_Back;
    ui::TPanel* P_Serial;
    ui::TLabel* L_COM_Port;
    ui::TComboBox* CB_COM_Port;
    controls::TLbButton* Btn_COM_List;
    // Device search: never shown in this build and without behaviour (the search button has no
    // handler, nothing fills the list).
    ui::TPanel* P_Eth_Search;
    ui::TLabel* L_List_Device;
    controls::TLbButton* Btn_Search;
    gx::TGxColumnGrid* ACG_List_Devices;
    ui::TCheckBox* CB_Find_All_VRK;

    xml::Document XML1;
    int Form_Type = 1;  // 0 serial, 1 Ethernet, 2 USB (texts only)
    int ping_res = 0;   // last echo: 0 none yet, 1 reply with data, 2 no reply

    // Starts a program and waits for it (the main window's launcher).
    std::function<void(const std::string& NomeSW, const std::string& Parameter, bool tipo)> Start_Program;
    // Sends one echo request (the system's echo unless replaced).
    core::TEchoFunction Echo;
    // How long the echoes go on without two good replies.
    std::chrono::milliseconds Ping_Window{5000};

    void FormShow(ui::TObject* Sender);
    // The handler of the address edits' key presses (the form's own key handling is below).
    void KeyPress(ui::TObject* Sender, char32_t& Key);
    void Btn_UpdateClick(ui::TObject* Sender);
    bool Send_Ping();
    void Compile_XML_Parameter_New_Boot();
    void Set_Lang();
    void update_ComPort();
    // Loads ParGen.xml of the open configuration into XML1 when it exists; the device type is 0.
    int Get_Type_Dev();
    // The address as typed: the four edits joined by ".".
    std::string Typed_Address() const;
    // The job of the current controls and program folders.
    core::TUpdateJob Current_Job() const;

protected:
    using ui::TForm::KeyPress;
};

extern TFBoot* FBoot;
