// The combo, check-box and spin editors of TGxStringGrid: their commit keys, Escape, wheel and
// auto-completion. A commit key writes the control's text into the current cell and validates it;
// a refusal keeps the control open with the text validation left.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace gx {

namespace {
int FindEqual(rtl::TStringList* items, const std::string& s)
{
    const std::string key = rtl::AnsiUpperCase(s);
    for (int i = 0; i < items->Count(); ++i)
        if (rtl::AnsiUpperCase(items->Get(i)) == key)
            return i;
    return -1;
}

constexpr unsigned kWantEnterEscape = ui::DLGC_WANTALLKEYS;
}  // namespace

// --- combo ---------------------------------------------------------------------------------------------

TGridCombo::TGridCombo(TGxStringGrid* AGrid) : TGsgComboBox(AGrid), grid_(AGrid)
{
    SetVisible(false);
    SetEnabled(false);
    SetTabStop(false);
}

unsigned TGridCombo::WantKeys() const
{
    return TGsgComboBox::WantKeys() | kWantEnterEscape | (grid_->HasCellValidation() ? ui::DLGC_WANTTAB : 0u);
}

void TGridCombo::SizeDropDownWidth()
{
    int w = Width();
    ui::TCanvas* canvas = grid_->Canvas();
    const bool scrolls = Items()->Count() > DropDownCount();
    for (int i = 0; i < Items()->Count(); ++i) {
        const int t = canvas->TextWidth(Items()->Get(i));
        if (scrolls && t > w - 25)
            w = t + 25;
        else if (!scrolls && t > w - 5)
            w = t + 8;
    }
    SetDropDownWidth(w);
}

void TGridCombo::DoExit()
{
    if (grid_->LookupHistory && !Text().empty() && FindEqual(Items(), Text()) < 0)
        Items()->Add(Text());
    grid_->HideInplaceEdit();
    TGsgComboBox::DoExit();
}

void TGridCombo::Change()
{
    TGsgComboBox::Change();
    if (grid_->OnEditChange)
        grid_->OnEditChange(grid_, grid_->Col(), grid_->Row(), Text());
}

// A wheel turn steps through the items; with no item selected the events get the text and -1.
void TGridCombo::Wheel(int delta)
{
    const int count = Items()->Count();
    if (delta < 0 && ItemIndex() + 1 < count)
        SetItemIndex(ItemIndex() + 1);
    else if (delta > 0 && ItemIndex() > 0)
        SetItemIndex(ItemIndex() - 1);
    const int idx = ItemIndex();
    const std::string text = idx >= 0 ? Items()->Get(idx) : Text();
    TObject* object = idx >= 0 ? Items()->GetObject(idx) : nullptr;
    const int realCol = grid_->RealColIndex(grid_->Col());
    if (grid_->OnEditChange)
        grid_->OnEditChange(grid_, realCol, grid_->Row(), text);
    if (grid_->OnComboChange)
        grid_->OnComboChange(grid_, realCol, grid_->Row(), idx, text);
    if (grid_->OnComboObjectChange)
        grid_->OnComboObjectChange(grid_, realCol, grid_->Row(), idx, text, object);
}

void TGridCombo::WndProc(ui::TMessage& message)
{
    if (message.Msg == ui::WM_MOUSEWHEEL && Visible()) {
        Wheel(static_cast<short>((message.WParam >> 16) & 0xFFFF));
        message.Result = 0;
        return;
    }
    TGsgComboBox::WndProc(message);
}

void TGridCombo::KeyPress(char32_t& key)
{
    const int before = ItemIndex();
    if (grid_->OnKeyPress)
        grid_->OnKeyPress(this, key);
    if (key == 27)
        key = 0;
    if (key == U'\r' && OnReturnKey)
        OnReturnKey(this);
    if (key == U'\r' || key == U'\t')
        key = 0;
    TGsgComboBox::KeyPress(key);
    if (ItemIndex() != before && ItemIndex() >= 0) {
        const int realCol = grid_->RealColIndex(grid_->Col());
        if (grid_->OnComboChange)
            grid_->OnComboChange(grid_, realCol, grid_->Row(), ItemIndex(), Text());
        if (grid_->OnComboObjectChange)
            grid_->OnComboObjectChange(grid_, realCol, grid_->Row(), ItemIndex(), Text(),
                                       Items()->GetObject(ItemIndex()));
    }
}

void TGridCombo::KeyUp(unsigned& key, ui::TShiftState shift)
{
    grid_->edit_.NoAutoAdvance = false;
    if (key != ui::VK_RETURN)
        TGsgComboBox::KeyUp(key, shift);
    DoChange();
}

