// The CANopen EDS export from the saved tables: byte-exact files for no tables, for two receive
// and one transmit PDO and for manufacturer objects out of order, each sound by CiA 306's rules;
// the 12-hour clock; the readers' fallbacks; and every table the export refuses, with its message
// and no file written.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CoreTestSupport.h"
#include "EdsStructure.h"
#include "common/UComon.h"
#include "common/ULanguage.h"
#include "core/tables/TableEngine.h"
#include "core/tables/canopen/PDOTable.h"
#include "core/tables/canopen/SDOServerTable.h"
#include "core/tables/canopen/UEds.h"

namespace {

namespace fs = std::filesystem;
using namespace tables::canopen;

rtl::TDateTime At(int year, int month, int day, int hour, int minute)
{
    return rtl::EncodeDateTime(year, month, day, hour, minute, 0, 0);
}

class EdsExport : public ::testing::Test {
protected:
    EdsExport() : savedPDO_(File_PDO_CANopen), savedSDO_(File_SDO_Server_CANopen)
    {
        Load_Default_Lang();
        File_PDO_CANopen = dir.File("PDO_CANopen.xml");
        File_SDO_Server_CANopen = dir.File("SDO_Server_CANopen.xml");
    }
    ~EdsExport() override
    {
        File_PDO_CANopen = savedPDO_;
        File_SDO_Server_CANopen = savedSDO_;
    }

    // A table file as its dialog saves it: rows of each table from column 1 on.
    static void Save_Table(const tables::TDialogDesc& desc, const std::vector<std::vector<std::string>>& first,
                           const std::vector<std::vector<std::string>>& second)
    {
        std::vector<std::unique_ptr<tables::TTable>> owned;
        std::vector<const tables::TCells*> grids;
        const std::vector<std::vector<std::string>>* rows[] = {&first, &second};
        for (std::size_t g = 0; g < 2; ++g) {
            owned.push_back(std::make_unique<tables::TTable>(desc.Grids[g].Col_Count(), desc.Grids[g].Rows + 1));
            for (std::size_t r = 0; r < rows[g]->size(); ++r)
                for (std::size_t c = 0; c < (*rows[g])[r].size(); ++c)
                    owned.back()->SetCell(static_cast<int>(c) + 1, static_cast<int>(r) + 1, (*rows[g])[r][c]);
            grids.push_back(owned.back().get());
        }
        tables::TTableState state;
        desc.Prepare(state);
        ASSERT_FALSE(tables::First_Fault(desc, grids, state)) << "the dialog would not save it";
        tables::Save_Table_File(desc, *desc.File, grids, state);
    }

    // Writes the file at the given time and checks what every EDS file must be.
    std::string Export(rtl::TDateTime now = At(2021, 3, 7, 9, 5))
    {
        const fs::path file = dir / "converter.eds";
        Save_EDS_File(file.string(), now);
        const std::string bytes = testsupport::ReadFile(file);
        EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
        const std::vector<std::string> faults = canopentest::EDS_Structure_Faults(bytes);
        EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
        return bytes;
    }

