// The picture store of HTML cell texts: loading and failing to load, GIF frames and animation,
// the URL cache and the named container.
#include "grid/base/HtmlPicture.h"

#include <gtest/gtest.h>

#include "GifFixture.h"
#include "ScratchDir.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/ImageCodecs.h"

namespace gx {
namespace {

using gx::testing::MakeGif;

std::string AsText(const std::vector<std::uint8_t>& bytes)
{
    return {bytes.begin(), bytes.end()};
}

// Colour of the picture's top-left pixel as drawn on a white bitmap.
ui::TColor DrawnColour(const THTMLPicture& pic)
{
    ui::TBitmap bmp(8, 8);
    bmp.Canvas()->Brush()->SetColor(ui::clWhite);
    bmp.Canvas()->FillRect(ui::TRect(0, 0, 8, 8));
    pic.Draw(*bmp.Canvas(), ui::TRect(0, 0, 8, 8));
    return ui::ColorToRGB(bmp.Pixel(0, 0));
}

TEST(HtmlPicture, AGifDecodesTheCurrentFrame)
{
    THTMLPicture pic;
    rtl::TStringStream gif(AsText(MakeGif(3, 2, {1, 2, 3}, 20)));
    int changes = 0, frameChanges = 0;
    pic.OnChange = [&](ui::TObject*) { ++changes; };
    pic.OnFrameChange = [&](ui::TObject*) { ++frameChanges; };
    pic.LoadFromStream(&gif);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(pic.Empty());
    EXPECT_TRUE(pic.IsGIF());
    EXPECT_EQ(pic.FrameCount(), 3);
    EXPECT_EQ(pic.Width(), 3);
    EXPECT_EQ(pic.Height(), 2);
    EXPECT_EQ(pic.GetMaxWidth(), 3);
    EXPECT_EQ(pic.GetFrameTime(2), 20);
    EXPECT_EQ(pic.GetFrameTime(4), -1);
    EXPECT_EQ(DrawnColour(pic), ui::RGB(255, 0, 0));

    pic.SetFrame(2);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(pic.FrameXSize(), 3);
    EXPECT_EQ(DrawnColour(pic), ui::RGB(0, 255, 0));

    pic.SetFrame(3);
    pic.FrameNext();
    EXPECT_EQ(pic.Frame(), 1);
    pic.FramePrev();
    EXPECT_EQ(pic.Frame(), 3);
}

TEST(HtmlPicture, AnimationShowsTheSecondFrameAtTheSecondTick)
{
    THTMLPicture pic;
    rtl::TStringStream gif(AsText(MakeGif(2, 2, {1, 2}, 30)));
    pic.LoadFromStream(&gif);
    EXPECT_FALSE(pic.Step());
    EXPECT_TRUE(pic.Step());
    EXPECT_EQ(pic.Frame(), 2);
    EXPECT_EQ(DrawnColour(pic), ui::RGB(0, 255, 0));
    // A tick counts ten units of delay: frame 2's delay of 30 lasts until the third tick after it.
    EXPECT_FALSE(pic.Step());
    EXPECT_FALSE(pic.Step());
    EXPECT_TRUE(pic.Step());
    EXPECT_EQ(pic.Frame(), 1);
}

TEST(HtmlPicture, APictureThatIsNoGifNeverAnimates)
{
    ui::TBitmap bmp(2, 2);
    const std::vector<std::uint8_t> bytes = ui::EncodeBmp(bmp);
    THTMLPicture pic;
    rtl::TStringStream s(AsText(bytes));
    pic.LoadFromStream(&s);
    EXPECT_FALSE(pic.IsGIF());
    EXPECT_EQ(pic.FrameCount(), -1);
    EXPECT_EQ(pic.GetFrameTime(1), -1);
    EXPECT_FALSE(pic.Step());
    EXPECT_EQ(pic.Width(), 2);
}

TEST(HtmlPicture, FailuresToLoad)
{
    testsupport::ScratchDir dir;
    THTMLPicture pic;
    pic.LoadFromFile(dir.File("missing.gif"));  // raises nothing
    EXPECT_TRUE(pic.Empty());
    testsupport::WriteFile(dir / "junk.gif", "not a picture");
    pic.LoadFromFile(dir.File("junk.gif"));
    EXPECT_TRUE(pic.Empty());
    EXPECT_EQ(pic.Width(), 0);

    rtl::TStringStream junk("GIF8 but nothing else");
    try {
        pic.LoadFromStream(&junk);
        FAIL() << "no exception";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message, "Could not load image. Invalid format");
    }
    pic.LoadFromStream(nullptr);  // nothing

