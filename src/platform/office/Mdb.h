#pragma once
// Tables and query results of desktop database files (.mdb, .accdb) read through libmdb and its
// SQL layer (the SELECT statements that layer understands). Reading only: there is no writer.
#include <string>
#include <vector>

#include "platform/office/Workbook.h"

namespace office {

struct QueryResult {
    std::vector<std::string> fields;  // the result's column names
    // One cell per field: a Date (serial day number) for a date field whose value libmdb can
    // place, else the value as libmdb gives it as text; an empty value is an empty text. Row and
    // Col of a cell are not used.
    std::vector<std::vector<Cell>> rows;
};

// Runs the query on the database file. Raises EOfficeError naming the file: a file that cannot be
// opened or is no database, and a query the SQL layer refuses (its message as the reason).
QueryResult QueryMdb(const std::string& fileName, const std::string& sql);

// The query for a whole table, its name quoted as the SQL layer needs it (names may hold spaces);
// a name already in brackets stays as it is.
std::string MdbTableQuery(const std::string& table);

// The names of the database's user tables.
std::vector<std::string> MdbTableNames(const std::string& fileName);

}  // namespace office
