// Backgrounds made to hurt: damaged, locked, empty, deeply nested, huge or
// endless PDFs embedded in a template. Each one must leave the program
// standing, within a short time and a bounded amount of memory, and tell the
// user plainly what is wrong. The large ones are made here, not stored.
#include "HandMadePdf.h"
#include "PdfText.h"
#include "TestPdf.h"

#include "app/CadenzoApp.h"
#include "frame/MainFrame.h"
#include "model/BackgroundProblem.h"
#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/Preferences.h"
#include "model/PrinterSelection.h"
#include "model/RenderTimeLimits.h"
#include "print/job/JobControl.h"
#include "print/job/PdfExport.h"
#include "print/job/PreparePrintException.h"
#include "print/job/PrintJob.h"
#include "print/job/PrintRun.h"
#include "print/ui/DlgProgress.h"
#include "print/ui/PreviewWindow.h"
#include "print/ui/WindowJobControl.h"
#include "view/CadenzoView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <cstdlib>

using namespace std::chrono_literals;
using namespace handpdf;

namespace {

// Every hostile rendering runs with this limit, and must be back within it
// and a little more.
constexpr auto kTestLimit = 250ms;
constexpr qint64 kReturnWithinMs = 3000;
// Peak resident memory the whole test may reach. AddressSanitizer keeps freed
// memory in quarantine and pads every allocation and stack frame, which
// roughly doubles the peak of the same work.
#ifdef __SANITIZE_ADDRESS__
constexpr long kMaxResidentKb = 2048L * 1024L;
#else
constexpr long kMaxResidentKb = 1024L * 1024L;
#endif

struct RecordingSink : MessageSink
{
    QStringList texts;
    MsgAnswer answer = MsgAnswer::No;
    MsgAnswer show(const QString& text, MsgButtons buttons, MsgIcon) override
    {
        texts << text;
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : answer;
    }
};

class SinkGuard
{
public:
    explicit SinkGuard(MessageSink* sink) { setMessageSink(sink); }
    ~SinkGuard() { setMessageSink(nullptr); }
    SinkGuard(const SinkGuard&) = delete;
    SinkGuard& operator=(const SinkGuard&) = delete;
};

// One printer, "Office", the default: templates saved for it open unmodified.
class OnePrinterSystem : public PrinterSystem
{
public:
    QString defaultPrinterName() const override { return QStringLiteral("Office"); }
    bool openPrinter(const QString& name, PrinterDescription* description) const override
    {
        if (description)
            description->names.device = name;
        return name == defaultPrinterName();
    }
    void mergeSettings(const QString&, PrinterSettings&) const override {}
    PaperList queryPapers(const QString&, const QString&) const override { return PaperList(); }
};

long peakResidentKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QByteArray flateBombPdf(int side)
{
    PageParts parts;
    parts.resources = "<< /XObject << /I 5 0 R >> >>";
    parts.content = "q 612 0 0 792 0 0 cm /I Do Q";
    parts.more << stream("/Type /XObject /Subtype /Image /Width " + num(side) + " /Height " + num(side) +
                             " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode",
                         zerosDeflated(qint64(side) * side * 3));
    return onePage(parts);
}

QByteArray manyPathsPdf(int operators)
{
    PageParts parts;
    QByteArray content;
    content.reserve(operators * 8);
    for (int i = 0; i < operators / 3; ++i)
        content += "0 0 m 612 792 l S\n";
    parts.content = content;
    return onePage(parts);
}

QByteArray millionPaths()
{
    return manyPathsPdf(1000000);
}

// Its second content stream cannot be decoded: the page cannot be copied as
// it is, so a job has to render it. A million path operators make it slow.
QByteArray pageThatCannotBeCopied(int operators)
{
    QByteArray paths;
    for (int i = 0; i < operators / 3; ++i)
        paths += "0 0 m 612 792 l S\n";
    return assemble({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                     "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents [4 0 R 5 0 R] >>",
                     stream({}, paths), stream("/Filter /FlateDecode", QByteArray(64, 'x'))});
}

// An export of the template at tmt to out, which is removed first.
PrintRunOptions exportRun(const QString& tmt, const QString& out)
{
    PrintRunOptions options;
    options.mode = PrintRunOptions::ExportPdf;
    options.templatePath = tmt;
    options.outputPath = out;
    QFile::remove(out);
    return options;
}

// A template with a head and bytes embedded as its background, saved as path.
bool saveTemplate(const QString& path, const QByteArray& pdfBytes, std::int32_t pageNumber = 1)
{
    CCadenzoDoc doc(nullptr);
    doc.AddNewHead(nullptr);
    doc.printerName = "Office";
    doc.pdfPath = "background.pdf";
    doc.pdfLength = std::uint32_t(pdfBytes.size());
    doc.pdfPageNumber = pageNumber;
    doc.AttachPdf(testpdf::blockFrom(pdfBytes));
    return doc.OnSaveDocument(path);
}

} // namespace

class TestHostilePdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void unreadableBackgrounds_data();
    void unreadableBackgrounds();
    void hostileContentIsBounded_data();
    void hostileContentIsBounded();
    void printRunsStopAtTheTimeLimit();
    void uncopiedPageIsRendered_data();
    void uncopiedPageIsRendered();
    void uncopiedPageOnHugePaper();
    void cancelStopsTheRendering_data();
    void cancelStopsTheRendering();
    void editorDrawsOffTheInterfaceThread();
    void windowReportsUnreadableBackgroundOnOpen();

private:
    QTemporaryDir dir_;
};

void TestHostilePdf::initTestCase()
{
    QVERIFY(dir_.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("config"))));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       dir_.filePath(QStringLiteral("config")));
    RenderTimeLimits& limits = renderTimeLimits();
    limits.editor = limits.preview = limits.print = kTestLimit;
}

void TestHostilePdf::cleanup()
{
    QVERIFY2(peakResidentKb() < kMaxResidentKb, qPrintable(QString::number(peakResidentKb())));
}

void TestHostilePdf::unreadableBackgrounds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("pageNumber");
    QTest::addColumn<QString>("reason");
    const QString damaged = QStringLiteral("the file is damaged or is not a PDF file");
    const QString noPages = QStringLiteral("the file has no pages");
    QTest::newRow("truncated") << testpdf::makePdf({testpdf::letter()}).left(120) << 1 << damaged;
    QTest::newRow("not a PDF") << QByteArray("GIF89a") + QByteArray(2000, '\x7f') << 1 << damaged;
    QTest::newRow("password") << passwordPdf() << 1 << "the file is protected by a password";
    QTest::newRow("no pages") << assemble({"<< /Type /Catalog /Pages 2 0 R >>",
                                           "<< /Type /Pages /Kids [] /Count 0 >>"})
                              << 1 << noPages;
    PageParts hugeCount;
    hugeCount.count = "2147483647";
    QTest::newRow("count 2^31-1") << onePage(hugeCount) << 1 << noPages;
    QTest::newRow("page 3 of 1") << onePage(PageParts()) << 3 << "the file has no page 3";
    PageParts crowded;
    crowded.pageExtra = "/Annots [" + QByteArray("5 0 R ").repeated(100000) + "]";
    crowded.more = {"<< /Type /Annot /Subtype /Square /Rect [0 0 10 10] >>"};
    QTest::newRow("page refused") << onePage(crowded) << 1 << "page 1 of the file cannot be read";
}

