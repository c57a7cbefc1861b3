// The PDF calls the program relies on: load from memory, count, pages by
// index, sizes in points, stretched white-backed BGRX rendering, and handles
// that stay usable while anyone holds them.
#include "TestPdf.h"

#include <QTest>

class TestPdfLibrary : public QObject
{
    Q_OBJECT

private slots:
    void loadsAndMeasuresTwoPages();
    void pageIndexOutOfRange_data();
    void pageIndexOutOfRange();
    void rejectsWhatIsNotAPdf_data();
    void rejectsWhatIsNotAPdf();
    void rendersStretchedOverWhite();
    void renderRejectsEmptySizes();
    void handlesKeepTheirBytesAlive();
};

void TestPdfLibrary::loadsAndMeasuresTwoPages()
{
    const auto block = testpdf::blockFrom(testpdf::makePdf({testpdf::letter(), QSizeF(792, 612)}));
    const pdf::DocumentHandle doc = pdf::LoadMemDocument(block);
    QVERIFY(doc);
    QCOMPARE(pdf::GetPageCount(doc), 2);
    const pdf::PageHandle first = pdf::LoadPage(doc, 0);
    const pdf::PageHandle second = pdf::LoadPage(doc, 1);
    QVERIFY(first && second);
    QCOMPARE(pdf::GetPageWidth(first), 612.0);
    QCOMPARE(pdf::GetPageHeight(first), 792.0);
    QCOMPARE(pdf::GetPageWidth(second), 792.0);
    QCOMPARE(pdf::GetPageHeight(second), 612.0);
}

void TestPdfLibrary::pageIndexOutOfRange_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("count") << 2;
    QTest::newRow("int min") << int(-2147483647 - 1);
    QTest::newRow("int max") << 2147483647;
}

void TestPdfLibrary::pageIndexOutOfRange()
{
    QFETCH(int, index);
    const auto doc =
        pdf::LoadMemDocument(testpdf::blockFrom(testpdf::makePdf({testpdf::a4(), testpdf::a4()})));
    QVERIFY(doc);
    QVERIFY(!pdf::LoadPage(doc, index));
    QVERIFY(!pdf::LoadPage(nullptr, 0));
}

void TestPdfLibrary::rejectsWhatIsNotAPdf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("text") << QByteArray("hello, this is no pdf at all");
    QTest::newRow("zeros") << QByteArray(4096, '\0');
    QTest::newRow("header only") << QByteArray("%PDF-1.4\n");
}

void TestPdfLibrary::rejectsWhatIsNotAPdf()
{
    QFETCH(QByteArray, bytes);
    const pdf::DocumentHandle doc = pdf::LoadMemDocument(testpdf::blockFrom(bytes));
    // Either no document, or one without a page to show.
    QVERIFY(!doc || !pdf::LoadPage(doc, 0));
    QVERIFY(!pdf::LoadMemDocument(nullptr));
    QCOMPARE(pdf::GetPageCount(nullptr), 0);
}

void TestPdfLibrary::rendersStretchedOverWhite()
{
    // Page 1 of a Letter PDF has a red band over its top half; rendered into a
    // square it must still fill the top half of the square.
    const auto doc = pdf::LoadMemDocument(testpdf::blockFrom(testpdf::makePdf({testpdf::letter()})));
    const pdf::PageHandle page = pdf::LoadPage(doc, 0);
    const QImage image = pdf::RenderPageBitmap(page, 300, 300);
    QCOMPARE(image.size(), QSize(300, 300));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.pixel(150, 20) & 0xFFFFFF, 0xFF0000u);
    QCOMPARE(image.pixel(150, 140) & 0xFFFFFF, 0xFF0000u);
    QCOMPARE(image.pixel(150, 160) & 0xFFFFFF, 0xFFFFFFu);
    QCOMPARE(image.pixel(5, 295) & 0xFFFFFF, 0xFFFFFFu);

    // Memory order blue, green, red, unused.
    const uchar* px = image.constScanLine(20) + 150 * 4;
    QCOMPARE(int(px[0]), 0);
    QCOMPARE(int(px[1]), 0);
    QCOMPARE(int(px[2]), 255);

    const QImage wide = pdf::RenderPageBitmap(page, 1000, 50);
    QCOMPARE(wide.size(), QSize(1000, 50));
    QCOMPARE(wide.pixel(990, 10) & 0xFFFFFF, 0xFF0000u);
    QCOMPARE(wide.pixel(990, 40) & 0xFFFFFF, 0xFFFFFFu);
}

void TestPdfLibrary::renderRejectsEmptySizes()
{
    const auto doc = pdf::LoadMemDocument(testpdf::blockFrom(testpdf::makePdf({testpdf::letter()})));
    const pdf::PageHandle page = pdf::LoadPage(doc, 0);
    QVERIFY(pdf::RenderPageBitmap(page, 0, 100).isNull());
    QVERIFY(pdf::RenderPageBitmap(page, 100, -1).isNull());
    QVERIFY(pdf::RenderPageBitmap(nullptr, 100, 100).isNull());
}

void TestPdfLibrary::handlesKeepTheirBytesAlive()
{
    std::weak_ptr<PdfBlock> watchBlock;
    std::weak_ptr<pdf::Document> watchDoc;
    pdf::PageHandle page;
    {
        auto block = testpdf::blockFrom(testpdf::makePdf({testpdf::letter()}));
        watchBlock = block;
        auto doc = pdf::LoadMemDocument(block);
        watchDoc = doc;
        page = pdf::LoadPage(doc, 0);
    }
    // Only the page is held: it keeps its document and bytes, and renders.
    QVERIFY(!watchDoc.expired());
    QVERIFY(!watchBlock.expired());
    QVERIFY(!pdf::RenderPageBitmap(page, 20, 20).isNull());
    page.reset();
    QVERIFY(watchDoc.expired());
    QVERIFY(watchBlock.expired());
}

QTEST_MAIN(TestPdfLibrary)
#include "tst_pdflibrary.moc"
