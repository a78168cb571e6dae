#include "tables/can_family/UDefOffset.h"

#include <utility>

#include "common/UComon.h"
#include "dialogs/UDialogFrame.h"
#include "platform/ui/Dialogs.h"

TFDefOffset* FDefOffset = nullptr;

using dlg::Txt;

namespace {

constexpr int Slaves_Height = 200;
constexpr int Slave_Widths[] = {100, 100, 100, 160};

// The rows of a byte grid: byte j (from 0) in row j + 1 with its offset and mnemonic.
void Show_Map(gx::TGxStringGrid* grid, const std::vector<std::string>& offsets,
              const std::vector<std::string>& mnemonics)
{
    grid->SetRowCount(static_cast<int>(offsets.size()) + 1);
    for (std::size_t j = 0; j < offsets.size(); ++j) {
        const int r = static_cast<int>(j) + 1;
        grid->SetCells(0, r, std::to_string(j));
        grid->SetCells(1, r, offsets[j]);
        grid->SetCells(2, r, mnemonics[j]);
    }
}

void Keep_Map(gx::TGxStringGrid* grid, std::vector<std::string>& offsets, std::vector<std::string>& mnemonics)
{
    for (std::size_t j = 0; j < offsets.size() && static_cast<int>(j) + 1 < grid->RowCount(); ++j) {
        offsets[j] = grid->Cells(1, static_cast<int>(j) + 1);
        mnemonics[j] = grid->Cells(2, static_cast<int>(j) + 1);
    }
}

}  // namespace

