// TFIEC_61850_Access: the three grids, Add Var and Remove Var, the members of a
// data set, the devices added and removed, OK and the show. What changes the
// tables is the model's; the window takes the user's actions to it and shows
// the result.
#include <filesystem>

#include "common/UComon.h"
#include "dialogs/UDialogFrame.h"
#include "dialogs/UGridRows.h"
#include "platform/rtl/Exceptions.h"
#include "tables/iec61850_it/UIEC_61850_Access.h"

namespace {

// A grid of the window as the model reads and writes it.
class TGridAccess : public iec::TClientGrid {
public:
    explicit TGridAccess(gx::TGxStringGrid* grid) : grid_(grid) {}
    int RowCount() const override { return grid_->RowCount(); }
    int ColCount() const override { return grid_->TotalColCount(); }
    std::string Cell(int col, int row) const override { return grid_->Cells(col, row); }
    void SetCell(int col, int row, const std::string& text) override { grid_->SetCells(col, row, text); }
    void SetRowCount(int rows) override { grid_->SetRowCount(std::max(2, rows)); }
    void SetReadOnly(int col, int row, bool readOnly) override { grid_->SetReadOnly(col, row, readOnly); }

private:
    gx::TGxStringGrid* grid_;
};

struct TColumn {
    const char* Caption;
    int Width;
    gx::TEditorType Editor = gx::edNormal;
    std::vector<std::string> Items{};
    bool ReadOnly = false;
    ui::TColor Color = ui::clWindow;
};

const std::vector<std::string> Bits = {"0", "1", "2", "3", "4", "5", "6", "7"};
const std::vector<std::string> Conversions = {"None", "ItoF/FtoI"};

// Colours that group the columns: identity, server address, triggers, position,
// conversion.
constexpr ui::TColor Identity = ui::RGB(0xE0, 0xFA, 0xFE), Address = ui::RGB(0xFF, 0xD8, 0xB0),
                     Trigger = ui::RGB(0xFF, 0xFF, 0xA8), Place_Color = ui::RGB(0xD8, 0xF0, 0xD0),
                     Conversion = ui::RGB(0xFC, 0xD6, 0xF4), Text_Color = ui::clWhite;

const std::vector<TColumn>& DA_Columns()
{
    static const std::vector<TColumn> cols = {
        {"N", 40},
        {"Index", 60, gx::edNormal, {}, false, Identity},
        {"bType", 60, gx::edNormal, {}, true, Identity},
        {"fc", 30, gx::edNormal, {}, true, Identity},
        {"Reference", 150, gx::edNormal, {}, true, Identity},
        {"Start Byte", 65, gx::edNormal, {}, false, Identity},
        {"Num Byte", 60, gx::edNormal, {}, false, Identity},
        {"IP Address", 70, gx::edNormal, {}, false, Address},
        {"Port", 45, gx::edNormal, {}, false, Address},
        {"On Change", 70, gx::edDataCheckBox, {}, false, Trigger},
        {"On CMD", 50, gx::edDataCheckBox, {}, false, Trigger},
        {"On Timer", 60, gx::edDataCheckBox, {}, false, Trigger},
        {"Time (ms)", 64, gx::edNormal, {}, false, Trigger},
        {"Position", 55, gx::edNormal, {}, false, Place_Color},
        {"Start Bit", 70, gx::edComboList, Bits, false, Place_Color},
        {"R/W", 60, gx::edComboList, {"Read", "Write"}, false, Place_Color},
        {"Convertion", 70, gx::edComboList, Conversions, false, Conversion},
        {"Mult Fact", 64, gx::edNormal, {}, false, Conversion},
        {"Mnemonic", 150, gx::edNormal, {}, false, Text_Color},
    };
    return cols;
}

const std::vector<TColumn>& DataSet_Columns()
{
    static const std::vector<TColumn> cols = {
        {"N", 40},
        {"Index", 60, gx::edNormal, {}, false, Identity},
        {"Reference", 150, gx::edNormal, {}, true, Identity},
        {"Goose Name", 80, gx::edNormal, {}, true, Identity},
        {"En. Goose", 60, gx::edDataCheckBox, {}, false, Trigger},
        {"IP Address", 70, gx::edNormal, {}, false, Address},
        {"Port", 45, gx::edNormal, {}, false, Address},
        {"Time (ms)", 70, gx::edNormal, {}, false, Trigger},
        {"Mnemonic", 100, gx::edNormal, {}, false, Text_Color},
    };
    return cols;
}

const std::vector<TColumn>& Member_Columns()
{
    static const std::vector<TColumn> cols = {
        {"N", 40},
        {"bType", 60, gx::edNormal, {}, true, Identity},
        {"Reference", 150, gx::edNormal, {}, true, Identity},
        {"Position", 55, gx::edNormal, {}, false, Place_Color},
        {"Start Bit", 70, gx::edComboList, Bits, false, Place_Color},
        {"Convertion", 70, gx::edComboList, Conversions, false, Conversion},
        {"Mult Fact", 64, gx::edNormal, {}, false, Conversion},
        {"Mnemonic", 150, gx::edNormal, {}, false, Text_Color},
    };
    return cols;
}

dlg::TFrameColumnGrid* Make_Grid(ui::TForm* form, ui::TWinControl* parent, std::string_view name,
                                 const std::vector<TColumn>& cols, ui::TAlign align, int height)
{
    auto* grid = dlg::Place<dlg::TFrameColumnGrid>(form, parent, name, 0, 0, parent->ClientWidth(), height);
    grid->SetAlign(align);
    grid->SetColCount(static_cast<int>(cols.size()));
    grid->SetRowCount(2);  // one data row to start with
    grid->SetFixedCols(1);
    grid->SetFixedRowAlways(true);
    grid->SetFixedRows(1);
    grid->SetOptions(grid->Options() | ui::goRangeSelect | ui::goColSizing | ui::goEditing);
    grid->SetShowHint(true);
    grid->HintShowCells = true;
    // References are long: one line, cut at the cell's edge (the hint shows it whole).
    grid->SetWordWrap(false);
    grid->Columns()->BeginUpdate();
    for (std::size_t c = 0; c < cols.size(); ++c) {
        gx::TGridColumnItem* item = grid->Columns()->Items(static_cast<int>(c));
        item->SetWidth(cols[c].Width);
        item->SetHeaderDirect(cols[c].Caption);
        grid->SetCells(static_cast<int>(c), 0, cols[c].Caption);
        if (c == 0) {
            item->SetFixed(true);
            continue;
        }
        item->SetEditor(cols[c].Editor);
        if (cols[c].Editor == gx::edDataCheckBox) {
            item->SetAlignment(ui::TAlignment::taCenter);
        }
        item->ReadOnly = cols[c].ReadOnly;
        for (const std::string& choice : cols[c].Items)
            item->ComboItems.Add(choice);
        item->SetColor(cols[c].Color);
    }
    grid->Columns()->EndUpdate();
    grid->UpdateColumnHeaders();
    return grid;
}

}  // namespace

