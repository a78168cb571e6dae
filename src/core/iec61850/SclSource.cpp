#include "core/iec61850/SclSource.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/xml/Xml.h"

namespace iec {

namespace fs = std::filesystem;

namespace {

bool Is_Space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Name characters as the XML parser takes them: letters, '_' and ':' to start, digits, '-' and '.'
// after; every byte of a multi-byte character counts as a letter.
bool Is_Name_Start(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == ':' || u >= 0x80;
}

bool Is_Name_Char(char c)
{
    return Is_Name_Start(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// A name from `at`; empty when none starts there.
std::string_view Name_At(std::string_view text, std::size_t at)
{
    if (at >= text.size() || !Is_Name_Start(text[at]))
        return {};
    std::size_t end = at + 1;
    while (end < text.size() && Is_Name_Char(text[end]))
        ++end;
    return text.substr(at, end - at);
}

std::size_t Skip_Spaces(std::string_view text, std::size_t at)
{
    while (at < text.size() && Is_Space(text[at]))
        ++at;
    return at;
}

bool Starts(std::string_view text, std::size_t at, std::string_view what)
{
    return text.compare(at, what.size(), what) == 0;
}

// The attributes and the end of a start tag from just after its name: the offset after '>' (0 when
// the tag is not sound) and whether the element closed itself.
std::size_t Start_Tag_End(std::string_view text, std::size_t at, bool& selfClosed)
{
    for (;;) {
        const std::size_t before = at;
        at = Skip_Spaces(text, at);
        if (at >= text.size())
            return 0;
        if (text[at] == '>') {
            selfClosed = false;
            return at + 1;
        }
        if (text[at] == '/') {
            selfClosed = true;
            return at + 1 < text.size() && text[at + 1] == '>' ? at + 2 : 0;
        }
        const std::string_view name = Name_At(text, at);
        if (name.empty() || at == before)  // an attribute follows a blank
            return 0;
        at = Skip_Spaces(text, at + name.size());
        if (at >= text.size() || text[at] != '=')
            return 0;
        at = Skip_Spaces(text, at + 1);
        if (at >= text.size() || (text[at] != '"' && text[at] != '\''))
            return 0;
        const std::size_t close = text.find(text[at], at + 1);
        if (close == std::string_view::npos || text.substr(at + 1, close - at - 1).find('<') != std::string_view::npos)
            return 0;
        at = close + 1;
    }
}

}  // namespace

bool Scan_Scl_Layout(std::string_view text, SclLayout& layout)
{
    layout = {};
    std::vector<std::string_view> open;
    SclSpan* tracking = nullptr;  // the child of the document element being walked, when it is one we keep
    bool rootSeen = false;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] != '<') {
            const std::size_t next = std::min(text.find('<', at), text.size());
            // Outside the document element only blanks.
            if (open.empty())
                for (std::size_t k = at; k < next; ++k)
                    if (!Is_Space(text[k]))
                        return false;
            at = next;
            continue;
        }
        if (Starts(text, at, "<!--")) {
            const std::size_t end = text.find("-->", at + 4);
            if (end == std::string_view::npos)
                return false;
            at = end + 3;
        } else if (Starts(text, at, "<![CDATA[")) {
            const std::size_t end = text.find("]]>", at + 9);
            if (open.empty() || end == std::string_view::npos)
                return false;
            at = end + 3;
        } else if (Starts(text, at, "<?")) {
            const std::size_t end = text.find("?>", at + 2);
            if (end == std::string_view::npos)
                return false;
            at = end + 2;
        } else if (Starts(text, at, "<!")) {
            return false;  // a document type: the whole parse decides
        } else if (Starts(text, at, "</")) {
            const std::string_view name = Name_At(text, at + 2);
            const std::size_t end = Skip_Spaces(text, at + 2 + name.size());
            if (name.empty() || end >= text.size() || text[end] != '>' || open.empty() || open.back() != name)
                return false;
            open.pop_back();
            at = end + 1;
            if (open.size() == 1 && tracking != nullptr) {
                tracking->End = at;
                tracking->Found = true;
                tracking = nullptr;
            }
        } else {
            const std::string_view name = Name_At(text, at + 1);
            if (name.empty() || (rootSeen && open.empty()))
                return false;  // no name, or a second document element
            bool selfClosed = false;
            const std::size_t end = Start_Tag_End(text, at + 1 + name.size(), selfClosed);
            if (end == 0)
                return false;
            if (open.empty()) {
                rootSeen = true;
                layout.Root = name;
            } else if (open.size() == 1) {
                if (name == "IED" && !layout.Ied.Found)
                    tracking = &layout.Ied;
                else if (name == "DataTypeTemplates" && !layout.Templates.Found)
                    tracking = &layout.Templates;
                if (tracking != nullptr)
                    tracking->Begin = at;
            }
            at = end;
            if (!selfClosed) {
                open.push_back(name);
            } else if (open.size() == 1 && tracking != nullptr) {
                tracking->End = at;
                tracking->Found = true;
                tracking = nullptr;
            }
        }
    }
    return rootSeen && open.empty();
}

