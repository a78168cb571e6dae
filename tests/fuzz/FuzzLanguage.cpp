// Language files (LANGUAGE/<name>.lng): any bytes in any of the encodings the reader follows
// override entries of the text table and never add or remove one.
#include "FuzzSupport.h"
#include "common/LangFormat.h"
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
    // Texts with "%d" placeholders, whatever the file made of them, print with the arguments their
    // callers pass (server and variable numbers and a bound; a row and a bound; a row).
    for (int n = 4197; n <= 4216; ++n)
        (void)Lang_Safe_Format(n, {1, 2, 1499});
    (void)Lang_Safe_Format(4527, {3, 2000});
    (void)Lang_Safe_Format(4528, {3});
    return 0;
}
