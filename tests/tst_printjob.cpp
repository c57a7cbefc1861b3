// The preview's page routine and the printer's geometry; the background's
// preparation with its progress dialog and Cancel; the preview window.
#include "TestPdf.h"

#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/PrinterSelection.h"
#include "print/job/JobControl.h"
#include "print/job/PreparePrintException.h"
#include "print/job/PrintJob.h"
#include "print/ui/DlgGoToSheet.h"
#include "print/ui/DlgProgress.h"
#include "print/ui/PreviewWindow.h"
#include "print/ui/WindowJobControl.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <limits>

namespace {

struct RecordingSink : MessageSink
{
    MsgAnswer answer = MsgAnswer::Yes;
    QStringList texts;
    QList<MsgButtons> buttons;
    QList<MsgIcon> icons;
    MsgAnswer show(const QString& text, MsgButtons b, MsgIcon icon) override
    {
        texts << text;
        buttons << b;
        icons << icon;
        return answer;
    }
};

class SinkGuard
{
public:
    explicit SinkGuard(MessageSink* sink) { setMessageSink(sink); }
    ~SinkGuard() { setMessageSink(nullptr); }
};

std::unique_ptr<CCadenzoDoc> makeDoc(int copies, int skip, int total)
{
    auto doc = std::make_unique<CCadenzoDoc>(nullptr);
    doc->copies = copies;
    doc->skip = skip;
    doc->totalPages = total;
    doc->AddNewHead(nullptr);
    doc->heads[0]->x = 1440;
    doc->heads[0]->y = -1440;
    return doc;
}

// A background whose top half is red (the test PDF's band).
void attachRedBackground(CCadenzoDoc& doc)
{
    doc.AttachPdf(testpdf::blockFrom(testpdf::makePdf({testpdf::letter()})));
    QVERIFY(doc.GetPdfPage());
}

bool isRed(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
}
bool isInk(QRgb c)
{
    return qGray(c) < 128 && !isRed(c);
}

QRect inkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

int redPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            n += isRed(image.pixel(x, y)) ? 1 : 0;
    return n;
}

bool allWhite(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

// Sheet drawn on a white surface of geometry's printable area.
QImage renderSheet(const CPrintJob& job, qint64 sheet, const SheetGeometry& g, bool* drawn = nullptr)
{
    const QSize size(g.paperPixels.width() - 2 * g.offsets.offsetX,
                     g.paperPixels.height() - 2 * g.offsets.offsetY);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const bool d = job.PrintPage(painter, sheet, g);
    if (drawn)
        *drawn = d;
    return image;
}

QStringList printCacheFiles()
{
    return QDir(QDir::tempPath()).entryList({QStringLiteral("CZ2*.tmp")}, QDir::Files);
}

SheetGeometry letterAt(int dpi, int offset = 0)
{
    SheetGeometry g = SheetGeometry::fullPage(QSize(int(8.5 * dpi), 11 * dpi), dpi, dpi);
    g.offsets.offsetX = g.offsets.offsetY = offset;
    return g;
}

} // namespace

class TestPrintJob : public QObject
{
    Q_OBJECT

private slots:
    void headFromPaperCorner_data();
    void headFromPaperCorner();
    void backgroundOnDrawnSheetsOnly_data();
    void backgroundOnDrawnSheetsOnly();
    void backgroundCoversUnprintableMargin();
    void bandCount_data();
    void bandCount();
    void printCacheFileLifetime();
    void cancelConfirmed();
    void cancelDeclined();
    void printerGeometry();
    void previewOfHugeJobOpensAtOnce_data();
    void previewOfHugeJobOpensAtOnce();
    void previewPaging();
    void previewZoomSteps_data();
    void previewZoomSteps();
    void previewStatusAndKeys_data();
    void previewStatusAndKeys();
    void goToSheetBounds_data();
    void goToSheetBounds();
};

