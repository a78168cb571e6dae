// Workbooks, documents and database tables of the office applications, as files (.xlsx, .docx,
// .mdb/.accdb):
// this desktop has no automation servers, so the grid's office import and export stand on the
// office file library. Errors name the file; corrupt files are refused before the grid changes.
#pragma once

#include <memory>
#include <string>

#include "grid/stringgrid/GxGrid.h"
#include "platform/rtl/StringList.h"

namespace gx {

// The names of the workbook's worksheets.
std::unique_ptr<rtl::TStringList> GetXLSSheets(const std::string& FileName);
// The used range of the active (or the named) worksheet into the grid, from the saved area's
// first cell on. A missing sheet raises "Excel worksheet <name> not found".
void LoadFromXLS(TGxStringGrid& grid, const std::string& Filename);
void LoadFromXLSSheet(TGxStringGrid& grid, const std::string& Filename, const std::string& SheetName);
// The grid's cells (from the saved area's first row and column, line breaks' CR removed) into a
// new workbook, or into the named sheet of the workbook (created when missing; the workbook's
// other sheets and cells are kept).
void SaveToXLS(TGxStringGrid& grid, const std::string& Filename, bool CreateNewSheet = true);
void SaveToXLSSheet(TGxStringGrid& grid, const std::string& Filename, const std::string& SheetName);
// The grid's cells as a table, right and centre alignment kept, with the grid's caption before
// it: SaveToDOC into a new document, or without CreateNewDocument before the content of the
// document already in Filename (a file that is no document is refused and left as it is);
// AppendToDoc into an existing one at a bookmark (at its end when the bookmark is missing or
// empty).
void SaveToDOC(TGxStringGrid& grid, const std::string& Filename, bool CreateNewDocument = true);
void AppendToDoc(TGxStringGrid& grid, const std::string& Filename, const std::string& Bookmark);
// The result of an SQL query on a database file (.mdb, .accdb) into the grid: one column per field
// after the fixed columns, the field names in the last fixed row (when there is one), one row per
// record from the first normal row on; an empty value is an empty cell, dates are shown as the
// regional settings show them (as workbook dates are). The whole result is read
// before the grid changes; errors name the file (and the query's failure).
void LoadFromMDBSQL(TGxStringGrid& grid, const std::string& Filename, const std::string& SQL);
// The whole table: LoadFromMDBSQL with "SELECT * FROM [<Table>]" (the name may hold spaces).
void LoadFromMDBTable(TGxStringGrid& grid, const std::string& Filename, const std::string& Table);

}  // namespace gx
