// The binary cell stream: the byte layout of a cell block, the forms texts and colours take,
// round trips of texts, properties and graphics, placing a part at another cell, streams without
// fixed cells, payloads that are empty, and streams cut short or damaged anywhere.
#include "grid/extras/GridCellStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "ExtrasFixture.h"
#include "ScratchDir.h"
#include "grid/extras/CellStreamCodec.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"

namespace gx {
namespace {

using extrastest::AwkwardCells;
using extrastest::CellsOf;
using extrastest::Fill;

std::string Bytes(TGxStringGrid& grid, const ui::TRect& r)
{
    rtl::TMemoryStream s;
    SaveRectToBinStream(grid, r, s);
    return std::string(s.Bytes().begin(), s.Bytes().end());
}

TEST(GridCellStream, CellBlockHasTheDocumentedBytes)
{
    TGxStringGrid grid(nullptr);
    grid.SetCells(1, 2, "ab");
    std::string all = Bytes(grid, {1, 2, 1, 2});
    const std::string block("TPF0\x0BTGridCellIO\x00\x03"
                            "Col\x02\x01\x03Row\x02\x02\x04"
                            "Cell\x06\x02"
                            "ab\x07HasProp\x08\x00\x00",
                            49);
    ASSERT_GE(all.size(), block.size());
    EXPECT_EQ(all.substr(all.size() - block.size()), block);
}

// The cell block written in one piece has the bytes of the block written entry by entry, and the
// short reading of it gives what the full reading gives; any other form it leaves to the full one.
TEST(GridCellStream, CellBlockInOnePieceMatchesTheBlockWriter)
{
    struct Case {
        std::int64_t col, row;
        std::string text;
        bool hasProp;
        bool shortForm;  // read by ReadPlainCellBlock
    };
    const Case cases[] = {
        {0, 0, "", false, true},
        {127, 128, "a", true, true},
        {-128, -129, "x,y", false, true},
        {32767, 32768, std::string(255, 'z'), true, true},
        {65535, -32769, "tab\there", false, true},
        {1, 2, std::string(256, 'z'), false, false},
        {1, 2, "\xC3\xA9", false, false},
        {1, 2, "a\xC3\xA9", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 12) + " " + std::to_string(c.col) + "," + std::to_string(c.row));
        std::string expected;
        {
            cellstream::BlockWriter w(expected, "TGridCellIO");
            w.Int("Col", c.col);
            w.Int("Row", c.row);
            w.Text("Cell", c.text);
            w.Bool("HasProp", c.hasProp);
            w.End();
        }
        std::string out = "prefix";
        cellstream::WriteCellBlock(out, c.col, c.row, c.text, c.hasProp);
        EXPECT_EQ(out, "prefix" + expected);

        std::size_t pos = 6;
        std::int64_t col = -1, row = -1;
        std::string text = "old";
        bool hasProp = !c.hasProp;
        ASSERT_EQ(cellstream::ReadPlainCellBlock(out, pos, col, row, text, hasProp), c.shortForm);
        if (!c.shortForm) {
            EXPECT_EQ(pos, 6u);
            continue;
        }
        EXPECT_EQ(pos, out.size());
        EXPECT_EQ(col, c.col);
        EXPECT_EQ(row, c.row);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(hasProp, c.hasProp);
        // Cut anywhere, the block is left to the full reading, which refuses it.
        for (std::size_t cut = 6; cut < out.size(); ++cut) {
            const std::string part = out.substr(0, cut);
            std::size_t at = 6;
            EXPECT_FALSE(cellstream::ReadPlainCellBlock(part, at, col, row, text, hasProp)) << cut;
            EXPECT_EQ(at, 6u);
            EXPECT_THROW(cellstream::ReadBlock(part, at), rtl::EReadError) << cut;
        }
    }
    // Other forms the full reading takes: entries in another order, an instance name, a text of
    // another kind, a non-zero end.
    std::string reordered;
    {
        cellstream::BlockWriter w(reordered, "TGridCellIO");
        w.Int("Row", 3);
        w.Int("Col", 4);
        w.Bool("HasProp", false);
        w.End();
    }
    std::string named = reordered;
    named.replace(16, 1, std::string("\x01n", 2));
    std::string lstring;
    {
        cellstream::BlockWriter w(lstring, "TGridCellIO");
        w.Int("Col", 4);
        w.Int("Row", 3);
        w.End();
    }
    lstring.insert(lstring.size() - 2, std::string("\x04"
                                                   "Cell\x0C\x01\x00\x00\x00q\x07HasProp\x08",
                                                   20));
    std::string badEnd;
    cellstream::WriteCellBlock(badEnd, 4, 3, "q", false);
    badEnd.back() = '\x01';
    for (const std::string& form : {reordered, named, lstring, badEnd}) {
        std::size_t pos = 0;
        std::int64_t col = 0, row = 0;
        std::string text;
        bool hasProp = false;
        EXPECT_FALSE(cellstream::ReadPlainCellBlock(form, pos, col, row, text, hasProp));
        EXPECT_EQ(pos, 0u);
    }
    std::size_t pos = 0;
    EXPECT_EQ(cellstream::ReadBlock(lstring, pos).entries.size(), 4u);
    pos = 0;
    EXPECT_EQ(cellstream::ReadBlock(named, pos).entries.size(), 3u);
    pos = 0;
    EXPECT_THROW(cellstream::ReadBlock(badEnd, pos), rtl::EReadError);
}

TEST(GridCellStream, TextsAndColoursTakeTheirForms)
{
    struct Case {
        std::string text;
        cellstream::TValueType type;
    };
    const Case cases[] = {{"plain", cellstream::vaString},
                          {std::string(300, 'x'), cellstream::vaLString},
                          {"\xC3\xA9", cellstream::vaWString},
                          {"\xC3\xA9"
                           "a",
                           cellstream::vaUTF8String},
                          {"日本", cellstream::vaWString}};
    for (const Case& c : cases) {
        std::string out;
        cellstream::BlockWriter w(out, "T");
        w.Text("Cell", c.text);
        w.Color("A", 0x1FFFFFFF);
        w.Color("B", 0x00123456);
        w.End();
        std::size_t pos = 0;
        cellstream::Block b = cellstream::ReadBlock(out, pos);
        EXPECT_EQ(pos, out.size());
        ASSERT_EQ(b.entries.size(), 3u);
        EXPECT_EQ(b.entries[0].value.type, c.type) << c.text;
        EXPECT_EQ(b.entries[0].AsText(), c.text);
        EXPECT_EQ(b.entries[1].value.type, cellstream::vaIdent);
        EXPECT_EQ(b.entries[1].value.s, "clNone");
        EXPECT_EQ(b.entries[2].value.type, cellstream::vaInt32);
        EXPECT_EQ(b.entries[2].AsColor(), 0x00123456u);
    }
}

TEST(GridCellStream, TextsPropertiesAndGraphicsRoundTrip)
{
    TGxStringGrid out(nullptr), in(nullptr);
    Fill(out, AwkwardCells());
    out.SetColWidths(2, 99);
    out.SetFontStyles(1, 1, ui::fsBold | ui::fsStrikeOut);
    out.SetColors(1, 1, 0x00123456);
    out.SetAlignments(2, 2, THAlignment::taCenter);
    out.SetFontNames(2, 2, "Tahoma");
    TCellGraphic* g = out.CreateCellGraphic(0, 3);
    auto* bmp = new ui::TBitmap();
    bmp->SetSize(3, 2);
    bmp->SetPixel(1, 1, 0x0000FF);
    g->SetBitmap(bmp, true, haRight, vaCenter);
    g->CellCreated = true;
    TCellGraphic* radio = out.CreateCellGraphic(1, 3);
    radio->CellType = ctRadio;
    auto* items = new rtl::TStringList();
    items->Add("one");
    items->Add("twö");
    radio->CellBitmap = items;
    radio->CellCreated = true;
    radio->CellValue = 2.75;
    radio->CellText = "caption";

    rtl::TMemoryStream s;
    SaveToBinStream(out, s);
    s.SetPosition(0);
    LoadFromBinStream(in, s);
    EXPECT_EQ(CellsOf(in), AwkwardCells());
    EXPECT_EQ(in.ColWidths(2), 99);
    EXPECT_EQ(in.FontStyles(1, 1), ui::fsBold | ui::fsStrikeOut);
    EXPECT_EQ(in.Colors(1, 1), 0x00123456u);
    EXPECT_EQ(in.Alignments(2, 2), THAlignment::taCenter);
    EXPECT_EQ(in.FontNames(2, 2), "Tahoma");
    TCellGraphic* gb = in.GetCellGraphic(0, 3);
    ASSERT_NE(gb, nullptr);
    EXPECT_EQ(gb->CellType, ctBitmap);
    EXPECT_EQ(gb->CellHAlign, haRight);
    auto* lb = dynamic_cast<ui::TBitmap*>(gb->CellBitmap);
    ASSERT_NE(lb, nullptr);
    EXPECT_EQ(lb->Width(), 3);
    EXPECT_EQ(lb->Pixel(1, 1) & 0xFFFFFF, 0x0000FFu);
    TCellGraphic* rb = in.GetCellGraphic(1, 3);
    ASSERT_NE(rb, nullptr);
    auto* li = dynamic_cast<rtl::TStrings*>(rb->CellBitmap);
    ASSERT_NE(li, nullptr);
    EXPECT_EQ(li->Text(), "one\r\ntwö\r\n");
    EXPECT_DOUBLE_EQ(rb->CellValue, 2.75);
    EXPECT_EQ(rb->CellText, "caption");
}

TEST(GridCellStream, PartLandsAtThePointAndAnExtraByteIsLeft)
{
    TGxStringGrid out(nullptr), in(nullptr);
    Fill(out, {{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}});
    rtl::TMemoryStream s;
    SaveRectToBinStream(out, {1, 1, 2, 2}, s);
    const int64_t end = s.Position();
    s.WriteString(std::string(1, '\0'));
    s.SetPosition(0);
    in.SetColCount(8);
    in.SetRowCount(6);
    LoadAtPointFromBinStream(in, {5, 3}, s);
    EXPECT_EQ(s.Position(), end);
    EXPECT_EQ(in.Cells(5, 3), "e");
    EXPECT_EQ(in.Cells(6, 4), "i");
    EXPECT_EQ(in.Cells(4, 3), "");
}

// A stream of the whole grid saved without fixed cells keeps its last row and column, and a cell
// with an empty payload does not take the previous cell's.
TEST(GridCellStream, WithoutFixedCellsNothingIsLostAndEmptyPayloadsStayEmpty)
{
    TGxStringGrid out(nullptr), in(nullptr);
    Fill(out, {{"", "h1", "h2"}, {"r1", "a", "b"}, {"r2", "c", "last"}});
    out.SaveFixedCells = false;
    for (int c : {1, 2}) {
        TCellGraphic* g = out.CreateCellGraphic(c, 2);
        g->CellType = ctRadio;
        auto* items = new rtl::TStringList();
        if (c == 1)
            items->Add("only in the first");
        g->CellBitmap = items;
        g->CellCreated = true;
    }
    rtl::TMemoryStream s;
    SaveToBinStream(out, s);
    s.SetPosition(0);
    LoadFromBinStream(in, s);
    EXPECT_EQ(in.Cells(2, 2), "last");
    EXPECT_EQ(in.Cells(1, 1), "a");
    auto* second = dynamic_cast<rtl::TStrings*>(in.GetCellGraphic(2, 2)->CellBitmap);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Count(), 0);
}

