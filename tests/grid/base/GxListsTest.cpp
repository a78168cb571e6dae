// The grid's small containers: integer lists and their text form, sort columns, cell controls,
// pictures by file name and the line reader and writer.
#include "grid/base/GxLists.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/ExtCtrls.h"

#include <gtest/gtest.h>

#include "ScratchDir.h"

#include <filesystem>

namespace gx {
namespace {

TEST(IntList, TextFormAndChangeEvents)
{
    TIntList list(3, 7);
    std::vector<std::pair<int, int>> events;
    list.OnChange = [&](TObject* sender, int col, int row) {
        EXPECT_EQ(sender, &list);
        events.push_back({col, row});
    };
    list.Add(1);
    list.Add(2);
    list.Insert(2, 3);  // Insert reports nothing
    EXPECT_EQ(list.StrValue(), "1,2,3");
    EXPECT_EQ(events.size(), 2u);
    EXPECT_EQ(events.front(), std::make_pair(3, 7));

    events.clear();
    list.SetStrValue("4,5");
    EXPECT_EQ(list.StrValue(), "4,5");
    EXPECT_EQ(events.size(), 2u);  // one per added entry, none for the clearing

    list.SetInteger(0, 9);
    list.DeleteValue(5);
    list.DeleteValue(42);
    EXPECT_EQ(list.StrValue(), "9");
    EXPECT_EQ(events.size(), 4u);
    EXPECT_TRUE(list.HasValue(9));
    EXPECT_THROW(list.SetStrValue("1,x"), rtl::EConvertError);
    EXPECT_THROW(list.Delete(5), rtl::EListError);
    list.SetStrValue("");
    EXPECT_EQ(list.Count(), 0);
}

TEST(SortIndexList, DirectionBitAndTextForm)
{
    TSortIndexList list;
    list.AddIndex(3, false);
    list.AddIndex(1, true);
    EXPECT_EQ(list.SaveToString(), "d3;u1");
    EXPECT_FALSE(list.SortDirections(0));
    EXPECT_EQ(list.SortColumns(0), 3);

    list.LoadFromString("u2;x;d7;q9;uz");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.SortColumns(0), 2);
    EXPECT_TRUE(list.SortDirections(0));
    EXPECT_EQ(list.SortColumns(1), 7);
    EXPECT_FALSE(list.SortDirections(1));
    EXPECT_FALSE(list.SortDirections(2));  // any letter but "u" is descending
    EXPECT_EQ(list.FindIndex(7), 1);
    EXPECT_EQ(list.FindIndex(8), -1);
    list.ToggleIndex(7);
    EXPECT_TRUE(list.SortDirections(1));
    list.ToggleIndex(8);  // absent: nothing
    list.SetSortColumns(1, 70000);
    EXPECT_TRUE(list.SortDirections(1));  // the direction stays
    EXPECT_EQ(list.SortColumns(1), 70000);
    list.SetSortDirections(0, false);
    EXPECT_EQ(list.SaveToString(), "d2;u4464;d9");  // columns are saved in their low 16 bits
    list.LoadFromString("");
    EXPECT_EQ(list.Count(), 0);
}

TEST(ControlList, FindsAndRemovesItemsButNotControls)
{
    ui::TPanel panel(nullptr);
    ui::TPanel other(nullptr);
    TControlList list;
    list.AddControl(1, 2, &panel);
    list.AddControl(3, 4, &other);
    EXPECT_EQ(list.ControlIndex(3, 4), 1);
    EXPECT_EQ(list.ControlIndex(2, 1), -1);
    EXPECT_EQ(list.GetControl(0)->Control, &panel);
    EXPECT_TRUE(list.HasHandle(&other));
    list.RemoveControl(1);
    EXPECT_FALSE(list.HasHandle(&other));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_THROW(list.RemoveControl(5), rtl::EListError);
}

TEST(FilePicture, SizeFromTheFileAndSilentDrawWhenMissing)
{
    const testsupport::ScratchDir scratch("gx");
    const auto path = scratch / "file_picture.bmp";
    {
        ui::TBitmap bmp(7, 5);
        bmp.SaveToFile(path.string());
    }
    TFilePicture picture;
    picture.SetFilename(path.string());
    EXPECT_EQ(picture.Width(), 7);
    EXPECT_EQ(picture.Height(), 5);
    TFilePicture copy;
    copy.Assign(picture);
    EXPECT_EQ(copy.Filename(), path.string());
    EXPECT_EQ(copy.Height(), 5);

    ui::TBitmap target(20, 20);
    target.Canvas()->Brush()->SetColor(ui::clRed);
    target.Canvas()->FillRect(ui::Rect(0, 0, 20, 20));
    copy.DrawPicture(target.Canvas(), ui::Rect(0, 0, 20, 20));
    EXPECT_EQ(target.Pixel(10, 10), ui::clWhite);  // the white picture, stretched

    std::filesystem::remove(path);
    target.Canvas()->FillRect(ui::Rect(0, 0, 20, 20));
    EXPECT_NO_THROW(copy.DrawPicture(target.Canvas(), ui::Rect(0, 0, 20, 20)));
    EXPECT_EQ(target.Pixel(10, 10), ui::clRed);
    EXPECT_THROW(picture.SetFilename(path.string()), rtl::Exception);
    EXPECT_EQ(picture.Width(), 0);
}

TEST(FileStringList, WritesPendingTextAndReadsLineByLine)
{
    TFileStringList list;
    list.Write("a");
    list.Write("b");
    list.WriteLn("c");
    list.WriteLn("second");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list[0], "abc");

    list.Reset();
    std::string line;
    EXPECT_FALSE(list.Eof());
    list.ReadLn(line);
    EXPECT_EQ(line, "abc");
    list.ReadLn(line);
    EXPECT_EQ(line, "second");
    EXPECT_TRUE(list.Eof());
    EXPECT_THROW(list.ReadLn(line), rtl::Exception);
}

}  // namespace
}  // namespace gx