// Opened, the template is whole and unmodified, without a background, and
// says why; a print run stops before printing unless told to leave the
// background out.
void TestHostilePdf::unreadableBackgrounds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, pageNumber);
    QFETCH(QString, reason);
    const QString tmt = dir_.filePath(QStringLiteral("unreadable.tmt"));
    QVERIFY(saveTemplate(tmt, bytes, pageNumber));

    const OnePrinterSystem system;
    PrinterSelection printers(system);
    CCadenzoDoc doc(&printers);
    QVERIFY(doc.OnOpenDocument(tmt));
    QVERIFY(!doc.IsModified());
    QCOMPARE(doc.GetHeadCount(), 1);
    QVERIFY(!doc.GetPdfPage());
    QCOMPARE(BackgroundProblem(doc),
             QStringLiteral("The PDF background of unreadable.tmt could not be read: %1.").arg(reason));

    PrintRunOptions options = exportRun(tmt, dir_.filePath(QStringLiteral("unreadable.pdf")));
    RecordingSink sink;
    SinkGuard guard(&sink);
    QCOMPARE(RunPrint(options, printers), 1);
    QVERIFY(!QFileInfo::exists(options.outputPath));
    QCOMPARE(sink.texts.size(), 1);
    QVERIFY(sink.texts.value(0).contains(reason));
    QVERIFY(sink.texts.value(0).contains(QLatin1String("--no-background")));

    options.withoutBackground = true;
    QCOMPARE(RunPrint(options, printers), 0);
    QVERIFY(QFileInfo(options.outputPath).size() > 0);
}

void TestHostilePdf::hostileContentIsBounded_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // Certain to run past the limit; and whether the renderer itself stops
    // then (between drawing operations) or is left to finish one huge one.
    QTest::addColumn<bool>("outlasts");
    QTest::addColumn<bool>("stops");
    PageParts brokenXref;
    brokenXref.brokenXref = true;
    QTest::newRow("broken xref") << onePage(brokenXref) << false << false;
    for (const char* box : {"[0 0 0 0]", "[0 0 -612 -792]", "[0 0 1000000000 1000000000]"}) {
        PageParts parts;
        parts.mediaBox = box;
        QTest::newRow(box) << onePage(parts) << false << false;
    }
    QTest::newRow("forms 20000 deep") << nestedFormsPdf(20000) << false << false;
    QTest::newRow("form draws itself") << selfDrawingFormPdf() << false << false;
    QTest::newRow("arrays 100000 deep") << nestedArraysPdf(100000) << false << false;
    QTest::newRow("a million path operators") << millionPaths() << true << true;
    QTest::newRow("flate bomb") << flateBombPdf(8000) << true << false;
}

// Embedded and opened, each one either renders or is given up at the limit,
// promptly; whatever does not render leaves the page without a background.
void TestHostilePdf::hostileContentIsBounded()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, outlasts);
    QFETCH(bool, stops);
    const QString tmt = dir_.filePath(QStringLiteral("hostile.tmt"));
    QVERIFY(saveTemplate(tmt, bytes));
    CCadenzoDoc doc(nullptr);
    QVERIFY(doc.OnOpenDocument(tmt));
    if (!doc.GetPdfPage()) {
        QVERIFY(!outlasts);
        QVERIFY(!BackgroundProblem(doc).isEmpty());
        return;
    }
    QVERIFY(BackgroundProblem(doc).isEmpty());

    QElapsedTimer clock;
    clock.start();
    const pdf::RenderResult result = pdf::RenderPageBitmap(doc.GetPdfPage(), 240, 320, kTestLimit);
    QVERIFY2(clock.elapsed() < kReturnWithinMs, qPrintable(QString::number(clock.elapsed())));
    if (outlasts)
        QCOMPARE(int(result.status), int(pdf::RenderStatus::TimedOut));
    // The abandoned thread notices the abort at Poppler's next check, which
    // under the sanitizers on a busy machine can be seconds away.
    if (stops)
        QTRY_COMPARE_WITH_TIMEOUT(pdf::RenderThreadsRunning(), 0, 10000);
    if (result.status == pdf::RenderStatus::Rendered)
        QCOMPARE(result.image.size(), QSize(240, 320));
    else
        QVERIFY(result.image.isNull());
}

