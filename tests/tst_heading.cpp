// A head's text and its measured box, with a measurer of fixed extent so that
// the rotation arithmetic is checked to the twip; and the real Qt measurer.
#include "model/FontFromLogFont.h"
#include "model/Heading.h"
#include "model/QtTextMeasurer.h"
#include "model/TextMeasurer.h"

#include <QFontInfo>
#include <QTest>

#include <cmath>
#include <cstring>

namespace {

class FixedMeasurer : public TextMeasurer
{
public:
    FixedMeasurer(int cx, int cy) : size_{cx, cy} {}
    SIZE textExtent(const LOGFONTA& font, const QByteArray& text) override
    {
        lastFont = font;
        lastText = text;
        return size_;
    }
    LOGFONTA lastFont;
    QByteArray lastText;

private:
    SIZE size_;
};

} // namespace

Q_DECLARE_METATYPE(RECT)
Q_DECLARE_METATYPE(SIZE)

class TestHeading : public QObject
{
    Q_OBJECT

private slots:
    void numberText_data();
    void numberText();
    void bounds_data();
    void bounds();
    void measuringKeepsHeightAndSetsEscapement();
    void copyFromCopiesEverything();
    void qtMeasurerUsesPointsAsTwips();
    void qtMeasurerScalesHugeText_data();
    void qtMeasurerScalesHugeText();
    void windowsFacesResolveToMetricTwins_data();
    void windowsFacesResolveToMetricTwins();
};

void TestHeading::numberText_data()
{
    QTest::addColumn<QByteArray>("preface");
    QTest::addColumn<int>("spaceAfterPreface");
    QTest::addColumn<int>("zeroPad");
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("spaceBeforeSuffix");
    QTest::addColumn<QByteArray>("suffix");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("defaults") << QByteArray("No.") << 1 << 1 << 5 << 0 << QByteArray() << 1
                              << QByteArray("No. 00001");
    QTest::newRow("longer than digits")
        << QByteArray("No.") << 1 << 1 << 5 << 0 << QByteArray() << 123456 << QByteArray("No. 123456");
    QTest::newRow("plain with suffix")
        << QByteArray("A") << 0 << 0 << 5 << 1 << QByteArray("x") << 7 << QByteArray("A7 x");
    QTest::newRow("negative padded") << QByteArray() << 0 << 1 << 5 << 0 << QByteArray() << -5
                                     << QByteArray("-0005");
    QTest::newRow("empty preface blank")
        << QByteArray() << 1 << 0 << 5 << 0 << QByteArray() << 3 << QByteArray(" 3");
    QTest::newRow("zero digits") << QByteArray() << 0 << 1 << 0 << 0 << QByteArray() << 42
                                 << QByteArray("42");
    QTest::newRow("negative digits") << QByteArray() << 0 << 1 << -4 << 0 << QByteArray() << 42
                                     << QByteArray("42");
    QTest::newRow("int min") << QByteArray() << 0 << 1 << 12 << 0 << QByteArray() << int(-2147483647 - 1)
                             << QByteArray("-02147483648");
    QTest::newRow("digits int min") << QByteArray() << 0 << 1 << int(-2147483647 - 1) << 0 << QByteArray()
                                    << -7 << QByteArray("-7");
    QTest::newRow("digits near int min") << QByteArray() << 0 << 1 << int(-2147483647 + 9) << 0
                                         << QByteArray() << int(-2147483647 - 1) << QByteArray("-2147483648");
    QTest::newRow("digits int max capped")
        << QByteArray() << 0 << 1 << 2147483647 << 0 << QByteArray() << 1 << QByteArray(254, '0') + "1";
    QTest::newRow("high bytes kept") << QByteArray("\x80\xE9") << 0 << 0 << 5 << 0 << QByteArray("\xFF") << 9
                                     << QByteArray("\x80\xE9"
                                                   "9\xFF");
}

