#include "common/LangFormat.h"

#include <cstddef>

#include "common/ULanguage.h"
#include "platform/rtl/Exceptions.h"

namespace {

// Widths and precisions up to 999 are honoured; a longer one (a typing slip in a translation)
// would only pad the message box.
constexpr std::size_t kMaxDigits = 3;

bool IsDigitChar(char c)
{
    return c >= '0' && c <= '9';
}

// The letters the runtime's formatter knows (either case).
bool IsDirectiveType(char c)
{
    switch (c | 0x20) {
    case 'd':
    case 'u':
    case 'x':
    case 'e':
    case 'f':
    case 'g':
    case 'n':
    case 'm':
    case 'p':
    case 's':
        return true;
    default:
        return false;
    }
}

// An argument printed in its own form, whatever the placeholder asked for.
std::string PlainText(const rtl::TVarRec& arg)
{
    switch (arg.kind()) {
    case rtl::TVarRec::Kind::Integer:
        return std::to_string(arg.asInteger());
    case rtl::TVarRec::Kind::Float:
        return rtl::Format("%g", {arg});
    case rtl::TVarRec::Kind::String:
        return arg.asString();
    case rtl::TVarRec::Kind::Pointer:
        return rtl::Format("%p", {arg});
    }
    return {};
}

// One placeholder starting at text[pos] == '%'. Returns the position after it and appends what it
// prints. `next` is the index of the next argument.
std::size_t Placeholder(std::string_view text, std::size_t pos, const std::vector<rtl::TVarRec>& args,
                        std::size_t& next, std::string& out)
{
    std::size_t p = pos + 1;
    bool oversized = false;  // a width or precision past kMaxDigits: the argument is printed plainly
    auto digits = [&] {
        std::size_t start = p;
        while (p < text.size() && IsDigitChar(text[p]))
            ++p;
        oversized = oversized || p - start > kMaxDigits;
        return text.substr(start, p - start);
    };
    std::string_view first = digits();
    std::size_t index = next;
    std::string spec;  // the placeholder without its index, as the runtime's formatter takes it
    if (p < text.size() && text[p] == ':') {
        if (first.empty())
            index = 0;
        else if (first.size() > kMaxDigits)
            index = args.size();  // no such argument: the placeholder stays
        else
            index = static_cast<std::size_t>(std::stoul(std::string(first)));
        oversized = false;
        ++p;
        first = digits();  // a width may follow the index
    }
    spec += first;
    if (first.empty() && p < text.size() && text[p] == '-') {
        spec += '-';
        ++p;
        spec += digits();
    }
    if (p < text.size() && text[p] == '.') {
        spec += '.';
        ++p;
        spec += digits();
    }
    if (p >= text.size() || !IsDirectiveType(text[p])) {
        // Not a placeholder this formatter fills ("%", "% d", "%*d", "%z"): the text stays.
        out += text.substr(pos, p - pos);
        return p;
    }
    spec += text[p++];
    if (index >= args.size()) {
        out += text.substr(pos, p - pos);
        next = index + 1;
        return p;
    }
    try {
        out += oversized ? PlainText(args[index]) : rtl::Format("%" + spec, {args[index]});
    } catch (const rtl::Exception&) {
        out += PlainText(args[index]);
    }
    next = index + 1;
    return p;
}

}  // namespace

std::string Safe_Format(std::string_view text, const std::vector<rtl::TVarRec>& args)
{
    std::string out;
    out.reserve(text.size());
    std::size_t next = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] != '%') {
            out += text[pos++];
        } else if (pos + 1 < text.size() && text[pos + 1] == '%') {
            out += '%';
            pos += 2;
        } else {
            pos = Placeholder(text, pos, args, next, out);
        }
    }
    return out;
}

std::string Lang_Safe_Format(int number, const std::vector<rtl::TVarRec>& args)
{
    if (number >= 0 && static_cast<std::size_t>(number) < Lang_List.size())
        return Safe_Format(Lang_List[static_cast<std::size_t>(number)], args);
    return Safe_Format(Default_Lang_Text(number), args);
}
