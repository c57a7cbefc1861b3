// The head drawing routine of the editor and the preview, which the job's PDF
// follows: where the text lands, which way it turns, and that it stays on the
// page.
#include "model/CadenzoDoc.h"
#include "model/HeadPainter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

// Box of the non-white pixels, and the centre of their mass.
struct Ink
{
    QRect box;
    QPointF centre;
};

Ink inkOf(const QImage& image)
{
    Ink ink;
    double sx = 0, sy = 0, n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(row[x]) < 128) {
                ink.box |= QRect(x, y, 1, 1);
                sx += x;
                sy += y;
                n += 1;
            }
        }
    }
    if (n > 0)
        ink.centre = QPointF(sx / n, sy / n);
    return ink;
}

// A Letter page at 96 dpi with the given zoom, page corner at (24, 24).
PageToDevice screenMapping(int zoom)
{
    PageToDevice m;
    m.scaleX = m.scaleY = zoom / 100.0 * 96.0 / 1440.0;
    m.origin = QPointF(24, 24);
    return m;
}

QImage render(const CCadenzoDoc& doc, const PageToDevice& map, const PrinterOffsets* offsets, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawHeads(painter, doc, 0, map, offsets);
    return image;
}

std::unique_ptr<CCadenzoDoc> oneHead(int x, int y, int rotation, const QByteArray& preface = "No.")
{
    auto doc = std::make_unique<CCadenzoDoc>(nullptr);
    doc->AddNewHead(nullptr);
    HEADING& head = *doc->heads[0];
    head.x = x;
    head.y = y;
    head.rotation = rotation;
    head.preface = preface;
    return doc;
}

} // namespace

class TestHeadPainter : public QObject
{
    Q_OBJECT

private slots:
    void textStartsAtReferenceCorner_data();
    void textStartsAtReferenceCorner();
    void rotation90ReadsBottomToTop_data();
    void rotation90ReadsBottomToTop();
    void textIsNotMirrored();
    void clippedToPage();
    void printerMarginsKeepPaperPositions();
    void hugeFontsKeepTheirShape_data();
    void hugeFontsKeepTheirShape();
};

void TestHeadPainter::textStartsAtReferenceCorner_data()
{
    QTest::addColumn<int>("zoom");
    QTest::newRow("100") << 100;
    QTest::newRow("150") << 150;
    QTest::newRow("25") << 25;
}

void TestHeadPainter::textStartsAtReferenceCorner()
{
    QFETCH(int, zoom);
    const auto doc = oneHead(1440, -1440, 0);
    const PageToDevice map = screenMapping(zoom);
    const Ink ink = inkOf(render(*doc, map, nullptr, QSize(1400, 1800)));
    const QPointF corner = map.map(1440, -1440);
    // Glyphs start a little right of and below the cell's corner, never before it.
    QVERIFY2(ink.box.left() >= corner.x() - 1 && ink.box.left() <= corner.x() + 4 * zoom / 100.0,
             qPrintable(QStringLiteral("left %1 corner %2").arg(ink.box.left()).arg(corner.x())));
    QVERIFY(ink.box.top() >= corner.y() - 1 && ink.box.top() <= corner.y() + 8 * zoom / 100.0);
    // 21-point text: its ink is about 14 points tall (the digits' height).
    const double points = ink.box.height() / map.scaleY / 20.0;
    QVERIFY2(points > 11 && points < 17, qPrintable(QString::number(points)));
}

void TestHeadPainter::rotation90ReadsBottomToTop_data()
{
    QTest::addColumn<int>("zoom");
    QTest::newRow("100") << 100;
    QTest::newRow("150") << 150;
}

void TestHeadPainter::rotation90ReadsBottomToTop()
{
    QFETCH(int, zoom);
    // "." then heavy "WWWW": the heavy end is the end of the text.
    auto doc = oneHead(4320, -8640, 90, ".");
    doc->heads[0]->zeroPad = 0;
    doc->heads[0]->suffix = "WWWWWW";
    doc->heads[0]->spaceBeforeSuffix = 1;
    const PageToDevice map = screenMapping(zoom);
    const Ink ink = inkOf(render(*doc, map, nullptr, QSize(1400, 1800)));
    const QPointF corner = map.map(4320, -8640);
    QVERIFY(ink.box.height() > 3 * ink.box.width());
    // Turned counter-clockwise about the corner: the text rises from it and
    // lies to its right, its end at the top.
    QVERIFY(ink.box.bottom() <= corner.y() + 2);
    QVERIFY(ink.box.left() >= corner.x() - 2);
    QVERIFY(ink.centre.y() < ink.box.center().y());
}