namespace {

// The whole file, or nothing when it cannot be read (the XML layer then says why).
std::unique_ptr<char[]> Read_All(const fs::path& file, std::size_t& size)
{
    std::error_code ec;
    const auto expected = fs::file_size(file, ec);
    if (ec)
        return nullptr;
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (in == nullptr)
        return nullptr;
    std::unique_ptr<char[]> text(new (std::nothrow) char[static_cast<std::size_t>(expected) + 1]);
    size = text ? std::fread(text.get(), 1, static_cast<std::size_t>(expected) + 1, in) : 0;
    const bool whole = text && !std::ferror(in) && size == static_cast<std::size_t>(expected);
    std::fclose(in);
    return whole ? std::move(text) : nullptr;
}

// A declaration that names an encoding other than UTF-8 (the XML parser converts from Latin-1).
bool Declares_Other_Encoding(std::string_view text)
{
    if (!Starts(text, 0, "<?xml"))
        return false;
    const std::string_view declaration = text.substr(0, text.find("?>"));
    const std::size_t at = declaration.find("encoding");
    if (at == std::string_view::npos)
        return false;
    std::string value(declaration.substr(at + 8));
    std::string letters;
    for (char c : value)
        if (c != '=' && c != '"' && c != '\'' && !Is_Space(c))
            letters += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return letters.rfind("utf-8", 0) != 0 && letters.rfind("utf8", 0) != 0;
}

constexpr unsigned kParseOptions = pugi::parse_default;

}  // namespace

SclSource::SclSource(const fs::path& file, bool wholeDocument)
{
    if (wholeDocument || !FromScan(file))
        FromDocument(file);
}

bool SclSource::FromScan(const fs::path& file)
{
    std::size_t size = 0;
    text_ = Read_All(file, size);
    if (!text_)
        return false;
    char* begin = text_.get();
    if (size >= 3 && std::memcmp(begin, "\xEF\xBB\xBF", 3) == 0) {
        begin += 3;
        size -= 3;
    }
    const std::string_view text(begin, size);
    // UTF-8 only, without NUL characters (UTF-16 and UTF-32 hold them, and a NUL ends the parse).
    if (size == 0 || std::memchr(begin, 0, size) != nullptr || Declares_Other_Encoding(text))
        return false;
    SclLayout layout;
    if (!Scan_Scl_Layout(text, layout))
        return false;
    rootIsScl_ = layout.Root == "SCL";
    if (!rootIsScl_) {
        scanned_ = true;
        return true;
    }
    // The two parts get buffers of their own and the file's buffer goes before they are parsed,
    // so that the file and the parts' object models are never held at once.
    const auto copy = [begin](const SclSpan& span) {
        std::unique_ptr<char[]> part;
        if (span.Found) {
            part.reset(new char[span.End - span.Begin]);
            std::memcpy(part.get(), begin + span.Begin, span.End - span.Begin);
        }
        return part;
    };
    iedText_ = copy(layout.Ied);
    templatesText_ = copy(layout.Templates);
    text_.reset();
    const auto parse = [](pugi::xml_document& doc, const std::unique_ptr<char[]>& part, const SclSpan& span,
                          pugi::xml_node& node) {
        if (!part)
            return true;
        if (!doc.load_buffer_inplace(part.get(), span.End - span.Begin, kParseOptions, pugi::encoding_utf8))
            return false;
        node = doc.document_element();
        return true;
    };
    if (!parse(iedDoc_, iedText_, layout.Ied, ied_) ||
        !parse(templatesDoc_, templatesText_, layout.Templates, templates_)) {
        iedDoc_.reset();
        templatesDoc_.reset();
        ied_ = templates_ = pugi::xml_node();
        iedText_.reset();
        templatesText_.reset();
        return false;
    }
    scanned_ = true;
    return true;
}

void SclSource::FromDocument(const fs::path& file)
{
    text_.reset();
    {
        // The XML layer's parse decides whether the file is well-formed and words the error.
        xml::Document check;
        check.LoadFromFile(file);
    }
    const pugi::xml_parse_result result = wholeDoc_.load_file(file.c_str(), kParseOptions, pugi::encoding_auto);
    if (!result)
        throw xml::XmlError(file.string(), result.description());
    const pugi::xml_node root = wholeDoc_.document_element();
    rootIsScl_ = std::strcmp(root.name(), "SCL") == 0;
    ied_ = root.child("IED");
    templates_ = root.child("DataTypeTemplates");
}

}  // namespace iec
