// Printing through a real CUPS server, to queues that write PDF files
// (tools/setup-cups.sh), one without and one with unprintable margins: PDFs
// handed over as they are, "/pt" and "/p" runs of the program and the window's
// print. Skips when the queues are missing, unless TALLIMARK_REQUIRE_CUPS=1
// asks for them.
#include "PdfText.h"
#include "RecordingSink.h"
#include "TestPdf.h"
#include "TestStrings.h"

#include "app/CadenzoApp.h"
#include "app/CommandLine.h"
#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/Preferences.h"
#include "model/PrinterSelection.h"
#include "print/job/JobControl.h"
#include "print/job/PrintJob.h"
#include "print/printers/CupsPrinting.h"
#include "print/printers/CupsServer.h"
#include "print/printers/QtPrinterSystem.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/WindowJobControl.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cups/cups.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace {

const QString kOutputFolder = QStringLiteral("/tmp/tallimark-cups");
const QString kPlain = QStringLiteral("tallimark-pdf");
const QString kMargins = QStringLiteral("tallimark-margins");
const QString kPaused = QStringLiteral("tallimark-paused");

// An unattended job that the user cancels once its second sheet is written.
struct CancelAtSecondSheet : JobControl
{
    void sheetsDone(qint64 done, qint64) override
    {
        if (done >= 2)
            cancel();
    }
};

// A print server on loopback that takes connections and never reads them,
// or, closed, one that refuses them.
struct SilentServer
{
    Q_DISABLE_COPY(SilentServer)
    SilentServer()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        auto* a = reinterpret_cast<sockaddr*>(&address);
        if (fd >= 0 && ::bind(fd, a, length) == 0 && ::listen(fd, 64) == 0 &&
            ::getsockname(fd, a, &length) == 0)
            port = ntohs(address.sin_port);
    }
    ~SilentServer() { close(); }
    void close()
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(port); }

    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    int port = 0;
};

const QString kNo4x6 = QStringLiteral("tallimark-no-4x6");

QString outputOf(const QString& queue)
{
    return kOutputFolder + (queue == kPlain   ? QStringLiteral("/pdf.out")
                            : queue == kNo4x6 ? QStringLiteral("/no-4x6.out")
                                              : QStringLiteral("/margins.out"));
}

bool queueExists(const QString& name)
{
    bool ok = false;
    pdftext::run(QStringLiteral("lpstat"), {QStringLiteral("-p"), name}, &ok);
    return ok;
}

struct Job
{
    int id;
    ipp_jstate_t state;
    QString title;
};

// The jobs the server remembers on queue, on all queues when empty.
QList<Job> jobsOf(const QString& queue)
{
    cups_job_t* jobs = nullptr;
    const QByteArray name = queue.toUtf8();
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.isEmpty() ? nullptr : name.constData(), 0,
                                   CUPS_WHICHJOBS_ALL);
    QList<Job> list;
    for (int i = 0; i < count; ++i)
        list << Job{jobs[i].id, jobs[i].state, QString::fromUtf8(jobs[i].title)};
    cupsFreeJobs(count, jobs);
    return list;
}

int lastJobId()
{
    int last = 0;
    for (const Job& job : jobsOf(QString()))
        last = std::max(last, job.id);
    return last;
}

// Ids of the jobs titled title on queue that are newer than after.
QList<int> jobsSince(const QString& queue, int after, const QString& title)
{
    QList<int> ids;
    for (const Job& job : jobsOf(queue)) {
        if (job.id > after && job.title == title)
            ids << job.id;
    }
    return ids;
}

// Waits for job on queue to complete and copies what the queue wrote to copy
// before another job may overwrite it.
bool waitForJob(const QString& queue, int job, const QString& copy)
{
    QDeadlineTimer deadline(120000);
    while (!deadline.hasExpired()) {
        for (const Job& j : jobsOf(queue)) {
            if (j.id != job)
                continue;
            if (j.state == IPP_JSTATE_COMPLETED) {
                QFile::remove(copy);
                return QFile::copy(outputOf(queue), copy);
            }
            if (j.state > IPP_JSTATE_STOPPED)
                return false; // cancelled or aborted
        }
        QThread::msleep(200);
    }
    return false;
}

