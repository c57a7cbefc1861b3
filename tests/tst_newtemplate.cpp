// The New Template dialog: its printers and papers, the OK checks and the
// template made from what was chosen. Printers come from a fake system.
#include "RecordingSink.h"
#include "TestPdf.h"

#include "frame/DlgNewTemplate.h"
#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/PrinterSelection.h"
#include "model/StringTable.h"
#include "print/printers/QtPaperSizes.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

constexpr std::uint32_t kTurnAndCustom = 0x1 | 0x4 | 0x8;

PaperList
papers(std::initializer_list<std::tuple<const char*, std::int32_t, std::int32_t, std::uint16_t>> list,
       std::uint32_t fields)
{
    PaperList result;
    for (const auto& [name, width, height, code] : list) {
        result.names.append(QByteArray(name));
        result.sizes.append({width, height});
        result.codes.append(code);
    }
    result.count = int(result.sizes.size());
    result.fields = fields;
    return result;
}

// "Laser" (the default: turns pages, takes custom sizes, and has a paper too
// long to print on) and "Labels" (one paper and custom sizes, never turned),
// in that order.
class TwoPrinterSystem : public PrinterSystem
{
public:
    TwoPrinterSystem()
    {
        papers_[QStringLiteral("Laser")] = papers({{"Letter", 2159, 2794, 1},
                                                   {"A4", 2100, 2970, 9},
                                                   {"Legal", 2159, 3556, 5},
                                                   {"Banner", 2159, 15000, 0x101}},
                                                  kTurnAndCustom);
        papers_[QStringLiteral("Labels")] = papers({{"Label 4x6", 1016, 1524, 0x100}}, 0x4 | 0x8);
    }
    QString defaultPrinterName() const override { return QStringLiteral("Laser"); }
    bool openPrinter(const QString& name, PrinterDescription* description) const override
    {
        if (!papers_.count(name))
            return false;
        if (description) {
            description->names.device = name;
            description->names.port = name.toLower();
        }
        return true;
    }
    void mergeSettings(const QString&, PrinterSettings&) const override {}
    PaperList queryPapers(const QString& device, const QString&) const override
    {
        const auto it = papers_.find(device);
        return it == papers_.end() ? PaperList() : it->second;
    }
    QList<PrinterNames> installedPrinters() const override
    {
        QList<PrinterNames> list;
        for (const char* name : {"Laser", "Labels"}) {
            PrinterDescription description;
            openPrinter(QLatin1String(name), &description);
            list << description.names;
        }
        return list;
    }

private:
    std::map<QString, PaperList> papers_;
};

template <typename T> T* control(QDialog& dialog, const char* name)
{
    T* widget = dialog.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// Custom with the given box texts, then the size choice by its radio button.
void enterSizes(QDialog& dialog, const QString& width, const QString& height, SizeChoice choice)
{
    control<QRadioButton>(dialog, "customRadio1076")->click();
    control<QLineEdit>(dialog, "widthEdit1078")->setText(width);
    control<QLineEdit>(dialog, "heightEdit1077")->setText(height);
    if (choice == SizeChoice::standard)
        control<QRadioButton>(dialog, "standardRadio1074")->click();
    else if (choice == SizeChoice::fromPdf)
        control<QRadioButton>(dialog, "pdfRadio1079")->click();
}

} // namespace

Q_DECLARE_METATYPE(SizeChoice)
Q_DECLARE_METATYPE(DisplayUnits)

class TestNewTemplate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnCurrentPrinter_data();
    void opensOnCurrentPrinter();
    void okValidation_data();
    void okValidation();
    void customSizeInTwips_data();
    void customSizeInTwips();
    void orientationFollowsPrinter_data();
    void orientationFollowsPrinter();
    void printerChangeRefillsPapers();
    void withoutPrinterMakesUsableTemplate_data();
    void withoutPrinterMakesUsableTemplate();
    void fromPdfMatchesChosenPrintersPapers_data();
    void fromPdfMatchesChosenPrintersPapers();

private:
    QString writeFile(const QString& name, const QByteArray& bytes);

    QTemporaryDir dir_;
    RecordingSink sink_;
    TwoPrinterSystem system_;
    std::unique_ptr<PrinterSelection> printers_;
};

