// The template document: defaults, head list, comparison, copying and the
// sharing of the PDF background between the live document and snapshots.
#include "TestPdf.h"
#include "model/CadenzoDoc.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

using Change = std::function<void(CCadenzoDoc&)>;

std::unique_ptr<CCadenzoDoc> newTemplate()
{
    auto doc = std::make_unique<CCadenzoDoc>(nullptr);
    doc->OnNewDocument();
    return doc;
}

std::unique_ptr<CCadenzoDoc> snapshotOf(const CCadenzoDoc& doc)
{
    auto snap = std::make_unique<CCadenzoDoc>(CCadenzoDoc::SnapshotTag{});
    snap->CopyFrom(doc);
    return snap;
}

void attachLetterPdf(CCadenzoDoc& doc, QColor band = Qt::red)
{
    const QByteArray bytes = testpdf::makePdf({testpdf::letter()}, band);
    doc.pdfLength = std::uint32_t(bytes.size());
    doc.pdfPath = "background.pdf";
    doc.AttachPdf(testpdf::blockFrom(bytes));
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    void newTemplateDefaults();
    void headsArePlacedDiagonally();
    void headListWalk();
    void emptyTemplateIsSafe();
    void comparison_data();
    void comparison();
    void copyFromLetsGoOfOldPdf();
    void copyFromSamePdfKeepsIt();
    void snapshotKeepsClearedPage();
    void deleteContentsKeepsPdfOnlyForNewFromPdf();
    void closePdfReleasesUnreadableBytes();
    void snapshotDefaults();
    void openingTemplateWithoutHeadsGivesMasterHead();
};

void TestDocument::newTemplateDefaults()
{
    const auto doc = newTemplate();
    QCOMPARE(doc->startNumber, 1);
    QCOMPARE(doc->step, 1);
    QCOMPARE(doc->copies, 1);
    QCOMPARE(doc->skip, 0);
    QCOMPARE(doc->totalPages, 10);
    QVERIFY(doc->ascending);
    QCOMPARE(doc->paperWidth, 12240);
    QCOMPARE(doc->paperHeight, 15840);
    QCOMPARE(int(doc->paperSize), 1);
    QCOMPARE(int(doc->orientation), 1);
    QVERIFY(doc->printerName.isEmpty());
    QCOMPARE(doc->GetHeadCount(), 1);
    QCOMPARE(doc->heads[0]->x, 180);
    QCOMPARE(doc->heads[0]->y, -360);
    QVERIFY(!doc->IsModified());
    QVERIFY(!doc->GetPdfPage());
    QCOMPARE(doc->pdfLength, 0u);
}

void TestDocument::headsArePlacedDiagonally()
{
    CCadenzoDoc doc(nullptr);
    QCOMPARE(doc.GetHeadCount(), 0);
    for (int n = 1; n <= 3; ++n) {
        int index = -1;
        const POSITION pos = doc.AddNewHead(nullptr, &index);
        QCOMPARE(index, n - 1);
        QCOMPARE(doc.GetHeadAt(pos)->x, 180 * n);
        QCOMPARE(doc.GetHeadAt(pos)->y, -360 * n);
    }
}

void TestDocument::headListWalk()
{
    CCadenzoDoc doc(nullptr);
    const POSITION a = doc.AddNewHead(nullptr);
    const POSITION b = doc.AddNewHead(nullptr);
    const POSITION c = doc.AddNewHead(nullptr);

    POSITION pos = nullptr;
    QCOMPARE(doc.GetFirstHead(&pos), a);
    QCOMPARE(pos, a);
    QCOMPARE(doc.GetNextHead(&pos), b);
    QCOMPARE(doc.GetNextHead(&pos), c);
    QCOMPARE(doc.GetNextHead(&pos), nullptr);
    QCOMPARE(pos, nullptr);
    QCOMPARE(doc.GetNextHead(), nullptr);

    // A head keeps its position while others go.
    doc.DeleteHead(b);
    QCOMPARE(doc.GetHeadCount(), 2);
    QCOMPARE(doc.GetHeadByIndex(1, &pos), c);
    QCOMPARE(pos, c);
    QCOMPARE(doc.GetHeadIndex(c), 1);
    QCOMPARE(doc.GetHeadIndex(b), -1);
    QCOMPARE(doc.GetHeadByIndex(2), nullptr);
    QCOMPARE(doc.GetHeadByIndex(-1), nullptr);

    int index = -1;
    HEADING source;
    source.seed = 42;
    const POSITION copy = doc.AddHeadCopy(source, &index);
    QCOMPARE(index, 2);
    QCOMPARE(doc.GetHeadAt(copy)->seed, 42);
    QVERIFY(doc.GetHeadAt(copy) != &source);
}

