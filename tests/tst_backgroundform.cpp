// The background page copied as a form into a print job: it must look like
// the page as rendered today, keep vectors, text and JPEG bytes as they are,
// and never take the program down on a damaged or hostile file.
#include "HandMadePdf.h"
#include "PdfText.h"
#include "TestPdf.h"

#include "pdf/PdfBackgroundForm.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace handpdf;
using pdftext::run;

namespace {

// Lines and text in an embedded font, no image.
QByteArray vectorPdf()
{
    return testpdf::paintedPdf(testpdf::letter(), [](QPainter& painter) {
        painter.setPen(QPen(Qt::darkBlue, 12));
        painter.drawLine(40, 40, 560, 40);
        painter.drawLine(40, 40, 40, 700);
        painter.setPen(QPen(Qt::red, 8));
        painter.drawRect(100, 420, 400, 300);
        painter.setFont(QFont(QStringLiteral("Liberation Sans"), 40));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(60, 100, 500, 200), Qt::AlignCenter, QStringLiteral("Ledger form"));
    });
}

// One photo, which QPdfWriter stores as JPEG.
QByteArray photoPdf()
{
    QImage photo(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x * 255 / 320, y * 255 / 240, (x * y) % 256));
    }
    return testpdf::paintedPdf(
        testpdf::a4(), [&](QPainter& painter) { painter.drawImage(QRectF(50, 50, 480, 360), photo); });
}

// Colour blocks placed so that any wrong turn, flip or crop shows.
QByteArray turnedPdf(int rotate, bool cropped)
{
    PageParts parts;
    parts.mediaBox = "[0 0 600 400]";
    parts.content = "1 0 0 rg 0 0 200 150 re f 0 0 1 rg 0 330 600 70 re f 0 0.6 0 rg 480 0 120 200 re f";
    parts.pageExtra = "/Rotate " + num(rotate) + (cropped ? " /CropBox [60 30 580 390]" : "");
    return onePage(parts);
}

// Catalog, page tree and page with the given attributes; objects from 4 on.
QByteArray pageOf(const QByteArray& treeEntries, const QByteArray& pageEntries, const QList<QByteArray>& more)
{
    return assemble(QList<QByteArray>{"<< /Type /Catalog /Pages 2 0 R >>",
                                      "<< /Type /Pages /Kids [3 0 R] /Count 1 " + treeEntries + " >>",
                                      "<< /Type /Page /Parent 2 0 R " + pageEntries + " >>"} +
                    more);
}

// A job of two sheets, paper large, each painting the copied page; empty
// when it could not be copied, with *why.
QByteArray jobPdf(const QByteArray& source, int pageIndex, QSizeF paper, QString* why = nullptr)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    PdfJobWriter writer(out);
    const PdfJobWriter::Id form = WriteBackgroundForm(writer, source, pageIndex, paper, why);
    if (!form)
        return QByteArray();
    writer.beginPages(2, paper, "<</XObject<</BG " + PdfJobWriter::ref(form) + ">>>>");
    writer.addPage("/BG Do");
    writer.addPage("/BG Do");
    return writer.finish(QStringLiteral("Background")) ? bytes : QByteArray();
}

// The first page as the background is rendered today.
QImage render(const QByteArray& bytes)
{
    return pdf::RenderPageBitmap(pdf::LoadPage(pdf::LoadMemDocument(testpdf::blockFrom(bytes)), 0), 120, 160);
}

// Mean difference per colour channel, 0 to 255.
double difference(const QImage& a, const QImage& b)
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

// The fields of pdfimages -list: page num type width height color comp bpc
// enc interp object ...
QList<QStringList> images(const QString& path)
{
    QList<QStringList> list;
    const QString text = QString::fromUtf8(run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}));
    for (const QString& line : text.split(u'\n').mid(2)) {
        if (!line.isEmpty())
            list << line.simplified().split(u' ');
    }
    return list;
}

QByteArray rawStream(const QString& path, const QString& object)
{
    return run(QStringLiteral("qpdf"),
               {QStringLiteral("--show-object=") + object, QStringLiteral("--raw-stream-data"), path});
}

