// A small XML document object model for the program's own files (table files, the settings file,
// the update job file) and for model files read on import.
//
// Reading is tolerant: a byte-order mark, an XML declaration, comments and indentation before the
// root are accepted, and the first element of the document is the root whatever its name.
// Writing has one form for every file: UTF-8, no declaration, no indentation, written to a
// temporary file in the target's folder and renamed over the target.
//
// Element and Node are light handles into a Document; they stay valid while the node exists in
// its document. Names and attribute values are handed out as views into the document (no copy);
// a view stays valid while its node or attribute exists and is not changed. A default-constructed (null) Element is
// falsy, and every navigation on it yields null again, so a chain like
// doc.DocumentElement().ChildByName("a").ChildByName("b").Text() simply ends in std::nullopt when a step is missing.
#pragma once

#include <cstddef>
#include <filesystem>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/rtl/Exceptions.h"

namespace pugi {
class xml_document;
class xml_node;
struct xml_node_struct;
struct xml_attribute_struct;
}  // namespace pugi

namespace xml {

// A file or text that cannot be parsed, or a file that cannot be opened or written. what() is
// "<file>: <reason>"; File() and Reason() give the parts. A file too large to be read is a plain
// rtl::EFileError.
class XmlError : public rtl::EFileError {
public:
    using rtl::EFileError::EFileError;
};

enum class NodeKind { Element, Text, Comment, Other };

class Element;

// Any node below an element: an element, a text (character data), a comment or something else
// (processing instruction, doctype).
class Node {
public:
    Node() = default;
    explicit operator bool() const { return node_ != nullptr; }
    NodeKind Kind() const;
    // Element name; empty for other kinds.
    std::string_view Name() const;
    // Text or comment content; empty for elements.
    std::string_view Value() const;
    // The element this node is, or a null element for other kinds.
    Element AsElement() const;

private:
    friend class Element;
    friend class Document;
    explicit Node(pugi::xml_node_struct* n) : node_(n) {}
    pugi::xml_node_struct* node_ = nullptr;
};

// One attribute of an element.
struct AttributeView {
    std::string_view name;
    std::string_view value;
    friend bool operator==(const AttributeView&, const AttributeView&) = default;
};

// The attributes of an element in document order, walked without copying them.
class AttributeRange {
public:
    class iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = AttributeView;
        using difference_type = std::ptrdiff_t;
        using reference = AttributeView;
        using pointer = void;
        iterator() = default;
        AttributeView operator*() const;
        iterator& operator++();
        iterator operator++(int)
        {
            iterator before = *this;
            ++*this;
            return before;
        }
        friend bool operator==(const iterator&, const iterator&) = default;

    private:
        friend class AttributeRange;
        explicit iterator(pugi::xml_attribute_struct* a) : attribute_(a) {}
        pugi::xml_attribute_struct* attribute_ = nullptr;
    };
    iterator begin() const { return iterator(first_); }
    iterator end() const { return {}; }
    bool empty() const { return first_ == nullptr; }

private:
    friend class Element;
    explicit AttributeRange(pugi::xml_attribute_struct* first) : first_(first) {}
    pugi::xml_attribute_struct* first_ = nullptr;
};

class Element;

// The child elements of an element in document order (all, or those with one name), walked
// without collecting them. A name given is viewed, not copied: it must outlive the walk.
class ElementRange {
public:
    class iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = Element;
        using difference_type = std::ptrdiff_t;
        using reference = Element;
        using pointer = void;
        iterator() = default;
        Element operator*() const;
        iterator& operator++();
        iterator operator++(int)
        {
            iterator before = *this;
            ++*this;
            return before;
        }
        friend bool operator==(const iterator& a, const iterator& b) { return a.node_ == b.node_; }

    private:
        friend class ElementRange;
        iterator(pugi::xml_node_struct* from, std::string_view name, bool named);
        void Settle();  // moves on to the first matching element from node_ on
        pugi::xml_node_struct* node_ = nullptr;
        std::string_view name_;
        bool named_ = false;
    };
    iterator begin() const { return iterator(first_, name_, named_); }
    iterator end() const { return {}; }
    bool empty() const { return begin() == end(); }

