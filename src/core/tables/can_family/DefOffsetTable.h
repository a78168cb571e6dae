#pragma once
// The DeviceNet byte-offset maps (TFDefOffset) without their window: the slaves of the network
// file DNETM_Net.xml, each input and output byte's offset in the exchange array ("None" or 0 to
// 1439) and mnemonic from DNETM_DefOff.xml, the check that no array byte is the target of two
// output bytes, and the file written back. The window's byte grids are a descriptor of the frame
// (two tab sheets, OK and Cancel only); the slaves and the file are this module's own.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/tables/TableDesc.h"

namespace tables::can {

// Offsets of the exchange array a DeviceNet byte can be put at (MAX_BYTE_IN, MAX_BYTE_OUT).
inline constexpr int DN_MAX_BYTE = 1440;

// One slave of the network file with its two byte maps (entry j: byte j, counted from 0).
struct TSlave_DN {
    std::uint8_t ID = 0;
    std::uint16_t ByteIN = 0;
    std::uint16_t ByteOUT = 0;
    std::vector<std::string> SL_ByteIN{}, SL_ByteIN_M{}, SL_ByteOUT{}, SL_ByteOUT_M{};
    // The network file's row as the slave grid shows it: ID, NB_IN, NB_OUT, Mnemonic.
    std::array<std::string, 4> Texts{};
    // The first of ID, NB_IN, NB_OUT that is not a whole number its field holds (ID 0 to 255, the
    // byte counts 0 to 65535); empty when they all are. Such a slave has no bytes and the check
    // refuses it.
    std::string Bad_Attribute{};
};

// The slaves of DNETM_Net.xml in file order, each byte at "None" with an empty mnemonic. A missing
// file gives none; a row without one of the four attributes ends the reading there with the note.
struct TSlaves_DN {
    std::vector<TSlave_DN> Slaves{};
    std::string Note{};
};
TSlaves_DN Load_Slave_DN(const std::filesystem::path& netFile);

// DNETM_DefOff.xml into the slaves' maps: the root's k-th child serves slave k, its ByteIN and
// ByteOUT elements' j-th rows byte j (Offset and Mnemonic, no fallback). What the file holds beyond
// the slaves or their bytes is not loaded, and said; so are missing elements and attributes.
// Returns the note for the user, empty when the file is missing or read whole.
std::string Load_Offset_Slave_DN(const std::filesystem::path& file, std::vector<TSlave_DN>& slaves);

// The check of OK, slave by slave: a slave whose network row is not a number is refused; an
// offset of 1440 or more (input or output) is refused; an array byte that is the target of two
// output bytes is refused, naming the first and the second holder. Returns the first fault's
// message, empty when there is none. "None" and other texts that read no number are passed over.
std::string Check_Data(const std::vector<TSlave_DN>& slaves);

// The file: root Define_Offset, the comment, one Nodo_DNET per slave with its ByteIN and ByteOUT
// rows (Offset, Mnemonic). Saving throws xml::XmlError naming the file when it cannot be written.
std::string Offset_File_Text(const std::vector<TSlave_DN>& slaves);
void Save_Offset_Slave_DN(const std::filesystem::path& file, const std::vector<TSlave_DN>& slaves);

// The window's two byte grids (ACG_ByteIN on TabSheet1, ACG_ByteOUT on TabSheet2) and texts.
const TDialogDesc& DefOffset_Desc();

}  // namespace tables::can
