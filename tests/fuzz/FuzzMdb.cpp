// Database files (.mdb, .accdb) for the grid's import: any input is read or refused with an
// EOfficeError naming the file; what a query reads has one text per field in every row.
#include "FuzzSupport.h"
#include "platform/office/Mdb.h"
#include "platform/office/OfficeError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput("input.mdb", fuzz::Text(data, size));
    try {
        for (const std::string& table : office::MdbTableNames(file.string())) {
            const office::QueryResult r = office::QueryMdb(file.string(), office::MdbTableQuery(table));
            for (const auto& row : r.rows)
                FUZZ_CHECK(row.size() == r.fields.size(), "a row with another number of fields");
        }
    } catch (const office::EOfficeError& e) {
        FUZZ_CHECK(e.File() == file.string(), "the error names another file");
    }
    return 0;
}