// The size of the pages of the PDF at path as they are seen, turned by their
// /Rotate: pdftotext gives their words so, but their size unturned.
QSizeF seenPageSize(const QString& path, QSizeF mediaBox)
{
    bool ok = false;
    const QString info = QString::fromUtf8(pdftext::run(QStringLiteral("pdfinfo"), {path}, &ok));
    static const QRegularExpression re(QStringLiteral(R"re(^Page rot:\s+(\d+))re"),
                                       QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = re.match(info);
    return m.hasMatch() && m.captured(1).toInt() % 180 == 90 ? mediaBox.transposed() : mediaBox;
}

// A box on a page of the queue's output (its size as seen) as it lies on the
// paper laid out paper large: a landscape page comes out on the upright paper
// turned a quarter anticlockwise, its top-left corner at the sheet's
// bottom-left.
QRectF onLaidOutPaper(const QRectF& box, QSizeF outputPage, QSizeF paper)
{
    const bool turned = (paper.width() > paper.height()) != (outputPage.width() > outputPage.height());
    if (!turned)
        return box;
    return QRectF(QPointF(outputPage.height() - box.bottom(), box.left()),
                  QPointF(outputPage.height() - box.top(), box.right()));
}

bool nearCorner(const QRectF& box, double tolerance)
{
    return qAbs(box.left() - 72) <= tolerance && qAbs(box.top() - 72) <= tolerance;
}

QString describe(const QRectF& box)
{
    return QStringLiteral("%1, %2").arg(box.left()).arg(box.top());
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

// The job's PDF and the background's cache left behind.
QStringList spoolFiles()
{
    return QDir(QDir::tempPath())
        .entryList({QStringLiteral("tallimark-print-*"), QStringLiteral("CZ2*.tmp")}, QDir::Files);
}

} // namespace

class TestCups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void submitPdf_data();
    void submitPdf();
    void submitFails();
    void printTo_data();
    void printTo();
    void printOnTemplatePrinter_data();
    void printOnTemplatePrinter();
    void unknownPrinterFails();
    void runWithoutPrinter_data();
    void runWithoutPrinter();
    void pausedPrinterIsNamed();
    void windowDoesNotWaitForServer();
    void printCommandWithoutDialog();
    void cancelledJobSubmitsNothing();
    void printToFile();
    void paperTheQueueLacks_data();
    void paperTheQueueLacks();
    void otherPaperCanBeRefused();
    void dialogPaper();

private:
    QProcessEnvironment userEnvironment(const QString& userDefault) const;
    int printTo(CCadenzoDoc& doc, const QString& name, const QString& queue, QString* errors);

    QTemporaryDir dir_;
};

// Saves doc as name and prints it with "/pt" on queue; the run's exit status
// (-1 when it did not end) and its standard error.
int TestCups::printTo(CCadenzoDoc& doc, const QString& name, const QString& queue, QString* errors)
{
    const QString tmt = dir_.filePath(name);
    if (!doc.OnSaveDocument(tmt))
        return -1;
    QProcess run;
    run.start(QStringLiteral(TALLIMARK_EXECUTABLE), {QStringLiteral("/pt"), tmt, queue});
    const bool ended = run.waitForFinished(60000);
    *errors = QString::fromLocal8Bit(run.readAllStandardError());
    return ended ? run.exitCode() : -1;
}

// The environment of a run of the program by a user whose lpoptions name
// userDefault (none when empty), without a destination from the environment.
QProcessEnvironment TestCups::userEnvironment(const QString& userDefault) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"PRINTER", "LPDEST", "CUPS_SERVER"})
        environment.remove(QLatin1String(name));
    const QString home = dir_.filePath(QStringLiteral("home"));
    QDir(home).mkpath(QStringLiteral(".cups"));
    QFile options(home + QStringLiteral("/.cups/lpoptions"));
    if (userDefault.isEmpty()) {
        options.remove();
    } else if (options.open(QIODevice::WriteOnly)) {
        options.write("Default " + userDefault.toUtf8() + '\n');
    }
    environment.insert(QStringLiteral("HOME"), home);
    return environment;
}

