// Opening a template file as the program does, with a printer present, then
// every head's text and measured box for a few numbers of the job, measured
// with Qt's real font metrics on the offscreen platform.
#include "FuzzSupport.h"

#include "model/CadenzoDoc.h"
#include "model/Int32.h"
#include "model/PrinterSelection.h"
#include "model/PrinterSystem.h"
#include "model/QtTextMeasurer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// One printer with two papers; templates naming any other printer fall back
// to it, as they do to the system's default.
class OnePrinterSystem : public PrinterSystem
{
public:
    QString defaultPrinterName() const override { return QStringLiteral("Fuzz Printer"); }
    bool openPrinter(const QString& name, PrinterDescription* description) const override
    {
        if (name != defaultPrinterName())
            return false;
        if (description) {
            description->names = {QStringLiteral("fuzz"), name, QStringLiteral("file"), 0};
            description->defaults = {1, 1, 2794, 2159,
                                     kFieldOrientation | kFieldPaperLength | kFieldPaperWidth};
        }
        return true;
    }
    void mergeSettings(const QString&, PrinterSettings&) const override {}
    PaperList queryPapers(const QString&, const QString&) const override
    {
        PaperList list;
        list.names = {QByteArray("Letter"), QByteArray("A4")};
        list.sizes = {{2159, 2794}, {2100, 2970}};
        list.codes = {1, 9};
        list.count = 2;
        return list;
    }
};

struct Setup
{
    OnePrinterSystem system;
    std::unique_ptr<PrinterSelection> printers;
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/tallimark-fuzz-XXXXXX")};
    QString path;
};

Setup* setup = nullptr;

// Measured text can be wide, but never longer than the preface, the suffix, two
// blanks and a number padded to at most 255 characters.
void checkText(const HEADING& head, std::int32_t value)
{
    const QByteArray text = head.GetNumberText(value);
    fuzz::check(text.size() <= head.preface.size() + head.suffix.size() + 2 + 255,
                "a head's number text is longer than its parts allow");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    (void)argc;
    fuzz::startGuiApplication((*argv)[0]);
    setup = new Setup;
    // The process ends through exit(), which leaves the setup alone.
    std::atexit([] { setup->dir.remove(); });
    setup->printers = std::make_unique<PrinterSelection>(setup->system);
    setup->printers->selectDefaultPrinter();
    setup->path = setup->dir.filePath(QStringLiteral("fuzz.tmt"));
    fuzz::quietLibraries();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QFile file(setup->path);
    fuzz::check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the template file");
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    CCadenzoDoc doc(setup->printers.get());
    if (!doc.OnOpenDocument(setup->path)) {
        fuzz::check(doc.GetHeadCount() == 0, "a failed open leaves heads behind");
        return 0;
    }
    fuzz::check(doc.GetHeadCount() > 0, "an opened template has no master head");

    QtTextMeasurer measurer;
    const std::int32_t last = int32::sub(doc.totalPages, 1);
    // Any index at all, even one past the job, must format.
    const auto beyond = static_cast<std::int32_t>(static_cast<std::uint32_t>(doc.GetTotalSheets()));
    for (const auto& head : doc.heads) {
        for (const std::int32_t index : {0, 1, last, beyond})
            checkText(*head, doc.GetHeadNumber(index, *head));

        const std::int32_t height = head->font.lfHeight;
        for (const std::int32_t index : {0, last}) {
            head->CalcBounds(measurer, doc.GetHeadNumber(index, *head));
            fuzz::check(head->font.lfHeight == height, "measuring a head changed its font height");
            fuzz::check(head->font.lfEscapement == head->escapement(), "measuring left another escapement");
            if (head->rotation % 360 == 0)
                fuzz::check(head->extent.cx >= 0 && head->extent.cy <= 0, "a level head measures inside out");
        }
    }
    return 0;
}