// Completes the typed text from the items, else from the grid's lookup list.
void TGridCombo::DoChange()
{
    if (!workMode_ || !grid_->Lookup || Style() != ui::TComboBoxStyle::csDropDown)
        return;
    const std::u32string text = rtl::Utf8ToCodePoints(Text());
    const std::size_t caret = static_cast<std::size_t>(std::min<int>(SelStart(), static_cast<int>(text.size())));
    if (caret == 0)
        return;
    const std::string typed = rtl::CodePointsToUtf8(text.substr(0, caret));
    const bool cs = grid_->LookupCaseSensitive;
    const std::string key = cs ? typed : rtl::AnsiUpperCase(typed);
    auto matches = [&](const std::string& item) { return (cs ? item : rtl::AnsiUpperCase(item)).rfind(key, 0) == 0; };
    int found = -1;
    std::string item;
    for (int i = 0; i < Items()->Count() && found < 0; ++i)
        if (matches(Items()->Get(i)))
            found = i, item = Items()->Get(i);
    const bool fromItems = found >= 0;
    for (int i = 0; i < grid_->LookupItems()->Count() && found < 0; ++i)
        if (matches(grid_->LookupItems()->Get(i)))
            found = i, item = grid_->LookupItems()->Get(i);
    if (found < 0)
        return;
    const std::u32string rest = rtl::Utf8ToCodePoints(item).substr(caret);
    const std::string completed = typed + rtl::CodePointsToUtf8(rest.substr(0, 255));
    if (fromItems)
        SetItemIndex(found);
    SetText(completed);
    SetSelStart(static_cast<int>(caret));
    SetSelLength(rtl::Utf8Length(completed) - static_cast<int>(caret));
    ItemIdx = found;
    ItemChange = true;
}

void TGridCombo::KeyDown(unsigned& key, ui::TShiftState shift)
{
    TGxStringGrid& g = *grid_;
    workMode_ = key != ui::VK_BACK && key != ui::VK_DELETE;
    const bool listStyle = Style() == ui::TComboBoxStyle::csDropDownList || DroppedDown();
    if ((key == ui::VK_UP || key == ui::VK_DOWN) && !g.Navigation()->ComboGetUpDown() && !DroppedDown()) {
        g.HideInplaceEdit();
        const bool alwaysEdit = g.Navigation()->AlwaysEdit();
        g.Navigation()->SetAlwaysEdit(false);
        if (g.CanFocus())
            g.SetFocus();
        g.KeyDown(key, shift);
        g.Navigation()->SetAlwaysEdit(alwaysEdit);
        key = 0;
        return;
    }
    bool handled = false;
    if (!(key == ui::VK_DOWN && (shift & ui::ssAlt))) {
        if (listStyle)
            handled = key == ui::VK_TAB || key == ui::VK_RETURN || key == ui::VK_ESCAPE || key == ui::VK_LEFT ||
                      key == ui::VK_RIGHT;
        else
            handled = key == ui::VK_TAB || key == ui::VK_RETURN || key == ui::VK_ESCAPE || key == ui::VK_PRIOR ||
                      key == ui::VK_NEXT || key == ui::VK_END || key == ui::VK_UP || key == ui::VK_DOWN;
    }
    if (!handled) {
        TGsgComboBox::KeyDown(key, shift);
        return;
    }
    if (key == ui::VK_ESCAPE) {
        const std::string cell = g.ReadCurrentCellText();
        SetDroppedDown(false);
        const int idx = FindEqual(Items(), cell);
        if (idx >= 0)
            SetItemIndex(idx);
        else
            SetText(cell);
        g.HideInplaceEdit();
        // A list combo cannot show a text that is not among its items: the cell keeps its own.
        if (g.ReadCurrentCellText() != cell)
            g.WriteCurrentCell(cell);
        if (g.CanFocus())
            g.SetFocus();
        key = 0;
        return;
    }
    const bool dropDownStyle = Style() == ui::TComboBoxStyle::csDropDown;
    auto accepted = [&] {
        const std::string typed = Text();
        g.WriteCurrentCell(typed);
        if (!g.ValidateCell(typed)) {
            SetText(g.edit_.NewCellText);
            if (dropDownStyle)
                SelectAll();
            Invalidate();
            return false;
        }
        const std::string cell = g.ReadCurrentCellText();
        if (dropDownStyle)
            SetText(cell);
        else
            SetItemIndex(FindEqual(Items(), cell));
        return true;
    };
    if (key == ui::VK_RETURN || key == ui::VK_UP || key == ui::VK_DOWN) {
        if (!accepted()) {
            g.edit_.NoAutoAdvance = true;
            key = 0;
            return;
        }
    }
    if (key == ui::VK_TAB && g.HasCellValidation()) {
        if (!accepted()) {
            SetSelStart(rtl::Utf8Length(Text()));
            key = 0;
            return;
        }
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
    if (listStyle) {
        const bool directClose = g.MouseActions()->DirectComboClose();
        g.MouseActions()->SetDirectComboClose(false);
        SetDroppedDown(false);
        g.HideInplaceEdit();
        g.MouseActions()->SetDirectComboClose(directClose);
        if (key == ui::VK_LEFT || key == ui::VK_RIGHT) {
            if (g.CanFocus())
                g.SetFocus();
            g.KeyDown(key, shift);
        }
        if (key == ui::VK_PRIOR || key == ui::VK_NEXT || key == ui::VK_LEFT || key == ui::VK_UP ||
            key == ui::VK_RIGHT || key == ui::VK_DOWN) {
            key = 0;
            return;
        }
    } else if (key == ui::VK_END) {
        TGsgComboBox::KeyDown(key, shift);
        return;
    }
    g.DoneInplaceEdit(key, shift);
    if (g.Navigation()->AdvanceOnEnter() && g.Navigation()->AdvanceAutoEdit())
        g.ShowInplaceEdit();
    key = 0;
}

// --- check box --------------------------------------------------------------------------------------------

TGridCheckBox::TGridCheckBox(TGxStringGrid* AGrid) : ui::TCheckBox(AGrid), grid_(AGrid)
{
    SetVisible(false);
    SetEnabled(false);
    SetTabStop(false);
}

void TGridCheckBox::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    if (button == ui::TMouseButton::mbLeft)
        SetChecked(!Checked());
    ui::TCheckBox::MouseDown(button, shift, x, y);
}