    EXPECT_THROW(pic.LoadFromResourceID(HInstance(), 4711), rtl::Exception);
    pic.Assign(static_cast<const ui::TGraphic*>(nullptr));
    EXPECT_TRUE(pic.Empty());
    EXPECT_EQ(pic.DataStream().Bytes().size(), 0u);
}

TEST(HtmlPicture, UrlsLoadFilesAndResourcesKeepingTheirCase)
{
    testsupport::ScratchDir dir;
    const auto gif = MakeGif(2, 2, {3});
    testsupport::WriteFile(dir / "Pics" / "Logo.gif", AsText(gif));
    HInstance().Add("GRIDLOGO", gif);

    THTMLPictureCache cache;
    const std::string fileUrl = "file://" + dir.File("Pics/Logo.gif");
    THTMLPicture* fromFile = cache.AddPicture();
    fromFile->LoadFromURL(fileUrl);
    EXPECT_FALSE(fromFile->Empty());
    EXPECT_EQ(fromFile->ID(), fileUrl);
    EXPECT_EQ(cache.FindPicture(fileUrl), fromFile);
    EXPECT_EQ(cache.FindPicture(rtl::UpperCase(fileUrl)), nullptr);  // the cache compares exactly

    THTMLPicture fromRes;
    fromRes.LoadFromURL("RES://gridlogo");
    EXPECT_FALSE(fromRes.Empty());
    EXPECT_EQ(DrawnColour(fromRes), ui::RGB(0, 0, 255));

    // Other URLs are never downloaded; an asynchronous picture stays busy.
    THTMLPicture remote;
    remote.LoadFromURL("http://127.0.0.1/x.gif");
    EXPECT_TRUE(remote.Empty());
    EXPECT_TRUE(remote.ThreadBusy());
    EXPECT_EQ(remote.ID(), "");
    THTMLPicture sync;
    sync.Asynch = false;
    sync.LoadFromURL("http://127.0.0.1/x.gif");
    EXPECT_EQ(sync.ID(), "http://127.0.0.1/x.gif");
    EXPECT_TRUE(sync.Empty());
}

TEST(HtmlPicture, AssignCopiesThePictureData)
{
    THTMLPicture a, b;
    rtl::TStringStream gif(AsText(MakeGif(2, 2, {1, 2})));
    a.LoadFromStream(&gif);
    a.SetFrame(2);
    b.Assign(&a);
    EXPECT_EQ(b.DataStream().Bytes(), a.DataStream().Bytes());
    EXPECT_EQ(b.Frame(), 1);  // a copy starts at its first frame
    EXPECT_EQ(DrawnColour(b), ui::RGB(255, 0, 0));

    ui::TBitmap other(2, 2);
    b.Assign(&other);  // any other kind of graphic leaves the picture empty
    EXPECT_TRUE(b.Empty());
}

TEST(PictureContainer, FindsPicturesByNameInAnyCase)
{
    TPictureContainer container(nullptr);
    container.Items().Add()->Name = "other";
    TPictureItem* logo = container.Items().Add();
    logo->Name = "LOGO";
    EXPECT_EQ(container.FindPicture("logo"), logo->Picture());
    EXPECT_EQ(container.FindPicture("missing"), nullptr);
    EXPECT_EQ(container.Items().GetOwner(), &container);
}

}  // namespace
}  // namespace gx
