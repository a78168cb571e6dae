// Language files (LANGUAGE/<name>.lng): any bytes in any of the encodings the reader follows
// override entries of the text table and never add or remove one.
#include "FuzzSupport.h"
#include "common/ULanguage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The built-in table once: a file only overrides entries, so what an earlier input left does
    // not change what this one can do.
    static const bool loaded = (Load_Default_Lang(), true);
    (void)loaded;
    const auto file = fuzz::WriteInput("Language.lng", fuzz::Text(data, size));
    Load_Lang_File(file.string());
    FUZZ_CHECK(Lang_List.size() == static_cast<std::size_t>(Lang_Table_Size), "the text table changed its size");
    return 0;
}
