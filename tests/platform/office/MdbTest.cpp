// Database files: no program here writes .mdb files, so these cover what reading meets when the
// file is not a database (missing, empty, text, a zip package, a damaged header, a page of zeros)
// for the table list, a query and the grid's import: an error naming the file, never a crash.
#include "platform/office/Mdb.h"

#include <gtest/gtest.h>

#include <string>

#include "ScratchDir.h"
#include "platform/office/OfficeError.h"

namespace office {
namespace {

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
