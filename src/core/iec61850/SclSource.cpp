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

namespace {

// One walk over a document's markup, keeping the open elements and the spans of the parts read.
// Every step returns the offset after what it took, or npos when the text is not surely sound.
class Layout_Scan {
public:
    Layout_Scan(std::string_view text, SclLayout& layout) : text_(text), layout_(layout) {}

    bool Run()
    {
        std::size_t at = 0;
        while (at != npos && at < text_.size())
            at = text_[at] == '<' ? Markup(at) : Text(at);
        return at != npos && rootSeen_ && open_.empty();
    }

private:
    static constexpr std::size_t npos = std::string_view::npos;

    // Character data: outside the document element only blanks.
    std::size_t Text(std::size_t at) const
    {
        const std::size_t next = std::min(text_.find('<', at), text_.size());
        if (open_.empty())
            for (std::size_t k = at; k < next; ++k)
                if (!Is_Space(text_[k]))
                    return npos;
        return next;
    }

    std::size_t Past(std::size_t at, std::string_view start, std::string_view end) const
    {
        const std::size_t found = text_.find(end, at + start.size());
        return found == npos ? npos : found + end.size();
    }

    std::size_t Markup(std::size_t at)
    {
        if (Starts(text_, at, "<!--"))
            return Past(at, "<!--", "-->");
        if (Starts(text_, at, "<![CDATA["))
            return open_.empty() ? npos : Past(at, "<![CDATA[", "]]>");
        if (Starts(text_, at, "<?xml") && (at + 5 >= text_.size() || Is_Space(text_[at + 5]) || text_[at + 5] == '?'))
            return Declaration(at);
        if (Starts(text_, at, "<?"))
            return Past(at, "<?", "?>");
        if (Starts(text_, at, "<!"))
            return npos;  // a document type: the whole parse decides
        if (Starts(text_, at, "</"))
            return End_Tag(at);
        return Start_Tag(at);
    }

    // The XML declaration: first in the file, its attributes quoted as in a start tag (the XML
    // parser reads them so, and a "?>" inside quotes does not end it).
    std::size_t Declaration(std::size_t at) const
    {
        if (at != 0)
            return npos;
        at += 5;
        for (;;) {
            const std::size_t before = at;
            at = Skip_Spaces(text_, at);
            if (Starts(text_, at, "?>"))
                return at + 2;
            const std::string_view name = Name_At(text_, at);
            if (name.empty() || at == before)
                return npos;
            at = Skip_Spaces(text_, at + name.size());
            if (at >= text_.size() || text_[at] != '=')
                return npos;
            at = Skip_Spaces(text_, at + 1);
            if (at >= text_.size() || (text_[at] != '"' && text_[at] != '\''))
                return npos;
            const std::size_t close = text_.find(text_[at], at + 1);
            if (close == npos)
                return npos;
            at = close + 1;
        }
    }

    std::size_t End_Tag(std::size_t at)
    {
        const std::string_view name = Name_At(text_, at + 2);
        const std::size_t end = Skip_Spaces(text_, at + 2 + name.size());
        if (name.empty() || end >= text_.size() || text_[end] != '>' || open_.empty() || open_.back() != name)
            return npos;
        open_.pop_back();
        Closed(end + 1);
        return end + 1;
    }

    std::size_t Start_Tag(std::size_t at)
    {
        const std::string_view name = Name_At(text_, at + 1);
        if (name.empty() || (rootSeen_ && open_.empty()))
            return npos;  // no name, or a second document element
        bool selfClosed = false;
        const std::size_t end = Start_Tag_End(text_, at + 1 + name.size(), selfClosed);
        if (end == 0)
            return npos;
        if (open_.empty()) {
            rootSeen_ = true;
            layout_.Root = name;
        } else if (open_.size() == 1) {
            Opened(name, at);
        }
        if (selfClosed)
            Closed(end);
        else
            open_.push_back(name);
        return end;
    }

    // A child of the document element begins: the first IED and the first templates are kept.
    void Opened(std::string_view name, std::size_t at)
    {
        if (name == "IED" && !layout_.Ied.Found)
            tracking_ = &layout_.Ied;
        else if (name == "DataTypeTemplates" && !layout_.Templates.Found)
            tracking_ = &layout_.Templates;
        if (tracking_ != nullptr)
            tracking_->Begin = at;
    }

    // An element ended at `end`: when it was a kept child of the document element, its span is whole.
    void Closed(std::size_t end)
    {
        if (open_.size() != 1 || tracking_ == nullptr)
            return;
        tracking_->End = end;
        tracking_->Found = true;
        tracking_ = nullptr;
    }

    std::string_view text_;
    SclLayout& layout_;
    std::vector<std::string_view> open_;
    SclSpan* tracking_ = nullptr;
    bool rootSeen_ = false;
};

}  // namespace

bool Scan_Scl_Layout(std::string_view text, SclLayout& layout)
{
    layout = {};
    return Layout_Scan(text, layout).Run();
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