void TestPrintJob::headFromPaperCorner_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("expected"); // ink's left and top, printable-area pixels
    // A quarter-inch margin at 600 dpi: (1440, -1440) lands at (1080, -1080)
    // twips, 450 pixels into the printable area, one inch from the paper.
    QTest::newRow("600 dpi, quarter inch") << 600 << 150 << 450;
    QTest::newRow("600 dpi, no margin") << 600 << 0 << 600;
    QTest::newRow("300 dpi, 0.2 inch") << 300 << 60 << 240;
}

void TestPrintJob::headFromPaperCorner()
{
    QFETCH(int, dpi);
    QFETCH(int, offset);
    QFETCH(int, expected);
    const auto doc = makeDoc(1, 0, 3);
    CPrintJob job(*doc);
    SheetGeometry g = letterAt(dpi, offset);
    g.paperPixels = QSize(3 * dpi, 2 * dpi); // only the top-left corner matters
    const QRect ink = inkBox(renderSheet(job, 1, g));
    QVERIFY(!ink.isEmpty());
    // The glyphs start just right of and below the text cell's corner.
    QVERIFY2(ink.left() >= expected && ink.left() <= expected + dpi / 30,
             qPrintable(QStringLiteral("left %1").arg(ink.left())));
    QVERIFY2(ink.top() >= expected && ink.top() <= expected + dpi / 10,
             qPrintable(QStringLiteral("top %1").arg(ink.top())));
}

void TestPrintJob::backgroundOnDrawnSheetsOnly_data()
{
    QTest::addColumn<bool>("preview");
    QTest::newRow("printing") << false;
    QTest::newRow("preview") << true;
}

void TestPrintJob::backgroundOnDrawnSheetsOnly()
{
    QFETCH(bool, preview);
    auto doc = makeDoc(2, 1, 2); // sheets 3 and 6 are blank
    attachRedBackground(*doc);
    CPrintJob job(*doc);
    const SheetGeometry g = letterAt(72);
    JobControl unattended;
    if (preview)
        job.BeginPreview(g, 50);
    else
        job.BeginPrinting(g, unattended);
    QVERIFY(!job.background().image().isNull());
    for (qint64 sheet = 1; sheet <= 6; ++sheet) {
        bool drawn = false;
        const QImage image = renderSheet(job, sheet, g, &drawn);
        const bool blank = sheet % 3 == 0;
        QCOMPARE(drawn, !blank);
        if (blank) {
            QVERIFY2(allWhite(image), qPrintable(QString::number(sheet)));
        } else {
            // The red band fills the top half of the paper.
            QVERIFY(redPixels(image) > image.width() * image.height() / 4 / 4 * 8 / 10);
            QVERIFY(isRed(image.pixel(5, 5)));
            QVERIFY(!isRed(image.pixel(5, image.height() - 5)));
            QVERIFY(!inkBox(image).isEmpty());
        }
    }
    job.EndPrinting();
    QVERIFY(job.background().image().isNull());
}

void TestPrintJob::backgroundCoversUnprintableMargin()
{
    // On a surface that starts at the printable area the background still
    // lies on the whole paper: its band ends at the paper's middle, 18 pixels
    // above the printable area's middle row.
    auto doc = makeDoc(1, 0, 1);
    attachRedBackground(*doc);
    CPrintJob job(*doc);
    const SheetGeometry g = letterAt(72, 18);
    JobControl unattended;
    job.BeginPrinting(g, unattended);
    const QImage image = renderSheet(job, 1, g);
    const int paperMiddle = 396 - 18;
    QVERIFY(isRed(image.pixel(300, paperMiddle - 2)));
    QVERIFY(!isRed(image.pixel(300, paperMiddle + 2)));
    QVERIFY(isRed(image.pixel(0, 0)));
    job.EndPrinting();
}

void TestPrintJob::bandCount_data()
{
    QTest::addColumn<double>("heightPoints");
    QTest::addColumn<int>("bands");
    QTest::newRow("Letter") << 792.0 << 11;
    QTest::newRow("A4") << 841.89 << 12;
    QTest::newRow("one band") << 72.0 << 1;
    QTest::newRow("a little over") << 72.5 << 2;
    QTest::newRow("empty") << 0.0 << 0;
}

