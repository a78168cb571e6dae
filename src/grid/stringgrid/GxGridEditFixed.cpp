// The fixed-cell editors (a header cell's text, validated when the editor is left) and the
// editors of HTML controls inside a cell's text.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"

namespace gx {

namespace {
// Validates Value for the fixed cell; on refusal the cell becomes current and the editor keeps
// the focus with what the user typed.
template <class Editor>
bool StopFixedEdit(Editor& e, TGxStringGrid* grid)
{
    if (!grid) {
        e.SetVisible(false);
        return true;
    }
    std::string value = e.Text();
    bool valid = true;
    if (grid->OnCellValidate)
        grid->OnCellValidate(grid, e.FCol, e.FRow, value, valid);
    if (!valid) {
        grid->SetCol(grid->DisplColIndex(e.FCol));
        grid->SetRow(e.FRow);
        if (e.CanFocus())
            e.SetFocus();
        return false;
    }
    if (grid->OnEditingDone)
        grid->OnEditingDone(grid);
    grid->SetCells(e.FCol, e.FRow, value);
    e.SetVisible(false);
    return true;
}
}  // namespace

TGridTransEdit::TGridTransEdit(TGxStringGrid* AGrid) : ui::TCustomEdit(AGrid), grid_(AGrid)
{
    SetVisible(false);
}

bool TGridTransEdit::StopEdit()
{
    return StopFixedEdit(*this, grid_);
}

void TGridTransEdit::KeyPress(char32_t& key)
{
    if (key == U'\r')
        key = 0;
    ui::TCustomEdit::KeyPress(key);
}

void TGridTransEdit::DoExit()
{
    ui::TCustomEdit::DoExit();
    if (Visible())
        StopEdit();
}

TGridTransCombo::TGridTransCombo(TGxStringGrid* AGrid) : ui::TComboBox(AGrid), grid_(AGrid)
{
    SetVisible(false);
}

bool TGridTransCombo::StopEdit()
{
    return StopFixedEdit(*this, grid_);
}

void TGridTransCombo::KeyPress(char32_t& key)
{
    if (key == U'\r')
        key = 0;
    ui::TComboBox::KeyPress(key);
}

void TGridTransCombo::DoExit()
{
    ui::TComboBox::DoExit();
    if (Visible())
        StopEdit();
}

// --- controls in a cell's text ------------------------------------------------------------------------

namespace {
// Enter and Tab end the control's edit; Tab moves on. True when the key was used.
bool EndControlEdit(ui::TWinControl& editor, TGxStringGrid& grid, char32_t& key)
{
    if (key != U'\r' && key != U'\t')
        return false;
    const bool tab = key == U'\t';
    key = 0;
    editor.Perform(ui::CM_EXIT);
    if (tab && !grid.Navigation()->AdvanceAuto()) {
        // On to the next control of the cell; after the last one the grid takes the focus.
        const ui::TPoint cell = grid.CellControlCell();
        grid.StartCellControlEdit(grid.DisplColIndex(cell.X), cell.Y, grid.CellControlID());
        return true;
    }
    if (tab) {
        const int next = grid.Col() + 1;
        if (next < grid.ColCount())
            grid.MoveColRow(next, grid.Row(), true, true);
        else if (grid.Row() + 1 < grid.RowCount())
            grid.MoveColRow(grid.FixedCols(), grid.Row() + 1, true, true);
        if (grid.IsClickControlCell(grid.Col(), grid.Row()) && grid.IsEditable(grid.Col(), grid.Row()))
            grid.ShowInplaceEdit();
    }
    if (grid.CanFocus())
        grid.SetFocus();
    return true;
}
}  // namespace

TControlEdit::TControlEdit(ui::TComponent* AOwner) : ui::TMaskEdit(AOwner) {}

void TControlEdit::WndProc(ui::TMessage& message)
{
    if (message.Msg == ui::CM_WANTSPECIALKEY && (message.WParam == ui::VK_RETURN || message.WParam == ui::VK_TAB)) {
        message.Result = message.WParam == ui::VK_TAB ? 1 : 0;
        return;
    }
    ui::TMaskEdit::WndProc(message);
}

void TControlEdit::KeyPress(char32_t& key)
{
    auto* grid = dynamic_cast<TGxStringGrid*>(Parent());
    if (grid && EndControlEdit(*this, *grid, key))
        return;
    ui::TMaskEdit::KeyPress(key);
}

TControlCombo::TControlCombo(TGxStringGrid* AGrid) : TGsgComboBox(AGrid), grid_(AGrid)
{
    SetVisible(false);
}

void TControlCombo::WndProc(ui::TMessage& message)
{
    if (message.Msg == ui::CM_WANTSPECIALKEY && message.WParam == ui::VK_TAB) {
        message.Result = 1;
        return;
    }
    TGsgComboBox::WndProc(message);
}

void TControlCombo::KeyPress(char32_t& key)
{
    if (EndControlEdit(*this, *grid_, key))
        return;
    TGsgComboBox::KeyPress(key);
}

}  // namespace gx