void TFIEC_61850_Access::Build_Table_Panel()
{
    const int height = 550 - dlg::Title_Height - dlg::Button_Panel_Height;
    PTable = dlg::Place<ui::TPanel>(this, this, "PTable", 469, dlg::Title_Height, 1200 - 469, height);
    PTable->SetAlign(ui::TAlign::alClient);
    PTable->SetBevelOuter(ui::TBevelCut::bvNone);
    PTable->SetCaption("");
    PC_DA_DataSet = dlg::Place<ui::TPageControl>(this, PTable, "PC_DA_DataSet", 0, 0, PTable->Width(), height);
    PC_DA_DataSet->SetAlign(ui::TAlign::alClient);
    TS_DA = dlg::Place<ui::TTabSheet>(this, PC_DA_DataSet, "TS_DA", 0, 0, 0, 0);
    TS_DA->SetPageControl(PC_DA_DataSet);
    TS_DA->SetCaption("Variables");
    TS_DataSet = dlg::Place<ui::TTabSheet>(this, PC_DA_DataSet, "TS_DataSet", 0, 0, 0, 0);
    TS_DataSet->SetPageControl(PC_DA_DataSet);
    TS_DataSet->SetCaption("DataSet");
    PC_DA_DataSet->SetActivePage(TS_DA);
    Build_Grids();
}