void TestHeadPainter::textIsNotMirrored()
{
    // Unturned text reads left to right: the heavy suffix is on the right.
    auto doc = oneHead(1440, -1440, 0, ".");
    doc->heads[0]->zeroPad = 0;
    doc->heads[0]->suffix = "WWWWWW";
    const Ink ink = inkOf(render(*doc, screenMapping(100), nullptr, QSize(900, 600)));
    QVERIFY(ink.centre.x() > ink.box.center().x());
    // And upright: most ink of "W" sits in the upper part of its cell? Capitals
    // stand on the baseline, so nothing hangs below the digits' baseline.
    QVERIFY(ink.box.height() < 30);
}

void TestHeadPainter::clippedToPage()
{
    // A head running off the right edge is cut at the page edge.
    const auto doc = oneHead(12240 - 300, -1440, 0);
    const PageToDevice map = screenMapping(100);
    const Ink ink = inkOf(render(*doc, map, nullptr, QSize(1400, 400)));
    QVERIFY(!ink.box.isEmpty());
    QVERIFY(ink.box.right() < map.map(12240, 0).x() + 1);
}

void TestHeadPainter::printerMarginsKeepPaperPositions()
{
    // A quarter-inch margin at 600 dpi: a head at one inch from the paper's
    // corner goes to (1080, -1080) in printable-area twips.
    HEADING head;
    head.x = 1440;
    head.y = -1440;
    const PrinterOffsets margins{150, 150, 600, 600};
    const POINT p = PrintReferencePoint(head, margins);
    QCOMPARE(p.x, 1080);
    QCOMPARE(p.y, -1080);

    // Drawn on a surface whose origin is the printable area, the text starts
    // 450 device pixels in, 600 from the paper's corner.
    const auto doc = oneHead(1440, -1440, 0);
    PageToDevice printable;
    printable.scaleX = printable.scaleY = 600.0 / 1440.0;
    const Ink ink = inkOf(render(*doc, printable, &margins, QSize(2000, 1000)));
    QVERIFY(ink.box.left() >= 449 && ink.box.left() < 470);
    QVERIFY(ink.box.top() >= 449 && ink.box.top() < 500);
}

void TestHeadPainter::hugeFontsKeepTheirShape_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("drawnPoints");
    QTest::newRow("1000") << 1000 << 1000;
    QTest::newRow("1638, the dialog's largest") << 1638 << 1638;
    QTest::newRow("3277") << 3277 << 3277;
    QTest::newRow("6000, beyond what is drawn") << 6000 << 5000;
    QTest::newRow("2^31 - 1") << 2147483647 << 5000;
}

void TestHeadPainter::hugeFontsKeepTheirShape()
{
    // A head of n times 100 points seen at 1/n of the zoom looks like one of
    // 100 points at full size.
    QFETCH(int, points);
    QFETCH(int, drawnPoints);
    const auto render100 = [](int lfPoints, double times) {
        auto doc = oneHead(int(1440 * times), int(-1440 * times), 0, "");
        doc->paperWidth = doc->paperHeight = 1440 * 200;
        doc->heads[0]->font.lfHeight = -lfPoints;
        doc->heads[0]->zeroPad = 0;
        doc->heads[0]->spaceAfterPreface = 0;
        PageToDevice map = screenMapping(100);
        map.scaleX = map.scaleY = map.scaleX / times;
        return inkOf(render(*doc, map, nullptr, QSize(400, 400))).box;
    };
    const QRect expected = render100(100, 1.0);
    const double times = drawnPoints / 100.0;
    const QRect actual = render100(points, times);
    QVERIFY2(!actual.isEmpty(), "nothing drawn");
    for (const auto& [a, e] : {std::pair{actual.left(), expected.left()},
                               {actual.top(), expected.top()},
                               {actual.right(), expected.right()},
                               {actual.bottom(), expected.bottom()}})
        QVERIFY2(qAbs(a - e) <= 2, qPrintable(QStringLiteral("%1 vs %2").arg(a).arg(e)));
}

QTEST_MAIN(TestHeadPainter)
#include "tst_headpainter.moc"
