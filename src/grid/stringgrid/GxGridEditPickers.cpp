// The picker and button editors of TGxStringGrid: the edit with button, the unit edit, the date
// picker, the date-and-time picker and the push button. Each ends the edit on its commit keys;
// Enter, Tab, Up and Down validate first and a refusal keeps the control open.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Regional.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

namespace {
constexpr unsigned kWantEnterEscape = ui::DLGC_WANTALLKEYS;

bool IsLeaveKey(unsigned key)
{
    return key == ui::VK_TAB || key == ui::VK_RETURN || key == ui::VK_ESCAPE || key == ui::VK_PRIOR ||
           key == ui::VK_NEXT || key == ui::VK_UP || key == ui::VK_DOWN;
}

// The numeric and float filters the button editors share with the text editor's kinds.
bool NumericChar(char32_t key, const std::string& text, int selStart)
{
    if (key == 8 || key == 9 || key == 13 || key == 27 || (key >= '0' && key <= '9'))
        return true;
    if (key == '-' && text.find('-') == std::string::npos && selStart == 0)
        return true;
    ui::MessageBeep();
    return false;
}

bool FloatChar(char32_t key, const std::string& text, const std::string& sel, int selStart, bool ctrl)
{
    const rtl::TFormatSettings& fs = rtl::Regional();
    if (key == 8 || key == 9 || key == 13 || key == 27 || (key >= '0' && key <= '9'))
        return true;
    if (!fs.ThousandSeparator.empty() && std::string(1, static_cast<char>(key)) == fs.ThousandSeparator)
        return false;
    if (key == static_cast<unsigned char>(fs.DecimalSeparator))
        return text.find(fs.DecimalSeparator) == std::string::npos ||
               sel.find(fs.DecimalSeparator) != std::string::npos;
    if (key == ',' || key == '.')
        return true;
    if (key == '-') {
        const bool ok = (selStart == 0 && text.find('-') == std::string::npos) ||
                        (text.find('-') != std::string::npos && sel.find('-') != std::string::npos);
        if (!ok)
            ui::MessageBeep();
        return ok;
    }
    return ctrl;
}

// Whether an edit with a button refuses a typed character: the numeric kind takes digits and one
// leading minus, the float kind a number in the regional form; other kinds take everything.
template <class TEditControl>
bool RefusedChar(const TEditControl& edit, char32_t key, TEditorType kind, TEditorType numericKind,
                 TEditorType floatKind)
{
    const bool ctrl = (ui::KeyboardShiftState() & ui::ssCtrl) != 0;
    return (kind == numericKind && !NumericChar(key, edit.Text(), edit.SelStart())) ||
           (kind == floatKind && !FloatChar(key, edit.Text(), edit.SelText(), edit.SelStart(), ctrl));
}
}  // namespace

// --- edit with button -------------------------------------------------------------------------------------

TGridEditBtn::TGridEditBtn(TGxStringGrid* AGrid) : TGsgEditBtn(AGrid), grid_(AGrid)
{
    SetButtonCaption("...");
    SetVisible(false);
    SetEnabled(false);
    SetTabStop(false);
}

unsigned TGridEditBtn::WantKeys() const
{
    return TGsgEditBtn::WantKeys() | kWantEnterEscape | (grid_->HasCellValidation() ? ui::DLGC_WANTTAB : 0u);
}

void TGridEditBtn::ButtonClick()
{
    SetText(grid_->DoEllipsClick(Text()));
    SelectAll();
    Invalidate();
    TGsgEditBtn::ButtonClick();
    if (StopEditAfterClick) {
        grid_->HideInplaceEdit();
        if (grid_->CanFocus())
            grid_->SetFocus();
    }
}

void TGridEditBtn::Change()
{
    TGsgEditBtn::Change();
    if (grid_->OnEditChange)
        grid_->OnEditChange(grid_, grid_->Col(), grid_->Row(), Text());
}

void TGridEditBtn::KeyPress(char32_t& key)
{
    if (grid_->OnKeyPress)
        grid_->OnKeyPress(grid_, key);
    if (key == U'\r' || key == U'\t') {
        key = 0;
        return;
    }
    if (RefusedChar(*this, key, grid_->CurrentEditor(), edNumericEditBtn, edFloatEditBtn)) {
        key = 0;
        return;
    }
    TGsgEditBtn::KeyPress(key);
}