void TestDocument::emptyTemplateIsSafe()
{
    // A template read from an empty file has no heads at all.
    CCadenzoDoc a(nullptr);
    CCadenzoDoc b(nullptr);
    QCOMPARE(a.GetFirstHead(), nullptr);
    QCOMPARE(a.GetNextHead(), nullptr);
    QVERIFY(a.IsEqual(b));
    const auto snap = snapshotOf(a);
    QCOMPARE(snap->GetHeadCount(), 0);
}

void TestDocument::comparison_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("equal");

    auto head = [](std::function<void(HEADING&)> f) {
        return Change([f](CCadenzoDoc& d) { f(*d.heads.back()); });
    };

    QTest::newRow("nothing") << Change([](CCadenzoDoc&) {}) << true;
    QTest::newRow("paperWidth") << Change([](CCadenzoDoc& d) { d.paperWidth++; }) << false;
    QTest::newRow("paperHeight") << Change([](CCadenzoDoc& d) { d.paperHeight++; }) << false;
    QTest::newRow("paperSize") << Change([](CCadenzoDoc& d) { d.paperSize = 9; }) << false;
    QTest::newRow("startNumber") << Change([](CCadenzoDoc& d) { d.startNumber = 5; }) << false;
    QTest::newRow("step") << Change([](CCadenzoDoc& d) { d.step = 2; }) << false;
    QTest::newRow("totalPages") << Change([](CCadenzoDoc& d) { d.totalPages = 11; }) << false;
    QTest::newRow("skip") << Change([](CCadenzoDoc& d) { d.skip = 1; }) << false;
    QTest::newRow("copies") << Change([](CCadenzoDoc& d) { d.copies = 3; }) << false;
    QTest::newRow("ascending") << Change([](CCadenzoDoc& d) { d.ascending = false; }) << false;
    QTest::newRow("orientation") << Change([](CCadenzoDoc& d) { d.orientation = 2; }) << false;
    QTest::newRow("printer case") << Change([](CCadenzoDoc& d) { d.printerName = "office"; }) << false;
    QTest::newRow("pdfPath") << Change([](CCadenzoDoc& d) { d.pdfPath = "x.pdf"; }) << false;
    QTest::newRow("pdfPageNumber") << Change([](CCadenzoDoc& d) { d.pdfPageNumber = 2; }) << false;
    QTest::newRow("pdfLength") << Change([](CCadenzoDoc& d) { d.pdfLength = 3; }) << false;
    QTest::newRow("head added") << Change([](CCadenzoDoc& d) { d.AddNewHead(nullptr); }) << false;
    QTest::newRow("seed") << head([](HEADING& h) { h.seed = 1; }) << false;
    QTest::newRow("x") << head([](HEADING& h) { h.x += 45; }) << false;
    QTest::newRow("y") << head([](HEADING& h) { h.y -= 45; }) << false;
    QTest::newRow("preface") << head([](HEADING& h) { h.preface = "Nr."; }) << false;
    QTest::newRow("spaceAfterPreface") << head([](HEADING& h) { h.spaceAfterPreface = 0; }) << false;
    QTest::newRow("suffix") << head([](HEADING& h) { h.suffix = "-A"; }) << false;
    QTest::newRow("spaceBeforeSuffix") << head([](HEADING& h) { h.spaceBeforeSuffix = 1; }) << false;
    QTest::newRow("zeroPad") << head([](HEADING& h) { h.zeroPad = 0; }) << false;
    QTest::newRow("digits") << head([](HEADING& h) { h.digits = 7; }) << false;
    QTest::newRow("rotation") << head([](HEADING& h) { h.rotation = 90; }) << false;
    QTest::newRow("font underline") << head([](HEADING& h) { h.font.lfUnderline = 1; }) << false;
    QTest::newRow("font byte after name") << head([](HEADING& h) { h.font.lfFaceName[31] = 'x'; }) << false;
    QTest::newRow("font escapement") << head([](HEADING& h) { h.font.lfEscapement = -900; }) << false;
    QTest::newRow("color") << head([](HEADING& h) { h.color = makeRgb(255, 0, 0); }) << false;
    QTest::newRow("bounds") << head([](HEADING& h) { h.bounds = {1, 2, 3, 4}; }) << true;
    QTest::newRow("extent") << head([](HEADING& h) { h.extent = {10, -10}; }) << true;
    QTest::newRow("captionRect") << head([](HEADING& h) { h.captionRect = {1, 1, 2, 0}; }) << true;
    QTest::newRow("modified flag") << Change([](CCadenzoDoc& d) { d.SetModifiedFlag(true); }) << true;
}

void TestDocument::comparison()
{
    QFETCH(Change, change);
    QFETCH(bool, equal);

    const auto doc = newTemplate();
    doc->printerName = "Office";
    doc->AddNewHead(nullptr);
    const auto snap = snapshotOf(*doc);
    QVERIFY(doc->IsEqual(*snap));

    change(*doc);
    QCOMPARE(doc->IsEqual(*snap), equal);
    QCOMPARE(snap->IsEqual(*doc), equal);
}

