// Paper matching, display units and the application's printer selection,
// driven through a printer system that exists only in this test.
#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/PaperList.h"
#include "model/PrinterSelection.h"
#include "model/Units.h"

#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <map>

namespace {

constexpr std::uint16_t kLetter = 1;
constexpr std::uint16_t kLegal = 5;
constexpr std::uint16_t kA4 = 9;
constexpr std::uint16_t kLedger = 4;

PaperList
paperList(std::initializer_list<std::tuple<const char*, std::int32_t, std::int32_t, std::uint16_t>> papers,
          std::uint32_t fields = 0x1)
{
    PaperList list;
    for (const auto& [name, width, height, code] : papers) {
        list.names.append(QByteArray(name));
        list.sizes.append({width, height});
        list.codes.append(code);
    }
    list.count = int(list.sizes.size());
    list.fields = fields;
    return list;
}

PrinterDescription printer(const char* device, std::int16_t paperSize, std::int16_t width,
                           std::int16_t length)
{
    PrinterDescription d;
    d.names.driver = QStringLiteral("Test Driver");
    d.names.device = QLatin1String(device);
    d.names.port = QStringLiteral("LPT1:");
    d.names.defaultFlag = 0;
    d.defaults.orientation = 1;
    d.defaults.paperSize = paperSize;
    d.defaults.paperWidth = width;
    d.defaults.paperLength = length;
    d.defaults.fields = 0x1 | 0x2;
    return d;
}

// Printers by name (case-sensitive, as the spooler compares them); records
// every driver merge it is asked for.
class FakePrinterSystem : public PrinterSystem
{
public:
    QString defaultName;
    std::map<QString, PrinterDescription> printers;
    std::map<QString, PaperList> papers;
    struct Merge
    {
        QString name;
        PrinterSettings settings;
    };
    mutable QVector<Merge> merges;
    mutable QStringList paperQueries;

    QString defaultPrinterName() const override { return defaultName; }
    bool openPrinter(const QString& name, PrinterDescription* description) const override
    {
        const auto it = printers.find(name);
        if (it == printers.end())
            return false;
        if (description)
            *description = it->second;
        return true;
    }
    void mergeSettings(const QString& name, PrinterSettings& settings) const override
    {
        merges.append({name, settings});
    }
    PaperList queryPapers(const QString& device, const QString& port) const override
    {
        paperQueries.append(device + QLatin1Char('|') + port);
        const auto it = papers.find(device);
        return it == papers.end() ? PaperList() : it->second;
    }
};

// Two printers, "Office" (Letter) and "Plotter" (A4), "Office" the default.
FakePrinterSystem officeAndPlotter()
{
    FakePrinterSystem system;
    system.defaultName = QStringLiteral("Office");
    system.printers[QStringLiteral("Office")] = printer("Office", kLetter, 2159, 2794);
    system.printers[QStringLiteral("Plotter")] = printer("Plotter", kA4, 2100, 2970);
    return system;
}

class RecordingSink : public MessageSink
{
public:
    QStringList texts;
    QVector<MsgIcon> icons;
    MsgAnswer show(const QString& text, MsgButtons, MsgIcon icon) override
    {
        texts.append(text);
        icons.append(icon);
        return MsgAnswer::Ok;
    }
};

const QString kMessage116 = QStringLiteral(
    "Warning: The PDF page size is not supported by the selected printer and Print Preview will not be "
    "rendered accurately.\n\nYou must choose the appropriate paper size in the print dialog when printing.");

} // namespace

Q_DECLARE_METATYPE(PaperList)

class TestPaper : public QObject
{
    Q_OBJECT

private slots:
    void driverSizesRoundTrip_data();
    void driverSizesRoundTrip();
    void twipsToDisplay_data();
    void twipsToDisplay();
    void tenthsAreSixteenBit_data();
    void tenthsAreSixteenBit();
    void unknownUnitsIgnored_data();
    void unknownUnitsIgnored();
    void findPaperCode_data();
    void findPaperCode();
    void findPaperCodeStaysInsideArrays();