    testsupport::ScratchDir dir;

private:
    std::string savedPDO_, savedSDO_;
};

TEST_F(EdsExport, NoTablesGiveTheFixedObjectsOnly)
{
    EXPECT_EQ(Export(), coretest::Read_Golden("eds_no_tables.eds"));
}

TEST_F(EdsExport, TwoReceiveAndOneTransmitPDO)
{
    Save_Table(Set_PDO_Access_Desc(),
               {{"0x201", "3", "0", "1", "2", "", "", "", "", "", "100", "pressures"},
                {"0x202", "2", "10", "11", "", "", "", "", "", "", "0", ""}},
               {{"0x181", "1", "20", "", "", "", "", "", "", "", "50", "Y", "state"}});
    EXPECT_EQ(Export(At(2021, 3, 7, 18, 45)), coretest::Read_Golden("eds_two_receive_one_transmit.eds"));
}

// Read rows: 0x2001 sub 2, 0x2000 sub 0x0A, 0x2001 sub 0xFF; write rows: 0x2001 sub 1, 0x2002 sub 0,
// 0x2000 sub 0. Objects keep the order of their first row; sub-indexes are sorted; an object
// without sub-index 0 gets one naming its largest sub-index. Mnemonics never reach the file.
TEST_F(EdsExport, ManufacturerObjectsInTheOrderMetWithSortedSubIndexes)
{
    Save_Table(Set_SDO_Server_Access_Desc(),
               {{"0x2001", "2", "4", "0", "1", "2", "3", "Temp\xC3\xA9rature \xE2\x98\x83"},
                {"0x2000", "0x0A", "1", "4"},
                {"8193", "$FF", "2", "5", "6"}},
               {{"0x2001", "1", "2", "7", "8"},
                {"0x2002", "0", "2", "9", "10"},
                {"0x2000", "0", "4", "11", "12", "13", "14"}});
    EXPECT_EQ(Export(At(2021, 3, 7, 12, 0)), coretest::Read_Golden("eds_manufacturer_objects.eds"));
}

TEST(EdsClock, TwelveHourTimeAndMonthFirstDate)
{
    struct Case {
        int hour, minute;
        const char* time;
    };
    const Case cases[] = {{0, 0, "12:00AM"},   {0, 10, "12:10AM"},  {9, 5, "09:05AM"},
                          {11, 59, "11:59AM"}, {12, 0, "12:00PM"},  {12, 30, "12:30PM"},
                          {13, 1, "01:01PM"},  {18, 45, "06:45PM"}, {23, 59, "11:59PM"}};
    for (const Case& c : cases)
        EXPECT_EQ(EDS_Time(At(2021, 3, 7, c.hour, c.minute)), c.time) << c.hour << ":" << c.minute;
    EXPECT_EQ(EDS_Date(At(2021, 3, 7, 0, 0)), "03-07-2021");
    EXPECT_EQ(EDS_Date(At(1999, 12, 31, 23, 59)), "12-31-1999");
}

TEST_F(EdsExport, UnreadablePDONumbersTakeTheirDefaults)
{
    testsupport::WriteFile(File_PDO_CANopen, "<PDO_CANopen><Receive_PDO><row COB-ID=\"7FF\" Dimension=\"two\"/>"
                                             "</Receive_PDO><Transmit_PDO/></PDO_CANopen>");
    const std::string text = Export();
    EXPECT_NE(text.find("[1400sub1]\r\nParameterName=COB-ID\r\nObjectType=0x07\r\nDataType=0x0007\r\n"
                        "AccessType=rw\r\nDefaultValue=0x00000000\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("[1600]\r\nSubNumber=9\r\n"), std::string::npos) << "eight bytes";
}

// A table the export cannot describe: the message, and no file (an earlier one stays as it was).
struct RefusedCase {
    const char* what;
    const char* pdo;      // the PDO file, or nullptr for none
    const char* sdo;      // the SDO server file, or nullptr for none
    std::string message;  // with @PDO@ and @SDO@ for the files' names
    bool starts = false;  // the message begins so (the parser's own words follow)
    friend void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.what; }
};

class EdsRefused : public EdsExport, public ::testing::WithParamInterface<RefusedCase> {};

std::string Pdo_Rows(int n)
{
    std::string rows;
    for (int i = 0; i < n; ++i)
        rows += "<row COB-ID=\"" + std::to_string(0x200 + i) + "\" Dimension=\"1\"/>";
    return rows;
}

TEST_P(EdsRefused, SaysWhyAndWritesNothing)
{
    const RefusedCase& c = GetParam();
    if (c.pdo)
        testsupport::WriteFile(File_PDO_CANopen, c.pdo);
    if (c.sdo)
        testsupport::WriteFile(File_SDO_Server_CANopen, c.sdo);
    const fs::path file = dir / "converter.eds";
    testsupport::WriteFile(file, "earlier");
    std::string message = c.message;
    for (const auto& [mark, name] : {std::pair{"@PDO@", File_PDO_CANopen}, {"@SDO@", File_SDO_Server_CANopen}})
        if (const std::size_t at = message.find(mark); at != std::string::npos)
            message.replace(at, 5, name);
    try {
        Save_EDS_File(file.string(), At(2021, 3, 7, 9, 5));
        ADD_FAILURE() << "the export went through";
    } catch (const EEdsError& e) {
        if (c.starts)
            EXPECT_EQ(e.Message.substr(0, message.size()), message);
        else
            EXPECT_EQ(e.Message, message);
    }
    EXPECT_EQ(testsupport::ReadFile(file), "earlier");
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1u + (c.pdo ? 1 : 0) + (c.sdo ? 1 : 0)) << "no temporary file is left";
}

const std::string Not_Written = "The EDS file was not written: ";
const std::string Thirty_One = "<PDO_CANopen><Receive_PDO>" + Pdo_Rows(30) + "</Receive_PDO><Transmit_PDO>" +
                               Pdo_Rows(31) + "</Transmit_PDO></PDO_CANopen>";

INSTANTIATE_TEST_SUITE_P(
    Tables, EdsRefused,
    ::testing::Values(
        RefusedCase{"a PDO file that is not well formed", "<PDO_CANopen><Receive_PDO>", nullptr,
                    Not_Written + "@PDO@: ", true},
        RefusedCase{"a PDO file without its transmit table", "<PDO_CANopen><Receive_PDO/></PDO_CANopen>", nullptr,
                    Not_Written + "the file @PDO@ has no section Transmit_PDO."},
        RefusedCase{"a PDO without its length",
                    "<PDO_CANopen><Receive_PDO/><Transmit_PDO><row COB-ID=\"1\" Dimension=\"1\"/><row COB-ID=\"1\"/>"
                    "</Transmit_PDO></PDO_CANopen>",
                    nullptr, Not_Written + "row 2 of Transmit PDO in the file @PDO@ has no attribute Dimension."},
        RefusedCase{"thirty-one transmit PDOs", Thirty_One.c_str(), nullptr,
                    Not_Written + "the file @PDO@ holds 31 rows in Transmit PDO; the EDS file describes at most 30 "
                                  "PDOs of each direction."},
        RefusedCase{"a PDO of nine bytes",
                    "<PDO_CANopen><Receive_PDO><row COB-ID=\"1\" Dimension=\"9\"/></Receive_PDO><Transmit_PDO/>"
                    "</PDO_CANopen>",
                    nullptr, Not_Written + "row 1 of Receive PDO in the file @PDO@ holds Dimension 9, outside 0 to 8."},
        RefusedCase{"a PDO of a negative length",
                    "<PDO_CANopen><Receive_PDO/><Transmit_PDO><row COB-ID=\"1\" Dimension=\"-1\"/></Transmit_PDO>"
                    "</PDO_CANopen>",
                    nullptr,
                    Not_Written + "row 1 of Transmit PDO in the file @PDO@ holds Dimension -1, outside 0 to 8."},
        RefusedCase{"an SDO file without its write table", nullptr,
                    "<SDO_Server_CANopen><SDO_Read><row Index=\"0x2000\" SubIndex=\"0\" NByte=\"1\"/></SDO_Read>"
                    "</SDO_Server_CANopen>",
                    Not_Written + "the file @SDO@ has no section SDO_Write."},
        RefusedCase{"an object without its size", nullptr,
                    "<SDO_Server_CANopen><SDO_Read/><SDO_Write><row Index=\"0x2000\" SubIndex=\"0\"/></SDO_Write>"
                    "</SDO_Server_CANopen>",
                    Not_Written + "row 1 of SDO in Write in the file @SDO@ has no attribute NByte."},
        RefusedCase{"an index that is no number", nullptr,
                    "<SDO_Server_CANopen><SDO_Read><row Index=\"2000h\" SubIndex=\"0\" NByte=\"1\"/></SDO_Read>"
                    "<SDO_Write/></SDO_Server_CANopen>",
                    Not_Written +
                        "row 1 of SDO in Read in the file @SDO@ holds Index \"2000h\", which is not a number."},
        RefusedCase{"an index of the communication objects", nullptr,
                    "<SDO_Server_CANopen><SDO_Read><row Index=\"0x1018\" SubIndex=\"0\" NByte=\"1\"/></SDO_Read>"
                    "<SDO_Write/></SDO_Server_CANopen>",
                    Not_Written +
                        "row 1 of SDO in Read in the file @SDO@ holds Index 0x1018, outside 0x2000 to 0x5FFF."},
        RefusedCase{"a sub-index past 8 bits", nullptr,
                    "<SDO_Server_CANopen><SDO_Read/><SDO_Write><row Index=\"0x2000\" SubIndex=\"256\" NByte=\"1\"/>"
                    "</SDO_Write></SDO_Server_CANopen>",
                    Not_Written + "row 1 of SDO in Write in the file @SDO@ holds SubIndex 256, outside 0x0 to 0xFF."},
        RefusedCase{"one object in both tables", nullptr,
                    "<SDO_Server_CANopen><SDO_Read><row Index=\"0x2000\" SubIndex=\"1\" NByte=\"1\"/>"
                    "<row Index=\"0x2001\" SubIndex=\"1\" NByte=\"1\"/></SDO_Read><SDO_Write>"
                    "<row Index=\"8193\" SubIndex=\"$1\" NByte=\"2\"/></SDO_Write></SDO_Server_CANopen>",
                    Not_Written + "row 2 of SDO in Read and row 1 of SDO in Write in the file @SDO@ name the same "
                                  "Index and SubIndex."}),
    testsupport::kNameByWhat);

TEST_F(EdsExport, AFolderThatCannotBeWrittenIsSaid)
{
    const std::string file = (dir / "missing" / "converter.eds").string();
    try {
        Save_EDS_File(file, At(2021, 3, 7, 9, 5));
        ADD_FAILURE() << "the export went through";
    } catch (const EEdsError& e) {
        EXPECT_EQ(e.Message.rfind(Not_Written, 0), 0u) << e.Message;
        EXPECT_NE(e.Message.find(file), std::string::npos) << e.Message;
    }
}

}  // namespace
