// The background page copied as a form: it must look like the page as
// rendered today, keep vectors, text and JPEG bytes as they are, and never
// take the program down on a damaged or hostile file.
#include "HandMadePdf.h"
#include "PdfText.h"
#include "TestPdf.h"

#include "print/PdfBackgroundForm.h"
#include "print/PdfFormCopy.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdlib>

using namespace handpdf;

namespace {

constexpr QSize kPixels(120, 160);
// Mean difference per colour channel (0-255) allowed between the rendered
// source and the rendered copy: edges may be smoothed a little differently.
constexpr double kMaxDifference = 3.0;

// A QPdfWriter page of lines and text in its own font, no image.
QByteArray vectorPdf()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(72);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(QPageSize(testpdf::letter(), QPageSize::Point, QString(), QPageSize::ExactMatch));
    QPainter painter(&writer);
    painter.setPen(QPen(Qt::darkBlue, 12));
    painter.drawLine(40, 40, 560, 40);
    painter.drawLine(40, 40, 40, 700);
    painter.setPen(QPen(Qt::red, 8));
    painter.drawRect(100, 420, 400, 300);
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 40));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(60, 100, 500, 200), Qt::AlignCenter, QStringLiteral("Ledger form"));
    painter.end();
    return bytes;
}

// A page that is one photo, stored as JPEG by QPdfWriter.
QByteArray photoPdf()
{
    QImage photo(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x * 255 / 320, y * 255 / 240, (x * y) % 256));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(72);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(QPageSize(testpdf::a4(), QPageSize::Point, QString(), QPageSize::ExactMatch));
    QPainter painter(&writer);
    painter.drawImage(QRectF(50, 50, 480, 360), photo);
    painter.end();
    return bytes;
}

// Colour blocks placed so that any wrong turn, flip or crop shows.
const QByteArray kBlocks =
    "1 0 0 rg 0 0 200 150 re f 0 0 1 rg 0 330 600 70 re f 0 0.6 0 rg 480 0 120 200 re f";

QByteArray turnedPdf(int rotate, bool cropped)
{
    PageParts parts;
    parts.mediaBox = "[0 0 600 400]";
    parts.content = kBlocks;
    parts.pageExtra = "/Rotate " + num(rotate) + (cropped ? " /CropBox [60 30 580 390]" : "");
    return onePage(parts);
}

// Operands in one stream, their operator in the next; the first compressed.
QByteArray severalStreamsPdf()
{
    const QByteArray first = "1 0 0 rg 0 0";
    QByteArray packed = qCompress(first).mid(4); // zlib stream without Qt's length
    return assemble({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                     "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents [4 0 R 5 0 R] >>",
                     stream("/Filter /FlateDecode", packed),
                     stream({}, "300 400 re f 0 0 1 rg 300 400 312 392 re f")});
}

// Media box, resources and rotation all from the page tree node.
QByteArray inheritedPdf()
{
    return assemble({"<< /Type /Catalog /Pages 2 0 R >>",
                     "<< /Type /Pages /Kids [3 0 R] /Count 1 /MediaBox [0 0 500 300] /Rotate 90 "
                     "/Resources << /ExtGState << /G 5 0 R >> >> >>",
                     "<< /Type /Page /Parent 2 0 R /Contents 4 0 R >>",
                     stream({}, "/G gs 1 0 0 rg 0 0 250 150 re f 0 0 1 rg 250 150 250 150 re f"),
                     "<< /Type /ExtGState /ca 0.4 >>"});
}

