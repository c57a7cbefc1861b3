// Head texts of a job as PDF text in subset fonts: where they land against
// the shared head painter's PDF, what the file's checkers say of the fonts,
// what text extraction finds, and what a sheet costs.
#include "PdfText.h"

#include "model/CadenzoDoc.h"
#include "model/HeadPainter.h"
#include "pdf/PdfEmbeddedFont.h"
#include "pdf/PdfSyntax.h"
#include "print/job/PdfHeadText.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct HeadSample
{
    const char* face;
    int weight;
    bool italic;
    QByteArray preface;
    QByteArray suffix;
    COLORREF color;
    int zeroPad;
    int seed;
};

// A family that Qt draws from a face without OpenType tables (a Type 1
// font), or none.
QByteArray untabledFamily()
{
    for (const char* family : {"Nimbus Sans", "Nimbus Roman", "URW Gothic"}) {
        QFont font(QString::fromLatin1(family));
        font.setPixelSize(100);
        const QRawFont raw = QRawFont::fromFont(font);
        if (raw.familyName() == QLatin1String(family) && raw.fontTable("head").isEmpty())
            return family;
    }
    return QByteArray();
}

bool installed(const char* family)
{
    return QRawFont::fromFont(QFont(QString::fromLatin1(family))).familyName() == QLatin1String(family);
}

// The file of an installed CFF-flavoured OpenType face, or none.
QString cffFile()
{
    const QString files = QString::fromUtf8(
        pdftext::run(QStringLiteral("fc-list"), {QStringLiteral(":fontformat=CFF"), QStringLiteral("file")}));
    for (QString line : files.split(QLatin1Char('\n'))) {
        line = line.section(QLatin1Char(':'), 0, 0).trimmed();
        if (line.endsWith(QLatin1String(".otf")))
            return line;
    }
    return QString();
}

// Heads in three Liberation families, in families that need more of Qt
// when they are installed, (and, with untabled, one that has to be drawn as
// outlines), each in a face of its own with its own words, all turned by
// rotation.
std::unique_ptr<CCadenzoDoc> docOf(const QList<HeadSample>& samples, int rotation, bool decorated);

std::unique_ptr<CCadenzoDoc> makeDoc(int rotation, bool decorated, bool untabled = false)
{
    static const QByteArray outlined = untabledFamily();
    QList<HeadSample> samples{
        {"Liberation Sans", 400, false, "No.", "(A)", makeRgb(200, 0, 0), 1, 0},
        {"Liberation Serif", 700, true, "Nr\\", "-B", makeRgb(0, 0, 160), 1, -123500},
        {"Liberation Mono", 400, false, "", "#C", makeRgb(0, 0, 0), 0, 7},
    };
    // Qt makes up bold and italic for a family that has neither.
    static const bool plainOnly = installed("DejaVu Math TeX Gyre");
    if (plainOnly)
        samples << HeadSample{"DejaVu Math TeX Gyre", 700, true, "Sy", "", makeRgb(160, 0, 160), 1, 300};
    if (untabled && !outlined.isEmpty())
        samples << HeadSample{outlined.constData(), 400, false, "Id:", "", makeRgb(0, 128, 0), 1, 90000};
    // Qt draws "ff" as one glyph.
    static const bool ligatures = installed("DejaVu Serif");
    if (ligatures)
        samples << HeadSample{"DejaVu Serif", 400, false, "office", "", makeRgb(0, 128, 128), 1, 500};
    return docOf(samples, rotation, decorated);
}

// Heads of the samples, apart on the paper however they turn.
std::unique_ptr<CCadenzoDoc> docOf(const QList<HeadSample>& samples, int rotation, bool decorated)
{
    auto doc = std::make_unique<CCadenzoDoc>(nullptr);
    doc->startNumber = 123456;
    for (int i = 0; i < samples.size(); ++i) {
        const HeadSample& s = samples[i];
        doc->AddNewHead(nullptr);
        HEADING& head = *doc->heads.back();
        setFaceName(head.font, s.face);
        head.font.lfHeight = -18;
        head.font.lfWeight = s.weight;
        head.font.lfItalic = s.italic;
        head.font.lfUnderline = decorated;
        head.font.lfStrikeOut = decorated;
        head.x = 3000 + i % 3 * 2600;
        head.y = -6000 - i * 1200;
        head.rotation = rotation;
        head.preface = s.preface;
        head.spaceAfterPreface = !s.preface.isEmpty();
        head.suffix = s.suffix;
        head.spaceBeforeSuffix = !s.suffix.isEmpty();
        head.color = s.color;
        head.zeroPad = s.zeroPad;
        head.digits = 6;
        head.seed = s.seed;
    }
    return doc;
}

