// Rich text on the clipboard: a cell's RTF as 8-bit RTF and back, and the plain text of RTF.
#include <cctype>
#include <cstdlib>
#include <vector>

#include "grid/extras/GridClipboard.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Utf8.h"

namespace gx {

std::string RichTextToClipboard(const std::string& Rtf)
{
    std::string out;
    out.reserve(Rtf.size());
    const auto escape = [&out](int unit) {
        // \uN takes a signed 16-bit N; "?" is what a reader without Unicode shows.
        out += "\\u" + std::to_string(unit >= 0x8000 ? unit - 0x10000 : unit) + "?";
    };
    for (std::size_t pos = 0; pos < Rtf.size();) {
        int cp = rtl::DecodeUtf8(Rtf, pos);
        if (cp < 0)
            cp = 0xFFFD;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp >= 0x10000) {
            escape(0xD800 + ((cp - 0x10000) >> 10));
            escape(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            escape(cp);
        }
    }
    return out;
}

std::string RichTextFromClipboard(const std::string& Bytes)
{
    return rtl::Cp1252ToUtf8(std::string_view(Bytes).substr(0, Bytes.find('\0')));
}

namespace {

// Groups whose text is no part of the document's text.
bool SkippedDestination(const std::string& word)
{
    for (const char* d : {"fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "footer", "object"})
        if (word == d)
            return true;
    return false;
}

}  // namespace

std::string RichTextPlain(const std::string& Rtf)
{
    std::string out;
    std::u16string pendingSurrogate;
    // Per open group: whether its text is skipped, and how many characters follow a \uN.
    struct Group {
        bool skip = false;
        int uc = 1;
    };
    std::vector<Group> groups{Group{}};
    int skipChars = 0;  // fallback characters still to drop after a \uN
    const auto emit = [&](const std::string& s) {
        if (!groups.back().skip)
            out += s;
    };
    for (std::size_t i = 0; i < Rtf.size(); ++i) {
        const char ch = Rtf[i];
        if (ch == '{') {
            groups.push_back(groups.back());
            if (Rtf.compare(i + 1, 2, "\\*") == 0)
                groups.back().skip = true;
            continue;
        }
        if (ch == '}') {
            if (groups.size() > 1)
                groups.pop_back();
            continue;
        }
        if (ch == '\r' || ch == '\n')
            continue;
        if (ch != '\\') {
            if (skipChars > 0) {
                --skipChars;
                continue;
            }
            emit(std::string(1, ch));
            continue;
        }
        // A control symbol or word.
        if (i + 1 >= Rtf.size())
            break;
        const char next = Rtf[i + 1];
        if (next == '\\' || next == '{' || next == '}') {
            emit(std::string(1, next));
            ++i;
            continue;
        }
        if (next == '\'') {
            const std::string hex = Rtf.substr(i + 2, 2);
            i += 3;
            if (skipChars > 0) {
                --skipChars;
                continue;
            }
            if (hex.size() == 2 && std::isxdigit(static_cast<unsigned char>(hex[0])) &&
                std::isxdigit(static_cast<unsigned char>(hex[1])))
                emit(rtl::Cp1252ToUtf8(std::string(1, static_cast<char>(std::strtol(hex.c_str(), nullptr, 16)))));
            continue;
        }
        if (!std::isalpha(static_cast<unsigned char>(next))) {
            ++i;  // other control symbols (\~, \-, \_) stand for nothing we keep, but \~ is a blank
            if (next == '~')
                emit(" ");
            continue;
        }
        std::size_t j = i + 1;
        while (j < Rtf.size() && std::isalpha(static_cast<unsigned char>(Rtf[j])))
            ++j;
        const std::string word = Rtf.substr(i + 1, j - i - 1);
        std::size_t k = j;
        if (k < Rtf.size() && (Rtf[k] == '-' || std::isdigit(static_cast<unsigned char>(Rtf[k])))) {
            ++k;
            while (k < Rtf.size() && std::isdigit(static_cast<unsigned char>(Rtf[k])))
                ++k;
        }
        const std::string param = Rtf.substr(j, k - j);
        if (k < Rtf.size() && Rtf[k] == ' ')
            ++k;  // the blank that ends a control word belongs to it
        i = k - 1;
        if (word == "par" || word == "line")
            emit("\r\n");
        else if (word == "tab")
            emit("\t");
        else if (word == "uc" && !param.empty())
            groups.back().uc = std::atoi(param.c_str());
        else if (word == "u" && !param.empty()) {
            int unit = std::atoi(param.c_str());
            if (unit < 0)
                unit += 0x10000;
            skipChars = groups.back().uc;
            if (unit >= 0xD800 && unit < 0xDC00) {
                pendingSurrogate = std::u16string(1, static_cast<char16_t>(unit));
                continue;
            }
            pendingSurrogate += static_cast<char16_t>(unit);
            emit(rtl::Utf16ToUtf8(pendingSurrogate));
            pendingSurrogate.clear();
        } else if (SkippedDestination(word))
            groups.back().skip = true;
    }
    return out;
}

}  // namespace gx
