// Importing a PDF page as the template's background: which page is asked for,
// when the page size is taken over, and what failures leave behind.
#include "TestPdf.h"
#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/PdfPageChooser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

class RecordingSink : public MessageSink
{
public:
    QStringList texts;
    MsgAnswer show(const QString& text, MsgButtons, MsgIcon) override
    {
        texts.append(text);
        return MsgAnswer::Ok;
    }
};

// Answers like a user on the import dialog: the default page and size choice
// unless told otherwise. Keeps what it was asked, but not the PDF itself.
class FakeChooser : public PdfPageChooser
{
public:
    bool cancel = false;
    int page = 0;        // 0: the page shown first
    int sizeChoice = -1; // -1: the choice checked first

    int calls = 0;
    bool offered = false;
    PdfPageChoice initial;
    std::weak_ptr<pdf::Document> document;

    bool ChoosePdfPage(const PdfPageRequest& request, PdfPageChoice* choice) override
    {
        ++calls;
        offered = request.allowSizeChoice;
        initial = *choice;
        document = request.document;
        if (cancel)
            return false;
        if (page) {
            choice->pageNumber = page;
            MeasurePdfPage(request.document, page, &choice->pageWidth, &choice->pageHeight);
        }
        if (sizeChoice >= 0)
            choice->sizeChoice = sizeChoice;
        return true;
    }
};

QSizeF letterLandscape()
{
    return QSizeF(792, 612);
}

} // namespace

class TestImportPdf : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    RecordingSink sink_;

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    // A portrait Letter template whose settings differ from the defaults.
    static void prepareTemplate(CCadenzoDoc& doc, int orientation)
    {
        doc.paperWidth = 12240;
        doc.paperHeight = 15840;
        doc.orientation = std::uint16_t(orientation);
        doc.startNumber = 7;
    }

