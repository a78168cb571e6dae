// Typed entry of the drop-down edit: the value between prefix and suffix, number formatting,
// what each edit type lets through, the caret rules, the clipboard and the focus normalisation.
#include <algorithm>
#include <cctype>
#include <cmath>

#include "controls/dropdown/GxDropDown.h"
#include "controls/dropdown/GxDropDownText.h"
#include "grid/base/VozEdidText.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Regional.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"

namespace dropdown {

using namespace ui;

namespace {

char DecimalSeparator()
{
    return rtl::Regional().DecimalSeparator;
}

const std::string& ThousandSeparator()
{
    return rtl::Regional().ThousandSeparator;
}

// The thousand separator as one character, or 0 when it is none or longer.
char32_t ThousandChar()
{
    const std::u32string ts = rtl::Utf8ToCodePoints(ThousandSeparator());
    return ts.size() == 1 ? ts[0] : 0;
}

int Length(const std::string& s)
{
    return static_cast<int>(rtl::Utf8ToCodePoints(s).size());
}

// 1-based position of the first c in s (code points), 0 when absent.
int PosOf(char32_t c, const std::string& s)
{
    const std::u32string u = rtl::Utf8ToCodePoints(s);
    const auto at = u.find(c);
    return at == std::u32string::npos ? 0 : static_cast<int>(at) + 1;
}

bool Contains(const std::string& s, char32_t c)
{
    return PosOf(c, s) > 0;
}

bool IsDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

std::string PrecisionFormat(int precision, char type)
{
    return "%." + std::to_string(precision) + type;
}

}  // namespace

// --- the value ---

int TGxCustomDropDown::PrefixLength() const
{
    return Length(FPrefix);
}

int TGxCustomDropDown::ValueLength() const
{
    return Length(Text());
}

const std::string& TGxCustomDropDown::Text() const
{
    std::u32string raw = rtl::Utf8ToCodePoints(RawText());
    const std::u32string prefix = rtl::Utf8ToCodePoints(FPrefix), suffix = rtl::Utf8ToCodePoints(FSuffix);
    if (!prefix.empty() && raw.compare(0, prefix.size(), prefix) == 0)
        raw.erase(0, prefix.size());
    if (!suffix.empty() && raw.size() >= suffix.size())
        raw.erase(raw.size() - suffix.size());
    FValueCache = rtl::CodePointsToUtf8(raw);
    return FValueCache;
}

void TGxCustomDropDown::SetText(const std::string& Value)
{
    std::string v = Value;
    const bool number = FEditType == TDropDownEditType::etNumeric || FEditType == TDropDownEditType::etFloat ||
                        FEditType == TDropDownEditType::etMoney || FEditType == TDropDownEditType::etHex;
    if (v.empty() && number)
        v = "0";
    if (FPrecision > 0 && !v.empty() && v != "Error") {
        if (FEditType == TDropDownEditType::etMoney)
            v = rtl::Format(PrecisionFormat(FPrecision, 'n'), {EditTextToFloat(v)});
        else if (FEditType == TDropDownEditType::etFloat)
            v = rtl::Format(PrecisionFormat(FPrecision, 'f'), {EditTextToFloat(v)});
    }
    if (FEditType == TDropDownEditType::etHex)
        v = rtl::AnsiUpperCase(v);
    TMaskEdit::SetText(FPrefix + v + FSuffix);
    SetIsModified(false);
}

void TGxCustomDropDown::SetTextDirect(const std::string& S)
{
    TMaskEdit::SetText(S);
}

void TGxCustomDropDown::SetRawText(const std::string& Raw, int Caret)
{
    ReplaceText(Raw, Caret);
}

double TGxCustomDropDown::EditTextToFloat(const std::string& S) const
{
    const std::string plain = RemoveThousandSeparators(S);
    double value = 0;
    return rtl::TryStrToFloat(plain, value) ? value : 0.0;
}

double TGxCustomDropDown::GetFloatValue() const
{
    const std::string v = Text();
    switch (FEditType) {
    case TDropDownEditType::etString: {
        double value = 0;
        return rtl::TryStrToFloat(v, value, rtl::TFormatSettings::Neutral()) ? value : 0.0;
    }
    case TDropDownEditType::etNumeric:
    case TDropDownEditType::etFloat:
        if (v.empty() || v == "Error" || v == "-")
            return 0;
        return EditTextToFloat(v);
    case TDropDownEditType::etMoney: {
        if (v.empty())
            return 0;
        std::string s = RemoveThousandSeparators(v);
        if (!s.empty() && s.back() == DecimalSeparator())
            s.pop_back();
        return (s.empty() || s == "-") ? 0.0 : EditTextToFloat(s);
    }
    case TDropDownEditType::etHex:
        return v.empty() ? 0.0 : HexToInt(v);
    default:
        return 0;
    }
}

void TGxCustomDropDown::SetFloatValue(double X)
{
    std::string v;
    const std::string general = "%g";
    switch (FEditType) {
    case TDropDownEditType::etString:
    case TDropDownEditType::etFloat:
    case TDropDownEditType::etMoney:
        v = rtl::Format(FPrecision < 0 ? general : PrecisionFormat(FPrecision, 'f'), {X});
        break;
    case TDropDownEditType::etNumeric:
        v = rtl::Format(FPrecision < 0 ? general : PrecisionFormat(FPrecision, 'n'), {X});
        break;
    case TDropDownEditType::etHex:
        v = rtl::IntToHex(static_cast<int64_t>(std::trunc(X)), 0);
        break;
    default:
        break;
    }
    SetText(v);
    if (FEditType == TDropDownEditType::etMoney)
        FormatMoney();
    SetIsModified(true);
}

void TGxCustomDropDown::SetIntValue(long long N)
{
    std::string v;
    switch (FEditType) {
    case TDropDownEditType::etNumeric:
    case TDropDownEditType::etFloat:
    case TDropDownEditType::etMoney:
        v = std::to_string(N);
        break;
    case TDropDownEditType::etHex:
        v = rtl::IntToHex(N, 0);
        break;
    default:
        break;
    }
    SetText(v);
    if (FEditType == TDropDownEditType::etMoney)
        FormatMoney();
    SetIsModified(true);
}

void TGxCustomDropDown::FormatMoney()
{
    std::string s = Text();
    if (s.empty())
        return;
    const int oldLength = Length(s);
    const int caret = SelStart();
    std::string sign;
    if (s[0] == '-') {
        sign = "-";
        s.erase(0, 1);
    }
    const char ds = DecimalSeparator();
    const auto dsAt = s.find(ds);
    const std::string decimals = dsAt == std::string::npos ? std::string() : s.substr(dsAt, 255);
    const double n = std::trunc(std::fabs(GetFloatValue()));
    std::string whole = rtl::Format(FAutoThousandSeparator ? "%n" : "%f", {n});
    if (const auto cut = whole.find(ds); cut != std::string::npos)
        whole.erase(cut);
    const std::string raw = FPrefix + sign + whole + decimals + FSuffix;
    // The rewrite is not a change of its own: it does not reach OnChange a second time.
    FChangeBlock = raw != RawText();
    const int newLength = Length(sign + whole + decimals);
    ReplaceText(raw, caret + (newLength - oldLength));
    FChangeBlock = false;
}

void TGxCustomDropDown::SetIsModified(bool Value)
{
    if (Loading() || !FEditorEnabled || ReadOnly())
        return;
    SetModified(Value);
    FIsModified = Value;
}

void TGxCustomDropDown::NoteNativeModified()
{
    if (Modified())
        SetIsModified(true);
}

// --- caret helpers ---

void TGxCustomDropDown::SelectAll()
{
    if (FPrefix.empty() && FSuffix.empty()) {
        TMaskEdit::SelectAll();
        return;
    }
    SetSelStart(PrefixLength());
    SetSelLength(ValueLength());
}

void TGxCustomDropDown::SelectAfterDecimal()
{
    const int ds = PosOf(static_cast<unsigned char>(DecimalSeparator()), Text());
    SetSelStart(PrefixLength() + ds);
}

void TGxCustomDropDown::SelectBeforeDecimal()
{
    const int ds = PosOf(static_cast<unsigned char>(DecimalSeparator()), Text());
    SetSelStart(ds > 0 ? PrefixLength() + ds - 1 : PrefixLength());
}

void TGxCustomDropDown::AfterMouseUpCaret()
{
    const int p = PrefixLength(), end = p + ValueLength();
    if (!FPrefix.empty() && SelStart() < p && SelLength() > 0) {
        SetSelStart(p);
        SetSelLength(ValueLength());
    } else if (!FPrefix.empty() && SelStart() < p) {
        SetSelStart(p);
    }
    if (!FSuffix.empty()) {
        if (SelLength() == 0 && SelStart() > end)
            SetSelStart(end);
        else if (SelStart() + SelLength() > end) {
            const int start = std::min(SelStart(), end);
            SetSelStart(start);
            SetSelLength(end - start);
        }
    }
}

// --- numbers ---

bool TGxCustomDropDown::IsNumberType() const
{
    return FEditType == TDropDownEditType::etNumeric || FEditType == TDropDownEditType::etFloat ||
           FEditType == TDropDownEditType::etMoney;
}

bool TGxCustomDropDown::IsAllowedMinus(char32_t C) const
{
    return FSigned && IsNumberType() && C == U'-';
}

int TGxCustomDropDown::IntegerLength(const std::string& S) const
{
    const std::string plain = RemoveThousandSeparators(S);
    const int ds = PosOf(static_cast<unsigned char>(DecimalSeparator()), plain);
    int n = ds > 0 ? ds : Length(plain) + 1;
    if (FSigned && IsNumberType() && Contains(S, U'-'))
        --n;
    return n;
}

int TGxCustomDropDown::DecimalPosition() const
{
    const std::string v = Text();
    const int ds = PosOf(static_cast<unsigned char>(DecimalSeparator()), v);
    return ds > 0 ? ds + PrefixLength() : PrefixLength() + Length(v) + Length(FSuffix) + 1;
}

bool TGxCustomDropDown::SeparatorTooClose(const std::string& V, int Caret) const
{
    const char32_t ts = ThousandChar();
    if (ts == 0 || !Contains(V, ts))
        return false;
    std::u32string rest = rtl::Utf8ToCodePoints(V);
    int d = static_cast<int>(rest.size());
    int c = Caret - PrefixLength();
    bool near = false;
    for (;;) {
        const auto at = rest.find(ts);
        if (at == std::u32string::npos)
            break;
        const int p = static_cast<int>(at) + 1;
        d = std::min(d, std::abs(p - c));
        if (std::abs(p - c) < 3) {
            near = true;
            break;
        }
        if (c > p)
            c -= p;
        rest.erase(0, static_cast<std::size_t>(p));
    }
    return near || d > 3;
}

bool TGxCustomDropDown::DecimalsFull(const std::string& V, int Caret) const
{
    const int ds = PosOf(static_cast<unsigned char>(DecimalSeparator()), V);
    if (FPrecision <= 0 || ds == 0)
        return false;
    const int place = Caret - PrefixLength();
    const int length = Length(V);
    return place >= ds && length - place <= FPrecision && length - ds >= FPrecision;
}

void TGxCustomDropDown::ToggleSign(bool WholeSelectionResets)
{
    const int p = PrefixLength();
    std::string v = Text();
    if (WholeSelectionResets && SelLength() == ValueLength()) {
        SetRawText(FPrefix + "-" + FSuffix, p + 1);
        SetIsModified(true);
        return;
    }
    const int caret = SelStart();
    if (const auto minus = v.find('-'); minus != std::string::npos) {
        v.erase(minus, 1);
        SetRawText(FPrefix + v + FSuffix, caret > p ? caret - 1 : p);
    } else {
        SetRawText(FPrefix + "-" + v + FSuffix, caret + 1);
    }
    SetIsModified(true);
}

// True when the character was taken care of (dropped or applied) by a rule of the number types.
bool TGxCustomDropDown::NumberCharRules(char32_t& C)
{
    const char32_t ds = static_cast<unsigned char>(DecimalSeparator());
    const char32_t ts = ThousandChar();
    const std::string v = Text();
    const int caret = SelStart();
    const int p = PrefixLength();
    const bool isFloat = FEditType == TDropDownEditType::etFloat;
    const bool isMoney = FEditType == TDropDownEditType::etMoney;

    if (isMoney && C == ds && (Contains(v, ds) || FPrecision == 0)) {
        if (FPrecision > 0) {
            if (SelLength() == ValueLength() && ValueLength() > 0)
                SetText(std::string("0") + DecimalSeparator() + "0");
            SelectAfterDecimal();
        }
        return true;
    }
    if (isFloat && C == U',' && ds != U',' && ts != U',')
        return true;
    if (isFloat && C == U'.' && ds != U'.' && ts != U'.')
        return true;
    if (isFloat && C == ds && !Contains(SelText(), ds) && (Contains(v, ds) || FPrecision == 0)) {
        if (FPrecision > 0)
            SelectAfterDecimal();
        return true;
    }
    if (isFloat && C == U',' && Contains(v, U',') && !Contains(SelText(), U',') && ts != U',')
        return true;
    if ((C == ts || C == ds) && SeparatorTooClose(v, caret))
        return true;
    if ((IsDigit(C) || C == ds) && SelLength() == 0 && DecimalsFull(v, caret)) {
        const int dsPos = PosOf(ds, v);
        if (FPrecision >= 1 && caret - p >= dsPos && IsDigit(C) && caret < p + Length(v)) {
            SetSelLength(1);  // the digit typed replaces the next one
            return false;
        }
        return true;
    }
    if (caret == p && v.empty() && C == ds) {
        SetRawText(FPrefix + "0" + DecimalSeparator() + FSuffix, p + 2);
        SetIsModified(true);
        return true;
    }
    if (C == U'-' && SelLength() == 0) {
        const int saved = FPrecision;
        FPrecision = 0;
        ToggleSign(false);
        FPrecision = saved;
        return true;
    }
    return false;
}

void TGxCustomDropDown::TypedChar(char32_t& Key)
{
    char32_t c = Key;
    const char32_t ds = static_cast<unsigned char>(DecimalSeparator());
    if (FExcelStyleDecimalSeparator && FKeypadDecimal && (c == U'.' || c == U','))
        c = ds;
    const int p = PrefixLength();
    if (c == 8 && !FPrefix.empty() && SelStart() <= p && SelLength() == 0) {
        Key = 0;
        return;
    }
    if (FLengthLimit > 0 && IntegerLength(Text()) > FLengthLimit && SelLength() == 0 &&
        SelStart() < DecimalPosition() && c != 8 && c != ds && !IsAllowedMinus(c)) {
        Key = 0;
        return;
    }
    if (c == 8) {
        EditKeyPress(c);
        NoteNativeModified();
        return;
    }
    if ((KeyboardShiftState() & ssCtrl) && c == 10) {
        Key = 0;
        return;
    }
    if (IsNumberType() && c == U'-' && !FSigned) {
        Key = 0;
        return;
    }
    const bool control = c == 9 || c == 13;
    const auto own = [&](char32_t ch) {
        EditKeyPress(ch);
        NoteNativeModified();
    };
    const auto modified = [&] { SetIsModified(true); };
    switch (FEditType) {
    case TDropDownEditType::etString:
    case TDropDownEditType::etPassword:
        modified();
        own(c);
        break;
    case TDropDownEditType::etNumeric:
        if (c == U'-') {
            ToggleSign(true);
        } else if (control || IsDigit(c) || (GetKeyState(VK_CONTROL) & 0x8000) || (KeyboardShiftState() & ssCtrl)) {
            own(c);
        }
        break;
    case TDropDownEditType::etFloat:
        if (!(control || IsDigit(c) || c == U',' || c == U'-' || c == U'.' || c == ds))
            break;
        if (!NumberCharRules(c))
            own(c);
        break;
    case TDropDownEditType::etMoney: {
        if (!(control || IsDigit(c) || c == U'-' || c == ds))
            break;
        if (NumberCharRules(c))
            break;
        own(c);
        const std::string v = Text();
        if (!v.empty() && v != "-" && c != ds)
            FormatMoney();
        break;
    }
    case TDropDownEditType::etUppercase: {
        const std::string upper = rtl::AnsiUpperCase(rtl::CodePointToUtf8(c));
        own(rtl::Utf8ToCodePoints(upper).empty() ? c : rtl::Utf8ToCodePoints(upper)[0]);
        break;
    }
    case TDropDownEditType::etLowerCase: {
        const std::string lower = rtl::AnsiLowerCase(rtl::CodePointToUtf8(c));
        own(rtl::Utf8ToCodePoints(lower).empty() ? c : rtl::Utf8ToCodePoints(lower)[0]);
        break;
    }
    case TDropDownEditType::etMixedCase: {
        const int caret = SelStart();
        own(c);
        SetRawText(FPrefix + gx::MixedCase(Text()) + FSuffix, caret + 1);
        break;
    }
    case TDropDownEditType::etRange: {
        if (!(control || IsDigit(c) || IsRangeSeparator(c)))
            break;
        modified();
        if (IsRangeSeparator(c)) {
            const std::u32string raw = rtl::Utf8ToCodePoints(RawText());
            const int caret = SelStart();
            const bool before = caret > 0 && caret - 1 < static_cast<int>(raw.size()) &&
                                IsRangeSeparator(raw[static_cast<std::size_t>(caret - 1)]);
            const bool after =
                caret < static_cast<int>(raw.size()) && IsRangeSeparator(raw[static_cast<std::size_t>(caret)]);
            if (caret <= p || before || after)
                break;
        }
        own(c);
        break;
    }
    case TDropDownEditType::etHex:
        if (control || IsDigit(c) || c == U'-' || (c >= U'A' && c <= U'F') || (c >= U'a' && c <= U'f')) {
            modified();
            own(c);
        }
        break;
    case TDropDownEditType::etAlphaNumeric:
        if (control || IsDigit(c) || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z')) {
            modified();
            own(c);
        }
        break;
    case TDropDownEditType::etValidChars:
        if (c == 8 || Contains(FValidChars, c)) {
            modified();
            own(c);
        }
        break;
    }
    Key = 0;
}

// --- caret keys ---

bool TGxCustomDropDown::CaretKeyRules(unsigned& Key, TShiftState Shift)
{
    const int p = PrefixLength();
    const int end = p + ValueLength();
    const int selEnd = SelStart() + SelLength();
    const auto drop = [&Key] {
        Key = 0;
        return true;
    };
    if (!FSuffix.empty()) {
        if (Key == VK_RIGHT && selEnd >= end)
            return drop();
        if (Key == VK_DELETE) {
            if (selEnd >= end && SelLength() == 0)
                return drop();
            SetIsModified(true);
        }
        if (Key == VK_END) {
            if (Shift & ssShift) {
                SetSelLength(end - SelStart());
            } else {
                SetSelStart(end);
            }
            return drop();
        }
    }
    if (!FPrefix.empty()) {
        if (Key == VK_LEFT && selEnd <= p)
            return drop();
        if (Key == VK_HOME) {
            if (Shift & ssShift) {
                SetSelStart(p);
                SetSelLength(end - p);
            } else {
                SetSelStart(p);
            }
            return drop();
        }
        if (Key == VK_BACK) {
            if (SelStart() <= p + 1)
                return drop();
            SetIsModified(true);
        }
    }
    if (Key == VK_DELETE && SelStart() >= p) {
        std::u32string v = rtl::Utf8ToCodePoints(Text());
        const int from = SelStart() - p;
        const int count = SelLength() > 0 ? SelLength() : 1;
        if (from < static_cast<int>(v.size()))
            v.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(count));
        if (FLengthLimit > 0 && IntegerLength(rtl::CodePointsToUtf8(v)) - 1 > FLengthLimit)
            return drop();
        SetIsModified(true);
    }
    return false;
}

