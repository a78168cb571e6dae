#pragma once
// Grids whose data columns each hold one attribute of the row element, in column order: a column is
// what it holds (attribute, editor, items, fallback, colour) plus its labels (header, hint, width).
// The Modbus and S7comm tables are built this way.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tables/TableDesc.h"

namespace tables::modbus_s7_bacnet {

// The colours of the family's columns, by what a column says about a rule.
inline constexpr std::uint32_t Color_Enable = Rgb(0xFF, 0xD8, 0xB0);  // the enable box
inline constexpr std::uint32_t Color_Peer = Rgb(0xE0, 0xFA, 0xFE);    // who is asked: address, port, ID
inline constexpr std::uint32_t Color_Datum = Rgb(0xFF, 0xFF, 0xA8);   // what is asked, and when
inline constexpr std::uint32_t Color_Array = Rgb(0xFC, 0xD6, 0xF4);   // where it goes in the data array
inline constexpr std::uint32_t Color_Text = Rgb(0xFF, 0xFF, 0xFF);    // the description

// What a data column holds.
struct TField {
    std::string_view Attribute{};
    TEditor Editor = TEditor::Plain;
    std::vector<std::string> Items{};
    std::string_view Items_Count{};
    std::optional<std::string> Fallback{};
    std::uint32_t Color = Color_Datum;
    bool Hidden = false;
};

// How a column is labelled: the header stored with the form, the header and hint text numbers, the
// width.
struct TLabel {
    std::string_view Caption{};
    int Header = 0;
    int Hint = 0;
    int Width = 64;
};

// The decimal texts "0" to "7" of the bit columns.
std::vector<std::string> Bit_Items();

// Column 0 (the row number) from labels[0], then column c from fields[c - 1] and labels[c], each with
// its attribute, in column order. Check boxes are centred.
void Add_Field_Columns(TGridDesc& grid, const std::vector<TField>& fields, const std::vector<TLabel>& labels);

// The attribute of that name (it must exist).
TAttributeDesc& Attribute(TGridDesc& grid, std::string_view name);

}  // namespace tables::modbus_s7_bacnet
