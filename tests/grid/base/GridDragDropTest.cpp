// The grid's drag and drop: the formats a drag offers, how a drop target sorts what is dropped,
// the effect rule, and drags that travel through the native layer between two grids and from
// another program.
#include "grid/base/GridDragDrop.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/base/BaseGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/qt/NativeDragTesting.h"

namespace gx {
namespace {

// Records what it is handed.
struct RecordingTarget : TGSGDropTarget {
    std::vector<std::string> calls;
    void DropText(ui::TPoint, const std::string& t) override { calls.push_back("text " + t); }
    void DropStream(ui::TPoint, rtl::TMemoryStream& s) override { calls.push_back("stream " + s.ReadRest()); }
    void DropCol(ui::TPoint, int c) override { calls.push_back("col " + std::to_string(c)); }
    void DropRTF(ui::TPoint, const std::string& r) override { calls.push_back("rtf " + r); }
    void DropFiles(ui::TPoint, const std::vector<std::string>& f) override { calls.push_back("files " + f.at(0)); }
    void DropURL(ui::TPoint, const std::string& u) override { calls.push_back("url " + u); }
};

ui::TDragMessage Message(const ui::TDragData& data, ui::TShiftState shift = 0, unsigned ok = ui::deCopy | ui::deMove)
{
    ui::TDragMessage m;
    m.Data = &data;
    m.Shift = shift;
    m.OkEffects = ok;
    return m;
}

// Enter and drop, as the native layer hands them; the effect of each.
std::pair<unsigned, unsigned> EnterAndDrop(TGSGDropTarget& target, const ui::TDragData& data, ui::TShiftState shift = 0,
                                           unsigned ok = ui::deCopy | ui::deMove)
{
    auto m = Message(data, shift, ok);
    target.DragEnter(m);
    const unsigned entered = m.Effect;
    auto d = Message(data, shift, ok);
    target.Drop(d);
    return {entered, d.Effect};
}

TEST(GridDragData, TheFormatsADragOffers)
{
    rtl::TMemoryStream cells;
    cells.WriteString("cells");
    EXPECT_EQ(TSourceDataObject("", nullptr, 3, "").EnumFormatEtc().size(), 4u);
    EXPECT_EQ(TSourceDataObject("abc", &cells, -1, "").EnumFormatEtc().size(), 4u);
    EXPECT_EQ(TSourceDataObject("abc", nullptr, -1, "").EnumFormatEtc().size(), 3u);

    const TSourceDataObject text("abc", nullptr, -1, "{\\rtf1 abc}");
    EXPECT_TRUE(text.QueryGetData(CF_TEXT));
    EXPECT_TRUE(text.QueryGetData(CF_UNICODETEXT));
    EXPECT_FALSE(text.QueryGetData(CF_RTF()));  // the rich-text switch is off
    EXPECT_FALSE(text.QueryGetData(CF_GRIDCOL()));
    std::string bytes;
    EXPECT_EQ(text.GetData(CF_UNICODETEXT, bytes), S_OK);
    EXPECT_EQ(bytes, std::string("a\0b\0c\0\0\0", 8));
    EXPECT_EQ(text.GetData(CF_GRIDCELLS(), bytes), DV_E_FORMATETC);
    EXPECT_TRUE(bytes.empty());

    const TSourceDataObject withCells("", &cells, -1, "");
    EXPECT_FALSE(withCells.QueryGetData(CF_TEXT));  // no text
    EXPECT_EQ(withCells.GetData(CF_GRIDCELLS(), bytes), S_OK);
    EXPECT_EQ(bytes, std::string("\x05\0\0\0\0\0\0\0cells", 13));

    SetDropRTF(true);
    EXPECT_TRUE(text.QueryGetData(CF_RTF()));
    EXPECT_EQ(text.DragData().Data(ui::kMimeRichText), "{\\rtf1 abc}");
    SetDropRTF(false);
}

TEST(GridDropTarget, SortsWhatIsDropped)
{
    ui::TDragData colAndText;
    colAndText.SetText("abc");
    colAndText.SetData(ui::kMimeGridColumn, std::string("\x02\0\0\0", 4));
    RecordingTarget target;
    target.AcceptCols = true;
    EnterAndDrop(target, colAndText);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"col 2"}));

    ui::TDragData textAndFiles;
    textAndFiles.SetText("list");
    textAndFiles.SetFiles({"/tmp/a b.txt"});
    target.calls.clear();
    EnterAndDrop(target, textAndFiles);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"text list", "files /tmp/a b.txt"}));

    ui::TDragData url;
    url.SetText("http://127.0.0.1/page");
    url.SetUrls({"http://127.0.0.1/page"});
    target.calls.clear();
    EnterAndDrop(target, url);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"text http://127.0.0.1/page", "url http://127.0.0.1/page"}));

    ui::TDragData rich;
    rich.SetText("plain");
    rich.SetData(ui::kMimeRichText, "{\\rtf1 rich}");
    target.calls.clear();
    EnterAndDrop(target, rich);  // the switch is off: the plain text
    EXPECT_EQ(target.calls, (std::vector<std::string>{"text plain"}));
    SetDropRTF(true);
    target.calls.clear();
    EnterAndDrop(target, rich);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"rtf {\\rtf1 rich}"}));
    SetDropRTF(false);
}

