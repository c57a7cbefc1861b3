// The job written as a PDF: one page per sheet on the template's paper, read
// back with poppler's tools; and the command-line runs' exit statuses.
#include "PdfText.h"
#include "TestPdf.h"
#include "TestStrings.h"

#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/NativePath.h"
#include "model/PrinterSelection.h"
#include "print/job/JobControl.h"
#include "print/job/PdfExport.h"
#include "print/job/PrintRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <unistd.h>

namespace {

struct RecordingSink : MessageSink
{
    QStringList texts;
    MsgAnswer show(const QString& text, MsgButtons, MsgIcon) override
    {
        texts << text;
        return MsgAnswer::Ok;
    }
};

// An unattended job that the user cancels once sheet cancelAt is written.
struct CancelAt : JobControl
{
    qint64 cancelAt = 0;
    void sheetsDone(qint64 done, qint64) override
    {
        if (cancelAt > 0 && done >= cancelAt)
            cancel();
    }
};

class SinkGuard
{
public:
    explicit SinkGuard(MessageSink* sink) { setMessageSink(sink); }
    ~SinkGuard() { setMessageSink(nullptr); }
};

// An --export-pdf run of the template tmt into pdf, without printers; its
// exit status.
int exportRun(const QString& tmt, const QString& pdf)
{
    NoPrinterSystem system;
    PrinterSelection printers(system);
    PrintRunOptions options;
    options.mode = PrintRunOptions::ExportPdf;
    options.templatePath = tmt;
    options.outputPath = pdf;
    return RunPrint(options, printers);
}

// Heads print bare numbers ("00001"), so that each is one word.
void addHead(CCadenzoDoc& doc, int x, int y, int seed)
{
    doc.AddNewHead(nullptr);
    HEADING& head = *doc.heads.back();
    head.x = x;
    head.y = y;
    head.seed = seed;
    head.preface.clear();
    head.spaceAfterPreface = 0;
    head.suffix.clear();
    head.spaceBeforeSuffix = 0;
}

std::unique_ptr<CCadenzoDoc> makeDoc(int copies, int skip, int total)
{
    auto doc = std::make_unique<CCadenzoDoc>(nullptr);
    doc->copies = copies;
    doc->skip = skip;
    doc->totalPages = total;
    addHead(*doc, 1440, -1440, 0);
    return doc;
}

// A form of text and rules only.
QByteArray formBackground()
{
    return testpdf::paintedPdf(testpdf::letter(), [](QPainter& painter) {
        painter.setFont(QFont(QStringLiteral("Liberation Sans"), 9));
        for (int i = 0; i < 40; ++i)
            painter.drawText(QPointF(40, 200 + i * 12), QStringLiteral("Form line %1 ..........").arg(i));
        painter.drawRect(QRectF(30, 30, 552, 732));
    });
}

// One photo-like picture, which Qt's PDF writer stores as JPEG.
QByteArray photoBackground()
{
    return testpdf::paintedPdf(testpdf::letter(), [](QPainter& painter) {
        QImage photo(640, 480, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb(x * 255 / 640, y * 255 / 480, (x * y) & 0xFF));
        painter.drawImage(QRectF(0, 0, 612, 792), photo);
    });
}

// Each image object once, as pdfimages -list sees it: type, size, colour and
// encoding.
QStringList imageList(const QString& pdf)
{
    const QStringList rows =
        QString::fromUtf8(pdftext::run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
            .mid(2);
    QMap<QString, QString> objects;
    for (const QString& row : rows) {
        const QStringList fields = row.simplified().split(QLatin1Char(' '));
        if (fields.size() > 11)
            objects.insert(fields[10], fields.mid(2, 7).join(QLatin1Char(' ')));
    }
    return objects.values();
}

// The bytes of the first JPEG stream, as pdfimages -j writes it.
QByteArray jpegBytes(const QString& pdf, const QString& prefix)
{
    pdftext::run(QStringLiteral("pdfimages"), {QStringLiteral("-j"), pdf, prefix});
    QFile file(prefix + QStringLiteral("-000.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPdfExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void numbersOnTheRightPages_data();
    void numbersOnTheRightPages();
    void headOneInchFromCorner_data();
    void headOneInchFromCorner();
    void backgroundKeptAsItIs_data();
    void backgroundKeptAsItIs();
    void commandLineRuns_data();
    void commandLineRuns();
    void hugeHeadFontsPrint_data();
    void hugeHeadFontsPrint();
    void commandLineFiles_data();
    void commandLineFiles();
    void programRuns_data();
    void programRuns();
    void exportEndsQuietly_data();
    void exportEndsQuietly();

private:
    QTemporaryDir dir_;
};

void TestPdfExport::initTestCase()
{
    QVERIFY(dir_.isValid());
}

void TestPdfExport::numbersOnTheRightPages_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("skip");
    QTest::addColumn<int>("total");
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("last");
    // The word on each page; empty for a blank page.
    QTest::addColumn<QStringList>("words");

    QTest::newRow("copies 2 skip 1") << 2 << 1 << 3 << qint64(1) << qint64(-1)
                                     << strings({"00001", "00001", "", "00002", "00002", "", "00003", "00003",
                                                 ""});
    QTest::newRow("sub-range keeps numbers")
        << 2 << 1 << 3 << qint64(5) << qint64(7) << strings({"00002", "", "00003"});
    QTest::newRow("copies 2 skip 2 total 2") << 2 << 2 << 2 << qint64(1) << qint64(-1)
                                             << strings({"00001", "00001", "", "", "00002", "00002", "", ""});
    QTest::newRow("copies 0 skip 1") << 0 << 1 << 3 << qint64(1) << qint64(-1)
                                     << strings({"00001", "00002", "00003"});
}

void TestPdfExport::numbersOnTheRightPages()
{
    QFETCH(int, copies);
    QFETCH(int, skip);
    QFETCH(int, total);
    QFETCH(qint64, first);
    QFETCH(qint64, last);
    QFETCH(QStringList, words);

    const auto doc = makeDoc(copies, skip, total);
    const QString path = dir_.filePath(QStringLiteral("numbers.pdf"));
    CPrintJob job(*doc);
    const SheetRange range = clampSheetRange(first, last, job.sheetCount());
    JobControl unattended;
    QVERIFY(ExportPdf(job, path, range, unattended).isDone());
    QCOMPARE(pdftext::pageCount(path), int(words.size()));
    const QList<pdftext::Page> pages = pdftext::read(path);
    QCOMPARE(pages.size(), words.size());
    for (int i = 0; i < pages.size(); ++i) {
        const QStringList expected = words[i].isEmpty() ? QStringList() : QStringList{words[i]};
        QCOMPARE(pages[i].texts(), expected);
    }
}

void TestPdfExport::headOneInchFromCorner_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QSizeF>("pageSize");
    QTest::newRow("Letter portrait, 1 inch") << 1 << 1440 << -1440 << QSizeF(612, 792);
    QTest::newRow("Letter landscape, 1 inch") << 2 << 1440 << -1440 << QSizeF(792, 612);
    QTest::newRow("Letter, 2.5 x 4 inch") << 1 << 3600 << -5760 << QSizeF(612, 792);
}

void TestPdfExport::headOneInchFromCorner()
{
    QFETCH(int, orientation);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QSizeF, pageSize);

    auto doc = makeDoc(1, 0, 1);
    doc->orientation = std::uint16_t(orientation);
    doc->heads[0]->x = x;
    doc->heads[0]->y = y;
    const QString path = dir_.filePath(QStringLiteral("corner.pdf"));
    CPrintJob job(*doc);
    JobControl unattended;
    QVERIFY(ExportPdf(job, path, SheetRange{1, 1}, unattended).isDone());
    const QList<pdftext::Page> pages = pdftext::read(path);
    QCOMPARE(pages.size(), 1);
    QVERIFY(qAbs(pages[0].size.width() - pageSize.width()) < 0.5);
    QVERIFY(qAbs(pages[0].size.height() - pageSize.height()) < 0.5);
    QCOMPARE(pages[0].words.size(), 1);
    // The text cell's top-left corner at the head's position from the paper's corner.
    const QRectF box = pages[0].words[0].box;
    QVERIFY2(qAbs(box.left() - x / 20.0) <= 1.0, qPrintable(QString::number(box.left())));
    QVERIFY2(qAbs(box.top() + y / 20.0) <= 1.0, qPrintable(QString::number(box.top())));
}

void TestPdfExport::backgroundKeptAsItIs_data()
{
    QTest::addColumn<bool>("photo");
    QTest::newRow("vector form") << false;
    QTest::newRow("JPEG photo") << true;
}

void TestPdfExport::backgroundKeptAsItIs()
{
    // Copies 2 and Skip 1: every third sheet is blank.
    QFETCH(bool, photo);
    auto doc = makeDoc(2, 1, 10);
    const QByteArray source = photo ? photoBackground() : formBackground();
    doc->AttachPdf(testpdf::blockFrom(source));
    QVERIFY(doc->GetPdfPage());
    const QString out = dir_.filePath(QStringLiteral("kept.pdf"));
    CPrintJob job(*doc);
    JobControl unattended;
    QVERIFY(ExportPdf(job, out, SheetRange{1, 30}, unattended).isDone());

    bool ok = false;
    pdftext::run(QStringLiteral("qpdf"), {QStringLiteral("--check"), out}, &ok);
    QVERIFY(ok);
    const QList<pdftext::Page> pages = pdftext::read(out);
    QCOMPARE(pages.size(), 30);
    for (int i = 0; i < pages.size(); ++i) {
        const QStringList words = pages[i].texts();
        if (i % 3 == 2) {
            QVERIFY(words.isEmpty());
        } else {
            QVERIFY2(words.contains(QStringLiteral("%1").arg(i / 3 + 1, 5, 10, QLatin1Char('0'))),
                     qPrintable(words.join(QLatin1Char(' '))));
            QCOMPARE(words.contains(QStringLiteral("Form")), !photo);
        }
    }

    // The photo once, as the source's own JPEG stream; the form without any image.
    const QString src = dir_.filePath(QStringLiteral("source.pdf"));
    QFile file(src);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(source);
    file.close();
    const QStringList images = imageList(out);
    QCOMPARE(images, imageList(src));
    QCOMPARE(images.size(), photo ? 1 : 0);
    if (photo) {
        QVERIFY2(images[0].contains(QStringLiteral("640 480")) && images[0].contains(QStringLiteral("jpeg")),
                 qPrintable(images[0]));
        QCOMPARE(jpegBytes(out, dir_.filePath(QStringLiteral("o"))),
                 jpegBytes(src, dir_.filePath(QStringLiteral("s"))));
    }
}

void TestPdfExport::commandLineRuns_data()
{
    QTest::addColumn<int>("what"); // 0 good template, 1 missing file, 2 no sheets, 3 range outside
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("written");
    QTest::newRow("export") << 0 << 0 << true;
    QTest::newRow("missing template") << 1 << 1 << false;
    QTest::newRow("job without sheets") << 2 << 1 << false;
    QTest::newRow("sheets outside the job") << 3 << 1 << false;
}

void TestPdfExport::commandLineRuns()
{
    QFETCH(int, what);
    QFETCH(int, status);
    QFETCH(bool, written);

    auto doc = makeDoc(1, 0, what == 2 ? 0 : 4);
    const QString tmt = dir_.filePath(QStringLiteral("run.tmt"));
    QVERIFY(doc->OnSaveDocument(tmt));
    NoPrinterSystem system;
    PrinterSelection printers(system);
    PrintRunOptions options;
    options.mode = PrintRunOptions::ExportPdf;
    options.templatePath = what == 1 ? dir_.filePath(QStringLiteral("absent.tmt")) : tmt;
    options.outputPath = dir_.filePath(QStringLiteral("run.pdf"));
    QFile::remove(options.outputPath);
    if (what == 3) {
        options.firstSheet = 5;
        options.lastSheet = 9;
    }
    RecordingSink sink;
    SinkGuard guard(&sink);
    QCOMPARE(RunPrint(options, printers), status);
    QCOMPARE(QFileInfo::exists(options.outputPath), written);
    QCOMPARE(sink.texts.isEmpty(), status == 0);
    if (written)
        QCOMPARE(pdftext::pageCount(options.outputPath), 4);

    // Printing with no printer at all cannot start.
    if (what == 0) {
        options.mode = PrintRunOptions::PrintDefault;
        sink.texts.clear();
        QCOMPARE(RunPrint(options, printers), 1);
        QCOMPARE(sink.texts,
                 QStringList{QStringLiteral("Could not start print job.\nThere is no default printer.")});
        options.mode = PrintRunOptions::PrintTo;
        options.printerName = QStringLiteral("no-such-printer");
        sink.texts.clear();
        QCOMPARE(RunPrint(options, printers), 1);
        QCOMPARE(sink.texts, QStringList{QStringLiteral(
                                 "Could not start print job.\nPrinter no-such-printer: no such printer.")});
    }
}

void TestPdfExport::hugeHeadFontsPrint_data()
{
    QTest::addColumn<int>("lfHeight");
    QTest::addColumn<int>("printedPoints");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("1638 points, the dialog's largest") << -1638 << 1638 << QStringList();
    QTest::newRow("3277 points") << -3277 << 3277 << QStringList();
    QTest::newRow("5000 points") << -5000 << 5000 << QStringList();
    const QString tooLarge = QStringLiteral(
        "These heads have a font larger than 5000 points and are printed at 5000 points: Head 2.");
    QTest::newRow("5001 points") << -5001 << 5000 << QStringList{tooLarge};
    QTest::newRow("2^31 - 1 points") << -2147483647 << 5000 << QStringList{tooLarge};
    QTest::newRow("2^31 points") << -2147483647 - 1 << 5000 << QStringList{tooLarge};
}

void TestPdfExport::hugeHeadFontsPrint()
{
    // Only a damaged or made-up file holds such a height: the head prints at
    // most 5000 points tall, and the run says so.
    QFETCH(int, lfHeight);
    QFETCH(int, printedPoints);
    QFETCH(QStringList, messages);
    auto doc = makeDoc(1, 0, 1);
    doc->paperWidth = doc->paperHeight = 1440 * 200;
    addHead(*doc, 1440, -1440 * 2, 0);
    setFaceName(doc->heads[1]->font, "Liberation Sans");
    doc->heads[1]->font.lfHeight = lfHeight;
    doc->heads[1]->zeroPad = 0;
    const QString tmt = dir_.filePath(QStringLiteral("huge.tmt"));
    QVERIFY(doc->OnSaveDocument(tmt));

    const QString pdf = dir_.filePath(QStringLiteral("huge.pdf"));
    RecordingSink sink;
    SinkGuard guard(&sink);
    QCOMPARE(exportRun(tmt, pdf), 0);
    QCOMPARE(sink.texts, messages);
    const QList<pdftext::Word> words = pdftext::read(pdf).value(0).words;
    QCOMPARE(words.size(), 2);
    QCOMPARE(words[1].text, QStringLiteral("1"));
    // The word's box is the face's ascent and descent, its top two inches down.
    QVERIFY2(qAbs(words[1].box.top() - 144) < printedPoints * 0.01,
             qPrintable(QString::number(words[1].box.top())));
    const double cells = words[1].box.height() / printedPoints;
    QVERIFY2(cells > 1.0 && cells < 1.2, qPrintable(QString::number(cells)));
}

void TestPdfExport::commandLineFiles_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("message"); // empty: exported
    QTest::newRow("onto its own template")
        << "onto template" << QStringLiteral("%1 is the template being printed; the PDF needs another name.");
    QTest::newRow("onto a folder") << "folder"
                                   << QStringLiteral("Could not create the file %1: Is a directory.");
    QTest::newRow("onto a full device")
        << "full" << QStringLiteral("Could not write the file %1: No space left on device.");
    QTest::newRow("empty template") << "empty"
                                    << QStringLiteral("%1 is empty: there is no template to print.");
    QTest::newRow("Latin-1 names") << "latin-1" << QString();
}

