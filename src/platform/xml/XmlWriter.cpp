#include "platform/xml/XmlWriter.h"

#include <pugixml.hpp>

#include <array>
#include <cstdio>
#include <string_view>

namespace xml::detail {
namespace {

enum class Context { Text, Attribute };

// What a byte needs when written: nothing, an entity or character reference, or a closer look
// (a control character, or the lead byte of a sequence that may encode a character XML excludes).
enum Need : unsigned char { kPlain, kEscape, kCheck };

constexpr std::array<Need, 256> MakeTable(Context context)
{
    std::array<Need, 256> t{};
    for (int c = 0; c < 0x20; ++c)
        t[c] = kCheck;
    t['&'] = t['<'] = kEscape;
    if (context == Context::Text) {
        t['>'] = t['\r'] = kEscape;
        t['\t'] = t['\n'] = kPlain;
    } else {
        t['"'] = t['\t'] = t['\n'] = t['\r'] = kEscape;
    }
    t[0xED] = t[0xEF] = kCheck;
    return t;
}
constexpr auto kTextTable = MakeTable(Context::Text);
constexpr auto kAttributeTable = MakeTable(Context::Attribute);

std::string_view Reference(char c)
{
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&quot;";
    case '\t':
        return "&#09;";
    case '\n':
        return "&#10;";
    default:
        return "&#13;";
    }
}

// The code point XML 1.0 cannot carry that starts at s[i] ("" when there is none): control
// characters other than tab, LF and CR; surrogates; U+FFFE and U+FFFF.
std::string Excluded(std::string_view s, std::size_t i)
{
    auto byte = [&](std::size_t k) { return k < s.size() ? static_cast<unsigned char>(s[k]) : 0u; };
    unsigned cp = 0;
    const unsigned lead = byte(i);
    if (lead < 0x20)
        cp = lead;
    else if (lead == 0xED && byte(i + 1) >= 0xA0 && byte(i + 1) <= 0xBF)
        cp = 0xD000 | ((byte(i + 1) & 0x3F) << 6) | (byte(i + 2) & 0x3F);
    else if (lead == 0xEF && byte(i + 1) == 0xBF && (byte(i + 2) == 0xBE || byte(i + 2) == 0xBF))
        cp = 0xFF00 | (0xC0 | (byte(i + 2) & 0x3F));
    else
        return {};
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", cp);
    return name;
}

// Appends the value escaped for its context; returns the excluded character it holds, if any.
std::string AppendEscaped(std::string& out, std::string_view value, Context context)
{
    const auto& table = context == Context::Text ? kTextTable : kAttributeTable;
    std::size_t plain = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const Need need = table[static_cast<unsigned char>(value[i])];
        if (need == kPlain)
            continue;
        if (need == kCheck) {
            if (std::string bad = Excluded(value, i); !bad.empty())
                return bad;
            continue;
        }
        out.append(value, plain, i - plain);
        out += Reference(value[i]);
        plain = i + 1;
    }
    out.append(value, plain);
    return {};
}

// Text that is written as it is (comments, CDATA, processing instructions) may still hold a
// character no XML file can carry.
std::string FindExcluded(std::string_view value)
{
    for (std::size_t i = 0; i < value.size(); ++i)
        if (kTextTable[static_cast<unsigned char>(value[i])] == kCheck)
            if (std::string bad = Excluded(value, i); !bad.empty())
                return bad;
    return {};
}

// "a", "a/b/c": the element's place below the document, for messages.
std::string PathOf(pugi::xml_node n)
{
    std::string path;
    for (; n && n.type() == pugi::node_element; n = n.parent())
        path = path.empty() ? std::string(n.name()) : std::string(n.name()) + "/" + path;
    return path;
}

std::string Refusal(const pugi::xml_node& element, std::string_view what, const std::string& character)
{
    return "element \"" + PathOf(element) + "\": " + std::string(what) + " holds the character " + character +
           ", which an XML file cannot hold";
}

