// The files the string grid loads: its own cell text format (as a file and as a stream), CSV,
// fixed-width columns and XML records. The first byte picks the reader (its three low bits) and
// its options (the bits above them), the rest is the file. A refused file is an error, never a
// crash, and leaves a grid that can still be walked cell by cell.
#include "FuzzSupport.h"
#include "grid/extras/GridTextFiles.h"
#include "grid/extras/GridXml.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t options = data[0];
    const std::string_view body = fuzz::Text(data + 1, size - 1);
    gx::TGxStringGrid grid(nullptr);
    grid.Multilinecells = (options & 0x08) != 0;
    try {
        switch (options & 0x07) {
        case 0:
            gx::LoadFromFile(grid, fuzz::WriteInput("grid.txt", body).string());
            break;
        case 1: {
            rtl::TStringStream stream{std::string(body)};
            gx::LoadFromStream(grid, stream);
            break;
        }
        case 2:
            gx::LoadFromCSV(grid, fuzz::WriteInput("grid.csv", body).string(), (options & 0x10) ? 3 : 0);
            break;
        case 3: {
            gx::TIntList positions(0, 0);
            for (const int start : {9, 1, 4})
                positions.Add(start);
            gx::LoadFromFixed(grid, fuzz::WriteInput("grid.dat", body).string(), positions, (options & 0x10) != 0);
            break;
        }
        default:
            gx::LoadFromXML(grid, fuzz::WriteInput("grid.xml", body).string(), (options & 0x10) != 0,
                            (options & 0x20) != 0);
        }
    } catch (const rtl::Exception&) {
    }
    FUZZ_CHECK(grid.RowCount() >= 1 && grid.ColCount() >= 1, "the grid lost its last row or column");
    std::size_t total = 0;
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            total += grid.Cells(grid.RealColIndex(c), r).size();
    (void)total;
    return 0;
}
