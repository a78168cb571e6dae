#include "dialogs/UGridRows.h"

#include <algorithm>
#include <cstddef>

#include "common/UComon.h"
#include "dialogs/UDialogFrame.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Dialogs.h"

using dlg::Txt;

namespace {

bool Has_Check_Box(gx::TGxStringGrid* grid, int c, int r, bool& state)
{
    return grid->GetCheckBoxState(c, r, state);
}

bool Paste_Allowed(int n, bool copied)
{
    if (!copied) {
        ui::MessageDlg(Txt(1102), ui::TMsgDlgType::mtError, ui::mbOK);
        return false;
    }
    if (Row_Copy_List.size() != static_cast<std::size_t>(n)) {
        ui::MessageDlg(Txt(1101), ui::TMsgDlgType::mtError, ui::mbOK);
        return false;
    }
    return true;
}

bool Overwrite_Confirmed(bool inUse)
{
    return !inUse || ui::MessageDlg(Txt(1100), ui::TMsgDlgType::mtConfirmation, ui::mbYes | ui::mbNo) == ui::mrYes;
}

}  // namespace

int Grid_Data_Columns(const gx::TGxStringGrid& grid)
{
    return grid.TotalColCount() - 1;
}

// --- column grids ----------------------------------------------------------------------------------

void ColGrid_Copy_Row(gx::TGxColumnGrid* grid, int row)
{
    Row_Copy_List.clear();
    const int n = Grid_Data_Columns(*grid);
    for (int c = 1; c <= n; ++c)
        Row_Copy_List.push_back(grid->Cells(c, row));
}

bool ColGrid_Paste_Row(gx::TGxColumnGrid* grid, int row, bool copied)
{
    const int n = Grid_Data_Columns(*grid);
    if (!Paste_Allowed(n, copied))
        return false;
    bool inUse = false;
    for (int c = 1; c <= n && !inUse; ++c) {
        const bool checkColumn =
            c < grid->Columns()->Count() && grid->Columns()->Items(c)->Editor() == gx::edDataCheckBox;
        inUse = !checkColumn && !rtl::Trim(grid->Cells(c, row)).empty();
    }
    if (!Overwrite_Confirmed(inUse))
        return false;
    for (int c = 1; c <= n; ++c)
        grid->SetCells(c, row, Row_Copy_List[static_cast<std::size_t>(c - 1)]);
    return true;
}

void ColGrid_Del_Row(int row, gx::TGxColumnGrid* grid)
{
    const int n = Grid_Data_Columns(*grid);
    const int last = grid->RowCount() - 1;
    for (int r = row; r < last; ++r)
        for (int c = 1; c <= n; ++c)
            grid->SetCells(c, r, grid->Cells(c, r + 1));
    for (int c = 1; c <= n; ++c)
        grid->SetCells(c, last, "");
}

void ColGrid_Ins_Row(int row, gx::TGxColumnGrid* grid, bool firstColumnY)
{
    const int n = Grid_Data_Columns(*grid);
    for (int r = grid->RowCount() - 2; r >= row; --r)
        for (int c = 1; c <= n; ++c)
            grid->SetCells(c, r + 1, grid->Cells(c, r));
    for (int c = 1; c <= n; ++c)
        grid->SetCells(c, row, c == 1 && firstColumnY ? "Y" : "");
}

// --- check-box string grids ------------------------------------------------------------------------

void Add_Cell_Check_Box(gx::TGxStringGrid* grid, int ACol, int ARow, bool state)
{
    if (gx::TCellGraphic* graphic = grid->CreateCellGraphic(ACol, ARow)) {
        graphic->CellType = gx::ctCheckBox;
        graphic->CellBoolean = state;
        graphic->CellHAlign = gx::haCenter;
        graphic->CellVAlign = gx::vaCenter;
    }
}

bool Set_Cell_Check_State(gx::TGxStringGrid* grid, int ACol, int ARow, bool state)
{
    gx::TCellGraphic* graphic = grid->GetCellGraphic(ACol, ARow);
    if (!graphic)
        return false;
    switch (graphic->CellType) {
    case gx::ctCheckBox:
    case gx::ctRowCheckBox:
    case gx::ctRadioButton:
        graphic->CellBoolean = state;
        break;
    case gx::ctDataCheckBox:
    case gx::ctVirtCheckBox: {
        std::string text;
        if (state)
            grid->GetCheckTrueText(ACol, ARow, text);
        else
            grid->GetCheckFalseText(ACol, ARow, text);
        grid->SetCells(ACol, ARow, text);
        break;
    }
    default:
        return false;
    }
    grid->RepaintCell(grid->DisplColIndex(ACol), ARow);
    return true;
}

bool Toggle_Cell_Check(gx::TGxStringGrid* grid, int ACol, int ARow)
{
    bool state = false;
    if (!Has_Check_Box(grid, ACol, ARow, state))
        return false;
    bool editable = true;
    grid->GetCellEditable(ACol, ARow, editable);
    if (!editable)
        return false;
    return Set_Cell_Check_State(grid, ACol, ARow, !state);
}

