// Importing a PDF page as the template's background: which page is asked for,
// when the page size is taken over, and what failures leave behind.
#include "HandMadePdf.h"
#include "RecordingSink.h"
#include "TestPdf.h"
#include "TestStrings.h"
#include "app/CadenzoApp.h"
#include "frame/DlgImportPDF.h"
#include "frame/MainFrame.h"
#include "model/BackgroundProblem.h"
#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/PdfPageChooser.h"
#include "view/CadenzoView.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>

namespace {

// Records the messages and gives the queued answers (then OK or Cancel).
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
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // The application's settings and desktop files stay in the test's folder.
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("data"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("config"))));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           dir_.filePath(QStringLiteral("config")));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           dir_.filePath(QStringLiteral("config")));
    }
    void init()
    {
        sink_.texts.clear();
        sink_.answers.clear();
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

    // Whatever goes wrong, or when the user cancels, the template keeps its
    // paper and the background it had.
    void failures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("pageNumber");
        QTest::addColumn<bool>("newFromPdf");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("message");

        const QByteArray a4 = testpdf::makePdf({testpdf::a4()});
        const QString unreadable = QStringLiteral("Unexpected file format.");
        QTest::newRow("missing file")
            << QByteArray() << false << 1 << false << false << QStringLiteral("%1 was not found.");
        QTest::newRow("empty file") << QByteArray() << true << 1 << false << false << unreadable;
        QTest::newRow("not a PDF") << QByteArray("%PDF-1.4 nothing else") << true << 1 << false << false
                                   << unreadable;
        QTest::newRow("no such page, new template")
            << testpdf::makePdf({testpdf::letter()}) << true << 2 << true << false << unreadable;
        QTest::newRow("password-protected")
            << handpdf::passwordPdf() << true << 1 << false << false
            << QStringLiteral(
                   "%1 is protected by a password; only a PDF that opens without one can be imported.");
        handpdf::PageParts crowded;
        crowded.pageExtra = "/Annots [" + QByteArray("5 0 R ").repeated(1000000) + "]";
        crowded.more = {"<< /Type /Annot /Subtype /Square /Rect [0 0 10 10] >>"};
        QTest::newRow("page with a million annotations")
            << handpdf::onePage(crowded) << true << 1 << false << false
            << QStringLiteral("Page 1 of %1 cannot be read.");
        QTest::newRow("dialog cancelled") << a4 << true << 1 << false << true << QString();
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
        QCOMPARE(doc.GetPdfPage(), firstPage);
        QCOMPARE(doc.pdfPath, first.toLatin1());
        // The PDF being imported is closed again.
        QVERIFY(chooser.document.expired());
    }

    // A template whose stored background could not be read takes a good one.
    void importOverUnreadableBackground()
    {
        CCadenzoDoc doc(nullptr);
        prepareTemplate(doc, 1);
        doc.pdfLength = 12;
        doc.AttachPdf(testpdf::blockFrom("not a PDF..."));
        QVERIFY(!BackgroundProblem(doc).isEmpty());

        QVERIFY(doc.OpenPdf(writeFile(QStringLiteral("good.pdf"), testpdf::makePdf({testpdf::letter()})), 1));
        QCOMPARE(BackgroundProblem(doc), QString());
    }

    // The dialog as it opens: what it offers and how it states the sizes.
    void dialogOpens_data()
    {
        QTest::addColumn<QVector<QSizeF>>("pages");
        QTest::addColumn<bool>("millimetres");
        QTest::addColumn<bool>("allow");
        QTest::addColumn<bool>("pageGroup");
        QTest::addColumn<bool>("sizeGroup");
        QTest::addColumn<QString>("sizes");
        QTest::addColumn<QString>("of");

        const QVector<QSizeF> a4{testpdf::a4()};
        QTest::newRow("A4 page, inches")
            << a4 << false << true << false << true << QStringLiteral("(8.26 x 11.69) ... (8.50 x 11.00)")
            << QStringLiteral("of 1");
        QTest::newRow("A4 page, millimetres")
            << a4 << true << true << false << true
            << QStringLiteral("(209.90 x 297.04) ... (215.90 x 279.40)") << QStringLiteral("of 1");
        QTest::newRow("Letter pages")
            << QVector<QSizeF>(3, testpdf::letter()) << false << true << true << false
            << QStringLiteral("(8.50 x 11.00) ... (8.50 x 11.00)") << QStringLiteral("of 3");
        QTest::newRow("new template")
            << QVector<QSizeF>{testpdf::a4(), testpdf::a4()} << false << false << true << false
            << QStringLiteral("(8.26 x 11.69) ... (8.50 x 11.00)") << QStringLiteral("of 2");
    }

    void dialogOpens()
    {
        QFETCH(QVector<QSizeF>, pages);
        QFETCH(bool, millimetres);
        QFETCH(bool, allow);
        const auto block = testpdf::blockFrom(testpdf::makePdf(pages));
        CDlgImportPDF dialog(8.5f, 11.0f, 1, pdf::LoadMemDocument(block),
                             millimetres ? DisplayUnits::millimetres : DisplayUnits::inches);
        dialog.SetAllowSizeChoice(allow);
        dialog.show();

        QTEST(dialog.findChild<QWidget*>(QStringLiteral("group1069"))->isEnabled(), "pageGroup");
        QTEST(dialog.findChild<QLineEdit*>(QStringLiteral("edit1065"))->isEnabled(), "pageGroup");
        QFETCH(bool, sizeGroup);
        QCOMPARE(dialog.findChild<QWidget*>(QStringLiteral("group1068"))->isEnabled(), sizeGroup);
        QCOMPARE(dialog.findChild<QRadioButton*>(QStringLiteral("radio1066"))->isChecked(), sizeGroup);
        QTEST(dialog.findChild<QLabel*>(QStringLiteral("label1071"))->text(), "of");
        const QString text = dialog.findChild<QLabel*>(QStringLiteral("label1070"))->text();
        QFETCH(QString, sizes);
        const QStringList parts = sizes.split(QStringLiteral(" ... "));
        QVERIFY2(text.startsWith(QStringLiteral("The selected page size ") + parts[0] +
                                 QStringLiteral(" does not match the current project page settings ") +
                                 parts[1]),
                 qPrintable(text));
    }

    // Typing a page number: the size choice follows the page, bad numbers
    // are refused with the framework's messages.
    void dialogPageChoice_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("resize");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("sizeChoice");

        const QString between = QStringLiteral("Enter an integer between 1 and 3.");
        QTest::newRow("A4 page") << strings({"2"}) << false << QStringList() << true << 2 << kSizeChoiceAdopt;
        QTest::newRow("A4 page stretched")
            << strings({"2"}) << true << QStringList() << true << 2 << kSizeChoiceResize;
        QTest::newRow("A4 page, then Letter")
            << strings({"2", "3"}) << false << QStringList() << true << 3 << 0;
        QTest::newRow("past the last page")
            << strings({"4"}) << false << QStringList{between, between} << false << 1 << 0;
        QTest::newRow("no number") << strings({""}) << false
                                   << strings({"Enter an integer.", "Enter an integer."}) << false << 1 << 0;
    }

    void dialogPageChoice()
    {
        QFETCH(QStringList, typed);
        QFETCH(bool, resize);
        const auto block =
            testpdf::blockFrom(testpdf::makePdf({testpdf::letter(), testpdf::a4(), testpdf::letter()}));
        CDlgImportPDF dialog(8.5f, 11.0f, 1, pdf::LoadMemDocument(block), DisplayUnits::inches);
        dialog.show();
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("edit1065"));
        for (const QString& text : typed) {
            edit->selectAll();
            if (text.isEmpty())
                QTest::keyClick(edit, Qt::Key_Backspace);
            else
                QTest::keyClicks(edit, text);
        }
        if (resize)
            dialog.findChild<QRadioButton*>(QStringLiteral("radio1067"))->click();
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();

        // Once while typing, once on OK.
        QTEST(sink_.texts, "messages");
        QTEST(dialog.result() == QDialog::Accepted, "accepted");
        QTEST(dialog.GetPageNumber(), "page");
        QTEST(dialog.GetSizeChoice(), "sizeChoice");
    }

    // File > Import PDF... in the window, over a Letter background, with the
    // real dialog answered by OK or Cancel.
    void importCommand_data()
    {
        QTest::addColumn<QVector<QSizeF>>("pages");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer"); // to the save question
        QTest::addColumn<bool>("reject");
        QTest::addColumn<bool>("fileAsked");
        QTest::addColumn<bool>("saveRun");
        QTest::addColumn<int>("heads");
        QTest::addColumn<int>("width");

        const QVector<QSizeF> letter{testpdf::letter()};
        const QVector<QSizeF> a4{testpdf::a4()};
        const int no = int(MsgAnswer::No);
        QTest::newRow("Letter page keeps the heads")
            << letter << false << no << false << true << false << 2 << 12240;
        QTest::newRow("A4 page restarts the heads")
            << a4 << false << no << false << true << false << 1 << 11900;
        QTest::newRow("A4 page cancelled") << a4 << false << no << true << true << false << 2 << 12240;
        QTest::newRow("modified, not saved") << a4 << true << no << false << true << false << 1 << 11900;
        QTest::newRow("modified, saved first")
            << a4 << true << int(MsgAnswer::Yes) << false << false << true << 2 << 12240;
        QTest::newRow("modified, cancelled")
            << a4 << true << int(MsgAnswer::Cancel) << false << false << false << 2 << 12240;
    }

    void importCommand()
    {
        QFETCH(QVector<QSizeF>, pages);
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(bool, reject);
        QFETCH(bool, fileAsked);

        CCadenzoApp app(std::make_unique<NoPrinterSystem>());
        QVERIFY(app.InitInstance(CommandLineInfo()));
        CCadenzoDoc* doc = app.document();
        doc->AddNewHead(nullptr);
        QVERIFY(
            doc->OpenPdf(writeFile(QStringLiteral("before.pdf"), testpdf::makePdf({testpdf::letter()})), 1));
        doc->UpdateAllViews(nullptr, 1);
        doc->SetModifiedFlag(modified);
        sink_.answers.push_back(MsgAnswer(answer));
        const QString path = writeFile(QStringLiteral("import.pdf"), testpdf::makePdf(pages));
        bool asked = false;
        app.setPdfFileChooser([&](const QString&) {
            asked = true;
            return path;
        });
        bool saveRun = false;
        app.setSaveFileChooser([&](const QString&) {
            saveRun = true;
            return QString();
        });
        bool dialogShown = false;
        QTimer::singleShot(0, [&dialogShown, reject] {
            if (auto* dialog = qobject_cast<CDlgImportPDF*>(QApplication::activeModalWidget())) {
                dialogShown = true;
                reject ? dialog->reject() : dialog->accept();
            }
        });

        QVERIFY(app.frame()->action(CMainFrame::kImportPdf)->isEnabled());
        app.frame()->action(CMainFrame::kImportPdf)->trigger();
        QCoreApplication::processEvents();

        if (modified)
            QCOMPARE(sink_.texts.value(0), QStringLiteral("Importing a PDF might reset the project settings. "
                                                          "Do you want to save the current project?"));
        QCOMPARE(asked, fileAsked);
        QTEST(saveRun, "saveRun");
        QCOMPARE(dialogShown, fileAsked && pages.front() != testpdf::letter());
        const bool imported = fileAsked && !reject;
        // A cancelled page choice keeps the background, as ending the import
        // before the file dialog does.
        const QString background = imported ? path : dir_.filePath(QStringLiteral("before.pdf"));
        QCOMPARE(doc->pdfPath, background.toLatin1());
        QVERIFY(doc->GetPdfPage());
        QTEST(doc->GetHeadCount(), "heads");
        QTEST(doc->paperWidth, "width");
        // No printer has that paper.
        QCOMPARE(doc->paperSize, imported ? kUnmatchedPdfPaperCode : std::uint16_t(1));
        QCOMPARE(doc->IsModified(), modified || imported);
        // The window shows the background the template has, once rendered.
        CCadenzoView* view = app.frame()->view();
        QTRY_VERIFY(!view->pdfScreenImage().isNull());

        // The import is one undo step.
        if (imported) {
            view->OnEditUndo();
            QCOMPARE(doc->pdfPath, dir_.filePath(QStringLiteral("before.pdf")).toLatin1());
            QVERIFY(doc->GetPdfPage());
            QCOMPARE(doc->GetHeadCount(), 2);
            QCOMPARE(doc->paperWidth, 12240);
        }
    }
};

QTEST_MAIN(TestImportPdf)
#include "tst_importpdf.moc"
