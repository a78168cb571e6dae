// Printing a grid; see GridPrint.h. Layout units are tenths of millimetres with y growing upwards;
// the page canvas is in device dots, so every coordinate passes DevX/DevY on its way to it.
#include "grid/extras/GridPrint.h"

#include <algorithm>
#include <cmath>

#include "grid/extras/GridFileCommon.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

namespace {

constexpr double kScreenDpi = 96.0;
constexpr double kPixelFactor = 254.0 / kScreenDpi;  // screen pixels to 0.1 mm

enum TPrintMode { pmPreviewDraw = 0, pmPrintDraw = 1, pmPrintCount = 2, pmPreviewCount = 3 };

bool IsTop(TPrintPosition p)
{
    return p == ppTopLeft || p == ppTopRight || p == ppTopCenter;
}

bool IsBottom(TPrintPosition p)
{
    return p == ppBottomLeft || p == ppBottomRight || p == ppBottomCenter;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> out(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (text[i] == '\n' || text[i] == '\r')
            out.emplace_back();
        else
            out.back() += text[i];
    }
    return out;
}

class TPrintJob {
public:
    TPrintJob(TGxStringGrid& grid, ui::TCanvas& canvas, double dpi, int mode, const ui::TGridRect& cells, int pageW,
              int pageH, ui::TPoint origin)
        : g_(grid),
          ps_(*grid.PrintSettings()),
          c_(&canvas),
          dpi_(dpi),
          mode_(mode),
          r_(cells),
          W_(pageW),
          P_(pageH),
          origin_(origin)
    {}

    ui::TPrinter* Printer = nullptr;
    int FromPage = 1, ToPage = 1;
    int TotalPages = -1;  // known to a drawing pass

    int Run(TPrintLayoutInfo* info);

private:
    bool Drawing() const { return mode_ == pmPreviewDraw || mode_ == pmPrintDraw; }
    bool PageInRange() const { return Drawing() && page_ + 1 >= FromPage && page_ + 1 <= ToPage; }
    int DevX(int x) const { return origin_.X + static_cast<int>(std::lround(x * dpi_ / 254.0)); }
    int DevY(int y) const { return origin_.Y + static_cast<int>(std::lround(-y * dpi_ / 254.0)); }
    int ToTenths(int dots) const { return static_cast<int>(std::lround(dots * 254.0 / dpi_)); }
    void UseFont(const ui::TFont& f, double scale = 1.0)
    {
        ui::TFont* cf = c_->Font();
        cf->Assign(f);
        const int h = -MapFontHeight(f.Size(), scale);
        cf->SetHeight(-std::max(1, static_cast<int>(std::lround(h * dpi_ / 254.0))));
    }
    int TextW(const std::string& s) { return ToTenths(c_->TextWidth(s)); }
    int TextH(const std::string& s) { return ToTenths(c_->TextHeight(s)); }
    void Text(int x, int y, const std::string& s)
    {
        c_->Brush()->SetStyle(ui::TBrushStyle::bsClear);
        c_->TextOut(DevX(x), DevY(y), s);
    }
    void Line(int x1, int y1, int x2, int y2)
    {
        c_->MoveTo(DevX(x1), DevY(y1));
        c_->LineTo(DevX(x2), DevY(y2));
    }
    int RealCol(int c) const { return g_.RealColIndex(c); }
    std::string CellText(int c, int r) { return g_.Cells(RealCol(c), r); }
    ui::TSize MeasureCell(int c, int r);
    int RowHeight(int r);
    void MeasureColumns();
    void FitToPage();
    void HeaderFooterHeights(bool firstOfBand);
    void PrintHeaderFooter();
    std::string PageNumText();
    int PrintRow(int y, int first, int last, int row);
    void PrintCells(int y, int first, int last, int row, int hr);
    void PrintPageBorders(int first, int last, int y);
    void NextPage();

