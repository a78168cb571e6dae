#pragma once
// What the CAN family's tables share: check-box columns; and, for raw CAN frames, the identifier's
// range by its type and the eight data-byte columns that name a position of the data array (or
// "None") up to MAX_Byte - 1.

#include <vector>

#include "core/tables/TableDesc.h"

namespace tables::can {

inline constexpr std::string_view Type_11_Bits = "2.0A (11 bits)";
inline constexpr std::string_view Type_29_Bits = "2.0B (29 bits)";

// The CobID's range follows the Type: 0 to 0x7FF only for exactly "2.0A (11 bits)" (text11),
// 0 to 0x1FFFFFFF otherwise, an empty Type included (text29).
TRowRule CobID_Rule(int colCobID, int colType, int text11, int text29);

// The bytes of the frame's length only (Dimension, read as n, 1 to 8): empty or exactly "None", or
// a position 0 to MAX_Byte - 1. The message is the byte's text, the bound and " or None": byte 1
// has textByte1, " or None" is textByte1 + 1, byte k >= 2 has textByte1 + k.
TRowRule Byte_Positions_Rule(int colDim, int colByte1, int textByte1);

// The texts of a dialog with six buttons whose block starts at block: caption and description
// block and block + 1, the button captions block + 2 to block + 7, their hints hints to hints + 5.
TTextsDesc Block_Texts(int block, int hints, int deleteQuestion, int rowPrefix);
// Hints shown over Copy Row and Paste Row only (those of the other buttons are set, not shown).
inline constexpr std::array<bool, Button_Count> Copy_Paste_Hints_Only = {false, false, false, false, true, true};

// A check-box column ("Y"/"N", centred) as the CAN family's tables have many.
TColumnDesc Box_Column(std::string_view caption, int header, int hint, int width, std::uint32_t color);

// The eight Byte columns from colByte1 on: headers headerByte1 + k - 1, hints hintByte1 + k - 1,
// "None" then the positions counted up to MAX_Byte.
void Add_Byte_Columns(TGridDesc& grid, int headerByte1, int hintByte1, std::uint32_t color);
// The attributes Byte1 to Byte8 of the columns from colByte1 on, empty when missing.
void Add_Byte_Attributes(TGridDesc& grid, int colByte1);

}  // namespace tables::can
