// TGridInput: the focus coming in and going out (a pending edit is validated before the focus may
// leave; a refused value keeps it in the grid) and the click method. Validation and the remembered
// cell are the grid's own (GxGridEditValidate.cpp); the input handling calls them. Also the grid's
// answer to the application's style.
#include "grid/stringgrid/GxGridInput.h"

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "grid/stringgrid/GxGridEditRich.h"
#include "platform/ui/AppStyle.h"
#include "platform/ui/Application.h"

namespace gx {

void TGridInput::RememberOldCell(int ACol, int ARow)
{
    g_.RememberOldCell(ACol, ARow);
}

bool TGridInput::ValidateCell(const std::string& NewValue)
{
    return g_.ValidateCell(NewValue);
}

void TGridInput::FocusIn()
{
    // The focus came back to the grid while the rich editor was open: the edit ends.
    if (g_.inplaceRich_ && g_.inplaceRich_->Visible())
        g_.HideInplaceEdit();
    if (g_.Navigation()->AlwaysEdit() && !g_.EditorMode() && g_.CurrentEditor() == edNormal &&
        g_.IsEditable(g_.RealColIndex(g_.Col()), g_.Row()))
        g_.ShowInplaceEdit();
}

void TGridInput::FocusOut()
{
    if (g_.IsMergedCell(g_.RealColIndex(g_.Col()), g_.Row()))
        g_.RepaintCell(g_.Col(), g_.Row());
}

void TGridInput::Enter()
{
    RememberOldCell(g_.Col(), g_.Row());
}

// The focus leaves the grid and its editor: a pending edit is validated first; a refused value
// brings the focus back to the grid's editor (the control that took it does not keep it).
void TGridInput::Exit()
{
    if (!g_.EditorMode() || !g_.InplaceEditor())
        return;
    const std::string text = g_.InplaceEditor()->Text();
    g_.edit_.Editing = true;
    if (ValidateCell(text)) {
        g_.HideEditor();
        return;
    }
    if (g_.CanFocus())
        g_.SetFocus();
    if (g_.EditorMode() && g_.InplaceEditor() && g_.InplaceEditor()->CanFocus())
        g_.InplaceEditor()->SetFocus();
}

void TGridInput::Click()
{
    RememberOldCell(g_.Col(), g_.Row());
}

// --- the application's style -----------------------------------------------------------------------

void TGxStringGrid::ApplyVCLStyleColors()
{
    useVCLStyles_ = false;
    if (!ui::AppStyleActive())
        return;
    const ui::TAppStyle& style = ui::ActiveAppStyle();
    useVCLStyles_ = true;
    SetColor(style.GridColor);
    SetGridLineColor(style.GridLineColor);
    SetGridFixedLineColor(style.FixedLineColor);
    SetOptions(Options() & ~(ui::goFixedVertLine | ui::goFixedHorzLine));
    if (style.FontColor != ui::clNone)
        Font()->SetColor(style.FontColor);
    if (style.SelectionTextColor != ui::clNone)
        SelectionTextColor = style.SelectionTextColor;
    if (style.FixedFontColor != ui::clNone)
        fixedFont_.SetColor(style.FixedFontColor);
    Invalidate();
}

bool TGxStringGrid::UsesVCLStyles()
{
    return useVCLStyles_;
}

}  // namespace gx
