#include "grid/extras/GridHtml.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "grid/base/HtmlTextUtils.h"
#include "grid/extras/GridFileCommon.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/TextEncoding.h"
#include "platform/rtl/Utf8.h"
#include "platform/sys/OpenUrl.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/ImageCodecs.h"

namespace gx {
namespace {

constexpr ui::TColor kUnset = 0x7FFFFFFF;
const char* const kCrLf = "\r\n";

std::string Hex(ui::TColor c)
{
    ui::TColor rgb = ui::ColorToRGB(c);
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X%02X%02X", rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
    return buf;
}

class HtmlWriter {
public:
    HtmlWriter(TGxStringGrid& grid, std::string dir) : grid_(grid), s_(*grid.HTMLSettings()), dir_(std::move(dir)) {}

    std::string Build()
    {
        std::string prolog;
        if (s_.XHTML)
            prolog = std::string("<?xml version=\"1.0\" encoding=\"utf-8\"?>") + kCrLf +
                     "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"" + kCrLf +
                     "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">" + kCrLf +
                     "<HTML xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">" + kCrLf;
        prolog += s_.PrefixTag;
        std::string table = "<TABLE BORDER=\"" + std::to_string(s_.BorderSize) + "\" CELLSPACING=\"" +
                            std::to_string(s_.CellSpacing) + "\" CELLPADDING=\"" + std::to_string(s_.CellPadding) +
                            "\" ";
        if (!s_.Summary.empty())
            table += "SUMMARY=\"" + s_.Summary + "\" ";
        if (!s_.TableStyle.empty())
            table += " " + s_.TableStyle + " ";
        table += " WIDTH=\"" + std::to_string(s_.Width) + "%\">" + kCrLf;

        const int c0 = grid_.SaveFixedCells || grid_.SaveFixedCols ? 0 : grid_.FixedCols();
        int r0 = grid_.SaveFixedCells || grid_.SaveFixedRows ? 0 : grid_.FixedRows();
        bool header = false;
        if (grid_.FixedRows() > 0 && (grid_.SaveFixedCells || grid_.SaveFixedRows)) {
            header = true;
            table += std::string("<TR>") + kCrLf;
            for (int c = c0; c < grid_.ColCount(); ++c)
                table += CellLine(c, 0, c0, true);
            table += std::string("</TR>") + kCrLf;
            r0 = 1;
        }
        header_ = header;
        grid_.ExportNotification(esExportStart, r0);
        for (int r = r0; r < grid_.RowCount(); ++r) {
            grid_.ExportNotification(esExportNextRow, r);
            table += std::string("<TR>") + kCrLf;
            for (int c = c0; c < grid_.ColCount(); ++c)
                table += CellLine(c, r, c0, false);
            table += std::string("</TR>") + kCrLf;
        }
        grid_.ExportNotification(esExportDone, -1);
        table += std::string("</TABLE>") + kCrLf;
        if (!s_.SuffixTag.empty())
            table += s_.SuffixTag + kCrLf;
        if (s_.XHTML)
            table += std::string("</HTML>") + kCrLf;

        std::string style = std::string("<style>") + kCrLf;
        for (std::size_t i = 0; i < styles_.size(); ++i)
            style += ".c" + std::to_string(i) + " {" + styles_[i] + "}" + kCrLf;
        style += std::string("</style>") + kCrLf;
        return prolog + style + table;
    }

private:
    std::string LinkRule(const std::string& t)
    {
        if (!grid_.URLShow() || t.find("</") != std::string::npos)
            return t;
        std::string out = t;
        std::size_t p = t.find("://");
        if (p != std::string::npos)
            out = "<a href=" + t + ">" + (grid_.URLFull() ? t : t.substr(p + 3, 255)) + "</a>";
        std::size_t m = t.find("mailto:");
        if (m != std::string::npos)
            out = "<a href=" + t + ">" + (grid_.URLFull() ? t : t.substr(m + 7)) + "</a>";
        return out;
    }

    int StyleIndex(const std::string& decl)
    {
        for (std::size_t i = 0; i < styles_.size(); ++i)
            if (styles_[i] == decl)
                return static_cast<int>(i);
        styles_.push_back(decl);
        return static_cast<int>(styles_.size()) - 1;
    }