void TestPrintJob::bandCount()
{
    QFETCH(double, heightPoints);
    QFETCH(int, bands);
    QCOMPARE(PrintBackground::bandCount(heightPoints), bands);
}

void TestPrintJob::printCacheFileLifetime()
{
    // One picture in one "CZ2" file for the whole job, gone after the job.
    auto doc = makeDoc(1, 0, 2);
    attachRedBackground(*doc);
    CPrintJob job(*doc);
    const QStringList before = printCacheFiles();
    const SheetGeometry g = letterAt(100);
    JobControl unattended;
    job.BeginPrinting(g, unattended);
    const QString name = job.background().fileName();
    QVERIFY(QFileInfo(name).fileName().startsWith(QLatin1String("CZ2")));
    QCOMPARE(QFileInfo(name).size(), qint64(850) * 1100 * 4);
    QCOMPARE(job.background().image().size(), QSize(850, 1100));
    QCOMPARE(printCacheFiles().size(), before.size() + 1);
    const qint64 key = job.background().image().cacheKey();
    renderSheet(job, 1, g);
    renderSheet(job, 2, g);
    QCOMPARE(job.background().image().cacheKey(), key);
    job.EndPrinting();
    QVERIFY(!QFileInfo::exists(name));
    QCOMPARE(printCacheFiles(), before);
}

void TestPrintJob::cancelConfirmed()
{
    auto doc = makeDoc(1, 0, 2);
    attachRedBackground(*doc);
    CPrintJob job(*doc);
    RecordingSink sink;
    sink.answer = MsgAnswer::Yes;
    SinkGuard guard(&sink);
    QMainWindow window;
    window.show();
    const QStringList before = printCacheFiles();

    bool windowWasDisabled = false;
    bool dialogShown = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<CDlgProgress*>(w); dialog && dialog->isVisible()) {
                dialogShown = true;
                windowWasDisabled = !window.isEnabled();
                dialog->reject();
            }
        }
    });
    bool thrown = false;
    WindowJobControl control(&window);
    try {
        job.BeginPrinting(letterAt(150), control);
    } catch (const CPreparePrintException&) {
        thrown = true;
    }
    QVERIFY(dialogShown);
    QVERIFY(windowWasDisabled);
    QVERIFY(thrown);
    QVERIFY(control.cancelled());
    QCOMPARE(sink.texts, QStringList{QStringLiteral("Are you sure you want to cancel the print job?")});
    QCOMPARE(sink.buttons.value(0), MsgButtons::YesNo);
    QCOMPARE(sink.icons.value(0), MsgIcon::Question);
    QVERIFY(window.isEnabled());
    QCOMPARE(printCacheFiles(), before);
    QVERIFY(job.background().image().isNull());
    job.EndPrinting();
}

void TestPrintJob::cancelDeclined()
{
    auto doc = makeDoc(1, 0, 2);
    attachRedBackground(*doc);
    CPrintJob job(*doc);
    RecordingSink sink;
    sink.answer = MsgAnswer::No;
    SinkGuard guard(&sink);
    QMainWindow window;
    int steps = -1;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<CDlgProgress*>(w); dialog && dialog->isVisible())
                dialog->reject();
    });
    WindowJobControl control(&window);
    job.BeginPrinting(letterAt(150), control);
    QCOMPARE(sink.texts.size(), 1);
    QVERIFY(!control.cancelled());
    QVERIFY(!job.background().image().isNull());
    QVERIFY(window.isEnabled());
    // The dialog is gone once the preparation is done.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<CDlgProgress*>(w))
            steps = dialog->isVisible() ? 1 : 0;
    QVERIFY(steps <= 0);
    job.EndPrinting();
}

