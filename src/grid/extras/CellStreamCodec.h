// The record encoding of the grid's binary cell format: blocks of "TPF0", a class name, an empty
// instance name, named property values and two terminating zero bytes. BlockWriter writes one
// block; ReadBlock reads one, refusing anything malformed or running past the data.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/Graphics.h"

namespace gx::cellstream {

// Value tags of the format.
enum TValueType : std::uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaWString = 18,
    vaUTF8String = 20,
};

// The colour's name ("clRed") or empty when it has none; and back (ignoring case).
std::string_view ColorName(ui::TColor c);
bool ColorFromName(std::string_view name, ui::TColor& c);

class BlockWriter {
public:
    BlockWriter(std::string& out, std::string_view className);
    void Int(std::string_view name, std::int64_t v);
    void Bool(std::string_view name, bool v);
    void Ident(std::string_view name, std::string_view v);
    void Color(std::string_view name, ui::TColor c);
    void Text(std::string_view name, const std::string& utf8);  // left out when empty
    void FontStyles(std::string_view name, ui::TFontStyles s);
    void Float(std::string_view name, double v);  // left out when 0
    void Binary(std::string_view name, const std::string& bytes);
    void Strings(std::string_view name, const std::vector<std::string>& items);  // left out when empty
    void End();

private:
    void Name(std::string_view n);
    void ShortString(std::string_view s);
    void IntValue(std::int64_t v);
    void TextValue(const std::string& utf8);
    std::string& out_;
};

struct Value {
    TValueType type = vaNull;
    std::int64_t i = 0;
    double f = 0;
    std::string s;                   // text (UTF-8), identifier or binary bytes
    std::vector<std::string> items;  // list texts or set member names
};

// Names are views of the data read: a block is used while its data is there.
struct Entry {
    std::string_view name;
    Value value;
    // Typed reads; each raises rtl::EReadError "Invalid property value" for another kind of value.
    std::int64_t AsInt() const;
    bool AsBool() const;
    std::string AsText() const;
    std::string TakeText();  // AsText, moving the text out of the entry
    std::string AsIdent() const;
    ui::TColor AsColor() const;
    ui::TFontStyles AsFontStyles() const;
    double AsFloat() const;

private:
    void AsTextCheck() const;
};

struct Block {
    std::string_view className;
    std::vector<Entry> entries;
};

// Reads the block at pos and moves pos past it. Raises rtl::EReadError: "Invalid stream format"
// without the signature, "Stream read error" when the data ends inside the block, "Invalid
// property value" for an unknown tag; every length is checked against what is left.
Block ReadBlock(std::string_view data, std::size_t& pos);
// The same into b, whose room is used again (for reading block after block).
void ReadBlock(std::string_view data, std::size_t& pos, Block& b);

// A cell's block ("TGridCellIO": Col, Row, Cell, HasProp) in one append: the bytes a BlockWriter
// writes for it, without the steps.
void WriteCellBlock(std::string& out, std::int64_t col, std::int64_t row, const std::string& text, bool hasProp);
// The same bytes at p for a text of up to 255 ASCII characters, the usual cell; returns their end,
// at most kPlainCellBlockMax bytes on. nullptr (nothing written) for any other text.
constexpr std::size_t kPlainCellBlockMax = 308;
char* PutPlainCellBlock(char* p, std::int64_t col, std::int64_t row, std::string_view text, bool hasProp);
// Reads a cell block at pos in the form WriteCellBlock gives a text of up to 255 ASCII characters
// and moves pos past it. Any other form (another order, other entries, other value kinds, damage)
// says false and leaves everything as it was: ReadBlock reads it, or refuses it, in full.
bool ReadPlainCellBlock(std::string_view data, std::size_t& pos, std::int64_t& col, std::int64_t& row,
                        std::string& text, bool& hasProp);

}  // namespace gx::cellstream
