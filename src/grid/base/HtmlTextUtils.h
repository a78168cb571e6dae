#pragma once
// String routines around the mini-HTML of cell texts: entity coding, tag stripping,
// search-match highlighting and the CONTROL tags that embed form controls in a cell.
// All are free functions on UTF-8 strings and keep no state.

#include <span>
#include <string>
#include <string_view>

namespace gx {

// Position of Find in Text at or after From, comparing ASCII letters in any case;
// npos when absent.
std::size_t HtmlFindNoCase(std::string_view text, std::string_view find, std::size_t from = 0);

// A whole number read leniently: leading blanks, an optional sign, decimal digits or
// hexadecimal after "$", "x", "X" or "0x". Reading stops at the first other character;
// the digits read so far count. Ok (when given) tells whether any digit was read.
int HtmlReadInt(std::string_view s, bool* ok = nullptr);

// Value of the attribute Name="..." of a tag (any case). The name must start a word and stand
// outside quoted values; the value is the text between the next two double quotes (empty when
// unquoted). False when the tag has no such attribute.
bool HtmlTagAttribute(std::string_view tag, std::string_view name, std::string& value);

// An entity and the UTF-8 text it stands for.
struct THtmlEntity {
    std::string_view Entity;
    std::string_view Character;
};

// The first entity of Table that stands at Text[At] (letters compared in any case when
// AnyCase), or nullptr.
const THtmlEntity* MatchHtmlEntity(std::string_view Text, std::size_t At, std::span<const THtmlEntity> Table,
                                   bool AnyCase);

// Replaces the first occurrence of Find (any case); False when there is none.
bool ReplaceFirstText(std::string_view find, std::string_view replacement, std::string& text);

std::string DecodeHTMLEntities(std::string_view text, bool useNamed);
std::string EncodeHTMLEntities(std::string_view text, bool useNamed);
std::string SpacesToNbsp(std::string_view text);
std::string StripHTMLTags(std::string_view text);

// Wraps each match of SearchText in the visible text into <Tag>...</Tag>.
std::string HighlightHTMLText(std::string_view text, std::string_view searchText, std::string_view tag,
                              bool caseSensitive);
std::string RemoveHighlightTags(std::string_view text, std::string_view tag);

// Reads the attributes of a CONTROL tag; each output is empty when its attribute is absent.
void ParseControlTag(std::string_view tagText, std::string& type, std::string& id, std::string& value,
                     std::string& width, std::string& height, std::string& prop, std::string& maxLen);

bool HasHTMLControl(std::string_view text);
std::string GetNextHTMLControlID(std::string_view text, std::string_view id);
std::string ResetHTMLRadioControls(std::string_view text);
bool GetHTMLControlValue(std::string_view text, std::string_view id, std::string& value);
std::string GetHTMLControlProp(std::string_view text, std::string_view id);
int GetHTMLControlMaxLen(std::string_view text, std::string_view id);
bool SetHTMLControlValue(std::string& text, std::string_view id, std::string_view value);

// One "*" per character (UTF-8 code point) of Text.
std::string PasswordMask(std::string_view text);

}  // namespace gx