void TGridCheckBox::KeyDown(unsigned& key, ui::TShiftState shift)
{
    TGxStringGrid& g = *grid_;
    switch (key) {
    case ui::VK_SPACE:
        SetChecked(!Checked());
        key = 0;
        return;
    case ui::VK_RETURN:
    case ui::VK_PRIOR:
    case ui::VK_NEXT:
    case ui::VK_END:
    case ui::VK_LEFT:
    case ui::VK_UP:
    case ui::VK_RIGHT:
    case ui::VK_DOWN:
        g.HideInplaceEdit();
        if (g.CanFocus())
            g.SetFocus();
        if (key == ui::VK_RETURN)
            g.CommitWalk(key, shift);
        if (key == ui::VK_UP || key == ui::VK_DOWN)
            g.KeyDown(key, shift);
        key = 0;
        return;
    default:
        ui::TCheckBox::KeyDown(key, shift);
    }
}

// Space toggled on its key-down already.
void TGridCheckBox::KeyPress(char32_t& key)
{
    if (key == U' ')
        key = 0;
    ui::TCheckBox::KeyPress(key);
}

void TGridCheckBox::DoExit()
{
    grid_->HideInplaceEdit();
    ui::TCheckBox::DoExit();
}

// --- spin ---------------------------------------------------------------------------------------------------

TGridSpin::TGridSpin(TGxStringGrid* AGrid) : TGsgSpinEdit(AGrid), grid_(AGrid)
{
    MaxValue = 100;
    MinValue = 0;
    Increment = 1;
    SetTabStop(false);
}

unsigned TGridSpin::WantKeys() const
{
    return TGsgSpinEdit::WantKeys() | kWantEnterEscape | ((grid_->Options() & ui::goTabs) ? ui::DLGC_WANTTAB : 0u);
}

void TGridSpin::FireSpinClick(bool Up)
{
    TGxStringGrid& g = *grid_;
    switch (SpinType()) {
    case TGsgSpinType::sptNormal:
        if (g.OnSpinClick)
            g.OnSpinClick(&g, g.Col(), g.Row(), Value(), Up);
        break;
    case TGsgSpinType::sptFloat:
        if (g.OnFloatSpinClick)
            g.OnFloatSpinClick(&g, g.Col(), g.Row(), FloatValue(), Up);
        break;
    case TGsgSpinType::sptDate:
        if (g.OnDateSpinClick)
            g.OnDateSpinClick(&g, g.Col(), g.Row(), DateValue(), Up);
        break;
    case TGsgSpinType::sptTime:
        if (g.OnTimeSpinClick)
            g.OnTimeSpinClick(&g, g.Col(), g.Row(), TimeValue(), Up);
        break;
    }
}

