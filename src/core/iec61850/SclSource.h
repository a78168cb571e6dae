#pragma once
// The parts of an SCL file that the decoder reads: the name of the document element, its first IED
// child and its first DataTypeTemplates child.
//
// An SCD file holds many IEDs, a communication section and enumerations the decoder never looks at,
// and a document object model of all of it takes four to five times the file. So a UTF-8 file is
// first scanned once for its structure (every tag closed in order, one document element), and
// only the first IED and the templates are copied out and parsed, the file's buffer let go first. A file the scan
// is not sure of (another encoding, a document type, anything the scan does not accept) is parsed
// whole by the XML layer instead, which also gives the error of a file that is not well-formed.

#include <pugixml.hpp>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string_view>

namespace iec {

class SclSource {
public:
    // Throws xml::XmlError naming the file when it cannot be read or is not well-formed XML.
    // wholeDocument: parse the whole file (the reference the scan must agree with).
    SclSource(const std::filesystem::path& file, bool wholeDocument);
    SclSource(const SclSource&) = delete;
    SclSource& operator=(const SclSource&) = delete;

    bool RootIsScl() const { return rootIsScl_; }
    // Null when the document element has no such child.
    pugi::xml_node Ied() const { return ied_; }
    pugi::xml_node Templates() const { return templates_; }
    // Whether the parts came from the scan (false: the whole document was parsed).
    bool Scanned() const { return scanned_; }

private:
    bool FromScan(const std::filesystem::path& file);
    void FromDocument(const std::filesystem::path& file);

    std::unique_ptr<char[]> text_, iedText_, templatesText_;
    pugi::xml_document iedDoc_, templatesDoc_, wholeDoc_;
    pugi::xml_node ied_, templates_;
    bool rootIsScl_ = false;
    bool scanned_ = false;
};

// The structure of a UTF-8 document as the scan sees it: where the first IED and the first
// DataTypeTemplates child of the document element begin and end (byte offsets, from '<' to just
// after the closing '>'). Refused (nothing) for anything the scan is not sure is well-formed.
struct SclSpan {
    std::size_t Begin = 0, End = 0;
    bool Found = false;
};
struct SclLayout {
    std::string_view Root;
    SclSpan Ied, Templates;
};
bool Scan_Scl_Layout(std::string_view text, SclLayout& layout);

}  // namespace iec