// A form with a field that prints, holding printedValue, one that shows on
// screen only (if withScreenOnly) and a printable file attachment marker;
// with the fields' appearances made by qpdf unless needsAppearances.
QByteArray formPdf(const QString& dir, bool withScreenOnly, bool needsAppearances = false,
                   const QByteArray& printedValue = "Jane Printed")
{
    const auto field = [](const QByteArray& name, const QByteArray& value, int y, int flags) {
        return "<< /Type /Annot /Subtype /Widget /FT /Tx /T (" + name + ") /V (" + value +
               ") /DA (/Helv 24 Tf 1 0 0 rg) /Rect [50 " + num(y) + " 350 " + num(y + 60) + "] /F " +
               num(flags) + " >>";
    };
    const QByteArray unfilled = assemble(
        {"<< /Type /Catalog /Pages 2 0 R /AcroForm << /Fields [5 0 R 6 0 R] /NeedAppearances true "
         "/DA (/Helv 0 Tf 0 g) /DR << /Font << /Helv 7 0 R >> >> >> >>",
         "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
         "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R /Annots [5 0 R 8 0 R" +
             QByteArray(withScreenOnly ? " 6 0 R" : "") + "] >>",
         stream({}, "0 0 1 RG 4 w 50 600 300 60 re S 50 500 300 60 re S"),
         field("name", printedValue, 600, 4), field("note", "Screen Only", 500, 0),
         "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
         "<< /Type /Annot /Subtype /FileAttachment /Rect [400 600 420 640] /F 4 /FS << /F (a.txt) >> "
         "/AP << /N 9 0 R >> >>",
         stream("/Type /XObject /Subtype /Form /BBox [0 0 10 20]", "0.8 0.2 0.2 rg 0 0 10 20 re f")});
    if (needsAppearances)
        return unfilled;
    const QString in = dir + QStringLiteral("/unfilled.pdf");
    const QString out = dir + QStringLiteral("/filled.pdf");
    QFile file(in);
    if (!file.open(QIODevice::WriteOnly) || file.write(unfilled) != unfilled.size())
        return QByteArray();
    file.close();
    run(QStringLiteral("qpdf"), {QStringLiteral("--generate-appearances"), in, out});
    QFile filled(out);
    return filled.open(QIODevice::ReadOnly) ? filled.readAll() : QByteArray();
}

