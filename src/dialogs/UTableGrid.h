#pragma once
// The table grid of the converter's table dialogs: a string grid or column grid that reports to its
// dialog what the user did in it (a cell edited and left, a check box clicked, a click, a double
// click, a key), keeps its inplace editor out of read-only and check-box cells, and paints each cell
// in the colour its grid gives it and its check boxes as boxes. It shows every text as it stands:
// names, mnemonics and EDS names are the user's or the file's own, never markup.

#include <functional>
#include <string>

#include "dialogs/UGridRows.h"
#include "platform/ui/Graphics.h"

namespace dlg {

template <class Base>
class TTableGrid : public Base {
public:
    using Base::Base;

    // A cell's text as the editor left it (after the user leaves the cell or presses Enter).
    std::function<void(ui::TObject* Sender, int ACol, int ARow, const std::string& Value)> OnCellDone;
    std::function<void(ui::TObject* Sender, int ACol, int ARow, bool State)> OnCheckBoxToggled;
    std::function<void(ui::TObject* Sender, int ARow, int ACol)> OnCellClick;
    std::function<void(ui::TObject* Sender, int ARow, int ACol)> OnCellDblClick;
    std::function<void(ui::TObject* Sender, char32_t& Key)> OnGridKeyPress;
    // The text the cell held when its editor opened.
    const std::string& EditStartText() const { return editStart_; }

    bool CanEditShow() override
    {
        if (!Base::CanEditShow())
            return false;
        const int real = this->RealColIndex(this->Col());
        bool state = false;
        if (this->GetCheckBoxState(real, this->Row(), state))
            return false;
        bool editable = true;
        this->GetCellEditable(real, this->Row(), editable);
        return editable && !this->ReadOnly(real, this->Row());
    }
    std::string GetEditText(int ACol, int ARow) override
    {
        editStart_ = Base::GetEditText(ACol, ARow);
        return editStart_;
    }
    void SetEditText(int ACol, int ARow, const std::string& Value) override
    {
        Base::SetEditText(ACol, ARow, Value);
        // The editor stores its text once more as it closes: that is the edit being done.
        if (!this->EditorMode() && OnCellDone)
            OnCellDone(this, this->RealColIndex(ACol), ARow, Value);
    }
    void GetVisualProperties(int ACol, int ARow, ui::TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             ui::TBrush* ABrush, ui::TColor& AColorTo, ui::TColor& AMirrorColor,
                             ui::TColor& AMirrorColorTo, ui::TFont* AFont, gx::THAlignment& HA, gx::TVAlignment& VA,
                             bool& WW, gx::TCellGradientDirection& GD) override
    {
        Base::GetVisualProperties(ACol, ARow, AState, Print, Select, Remap, ABrush, AColorTo, AMirrorColor,
                                  AMirrorColorTo, AFont, HA, VA, WW, GD);
        // With row selection (the EDS list) the whole current row shows selected, else the current cell.
        const bool rowSelect = (this->Options() & ui::goRowSelect) != 0;
        const bool selected = (rowSelect || ACol == this->Col()) && ARow == this->Row() && ARow >= this->FixedRows();
        if (!selected)
            this->GetCellColor(this->RealColIndex(ACol), ARow, AState, ABrush, AFont);
    }
    void DrawCellText(ui::TCanvas* ACanvas, int ACol, int ARow, const ui::TRect& ARect,
                      ui::TGridDrawState AState) override
    {
        bool state = false;
        const int real = this->RealColIndex(ACol);
        if (!this->GetCheckBoxState(real, ARow, state)) {
            Base::DrawCellText(ACanvas, ACol, ARow, ARect, AState);
            return;
        }
        const int x = (ARect.Left + ARect.Right) / 2 - 6;
        const int y = (ARect.Top + ARect.Bottom) / 2 - 6;
        ACanvas->Pen()->SetColor(0x808080);
        ACanvas->Pen()->SetWidth(1);
        ACanvas->Brush()->SetColor(ui::clWhite);
        ACanvas->Rectangle(x, y, x + 13, y + 13);
        if (state) {
            ACanvas->Pen()->SetColor(0);
            ACanvas->Pen()->SetWidth(2);
            ACanvas->MoveTo(x + 3, y + 6);
            ACanvas->LineTo(x + 5, y + 9);
            ACanvas->LineTo(x + 10, y + 3);
            ACanvas->Pen()->SetWidth(1);
        }
    }

protected:
    // The grid toggled a box for the user (a press on it, Space) or through a notifying setter.
    void DoCheckBoxChange(int ACol, int ARow, bool State) override
    {
        Base::DoCheckBoxChange(ACol, ARow, State);
        if (OnCheckBoxToggled)
            OnCheckBoxToggled(this, ACol, ARow, State);
    }
    void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override
    {
        Base::MouseUp(button, shift, x, y);
        int col = -1, row = -1;
        this->MouseToCell(x, y, col, row);
        if (button != ui::TMouseButton::mbLeft || col < 0 || row < 0)
            return;
        // A press on a box has toggled it already (DoCheckBoxChange below reports it).
        if (OnCellClick)
            OnCellClick(this, row, col);
        lastCol_ = col;
        lastRow_ = row;
    }
    void DblClick() override
    {
        Base::DblClick();
        if (OnCellDblClick && lastCol_ >= 0)
            OnCellDblClick(this, lastRow_, lastCol_);
    }
    void KeyPress(char32_t& key) override
    {
        if (OnGridKeyPress)
            OnGridKeyPress(this, key);
        if (key == 0)
            return;
        ownKeyPress_ = true;
        try {
            Base::KeyPress(key);
        } catch (...) {
            ownKeyPress_ = false;
            throw;
        }
        ownKeyPress_ = false;
    }

private:
    // Set once the base grid is built: texts such as "<B>x</B>" stay verbatim in cells and hints.
    bool textVerbatim_ = (this->EnableHTML = false, true);
    // The grid's editor controls (a list cell's combo, an edit with button) hand the keys typed in
    // them to the grid's key-press event: they reach the dialog as the grid's own keys do, so Enter
    // leaves a list cell as it leaves any other. The grid's own keys got there above already.
    bool ownKeyPress_ = false;
    bool editorKeys_ = (
        this->OnKeyPress =
            [this](ui::TObject*, char32_t& key) {
                if (!ownKeyPress_ && OnGridKeyPress)
                    OnGridKeyPress(this, key);
            },
        true);
    std::string editStart_;
    int lastCol_ = -1;
    int lastRow_ = -1;
};

}  // namespace dlg