void TGridEditBtn::KeyDown(unsigned& key, ui::TShiftState shift)
{
    TGxStringGrid& g = *grid_;
    if (!IsLeaveKey(key) && g.OnKeyDown)
        g.OnKeyDown(&g, key, shift);
    if ((shift & ui::ssCtrl) || !IsLeaveKey(key)) {
        TGsgEditBtn::KeyDown(key, shift);
        return;
    }
    if (key == ui::VK_TAB || key == ui::VK_RETURN || key == ui::VK_UP || key == ui::VK_DOWN) {
        const TEditorType kind = g.currentEditor_;
        const std::string typed = Text();
        g.WriteCurrentCell(typed);
        const bool valid = g.ValidateCell(typed);
        SetText(g.edit_.NewCellText);
        if (!valid) {
            SelectAll();
            Invalidate();
            g.currentEditor_ = kind;
            key = 0;
            return;
        }
    }
    if (key == ui::VK_TAB && g.HasCellValidation()) {
        if (g.Options() & ui::goTabs) {
            g.HideInplaceEdit();
            if (g.CanFocus())
                g.SetFocus();
            g.KeyDown(key, shift);
            key = 0;
            return;
        }
        ui::PostMessage(&g, ui::WM_KEYDOWN, ui::VK_TAB, 0);
    }
    if (key == ui::VK_ESCAPE)
        SetText(g.edit_.CellCache);
    g.DoneInplaceEdit(key, shift);
    key = 0;
}

void TGridEditBtn::DoExit()
{
    grid_->HideInplaceEdit();
    TGsgEditBtn::DoExit();
}

// --- unit edit ----------------------------------------------------------------------------------------------

TGridUnitEditBtn::TGridUnitEditBtn(TGxStringGrid* AGrid) : TGsgUnitEditBtn(AGrid), grid_(AGrid)
{
    SetButtonCaption("...");
    SetVisible(false);
    SetEnabled(false);
    SetTabStop(false);
    OnUnitChanged = [this](ui::TObject*, const std::string& NewUnit) {
        if (grid_->OnUnitChanged)
            grid_->OnUnitChanged(grid_, grid_->Col(), grid_->Row(), NewUnit);
    };
}

unsigned TGridUnitEditBtn::WantKeys() const
{
    return TGsgUnitEditBtn::WantKeys() | kWantEnterEscape | ((grid_->Options() & ui::goTabs) ? ui::DLGC_WANTTAB : 0u);
}

void TGridUnitEditBtn::ButtonClick()
{
    SetText(grid_->DoEllipsClick(Text()));
    SelectAll();
    Invalidate();
    TGsgUnitEditBtn::ButtonClick();
}

void TGridUnitEditBtn::KeyPress(char32_t& key)
{
    if (key == U'\r') {
        key = 0;
        return;
    }
    if (RefusedChar(*this, key, grid_->CurrentEditor(), edNumericUnitEditBtn, edFloatUnitEditBtn)) {
        key = 0;
        return;
    }
    TGsgUnitEditBtn::KeyPress(key);
}

void TGridUnitEditBtn::KeyDown(unsigned& key, ui::TShiftState shift)
{
    TGxStringGrid& g = *grid_;
    if (!IsLeaveKey(key)) {
        TGsgUnitEditBtn::KeyDown(key, shift);
        return;
    }
    if (key == ui::VK_TAB || key == ui::VK_RETURN || key == ui::VK_UP || key == ui::VK_DOWN) {
        const std::string typed = TextAndUnit();
        g.WriteCurrentCell(typed);
        if (!g.ValidateCell(typed)) {
            SetText(g.ReadCurrentCellText());
            return;
        }
        SetTextAndUnit(g.ReadCurrentCellText());
    }
    if (key == ui::VK_RETURN && g.Navigation()->AdvanceOnEnter()) {
        g.HideInplaceEdit();
        if (g.CanFocus())
            g.SetFocus();
        key = 0;
        g.CommitWalk(ui::VK_RETURN, shift);
        return;
    }
    if (key == ui::VK_TAB && (g.Options() & ui::goTabs)) {
        g.HideInplaceEdit();
        if (g.CanFocus())
            g.SetFocus();
        g.KeyDown(key, shift);
        key = 0;
        return;
    }
    if (key == ui::VK_ESCAPE) {
        // The cell's whole text comes back, unit included, and is what the cell keeps.
        SetUnitID("");
        SetText(g.ReadCurrentCellText());
    }
    g.DoneInplaceEdit(key, shift);
    key = 0;
}