void TestHeading::numberText()
{
    QFETCH(QByteArray, preface);
    QFETCH(int, spaceAfterPreface);
    QFETCH(int, zeroPad);
    QFETCH(int, digits);
    QFETCH(int, spaceBeforeSuffix);
    QFETCH(QByteArray, suffix);
    QFETCH(int, value);
    QFETCH(QByteArray, expected);

    HEADING head;
    head.preface = preface;
    head.spaceAfterPreface = spaceAfterPreface;
    head.zeroPad = zeroPad;
    head.digits = digits;
    head.spaceBeforeSuffix = spaceBeforeSuffix;
    head.suffix = suffix;
    QCOMPARE(head.GetNumberText(value), expected);
}

void TestHeading::bounds_data()
{
    QTest::addColumn<int>("rotation");
    QTest::addColumn<SIZE>("extent");
    QTest::addColumn<RECT>("bounds");

    // Text of 1000 x 300 twips with its reference corner at (1440, -1440).
    QTest::newRow("0") << 0 << SIZE{1000, -300} << RECT{1440, -1440, 2440, -1740};
    QTest::newRow("30") << 30 << SIZE{1016, -759} << RECT{1440, -941, 2456, -1699};
    QTest::newRow("45") << 45 << SIZE{919, -919} << RECT{1440, -734, 2358, -1652};
    QTest::newRow("90") << 90 << SIZE{299, -999} << RECT{1441, -441, 1739, -1439};
    QTest::newRow("120") << 120 << SIZE{759, -1016} << RECT{941, -424, 1699, -1440};
    QTest::newRow("180") << 180 << SIZE{1000, -300} << RECT{440, -1140, 1440, -1440};
    QTest::newRow("270") << 270 << SIZE{299, -999} << RECT{1141, -1441, 1439, -2439};
    // Whole turns and negative angles measure like the angle they draw as.
    QTest::newRow("360") << 360 << SIZE{1000, -300} << RECT{1440, -1440, 2440, -1740};
    QTest::newRow("-30") << -30 << SIZE{1016, -759} << RECT{1290, -1440, 2306, -2198};
    QTest::newRow("330") << 330 << SIZE{1016, -759} << RECT{1290, -1440, 2306, -2198};
}

void TestHeading::bounds()
{
    QFETCH(int, rotation);
    QFETCH(SIZE, extent);
    QFETCH(RECT, bounds);

    FixedMeasurer measurer(1000, 300);
    HEADING head;
    head.x = 1440;
    head.y = -1440;
    head.rotation = rotation;
    const RECT returned = head.CalcBounds(measurer, 1);
    QCOMPARE(head.extent, extent);
    QCOMPARE(head.bounds, bounds);
    QCOMPARE(returned, bounds);
    QVERIFY(head.bounds.top >= head.bounds.bottom);
    QVERIFY(head.bounds.left <= head.bounds.right);
}

void TestHeading::measuringKeepsHeightAndSetsEscapement()
{
    FixedMeasurer measurer(10, 10);
    HEADING head;
    head.rotation = 30;
    head.CalcBounds(measurer, 1);
    QCOMPARE(measurer.lastFont.lfHeight, -420);
    QCOMPARE(measurer.lastText, QByteArray("No. 00001"));
    QCOMPARE(head.font.lfHeight, -21);
    QCOMPARE(head.font.lfEscapement, -300);
    QCOMPARE(head.font.lfOrientation, -300);

    // Extreme values from a damaged file measure without overflow.
    head.rotation = -2147483647 - 1;
    head.x = 2147483647;
    head.font.lfHeight = 2147483647;
    head.CalcBounds(measurer, 1);
    QCOMPARE(head.font.lfHeight, 2147483647);
}

