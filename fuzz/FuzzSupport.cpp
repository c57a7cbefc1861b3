#include "FuzzSupport.h"

#include "model/Archive.h"
#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/PdfLibrary.h"
#include "model/RenderTimeLimits.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QtGlobal>

#include <poppler-qt6.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace fuzz {

namespace {

class SilentSink : public MessageSink
{
public:
    MsgAnswer show(const QString&, MsgButtons, MsgIcon) override { return MsgAnswer::Cancel; }
};

void quietQtMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "Qt fatal: %s\n", qPrintable(text));
        std::abort();
    }
}

void quietPoppler(const QString&, const QVariant&) {}

} // namespace

void quietLibraries()
{
    static SilentSink sink;
    setMessageSink(&sink);
    qInstallMessageHandler(quietQtMessage);
    Poppler::setDebugErrorFunction(quietPoppler, QVariant());
    RenderTimeLimits& limits = renderTimeLimits();
    limits.editor = limits.preview = limits.print = kRenderLimit;

    const QByteArray pdf = minimalPdf();
    auto block = std::make_shared<PdfBlock>(std::uint32_t(pdf.size()));
    std::memcpy(block->bytes.get(), pdf.constData(), std::size_t(pdf.size()));
    static const pdf::DocumentHandle keptOpen = pdf::LoadMemDocument(block);
    check(keptOpen != nullptr, "Poppler does not read the minimal PDF");
}

void startGuiApplication(char* programName)
{
    static int argc = 1;
    static char* argv[] = {programName, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

QByteArray minimalPdf()
{
    return QByteArray("%PDF-1.4\n"
                      "1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
                      "2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n"
                      "3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 200 100]/Contents 4 0 R>>endobj\n"
                      "4 0 obj<</Length 35>>stream\n"
                      "0 0 1 rg 10 10 180 80 re f 0 g 5 w S\n"
                      "endstream endobj\n"
                      "trailer<</Root 1 0 R>>\n"
                      "%%EOF\n");
}

void finding(const char* what)
{
    std::fprintf(stderr, "FINDING: %s\n", what);
    std::abort();
}

QByteArray saveToMemory(CCadenzoDoc& doc)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    doc.Serialize(ar);
    check(ar.ok(), "writing a template to memory failed");
    return buffer.data();
}

std::unique_ptr<CCadenzoDoc> readTemplate(const QByteArray& data)
{
    auto doc = std::make_unique<CCadenzoDoc>(nullptr);
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    try {
        doc->Serialize(ar);
    } catch (const CArchiveException&) {
        return nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return doc;
}

} // namespace fuzz
