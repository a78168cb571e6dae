// The preview window of a grid's print job: the pages the printer would print, on a sheet of its
// paper (in the orientation the print settings give), one page at a time.
#pragma once

#include <memory>

#include "grid/stringgrid/GxGrid.h"
#include "platform/ui/PrintPreview.h"
#include "platform/ui/Printers.h"

namespace gx {

std::unique_ptr<ui::TPrintPreviewForm> CreatePrintPreview(TGxStringGrid& Grid, ui::TPrinter& Printer,
                                                          ui::TComponent* Owner = nullptr);
// Shows the preview window until it is closed.
ui::TModalResult ShowPrintPreview(TGxStringGrid& Grid, ui::TPrinter& Printer);

}  // namespace gx