    TGxStringGrid& g_;
    TPrintSettings& ps_;
    ui::TCanvas* c_;
    double dpi_;
    int mode_;
    ui::TGridRect r_;
    int W_, P_;
    ui::TPoint origin_;
    int gap_ = 0, hg_ = 0, hH_ = 0, hF_ = 0, hT_ = 0, s_ = 0;
    int Hh_ = 0, Hf_ = 0;
    double scale_ = 1.0;
    std::vector<int> width_, offset_;
    int page_ = 0, band_ = 0, pageInBand_ = 0;
    bool multiBand_ = false, repeatCols_ = false;
    int bandFirst_ = 0, bandLast_ = 0;
    int lastRowAsked_ = -1, lastRowHeight_ = 0;
};

ui::TSize TPrintJob::MeasureCell(int c, int r)
{
    UseFont(g_.IsFixed(RealCol(c), r) ? *ps_.FixedFont() : *ps_.Font());
    const std::vector<std::string> lines = Lines(CellText(c, r));
    int w = 0;
    for (const auto& l : lines)
        w = std::max(w, TextW(l));
    return {w, TextH("gh") * static_cast<int>(lines.size())};
}

int TPrintJob::RowHeight(int r)
{
    if (r == lastRowAsked_)
        return lastRowHeight_;
    int h = 0;
    if (ps_.NoAutoSizeRow)
        h = static_cast<int>(std::lround(g_.RowHeights(r) * kPixelFactor)) - 4;
    else if (ps_.UseFixedHeight)
        h = ps_.FixedHeight;
    else {
        for (int c = r_.Left; c <= r_.Right; ++c)
            h = std::max(h, MeasureCell(c, r).cy);
        if (h == 0)
            h = lastRowHeight_;
        h += h / 8;
    }
    lastRowAsked_ = r;
    lastRowHeight_ = h;
    return h;
}

void TPrintJob::MeasureColumns()
{
    width_.assign(static_cast<std::size_t>(std::max(g_.ColCount(), r_.Right + 1)), 0);
    offset_.assign(width_.size(), 0);
    for (int c = r_.Left; c <= r_.Right; ++c) {
        int w = 0;
        if (ps_.NoAutoSize)
            w = static_cast<int>(std::lround(g_.ColWidths(c) * kPixelFactor));
        else if (ps_.UseFixedWidth)
            w = ps_.FixedWidth;
        else {
            auto widest = [&](int r) { w = std::max(w, MeasureCell(c, r).cx); };
            for (int r = r_.Top; r <= r_.Bottom; ++r)
                widest(r);
            if (ps_.RepeatFixedRows)
                for (int r = 0; r < g_.FixedRows() && r < r_.Top; ++r)
                    widest(r);
        }
        width_[static_cast<std::size_t>(c)] = w;
    }
    for (int c = 0; c < g_.FixedCols() && c < r_.Left; ++c)
        width_[static_cast<std::size_t>(c)] =
            ps_.NoAutoSize ? static_cast<int>(std::lround(g_.ColWidths(c) * kPixelFactor)) : MeasureCell(c, 0).cx;
}

void TPrintJob::FitToPage()
{
    if (ps_.FitToPage == fpNever)
        return;
    long long total = 0;
    for (int c = r_.Left; c <= r_.Right; ++c)
        total += width_[static_cast<std::size_t>(c)] + s_;
    const long long spacing = static_cast<long long>(r_.Right - r_.Left + 1) * s_;
    double scale = total == spacing ? 1.0
                                    : static_cast<double>(W_ - ps_.RightSize - ps_.LeftSize - spacing) /
                                          static_cast<double>(total - spacing);
    if ((scale > 1.0 && ps_.FitToPage == fpShrink) || (scale < 1.0 && ps_.FitToPage == fpGrow))
        scale = 1.0;
    if (scale <= 0)
        scale = 1.0;
    if (scale != 1.0) {
        for (int c = r_.Left; c <= r_.Right; ++c)
            width_[static_cast<std::size_t>(c)] = static_cast<int>(width_[static_cast<std::size_t>(c)] * scale);
        scale_ = scale;
    }
}

void TPrintJob::HeaderFooterHeights(bool firstOfBand)
{
    (void)firstOfBand;
    const int titleLines = ps_.TitleLines()->Count();
    const bool anyTop = IsTop(ps_.Time) || IsTop(ps_.Date) || IsTop(ps_.PageNr) || IsTop(ps_.Title);
    const bool anyBottom = IsBottom(ps_.Time) || IsBottom(ps_.Date) || IsBottom(ps_.PageNr) || IsBottom(ps_.Title);
    Hh_ = anyTop ? gap_ + hH_ + ps_.HeaderSize : ps_.HeaderSize;
    if (anyTop && titleLines > 1 && IsTop(ps_.Title))
        Hh_ += (titleLines - 1) * hH_;
    Hf_ = anyBottom ? 2 * gap_ + 2 * hF_ + ps_.FooterSize : gap_ + hF_ + ps_.FooterSize;
    if (anyBottom && titleLines > 1 && IsBottom(ps_.Title))
        Hf_ += (titleLines - 1) * hF_;
}

std::string TPrintJob::PageNumText()
{
    std::string s;
    if (multiBand_)
        s = std::to_string(pageInBand_ + 1) + "-" + std::to_string(band_);
    else {
        s = std::to_string(page_ + 1 + ps_.PageNumberOffset);
        if (!ps_.PageNumSep.empty() && TotalPages > 1)
            s += ps_.PageNumSep + std::to_string(TotalPages + ps_.MaxPagesOffset);
    }
    g_.DoPrintGetPageNum(multiBand_ ? pageInBand_ + 1 : page_ + 1, band_, s);
    return s;
}

void TPrintJob::PrintHeaderFooter()
{
    if (!PageInRange())
        return;
    std::string slot[7];  // by TPrintPosition
    auto add = [&](TPrintPosition p, const std::string& item) {
        if (p == ppNone)
            return;
        std::string& sl = slot[p];
        sl = (p == ppTopLeft || p == ppBottomLeft) ? item + " " + sl : sl + " " + item;
    };
    const rtl::TDateTime now = rtl::Now();
    add(ps_.Time, rtl::FormatDateTime("hh:nn", now));
    add(ps_.Date, rtl::FormatDateTime(ps_.DateFormat, now));
    add(ps_.PageNr, ps_.PagePrefix + " " + PageNumText() + " " + ps_.PageSuffix);
    if (!ps_.TitleText.empty())
        add(ps_.Title, ps_.TitleText);
    else if (ps_.TitleLines()->Count() > 0 && ps_.Title != ppNone) {
        std::string& sl = slot[ps_.Title];
        const std::string first = ps_.TitleLines()->Get(0);
        sl =
            (ps_.Title == ppTopLeft || ps_.Title == ppBottomLeft) ? JoinWithBlank(first, sl) : JoinWithBlank(sl, first);
    }
    auto place = [&](int pos, const std::string& text, int y) {
        if (text.empty())
            return;
        const int w = TextW(text);
        int x = ps_.LeftSize;
        if (pos == ppTopRight || pos == ppBottomRight)
            x = W_ - w - ps_.RightSize - 20;
        else if (pos == ppTopCenter || pos == ppBottomCenter)
            x = (W_ - w) / 2;
        Text(x, y, text);
    };
    const bool titleFurther = ps_.TitleText.empty() && ps_.TitleLines()->Count() > 1;
    UseFont(*ps_.HeaderFont());
    for (int p = ppTopLeft; p <= ppTopCenter; ++p)
        place(p, slot[p], -ps_.HeaderSize);
    if (titleFurther && IsTop(ps_.Title))
        for (int i = 1; i < ps_.TitleLines()->Count(); ++i)
            place(ps_.Title, ps_.TitleLines()->Get(i), -ps_.HeaderSize - i * hH_);
    UseFont(*ps_.FooterFont());
    const int fy = P_ + hF_ + gap_ + ps_.FooterSize;
    for (int p = ppBottomLeft; p <= ppBottomCenter; ++p)
        place(p, slot[p], fy);
    if (titleFurther && IsBottom(ps_.Title))
        for (int i = 1; i < ps_.TitleLines()->Count(); ++i)
            place(ps_.Title, ps_.TitleLines()->Get(i), fy - i * hF_);
}

void TPrintJob::PrintCells(int y, int first, int last, int row, int hr)
{
    const int bandRight = offset_[static_cast<std::size_t>(last)] + width_[static_cast<std::size_t>(last)] + s_;
    for (int c = first; c <= last; ++c) {
        const int real = RealCol(c);
        const int left = offset_[static_cast<std::size_t>(c)];
        const int right = std::min(left + width_[static_cast<std::size_t>(c)] + s_, std::max(bandRight, left));
        const ui::TRect dev{DevX(left), DevY(y), DevX(right), DevY(y - hr)};
        // Colours, font and alignment as the grid gives them for printing.
        ui::TBrush brush;
        brush.SetColor(g_.IsFixed(real, row) ? ui::TColor(0xE0E0E0) : ui::clWhite);
        ui::TFont font;
        font.Assign(g_.IsFixed(real, row) ? *ps_.FixedFont() : *ps_.Font());
        ui::TGridDrawState state = g_.IsFixed(real, row) ? ui::gdFixed : 0;
        g_.GetCellPrintColor(real, row, state, &brush, &font);
        THAlignment ha = THAlignment::taLeftJustify;
        TVAlignment va = vtaTop;
        g_.GetCellAlignment(real, row, ha, va);
        if (brush.Color() != ui::clNone && brush.Color() != ui::clWhite) {
            c_->Brush()->Assign(brush);
            c_->Brush()->SetStyle(ui::TBrushStyle::bsSolid);
            c_->FillRect(dev);
        }
        UseFont(font, scale_);
        c_->Font()->SetColor(font.Color());
        const std::vector<std::string> lines = Lines(CellText(c, row));
        const int lh = TextH("gh");
        const int textHeight = lh * static_cast<int>(lines.size());
        int top = y - gap_;
        if (va == vtaCenter)
            top -= (hr - 2 * gap_ - textHeight) / 2;
        else if (va == vtaBottom)
            top -= hr - 2 * gap_ - textHeight;
        c_->SetClipRect(dev);
        for (const auto& l : lines) {
            const int w = TextW(l);
            int x = left + hg_;
            if (ha == THAlignment::taRightJustify)
                x = right - hg_ - w;
            else if (ha == THAlignment::taCenter)
                x = left + (right - left - w) / 2;
            Text(x, top, l);
            top -= lh;
        }
        c_->ResetClip();
        // Borders.
        const TPrintBorders b = ps_.Borders;
        const bool horiz = b == pbSingle || b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal;
        const bool vert = b == pbSingle || b == pbDouble || b == pbVertical || b == pbAroundVertical;
        c_->Pen()->SetColor(ps_.BorderColor);
        c_->Pen()->SetStyle(ps_.BorderStyle);
        c_->Pen()->SetWidth(std::max(1, static_cast<int>(std::lround(2 * dpi_ / 254.0))));
        if (horiz) {
            Line(left, y, right, y);
            Line(left, y - hr, right, y - hr);
        }
        if (vert) {
            Line(left, y, left, y - hr);
            Line(right, y, right, y - hr);
        }
    }
}

int TPrintJob::PrintRow(int y, int first, int last, int row)
{
    const int hr = 2 * gap_ + RowHeight(row) + ps_.RowSpacing;
    if (!PageInRange() || first > last)
        return hr;
    if (repeatCols_)
        PrintCells(y, 0, g_.FixedCols() - 1, row, hr);
    PrintCells(y, first, last, row, hr);
    return hr;
}

void TPrintJob::PrintPageBorders(int first, int last, int y)
{
    if (!PageInRange())
        return;
    const int left = repeatCols_ ? offset_[0] : offset_[static_cast<std::size_t>(first)];
    const int right = offset_[static_cast<std::size_t>(last)] + width_[static_cast<std::size_t>(last)] + s_;
    const int top = -Hh_ - ps_.TitleSpacing;
    const int bottom = y + gap_ / 2;
    const TPrintBorders b = ps_.Borders;
    c_->Pen()->SetColor(ui::clBlack);
    if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
        Line(left, top, right, top);
        Line(right, top, right, bottom);
        Line(right, bottom, left, bottom);
        Line(left, bottom, left, top);
    }
    if (b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal)
        Line(left, bottom, right, bottom);
}