QSizeF pagePoints(const CCadenzoDoc& doc)
{
    return QSizeF(doc.GetPageWidth() / 20.0, doc.GetPageHeight() / 20.0);
}

// The sheets as the shared head painter draws them into a PDF, set up as the
// export sets up its writer.
void writeReference(const CCadenzoDoc& doc, const QString& path, int sheets)
{
    constexpr int kDpi = 600;
    QPdfWriter writer(path);
    writer.setResolution(kDpi);
    writer.setPageLayout(
        QPageLayout(QPageSize(pagePoints(doc), QPageSize::Point, QString(), QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter(&writer);
    PageToDevice map;
    map.scaleX = map.scaleY = kDpi / 1440.0;
    for (int sheet = 0; sheet < sheets; ++sheet) {
        if (sheet > 0)
            writer.newPage();
        DrawHeads(painter, doc, sheet, map, nullptr);
    }
}

// The sheets as a job writes them: the fonts, then a page per sheet.
void writeHeads(const CCadenzoDoc& doc, const QString& path, int sheets, bool outlinesOnly = false)
{
    PdfHeadText heads(doc, outlinesOnly);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    PdfJobWriter writer(file);
    const QByteArray fonts = heads.writeFonts(writer);
    writer.beginPages(quint64(sheets), pagePoints(doc), "<</Font<<" + fonts + ">>>>");
    for (int sheet = 0; sheet < sheets; ++sheet) {
        QByteArray content;
        heads.appendHeads(content, sheet);
        writer.addPage(content);
    }
    QVERIFY(writer.finish(QStringLiteral("Heads")));
}

// The box of each head's ink on the first page at 144 dpi (half a point a
// pixel): pixels close to the head's colour.
QList<QRect> inkBoxes(const QString& pdf, const CCadenzoDoc& doc)
{
    const QString prefix = pdf + QLatin1String(".ink");
    pdftext::run(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), pdf, prefix});
    const QImage image(prefix + QLatin1String(".png"));
    QList<QRect> boxes(doc.GetHeadCount());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            for (int i = 0; i < doc.GetHeadCount(); ++i) {
                const COLORREF c = doc.GetHeadByIndex(i)->color;
                if (qAbs(qRed(p) - rgbRed(c)) + qAbs(qGreen(p) - rgbGreen(c)) + qAbs(qBlue(p) - rgbBlue(c)) <
                    60)
                    boxes[i] |= QRect(x, y, 1, 1);
            }
        }
    }
    return boxes;
}

