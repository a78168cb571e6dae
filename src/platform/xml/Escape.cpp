#include "platform/xml/Escape.h"

#include "platform/rtl/CodePages.h"
#include "platform/rtl/Utf8.h"

namespace xml {

std::string EscapeValue(std::string_view utf8, NonAscii nonAscii)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const int cp = rtl::DecodeUtf8(utf8, i);
        switch (cp) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\t':
        case '\n':
        case '\r':
            out += "&#" + std::to_string(cp) + ";";
            break;
        default:
            if (cp < 0x20 || cp == 0xFFFE || cp == 0xFFFF)
                out += '?';
            else if (cp < 0x80)
                out += static_cast<char>(cp);
            else if (nonAscii == NonAscii::Keep)
                out.append(utf8.substr(start, i - start));
            else if (rtl::Utf8ToCp1252(utf8.substr(start, i - start)) == "?")
                out += '?';
            else
                out += "&#" + std::to_string(cp) + ";";
        }
    }
    return out;
}

}  // namespace xml
