#include "dialogs/UTableFrame.h"

#include "common/LangFormat.h"
#include "common/UComon.h"
#include "core/tables/TableTexts.h"
#include "dialogs/UDialogFrame.h"
#include "dialogs/UGridRows.h"
#include "platform/ui/Dialogs.h"

namespace dlg {

using tables::TEditor;

// --- the cells of a grid ---------------------------------------------------------------------------

int TGridCells::RowCount() const
{
    return grid_->RowCount();
}

int TGridCells::ColCount() const
{
    return grid_->TotalColCount();
}

bool TGridCells::Is_Box(int col) const
{
    return boxCells_ && col > 0 && col < desc_.Col_Count() &&
           desc_.Columns[static_cast<std::size_t>(col)].Editor == TEditor::CheckBox;
}

std::string TGridCells::Cell(int col, int row) const
{
    bool state = false;
    if (Is_Box(col) && grid_->GetCheckBoxState(col, row, state))
        return state ? "Y" : "N";
    return grid_->Cells(col, row);
}

void TGridCells::SetCell(int col, int row, const std::string& text)
{
    if (!Is_Box(col) || row < 1) {
        grid_->SetCells(col, row, text);
        return;
    }
    // A string grid's boxes are made when their row is first filled, not when the form is built.
    if (!Set_Cell_Check_State(grid_, col, row, text == "Y"))
        Add_Cell_Check_Box(grid_, col, row, text == "Y");
}

// --- the form --------------------------------------------------------------------------------------

namespace {

gx::TEditorType Editor_Of(TEditor e)
{
    switch (e) {
    case TEditor::ComboList:
        return gx::edComboList;
    case TEditor::ComboEdit:
        return gx::edComboEdit;
    case TEditor::CheckBox:
        return gx::edDataCheckBox;
    case TEditor::Plain:
        break;
    }
    return gx::edNormal;
}

ui::TAlignment Alignment_Of(tables::TAlign a)
{
    switch (a) {
    case tables::TAlign::Right:
        return ui::TAlignment::taRightJustify;
    case tables::TAlign::Center:
        return ui::TAlignment::taCenter;
    case tables::TAlign::Left:
        break;
    }
    return ui::TAlignment::taLeftJustify;
}

std::string Column_Header(const tables::TColumnDesc& c)
{
    return c.Header ? Txt(c.Header) : std::string(c.Caption);
}

// The header of a column: row 0's cell, and a column grid's column item (whose header list the
// caller brings up to date once for all columns).
void Set_Header(gx::TGxStringGrid* grid, int col, const std::string& text)
{
    if (auto* cg = dynamic_cast<gx::TGxColumnGrid*>(grid))
        cg->Columns()->Items(col)->SetHeaderDirect(text);
    grid->SetCells(col, 0, text);
}

}  // namespace

TFTableFrame::TFTableFrame(ui::TComponent* AOwner, const tables::TDialogDesc& desc) : ui::TForm(AOwner), Desc(desc)
{
    SetName(std::string(Desc.Form_Name));
    Dialog_Frame(*this, Desc.Client_Width, Desc.Client_Height);
    const TTitlePanel title = Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    Build_Buttons();
    Build_Grids();
    OnShow = [this](ui::TObject* s) { FormShow(s); };
    L_SW_Code->SetCaption(SW_Code);
    TFTableFrame::Set_Lang();
}

void TFTableFrame::Build_Buttons()
{
    P_Button = Button_Panel(*this);
    controls::TLbButton** buttons[] = {&Btn_OK, &Btn_Cancel, &Btn_DelRow, &Btn_InsRow, &Btn_CopyRow, &Btn_PasteRow};
    const int width = Desc.Client_Width;
    // A table without row buttons has OK and Cancel only, one without copy and paste no such buttons.
    const int count = Desc.Band == tables::TButtonBand::OK_Cancel ? tables::Btn_Cancel + 1
                      : Desc.Band == tables::TButtonBand::No_Copy ? tables::Btn_InsRow + 1
                                                                  : tables::Button_Count;
    for (int i = 0; i < count; ++i) {
        int left = Button_Left(i);
        if (Desc.Band == tables::TButtonBand::Rows_Left_OK_Right)
            left = i == tables::Btn_OK       ? width - 2 * (Button_Width + 8) - 8
                   : i == tables::Btn_Cancel ? width - (Button_Width + 8) - 8
                                             : Button_Left(i - 2);
        *buttons[i] = Panel_Button(*this, P_Button, tables::Button_Names[static_cast<std::size_t>(i)], left,
                                   i == tables::Btn_Cancel ? ui::mrCancel : ui::mrNone);
        (*buttons[i])->SetCaption(std::string(tables::Button_Stored_Captions[static_cast<std::size_t>(i)]));
        (*buttons[i])->SetShowHint(Desc.Button_Hints_Shown[static_cast<std::size_t>(i)]);
    }
    Btn_OK->OnClick = [this](ui::TObject* s) { Btn_OKClick(s); };
    if (count <= tables::Btn_InsRow)
        return;
    Btn_DelRow->OnClick = [this](ui::TObject* s) { Btn_DelRowClick(s); };
    Btn_InsRow->OnClick = [this](ui::TObject* s) { Btn_InsRowClick(s); };
    if (count < tables::Button_Count)
        return;
    Btn_CopyRow->OnClick = [this](ui::TObject* s) { Btn_CopyRowClick(s); };
    Btn_PasteRow->OnClick = [this](ui::TObject* s) { Btn_PasteRowClick(s); };
}

void TFTableFrame::Build_Grids()
{
    const bool paged = Desc.Grids.size() > 1 || (!Desc.Grids.empty() && !Desc.Grids[0].Sheet.empty());
    const int height = Desc.Client_Height - Title_Height - Button_Panel_Height;
    if (paged) {
        PageControl1 = Place<ui::TPageControl>(this, this, "PageControl1", 0, 0, Desc.Client_Width, height);
        PageControl1->SetAlign(ui::TAlign::alClient);
    }
    for (const tables::TGridDesc& g : Desc.Grids) {
        ui::TWinControl* parent = this;
        if (paged) {
            ui::TTabSheet* sheet = Place<ui::TTabSheet>(this, PageControl1, g.Sheet, 0, 0, 0, 0);
            sheet->SetPageControl(PageControl1);
            sheet->SetCaption(std::string(g.Sheet_Text));
            Sheets.push_back(sheet);
            parent = sheet;
        }
        gx::TGxStringGrid* grid = nullptr;
        if (Column_Grids())
            grid = Build_Grid<TFrameColumnGrid>(g, parent);
        else
            grid = Build_Grid<TFrameStringGrid>(g, parent);
        Grids.push_back(grid);
        cells_.push_back(std::make_unique<TGridCells>(grid, g, !Column_Grids()));
        Hint_Lists.emplace_back();
        Copy_Flags.push_back(false);
        items_.emplace_back();
        for (const tables::TColumnDesc& col : g.Columns)
            items_.back().push_back(col.Items);
    }
    if (PageControl1 && !Sheets.empty())
        PageControl1->SetActivePage(Sheets.front());
}

template <class G>
G* TFTableFrame::Build_Grid(const tables::TGridDesc& g, ui::TWinControl* parent)
{
    const int height = Desc.Client_Height - Title_Height - Button_Panel_Height;
    G* grid = Place<G>(this, parent, g.Name, 0, 0, Desc.Client_Width, height);
    grid->SetAlign(ui::TAlign::alClient);
    // Sizes and looks only: the rows are numbered and filled when the dialog is shown.
    grid->SetColCount(g.Col_Count());
    grid->SetRowCount(g.Rows + 1);
    grid->SetFixedCols(1);
    // Row 0 stays the header, also while a grid sized at a show has no data row.
    grid->SetFixedRowAlways(true);
    grid->SetFixedRows(1);
    ui::TGridOptions options = grid->Options() | ui::goRangeSelect;
    if (g.Col_Sizing)
        options = options | ui::goColSizing;
    if (g.Editing)
        options = options | ui::goEditing;
    grid->SetOptions(options);
    grid->SetShowHint(g.Show_Hints);
    grid->HintShowCells = g.Cell_Hints;
    // The columns' changes reach the grid once, at the end.
    if constexpr (std::is_same_v<G, TFrameColumnGrid>)
        grid->Columns()->BeginUpdate();
    for (int c = 0; c < g.Col_Count(); ++c) {
        const tables::TColumnDesc& col = g.Columns[static_cast<std::size_t>(c)];
        if constexpr (std::is_same_v<G, TFrameColumnGrid>) {
            gx::TGridColumnItem* item = grid->Columns()->Items(c);
            item->SetWidth(c == 0 ? g.Fixed_Width : col.Width);
            Set_Header(grid, c, std::string(col.Caption));
            if (c == 0) {
                item->SetFixed(true);
                continue;
            }
            item->SetEditor(Editor_Of(col.Editor));
            item->SetAlignment(Alignment_Of(col.Alignment));
            item->ReadOnly = col.ReadOnly;
            for (const std::string& choice : col.Items)
                item->ComboItems.Add(choice);
            if (col.Color != tables::No_Color)
                item->SetColor(col.Color);
        } else {
            grid->SetColWidths(c, c == 0 ? g.Fixed_Width : col.Width);
            grid->SetCells(c, 0, std::string(col.Caption));
        }
    }
    if constexpr (std::is_same_v<G, TFrameColumnGrid>) {
        grid->Columns()->EndUpdate();
        grid->UpdateColumnHeaders();
    }
    if constexpr (std::is_same_v<G, TFrameStringGrid>) {
        grid->OnGetCellColor = [this](ui::TObject* s, int r, int c, ui::TGridDrawState, ui::TBrush* b, ui::TFont*) {
            const int gi = Grid_Index(s);
            const auto& cols = Desc.Grids[static_cast<std::size_t>(gi)].Columns;
            if (r >= 1 && c >= 1 && c < static_cast<int>(cols.size()) &&
                cols[static_cast<std::size_t>(c)].Color != tables::No_Color)
                b->SetColor(cols[static_cast<std::size_t>(c)].Color);
        };
        grid->OnGetEditorType = [this](ui::TObject* s, int c, int r, gx::TEditorType& e) { GetEditorType(s, c, r, e); };
    }
    for (int c = 0; c < g.Col_Count(); ++c)
        if (g.Columns[static_cast<std::size_t>(c)].Hidden)
            grid->HideColumn(c);
    if (g.Key_Press)
        grid->OnGridKeyPress = [this](ui::TObject* s, char32_t& k) { KeyPress(s, k); };
    if (g.Dbl_Click)
        grid->OnCellDblClick = [this](ui::TObject* s, int r, int c) { DblClickCell(s, r, c); };
    if (g.Click_Cell)
        grid->OnCellClick = [this](ui::TObject* s, int r, int c) { ClickCell(s, r, c); };
    if (g.Grid_Hint)
        grid->OnGridHint = [this](ui::TObject* s, int r, int c, std::string& h) { GridHint(s, r, c, h); };
    return grid;
}

void TFTableFrame::Set_Lang()
{
    const tables::TTextsDesc& t = Desc.Texts;
    if (t.Caption)
        SetCaption(Txt(t.Caption));
    if (t.Description)
        L_SW_Desc->SetCaption(Txt(t.Description));
    controls::TLbButton* buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (std::size_t i = 0; i < tables::Button_Count; ++i) {
        if (!buttons[i])
            continue;
        if (t.Button_Captions[i])
            buttons[i]->SetCaption(Txt(t.Button_Captions[i]));
        if (t.Button_Hints[i])
            buttons[i]->SetHint(Txt(t.Button_Hints[i]));
    }
    for (std::size_t gi = 0; gi < Desc.Grids.size(); ++gi) {
        const tables::TGridDesc& g = Desc.Grids[gi];
        if (gi < Sheets.size() && g.Sheet_Caption)
            Sheets[gi]->SetCaption(Txt(g.Sheet_Caption));
        rtl::TStringList& hints = Hint_Lists[gi];
        hints.Clear();
        for (int c = 0; c < g.Col_Count(); ++c) {
            const tables::TColumnDesc& col = g.Columns[static_cast<std::size_t>(c)];
            if (col.Header)
                Set_Header(Grids[gi], c, Column_Header(col));
            if (c > 0)
                hints.Add(col.Hint ? Txt(col.Hint) : std::string());
        }
        if (auto* cg = dynamic_cast<gx::TGxColumnGrid*>(Grids[gi]))
            cg->UpdateColumnHeaders();
    }
}

int TFTableFrame::Grid_Index(const ui::TObject* grid) const
{
    for (std::size_t i = 0; i < Grids.size(); ++i)
        if (Grids[i] == grid)
            return static_cast<int>(i);
    return -1;
}

int TFTableFrame::Active_Index() const
{
    if (!PageControl1)
        return 0;
    for (std::size_t i = 0; i < Sheets.size(); ++i)
        if (Sheets[i] == PageControl1->ActivePage())
            return static_cast<int>(i);
    return 0;
}

std::vector<const tables::TCells*> TFTableFrame::All_Cells() const
{
    std::vector<const tables::TCells*> all;
    for (const auto& c : cells_)
        all.push_back(c.get());
    return all;
}

const std::string& TFTableFrame::Table_File() const
{
    static const std::string none;
    return Desc.File ? *Desc.File : none;
}

void TFTableFrame::Fill_Combo_Lists()
{
    for (std::size_t gi = 0; gi < Desc.Grids.size(); ++gi) {
        const tables::TGridDesc& g = Desc.Grids[gi];
        for (int c = 1; c < g.Col_Count(); ++c) {
            const tables::TColumnDesc& col = g.Columns[static_cast<std::size_t>(c)];
            if (col.Items_Count.empty())
                continue;
            std::vector<std::string>& items = items_[gi][static_cast<std::size_t>(c)];
            items = tables::Counted_Items(col, State);
            if (auto* cg = dynamic_cast<gx::TGxColumnGrid*>(Grids[gi])) {
                rtl::TStringList& list = cg->Columns()->Items(c)->ComboItems;
                list.Clear();
                for (const std::string& item : items)
                    list.Add(item);
            }
        }
    }
}

void TFTableFrame::GetEditorType(ui::TObject* Sender, int ACol, int, gx::TEditorType& AEditor)
{
    const int gi = Grid_Index(Sender);
    if (gi < 0)
        return;
    const auto& cols = Desc.Grids[static_cast<std::size_t>(gi)].Columns;
    if (ACol < 1 || ACol >= static_cast<int>(cols.size()))
        return;
    const TEditor e = cols[static_cast<std::size_t>(ACol)].Editor;
    if (e != TEditor::ComboList && e != TEditor::ComboEdit)
        return;
    AEditor = Editor_Of(e);
    gx::TGxStringGrid* grid = Grids[static_cast<std::size_t>(gi)];
    grid->ClearComboString();
    for (const std::string& item : items_[static_cast<std::size_t>(gi)][static_cast<std::size_t>(ACol)])
        grid->AddComboString(item);
}

void TFTableFrame::FormShow(ui::TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    Prepare_Show();
    for (gx::TGxStringGrid* grid : Grids)
        grid->BeginUpdate();
    std::vector<tables::TCells*> cells;
    for (const auto& c : cells_)
        cells.push_back(c.get());
    State = {};
    const std::string note = tables::Show_Tables(Desc, cells, State);
    Fill_Combo_Lists();
    for (std::size_t gi = 0; gi < Grids.size(); ++gi) {
        const tables::TGridDesc& g = Desc.Grids[gi];
        gx::TGxStringGrid* grid = Grids[gi];
        for (int c = 0; c < g.Col_Count(); ++c)
            if (g.Columns[static_cast<std::size_t>(c)].Hidden)
                grid->HideColumn(c);
        // A string grid keeps read-only marks per cell; the row tools move them: start afresh.
        if (!Column_Grids())
            for (int r = 1; r < grid->RowCount(); ++r)
                for (int c = 0; c < g.Col_Count(); ++c)
                    grid->SetReadOnly(c, r, g.Columns[static_cast<std::size_t>(c)].ReadOnly);
        grid->EndUpdate();
        // Every show starts at row 1, whatever the last show scrolled to.
        Grid_Show_Start(grid);
        Copy_Flags[gi] = false;
    }
    if (PageControl1 && !Sheets.empty())
        PageControl1->SetActivePage(Sheets.front());
    if (Desc.Focus_Grid_On_Show && !Grids.empty() && Grids.front()->CanFocus())
        Grids.front()->SetFocus();
    Shown();
    if (!note.empty())
        ui::MessageDlg(note, ui::TMsgDlgType::mtWarning, ui::mbOK);
}

bool TFTableFrame::Controllo_dati()
{
    const std::optional<tables::TTableFault> fault = tables::First_Fault(Desc, All_Cells(), State);
    if (!fault)
        return true;
    if (PageControl1 && fault->Grid < static_cast<int>(Sheets.size()))
        PageControl1->SetActivePage(Sheets[static_cast<std::size_t>(fault->Grid)]);
    ui::MessageDlg(fault->Message, ui::TMsgDlgType::mtError, ui::mbOK);
    return false;
}

void TFTableFrame::Btn_OKClick(ui::TObject*)
{
    if (!Controllo_dati())
        return;
    try {
        std::vector<tables::TCells*> cells;
        for (const auto& c : cells_)
            cells.push_back(c.get());
        tables::Save_Tables(Desc, Table_File(), cells, State);
    } catch (const rtl::Exception& e) {
        ui::MessageDlg(e.Message, ui::TMsgDlgType::mtError, ui::mbOK);
        return;
    }
    SetModalResult(ui::mrOk);
}

void TFTableFrame::Btn_DelRowClick(ui::TObject*)
{
    const int gi = Active_Index();
    gx::TGxStringGrid* grid = Grids[static_cast<std::size_t>(gi)];
    const int row = grid->Row();
    if (row < 1 || row >= grid->RowCount())
        return;
    const tables::TTextsDesc& t = Desc.Texts;
    const std::string question =
        t.Delete_Formats ? Lang_Safe_Format(t.Delete_Question, {row}) : Txt(t.Delete_Question) + std::to_string(row);
    if (ui::MessageDlg(question, ui::TMsgDlgType::mtConfirmation, ui::mbYes | ui::mbNo) == ui::mrYes) {
        if (auto* cg = dynamic_cast<gx::TGxColumnGrid*>(grid); cg && Column_Grids())
            ColGrid_Del_Row(row, cg);
        else
            Grid_Del_Row(row, grid, Desc.Grids[static_cast<std::size_t>(gi)].Insert_Flag);
    }
    Row_Deleted(gi, row);
}

void TFTableFrame::Btn_InsRowClick(ui::TObject*)
{
    const int gi = Active_Index();
    gx::TGxStringGrid* grid = Grids[static_cast<std::size_t>(gi)];
    const bool flag = Desc.Grids[static_cast<std::size_t>(gi)].Insert_Flag;
    if (auto* cg = dynamic_cast<gx::TGxColumnGrid*>(grid); cg && Column_Grids())
        ColGrid_Ins_Row(grid->Row(), cg, flag);
    else
        Grid_Ins_Row(grid->Row(), grid, flag);
    Row_Inserted(gi, grid->Row());
}

void TFTableFrame::Btn_CopyRowClick(ui::TObject*)
{
    const int gi = Active_Index();
    gx::TGxStringGrid* grid = Grids[static_cast<std::size_t>(gi)];
    if (auto* cg = dynamic_cast<gx::TGxColumnGrid*>(grid); cg && Column_Grids())
        ColGrid_Copy_Row(cg, grid->Row());
    else
        Grid_Copy_Row(grid, grid->Row());
    for (std::size_t i = 0; i < Copy_Flags.size(); ++i)
        Copy_Flags[i] = static_cast<int>(i) == gi;
}

void TFTableFrame::Btn_PasteRowClick(ui::TObject*)
{
    const int gi = Active_Index();
    gx::TGxStringGrid* grid = Grids[static_cast<std::size_t>(gi)];
    const bool copied = Copy_Flags[static_cast<std::size_t>(gi)];
    bool pasted = false;
    if (auto* cg = dynamic_cast<gx::TGxColumnGrid*>(grid); cg && Column_Grids())
        pasted = ColGrid_Paste_Row(cg, grid->Row(), copied);
    else
        pasted = Grid_Paste_Row(grid, grid->Row(), copied);
    if (pasted)
        Row_Pasted(gi, grid->Row());
}

void TFTableFrame::KeyPress(ui::TObject* Sender, char32_t& Key)
{
    if (const int gi = Grid_Index(Sender); gi >= 0)
        Grid_Enter_Next_Cell(Grids[static_cast<std::size_t>(gi)], Key);
}

void TFTableFrame::DblClickCell(ui::TObject* Sender, int ARow, int ACol)
{
    if (const int gi = Grid_Index(Sender); gi >= 0)
        Grid_DblClick_AutoSize(Grids[static_cast<std::size_t>(gi)], ARow, ACol);
}

void TFTableFrame::ClickCell(ui::TObject* Sender, int ARow, int ACol)
{
    if (const int gi = Grid_Index(Sender); gi >= 0 && ACol == 0 && ARow > 0)
        Grids[static_cast<std::size_t>(gi)]->SelectRows(ARow, 1);
}

void TFTableFrame::GridHint(ui::TObject* Sender, int ARow, int ACol, std::string& hintstr)
{
    const int gi = Grid_Index(Sender);
    if (gi < 0)
        return;
    const rtl::TStringList& hints = Hint_Lists[static_cast<std::size_t>(gi)];
    if (ARow == 0 && ACol >= 1) {
        const int real = Grids[static_cast<std::size_t>(gi)]->RealColIndex(ACol);
        hintstr = real - 1 < hints.Count() ? hints[real - 1] : std::string();
    } else if (Desc.Grids[static_cast<std::size_t>(gi)].Hint_Outside == tables::THintOutside::Clear) {
        hintstr.clear();
    }
}

}  // namespace dlg