QString describe(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool near(const QRect& a, const QRect& b, int pixels)
{
    return !a.isEmpty() && qAbs(a.left() - b.left()) <= pixels && qAbs(a.top() - b.top()) <= pixels &&
           qAbs(a.right() - b.right()) <= pixels && qAbs(a.bottom() - b.bottom()) <= pixels;
}

// Each head's ink on the first page of ours within a pixel of the painter's.
void compareInk(const QString& reference, const QString& ours, const CCadenzoDoc& doc)
{
    const QList<QRect> expected = inkBoxes(reference, doc);
    const QList<QRect> actual = inkBoxes(ours, doc);
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(
            near(actual[i], expected[i], 1),
            qPrintable(
                QStringLiteral("head %1: %2 vs %3").arg(i).arg(describe(actual[i]), describe(expected[i]))));
}

QString wordsOf(const pdftext::Page& page)
{
    return page.texts().join(QLatin1Char(' '));
}

// The fonts pdffonts lists, by name without the subset tag, each checked
// to be an embedded subset with a ToUnicode map, in a file qpdf finds sound.
QStringList embeddedSubsets(const QString& path)
{
    bool ok = false;
    const QString check =
        QString::fromUtf8(pdftext::run(QStringLiteral("qpdf"), {QStringLiteral("--check"), path}, &ok));
    [&] { QVERIFY2(ok, qPrintable(check)); }();
    // name type encoding emb sub uni object ID
    const QStringList lines =
        QString::fromUtf8(pdftext::run(QStringLiteral("pdffonts"), {path}, &ok)).split(QLatin1Char('\n'));
    [&] { QVERIFY(ok); }();
    QStringList fonts;
    for (const QString& line : lines.mid(2)) {
        const QStringList f = line.simplified().split(QLatin1Char(' '));
        if (f.size() < 7)
            continue;
        fonts << f[0].section(QLatin1Char('+'), 1);
        [&] {
            QVERIFY2(f[0].indexOf(QLatin1Char('+')) == 6, qPrintable(line));
            QVERIFY2(line.contains(QLatin1String("Identity-H  ")) &&
                         line.contains(QRegularExpression(QStringLiteral(" yes yes yes "))),
                     qPrintable(line));
        }();
    }
    return fonts;
}

// Every word of the painter's PDF found in ours with the same text, its box
// within half a point.
void compareWords(const QString& reference, const QList<pdftext::Page>& actual, int pages)
{
    const QList<pdftext::Page> expected = pdftext::read(reference);
    QCOMPARE(actual.size(), pages);
    QCOMPARE(expected.size(), pages);
    for (int p = 0; p < pages; ++p) {
        QCOMPARE(actual[p].size, expected[p].size);
        QCOMPARE(actual[p].words.size(), expected[p].words.size());
        for (const pdftext::Word& want : expected[p].words) {
            const auto found =
                std::find_if(actual[p].words.begin(), actual[p].words.end(), [&](const pdftext::Word& w) {
                    // Qt's PDF gives a ligature its own character.
                    return w.text == want.text.normalized(QString::NormalizationForm_KC);
                });
            QVERIFY2(found != actual[p].words.end(), qPrintable(want.text + QLatin1String(" missing")));
            const QRectF& a = found->box;
            const QRectF& e = want.box;
            const double off = qMax(qMax(qAbs(a.left() - e.left()), qAbs(a.top() - e.top())),
                                    qMax(qAbs(a.right() - e.right()), qAbs(a.bottom() - e.bottom())));
            QVERIFY2(off <= 0.5, qPrintable(QStringLiteral("%1 off by %2 pt").arg(want.text).arg(off)));
        }
    }
}

} // namespace

class TestPdfHeadText : public QObject
{
    Q_OBJECT

private slots:
    void syntax_data();
    void syntax();
    void boxesMatchThePainter_data();
    void boxesMatchThePainter();
    void inkMatchesThePainter_data();
    void inkMatchesThePainter();
    void fontsAreEmbeddedSubsets();
    void cffFaceIsEmbedded();
    void outlinesLookLikeText();
    void sheetIsSmall();
    void fallbackFacesMatchThePainter_data();
    void fallbackFacesMatchThePainter();
};

void TestPdfHeadText::syntax_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("gid");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("integer") << 3.0 << -1 << QByteArray("3");
    QTest::newRow("decimals") << -0.25 << -1 << QByteArray("-0.25");
    QTest::newRow("rounded") << 12.345678 << -1 << QByteArray("12.3457");
    QTest::newRow("no minus zero") << -0.00001 << -1 << QByteArray("0");
    QTest::newRow("plain glyph") << 0.0 << 0x4142 << QByteArray("AB");
    QTest::newRow("parentheses") << 0.0 << 0x2829 << QByteArray("\\(\\)");
    QTest::newRow("backslash, CR") << 0.0 << 0x5C0D << QByteArray("\\\\\\r");
    QTest::newRow("LF, zero") << 0.0 << 0x0A00 << QByteArray("\\n\0", 3);
}

void TestPdfHeadText::syntax()
{
    QFETCH(double, value);
    QFETCH(int, gid);
    QFETCH(QByteArray, expected);
    QByteArray out;
    if (gid < 0)
        pdfsyntax::appendNumber(out, value);
    else
        pdfsyntax::appendGlyphId(out, std::uint16_t(gid));
    QCOMPARE(out, expected);
}

void TestPdfHeadText::boxesMatchThePainter_data()
{
    QTest::addColumn<int>("rotation");
    QTest::addColumn<bool>("decorated");
    // pdftotext cuts slanted lines into words where it likes; those are
    // compared by their ink below.
    for (int rotation : {0, 90, 180, 270, -90})
        QTest::addRow("%d", rotation) << rotation << false;
}

