// Printing a grid: the page layout in tenths of millimetres (y grows upwards, so positions on a
// page are negative), columns measured or taken from the screen, fitted to the page, cut into
// bands of the page width and rows into pages of the page height, fixed rows and columns
// repeated, header, footer, title and page numbers. One layout serves counting pages, printing
// (to a PDF file or a desktop printer through ui::TPrinter) and drawing a page on any canvas.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "grid/stringgrid/GxGrid.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Printers.h"

namespace gx {

// What the last layout found, in 0.1 mm (page height negative).
struct TPrintLayoutInfo {
    int PageCount = 0;
    int Bands = 0;
    int PageWidth = 0, PageHeight = 0;
    int Gap = 0;                     // g: the print font's "gh" height / 8
    int HeaderHeight = 0;            // Hh of the first page
    int FooterHeight = 0;            // Hf
    int ColumnSpacing = 0;           // s
    double Scale = 1.0;              // fit-to-page scale
    std::vector<int> ColWidths;      // by display column of the printed rectangle (0 outside it)
    std::vector<int> BandStarts;     // first display column of each band
    std::vector<int> PageFirstRows;  // first row printed on each page (repeated fixed rows aside)
};

// Page count of a job on a printer (nothing printed).
int PrintPageCount(TGxStringGrid& Grid, ui::TPrinter& Printer, TPrintLayoutInfo* Info = nullptr);
// Prints all cells, the selection, or a rectangle of display columns and rows; the selected-rows
// and selected-columns forms print only the selected rows and columns of all cells. OnPrintStart
// may narrow the page range; a zero or reversed range prints nothing. Returns the number of pages
// printed. The job is always ended (aborted on a failure, which is raised again).
int Print(TGxStringGrid& Grid, ui::TPrinter& Printer, TPrintLayoutInfo* Info = nullptr);
int PrintSelection(TGxStringGrid& Grid, ui::TPrinter& Printer);
int PrintRect(TGxStringGrid& Grid, ui::TPrinter& Printer, const ui::TGridRect& Cells, TPrintLayoutInfo* Info = nullptr);
int PrintSelectedRows(TGxStringGrid& Grid, ui::TPrinter& Printer, TPrintLayoutInfo* Info = nullptr);
int PrintSelectedCols(TGxStringGrid& Grid, ui::TPrinter& Printer, TPrintLayoutInfo* Info = nullptr);

// Preview: the page is DisplayRect on a canvas of Dpi dots per inch (the screen's by default); the
// pages of the grid's preview range (SetPreviewPage) are drawn. Returns the page count.
int PrintPreview(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DisplayRect, double Dpi = 96.0);
int PrintPreviewRect(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DisplayRect, const ui::TGridRect& Cells,
                     double Dpi = 96.0, TPrintLayoutInfo* Info = nullptr);
int PrintPreviewSelection(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DisplayRect, double Dpi = 96.0);
int PrintPreviewSelectedRows(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DisplayRect, double Dpi = 96.0);
int PrintPreviewSelectedCols(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DisplayRect, double Dpi = 96.0);
// Draws page PageNr (1-based) of the layout of all cells on a canvas, scaled into DisplayRect as
// a sheet of PaperWidthMm x PaperHeightMm. Returns the page count.
int PrintPreview(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DisplayRect, int PageNr,
                 double PaperWidthMm = 210.0, double PaperHeightMm = 297.0);
// The first and the last page a preview draws both become Page.
void SetPreviewPage(TGxStringGrid& Grid, int Page);

// Draws the first page of all cells (or of a rectangle) into DrawRect of a canvas of Dpi dots per
// inch: no printer, no new page. Returns the layout's page count.
int PrintDraw(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DrawRect, double Dpi = 96.0);
int PrintDrawRect(TGxStringGrid& Grid, ui::TCanvas& Canvas, const ui::TRect& DrawRect, const ui::TGridRect& Cells,
                  double Dpi = 96.0);

// Font height in 0.1 mm for a point size (negative: character height), at a fit-to-page scale.
int MapFontHeight(int PointSize, double Scale = 1.0);
int MapFontSize(int Height);
// The texts of a page's header and footer slots, by TPrintPosition (index 0 unused): time, date,
// page number and title as the settings place them. Left slots get each item in front, the others
// at the end, each with a blank; a plain title's first line joins its slot (HtmlTitle: the title
// lines are drawn as HTML instead).
std::array<std::string, 7> PrintSlotTexts(TPrintSettings& Settings, const std::string& PageNumText, rtl::TDateTime Now,
                                          bool HtmlTitle);
// The text of a rich-text cell without its markup: paragraphs become CR LF, tables of fonts,
// colours and styles and "\*" destinations are dropped, "\'hh" escapes become their byte.
std::string RichTextToPlain(const std::string& Rtf);
// A and B joined by one blank, or the non-empty one.
std::string JoinWithBlank(const std::string& A, const std::string& B);

}  // namespace gx
