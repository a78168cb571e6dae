// TGxStringGrid: the row and text hooks other code calls at fixed moments (fixed-cell edit,
// selection change, keyboard row insertion and removal, filter done, the texts of formulas, export
// and import) and the small dispatching hooks of the editing area.
#include "grid/base/HtmlTextUtils.h"
#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxGrid.h"

namespace gx {

void TGxStringGrid::DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, rtl::TStrings* Values)
{
    if (OnFixedEdit)
        OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

void TGxStringGrid::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom)
{
    // These looks draw the selection as one shape, so all of it is drawn again.
    if (Look == glVista || Look == glWin7 || Look == glOffice2007) {
        const ui::TGridRect sel = Selection();
        RepaintRect({sel.Left, sel.Top, sel.Right, sel.Bottom});
    }
    selChange_ = true;
    if (OnSelectionChanged)
        OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TGxStringGrid::InsertRowAt(int ARow)
{
    InsertRows(ARow, 1, true);
}

void TGxStringGrid::DeleteRowAt(int ARow)
{
    if (RowCount() - FixedRows() - FixedFooters() == 1 && !FixedRowAlways())
        ClearRows(ARow, 1);
    else
        RemoveRowRange(ARow, 1);
    if (OnAutoDeleteRow)
        OnAutoDeleteRow(this, ARow);
}

void TGxStringGrid::DoFilterDone()
{
    if (OnFilterDone)
        OnFilterDone(this);
}

std::string TGxStringGrid::GetCalcCellText(int ACol, int ARow)
{
    return GetCellEx(ACol, ARow);
}

std::string TGxStringGrid::GetSaveCellText(int ACol, int ARow)
{
    std::string text = SaveVirtCells ? GetFormattedCell(ACol, ARow) : GridCells(ACol, ARow);
    if (text.empty()) {
        if (GetCellType(ACol, ARow) == ctCheckBox) {
            bool state = false;
            GetCheckBoxState(ACol, ARow, state);
            state ? GetCheckTrueText(ACol, ARow, text) : GetCheckFalseText(ACol, ARow, text);
        } else if (GetCellType(ACol, ARow) == ctTriStateCheckBox) {
            const TCellGraphic* g = GetCellGraphic(ACol, ARow);
            const bool checked = g && g->CellCheckBoxState == ui::TCheckBoxState::cbChecked;
            checked ? GetCheckTrueText(ACol, ARow, text) : GetCheckFalseText(ACol, ARow, text);
        }
    }
    const int kind = GetCellTextKind(text, true);
    if (kind == ctkHTML && !SaveWithHTML) {
        text = StripHTMLTags(text);
    } else if (kind == ctkRichText && SaveWithRTF) {
        std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    }
    if (OnSaveCell)
        OnSaveCell(this, ACol, ARow, text);
    return text;
}

void TGxStringGrid::LoadCellText(int ACol, int ARow, const std::string& Value)
{
    if (!OnLoadCell) {
        SetGridCell(ACol, ARow, Value);
        return;
    }
    std::string text = Value;
    if (OnLoadCell)
        OnLoadCell(this, ACol, ARow, text);
    SetGridCell(ACol, ARow, text);
}

void TGxStringGrid::DisableEditing()
{
    SetOptions(Options() & ~ui::goEditing);
}

std::string TGxStringGrid::DoEllipsClick(const std::string& Value)
{
    std::string s = Value;
    if (OnEllipsClick)
        OnEllipsClick(this, RealColIndex(Col()), Row(), s);
    return s;
}

void TGxStringGrid::DoGetEditorProp(int ACol, int ARow, TObject* AEditLink)
{
    if (OnGetEditorProp)
        OnGetEditorProp(this, ACol, ARow, AEditLink);
}

void TGxStringGrid::DoCellChanging(int NewCol, int NewRow, bool& Allow)
{
    if (NewRow != Row() && OnRowChanging)
        OnRowChanging(this, Row(), NewRow, Allow);
    if (NewCol != Col() && OnColChanging)
        OnColChanging(this, Col(), NewCol, Allow);
    if ((NewRow != Row() || NewCol != Col()) && !edit_.DisableChange && OnCellChanging)
        OnCellChanging(this, Row(), Col(), NewRow, NewCol, Allow);
}

}  // namespace gx