// A comment cannot hold "--" nor end with "-": a blank goes between.
void AppendComment(std::string& out, std::string_view s)
{
    out += "<!--";
    for (std::size_t i = 0; i < s.size(); ++i) {
        out += s[i];
        if (s[i] == '-' && (i + 1 == s.size() || s[i + 1] == '-'))
            out += ' ';
    }
    out += "-->";
}

// "]]>" inside the data ends one section and starts the next.
void AppendCdata(std::string& out, std::string_view s)
{
    out += "<![CDATA[";
    for (std::size_t end; (end = s.find("]]>")) != std::string_view::npos; s.remove_prefix(end + 2)) {
        out.append(s.substr(0, end + 2));
        out += "]]><![CDATA[";
    }
    out.append(s);
    out += "]]>";
}

// "?>" inside a processing instruction gets a blank between.
void AppendInstruction(std::string& out, std::string_view name, std::string_view value)
{
    out += "<?";
    out += name;
    if (!value.empty()) {
        out += ' ';
        for (std::size_t i = 0; i < value.size(); ++i) {
            out += value[i];
            if (value[i] == '?' && i + 1 < value.size() && value[i + 1] == '>')
                out += ' ';
        }
    }
    out += "?>";
}

// Writes the start of n (the whole of it when it has no children); "" or the reason it cannot.
std::string Open(const pugi::xml_node& n, std::string& out)
{
    switch (n.type()) {
    case pugi::node_element: {
        out += '<';
        out += n.name();
        for (auto a = n.first_attribute(); a; a = a.next_attribute()) {
            out += ' ';
            out += a.name();
            out += "=\"";
            if (std::string bad = AppendEscaped(out, a.value(), Context::Attribute); !bad.empty())
                return Refusal(n, "attribute \"" + std::string(a.name()) + "\"", bad);
            out += '"';
        }
        out += n.first_child() ? ">" : "/>";
        return {};
    }
    case pugi::node_pcdata:
        if (std::string bad = AppendEscaped(out, n.value(), Context::Text); !bad.empty())
            return Refusal(n.parent(), "the text", bad);
        return {};
    case pugi::node_cdata:
        if (std::string bad = FindExcluded(n.value()); !bad.empty())
            return Refusal(n.parent(), "the text", bad);
        AppendCdata(out, n.value());
        return {};
    case pugi::node_comment:
        if (std::string bad = FindExcluded(n.value()); !bad.empty())
            return Refusal(n.parent(), "a comment", bad);
        AppendComment(out, n.value());
        return {};
    case pugi::node_pi:
        AppendInstruction(out, n.name(), n.value());
        return {};
    case pugi::node_doctype:
        out += "<!DOCTYPE";
        if (*n.value()) {
            out += ' ';
            out += n.value();
        }
        out += '>';
        return {};
    default:
        return {};
    }
}

void Close(const pugi::xml_node& element, std::string& out)
{
    out += "</";
    out += element.name();
    out += '>';
}

// Writes one top-level node and everything below it, without recursion (a deep file must not
// exhaust the stack).
std::string WriteTree(const pugi::xml_node& top, std::string& out)
{
    pugi::xml_node n = top;
    for (;;) {
        if (std::string problem = Open(n, out); !problem.empty())
            return problem;
        if (n.type() == pugi::node_element && n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n != top && !n.next_sibling()) {
            n = n.parent();
            Close(n, out);
        }
        if (n == top)
            return {};
        n = n.next_sibling();
    }
}

}  // namespace

std::string WriteDocument(const pugi::xml_node& document, std::string& out)
{
    for (auto top = document.first_child(); top; top = top.next_sibling())
        if (top.type() != pugi::node_declaration)
            if (std::string problem = WriteTree(top, out); !problem.empty())
                return problem;
    return {};
}

}  // namespace xml::detail
