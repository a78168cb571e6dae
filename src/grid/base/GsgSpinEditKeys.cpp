// The spin edit's keyboard: the character filter, the stepping keys, Enter as Tab, the keypad's
// decimal key, the clipboard keys, and the value check when the focus leaves.
#include <algorithm>

#include "grid/base/GsgSpinEdit.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Input.h"

namespace gx {

namespace {

// Key data that marks the Tab key-down the edit posts to itself for Enter.
constexpr std::intptr_t kTabFromReturn = 0x7E1;

bool isDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

// Whether text holds ch at a position outside the selection [selStart, selStart + selLength).
bool holdsOutsideSelection(const std::u32string& text, char32_t ch, int selStart, int selLength)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int at = static_cast<int>(i);
        if (text[i] == ch && (at < selStart || at >= selStart + selLength))
            return true;
    }
    return false;
}

}  // namespace

bool TGsgSpinEdit::IsValidChar(char32_t Key) const
{
    if (Key == 8)
        return EditorEnabled;
    const rtl::TFormatSettings& fs = rtl::Regional();
    const char32_t decimal = static_cast<unsigned char>(fs.DecimalSeparator);
    const char32_t timeSep = static_cast<unsigned char>(fs.TimeSeparator);
    const char32_t dateSep = static_cast<unsigned char>(fs.DateSeparator);
    auto isThousand = [&](char32_t c) {
        return !fs.ThousandSeparator.empty() && rtl::CodePointToUtf8(c) == fs.ThousandSeparator;
    };
    // The separator of the control's own kind: a date's date separator, a time's time separator.
    auto ownSeparator = [&](char32_t c) {
        return (FSpinType == TGsgSpinType::sptDate && c == dateSep) ||
               (FSpinType == TGsgSpinType::sptTime && c == timeSep);
    };
    const std::u32string text = rtl::Utf8ToCodePoints(Text());

    bool result = Key == decimal || isThousand(Key) || Key == timeSep || Key == dateSep || isDigit(Key) ||
                  Key == U'-' || (Key < 32 && Key != U'\r');

    // A separator of another kind stays only where it doubles as a number's sign or separator.
    auto numberLike = [&](char32_t sep) {
        return (FSpinType == TGsgSpinType::sptNormal || FSpinType == TGsgSpinType::sptFloat) &&
               (sep == decimal || isThousand(sep) || sep == U'-' || sep == U'+');
    };
    if (result && Key == timeSep && FSpinType != TGsgSpinType::sptTime && !ownSeparator(Key))
        result = numberLike(timeSep);
    if (result && Key == dateSep && FSpinType != TGsgSpinType::sptDate && !ownSeparator(Key))
        result = numberLike(dateSep);

    // One sign, in front.
    if (result && Key == U'-' && !ownSeparator(Key))
        result = !holdsOutsideSelection(text, U'-', SelStart(), SelLength()) && SelStart() == 0;

    switch (FSpinType) {
    case TGsgSpinType::sptNormal:
        // Among the printable characters only digits and the sign; control keys (clipboard,
        // select all, Escape) keep working.
        result = result && (isDigit(Key) || Key == U'-' || Key < 32);
        break;
    case TGsgSpinType::sptFloat:
        if (Key == 27 || Key == U'\r')
            break;
        if (isThousand(Key))
            result = false;
        if (Key == decimal && holdsOutsideSelection(text, decimal, SelStart(), SelLength()))
            result = false;
        if (FPrecision > 0 && result) {
            const auto at = text.find(decimal);
            if (at != std::u32string::npos) {
                const int p = static_cast<int>(at) + 1;
                if (SelStart() >= p && SelLength() == 0)
                    result = static_cast<int>(text.size()) < p + FPrecision;
            }
        }
        break;
    case TGsgSpinType::sptTime:
        if (Key == timeSep && std::count(text.begin(), text.end(), timeSep) >= 2)
            result = false;
        break;
    case TGsgSpinType::sptDate:
        break;
    }

    if (!EditorEnabled && result && Key >= 32)
        result = false;
    return result;
}

void TGsgSpinEdit::WndProc(ui::TMessage& message)
{
    switch (message.Msg) {
    case ui::WM_KEYDOWN:
        if (message.WParam == ui::VK_TAB && message.LParam == kTabFromReturn) {
            // Enter acting as Tab: the Tab takes the form's way, which moves the focus on.
            ui::SendKeyDown(this, ui::VK_TAB, ui::KeyboardShiftState() & ~ui::ssShift);
            return;
        }
        switch (message.WParam) {
        case ui::VK_PRIOR:
            StepUp(true);
            message.Result = 0;
            return;
        case ui::VK_NEXT:
            StepDown(true);
            message.Result = 0;
            return;
        case ui::VK_UP:
            StepUp(false);
            message.Result = 0;
            return;
        case ui::VK_DOWN:
            StepDown(false);
            message.Result = 0;
            return;
        default:
            break;
        }
        break;
    case ui::WM_CHAR:
        // Bit 22 of the key data is bit 6 of the scan code, set for the keypad's decimal key.
        if (ExcelStyleDecimalSeparator && message.WParam == U'.' && (message.LParam & (1 << 22)))
            message.WParam = static_cast<unsigned char>(rtl::Regional().DecimalSeparator);
        break;
    case ui::WM_CUT:
    case ui::WM_PASTE:
        if (!EditorEnabled || ReadOnly())
            return;
        break;
    default:
        break;
    }
    ui::TMaskEdit::WndProc(message);
}

void TGsgSpinEdit::KeyDown(unsigned& key, ui::TShiftState shift)
{
    if (key == ui::VK_RETURN && ReturnIsTab) {
        key = ui::VK_TAB;
        ui::PostMessage(this, ui::WM_KEYDOWN, ui::VK_TAB, kTabFromReturn);
    }
    if (key == ui::VK_DELETE && !EditorEnabled)
        key = 0;
    ui::TMaskEdit::KeyDown(key, shift);
}

void TGsgSpinEdit::KeyPress(char32_t& key)
{
    if (!IsValidChar(key)) {
        key = 0;
        ui::MessageBeep(0);
    }
    if (key != 0)
        ui::TMaskEdit::KeyPress(key);
}

void TGsgSpinEdit::DoEnter()
{
    // A click that enters an editable spin edit places the caret instead of selecting.
    const bool byMouse = (ui::GetKeyState(ui::VK_LBUTTON) & 0x8000) != 0;
    if (AutoSelect() && !(byMouse && EditorEnabled))
        SelectAll();
    ui::TWinControl::DoEnter();
}

void TGsgSpinEdit::DoExit()
{
    ui::TMaskEdit::DoExit();
    switch (FSpinType) {
    case TGsgSpinType::sptNormal: {
        const int v = Value();
        if (MinValue != MaxValue && (v < MinValue || v > MaxValue))
            SetValue(v);
        break;
    }
    case TGsgSpinType::sptFloat: {
        const double v = FloatValue();
        if (MinFloatValue != MaxFloatValue && (v < MinFloatValue || v > MaxFloatValue))
            SetFloatValue(v);
        break;
    }
    case TGsgSpinType::sptDate: {
        const rtl::TDateTime v = DateValue();
        if (MinDateValue != MaxDateValue && (v < MinDateValue || v > MaxDateValue))
            SetDateValue(v);
        break;
    }
    case TGsgSpinType::sptTime: {
        const rtl::TDateTime v = TimeValue();
        if (MinDateValue != MaxDateValue && (v < MinDateValue || v > MaxDateValue))
            SetTimeValue(v);
        break;
    }
    }
}

}  // namespace gx
