#include "grid/base/HtmlTextUtils.h"

#include <array>
#include <span>
#include <utility>
#include <vector>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

namespace {

// Named entities in the order both coding directions use them.
constexpr std::array<THtmlEntity, 51> kNamedEntities{{
    {"&eacute;", "\xC3\xA9"},   {"&egrave;", "\xC3\xA8"}, {"&euml;", "\xC3\xAB"},   {"&ecirc;", "\xC3\xAA"},
    {"&oacute;", "\xC3\xB3"},   {"&ograve;", "\xC3\xB2"}, {"&ouml;", "\xC3\xB6"},   {"&ocirc;", "\xC3\xB4"},
    {"&iacute;", "\xC3\xAD"},   {"&igrave;", "\xC3\xAC"}, {"&iuml;", "\xC3\xAF"},   {"&icirc;", "\xC3\xAE"},
    {"&uacute;", "\xC3\xBA"},   {"&ugrave;", "\xC3\xB9"}, {"&uuml;", "\xC3\xBC"},   {"&ucirc;", "\xC3\xBB"},
    {"&aacute;", "\xC3\xA1"},   {"&agrave;", "\xC3\xA0"}, {"&auml;", "\xC3\xA4"},   {"&acirc;", "\xC3\xA2"},
    {"&Eacute;", "\xC3\x89"},   {"&Egrave;", "\xC3\x88"}, {"&Euml;", "\xC3\x8B"},   {"&Ecirc;", "\xC3\x8A"},
    {"&Oacute;", "\xC3\x93"},   {"&Ograve;", "\xC3\x92"}, {"&Ouml;", "\xC3\x96"},   {"&Ocirc;", "\xC3\x94"},
    {"&Iacute;", "\xC3\x8D"},   {"&Igrave;", "\xC3\x8C"}, {"&Iuml;", "\xC3\x8F"},   {"&Icirc;", "\xC3\x8E"},
    {"&Uacute;", "\xC3\x9A"},   {"&Ugrave;", "\xC3\x99"}, {"&Uuml;", "\xC3\x9C"},   {"&Ucirc;", "\xC3\x9B"},
    {"&Aacute;", "\xC3\x81"},   {"&Agrave;", "\xC3\x80"}, {"&Auml;", "\xC3\x84"},   {"&Acirc;", "\xC3\x82"},
    {"&ccedil;", "\xC3\xA7"},   {"&Ccedil;", "\xC3\x87"}, {"&oslash;", "\xC3\xB8"}, {"&Oslash;", "\xC3\x98"},
    {"&aring;", "\xC3\xA5"},    {"&Aring;", "\xC3\x85"},  {"&copy;", "\xC2\xA9"},   {"&reg;", "\xC2\xAE"},
    {"&euro;", "\xE2\x82\xAC"}, {"&laquo;", "\xC2\xAB"},  {"&raquo;", "\xC2\xBB"},
}};

constexpr std::array<THtmlEntity, 4> kBasicEntities{{{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}, {"&quot;", "\""}}};

bool startsWithNoCase(std::string_view s, std::size_t at, std::string_view what)
{
    return at <= s.size() && s.size() - at >= what.size() && rtl::SameText(s.substr(at, what.size()), what);
}

void replaceAllNoCase(std::string& text, std::string_view find, std::string_view by)
{
    text = rtl::ReplaceText(text, find, by);
}

void replaceAll(std::string& text, std::string_view find, std::string_view by)
{
    text = rtl::ReplaceStr(text, find, by);
}

}  // namespace

