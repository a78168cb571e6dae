// Printing to a PDF file: each page bitmap is placed over the whole sheet of a PDF page.
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "platform/ui/qt/QtBackend.h"
#include "platform/ui/qt/QtSupport.h"

namespace ui::qt {

namespace {

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
        writer_->setPageLayout(QPageLayout(QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter),
                                           QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer_->setResolution(300);
    }
    ~PdfDocument() override
    {
        painter_.reset();
        writer_.reset();
        if (file_.isOpen())
            file_.cancelWriting();
    }

    bool AddPage(const TBitmap& page) override
    {
        if (!writer_)
            return false;
        if (!painter_) {
            painter_ = std::make_unique<QPainter>();
            if (!painter_->begin(writer_.get()))
                return false;
        } else if (!writer_->newPage()) {
            return false;
        }
        const QRect sheet(0, 0, writer_->width(), writer_->height());
        painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter_->drawImage(sheet, ImageCopy(page));
        ++pages_;
        return true;
    }

    bool Finish() override
    {
        if (!writer_ || pages_ == 0)
            return false;
        const bool ok = painter_->end();
        painter_.reset();
        writer_.reset();
        return ok && file_.commit();
    }

private:
    QSaveFile file_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    int pages_ = 0;
};

}  // namespace

std::unique_ptr<IUiBackend::IPdfDocument> QtBackend::CreatePdf(const std::string& fileName, double widthMm,
                                                               double heightMm, const std::string& title)
{
    EnsureApplication();
    auto doc = std::make_unique<PdfDocument>(fileName, widthMm, heightMm, title);
    return doc;
}

}  // namespace ui::qt