TFDefOffset::TFDefOffset(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, tables::can::DefOffset_Desc()),
      TabSheet1(Sheets[0]),
      TabSheet2(Sheets[1]),
      ACG_ByteIN(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      ACG_ByteOUT(static_cast<dlg::TFrameColumnGrid*>(Grids[1]))
{
    Build_Slaves_Panel();
    Set_Lang();
}

void TFDefOffset::Build_Slaves_Panel()
{
    const int width = Desc.Client_Width;
    const int rest = Desc.Client_Height - dlg::Title_Height - dlg::Button_Panel_Height - Slaves_Height - 3;
    constexpr ui::TAnchors all = ui::akLeft | ui::akTop | ui::akRight | ui::akBottom;
    Panel1 = dlg::Place<ui::TPanel>(this, this, "Panel1", 0, dlg::Title_Height, width, Slaves_Height);
    Panel1->SetAlign(ui::TAlign::alTop);
    Panel1->SetBevelOuter(ui::TBevelCut::bvNone);
    Panel1->SetShowCaption(false);
    Panel1->SetParentColor(true);
    Label1 = dlg::Place_Label(this, Panel1, "Label1", 8, 6, true);
    ACG_DN_Slaves = dlg::Place<dlg::TFrameColumnGrid>(this, Panel1, "ACG_DN_Slaves", 0, 24, width, Slaves_Height - 24);
    ACG_DN_Slaves->SetAnchors(all);
    ACG_DN_Slaves->SetColCount(4);
    ACG_DN_Slaves->SetRowCount(1);
    ACG_DN_Slaves->SetFixedCols(0);
    ACG_DN_Slaves->SetFixedRowAlways(true);
    ACG_DN_Slaves->SetFixedRows(1);
    ACG_DN_Slaves->SetOptions((ACG_DN_Slaves->Options() | ui::goRowSelect) & ~(ui::goEditing | ui::goColSizing));
    for (int c = 0; c < 4; ++c) {
        ACG_DN_Slaves->Columns()->Items(c)->SetWidth(Slave_Widths[c]);
        ACG_DN_Slaves->Columns()->Items(c)->ReadOnly = true;
    }
    ACG_DN_Slaves->OnCellClick = [this](ui::TObject* s, int, int) { ACG_DN_SlavesClick(s); };

    Splitter1 = dlg::Place<ui::TSplitter>(this, this, "Splitter1", 0, dlg::Title_Height + Slaves_Height, width, 3);
    Splitter1->SetAlign(ui::TAlign::alTop);
    Splitter1->SetColor(dlg::Form_Color);

    Panel3 = dlg::Place<ui::TPanel>(this, this, "Panel3", 0, 0, width, rest);
    Panel3->SetBevelOuter(ui::TBevelCut::bvNone);
    Panel3->SetShowCaption(false);
    Panel3->SetParentColor(true);
    Panel3->SetAlign(ui::TAlign::alClient);
    Label2 = dlg::Place_Label(this, Panel3, "Label2", 8, 6, true);
    Label3 = dlg::Place_Label(this, Panel3, "Label3", 8, 24, false);
    // The frame's page control with the two byte pages, below the two labels.
    PageControl1->SetParent(Panel3);
    PageControl1->SetAlign(ui::TAlign::alNone);
    PageControl1->SetBounds(0, 44, width, rest - 44);
    PageControl1->SetAnchors(all);
}

void TFDefOffset::Set_Lang()
{
    dlg::TFTableFrame::Set_Lang();
    Label1->SetCaption(Txt(3008));
    Label2->SetCaption(Txt(3009));
    Label3->SetCaption(Txt(3010));
    for (int c = 0; c < 4; ++c)
        ACG_DN_Slaves->Columns()->Items(c)->SetHeader(Txt(3011 + c));
}

void TFDefOffset::Shown()
{
    List_Slaves_DN.clear();
    Slave_Before_Select = -1;
    std::string notes = Load_Slave_DN();
    const std::string maps = Load_Offset_Slave_DN();  // the maps of the slaves just read
    notes += notes.empty() || maps.empty() ? maps : "\n\n" + maps;
    Select_First();
    if (!notes.empty())
        ui::MessageDlg(notes, ui::TMsgDlgType::mtWarning, ui::mbOK);
}

std::string TFDefOffset::Load_Slave_DN()
{
    tables::can::TSlaves_DN read = tables::can::Load_Slave_DN(File_DNETM_Net);
    List_Slaves_DN = std::move(read.Slaves);
    ACG_DN_Slaves->SetRowCount(static_cast<int>(List_Slaves_DN.size()) + 1);
    for (std::size_t k = 0; k < List_Slaves_DN.size(); ++k)
        for (int c = 0; c < 4; ++c)
            ACG_DN_Slaves->SetCells(c, static_cast<int>(k) + 1, List_Slaves_DN[k].Texts[static_cast<std::size_t>(c)]);
    return read.Note;
}

std::string TFDefOffset::Load_Offset_Slave_DN()
{
    return tables::can::Load_Offset_Slave_DN(File_DNETM_DefOff, List_Slaves_DN);
}

void TFDefOffset::Select_First()
{
    if (List_Slaves_DN.empty()) {
        Update_Slave_DN();
        return;
    }
    ACG_DN_Slaves->SetRow(1);
    ACG_DN_Slaves->SetCol(0);
    ACG_DN_Slaves->SetLeftCol(0);  // the list starts at its first column (it has no fixed column)
    ACG_DN_SlavesClick(ACG_DN_Slaves);
}

void TFDefOffset::ACG_DN_SlavesClick(ui::TObject*)
{
    if (Slave_Before_Select != -1)
        Save_Data_ByteIN_ByteOUT();
    ACG_DN_Slaves->SelectRows(ACG_DN_Slaves->Row(), 1);
    Slave_Before_Select = ACG_DN_Slaves->Row() - 1;
    Update_Slave_DN();
}

void TFDefOffset::Update_Slave_DN()
{
    const int k = ACG_DN_Slaves->Row() - 1;
    if (ACG_DN_Slaves->RowCount() < 2 || k < 0 || k >= static_cast<int>(List_Slaves_DN.size())) {
        ACG_ByteIN->SetRowCount(1);
        ACG_ByteOUT->SetRowCount(1);
        return;
    }
    const tables::can::TSlave_DN& s = List_Slaves_DN[static_cast<std::size_t>(k)];
    Show_Map(ACG_ByteIN, s.SL_ByteIN, s.SL_ByteIN_M);
    Show_Map(ACG_ByteOUT, s.SL_ByteOUT, s.SL_ByteOUT_M);
}

bool TFDefOffset::Save_Data_ByteIN_ByteOUT()
{
    if (Slave_Before_Select < 0 || Slave_Before_Select >= static_cast<int>(List_Slaves_DN.size()))
        return true;
    tables::can::TSlave_DN& s = List_Slaves_DN[static_cast<std::size_t>(Slave_Before_Select)];
    Keep_Map(ACG_ByteIN, s.SL_ByteIN, s.SL_ByteIN_M);
    Keep_Map(ACG_ByteOUT, s.SL_ByteOUT, s.SL_ByteOUT_M);
    return true;
}

bool TFDefOffset::Check_Data()
{
    const std::string fault = tables::can::Check_Data(List_Slaves_DN);
    if (fault.empty())
        return true;
    ui::MessageDlg(fault, ui::TMsgDlgType::mtError, ui::mbOK);
    return false;
}

void TFDefOffset::bitbtn1Click(ui::TObject*)
{
    if (!Save_Data_ByteIN_ByteOUT() || !Check_Data())
        return;
    try {
        tables::can::Save_Offset_Slave_DN(File_DNETM_DefOff, List_Slaves_DN);
    } catch (const rtl::Exception& e) {
        ui::MessageDlg(e.Message, ui::TMsgDlgType::mtError, ui::mbOK);
        return;
    }
    SetModalResult(ui::mrOk);
}