void TestPrintJob::printerGeometry()
{
    // A full-page printer: the painter's origin is the paper's corner.
    QPrinter printer(QPrinter::PrinterResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Point);
    printer.setResolution(300);
    printer.setFullPage(true);
    const SheetGeometry g = SheetGeometry::ofPrinter(printer);
    QCOMPARE(g.paperPixels, QSize(2550, 3300));
    QCOMPARE(g.resolutionX, 300);
    QCOMPARE(g.offsets.offsetX, 0);
    QCOMPARE(g.offsets.offsetY, 0);
    // Never Qt's 1200-dpi high-resolution mode.
    QPrinter high(QPrinter::HighResolution);
    SetPrintResolution(high);
    QVERIFY(high.resolution() <= 600);
}

void TestPrintJob::previewOfHugeJobOpensAtOnce_data()
{
    QTest::addColumn<bool>("background");
    QTest::newRow("heads only") << false;
    QTest::newRow("with background") << true;
}

void TestPrintJob::previewOfHugeJobOpensAtOnce()
{
    QFETCH(bool, background);
    auto doc = makeDoc(1, 0, 9999999);
    if (background)
        attachRedBackground(*doc);
    QElapsedTimer timer;
    timer.start();
    CPreviewWindow preview(*doc, letterAt(600));
    preview.setCurrentSheet(9999999);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    const QImage shot = preview.grab().toImage();
    const qint64 elapsed = timer.elapsed();
    qInfo("preview of 9,999,999 sheets open at the last sheet in %lld ms", elapsed);
    QVERIFY2(elapsed < 1000, qPrintable(QString::number(elapsed)));
    QCOMPARE(preview.statusText(), QStringLiteral("Page 9999999"));
    QCOMPARE(preview.totalText(), QStringLiteral("9999999 sheets"));
    QVERIFY(!preview.nextButton()->isEnabled());
    QVERIFY(preview.prevButton()->isEnabled());
    QVERIFY(!shot.isNull());
}

void TestPrintJob::previewZoomSteps_data()
{
    QTest::addColumn<QSize>("inches");
    QTest::newRow("letter") << QSize(8, 11);
    // Shown whole, a small sheet is larger than its real size.
    QTest::newRow("ticket") << QSize(2, 1);
}

void TestPrintJob::previewZoomSteps()
{
    QFETCH(QSize, inches);
    auto doc = makeDoc(1, 0, 3);
    CPreviewWindow preview(*doc, SheetGeometry::fullPage(inches * 300, 300, 300));
    preview.setPagesShown(1);
    preview.resize(1000, 800);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QCOMPARE(preview.zoom(), int(CPreviewWindow::ZoomFit));
    // Zoom In always enlarges and Zoom Out always shrinks, through every step.
    while (preview.zoomInButton()->isEnabled()) {
        const double before = preview.scale();
        preview.zoomInButton()->click();
        QVERIFY2(preview.scale() > before, qPrintable(QString::number(preview.zoom())));
    }
    while (preview.zoomOutButton()->isEnabled()) {
        const double before = preview.scale();
        preview.zoomOutButton()->click();
        QVERIFY2(preview.scale() < before, qPrintable(QString::number(preview.zoom())));
    }
}

void TestPrintJob::previewPaging()
{
    auto doc = makeDoc(2, 1, 2); // 6 sheets, 3 and 6 blank
    CPreviewWindow preview(*doc, letterAt(300));
    preview.setPagesShown(1);
    QCOMPARE(preview.statusText(), QStringLiteral("Page 1"));
    QCOMPARE(preview.pagesButton()->text(), QStringLiteral("&Two Page"));
    QVERIFY(!preview.prevButton()->isEnabled());
    QTest::keyClick(&preview, Qt::Key_PageDown);
    QCOMPARE(preview.currentSheet(), qint64(2));
    QTest::keyClick(&preview, Qt::Key_PageUp);
    QCOMPARE(preview.currentSheet(), qint64(1));
    preview.pagesButton()->click();
    QCOMPARE(preview.pagesShown(), 2);
    QCOMPARE(preview.pagesButton()->text(), QStringLiteral("&One Page"));
    QCOMPARE(preview.statusText(), QStringLiteral("Pages 1-2"));
    preview.setCurrentSheet(100);
    QCOMPARE(preview.currentSheet(), qint64(6));
    QCOMPARE(preview.statusText(), QStringLiteral("Page 6"));
    QVERIFY(!preview.nextButton()->isEnabled());
    preview.zoomInButton()->click();
    QCOMPARE(preview.zoom(), int(CPreviewWindow::ZoomActual));
    QVERIFY(preview.zoomOutButton()->isEnabled());
    preview.zoomInButton()->click();
    QVERIFY(!preview.zoomInButton()->isEnabled());
    // The blank sheet shows an empty page.
    QImage blank = renderSheet(preview.job(), 6, letterAt(30));
    QVERIFY(allWhite(blank));
    bool printed = false;
    connect(&preview, &CPreviewWindow::printRequested, this, [&printed] { printed = true; });
    preview.printButton()->click();
    QVERIFY(printed);
    QVERIFY(!preview.isVisible());
}

