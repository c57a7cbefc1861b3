// What the undo history costs: memory for many recorded steps on a template
// with a large embedded PDF, and the time to destroy the whole chain.
//
//   bench_undo [steps] [pdf megabytes]      (defaults: 10000 and 10)
#include "model/CadenzoDoc.h"
#include "model/PdfLibrary.h"
#include "model/UndoChain.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <string>

namespace {

// A one-page PDF of at least the given size: a noise image does not compress.
QByteArray makeLargePdf(qint64 minBytes)
{
    for (int side = 1024;; side += side / 4) {
        QImage noise(side, side, QImage::Format_RGB32);
        auto* bits = reinterpret_cast<quint32*>(noise.bits());
        QRandomGenerator random(42);
        random.fillRange(bits, noise.sizeInBytes() / qsizetype(sizeof(quint32)));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(72);
        QPainter painter(&writer);
        painter.drawImage(QRectF(0, 0, 500, 700), noise);
        painter.end();
        if (bytes.size() >= minBytes)
            return bytes;
    }
}

// Resident set size in kB, from the kernel's own account of this process.
long residentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// Bytes the allocator has handed out and not had back.
double heapMb()
{
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const int steps = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int pdfMb = argc > 2 ? std::atoi(argv[2]) : 10;

    const QByteArray pdfBytes = makeLargePdf(qint64(pdfMb) * 1024 * 1024);
    CCadenzoDoc doc(nullptr);
    doc.OnNewDocument();
    for (int i = 0; i < 4; ++i)
        doc.AddNewHead(nullptr);
    auto block = std::make_shared<PdfBlock>(std::uint32_t(pdfBytes.size()));
    std::memcpy(block->bytes.get(), pdfBytes.constData(), std::size_t(pdfBytes.size()));
    doc.AttachPdf(block);
    if (!doc.GetPdfPage()) {
        std::fprintf(stderr, "the background did not load\n");
        return 1;
    }

    auto chain = std::make_unique<UndoChain>();
    chain->Restart(doc);
    malloc_trim(0);
    const long rssBefore = residentKb();
    const double heapBefore = heapMb();

    const auto recordStart = std::chrono::steady_clock::now();
    for (int i = 0; i < steps; ++i) {
        doc.heads[std::size_t(i) % doc.heads.size()]->x += 15;
        chain->Record(doc);
    }
    const auto recordEnd = std::chrono::steady_clock::now();
    const long rssAfter = residentKb();
    const double heapAfter = heapMb();

    const auto destroyStart = std::chrono::steady_clock::now();
    chain.reset();
    const auto destroyEnd = std::chrono::steady_clock::now();

    using ms = std::chrono::duration<double, std::milli>;
    std::printf("PDF: %.1f MB embedded, %d heads\n", pdfBytes.size() / (1024.0 * 1024.0), doc.GetHeadCount());
    std::printf("recorded steps: %d in %.1f ms\n", steps, ms(recordEnd - recordStart).count());
    std::printf("extra resident memory: %.1f MB\n", (rssAfter - rssBefore) / 1024.0);
    std::printf("extra heap in use: %.1f MB (%.0f bytes per step)\n", heapAfter - heapBefore,
                (heapAfter - heapBefore) * 1024.0 * 1024.0 / std::max(1, steps));
    std::printf("destroying the chain: %.2f ms\n", ms(destroyEnd - destroyStart).count());
    return 0;
}
