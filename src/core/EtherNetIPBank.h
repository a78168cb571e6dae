#pragma once
// The EtherNet/IP connection table at the start of bank2: 10 records of 32 bytes, zero-filled to
// 512 bytes.

#include <string>
#include <vector>

#include "core/BankTypes.h"
#include "core/TableRows.h"

namespace core {

// Clears the 10 connection records.
void Init_EtherNetIP_Master_Table(TBankStorage& s);

// The address with blanks removed around each dot-separated part, the dots kept as they are.
std::string Trim_IP_Parts(const std::string& address);

// Compiles the enabled connection rows (none when `rows` is null) and stores the connection
// count and the input and output byte totals in the general block. Throws std::length_error when
// more than 10 rows are enabled.
void Read_EtherNetIP_Master_Rules(TBankStorage& s, const std::vector<TTableRow>* rows);

// Appends the 10 records and zeros up to 512 bytes to the bank2 image.
void Put_EtherNetIP_Master_Table(TBankStorage& s);

}  // namespace core