// --- clipboard ---

void TGxCustomDropDown::Cut()
{
    if (!FEditorEnabled || ReadOnly())
        return;
    bool allow = true;
    FCopyBlocked = true;
    if (OnClipboardCut)
        OnClipboardCut(this, SelText(), allow);
    if (allow && SelLength() > 0 && PasswordChar() == 0) {
        Clipboard()->SetAsText(SelText());
        SetSelText("");
    }
    FCopyBlocked = false;
}

void TGxCustomDropDown::Copy()
{
    bool allow = true;
    if (!FCopyBlocked && OnClipboardCopy)
        OnClipboardCopy(this, SelText(), allow);
    FCopyBlocked = false;
    if (allow && SelLength() > 0 && PasswordChar() == 0)
        Clipboard()->SetAsText(SelText());
}

void TGxCustomDropDown::Paste()
{
    if (ReadOnly() || !Clipboard()->HasText())
        return;
    const std::string pasted = Clipboard()->AsText();
    const int p = PrefixLength();
    std::u32string v = rtl::Utf8ToCodePoints(Text());
    const int from = std::clamp(SelStart() - p, 0, static_cast<int>(v.size()));
    const int count = std::min(SelLength(), static_cast<int>(v.size()) - from);
    const int oldStart = SelStart(), oldLength = SelLength();
    v.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(count), rtl::Utf8ToCodePoints(pasted));
    const std::string n = rtl::CodePointsToUtf8(v);
    const int pastedLength = Length(pasted);
    const auto caretAfter = [&] {
        if (oldLength > 0) {
            SetSelStart(oldStart);
            SetSelLength(pastedLength);
        } else {
            SetSelStart(oldStart + pastedLength);
        }
    };
    bool allow = true;
    if (OnClipboardPaste)
        OnClipboardPaste(this, n, allow);
    if (!allow)
        return;
    if (MaxLength() > 0 && MaxLength() < pastedLength + ValueLength() - SelLength())
        return;
    const char ds = DecimalSeparator();
    const auto all = [&](auto ok) {
        for (const char32_t c : rtl::Utf8ToCodePoints(n))
            if (!ok(c))
                return false;
        return true;
    };
    switch (FEditType) {
    case TDropDownEditType::etString:
    case TDropDownEditType::etPassword:
        SetText(n);
        break;
    case TDropDownEditType::etNumeric:
        if (TextNumberKind(n) == 0 && (FSigned || !Contains(n, U'-'))) {
            SetText(n);
            SetIsModified(true);
        }
        break;
    case TDropDownEditType::etFloat:
    case TDropDownEditType::etMoney:
        if (TextNumberKind(n) <= 1 && !(FPrecision == 0 && pasted.find(ds) != std::string::npos) &&
            (FSigned || !Contains(n, U'-'))) {
            SetText(n);
            SetFloatValue(GetFloatValue());
            SetIsModified(true);
        }
        break;
    case TDropDownEditType::etUppercase:
        SetText(rtl::AnsiUpperCase(n));
        break;
    case TDropDownEditType::etLowerCase:
        SetText(rtl::AnsiLowerCase(n));
        break;
    case TDropDownEditType::etMixedCase:
        SetText(gx::MixedCase(n));
        break;
    case TDropDownEditType::etAlphaNumeric:
        if (all([](char32_t c) { return c < 128 && std::isalnum(static_cast<int>(c)); })) {
            SetText(n);
            SetIsModified(true);
        }
        break;
    case TDropDownEditType::etValidChars:
        if (all([this](char32_t c) { return Contains(FValidChars, c); })) {
            SetText(n);
            SetIsModified(true);
        }
        break;
    case TDropDownEditType::etRange:
    case TDropDownEditType::etHex:
        break;
    }
    if (FEditType == TDropDownEditType::etMoney && ValueLength() > 3)
        SelectAll();
    else
        caretAfter();
    switch (FEditType) {
    case TDropDownEditType::etString:
    case TDropDownEditType::etUppercase:
    case TDropDownEditType::etMixedCase:
    case TDropDownEditType::etLowerCase:
    case TDropDownEditType::etPassword:
        SetIsModified(true);
        break;
    default:
        break;
    }
}

