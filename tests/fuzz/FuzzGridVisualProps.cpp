// The grid's visual property files: any input is applied or refused with an exception naming the
// file; a file the grid wrote after reading the input reads back to the same file.
#include <string>

#include "FuzzSupport.h"
#include "grid/extras/GridVisualProps.h"
#include "platform/rtl/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput("look.txt", fuzz::Text(data, size));
    gx::TGxStringGrid grid(nullptr);
    try {
        gx::LoadVisualProps(grid, file.string());
    } catch (const rtl::EFileError& e) {
        FUZZ_CHECK(e.File() == file.string(), "the error names another file");
        return 0;
    }
    const auto again = fuzz::WriteInput("again.txt", "");
    gx::SaveVisualProps(grid, again.string());
    const std::string written = fuzz::ReadFile(again);
    gx::TGxStringGrid other(nullptr);
    gx::LoadVisualProps(other, again.string());
    gx::SaveVisualProps(other, again.string());
    FUZZ_CHECK(fuzz::ReadFile(again) == written, "a written look reads back differently");
    return 0;
}