// A page that is slow to draw goes into a job as it is, in no time. One that
// has to be rendered instead is bounded: printing and exporting in the window
// ask before going on without it; a command-line run prints nothing.
void TestHostilePdf::printRunsStopAtTheTimeLimit()
{
    const QString tmt = dir_.filePath(QStringLiteral("slow.tmt"));
    const NoPrinterSystem system;
    PrinterSelection printers(system);
    QVERIFY(saveTemplate(tmt, millionPaths()));
    QElapsedTimer copying;
    copying.start();
    QCOMPARE(RunPrint(exportRun(tmt, dir_.filePath(QStringLiteral("copied.pdf"))), printers), 0);
    QVERIFY2(copying.elapsed() < kReturnWithinMs, qPrintable(QString::number(copying.elapsed())));

    QVERIFY(saveTemplate(tmt, pageThatCannotBeCopied(1000000)));
    PrintRunOptions options = exportRun(tmt, dir_.filePath(QStringLiteral("slow.pdf")));
    options.lastSheet = 1;

    const QString question = QStringLiteral("The PDF background took longer than 1 seconds to prepare and is "
                                            "left out. Print the sheets without it?");
    const QString stopped =
        QStringLiteral("The PDF background took longer than 1 seconds to prepare. Nothing "
                       "was printed; --no-background prints the sheets without it.");
    QElapsedTimer clock;
    clock.start();
    {
        RecordingSink sink;
        SinkGuard guard(&sink);
        QCOMPARE(RunPrint(options, printers), 1);
        QVERIFY2(clock.elapsed() < kReturnWithinMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(sink.texts, QStringList{stopped});
        QVERIFY(!QFileInfo::exists(options.outputPath));
    }
    {
        // In the window the user is asked; Yes: the sheets go out with their
        // heads only.
        CCadenzoDoc doc(nullptr);
        QVERIFY(doc.OnOpenDocument(tmt));
        RecordingSink sink;
        sink.answer = MsgAnswer::Yes;
        SinkGuard guard(&sink);
        QMainWindow window;
        CPrintJob job(doc);
        WindowJobControl attended(&window);
        QVERIFY(ExportPdf(job, options.outputPath, SheetRange{1, 1}, attended).isDone());
        QCOMPARE(sink.texts, QStringList{question});
        QVERIFY(QFileInfo(options.outputPath).size() > 0);
    }
}

void TestHostilePdf::uncopiedPageIsRendered_data()
{
    QTest::addColumn<QByteArray>("pdf");
    QTest::newRow("undecodable content") << pageThatCannotBeCopied(300);
    PageParts parts; // a number too large for the toolkit, not for the renderer
    parts.pageExtra = "/StructParents 99999999999999999999";
    QTest::newRow("page the toolkit cannot parse") << onePage(parts);
}

// A paper too large for a rendered picture fails with that reason, before
// the renderer is asked (it would only complain on standard error).
void TestHostilePdf::uncopiedPageOnHugePaper()
{
    const QString tmt = dir_.filePath(QStringLiteral("huge paper.tmt"));
    QVERIFY(saveTemplate(tmt, pageThatCannotBeCopied(300)));
    CCadenzoDoc doc(nullptr);
    QVERIFY(doc.OnOpenDocument(tmt));
    doc.paperWidth = doc.paperHeight = 200 * 1440;
    RecordingSink sink;
    SinkGuard guard(&sink);
    CPrintJob job(doc);
    JobControl unattended;
    const JobOutcome outcome =
        ExportPdf(job, dir_.filePath(QStringLiteral("huge paper.pdf")), SheetRange{1, 1}, unattended);
    QVERIFY(outcome.isFailed());
    QVERIFY(sink.texts.isEmpty()); // the caller tells the user
    ReportOutcome(outcome);
    QCOMPARE(sink.texts.size(), 1);
    QVERIFY2(sink.texts[0].contains(QLatin1String("the paper is too large or too small")),
             qPrintable(sink.texts[0]));
    QVERIFY(!QFileInfo::exists(dir_.filePath(QStringLiteral("huge paper.pdf"))));
}

// A page the PDF toolkit cannot copy but the renderer can draw goes out as
// one picture, and the user is told.
void TestHostilePdf::uncopiedPageIsRendered()
{
    QFETCH(QByteArray, pdf);
    const QString tmt = dir_.filePath(QStringLiteral("uncopied.tmt"));
    QVERIFY(saveTemplate(tmt, pdf));
    // A whole page at 300 dpi, also under the sanitizers.
    renderTimeLimits().print = 30s;
    const std::shared_ptr<void> restore(nullptr, [](void*) { renderTimeLimits().print = kTestLimit; });
    const NoPrinterSystem system;
    PrinterSelection printers(system);
    PrintRunOptions options = exportRun(tmt, dir_.filePath(QStringLiteral("uncopied.pdf")));
    options.lastSheet = 1;
    RecordingSink sink;
    SinkGuard guard(&sink);
    QCOMPARE(RunPrint(options, printers), 0);
    QCOMPARE(sink.texts.size(), 1);
    QVERIFY2(sink.texts[0].contains(QLatin1String("could not be copied as it is")),
             qPrintable(sink.texts[0]));
    const QStringList images = QString::fromUtf8(pdftext::run(QStringLiteral("pdfimages"),
                                                              {QStringLiteral("-list"), options.outputPath}))
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                   .mid(2);
    QCOMPARE(images.size(), 1);
    QCOMPARE(images[0].simplified().section(QLatin1Char(' '), 3, 4), QStringLiteral("2550 3300"));
}

void TestHostilePdf::cancelStopsTheRendering_data()
{
    QTest::addColumn<bool>("preview");
    QTest::newRow("print") << false;
    QTest::newRow("preview") << true;
}

// Cancel in the progress dialog stops a page that would render for long,
// while it renders: the job is abandoned and the main window usable again.
void TestHostilePdf::cancelStopsTheRendering()
{
    QFETCH(bool, preview);
    CCadenzoDoc doc(nullptr);
    doc.AddNewHead(nullptr);
    doc.AttachPdf(testpdf::blockFrom(millionPaths()));
    QVERIFY(doc.GetPdfPage());
    RenderTimeLimits& limits = renderTimeLimits();
    limits.preview = limits.print = 60s;
    RecordingSink sink;
    sink.answer = MsgAnswer::Yes;
    SinkGuard guard(&sink);
    QMainWindow window;
    window.show();

    bool windowWasDisabled = false;
    QTimer::singleShot(150, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<CDlgProgress*>(w); dialog && dialog->isVisible()) {
                windowWasDisabled = !window.isEnabled();
                dialog->reject();
            }
        }
    });
    QElapsedTimer clock;
    clock.start();
    const SheetGeometry geometry = SheetGeometry::ofTemplatePaper(doc, 300);
    bool cancelled = false;
    if (preview) {
        CPreviewWindow shown(doc, geometry, nullptr, &window);
        cancelled = shown.cancelled();
        QVERIFY(shown.job().background().image().isNull());
    } else {
        CPrintJob job(doc);
        try {
            WindowJobControl attended(&window);
            job.BeginPrinting(geometry, attended);
        } catch (const CPreparePrintException&) {
            cancelled = true;
        }
        QVERIFY(job.background().image().isNull());
    }
    limits.preview = limits.print = kTestLimit;
    QVERIFY(cancelled);
    QVERIFY(windowWasDisabled);
    QVERIFY(window.isEnabled());
    QVERIFY2(clock.elapsed() < kReturnWithinMs, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(sink.texts, QStringList{QStringLiteral("Are you sure you want to cancel the print job?")});
}

