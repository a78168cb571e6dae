#include "tables/modbus_s7_bacnet/UBACnet_Eng_Unit.h"

#include "common/UComon.h"
#include "core/tables/modbus_s7_bacnet/BACnetUnits.h"
#include "dialogs/UDialogFrame.h"

namespace ms7 = tables::modbus_s7_bacnet;

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

namespace {

constexpr int Client_Width = 548, Client_Height = 306;

ui::TShape* Line(ui::TForm& form, std::string_view name, int top)
{
    ui::TShape* line = dlg::Place<ui::TShape>(&form, &form, name, 16, top, Client_Width - 32, 1);
    line->Pen()->SetColor(ui::clGray);
    return line;
}

}  // namespace

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(ui::TComponent* AOwner) : ui::TForm(AOwner)
{
    SetName("FBACnet_Eng_Unit");
    dlg::Dialog_Frame(*this, Client_Width, Client_Height);
    const dlg::TTitlePanel title = dlg::Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    const int top = dlg::Title_Height;
    Label1 = dlg::Place_Label(this, this, "Label1", 16, top + 14, false, ui::clBlack);
    E_Selected_EU = dlg::Place<ui::TEdit>(this, this, "E_Selected_EU", 250, top + 10, 70, 21);
    Label5 = dlg::Place_Label(this, this, "Label5", 330, top + 14, true, ui::clBlack);
    Shape1 = Line(*this, "Shape1", top + 44);
    Label2 = dlg::Place_Label(this, this, "Label2", 16, top + 54, true, ui::clGray);
    Label3 = dlg::Place_Label(this, this, "Label3", 16, top + 84, false, ui::clBlack);
    CB_Select_Type = dlg::Place<ui::TComboBox>(this, this, "CB_Select_Type", 160, top + 80, 360, 21);
    CB_Select_Type->SetStyle(ui::TComboBoxStyle::csDropDownList);
    CB_Select_Type->SetDropDownCount(23);
    for (const ms7::TEngUnitGroup& group : ms7::Eng_Unit_Groups())
        CB_Select_Type->Items()->Add(std::string(group.Name));
    CB_Select_Type->SetItemIndex(0);
    Label4 = dlg::Place_Label(this, this, "Label4", 16, top + 114, false, ui::clBlack);
    CB_Select_Unit = dlg::Place<ui::TComboBox>(this, this, "CB_Select_Unit", 160, top + 110, 360, 21);
    CB_Select_Unit->SetStyle(ui::TComboBoxStyle::csDropDownList);
    CB_Select_Unit->SetDropDownCount(16);
    Btn_Select_Eng_Unit = dlg::Place<controls::TLbButton>(this, this, "Btn_Select_Eng_Unit", 16, top + 146,
                                                          Client_Width - 32, dlg::Button_Height);
    dlg::Button_Look(*Btn_Select_Eng_Unit, "LBOK");
    Shape2 = Line(*this, "Shape2", top + 186);
    P_Button = dlg::Button_Panel(*this);
    Btn_OK = dlg::Panel_Button(*this, P_Button, "Btn_OK", dlg::Button_Left(0), ui::mrOk);
    Btn_Cancel = dlg::Panel_Button(*this, P_Button, "Btn_Cancel", dlg::Button_Left(1), ui::mrCancel);
    Btn_OK->SetShowHint(false);
    Btn_Cancel->SetShowHint(false);
    CB_Select_Type->OnSelect = [this](ui::TObject* s) { CB_Select_TypeSelect(s); };
    Btn_Select_Eng_Unit->OnClick = [this](ui::TObject* s) { Btn_Select_Eng_UnitClick(s); };
    OnShow = [this](ui::TObject* s) { FormShow(s); };
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
    CB_Select_TypeSelect(CB_Select_Type);
}

void TFBACnet_Eng_Unit::Set_Lang()
{
    SetCaption(dlg::Txt(2300));
    L_SW_Desc->SetCaption(dlg::Txt(2301));
    Btn_OK->SetCaption(dlg::Txt(2302));
    Btn_Cancel->SetCaption(dlg::Txt(2303));
    Label1->SetCaption(dlg::Txt(2304));
    Label2->SetCaption(dlg::Txt(2305));
    Label3->SetCaption(dlg::Txt(2306));
    Label4->SetCaption(dlg::Txt(2307));
    Btn_Select_Eng_Unit->SetCaption(dlg::Txt(2308));
}

void TFBACnet_Eng_Unit::FormShow(ui::TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    // The group chosen last stays; its list is made anew.
    CB_Select_TypeSelect(CB_Select_Type);
}

void TFBACnet_Eng_Unit::CB_Select_TypeSelect(ui::TObject*)
{
    const auto groups = ms7::Eng_Unit_Groups();
    const int g = CB_Select_Type->ItemIndex();
    CB_Select_Unit->Clear();
    if (g < 0 || g >= static_cast<int>(groups.size()))
        return;
    for (const ms7::TEngUnit& unit : groups[static_cast<std::size_t>(g)].Units)
        CB_Select_Unit->Items()->Add(std::string(unit.Name));
    CB_Select_Unit->SetItemIndex(0);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick(ui::TObject*)
{
    const auto groups = ms7::Eng_Unit_Groups();
    const int g = CB_Select_Type->ItemIndex();
    if (g < 0 || g >= static_cast<int>(groups.size()))
        return;
    const auto units = groups[static_cast<std::size_t>(g)].Units;
    const int u = CB_Select_Unit->ItemIndex();
    if (u < 0 || u >= static_cast<int>(units.size()))
        return;
    const int number = units[static_cast<std::size_t>(u)].Number;
    E_Selected_EU->SetText(std::to_string(number));
    Label5->SetCaption("-> " + ms7::Desc_Unit(number));
}