void Grid_Copy_Row(gx::TGxStringGrid* grid, int row)
{
    const int n = Grid_Data_Columns(*grid);
    Row_Copy_List.clear();
    Row_Copy_Check_Cols.assign(static_cast<std::size_t>(n), false);
    for (int c = 1; c <= n; ++c) {
        bool state = false;
        if (Has_Check_Box(grid, c, row, state)) {
            Row_Copy_Check_Cols[static_cast<std::size_t>(c - 1)] = true;
            Row_Copy_List.push_back(state ? "Y" : "N");
        } else {
            Row_Copy_List.push_back(grid->Cells(c, row));
        }
    }
}

bool Grid_Paste_Row(gx::TGxStringGrid* grid, int row, bool copied)
{
    const int n = Grid_Data_Columns(*grid);
    if (!Paste_Allowed(n, copied))
        return false;
    bool inUse = false;
    for (int c = 1; c <= n && !inUse; ++c) {
        bool state = false;
        inUse = !Has_Check_Box(grid, c, row, state) && !grid->Cells(c, row).empty();
    }
    if (!Overwrite_Confirmed(inUse))
        return false;
    for (int c = 1; c <= n; ++c) {
        const std::string& value = Row_Copy_List[static_cast<std::size_t>(c - 1)];
        const std::size_t flag = static_cast<std::size_t>(c - 1);
        if (flag < Row_Copy_Check_Cols.size() && Row_Copy_Check_Cols[flag])
            Set_Cell_Check_State(grid, c, row, value == "Y");
        else
            grid->SetCells(c, row, value);
    }
    return true;
}

namespace {

// Cell (c, to) takes the check-box state or the text of cell (c, from), and its read-only flag.
void Move_Cell(gx::TGxStringGrid* grid, int c, int from, int to)
{
    bool state = false;
    if (Has_Check_Box(grid, c, from, state))
        Set_Cell_Check_State(grid, c, to, state);
    else
        grid->SetCells(c, to, grid->Cells(c, from));
    grid->SetReadOnly(c, to, grid->ReadOnly(c, from));
}

// Empties a row: boxes unticked but the first with firstBoxTicked, texts emptied.
void Empty_Row(gx::TGxStringGrid* grid, int row, bool firstBoxTicked, bool readOnly)
{
    const int n = Grid_Data_Columns(*grid);
    for (int c = 1; c <= n; ++c) {
        bool state = false;
        if (Has_Check_Box(grid, c, row, state))
            Set_Cell_Check_State(grid, c, row, firstBoxTicked && c == 1);
        else
            grid->SetCells(c, row, "");
    }
    for (int c = 0; c <= n; ++c)
        grid->SetReadOnly(c, row, readOnly);
}

}  // namespace

void Grid_Del_Row(int row, gx::TGxStringGrid* grid, bool firstBoxTicked)
{
    const int n = Grid_Data_Columns(*grid);
    const int last = grid->RowCount() - 1;
    for (int r = row; r < last; ++r)
        for (int c = 1; c <= n; ++c)
            Move_Cell(grid, c, r + 1, r);
    Empty_Row(grid, last, firstBoxTicked, true);
}

void Grid_Ins_Row(int row, gx::TGxStringGrid* grid, bool firstBoxTicked)
{
    const int n = Grid_Data_Columns(*grid);
    for (int r = grid->RowCount() - 2; r >= row; --r)
        for (int c = 1; c <= n; ++c)
            Move_Cell(grid, c, r, r + 1);
    Empty_Row(grid, row, firstBoxTicked, false);
}

// --- keys and double clicks ------------------------------------------------------------------------

void Grid_Enter_Next_Cell(gx::TGxStringGrid* grid, char32_t& Key)
{
    if (!Enable_Jump_Field || Key != 13)
        return;
    const int col = grid->Col();
    const int row = grid->Row();
    if (col > 0 && row > 0) {
        if (col < grid->ColCount() - 1) {
            grid->SetCol(col + 1);
        } else {
            grid->SetCol(1);
            grid->SetRow(row == grid->RowCount() - 1 ? 1 : row + 1);
        }
    }
    Key = 0;
}

void Grid_Show_Start(gx::TGxStringGrid* grid)
{
    grid->HideInplaceEdit();
    grid->SetCol(grid->FixedCols());
    grid->SetRow(grid->FixedRows());
    grid->SetLeftCol(grid->FixedCols());
    grid->SetTopRow(grid->FixedRows());
}

void Grid_DblClick_AutoSize(gx::TGxStringGrid* grid, int ARow, int ACol)
{
    if (!Enable_DblClick_AutoSize || ARow != 0 || ACol < 0 || ACol >= grid->ColCount())
        return;
    // The grid's own sizing measures each cell in the font it is painted in: the header in the
    // header font (bold), so the header's text fits whole.
    grid->AutoSizeCol(ACol);
}