void TestPrintJob::previewStatusAndKeys_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("key");
    QTest::addColumn<qint64>("sheet");
    QTest::addColumn<QString>("status");

    QTest::newRow("one, opened") << 1 << 5 << 0 << qint64(1) << "Page 1";
    QTest::newRow("one, End") << 1 << 5 << int(Qt::Key_End) << qint64(5) << "Page 5";
    QTest::newRow("two, opened") << 2 << 5 << 0 << qint64(1) << "Pages 1-2";
    QTest::newRow("two, End shows the last two") << 2 << 5 << int(Qt::Key_End) << qint64(4) << "Pages 4-5";
    QTest::newRow("two, single sheet") << 2 << 1 << int(Qt::Key_End) << qint64(1) << "Page 1";
    QTest::newRow("huge, End") << 1 << 2000000000 << int(Qt::Key_End) << qint64(4000000000)
                               << "Page 4000000000";
}

void TestPrintJob::previewStatusAndKeys()
{
    QFETCH(int, pages);
    QFETCH(int, total);
    QFETCH(int, key);
    QFETCH(qint64, sheet);
    QFETCH(QString, status);

    // Two copies per number from the huge row on: past 2^31 sheets.
    auto doc = makeDoc(total > 1000 ? 2 : 1, 0, total);
    CPreviewWindow preview(*doc, letterAt(30));
    preview.setPagesShown(pages);
    preview.setCurrentSheet(2);
    QTest::keyClick(&preview, Qt::Key_Home);
    QCOMPARE(preview.currentSheet(), qint64(1));
    if (key)
        QTest::keyClick(&preview, Qt::Key(key));
    QCOMPARE(preview.currentSheet(), sheet);
    QCOMPARE(preview.statusText(), status);
}

void TestPrintJob::goToSheetBounds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<qint64>("sheet"); // 0: no sheet, OK disabled

    QTest::newRow("first") << "1" << qint64(9999999) << qint64(1);
    QTest::newRow("last of ten million") << " 9,999,999 " << qint64(9999999) << qint64(9999999);
    QTest::newRow("past the end") << "10000000" << qint64(9999999) << qint64(0);
    QTest::newRow("zero") << "0" << qint64(10) << qint64(0);
    QTest::newRow("negative") << "-3" << qint64(10) << qint64(0);
    QTest::newRow("plus sign") << "+3" << qint64(10) << qint64(0);
    QTest::newRow("not a number") << "3a" << qint64(10) << qint64(0);
    QTest::newRow("empty") << "" << qint64(10) << qint64(0);
    QTest::newRow("beyond 32 bits") << "4611686014132420609" << qint64(4611686014132420609)
                                    << qint64(4611686014132420609);
    QTest::newRow("beyond 64 bits") << "99999999999999999999" << std::numeric_limits<qint64>::max()
                                    << qint64(0);
}

void TestPrintJob::goToSheetBounds()
{
    QFETCH(QString, text);
    QFETCH(qint64, count);
    QFETCH(qint64, sheet);
    CDlgGoToSheet dialog(count, 1);
    dialog.setText(text);
    QCOMPARE(dialog.sheet(), sheet);
    QCOMPARE(dialog.okEnabled(), sheet > 0);
}

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
