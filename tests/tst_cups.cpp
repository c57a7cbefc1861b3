// Printing through a real CUPS server: "/pt" runs of the program to queues
// that write PDF files (tools/setup-cups.sh), one without and one with
// unprintable margins. Skips when the queues are missing, unless
// TALLIMARK_REQUIRE_CUPS=1 asks for them.
#include "PdfText.h"
#include "TestPdf.h"
#include "TestStrings.h"

#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/Preferences.h"
#include "model/PrinterSelection.h"
#include "print/PrintCommands.h"
#include "print/QtPrinterSystem.h"

#include <QAction>
#include <QDir>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

const QString kOutputFolder = QStringLiteral("/tmp/tallimark-cups");

struct Queue
{
    QString name;
    QString output;
};

bool queueExists(const QString& name)
{
    bool ok = false;
    pdftext::run(QStringLiteral("lpstat"), {QStringLiteral("-p"), name}, &ok);
    return ok;
}

// Waits until the queue has no jobs left and its file is complete.
bool waitForOutput(const Queue& queue, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        bool ok = false;
        const QByteArray jobs =
            pdftext::run(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue.name}, &ok);
        if (ok && jobs.trimmed().isEmpty() && QFileInfo(queue.output).size() > 0 &&
            pdftext::pageCount(queue.output) > 0)
            return true;
        QThread::msleep(200);
    }
    return false;
}

void addHead(CCadenzoDoc& doc, int x, int y)
{
    doc.AddNewHead(nullptr);
    HEADING& head = *doc.heads.back();
    head.x = x;
    head.y = y;
    head.preface.clear();
    head.spaceAfterPreface = 0;
    head.suffix.clear();
    head.spaceBeforeSuffix = 0;
}

} // namespace

class TestCups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printTo_data();
    void printTo();
    void printOnTemplatePrinter();
    void unknownPrinterFails();
    void printCommandWithoutDialog();

private:
    QTemporaryDir dir_;
};

void TestCups::initTestCase()
{
    QVERIFY(dir_.isValid());
    const bool required = qEnvironmentVariable("TALLIMARK_REQUIRE_CUPS") == QLatin1String("1");
    for (const char* name : {"tallimark-pdf", "tallimark-margins"}) {
        if (queueExists(QString::fromLatin1(name)))
            continue;
        if (required)
            QFAIL(qPrintable(QStringLiteral("CUPS queue %1 missing; run tools/setup-cups.sh")
                                 .arg(QString::fromLatin1(name))));
        QSKIP("CUPS test queues not set up (tools/setup-cups.sh)");
    }
}

void TestCups::printTo_data()
{
    QTest::addColumn<QString>("queue");
    QTest::addColumn<QString>("sheets"); // --sheets argument, or empty
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("background");

    for (const QString& queue : {QStringLiteral("tallimark-pdf"), QStringLiteral("tallimark-margins")}) {
        // Copies 2, Skip 1, Total 2: sheets 3 and 6 are blank.
        QTest::addRow("%s whole job", qPrintable(queue))
            << queue << QString() << strings({"00001", "00001", "", "00002", "00002", ""}) << false;
        QTest::addRow("%s sheets 4-6", qPrintable(queue))
            << queue << QStringLiteral("4-6") << strings({"00002", "00002", ""}) << false;
        QTest::addRow("%s with background", qPrintable(queue))
            << queue << QString() << strings({"00001", "00001", "", "00002", "00002", ""}) << true;
    }
}

void TestCups::printTo()
{
    QFETCH(QString, queue);
    QFETCH(QString, sheets);
    QFETCH(QStringList, words);
    QFETCH(bool, background);

    CCadenzoDoc doc(nullptr);
    doc.copies = 2;
    doc.skip = 1;
    doc.totalPages = 2;
    addHead(doc, 1440, -1440);
    if (background) {
        const QByteArray pdf = testpdf::makePdf({testpdf::letter()});
        doc.AttachPdf(testpdf::blockFrom(pdf));
        doc.pdfLength = std::uint32_t(pdf.size()); // embedded when saved
        QVERIFY(doc.GetPdfPage());
    }
    const QString tmt = dir_.filePath(QStringLiteral("cups.tmt"));
    QVERIFY(doc.OnSaveDocument(tmt));

    const Queue target{queue, kOutputFolder + QLatin1Char('/') +
                                  (queue == QLatin1String("tallimark-pdf") ? QStringLiteral("pdf.out")
                                                                           : QStringLiteral("margins.out"))};
    QFile::remove(target.output);

    QStringList arguments{QStringLiteral("/pt"), tmt, queue, QStringLiteral("CUPS"), queue};
    if (!sheets.isEmpty())
        arguments << QStringLiteral("--sheets") << sheets;
    QProcess run;
    run.start(QStringLiteral(TALLIMARK_EXECUTABLE), arguments);
    QVERIFY(run.waitForFinished(120000));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QVERIFY2(run.exitCode() == 0, run.readAllStandardError().constData());
    QVERIFY2(waitForOutput(target, 120000), qPrintable(target.output));

    QCOMPARE(pdftext::pageCount(target.output), int(words.size()));
    const QList<pdftext::Page> pages = pdftext::read(target.output);
    QCOMPARE(pages.size(), words.size());
    for (int i = 0; i < pages.size(); ++i) {
        QVERIFY(qAbs(pages[i].size.width() - 612) < 1 && qAbs(pages[i].size.height() - 792) < 1);
        if (words[i].isEmpty()) {
            QVERIFY(pages[i].words.isEmpty());
            continue;
        }
        QCOMPARE(pages[i].texts(), QStringList{words[i]});
        // One inch from the paper's corner, whatever the printer's margins.
        const QRectF box = pages[i].words[0].box;
        QVERIFY2(qAbs(box.left() - 72) <= 2 && qAbs(box.top() - 72) <= 2,
                 qPrintable(QStringLiteral("%1, %2").arg(box.left()).arg(box.top())));
    }
    if (background) {
        // The background on every drawn sheet, as one image object of the file.
        const QList<QPair<int, int>> images = pdftext::imageObjects(target.output);
        QSet<int> pagesWithImage;
        QSet<int> objects;
        for (const auto& [page, object] : images) {
            pagesWithImage.insert(page);
            objects.insert(object);
        }
        QCOMPARE(pagesWithImage, (QSet<int>{1, 2, 4, 5}));
        QCOMPARE(objects.size(), 1);
    }
}

