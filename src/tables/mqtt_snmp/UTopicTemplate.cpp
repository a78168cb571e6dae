#include "tables/mqtt_snmp/UTopicTemplate.h"

#include <algorithm>

#include "common/UComon.h"
#include "dialogs/UDialogFrame.h"

TFTopicTemplate* FTopicTemplate = nullptr;

using dlg::Txt;

namespace {

constexpr int Client_Width = 635;
constexpr int Client_Height = 396;
constexpr int Text_Height = 120;
constexpr int Label_Height = 20;

}  // namespace

TFTopicTemplate::TFTopicTemplate(ui::TComponent* AOwner) : ui::TForm(AOwner)
{
    SetName("FTopicTemplate");
    dlg::Dialog_Frame(*this, Client_Width, Client_Height);
    const dlg::TTitlePanel title = dlg::Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    P_Button = dlg::Button_Panel(*this);
    Btn_OK = dlg::Panel_Button(*this, P_Button, "Btn_OK", dlg::Button_Left(0), ui::mrOk);
    Btn_Cancel = dlg::Panel_Button(*this, P_Button, "Btn_Cancel", dlg::Button_Left(1), ui::mrCancel);

    RE_TopicTemplate =
        dlg::Place<ui::TRichEdit>(this, this, "RE_TopicTemplate", 0, dlg::Title_Height, Client_Width, Text_Height);
    RE_TopicTemplate->SetAlign(ui::TAlign::alTop);
    Splitter1 = dlg::Place<ui::TSplitter>(this, this, "Splitter1", 0, dlg::Title_Height + Text_Height, Client_Width, 4);
    Splitter1->SetAlign(ui::TAlign::alTop);
    P_Legend = dlg::Place<ui::TPanel>(this, this, "P_Legend", 0, dlg::Title_Height + Text_Height + 4, Client_Width,
                                      Client_Height - dlg::Title_Height - dlg::Button_Panel_Height - Text_Height - 4);
    P_Legend->SetAlign(ui::TAlign::alClient);
    P_Legend->SetColor(dlg::Form_Color);
    L_List_Keywords = dlg::Place_Label(this, P_Legend, "L_List_Keywords", 8, 3, true);
    GSG_Keywords = dlg::Place<gx::TGxStringGrid>(this, P_Legend, "GSG_Keywords", 0, Label_Height, Client_Width,
                                                 P_Legend->Height() - Label_Height);
    GSG_Keywords->SetAnchors(ui::akLeft | ui::akTop | ui::akRight | ui::akBottom);
    GSG_Keywords->SetColCount(2);
    GSG_Keywords->SetFixedCols(0);
    GSG_Keywords->SetRowCount(2);
    GSG_Keywords->SetFixedRows(1);
    GSG_Keywords->SetColWidths(0, 200);
    GSG_Keywords->SetColWidths(1, 380);
    GSG_Keywords->SetOptions(GSG_Keywords->Options() | ui::goEditing);
    Laod_Keywords();

    OnShow = [this](ui::TObject* s) { FormShow(s); };
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
}

void TFTopicTemplate::Set_Lang()
{
    SetCaption(Txt(3800));
    L_SW_Desc->SetCaption(Txt(3802));
    L_List_Keywords->SetCaption(Txt(3804));
    GSG_Keywords->SetCells(0, 0, Txt(3805));
    GSG_Keywords->SetCells(1, 0, Txt(3806));
    Btn_OK->SetCaption(Txt(3807));
    Btn_Cancel->SetCaption(Txt(3808));
}

void TFTopicTemplate::FormShow(ui::TObject*)
{
    SetCaption(Txt(TopicTemplate ? 3801 : 3800));
    L_SW_Desc->SetCaption(Txt(TopicTemplate ? 3803 : 3802));
    Laod_Keywords();
    if (RE_TopicTemplate->CanFocus())
        RE_TopicTemplate->SetFocus();
}

void TFTopicTemplate::Laod_Keywords()
{
    const std::size_t n = std::min(Keywords.size(), Keyword_Descriptions.size());
    // Header and one row per keyword; an empty legend still shows one empty row.
    GSG_Keywords->SetRowCount(static_cast<int>(std::max<std::size_t>(n, 1)) + 1);
    for (int r = 1; r < GSG_Keywords->RowCount(); ++r) {
        const std::size_t i = static_cast<std::size_t>(r - 1);
        GSG_Keywords->SetCells(0, r, i < n ? Keywords[i] : std::string());
        GSG_Keywords->SetCells(1, r, i < n ? Keyword_Descriptions[i] : std::string());
        GSG_Keywords->SetReadOnly(0, r, false);
        GSG_Keywords->SetReadOnly(1, r, true);
    }
    // The legend starts at its first keyword cell, scrolled to its left edge.
    GSG_Keywords->SetCol(0);
    GSG_Keywords->SetRow(1);
    GSG_Keywords->SetLeftCol(0);
}
