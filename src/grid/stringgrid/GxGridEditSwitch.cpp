// TGxStringGrid: the editor switch. For each non-text editor kind the control shown over the
// cell, how it is placed and filled, and how its value goes back into the cell when the edit ends.
#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxEditLink.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridDropDownEditors.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Regional.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

#include <cstdlib>

namespace gx {

namespace {
// The leading integer of a text; 0 when it does not start with one.
int LeadingInt(const std::string& s)
{
    return static_cast<int>(std::strtol(s.c_str(), nullptr, 10));
}

bool IsSpinKind(TEditorType k)
{
    return k == edSpinEdit || k == edFloatSpinEdit || k == edTimeSpinEdit || k == edDateSpinEdit;
}

bool IsEditBtnKind(TEditorType k)
{
    return k == edEditBtn || k == edNumericEditBtn || k == edFloatEditBtn || k == edMaskEditBtn;
}

bool IsUnitKind(TEditorType k)
{
    return k == edUnitEditBtn || k == edNumericUnitEditBtn || k == edFloatUnitEditBtn;
}

bool IsDateKind(TEditorType k)
{
    return k == edDateEdit || k == edDateEditUpDown || k == edTimeEdit;
}

// The first item equal to s (case ignored), -1 when none.
int FindItem(rtl::TStringList* items, const std::string& s)
{
    const std::string key = rtl::AnsiUpperCase(s);
    for (int i = 0; i < items->Count(); ++i)
        if (rtl::AnsiUpperCase(items->Get(i)) == key)
            return i;
    return -1;
}

// The editor kinds that show a control of their own here.
bool HasEditorControl(TEditorType kind, bool hasLink)
{
    return IsSpinKind(kind) || kind == edComboEdit || kind == edComboList || IsEditBtnKind(kind) ||
           kind == edCheckBox || IsDateKind(kind) || kind == edButton || IsUnitKind(kind) || kind == edDateTimeEdit ||
           kind == edRichEdit || (kind == edCustom && hasLink);
}
}  // namespace

void TGxStringGrid::PlaceEditorControl(ui::TWinControl* Control, const ui::TRect& R)
{
    Control->SetParent(this);
    Control->SetBounds(R.Left, R.Top, R.Right - R.Left - 1, R.Bottom - R.Top - 1);
    Control->SetEnabled(true);
    Control->SetVisible(true);
}

ui::TWinControl* TGxStringGrid::ShowSpinControl(int RealCol, int ARow, const ui::TRect& R, const std::string& EditText)
{
    TGridSpin* spin = SpinEdit();
    spin->ExcelStyleDecimalSeparator = ExcelStyleDecimalSeparator;
    PlaceEditorControl(spin, R);
    DoGetEditorProp(RealCol, ARow, nullptr);
    switch (currentEditor_) {
    case edSpinEdit:
        spin->SetSpinType(TGsgSpinType::sptNormal);
        spin->SetValue(LeadingInt(EditText));
        break;
    case edFloatSpinEdit:
        spin->SetSpinType(TGsgSpinType::sptFloat);
        spin->SetFloatValue(std::strtod(CleanNumberText(EditText).c_str(), nullptr));
        break;
    case edTimeSpinEdit:
        spin->SetSpinType(TGsgSpinType::sptTime);
        spin->SetText(EditText);
        break;
    default: {
        rtl::TDateTime d = 0;
        if (EditText.empty() || !rtl::TryStrToDate(EditText, d))
            d = rtl::Now();
        spin->SetSpinType(TGsgSpinType::sptDate);
        spin->SetDateValue(d);
        break;
    }
    }
    return spin;
}

int TGxStringGrid::ComboListStartIndex(int RealCol, int ARow, const std::string& EditText, bool& Fallback)
{
    TGridCombo* combo = editCombo_;
    int idx = FindItem(combo->Items(), GridCells(RealCol, ARow));
    if (idx < 0 && edit_.ComboIdx == -1) {
        idx = FindItem(combo->Items(), EditText);
        if (idx < 0) {
            idx = 0;
            Fallback = combo->Items()->Count() > 0;
        }
    } else if (idx < 0) {
        idx = edit_.ComboIdx;
    }
    return idx;
}

ui::TWinControl* TGxStringGrid::ShowComboControl(int ACol, int ARow, const ui::TRect& R, const std::string& EditText)
{
    const TEditorType kind = currentEditor_;
    const int realCol = RealColIndex(ACol);
    TGridCombo* combo = editCombo_;
    combo->SetDropDownCount(controlLook_->DropDownCount);
    DoGetEditorProp(realCol, ARow, nullptr);
    combo->SetStyle(kind == edComboList ? ui::TComboBoxStyle::csDropDownList : ui::TComboBoxStyle::csDropDown);
    PlaceEditorControl(combo, R);
    bool fallback = false;
    if (kind == edComboEdit) {
        combo->SetMaxLength(MaxComboLength);
        combo->SetText(EditText);
        if (navigation_->EditSelectAll())
            combo->SelectAll();
        else
            combo->SetSelStart(static_cast<int>(rtl::Utf8ToCodePoints(EditText).size()));
        if (edit_.ComboIdx != -1 && combo->ItemIndex() < 0 && edit_.ComboIdx < combo->Items()->Count())
            combo->SetItemIndex(edit_.ComboIdx);
    } else {
        const int idx = ComboListStartIndex(realCol, ARow, EditText, fallback);
        combo->SetItemIndex(idx < combo->Items()->Count() ? idx : -1);
    }
    if (navigation_->AutoComboDropSize())
        combo->SizeDropDownWidth();
    combo->SetFlat(Look != glStandard && Look != glClassic && Look != glCustom);
    if (CanFocus())
        combo->SetFocus();
    if (mouseActions_->DirectComboDrop() || controlLook_->DropDownAlwaysVisible())
        combo->SetDroppedDown(true);
    // A list whose value matched no item starts on the first, as if it had been picked.
    if (fallback) {
        const std::string item = combo->Items()->Get(0);
        if (OnEditChange)
            OnEditChange(this, ACol, ARow, item);
        if (OnComboChange)
            OnComboChange(this, realCol, ARow, 0, item);
        if (OnComboObjectChange)
            OnComboObjectChange(this, realCol, ARow, 0, item, combo->Items()->GetObject(0));
    }
    return combo;
}

TGridDatePicker* TGxStringGrid::ShowDateControl(int RealCol, int ARow, const ui::TRect& R, const std::string& EditText)
{
    const TEditorType kind = currentEditor_;
    TGridDatePicker* p = DateTimePicker();
    rtl::TDateTime d = rtl::Now();
    if (kind == edTimeEdit) {
        rtl::TDateTime t = 0;
        if (!EditText.empty() && rtl::TryStrToTime(EditText, t))
            d = t;
        p->SetKind(ui::TDateTimeKind::dtkTime);
    } else {
        if (OnCustomStrToDate) {
            OnCustomStrToDate(this, EditText, d);
        } else {
            rtl::TDateTime v = 0;
            if (!EditText.empty() && rtl::TryStrToDateTime(EditText, v)) {
                if (p->MaxDate() != 0 && v > p->MaxDate())
                    v = p->MaxDate() - 1;
                if (p->MinDate() != 0 && v <= p->MinDate())
                    v = p->MinDate() + 1;
                d = v;
            }
        }
        p->SetKind(ui::TDateTimeKind::dtkDate);
        p->SetDateMode(kind == edDateEditUpDown ? ui::TDTDateMode::dmUpDown : ui::TDTDateMode::dmComboBox);
    }
    p->SetDateTime(d);
    DoGetEditorProp(RealCol, ARow, nullptr);
    PlaceEditorControl(p, R);
    return p;
}

ui::TWinControl* TGxStringGrid::ShowUnitControl(int RealCol, int ARow, const ui::TRect& R, const std::string& EditText)
{
    TGridUnitEditBtn* u = unitEditBtn_;
    u->SetMaxLength(GetEditLimit());
    u->SetUnitID("");
    u->SetText("");
    u->SetTextAndUnit(EditText);
    if (u->Text().empty())
        u->SetText(EditText);
    DoGetEditorProp(RealCol, ARow, nullptr);
    PlaceEditorControl(u, R);
    return u;
}

void TGxStringGrid::ShowDateAndTimeControl(int RealCol, int ARow, const ui::TRect& R, const std::string& EditText)
{
    TGridDateTimePicker* p = DateAndTimePicker();
    rtl::TDateTime v = 0;
    if (EditText.empty() || !rtl::TryStrToDateTime(EditText, v))
        v = rtl::Now();
    edit_.OriginalDateTime = v;
    p->SetDateTime(v);
    PlaceEditorControl(p, R);
    const int h = R.Bottom - R.Top - 1;
    if (p->Height() < h)
        p->SetHeight(h);
    DoGetEditorProp(RealCol, ARow, nullptr);
    if (CanFocus())
        p->SetFocus();
}

// Places, fills, shows and focuses the control of the current editor kind over the cell.
void TGxStringGrid::ShowEditorControl(int ACol, int ARow)
{
    const TEditorType kind = currentEditor_;
    if (IsDropDownEditor(kind)) {
        ShowDropDownEditor(ACol, ARow);
        return;
    }
    if (!HasEditorControl(kind, editLink_ != nullptr)) {
        // Kinds without a control of their own here start no edit.
        edit_.EditMode = false;
        return;
    }
    edit_.Editing = true;
    edit_.SpecialEditor = true;
    edit_.EditActive = true;
    const ui::TRect r = CellRect(ACol, ARow);
    const int realCol = RealColIndex(ACol);
    const std::string editText = GetEditText(ACol, ARow);
    editCtrl_ = nullptr;
    edit_.LastValidation = kind != edCustom || edit_.LastValidation;
    edit_.EditMode = true;
    if (kind == edCustom) {
        ShowLinkEditor(ACol, ARow, editText);
        edit_.StartEditChar = 0;
        return;
    }
    if (kind == edRichEdit) {
        ShowRichEditor(ACol, ARow);
        return;
    }
    ui::TWinControl* shown = nullptr;
    if (IsSpinKind(kind)) {
        shown = ShowSpinControl(realCol, ARow, r, editText);
    } else if (kind == edComboEdit || kind == edComboList) {
        shown = ShowComboControl(ACol, ARow, r, editText);
    } else if (IsEditBtnKind(kind)) {
        TGridEditBtn* e = editBtn_;
        e->SetEditMask(kind == edMaskEditBtn ? GetEditMask(ACol, ARow) : std::string());
        e->SetText(editText);
        e->SetMaxLength(GetEditLimit());
        PlaceEditorControl(e, r);
        DoGetEditorProp(realCol, ARow, nullptr);
        shown = e;
    } else if (kind == edCheckBox) {
        editCheck_->SetCaption(editText);
        editCheck_->SetChecked(false);
        PlaceEditorControl(editCheck_, r);
        if (CanFocus())
            editCheck_->SetFocus();
        edit_.StartEditChar = 0;
        return;
    } else if (IsDateKind(kind)) {
        TGridDatePicker* p = ShowDateControl(realCol, ARow, r, editText);
        if (kind == edTimeEdit) {
            if (CanFocus())
                p->SetFocus();
            editCtrl_ = p;
            edit_.StartEditChar = 0;
            return;
        }
        if (mouseActions_->DirectDateDrop())
            p->SetDroppedDown(true);
        shown = p;
    } else if (kind == edButton) {
        // The push button covers the cell's grid lines too.
        gridButton_->SetCaption(editText);
        gridButton_->SetParent(this);
        gridButton_->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
        gridButton_->SetVisible(true);
        gridButton_->SetEnabled(true);
        shown = gridButton_;
    } else if (IsUnitKind(kind)) {
        shown = ShowUnitControl(realCol, ARow, r, editText);
    } else {
        ShowDateAndTimeControl(realCol, ARow, r, editText);
        edit_.StartEditChar = 0;
        return;
    }
    if (shown && CanFocus() && !shown->Focused())
        shown->SetFocus();
    if (shown && edit_.StartEditChar != 0)
        ui::PostMessage(shown, ui::WM_CHAR, edit_.StartEditChar, 0);
    if (IsSpinKind(kind)) {
        if (edit_.SpinUpClick)
            SpinEdit()->StepUp(false);
        if (edit_.SpinDnClick)
            SpinEdit()->StepDown(false);
        edit_.SpinUpClick = edit_.SpinDnClick = false;
    }
    editCtrl_ = shown;
    edit_.StartEditChar = 0;
}

namespace {
void HideControl(ui::TWinControl* c)
{
    if (!c)
        return;
    c->SetVisible(false);
    c->SetEnabled(false);
}
}  // namespace

// Writes the control's value back into the cell, hides the control and reports the end of the edit.
void TGxStringGrid::HideEditorControl(int ACol, int ARow)
{
    if (ComponentState() & ui::csDestroying)
        return;
    const TEditorType kind = currentEditor_;
    if (IsTextEditor(kind))
        return;
    edit_.SpecialEditor = false;
    edit_.BlockKill = true;
    const int realCol = RealColIndex(ACol);
    edit_.StartEditChar = 0;
    const bool open = edit_.EditMode;
    if (IsSpinKind(kind) && editSpin_ && editSpin_->Visible()) {
        TGridSpin* spin = editSpin_;
        if (spin->AllowEmptyValue && rtl::Trim(spin->Text()).empty())
            SetCells(realCol, ARow, "");
        else if (kind == edSpinEdit)
            SetInts(realCol, ARow, spin->Value());
        else if (kind == edFloatSpinEdit)
            SetFloats(realCol, ARow, spin->FloatValue());
        else if (kind == edDateSpinEdit)
            SetDates(realCol, ARow, spin->DateValue());
        else
            StoreEditorValue(realCol, ARow, spin->Text());
        edit_.EditMode = false;
        HideControl(spin);
    } else if ((kind == edComboEdit || kind == edComboList) && open) {
        StoreEditorValue(realCol, ARow, editCombo_->Text());
        edit_.EditMode = false;
        editCombo_->SetDroppedDown(false);
        HideControl(editCombo_);
    } else if (IsEditBtnKind(kind) && open) {
        StoreEditorValue(realCol, ARow, editBtn_->Text());
        edit_.EditMode = false;
        HideControl(editBtn_);
    } else if (IsUnitKind(kind) && open) {
        StoreEditorValue(realCol, ARow, unitEditBtn_->TextAndUnit());
        edit_.EditMode = false;
        HideControl(unitEditBtn_);
    } else if (kind == edCheckBox) {
        edit_.EditMode = false;
        HideControl(editCheck_);
    } else if (IsDateKind(kind) && editDate_ && editDate_->Visible()) {
        StoreEditorValue(realCol, ARow, editDate_->Checked() || kind == edTimeEdit ? editDate_->Text() : "");
        edit_.EditMode = false;
        HideControl(editDate_);
    } else if (kind == edDateTimeEdit && editDateTime_ && editDateTime_->Visible()) {
        const rtl::TFormatSettings& fs = rtl::Regional();
        StoreEditorValue(realCol, ARow,
                         editDateTime_->Checked() ? rtl::FormatDateTime(fs.ShortDateFormat + " " + fs.ShortTimeFormat,
                                                                        editDateTime_->DateTime())
                                                  : "");
        edit_.EditMode = false;
        HideControl(editDateTime_);
    } else if (kind == edButton) {
        edit_.EditMode = false;
        HideControl(gridButton_);
    } else if (kind == edCustom) {
        HideLinkEditor(realCol, ARow);
    } else if (IsDropDownEditor(kind) && open) {
        HideDropDownEditor(realCol, ARow);
    } else if (kind == edRichEdit) {
        HideRichEditor(realCol, ARow);
    }
    const bool hadFocus = editCtrl_ && (editCtrl_->Focused() || editCtrl_->ContainsControl(ui::FindFocusedControl()));
    editCtrl_ = nullptr;
    if (hadFocus && CanFocus())
        SetFocus();
    edit_.BlockKill = false;
    if (kind != edNormal && edit_.EditActive) {
        edit_.EditActive = false;
        NotifyEditDone(realCol, ARow);
    }
}

}  // namespace gx