    std::string Declarations(int real, int r, bool fixed, bool& wrap)
    {
        ui::TFont font;
        font.Assign(*grid_.Font());
        ui::TBrush brush;
        font.SetColor(kUnset);
        font.SetStyle(0);
        brush.SetColor(kUnset);
        // The cell's own look, then whatever the grid's painting hooks say of it.
        if (grid_.FontColors(real, r) != ui::clNone)
            font.SetColor(grid_.FontColors(real, r));
        font.SetStyle(grid_.FontStyles(real, r));
        if (grid_.FontSizes(real, r) > 0)
            font.SetSize(grid_.FontSizes(real, r));
        if (!grid_.FontNames(real, r).empty())
            font.SetName(grid_.FontNames(real, r));
        if (grid_.Colors(real, r) != ui::clNone)
            brush.SetColor(grid_.Colors(real, r));
        THAlignment ha;
        TVAlignment va;
        grid_.GetCellTextAlignment(real, r, ha, va);
        wrap = grid_.WordWraps(real, r);
        ui::TGridDrawState state = 0;
        ui::TColor to = ui::clNone, mirror = ui::clNone, mirrorTo = ui::clNone;
        TCellGradientDirection gd = GradientVertical;
        grid_.GetVisualProperties(real, r, state, false, false, false, &brush, to, mirror, mirrorTo, &font, ha, va,
                                  wrap, gd);
        if (fixed)
            brush.SetColor(grid_.FixedColor());
        std::vector<std::string> d;
        if (s_.SaveColor && brush.Color() != kUnset && brush.Color() != ui::clNone)
            d.push_back("background-color: #" + Hex(brush.Color()));
        if (s_.SaveColor && font.Color() != kUnset && font.Color() != ui::clNone)
            d.push_back("color: #" + Hex(font.Color()));
        d.push_back("font-size:" + std::to_string(font.Size()) + "pt");
        if (font.Style() & ui::fsItalic)
            d.push_back("font-style: italic");
        if (font.Style() & ui::fsBold)
            d.push_back("font-weight: bold");
        d.push_back("font-family: " + font.Name());
        if (ha == THAlignment::taRightJustify)
            d.push_back("text-align: right");
        else if (ha == THAlignment::taCenter)
            d.push_back("text-align: center");
        d.push_back(va == vtaCenter   ? "vertical-align: middle"
                    : va == vtaBottom ? "vertical-align: bottom"
                                      : "vertical-align: top");
        std::string out;
        for (const std::string& x : d)
            out += (out.empty() ? "" : ";") + x;
        return out;
    }

    // Writes the bitmap as the next picture file; empty when pictures are not written.
    std::string ImageTag(const ui::TBitmap* bmp)
    {
        if (!bmp || bmp->Empty() || dir_.empty())
            return {};
        std::string folder = dir_ + "images";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (!std::filesystem::is_directory(folder, ec))
            throw rtl::EFileError(folder, "Cannot create " + folder);
        std::vector<std::uint8_t> jpeg;
        std::string why;
        if (!ui::EncodeJpeg(*bmp, 90, jpeg, why))
            throw rtl::EFileError(folder, why);
        std::string file = folder + "/img" + std::to_string(++imageCounter_) + ".jpg";
        rtl::WriteFileAtomic(file, std::string(jpeg.begin(), jpeg.end()));
        return "<img src= \"file://" + file + "\">";
    }

    const ui::TBitmap* ListImage(int index)
    {
        ui::TImageList* list = grid_.GetGridImageList();
        return list && index >= 0 && index < list->Count() ? list->Image(index) : nullptr;
    }

    std::string Content(int real, int r, const std::string& text, bool& plain)
    {
        plain = false;
        TCellGraphic* g = s_.ExportImages ? grid_.GetCellGraphic(real, r) : nullptr;
        if (!g)
            return text;
        switch (g->CellType) {
        case ctBitmap:
            if (auto* b = dynamic_cast<ui::TBitmap*>(g->CellBitmap))
                return text + ImageTag(b);
            break;
        case ctPicture:
            if (auto* p = dynamic_cast<ui::TPicture*>(g->CellBitmap))
                if (auto* b = dynamic_cast<ui::TBitmap*>(p->Graphic()))
                    return text + ImageTag(b);
            break;
        case ctImageList:
            if (const ui::TBitmap* b = ListImage(g->CellIndex))
                return ImageTag(b) + text;
            break;
        case ctDataImage: {
            int idx = -1;
            if (extras::ParseInt(grid_.Cells(real, r), idx))
                if (const ui::TBitmap* b = ListImage(idx))
                    return ImageTag(b);
            return {};
        }
        case ctNode:
            return "+" + text;
        case ctImages:
            if (auto* l = dynamic_cast<TIntList*>(g->CellBitmap); l && grid_.GetGridImageList()) {
                std::string tags;
                for (int i = 0; i < l->Count(); ++i)
                    if (const ui::TBitmap* b = ListImage(l->GetInteger(i)))
                        tags += ImageTag(b);
                return tags + text;
            }
            break;
        default:
            break;
        }
        plain = true;
        return text;
    }