bool HtmlTagAttribute(std::string_view tag, std::string_view name, std::string& value)
{
    const std::string key = std::string(name) + "=";
    bool quoted = false;
    for (std::size_t i = 0; i < tag.size(); ++i) {
        if (tag[i] == '"') {
            quoted = !quoted;
            continue;
        }
        if (quoted || !startsWithNoCase(tag, i, key))
            continue;
        const char before = i ? tag[i - 1] : ' ';
        if (rtl::IsLetter(before) || rtl::IsDigit(before))
            continue;
        value.clear();
        // An unquoted value reads as empty.
        std::size_t j = i + key.size();
        while (j < tag.size() && tag[j] == ' ')
            ++j;
        if (j >= tag.size() || tag[j] != '"')
            return true;
        const std::size_t q1 = j;
        const std::size_t q2 = tag.find('"', q1 + 1);
        if (q2 == std::string_view::npos)
            return true;
        value = std::string(tag.substr(q1 + 1, q2 - q1 - 1));
        return true;
    }
    return false;
}

namespace {

struct ControlTag {
    std::size_t start = 0;  // position of "<"
    std::size_t end = 0;    // one past ">" (or the text's end)
    std::string type, id, value, width, height, prop, maxLen;
};

// Every "<CONTROL " tag of the text in order.
std::vector<ControlTag> scanControls(std::string_view text)
{
    std::vector<ControlTag> tags;
    std::size_t at = 0;
    while ((at = HtmlFindNoCase(text, "<CONTROL ", at)) != std::string_view::npos) {
        ControlTag t;
        t.start = at;
        const std::size_t close = text.find('>', at);
        t.end = close == std::string_view::npos ? text.size() : close + 1;
        ParseControlTag(text.substr(at + 1, t.end - at - 1), t.type, t.id, t.value, t.width, t.height, t.prop,
                        t.maxLen);
        tags.push_back(std::move(t));
        at += 1;
    }
    return tags;
}

const ControlTag* findControl(const std::vector<ControlTag>& tags, std::string_view id)
{
    for (const auto& t : tags)
        if (t.id == id)
            return &t;
    return nullptr;
}

bool isEditableType(std::string_view type)
{
    return type != "BUTTON" && type != "CHECK" && type != "RADIO";
}

// 1-based position in S of the character reached after n - 1 visible characters
// (characters from "<" to ">" are not visible); Length + 1 at the exact end; else 0.
std::size_t mapVisiblePosition(std::string_view s, std::size_t n)
{
    if (n <= 1)
        return 1;
    std::size_t visible = 0;
    bool inTag = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (visible == n - 1)
            return i + 1;
        if (s[i] == '<')
            inTag = true;
        else if (s[i] == '>')
            inTag = false;
        else if (!inTag)
            ++visible;
    }
    return visible == n - 1 ? s.size() + 1 : 0;
}

}  // namespace

std::size_t HtmlFindNoCase(std::string_view text, std::string_view find, std::size_t from)
{
    if (find.empty() || from > text.size())
        return std::string::npos;
    return rtl::UpperCase(text).find(rtl::UpperCase(find), from);
}

int HtmlReadInt(std::string_view s, bool* ok)
{
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    int base = 10;
    if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    long long value = 0;
    bool digits = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (!(base == 16 ? rtl::IsHexDigit(c) : rtl::IsDigit(c)))
            break;
        digits = true;
        value = value * base + rtl::StrToIntDef(std::string("$") + c, 0);
        if (value > 0x7FFFFFFFLL)
            value = 0x7FFFFFFFLL;
    }
    if (ok)
        *ok = digits;
    return static_cast<int>(negative ? -value : value);
}

bool ReplaceFirstText(std::string_view find, std::string_view replacement, std::string& text)
{
    const std::size_t at = HtmlFindNoCase(text, find);
    if (at == std::string::npos)
        return false;
    text.replace(at, find.size(), replacement);
    return true;
}

const THtmlEntity* MatchHtmlEntity(std::string_view text, std::size_t at, std::span<const THtmlEntity> table,
                                   bool anyCase)
{
    for (const THtmlEntity& e : table)
        if (anyCase ? startsWithNoCase(text, at, e.Entity) : text.substr(at, e.Entity.size()) == e.Entity)
            return &e;
    return nullptr;
}

