// TGxStringGrid: the form controls of an HTML cell text (CONTROL tags). The controls are drawn, not
// windows (a press on a CHECK, RADIO or BUTTON is the mouse's, GxGridMouseCells.cpp); an EDIT,
// PASSWORD, MASK or COMBO control is edited in the grid's one control edit or control combo,
// placed over it. Leaving the editor writes its text back as the control's VALUE.
#include "grid/base/HtmlTextDraw.h"
#include "grid/base/HtmlTextUtils.h"
#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

namespace {

bool IsEditType(const std::string& type)
{
    return type == "EDIT" || type == "PASSWORD" || type == "MASK";
}

}  // namespace

ui::TRect TGxStringGrid::CellControlLayoutRect(int ACol, int ARow)
{
    // The same rectangle the cell painter gives the HTML text, so that hits fall where it drew.
    ui::TRect r = CellRect(ACol, ARow);
    r.Left += xyOffset_.X - 1;
    r.Top += xyOffset_.Y;
    if (!XYOffsetTopLeftOnly)
        r.Right -= xyOffset_.X;
    int gw = 0, gh = 0;
    bool showText = true;
    TCellHAlign gha = haLeft;
    TCellVAlign gva = vaTop;
    if (GetCellGraphicLayout(RealColIndex(ACol), ARow, gw, gh, showText, gha, gva)) {
        if (gha == haBeforeText)
            r.Left += gw;
        else if (gha == haAfterText)
            r.Right -= gw;
    }
    return r;
}

void TGxStringGrid::StartCellControlEdit(int ACol, int ARow, const std::string& AfterID)
{
    const int real = RealColIndex(ACol);
    const std::string text = Cells(real, ARow);
    const std::string id = GetNextHTMLControlID(text, AfterID);
    if (id.empty()) {
        if (CanFocus())
            SetFocus();
        return;
    }
    THTMLDrawParams params;
    params.HitTestOnly = true;
    params.LinkColor = URLColor();
    params.Images = GetGridImageList();
    params.PictureCache = ImageCache();
    THTMLDrawResult result;
    result.ControlID = id;
    DrawHTMLText(*Canvas(), text, CellControlLayoutRect(ACol, ARow), params, result);
    if (result.ControlType.empty()) {
        // The control is not laid out (no WIDTH): nothing to place an editor over.
        if (CanFocus())
            SetFocus();
        return;
    }
    ShowCellControlEditor(text, result.ControlType, ARow, real, ACol, result.ControlRect, result.ControlValue, id);
}

void TGxStringGrid::ShowCellControlEditor(const std::string& CellText, const std::string& CtrlType, int ARow,
                                          int StoreCol, int ACol, const ui::TRect& Rect, const std::string& Value,
                                          const std::string& CtrlID)
{
    const int maxLen = GetHTMLControlMaxLen(CellText, CtrlID);
    if (IsEditType(CtrlType)) {
        ctrlXY_ = {StoreCol, ARow};
        ctrlID_ = CtrlID;
        ctrlType_ = CtrlType;
        ctrlEditing_ = true;
        TControlEdit& edit = *controlEdit_;
        edit.SetWidth(0);
        edit.SetPasswordChar(CtrlType == "PASSWORD" ? U'*' : U'\0');
        edit.SetEditMask(CtrlType == "MASK" ? GetHTMLControlProp(CellText, CtrlID) : std::string());
        edit.OnExit = [this](TObject*) { EndCellControlEdit(); };
        edit.SetMaxLength(0);
        edit.SetText(Value);
        edit.SetBorderStyle(ui::TBorderStyle::bsNone);
        edit.SetBounds(Rect.Left + 1, Rect.Top + 8, Rect.Width() - 4, 14);
        edit.SetMaxLength(maxLen);
        edit.SetParent(this);
        edit.SetVisible(true);
        edit.BringToFront();
        if (edit.CanFocus())
            edit.SetFocus();
        return;
    }
    if (CtrlType != "COMBO")
        return;
    ctrlXY_ = {StoreCol, ARow};
    ctrlID_ = CtrlID;
    ctrlType_ = CtrlType;
    ctrlEditing_ = true;
    TControlCombo& combo = *controlCombo_;
    combo.IsWinXP = IsWinXP;
    combo.SetWidth(0);
    combo.SetFlat(false);
    combo.SetBounds(Rect.Left - 1, Rect.Top + 4, Rect.Width(), combo.Height());
    combo.OnSelect = [this](TObject* sender) { CellControlComboSelect(sender); };
    combo.Items()->Clear();
    bool edit = true;
    int dropCount = 8;
    if (OnControlComboList)
        OnControlComboList(this, ARow, ACol, CtrlID, CtrlType, Value, combo.Items(), edit, dropCount);
    combo.SetStyle(edit ? ui::TComboBoxStyle::csDropDown : ui::TComboBoxStyle::csDropDownList);
    combo.SetItemIndex(combo.Items()->IndexOf(Value));
    combo.SetText(Value);
    combo.SetDropDownCount(dropCount);
    combo.SetDropDownHeight(combo.ItemHeight() * (dropCount + 2));
    combo.OnExit = [this](TObject*) { EndCellControlEdit(); };
    combo.SetMaxLength(maxLen);
    combo.SetParent(this);
    combo.SetVisible(true);
    combo.BringToFront();
    combo.SetDroppedDown(true);
    if (combo.CanFocus())
        combo.SetFocus();
}

void TGxStringGrid::CellControlComboSelect(TObject* Combo)
{
    auto* combo = dynamic_cast<ui::TComboBox*>(Combo);
    if (!combo || !OnControlComboSelect)
        return;
    const int index = combo->ItemIndex();
    const std::string text = index >= 0 ? combo->Items()->Strings(index) : combo->Text();
    OnControlComboSelect(this, ctrlXY_.Y, ctrlXY_.X, index, ctrlID_, text);
}

void TGxStringGrid::EndCellControlEdit()
{
    if (!ctrlEditing_)
        return;
    ctrlEditing_ = false;
    std::string value;
    ui::TWinControl* editor = nullptr;
    if (IsEditType(ctrlType_))
        editor = controlEdit_;
    else if (ctrlType_ == "COMBO")
        editor = controlCombo_;
    if (editor) {
        value = editor->Text();
        const bool inGrid = ctrlXY_.X >= 0 && ctrlXY_.X < TotalColCount() && ctrlXY_.Y >= 0 && ctrlXY_.Y < RowCount();
        // The row may have gone while the editor was open; its text is then left alone.
        if (inGrid) {
            std::string text = Cells(ctrlXY_.X, ctrlXY_.Y);
            if (SetHTMLControlValue(text, ctrlID_, value))
                SetCells(ctrlXY_.X, ctrlXY_.Y, text);
        }
        if (editor == controlCombo_ && controlCombo_->DroppedDown())
            controlCombo_->SetDroppedDown(false);
        editor->SetVisible(false);
    }
    if (OnControlEditDone)
        OnControlEditDone(this, ctrlXY_.Y, ctrlXY_.X, ctrlID_, ctrlType_, value);
    ctrlType_.clear();
}

}  // namespace gx
