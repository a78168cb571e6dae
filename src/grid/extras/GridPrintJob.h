// One print layout run (inside the grid extras only): the page layout of GridPrint.cpp, the header,
// footer and page frame of GridPrintPage.cpp and the cells of GridPrintCells.cpp share it. Layout
// units are tenths of millimetres with y growing upwards; the canvas is in device dots, so every
// coordinate passes DevX/DevY on its way to it.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "grid/extras/GridPrint.h"

namespace gx::printjob {

constexpr double kScreenDpi = 96.0;
constexpr double kPixelFactor = 254.0 / kScreenDpi;  // screen pixels to 0.1 mm

enum TPrintMode { pmPreviewDraw = 0, pmPrintDraw = 1, pmPrintCount = 2, pmPreviewCount = 3 };

bool IsTop(TPrintPosition p);
bool IsBottom(TPrintPosition p);
// A text split at CR LF, CR or LF.
std::vector<std::string> Lines(const std::string& text);

// What a run is asked to do.
struct TPrintJobSetup {
    int Mode = pmPrintCount;
    ui::TGridRect Cells;
    bool SelectedOnly = false;
    int PageWidth = 0, PageHeight = 0;  // W and P (P negative), 0.1 mm
    double Dpi = kScreenDpi;            // device dots per inch of the canvas
    ui::TPoint Origin;                  // device position of the page's top-left corner
    int FromPage = 0, ToPage = 0;       // page range drawn (drawing modes)
    int TotalPages = -1;                // known to a drawing pass
    ui::TPrinter* Printer = nullptr;    // print drawing: a new printer page per page
};

class TPrintJob {
public:
    TPrintJob(TGxStringGrid& grid, ui::TCanvas& canvas, const TPrintJobSetup& setup);

    // Lays out (and in drawing modes draws) the job; returns its number of pages.
    int Run(TPrintLayoutInfo* info);

private:
    bool Drawing() const { return mode_ == pmPreviewDraw || mode_ == pmPrintDraw; }
    bool Previewing() const { return mode_ == pmPreviewDraw; }
    bool PageInRange() const { return Drawing() && page_ + 1 >= from_ && page_ + 1 <= to_; }
    int DevX(int x) const { return origin_.X + static_cast<int>(std::lround(x * dpi_ / 254.0)); }
    int DevY(int y) const { return origin_.Y + static_cast<int>(std::lround(-y * dpi_ / 254.0)); }
    int DevLen(int tenths) const { return static_cast<int>(std::lround(tenths * dpi_ / 254.0)); }
    ui::TRect DevRect(int left, int top, int right, int bottom) const
    {
        return {DevX(left), DevY(top), DevX(right), DevY(bottom)};
    }
    int ToTenths(int dots) const { return static_cast<int>(std::lround(dots * 254.0 / dpi_)); }
    // The canvas font becomes f with its point size mapped to 0.1 mm at a fit-to-page scale.
    void UseFont(const ui::TFont& f, double scale = 1.0);
    int TextW(const std::string& s) { return ToTenths(c_->TextWidth(s)); }
    int TextH(const std::string& s) { return ToTenths(c_->TextHeight(s)); }
    void Text(int x, int y, const std::string& s);
    void Line(int x1, int y1, int x2, int y2);
    int RealCol(int c) const { return g_.RealColIndex(c); }
    int Width(int c) const
    {
        return c >= 0 && c < static_cast<int>(width_.size()) ? width_[static_cast<size_t>(c)] : 0;
    }
    int Offset(int c) const
    {
        return c >= 0 && c < static_cast<int>(offset_.size()) ? offset_[static_cast<size_t>(c)] : 0;
    }

    // Layout (GridPrint.cpp).
    bool RowIncluded(int r);
    bool ColIncluded(int c);
    int NextIncludedRow(int r);
    int RowHeight(int r);
    void MeasureColumns();
    void FitToPage();
    void HeaderFooterHeights();
    void NextPage();
    void FirePrintPage(int pageNr);
    void PrintPages(int first, int last, TPrintLayoutInfo* info);

    // Header, footer, page numbers and the page frame (GridPrintPage.cpp).
    void PrintHeaderFooter();
    // Height in 0.1 mm of an HTML title in the header font; drawn from (LeftSize, top) to the
    // page's right edge when draw is set.
    int HtmlTitleHeight(const std::string& html, bool draw, int top);
    std::string HtmlTitle() const;
    std::string PageNumText();
    void PrintPageBorders(int first, int last, int y);

    // Cells (GridPrintCells.cpp).
    std::string PrintText(int real, int row, int& kind);
    ui::TSize MeasureCell(int c, int r);
    int PrintRow(int y, int first, int last, int row);
    void PrintCell(int y, int c, int row, int hr, int bandRight);
    // The steps of PrintCell. What the text of a cell prints with.
    struct TCellText {
        std::string Text;
        int Kind = 0;  // ctkPlain, ctkHTML ...
        THAlignment HAlign = THAlignment::taLeftJustify;
        TVAlignment VAlign = vtaTop;
        bool WordWrap = false;
        bool Rotated = false;
        int Angle = 0;
        bool MergedDown = false;  // the cell's merge takes further rows
    };
    // The border sides of the settings and the cell's event; pen gets the border pen.
    TCellBorders CellBorderSides(int real, int row, ui::TPen& pen);
    // The graphic's device rectangle in cell; textArea gives up the room the graphic takes.
    ui::TRect PlaceCellGraphic(int real, int row, const TCellGraphic& graphic, const ui::TRect& cell, bool noText,
                               THAlignment ha, ui::TRect& textArea);
    void PrintCellText(const TCellText& t, const ui::TRect& textArea, int bandRight);
    void PrintRotatedText(const TCellText& t, const ui::TRect& textArea);
    void PrintTextLines(const TCellText& t, const ui::TRect& textArea, int bandRight);
    // The sides of a cell from (left, y) to (right, bottom), in 0.1 mm.
    void PrintCellBorders(const ui::TPen& pen, TCellBorders sides, int left, int y, int right, int bottom);
    void PrintGraphic(int real, int row, const ui::TRect& dev);

    TGxStringGrid& g_;
    TPrintSettings& ps_;
    ui::TCanvas* c_;
    double dpi_;
    int mode_;
    ui::TGridRect r_;
    bool selOnly_;
    int pageWidth_, pageHeight_;
    ui::TPoint origin_;
    ui::TPrinter* printer_;
    int from_, to_, total_;
    int gap_ = 0, hg_ = 0, hH_ = 0, hF_ = 0, hT_ = 0, s_ = 0;
    int headerBand_ = 0, footerBand_ = 0;
    double scale_ = 1.0;
    std::vector<int> width_, offset_;
    int page_ = 0, band_ = 0, pageInBand_ = 0;
    bool multiBand_ = false, repeatCols_ = false, cancelled_ = false;
    int bandFirst_ = 0, bandLast_ = 0;
    int lastRowAsked_ = -1, lastRowHeight_ = 0;
    int firedPage_ = 0;  // the page OnPrintPage last fired for
};

}  // namespace gx::printjob
