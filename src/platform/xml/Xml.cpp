#include "platform/xml/Xml.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/rtl/Exceptions.h"
#include "platform/xml/AtomicFile.h"

namespace xml {
namespace {

// Comments are kept (table files carry one after the root); a text made of blanks only is kept
// when it is the element's whole content, so "<a> </a>" reads as " " while indentation between
// elements is dropped.
constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_comments | pugi::parse_declaration | pugi::parse_ws_pcdata_single;
constexpr unsigned kSaveOptions = pugi::format_raw | pugi::format_no_declaration;

pugi::xml_node Wrap(pugi::xml_node_struct* n)
{
    return pugi::xml_node(n);
}

std::string Str(std::string_view s)
{
    return std::string(s);
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

XmlError::XmlError(std::string file, std::string reason)
    : std::runtime_error(file + ": " + reason), file_(std::move(file)), reason_(std::move(reason))
{}

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

std::string Node::Name() const
{
    return Kind() == NodeKind::Element ? Wrap(node_).name() : "";
}

std::string Node::Value() const
{
    return Kind() == NodeKind::Element ? "" : Wrap(node_).value();
}

Element Node::AsElement() const
{
    return Kind() == NodeKind::Element ? Element(node_) : Element();
}

// ---- Element

std::string Element::Name() const
{
    return Wrap(node_).name();
}

Element Element::ChildByName(std::string_view name) const
{
    for (auto c = Wrap(node_).first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && name == c.name())
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
    for (auto c = Wrap(node_).first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && name == c.name())
            out.push_back(Element(c.internal_object()));
    return out;
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

std::optional<std::string> Element::Attribute(std::string_view name) const
{
    for (auto a = Wrap(node_).first_attribute(); a; a = a.next_attribute())
        if (name == a.name())
            return std::string(a.value());
    return std::nullopt;
}

std::string Element::Attribute(std::string_view name, std::string_view fallback) const
{
    return Attribute(name).value_or(Str(fallback));
}

std::vector<std::pair<std::string, std::string>> Element::Attributes() const
{
    std::vector<std::pair<std::string, std::string>> out;
    for (auto a = Wrap(node_).first_attribute(); a; a = a.next_attribute())
        out.emplace_back(a.name(), a.value());
    return out;
}

void Element::SetAttribute(std::string_view name, std::string_view value)
{
    auto n = Wrap(node_);
    const std::string key = Str(name);
    auto a = n.attribute(key.c_str());
    if (!a)
        a = n.append_attribute(key.c_str());
    a.set_value(Str(value).c_str());
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
        Wrap(node_).append_child(pugi::node_pcdata).set_value(Str(text).c_str());
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
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw XmlError(file.string(), std::string("the file cannot be opened: ") + std::strerror(errno));
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw XmlError(file.string(), "the file cannot be read");
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

std::string Document::SaveToString() const
{
    std::ostringstream out;
    for (auto c = doc_->first_child(); c; c = c.next_sibling())
        if (c.type() != pugi::node_declaration)
            c.print(out, "", kSaveOptions, pugi::encoding_utf8);
    return out.str();
}

void Document::SaveToFile(const std::filesystem::path& file) const
{
    try {
        WriteFileAtomically(file, SaveToString());
    } catch (const rtl::EFCreateError& e) {
        throw XmlError(file.string(), e.Message);
    }
}

}  // namespace xml
