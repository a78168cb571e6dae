// TGridInput: a left press on the cells that act by themselves: tree-node glyphs, radio groups,
// rating stars and links in a cell's text; the link cursor while the mouse is over a link.
#include <cmath>
#include <string>

#include "grid/base/HtmlTextDraw.h"
#include "grid/base/HtmlTextUtils.h"
#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridInput.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"
#include "platform/ui/Shell.h"

namespace gx {

namespace {
// Width of one half star of a rating cell.
constexpr int kHalfStar = 9;
}  // namespace

// A press on the node glyph of a tree row: a header glyph with NodeAllExpandContract expands or
// contracts every node in turn; a row's glyph contracts or expands that node as the before-events
// allow. Column 0 of a normal row, while the grid holds nodes and no row sizing or row selecting
// takes it, only fires OnMouseDown and OnClickCell.
bool TGridInput::NodePress(ui::TShiftState shift, int X, int Y, int ACol, int ARow)
{
    if (ACol != 0)
        return false;
    const TMouseActions& mouse = *g_.MouseActions();
    const int nodeX = X - g_.CellRect(ACol, ARow).Left;
    if (g_.IsNode(ARow) && g_.IsInNodeGlyph(ARow, nodeX)) {
        if (ARow < g_.FixedRows()) {
            if (!mouse.NodeAllExpandContract())
                return false;
            allNodesContracted_ = !allNodesContracted_;
            if (allNodesContracted_)
                g_.ContractAll();
            else
                g_.ExpandAll();
            g_.Invalidate();
            return true;
        }
        if (g_.OnMouseDown)
            g_.OnMouseDown(&g_, ui::TMouseButton::mbLeft, shift, X, Y);
        if (g_.OnClickCell)
            g_.OnClickCell(&g_, ARow, ACol);
        const int realRow = g_.RealRowIndex(ARow);
        bool allow = true;
        if (!g_.NodeState(ARow)) {
            if (g_.OnBeforeContractNode)
                g_.OnBeforeContractNode(&g_, ARow, realRow, allow);
            if (allow) {
                g_.ContractNode(realRow);
                if (g_.OnContractNode)
                    g_.OnContractNode(&g_, ARow, realRow);
            }
        } else {
            if (g_.OnBeforeExpandNode)
                g_.OnBeforeExpandNode(&g_, ARow, realRow, allow);
            if (allow) {
                g_.ExpandNode(realRow);
                if (g_.OnExpandNode)
                    g_.OnExpandNode(&g_, ARow, realRow);
            }
        }
        g_.Invalidate();
        if (mouse.MoveRowOnNodeClick())
            g_.MoveToCell(g_.Col(), ARow);
        return true;
    }
    const bool nodeColumn =
        ARow >= g_.FixedRows() && g_.NumNodes() > 0 && !mouse.RowSelect() && !(g_.Options() & ui::goRowSizing);
    if (!nodeColumn)
        return false;
    if (g_.OnMouseDown)
        g_.OnMouseDown(&g_, ui::TMouseButton::mbLeft, shift, X, Y);
    if (g_.OnClickCell)
        g_.OnClickCell(&g_, ARow, ACol);
    return true;
}

// A radio group that may be edited (or with RadioAlwaysActive) takes the item under the press.
bool TGridInput::RadioGroupPress(int X, int Y, int ACol, int ARow)
{
    const int realCol = g_.RealColIndex(ACol);
    if (!g_.IsRadio(realCol, ARow) || !(g_.IsEditable(realCol, ARow) || g_.ControlLook()->RadioAlwaysActive))
        return false;
    g_.HideInplaceEdit();
    const ui::TRect cell = g_.CellRect(ACol, ARow);
    g_.ClickRadioGroupItem(realCol, ARow, X - cell.Left, Y - cell.Top);
    if (g_.CanFocus())
        g_.SetFocus();
    return true;
}

// A rating cell that may be edited takes half a star per 9 pixels from its left edge, as
// OnRatingChange allows.
bool TGridInput::RatingPress(int X, int ACol, int ARow)
{
    const int realCol = g_.RealColIndex(ACol);
    if (!g_.HasRating(realCol, ARow) || !g_.IsEditable(realCol, ARow))
        return false;
    g_.HideInplaceEdit();
    const int left = g_.CellRect(ACol, ARow).Left;
    double rate = std::lround(static_cast<double>(X - left) / kHalfStar) / 2.0;
    if (g_.DoRatingChange(realCol, ARow, rate)) {
        g_.SetFloats(realCol, ARow, rate);
        g_.RepaintCell(ACol, ARow);
    }
    return true;
}

// Hit-tests the text of a displayed cell at a point: a plain URL (with URLShow) is a link as a
// whole; in an HTML text the link or form control under the point. False when nothing is there.
bool TGxStringGrid::CellTextHit(int ACol, int ARow, int X, int Y, THTMLDrawResult& Result)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const int realCol = RealColIndex(ACol);
    const std::string text = Cells(realCol, ARow);
    const bool html = EnableHTML && GetCellTextKind(text, true) == 1;
    if (!html) {
        if (!URLShow() || !IsURL(text))
            return false;
        Result.AnchorAtPoint = text;
        return true;
    }
    THTMLDrawParams params;
    params.HitX = X;
    params.HitY = Y;
    params.HitTestOnly = true;
    params.Images = GetGridImageList();
    ui::TRect inner = CellRect(ACol, ARow);
    inner.Left += xyOffset_.X + 1;
    inner.Top += xyOffset_.Y + 1;
    if (!XYOffsetTopLeftOnly)
        inner.Right -= xyOffset_.X;
    if (HasCheckBox(realCol, ARow))
        inner.Left += controlLook_->CheckSize() + 2;
    return DrawHTMLText(*Canvas(), text, inner, params, Result) && !Result.AnchorAtPoint.empty();
}