void TestNewTemplate::initTestCase()
{
    QVERIFY(dir_.isValid());
}

void TestNewTemplate::init()
{
    sink_ = RecordingSink();
    setMessageSink(&sink_);
    printers_ = std::make_unique<PrinterSelection>(system_);
    printers_->selectDefaultPrinter();
}

void TestNewTemplate::cleanup()
{
    setMessageSink(nullptr);
    QLocale::setDefault(QLocale::c());
}

QString TestNewTemplate::writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestNewTemplate::opensOnCurrentPrinter_data()
{
    QTest::addColumn<DisplayUnits>("units");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::newRow("inches") << DisplayUnits::inches << QStringLiteral("4.00") << QStringLiteral("6.00");
    QTest::newRow("millimetres") << DisplayUnits::millimetres << QStringLiteral("101.60")
                                 << QStringLiteral("152.40");
}

void TestNewTemplate::opensOnCurrentPrinter()
{
    QFETCH(DisplayUnits, units);
    QFETCH(QString, width);
    QFETCH(QString, height);
    // The second printer, made current by a template, is the one chosen.
    printers_->SelectPrinterByName(QStringLiteral("Labels"));

    CDlgNewTemplate dialog(*printers_, units);
    QCOMPARE(control<QComboBox>(dialog, "printerCombo1092")->currentText(), QStringLiteral("Labels"));
    QCOMPARE(control<QComboBox>(dialog, "paperCombo1075")->currentText(), QStringLiteral("Label 4x6"));
    QCOMPARE(control<QLineEdit>(dialog, "widthEdit1078")->text(), width);
    QCOMPARE(control<QLineEdit>(dialog, "heightEdit1077")->text(), height);
    QVERIFY(control<QRadioButton>(dialog, "standardRadio1074")->isChecked());
    QVERIFY(control<QRadioButton>(dialog, "portraitRadio1090")->isChecked());
    QVERIFY(!control<QLineEdit>(dialog, "pathEdit1080")->isEnabled());
}

void TestNewTemplate::okValidation_data()
{
    QTest::addColumn<DisplayUnits>("units");
    QTest::addColumn<SizeChoice>("choice");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("pdf"); // "@name": a file made in the test folder
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus"); // empty: the box at fault is disabled

    const auto in = DisplayUnits::inches;
    const auto mm = DisplayUnits::millimetres;
    const auto standard = SizeChoice::standard;
    const auto custom = SizeChoice::custom;
    const auto fromPdf = SizeChoice::fromPdf;
    const char* height = "heightEdit1077";
    const char* width = "widthEdit1078";
    const char* path = "pathEdit1080";
    const char* noPdf = "The PDF file specified is not a valid PDF pathname.\n\n%1";
    struct Row
    {
        const char* name;
        DisplayUnits units;
        SizeChoice choice;
        const char* width;
        const char* height;
        const char* pdf;
        const char* message;
        const char* focus;
    };
    const Row rows[] = {
        {"height not a number", in, custom, "4", "six", "", "Enter a number.", height},
        {"height checked first", in, custom, "x", "60", "", "Enter a number between 5 and 56.", height},
        {"height below range", in, custom, "4", "4.99", "", "Enter a number between 5 and 56.", height},
        {"width above range", in, custom, "40.01", "6", "", "Enter a number between 3 and 40.", width},
        {"width empty", in, custom, "", "6", "", "Enter a number.", width},
        {"not a finite number", in, custom, "nan", "6", "", "Enter a number.", width},
        {"trailing text", in, custom, "4in", "6", "", "Enter a number.", width},
        {"blanks around", in, custom, " 4 ", "\t6", "", "", ""},
        {"range edges", in, custom, "3", "56", "", "", ""},
        {"mm width bound", mm, custom, "76.1", "200", "", "Enter a number between 76.2 and 1016.", width},
        {"mm height bound", mm, custom, "100", "1423", "", "Enter a number between 127 and 1422.", height},
        {"mm edges", mm, custom, "76.2", "1422", "", "", ""},
        {"standard paper", in, standard, "", "", "", "", ""},
        {"standard paper too long", in, standard, "", "", "", "Enter a number between 5 and 56.", ""},
        {"pdf sizes checked first", in, fromPdf, "2", "6", "", "Enter a number between 3 and 40.", ""},
        {"pdf empty path", in, fromPdf, "4", "6", "", noPdf, path},
        {"pdf missing file", in, fromPdf, "4", "6", "/nonexistent/a.pdf", noPdf, path},
        {"pdf without extension", in, fromPdf, "4", "6", "@form", noPdf, path},
        {"pdf folder", in, fromPdf, "4", "6", "@folder.pdf", noPdf, path},
        {"pdf file", in, fromPdf, "4", "6", "@form.pdf", "", ""},
    };
    for (const Row& row : rows) {
        QTest::newRow(row.name) << row.units << row.choice << QString::fromUtf8(row.width)
                                << QString::fromUtf8(row.height) << QString::fromUtf8(row.pdf)
                                << QString::fromUtf8(row.message) << QString::fromUtf8(row.focus);
    }
}

