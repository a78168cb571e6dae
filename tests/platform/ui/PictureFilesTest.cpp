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
    for (const char* name : {"broken.bmp", "cut.bmp", "missing.bmp"}) {
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