// --- setters and focus ---

void TGxCustomDropDown::SetEditType(TDropDownEditType Value)
{
    if (Value == FEditType)
        return;
    FEditType = Value;
    if (Value == TDropDownEditType::etPassword) {
        SetPasswordChar(U'*');
        FCanUndo = false;
    } else {
        SetPasswordChar(0);
    }
    const int kind = TextNumberKind(Text());
    if (Value == TDropDownEditType::etNumeric && kind != 0)
        SetIntValue(0);
    else if ((Value == TDropDownEditType::etFloat || Value == TDropDownEditType::etMoney) && kind > 1)
        SetFloatValue(0);
    else if (Value == TDropDownEditType::etHex && kind != 0 && kind != 5)
        SetIntValue(0);
    if ((ComponentState() & csDesigning) && Value == TDropDownEditType::etFloat && FPrecision == 0)
        FPrecision = 2;
}

void TGxCustomDropDown::SetPrecision(int Value)
{
    if (Value == FPrecision)
        return;
    if (FEditType != TDropDownEditType::etString && FEditType != TDropDownEditType::etFloat &&
        FEditType != TDropDownEditType::etMoney)
        return;
    FPrecision = Value;
    if (TextNumberKind(Text()) > 1)
        SetFloatValue(0);
    else
        SetFloatValue(GetFloatValue());
}

void TGxCustomDropDown::NormaliseOnExit()
{
    const bool floatLike = FEditType == TDropDownEditType::etFloat || FEditType == TDropDownEditType::etMoney;
    const bool empty = Text().empty();
    if (floatLike && FPrecision > 0 && !(empty && FAllowNumericNullValue)) {
        const bool modified = FIsModified;
        SetFloatValue(GetFloatValue());
        SetIsModified(modified);
        FIsModified = modified;
    }
    if (FEditType == TDropDownEditType::etNumeric && Text().empty() && !FAllowNumericNullValue)
        SetText("0");
    if (floatLike && Text().empty() && !FAllowNumericNullValue)
        SetFloatValue(0);
}

}  // namespace dropdown