void TGridSpin::UpClick(ui::TObject* Sender)
{
    TGsgSpinEdit::UpClick(Sender);
    FireSpinClick(true);
}

void TGridSpin::DownClick(ui::TObject* Sender)
{
    TGsgSpinEdit::DownClick(Sender);
    FireSpinClick(false);
}

void TGridSpin::WndProc(ui::TMessage& message)
{
    if (message.Msg == ui::WM_KEYDOWN && (message.WParam == ui::VK_PRIOR || message.WParam == ui::VK_NEXT ||
                                          message.WParam == ui::VK_UP || message.WParam == ui::VK_DOWN)) {
        ui::TMaskEdit::WndProc(message);
        return;
    }
    TGsgSpinEdit::WndProc(message);
}

void TGridSpin::KeyPress(char32_t& key)
{
    if (key == U'\t' || key == U'\r' || key == 27) {
        key = 0;
        return;
    }
    TGsgSpinEdit::KeyPress(key);
}

void TGridSpin::Change()
{
    TGsgSpinEdit::Change();
    if (grid_->OnEditChange)
        grid_->OnEditChange(grid_, grid_->Col(), grid_->Row(), Text());
}

void TGridSpin::KeyDown(unsigned& key, ui::TShiftState shift)
{
    TGxStringGrid& g = *grid_;
    const bool normal = SpinType() == TGsgSpinType::sptNormal;
    const bool isFloat = SpinType() == TGsgSpinType::sptFloat;
    if (key == ui::VK_PRIOR || key == ui::VK_NEXT || key == ui::VK_HOME || key == ui::VK_END) {
        const bool up = key == ui::VK_PRIOR || key == ui::VK_HOME;
        if (key == ui::VK_PRIOR && normal && Value() + Increment <= MaxValue)
            SetValue(Value() + Increment);
        else if (key == ui::VK_PRIOR && isFloat && FloatValue() + IncrementFloat <= MaxFloatValue)
            SetFloatValue(FloatValue() + IncrementFloat);
        else if (key == ui::VK_NEXT && normal && Value() - Increment >= MinValue)
            SetValue(Value() - Increment);
        else if (key == ui::VK_NEXT && isFloat && FloatValue() - IncrementFloat >= MinFloatValue)
            SetFloatValue(FloatValue() - IncrementFloat);
        else if (key == ui::VK_END && normal)
            SetValue(MinValue);
        else if (key == ui::VK_END && isFloat)
            SetFloatValue(MinFloatValue);
        else if (key == ui::VK_HOME && normal)
            SetValue(MaxValue);
        else if (key == ui::VK_HOME && isFloat)
            SetFloatValue(MaxFloatValue);
        if (g.OnSpinClick)
            g.OnSpinClick(&g, g.Col(), g.Row(), Value(), up);
        key = 0;
        return;
    }
    if (key != ui::VK_TAB && key != ui::VK_RETURN && key != ui::VK_ESCAPE && key != ui::VK_UP && key != ui::VK_DOWN) {
        TGsgSpinEdit::KeyDown(key, shift);
        return;
    }
    if (key == ui::VK_ESCAPE) {
        SetText(g.edit_.CellCache);
        if (normal)
            SetValue(Value());
        else if (isFloat)
            SetFloatValue(FloatValue());
    } else {
        const std::string typed = Text();
        g.WriteCurrentCell(typed);
        if (!g.ValidateCell(typed)) {
            SetText(g.ReadCurrentCellText());
            SetSelStart(rtl::Utf8Length(Text()));
            g.edit_.NoAutoAdvance = true;
            Invalidate();
            key = 0;
            return;
        }
        SetText(g.ReadCurrentCellText());
    }
    if (key == ui::VK_TAB && (g.Options() & ui::goTabs)) {
        g.HideInplaceEdit();
        if (g.CanFocus())
            g.SetFocus();
        g.KeyDown(key, shift);
        key = 0;
        return;
    }
    g.DoneInplaceEdit(key, shift);
    if (g.Navigation()->AdvanceOnEnter() && g.Navigation()->AdvanceAutoEdit())
        g.ShowInplaceEdit();
    key = 0;
}

void TGridSpin::DoExit()
{
    grid_->HideInplaceEdit();
    TGsgSpinEdit::DoExit();
}

}  // namespace gx