// Rows are stored in 16 bits: a grid past 65,536 rows, loaded whole or placed at a point, keeps
// every row where it was instead of writing the later rows over the first ones.
TEST(GridCellStream, RowsPastSixteenBitsKeepTheirPlaces)
{
    constexpr int kRows = 70000;
    TGxStringGrid out(nullptr);
    out.SetColCount(2);
    out.SetRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
        out.SetCells(1, r, std::to_string(r));
    rtl::TMemoryStream s;
    SaveToBinStream(out, s);
    s.SetPosition(0);
    TGxStringGrid whole(nullptr);
    LoadFromBinStream(whole, s);
    ASSERT_EQ(whole.RowCount(), kRows);
    for (int r : {0, 1, 4463, 65535, 65536, 65537, kRows - 1})
        EXPECT_EQ(whole.Cells(1, r), std::to_string(r)) << r;

    // A part starting below row 65,536 and running past it, placed near the top of another grid.
    rtl::TMemoryStream part;
    SaveRectToBinStream(out, {1, 65530, 1, 65540}, part);
    part.SetPosition(0);
    TGxStringGrid in(nullptr);
    in.SetColCount(3);
    in.SetRowCount(20);
    LoadAtPointFromBinStream(in, {2, 1}, part);
    EXPECT_EQ(in.Cells(2, 1), "65530");
    EXPECT_EQ(in.Cells(2, 7), "65536");
    EXPECT_EQ(in.Cells(2, 11), "65540");
    EXPECT_EQ(in.Cells(2, 0), "");
}