// Page 1 as pdftoppm renders it, annotations and all.
QImage popplerPicture(const QString& path)
{
    const QString prefix = path + QStringLiteral("-picture");
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("30"),
                                     QStringLiteral("-singlefile"), QStringLiteral("-png"), path, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

// The names pdffonts lists, sorted: "[none]" for a font without one.
QStringList fontNames(const QString& path)
{
    QStringList names;
    const QString text = QString::fromUtf8(run(QStringLiteral("pdffonts"), {path}));
    for (const QString& line : text.split(u'\n').mid(2)) {
        if (!line.isEmpty())
            names << line.section(u' ', 0, 0);
    }
    names.sort();
    names.removeDuplicates();
    return names;
}

// source rewritten by qpdf into target with every number and name of its
// fonts and font descriptors stored as an object of its own.
bool moveFontEntriesOut(const QString& source, const QString& target, const QString& patchPath)
{
    const QJsonDocument json = QJsonDocument::fromJson(
        run(QStringLiteral("qpdf"), {QStringLiteral("--json-output=2"), source, QStringLiteral("-")}));
    const QJsonArray parts = json.object().value(QStringLiteral("qpdf")).toArray();
    QJsonObject header = parts.at(0).toObject();
    const QJsonObject objects = parts.at(1).toObject();
    int next = header.value(QStringLiteral("maxobjectid")).toInt();
    QJsonObject changed;
    for (auto it = objects.begin(); it != objects.end(); ++it) {
        QJsonObject value = it.value().toObject().value(QStringLiteral("value")).toObject();
        const QString type = value.value(QStringLiteral("/Type")).toString();
        if (type != QLatin1String("/Font") && type != QLatin1String("/FontDescriptor"))
            continue;
        for (const QString& key : value.keys()) {
            const QJsonValue entry = value.value(key);
            if (entry.isDouble() || (entry.isString() && entry.toString().startsWith(u'/'))) {
                changed.insert(QStringLiteral("obj:%1 0 R").arg(++next),
                               QJsonObject{{QStringLiteral("value"), entry}});
                value.insert(key, QStringLiteral("%1 0 R").arg(next));
            }
        }
        changed.insert(it.key(), QJsonObject{{QStringLiteral("value"), value}});
    }
    header.insert(QStringLiteral("maxobjectid"), next);
    QFile patch(patchPath);
    if (changed.isEmpty() || !patch.open(QIODevice::WriteOnly))
        return false;
    patch.write(QJsonDocument(QJsonObject{{QStringLiteral("qpdf"), QJsonArray{header, changed}}}).toJson());
    patch.close();
    bool ok = false;
    run(QStringLiteral("qpdf"), {source, QStringLiteral("--update-from-json=") + patchPath, target}, &ok);
    return ok;
}

bool qpdfChecks(const QString& path)
{
    bool ok = false;
    run(QStringLiteral("qpdf"), {QStringLiteral("--check"), path}, &ok);
    return ok;
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
    void printedAnnotationsGoOnTheSheet();
    void hostileFiles_data();
    void hostileFiles();

private:
    QString save(const QString& name, const QByteArray& bytes);
    QTemporaryDir dir_;
};

QString TestBackgroundForm::save(const QString& name, const QByteArray& bytes)
{
    QFile file(dir_.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName() : QString();
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
    // Operands in one stream, their operator in the next; the first compressed.
    QTest::newRow("several content streams")
        << pageOf({}, "/MediaBox [0 0 612 792] /Contents [4 0 R 5 0 R]",
                  {stream("/Filter /FlateDecode", qCompress("1 0 0 rg 0 0").mid(4)),
                   stream({}, "300 400 re f 0 0 1 rg 300 400 312 392 re f")})
        << letter << QString() << 0;
    QTest::newRow("inherited attributes")
        << pageOf("/MediaBox [0 0 500 300] /Rotate 90 /Resources << /ExtGState << /G 5 0 R >> >>",
                  "/Contents 4 0 R",
                  {stream({}, "/G gs 1 0 0 rg 0 0 250 150 re f 0 0 1 rg 250 150 250 150 re f"),
                   "<< /Type /ExtGState /ca 0.4 >>"})
        << QSizeF(300, 200) << QString() << 0;

    // ImageMagick stores the image's colour space as an object of its own.
    const QString magick = dir_.filePath(QStringLiteral("magick.pdf"));
    run(QStringLiteral("convert"),
        {QStringLiteral("-size"), QStringLiteral("200x150"), QStringLiteral("gradient:red-blue"),
         QStringLiteral("-fill"), QStringLiteral("yellow"), QStringLiteral("-draw"),
         QStringLiteral("circle 100,75 130,75"), QStringLiteral("epdf:") + magick});
    QFile magickFile(magick);
    QVERIFY2(magickFile.open(QIODevice::ReadOnly), "ImageMagick's convert made no PDF");
    QTest::newRow("ImageMagick page") << magickFile.readAll() << letter << QString() << 2; // and its mask
    const QString open = save(QStringLiteral("open.pdf"), vectorPdf());
    const QString indirect = dir_.filePath(QStringLiteral("indirect-fonts.pdf"));
    QVERIFY(moveFontEntriesOut(open, indirect, dir_.filePath(QStringLiteral("patch.json"))));
    QFile indirectFile(indirect);
    QVERIFY(indirectFile.open(QIODevice::ReadOnly));
    QTest::newRow("font entries as objects") << indirectFile.readAll() << letter << "Ledger" << 0;

    // Locked with an owner password only: readable, so copied.
    const QString locked = dir_.filePath(QStringLiteral("owner.pdf"));
    run(QStringLiteral("qpdf"), {QStringLiteral("--encrypt"), QString(), QStringLiteral("owner"),
                                 QStringLiteral("256"), QStringLiteral("--"), open, locked});
    QFile file(locked);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTest::newRow("owner password") << file.readAll() << letter << "Ledger" << 0;
}

// Both sheets paint the one copy, which looks like the source page rendered
// over the paper and keeps its text as text and its images as images.
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
    QVERIFY(qpdfChecks(path));
    QCOMPARE(fontNames(path), fontNames(save(QStringLiteral("source.pdf"), source)));
    const double off = difference(render(source), render(job));
    QVERIFY2(off < 3, qPrintable(QString::number(off))); // edges may be smoothed a little differently

    const QList<QStringList> found = images(path);
    QCOMPARE(found.size(), 2 * imageCount);
    for (int i = 0; i < imageCount; ++i) // the second sheet draws the same objects
        QCOMPARE(found[i].value(10), found[i + imageCount].value(10));
    const QList<pdftext::Page> pages = pdftext::read(path);
    QCOMPARE(pages.size(), 2);
    QVERIFY(text.isEmpty() || pages[1].texts().contains(text));
}

// The photo goes over as the very same JPEG stream.
void TestBackgroundForm::photoKeepsItsJpegBytes()
{
    const QByteArray source = photoPdf();
    const QString sourcePath = save(QStringLiteral("photo.pdf"), source);
    const QList<QStringList> before = images(sourcePath);
    QCOMPARE(before.size(), 1);
    QCOMPARE(before[0].value(8), QStringLiteral("jpeg"));

    const QString path = save(QStringLiteral("photo-copy.pdf"), jobPdf(source, 0, testpdf::letter()));
    const QList<QStringList> after = images(path);
    QCOMPARE(after.size(), 2);                         // one image, on both sheets
    QCOMPARE(after[0].mid(3, 6), before[0].mid(3, 6)); // size, colours, encoding
    const QByteArray bytes = rawStream(path, after[0].value(10));
    QVERIFY(bytes.startsWith("\xFF\xD8"));
    QCOMPARE(bytes, rawStream(sourcePath, before[0].value(10)));
}

// The filled-in field and the marker print, so they are drawn; the field
// that does not print is left off.
void TestBackgroundForm::printedAnnotationsGoOnTheSheet()
{
    QString why;
    const QByteArray job = jobPdf(formPdf(dir_.path(), true), 0, testpdf::letter(), &why);
    QVERIFY2(why.isEmpty(), qPrintable(why));
    const QString path = save(QStringLiteral("form-copy.pdf"), job);
    QVERIFY(qpdfChecks(path));
    const QList<pdftext::Page> pages = pdftext::read(path);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[1].texts(), (QStringList{QStringLiteral("Jane"), QStringLiteral("Printed")}));
    // Pixel for pixel what Poppler draws of the form without that field.
    const QImage printed =
        popplerPicture(save(QStringLiteral("form-printed.pdf"), formPdf(dir_.path(), false)));
    QVERIFY(!printed.isNull());
    QCOMPARE(popplerPicture(path), printed);
}

