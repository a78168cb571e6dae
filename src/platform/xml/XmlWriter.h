// The writer behind Document::SaveToString (internal to this folder).
#pragma once

#include <string>

namespace pugi {
class xml_node;
}

namespace xml::detail {

// Appends the document's nodes (all but a declaration) to out: UTF-8, no indentation, empty
// elements as "<a/>". Returns "" when done, or the reason a value cannot be written, naming the
// element; out is then incomplete.
std::string WriteDocument(const pugi::xml_node& document, std::string& out);

}  // namespace xml::detail
