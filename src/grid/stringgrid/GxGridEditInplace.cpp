// TGxInplaceEdit: the string grid's text editor. Characters pass the filter of the cell's editor
// kind and the length limit; the keys that leave the cell (Enter, Tab, Up, Down, the cell walk)
// validate the text first and a refusal keeps the editor open; Escape puts back the text the
// cell had when the edit began; the end of the edit is reported when the editor loses the focus.
#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "platform/rtl/Regional.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Clipboard.h"

namespace gx {

TGxInplaceEdit::TGxInplaceEdit(TGxStringGrid* AGrid) : ui::TInplaceEdit(AGrid), grid_(AGrid) {}

unsigned TGxInplaceEdit::WantKeys() const
{
    return ui::TInplaceEdit::WantKeys() | (grid_->HasCellValidation() ? ui::DLGC_WANTTAB : 0u);
}

void TGxInplaceEdit::ShowRefused(const std::string& typed, const std::string& oldText)
{
    SetText(grid_->edit_.NewCellText);
    if (grid_->Navigation()->EditSelectAll())
        SelectAll();
    else
        SetSelStart(rtl::Utf8Length(typed));
    Invalidate();
    grid_->SetGridCell(grid_->RealColIndex(grid_->Col()), grid_->Row(), oldText);
}

// The steps before the key-down handling; false when the key is used up here.
bool TGxInplaceEdit::KeyDownMessage(unsigned& key, ui::TShiftState shift)
{
    TGxStringGrid& g = *grid_;
    g.InplaceEditKeyMessage(key);
    oldSelStart_ = SelStart();
    const bool ctrl = (shift & ui::ssCtrl) != 0;
    const bool shifted = (shift & ui::ssShift) != 0;
    if (key == ui::VK_ESCAPE) {
        SetText(g.edit_.CellCache);
        g.HideInplaceEdit();
        key = 0;
        return false;
    }
    if (key == 'A' && ctrl && !(shift & ui::ssAlt)) {
        SelectAll();
        key = 0;
        return false;
    }
    const bool multiLine = g.WordWrap() || g.Multilinecells;
    if (key == ui::VK_RETURN && ctrl && !(g.Navigation()->AllowCtrlEnter() && multiLine)) {
        key = 0;
        return false;
    }
    const std::string typed = Text();
    const std::string oldText = g.edit_.OldCellText;
    const int length = TextLength();
    if (key == ui::VK_TAB && g.HasCellValidation()) {
        if (!g.ValidateCell(typed)) {
            ShowRefused(typed, oldText);
            key = 0;
            return false;
        }
        SetText(g.edit_.NewCellText);
        g.HideInplaceEdit();
        if (g.Options() & ui::goTabs) {
            unsigned tab = ui::VK_TAB;
            g.KeyDown(tab, shift);
        } else {
            ui::PostMessage(&g, ui::WM_KEYDOWN, ui::VK_TAB, 0);
        }
        key = 0;
        return false;
    }
    const bool walk = g.Navigation()->CursorWalkEditor() && shifted &&
                      ((key == ui::VK_LEFT && oldSelStart_ == 0) || (key == ui::VK_RIGHT && oldSelStart_ == length));
    if (walk || key == ui::VK_UP || key == ui::VK_DOWN) {
        g.edit_.Validating = true;
        g.WriteCurrentCell(typed);
        g.edit_.Validating = false;
        if (!g.ValidateCell(typed)) {
            ShowRefused(typed, oldText);
            key = 0;
            return false;
        }
        SetText(g.edit_.NewCellText);
        if (walk) {
            g.HideInplaceEdit();
            if (g.CanFocus())
                g.SetFocus();
            key = 0;
            return false;
        }
        return true;
    }
    if (key == ui::VK_RETURN && !ctrl && !g.Navigation()->LineFeedOnEnter()) {
        if (!g.ValidateCell(typed)) {
            ShowRefused(typed, oldText);
            swallowEnterChar_ = true;
            g.edit_.NoAutoAdvance = true;
            key = 0;
            return false;
        }
        SetText(g.edit_.NewCellText);
        return true;
    }
    if ((key == ui::VK_HOME || key == ui::VK_END) && !ctrl && !shifted) {
        SetSelStart(key == ui::VK_HOME ? 0 : length);
        SetSelLength(0);
        key = 0;
        return false;
    }
    return true;
}

void TGxInplaceEdit::KeyDown(unsigned& key, ui::TShiftState shift)
{
    if (!KeyDownMessage(key, shift))
        return;
    selKeyDown_ = SelStart();
    if (key == ui::VK_BACK || key == ui::VK_DELETE) {
        workmode_ = false;
    } else {
        workmode_ = true;
        if (key == ui::VK_RETURN && !grid_->Navigation()->AllowCtrlEnter() &&
            (grid_->WordWrap() || grid_->Multilinecells))
            grid_->edit_.Editing = false;
    }
    grid_->InplaceEditKeyDown(key, shift);
    if (key != 0)
        ui::TInplaceEdit::KeyDown(key, shift);
}

void TGxInplaceEdit::KeyUp(unsigned& key, ui::TShiftState shift)
{
    TGxStringGrid& g = *grid_;
    const bool plain = !(shift & (ui::ssShift | ui::ssCtrl | ui::ssAlt)) && SelLength() == 0;
    const bool walkLeft = key == ui::VK_LEFT && plain && selKeyDown_ == 0 && SelStart() == 0;
    const bool walkRight = key == ui::VK_RIGHT && plain && selKeyDown_ == TextLength();
    if ((walkLeft || walkRight) && g.Navigation()->CursorWalkEditor()) {
        key = 0;
        const int target = g.Col() + (walkLeft ? -1 : 1);
        if (target < g.FixedCols() || target >= g.ColCount())
            return;
        if (!g.ValidateCell(Text()))
            return;
        g.HideInplaceEdit();
        g.MoveColRow(target, g.Row(), true, true);
        if (g.Navigation()->CursorWalkAlwaysEdit() && !g.IsClickControlCell(target, g.Row()))
            g.ShowInplaceEdit();
        return;
    }
    if (key == ui::VK_LEFT || key == ui::VK_RIGHT)
        return;
    ui::TInplaceEdit::KeyUp(key, shift);
    AutoComplete();
    if (SelStart() != 0)
        g.InplaceEditCaretChanged(Text(), {SelStart() - 1, 0}, SelStart());
    g.InplaceEditFormulaMode(Text().rfind('=', 0) == 0);
}

// Completes the typed text from the lookup list and selects the completed part.
void TGxInplaceEdit::AutoComplete()
{
    TGxStringGrid& g = *grid_;
    if (!workmode_ || SelLength() != 0 || !g.Lookup || g.LookupItems()->Count() == 0)
        return;
    const std::u32string text = rtl::Utf8ToCodePoints(Text());
    const std::size_t caret = static_cast<std::size_t>(std::min<int>(SelStart(), static_cast<int>(text.size())));
    if (caret == 0)
        return;
    const std::string typed = rtl::CodePointsToUtf8(text.substr(0, caret));
    const std::string key = g.LookupCaseSensitive ? typed : rtl::AnsiUpperCase(typed);
    for (int i = 0; i < g.LookupItems()->Count(); ++i) {
        const std::string item = g.LookupItems()->Get(i);
        const std::string probe = g.LookupCaseSensitive ? item : rtl::AnsiUpperCase(item);
        if (probe.rfind(key, 0) != 0)
            continue;
        const std::u32string rest = rtl::Utf8ToCodePoints(item).substr(caret);
        const std::string completed = typed + rtl::CodePointsToUtf8(rest.substr(0, 255));
        if (completed == Text())
            return;
        SetText(completed);
        SetSelStart(static_cast<int>(caret));
        SetSelLength(rtl::Utf8Length(completed) - static_cast<int>(caret));
        return;
    }
}

void TGxInplaceEdit::KeyPress(char32_t& key)
{
    if (swallowEnterChar_ && key == U'\r') {
        swallowEnterChar_ = false;
        key = 0;
        return;
    }
    if (key == U'\r' && !grid_->Navigation()->LineFeedOnEnter() && !grid_->ValidateCell(Text())) {
        SetText(grid_->ReadCurrentCellText());
        key = 0;
        return;
    }
    ui::TInplaceEdit::KeyPress(key);
}

void TGxInplaceEdit::Change()
{
    ui::TInplaceEdit::Change();
    if (!grid_->NoEditChange && grid_->OnEditChange)
        grid_->OnEditChange(grid_, grid_->Col(), grid_->Row(), Text());
}

namespace {
bool IsControlChar(char32_t c)
{
    return c == 8 || c == 9 || c == 13 || c == 27;
}

std::string CaseOf(char32_t c, bool upper)
{
    const std::string s = rtl::CodePointToUtf8(c);
    return upper ? rtl::AnsiUpperCase(s) : rtl::AnsiLowerCase(s);
}
}  // namespace

// The float kinds: separators and the sign are checked against the text; other characters pass
// only while Ctrl is held.
bool TGxInplaceEdit::FilterFloat(char32_t& key, bool allowMinus, ui::TShiftState shift)
{
    const rtl::TFormatSettings& fs = rtl::Regional();
    const std::string text = Text();
    const std::string sel = SelText();
    if (IsControlChar(key) || (key >= '0' && key <= '9'))
        return true;
    const std::string ch = rtl::CodePointToUtf8(key);
    if (!fs.ThousandSeparator.empty() && ch == fs.ThousandSeparator)
        return false;
    if (key == static_cast<unsigned char>(fs.DecimalSeparator))
        return text.find(fs.DecimalSeparator) == std::string::npos ||
               sel.find(fs.DecimalSeparator) != std::string::npos;
    if (key == ',' || key == '.')
        return true;
    if (key == '-' && allowMinus) {
        const bool ok = (SelStart() == 0 && text.find('-') == std::string::npos) ||
                        (text.find('-') != std::string::npos && sel.find('-') != std::string::npos);
        if (!ok)
            ui::MessageBeep();
        return ok;
    }
    return (shift & ui::ssCtrl) != 0;
}

// The character filter of the editor kind; false drops the character.
bool TGxInplaceEdit::FilterChar(char32_t& key, ui::TShiftState shift)
{
    TGxStringGrid& g = *grid_;
    if (g.ExcelStyleDecimalSeparator && key == '.' && ((charKeyData_ >> 16) & 0xFF) == ui::SC_DECIMAL)
        key = static_cast<unsigned char>(rtl::Regional().DecimalSeparator);
    if (key == 1)
        return false;
    if (key == 10 && (shift & ui::ssCtrl) && !(g.Navigation()->AllowCtrlEnter() && (g.WordWrap() || g.Multilinecells)))
        return false;
    if (lengthLimit_ > 0 && TextLength() >= lengthLimit_ && SelLength() == 0 && key != 8 && key != 27 && key != 13)
        return false;
    auto digitsOr = [&](bool minus) {
        if (IsControlChar(key) || (key >= '0' && key <= '9'))
            return true;
        if (minus && key == '-' && Text().find('-') == std::string::npos && SelStart() == 0)
            return true;
        ui::MessageBeep();
        return false;
    };
    switch (g.currentEditor_) {
    case edNumeric:
        return digitsOr(true);
    case edPositiveNumeric:
        return digitsOr(false);
    case edFloat:
        return FilterFloat(key, true, shift);
    case edPositiveFloat:
        return FilterFloat(key, false, shift);
    case edCapital:
    case edUpperCase:
    case edLowerCase:
        if (key >= 32) {
            const std::u32string c = rtl::Utf8ToCodePoints(CaseOf(key, g.currentEditor_ != edLowerCase));
            if (c.size() == 1)
                key = c[0];
        }
        return true;
    case edValidChars:
        if (key == 8 || key == 13)
            return true;
        if (g.ValidChars.empty())
            return key <= 255;
        if (g.ValidChars.find(rtl::CodePointToUtf8(key)) != std::string::npos)
            return true;
        ui::MessageBeep();
        return false;
    default:
        return true;
    }
}

void TGxInplaceEdit::GotFocus()
{
    gotFocus_ = true;
    colE_ = grid_->Col();
    rowE_ = grid_->Row();
    grid_->NoEditChange = false;
    lengthLimit_ = grid_->GetEditLimit();
    SetMaxLength(lengthLimit_ > 0 ? lengthLimit_ : 0);
    SetPasswordChar(grid_->currentEditor_ == edPassword ? static_cast<char32_t>(grid_->PasswordChar) : 0);
    if (!grid_->Navigation()->EditSelectAll()) {
        SetSelStart(TextLength());
        SetSelLength(0);
    }
}

void TGxInplaceEdit::LostFocus(ui::TWinControl* to)
{
    TGxStringGrid& g = *grid_;
    g.edit_.StartEditChar = 0;
    if (g.LookupHistory && g.LookupItems()->IndexOf(Text()) < 0 && !Text().empty())
        g.LookupItems()->Add(Text());
    g.InplaceEditFormulaMode(false);
    if (altBack_ || g.edit_.Reopening)
        return;
    if (to != &g && to != this && g.EditMode() && g.EditorMode()) {
        bool valid = true;
        try {
            valid = g.ValidateCell(Text());
        } catch (...) {
            g.HideInplaceEdit();
            g.edit_.Editing = false;
            throw;
        }
        if (!valid) {
            // A refused value keeps the edit: the grid takes the focus back, so that the control
            // the focus was going to (an OK button) is not operated with the old value.
            const std::string oldText = g.edit_.OldCellText;
            if (g.CanFocus())
                g.SetFocus();
            if (g.EditorMode() && CanFocus())
                SetFocus();
            ShowRefused(g.edit_.NewCellText, oldText);
            return;
        }
        g.HideInplaceEdit();
        g.edit_.Editing = false;
    }
    SetTextSilently(g.ReadCurrentCellText());
    g.InplaceEditCaretChanged(Text(), {-1, -1}, -1);
    if (gotFocus_) {
        gotFocus_ = false;
        g.edit_.EditMode = false;
        g.NotifyEditDone(g.RealColIndex(colE_), rowE_);
    }
}

void TGxInplaceEdit::PasteText(const std::string& Value)
{
    TGxStringGrid& g = *grid_;
    std::string v = Value;
    bool allow = true;
    if (g.OnClipboardPaste)
        g.OnClipboardPaste(this, allow);
    if (allow && g.OnClipboardBeforePasteCell)
        g.OnClipboardBeforePasteCell(this, g.Col(), g.Row(), v, allow);
    if (!allow)
        return;
    const auto lengthOf = [](const std::string& s) { return rtl::Utf8Length(s); };
    if (lengthLimit_ >= 1 && lengthOf(v) > lengthLimit_)
        return;
    const std::size_t lineBreak = v.find("\r\n");
    if (lineBreak != std::string::npos && lineBreak + 2 == v.size())
        v.erase(lineBreak);
    const std::u32string text = rtl::Utf8ToCodePoints(Text());
    const std::size_t start = static_cast<std::size_t>(std::min<int>(SelStart(), static_cast<int>(text.size())));
    const std::size_t len = std::min<std::size_t>(static_cast<std::size_t>(SelLength()), text.size() - start);
    const std::string newText =
        rtl::CodePointsToUtf8(text.substr(0, start)) + v + rtl::CodePointsToUtf8(text.substr(start + len));
    if (lengthLimit_ >= 1 && lengthOf(newText) > lengthLimit_)
        return;
    bool accept = true;
    std::string shown = newText;
    const int kind = GetNumberKind(newText);
    switch (g.currentEditor_) {
    case edNumeric:
    case edPositiveNumeric:
        accept = kind == nkInteger && (g.currentEditor_ == edNumeric || newText.find('-') == std::string::npos);
        break;
    case edFloat:
    case edPositiveFloat:
        accept = (kind == nkInteger || kind == nkDecimal) &&
                 (g.currentEditor_ == edFloat || newText.find('-') == std::string::npos);
        break;
    case edMixedCase:
        shown = MixedCase(newText);
        break;
    case edLowerCase:
        shown = rtl::AnsiLowerCase(newText);
        break;
    case edUpperCase:
        shown = rtl::AnsiUpperCase(newText);
        break;
    case edValidChars:
        for (char32_t c : rtl::Utf8ToCodePoints(v))
            if (g.ValidChars.find(rtl::CodePointToUtf8(c)) == std::string::npos)
                accept = false;
        break;
    default:
        break;
    }
    if (!accept)
        return;
    SetText(shown);
    g.WriteCurrentEditText(Text());
    if (len > 0) {
        SetSelStart(static_cast<int>(start));
        SetSelLength(lengthOf(v));
    } else {
        SetSelStart(static_cast<int>(start) + lengthOf(v));
        SetSelLength(0);
    }
    if (g.OnClipboardAfterPasteCell)
        g.OnClipboardAfterPasteCell(this, g.Col(), g.Row(), Text());
}

void TGxInplaceEdit::WndProc(ui::TMessage& message)
{
    switch (message.Msg) {
    case ui::WM_CHAR: {
        charKeyData_ = message.LParam;
        auto key = static_cast<char32_t>(message.WParam);
        const int before = SelStart();
        if (!FilterChar(key, ui::KeyboardShiftState())) {
            message.Result = 1;
            return;
        }
        message.WParam = key;
        ui::TInplaceEdit::WndProc(message);
        if (grid_->currentEditor_ == edMixedCase && key >= 32) {
            SetText(MixedCase(Text()));
            SetSelStart(before + 1);
        }
        return;
    }
    case ui::WM_PASTE:
        if (ui::Clipboard()->HasText())
            PasteText(ui::Clipboard()->AsText());
        return;
    case ui::WM_COPY:
    case ui::WM_CUT: {
        bool allow = true;
        auto& ev = message.Msg == ui::WM_COPY ? grid_->OnClipboardCopy : grid_->OnClipboardCut;
        if (ev)
            ev(this, allow);
        if (allow)
            ui::TInplaceEdit::WndProc(message);
        return;
    }
    case ui::WM_SYSKEYDOWN:
    case ui::WM_SYSKEYUP:
        if (message.WParam == ui::VK_BACK)
            altBack_ = message.Msg == ui::WM_SYSKEYDOWN;
        break;
    case ui::WM_SETFOCUS:
        ui::TInplaceEdit::WndProc(message);
        GotFocus();
        return;
    case ui::WM_KILLFOCUS:
        ui::TInplaceEdit::WndProc(message);
        LostFocus(ui::LParamToControl(message.LParam));
        return;
    default:
        break;
    }
    ui::TInplaceEdit::WndProc(message);
}

}  // namespace gx