QByteArray run(const QString& program, const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(600000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

// A job of two sheets, paper large, each painting the copied page; empty
// when it could not be copied, with *why.
QByteArray jobPdf(const QByteArray& source, int pageIndex, QSizeF paper, QString* why = nullptr)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    PdfJobWriter writer(out);
    const PdfJobWriter::Id form =
        WriteBackgroundForm(writer, *testpdf::blockFrom(source), pageIndex, paper, why);
    if (!form)
        return QByteArray();
    writer.beginPages(2, paper, "<</XObject<</BG " + PdfJobWriter::ref(form) + ">>>>");
    writer.addPage("/BG Do");
    writer.addPage("/BG Do");
    return writer.finish(QStringLiteral("Background")) ? bytes : QByteArray();
}

int qpdfCheck(const QString& path)
{
    int exitCode = -1;
    run(QStringLiteral("qpdf"), {QStringLiteral("--check"), path}, &exitCode);
    return exitCode;
}

QImage render(const QByteArray& bytes)
{
    pdf::DocumentHandle document = pdf::LoadMemDocument(testpdf::blockFrom(bytes));
    pdf::PageHandle page = pdf::LoadPage(document, 0);
    return page ? pdf::RenderPageBitmap(page, kPixels.width(), kPixels.height()) : QImage();
}

double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

struct Image
{
    int width = 0;
    int height = 0;
    QString encoding;
    int object = 0;
};

QList<Image> images(const QString& path)
{
    QList<Image> list;
    const QStringList lines =
        QString::fromUtf8(run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})).split(u'\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList f = line.simplified().split(u' ');
        if (f.size() > 10)
            list << Image{f[3].toInt(), f[4].toInt(), f[8], f[10].toInt()};
    }
    return list;
}

QByteArray rawStream(const QString& path, int object)
{
    return run(QStringLiteral("qpdf"),
               {QStringLiteral("--show-object=%1").arg(object), QStringLiteral("--raw-stream-data"), path});
}

} // namespace

class TestBackgroundForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }
    void looksLikeTheRenderedPage_data();
    void looksLikeTheRenderedPage();
    void photoKeepsItsJpegBytes();
    void hostileFiles_data();
    void hostileFiles();

private:
    QString save(const QString& name, const QByteArray& bytes);
    QTemporaryDir dir_;
};

QString TestBackgroundForm::save(const QString& name, const QByteArray& bytes)
{
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

void TestBackgroundForm::looksLikeTheRenderedPage_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QSizeF>("paper");
    QTest::addColumn<QString>("text"); // found in the copy by pdftotext
    QTest::addColumn<int>("imageCount");
    const QSizeF letter = testpdf::letter();
    QTest::newRow("vector form on A4") << vectorPdf() << testpdf::a4() << "Ledger" << 0;
    QTest::newRow("photo") << photoPdf() << letter << QString() << 1;
    for (int rotate : {0, 90, 180, 270, -90, 450}) {
        QTest::addRow("rotate %d", rotate) << turnedPdf(rotate, false) << letter << QString() << 0;
        QTest::addRow("rotate %d cropped", rotate) << turnedPdf(rotate, true) << letter << QString() << 0;
    }
    QTest::newRow("several content streams") << severalStreamsPdf() << letter << QString() << 0;
    QTest::newRow("inherited attributes") << inheritedPdf() << QSizeF(300, 200) << QString() << 0;

    // Locked with an owner password only: readable, so copied.
    const QString open = save(QStringLiteral("open.pdf"), vectorPdf());
    const QString locked = dir_.filePath(QStringLiteral("owner.pdf"));
    run(QStringLiteral("qpdf"), {QStringLiteral("--encrypt"), QString(), QStringLiteral("owner"),
                                 QStringLiteral("256"), QStringLiteral("--"), open, locked});
    QFile file(locked);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTest::newRow("owner password") << file.readAll() << letter << "Ledger" << 0;
}

