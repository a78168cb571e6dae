// Pictures from and to files: BMP written here, PNG through the backend, JPEG through libjpeg.
#include <gtest/gtest.h>

#include "ScratchDir.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Graphics.h"
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace ui;
namespace fs = std::filesystem;

namespace {
struct TempDir : testsupport::ScratchDir {
    TempDir() : ScratchDir("ui_pictures") {}
    std::string operator/(const char* name) const { return File(name); }
};

// A 5x3 picture whose every pixel differs.
struct Sample : TBitmap {
    Sample() : TBitmap(5, 3)
    {
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                SetPixel(x, y, RGB(x * 50, y * 100, 200));
    }
};
}  // namespace

TEST(PictureFiles, BmpAndPngRoundTripExactly)
{
    TempDir dir;
    Sample original;
    for (const char* name : {"a.bmp", "a.png"}) {
        original.SaveToFile(dir / name);
        TBitmap back;
        back.LoadFromFile(dir / name);
        ASSERT_EQ(back.Width(), 5) << name;
        ASSERT_EQ(back.Height(), 3) << name;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(back.Pixel(x, y), original.Pixel(x, y)) << name << " " << x << "," << y;
    }
}

TEST(PictureFiles, JpegPicturesAreRegisteredAndDecodeCloseToTheOriginal)
{
    TempDir dir;
    EXPECT_TRUE(IsRegisteredFileFormat("JPG"));
    EXPECT_TRUE(IsRegisteredFileFormat("jpeg"));
    TJPEGImage jpeg;
    jpeg.SetSize(16, 16);
    jpeg.Canvas()->Brush()->SetColor(RGB(200, 40, 40));
    jpeg.Canvas()->FillRect({0, 0, 16, 16});
    jpeg.SaveToFile(dir / "red.jpg");
    TPicture picture;
    picture.LoadFromFile(dir / "red.jpg");
    ASSERT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
    TColor c = static_cast<TBitmap*>(picture.Graphic())->Pixel(8, 8);
    EXPECT_NEAR(static_cast<int>(GetRValue(c)), 200, 6);
    EXPECT_NEAR(static_cast<int>(GetGValue(c)), 40, 6);
}

TEST(PictureFiles, DamagedOrMissingFilesAreReportedWithTheirName)
{
    TempDir dir;
    {
        std::ofstream out(dir / "broken.bmp", std::ios::binary);
        out << "BM this is not a bitmap";
    }
    std::vector<std::uint8_t> truncated;
    {
        TBitmap big(40, 40);
        big.SaveToFile(dir / "big.bmp");
        std::ifstream in(dir / "big.bmp", std::ios::binary);
        truncated.assign(std::istreambuf_iterator<char>(in), {});
        truncated.resize(200);
        std::ofstream out(dir / "cut.bmp", std::ios::binary);
        out.write(reinterpret_cast<const char*>(truncated.data()), static_cast<std::streamsize>(truncated.size()));
    }
    {
        // A 2 x 1 picture with one colour whose header size, near 2^32, wraps around to 3 when the
        // file header's 14 bytes are added: the colour table would be read from inside the header.
        const std::uint8_t wrapped[62] = {'B',  'M',  62,   0,    0, 0, 0, 0, 0,    0,    58,   0, 0, 0,  // file header
                                          0xF5, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 1,    0,    0,    0, 1, 0, 8, 0,
                                          0,    0,    0,    0,    4, 0, 0, 0, 0,    0,    0,    0, 0, 0, 0, 0,
                                          1,    0,    0,    0,    0, 0, 0, 0, 0x10, 0x20, 0x30, 0, 0, 0, 0, 0};
        std::ofstream out(dir / "wrapped.bmp", std::ios::binary);
        out.write(reinterpret_cast<const char*>(wrapped), sizeof wrapped);
    }
    for (const char* name : {"broken.bmp", "cut.bmp", "wrapped.bmp", "missing.bmp"}) {
        TBitmap b;
        try {
            b.LoadFromFile(dir / name);
            ADD_FAILURE() << name << " loaded";
        } catch (const rtl::Exception& e) {
            EXPECT_NE(e.Message.find(name), std::string::npos) << e.Message;
        }
        EXPECT_TRUE(b.Empty()) << name;  // a failed load leaves the bitmap as it was
    }
    TPicture p;
    EXPECT_THROW(p.LoadFromFile(dir / "x.unknown"), rtl::Exception);
}

namespace {
std::vector<std::uint8_t> FileBytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void PutBE32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.at(at + i) = static_cast<std::uint8_t>(v >> (24 - 8 * i));
}