// A file is written in pieces: a grid of several pieces' bytes is saved with the stream's bytes and
// loads back; a read-only file is refused by name and left as it was, with no temporary beside it.
TEST(GridCellStream, FileSaveHasTheStreamBytesAndReplacesTheFileWhole)
{
    constexpr int kRows = 9000;
    TGxStringGrid out(nullptr);
    out.SetColCount(10);
    out.SetRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < 10; ++c)
            out.SetCells(c, r, std::to_string(r) + (c % 3 ? "" : ",\xC3\xA9"));
    out.SetColors(3, 7000, 0x00123456);
    const std::string stream = Bytes(out, {0, 0, 9, kRows - 1});
    ASSERT_GT(stream.size(), 3u << 20);

    testsupport::ScratchDir dir;
    const std::string file = dir.File("grid.cells");
    testsupport::WriteFile(file, "old");
    SaveToBinFile(out, file);
    EXPECT_EQ(rtl::ReadFileBytes(file), stream);
    TGxStringGrid in(nullptr);
    LoadFromBinFile(in, file);
    EXPECT_EQ(CellsOf(in), CellsOf(out));
    EXPECT_EQ(in.Colors(3, 7000), 0x00123456u);

    testsupport::WriteFile(file, "kept");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    try {
        SaveToBinFile(out, file);
        ADD_FAILURE();
    } catch (const rtl::EFCreateError& e) {
        EXPECT_NE(e.Message.find(file), std::string::npos) << e.Message;
    }
    EXPECT_EQ(rtl::ReadFileBytes(file), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

// A file is read a piece at a time: cells with properties and graphics whose records run over the
// end of a piece load whole, and a file cut short names the byte where it ends, counted from the
// file's start.
TEST(GridCellStream, FileLoadReadInPiecesKeepsRecordsWholeAndCountsBytesFromTheStart)
{
    constexpr int kRows = 12000;
    TGxStringGrid out(nullptr);
    out.SetColCount(6);
    out.SetRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < 6; ++c)
            out.SetCells(c, r, "cell " + std::to_string(r) + "/" + std::to_string(c) + std::string(r % 40, 'x'));
    // Every 37th row a coloured cell, every 401st a bitmap: some of their records cross a piece's end.
    for (int r = 5; r < kRows; r += 37)
        out.SetColors(r % 6, r, static_cast<ui::TColor>(r));
    for (int r = 11; r < kRows; r += 401) {
        TCellGraphic* g = out.CreateCellGraphic(2, r);
        auto* bmp = new ui::TBitmap();
        bmp->SetSize(40, 30);
        bmp->SetPixel(3, 4, static_cast<ui::TColor>(r));
        g->SetBitmap(bmp, true, haLeft, vaTop);
        g->CellCreated = true;
    }
    testsupport::ScratchDir dir;
    const std::string file = dir.File("pieces.cells");
    SaveToBinFile(out, file);
    const std::string bytes = rtl::ReadFileBytes(file);
    ASSERT_GT(bytes.size(), 3u << 20);

    TGxStringGrid in(nullptr);
    LoadFromBinFile(in, file);
    EXPECT_EQ(CellsOf(in), CellsOf(out));
    for (int r = 5; r < kRows; r += 37)
        ASSERT_EQ(in.Colors(r % 6, r), static_cast<ui::TColor>(r)) << r;
    for (int r = 11; r < kRows; r += 401) {
        TCellGraphic* g = in.GetCellGraphic(2, r);
        ASSERT_NE(g, nullptr) << r;
        auto* bmp = dynamic_cast<ui::TBitmap*>(g->CellBitmap);
        ASSERT_NE(bmp, nullptr) << r;
        EXPECT_EQ(bmp->Pixel(3, 4) & 0xFFFFFF, static_cast<ui::TColor>(r)) << r;
    }

    const std::size_t cut = bytes.size() - 1000;
    testsupport::WriteFile(file, bytes.substr(0, cut));
    TGxStringGrid shortGrid(nullptr);
    try {
        LoadFromBinFile(shortGrid, file);
        ADD_FAILURE();
    } catch (const rtl::EFileError& e) {
        const std::size_t at = e.Message.find("cell stream byte ");
        ASSERT_NE(at, std::string::npos) << e.Message;
        const std::size_t byte = std::stoul(e.Message.substr(at + 17));
        EXPECT_GT(byte, cut - 400) << e.Message;
        EXPECT_LE(byte, cut) << e.Message;
    }
}