private:
    friend class Element;
    ElementRange(pugi::xml_node_struct* first, std::string_view name, bool named)
        : first_(first), name_(name), named_(named)
    {}
    pugi::xml_node_struct* first_ = nullptr;
    std::string_view name_;
    bool named_ = false;
};

class Element {
public:
    Element() = default;
    explicit operator bool() const { return node_ != nullptr; }
    friend bool operator==(const Element&, const Element&) = default;

    std::string_view Name() const;

    // First child element with exactly this name (case matters), or null.
    Element ChildByName(std::string_view name) const;
    // Child elements in document order (all of them, or those with the given name), collected.
    std::vector<Element> Children() const;
    std::vector<Element> Children(std::string_view name) const;
    // The same, walked one by one without collecting them (for large documents).
    ElementRange Elements() const;
    ElementRange Elements(std::string_view name) const;
    // All child nodes (elements, texts, comments) in document order.
    std::vector<Node> ChildNodes() const;
    bool HasChildElements() const;

    bool HasAttribute(std::string_view name) const;
    // The attribute's value, or nullopt when the element has no such attribute.
    std::optional<std::string_view> Attribute(std::string_view name) const;
    // A copy of the attribute's value, or the fallback when the element has no such attribute.
    std::string Attribute(std::string_view name, std::string_view fallback) const;
    // All attributes in document order.
    AttributeRange Attributes() const;
    // Sets the value; a new attribute is added after the existing ones.
    void SetAttribute(std::string_view name, std::string_view value);
    bool RemoveAttribute(std::string_view name);

    // The element's text when its content is text only: "" for an empty element, the text
    // otherwise, kept exactly as written. nullopt for a null element or an element that holds
    // child elements or comments (its content is not a single text).
    std::optional<std::string> Text() const;
    // Text() or the fallback.
    std::string Text(std::string_view fallback) const;
    // All character data below the element, concatenated in document order.
    std::string InnerText() const;
    // Replaces the element's content with one text.
    void SetText(std::string_view text);

    // Adds a child element at the end and returns it.
    Element AppendChild(std::string_view name);
    // Adds a child element with a single text at the end and returns it.
    Element AppendTextChild(std::string_view name, std::string_view text);
    void AppendComment(std::string_view text);
    // Removes a child element (and everything below it); false when it is not a child.
    bool RemoveChild(const Element& child);
    void RemoveAllChildren();

private:
    friend class Node;
    friend class Document;
    friend class ElementRange;
    explicit Element(pugi::xml_node_struct* n) : node_(n) {}
    pugi::xml_node_struct* node_ = nullptr;
};

class Document {
public:
    Document();
    ~Document();
    Document(Document&&) noexcept;
    Document& operator=(Document&&) noexcept;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Replaces the content with the parsed file. On failure throws XmlError naming the file and
    // the parser's reason (with line and column); the document is then empty.
    void LoadFromFile(const std::filesystem::path& file);
    // As LoadFromFile; sourceName names the text in an error.
    void LoadFromString(std::string_view text, std::string_view sourceName = "(text)");

    // Removes every node.
    void Clear();
    bool Empty() const;

    // The first element of the document, or null.
    Element DocumentElement() const;
    // Clears the document and adds a root element with this name.
    Element CreateRoot(std::string_view name);
    // Adds a comment at document level after everything already there (e.g. after the root).
    void AppendComment(std::string_view text);
    // Nodes at document level (comments, the root, …) in document order; the declaration, if
    // one was read, is not among them.
    std::vector<Node> ChildNodes() const;

    // The document as the program writes it: UTF-8, no declaration, no indentation. Every value
    // reads back exactly as it is held: a CR in a text or an attribute, and a tab or LF in an
    // attribute, are written as character references. A value holding a character that XML 1.0
    // cannot carry (a control character other than tab, LF and CR, U+FFFE, U+FFFF, a surrogate) is
    // refused: XmlError naming "(text)" and the element.
    std::string SaveToString() const;
    // Writes SaveToString() to the file through a temporary file in the same folder that is then
    // renamed over the target. Throws XmlError naming the file (and the element, for a value that
    // cannot be written) when anything fails; the previous file is then untouched.
    void SaveToFile(const std::filesystem::path& file) const;

private:
    std::unique_ptr<pugi::xml_document> doc_;
};

}  // namespace xml
