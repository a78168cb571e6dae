// The grid's saved area as an XML list of records, and any XML document read into the grid: one
// row per record element, one cell per field element or attribute.
#pragma once

#include <string>

#include "grid/stringgrid/GxGrid.h"
#include "platform/rtl/StringList.h"

namespace gx {

// Field names come from FieldDescr (by column of the saved area) or are FIELD0, FIELD1 ...
// Every text is escaped so that any XML parser reads it back as it was (line breaks and
// characters beyond ASCII as character references).
void SaveToXML(TGxStringGrid& grid, const std::string& FileName, const std::string& ListDescr,
               const std::string& RecordDescr, const rtl::TStrings* FieldDescr, bool ExportEmptyCells);
// Reads the children of the document element as records. Refuses a missing or malformed file
// (naming it, with the line of the fault) before the grid changes.
void LoadFromXML(TGxStringGrid& grid, const std::string& FileName, bool LevelToRow = false,
                 bool LoadFieldDescr = false);

}  // namespace gx