    void applyTemplatePrinter_data();
    void applyTemplatePrinter();
    void applyWithoutNamesChangesNothing();
    void selectPrinterByName();
    void printerDefaults();
    void loadPaperList_data();
    void loadPaperList();

    void documentMatchesPdfPaper_data();
    void documentMatchesPdfPaper();
    void documentAppliesCustomSize();
    void openingFallsBackToDefaultPrinter_data();
    void openingFallsBackToDefaultPrinter();
};

void TestPaper::driverSizesRoundTrip_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("tenthsWidth");
    QTest::addColumn<int>("tenthsHeight");
    QTest::addColumn<QString>("shownWidth");
    QTest::addColumn<QString>("shownHeight");
    QTest::addColumn<int>("twipsWidth");
    QTest::addColumn<int>("twipsHeight");

    QTest::newRow("Letter in") << int(DisplayUnits::inches) << 2159 << 2794 << QStringLiteral("8.50")
                               << QStringLiteral("11.00") << 12240 << 15840;
    QTest::newRow("Letter mm") << int(DisplayUnits::millimetres) << 2159 << 2794 << QStringLiteral("215.90")
                               << QStringLiteral("279.40") << 12240 << 15840;
    QTest::newRow("A4 in") << int(DisplayUnits::inches) << 2100 << 2970 << QStringLiteral("8.27")
                           << QStringLiteral("11.69") << 11908 << 16833;
    QTest::newRow("A4 mm") << int(DisplayUnits::millimetres) << 2100 << 2970 << QStringLiteral("210.00")
                           << QStringLiteral("297.00") << 11906 << 16838;
    QTest::newRow("Legal in") << int(DisplayUnits::inches) << 2159 << 3556 << QStringLiteral("8.50")
                              << QStringLiteral("14.00") << 12240 << 20160;
    QTest::newRow("Legal mm") << int(DisplayUnits::millimetres) << 2159 << 3556 << QStringLiteral("215.90")
                              << QStringLiteral("355.60") << 12240 << 20160;
}

// The New Template dialog shows a driver size with two decimals and turns the
// shown text back into twips.
void TestPaper::driverSizesRoundTrip()
{
    QFETCH(int, units);
    QFETCH(int, tenthsWidth);
    QFETCH(int, tenthsHeight);
    QFETCH(QString, shownWidth);
    QFETCH(QString, shownHeight);
    QFETCH(int, twipsWidth);
    QFETCH(int, twipsHeight);

    const auto u = DisplayUnits(units);
    const QString w = QString::asprintf("%1.2f", double(TenthsMmToDisplay(tenthsWidth, u)));
    const QString h = QString::asprintf("%1.2f", double(TenthsMmToDisplay(tenthsHeight, u)));
    QCOMPARE(w, shownWidth);
    QCOMPARE(h, shownHeight);
    QCOMPARE(DisplayToTwips(w.toFloat(), u), twipsWidth);
    QCOMPARE(DisplayToTwips(h.toFloat(), u), twipsHeight);
}

void TestPaper::twipsToDisplay_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("twips");
    QTest::addColumn<float>("shown");

    QTest::newRow("1 in") << int(DisplayUnits::inches) << 1440 << 1.0f;
    QTest::newRow("25.4 mm") << int(DisplayUnits::millimetres) << 1440 << 25.4f;
    QTest::newRow("quarter in") << int(DisplayUnits::inches) << -360 << -0.25f;
    QTest::newRow("zero mm") << int(DisplayUnits::millimetres) << 0 << 0.0f;
}

void TestPaper::twipsToDisplay()
{
    QFETCH(int, units);
    QFETCH(int, twips);
    QFETCH(float, shown);

    const auto u = DisplayUnits(units);
    QCOMPARE(TwipsToDisplay(twips, u), shown);
    QCOMPARE(DisplayToTwips(TwipsToDisplay(twips, u), u), twips);
    // In inches the same length shows as such.
    QCOMPARE(TwipsToDisplay(twips, DisplayUnits::inches), float(twips) / 1440.0f);
}