private slots:
    void init()
    {
        sink_.texts.clear();
        setMessageSink(&sink_);
    }
    void cleanup() { setMessageSink(nullptr); }

    void openPdf_data()
    {
        QTest::addColumn<QVector<QSizeF>>("pages");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("newFromPdf");
        QTest::addColumn<int>("answerPage");
        QTest::addColumn<int>("answerSize");
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<int>("initialSize");
        QTest::addColumn<int>("pageNumber");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("newOrientation");
        QTest::addColumn<bool>("reset");

        using testpdf::a4;
        using testpdf::letter;
        const QVector<QSizeF> letter3{letter(), letter(), letter()};
        // clang-format off
        QTest::newRow("matching page: no question")
            << QVector<QSizeF>{letter()} << 1 << false << 0 << -1
            << false << false << 0 << 1 << 12240 << 15840 << 1 << false;
        QTest::newRow("A4 page adopted")
            << QVector<QSizeF>{a4()} << 1 << false << 0 << -1
            << true << true << kSizeChoiceAdopt << 1 << 11900 << 16840 << 1 << true;
        QTest::newRow("A4 page stretched")
            << QVector<QSizeF>{a4()} << 1 << false << 0 << kSizeChoiceResize
            << true << true << kSizeChoiceAdopt << 1 << 12240 << 15840 << 1 << false;
        QTest::newRow("second of three Letter pages")
            << letter3 << 1 << false << 2 << -1
            << true << true << 0 << 2 << 12240 << 15840 << 1 << false;
        QTest::newRow("landscape page adopted")
            << QVector<QSizeF>{letterLandscape()} << 1 << false << 0 << -1
            << true << true << kSizeChoiceAdopt << 1 << 12240 << 15840 << 2 << true;
        QTest::newRow("landscape page on a landscape template")
            << QVector<QSizeF>{letterLandscape()} << 2 << false << 0 << -1
            << false << false << 0 << 1 << 12240 << 15840 << 2 << false;
        QTest::newRow("landscape template, pages to choose from")
            << QVector<QSizeF>{letterLandscape(), letterLandscape()} << 2 << false << 0 << -1
            << true << true << 0 << 1 << 12240 << 15840 << 2 << false;
        QTest::newRow("new template from a landscape page")
            << QVector<QSizeF>{letterLandscape()} << 1 << true << 0 << -1
            << false << false << 0 << 1 << 12240 << 15840 << 2 << false;
        QTest::newRow("new template from the third A4 page")
            << QVector<QSizeF>{letter(), letter(), a4()} << 1 << true << 3 << -1
            << true << false << 0 << 3 << 11900 << 16840 << 1 << false;
        // clang-format on
    }

    void openPdf()
    {
        QFETCH(QVector<QSizeF>, pages);
        QFETCH(int, orientation);
        QFETCH(bool, newFromPdf);
        QFETCH(int, answerPage);
        QFETCH(int, answerSize);

        CCadenzoDoc doc(nullptr);
        prepareTemplate(doc, orientation);
        doc.newFromPdf = newFromPdf;
        FakeChooser chooser;
        chooser.page = answerPage;
        chooser.sizeChoice = answerSize;
        doc.SetPdfPageChooser(&chooser);
        const QByteArray bytes = testpdf::makePdf(pages);
        const QString path = writeFile(QStringLiteral("in.pdf"), bytes);

        QVERIFY(doc.OpenPdf(path, 1));

        QTEST(chooser.calls == 1, "dialog");
        if (chooser.calls) {
            QTEST(chooser.offered, "offered");
            QTEST(chooser.initial.sizeChoice, "initialSize");
            QCOMPARE(chooser.initial.pageNumber, 1);
        }
        QVERIFY(doc.GetPdfPage());
        QCOMPARE(doc.pdfPath, path.toLatin1());
        QCOMPARE(doc.pdfLength, std::uint32_t(bytes.size()));
        QCOMPARE(QByteArray(doc.pdfData->bytes.get(), int(doc.pdfLength)), bytes);
        QTEST(doc.pdfPageNumber, "pageNumber");
        QTEST(doc.paperWidth, "width");
        QTEST(doc.paperHeight, "height");
        QTEST(int(doc.orientation), "newOrientation");
        QFETCH(bool, reset);
        QCOMPARE(doc.startNumber, reset ? 1 : 7);
        QVERIFY(sink_.texts.isEmpty());

        // The page shown is the chosen one: it renders as that page does.
        const QImage shown = pdf::RenderPageBitmap(doc.GetPdfPage(), 102, 132);
        for (int i = 0; i < pages.size(); ++i) {
            const QImage other = pdf::RenderPageBitmap(pdf::LoadPage(doc.pdfDocument, i), 102, 132);
            QCOMPARE(shown == other, i == doc.pdfPageNumber - 1);
        }
    }

    // Whatever goes wrong, the template keeps a usable paper and, unless the
    // user cancelled, the background it had.
    void failures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("pageNumber");
        QTest::addColumn<bool>("newFromPdf");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("backgroundKept");

        const QByteArray a4 = testpdf::makePdf({testpdf::a4()});
        const QString unreadable = QStringLiteral("Unexpected file format.");
        QTest::newRow("missing file")
            << QByteArray() << false << 1 << false << false << QStringLiteral("%1 was not found.") << true;
        QTest::newRow("empty file") << QByteArray() << true << 1 << false << false << unreadable << true;
        QTest::newRow("not a PDF") << QByteArray("%PDF-1.4 nothing else") << true << 1 << false << false
                                   << unreadable << true;
        QTest::newRow("no such page, new template")
            << testpdf::makePdf({testpdf::letter()}) << true << 2 << true << false << unreadable << true;
        QTest::newRow("dialog cancelled") << a4 << true << 1 << false << true << QString() << false;
    }

    void failures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        QFETCH(int, pageNumber);
        QFETCH(bool, newFromPdf);
        QFETCH(bool, cancel);
        QFETCH(QString, message);

        // A template with a Letter background already.
        CCadenzoDoc doc(nullptr);
        prepareTemplate(doc, 1);
        FakeChooser chooser;
        doc.SetPdfPageChooser(&chooser);
        const QString first = writeFile(QStringLiteral("first.pdf"), testpdf::makePdf({testpdf::letter()}));
        QVERIFY(doc.OpenPdf(first, 1));
        const pdf::PageHandle firstPage = doc.GetPdfPage();

        const QString path = dir_.filePath(QStringLiteral("second.pdf"));
        QFile::remove(path);
        if (exists)
            writeFile(QStringLiteral("second.pdf"), bytes);
        chooser.cancel = cancel;
        doc.newFromPdf = newFromPdf;

        QVERIFY(!doc.OpenPdf(path, pageNumber));

        if (message.contains(QLatin1String("%1")))
            message = message.arg(QDir::toNativeSeparators(path));
        QCOMPARE(sink_.texts, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(doc.paperWidth, 12240);
        QCOMPARE(doc.paperHeight, 15840);
        QCOMPARE(doc.startNumber, 7);
        QFETCH(bool, backgroundKept);
        if (backgroundKept) {
            QCOMPARE(doc.GetPdfPage(), firstPage);
            QCOMPARE(doc.pdfPath, first.toLatin1());
        } else {
            QVERIFY(!doc.GetPdfPage());
            QVERIFY(!doc.pdfDocument);
            QCOMPARE(doc.pdfLength, 0u);
            QVERIFY(doc.pdfPath.isEmpty());
        }
        // The PDF being imported is closed again.
        QVERIFY(chooser.document.expired());
    }
};

QTEST_MAIN(TestImportPdf)
#include "tst_importpdf.moc"