void TFIEC_61850_Access::Build_Grids()
{
    ACG_DA = Make_Grid(this, TS_DA, "ACG_DA", DA_Columns(), ui::TAlign::alClient, TS_DA->ClientHeight());
    ACG_DataSet = Make_Grid(this, TS_DataSet, "ACG_DataSet", DataSet_Columns(), ui::TAlign::alTop, 185);
    SplitterDS = dlg::Place<ui::TSplitter>(this, TS_DataSet, "SplitterDS", 0, 185, TS_DataSet->ClientWidth(), 4);
    SplitterDS->SetAlign(ui::TAlign::alTop);
    ACG_DS_Vars = Make_Grid(this, TS_DataSet, "ACG_DS_Vars", Member_Columns(), ui::TAlign::alClient,
                            TS_DataSet->ClientHeight() - 189);
    daCells_ = std::make_unique<TGridAccess>(ACG_DA);
    dataSetCells_ = std::make_unique<TGridAccess>(ACG_DataSet);
    memberCells_ = std::make_unique<TGridAccess>(ACG_DS_Vars);
    for (dlg::TFrameColumnGrid* grid : {ACG_DA, ACG_DataSet, ACG_DS_Vars}) {
        grid->OnCellClick = [this](ui::TObject* s, int r, int c) { ClickCell(s, r, c); };
        grid->OnCellDblClick = [this](ui::TObject* s, int r, int c) { ACG_DADblClickCell(s, r, c); };
        grid->OnGridKeyPress = [this](ui::TObject* s, char32_t& k) { ACG_DAKeyPress(s, k); };
        grid->OnGridHint = [this](ui::TObject* s, int r, int c, std::string& h) { ACG_DAGridHint(s, r, c, h); };
    }
    ACG_DS_Vars->OnSelectCell = [this](ui::TObject* s, int c, int r, bool& can) {
        ACG_DS_VarsSelectCell(s, c, r, can);
    };
    ACG_DS_Vars->OnCellDone = [this](ui::TObject* s, int c, int r, const std::string&) {
        ACG_DS_VarsEditCellDone(s, c, r);
    };
}

void TFIEC_61850_Access::Set_Lang_Tables()
{
    using dlg::Txt;
    // Headers of ACG_DA: columns 0 to 4 and 7 to 18 from 3218 on, Start Byte and
    // Num Byte 3258, 3259.
    for (int c = 0; c < iec::col::DA_Count; ++c) {
        const int text = c <= iec::col::DA_Reference   ? 3218 + c
                         : c == iec::col::DA_StartByte ? 3258
                         : c == iec::col::DA_NumByte   ? 3259
                                                       : 3218 + c - 2;
        ACG_DA->Columns()->Items(c)->SetHeaderDirect(Txt(text));
        ACG_DA->SetCells(c, 0, Txt(text));
    }
    ACG_DA->UpdateColumnHeaders();
    Hint.Clear();
    for (int c = 0; c < iec::col::DA_Count; ++c) {
        const int text = c <= iec::col::DA_Reference   ? 3235 + c
                         : c == iec::col::DA_StartByte ? 3260
                         : c == iec::col::DA_NumByte   ? 3261
                                                       : 3235 + c - 2;
        Hint.Add(Txt(text));
    }
}

// --- grid events
// ---------------------------------------------------------------------------------------

void TFIEC_61850_Access::ClickCell(ui::TObject* Sender, int ARow, int ACol)
{
    auto* grid = dynamic_cast<gx::TGxStringGrid*>(Sender);
    if (grid && ACol == 0 && ARow > 0)
        grid->SelectRows(ARow, 1);
    if (Sender == ACG_DataSet)
        Show_DataSet_DAs();
}

void TFIEC_61850_Access::ACG_DADblClickCell(ui::TObject* Sender, int ARow, int ACol)
{
    if (auto* grid = dynamic_cast<gx::TGxStringGrid*>(Sender))
        Grid_DblClick_AutoSize(grid, ARow, ACol);
}

void TFIEC_61850_Access::ACG_DAKeyPress(ui::TObject* Sender, char32_t& Key)
{
    if (auto* grid = dynamic_cast<gx::TGxStringGrid*>(Sender))
        Grid_Enter_Next_Cell(grid, Key);
}

void TFIEC_61850_Access::ACG_DAGridHint(ui::TObject* Sender, int ARow, int ACol, std::string& hintstr)
{
    auto* grid = dynamic_cast<gx::TGxStringGrid*>(Sender);
    if (!grid || ARow != 0 || ACol < 1)
        return;  // other cells keep the grid's own hint
    const int real = grid->RealColIndex(ACol);
    if (real < Hint.Count())
        hintstr = Hint[real];
}

void TFIEC_61850_Access::ACG_DS_VarsSelectCell(ui::TObject*, int, int, bool&)
{
    Model.Member_Select_Cell(ACG_DataSet->Row());
}

