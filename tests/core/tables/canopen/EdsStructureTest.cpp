// The structure check the export's files are held to finds what it is there for: each case breaks
// one of CiA 306's rules in the file for no tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "CaseName.h"
#include "CoreTestSupport.h"
#include "EdsStructure.h"

namespace {

struct BrokenCase {
    const char* what;
    std::string from, to;  // the first occurrence replaced
    std::string fault;     // a part of the fault named
    friend void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.what; }
};

class EdsStructureCheck : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(EdsStructureCheck, NamesTheBrokenRule)
{
    std::string text = coretest::Read_Golden("eds_no_tables.eds");
    ASSERT_TRUE(canopentest::EDS_Structure_Faults(text).empty());
    const BrokenCase& c = GetParam();
    const std::size_t at = text.find(c.from);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, c.from.size(), c.to);
    const std::vector<std::string> faults = canopentest::EDS_Structure_Faults(text);
    EXPECT_TRUE(std::any_of(faults.begin(), faults.end(), [&](const std::string& f) {
        return f.find(c.fault) != std::string::npos;
    })) << ::testing::PrintToString(faults);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, EdsStructureCheck,
    ::testing::Values(
        BrokenCase{"a count of listed objects that is wrong", "SupportedObjects=8", "SupportedObjects=9",
                   "says 9 objects"},
        BrokenCase{"a listed object without its section", "SupportedObjects=8\r\n",
                   "SupportedObjects=9\r\n9=0x1010\r\n", "0x1010, which has no section"},
        BrokenCase{"an object in no list", "[1017]", "[1019]", "[1019] is in no object list"},
        BrokenCase{"a sub-index count that is wrong", "SubNumber=3", "SubNumber=4", "SubNumber=4 and has 3"},
        BrokenCase{"a section given twice", "[1001]", "[1000]", "section [1000] appears twice"},
        BrokenCase{"a key given twice", "PDOMapping=0\r\n", "PDOMapping=0\r\npdomapping=1\r\n", "twice"},
        BrokenCase{"a reserved data type", "DataType=0x0009", "DataType=0x000E", "data type '0x000E'"},
        BrokenCase{"an access type CiA 306 does not know", "AccessType=const", "AccessType=readonly", "access type"},
        BrokenCase{"an object type of no object", "ObjectType=0x08", "ObjectType=0x03", "object type '0x03'"},
        BrokenCase{"a count of receive PDOs without them", "NrOfRXPDO=0", "NrOfRXPDO=1", "NrOfRXPDO=1"},
        BrokenCase{"a bare line feed", "Lines=0\r\n", "Lines=0\n", "bare"},
        BrokenCase{"a manufacturer object among the optional ones", "8=0x1280", "8=0x2000",
                   "[OPTIONALOBJECTS] lists 0x2000"}),
    testsupport::kNameByWhat);

}  // namespace