void TestCups::initTestCase()
{
    QVERIFY(dir_.isValid());
    // The spool files of this test's jobs, the program's runs included, go
    // here, where no one else's are.
    QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("tmp")));
    qputenv("TMPDIR", QFile::encodeName(dir_.filePath(QStringLiteral("tmp"))));
    const bool required = qEnvironmentVariable("TALLIMARK_REQUIRE_CUPS") == QLatin1String("1");
    for (const QString& name : {kPlain, kMargins}) {
        if (queueExists(name))
            continue;
        if (required)
            QFAIL(qPrintable(QStringLiteral("CUPS queue %1 missing; run tools/setup-cups.sh").arg(name)));
        QSKIP("CUPS test queues not set up (tools/setup-cups.sh)");
    }
}

void TestCups::submitPdf_data()
{
    QTest::addColumn<QString>("queue");
    QTest::addColumn<QSizeF>("paper"); // points, as laid out
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("bothSides");
    QTest::addColumn<int>("pages"); // printed

    for (const QString& queue : {kPlain, kMargins}) {
        QTest::addRow("%s Letter", qPrintable(queue)) << queue << QSizeF(612, 792) << 1 << false << 1;
        QTest::addRow("%s Letter landscape", qPrintable(queue))
            << queue << QSizeF(792, 612) << 1 << false << 1;
        QTest::addRow("%s A4 landscape", qPrintable(queue))
            << queue << QSizeF(841.89, 595.28) << 1 << false << 1;
    }
    QTest::addRow("copies") << kMargins << QSizeF(612, 792) << 2 << false << 2;
    // Each copy starts on a sheet of its own.
    QTest::addRow("copies on both sides") << kMargins << QSizeF(612, 792) << 2 << true << 4;
}