std::uint32_t Crc32(const std::uint8_t* p, std::size_t n)
{
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

// The file of a picture saved in the format its name gives, with the size its header states
// replaced: a few hundred bytes that claim w x h pixels.
std::vector<std::uint8_t> ClaimingSize(const std::string& file, std::uint32_t w, std::uint32_t h)
{
    if (file.ends_with(".jpg")) {
        TJPEGImage small;
        small.SetSize(8, 8);
        small.SaveToFile(file);
        auto b = FileBytes(file);
        for (std::size_t i = 2; i + 8 < b.size(); ++i)
            if (b[i] == 0xFF && b[i + 1] == 0xC0) {  // start of frame: length, precision, height, width
                b[i + 5] = static_cast<std::uint8_t>(h >> 8);
                b[i + 6] = static_cast<std::uint8_t>(h);
                b[i + 7] = static_cast<std::uint8_t>(w >> 8);
                b[i + 8] = static_cast<std::uint8_t>(w);
                return b;
            }
        throw std::runtime_error("no frame header");
    }
    TBitmap small(8, 8);
    small.SaveToFile(file);
    auto b = FileBytes(file);
    if (file.ends_with(".bmp")) {
        for (int i = 0; i < 4; ++i) {
            b.at(18 + i) = static_cast<std::uint8_t>(w >> (8 * i));
            b.at(22 + i) = static_cast<std::uint8_t>(h >> (8 * i));
        }
        return b;
    }
    // PNG: the header chunk follows the 8-byte signature; its CRC covers type and data.
    PutBE32(b, 16, w);
    PutBE32(b, 20, h);
    PutBE32(b, 29, Crc32(b.data() + 12, 17));
    return b;
}
}  // namespace

TEST(PictureFiles, PicturesAboveTheSizeLimitAreRefusedWhateverTheirName)
{
    TempDir dir;
    struct Case {
        const char* format;
        std::uint32_t w, h;
        const char* loadAs;  // the content decides the decoder, not the name
    };
    const Case cases[] = {
        {".jpg", 60000, 40000, "GERMAN.bmp"}, {".jpg", 8193, 8, "x.jpg"},        {".bmp", 8, 8193, "x.bmp"},
        {".bmp", 1000000, 1, "x.bmp"},        {".png", 100000, 100000, "x.png"}, {".png", 8193, 1, "x.bmp"},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(c.format) + " of " + std::to_string(c.w) + " x " + std::to_string(c.h);
        const auto bytes = ClaimingSize(dir.File(std::string("source") + c.format), c.w, c.h);
        {
            std::ofstream out(dir / c.loadAs, std::ios::binary);
            out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        }
        TBitmap b;
        try {
            b.LoadFromFile(dir / c.loadAs);
            ADD_FAILURE() << what << " loaded";
        } catch (const rtl::Exception& e) {
            EXPECT_NE(e.Message.find("larger than 8192 x 8192"), std::string::npos) << what << ": " << e.Message;
            EXPECT_NE(e.Message.find(c.loadAs), std::string::npos) << e.Message;
        }
        EXPECT_TRUE(b.Empty()) << what;
    }
    TJPEGImage jpeg;
    const auto bytes = ClaimingSize(dir / "source.jpg", 20000, 20000);
    std::ofstream(dir / "bomb.jpg", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    EXPECT_THROW(jpeg.LoadFromFile(dir / "bomb.jpg"), rtl::Exception);

    // The limit itself is allowed, in every format.
    for (const char* name : {"wide.bmp", "wide.png", "wide.jpg"}) {
        TJPEGImage wide;
        wide.SetSize(8192, 2);
        if (std::string(name).ends_with(".jpg"))
            wide.SaveToFile(dir / name);
        else
            static_cast<TBitmap&>(wide).SaveToFile(dir / name);
        TBitmap back;
        back.LoadFromFile(dir / name);
        EXPECT_EQ(back.Width(), 8192) << name;
    }
}

// A JPEG is decoded only as far as its data goes: data too short for the blocks its header
// declares, or ending before the last row of blocks, is refused, not made up (a few hundred bytes
// declaring 8192 x 8192 pixels took seconds and a quarter of a gigabyte). A file that only lacks
// its end marker still loads.
TEST(PictureFiles, JpegDataEndingBeforeThePictureIsRefused)
{
    TempDir dir;
    TJPEGImage noisy;
    noisy.SetSize(64, 64);
    std::uint32_t seed = 7;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            seed = seed * 1103515245u + 12345u;
            noisy.SetPixel(x, y, static_cast<TColor>(seed >> 8 & 0xFFFFFF));
        }
    noisy.SaveToFile(dir / "noisy.jpg");
    const std::vector<std::uint8_t> whole = FileBytes(dir / "noisy.jpg");
    ASSERT_GT(whole.size(), 2000u);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* refusal;  // nullptr: loads
    };
    const Case cases[] = {
        {"8 x 8 pixels of data declaring 8192 x 8192", ClaimingSize(dir / "small.jpg", 8192, 8192), "too short"},
        {"cut in the middle", {whole.begin(), whole.begin() + static_cast<long>(whole.size() / 2)}, "ends before"},
        {"without its end marker", {whole.begin(), whole.end() - 2}, nullptr},
        {"whole", whole, nullptr},
    };
    for (const Case& c : cases) {
        std::ofstream(dir / "case.jpg", std::ios::binary)
            .write(reinterpret_cast<const char*>(c.bytes.data()), static_cast<std::streamsize>(c.bytes.size()));
        TBitmap b;
        try {
            b.LoadFromFile(dir / "case.jpg");
            EXPECT_EQ(c.refusal, nullptr) << c.name << " loaded";
            EXPECT_EQ(b.Width(), 64) << c.name;
        } catch (const rtl::Exception& e) {
            ASSERT_NE(c.refusal, nullptr) << c.name << ": " << e.Message;
            EXPECT_NE(e.Message.find(c.refusal), std::string::npos) << c.name << ": " << e.Message;
            EXPECT_TRUE(b.Empty()) << c.name;
        }
    }
}