void TestPdfHeadText::boxesMatchThePainter()
{
    QFETCH(int, rotation);
    QFETCH(bool, decorated);
    const auto doc = makeDoc(rotation, decorated);
    QTemporaryDir dir;
    const QString reference = dir.filePath(QStringLiteral("reference.pdf"));
    const QString ours = dir.filePath(QStringLiteral("heads.pdf"));
    writeReference(*doc, reference, 2);
    writeHeads(*doc, ours, 2);

    const QList<pdftext::Page> actual = pdftext::read(ours);
    compareWords(reference, actual, 2);
    if (QTest::currentTestFailed())
        return;
    // The words themselves: preface, padded number (sign inside), suffix.
    const QString first = wordsOf(actual[0]);
    QVERIFY2(first.contains(QLatin1String("No. 123456 (A)")), qPrintable(first));
    QVERIFY2(first.contains(QLatin1String("Nr\\ -00044 -B")), qPrintable(first));
    QVERIFY2(first.contains(QLatin1String("123463 #C")), qPrintable(first));
}

void TestPdfHeadText::inkMatchesThePainter_data()
{
    QTest::addColumn<int>("rotation");
    QTest::addColumn<bool>("decorated");
    QTest::newRow("30") << 30 << false;
    QTest::newRow("underlined, struck out") << 0 << true;
    QTest::newRow("underlined, struck out, 30") << 30 << true;
    QTest::newRow("underlined, struck out, 180") << 180 << true;
}

void TestPdfHeadText::inkMatchesThePainter()
{
    QFETCH(int, rotation);
    QFETCH(bool, decorated);
    // With a face that has to be drawn as outlines, when there is one.
    const auto doc = makeDoc(rotation, decorated, true);
    QTemporaryDir dir;
    const QString reference = dir.filePath(QStringLiteral("reference.pdf"));
    const QString ours = dir.filePath(QStringLiteral("heads.pdf"));
    writeReference(*doc, reference, 1);
    writeHeads(*doc, ours, 1);
    if (untabledFamily().isEmpty())
        qInfo("No face without OpenType tables installed: outlines not compared");
    compareInk(reference, ours, *doc);
}

void TestPdfHeadText::fontsAreEmbeddedSubsets()
{
    const auto doc = makeDoc(0, false);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("heads.pdf"));
    writeHeads(*doc, path, 3);

    const QStringList fonts = embeddedSubsets(path);
    // One font per face, whatever the sheets.
    QCOMPARE(fonts.size(), doc->GetHeadCount());
    for (const char* name : {"LiberationSans", "LiberationSerif-BoldItalic", "LiberationMono"})
        QVERIFY2(fonts.contains(QLatin1String(name)), qPrintable(fonts.join(QLatin1Char(' '))));
}

void TestPdfHeadText::cffFaceIsEmbedded()
{
    const QString file = cffFile();
    if (file.isEmpty())
        QSKIP("No CFF-flavoured OpenType face installed");
    const QRawFont raw(file, 24);
    QVERIFY(raw.isValid());
    PdfEmbeddedFont font(raw);
    QVERIFY(font.isCff());
    QByteArray content = "BT/F0 24 Tf 72 700 Td(";
    for (const QChar c : QStringLiteral("No. 0123456789")) {
        const std::uint16_t gid = font.glyphFor(c);
        font.addGlyph(gid, QString(c));
        pdfsyntax::appendGlyphId(content, gid);
    }
    content += ")Tj ET";
    QVERIFY(font.build());
    QVERIFY(font.fontFile().size() < QFile(file).size() / 2);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cff.pdf"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    PdfJobWriter writer(out);
    const QByteArray fonts = "/F0 " + PdfJobWriter::ref(font.write(writer));
    writer.beginPages(1, QSizeF(612, 792), "<</Font<<" + fonts + ">>>>");
    writer.addPage(content);
    QVERIFY(writer.finish(QStringLiteral("CFF")));
    out.close();

    bool ok = false;
    pdftext::run(QStringLiteral("qpdf"), {QStringLiteral("--check"), path}, &ok);
    QVERIFY(ok);
    const QString list = QString::fromUtf8(pdftext::run(QStringLiteral("pdffonts"), {path}));
    QVERIFY2(list.contains(QRegularExpression(
                 QStringLiteral("[A-Z]{6}\\+\\S+ +CID Type 0C \\(OT\\) +Identity-H +yes yes yes"))),
             qPrintable(list));
    QCOMPARE(wordsOf(pdftext::read(path).value(0)), QStringLiteral("No. 0123456789"));
}