// The copy painted over the paper looks like the source page rendered over
// it, and keeps its text as text and its images as images.
void TestBackgroundForm::looksLikeTheRenderedPage()
{
    QFETCH(QByteArray, source);
    QFETCH(QSizeF, paper);
    QFETCH(QString, text);
    QFETCH(int, imageCount);
    QString why;
    const QByteArray job = jobPdf(source, 0, paper, &why);
    QVERIFY2(!job.isEmpty(), qPrintable(why));
    const QString path = save(QStringLiteral("copy.pdf"), job);
    QCOMPARE(qpdfCheck(path), 0);

    const QImage expected = render(source);
    const QImage copied = render(job);
    QVERIFY(!expected.isNull() && !copied.isNull());
    const double difference = meanDifference(expected, copied);
    if (difference > kMaxDifference) {
        expected.save(dir_.filePath(QStringLiteral("expected.png")));
        copied.save(dir_.filePath(QStringLiteral("copied.png")));
    }
    QVERIFY2(difference <= kMaxDifference, qPrintable(QString::number(difference)));
    // Both sheets paint the one copy.
    const QList<Image> found = images(path);
    QCOMPARE(found.size(), 2 * imageCount);
    if (imageCount > 0)
        QCOMPARE(found.first().object, found.last().object);
    const QList<pdftext::Page> pages = pdftext::read(path);
    QCOMPARE(pages.size(), 2);
    if (!text.isEmpty())
        QVERIFY(pages[1].texts().contains(text));
}

// The photo goes over as the very same JPEG stream.
void TestBackgroundForm::photoKeepsItsJpegBytes()
{
    const QByteArray source = photoPdf();
    const QString sourcePath = save(QStringLiteral("photo.pdf"), source);
    const QList<Image> before = images(sourcePath);
    QCOMPARE(before.size(), 1);
    QCOMPARE(before[0].encoding, QStringLiteral("jpeg"));

    const QString path = save(QStringLiteral("photo-copy.pdf"), jobPdf(source, 0, testpdf::letter()));
    const QList<Image> after = images(path);
    QCOMPARE(after.size(), 2);
    QCOMPARE(after[0].encoding, QStringLiteral("jpeg"));
    QCOMPARE(QSize(after[0].width, after[0].height), QSize(before[0].width, before[0].height));
    const QByteArray bytes = rawStream(path, after[0].object);
    QVERIFY(bytes.startsWith("\xFF\xD8"));
    QCOMPARE(bytes, rawStream(sourcePath, before[0].object));
}

void TestBackgroundForm::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("pageIndex");
    // Why it is refused; empty: it must be copied; "?": either.
    QTest::addColumn<QString>("reason");
    const QString damaged = QStringLiteral("the file is damaged or is not a PDF file");
    const QString either = QStringLiteral("?");
    QTest::newRow("truncated") << vectorPdf().left(120) << 0 << damaged;
    QTest::newRow("not a PDF") << QByteArray("GIF89a") + QByteArray(2000, '\x7f') << 0 << damaged;
    QTest::newRow("empty") << QByteArray() << 0 << damaged;
    QTest::newRow("password") << passwordPdf() << 0 << "the file is protected by a password";
    QTest::newRow("page 3 of 1") << onePage(PageParts()) << 2 << "the file has no page 3";
    QTest::newRow("page -1") << onePage(PageParts()) << -1 << "the file has no page 0";

    PageParts dangling;
    dangling.resources = "<< /XObject << /X 40 0 R >> /Font << /F 41 0 R >> /Pattern 42 0 R >>";
    dangling.content = "/X Do 0 0 1 rg 0 0 100 100 re f";
    QTest::newRow("missing resource objects") << onePage(dangling) << 0 << QString();

    QTest::newRow("form draws itself") << selfDrawingFormPdf() << 0 << QString();
    QTest::newRow("forms 20000 deep") << nestedFormsPdf(20000) << 0 << QString();
    QTest::newRow("arrays 100000 deep in the page") << nestedArraysPdf(100000) << 0 << either;
    PageParts deepResources;
    deepResources.resources = "<< /Junk " + QByteArray(100000, '[') + QByteArray(100000, ']') + " >>";
    QTest::newRow("arrays 100000 deep in the resources") << onePage(deepResources) << 0 << either;

    // A resource that refers back to the page and up the page tree.
    PageParts toPage;
    toPage.resources = "<< /Properties << /P 3 0 R /T 2 0 R /C 1 0 R >> >>";
    QTest::newRow("resources reach the page") << onePage(toPage) << 0 << QString();

    const QString noArea = QStringLiteral("the page has no area");
    for (const char* box : {"[0 0 0 0]", "[0 0 612 0]", "[5 5 5 900]"}) {
        PageParts parts;
        parts.mediaBox = box;
        QTest::addRow("media box %s", box) << onePage(parts) << 0 << noArea;
    }
    PageParts outside;
    outside.pageExtra = "/CropBox [700 800 900 1000]";
    QTest::newRow("crop box outside") << onePage(outside) << 0 << noArea;
    PageParts negative;
    negative.mediaBox = "[0 0 -612 -792]";
    QTest::newRow("media box negative") << onePage(negative) << 0 << QString();
    PageParts huge;
    huge.mediaBox = "[0 0 1000000000 1000000000]";
    QTest::newRow("media box 1e9") << onePage(huge) << 0 << either;
    PageParts endless;
    endless.mediaBox = "[0 0 1" + QByteArray(400, '0') + " 792]";
    QTest::newRow("media box 1e400") << onePage(endless) << 0 << either;
    PageParts words;
    words.mediaBox = "[/a (b) <<>> true]";
    QTest::newRow("media box of words") << onePage(words) << 0 << QString();

    // Several content streams: one that cannot be decoded, one that decodes
    // to far more than a page needs.
    const QList<QByteArray> head{
        "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents [4 0 R 5 0 R] >>",
        stream({}, "0 0 10 10 re f")};
    QTest::newRow("undecodable content")
        << assemble(head + QList<QByteArray>{stream("/Filter /FlateDecode", "not flate at all")}) << 0
        << "the page's content is damaged";
    QTest::newRow("content bomb")
        << assemble(head + QList<QByteArray>{stream("/Filter /FlateDecode", zerosDeflated(qint64(1) << 27))})
        << 0 << "the page's content is too large";
}