void TestPaper::tenthsAreSixteenBit_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<int>("asInt16");

    QTest::newRow("plain") << 2159 << 2159;
    QTest::newRow("wraps past 32767") << 40000 << 40000 - 65536;
    QTest::newRow("high bits dropped") << 65536 + 2159 << 2159;
    QTest::newRow("int min") << std::numeric_limits<int>::min() << 0;
}

void TestPaper::tenthsAreSixteenBit()
{
    QFETCH(int, tenths);
    QFETCH(int, asInt16);

    QCOMPARE(TenthsMmToDisplay(tenths, DisplayUnits::inches), float(asInt16) / 254.0f);
    QCOMPARE(TenthsMmToDisplay(tenths, DisplayUnits::millimetres), float(asInt16) / 10.0f);
}

void TestPaper::unknownUnitsIgnored_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("zero") << 0;
    QTest::newRow("just below") << int(DisplayUnits::inches) - 1;
    QTest::newRow("just above") << int(DisplayUnits::millimetres) + 1;
    QTest::newRow("negative") << -int(DisplayUnits::inches);
}

void TestPaper::unknownUnitsIgnored()
{
    QFETCH(int, id);
    QVERIFY(!displayUnitsFromId(id));
    QVERIFY(displayUnitsFromId(int(DisplayUnits::millimetres)) == DisplayUnits::millimetres);
    QCOMPARE(DisplayToTwips(25.4f, DisplayUnits::millimetres), 1440);
}

void TestPaper::findPaperCode_data()
{
    QTest::addColumn<PaperList>("list");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<int>("code");

    const PaperList letterA4 = paperList({{"Letter", 2159, 2794, kLetter}, {"A4", 2100, 2970, kA4}});
    const PaperList letterOnly = paperList({{"Letter", 2159, 2794, kLetter}});
    // 10 x 10 inches is 2540 x 2540 tenths exactly: target 6,451,600.
    const PaperList atEdges = paperList({{"below", 1, 6451600 - 64517, 11},
                                         {"above", 1, 6451600 + 64517, 12},
                                         {"low edge", 1, 6451600 - 64516, 13}});
    const PaperList highEdge =
        paperList({{"above", 1, 6451600 + 64517, 12}, {"high edge", 1, 6451600 + 64516, 14}});

    // An A4 PDF page (595.28 x 841.89 pt) as the template holds it.
    const float pdfW = 11905.0f / 1440.0f;
    const float pdfH = 16837.0f / 1440.0f;
    QTest::newRow("A4 PDF finds A4") << letterA4 << pdfW << pdfH << int(kA4);
    QTest::newRow("A4 PDF misses Letter (199,685 away)") << letterOnly << pdfW << pdfH << int(kNoPaperMatch);
    QTest::newRow("landscape page finds portrait paper") << letterA4 << pdfH << pdfW << int(kA4);
    QTest::newRow("Letter") << letterA4 << 8.5f << 11.0f << int(kLetter);
    QTest::newRow("empty list") << PaperList() << 8.5f << 11.0f << int(kNoPaperMatch);
    QTest::newRow("first of equal areas wins")
        << paperList({{"Tabloid", 2794, 4318, 3}, {"Other", 2794, 4318, 77}}) << 11.0f << 17.0f << 3;
    QTest::newRow("landscape-only paper never matches")
        << paperList({{"Ledger", 4318, 2794, kLedger}}) << 17.0f << 11.0f << int(kNoPaperMatch);
    QTest::newRow("landscape-only skipped, next entry found")
        << paperList({{"Ledger", 4318, 2794, kLedger}, {"Tabloid", 2794, 4318, 3}}) << 17.0f << 11.0f << 3;
    QTest::newRow("window low edge inclusive") << atEdges << 10.0f << 10.0f << 13;
    QTest::newRow("window high edge inclusive") << highEdge << 10.0f << 10.0f << 14;
    // 65536 x 65537 wraps to 65536 in 32 bits, next to a 1 x 1 inch target.
    QTest::newRow("huge paper does not wrap into a match")
        << paperList({{"huge", 65536, 65537, 20}}) << 1.0f << 1.0f << int(kNoPaperMatch);
    // 200 in = 50800 tenths, which is -14736 as a 16-bit value.
    QTest::newRow("page size cut to 16 bits")
        << paperList({{"cut", -14736, 254, 21}}) << 200.0f << 1.0f << 21;
    QTest::newRow("out-of-range size counts as 0")
        << paperList({{"zero", 0, 0, 22}}) << 1e30f << std::numeric_limits<float>::quiet_NaN() << 22;
}