void TPrintJob::NextPage()
{
    const int next = page_ + 2;
    if (next < FromPage || next > ToPage)
        return;
    if (mode_ == pmPrintDraw && Printer && page_ + 1 >= FromPage && page_ + 1 <= ToPage) {
        Printer->NewPage();
        c_ = Printer->Canvas();  // the new page's canvas, with the job's pen and font
    }
}

int TPrintJob::Run(TPrintLayoutInfo* info)
{
    c_->Pen()->SetColor(ui::clBlack);
    c_->Pen()->SetStyle(ps_.BorderStyle);
    UseFont(*ps_.HeaderFont());
    hH_ = TextH("gh");
    UseFont(*ps_.FooterFont());
    hF_ = TextH("gh");
    UseFont(*ps_.Font());
    hT_ = TextH("gh");
    hg_ = TextW("g") / 2;
    gap_ = hT_ >> 3;
    s_ = ps_.UseFixedWidth ? 0 : ps_.ColumnSpacing + 20;
    MeasureColumns();
    FitToPage();
    if (info) {
        *info = TPrintLayoutInfo{};
        info->PageWidth = W_;
        info->PageHeight = P_;
        info->Gap = gap_;
        info->ColumnSpacing = s_;
        info->Scale = scale_;
        info->ColWidths = width_;
    }
    const int avail = W_ - ps_.RightSize;
    const int fixedCols = g_.FixedCols();
    int start = r_.Left;
    while (start <= r_.Right) {
        ++band_;
        pageInBand_ = 0;
        repeatCols_ = fixedCols > 0 && ps_.RepeatFixedCols && !(band_ == 1 && r_.Left <= fixedCols);
        int running = 0;
        if (repeatCols_)
            for (int c = 0; c < fixedCols; ++c)
                running += width_[static_cast<std::size_t>(c)] + s_;
        int last = start - 1;
        for (int c = start; c <= r_.Right; ++c) {
            if (running + width_[static_cast<std::size_t>(c)] + s_ > avail)
                break;
            running += width_[static_cast<std::size_t>(c)] + s_;
            last = c;
        }
        if (last < start) {
            // A column wider than the page: a band of its own, clipped to the printable width.
            last = start;
            const int room = std::max(avail - running - s_, 1);
            width_[static_cast<std::size_t>(start)] = room;
            running += room + s_;
        }
        if (last < r_.Right)
            multiBand_ = true;
        bandFirst_ = start;
        bandLast_ = last;
        // Offsets.
        const int base = ps_.Centered ? 0 : ps_.LeftSize;
        int fixedW = 0;
        if (repeatCols_) {
            int off = base;
            for (int c = 0; c < fixedCols; ++c) {
                offset_[static_cast<std::size_t>(c)] = off;
                off += width_[static_cast<std::size_t>(c)] + s_;
            }
            fixedW = off - base;
        }
        int off = base;
        for (int c = start; c <= last; ++c) {
            offset_[static_cast<std::size_t>(c)] = off;
            off += width_[static_cast<std::size_t>(c)] + s_;
        }
        const int bandWidth = off - base + fixedW;
        if (ps_.Centered && bandWidth < W_) {
            const int shift = (W_ - bandWidth) / 2;
            for (int c = start; c <= last; ++c)
                offset_[static_cast<std::size_t>(c)] += shift;
            if (repeatCols_)
                for (int c = 0; c < fixedCols; ++c)
                    offset_[static_cast<std::size_t>(c)] += shift;
        }
        for (int c = start; c <= last; ++c)
            offset_[static_cast<std::size_t>(c)] += fixedW;
        if (info)
            info->BandStarts.push_back(start);

        // Pages of the band.
        HeaderFooterHeights(true);
        if (info && band_ == 1) {
            info->HeaderHeight = Hh_;
            info->FooterHeight = Hf_;
        }
        int row = r_.Top;
        while (row <= r_.Bottom) {
            int y = -Hh_;
            PrintHeaderFooter();
            y -= ps_.TitleSpacing;
            if (ps_.RepeatFixedRows && g_.FixedRows() > 0 && row >= g_.FixedRows() &&
                (page_ > 0 || r_.Top >= g_.FixedRows()))
                for (int fr = 0; fr < g_.FixedRows(); ++fr)
                    y -= PrintRow(y, start, last, fr);
            bool printedOne = false;
            while (row <= r_.Bottom) {
                const int hr = 2 * gap_ + RowHeight(row) + ps_.RowSpacing;
                // A row taller than an empty page is printed all the same (never an endless job).
                if (y - hr <= P_ + Hf_ && printedOne)
                    break;
                y -= PrintRow(y, start, last, row);
                printedOne = true;
                ++row;
                g_.ExportNotification(r_.Top > g_.FixedRows() || r_.Bottom < g_.RowCount() - g_.FixedFooters() - 1
                                          ? esExportSelRow
                                          : esExportNewRow,
                                      row - 1);
            }
            PrintPageBorders(start, last, y);
            const bool more = row <= r_.Bottom || last < r_.Right;
            if (more)
                NextPage();
            ++page_;
            ++pageInBand_;
            HeaderFooterHeights(false);
        }
        start = last + 1;
    }
    if (info) {
        info->ColWidths = width_;  // with an over-wide column clipped to its band
        info->PageCount = page_;
        info->Bands = band_;
    }
    return page_;
}