    std::string CellLine(int c, int r, int c0, bool headerRow)
    {
        const int real = grid_.RealColIndex(c);
        if (grid_.IsMergedNonBaseCell(real, r))
            return {};
        std::string spans;
        ui::TPoint span = grid_.CellSpan(real, r);
        if (span.X > 0)
            spans += " COLSPAN=\"" + std::to_string(span.X + 1) + "\"";
        if (span.Y > 0)
            spans += " ROWSPAN=\"" + std::to_string(span.Y + 1) + "\"";
        std::string text = grid_.GetSaveCellText(real, r);
        if (!headerRow) {
            if (s_.ConvertSpecialChars)
                text = EncodeHTMLEntities(text, true);
            if (s_.NonBreakingText)
                text = rtl::ReplaceStr(text, " ", "&nbsp;");
        }
        text = LinkRule(rtl::ReplaceStr(text, "\r", "<br>"));
        if (rtl::Trim(text).empty())
            text = "&nbsp;";
        bool wrap = true;
        bool fixed = headerRow || grid_.IsFixed(c, r);
        std::string decl = Declarations(real, r, fixed, wrap);
        std::string width;
        TIntList* widths = s_.ColWidths();
        if (headerRow && c < widths->Count())
            width = " WIDTH=" + std::to_string(widths->GetInteger(c));
        else if (!headerRow && !header_ && c - c0 < widths->Count())
            width = " width=" + std::to_string(widths->GetInteger(c - c0));
        bool plain = true;
        std::string content = Content(real, r, text, plain);
        return "<TD class=\"c" + std::to_string(StyleIndex(decl)) + "\"" + spans + (wrap ? "" : " nowrap") + width +
               ">" + content + "</td>" + kCrLf;
    }

    TGxStringGrid& grid_;
    THTMLSettings& s_;
    std::string dir_;
    std::vector<std::string> styles_;
    bool header_ = false;
    int imageCounter_ = 0;
};

void WriteHtml(TGxStringGrid& grid, const std::string& FileName, bool Show, bool Unicode, bool append)
{
    std::string text;
    std::error_code ec;
    if (append && std::filesystem::exists(FileName, ec)) {
        try {
            text = extras::JoinLines(extras::SplitLines(rtl::DecodeText(rtl::ReadFileBytes(FileName))));
        } catch (const rtl::Exception&) {
            text.clear();  // an unreadable file counts as empty
        }
    }
    THTMLSettings& s = *grid.HTMLSettings();
    if (!s.HeaderFile.empty())
        text += extras::JoinLines(extras::SplitLines(rtl::DecodeText(rtl::ReadFileBytes(s.HeaderFile))));
    std::string dir = std::filesystem::path(FileName).parent_path().string();
    dir = dir.empty() ? "./" : dir + "/";
    text += SaveToHTMLString(grid, dir) + kCrLf;
    if (!s.FooterFile.empty())
        text += extras::JoinLines(extras::SplitLines(rtl::DecodeText(rtl::ReadFileBytes(s.FooterFile))));
    std::string bytes;
    if (Unicode) {
        bytes = rtl::EncodeText(text, rtl::TEncoding::Unicode);
    } else {
        for (char32_t c : rtl::Utf8ToCodePoints(text))
            bytes += c < 0x80 ? static_cast<char>(c) : '?';
    }
    rtl::WriteFileAtomic(FileName, bytes);
    if (Show || s.AutoPreview)
        sys::OpenUrl("file://" + std::filesystem::absolute(FileName).string());
}

}  // namespace

std::string SaveToHTMLString(TGxStringGrid& grid, const std::string& dir)
{
    return HtmlWriter(grid, dir).Build();
}

void SaveToHTML(TGxStringGrid& grid, const std::string& FileName, bool Show, bool Unicode)
{
    WriteHtml(grid, FileName, Show, Unicode, false);
}

void AppendToHTML(TGxStringGrid& grid, const std::string& FileName, bool Show, bool Unicode)
{
    WriteHtml(grid, FileName, Show, Unicode, true);
}

}  // namespace gx