void TestPaper::findPaperCode()
{
    QFETCH(PaperList, list);
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(int, code);

    QCOMPARE(int(FindPaperCode(list, width, height)), code);
}

void TestPaper::findPaperCodeStaysInsideArrays()
{
    // A count left over from a driver that reported sizes but no names.
    PaperList list = paperList({{"A4", 2100, 2970, kA4}});
    list.count = 40;
    QCOMPARE(FindPaperCode(list, 8.5f, 11.0f), kNoPaperMatch);
    QCOMPARE(FindPaperCode(list, 11905.0f / 1440.0f, 16837.0f / 1440.0f), kA4);
    list.codes.clear();
    QCOMPARE(FindPaperCode(list, 11905.0f / 1440.0f, 16837.0f / 1440.0f), kNoPaperMatch);
}

void TestPaper::applyTemplatePrinter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("widthTwips");
    QTest::addColumn<int>("heightTwips");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("device"); // selected afterwards
    QTest::addColumn<int>("paperSize");  // written into the settings
    QTest::addColumn<int>("paperWidth");
    QTest::addColumn<int>("paperLength");

    const QString office = QStringLiteral("Office");
    const QString plotter = QStringLiteral("Plotter");
    // The selection starts at "Office" with its paper width altered to 1234:
    // a kept selection shows 1234, a re-selected printer its default 2159.
    QTest::newRow("custom 8.5 x 14 in") << office << 0 << 12240 << 20160 << 1 << office << 0 << 2159 << 3556;
    QTest::newRow("code leaves size alone")
        << office << int(kA4) << 12240 << 20160 << 2 << office << int(kA4) << 1234 << 2794;
    QTest::newRow("code cut to 16 bits")
        << office << 40000 << 0 << 0 << 1 << office << 40000 - 65536 << 1234 << 2794;
    QTest::newRow("A4 PDF as custom size")
        << office << 0 << 11905 << 16837 << 2 << office << 0 << 2099 << 2969;
    QTest::newRow("other printer selected")
        << plotter << int(kLegal) << 12240 << 20160 << 2 << plotter << int(kLegal) << 2100 << 2970;
    QTest::newRow("other printer, custom size")
        << plotter << 0 << 12240 << 15840 << 1 << plotter << 0 << 2159 << 2794;
    QTest::newRow("unknown printer keeps selection")
        << QStringLiteral("Gone") << 0 << 12240 << 20160 << 2 << office << 0 << 2159 << 3556;
    QTest::newRow("names compare case-sensitively")
        << QStringLiteral("office") << int(kLegal) << 0 << 0 << 1 << office << int(kLegal) << 1234 << 2794;
}

