#pragma once
// Workbooks as .xlsx files: read through the zip library and pugixml (shared and inline strings,
// numbers, booleans, dates as serial numbers, errors, several sheets with their names), written
// through libxlsxwriter and the project's atomic save. Errors are EOfficeError naming the file,
// the part of the package and the reason.
#include "platform/office/Workbook.h"
#include <string>
#include <vector>

namespace office {

// The whole workbook: its worksheets in order (chart sheets hold no cells and are left out) and
// the one that was active when the file was saved.
Workbook ReadXlsx(const std::string& fileName);
// The same from the file's bytes; fileName only names the file in errors.
Workbook ReadXlsxBytes(std::string bytes, const std::string& fileName);

// The names of the worksheets, in order.
std::vector<std::string> ReadXlsxSheetNames(const std::string& fileName);

// Writes every sheet of the workbook (Text, Number, Boolean and Date cells; Error cells as their
// text) and marks ActiveSheet active. Sheet names follow the format's rules (1 to 31 characters,
// none of []:*?/\, unique ignoring case); a text holds at most 32767 characters.
void WriteXlsx(const std::string& fileName, const Workbook& book);

}  // namespace office
