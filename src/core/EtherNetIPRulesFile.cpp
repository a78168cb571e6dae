#include "core/EtherNetIPRulesFile.h"

#include <system_error>

#include "core/tables/TableEngine.h"

namespace core {

TEtherNetIP_Rules_Load Load_EtherNetIP_Rules(const std::filesystem::path& file)
{
    const tables::TDialogDesc& desc = EtherNetIP_Desc();
    tables::TTable table = EtherNetIP_Table(std::vector<TEtherNetIP_Row>(EtherNetIP_Rows));
    tables::TTableState state;
    TEtherNetIP_Rules_Load load;
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec))
        load.Message = tables::Load_Table_File(desc, file, {&table}, state);
    load.Rows = EtherNetIP_Rows_Of(table);
    return load;
}

void Write_EtherNetIP_Rules_File(const std::filesystem::path& file, const std::vector<TEtherNetIP_Row>& rows)
{
    const tables::TTable table = EtherNetIP_Table(rows);
    tables::Save_Table_File(EtherNetIP_Desc(), file, {&table}, {});
}

}  // namespace core