// Never a crash: either a reason, and no objects, or a form that checks out
// and renders.
void TestBackgroundForm::hostileFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, pageIndex);
    QFETCH(QString, reason);
    QByteArray job;
    QBuffer out(&job);
    out.open(QIODevice::WriteOnly);
    PdfJobWriter writer(out);
    const std::uint64_t before = writer.bytesWritten();
    QString why;
    const PdfJobWriter::Id form =
        WriteBackgroundForm(writer, *testpdf::blockFrom(bytes), pageIndex, testpdf::letter(), &why);
    if (reason != QLatin1String("?")) {
        QCOMPARE(why, reason);
        QCOMPARE(form != 0, reason.isEmpty());
    }
    if (!form) {
        // Not an object written, not a number taken.
        QVERIFY(!why.isEmpty());
        QCOMPARE(writer.bytesWritten(), before);
        QBuffer other;
        other.open(QIODevice::WriteOnly);
        QCOMPARE(writer.reserve(), PdfJobWriter(other).reserve());
        return;
    }
    writer.beginPages(1, testpdf::letter(), "<</XObject<</BG " + PdfJobWriter::ref(form) + ">>>>");
    writer.addPage("/BG Do");
    QVERIFY(writer.finish(QString()));
    QVERIFY(!render(job).isNull());

    // Box and matrix in plain finite decimals.
    std::vector<CopiedPdfObject> objects;
    QVERIFY(CopyPageAsForm(*testpdf::blockFrom(bytes), pageIndex, testpdf::letter(), &objects));
    const QByteArray& text = objects.front().text;
    QByteArray numbers = text.left(text.indexOf("/Resources"));
    numbers.replace("/Type/XObject/Subtype/Form/BBox", "").replace("/Matrix", "");
    for (char c : numbers)
        QVERIFY2(QByteArray("0123456789.-[] ").contains(c), text.constData());
    // qpdf's check takes its time over thousands of nested forms.
    if (objects.size() < 1000)
        QVERIFY(
            QList<int>({0, 3}).contains(qpdfCheck(save(QStringLiteral("hostile.pdf"), job)))); // 3: warnings
}

QTEST_MAIN(TestBackgroundForm)
#include "tst_backgroundform.moc"
