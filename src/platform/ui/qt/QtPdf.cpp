// Printing: the pages of a PDF file or of a job on one of the desktop's printers, each drawn on a
// page surface over the whole sheet.
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include "platform/ui/qt/QtBackend.h"
#include "platform/ui/qt/QtPageSurface.h"
#include "platform/ui/qt/QtSupport.h"

namespace ui::qt {

namespace {

QPageLayout SheetLayout(double widthMm, double heightMm)
{
    return QPageLayout(QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter), QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

// The pages of one job on a paged device: the first page opens the painter, every later one
// starts a new sheet; each page is a surface over the whole sheet.
class PageSink {
public:
    TPageSurface* Next(QPagedPaintDevice& device, int width, int height)
    {
        surface_.reset();
        if (!painter_) {
            painter_ = std::make_unique<QPainter>();
            if (!painter_->begin(&device)) {
                painter_.reset();
                return nullptr;
            }
        } else if (!device.newPage()) {
            return nullptr;
        }
        surface_ = std::make_unique<QtPageSurface>(*painter_, width, height, device.width(), device.height());
        ++pages_;
        return surface_.get();
    }
    bool End()
    {
        surface_.reset();
        if (!painter_ || pages_ == 0)
            return false;
        const bool ok = painter_->end();
        painter_.reset();
        return ok;
    }
    void Drop()
    {
        surface_.reset();
        painter_.reset();
    }

private:
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QtPageSurface> surface_;
    int pages_ = 0;
};

class PdfDocument : public IUiBackend::IPdfDocument {
public:
    PdfDocument(const std::string& fileName, double widthMm, double heightMm, const std::string& title)
        : file_(ToQString(fileName))
    {
        if (!file_.open(QIODevice::WriteOnly))
            return;
        writer_ = std::make_unique<QPdfWriter>(&file_);
        writer_->setTitle(ToQString(title));
        writer_->setCreator(QStringLiteral("SW58E26"));
        writer_->setPageLayout(SheetLayout(widthMm, heightMm));
        writer_->setResolution(300);
    }
    ~PdfDocument() override
    {
        pages_.Drop();
        writer_.reset();
        if (file_.isOpen())
            file_.cancelWriting();
    }

    TPageSurface* NewPage(int width, int height) override
    {
        return writer_ ? pages_.Next(*writer_, width, height) : nullptr;
    }

    bool Finish() override
    {
        if (!writer_)
            return false;
        const bool ok = pages_.End();
        writer_.reset();
        return ok && file_.commit();
    }

private:
    QSaveFile file_;
    std::unique_ptr<QPdfWriter> writer_;
    PageSink pages_;
};

// A job on a desktop printer. A job that ends unfinished is aborted, so the printer prints no
// half document.
class PrinterJob : public IUiBackend::IPdfDocument {
public:
    PrinterJob(const QPrinterInfo& info, double widthMm, double heightMm, const std::string& title)
        : printer_(info, QPrinter::HighResolution)
    {
        printer_.setDocName(ToQString(title));
        printer_.setFullPage(true);
        printer_.setPageLayout(SheetLayout(widthMm, heightMm));
    }
    ~PrinterJob() override
    {
        if (!finished_)
            printer_.abort();
        pages_.Drop();
    }
    bool Valid() const { return printer_.isValid(); }

    TPageSurface* NewPage(int width, int height) override { return pages_.Next(printer_, width, height); }

    bool Finish() override
    {
        finished_ = pages_.End();
        return finished_;
    }

private:
    QPrinter printer_;
    PageSink pages_;
    bool finished_ = false;
};

}  // namespace

std::unique_ptr<IUiBackend::IPdfDocument> QtBackend::CreatePdf(const std::string& fileName, double widthMm,
                                                               double heightMm, const std::string& title)
{
    EnsureApplication();
    auto doc = std::make_unique<PdfDocument>(fileName, widthMm, heightMm, title);
    return doc;
}

std::vector<std::string> QtBackend::PrinterNames()
{
    EnsureApplication();
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names.push_back(FromQString(name));
    return names;
}

std::unique_ptr<IUiBackend::IPdfDocument> QtBackend::CreatePrinterJob(const std::string& printerName, double widthMm,
                                                                      double heightMm, const std::string& title)
{
    EnsureApplication();
    const QPrinterInfo info =
        printerName.empty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(ToQString(printerName));
    if (info.isNull())
        return nullptr;
    auto job = std::make_unique<PrinterJob>(info, widthMm, heightMm, title);
    if (!job->Valid())
        return nullptr;
    return job;
}

}  // namespace ui::qt