TEST(GridCellStream, DamagedStreamsAreRefusedWithoutCrashing)
{
    TGxStringGrid out(nullptr);
    Fill(out, AwkwardCells());
    TCellGraphic* g = out.CreateCellGraphic(0, 3);
    auto* bmp = new ui::TBitmap();
    bmp->SetSize(2, 2);
    g->SetBitmap(bmp, false, haLeft, vaTop);
    g->CellCreated = true;
    rtl::TMemoryStream s;
    SaveToBinStream(out, s);
    const std::string whole(s.Bytes().begin(), s.Bytes().end());
    int refused = 0;
    for (std::size_t cut = 0; cut + 2 < whole.size(); cut += 7) {
        for (int damage : {0, 1}) {
            std::string bytes = whole.substr(0, damage ? whole.size() : cut);
            if (damage)
                bytes[cut] = static_cast<char>(bytes[cut] ^ 0x5A);
            rtl::TStringStream in(bytes);
            TGxStringGrid grid(nullptr);
            try {
                LoadFromBinStream(grid, in);
            } catch (const rtl::Exception&) {
                ++refused;
            }
        }
    }
    EXPECT_GT(refused, 0);

    testsupport::ScratchDir dir;
    testsupport::WriteFile(dir.File("bad.cells"), "TPF1");
    TGxStringGrid grid(nullptr);
    try {
        LoadFromBinFile(grid, dir.File("bad.cells"));
        ADD_FAILURE();
    } catch (const rtl::EFileError& e) {
        EXPECT_NE(e.Message.find(dir.File("bad.cells")), std::string::npos);
        EXPECT_NE(e.Message.find("Invalid stream format"), std::string::npos);
    }
    std::string unknown;
    {
        cellstream::BlockWriter w(unknown, "TGridPropIO");
        w.Int("Colour", 1);
        w.End();
    }
    testsupport::WriteFile(dir.File("bad.cells"), unknown);
    try {
        LoadFromBinFile(grid, dir.File("bad.cells"));
        ADD_FAILURE();
    } catch (const rtl::EFileError& e) {
        EXPECT_NE(e.Message.find("Property Colour does not exist"), std::string::npos) << e.Message;
    }
}

}  // namespace
}  // namespace gx
