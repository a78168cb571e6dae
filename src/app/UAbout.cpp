#include "app/UAbout.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/UMakerLink.h"
#include "app/UVersionCheck.h"
#include "common/UComon.h"
#include "common/UMaker.h"
#include "dialogs/UDialogFrame.h"

using namespace dlg;

TFAbout* FAbout = nullptr;

TFAbout::TFAbout(ui::TComponent* AOwner) : ui::TForm(AOwner)
{
    Dialog_Frame(*this, 425, 148);
    SetCaption("About");
    Image1 = Place<ui::TImage>(this, this, "Image1", 12, 12, 81, 81);
    Image1->SetStretch(true);
    Image1->SetCursor(ui::crHandPoint);
    Load_Logo();
    L_Title = Place_Label(this, this, "L_Title", 108, 12, true, ui::clBlack);
    L_Title->SetCaption("Software Brevandor ");
    L_Desc = Place_Label(this, this, "L_Desc", 108, 30, false, ui::clBlack);
    L_Code_Caption = Place_Label(this, this, "L_Code_Caption", 108, 52, false, ui::clBlack);
    L_Code_Caption->SetCaption("Software Code : ");
    L_Version_Caption = Place_Label(this, this, "L_Version_Caption", 108, 68, false, ui::clBlack);
    L_Version_Caption->SetCaption("Version :");
    L_Doc_Caption = Place_Label(this, this, "L_Doc_Caption", 108, 84, false, ui::clBlack);
    L_Doc_Caption->SetCaption("Document Code :");
    L_Code = Place_Label(this, this, "L_Code", 228, 52, true, ui::clBlack);
    L_Version = Place_Label(this, this, "L_Version", 228, 68, true, ui::clBlack);
    L_Doc = Place_Label(this, this, "L_Doc", 228, 84, true, ui::clBlack);
    L_Web = Place_Label(this, this, "L_Web", 108, 112, false, ui::clBlue);
    L_Web->Font()->SetStyle(ui::fsUnderline);
    L_Web->SetCursor(ui::crHandPoint);
    L_Web->SetCaption(std::string(maker::Web_Domain));
    Btn_OK = Place<controls::TLbButton>(this, this, "Btn_OK", 303, 108, 110, 28);
    Button_Look(*Btn_OK, "LBOK");
    Btn_OK->SetCaption("OK");
    Btn_OK->SetModalResult(ui::mrOk);

    Image1->OnClick = [this](ui::TObject* s) { LinkClick(s); };
    L_Web->OnClick = [this](ui::TObject* s) { LinkClick(s); };
    OnShow = [this](ui::TObject* s) { FormShow(s); };
    DoCreate();
}

void TFAbout::Load_Logo()
{
    std::vector<std::uint8_t> bytes;
    const std::string_view hex = maker::Logo_16x14_Hex;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    try {
        Image1->Picture()->Bitmap()->LoadFromMemory(bytes.data(), bytes.size());
    } catch (const std::exception&) {
        // Without its picture the box is still complete.
    }
}

void TFAbout::FormShow(ui::TObject*)
{
    L_Desc->SetCaption(SW_Desc_Init);
    L_Code->SetCaption("SW58E26");
    L_Version->SetCaption(Local_Version);
    L_Doc->SetCaption("MN58E26");
    SetClientWidth(425);
    SetClientHeight(148);
}

void TFAbout::LinkClick(ui::TObject*)
{
    Open_Url(Maker_Home_Url());
}