TEST(GridDropTarget, EffectRule)
{
    ui::TDragData text;
    text.SetText("abc");
    RecordingTarget target;
    EXPECT_EQ(EnterAndDrop(target, text), std::make_pair(unsigned(ui::deMove), unsigned(ui::deMove)));
    EXPECT_EQ(EnterAndDrop(target, text, ui::ssCtrl), std::make_pair(unsigned(ui::deCopy), unsigned(ui::deCopy)));
    EXPECT_EQ(EnterAndDrop(target, text, 0, ui::deCopy), std::make_pair(unsigned(ui::deCopy), unsigned(ui::deCopy)));

    // Plain text over a target that takes no text, with nothing else offered: no effect, no drop.
    target.AcceptText = false;
    target.calls.clear();
    EXPECT_EQ(EnterAndDrop(target, text), std::make_pair(unsigned(ui::deNone), unsigned(ui::deNone)));
    EXPECT_TRUE(target.calls.empty());
    // A column is taken only by a target that accepts columns.
    ui::TDragData col;
    col.SetData(ui::kMimeGridColumn, std::string("\x01\0\0\0", 4));
    EXPECT_EQ(EnterAndDrop(target, col).first, unsigned(ui::deNone));
}

TEST(GridDropSource, EndsOnEscapeOrRelease)
{
    struct Source : TGSGDropSource {
        int ended = 0, queried = 0;
        void DragEnded() override { ++ended; }
        void QueryDrag() override { ++queried; }
    } source;
    EXPECT_EQ(source.QueryContinueDrag(false, ui::ssLeft), S_OK);
    EXPECT_EQ(source.QueryContinueDrag(true, ui::ssLeft), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source.QueryContinueDrag(false, 0), DRAGDROP_S_DROP);
    EXPECT_EQ(source.ended, 2);
    EXPECT_EQ(source.queried, 3);
    source.GiveFeedback(ui::deNone);
    EXPECT_TRUE(source.NoAccept());
}

// Two grids on a shown form; the right one takes drops and writes what it gets into its cells.
class GridsOnAForm : public ::testing::Test {
protected:
    struct CellTarget : RecordingTarget {
        TBaseGrid* grid = nullptr;
        void DropText(ui::TPoint p, const std::string& t) override
        {
            RecordingTarget::DropText(p, t);
            write(p, t);
        }
        void DropStream(ui::TPoint p, rtl::TMemoryStream& s) override
        {
            const std::string t = s.ReadRest();
            calls.push_back("stream " + t);
            write(p, t);
        }
        void write(ui::TPoint screen, const std::string& t)
        {
            const ui::TPoint local = grid->ScreenToClient(screen);
            int col = -1, row = -1;
            grid->MouseToCell(local.X, local.Y, col, row);
            grid->SetCells(col, row, t);
        }
    };

