// The printer; see Printers.h.
#include <cmath>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Printers.h"

namespace ui {

TPrinter::TPrinter() = default;

TPrinter::~TPrinter() = default;

int TPrinter::PageWidth() const
{
    const double mm = Landscape ? PaperHeightMm : PaperWidthMm;
    return static_cast<int>(std::lround(mm / 25.4 * Dpi));
}

int TPrinter::PageHeight() const
{
    const double mm = Landscape ? PaperWidthMm : PaperHeightMm;
    return static_cast<int>(std::lround(mm / 25.4 * Dpi));
}

std::vector<std::string> TPrinter::Printers()
{
    IUiBackend* backend = Backend();
    return backend ? backend->PrinterNames() : std::vector<std::string>{};
}

std::string TPrinter::Target() const
{
    if (!FileName.empty())
        return "\"" + FileName + "\"";
    return PrinterName.empty() ? std::string("the default printer") : "printer \"" + PrinterName + "\"";
}

void TPrinter::BeginDoc()
{
    if (doc_)
        throw rtl::Exception("Printing in progress");
    if (Dpi < 10 || Dpi > 1200 || PaperWidthMm <= 0 || PaperHeightMm <= 0 || PaperWidthMm > 2000 ||
        PaperHeightMm > 2000)
        throw rtl::Exception("Invalid printer page for " + Target());
    IUiBackend* backend = Backend();
    if (backend) {
        const double w = Landscape ? PaperHeightMm : PaperWidthMm;
        const double h = Landscape ? PaperWidthMm : PaperHeightMm;
        doc_ = FileName.empty() ? backend->CreatePrinterJob(PrinterName, w, h, Title)
                                : backend->CreatePdf(FileName, w, h, Title);
    }
    if (!doc_)
        throw rtl::Exception("Cannot print to " + Target());
    pageNumber_ = 0;
    try {
        StartPage();
    } catch (...) {
        Abort();
        throw;
    }
}

void TPrinter::StartPage()
{
    canvas_.reset();
    TPageSurface* surface = doc_->NewPage(PageWidth(), PageHeight());
    if (!surface)
        throw rtl::Exception("Cannot write page " + std::to_string(pageNumber_ + 1) + " of " + Target());
    canvas_ = std::make_unique<TCanvas>();
    canvas_->SetSurface(surface);
    ++pageNumber_;
}

void TPrinter::NewPage()
{
    if (!doc_)
        throw rtl::Exception("Printer is not printing");
    StartPage();
}

void TPrinter::EndDoc()
{
    if (!doc_)
        throw rtl::Exception("Printer is not printing");
    try {
        canvas_.reset();
        if (!doc_->Finish())
            throw rtl::Exception("Cannot write " + Target());
    } catch (...) {
        Abort();
        throw;
    }
    doc_.reset();
}

void TPrinter::Abort()
{
    canvas_.reset();
    doc_.reset();  // an unfinished document leaves no file behind
}

TCanvas* TPrinter::Canvas()
{
    if (!canvas_)
        throw rtl::Exception("Printer is not printing");
    return canvas_.get();
}

}  // namespace ui