void TestPdfHeadText::outlinesLookLikeText()
{
    // A face that cannot be embedded is drawn as its outlines: nothing to
    // extract, the same ink where the text would be.
    const auto doc = makeDoc(30, false);
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("text.pdf"));
    const QString outlines = dir.filePath(QStringLiteral("outlines.pdf"));
    writeHeads(*doc, text, 1);
    writeHeads(*doc, outlines, 1, true);
    QVERIFY(pdftext::read(outlines).value(0).words.isEmpty());

    const QList<QRect> a = inkBoxes(text, *doc);
    const QList<QRect> b = inkBoxes(outlines, *doc);
    for (int i = 0; i < a.size(); ++i)
        QVERIFY2(near(b[i], a[i], 1),
                 qPrintable(QStringLiteral("head %1: %2 vs %3").arg(i).arg(describe(b[i]), describe(a[i]))));
}

void TestPdfHeadText::sheetIsSmall()
{
    // Three heads of six digits each, as a job has them on every sheet.
    auto doc = std::make_unique<CCadenzoDoc>(nullptr);
    doc->startNumber = 100000;
    for (int i = 0; i < 3; ++i) {
        doc->AddNewHead(nullptr);
        HEADING& head = *doc->heads.back();
        setFaceName(head.font, "Liberation Sans");
        head.x = 1440 * (i + 1);
        head.y = -1440 * (i + 1);
        head.preface.clear();
        head.spaceAfterPreface = 0;
        head.digits = 6;
    }
    const PdfHeadText heads(*doc);
    QByteArray content;
    heads.appendHeads(content, 41);
    qInfo("%d bytes per sheet: %s", int(content.size()), content.toPercentEncoding(" /()").constData());
    QVERIFY2(content.size() <= 200, content.constData());
    QCOMPARE(content.count("BT"), 3);
}

void TestPdfHeadText::fallbackFacesMatchThePainter_data()
{
    QTest::addColumn<int>("rotation");
    QTest::addColumn<bool>("decorated");
    QTest::newRow("0") << 0 << false;
    QTest::newRow("90") << 90 << false;
    QTest::newRow("30, underlined, struck out") << 30 << true;
}

void TestPdfHeadText::fallbackFacesMatchThePainter()
{
    // A Hebrew face has neither Latin letters nor digits: the screen draws
    // them from another face, and so does the PDF, which embeds both.
    QFETCH(int, rotation);
    QFETCH(bool, decorated);
    if (!installed("Noto Sans Hebrew"))
        QSKIP("Noto Sans Hebrew is not installed");
    const auto doc = docOf({{"Noto Sans Hebrew", 400, false, "No.", "(A)", makeRgb(200, 0, 0), 1, 0},
                            {"Noto Sans Hebrew", 700, true, "Nr", "-B", makeRgb(0, 0, 160), 1, -123500},
                            {"Liberation Sans", 400, false, "", "#C", makeRgb(0, 128, 0), 0, 7}},
                           rotation, decorated);
    QTemporaryDir dir;
    const QString reference = dir.filePath(QStringLiteral("reference.pdf"));
    const QString ours = dir.filePath(QStringLiteral("heads.pdf"));
    writeReference(*doc, reference, 2);
    writeHeads(*doc, ours, 2);
    const QStringList fonts = embeddedSubsets(ours);
    QVERIFY2(
        fonts.contains(QLatin1String("LiberationSans")) && fonts.size() >= 3 &&
            !fonts.filter(QRegularExpression(QStringLiteral("^(?!NotoSansHebrew|LiberationSans)"))).isEmpty(),
        qPrintable(fonts.join(QLatin1Char(' '))));

    const QList<pdftext::Page> actual = pdftext::read(ours);
    if (rotation % 90 == 0) {
        compareWords(reference, actual, 2);
        const QString first = wordsOf(actual.value(0));
        QVERIFY2(first.contains(QLatin1String("No. 123456 (A)")) &&
                     first.contains(QLatin1String("Nr -00044 -B")) &&
                     first.contains(QLatin1String("123463 #C")),
                 qPrintable(first));
    }
    compareInk(reference, ours, *doc);
}

QTEST_MAIN(TestPdfHeadText)
#include "tst_pdfheadtext.moc"