void TestBackgroundForm::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("pageIndex");
    // Why it is refused; empty: it must be copied; "?": either; "!": refused.
    QTest::addColumn<QString>("reason");
    const QString damaged = QStringLiteral("the file is damaged or is not a PDF file");
    const QString noArea = QStringLiteral("the page has no area");
    const QString either = QStringLiteral("?");
    const auto page = [](const QByteArray& mediaBox, const QByteArray& resources,
                         const QByteArray& extra = {}) {
        PageParts parts;
        parts.mediaBox = mediaBox;
        parts.resources = resources;
        parts.pageExtra = extra;
        return onePage(parts);
    };
    const QByteArray letter = "[0 0 612 792]";
    const QByteArray deep = QByteArray(100000, '[') + QByteArray(100000, ']');
    QTest::newRow("truncated") << vectorPdf().left(120) << 0 << damaged;
    QTest::newRow("not a PDF") << QByteArray("GIF89a") + QByteArray(2000, '\x7f') << 0 << damaged;
    QTest::newRow("password") << passwordPdf() << 0 << "the file is protected by a password";
    QTest::newRow("page 3 of 1") << onePage(PageParts()) << 2 << "the file has no page 3";
    QTest::newRow("missing resource objects")
        << page(letter, "<< /XObject << /X 40 0 R >> /Font << /F 41 0 R >> /Pattern 42 0 R >>") << 0
        << QString();
    QTest::newRow("resources reach the page tree")
        << page(letter, "<< /Properties << /P 3 0 R /T 2 0 R /C 1 0 R >> >>") << 0 << QString();
    QTest::newRow("form draws itself") << selfDrawingFormPdf() << 0 << QString();
    QTest::newRow("forms 20000 deep") << nestedFormsPdf(20000) << 0 << QString();
    QTest::newRow("arrays 100000 deep in the page") << nestedArraysPdf(100000) << 0 << either;
    QTest::newRow("arrays 100000 deep in the resources")
        << page(letter, "<< /A " + deep + " >>") << 0 << either;
    QTest::newRow("media box 0") << page("[0 0 0 0]", "<< >>") << 0 << noArea;
    QTest::newRow("media box a line") << page("[0 0 612 0]", "<< >>") << 0 << noArea;
    QTest::newRow("crop box outside") << page(letter, "<< >>", "/CropBox [700 800 900 1000]") << 0 << noArea;
    QTest::newRow("media box negative") << page("[0 0 -612 -792]", "<< >>") << 0 << QString();
    QTest::newRow("media box 1e9") << page("[0 0 1000000000 1000000000]", "<< >>") << 0 << either;
    QTest::newRow("media box 1e400") << page("[0 0 1" + QByteArray(400, '0') + " 9]", "<< >>") << 0 << either;

    // Several content streams: one that cannot be decoded, one that decodes
    // to far more than a page needs.
    const auto twoStreams = [](const QByteArray& second) {
        return pageOf({}, "/MediaBox [0 0 612 792] /Contents [4 0 R 5 0 R]",
                      {stream({}, "0 0 10 10 re f"), stream("/Filter /FlateDecode", second)});
    };
    // What qpdf reads otherwise than the renderer: never copied.
    const QString unreadable = QStringLiteral("part of the page cannot be read");
    const QString badLength = QStringLiteral("a stream's length is damaged");
    const QString viewer = QStringLiteral("its form fields are drawn by the viewer");
    const auto with = [&](const QByteArray& entries, const QByteArray& content, const QByteArray& more = {}) {
        return pageOf({}, "/MediaBox [0 0 612 792] /Contents 4 0 R " + entries,
                      more.isEmpty() ? QList<QByteArray>{content} : QList<QByteArray>{content, more});
    };
    const auto length = [](const QByteArray& value, const QByteArray& data) {
        return "<< /Length " + value + " >>\nstream\n" + data + "\nendstream";
    };
    const QByteArray fill = stream({}, "0 0 1 rg 0 0 300 300 re f");
    const QByteArray huge = "99999999999999999999";
    QTest::newRow("page with a 20-digit integer") << with("/StructParents " + huge, fill) << 0 << unreadable;
    QTest::newRow("font with a 20-digit integer")
        << with("/Resources << /Font << /F 5 0 R >> >>", stream({}, "BT /F 40 Tf 9 9 Td (Ledger) Tj ET"),
                "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /FirstChar " + huge + " >>")
        << 0 << unreadable;
    QTest::newRow("negative /Length") << with({}, length("-5", "0 0 9 9 re f")) << 0 << badLength;
    QTest::newRow("/Length is the stream") << with({}, length("4 0 R", "0 0 9 9 re f")) << 0 << "!";
    QTest::newRow("/Length through a stream back")
        << with({}, length("5 0 R", "0 0 9 9 re f"), length("4 0 R", "0")) << 0 << "!";
    QTest::newRow("image with a negative /Length")
        << with("/Resources << /XObject << /I 5 0 R >> >>", stream({}, "300 0 0 300 0 0 cm /I Do"),
                "<< /Type /XObject /Subtype /Image /Width 1 /Height 1 /ColorSpace /DeviceGray "
                "/BitsPerComponent 8 /Length -1 >>\nstream\n\x80\nendstream")
        << 0 << badLength;
    QTest::newRow("no /Length, read alike")
        << with({}, "<< >>\nstream\n0 0 9 9 re f\nendstream") << 0 << QString();
    QTest::newRow("printed field without appearance")
        << with("/Annots [5 0 R]", fill,
                "<< /Type /Annot /Subtype /Widget /FT /Tx /V (Jane) /Rect [0 0 99 50] /F 4 >>")
        << 0 << viewer;
    QTest::newRow("form to be drawn by the viewer") << formPdf(dir_.path(), true, true) << 0 << viewer;
    QTest::newRow("empty form to be drawn by the viewer")
        << formPdf(dir_.path(), false, true, {}) << 0 << QString();
    QTest::newRow("undecodable content")
        << twoStreams("not flate at all") << 0 << "the page's content is damaged";
    QTest::newRow("content bomb") << twoStreams(zerosDeflated(qint64(1) << 27)) << 0
                                  << "the page's content is too large";
}