// Names are the file system's bytes; nothing the run cannot do is done
// half, or reported as success.
void TestPdfExport::commandLineFiles()
{
    QFETCH(QString, what);
    QFETCH(QString, message);
    const QByteArray folder = QFile::encodeName(dir_.path());
    const bool latin1 = what == QLatin1String("latin-1");
    const QString tmt = decodePath(folder + (latin1 ? "/t\xe9mplate.tmt" : "/files.tmt"));
    if (what == QLatin1String("empty")) {
        QFile empty(tmt);
        QVERIFY(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
    } else {
        QVERIFY(makeDoc(1, 0, 3)->OnSaveDocument(tmt));
    }
    QFile source(latin1 ? QString() : tmt); // Qt's own names would lose the byte
    const QByteArray templateBytes = source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
    source.close();

    PrintRunOptions options;
    options.mode = PrintRunOptions::ExportPdf;
    options.templatePath = tmt;
    options.outputPath = what == QLatin1String("onto template") ? tmt
                         : what == QLatin1String("folder")      ? dir_.path()
                         : what == QLatin1String("full")        ? QStringLiteral("/dev/full")
                                                                : decodePath(folder + "/\xe9xport.pdf");
    NoPrinterSystem system;
    PrinterSelection printers(system);
    RecordingSink sink;
    SinkGuard guard(&sink);
    const int status = RunPrint(options, printers);
    if (message.isEmpty()) {
        QCOMPARE(status, 0);
        QVERIFY(sink.texts.isEmpty());
        const QByteArray pdf = folder + "/\xe9xport.pdf";
        QCOMPARE(::access(pdf.constData(), R_OK), 0);
        return;
    }
    QCOMPARE(status, 1);
    const QString shown = what == QLatin1String("empty") ? tmt : options.outputPath;
    QCOMPARE(sink.texts, QStringList{message.arg(shown)});
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(source.readAll(), templateBytes);
    // A device stays the device it was.
    QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());
}