    void SetUp() override
    {
        form.SetClientWidth(420);
        form.SetClientHeight(200);
        for (TBaseGrid* g : {left, right}) {
            g->SetParent(&form);
            g->SetColCount(4);
            g->SetRowCount(5);
        }
        left->SetBounds(0, 0, 200, 200);
        right->SetBounds(210, 0, 200, 200);
        target.grid = right;
        target.AcceptCols = true;
        ui::RegisterDragDrop(right, &target);
        form.Show();
        ui::Application->ProcessMessages();
    }
    void TearDown() override { form.Hide(); }
    // The middle of a cell of the right grid, in its own coordinates.
    ui::TPoint middleOf(int col, int row)
    {
        const ui::TRect r = right->CellRect(col, row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }

    ui::TForm form{nullptr};
    TBaseGrid* left = new TBaseGrid(&form);
    TBaseGrid* right = new TBaseGrid(&form);
    CellTarget target;
};

TEST_F(GridsOnAForm, CellsDraggedFromOneGridLandInTheOther)
{
    left->SetCells(1, 1, "moved text");
    rtl::TMemoryStream cells;
    cells.WriteString(left->Cells(1, 1));
    struct Source : TGSGDropSource {
        std::vector<unsigned> feedback;
        int ended = 0;
        void CurrentEffect(unsigned e) override { feedback.push_back(e); }
        void DragEnded() override { ++ended; }
    } source;
    const ui::TPoint at = middleOf(2, 3);
    ui::qt::ScriptNextDrop(right, at.X, at.Y);
    unsigned effect = 0;
    EXPECT_EQ(StartTextDrag(left, &source, "moved text", "", &cells, ui::deCopy | ui::deMove, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, unsigned(ui::deMove));
    EXPECT_EQ(right->Cells(2, 3), "moved text");
    EXPECT_EQ(target.calls.front(), "stream moved text");  // the cells, not the text beside them
    EXPECT_EQ(source.feedback, (std::vector<unsigned>{ui::deMove}));
    EXPECT_EQ(source.ended, 1);

    // With Ctrl held the same drag copies.
    ui::qt::ScriptNextDrop(right, at.X, at.Y, ui::ssCtrl);
    StartTextDrag(left, &source, "moved text", "", &cells, ui::deCopy | ui::deMove, effect);
    EXPECT_EQ(effect, unsigned(ui::deCopy));
}

TEST_F(GridsOnAForm, AColumnDragCarriesItsIndex)
{
    const ui::TPoint at = middleOf(1, 1);
    ui::qt::ScriptNextDrop(right, at.X, at.Y);
    unsigned effect = 0;
    EXPECT_EQ(StartColumnDrag(left, nullptr, 3, ui::deMove, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"col 3"}));
}

TEST_F(GridsOnAForm, ADropWhereNothingTakesItIsCancelled)
{
    ui::qt::ScriptNextDrop(left, 20, 20);  // the left grid has no drop target
    unsigned effect = 7;
    EXPECT_EQ(StartTextDrag(right, nullptr, "x", "", nullptr, ui::deCopy, effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, unsigned(ui::deNone));
}

TEST_F(GridsOnAForm, PlainTextFromAnotherProgramLands)
{
    const ui::TPoint at = middleOf(2, 2);
    EXPECT_EQ(ui::qt::DropTextFromOutside(right, at.X, at.Y, "from outside \xC3\xA9"), unsigned(ui::deMove));
    EXPECT_EQ(right->Cells(2, 2), "from outside \xC3\xA9");
    target.AcceptText = false;
    EXPECT_EQ(ui::qt::DropTextFromOutside(right, at.X, at.Y, "refused"), unsigned(ui::deNone));
    EXPECT_EQ(right->Cells(2, 2), "from outside \xC3\xA9");
}

TEST_F(GridsOnAForm, ATargetGoesWithItsControl)
{
    auto* extra = new TBaseGrid(&form);
    ui::RegisterDragDrop(extra, &target);
    EXPECT_EQ(ui::DropTargetOf(extra), &target);
    delete extra;
    EXPECT_EQ(ui::DropTargetOf(right), &target);
    ui::RevokeDragDrop(right);
    EXPECT_EQ(ui::DropTargetOf(right), nullptr);
}

}  // namespace
}  // namespace gx