std::string DecodeHTMLEntities(std::string_view text, bool useNamed)
{
    // One left-to-right pass: a decoded character is never decoded again, so "&amp;lt;"
    // gives "&lt;" and "&amp;eacute;" gives "&eacute;" (encoding and decoding round-trip).
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const THtmlEntity* hit = nullptr;
        if (text[i] == '&') {
            hit = MatchHtmlEntity(text, i, kBasicEntities, true);
            // Named entities are case-sensitive where the table has both cases (&eacute; and
            // &Eacute;); an entity written in another case takes the first that matches.
            if (!hit && useNamed)
                hit = MatchHtmlEntity(text, i, kNamedEntities, false);
            if (!hit && useNamed)
                hit = MatchHtmlEntity(text, i, kNamedEntities, true);
        }
        if (hit) {
            out += hit->Character;
            i += hit->Entity.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string EncodeHTMLEntities(std::string_view text, bool useNamed)
{
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else {
            if (useNamed) {
                const THtmlEntity* hit = nullptr;
                for (const auto& e : kNamedEntities)
                    if (text.substr(i, e.Character.size()) == e.Character) {
                        hit = &e;
                        break;
                    }
                if (hit) {
                    out += hit->Entity;
                    i += hit->Character.size();
                    continue;
                }
            }
            out += c;
        }
        ++i;
    }
    return out;
}

std::string SpacesToNbsp(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == ' ')
            out += "&nbsp;";
        else
            out += c;
    }
    return out;
}

std::string StripHTMLTags(std::string_view text)
{
    std::string s(text);
    replaceAllNoCase(s, "<BR>", "\r\n");
    replaceAllNoCase(s, "<HR>", "\r\n");
    std::string out;
    std::size_t at = 0;
    while (true) {
        const std::size_t lt = s.find('<', at);
        if (lt == std::string::npos)
            break;
        out.append(s, at, lt - at);
        const std::size_t gt = s.find('>', lt);
        if (gt == std::string::npos) {
            at = lt;
            break;
        }
        at = gt + 1;
    }
    out.append(s, at, std::string::npos);
    return out;
}

std::string HighlightHTMLText(std::string_view text, std::string_view searchText, std::string_view tag,
                              bool caseSensitive)
{
    // Visible text: tags removed as long as a "<" comes before the next ">".
    std::string visible;
    std::size_t at = 0;
    while (true) {
        const std::size_t lt = text.find('<', at);
        const std::size_t gt = text.find('>', at);
        if (lt == std::string_view::npos || gt == std::string_view::npos || gt < lt)
            break;
        visible.append(text.substr(at, lt - at));
        at = gt + 1;
    }
    visible.append(text.substr(at));

    std::string search(searchText);
    std::string result;
    const bool hasLiteralBrackets = visible.find('<') != std::string::npos || visible.find('>') != std::string::npos;
    if (text.find(searchText) != std::string_view::npos && hasLiteralBrackets) {
        for (std::string* s : {&visible, &search}) {
            replaceAll(*s, "<", "&lt;");
            replaceAll(*s, ">", "&gt;");
        }
        result = visible;
    } else {
        result = std::string(text);
    }
    if (search.empty())
        return result;

    const std::string hay = caseSensitive ? visible : rtl::UpperCase(visible);
    const std::string needle = caseSensitive ? search : rtl::UpperCase(search);
    const std::string open = "<" + std::string(tag) + ">";
    const std::string close = "</" + std::string(tag) + ">";
    std::size_t pos = 0;  // 1-based position after which the next search starts
    while (true) {
        const std::size_t hit = hay.find(needle, pos);
        if (hit == std::string::npos)
            break;
        const std::size_t p = hit + 1;
        const std::size_t l = needle.size();
        if (const std::size_t m = mapVisiblePosition(result, p))
            result.insert(m - 1, open);
        if (const std::size_t m = mapVisiblePosition(result, p + l))
            result.insert(m - 1, close);
        // The next search starts one character after the match's end: a match directly
        // adjacent to the previous one would have to open inside its closing tag.
        pos = p + l;
    }
    return result;
}