void TestPdfExport::programRuns_data()
{
    QTest::addColumn<QStringList>("arguments"); // T the template, O the PDF file
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("numbers"); // one a page; empty: no PDF
    QTest::addColumn<QString>("error");
    QTest::newRow("PDF onto standard output")
        << QStringList{QStringLiteral("--export-pdf"), QStringLiteral("-"), QStringLiteral("T")} << 0
        << QStringList{QStringLiteral("00001"), QStringLiteral("00002"), QStringLiteral("00003")}
        << QString();
    QTest::newRow("numbering for this run")
        << QStringList{QStringLiteral("--start"),      QStringLiteral("41"), QStringLiteral("--total=2"),
                       QStringLiteral("--export-pdf"), QStringLiteral("O"),  QStringLiteral("T")}
        << 0 << QStringList{QStringLiteral("00041"), QStringLiteral("00042")} << QString();
    QTest::newRow("total out of range")
        << QStringList{QStringLiteral("--export-pdf"), QStringLiteral("-"), QStringLiteral("T"),
                       QStringLiteral("--total"), QStringLiteral("0")}
        << 2 << QStringList()
        << QStringLiteral("tallimark: --total needs a number from 1 to 9999999.\nTry 'tallimark --help'.\n");
    QTest::newRow("missing template, said the one way")
        << QStringList{QStringLiteral("--export-pdf"), QStringLiteral("-"), QStringLiteral("absent.tmt")} << 1
        << QStringList() << QStringLiteral("tallimark: absent.tmt was not found.\n");
}

