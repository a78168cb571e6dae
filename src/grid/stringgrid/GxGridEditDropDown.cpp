// TGxStringGrid: the editor switch for the drop-down cell editors. The grid places the editor over
// the cell and marks the edit open; the editor set fills, shows and empties the editor.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridDropDownEditors.h"

namespace gx {

namespace {
TGridDropDownEditorsFactory& Factory()
{
    static TGridDropDownEditorsFactory factory;
    return factory;
}
}  // namespace

bool IsDropDownEditor(TEditorType Kind)
{
    return Kind >= edTrackbarDropDown && Kind <= edGxGridDropDown;
}

void SetGridDropDownEditorsFactory(TGridDropDownEditorsFactory F)
{
    Factory() = std::move(F);
}

IGridDropDownEditors* TGxStringGrid::DropDownEditors()
{
    if (!dropDownEditors_ && Factory())
        dropDownEditors_ = Factory()(*this);
    return dropDownEditors_.get();
}

void TGxStringGrid::ShowDropDownEditor(int ACol, int ARow)
{
    IGridDropDownEditors* editors = DropDownEditors();
    if (!editors) {
        // Without the editors installed these kinds start no edit.
        edit_.EditMode = false;
        return;
    }
    edit_.Editing = true;
    edit_.SpecialEditor = true;
    edit_.EditActive = true;
    const ui::TRect cell = CellRect(ACol, ARow);
    const ui::TRect r{cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1};
    const int realCol = RealColIndex(ACol);
    ui::TColor color = Colors(realCol, ARow);
    if (color == ui::clNone)
        color = Color();
    editCtrl_ = nullptr;
    edit_.LastValidation = true;
    edit_.EditMode = true;
    const char32_t start = edit_.StartEditChar;
    edit_.StartEditChar = 0;
    editCtrl_ = editors->Show(currentEditor_, ACol, ARow, r, GetEditText(ACol, ARow), color, start);
    if (!editCtrl_)
        edit_.EditMode = false;
}

void TGxStringGrid::HideDropDownEditor(int ARealCol, int ARow)
{
    edit_.EditMode = false;
    if (dropDownEditors_)
        dropDownEditors_->Hide(currentEditor_, ARealCol, ARow);
}

}  // namespace gx
