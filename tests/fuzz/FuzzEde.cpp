// EDE files offered to the BACnet client's import, in any encoding the reader follows: the objects
// listed are of the types the client tables take, marked for import and reading and for writing
// exactly when commandable; appended to the tables they stay inside the data rows, every object
// either written or counted as left out.
#include "FuzzSupport.h"
#include "core/tables/TableEngine.h"
#include "core/tables/modbus_s7_bacnet/BACnetAccessTable.h"
#include "core/tables/modbus_s7_bacnet/BACnetEDEImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    namespace ms7 = tables::modbus_s7_bacnet;
    const auto file = fuzz::WriteInput("Device.csv", fuzz::Text(data, size));
    const std::vector<ms7::TBACnet_Var> vars = ms7::Load_EDE_File(file);
    int reads = 0, writes = 0;
    for (const ms7::TBACnet_Var& v : vars) {
        FUZZ_CHECK(ms7::EDE_Type_Kept(v.object_type), "an object of a type the tables do not take");
        FUZZ_CHECK(v.import && v.read && v.write == v.commandable, "an object not marked as read");
        reads += 1;
        writes += v.write ? 1 : 0;
    }
    const tables::TDialogDesc& desc = ms7::BACnet_Access_Desc();
    tables::TTable read(desc.Grids[0].Col_Count(), desc.Grids[0].Rows + 1);
    tables::TTable write(desc.Grids[1].Col_Count(), desc.Grids[1].Rows + 1);
    tables::Reset_Rows(desc.Grids[0], read);
    tables::Reset_Rows(desc.Grids[1], write);
    const ms7::TEDE_Import_Result r =
        ms7::Import_EDE_Objects(read, write, ms7::bacnet_read::Address, "127.0.0.1", vars);
    FUZZ_CHECK(r.Read_Rows + r.Read_Left_Out == reads, "a read object neither written nor left out");
    FUZZ_CHECK(r.Write_Rows + r.Write_Left_Out == writes, "a write object neither written nor left out");
    FUZZ_CHECK(r.Read_Rows <= desc.Grids[0].Rows && r.Write_Rows <= desc.Grids[1].Rows, "rows past the table");
    return 0;
}
