// The printer system over Qt's print support, on whatever printers this
// machine has -- usually none and no print server, which must cost nothing.
#include "model/PrinterSelection.h"
#include "print/printers/QtPrinterSystem.h"

#include <QElapsedTimer>
#include <QPageSize>
#include <QPrinterInfo>
#include <QTest>

namespace {

// Everything here answers from a local query; a hanging server lookup would
// show as a slow test long before the test runner's timeout.
constexpr qint64 kQuickMs = 2000;

} // namespace

class TestQtPrinters : public QObject
{
    Q_OBJECT

private slots:
    void init() { timer_.start(); }
    void cleanup() { QVERIFY2(timer_.elapsed() < kQuickMs, qPrintable(QString::number(timer_.elapsed()))); }

    void unknownPrinter_data();
    void unknownPrinter();
    void defaultPrinter();
    void selectionFollowsSystem();
    void papersOfInstalledPrinters();

private:
    QElapsedTimer timer_;
    QtPrinterSystem system_;
};

void TestQtPrinters::unknownPrinter_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("no such printer") << QStringLiteral("no such printer");
    // An empty name is no printer, not a way to reach the default one.
    QTest::newRow("empty") << QString();
}

void TestQtPrinters::unknownPrinter()
{
    QFETCH(QString, name);

    PrinterDescription description;
    description.names.device = QStringLiteral("untouched");
    QVERIFY(!system_.openPrinter(name, &description));
    QVERIFY(!system_.openPrinter(name, nullptr));
    QCOMPARE(description.names.device, QStringLiteral("untouched"));

    const PaperList papers = system_.queryPapers(name, QString());
    QCOMPARE(papers.count, 0);
    QVERIFY(papers.names.isEmpty());
    QVERIFY(papers.sizes.isEmpty());
    QVERIFY(papers.codes.isEmpty());

    PrinterSettings settings;
    settings.orientation = 7;
    settings.paperSize = 0;
    settings.paperWidth = 2099;
    system_.mergeSettings(name, settings);
    QCOMPARE(int(settings.orientation), 7);
    QCOMPARE(int(settings.paperSize), 0);
    QCOMPARE(int(settings.paperWidth), 2099);
}

void TestQtPrinters::defaultPrinter()
{
    const QString name = system_.defaultPrinterName();
    QCOMPARE(name, QPrinterInfo::defaultPrinterName());
    if (name.isEmpty())
        QSKIP("this machine has no default printer");

    PrinterDescription description;
    QVERIFY(system_.openPrinter(name, &description));
    QCOMPARE(description.names.device, name);
    QVERIFY(!description.names.driver.isEmpty());
    QCOMPARE(description.names.defaultFlag, std::uint16_t(0));
    QCOMPARE(int(description.defaults.orientation), 1);
    QVERIFY(description.defaults.fields & kFieldOrientation);
}

void TestQtPrinters::selectionFollowsSystem()
{
    PrinterSelection selection(system_);
    std::optional<PrinterSettings> settings;
    std::optional<PrinterNames> names;
    selection.GetPrinterDefaults(&settings, &names);

    const QString name = system_.defaultPrinterName();
    QCOMPARE(bool(names), !name.isEmpty());
    QCOMPARE(bool(settings), !name.isEmpty());
    if (names)
        QCOMPARE(names->device, name);

    // A template naming a printer this machine lacks changes nothing here.
    selection.ApplyTemplatePrinter(QStringLiteral("no such printer"), 9, 8.27f, 11.69f, 2);
    QCOMPARE(bool(selection.names()), !name.isEmpty());
    if (selection.settings()) {
        QCOMPARE(int(selection.settings()->paperSize), 9);
        QCOMPARE(int(selection.settings()->orientation), 2);
    }
}

void TestQtPrinters::papersOfInstalledPrinters()
{
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    QStringList installed;
    for (const PrinterNames& printer : system_.installedPrinters())
        installed << printer.device;
    QCOMPARE(installed, printers);
    if (printers.isEmpty())
        QSKIP("this machine has no printers");

    for (const QString& name : printers) {
        const PaperList papers = system_.queryPapers(name, QString());
        QCOMPARE(papers.count, int(papers.sizes.size()));
        QCOMPARE(papers.names.size(), papers.sizes.size());
        QCOMPARE(papers.codes.size(), papers.sizes.size());
        QVERIFY(papers.fields & kFieldOrientation);
        for (int i = 0; i < papers.count; ++i) {
            QVERIFY(papers.names[i].size() < kPaperNameChars);
            QVERIFY(papers.sizes[i].width > 0 && papers.sizes[i].height > 0);
            if (papers.codes[i] == 9) {
                QCOMPARE(papers.sizes[i].width, 2100);
                QCOMPARE(papers.sizes[i].height, 2970);
            }
            QVERIFY(papers.codes[i] != 256);
        }
    }
}

QTEST_MAIN(TestQtPrinters)
#include "tst_qtprinters.moc"
