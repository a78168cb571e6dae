#include "core/EtherCATSlaveFile.h"

#include <system_error>

#include "core/tables/TableEngine.h"

namespace core {

namespace {

constexpr TEtherCAT_Direction Directions[] = {TEtherCAT_Direction::Slave_To_Master,
                                              TEtherCAT_Direction::Master_To_Slave};

}  // namespace

TEtherCAT_Slave_Load Load_EtherCAT_Slave_Vars(const std::filesystem::path& file)
{
    const tables::TDialogDesc& desc = EtherCAT_Slave_Desc();
    TEtherCAT_Slave_Load load;
    tables::TTable toMaster = EtherCAT_Table(Directions[0], load.Vars.Slave_To_Master);
    tables::TTable toSlave = EtherCAT_Table(Directions[1], load.Vars.Master_To_Slave);
    std::vector<tables::TCells*> grids{&toMaster, &toSlave};
    tables::TTableState state;
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec))
        load.Message = tables::Load_Table_File(desc, file, grids, state);
    desc.After_Load(grids, state);
    load.Vars.Slave_To_Master = EtherCAT_Rows_Of(Directions[0], toMaster);
    load.Vars.Master_To_Slave = EtherCAT_Rows_Of(Directions[1], toSlave);
    return load;
}

void Write_EtherCAT_Slave_File(const std::filesystem::path& file, const TEtherCAT_Slave_Vars& vars)
{
    tables::TTable toMaster = EtherCAT_Table(Directions[0], vars.Slave_To_Master);
    tables::TTable toSlave = EtherCAT_Table(Directions[1], vars.Master_To_Slave);
    tables::TTableState state;
    tables::Save_Tables(EtherCAT_Slave_Desc(), file, {&toMaster, &toSlave}, state);
}

}  // namespace core
