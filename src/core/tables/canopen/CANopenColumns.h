#pragma once
// What the three CANopen tables share: the texts of a block laid out alike, the colours of their
// columns, the data-array position columns with their attributes, and the position rule that
// looks only at the bytes a row carries.

#include <span>
#include <string_view>

#include "core/tables/TableDesc.h"

namespace tables::canopen {

// The colours the forms store: frame identity and size, data-array positions, timing, text.
inline constexpr std::uint32_t Frame_Color = 16710368, Address_Color = 16045820, Time_Color = 11075496,
                               Text_Color = Rgb(0xFF, 0xFF, 0xFF);

// The size of the converter's data array for both directions; positions run 0 to size - 1.
inline constexpr int Data_Array_Size = 1500;
inline constexpr std::string_view NByte_IN = "PROFINET_NByte_IN";
inline constexpr std::string_view NByte_OUT = "PROFINET_NByte_OUT";

// The block's texts: caption and description block and block + 1, the six button captions
// block + 2 to block + 7 and their hints block + 8 to block + 13, the tab captions block + 14 and
// block + 15.
TTextsDesc Block_Texts(int block, int deleteQuestion, int rowPrefix);

// A plain column.
TColumnDesc Column(std::string_view caption, int header, int hint, int width, std::uint32_t color);
// The "Y"/"N" check box of On Change, centred.
TColumnDesc Box_Column(std::string_view caption, int header, int hint, int width);

// The position columns "Add B1" ... "Add B8" of a PDO and "Add Byte1" ... "Add Byte4" of an SDO.
inline constexpr std::string_view PDO_Address_Captions[] = {"Add B1", "Add B2", "Add B3", "Add B4",
                                                            "Add B5", "Add B6", "Add B7", "Add B8"};
inline constexpr std::string_view SDO_Address_Captions[] = {"Add Byte1", "Add Byte2", "Add Byte3", "Add Byte4"};
// One position column per caption, headed from text header on and hinted from text hint on.
void Add_Address_Columns(TGridDesc& grid, std::span<const std::string_view> captions, int header, int hint, int width);
// Their attributes Address_B1 ... from column col on.
void Add_Address_Attributes(TGridDesc& grid, int col, int count);

// Positions 1 to the row's byte count (the cell colCount, already checked), in order, each in 0
// to Var(size) - 1; the message of byte k is textByte1 + k - 1 followed by the bound.
TRowRule Address_Rule(int colCount, int colByte1, int maxBytes, std::string_view size, int textByte1);

// The row's byte count is 1, 2 or 4.
TRowRule One_Two_Four(int col, int text);

// Both array sizes set at every show.
void Prepare_Sizes(TTableState& state);

}  // namespace tables::canopen
