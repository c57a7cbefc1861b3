// Writes the inputs of the export benchmark (tools/bench-export.sh) into DIR:
//   form.pdf    a one-page Letter form drawn with text and rules only
//   photo.pdf   a one-page Letter page holding one large JPEG photograph
//   form-N.tmt, photo-N.tmt   for each N: three heads on Letter, numbers
//               from 1, N pages, the matching PDF embedded as background
//
//   make_bench_export DIR N...
#include "model/Archive.h"
#include "model/CadenzoDoc.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr QSizeF kLetterPoints(612, 792);

QPdfWriter* letterWriter(QBuffer& buffer)
{
    auto* writer = new QPdfWriter(&buffer);
    writer->setPageSize(QPageSize(QPageSize::Letter));
    writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    writer->setResolution(72);
    return writer;
}

// An order form: a frame, ruled rows with labels and a title. Vector only.
QByteArray formPdf()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    std::unique_ptr<QPdfWriter> writer(letterWriter(buffer));
    QPainter painter(writer.get());
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(QRectF(36, 36, kLetterPoints.width() - 72, kLetterPoints.height() - 72));
    QFont title = painter.font();
    title.setPointSize(20);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRectF(36, 50, kLetterPoints.width() - 72, 40), Qt::AlignCenter,
                     QStringLiteral("Delivery Note"));
    QFont label = title;
    label.setPointSize(10);
    label.setBold(false);
    painter.setFont(label);
    painter.setPen(QPen(Qt::darkGray, 0.75));
    for (int row = 0; row < 24; ++row) {
        const double y = 130 + row * 24;
        painter.drawLine(QPointF(50, y + 18), QPointF(kLetterPoints.width() - 50, y + 18));
        painter.drawText(QPointF(54, y + 14), QStringLiteral("Item %1").arg(row + 1));
    }
    painter.drawLine(QPointF(300, 130), QPointF(300, 130 + 24 * 24));
    painter.drawLine(QPointF(450, 130), QPointF(450, 130 + 24 * 24));
    painter.end();
    return buffer.data();
}

// A 300 dpi Letter "photograph": smooth gradients under fine noise, so that
// its JPEG stream is about one and a half megabytes.
QImage photoImage()
{
    QImage image(2550, 3300, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(7u)) - 3;
            const int r = qBound(0, x * 255 / image.width() + noise, 255);
            const int g = qBound(0, y * 255 / image.height() + noise, 255);
            const int b = qBound(0, (x + y) * 127 / image.height() + noise, 255);
            line[x] = qRgb(r, g, b);
        }
    }
    return image;
}

QByteArray photoPdf()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    std::unique_ptr<QPdfWriter> writer(letterWriter(buffer));
    QPainter painter(writer.get());
    painter.drawImage(QRectF(QPointF(0, 0), kLetterPoints), photoImage());
    painter.end();
    return buffer.data();
}

// Three heads across the top of a Letter page, numbering 1 .. pages.
QByteArray templateFile(const QByteArray& pdf, std::int32_t pages)
{
    CCadenzoDoc doc(nullptr);
    doc.OnNewDocument();
    doc.AddNewHead(nullptr);
    doc.AddNewHead(nullptr);
    for (std::size_t i = 0; i < doc.heads.size(); ++i) {
        doc.heads[i]->x = 720 + std::int32_t(i) * 3600;
        doc.heads[i]->y = -720;
    }
    doc.startNumber = 1;
    doc.totalPages = pages;
    auto block = std::make_shared<PdfBlock>(std::uint32_t(pdf.size()));
    std::memcpy(block->bytes.get(), pdf.constData(), std::size_t(pdf.size()));
    doc.pdfData = block;
    doc.pdfLength = block->length;
    doc.pdfPath = "background.pdf";
    doc.pdfPageNumber = 1;

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    doc.Serialize(ar);
    return ar.ok() ? buffer.data() : QByteArray();
}

bool writeFile(const QDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_bench_export DIR N...\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());
    const QByteArray form = formPdf();
    const QByteArray photo = photoPdf();
    bool ok = writeFile(dir, QStringLiteral("form.pdf"), form) &&
              writeFile(dir, QStringLiteral("photo.pdf"), photo);
    for (int i = 2; ok && i < argc; ++i) {
        const long pages = std::strtol(argv[i], nullptr, 10);
        if (pages < 1 || pages > 2147483647L) {
            std::fprintf(stderr, "not a page count: %s\n", argv[i]);
            return 2;
        }
        ok = writeFile(dir, QStringLiteral("form-%1.tmt").arg(pages),
                       templateFile(form, std::int32_t(pages))) &&
             writeFile(dir, QStringLiteral("photo-%1.tmt").arg(pages),
                       templateFile(photo, std::int32_t(pages)));
    }
    return ok ? 0 : 1;
}
