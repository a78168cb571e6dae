// Pictures and form controls inside HTML cell text: the space they take, where they are drawn,
// and what a point over them hits.
#include <gtest/gtest.h>

#include "GifFixture.h"
#include "ScratchDir.h"
#include "grid/base/HtmlPicture.h"
#include "grid/base/HtmlTextDraw.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/ImgList.h"

namespace gx {
namespace {

using ui::TRect;

constexpr ui::TColor kBlue = ui::RGB(0, 0, 255);
constexpr ui::TColor kRed = ui::RGB(255, 0, 0);

class HtmlObjects : public ::testing::Test {
protected:
    HtmlObjects() : bmp(300, 120)
    {
        c = bmp.Canvas();
        c->Font()->SetName("DejaVu Sans");
        c->Font()->SetSize(10);
        c->Font()->SetColor(ui::clBlack);
        clear();
        gh = c->TextHeight("gh");
        images.SetSize(32, 32);
        ui::TBitmap blue(32, 32);
        blue.Canvas()->Brush()->SetColor(kBlue);
        blue.Canvas()->FillRect(TRect(0, 0, 32, 32));
        images.Add(blue);
        images.Add(blue);
        params.Images = &images;
        params.PictureContainer = &container;
        params.PictureCache = &cache;
    }
    void clear()
    {
        c->Brush()->SetColor(ui::clWhite);
        c->FillRect(TRect(0, 0, bmp.Width(), bmp.Height()));
    }
    THTMLDrawResult run(const std::string& text, THTMLDrawParams p)
    {
        THTMLDrawResult r;
        hit = DrawHTMLText(*c, text, TRect(0, 0, 300, 120), p, r);
        return r;
    }
    THTMLDrawResult measure(const std::string& text)
    {
        THTMLDrawParams p = params;
        p.MeasureOnly = true;
        return run(text, p);
    }
    // A named container picture of one colour.
    void addPicture(const std::string& name, int w, int h, int colour)
    {
        TPictureItem* item = container.Items().Add();
        item->Name = name;
        const auto gif = gx::testing::MakeGif(w, h, {colour});
        rtl::TStringStream s(std::string(gif.begin(), gif.end()));
        item->Picture()->LoadFromStream(&s);
    }
    // Bounds of the pixels of one colour; empty when there are none.
    TRect area(ui::TColor colour)
    {
        TRect r(bmp.Width(), bmp.Height(), 0, 0);
        for (int y = 0; y < bmp.Height(); ++y)
            for (int x = 0; x < bmp.Width(); ++x)
                if (ui::ColorToRGB(bmp.Pixel(x, y)) == colour) {
                    r.Left = std::min(r.Left, x);
                    r.Top = std::min(r.Top, y);
                    r.Right = std::max(r.Right, x + 1);
                    r.Bottom = std::max(r.Bottom, y + 1);
                }
        return r.Right > r.Left ? r : TRect();
    }
    int width(const std::string& s)
    {
        TRect r(0, 0, 1000, 1000);
        c->DrawText(s, r, ui::DT_SINGLELINE | ui::DT_CALCRECT);
        return r.Width();
    }