void TestCups::submitPdf()
{
    // A word one inch from the top-left corner of a page the paper's size
    // stays there on the printed sheet, margins or not.
    QFETCH(QString, queue);
    QFETCH(QSizeF, paper);
    QFETCH(int, copies);
    QFETCH(bool, bothSides);
    QFETCH(int, pages);
    const QString path = dir_.filePath(QStringLiteral("submit.pdf"));
    {
        QPdfWriter writer(path);
        writer.setResolution(72);
        writer.setPageLayout(QPageLayout(QPageSize(paper, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                         QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(12);
        painter.setFont(font);
        painter.drawText(QPointF(72, 72 + QFontMetricsF(font, &writer).ascent()), QStringLiteral("CORNER"));
    }
    const QList<pdftext::Page> submitted = pdftext::read(path);
    QCOMPARE(submitted.size(), 1);
    QCOMPARE(submitted[0].words.size(), 1);
    const QRectF expected = submitted[0].words[0].box;
    QVERIFY2(nearCorner(expected, 1), qPrintable(describe(expected)));

    CupsJobSettings settings;
    settings.printer = queue;
    settings.title = QStringLiteral("submitPdf %1").arg(QLatin1String(QTest::currentDataTag()));
    settings.paperPoints = paper;
    settings.copies = copies;
    if (bothSides)
        settings.sides = CupsJobSettings::Sides::LongEdge;
    QString error;
    const int job = SubmitPdfToCups(path, settings, &error);
    QVERIFY2(job > 0, qPrintable(error));
    const QString printed = dir_.filePath(QStringLiteral("printed.pdf"));
    QVERIFY(waitForJob(queue, job, printed));

    const QList<pdftext::Page> sheets = pdftext::read(printed);
    QCOMPARE(sheets.size(), pages);
    const QSizeF upright(std::min(paper.width(), paper.height()), std::max(paper.width(), paper.height()));
    QVERIFY(qAbs(std::min(sheets[0].size.width(), sheets[0].size.height()) - upright.width()) < 1);
    QCOMPARE(sheets[0].texts(), QStringList{QStringLiteral("CORNER")});
    const QRectF box = onLaidOutPaper(sheets[0].words[0].box, seenPageSize(printed, sheets[0].size), paper);
    QVERIFY2(qAbs(box.left() - expected.left()) <= 1 && qAbs(box.top() - expected.top()) <= 1,
             qPrintable(describe(box)));
}

void TestCups::submitFails()
{
    const QString path = dir_.filePath(QStringLiteral("fails.pdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(testpdf::makePdf({testpdf::letter()}));
    file.close();
    CupsJobSettings settings;
    settings.paperPoints = testpdf::letter();
    for (const auto& [printer, pdf] : {qMakePair(QStringLiteral("tallimark-no-such-queue"), path),
                                       qMakePair(kPlain, dir_.filePath(QStringLiteral("missing.pdf")))}) {
        settings.printer = printer;
        QString error;
        QCOMPARE(SubmitPdfToCups(pdf, settings, &error), 0);
        QVERIFY(!error.isEmpty());
    }
}

void TestCups::printTo_data()
{
    QTest::addColumn<QString>("queue");
    QTest::addColumn<QString>("sheets"); // --sheets argument, or empty
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("background");

    for (const QString& queue : {kPlain, kMargins}) {
        // Copies 2, Skip 1, Total 2: sheets 3 and 6 are blank.
        QTest::addRow("%s whole job", qPrintable(queue))
            << queue << QString() << 1 << strings({"00001", "00001", "", "00002", "00002", ""}) << false;
        QTest::addRow("%s sheets 4-6", qPrintable(queue))
            << queue << QStringLiteral("4-6") << 1 << strings({"00002", "00002", ""}) << false;
        QTest::addRow("%s landscape", qPrintable(queue))
            << queue << QStringLiteral("1-2") << 2 << strings({"00001", "00001"}) << false;
        QTest::addRow("%s with background", qPrintable(queue))
            << queue << QString() << 1 << strings({"00001", "00001", "", "00002", "00002", ""}) << true;
    }
}

void TestCups::printTo()
{
    QFETCH(QString, queue);
    QFETCH(QString, sheets);
    QFETCH(int, orientation);
    QFETCH(QStringList, words);
    QFETCH(bool, background);

    CCadenzoDoc doc(nullptr);
    doc.copies = 2;
    doc.skip = 1;
    doc.totalPages = 2;
    doc.orientation = std::uint16_t(orientation);
    addHead(doc, 1440, -1440);
    if (background) {
        // A vector form whose page number is text.
        const QByteArray pdf = testpdf::makePdf({testpdf::letter()});
        doc.AttachPdf(testpdf::blockFrom(pdf));
        doc.pdfLength = std::uint32_t(pdf.size()); // embedded when saved
        QVERIFY(doc.GetPdfPage());
    }
    const QString name = QStringLiteral("pt-%1.tmt")
                             .arg(QLatin1String(QTest::currentDataTag()))
                             .replace(QLatin1Char(' '), QLatin1Char('-'));
    const QString tmt = dir_.filePath(name);
    QVERIFY(doc.OnSaveDocument(tmt));
    const QSizeF paper(doc.GetPageWidth() / 20.0, doc.GetPageHeight() / 20.0);

    QStringList arguments{QStringLiteral("/pt"), tmt, queue, QStringLiteral("CUPS"), queue};
    if (!sheets.isEmpty())
        arguments << QStringLiteral("--sheets") << sheets;
    const int before = lastJobId();
    QProcess run;
    run.start(QStringLiteral(TALLIMARK_EXECUTABLE), arguments);
    QVERIFY(run.waitForFinished(120000));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QVERIFY2(run.exitCode() == 0, run.readAllStandardError().constData());
    QVERIFY(spoolFiles().isEmpty());
    const QList<int> jobs = jobsSince(queue, before, name);
    QCOMPARE(jobs.size(), 1);
    const QString printed = dir_.filePath(QStringLiteral("printed.pdf"));
    QVERIFY(waitForJob(queue, jobs[0], printed));

    const QList<pdftext::Page> pages = pdftext::read(printed);
    QCOMPARE(pages.size(), words.size());
    for (int i = 0; i < pages.size(); ++i) {
        QStringList texts = pages[i].texts();
        if (background && !words[i].isEmpty())
            QVERIFY(texts.removeOne(QStringLiteral("1"))); // the form's text, still text
        if (words[i].isEmpty()) {
            QVERIFY(texts.isEmpty());
            continue;
        }
        QCOMPARE(texts, QStringList{words[i]});
        // One inch from the paper's corner, whatever the printer's margins.
        const auto head = std::find_if(pages[i].words.begin(), pages[i].words.end(),
                                       [&](const pdftext::Word& w) { return w.text == words[i]; });
        const QRectF box = onLaidOutPaper(head->box, seenPageSize(printed, pages[i].size), paper);
        QVERIFY2(nearCorner(box, 1), qPrintable(describe(box)));
    }
    // The background stays vector: not one image.
    QVERIFY(pdftext::imageObjects(printed).isEmpty());
}

void TestCups::printOnTemplatePrinter_data()
{
    QTest::addColumn<QString>("printerVariable"); // CUPS' PRINTER for the run, or empty
    QTest::addColumn<QString>("userDefault");     // the Default of the user's lpoptions, or empty

    QTest::newRow("PRINTER names another queue") << kPlain << QString();
    QTest::newRow("no default destination") << QString() << QString();
    QTest::newRow("PRINTER and lpoptions name the same queue") << kPlain << kPlain;
}

void TestCups::printOnTemplatePrinter()
{
    // "/p" prints on the current printer: the template's own when it exists,
    // not the system's default, nor for want of one.
    QFETCH(QString, printerVariable);
    QFETCH(QString, userDefault);
    CCadenzoDoc doc(nullptr);
    doc.totalPages = 3;
    doc.printerName = "tallimark-margins";
    addHead(doc, 1440, -1440);
    const QString tmt = dir_.filePath(QStringLiteral("p.tmt"));
    QVERIFY(doc.OnSaveDocument(tmt));
    const int before = lastJobId();
    QProcessEnvironment environment = userEnvironment(userDefault);
    if (!printerVariable.isEmpty())
        environment.insert(QStringLiteral("PRINTER"), printerVariable);
    QProcess run;
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral(TALLIMARK_EXECUTABLE), {QStringLiteral("/p"), tmt});
    QVERIFY(run.waitForFinished(120000));
    QVERIFY2(run.exitCode() == 0, run.readAllStandardError().constData());
    QVERIFY(jobsSince(kPlain, before, QStringLiteral("p.tmt")).isEmpty());
    const QList<int> jobs = jobsSince(kMargins, before, QStringLiteral("p.tmt"));
    QCOMPARE(jobs.size(), 1);
    const QString printed = dir_.filePath(QStringLiteral("printed.pdf"));
    QVERIFY(waitForJob(kMargins, jobs[0], printed));
    const QList<pdftext::Page> pages = pdftext::read(printed);
    QCOMPARE(pages.size(), 3);
    QCOMPARE(pages[2].texts(), QStringList{QStringLiteral("00003")});
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

void TestCups::runWithoutPrinter_data()
{
    QTest::addColumn<QStringList>("arguments"); // TEMPLATE and OUT stand for the files
    QTest::addColumn<QString>("server");        // "silent", "closed" or empty for the real one
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // on standard error, after "Could not start print job."
    QTest::addColumn<int>("seconds");     // the run takes at most this long

    const QStringList printTo = {QStringLiteral("/pt"), QStringLiteral("TEMPLATE"), kPlain};
    const QStringList print = {QStringLiteral("/p"), QStringLiteral("TEMPLATE")};
    const QString silent = QStringLiteral("The print server %1 did not answer within 10 seconds.");
    QTest::newRow("no such queue")
        << QStringList{QStringLiteral("/pt"), QStringLiteral("TEMPLATE"), QStringLiteral("NoSuchQueue")}
        << QString() << 1 << QStringLiteral("Printer NoSuchQueue: The printer or class does not exist.")
        << 30;
    QTest::newRow("no default printer")
        << print << QString() << 1 << QStringLiteral("There is no default printer.") << 30;
    QTest::newRow("server down, /pt") << printTo << QStringLiteral("closed") << 1
                                      << QStringLiteral("The print server %1 cannot be reached (") << 30;
    QTest::newRow("server silent, /pt") << printTo << QStringLiteral("silent") << 1 << silent << 20;
    QTest::newRow("server silent, /p") << print << QStringLiteral("silent") << 1 << silent << 20;
    QTest::newRow("server silent, export")
        << QStringList{QStringLiteral("--export-pdf"), QStringLiteral("OUT"), QStringLiteral("TEMPLATE")}
        << QStringLiteral("silent") << 0 << QString() << 5;
}

void TestCups::runWithoutPrinter()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, server);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QFETCH(int, seconds);
    CCadenzoDoc doc(nullptr);
    addHead(doc, 1440, -1440);
    const QString tmt = dir_.filePath(QStringLiteral("noprinter.tmt"));
    QVERIFY(doc.OnSaveDocument(tmt));
    const QString out = dir_.filePath(QStringLiteral("noprinter.pdf"));
    arguments.replaceInStrings(QStringLiteral("TEMPLATE"), tmt);
    arguments.replaceInStrings(QStringLiteral("OUT"), out);

    SilentServer listener;
    if (server == QLatin1String("closed"))
        listener.close();
    QProcessEnvironment environment = userEnvironment(QString());
    if (!server.isEmpty())
        environment.insert(QStringLiteral("CUPS_SERVER"), listener.address());
    QProcess run;
    run.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    run.start(QStringLiteral(TALLIMARK_EXECUTABLE), arguments);
    QVERIFY(run.waitForFinished(120000));
    QVERIFY2(clock.elapsed() < seconds * 1000, qPrintable(QString::number(clock.elapsed())));
    const QString errors = QString::fromLocal8Bit(run.readAllStandardError());
    QVERIFY2(run.exitCode() == exitCode, qPrintable(errors));
    if (exitCode == 0) {
        QCOMPARE(pdftext::pageCount(out), 10);
    } else {
        const QString expected = QStringLiteral("Could not start print job.\n") +
                                 QString(message).replace(QLatin1String("%1"), listener.address());
        QVERIFY2(errors.contains(expected), qPrintable(errors));
    }
}

void TestCups::pausedPrinterIsNamed()
{
    // A paused queue takes the job and keeps it; the run says so.
    QVERIFY(queueExists(kPaused));
    CCadenzoDoc doc(nullptr);
    addHead(doc, 1440, -1440);
    const int before = lastJobId();
    QString errors;
    QVERIFY2(printTo(doc, QStringLiteral("paused.tmt"), kPaused, &errors) == 0, qPrintable(errors));
    const QList<int> jobs = jobsSince(kPaused, before, QStringLiteral("paused.tmt"));
    for (int job : jobs)
        cupsCancelJob2(CUPS_HTTP_DEFAULT, kPaused.toUtf8().constData(), job, 1);
    QCOMPARE(jobs.size(), 1);
    QVERIFY2(
        errors.contains(QStringLiteral(
            "The printer tallimark-paused is paused; the job waits there until the printer is resumed.")),
        qPrintable(errors));
}

void TestCups::windowDoesNotWaitForServer()
{
    // The window appears at once; the status bar says when the server has not
    // answered, and printing says so at once from then on.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("config"))));
    SilentServer listener;
    qputenv("CUPS_SERVER", listener.address().toUtf8());
    cupsSetServer(listener.address().toUtf8().constData()); // this thread's libcups
    QElapsedTimer clock;
    clock.start();
    {
        CCadenzoApp app;
        QVERIFY(app.InitInstance(ParseCommandLine({})));
        QVERIFY(app.frame()->isVisible());
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
        QTRY_VERIFY_WITH_TIMEOUT(app.frame()->statusBar()->currentMessage().contains(
                                     QStringLiteral("did not answer within 10 seconds")),
                                 20000);
        QVERIFY(!app.printers().names());
    }
    qunsetenv("CUPS_SERVER");
    cupsSetServer(nullptr);
    QVERIFY(cups::CheckServer().answers);
}

void TestCups::printCommandWithoutDialog()
{
    // The window's dialog-free print (57608): the application's printer, the
    // background's dialog over the disabled window, then the sheets.
    QtPrinterSystem system;
    PrinterSelection printers(system);
    printers.SelectPrinterByName(kPlain);
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

    const int before = lastJobId();
    direct->trigger();
    QVERIFY(frame.isEnabled());
    QVERIFY(spoolFiles().isEmpty());
    const QList<int> jobs = jobsSince(kPlain, before, doc.GetTitle());
    QCOMPARE(jobs.size(), 1);
    const QString printed = dir_.filePath(QStringLiteral("printed.pdf"));
    QVERIFY(waitForJob(kPlain, jobs[0], printed));
    QCOMPARE(pdftext::read(printed).size(), 2);
    QVERIFY(pdftext::imageObjects(printed).isEmpty());
}

void TestCups::cancelledJobSubmitsNothing()
{
    CCadenzoDoc doc(nullptr);
    doc.totalPages = 5;
    addHead(doc, 1440, -1440);
    doc.AttachPdf(testpdf::blockFrom(testpdf::makePdf({testpdf::letter()})));
    CPrintJob job(doc);
    QPrinter printer;
    printer.setPrinterName(kPlain);
    const int before = lastJobId();
    CancelAtSecondSheet control;
    const JobOutcome outcome = PrintSheets(job, printer, SheetRange{1, 5}, control);
    QCOMPARE(outcome.status(), JobOutcome::Status::Cancelled);
    QCOMPARE(lastJobId(), before);
    QVERIFY(spoolFiles().isEmpty());
}

void TestCups::printToFile()
{
    // Print to a file from the print dialog: the job's PDF in that file, and
    // no file at all when the job is cancelled.
    CCadenzoDoc doc(nullptr);
    doc.totalPages = 3;
    addHead(doc, 1440, -1440);
    CPrintJob job(doc);
    QPrinter printer;
    printer.setPrinterName(kPlain);
    const QString path = dir_.filePath(QStringLiteral("to-file.pdf"));
    printer.setOutputFileName(path);
    const int before = lastJobId();

    CancelAtSecondSheet cancelling;
    QCOMPARE(PrintSheets(job, printer, SheetRange{1, 3}, cancelling).status(), JobOutcome::Status::Cancelled);
    QVERIFY(!QFileInfo::exists(path));
    JobControl unattended;
    QCOMPARE(PrintSheets(job, printer, SheetRange{2, 3}, unattended).status(), JobOutcome::Status::Done);
    const QList<pdftext::Page> pages = pdftext::read(path);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[1].texts(), QStringList{QStringLiteral("00003")});
    QVERIFY(nearCorner(pages[1].words[0].box, 1));
    QCOMPARE(lastJobId(), before);
    QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("to-file*")}, QDir::Files),
             QStringList{QStringLiteral("to-file.pdf")});
}

