// The grid's column states string: any text is applied or refused with a conversion error that
// leaves the grid as it was; the string of an applied layout applies to the same layout again.
#include <string>

#include "FuzzSupport.h"
#include "grid/extras/GridColumnLayout.h"
#include "platform/rtl/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 4096)
        return 0;  // column counts beyond the grid's reach are not what this looks for
    gx::TGxStringGrid grid(nullptr);
    grid.SetColCount(5);
    grid.SetColumnOrder();
    const std::string before = gx::ColumnStatesToString(grid);
    try {
        gx::StringToColumnStates(grid, std::string(fuzz::Text(data, size)));
    } catch (const rtl::EConvertError&) {
        FUZZ_CHECK(gx::ColumnStatesToString(grid) == before, "a refused text changed the grid");
        return 0;
    }
    const std::string applied = gx::ColumnStatesToString(grid);
    gx::StringToColumnStates(grid, applied);
    FUZZ_CHECK(gx::ColumnStatesToString(grid) == applied, "a grid's own layout changes it");
    return 0;
}