void TestCups::printOnTemplatePrinter()
{
    // "/p" prints on the current printer: the template's own when it exists,
    // not the system's default (set for the run through CUPS' PRINTER).
    CCadenzoDoc doc(nullptr);
    doc.totalPages = 3;
    doc.printerName = "tallimark-margins";
    addHead(doc, 1440, -1440);
    const QString tmt = dir_.filePath(QStringLiteral("p.tmt"));
    QVERIFY(doc.OnSaveDocument(tmt));
    const Queue target{QStringLiteral("tallimark-margins"), kOutputFolder + QStringLiteral("/margins.out")};
    QFile::remove(target.output);
    QFile::remove(kOutputFolder + QStringLiteral("/pdf.out"));
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PRINTER"), QStringLiteral("tallimark-pdf"));
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral(TALLIMARK_EXECUTABLE), {QStringLiteral("/p"), tmt});
    QVERIFY(run.waitForFinished(120000));
    QVERIFY2(run.exitCode() == 0, run.readAllStandardError().constData());
    QVERIFY(waitForOutput(target, 120000));
    const QList<pdftext::Page> pages = pdftext::read(target.output);
    QCOMPARE(pages.size(), 3);
    QCOMPARE(pages[2].texts(), QStringList{QStringLiteral("00003")});
    QVERIFY(!QFileInfo::exists(kOutputFolder + QStringLiteral("/pdf.out")));
}

void TestCups::unknownPrinterFails()
{
    CCadenzoDoc doc(nullptr);
    addHead(doc, 1440, -1440);
    const QString tmt = dir_.filePath(QStringLiteral("unknown.tmt"));
    QVERIFY(doc.OnSaveDocument(tmt));
    QProcess run;
    run.start(QStringLiteral(TALLIMARK_EXECUTABLE),
              {QStringLiteral("/pt"), tmt, QStringLiteral("tallimark-no-such-queue"), QStringLiteral("CUPS"),
               QString()});
    QVERIFY(run.waitForFinished(60000));
    QVERIFY(run.exitCode() != 0);
    QVERIFY(run.readAllStandardError().contains("Could not start print job."));
}

void TestCups::printCommandWithoutDialog()
{
    // The window's dialog-free print (57608): the application's printer, the
    // preparation dialog over the disabled window, then the sheets.
    QtPrinterSystem system;
    PrinterSelection printers(system);
    printers.SelectPrinterByName(QStringLiteral("tallimark-pdf"));
    QVERIFY(printers.names());
    CCadenzoDoc doc(&printers);
    doc.OnNewDocument();
    doc.totalPages = 2;
    doc.heads[0]->preface.clear();
    doc.heads[0]->spaceAfterPreface = 0;
    doc.AttachPdf(testpdf::blockFrom(testpdf::makePdf({testpdf::letter()})));
    Preferences prefs;
    CMainFrame frame(&doc, &prefs);
    frame.ConnectPrintCommands(new PrintCommands(&frame, doc, printers, &prefs));
    frame.show();
    QAction* direct = frame.action(CMainFrame::kPrintDirect);
    QVERIFY(direct);

    const Queue target{QStringLiteral("tallimark-pdf"), kOutputFolder + QStringLiteral("/pdf.out")};
    QFile::remove(target.output);
    const QStringList cacheBefore = QDir(QDir::tempPath()).entryList({QStringLiteral("CZ2*.tmp")});
    direct->trigger();
    QVERIFY(frame.isEnabled());
    QCOMPARE(QDir(QDir::tempPath()).entryList({QStringLiteral("CZ2*.tmp")}), cacheBefore);
    QVERIFY(waitForOutput(target, 120000));
    const QList<pdftext::Page> pages = pdftext::read(target.output);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pdftext::imageObjects(target.output).size(), 2);
}

QTEST_MAIN(TestCups)
#include "tst_cups.moc"
