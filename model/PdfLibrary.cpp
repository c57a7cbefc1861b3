// The only place that talks to Poppler.
#include "PdfLibrary.h"

#include <poppler-qt6.h>

#include <QByteArray>

#include <algorithm>
#include <cstring>
#include <limits>

PdfBlock::PdfBlock(std::uint32_t size) : bytes(new char[size ? size : 1]()), length(size) {}

namespace pdf {

class Document
{
public:
    std::shared_ptr<const PdfBlock> block;
    std::unique_ptr<Poppler::Document> poppler;
    // Taken once: Poppler may count the pages of a damaged file anew, and
    // differently, while it repairs it.
    int pageCount = 0;
};

class Page
{
public:
    DocumentHandle document;
    std::unique_ptr<Poppler::Page> poppler;
    QSizeF sizePoints;
};

DocumentHandle LoadMemDocument(std::shared_ptr<const PdfBlock> block)
{
    if (!block || block->length == 0 || block->length > std::uint32_t(std::numeric_limits<int>::max()))
        return nullptr;
    // fromRawData does not copy: Poppler reads the block itself, which the
    // handle keeps alive.
    const QByteArray data = QByteArray::fromRawData(block->bytes.get(), qsizetype(block->length));
    std::unique_ptr<Poppler::Document> doc = Poppler::Document::loadFromData(data);
    if (!doc || doc->isLocked())
        return nullptr;
    doc->setRenderHint(Poppler::Document::Antialiasing, true);
    doc->setRenderHint(Poppler::Document::TextAntialiasing, true);
    doc->setRenderHint(Poppler::Document::HideAnnotations, true);
    doc->setPaperColor(Qt::white);

    auto handle = std::make_shared<Document>();
    handle->block = std::move(block);
    handle->poppler = std::move(doc);
    handle->pageCount = std::max(0, handle->poppler->numPages());
    return handle;
}

int GetPageCount(const DocumentHandle& document)
{
    return document ? document->pageCount : 0;
}

PageHandle LoadPage(const DocumentHandle& document, int index)
{
    if (!document || index < 0 || index >= document->pageCount)
        return nullptr;
    std::unique_ptr<Poppler::Page> page = document->poppler->page(index);
    if (!page)
        return nullptr;
    auto handle = std::make_shared<Page>();
    handle->document = document;
    handle->sizePoints = page->pageSizeF();
    handle->poppler = std::move(page);
    return handle;
}

double GetPageWidth(const PageHandle& page)
{
    return page ? page->sizePoints.width() : 0.0;
}

double GetPageHeight(const PageHandle& page)
{
    return page ? page->sizePoints.height() : 0.0;
}

QImage RenderPageBitmap(const PageHandle& page, int width, int height)
{
    if (!page || width <= 0 || height <= 0)
        return QImage();
    const QSizeF pts = page->sizePoints;
    if (pts.width() <= 0 || pts.height() <= 0)
        return QImage();

    // Separate horizontal and vertical resolutions stretch the page over the
    // whole bitmap.
    const double xres = width * 72.0 / pts.width();
    const double yres = height * 72.0 / pts.height();
    QImage rendered = page->poppler->renderToImage(xres, yres, 0, 0, width, height);
    if (rendered.isNull())
        return QImage();

    QImage out = rendered.convertToFormat(QImage::Format_RGB32);
    if (out.size() == QSize(width, height))
        return out;

    // Rounding in the renderer can leave a row or column short: pad with white.
    QImage padded(width, height, QImage::Format_RGB32);
    if (padded.isNull())
        return QImage();
    padded.fill(Qt::white);
    const int rows = qMin(height, out.height());
    const size_t rowBytes = size_t(qMin(width, out.width())) * 4;
    for (int y = 0; y < rows; ++y)
        std::memcpy(padded.scanLine(y), out.constScanLine(y), rowBytes);
    return padded;
}

} // namespace pdf