std::string RemoveHighlightTags(std::string_view text, std::string_view tag)
{
    std::string s(text);
    replaceAllNoCase(s, "<" + std::string(tag) + ">", "");
    replaceAllNoCase(s, "</" + std::string(tag) + ">", "");
    replaceAll(s, "&lt;", "<");
    replaceAll(s, "&gt;", ">");
    return s;
}

void ParseControlTag(std::string_view tagText, std::string& type, std::string& id, std::string& value,
                     std::string& width, std::string& height, std::string& prop, std::string& maxLen)
{
    type.clear(), id.clear(), value.clear(), width.clear(), height.clear(), prop.clear(), maxLen.clear();
    if (HtmlTagAttribute(tagText, "TYPE", type))
        type = rtl::UpperCase(type);
    HtmlTagAttribute(tagText, "WIDTH", width);
    HtmlTagAttribute(tagText, "HEIGHT", height);
    HtmlTagAttribute(tagText, "ID", id);
    if (HtmlTagAttribute(tagText, "VALUE", value))
        value = DecodeHTMLEntities(value, true);
    if (HtmlTagAttribute(tagText, "PROP", prop))
        prop = DecodeHTMLEntities(prop, true);
    HtmlTagAttribute(tagText, "MAXLEN", maxLen);
}

bool HasHTMLControl(std::string_view text)
{
    return HtmlFindNoCase(text, "<CONTROL") != std::string::npos;
}

std::string GetNextHTMLControlID(std::string_view text, std::string_view id)
{
    bool passed = id.empty();
    for (const auto& t : scanControls(text)) {
        if (!passed) {
            passed = t.id == id;
            continue;
        }
        if (t.id != id && isEditableType(t.type))
            return t.id;
    }
    return {};
}

std::string ResetHTMLRadioControls(std::string_view text)
{
    std::string copy(text);
    for (const auto& t : scanControls(text))
        if (t.type == "RADIO")
            SetHTMLControlValue(copy, t.id, "FALSE");
    return copy;
}

bool GetHTMLControlValue(std::string_view text, std::string_view id, std::string& value)
{
    const auto tags = scanControls(text);
    const ControlTag* t = findControl(tags, id);
    if (!t)
        return false;
    value = t->value;
    return true;
}

std::string GetHTMLControlProp(std::string_view text, std::string_view id)
{
    const auto tags = scanControls(text);
    const ControlTag* t = findControl(tags, id);
    return t ? t->prop : std::string();
}

int GetHTMLControlMaxLen(std::string_view text, std::string_view id)
{
    const auto tags = scanControls(text);
    const ControlTag* t = findControl(tags, id);
    return t ? HtmlReadInt(t->maxLen) : 0;
}

bool SetHTMLControlValue(std::string& text, std::string_view id, std::string_view value)
{
    const auto tags = scanControls(text);
    const ControlTag* t = findControl(tags, id);
    if (!t)
        return false;
    const auto quoted = [](std::string_view v) { return "\"" + std::string(v) + "\""; };
    std::string tag = "<CONTROL ID=" + quoted(t->id) + " VALUE=" + quoted(EncodeHTMLEntities(value, true)) +
                      " WIDTH=" + quoted(t->width) + " TYPE=" + quoted(t->type);
    if (!t->prop.empty())
        tag += " PROP=" + quoted(EncodeHTMLEntities(t->prop, true));
    if (!t->maxLen.empty())
        tag += " MAXLEN=" + quoted(t->maxLen);
    if (!t->height.empty())
        tag += " HEIGHT=" + quoted(t->height);
    tag += ">";
    text.replace(t->start, t->end - t->start, tag);
    return true;
}

std::string PasswordMask(std::string_view text)
{
    return rtl::StringOfChar('*', rtl::Utf8Length(text));
}

}  // namespace gx