void TestCups::paperTheQueueLacks_data()
{
    QTest::addColumn<QString>("queue");
    QTest::addColumn<QSizeF>("sheet"); // points
    QTest::addColumn<QString>("warning");

    QTest::newRow("queue with 4 x 6 in") << kPlain << QSizeF(288, 432) << QString();
    QTest::newRow("queue without 4 x 6 in")
        << kNo4x6 << QSizeF(612, 792)
        << QStringLiteral(
               "The printer tallimark-no-4x6 has no 4 \u00d7 6 in paper and takes no custom size; "
               "printing on Letter (8.5 \u00d7 11 in), the numbers placed from its top-left corner.");
}

void TestCups::paperTheQueueLacks()
{
    // A 4 x 6 in template: on the queue's own paper, heads from its corner,
    // where the queue has no 4 x 6 in, rather than centred on it.
    QFETCH(QString, queue);
    QFETCH(QSizeF, sheet);
    QFETCH(QString, warning);
    CCadenzoDoc doc(nullptr);
    doc.paperSize = 0;
    doc.paperWidth = 4 * 1440;
    doc.paperHeight = 6 * 1440;
    doc.totalPages = 2;
    addHead(doc, 1440, -1440);
    const int before = lastJobId();
    QString errors;
    QVERIFY2(printTo(doc, QStringLiteral("4x6.tmt"), queue, &errors) == 0, qPrintable(errors));
    QVERIFY2(warning.isEmpty() ? !errors.contains(QStringLiteral("has no")) : errors.contains(warning),
             qPrintable(errors));
    const QList<int> jobs = jobsSince(queue, before, QStringLiteral("4x6.tmt"));
    QCOMPARE(jobs.size(), 1);
    const QString printed = dir_.filePath(QStringLiteral("printed.pdf"));
    QVERIFY(waitForJob(queue, jobs[0], printed));
    const QList<pdftext::Page> pages = pdftext::read(printed);
    QCOMPARE(pages.size(), 2);
    QVERIFY2(qAbs(pages[1].size.width() - sheet.width()) < 1 &&
                 qAbs(pages[1].size.height() - sheet.height()) < 1,
             qPrintable(QStringLiteral("%1 x %2").arg(pages[1].size.width()).arg(pages[1].size.height())));
    QCOMPARE(pages[1].texts(), QStringList{QStringLiteral("00002")});
    QVERIFY2(nearCorner(pages[1].words[0].box, 1), qPrintable(describe(pages[1].words[0].box)));
}