std::string TGxStringGrid::AnchorAt(int ACol, int ARow, int X, int Y)
{
    THTMLDrawResult hit;
    return CellTextHit(ACol, ARow, X, Y, hit) && hit.ControlID.empty() ? hit.AnchorAtPoint : std::string();
}

// A press on a link: OnAnchorClick, then (unless the handler took it over) a "CELL://R<row>C<col>"
// link makes that cell current and any other link is opened by the desktop. A press on a check box,
// radio button or push button inside an editable cell's text works the control. A press elsewhere
// in a text holding controls only selects the cell.
bool TGridInput::LinkPress(int X, int Y, int ACol, int ARow)
{
    THTMLDrawResult hit;
    if (!g_.CellTextHit(ACol, ARow, X, Y, hit)) {
        const std::string text = ACol >= 0 && ARow >= 0 ? g_.Cells(g_.RealColIndex(ACol), ARow) : std::string();
        if (!g_.EnableHTML || rtl::UpperCase(text).find("<CONTROL") == std::string::npos)
            return false;
        if (g_.OnClickCell)
            g_.OnClickCell(&g_, ARow, ACol);
        g_.HideInplaceEdit();
        if (ACol >= g_.FixedCols() && ARow >= g_.FixedRows())
            g_.MoveColRow(ACol, ARow, true, true);
        return true;
    }
    if (!hit.ControlID.empty())
        return ControlPress(ACol, ARow, hit);
    const std::string& anchor = hit.AnchorAtPoint;
    bool autoHandle = true;
    if (g_.OnAnchorClick)
        g_.OnAnchorClick(&g_, ARow, ACol, anchor, autoHandle);
    if (!autoHandle)
        return true;
    const std::string upper = rtl::UpperCase(anchor);
    const auto cellLink = upper.find("CELL://");
    if (cellLink == std::string::npos) {
        ui::ShellOpen(anchor);
        return true;
    }
    ui::TPoint target{-1, -1};
    if (ParseCellRef(std::string_view(anchor).substr(cellLink + 7), target) && target.X >= 0 && target.Y >= 0 &&
        target.X < g_.ColCount() && target.Y < g_.RowCount()) {
        g_.MoveToCell(target.X, target.Y);
        g_.ScrollInView(target.X, target.Y);
    }
    return true;
}