ui::TGridRect AllCells(TGxStringGrid& g)
{
    return {0, 0, g.ColCount() - 1, g.RowCount() - 1};
}

int PageW(const ui::TPrinter& p)
{
    return static_cast<int>(std::lround(254.0 / p.XDpi() * p.PageWidth()));
}

int PageH(const ui::TPrinter& p)
{
    return -static_cast<int>(std::lround(254.0 / p.YDpi() * p.PageHeight()));
}

void ApplyOrientation(TGxStringGrid& g, ui::TPrinter& p)
{
    if (!g.PrintSettings()->UseDefaultOrientation)
        p.Landscape = g.PrintSettings()->Orientation == poLandscape;
}

int CountPages(TGxStringGrid& g, ui::TPrinter& p, const ui::TGridRect& cells, TPrintLayoutInfo* info)
{
    ui::TCanvas measure;
    TPrintJob job(g, measure, p.XDpi(), pmPrintCount, cells, PageW(p), PageH(p), {0, 0});
    job.FromPage = 0;
    job.ToPage = 0;
    return job.Run(info);
}

}  // namespace

int MapFontHeight(int PointSize, double Scale)
{
    return -static_cast<int>(PointSize * 254.0 / 72.0 * Scale);
}

int MapFontSize(int Height)
{
    return static_cast<int>(Height * 72.0 / 254.0);
}

