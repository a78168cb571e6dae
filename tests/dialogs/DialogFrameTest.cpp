// The frame helper on a bare form: the window's own font reaches the title labels, and the
// bands keep their places when a sizeable window is resized.
#include <gtest/gtest.h>

#include "dialogs/UDialogFrame.h"

namespace {

TEST(DialogFrame, TitleFollowsTheFormFontAndBandsFollowTheSize)
{
    ui::TForm form(nullptr);
    dlg::Dialog_Frame(form, 300, 200, "Tahoma", dlg::TFrameBorder::Sizeable);
    EXPECT_EQ(form.BorderStyle(), ui::TFormBorderStyle::bsSizeable);
    const dlg::TTitlePanel title = dlg::Title_Panel(form);
    ui::TPanel* band = dlg::Button_Panel(form);
    controls::TLbButton* ok = dlg::Panel_Button(form, band, "Btn_OK", dlg::Button_Left(0), ui::mrOk);
    controls::TLbButton* paste = dlg::Panel_Button(form, band, "Btn_PasteRow", dlg::Button_Left(5));

    EXPECT_EQ(title.L_SW_Code->Font()->Name(), "Tahoma");
    EXPECT_EQ(title.L_SW_Desc->Font()->Name(), "Tahoma");
    EXPECT_EQ(title.L_SW_Desc->Font()->Height(), -11);
    EXPECT_EQ(form.FindComponent("L_SW_Desc"), title.L_SW_Desc);
    EXPECT_EQ(ok->ModalResult(), ui::mrOk);
    EXPECT_EQ(paste->Left(), 606);  // six buttons from the left, 118 apart

    form.SetClientHeight(420);
    form.SetClientWidth(700);
    EXPECT_EQ(title.P_Title->Width(), 700);
    EXPECT_EQ(title.P_Title->Height(), 69);
    EXPECT_EQ(band->Top(), 380);
    EXPECT_EQ(band->Width(), 700);
}

}  // namespace