void TestCups::otherPaperCanBeRefused()
{
    // In the window the user chooses: Cancel prints nothing.
    CCadenzoDoc doc(nullptr);
    doc.paperSize = 0;
    doc.paperWidth = 4 * 1440;
    doc.paperHeight = 6 * 1440;
    addHead(doc, 1440, -1440);
    CPrintJob job(doc);
    QPrinter printer;
    printer.setPrinterName(kNo4x6);
    RecordingSink sink;
    setMessageSink(&sink);
    const int before = lastJobId();
    WindowJobControl attended(nullptr);
    const JobOutcome outcome = PrintSheets(job, printer, SheetRange{1, 2}, attended);
    setMessageSink(nullptr);
    QCOMPARE(outcome.status(), JobOutcome::Status::Cancelled);
    QCOMPARE(lastJobId(), before);
    QCOMPARE(sink.texts,
             QStringList{QStringLiteral("The printer tallimark-no-4x6 has no 4 \u00d7 6 in paper and "
                                        "takes no custom size. Print on Letter (8.5 \u00d7 11 in), the "
                                        "numbers placed from its top-left corner?")});
}

void TestCups::dialogPaper()
{
    // A5, Copies 2 and Collate chosen in the print dialog for a Letter
    // template: the sheets on A5, heads from its corner, in whole sets.
    QtPrinterSystem system;
    PrinterSelection printers(system);
    printers.SelectPrinterByName(kPlain);
    CCadenzoDoc doc(&printers);
    doc.OnNewDocument();
    doc.totalPages = 2;
    doc.DeleteAllHeads();
    addHead(doc, 1440, -1440);
    doc.AttachPdf(testpdf::blockFrom(testpdf::makePdf({testpdf::letter()})));
    doc.SetTitle(QStringLiteral("dialog paper"));
    QWidget window;
    PrintCommands commands(&window, doc, printers, nullptr);
    // Copies and Collate, then Properties, its paper A5, and OK in both.
    QTimer::singleShot(300, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QPushButton* properties = dialog->findChild<QPushButton*>(QStringLiteral("properties"));
        QSpinBox* copies = dialog->findChild<QSpinBox*>(QStringLiteral("copies"));
        QCheckBox* collate = dialog->findChild<QCheckBox*>(QStringLiteral("collate"));
        QVERIFY(properties && copies && collate);
        copies->setValue(2);
        collate->setChecked(true);
        QTimer::singleShot(300, [dialog] {
            QWidget* sheet = QApplication::activeModalWidget();
            QComboBox* paper =
                sheet ? sheet->findChild<QComboBox*>(QStringLiteral("pageSizeCombo")) : nullptr;
            QVERIFY(paper);
            paper->setCurrentIndex(paper->findText(QStringLiteral("A5"), Qt::MatchStartsWith));
            QMetaObject::invokeMethod(sheet, "accept");
            QTimer::singleShot(300, [dialog] { QMetaObject::invokeMethod(dialog, "accept"); });
        });
        properties->click();
    });
    const int before = lastJobId();
    commands.Print(true);
    const QList<int> jobs = jobsSince(kPlain, before, doc.GetTitle());
    QCOMPARE(jobs.size(), 1);
    const QString printed = dir_.filePath(QStringLiteral("printed.pdf"));
    QVERIFY(waitForJob(kPlain, jobs[0], printed));
    const QList<pdftext::Page> pages = pdftext::read(printed);
    QStringList order;
    for (const pdftext::Page& page : pages)
        order << page.texts().filter(QStringLiteral("0000")).join(QLatin1Char(' '));
    QCOMPARE(order, strings({"00001", "00002", "00001", "00002"}));
    const QSizeF a5 = QPageSize(QPageSize::A5).size(QPageSize::Point);
    QVERIFY(qAbs(pages[1].size.width() - a5.width()) < 1 && qAbs(pages[1].size.height() - a5.height()) < 1);
    const auto head = std::find_if(pages[1].words.begin(), pages[1].words.end(),
                                   [](const pdftext::Word& w) { return w.text == QLatin1String("00002"); });
    QVERIFY(head != pages[1].words.end());
    QVERIFY2(nearCorner(head->box, 1), qPrintable(describe(head->box)));
}

QTEST_MAIN(TestCups)
#include "tst_cups.moc"