void TestNewTemplate::okValidation()
{
    QFETCH(DisplayUnits, units);
    QFETCH(SizeChoice, choice);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, pdf);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    QString path = pdf;
    if (pdf.startsWith(QLatin1Char('@'))) {
        path = dir_.filePath(pdf.mid(1));
        if (path.endsWith(QLatin1String("folder.pdf")))
            QVERIFY(QDir().mkpath(path));
        else
            writeFile(pdf.mid(1), testpdf::makePdf({testpdf::letter()}));
    }
    if (message.contains(QLatin1String("%1")))
        message = message.arg(path);

    CDlgNewTemplate dialog(*printers_, units);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    enterSizes(dialog, width, height, choice);
    if (choice == SizeChoice::standard) // Legal, or the banner 59 inches long
        control<QComboBox>(dialog, "paperCombo1075")->setCurrentIndex(message.isEmpty() ? 2 : 3);
    control<QLineEdit>(dialog, "pathEdit1080")->setText(path);
    control<QPushButton>(dialog, "browseButton1081")->setFocus();

    dialog.accept();
    QCOMPARE(sink_.texts, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(dialog.result(), message.isEmpty() ? int(QDialog::Accepted) : int(QDialog::Rejected));
    if (!message.isEmpty()) {
        QCOMPARE(sink_.icons.constFirst(), MsgIcon::Exclamation);
        QVERIFY(dialog.isVisible());
        if (!focus.isEmpty()) {
            auto* edit = control<QLineEdit>(dialog, qPrintable(focus));
            QCOMPARE(QApplication::focusWidget(), edit);
            QCOMPARE(edit->selectedText(), edit->text());
        }
    } else {
        QCOMPARE(dialog.GetSizeChoice(), choice);
        QCOMPARE(dialog.GetPdfPath(), path);
    }
}

void TestNewTemplate::customSizeInTwips_data()
{
    QTest::addColumn<DisplayUnits>("units");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<std::int32_t>("twipsWide");
    QTest::addColumn<std::int32_t>("twipsHigh");

    QTest::newRow("4 x 6 in landscape") << DisplayUnits::inches << "4"
                                        << "6" << true << 5760 << 8640;
    QTest::newRow("A4 in inches") << DisplayUnits::inches << "8.27"
                                  << "11.69" << false << 11908 << 16833;
    QTest::newRow("A4 in mm") << DisplayUnits::millimetres << "210"
                              << "297" << false << 11906 << 16838;
    QTest::newRow("Legal in mm") << DisplayUnits::millimetres << "215.90"
                                 << "355.60" << true << 12240 << 20160;
}