// Never a crash: either a reason, and no objects, or a form that checks out
// and renders.
// Never a crash: either a reason, with no object written and no number
// taken, or a form in plain finite numbers that checks out and renders.
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
    const PdfJobWriter::Id form = WriteBackgroundForm(writer, bytes, pageIndex, testpdf::letter(), &why);
    if (reason == QLatin1String("!")) {
        QVERIFY(!form);
    } else if (reason != QLatin1String("?")) {
        QCOMPARE(why, reason);
        QCOMPARE(form != 0, reason.isEmpty());
    }
    if (!form) {
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
    static const QRegularExpression numbers(QStringLiteral(R"(/BBox\[[-.\d ]+\]/Matrix\[[-.\d ]+\]/)"));
    QVERIFY(numbers.match(QString::fromLatin1(job)).hasMatch());
    // What the sheet shows is what the screen shows.
    const QImage copy = render(job);
    QVERIFY(!copy.isNull());
    const QImage screen = render(bytes);
    if (!screen.isNull()) {
        const double off = difference(screen, copy);
        QVERIFY2(off < 3, qPrintable(QString::number(off)));
    }
    // qpdf's check takes its time over thousands of nested forms.
    QVERIFY(job.size() > (1 << 20) || qpdfChecks(save(QStringLiteral("hostile.pdf"), job)));
}

QTEST_MAIN(TestBackgroundForm)
#include "tst_backgroundform.moc"