// The program itself, as a shell runs it: only the PDF on standard output,
// messages on standard error, the template left as it was.
void TestPdfExport::programRuns()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, numbers);
    QFETCH(QString, error);
    const QString tmt = dir_.filePath(QStringLiteral("program.tmt"));
    const QString pdf = dir_.filePath(QStringLiteral("program.pdf"));
    QVERIFY(makeDoc(1, 0, 3)->OnSaveDocument(tmt));
    QFile source(tmt);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray templateBytes = source.readAll();
    source.close();
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^T$")), tmt);
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^O$")), pdf);

    QProcess run;
    run.setWorkingDirectory(dir_.path());
    run.start(QStringLiteral(TALLIMARK_EXECUTABLE), arguments);
    QVERIFY(run.waitForFinished(120000));
    QCOMPARE(run.exitCode(), status);
    QByteArray output = run.readAllStandardOutput();
    QString messages = QString::fromLocal8Bit(run.readAllStandardError());
    messages.remove(QRegularExpression(QStringLiteral("^QStandardPaths: .*\n"))); // no runtime folder here
    QCOMPARE(messages, error);
    if (arguments.contains(QStringLiteral("-"))) {
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(output);
        output.clear();
    }
    QCOMPARE(output, QByteArray());
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(source.readAll(), templateBytes);
    if (numbers.isEmpty())
        return;
    bool checked = false;
    pdftext::run(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}, &checked);
    QVERIFY(checked);
    QStringList printed;
    for (const pdftext::Page& page : pdftext::read(pdf))
        printed << page.texts();
    QCOMPARE(printed, numbers);
}

