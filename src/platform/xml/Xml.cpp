#include "platform/xml/Xml.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/rtl/Exceptions.h"
#include "platform/xml/AtomicFile.h"
#include "platform/xml/XmlWriter.h"

namespace xml {
namespace {

// Comments are kept (table files carry one after the root); a text made of blanks only is kept
// when it is the element's whole content, so "<a> </a>" reads as " " while indentation between
// elements is dropped.
constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_comments | pugi::parse_declaration | pugi::parse_ws_pcdata_single;

pugi::xml_node Wrap(pugi::xml_node_struct* n)
{
    return pugi::xml_node(n);
}

std::string Str(std::string_view s)
{
    return std::string(s);
}

// A file's bytes in a buffer from pugixml's allocator, so that the document can parse them in
// place and keep them (no copy of the text beside the document).
struct FileBuffer {
    struct Free {
        void operator()(void* p) const { pugi::get_memory_deallocation_function()(p); }
    };
    std::unique_ptr<void, Free> data;
    std::size_t size = 0;
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

FileBuffer ReadWholeFile(const std::filesystem::path& file)
{
    std::unique_ptr<std::FILE, FileCloser> in(std::fopen(file.c_str(), "rb"));
    if (!in)
        throw XmlError(file.string(), std::string("the file cannot be opened: ") + std::strerror(errno));
    std::error_code ec;
    const auto expected = std::filesystem::file_size(file, ec);
    if (ec)
        throw XmlError(file.string(), "the file cannot be read: " + ec.message());
    // Room for one byte more than expected shows a file that grew while it is read.
    FileBuffer buffer;
    std::size_t capacity = static_cast<std::size_t>(expected) + 1;
    buffer.data.reset(pugi::get_memory_allocation_function()(capacity));
    if (!buffer.data)
        throw rtl::EFileError(file.string(), "the file is too large to be read");
    for (;;) {
        auto* bytes = static_cast<char*>(buffer.data.get());
        buffer.size += std::fread(bytes + buffer.size, 1, capacity - buffer.size, in.get());
        if (std::ferror(in.get()))
            throw XmlError(file.string(), "the file cannot be read");
        if (buffer.size < capacity)
            return buffer;
        FileBuffer bigger;
        bigger.data.reset(pugi::get_memory_allocation_function()(capacity * 2));
        if (!bigger.data)
            throw rtl::EFileError(file.string(), "the file is too large to be read");
        std::memcpy(bigger.data.get(), bytes, buffer.size);
        bigger.size = buffer.size;
        buffer = std::move(bigger);
        capacity *= 2;
    }
}

// A name as pugixml looks it up (NUL-terminated), on the stack for names of usual length, so
// that a look-up is one search inside pugixml and needs no heap copy.
class CName {
public:
    explicit CName(std::string_view name) : usable_(name.empty() || std::memchr(name.data(), 0, name.size()) == nullptr)
    {
        char* to = small_;
        if (name.size() >= sizeof(small_)) {
            large_ = std::make_unique<char[]>(name.size() + 1);
            to = large_.get();
        }
        if (!name.empty())
            std::memcpy(to, name.data(), name.size());
        to[name.size()] = 0;
        text_ = to;
    }
    CName(const CName&) = delete;
    CName& operator=(const CName&) = delete;
    const char* c_str() const { return text_; }
    // A name holding a NUL names nothing that can be stored.
    bool Usable() const { return usable_; }

private:
    bool usable_;
    char small_[64];
    std::unique_ptr<char[]> large_;
    const char* text_ = nullptr;
};

// A stored (NUL-terminated) name equals name, without measuring the stored one first.
bool SameName(const char* stored, std::string_view name)
{
    std::size_t i = 0;
    while (i < name.size() && stored[i] != 0 && stored[i] == name[i])
        ++i;
    return i == name.size() && stored[i] == 0;
}

bool IsText(pugi::xml_node_type t)
{
    return t == pugi::node_pcdata || t == pugi::node_cdata;
}

// 1-based line and column of a byte offset in the parsed text.
std::string Position(std::string_view text, std::ptrdiff_t offset)
{
    const auto end = static_cast<size_t>(std::clamp<std::ptrdiff_t>(offset, 0, std::ptrdiff_t(text.size())));
    const auto head = text.substr(0, end);
    const auto line = std::count(head.begin(), head.end(), '\n') + 1;
    const auto lastBreak = head.rfind('\n');
    const auto column = lastBreak == std::string_view::npos ? end + 1 : end - lastBreak;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// pugixml accepts fragments; a document must have exactly one root.
std::string CheckTopLevel(const pugi::xml_document& doc)
{
    int elements = 0;
    for (auto c = doc.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element)
            ++elements;
    if (elements == 0)
        return "no root element";
    if (elements > 1)
        return "more than one root element";
    return {};
}

}  // namespace

// ---- Node

NodeKind Node::Kind() const
{
    switch (Wrap(node_).type()) {
    case pugi::node_element:
        return NodeKind::Element;
    case pugi::node_pcdata:
    case pugi::node_cdata:
        return NodeKind::Text;
    case pugi::node_comment:
        return NodeKind::Comment;
    default:
        return NodeKind::Other;
    }
}

std::string_view Node::Name() const
{
    return Kind() == NodeKind::Element ? Wrap(node_).name() : "";
}

std::string_view Node::Value() const
{
    return Kind() == NodeKind::Element ? "" : Wrap(node_).value();
}

// ---- Attributes

AttributeView AttributeRange::iterator::operator*() const
{
    const pugi::xml_attribute a(attribute_);
    return {a.name(), a.value()};
}

AttributeRange::iterator& AttributeRange::iterator::operator++()
{
    attribute_ = pugi::xml_attribute(attribute_).next_attribute().internal_object();
    return *this;
}

// ---- Element ranges

ElementRange::iterator::iterator(pugi::xml_node_struct* from, std::string_view name, bool named)
    : node_(from), name_(name), named_(named)
{
    Settle();
}

void ElementRange::iterator::Settle()
{
    for (auto n = Wrap(node_); n; n = n.next_sibling()) {
        if (n.type() == pugi::node_element && (!named_ || SameName(n.name(), name_))) {
            node_ = n.internal_object();
            return;
        }
    }
    node_ = nullptr;
}

Element ElementRange::iterator::operator*() const
{
    return Element(node_);
}

ElementRange::iterator& ElementRange::iterator::operator++()
{
    node_ = Wrap(node_).next_sibling().internal_object();
    Settle();
    return *this;
}

Element Node::AsElement() const
{
    return Kind() == NodeKind::Element ? Element(node_) : Element();
}

// ---- Element

std::string_view Element::Name() const
{
    return Wrap(node_).name();
}

Element Element::ChildByName(std::string_view name) const
{
    const CName key(name);
    if (!key.Usable())
        return {};
    for (auto c = Wrap(node_).child(key.c_str()); c; c = c.next_sibling(key.c_str()))
        if (c.type() == pugi::node_element)
            return Element(c.internal_object());
    return {};
}

std::vector<Element> Element::Children() const
{
    std::vector<Element> out;
    for (auto c = Wrap(node_).first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element)
            out.push_back(Element(c.internal_object()));
    return out;
}

std::vector<Element> Element::Children(std::string_view name) const
{
    std::vector<Element> out;
    const CName key(name);
    if (!key.Usable())
        return out;
    for (auto c = Wrap(node_).child(key.c_str()); c; c = c.next_sibling(key.c_str()))
        if (c.type() == pugi::node_element)
            out.push_back(Element(c.internal_object()));
    return out;
}

ElementRange Element::Elements() const
{
    return ElementRange(Wrap(node_).first_child().internal_object(), {}, false);
}

ElementRange Element::Elements(std::string_view name) const
{
    return ElementRange(Wrap(node_).first_child().internal_object(), name, true);
}

std::vector<Node> Element::ChildNodes() const
{
    std::vector<Node> out;
    for (auto c = Wrap(node_).first_child(); c; c = c.next_sibling())
        out.push_back(Node(c.internal_object()));
    return out;
}

bool Element::HasChildElements() const
{
    for (auto c = Wrap(node_).first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element)
            return true;
    return false;
}

bool Element::HasAttribute(std::string_view name) const
{
    return Attribute(name).has_value();
}

std::optional<std::string_view> Element::Attribute(std::string_view name) const
{
    const CName key(name);
    if (!key.Usable())
        return std::nullopt;
    if (const auto a = Wrap(node_).attribute(key.c_str()))
        return std::string_view(a.value());
    return std::nullopt;
}

std::string Element::Attribute(std::string_view name, std::string_view fallback) const
{
    return Str(Attribute(name).value_or(fallback));
}

AttributeRange Element::Attributes() const
{
    return AttributeRange(Wrap(node_).first_attribute().internal_object());
}

void Element::SetAttribute(std::string_view name, std::string_view value)
{
    auto n = Wrap(node_);
    const CName key(name);
    auto a = n.attribute(key.c_str());
    if (!a)
        a = n.append_attribute(key.c_str());
    a.set_value(value.data(), value.size());
}

bool Element::RemoveAttribute(std::string_view name)
{
    return Wrap(node_).remove_attribute(Str(name).c_str());
}

std::optional<std::string> Element::Text() const
{
    if (!node_)
        return std::nullopt;
    std::string text;
    for (auto c = Wrap(node_).first_child(); c; c = c.next_sibling()) {
        if (!IsText(c.type()))
            return std::nullopt;
        text += c.value();
    }
    return text;
}

std::string Element::Text(std::string_view fallback) const
{
    return Text().value_or(Str(fallback));
}

std::string Element::InnerText() const
{
    std::string text;
    struct Collect : pugi::xml_tree_walker {
        std::string* out;
        bool for_each(pugi::xml_node& n) override
        {
            if (IsText(n.type()))
                *out += n.value();
            return true;
        }
    } walker;
    walker.out = &text;
    if (node_)
        Wrap(node_).traverse(walker);
    return text;
}

void Element::SetText(std::string_view text)
{
    RemoveAllChildren();
    if (!text.empty())
        Wrap(node_).append_child(pugi::node_pcdata).set_value(text.data(), text.size());
}

Element Element::AppendChild(std::string_view name)
{
    return Element(Wrap(node_).append_child(Str(name).c_str()).internal_object());
}

Element Element::AppendTextChild(std::string_view name, std::string_view text)
{
    Element child = AppendChild(name);
    child.SetText(text);
    return child;
}

void Element::AppendComment(std::string_view text)
{
    Wrap(node_).append_child(pugi::node_comment).set_value(Str(text).c_str());
}

bool Element::RemoveChild(const Element& child)
{
    if (!node_ || !child.node_ || Wrap(child.node_).parent() != Wrap(node_))
        return false;
    return Wrap(node_).remove_child(Wrap(child.node_));
}

void Element::RemoveAllChildren()
{
    Wrap(node_).remove_children();
}

// ---- Document

Document::Document() : doc_(std::make_unique<pugi::xml_document>()) {}
Document::~Document() = default;
Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;

void Document::LoadFromFile(const std::filesystem::path& file)
{
    Clear();
    FileBuffer buffer = ReadWholeFile(file);
    const std::size_t size = buffer.size;
    const auto result = doc_->load_buffer_inplace_own(buffer.data.release(), size, kParseOptions, pugi::encoding_auto);
    if (result && CheckTopLevel(*doc_).empty())
        return;
    // The parse changed the text in place; the position of the fault is found in a fresh copy,
    // which only a broken file costs.
    Clear();
    std::string text(size, '\0');
    std::unique_ptr<std::FILE, FileCloser> in(std::fopen(file.c_str(), "rb"));
    text.resize(in ? std::fread(text.data(), 1, size, in.get()) : 0);
    LoadFromString(text, file.string());
}

void Document::LoadFromString(std::string_view text, std::string_view sourceName)
{
    Clear();
    const auto result = doc_->load_buffer(text.data(), text.size(), kParseOptions, pugi::encoding_auto);
    std::string reason;
    if (!result)
        reason = std::string(result.description()) + " at " + Position(text, result.offset);
    else
        reason = CheckTopLevel(*doc_);
    if (!reason.empty()) {
        Clear();
        throw XmlError(Str(sourceName), reason);
    }
}

void Document::Clear()
{
    doc_->reset();
}

bool Document::Empty() const
{
    return !doc_->first_child();
}

Element Document::DocumentElement() const
{
    return Element(doc_->document_element().internal_object());
}

Element Document::CreateRoot(std::string_view name)
{
    Clear();
    return Element(doc_->append_child(Str(name).c_str()).internal_object());
}

void Document::AppendComment(std::string_view text)
{
    doc_->append_child(pugi::node_comment).set_value(Str(text).c_str());
}

std::vector<Node> Document::ChildNodes() const
{
    std::vector<Node> out;
    for (auto c = doc_->first_child(); c; c = c.next_sibling())
        if (c.type() != pugi::node_declaration)
            out.push_back(Node(c.internal_object()));
    return out;
}

namespace {

std::string Write(const pugi::xml_document& doc, std::string_view target)
{
    std::string out;
    if (std::string problem = detail::WriteDocument(doc, out); !problem.empty())
        throw XmlError(Str(target), problem);
    return out;
}

}  // namespace

std::string Document::SaveToString() const
{
    return Write(*doc_, "(text)");
}

void Document::SaveToFile(const std::filesystem::path& file) const
{
    const std::string content = Write(*doc_, file.string());
    try {
        WriteFileAtomically(file, content);
    } catch (const rtl::EFCreateError& e) {
        throw XmlError(file.string(), e.Message);
    }
}

}  // namespace xml