void TFIEC_61850_Access::ACG_DS_VarsEditCellDone(ui::TObject*, int ACol, int ARow)
{
    Model.Member_Edit_Done(ACol, ARow, ACG_DS_Vars->Cells(ACol, ARow));
}

void TFIEC_61850_Access::Show_DataSet_DAs()
{
    Model.Show_DataSet_DAs(ACG_DataSet->Row(), *memberCells_);
}

// --- devices
// -------------------------------------------------------------------------------------------

void TFIEC_61850_Access::Btn_Add_IEC_DeviceClick(ui::TObject*)
{
    if (!OD_IcdFile->Execute())
        return;
    const iec::AddDeviceResult result = Model.Add_IEC_Device(OD_IcdFile->FileName, [] {
        switch (
            ui::MessageDlg(iec::ClientModel::Overwrite_Question, ui::TMsgDlgType::mtConfirmation, ui::mbYesNoCancel)) {
        case ui::IDYES:
            return iec::CatalogAnswer::Yes;
        case ui::IDNO:
            return iec::CatalogAnswer::No;
        default:
            return iec::CatalogAnswer::Cancel;
        }
    });
    if (!result.Message.empty())
        ui::MessageDlg(result.Message, result.Added ? ui::TMsgDlgType::mtWarning : ui::TMsgDlgType::mtError, ui::mbOK);
    if (result.Added)
        Show_IEC_Devices();
}

void TFIEC_61850_Access::Btn_Remove_IEC_DeviceClick(ui::TObject*)
{
    const int index = LB_IEC_Devices->ItemIndex();
    if (index < 0)
        return;
    // A device a row still uses is kept, silently.
    if (!Model.Remove_IEC_Device(index, *daCells_, *dataSetCells_))
        return;
    LB_IEC_Devices->Items()->Delete(index);
    Clear_Tree();
}

// --- Add Var, Remove Var
// --------------------------------------------------------------------------------

void TFIEC_61850_Access::Btn_AddVarClick(ui::TObject*)
{
    switch (Model.Add_Var(LB_IEC_Devices->ItemIndex(), *daCells_, *dataSetCells_)) {
    case iec::AddVarPage::Variables:
        PC_DA_DataSet->SetActivePage(TS_DA);
        break;
    case iec::AddVarPage::DataSet:
        PC_DA_DataSet->SetActivePage(TS_DataSet);
        break;
    case iec::AddVarPage::None:
        break;
    }
}

void TFIEC_61850_Access::Btn_RemoveVarClick(ui::TObject*)
{
    if (PC_DA_DataSet->ActivePage() == TS_DA) {
        Model.Remove_Var_DA(ACG_DA->Row(), *daCells_);
        return;
    }
    // The member grid follows the row that is current afterwards, so that a
    // member edited next lands in the data set the user sees.
    const int row = Model.Remove_Var_DataSet(ACG_DataSet->Row(), *dataSetCells_, *memberCells_);
    if (row >= 1 && row < ACG_DataSet->RowCount())
        ACG_DataSet->SetRow(row);
    Model.Member_Select_Cell(ACG_DataSet->Row());
}

// --- OK, show
// --------------------------------------------------------------------------------------------

bool TFIEC_61850_Access::Controllo_dati()
{
    const std::optional<iec::ClientFault> fault = iec::ClientModel::Controllo_dati(*daCells_);
    if (!fault)
        return true;
    PC_DA_DataSet->SetActivePage(TS_DA);
    ui::MessageDlg(fault->Message, ui::TMsgDlgType::mtError, ui::mbOK);
    return false;
}

void TFIEC_61850_Access::Btn_OKClick(ui::TObject*)
{
    if (!Controllo_dati())
        return;
    try {
        Model.Save_Table_File(File_IEC_61850_Client, *daCells_, *dataSetCells_);
    } catch (const rtl::Exception& e) {
        ui::MessageDlg(e.Message, ui::TMsgDlgType::mtError, ui::mbOK);
        return;
    }
    SetModalResult(ui::mrOk);
}

void TFIEC_61850_Access::FormShow(ui::TObject*)
{
    Clear_Tree();
    LB_IEC_Devices->Clear();
    const std::string notes = Model.Show(File_IEC_61850_Client, *daCells_, *dataSetCells_, *memberCells_);
    PC_DA_DataSet->SetActivePage(TS_DA);
    Show_IEC_Devices();
    if (!notes.empty())
        ui::MessageDlg(notes, ui::TMsgDlgType::mtError, ui::mbOK);
}