// The editor comes back at once with the page and its heads and no
// background; when the page runs out of time it says so and stays without.
void TestHostilePdf::editorDrawsOffTheInterfaceThread()
{
    CCadenzoDoc doc(nullptr);
    doc.AddNewHead(nullptr);
    doc.AttachPdf(testpdf::blockFrom(millionPaths()));
    QVERIFY(doc.GetPdfPage());
    Preferences preferences;
    CCadenzoView view(&doc, &preferences);
    view.resize(800, 600);
    view.show();
    RecordingSink sink;
    SinkGuard guard(&sink);

    view.OnUpdate(nullptr, 0);
    QVERIFY(view.pdfScreenImagePending());
    QVERIFY(view.pdfScreenImage().isNull());
    QVERIFY(!view.grab().isNull()); // paints meanwhile

    QTRY_VERIFY_WITH_TIMEOUT(!view.pdfScreenImagePending(), int(kReturnWithinMs));
    QVERIFY(view.pdfScreenImage().isNull());
    QCOMPARE(sink.texts, QStringList{QStringLiteral(
                             "The PDF background took longer than 1 seconds to draw and is left out.")});

    // Further updates (an undo, say) do not try that page again.
    view.OnUpdate(nullptr, 0);
    QVERIFY(!view.pdfScreenImagePending());
    QCOMPARE(sink.texts.size(), 1);

    // An ordinary page arrives by itself a moment later.
    sink.texts.clear();
    doc.AttachPdf(testpdf::blockFrom(testpdf::makePdf({testpdf::letter()})));
    view.OnUpdate(nullptr, 0);
    QTRY_VERIFY_WITH_TIMEOUT(!view.pdfScreenImage().isNull(), int(kReturnWithinMs));
    QVERIFY(sink.texts.isEmpty());
}