void TGridUnitEditBtn::DoExit()
{
    grid_->HideInplaceEdit();
    TGsgUnitEditBtn::DoExit();
}

// --- date picker ---------------------------------------------------------------------------------------------

TGridDatePicker::TGridDatePicker(TGxStringGrid* AGrid) : TGsgDateTimePicker(AGrid), grid_(AGrid)
{
    SetTabStop(false);
    OnChange = [this](ui::TObject*) {
        if (!grid_->OnEditChange)
            return;
        const bool time = Kind() == ui::TDateTimeKind::dtkTime;
        grid_->OnEditChange(grid_, grid_->Col(), grid_->Row(),
                            time ? rtl::TimeToStr(DateTime()) : rtl::DateToStr(DateTime()));
    };
    OnCloseUp = [this](ui::TObject*) {
        if (grid_->OnDatePickerCloseUp)
            grid_->OnDatePickerCloseUp(grid_, grid_->Row(), grid_->Col());
        if (grid_->MouseActions()->DirectDateClose())
            grid_->HideInplaceEdit();
    };
    OnDropDown = [this](ui::TObject*) {
        if (grid_->OnDatePickerDropDown)
            grid_->OnDatePickerDropDown(grid_, grid_->Row(), grid_->Col());
    };
}

unsigned TGridDatePicker::WantKeys() const
{
    return TGsgDateTimePicker::WantKeys() | kWantEnterEscape | (grid_->HasCellValidation() ? ui::DLGC_WANTTAB : 0u);
}

void TGridDatePicker::KeyDown(unsigned& key, ui::TShiftState shift)
{
    TGxStringGrid& g = *grid_;
    if (key != ui::VK_TAB && key != ui::VK_RETURN && key != ui::VK_ESCAPE && key != ui::VK_PRIOR &&
        key != ui::VK_NEXT && key != ui::VK_END) {
        TGsgDateTimePicker::KeyDown(key, shift);
        return;
    }
    const bool time = Kind() == ui::TDateTimeKind::dtkTime;
    if (key == ui::VK_ESCAPE) {
        rtl::TDateTime v = 0;
        const std::string cell = g.ReadCurrentCellText();
        const bool ok = time ? rtl::TryStrToTime(cell, v) : rtl::TryStrToDate(cell, v);
        SetDateTime(ok ? v : rtl::Now());
    }
    if (key == ui::VK_RETURN || (key == ui::VK_TAB && g.HasCellValidation())) {
        const std::string typed = Text();
        g.WriteCurrentCell(typed);
        if (!g.ValidateCell(typed)) {
            rtl::TDateTime v = 0;
            if (time ? rtl::TryStrToTime(g.edit_.NewCellText, v) : rtl::TryStrToDate(g.edit_.NewCellText, v))
                SetDateTime(v);
            Invalidate();
            g.edit_.NoAutoAdvance = true;
            key = 0;
            return;
        }
        if (key == ui::VK_TAB) {
            if (g.Options() & ui::goTabs) {
                g.HideInplaceEdit();
                if (g.CanFocus())
                    g.SetFocus();
                g.KeyDown(key, shift);
                key = 0;
                return;
            }
            ui::PostMessage(&g, ui::WM_KEYDOWN, ui::VK_TAB, 0);
        }
    }
    // Enter in an open calendar commits the value but keeps the edit.
    if (!DroppedDown())
        g.DoneInplaceEdit(key, shift);
    key = 0;
}

void TGridDatePicker::DoExit()
{
    grid_->HideInplaceEdit();
    TGsgDateTimePicker::DoExit();
}

