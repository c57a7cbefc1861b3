// The numbers a job prints: ascending, descending with its single-precision
// steps, seeds, and 32-bit wrap-around.
#include "model/CadenzoDoc.h"

#include <QTest>

#include <limits>

class TestNumbering : public QObject
{
    Q_OBJECT

private slots:
    void headNumber_data();
    void headNumber();
    void totalSheets_data();
    void totalSheets();
};

void TestNumbering::headNumber_data()
{
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("skip");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("seed");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("expected");

    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();

    QTest::newRow("asc first") << true << 1 << 1 << 1 << 0 << 10 << 0 << 0 << 1;
    QTest::newRow("asc second") << true << 1 << 1 << 1 << 0 << 10 << 0 << 1 << 2;
    QTest::newRow("asc last") << true << 1 << 1 << 1 << 0 << 10 << 0 << 9 << 10;
    QTest::newRow("asc seed") << true << 1 << 1 << 1 << 0 << 10 << 100 << 9 << 110;
    QTest::newRow("asc step 5") << true << 1000 << 5 << 1 << 0 << 10 << 0 << 3 << 1015;
    QTest::newRow("asc negative step") << true << 0 << -3 << 1 << 0 << 10 << 0 << 4 << -12;
    QTest::newRow("desc first") << false << 1 << 1 << 1 << 0 << 10 << 0 << 0 << 10;
    QTest::newRow("desc second") << false << 1 << 1 << 1 << 0 << 10 << 0 << 1 << 9;
    QTest::newRow("desc last") << false << 1 << 1 << 1 << 0 << 10 << 0 << 9 << 1;
    QTest::newRow("desc seed") << false << 1 << 1 << 1 << 0 << 10 << 100 << 0 << 110;
    // E = 9, N = ceil(9 / 3 - 0.5) = 3.
    QTest::newRow("desc E=9 i0") << false << 5 << 2 << 2 << 1 << 3 << 0 << 0 << 9;
    QTest::newRow("desc E=9 i1") << false << 5 << 2 << 2 << 1 << 3 << 0 << 1 << 7;
    QTest::newRow("desc E=9 i2") << false << 5 << 2 << 2 << 1 << 3 << 0 << 2 << 5;
    // Single precision: 16777217 sheets become 16777216 as a float, and the
    // ceiling of 16777216 - 0.5 in float is 16777216 again.
    QTest::newRow("desc float rounding") << false << 0 << 1 << 1 << 0 << 16777217 << 0 << 0 << 16777215;
    QTest::newRow("wrap asc at max") << true << kMax << 1 << 1 << 0 << 10 << 0 << 1 << kMin;
    QTest::newRow("wrap seed at max") << true << kMax << 1 << 1 << 0 << 10 << 1 << 0 << kMin;
    QTest::newRow("wrap step product") << true << 0 << 65536 << 1 << 0 << 10 << 0 << 65536 << 0;
    QTest::newRow("wrap min minus") << true << kMin << -1 << 1 << 0 << 10 << 0 << 1 << kMax;
    QTest::newRow("desc wrap at max") << false << kMax << 1 << 1 << 0 << 2 << 0 << 0 << kMin;
    // A group of no sheets still gives a defined number: the count of numbers.
    QTest::newRow("desc copies+skip 0") << false << 1 << 1 << 0 << 0 << 10 << 0 << 0 << 10;
    QTest::newRow("desc copies -1 skip 1") << false << 1 << 1 << -1 << 1 << 10 << 0 << 9 << 1;
    // E wraps: 65536 * 65536 = 0 sheets, q = -0.5, N = 0, k = -1.
    QTest::newRow("desc E wraps to 0") << false << 10 << 1 << 65536 << 0 << 65536 << 0 << 0 << 9;
    // N - i - 1 outside 32 bits: the conversion gives INT_MIN, times step 1.
    QTest::newRow("desc k out of range") << false << 0 << 1 << 1 << 0 << 10 << 0 << kMin << kMin;
}

void TestNumbering::headNumber()
{
    QFETCH(bool, ascending);
    QFETCH(int, start);
    QFETCH(int, step);
    QFETCH(int, copies);
    QFETCH(int, skip);
    QFETCH(int, total);
    QFETCH(int, seed);
    QFETCH(int, index);
    QFETCH(int, expected);

    CCadenzoDoc doc(nullptr);
    doc.ascending = ascending;
    doc.startNumber = start;
    doc.step = step;
    doc.copies = copies;
    doc.skip = skip;
    doc.totalPages = total;
    HEADING head;
    head.seed = seed;
    QCOMPARE(doc.GetHeadNumber(index, head), expected);
    QCOMPARE(doc.CalcNumber(start, step, index, seed), expected);
}

void TestNumbering::totalSheets_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("skip");
    QTest::addColumn<int>("total");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("defaults") << 1 << 0 << 10 << qint64(10);
    QTest::newRow("copies 2 skip 1") << 2 << 1 << 10 << qint64(30);
    QTest::newRow("copies 0 skip 0") << 0 << 0 << 10 << qint64(0);
    QTest::newRow("beyond 32 bits") << 65536 << 0 << 65536 << (qint64(1) << 32);
    QTest::newRow("group wraps negative") << std::numeric_limits<int>::max() << 1 << 2 << qint64(0);
    QTest::newRow("no total") << 1 << 0 << -5 << qint64(0);
}

void TestNumbering::totalSheets()
{
    QFETCH(int, copies);
    QFETCH(int, skip);
    QFETCH(int, total);
    QFETCH(qint64, expected);
    CCadenzoDoc doc(nullptr);
    doc.copies = copies;
    doc.skip = skip;
    doc.totalPages = total;
    QCOMPARE(doc.GetTotalSheets(), expected);
}

QTEST_GUILESS_MAIN(TestNumbering)
#include "tst_numbering.moc"