// Opening such a template in the window shows the reason in a message box
// and opens the template, unmodified, without its background.
void TestHostilePdf::windowReportsUnreadableBackgroundOnOpen()
{
    const QString tmt = dir_.filePath(QStringLiteral("locked.tmt"));
    QVERIFY(saveTemplate(tmt, passwordPdf()));
    RecordingSink sink;
    SinkGuard guard(&sink);
    CCadenzoApp app(std::make_unique<OnePrinterSystem>());
    QVERIFY(app.InitInstance(ParseCommandLine({})));
    sink.texts.clear();

    QCOMPARE(int(app.OpenDocumentFile(tmt)), int(CCadenzoApp::OpenResult::Opened));
    QCOMPARE(sink.texts, QStringList{QStringLiteral("The PDF background of locked.tmt could not be read: the "
                                                    "file is protected by a password. The template opens "
                                                    "without it.")});
    QVERIFY(!app.document()->IsModified());
    QVERIFY(!app.document()->GetPdfPage());
    QCOMPARE(app.frame()->windowTitle(), QStringLiteral("locked.tmt - Tallimark"));
    app.ExitInstance();

    // Named on the command line, the template's window is up before the box.
    sink.texts.clear();
    CCadenzoApp started(std::make_unique<OnePrinterSystem>());
    QVERIFY(started.InitInstance(ParseCommandLine({tmt})));
    QVERIFY(sink.texts.isEmpty());
    QTRY_COMPARE(sink.texts.size(), 1);
    QVERIFY(started.frame()->isVisible());
    QVERIFY(sink.texts.value(0).endsWith(QLatin1String("The template opens without it.")));
    QVERIFY(!started.document()->IsModified());
    started.ExitInstance();
}

// Renderings given up at their limit may still run when the tests are done;
// leave without tearing the renderer down under them.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    TestHostilePdf test;
    const int status = QTest::qExec(&test, argc, argv);
    if (pdf::RenderThreadsRunning() > 0) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

#include "tst_hostilepdf.moc"