void TestHeading::copyFromCopiesEverything()
{
    HEADING a;
    a.seed = 7;
    a.x = 11;
    a.y = -12;
    a.extent = {3, -4};
    a.bounds = {1, 2, 3, 4};
    a.captionRect = {5, 6, 7, 8};
    a.preface = "P";
    a.spaceAfterPreface = 0;
    a.suffix = "S";
    a.spaceBeforeSuffix = 1;
    a.zeroPad = 0;
    a.digits = 9;
    a.rotation = 45;
    a.font.lfUnderline = 1;
    a.font.lfFaceName[30] = 'z'; // past the terminator: copied too
    a.color = makeRgb(1, 2, 3);

    HEADING b;
    b.CopyFrom(a);
    QCOMPARE(b.seed, 7);
    QCOMPARE(b.extent, a.extent);
    QCOMPARE(b.bounds, a.bounds);
    QCOMPARE(b.captionRect, a.captionRect);
    QCOMPARE(b.preface, QByteArray("P"));
    QCOMPARE(b.suffix, QByteArray("S"));
    QCOMPARE(b.spaceAfterPreface, 0);
    QCOMPARE(b.spaceBeforeSuffix, 1);
    QCOMPARE(b.zeroPad, 0);
    QCOMPARE(b.digits, 9);
    QCOMPARE(b.rotation, 45);
    QVERIFY(logFontBytesEqual(a.font, b.font));
    QCOMPARE(b.color, a.color);
}

void TestHeading::qtMeasurerUsesPointsAsTwips()
{
    // The default head is 21-point bold Times (Liberation Serif): its cell is
    // a little taller than 21 points and "No. 00001" about 5 ems wide.
    QtTextMeasurer measurer;
    HEADING head;
    head.x = 180;
    head.y = -360;
    head.CalcBounds(measurer, 1);
    QVERIFY2(head.extent.cx > 1500 && head.extent.cx < 2500, QByteArray::number(head.extent.cx));
    QVERIFY2(-head.extent.cy >= 420 && -head.extent.cy < 560, QByteArray::number(head.extent.cy));

    // Twice the points, twice the twips, within rounding.
    const SIZE small = head.extent;
    head.font.lfHeight = -42;
    head.CalcBounds(measurer, 1);
    QVERIFY(qAbs(head.extent.cx - 2 * small.cx) <= 2);
    QVERIFY(qAbs(head.extent.cy - 2 * small.cy) <= 2);
}

// Fonts and texts far beyond what Qt's fixed-point layout holds (a damaged
// file can ask for both) still measure in proportion to size and length.
void TestHeading::qtMeasurerScalesHugeText_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("length");
    QTest::newRow("long text") << 21 << 300000;
    QTest::newRow("huge font") << 2000 << 1;
    QTest::newRow("huge font, long text") << 3000 << 1000;
}

void TestHeading::qtMeasurerScalesHugeText()
{
    QFETCH(int, points);
    QFETCH(int, length);
    QtTextMeasurer measurer;
    LOGFONTA font = defaultHeadFont();
    font.lfHeight = -points * 20;
    const SIZE one = measurer.textExtent(font, "W");
    const SIZE many = measurer.textExtent(font, QByteArray(length, 'W'));
    QVERIFY2(one.cy > points * 20 && one.cy < points * 30, QByteArray::number(one.cy));
    QCOMPARE(many.cy, one.cy);
    const double ratio = double(many.cx) / one.cx;
    QVERIFY2(std::abs(ratio - length) <= length * 0.01 + 1, QByteArray::number(many.cx));
}

void TestHeading::windowsFacesResolveToMetricTwins_data()
{
    QTest::addColumn<QByteArray>("face");
    QTest::addColumn<QString>("family");
    QTest::newRow("Times New Roman") << QByteArray("Times New Roman") << QStringLiteral("Liberation Serif");
    QTest::newRow("Arial") << QByteArray("Arial") << QStringLiteral("Liberation Sans");
}

void TestHeading::windowsFacesResolveToMetricTwins()
{
    // Templates made on Windows name Windows fonts; their metric twins keep
    // every measurement and position the same.
    QFETCH(QByteArray, face);
    QFETCH(QString, family);
    LOGFONTA lf = defaultHeadFont();
    setFaceName(lf, face.constData());
    lf.lfHeight = -420;
    QCOMPARE(QFontInfo(fontFromLogFont(lf)).family(), family);
}

QTEST_MAIN(TestHeading)
#include "tst_heading.moc"
