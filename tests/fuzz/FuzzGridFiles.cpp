// The grid's file readers: the first byte picks the reader (own text file, own text stream, CSV,
// fixed width, XML, cell stream), the rest is the file. Any input is read or refused with an
// exception; what was read as CSV or as a cell stream is written and read again to the same cells.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "grid/extras/GridCellStream.h"
#include "grid/extras/GridTextFiles.h"
#include "grid/extras/GridXml.h"
#include "platform/rtl/Exceptions.h"

namespace {

std::vector<std::string> Cells(gx::TGxStringGrid& g)
{
    std::vector<std::string> out;
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c)
            out.push_back(g.Cells(c, r));
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string body(fuzz::Text(data + 1, size - 1));
    gx::TGxStringGrid grid(nullptr);
    grid.Multilinecells = true;
    try {
        switch (data[0] % 6) {
        case 0:
            gx::LoadFromFile(grid, fuzz::WriteInput("grid.txt", body).string());
            break;
        case 1: {
            rtl::TStringStream s(body);
            gx::LoadFromStream(grid, s);
            break;
        }
        case 2: {
            gx::LoadFromCSV(grid, fuzz::WriteInput("grid.csv", body).string());
            const auto cells = Cells(grid);
            const auto file = fuzz::WriteInput("again.csv", "");
            gx::SaveToCSV(grid, file.string(), true);
            gx::TGxStringGrid again(nullptr);
            again.Multilinecells = true;
            again.SetColCount(grid.ColCount());
            gx::LoadFromCSV(again, file.string());
            FUZZ_CHECK(Cells(again) == cells, "CSV cells read back differently after writing");
            break;
        }
        case 3: {
            gx::TIntList starts(0, 0);
            starts.SetStrValue("1,4,9,20");
            gx::LoadFromFixed(grid, fuzz::WriteInput("grid.fix", body).string(), starts);
            break;
        }
        case 4:
            gx::LoadFromXML(grid, fuzz::WriteInput("grid.xml", body).string(), (size & 1) != 0);
            break;
        case 5: {
            rtl::TStringStream s(body);
            gx::LoadFromBinStream(grid, s);
            const auto cells = Cells(grid);
            rtl::TMemoryStream out;
            gx::SaveToBinStream(grid, out);
            out.SetPosition(0);
            gx::TGxStringGrid again(nullptr);
            gx::LoadFromBinStream(again, out);
            FUZZ_CHECK(Cells(again) == cells, "cell stream reads back differently after writing");
            break;
        }
        }
    } catch (const rtl::Exception&) {
        // refused: fine
    }
    return 0;
}