// A form control in the text of a cell that may be edited: a CHECK switches between "TRUE" and
// "FALSE", a RADIO becomes the one "TRUE" radio of the cell, a BUTTON is pressed; OnControlClick
// reports it. A control in a cell that may not be edited only selects the cell.
bool TGridInput::ControlPress(int ACol, int ARow, const THTMLDrawResult& hit)
{
    const int realCol = g_.RealColIndex(ACol);
    bool canEdit = (g_.Options() & ui::goEditing) && !g_.ReadOnly(realCol, ARow);
    if (canEdit)
        g_.DoCanEditCell(ACol, ARow, canEdit);
    if (!canEdit) {
        // As a press beside the controls: the cell is clicked and selected, and no text editor
        // opens over the markup (closing it would write its text over the controls).
        if (g_.OnClickCell)
            g_.OnClickCell(&g_, ARow, ACol);
        g_.HideInplaceEdit();
        if (ACol >= g_.FixedCols() && ARow >= g_.FixedRows())
            g_.MoveColRow(ACol, ARow, true, true);
        return true;
    }
    std::string text = g_.Cells(realCol, ARow);
    std::string value = hit.ControlValue;
    const std::string type = rtl::UpperCase(hit.ControlType);
    if (type == "CHECK") {
        value = rtl::UpperCase(value) == "TRUE" ? "FALSE" : "TRUE";
        SetHTMLControlValue(text, hit.ControlID, value);
    } else if (type == "RADIO") {
        value = "TRUE";
        text = ResetHTMLRadioControls(text);
        SetHTMLControlValue(text, hit.ControlID, value);
    } else if (type == "BUTTON") {
        g_.Pointer.CtrlDown = true;
    }
    if (text != g_.Cells(realCol, ARow))
        g_.SetCells(realCol, ARow, text);
    g_.RepaintCell(ACol, ARow);
    if (g_.OnControlClick)
        g_.OnControlClick(&g_, ARow, ACol, hit.ControlID, type, value);
    if (type == "EDIT" || type == "PASSWORD" || type == "MASK" || type == "COMBO") {
        g_.EndCellControlEdit();
        g_.ShowCellControlEditor(text, type, ARow, realCol, ACol, hit.ControlRect, value, hit.ControlID);
    }
    return true;
}

// The hand over a link or a form control; true when the mouse is over one.
bool TGridInput::LinkCursor(int X, int Y, int ACol, int ARow)
{
    THTMLDrawResult hit;
    if (!g_.CellTextHit(ACol, ARow, X, Y, hit))
        return false;
    if (g_.Cursor() != ui::crHandPoint)
        g_.SetCursor(ui::crHandPoint);
    return true;
}

// The link under the mouse. With URLUnderlineOnHover only the hovered link of an HTML text is
// underlined: the cell left and the cell entered are repainted whenever the link under the mouse
// changes. Entering a link fires OnAnchorEnter (and, while a link hint is up, replaces its text so
// that the hint shows anew); leaving every link fires OnAnchorExit with the link left.
void TGridInput::AnchorHover(int X, int Y, int ACol, int ARow)
{
    THTMLDrawResult hit;
    const bool onLink = g_.CellTextHit(ACol, ARow, X, Y, hit) && hit.ControlID.empty();
    TGridPointerState& pointer = g_.Pointer;
    const int link = onLink && g_.URLUnderlineOnHover ? hit.LinkAtPoint : -1;
    const ui::TPoint linkCell = link >= 0 ? ui::TPoint{ACol, ARow} : ui::TPoint{-1, -1};
    if (link != pointer.HoverLink || linkCell != hoverLinkCell_) {
        const ui::TPoint was = hoverLinkCell_;
        pointer.HoverLink = link;
        hoverLinkCell_ = linkCell;
        if (was.X >= 0)
            g_.RepaintCell(was.X, was.Y);
        if (linkCell.X >= 0 && linkCell != was)
            g_.RepaintCell(linkCell.X, linkCell.Y);
    }
    if (!onLink) {
        if (!hoverAnchor_.empty()) {
            const std::string left = std::move(hoverAnchor_);
            hoverAnchor_.clear();
            if (g_.OnAnchorExit)
                g_.OnAnchorExit(&g_, ARow, ACol, left);
        }
        return;
    }
    const std::string& anchor = hit.AnchorAtPoint;
    if (anchor == hoverAnchor_)
        return;
    if (!g_.LastAnchorHint.empty()) {
        std::string hint = hit.AnchorTitle.empty() ? anchor : hit.AnchorTitle;
        if (g_.OnAnchorHint)
            g_.OnAnchorHint(&g_, ARow, g_.RealColIndex(ACol), hint);
        if (hint != g_.LastAnchorHint) {
            g_.LastAnchorHint = hint;
            if (ui::GetApplication())
                ui::GetApplication()->CancelHint();
        }
    }
    hoverAnchor_ = anchor;
    if (g_.OnAnchorEnter)
        g_.OnAnchorEnter(&g_, ARow, ACol, anchor);
}

}  // namespace gx