std::string JoinWithBlank(const std::string& A, const std::string& B)
{
    if (A.empty())
        return B;
    if (B.empty())
        return A;
    return A + " " + B;
}

int PrintPageCount(TGxStringGrid& Grid, ui::TPrinter& Printer, TPrintLayoutInfo* Info)
{
    ApplyOrientation(Grid, Printer);
    return CountPages(Grid, Printer, AllCells(Grid), Info);
}

int PrintRect(TGxStringGrid& Grid, ui::TPrinter& Printer, const ui::TGridRect& Cells, TPrintLayoutInfo* Info)
{
    ui::TGridRect cells = Cells;
    cells.Left = std::max(cells.Left, 0);
    cells.Top = std::max(cells.Top, 0);
    cells.Right = std::min(cells.Right, Grid.ColCount() - 1);
    cells.Bottom = std::min(cells.Bottom, Grid.RowCount() - 1);
    if (cells.Right < cells.Left || cells.Bottom < cells.Top)
        return 0;
    ApplyOrientation(Grid, Printer);
    Grid.ExportNotification(esExportStart, -1);
    const int pages = CountPages(Grid, Printer, cells, Info);
    if (Printer.Title.empty())
        Printer.Title = Grid.PrintSettings()->JobName;
    Printer.BeginDoc();
    try {
        TPrintJob job(Grid, *Printer.Canvas(), Printer.XDpi(), pmPrintDraw, cells, PageW(Printer), PageH(Printer),
                      {0, 0});
        // Each page draws on the printer's canvas of that page.
        job.Printer = &Printer;
        job.FromPage = 1;
        job.ToPage = pages;
        job.TotalPages = pages;
        job.Run(nullptr);
        Printer.EndDoc();
    } catch (...) {
        Printer.Abort();
        throw;
    }
    Grid.ExportNotification(esExportDone, -1);
    return pages;
}