void TestPdfExport::exportEndsQuietly_data()
{
    QTest::addColumn<qint64>("cancelAt");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("before"); // the file already there; empty: none
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const int cancelled = int(JobOutcome::Status::Cancelled);
    QTest::newRow("cancelled, no file before") << 2LL << QString() << QByteArray() << cancelled << QString();
    QTest::newRow("cancelled, a file before")
        << 2LL << QString() << QByteArray("kept") << cancelled << QString();
    QTest::newRow("no such folder") << 0LL << QStringLiteral("missing/") << QByteArray()
                                    << int(JobOutcome::Status::Failed)
                                    << QStringLiteral("Could not create the file ");
}

// A cancelled or failed export keeps nothing of its own and tells nobody:
// the outcome says what the caller is to tell.
void TestPdfExport::exportEndsQuietly()
{
    QFETCH(qint64, cancelAt);
    QFETCH(QString, folder);
    QFETCH(QByteArray, before);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QString path = dir_.filePath(folder + QStringLiteral("quiet.pdf"));
    QFile::remove(path);
    if (!before.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    const auto doc = makeDoc(1, 0, 5);
    CPrintJob job(*doc);
    CancelAt control;
    control.cancelAt = cancelAt;
    RecordingSink sink;
    SinkGuard guard(&sink);
    const JobOutcome outcome = ExportPdf(job, path, SheetRange{1, 5}, control);
    QCOMPARE(int(outcome.status()), status);
    QVERIFY2(outcome.message().startsWith(message), qPrintable(outcome.message()));
    QVERIFY(sink.texts.isEmpty());
    if (before.isEmpty()) {
        QVERIFY(!QFileInfo::exists(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
    QCOMPARE(QDir(QFileInfo(path).path()).entryList({QStringLiteral("*quiet*")}, QDir::Files).size(),
             before.isEmpty() ? 0 : 1);
}

QTEST_MAIN(TestPdfExport)
#include "tst_pdfexport.moc"