void TestPaper::applyTemplatePrinter()
{
    QFETCH(QString, name);
    QFETCH(int, code);
    QFETCH(int, widthTwips);
    QFETCH(int, heightTwips);
    QFETCH(int, orientation);
    QFETCH(QString, device);
    QFETCH(int, paperSize);
    QFETCH(int, paperWidth);
    QFETCH(int, paperLength);

    const FakePrinterSystem system = officeAndPlotter();
    PrinterSelection selection(system);
    selection.selectDefaultPrinter();
    QVERIFY(selection.names());
    std::optional<PrinterSettings> settings = selection.settings();
    settings->paperWidth = 1234;
    selection.setSelection(settings, selection.names());

    selection.ApplyTemplatePrinter(name, std::uint16_t(code), float(widthTwips) / 1440.0f,
                                   float(heightTwips) / 1440.0f, std::uint16_t(orientation));

    QVERIFY(selection.names() && selection.settings());
    QCOMPARE(selection.names()->device, device);
    QCOMPARE(selection.names()->defaultFlag, std::uint16_t(0));
    const PrinterSettings& s = *selection.settings();
    QCOMPARE(int(s.orientation), orientation);
    QCOMPARE(int(s.paperSize), paperSize);
    QCOMPARE(int(s.paperWidth), paperWidth);
    QCOMPARE(int(s.paperLength), paperLength);
    QCOMPARE(s.fields, system.printers.at(device).defaults.fields);

    // The driver sees the finished record under the template's printer name,
    // whether or not that printer could be opened.
    QCOMPARE(system.merges.size(), 1);
    QCOMPARE(system.merges[0].name, name);
    QCOMPARE(int(system.merges[0].settings.paperSize), paperSize);
    QCOMPARE(int(system.merges[0].settings.paperWidth), paperWidth);
}

void TestPaper::applyWithoutNamesChangesNothing()
{
    const FakePrinterSystem system = officeAndPlotter();
    PrinterSelection selection(system);
    selection.ApplyTemplatePrinter(QStringLiteral("Plotter"), 0, 8.5f, 14.0f, 2);
    QVERIFY(!selection.names());
    QVERIFY(!selection.settings());

    // A settings record without names is left alone too.
    PrinterSettings settings;
    settings.paperSize = kA4;
    selection.setSelection(settings, std::nullopt);
    selection.ApplyTemplatePrinter(QStringLiteral("Office"), 0, 8.5f, 14.0f, 2);
    QCOMPARE(int(selection.settings()->paperSize), int(kA4));
    QCOMPARE(int(selection.settings()->orientation), 1);
    QVERIFY(system.merges.isEmpty());

    // Names without settings: the paper has nowhere to go and no merge runs...
    PrinterNames names = system.printers.at(QStringLiteral("Office")).names;
    selection.setSelection(std::nullopt, names);
    selection.ApplyTemplatePrinter(QStringLiteral("Office"), 0, 8.5f, 14.0f, 2);
    QVERIFY(!selection.settings());
    QVERIFY(system.merges.isEmpty());
    // ...until another printer brings its own record.
    selection.ApplyTemplatePrinter(QStringLiteral("Plotter"), 0, 8.5f, 14.0f, 2);
    QVERIFY(selection.settings());
    QCOMPARE(int(selection.settings()->paperLength), 3556);
    QCOMPARE(system.merges.size(), 1);
}

void TestPaper::selectPrinterByName()
{
    FakePrinterSystem system = officeAndPlotter();
    system.printers[QStringLiteral("Plotter")].names.defaultFlag = 1;
    PrinterSelection selection(system);

    selection.SelectPrinterByName(QStringLiteral("Nowhere"));
    QVERIFY(!selection.names());
    QVERIFY(!selection.settings());

    selection.SelectPrinterByName(QStringLiteral("Plotter"));
    QVERIFY(selection.names() && selection.settings());
    QCOMPARE(selection.names()->device, QStringLiteral("Plotter"));
    QCOMPARE(selection.names()->driver, QStringLiteral("Test Driver"));
    QCOMPARE(selection.names()->port, QStringLiteral("LPT1:"));
    QCOMPARE(selection.names()->defaultFlag, std::uint16_t(0));
    QCOMPARE(int(selection.settings()->paperSize), int(kA4));

    selection.SelectPrinterByName(QStringLiteral("Nowhere"));
    QCOMPARE(selection.names()->device, QStringLiteral("Plotter"));
    QCOMPARE(int(selection.settings()->paperSize), int(kA4));
}

