#include "platform/rtl/Utf8.h"
#include "platform/ui/Mask.h"
#include <cctype>

namespace ui {

TMaskEdit::TMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner)
{
    SetAutoSelect(false);
}

void TMaskEdit::SetEditMask(const std::string& mask)
{
    std::string plain = Text();
    mask_ = mask;
    Parse();
    SetText(plain);
}

void TMaskEdit::Parse()
{
    slots_.clear();
    saveLiterals_ = true;
    blank_ = U'_';
    std::u32string m = rtl::Utf8ToCodePoints(mask_);
    // Trailing ";save;blank" fields.
    std::size_t semi = m.find(U';');
    std::u32string body = m.substr(0, semi);
    if (semi != std::u32string::npos) {
        std::u32string rest = m.substr(semi + 1);
        if (!rest.empty())
            saveLiterals_ = rest[0] != U'0';
        std::size_t semi2 = rest.find(U';');
        if (semi2 != std::u32string::npos && semi2 + 1 < rest.size())
            blank_ = rest[semi2 + 1];
    }
    int caseMode = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        char32_t c = body[i];
        switch (c) {
        case U'\\':
            if (i + 1 < body.size())
                slots_.push_back({0, body[++i], false, 0});
            break;
        case U'>':
            caseMode = 1;
            break;
        case U'<':
            if (i + 1 < body.size() && body[i + 1] == U'>') {
                caseMode = 0;
                ++i;
            } else {
                caseMode = -1;
            }
            break;
        case U'!':
            break;
        case U'0':
        case U'L':
        case U'A':
        case U'C':
            slots_.push_back({static_cast<char>(c), 0, true, caseMode});
            break;
        case U'9':
        case U'#':
        case U'l':
        case U'a':
        case U'c':
            slots_.push_back({static_cast<char>(c), 0, false, caseMode});
            break;
        default:
            slots_.push_back({0, c, false, 0});
            break;
        }
    }
    values_.assign(slots_.size(), 0);
}

int TMaskEdit::NextEditable(int from) const
{
    for (int i = std::max(0, from); i < static_cast<int>(slots_.size()); ++i)
        if (slots_[static_cast<std::size_t>(i)].kind != 0)
            return i;
    return -1;
}

bool TMaskEdit::AcceptChar(char32_t ch, int pos) const
{
    if (slots_.empty())
        return TCustomEdit::AcceptChar(ch, pos);
    int i = NextEditable(pos);
    if (i < 0)
        return false;
    bool ascii = ch < 0x80;
    bool digit = ascii && std::isdigit(static_cast<int>(ch));
    bool alpha = ch >= 0x80 || (ascii && std::isalpha(static_cast<int>(ch)));
    switch (slots_[static_cast<std::size_t>(i)].kind) {
    case '0':
    case '9':
        return digit;
    case '#':
        return digit || ch == U'+' || ch == U'-';
    case 'L':
    case 'l':
        return alpha;
    case 'A':
    case 'a':
        return alpha || digit;
    default:
        return ch >= 32;
    }
}

std::string TMaskEdit::EditText() const
{
    if (slots_.empty())
        return TCustomEdit::Text();
    std::u32string out;
    for (std::size_t i = 0; i < slots_.size(); ++i)
        out.push_back(slots_[i].kind == 0 ? slots_[i].literal : (values_[i] ? values_[i] : blank_));
    return rtl::CodePointsToUtf8(out);
}

const std::string& TMaskEdit::Text() const
{
    if (slots_.empty())
        return TCustomEdit::Text();
    std::u32string out;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i].kind == 0) {
            if (saveLiterals_)
                out.push_back(slots_[i].literal);
        } else {
            out.push_back(values_[i] ? values_[i] : U' ');
        }
    }
    textCache_ = rtl::CodePointsToUtf8(out);
    return textCache_;
}

bool TMaskEdit::IsComplete() const
{
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].required && values_[i] == 0)
            return false;
    return true;
}

void TMaskEdit::SetText(const std::string& v)
{
    if (slots_.empty()) {
        TCustomEdit::SetText(v);
        return;
    }
    // Fills the editable positions from v; literals in v are skipped where the mask has them.
    std::u32string in = rtl::Utf8ToCodePoints(v);
    std::vector<char32_t> values(slots_.size(), 0);
    std::size_t k = 0;
    for (std::size_t i = 0; i < slots_.size() && k < in.size(); ++i) {
        if (slots_[i].kind == 0) {
            if (saveLiterals_ && in[k] == slots_[i].literal)
                ++k;
            continue;
        }
        char32_t c = in[k++];
        values[i] = (c == U' ' || c == blank_) ? 0 : c;
    }
    values_ = values;
    std::string shown = EditText();
    if (shown != TCustomEdit::Text()) {
        TControl::SetText(shown);
        NotifyParent(this, EN_CHANGE);
    }
}

void TMaskEdit::KeyPress(char32_t& key)
{
    if (slots_.empty()) {
        TCustomEdit::KeyPress(key);
        return;
    }
    TWinControl::KeyPress(key);
    if (key == 0 || ReadOnly())
        return;
    int caret = SelStart();
    if (key == 8) {
        for (int i = caret - 1; i >= 0; --i) {
            if (slots_[static_cast<std::size_t>(i)].kind != 0) {
                values_[static_cast<std::size_t>(i)] = 0;
                ReplaceText(EditText(), i);
                return;
            }
        }
        return;
    }
    if (key < 32 || !AcceptChar(key, caret))
        return;
    int i = NextEditable(caret);
    const Slot& s = slots_[static_cast<std::size_t>(i)];
    char32_t c = key;
    if (c < 0x80 && s.caseMode == 1)
        c = static_cast<char32_t>(std::toupper(static_cast<int>(c)));
    if (c < 0x80 && s.caseMode == -1)
        c = static_cast<char32_t>(std::tolower(static_cast<int>(c)));
    values_[static_cast<std::size_t>(i)] = c;
    int next = NextEditable(i + 1);
    ReplaceText(EditText(), next < 0 ? static_cast<int>(slots_.size()) : next);
}

}  // namespace ui