void TestNewTemplate::customSizeInTwips()
{
    QFETCH(DisplayUnits, units);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(bool, landscape);
    QFETCH(std::int32_t, twipsWide);
    QFETCH(std::int32_t, twipsHigh);

    CDlgNewTemplate dialog(*printers_, units);
    enterSizes(dialog, width, height, SizeChoice::custom);
    if (landscape)
        control<QRadioButton>(dialog, "landscapeRadio1091")->click();
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    CCadenzoDoc doc(printers_.get());
    doc.startNumber = 40;
    QVERIFY(ApplyNewTemplateChoice(dialog.choice(), units, doc));
    QVERIFY(doc.OnNewDocument());
    QCOMPARE(doc.paperSize, std::uint16_t(0));
    QCOMPARE(doc.paperWidth, twipsWide);
    QCOMPARE(doc.paperHeight, twipsHigh);
    QCOMPARE(doc.orientation, std::uint16_t(landscape ? 2 : 1));
    QCOMPARE(doc.printerName, QByteArray("Laser"));
    QCOMPARE(doc.startNumber, 1);
    QCOMPARE(doc.GetHeadCount(), 1);
    // The application's printer now prints this paper.
    QCOMPARE(printers_->settings()->paperSize, std::int16_t(0));
    QCOMPARE(printers_->settings()->orientation, std::uint16_t(landscape ? 2 : 1));
}

void TestNewTemplate::orientationFollowsPrinter_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<SizeChoice>("choice");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<std::uint16_t>("orientation");

    QTest::newRow("standard") << "Laser" << SizeChoice::standard << true << std::uint16_t(2);
    QTest::newRow("custom") << "Laser" << SizeChoice::custom << true << std::uint16_t(2);
    QTest::newRow("pdf") << "Laser" << SizeChoice::fromPdf << false << std::uint16_t(2);
    QTest::newRow("never turned") << "Labels" << SizeChoice::custom << false << std::uint16_t(1);
}

void TestNewTemplate::orientationFollowsPrinter()
{
    QFETCH(QString, printer);
    QFETCH(SizeChoice, choice);
    QFETCH(bool, enabled);
    QFETCH(std::uint16_t, orientation);

    CDlgNewTemplate dialog(*printers_, DisplayUnits::inches);
    // Landscape is chosen while the page can still be turned.
    control<QRadioButton>(dialog, "landscapeRadio1091")->click();
    control<QComboBox>(dialog, "printerCombo1092")->setCurrentText(printer);
    enterSizes(dialog, QStringLiteral("4"), QStringLiteral("6"), choice);
    QCOMPARE(control<QGroupBox>(dialog, "orientationGroup1095")->isEnabled(), enabled);
    QCOMPARE(dialog.GetOrientation(), orientation);
}

void TestNewTemplate::printerChangeRefillsPapers()
{
    // A custom size stays custom (code 0) while the boxes follow the first
    // paper of the printer chosen.
    CDlgNewTemplate dialog(*printers_, DisplayUnits::inches);
    enterSizes(dialog, QStringLiteral("4"), QStringLiteral("7"), SizeChoice::custom);
    control<QComboBox>(dialog, "printerCombo1092")->setCurrentText(QStringLiteral("Labels"));
    QVERIFY(control<QRadioButton>(dialog, "customRadio1076")->isChecked());
    dialog.accept();
    const NewTemplateChoice choice = dialog.choice();
    QCOMPARE(choice.paperCode, std::uint16_t(0));
    QCOMPARE(choice.width, 4.0f);
    QCOMPARE(choice.height, 6.0f);
}

void TestNewTemplate::withoutPrinterMakesUsableTemplate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<DisplayUnits>("units");
    QTest::addColumn<std::uint16_t>("code");
    QTest::addColumn<std::int32_t>("width");
    QTest::addColumn<std::int32_t>("height");
    QTest::newRow("US") << "en_US" << DisplayUnits::inches << std::uint16_t(1) << 12240 << 15840;
    QTest::newRow("Europe") << "de_DE" << DisplayUnits::millimetres << std::uint16_t(9) << 11906 << 16838;
}

