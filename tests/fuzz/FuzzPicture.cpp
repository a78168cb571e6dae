// Pictures (flags of the language list, cell and image-picker pictures): BMP and JPEG through our
// own decoders, PNG and the other formats through the backend. A picture is decoded or refused
// with a reason; none larger than the size limit is ever decoded.
#include "FuzzSupport.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/ImageCodecs.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ui::TBitmap bitmap;
    try {
        bitmap.LoadFromMemory(data, size);
    } catch (const rtl::Exception&) {
        FUZZ_CHECK(bitmap.Empty(), "a refused picture changed the bitmap");
        return 0;
    }
    FUZZ_CHECK(bitmap.Width() <= ui::kMaxPictureSide && bitmap.Height() <= ui::kMaxPictureSide,
               "a picture beyond the size limit was decoded");
    return 0;
}