// --- date and time picker -------------------------------------------------------------------------------------

TGridDateTimePicker::TGridDateTimePicker(TGxStringGrid* AGrid) : TGxDateTimePicker(AGrid), grid_(AGrid)
{
    SetTabStop(false);
}

void TGridDateTimePicker::KeyDown(unsigned& key, ui::TShiftState shift)
{
    TGxStringGrid& g = *grid_;
    if (key == ui::VK_ESCAPE) {
        SetDateTime(static_cast<double>(static_cast<long long>(g.edit_.OriginalDateTime)) +
                    (DateTime() - static_cast<double>(static_cast<long long>(DateTime()))));
        g.HideInplaceEdit();
        if (g.CanFocus())
            g.SetFocus();
        key = 0;
        return;
    }
    if (key == ui::VK_RETURN) {
        g.HideInplaceEdit();
        if (g.CanFocus())
            g.SetFocus();
        g.CommitWalk(key, shift);
        key = 0;
        return;
    }
    if (key == ui::VK_TAB && g.HasCellValidation()) {
        g.HideInplaceEdit();
        if (g.CanFocus())
            g.SetFocus();
        g.KeyDown(key, shift);
        key = 0;
        return;
    }
    TGxDateTimePicker::KeyDown(key, shift);
}

void TGridDateTimePicker::DoExit()
{
    grid_->HideInplaceEdit();
    TGxDateTimePicker::DoExit();
}

// --- push button ----------------------------------------------------------------------------------------------

TGridButton::TGridButton(TGxStringGrid* AGrid) : ui::TCustomControl(AGrid), grid_(AGrid)
{
    SetVisible(false);
    SetEnabled(false);
    SetTabStop(false);
}

unsigned TGridButton::WantKeys() const
{
    return ui::DLGC_WANTARROWS | kWantEnterEscape;
}

void TGridButton::Ellipsis()
{
    SetCaption(grid_->DoEllipsClick(Caption()));
    grid_->WriteCurrentCell(Caption());
    Invalidate();
}

void TGridButton::Click()
{
    ui::TCustomControl::Click();
    if (grid_->OnButtonClick)
        grid_->OnButtonClick(grid_, grid_->RealColIndex(grid_->Col()), grid_->Row());
}

void TGridButton::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (button == ui::TMouseButton::mbLeft && inside) {
        Ellipsis();
        Click();
    }
    ui::TCustomControl::MouseUp(button, shift, x, y);
}

void TGridButton::KeyUp(unsigned& key, ui::TShiftState shift)
{
    if (key == ui::VK_SPACE)
        Ellipsis();
    else
        ui::TCustomControl::KeyUp(key, shift);
}

void TGridButton::KeyDown(unsigned& key, ui::TShiftState shift)
{
    TGxStringGrid& g = *grid_;
    auto close = [&] {
        SetVisible(false);
        SetEnabled(false);
        g.edit_.EditMode = false;
        if (g.CanFocus())
            g.SetFocus();
    };
    if (key == ui::VK_LEFT || key == ui::VK_RIGHT || key == ui::VK_UP || key == ui::VK_DOWN) {
        unsigned k = key;
        close();
        g.HideEditorControl(g.Col(), g.Row());
        g.KeyDown(k, shift);
        key = 0;
        return;
    }
    if (key == ui::VK_ESCAPE) {
        close();
        g.RestoreCellCache();
        g.HideEditorControl(g.Col(), g.Row());
        key = 0;
        return;
    }
    ui::TCustomControl::KeyDown(key, shift);
}

void TGridButton::DoExit()
{
    grid_->HideInplaceEdit();
    ui::TCustomControl::DoExit();
}

void TGridButton::PaintControl(ui::TCanvas& canvas)
{
    const ui::TRect r{0, 0, Width(), Height()};
    canvas.DrawThemedPart(ui::TThemedPart::PushButton, Focused() ? ui::tsFocused : 0u, r);
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsClear);
    canvas.Font()->Assign(*Font());
    ui::TRect t = r;
    canvas.DrawText(Caption(), t, ui::DT_CENTER | ui::DT_VCENTER | ui::DT_SINGLELINE);
}

}  // namespace gx
