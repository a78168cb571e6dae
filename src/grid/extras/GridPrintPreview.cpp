// The preview window of a grid's print job; see GridPrintPreview.h.
#include "grid/extras/GridPrintPreview.h"

#include "grid/extras/GridPrint.h"

namespace gx {

std::unique_ptr<ui::TPrintPreviewForm> CreatePrintPreview(TGxStringGrid& Grid, ui::TPrinter& Printer,
                                                          ui::TComponent* Owner)
{
    const int pages = PrintPageCount(Grid, Printer);  // also takes the orientation of the settings
    const double w = Printer.Landscape ? Printer.PaperHeightMm : Printer.PaperWidthMm;
    const double h = Printer.Landscape ? Printer.PaperWidthMm : Printer.PaperHeightMm;
    TGxStringGrid* grid = &Grid;
    return std::make_unique<ui::TPrintPreviewForm>(
        Owner, pages, w, h, [grid, w, h](ui::TCanvas& Canvas, const ui::TRect& Sheet, int PageNr) {
            PrintPreview(*grid, Canvas, Sheet, PageNr, w, h);
        });
}

ui::TModalResult ShowPrintPreview(TGxStringGrid& Grid, ui::TPrinter& Printer)
{
    const std::unique_ptr<ui::TPrintPreviewForm> form = CreatePrintPreview(Grid, Printer);
    return form->ShowModal();
}

}  // namespace gx