void TestPaper::printerDefaults()
{
    FakePrinterSystem system = officeAndPlotter();
    std::optional<PrinterSettings> settings;
    std::optional<PrinterNames> names;

    {
        const NoPrinterSystem none;
        PrinterSelection selection(none);
        selection.GetPrinterDefaults(&settings, &names);
        QVERIFY(!settings);
        QVERIFY(!names);
    }

    PrinterSelection selection(system);
    selection.GetPrinterDefaults(&settings, &names);
    QVERIFY(settings && names);
    QCOMPARE(names->device, QStringLiteral("Office"));

    // While nothing has chosen a printer, a new system default is followed.
    system.defaultName = QStringLiteral("Plotter");
    selection.GetPrinterDefaults(&settings, &names);
    QCOMPARE(names->device, QStringLiteral("Plotter"));

    // A template's printer is not replaced by the system default...
    selection.ApplyTemplatePrinter(QStringLiteral("Office"), kLegal, 8.5f, 14.0f, 2);
    selection.GetPrinterDefaults(&settings, &names);
    QCOMPARE(names->device, QStringLiteral("Office"));
    QCOMPARE(int(settings->paperSize), int(kLegal));
    QCOMPARE(int(settings->orientation), 2);

    // ...not even when that printer has since gone away.
    system.printers.erase(QStringLiteral("Office"));
    selection.GetPrinterDefaults(&settings, &names);
    QCOMPARE(names->device, QStringLiteral("Office"));
    QCOMPARE(int(settings->paperSize), int(kLegal));

    // Either record may be asked for alone.
    selection.GetPrinterDefaults(nullptr, &names);
    QVERIFY(names);
}

void TestPaper::loadPaperList_data()
{
    QTest::addColumn<PaperList>("reported");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("fields");

    const PaperList two = paperList({{"Letter", 2159, 2794, kLetter}, {"A4", 2100, 2970, kA4}}, 0xD);
    PaperList noNames = two;
    noNames.names.clear();
    PaperList noSizes = two;
    noSizes.sizes.clear();
    noSizes.count = 0;
    PaperList negative = two;
    negative.count = -1;
    negative.fields = 0;

    QTest::newRow("replaced") << two << true << 2 << 0xD;
    QTest::newRow("no names: count and mask only") << noNames << false << 2 << 0xD;
    QTest::newRow("no sizes: count and mask only") << noSizes << false << 0 << 0xD;
    QTest::newRow("negative count") << negative << false << -1 << 0;
    QTest::newRow("unknown device") << PaperList() << false << 0 << 0;
}

void TestPaper::loadPaperList()
{
    QFETCH(PaperList, reported);
    QFETCH(bool, replaced);
    QFETCH(int, count);
    QFETCH(int, fields);

    FakePrinterSystem system = officeAndPlotter();
    system.papers[QStringLiteral("Plotter")] = reported;
    const PrinterSelection selection(system);

    PaperList list =
        paperList({{"Old", 1000, 2000, 70}, {"Older", 1100, 2100, 71}, {"Oldest", 1200, 2200, 72}});
    const PaperList old = list;
    selection.LoadPaperList(QStringLiteral("Plotter"), QStringLiteral("LPT1:"), list);
    QCOMPARE(system.paperQueries, QStringList{QStringLiteral("Plotter|LPT1:")});

    const PaperList& expected = replaced ? reported : old;
    QCOMPARE(list.names, expected.names);
    QCOMPARE(list.codes, expected.codes);
    QCOMPARE(list.sizes.size(), expected.sizes.size());
    for (int i = 0; i < list.sizes.size(); ++i) {
        QCOMPARE(list.sizes[i].width, expected.sizes[i].width);
        QCOMPARE(list.sizes[i].height, expected.sizes[i].height);
    }
    QCOMPARE(list.count, count);
    QCOMPARE(int(list.fields), fields);
}

void TestPaper::documentMatchesPdfPaper_data()
{
    QTest::addColumn<PaperList>("papers");
    QTest::addColumn<bool>("withPrinters");
    QTest::addColumn<int>("paperSize");
    QTest::addColumn<bool>("warned");

    const PaperList letterA4 = paperList({{"Letter", 2159, 2794, kLetter}, {"A4", 2100, 2970, kA4}});
    QTest::newRow("A4 found") << letterA4 << true << int(kA4) << false;
    QTest::newRow("Letter only") << paperList({{"Letter", 2159, 2794, kLetter}}) << true << int(kLegal)
                                 << true;
    QTest::newRow("printer without papers") << PaperList() << true << int(kLegal) << true;
    QTest::newRow("no printers at all") << letterA4 << false << int(kLegal) << true;
}