    ui::TBitmap bmp;
    ui::TCanvas* c = nullptr;
    int gh = 0;
    bool hit = false;
    ui::TImageList images{nullptr};
    TPictureContainer container{nullptr};
    THTMLPictureCache cache;
    THTMLDrawParams params;
};

TEST_F(HtmlObjects, ImagesOfTheListTakeTheirSize)
{
    EXPECT_EQ(measure("a<IMG SRC=\"IDX:1\">").UsedWidth, width("a") + 32);
    EXPECT_EQ(measure("a<IMG SRC=\"IDX:1\">").UsedHeight, 32);
    // An index outside the list draws nothing and takes no space.
    for (const char* text : {"a<IMG SRC=\"IDX:2\">", "a<IMG SRC=\"IDX:-1\">", "a<IMG SRC=\"nothing\">"}) {
        EXPECT_EQ(measure(text).UsedWidth, width("a")) << text;
        EXPECT_EQ(measure(text).UsedHeight, gh) << text;
    }
    run("<IMG SRC=\"IDX:0\">", params);
    EXPECT_EQ(area(kBlue), TRect(1, 0, 33, 32));
    THTMLDrawParams noList = params;
    noList.Images = nullptr;
    EXPECT_EQ(run("<IMG SRC=\"IDX:0\">", noList).UsedWidth, 0);
}

TEST_F(HtmlObjects, ContainerPicturesStretchToTheGivenSize)
{
    addPicture("pic", 20, 10, 1);
    run("<IMG SRC=\"pic\" WIDTH=\"40\">", params);
    EXPECT_EQ(area(kRed), TRect(1, 0, 41, 20));
    clear();
    run("<IMG SRC=\"PIC\" HEIGHT=\"30\">", params);
    EXPECT_EQ(area(kRed), TRect(1, 0, 61, 30));
    clear();
    const auto r = run("<IMG SRC=\"pic\" WIDTH=\"-5\">", params);  // a negative size is not given
    EXPECT_EQ(area(kRed), TRect(1, 0, 21, 10));
    EXPECT_EQ(r.UsedWidth, 20);
}

TEST_F(HtmlObjects, FileUrlsKeepTheCaseOfTheirPath)
{
    testsupport::ScratchDir dir;
    const auto gif = gx::testing::MakeGif(6, 6, {3});
    testsupport::WriteFile(dir / "Mixed" / "Pic.GIF", std::string(gif.begin(), gif.end()));
    run("<img src=\"file://" + dir.File("Mixed/Pic.GIF") + "\">", params);
    EXPECT_EQ(area(kBlue), TRect(1, 0, 7, 6));
    EXPECT_EQ(cache.Count(), 1);
    run("<img src=\"file://" + dir.File("Mixed/Pic.GIF") + "\">", params);
    EXPECT_EQ(cache.Count(), 1);  // found again by its URL
}

TEST_F(HtmlObjects, MiddleAlignmentCentresTheTextOnTheImage)
{
    const auto textBottom = [&](const std::string& text) {
        clear();
        run(text, params);
        return area(ui::clBlack).Bottom;
    };
    const int plain = textBottom("gh<IMG SRC=\"IDX:0\">");
    const int middle = textBottom("gh<IMG SRC=\"IDX:0\" ALIGN=\"MIDDLE\">");
    EXPECT_EQ(plain - middle, (32 - gh) / 2);
    EXPECT_EQ(area(kBlue).Top, 0);  // the image stays at the line top
}

TEST_F(HtmlObjects, AnImageHitsOnlyInsideALink)
{
    THTMLDrawParams p = params;
    p.HitX = 10;
    p.HitY = 10;
    auto r = run("<A HREF=\"go\" TITLE=\"t\"><IMG SRC=\"IDX:0\"></A>", p);
    EXPECT_TRUE(hit);
    EXPECT_EQ(r.AnchorAtPoint, "go");
    EXPECT_EQ(r.AnchorTitle, "t");
    run("<IMG SRC=\"IDX:0\">", p);
    EXPECT_FALSE(hit);
    p.HitX = 50;  // beside the image
    run("<A HREF=\"go\"><IMG SRC=\"IDX:0\"></A>", p);
    EXPECT_FALSE(hit);
}

TEST_F(HtmlObjects, ImageAfterTextIsHitWhereItIsDrawn)
{
    THTMLDrawParams p = params;
    p.HitX = 1 + width("text") + 5;
    p.HitY = 10;
    run("text<A HREF=\"go\"><IMG SRC=\"IDX:0\"></A>", p);
    EXPECT_TRUE(hit);
    p.HitX = 5;  // over the text, not the image
    run("text<A HREF=\"go\"><IMG SRC=\"IDX:0\"></A>", p);
    EXPECT_FALSE(hit);
}

TEST_F(HtmlObjects, ControlsTakeTheirSizeAndReportTheirHit)
{
    const auto check = measure("<CONTROL TYPE=\"CHECK\" VALUE=\"true\" WIDTH=\"20\" ID=\"c1\">");
    EXPECT_EQ(check.UsedWidth, 16);
    EXPECT_EQ(check.UsedHeight, std::max(gh, 16));
    EXPECT_EQ(measure("<CONTROL TYPE=\"EDIT\" VALUE=\"x\" WIDTH=\"60\" ID=\"e1\">").UsedWidth, 60);
    EXPECT_EQ(measure("<CONTROL TYPE=\"BUTTON\" VALUE=\"ok\" WIDTH=\"50\" ID=\"b\">").UsedHeight, 25);

    THTMLDrawParams p = params;
    p.HitX = 20;
    p.HitY = 8;
    const auto r = run("<CONTROL TYPE=\"EDIT\" VALUE=\"a&amp;b\" WIDTH=\"60\" ID=\"e1\">", p);
    EXPECT_TRUE(hit);
    EXPECT_EQ(r.AnchorAtPoint, "ctrl");
    EXPECT_EQ(r.ControlID, "e1");
    EXPECT_EQ(r.ControlValue, "a&b");
    EXPECT_EQ(r.ControlType, "EDIT");
    EXPECT_EQ(r.ControlRect, TRect(1, 0, 61, gh + 10));
}

TEST_F(HtmlObjects, ACheckedBoxLooksChecked)
{
    run("<CONTROL TYPE=\"CHECK\" VALUE=\"true\" WIDTH=\"20\" ID=\"c1\">", params);
    ui::TBitmap checked;
    checked.Assign(bmp);
    clear();
    run("<CONTROL TYPE=\"CHECK\" VALUE=\"false\" WIDTH=\"20\" ID=\"c1\">", params);
    int differing = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            differing += bmp.Pixel(x, y) != checked.Pixel(x, y);
    EXPECT_GT(differing, 4);
}

TEST_F(HtmlObjects, NamedControlIsFoundWhereverThePointIs)
{
    THTMLDrawParams p = params;
    p.HitTestOnly = true;
    p.HitX = p.HitY = -1;
    THTMLDrawResult r;
    r.ControlID = "e2";
    hit = DrawHTMLText(*c,
                       "<CONTROL TYPE=\"EDIT\" ID=\"e1\" WIDTH=\"40\" VALUE=\"one\"><CONTROL TYPE=\"EDIT\" ID=\"e2\" "
                       "WIDTH=\"30\" VALUE=\"two\">",
                       TRect(0, 0, 300, 120), p, r);
    EXPECT_TRUE(hit);
    EXPECT_EQ(r.ControlRect, TRect(41, 0, 71, gh + 10));
    EXPECT_EQ(r.ControlValue, "two");
}

TEST_F(HtmlObjects, AControlWithoutWidthIsIgnored)
{
    const auto r = run("<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"text\">", params);
    EXPECT_EQ(r.UsedWidth, 0);
    EXPECT_EQ(area(ui::clBlack), TRect());
}

TEST_F(HtmlObjects, BodyBackgroundTilesThePicture)
{
    addPicture("tile", 10, 10, 1);
    THTMLDrawResult r;
    c->SetClipRect(TRect(0, 0, 300, 120));
    DrawHTMLText(*c, "<BODY BACKGROUND=\"tile\">", TRect(5, 5, 28, 17), params, r);
    EXPECT_EQ(area(kRed), TRect(5, 5, 28, 17));
    EXPECT_EQ(c->ClipRectRaw(), TRect(0, 0, 300, 120));  // the caller's clipping is back
}

}  // namespace
}  // namespace gx
