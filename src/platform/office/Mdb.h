#pragma once
// Tables and query results of desktop database files (.mdb, .accdb) read through libmdb and its
// SQL layer (the SELECT statements that layer understands). Reading only: there is no writer.
#include <string>
#include <vector>

namespace office {

struct QueryResult {
    std::vector<std::string> fields;             // the result's column names
    std::vector<std::vector<std::string>> rows;  // one text per field; an empty value is ""
};

// Runs the query on the database file. Raises EOfficeError naming the file: a file that cannot be
// opened or is no database, and a query the SQL layer refuses (its message as the reason).
QueryResult QueryMdb(const std::string& fileName, const std::string& sql);

// The names of the database's user tables.
std::vector<std::string> MdbTableNames(const std::string& fileName);

}  // namespace office
