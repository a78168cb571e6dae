#pragma once
// The printer: a print job of pages drawn on a canvas of the page in dots. On this desktop a job
// goes to a PDF file (the backend writes it); each page is a bitmap of the sheet at the printer's
// resolution. Without a backend that writes PDF, BeginDoc refuses the job.
#include <memory>
#include <string>

#include "platform/ui/Backend.h"
#include "platform/ui/Graphics.h"

namespace ui {

class TPrinter {
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // The PDF file the job writes; Title is the job's (and the document's) title.
    std::string FileName;
    std::string Title;
    // Paper in millimetres (A4 by default) and the resolution of the page canvas.
    double PaperWidthMm = 210.0;
    double PaperHeightMm = 297.0;
    int Dpi = 150;
    bool Landscape = false;

    int XDpi() const { return Dpi; }
    int YDpi() const { return Dpi; }
    // The printable page in dots (the whole sheet: a PDF has no unprintable margin).
    int PageWidth() const;
    int PageHeight() const;

    // A job: BeginDoc, drawing on Canvas, NewPage between pages, EndDoc (writes the file) or
    // Abort (writes nothing). Errors raise rtl::Exception naming the file.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();
    bool Printing() const { return doc_ != nullptr; }
    int PageNumber() const { return pageNumber_; }  // 1-based page being drawn
    TCanvas* Canvas();

private:
    void StartPage();
    void FlushPage();
    std::unique_ptr<IUiBackend::IPdfDocument> doc_;
    std::unique_ptr<TBitmap> page_;
    int pageNumber_ = 0;
};

}  // namespace ui