void TestDocument::copyFromLetsGoOfOldPdf()
{
    const auto live = newTemplate();
    attachLetterPdf(*live, Qt::red);
    QVERIFY(live->GetPdfPage());
    std::weak_ptr<pdf::Document> oldDoc = live->pdfDocument;
    std::weak_ptr<pdf::Page> oldPage = live->pdfPage;
    std::weak_ptr<PdfBlock> oldBytes = live->pdfData;

    auto other = newTemplate();
    attachLetterPdf(*other, Qt::blue);

    // The live document takes the other PDF: nothing else holds the old one.
    live->CopyFrom(*other);
    QVERIFY(oldPage.expired());
    QVERIFY(oldDoc.expired());
    QVERIFY(oldBytes.expired());
    QCOMPARE(live->pdfDocument, other->pdfDocument);
    QCOMPARE(live->pdfPage, other->pdfPage);
    QCOMPARE(live->pdfData, other->pdfData);
    QVERIFY(live->IsEqual(*other));

    // Shared, not duplicated: the source going away leaves the copy usable.
    std::weak_ptr<pdf::Page> shared = other->pdfPage;
    other.reset();
    QVERIFY(!shared.expired());
    QVERIFY(!pdf::RenderPageBitmap(live->GetPdfPage(), 10, 10).isNull());
}

void TestDocument::copyFromSamePdfKeepsIt()
{
    const auto live = newTemplate();
    attachLetterPdf(*live);
    auto snap = snapshotOf(*live);
    std::weak_ptr<pdf::Page> page = live->pdfPage;

    // The live document drops its PDF; the snapshot still holds it.
    live->ClosePdf();
    QVERIFY(!live->GetPdfPage());
    QVERIFY(!page.expired());

    // Undo: the page comes back, the very same handle.
    live->CopyFrom(*snap);
    QCOMPARE(live->GetPdfPage(), page.lock());
    live->CopyFrom(*snap);
    QVERIFY(!page.expired());

    live->ClosePdf();
    snap.reset();
    QVERIFY(page.expired());
}

void TestDocument::snapshotKeepsClearedPage()
{
    const auto live = newTemplate();
    attachLetterPdf(*live);
    const auto snap = snapshotOf(*live);
    live->ClearPdfPage();
    QVERIFY(!live->GetPdfPage());
    QVERIFY(live->pdfDocument);
    QVERIFY(live->pdfLength > 0);
    QVERIFY(!live->IsEqual(*snap));
    live->CopyFrom(*snap);
    QVERIFY(live->GetPdfPage());
}

void TestDocument::deleteContentsKeepsPdfOnlyForNewFromPdf()
{
    const auto doc = newTemplate();
    attachLetterPdf(*doc);
    doc->newFromPdf = true;
    doc->startNumber = 99;
    doc->DeleteContents();
    QVERIFY(doc->GetPdfPage());
    QVERIFY(!doc->newFromPdf);
    QCOMPARE(doc->startNumber, 1);
    QCOMPARE(doc->GetHeadCount(), 0);

    doc->DeleteContents();
    QVERIFY(!doc->GetPdfPage());
    QVERIFY(!doc->pdfDocument);
    QVERIFY(!doc->pdfData);
    QCOMPARE(doc->pdfLength, 0u);
    QVERIFY(doc->pdfPath.isEmpty());
}

void TestDocument::closePdfReleasesUnreadableBytes()
{
    // Bytes that never opened as a PDF are released too.
    CCadenzoDoc doc(nullptr);
    doc.pdfData = std::make_shared<PdfBlock>(4);
    const std::weak_ptr<PdfBlock> bytes = doc.pdfData;
    doc.pdfLength = 4;
    doc.pdfPageNumber = 3;
    doc.ClosePdf();
    QCOMPARE(doc.pdfLength, 0u);
    QCOMPARE(doc.pdfPageNumber, 1);
    QVERIFY(bytes.expired());
}

void TestDocument::snapshotDefaults()
{
    CCadenzoDoc snap{CCadenzoDoc::SnapshotTag{}};
    QVERIFY(snap.isSnapshot);
    QCOMPARE(snap.paperWidth, 0);
    QCOMPARE(snap.paperHeight, 0);
    QCOMPARE(snap.GetHeadCount(), 0);
}

void TestDocument::openingTemplateWithoutHeadsGivesMasterHead()
{
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.tmt"));
    QFile file(empty);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    CCadenzoDoc doc(nullptr);
    QVERIFY(doc.OnOpenDocument(empty));
    QCOMPARE(doc.GetHeadCount(), 1);
    QCOMPARE(doc.heads[0]->x, 180);
    QCOMPARE(doc.heads[0]->y, -360);
    QVERIFY(doc.IsModified());
    QCOMPARE(doc.GetPathName(), empty);
}

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
