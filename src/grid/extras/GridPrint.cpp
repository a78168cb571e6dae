// Printing a grid: the operations and the page layout; see GridPrint.h and GridPrintJob.h.
#include "grid/extras/GridPrint.h"

#include <algorithm>
#include <cmath>

#include "grid/extras/GridFileCommon.h"
#include "grid/extras/GridPrintJob.h"

namespace gx {

namespace printjob {

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

TPrintJob::TPrintJob(TGxStringGrid& grid, ui::TCanvas& canvas, const TPrintJobSetup& setup)
    : g_(grid),
      ps_(*grid.PrintSettings()),
      c_(&canvas),
      dpi_(setup.Dpi),
      mode_(setup.Mode),
      r_(setup.Cells),
      selOnly_(setup.SelectedOnly),
      pageWidth_(setup.PageWidth),
      pageHeight_(setup.PageHeight),
      origin_(setup.Origin),
      printer_(setup.Printer),
      from_(setup.FromPage),
      to_(setup.ToPage),
      total_(setup.TotalPages)
{}

void TPrintJob::UseFont(const ui::TFont& f, double scale)
{
    ui::TFont* cf = c_->Font();
    cf->Assign(f);
    const int h = -MapFontHeight(f.Size(), scale);
    cf->SetHeight(-std::max(1, static_cast<int>(std::lround(h * dpi_ / 254.0))));
}

void TPrintJob::Text(int x, int y, const std::string& s)
{
    c_->Brush()->SetStyle(ui::TBrushStyle::bsClear);
    c_->TextOut(DevX(x), DevY(y), s);
}

void TPrintJob::Line(int x1, int y1, int x2, int y2)
{
    c_->MoveTo(DevX(x1), DevY(y1));
    c_->LineTo(DevX(x2), DevY(y2));
}

bool TPrintJob::RowIncluded(int r)
{
    if (!selOnly_)
        return true;
    if (g_.MouseActions()->DisjunctRowSelect())
        return g_.RowSelect(g_.MouseActions()->RowSelectPersistent() ? g_.RealRowIndex(r) : r);
    const ui::TGridRect sel = g_.Selection();
    return r >= sel.Top && r <= sel.Bottom;
}

bool TPrintJob::ColIncluded(int c)
{
    if (!selOnly_ || g_.MouseActions()->DisjunctRowSelect())
        return true;
    if (g_.MouseActions()->DisjunctColSelect())
        return g_.ColSelect(c);
    const ui::TGridRect sel = g_.Selection();
    return c >= sel.Left && c <= sel.Right;
}

int TPrintJob::NextIncludedRow(int r)
{
    while (r <= r_.Bottom && !RowIncluded(r))
        ++r;
    return r;
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
        for (int c = r_.Left; c <= r_.Right; ++c) {
            const int real = RealCol(c);
            if (!ColIncluded(c) || g_.CellExt(real, r).Y > 0 || g_.IsMergedNonBaseCell(real, r))
                continue;  // a cell merged across rows takes the height of all its rows
            h = std::max(h, MeasureCell(c, r).cy);
        }
        if (h == 0)
            h = lastRowHeight_;
        h += h / 8;
        if (g_.OnPrintSetRowHeight)
            g_.OnPrintSetRowHeight(&g_, r, h);
    }
    lastRowAsked_ = r;
    lastRowHeight_ = h;
    return h;
}

void TPrintJob::MeasureColumns()
{
    width_.assign(static_cast<std::size_t>(std::max(g_.ColCount(), r_.Right + 1)), 0);
    offset_.assign(width_.size(), 0);
    auto measured = [&](int c, int top, int bottom) {
        if (ps_.NoAutoSize)
            return static_cast<int>(std::lround(g_.ColWidths(c) * kPixelFactor));
        if (ps_.UseFixedWidth)
            return ps_.FixedWidth;
        int w = 0;
        auto widest = [&](int r) {
            const int real = RealCol(c);
            if (g_.CellExt(real, r).X > 0 || g_.IsMergedNonBaseCell(real, r))
                return;  // a cell merged across columns spreads over all of them
            w = std::max(w, MeasureCell(c, r).cx);
        };
        for (int r = top; r <= bottom; ++r)
            if (RowIncluded(r))
                widest(r);
        if (ps_.RepeatFixedRows)
            for (int r = 0; r < g_.FixedRows() && r < top; ++r)
                widest(r);
        return w;
    };
    for (int c = r_.Left; c <= r_.Right; ++c)
        if (ColIncluded(c))
            width_[static_cast<std::size_t>(c)] = measured(c, r_.Top, r_.Bottom);
    // Fixed columns left of the rectangle, for repeating them in every band.
    for (int c = 0; c < g_.FixedCols() && c < r_.Left; ++c)
        width_[static_cast<std::size_t>(c)] = measured(c, r_.Top, r_.Bottom);
}

void TPrintJob::FitToPage()
{
    if (ps_.FitToPage == fpNever)
        return;
    long long total = 0;
    for (int c = r_.Left; c <= r_.Right; ++c)
        if (ColIncluded(c))
            total += Width(c) + s_;
    const long long spacing = static_cast<long long>(r_.Right - r_.Left + 1) * s_;
    double scale = total == spacing ? 1.0
                                    : static_cast<double>(pageWidth_ - ps_.RightSize - ps_.LeftSize - spacing) /
                                          static_cast<double>(total - spacing);
    if ((scale > 1.0 && ps_.FitToPage == fpShrink) || (scale < 1.0 && ps_.FitToPage == fpGrow))
        scale = 1.0;
    if (ps_.FitToPage == fpCustom && scale != 1.0 && g_.OnFitToPage) {
        bool allow = true;
        g_.OnFitToPage(&g_, scale, allow);
        if (!allow)
            scale = 1.0;
    }
    if (!(scale > 0) || !std::isfinite(scale))
        scale = 1.0;  // no room at all for the columns: print them as they are
    if (scale != 1.0) {
        for (int c = r_.Left; c <= r_.Right; ++c)
            width_[static_cast<std::size_t>(c)] = static_cast<int>(width_[static_cast<std::size_t>(c)] * scale);
        scale_ = scale;
    }
}

void TPrintJob::HeaderFooterHeights()
{
    const int titleLines = ps_.TitleLines()->Count();
    const bool anyTop = IsTop(ps_.Time) || IsTop(ps_.Date) || IsTop(ps_.PageNr) || IsTop(ps_.Title);
    const bool anyBottom = IsBottom(ps_.Time) || IsBottom(ps_.Date) || IsBottom(ps_.PageNr) || IsBottom(ps_.Title);
    // An HTML title takes its measured height on every page it is drawn on, in every pass, so
    // that counting and drawing cut the pages alike.
    const std::string html = ps_.TitleText.empty() && titleLines > 0 ? HtmlTitle() : std::string();
    const int htmlHeight = html.empty() ? 0 : HtmlTitleHeight(html, false, 0);
    headerBand_ = ps_.HeaderSize;
    if (anyTop) {
        headerBand_ += gap_ + hH_;
        if (titleLines > 0 && IsTop(ps_.Title))
            headerBand_ += html.empty() ? (titleLines - 1) * hH_ : htmlHeight + ps_.HeaderSize;
    }
    footerBand_ = anyBottom ? 2 * gap_ + 2 * hF_ + ps_.FooterSize : gap_ + hF_ + ps_.FooterSize;
    if (anyBottom && titleLines > 0 && IsBottom(ps_.Title))
        footerBand_ += html.empty() ? (titleLines - 1) * hF_ : htmlHeight;
}

void TPrintJob::FirePrintPage(int pageNr)
{
    if (!Drawing() || firedPage_ == pageNr)
        return;
    firedPage_ = pageNr;
    if (g_.OnPrintPage)
        g_.OnPrintPage(&g_, c_, pageNr, pageWidth_, pageHeight_);
}

void TPrintJob::NextPage()
{
    const int next = page_ + 2;
    if (next < from_ || next > to_)
        return;
    if (mode_ == pmPrintDraw && printer_ && page_ + 1 >= from_ && page_ + 1 <= to_) {
        printer_->NewPage();
        c_ = printer_->Canvas();  // the new page's canvas
    }
    FirePrintPage(next);
}

void TPrintJob::PrintPages(int first, int last, TPrintLayoutInfo* info)
{
    HeaderFooterHeights();
    if (info && band_ == 1) {
        info->HeaderHeight = headerBand_;
        info->FooterHeight = footerBand_;
    }
    FirePrintPage(page_ + 1);
    const bool someRows = r_.Top > g_.FixedRows() || r_.Bottom < g_.RowCount() - g_.FixedFooters() - 1;
    int row = NextIncludedRow(r_.Top);
    while (row <= r_.Bottom && !cancelled_) {
        if (info && band_ == 1)
            info->PageFirstRows.push_back(row);
        int y = -headerBand_;
        PrintHeaderFooter();
        y -= ps_.TitleSpacing;
        if (ps_.RepeatFixedRows && g_.FixedRows() > 0 && row >= g_.FixedRows() &&
            (page_ > 0 || r_.Top >= g_.FixedRows()))
            for (int fr = 0; fr < g_.FixedRows(); ++fr)
                y -= PrintRow(y, first, last, fr);
        bool printedOne = false;
        while (row <= r_.Bottom) {
            const int hr = 2 * gap_ + RowHeight(row) + ps_.RowSpacing;
            // A row taller than an empty page is printed all the same (a job always ends).
            if (y - hr <= pageHeight_ + footerBand_ && printedOne)
                break;
            y -= PrintRow(y, first, last, row);
            printedOne = true;
            if (Drawing())  // once per row of a job, not again in its counting pass
                g_.ExportNotification(someRows ? esExportSelRow : esExportNewRow, row);
            row = NextIncludedRow(row + 1);
            bool newPage = false;
            if (g_.OnPrintNewPage)
                g_.OnPrintNewPage(&g_, row, newPage);
            if (newPage)
                break;
        }
        if (Drawing()) {
            if (g_.OnPrintPageDone)
                g_.OnPrintPageDone(&g_, c_, row, y, page_ + 1, pageWidth_, pageHeight_);
            bool cancel = false;
            if (g_.OnPrintCancel)
                g_.OnPrintCancel(&g_, page_ + 1, cancel);
            cancelled_ = cancel;
        }
        PrintPageBorders(first, last, y);
        if (!cancelled_ && (row <= r_.Bottom || last < r_.Right))
            NextPage();
        ++page_;
        ++pageInBand_;
        HeaderFooterHeights();
    }
}

int TPrintJob::Run(TPrintLayoutInfo* info)
{
    c_->Pen()->SetColor(ui::clBlack);
    c_->Pen()->SetStyle(ps_.BorderStyle);
    c_->Pen()->SetWidth(std::max(1, DevLen(ps_.Borders == pbDouble ? 10 : 2)));
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
    if (g_.OnPrintSetColumnWidth)
        for (int c = r_.Left; c <= r_.Right; ++c)
            g_.OnPrintSetColumnWidth(&g_, c, width_[static_cast<std::size_t>(c)]);
    if (info) {
        *info = TPrintLayoutInfo{};
        info->PageWidth = pageWidth_;
        info->PageHeight = pageHeight_;
        info->Gap = gap_;
        info->ColumnSpacing = s_;
        info->Scale = scale_;
    }
    const int avail = pageWidth_ - ps_.RightSize;
    const int fixedCols = g_.FixedCols();
    int start = r_.Left;
    while (start <= r_.Right && !cancelled_) {
        ++band_;
        pageInBand_ = 0;
        repeatCols_ = fixedCols > 0 && ps_.RepeatFixedCols && !(band_ == 1 && r_.Left <= fixedCols);
        int running = 0;
        if (repeatCols_)
            for (int c = 0; c < fixedCols; ++c)
                running += Width(c) + s_;
        int last = start - 1;
        for (int c = start; c <= r_.Right; ++c) {
            const int w = ColIncluded(c) ? Width(c) + s_ : 0;
            if (running + w > avail && last >= start)
                break;
            if (running + w > avail) {
                // A column wider than the page: a band of its own, clipped to the printable width.
                const int room = std::max(avail - running - s_, 1);
                width_[static_cast<std::size_t>(c)] = room;
                running += room + s_;
                last = c;
                break;
            }
            running += w;
            last = c;
        }
        if (last < r_.Right)
            multiBand_ = true;
        bandFirst_ = start;
        bandLast_ = last;
        // Offsets: the band from the left (or centred), the repeated fixed columns before it.
        const int base = ps_.Centered ? 0 : ps_.LeftSize;
        int fixedW = 0;
        if (repeatCols_) {
            int off = base;
            for (int c = 0; c < fixedCols; ++c) {
                offset_[static_cast<std::size_t>(c)] = off;
                off += Width(c) + s_;
            }
            fixedW = off - base;
        }
        int off = base;
        for (int c = start; c <= last; ++c) {
            offset_[static_cast<std::size_t>(c)] = off;
            if (ColIncluded(c))
                off += Width(c) + s_;
        }
        const int bandWidth = off - base + fixedW;
        if (ps_.Centered && bandWidth < pageWidth_) {
            const int shift = (pageWidth_ - bandWidth) / 2;
            for (int c = start; c <= last; ++c)
                offset_[static_cast<std::size_t>(c)] += shift;
            if (repeatCols_)
                for (int c = 0; c < fixedCols; ++c)
                    offset_[static_cast<std::size_t>(c)] += shift;
        }
        // The grid keeps widths and offsets of its first columns only; wider grids print all the same.
        for (int c = start; c <= last; ++c) {
            offset_[static_cast<std::size_t>(c)] += fixedW;
            if (c < kMaxHiddenColumns)
                g_.SetPrintColOffset(c, Offset(c));
        }
        for (int c = r_.Left; c <= std::min(r_.Right, kMaxHiddenColumns - 1); ++c)
            g_.SetPrintColWidth(c, Width(c));
        if (info)
            info->BandStarts.push_back(start);
        PrintPages(start, last, info);
        start = last + 1;
    }
    if (info) {
        info->ColWidths = width_;  // with an over-wide column clipped to its band
        info->PageCount = page_;
        info->Bands = band_;
    }
    return page_;
}

}  // namespace printjob

