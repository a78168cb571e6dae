#pragma once
// The printer: a print job of pages drawn on a canvas of the page in dots. A job goes to a PDF
// file when FileName is set, otherwise to one of the desktop's printers (the backend does both);
// the canvas hands each page's text, lines and pictures to the backend's page surface as they are
// (no bitmap of the sheet), so the text of a PDF file can be searched and copied. Without a
// backend that can, BeginDoc refuses the job.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Backend.h"
#include "platform/ui/Graphics.h"

namespace ui {

class TPrinter {
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // The PDF file the job writes; Title is the job's (and the document's) title. With no file
    // name the job goes to the desktop printer PrinterName (empty: the default printer).
    std::string FileName;
    std::string Title;
    std::string PrinterName;
    // The desktop's printers by name (empty where there are none).
    static std::vector<std::string> Printers();
    // Paper in millimetres (A4 by default) and the resolution of the page canvas: the unit of its
    // coordinates, pens and fonts.
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
    std::string Target() const;  // the file or printer a job goes to, for messages
    void StartPage();
    std::unique_ptr<IUiBackend::IPdfDocument> doc_;
    std::unique_ptr<TCanvas> canvas_;  // on the surface of the page being drawn
    int pageNumber_ = 0;
};

}  // namespace ui
