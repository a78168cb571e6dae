// Database files: a real file from the shared test data, read as mdbtools' own export shows it;
// and, as no program here writes .mdb files, what reading meets when the file is not a database
// (missing, empty, text, a zip package, a damaged header, a page of zeros) for the table list, a
// query and the grid's import: an error naming the file, never a crash.
#include "platform/office/Mdb.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScratchDir.h"
#include "TestData.h"
#include "platform/office/OfficeError.h"
#include "platform/rtl/DateTime.h"

namespace office {
namespace {

// The texts and date cells of a query result, one line per row ("1|D2021-12-02|Hello").
std::vector<std::string> RowLines(const QueryResult& r)
{
    std::vector<std::string> lines;
    for (const std::vector<Cell>& row : r.rows) {
        std::string line;
        for (const Cell& c : row) {
            if (!line.empty())
                line += '|';
            line += c.Kind == CellKind::Date ? "D" + rtl::FormatDateTime("yyyy-mm-dd hh:nn", SerialToDateTime(c.Number))
                                             : c.Text;
        }
        lines.push_back(line);
    }
    return lines;
}

// What `mdb-export` shows of the table, dates as the dates they are. libmdb cannot place dates
// before 1899-12-30 or after 2700 and hands out day 0 of January 1900 for them; its text stays.
TEST(Mdb, ARealTableReadsAsTheLibrarysExportShowsIt)
{
    CFG_TESTDATA_FILE(file, "mdb/DateTestDatabase.mdb");
    EXPECT_EQ(MdbTableNames(file.string()), std::vector<std::string>{"DateTest"});
    const QueryResult r = QueryMdb(file.string(), "SELECT * FROM DateTest");
    EXPECT_EQ(r.fields,
              (std::vector<std::string>{"IDCol", "DateTimeCol", "DateCol", "TimeCol", "LongTextCol", "ShortTextCol"}));
    const std::string noDay = "1900-01-00T00:00:00";
    const std::string d = "D2021-12-02 00:00";
    EXPECT_EQ(RowLines(r),
              (std::vector<std::string>{
                  "1|" + d + "|" + d + "|" + d + "|Hello|Hello",
                  "2|" + noDay + "|" + noDay + "|" + noDay + "|Year 9999|Year 1999",
                  "3|" + noDay + "|" + noDay + "|D1900-01-01 00:00|Pre-1900 years|Pre-1900 years",
                  "4|" + noDay + "|" + noDay + "|" + noDay + "|Pre-1000 years|Pre-1000 years",
                  "5|" + d + "|" + d + "|" + d + "|Escaped new line \\r\\n in field|Escaped new line \\r\\n in field",
                  "6|" + d + "|" + d + "|" + d + "|New line\r\nin field|No new line",
              }));

    const QueryResult some = QueryMdb(file.string(), "SELECT ShortTextCol, IDCol FROM [DateTest] WHERE IDCol = 6");
    EXPECT_EQ(some.fields, (std::vector<std::string>{"ShortTextCol", "IDCol"}));
    EXPECT_EQ(RowLines(some), std::vector<std::string>{"No new line|6"});
}

// Conditions of every form select the rows they name, query after query on one file (the library's
// condition trees are freed after each query, once: a sanitizer build sees a leak or a double free).
TEST(Mdb, WhereClausesSelectTheirRows)
{
    CFG_TESTDATA_FILE(file, "mdb/DateTestDatabase.mdb");
    struct Case {
        const char* where;
        std::vector<std::string> ids;
    };
    const Case cases[] = {
        {"IDCol = 6", {"6"}},
        {"IDCol = 6 AND ShortTextCol = 'No new line'", {"6"}},
        {"IDCol > 4 OR IDCol < 2", {"1", "5", "6"}},
        {"NOT IDCol = 1", {"2", "3", "4", "5", "6"}},
        {"ShortTextCol LIKE 'Pre%'", {"3", "4"}},
    };
    for (const Case& c : cases) {
        const QueryResult r = QueryMdb(file.string(), std::string("SELECT IDCol FROM [DateTest] WHERE ") + c.where);
        EXPECT_EQ(RowLines(r), c.ids) << c.where;
    }
}

TEST(Mdb, FilesThatAreNoDatabaseAreRefusedNamingTheFile)
{
    testsupport::ScratchDir dir;
    // A JET header signature followed by nothing a reader can use.
    std::string damaged("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    damaged.resize(4096, '\xFF');
    struct Case {
        const char* name;
        std::string bytes;
        bool create;
    } cases[] = {
        {"missing.mdb", "", false},
        {"empty.mdb", "", true},
        {"text.accdb", "id;name\r\n1;one\r\n", true},
        {"package.mdb", std::string("PK\x03\x04", 4) + std::string(200, '\0'), true},
        {"damaged.mdb", damaged, true},
        {"zeros.mdb", std::string(8192, '\0'), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = dir.File(c.name);
        if (c.create)
            testsupport::WriteFile(file, c.bytes);
        for (int call = 0; call < 2; ++call) {
            try {
                if (call == 0)
                    QueryMdb(file, "SELECT * FROM Items");
                else
                    MdbTableNames(file);
                ADD_FAILURE() << "read";
            } catch (const EOfficeError& e) {
                EXPECT_EQ(e.File(), file);
                EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
            }
        }
    }
}

}  // namespace
}  // namespace office
