// The column grid's column stream: the first byte gives the grid 1 to 4 columns, the rest is the
// stream. Any input is read or refused with rtl::EReadError, and a refused one leaves the columns
// as they were; what was read is written again to the same bytes.
#include <string>

#include "FuzzSupport.h"
#include "grid/columngrid/GxColumnGrid.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string body(reinterpret_cast<const char*>(data + 1), size - 1);
    gx::TGxColumnGrid grid(nullptr);
    grid.SetColCount(1 + data[0] % 4);
    grid.Loaded();
    rtl::TStringStream before("");
    grid.SaveColumnsToStream(before);
    rtl::TStringStream in(body);
    try {
        grid.LoadColumnsFromStream(in);
    } catch (const rtl::EReadError&) {
        rtl::TStringStream after("");
        grid.SaveColumnsToStream(after);
        FUZZ_CHECK(after.DataString() == before.DataString(), "a refused column stream changed the columns");
        return 0;
    }
    FUZZ_CHECK(grid.Columns()->Count() == grid.ColCount(), "the columns and their items went out of step");
    rtl::TStringStream again("");
    grid.SaveColumnsToStream(again);
    gx::TGxColumnGrid second(nullptr);
    second.SetColCount(grid.ColCount());
    second.Loaded();
    rtl::TStringStream back(again.DataString());
    second.LoadColumnsFromStream(back);
    rtl::TStringStream third("");
    second.SaveColumnsToStream(third);
    FUZZ_CHECK(third.DataString() == again.DataString(), "columns read from a written stream were written differently");
    return 0;
}