int Print(TGxStringGrid& Grid, ui::TPrinter& Printer, TPrintLayoutInfo* Info)
{
    return PrintRect(Grid, Printer, AllCells(Grid), Info);
}

int PrintSelection(TGxStringGrid& Grid, ui::TPrinter& Printer)
{
    return PrintRect(Grid, Printer, Grid.Selection());
}

int PrintPreview(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DisplayRect, int PageNr,
                 double PaperWidthMm, double PaperHeightMm)
{
    const int w = static_cast<int>(std::lround(PaperWidthMm * 10));
    const int h = -static_cast<int>(std::lround(PaperHeightMm * 10));
    const double dpi = (DisplayRect.Right - DisplayRect.Left) * 254.0 / w;
    if (dpi <= 0)
        return 0;
    const ui::TGridRect cells = AllCells(Grid);
    TPrintJob count(Grid, Canvas, dpi, pmPreviewCount, cells, w, h, {DisplayRect.Left, DisplayRect.Top});
    count.FromPage = 0;
    count.ToPage = 0;
    const int pages = count.Run(nullptr);
    TPrintJob draw(Grid, Canvas, dpi, pmPreviewDraw, cells, w, h, {DisplayRect.Left, DisplayRect.Top});
    draw.FromPage = PageNr;
    draw.ToPage = PageNr;
    draw.TotalPages = pages;
    draw.Run(nullptr);
    return pages;
}

}  // namespace gx