void TestNewTemplate::withoutPrinterMakesUsableTemplate()
{
    QFETCH(QString, locale);
    QFETCH(DisplayUnits, units);
    QFETCH(std::uint16_t, code);
    QFETCH(std::int32_t, width);
    QFETCH(std::int32_t, height);
    QLocale::setDefault(QLocale(locale));

    const NoPrinterSystem none;
    PrinterSelection printers(none);
    printers.selectDefaultPrinter();
    CDlgNewTemplate dialog(printers, units);
    QCOMPARE(control<QComboBox>(dialog, "printerCombo1092")->count(), 0);
    QVERIFY(control<QRadioButton>(dialog, "customRadio1076")->isEnabled());
    QVERIFY(control<QGroupBox>(dialog, "orientationGroup1095")->isEnabled());
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    CCadenzoDoc doc(&printers);
    QVERIFY(ApplyNewTemplateChoice(dialog.choice(), units, doc));
    QVERIFY(doc.OnNewDocument());
    QCOMPARE(doc.printerName, QByteArray());
    QCOMPARE(doc.paperSize, code);
    QCOMPARE(doc.paperWidth, width);
    QCOMPARE(doc.paperHeight, height);
    QCOMPARE(doc.GetHeadCount(), 1);

    // Every paper offered is portrait, has a paper code and can be confirmed.
    const PaperList common = CommonPapers();
    QCOMPARE(control<QComboBox>(dialog, "paperCombo1075")->count(), common.count);
    for (int i = 0; i < common.count; ++i) {
        const QByteArray name = common.names.at(i);
        QVERIFY2(common.sizes.at(i).width <= common.sizes.at(i).height, name);
        control<QComboBox>(dialog, "paperCombo1075")->setCurrentIndex(i);
        dialog.accept();
        QVERIFY2(sink_.texts.isEmpty(), name);
        QVERIFY2(dialog.choice().paperCode != 0, name);
        QCOMPARE(dialog.choice().paperCode, common.codes.at(i));
    }
}

void TestNewTemplate::fromPdfMatchesChosenPrintersPapers_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<std::uint16_t>("code");
    QTest::addColumn<std::uint16_t>("orientation");
    QTest::addColumn<bool>("warned");

    QTest::newRow("A4 page") << "Laser" << testpdf::a4() << std::uint16_t(9) << std::uint16_t(1) << false;
    QTest::newRow("landscape Legal page")
        << "Laser" << QSizeF(1008, 612) << std::uint16_t(5) << std::uint16_t(2) << false;
    QTest::newRow("A4 on the label printer")
        << "Labels" << testpdf::a4() << std::uint16_t(5) << std::uint16_t(1) << true;
}

void TestNewTemplate::fromPdfMatchesChosenPrintersPapers()
{
    QFETCH(QString, printer);
    QFETCH(QSizeF, page);
    QFETCH(std::uint16_t, code);
    QFETCH(std::uint16_t, orientation);
    QFETCH(bool, warned);

    const QString path = writeFile(QStringLiteral("page.pdf"), testpdf::makePdf({page}));
    CDlgNewTemplate dialog(*printers_, DisplayUnits::inches);
    control<QComboBox>(dialog, "printerCombo1092")->setCurrentText(printer);
    control<QRadioButton>(dialog, "pdfRadio1079")->click();
    control<QLineEdit>(dialog, "pathEdit1080")->setText(path);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    CCadenzoDoc doc(printers_.get());
    QVERIFY(ApplyNewTemplateChoice(dialog.choice(), DisplayUnits::inches, doc));
    QVERIFY(doc.OnNewDocument());
    QCOMPARE(doc.paperSize, code);
    QCOMPARE(doc.orientation, orientation);
    QCOMPARE(doc.printerName, printer.toLatin1());
    QVERIFY(doc.GetPdfPage());
    QCOMPARE(doc.pdfPath, path.toLocal8Bit());
    QCOMPARE(sink_.texts, warned ? QStringList{LoadString(116)} : QStringList());

    // A file that is no PDF leaves the template as it was.
    CCadenzoDoc other(printers_.get());
    NewTemplateChoice broken = dialog.choice();
    broken.pdfPath = writeFile(QStringLiteral("broken.pdf"), QByteArray("not a pdf"));
    QVERIFY(!ApplyNewTemplateChoice(broken, DisplayUnits::inches, other));
    QCOMPARE(other.paperWidth, 12240);
    QVERIFY(!other.newFromPdf);
    QVERIFY(!other.GetPdfPage());
}

QTEST_MAIN(TestNewTemplate)
#include "tst_newtemplate.moc"