using namespace printjob;

namespace {

ui::TGridRect AllCells(TGxStringGrid& g)
{
    return {0, 0, g.ColCount() - 1, g.RowCount() - 1};
}

ui::TGridRect Clamped(TGxStringGrid& g, ui::TGridRect cells)
{
    cells.Left = std::max(cells.Left, 0);
    cells.Top = std::max(cells.Top, 0);
    cells.Right = std::min(cells.Right, g.ColCount() - 1);
    cells.Bottom = std::min(cells.Bottom, g.RowCount() - 1);
    return cells;
}

bool Empty(const ui::TGridRect& r)
{
    return r.Right < r.Left || r.Bottom < r.Top;
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

TPrintJobSetup PrinterSetup(ui::TPrinter& p, const ui::TGridRect& cells, bool selectedOnly)
{
    TPrintJobSetup s;
    s.Cells = cells;
    s.SelectedOnly = selectedOnly;
    s.PageWidth = PageW(p);
    s.PageHeight = PageH(p);
    s.Dpi = p.XDpi();
    return s;
}

int CountPages(TGxStringGrid& g, TPrintJobSetup setup, int mode, TPrintLayoutInfo* info)
{
    ui::TCanvas measure;
    setup.Mode = mode;
    setup.FromPage = setup.ToPage = 0;
    setup.TotalPages = -1;
    setup.Printer = nullptr;
    TPrintJob job(g, measure, setup);
    return job.Run(info);
}

// OnPrintStart over pages 1..n: false when it leaves a zero or reversed range.
bool StartRange(TGxStringGrid& g, int n, int& from, int& to)
{
    from = 1;
    to = n;
    if (g.OnPrintStart)
        g.OnPrintStart(&g, n, from, to);
    return from > 0 && to > 0 && to >= from;
}

int PrintJob(TGxStringGrid& g, ui::TPrinter& printer, const ui::TGridRect& requested, bool selectedOnly,
             TPrintLayoutInfo* info)
{
    const ui::TGridRect cells = Clamped(g, requested);
    if (Empty(cells))
        return 0;
    ApplyOrientation(g, printer);
    g.ExportNotification(esExportStart, -1);
    TPrintJobSetup setup = PrinterSetup(printer, cells, selectedOnly);
    const int pages = CountPages(g, setup, pmPrintCount, info);
    g.PrintPageCount = pages;
    int from = 1, to = pages;
    if (pages == 0 || !StartRange(g, pages, from, to))
        return 0;
    to = std::min(to, pages);
    if (from > to)
        return 0;
    g.PreviewPage = from;
    g.LastPrintPage = to;
    g.PrintPageCount = to;
    if (!g.PrintSettings()->JobName.empty())
        printer.Title = g.PrintSettings()->JobName;
    printer.BeginDoc();
    try {
        setup.Mode = pmPrintDraw;
        setup.FromPage = from;
        setup.ToPage = to;
        setup.TotalPages = pages;
        setup.Printer = &printer;
        TPrintJob job(g, *printer.Canvas(), setup);
        job.Run(nullptr);
        printer.EndDoc();
    } catch (...) {
        printer.Abort();
        throw;
    }
    g.ExportNotification(esExportDone, -1);
    return to - from + 1;
}

// A preview: W x P in 0.1 mm placed at the display rectangle's corner of a canvas of dpi.
int PreviewJob(TGxStringGrid& g, ui::TCanvas& canvas, const ui::TRect& display, int w, int p, double dpi,
               const ui::TGridRect& requested, bool selectedOnly, TPrintLayoutInfo* info)
{
    const ui::TGridRect cells = Clamped(g, requested);
    if (Empty(cells) || w <= 0 || p >= 0 || !(dpi > 0))
        return 0;
    g.ExportNotification(esExportStart, -1);
    TPrintJobSetup setup;
    setup.Cells = cells;
    setup.SelectedOnly = selectedOnly;
    setup.PageWidth = w;
    setup.PageHeight = p;
    setup.Dpi = dpi;
    setup.Origin = {display.Left, display.Top};
    const int pages = CountPages(g, setup, pmPreviewCount, info);
    g.PrintPageCount = pages;
    int from = 1, to = pages;
    if (pages > 0 && StartRange(g, pages, from, to)) {
        setup.Mode = pmPreviewDraw;
        setup.FromPage = g.PreviewPage;
        setup.ToPage = g.LastPrintPage;
        setup.TotalPages = pages;
        TPrintJob job(g, canvas, setup);
        job.Run(nullptr);
    }
    g.ExportNotification(esExportDone, -1);
    return pages;
}

int TenthsOf(int dots, double dpi)
{
    return static_cast<int>(std::lround(dots * 254.0 / dpi));
}

int PreviewAt(TGxStringGrid& g, ui::TCanvas& canvas, const ui::TRect& display, double dpi, const ui::TGridRect& cells,
              bool selectedOnly, TPrintLayoutInfo* info = nullptr)
{
    if (!(dpi > 0))
        return 0;
    return PreviewJob(g, canvas, display, TenthsOf(display.Right - display.Left, dpi),
                      -TenthsOf(display.Bottom - display.Top, dpi), dpi, cells, selectedOnly, info);
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
    return CountPages(Grid, PrinterSetup(Printer, AllCells(Grid), false), pmPrintCount, Info);
}

int PrintRect(TGxStringGrid& Grid, ui::TPrinter& Printer, const ui::TGridRect& Cells, TPrintLayoutInfo* Info)
{
    return PrintJob(Grid, Printer, Cells, false, Info);
}

int Print(TGxStringGrid& Grid, ui::TPrinter& Printer, TPrintLayoutInfo* Info)
{
    return PrintJob(Grid, Printer, AllCells(Grid), false, Info);
}

int PrintSelection(TGxStringGrid& Grid, ui::TPrinter& Printer)
{
    return PrintJob(Grid, Printer, Grid.Selection(), false, nullptr);
}

int PrintSelectedRows(TGxStringGrid& Grid, ui::TPrinter& Printer, TPrintLayoutInfo* Info)
{
    return PrintJob(Grid, Printer, AllCells(Grid), true, Info);
}

int PrintSelectedCols(TGxStringGrid& Grid, ui::TPrinter& Printer, TPrintLayoutInfo* Info)
{
    return PrintJob(Grid, Printer, AllCells(Grid), true, Info);
}

int PrintPreview(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DisplayRect, double Dpi)
{
    return PreviewAt(Grid, Canvas, DisplayRect, Dpi, AllCells(Grid), false);
}

int PrintPreviewRect(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DisplayRect, const ui::TGridRect& Cells,
                     double Dpi, TPrintLayoutInfo* Info)
{
    return PreviewAt(Grid, Canvas, DisplayRect, Dpi, Cells, false, Info);
}

int PrintPreviewSelection(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DisplayRect, double Dpi)
{
    return PreviewAt(Grid, Canvas, DisplayRect, Dpi, Grid.Selection(), false);
}

int PrintPreviewSelectedRows(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DisplayRect, double Dpi)
{
    return PreviewAt(Grid, Canvas, DisplayRect, Dpi, AllCells(Grid), true);
}

int PrintPreviewSelectedCols(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DisplayRect, double Dpi)
{
    return PreviewAt(Grid, Canvas, DisplayRect, Dpi, AllCells(Grid), true);
}

int PrintPreview(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DisplayRect, int PageNr,
                 double PaperWidthMm, double PaperHeightMm)
{
    const int w = static_cast<int>(std::lround(PaperWidthMm * 10));
    const int h = -static_cast<int>(std::lround(PaperHeightMm * 10));
    if (w <= 0)
        return 0;
    const double dpi = (DisplayRect.Right - DisplayRect.Left) * 254.0 / w;
    SetPreviewPage(Grid, PageNr);
    return PreviewJob(Grid, Canvas, DisplayRect, w, h, dpi, AllCells(Grid), false, nullptr);
}

void SetPreviewPage(TGxStringGrid& Grid, int Page)
{
    Grid.PreviewPage = Page;
    Grid.LastPrintPage = Page;
}

int PrintDrawRect(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DrawRect, const ui::TGridRect& Cells,
                  double Dpi)
{
    const ui::TGridRect cells = Clamped(Grid, Cells);
    if (Empty(cells) || !(Dpi > 0))
        return 0;
    SetPreviewPage(Grid, 1);
    Grid.PrintPageCount = 1;
    TPrintJobSetup setup;
    setup.Mode = pmPrintDraw;
    setup.Cells = cells;
    setup.PageWidth = TenthsOf(DrawRect.Right - DrawRect.Left, Dpi);
    setup.PageHeight = -TenthsOf(DrawRect.Bottom - DrawRect.Top, Dpi);
    setup.Dpi = Dpi;
    setup.Origin = {DrawRect.Left, DrawRect.Top};
    setup.FromPage = setup.ToPage = 1;
    setup.TotalPages = 1;
    TPrintJob job(Grid, Canvas, setup);
    return job.Run(nullptr);
}

int PrintDraw(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DrawRect, double Dpi)
{
    return PrintDrawRect(Grid, Canvas, DrawRect, AllCells(Grid), Dpi);
}

}  // namespace gx
