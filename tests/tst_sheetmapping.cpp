// Which number index every sheet of a job carries, and which sheets stay blank.
#include "print/job/SheetMapping.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<int>)

class TestSheetMapping : public QObject
{
    Q_OBJECT

private slots:
    void mapping_data();
    void mapping();
    void largeJobs_data();
    void largeJobs();
    void clampRange_data();
    void clampRange();
};

void TestSheetMapping::mapping_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("skip");
    QTest::addColumn<int>("total");
    QTest::addColumn<qint64>("sheets");
    // Number index of sheets 1, 2, ...; -1 for a blank sheet.
    QTest::addColumn<QList<int>>("indices");

    QTest::newRow("copies 1") << 1 << 0 << 5 << qint64(5) << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("copies 3") << 3 << 0 << 2 << qint64(6) << QList<int>{0, 0, 0, 1, 1, 1};
    QTest::newRow("copies 0 skip 1") << 0 << 1 << 4 << qint64(4) << QList<int>{0, 1, 2, 3};
    QTest::newRow("copies 0 skip 2") << 0 << 2 << 2 << qint64(4) << QList<int>{-1, -1, -1, -1};
    QTest::newRow("copies 2 skip 2 total 2")
        << 2 << 2 << 2 << qint64(8) << QList<int>{0, 0, -1, -1, 1, 1, -1, -1};
    QTest::newRow("copies 2 skip 1 total 3")
        << 2 << 1 << 3 << qint64(9) << QList<int>{0, 0, -1, 1, 1, -1, 2, 2, -1};
    QTest::newRow("no copies no skip") << 0 << 0 << 10 << qint64(0) << QList<int>{};
    QTest::newRow("total 0") << 1 << 0 << 0 << qint64(0) << QList<int>{};
    QTest::newRow("negative total") << 2 << 0 << -3 << qint64(0) << QList<int>{};
    // Both negative would multiply to a positive count of nonsense sheets.
    QTest::newRow("negative group") << -2 << 0 << -3 << qint64(0) << QList<int>{};
    QTest::newRow("negative copies") << -1 << 3 << 2 << qint64(4) << QList<int>{-1, -1, -1, -1};
}

void TestSheetMapping::mapping()
{
    QFETCH(int, copies);
    QFETCH(int, skip);
    QFETCH(int, total);
    QFETCH(qint64, sheets);
    QFETCH(QList<int>, indices);

    const SheetMapping mapping(copies, skip, total);
    QCOMPARE(mapping.sheetCount(), sheets);
    for (int i = 0; i < indices.size(); ++i) {
        const std::optional<std::int32_t> index = mapping.numberIndex(i + 1);
        QCOMPARE(index.value_or(-1), indices[i]);
    }
    // Nothing outside the job.
    QVERIFY(!mapping.numberIndex(0));
    QVERIFY(!mapping.numberIndex(sheets + 1));
}

void TestSheetMapping::largeJobs_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("skip");
    QTest::addColumn<int>("total");
    QTest::addColumn<qint64>("sheets");
    QTest::addColumn<qint64>("sheet");
    QTest::addColumn<int>("index");

    // Past the 16-bit range of a print dialog record.
    QTest::newRow("70000 sheets, last") << 1 << 0 << 70000 << qint64(70000) << qint64(70000) << 69999;
    QTest::newRow("65536th sheet") << 1 << 0 << 70000 << qint64(70000) << qint64(65536) << 65535;
    QTest::newRow("copies 2, sheet 65537") << 2 << 1 << 40000 << qint64(120000) << qint64(65537) << 21845;
    QTest::newRow("copies 2, sheet 65538 blank") << 2 << 1 << 40000 << qint64(120000) << qint64(65538) << -1;
    // Past the 32-bit range: the panel allows 9,999,998 x (9,999,998 + 9,999,998).
    QTest::newRow("2^31 sheets and more") << 9999998 << 9999998 << 9999998 << qint64(199999920000008)
                                          << qint64(199999920000008 - 9999998 - 1) << 9999997;
    QTest::newRow("last of huge job blank")
        << 9999998 << 9999998 << 9999998 << qint64(199999920000008) << qint64(199999920000008) << -1;
}

void TestSheetMapping::largeJobs()
{
    QFETCH(int, copies);
    QFETCH(int, skip);
    QFETCH(int, total);
    QFETCH(qint64, sheets);
    QFETCH(qint64, sheet);
    QFETCH(int, index);
    const SheetMapping mapping(copies, skip, total);
    QCOMPARE(mapping.sheetCount(), sheets);
    QCOMPARE(mapping.numberIndex(sheet).value_or(-1), index);
}

void TestSheetMapping::clampRange_data()
{
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("last");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<qint64>("wantFirst");
    QTest::addColumn<qint64>("wantLast");

    QTest::newRow("whole job") << qint64(1) << qint64(-1) << qint64(30) << qint64(1) << qint64(30);
    QTest::newRow("sub-range") << qint64(5) << qint64(9) << qint64(30) << qint64(5) << qint64(9);
    QTest::newRow("to the end") << qint64(70000) << qint64(-1) << qint64(100000) << qint64(70000)
                                << qint64(100000);
    QTest::newRow("past the end cut") << qint64(25) << qint64(40) << qint64(30) << qint64(25) << qint64(30);
    QTest::newRow("beyond the job") << qint64(31) << qint64(40) << qint64(30) << qint64(31) << qint64(30);
    QTest::newRow("no sheets") << qint64(1) << qint64(-1) << qint64(0) << qint64(1) << qint64(0);
}

void TestSheetMapping::clampRange()
{
    QFETCH(qint64, first);
    QFETCH(qint64, last);
    QFETCH(qint64, count);
    QFETCH(qint64, wantFirst);
    QFETCH(qint64, wantLast);
    const SheetRange range = clampSheetRange(first, last, count);
    QCOMPARE(range.first, wantFirst);
    QCOMPARE(range.last, wantLast);
    QCOMPARE(range.isEmpty(), wantLast < wantFirst);
}

QTEST_APPLESS_MAIN(TestSheetMapping)
#include "tst_sheetmapping.moc"