TEST(PictureFiles, SavingReplacesTheFileOnlyWhenTheWriteSucceeds)
{
    TempDir dir;
    Sample b;
    b.SaveToFile(dir / "keep.bmp");
    auto size = fs::file_size(dir / "keep.bmp");
    EXPECT_THROW(b.SaveToFile(dir / "no_such_folder/x.bmp"), rtl::EFCreateError);
    EXPECT_EQ(fs::file_size(dir / "keep.bmp"), size);
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().extension(), ".bmp") << "left-over " << entry.path();
}

#include "platform/ui/ExtCtrls.h"
#include "platform/ui/ImgList.h"

TEST(ImageList, StripsAreSplitAndTheMaskColourIsLeftOut)
{
    TBitmap strip(32, 16);
    strip.Canvas()->Brush()->SetColor(clFuchsia);
    strip.Canvas()->FillRect({0, 0, 32, 16});
    strip.Canvas()->Brush()->SetColor(clBlue);
    strip.Canvas()->FillRect({4, 4, 8, 8});  // in the first image
    strip.Canvas()->Brush()->SetColor(clRed);
    strip.Canvas()->FillRect({20, 4, 24, 8});  // in the second
    TImageList list(nullptr);
    EXPECT_EQ(list.AddMasked(strip, clFuchsia), 0);
    ASSERT_EQ(list.Count(), 2);
    TBitmap target(40, 20);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect({0, 0, 40, 20});
    list.Draw(*target.Canvas(), 0, 0, 1);
    EXPECT_EQ(target.Pixel(4, 4), clRed);
    EXPECT_EQ(target.Pixel(0, 0), clWhite);  // masked out
    list.Draw(*target.Canvas(), 20, 0, 0, false);
    TColor grey = target.Pixel(24, 4);
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));  // disabled images are drawn grey
    EXPECT_EQ(GetGValue(grey), GetBValue(grey));
    list.Draw(*target.Canvas(), 0, 0, 7);  // no such image: nothing happens
}

TEST(Image, DestinationRectangleFollowsStretchProportionalAndCenter)
{
    struct Case {
        bool stretch, proportional, center;
        TRect expected;
    };
    // A 20x10 picture in a 100x100 image.
    const Case cases[] = {
        {false, false, false, {0, 0, 20, 10}},  {false, false, true, {40, 45, 60, 55}},
        {true, false, false, {0, 0, 100, 100}}, {true, true, false, {0, 0, 100, 50}},
        {true, true, true, {0, 25, 100, 75}},
    };
    for (const Case& k : cases) {
        TImage image(nullptr);
        image.SetBounds(0, 0, 100, 100);
        image.Picture()->Bitmap()->SetSize(20, 10);
        image.SetStretch(k.stretch);
        image.SetProportional(k.proportional);
        image.SetCenter(k.center);
        EXPECT_EQ(image.DestRect(), k.expected) << k.stretch << k.proportional << k.center;
    }
}