void TestPaper::documentMatchesPdfPaper()
{
    QFETCH(PaperList, papers);
    QFETCH(bool, withPrinters);
    QFETCH(int, paperSize);
    QFETCH(bool, warned);

    FakePrinterSystem system = officeAndPlotter();
    system.papers[QStringLiteral("Office")] = papers;
    PrinterSelection selection(system);
    RecordingSink sink;
    setMessageSink(&sink);

    CCadenzoDoc doc(withPrinters ? &selection : nullptr);
    // An A4 PDF page imported in landscape.
    doc.paperWidth = 11905;
    doc.paperHeight = 16837;
    doc.orientation = 2;
    doc.MatchPaperSize();
    setMessageSink(nullptr);

    QCOMPARE(int(doc.paperSize), paperSize);
    QCOMPARE(doc.paperWidth, 11905);
    QCOMPARE(doc.paperHeight, 16837);
    if (warned) {
        QCOMPARE(sink.texts, QStringList{kMessage116});
        QCOMPARE(sink.icons, QVector<MsgIcon>{MsgIcon::Exclamation});
    } else {
        QVERIFY(sink.texts.isEmpty());
    }
    if (withPrinters)
        QCOMPARE(system.paperQueries, QStringList{QStringLiteral("Office|LPT1:")});
}

void TestPaper::documentAppliesCustomSize()
{
    const FakePrinterSystem system = officeAndPlotter();
    PrinterSelection selection(system);
    selection.selectDefaultPrinter();

    CCadenzoDoc doc(&selection);
    QCOMPARE(doc.printerName, QByteArray("Office"));
    doc.printerName = "Plotter";
    doc.paperSize = 0;
    doc.paperWidth = 11905;
    doc.paperHeight = 16837;
    doc.orientation = 2;
    doc.ApplyPrinterSettings();

    QCOMPARE(selection.names()->device, QStringLiteral("Plotter"));
    QCOMPARE(int(selection.settings()->paperSize), 0);
    QCOMPARE(int(selection.settings()->paperWidth), 2099);
    QCOMPARE(int(selection.settings()->paperLength), 2969);
    QCOMPARE(int(selection.settings()->orientation), 2);
}

void TestPaper::openingFallsBackToDefaultPrinter_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("opened");
    QTest::addColumn<bool>("modified");
    QTest::newRow("printer present") << QByteArray("Plotter") << QByteArray("Plotter") << false;
    QTest::newRow("printer gone") << QByteArray("Gone") << QByteArray("Office") << true;
    QTest::newRow("name case differs") << QByteArray("plotter") << QByteArray("Office") << true;
    QTest::newRow("no name") << QByteArray() << QByteArray("Office") << true;
}

void TestPaper::openingFallsBackToDefaultPrinter()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, opened);
    QFETCH(bool, modified);

    const FakePrinterSystem system = officeAndPlotter();
    PrinterSelection selection(system);
    selection.selectDefaultPrinter();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.tmt"));
    {
        CCadenzoDoc doc(&selection);
        doc.OnNewDocument();
        doc.printerName = stored;
        doc.paperSize = kA4;
        QVERIFY(doc.OnSaveDocument(path));
    }

    CCadenzoDoc doc(&selection);
    QVERIFY(doc.OnOpenDocument(path));
    QCOMPARE(doc.printerName, opened);
    QCOMPARE(doc.IsModified(), modified);
    // The opened template's printer and paper become the application's.
    QCOMPARE(selection.names()->device, QString::fromLatin1(opened));
    QCOMPARE(int(selection.settings()->paperSize), int(kA4));
}

QTEST_GUILESS_MAIN(TestPaper)
#include "tst_paper.moc"
