#pragma once

// Small PDFs made on the spot, so that no binary test files are needed.
#include "model/PdfLibrary.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QVector>

#include <cstring>
#include <functional>
#include <memory>

namespace testpdf {

// One page per entry, each of the given size in points, filled with a colour
// band in its top half and its page number written in the middle.
inline QByteArray makePdf(const QVector<QSizeF>& pagesPoints, QColor band = QColor(255, 0, 0))
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(72);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    for (int i = 0; i < pagesPoints.size(); ++i) {
        const QSizeF size = pagesPoints[i];
        const QPageSize pageSize(size, QPageSize::Point, QString(), QPageSize::ExactMatch);
        if (i == 0) {
            writer.setPageSize(pageSize);
            painter.begin(&writer);
        } else {
            writer.setPageSize(pageSize);
            writer.newPage();
        }
        painter.fillRect(QRectF(0, 0, size.width(), size.height() / 2), band);
        painter.drawText(QRectF(0, 0, size.width(), size.height()), Qt::AlignCenter, QString::number(i + 1));
    }
    painter.end();
    return bytes;
}

// One page of the given size in points, drawn by paint at 72 dots per inch.
inline QByteArray paintedPdf(QSizeF size, const std::function<void(QPainter&)>& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(72);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(QPageSize(size, QPageSize::Point, QString(), QPageSize::ExactMatch));
    QPainter painter(&writer);
    paint(painter);
    painter.end();
    return bytes;
}

inline std::shared_ptr<PdfBlock> blockFrom(const QByteArray& bytes)
{
    auto block = std::make_shared<PdfBlock>(std::uint32_t(bytes.size()));
    std::memcpy(block->bytes.get(), bytes.constData(), size_t(bytes.size()));
    return block;
}

inline QSizeF letter()
{
    return QSizeF(612, 792);
}
inline QSizeF a4()
{
    return QSizeF(595, 842);
}

} // namespace testpdf
