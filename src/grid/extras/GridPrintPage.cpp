// Printing a grid: a page's header, footer, title and page number, and the frame around its
// table; see GridPrintJob.h.
#include <algorithm>
#include <array>

#include "grid/base/HtmlTextDraw.h"
#include "grid/base/VozEdidText.h"
#include "grid/extras/GridPrintJob.h"
#include "platform/rtl/DateTime.h"

namespace gx {

std::array<std::string, 7> PrintSlotTexts(TPrintSettings& Settings, const std::string& PageNumText, rtl::TDateTime Now,
                                          bool HtmlTitle)
{
    std::array<std::string, 7> slot;
    auto add = [&](TPrintPosition p, const std::string& item) {
        if (p == ppNone)
            return;
        std::string& sl = slot[p];
        sl = (p == ppTopLeft || p == ppBottomLeft) ? item + " " + sl : sl + " " + item;
    };
    add(Settings.Time, rtl::FormatDateTime("hh:nn", Now));
    add(Settings.Date, rtl::FormatDateTime(Settings.DateFormat, Now));
    add(Settings.PageNr, Settings.PagePrefix + " " + PageNumText + " " + Settings.PageSuffix);
    if (!Settings.TitleText.empty())
        add(Settings.Title, Settings.TitleText);
    else if (Settings.TitleLines()->Count() > 0 && !HtmlTitle && Settings.Title != ppNone) {
        std::string& sl = slot[Settings.Title];
        const std::string first = Settings.TitleLines()->Get(0);
        const bool left = Settings.Title == ppTopLeft || Settings.Title == ppBottomLeft;
        sl = left ? JoinWithBlank(first, sl) : JoinWithBlank(sl, first);
    }
    return slot;
}

}  // namespace gx

namespace gx::printjob {

std::string TPrintJob::HtmlTitle() const
{
    const rtl::TStringList& lines = *ps_.TitleLines();
    std::string joined, text;
    for (int i = 0; i < lines.Count(); ++i) {
        joined += lines.Get(i);
        text += (i ? "\r\n" : "") + lines.Get(i);
    }
    return GetCellTextKind(text, g_.EnableHTML) == ctkHTML ? joined : std::string();
}

int TPrintJob::HtmlTitleHeight(const std::string& html, bool draw, int top)
{
    UseFont(IsTop(ps_.Title) ? *ps_.HeaderFont() : *ps_.FooterFont());
    THTMLDrawParams params;
    params.Printing = true;
    params.MeasureOnly = !draw;
    params.Images = g_.GridImages;
    params.PictureCache = g_.ImageCache();
    params.LinkColor = g_.URLColor();
    const ui::TRect area{DevX(ps_.LeftSize), DevY(top), DevX(pageWidth_), DevY(pageHeight_)};
    THTMLDrawResult result;
    DrawHTMLText(*c_, html, area, params, result);
    return ToTenths(result.UsedHeight);
}

std::string TPrintJob::PageNumText()
{
    std::string s;
    if (multiBand_)
        s = std::to_string(pageInBand_ + 1) + "-" + std::to_string(band_);
    else {
        s = std::to_string(page_ + 1 + ps_.PageNumberOffset);
        if (!ps_.PageNumSep.empty() && total_ > 1)
            s += ps_.PageNumSep + std::to_string(total_ + ps_.MaxPagesOffset);
    }
    g_.DoPrintGetPageNum(multiBand_ ? pageInBand_ + 1 : page_ + 1, band_, s);
    return s;
}

void TPrintJob::PrintHeaderFooter()
{
    if (!PageInRange())
        return;
    const std::string html = ps_.TitleText.empty() && ps_.TitleLines()->Count() > 0 ? HtmlTitle() : std::string();
    const std::array<std::string, 7> slot = PrintSlotTexts(ps_, PageNumText(), rtl::Now(), !html.empty());
    const ui::TFont savedFont = [&] {
        ui::TFont f;
        f.Assign(*c_->Font());
        return f;
    }();
    auto place = [&](int pos, const std::string& text, int y) {
        if (text.empty())
            return;
        const int w = TextW(text);
        int x = ps_.LeftSize;
        if (pos == ppTopRight || pos == ppBottomRight)
            x = pageWidth_ - w - ps_.RightSize - 20;
        else if (pos == ppTopCenter || pos == ppBottomCenter)
            x = (pageWidth_ - w) / 2;
        Text(x, y, text);
    };
    const bool titleFurther = ps_.TitleText.empty() && html.empty() && ps_.TitleLines()->Count() > 1;
    c_->Font()->SetColor(ui::clBlack);
    UseFont(*ps_.HeaderFont());
    for (int p = ppTopLeft; p <= ppTopCenter; ++p)
        place(p, slot[p], -ps_.HeaderSize);
    if (titleFurther && IsTop(ps_.Title))
        for (int i = 1; i < ps_.TitleLines()->Count(); ++i)
            place(ps_.Title, ps_.TitleLines()->Get(i), -ps_.HeaderSize - i * hH_);
    // An HTML title below the header line (the header's height reserves it).
    if (!html.empty() && IsTop(ps_.Title)) {
        const bool headerLine = IsTop(ps_.Time) || IsTop(ps_.Date) || IsTop(ps_.PageNr);
        HtmlTitleHeight(html, true, -ps_.HeaderSize - (headerLine ? hH_ + gap_ : 0));
    }
    UseFont(*ps_.FooterFont());
    const int fy = pageHeight_ + hF_ + gap_ + ps_.FooterSize;
    for (int p = ppBottomLeft; p <= ppBottomCenter; ++p)
        place(p, slot[p], fy);
    if (titleFurther && IsBottom(ps_.Title))
        for (int i = 1; i < ps_.TitleLines()->Count(); ++i)
            place(ps_.Title, ps_.TitleLines()->Get(i), fy - i * hF_);
    if (!html.empty() && IsBottom(ps_.Title)) {
        const int h = HtmlTitleHeight(html, false, 0);
        HtmlTitleHeight(html, true, pageHeight_ + ps_.FooterSize + h + hF_ + 2 * gap_);
    }
    c_->Font()->Assign(savedFont);
}

void TPrintJob::PrintPageBorders(int first, int last, int y)
{
    if (!PageInRange())
        return;
    int right = Offset(first);
    for (int c = first; c <= last; ++c)
        if (ColIncluded(c))
            right = std::max(right, Offset(c) + Width(c) + s_);
    const int left = repeatCols_ ? Offset(0) : Offset(first);
    const int top = -headerBand_ - ps_.TitleSpacing;
    const int bottom = y + gap_ / 2;
    const TPrintBorders b = ps_.Borders;
    c_->Pen()->SetColor(ps_.BorderColor);
    c_->Pen()->SetStyle(ps_.BorderStyle);
    c_->Pen()->SetWidth(std::max(1, DevLen(b == pbDouble ? 10 : 2)));
    if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
        Line(left, top, right, top);
        Line(right, top, right, bottom);
        Line(right, bottom, left, bottom);
        Line(left, bottom, left, top);
    }
    if (b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal)
        Line(left, bottom, right, bottom);
    if ((b == pbDouble || b == pbVertical || b == pbAroundVertical) && repeatCols_)
        for (int c = 0; c < g_.FixedCols(); ++c)
            Line(Offset(c), top, Offset(c), bottom);
}

}  // namespace gx::printjob
