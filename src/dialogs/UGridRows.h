#pragma once
// The row tools every table dialog edits its grid with: delete, insert, copy and paste of a whole
// row, the Enter key that walks through the cells, and the header double click that sizes a column.
// Column grids keep their check boxes as cell texts ("Y"/"N"); check-box string grids keep them as
// cell objects with their own state, and carry the cells' read-only flags along when rows move.
// The copied row is the shared Row_Copy_List (with Row_Copy_Check_Cols for check-box string grids),
// so a row copied in one dialog can be pasted in another whose grid has as many data columns.
// Column 0 holds the row numbers and row 0 the headers; data columns are 1 to N (hidden included).

#include <string>

#include "grid/columngrid/GxColumnGrid.h"

// Data columns of a grid: its columns (hidden ones included) less the row-number column.
int Grid_Data_Columns(const gx::TGxStringGrid& grid);

void ColGrid_Copy_Row(gx::TGxColumnGrid* grid, int row);
// Writes the copied row into row after the checks: nothing copied in this dialog (text 1102), a
// copy with another number of columns (text 1101), a row in use that the user does not want
// overwritten (text 1100). Returns true when the row was written.
bool ColGrid_Paste_Row(gx::TGxColumnGrid* grid, int row, bool copied);
// Moves the rows below up by one and empties the last row. The caller has asked the user first.
void ColGrid_Del_Row(int row, gx::TGxColumnGrid* grid);
// Moves row and the rows below down by one (the last row's content is lost) and empties row;
// with firstColumnY its column 1 becomes "Y".
void ColGrid_Ins_Row(int row, gx::TGxColumnGrid* grid, bool firstColumnY);

void Grid_Copy_Row(gx::TGxStringGrid* grid, int row);
bool Grid_Paste_Row(gx::TGxStringGrid* grid, int row, bool copied);
// As the column-grid tools, carrying check-box states and read-only flags. The emptied last row is
// made read-only; its first box is ticked when firstBoxTicked.
void Grid_Del_Row(int row, gx::TGxStringGrid* grid, bool firstBoxTicked);
// The opened row is made editable; its first box is ticked when firstBoxTicked.
void Grid_Ins_Row(int row, gx::TGxStringGrid* grid, bool firstBoxTicked);

// Enter (with Enable_Jump_Field on) moves to the next data cell, row by row, back to the first
// after the last, and is consumed (Key becomes 0) also on a header cell.
void Grid_Enter_Next_Cell(gx::TGxStringGrid* grid, char32_t& Key);
// A double click on a header cell (with Enable_DblClick_AutoSize on) sizes that column to its
// content.
void Grid_DblClick_AutoSize(gx::TGxStringGrid* grid, int ARow, int ACol);

// A table shown anew starts at its top: row 1 current and in view, the first data column at the
// left, whatever the table showed before.
void Grid_Show_Start(gx::TGxStringGrid* grid);

// Check boxes that belong to the cell (not to its text): put one into a cell, and set its state.
void Add_Cell_Check_Box(gx::TGxStringGrid* grid, int ACol, int ARow, bool state);
bool Set_Cell_Check_State(gx::TGxStringGrid* grid, int ACol, int ARow, bool state);
// A click on a check-box cell that may be edited toggles it (a data check box between its column's
// two texts). Returns true when the cell held a check box and changed.
bool Toggle_Cell_Check(gx::TGxStringGrid* grid, int ACol, int ARow);
