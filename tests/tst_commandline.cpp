// Reading the command line: every form the shell and the user may pass.
#include "app/CommandLine.h"

#include <QTest>

using Cmd = CommandLineInfo;

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void invalid_data();
    void invalid();
    void printRunOptions();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("command");
    QTest::addColumn<QStringList>("names"); // file, printer, driver, port, output
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("last");

    const auto none = QStringList{QString(), QString(), QString(), QString(), QString()};
    auto names = [](QString file, QString printer = {}, QString driver = {}, QString port = {},
                    QString output = {}) {
        return QStringList{file, printer, driver, port, output};
    };
    const QString t = QStringLiteral("forms.tmt");

    QTest::newRow("nothing") << QStringList{} << int(Cmd::FileNew) << none << 1LL << -1LL;
    QTest::newRow("a file") << QStringList{t} << int(Cmd::FileOpen) << names(t) << 1LL << -1LL;
    QTest::newRow("an absolute path is no switch")
        << QStringList{QStringLiteral("/home/ann/forms.tmt")} << int(Cmd::FileOpen)
        << names(QStringLiteral("/home/ann/forms.tmt")) << 1LL << -1LL;
    QTest::newRow("a file after --") << QStringList{QStringLiteral("--"), QStringLiteral("-odd.tmt")}
                                     << int(Cmd::FileOpen) << names(QStringLiteral("-odd.tmt")) << 1LL
                                     << -1LL;
    QTest::newRow("/p") << QStringList{QStringLiteral("/p"), t} << int(Cmd::FilePrint) << names(t) << 1LL
                        << -1LL;
    QTest::newRow("-p") << QStringList{QStringLiteral("-p"), t} << int(Cmd::FilePrint) << names(t) << 1LL
                        << -1LL;
    QTest::newRow("/P upper case") << QStringList{QStringLiteral("/P"), t} << int(Cmd::FilePrint) << names(t)
                                   << 1LL << -1LL;
    QTest::newRow("file before /p") << QStringList{t, QStringLiteral("/p")} << int(Cmd::FilePrint) << names(t)
                                    << 1LL << -1LL;
    QTest::newRow("/pt all four") << QStringList{QStringLiteral("/pt"), t, QStringLiteral("Office"),
                                                 QStringLiteral("winspool"), QStringLiteral("USB001")}
                                  << int(Cmd::FilePrintTo)
                                  << names(t, QStringLiteral("Office"), QStringLiteral("winspool"),
                                           QStringLiteral("USB001"))
                                  << 1LL << -1LL;
    QTest::newRow("/pt without driver and port")
        << QStringList{QStringLiteral("-pt"), t, QStringLiteral("Office")} << int(Cmd::FilePrintTo)
        << names(t, QStringLiteral("Office")) << 1LL << -1LL;
    QTest::newRow("/dde") << QStringList{QStringLiteral("/dde")} << int(Cmd::FileDde) << none << 1LL << -1LL;
    for (const char* name : {"Register", "Regserver", "RegisterPerUser", "RegserverPerUser"}) {
        QTest::addRow("/%s", name) << QStringList{QLatin1Char('/') + QLatin1String(name)}
                                   << int(Cmd::AppRegister) << none << 1LL << -1LL;
    }
    QTest::newRow("-regserver") << QStringList{QStringLiteral("-regserver")} << int(Cmd::AppRegister) << none
                                << 1LL << -1LL;
    for (const char* name : {"Unregister", "Unregserver", "UnregisterPerUser", "UnregserverPerUser"}) {
        QTest::addRow("/%s", name) << QStringList{QLatin1Char('/') + QLatin1String(name)}
                                   << int(Cmd::AppUnregister) << none << 1LL << -1LL;
    }
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << int(Cmd::ShowHelp) << none << 1LL
                            << -1LL;
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << int(Cmd::ShowVersion) << none
                               << 1LL << -1LL;
    QTest::newRow("--export-pdf") << QStringList{QStringLiteral("--export-pdf"), QStringLiteral("out.pdf"), t}
                                  << int(Cmd::ExportPdf) << names(t, {}, {}, {}, QStringLiteral("out.pdf"))
                                  << 1LL << -1LL;
    QTest::newRow("--export-pdf=, file first")
        << QStringList{t, QStringLiteral("--export-pdf=out.pdf")} << int(Cmd::ExportPdf)
        << names(t, {}, {}, {}, QStringLiteral("out.pdf")) << 1LL << -1LL;
    QTest::newRow("--sheets 5-10") << QStringList{QStringLiteral("/p"), t, QStringLiteral("--sheets"),
                                                  QStringLiteral("5-10")}
                                   << int(Cmd::FilePrint) << names(t) << 5LL << 10LL;
    QTest::newRow("--sheets 7") << QStringList{QStringLiteral("--sheets"), QStringLiteral("7"),
                                               QStringLiteral("/p"), t}
                                << int(Cmd::FilePrint) << names(t) << 7LL << 7LL;
    QTest::newRow("--sheets=3- to the end")
        << QStringList{QStringLiteral("--export-pdf"), QStringLiteral("o.pdf"), t,
                       QStringLiteral("--sheets=3-")}
        << int(Cmd::ExportPdf) << names(t, {}, {}, {}, QStringLiteral("o.pdf")) << 3LL << -1LL;
    const QString o = QStringLiteral("out.pdf");
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << int(Cmd::ShowHelp) << none << 1LL << -1LL;
    QTest::newRow("-V") << QStringList{QStringLiteral("-V")} << int(Cmd::ShowVersion) << none << 1LL << -1LL;
    QTest::newRow("--print") << QStringList{QStringLiteral("--print"), t} << int(Cmd::FilePrint) << names(t)
                             << 1LL << -1LL;
    QTest::newRow("--printer before --print=")
        << QStringList{QStringLiteral("--printer"), QStringLiteral("Office"), QStringLiteral("--print=") + t}
        << int(Cmd::FilePrintTo) << names(t, QStringLiteral("Office")) << 1LL << -1LL;
    QTest::newRow("--sheets, then --export-pdf -")
        << QStringList{QStringLiteral("--sheets"), QStringLiteral("5-9"), QStringLiteral("--export-pdf"),
                       QStringLiteral("-"), t}
        << int(Cmd::ExportPdf) << names(t, {}, {}, {}, QStringLiteral("-")) << 5LL << 9LL;
    QTest::newRow("numbering among the options")
        << QStringList{QStringLiteral("--start=0"),    t,
                       QStringLiteral("--total"),      QStringLiteral("9999999"),
                       QStringLiteral("--export-pdf"), o}
        << int(Cmd::ExportPdf) << names(t, {}, {}, {}, o) << 1LL << -1LL;
    QTest::newRow("--sheets one sheet range")
        << QStringList{QStringLiteral("/p"), t, QStringLiteral("--sheets"), QStringLiteral("4-4")}
        << int(Cmd::FilePrint) << names(t) << 4LL << 4LL;
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, command);
    QFETCH(QStringList, names);
    QFETCH(qint64, first);
    QFETCH(qint64, last);

    const CommandLineInfo info = ParseCommandLine(arguments);
    QCOMPARE(info.error, QString());
    QCOMPARE(int(info.command), command);
    QCOMPARE(info.fileName, names.at(0));
    QCOMPARE(info.printerName, names.at(1));
    QCOMPARE(info.driverName, names.at(2));
    QCOMPARE(info.portName, names.at(3));
    QCOMPARE(info.outputPath, names.at(4));
    QCOMPARE(info.firstSheet, first);
    QCOMPARE(info.lastSheet, last);
}

void TestCommandLine::invalid_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QString t = QStringLiteral("forms.tmt");
    const QString sheets = QStringLiteral("--sheets");
    const QString p = QStringLiteral("/p");

    QTest::newRow("/p without file") << QStringList{p};
    QTest::newRow("/pt without anything") << QStringList{QStringLiteral("/pt")};
    QTest::newRow("/pt without printer") << QStringList{QStringLiteral("/pt"), t};
    QTest::newRow("/pt with too much") << QStringList{QStringLiteral("/pt"), t,
                                                      QStringLiteral("a"),   QStringLiteral("b"),
                                                      QStringLiteral("c"),   QStringLiteral("d")};
    QTest::newRow("two files") << QStringList{t, QStringLiteral("other.tmt")};
    QTest::newRow("unknown dash switch") << QStringList{QStringLiteral("-x"), t};
    QTest::newRow("unknown long option") << QStringList{QStringLiteral("--colour")};
    QTest::newRow("single-dash help is unknown") << QStringList{QStringLiteral("-help")};
    QTest::newRow("/p and /pt") << QStringList{p, QStringLiteral("/pt"), t, QStringLiteral("Office")};
    QTest::newRow("register and print") << QStringList{QStringLiteral("/Register"), p, t};
    QTest::newRow("--export-pdf without output") << QStringList{QStringLiteral("--export-pdf")};
    QTest::newRow("--export-pdf without template")
        << QStringList{QStringLiteral("--export-pdf"), QStringLiteral("out.pdf")};
    QTest::newRow("--sheets without value") << QStringList{p, t, sheets};
    QTest::newRow("--sheets 0-3") << QStringList{p, t, sheets, QStringLiteral("0-3")};
    QTest::newRow("--sheets 10-5") << QStringList{p, t, sheets, QStringLiteral("10-5")};
    QTest::newRow("--sheets letters") << QStringList{p, t, sheets, QStringLiteral("a-b")};
    QTest::newRow("--sheets -5") << QStringList{p, t, sheets, QStringLiteral("-5")};
    QTest::newRow("--sheets 1-2-3") << QStringList{p, t, sheets, QStringLiteral("1-2-3")};
    QTest::newRow("--sheets empty") << QStringList{p, t, QStringLiteral("--sheets=")};
    QTest::newRow("--sheets huge") << QStringList{p, t, sheets, QStringLiteral("1-9999999999999999999")};
    QTest::newRow("--sheets without print run") << QStringList{t, sheets, QStringLiteral("1-2")};
    QTest::newRow("--no-background without print run") << QStringList{t, QStringLiteral("--no-background")};
    const QString e = QStringLiteral("--export-pdf");
    QTest::newRow("--printer with --export-pdf")
        << QStringList{e, QStringLiteral("o.pdf"), t, QStringLiteral("--printer"), QStringLiteral("Office")};
    QTest::newRow("--printer with /pt")
        << QStringList{QStringLiteral("/pt"), t, QStringLiteral("A"), QStringLiteral("--printer=B")};
    QTest::newRow("--printer alone") << QStringList{t, QStringLiteral("--printer"), QStringLiteral("Office")};
    QTest::newRow("--print without template") << QStringList{QStringLiteral("--print")};
    QTest::newRow("--print and a second template") << QStringList{QStringLiteral("--print"), t, t};
    for (const char* wrong : {"--start=9999999", "--total=0", "--total=10000000", "--copies=-1",
                              "--skip=9999999", "--copies=", "--skip=1e3", "--start=99999999999"})
        QTest::addRow("%s", wrong) << QStringList{e, QStringLiteral("o.pdf"), t, QLatin1String(wrong)};
    QTest::newRow("--start without print run") << QStringList{t, QStringLiteral("--start=3")};
    QTest::newRow("--no-background with a value") << QStringList{p, t, QStringLiteral("--no-background=1")};
}

void TestCommandLine::invalid()
{
    QFETCH(QStringList, arguments);
    const CommandLineInfo info = ParseCommandLine(arguments);
    QCOMPARE(int(info.command), int(Cmd::Invalid));
    QVERIFY(!info.error.isEmpty());
    QVERIFY(info.needsNoWindow());
}

void TestCommandLine::printRunOptions()
{
    const CommandLineInfo info = ParseCommandLine(
        {QStringLiteral("/pt"), QStringLiteral("a.tmt"), QStringLiteral("Office"), QStringLiteral("drv"),
         QStringLiteral("port"), QStringLiteral("--sheets"), QStringLiteral("2-9")});
    QVERIFY(info.needsNoWindow());
    const PrintRunOptions options = info.printRunOptions();
    QCOMPARE(options.mode, PrintRunOptions::PrintTo);
    QCOMPARE(options.templatePath, QStringLiteral("a.tmt"));
    QCOMPARE(options.printerName, QStringLiteral("Office"));
    QCOMPARE(options.firstSheet, 2);
    QCOMPARE(options.lastSheet, 9);

    const CommandLineInfo export_ =
        ParseCommandLine({QStringLiteral("--export-pdf"), QStringLiteral("o.pdf"), QStringLiteral("a.tmt")});
    QCOMPARE(export_.printRunOptions().mode, PrintRunOptions::ExportPdf);
    QCOMPARE(export_.printRunOptions().outputPath, QStringLiteral("o.pdf"));
    QCOMPARE(export_.printRunOptions().lastSheet, -1);
    QVERIFY(!export_.printRunOptions().withoutBackground);
    QVERIFY(!info.printRunOptions().withoutBackground);
    for (const QStringList& line :
         {QStringList{QStringLiteral("/p"), QStringLiteral("a.tmt"), QStringLiteral("--no-background")},
          QStringList{QStringLiteral("--No-Background"), QStringLiteral("--export-pdf"),
                      QStringLiteral("o.pdf"), QStringLiteral("a.tmt")}}) {
        const CommandLineInfo plain = ParseCommandLine(line);
        QCOMPARE(plain.error, QString());
        QVERIFY(plain.printRunOptions().withoutBackground);
        QCOMPARE(plain.printRunOptions().templatePath, QStringLiteral("a.tmt"));
    }
    QVERIFY(!ParseCommandLine({QStringLiteral("a.tmt")}).needsNoWindow());

    const PrintRunOptions numbers =
        ParseCommandLine({QStringLiteral("--print"), QStringLiteral("a.tmt"), QStringLiteral("--copies"),
                          QStringLiteral("0"), QStringLiteral("--skip=9999998"), QStringLiteral("--Start=7")})
            .printRunOptions();
    QCOMPARE(numbers.startNumber, std::optional<std::int32_t>(7));
    QCOMPARE(numbers.totalPages, std::nullopt);
    QCOMPARE(numbers.copies, std::optional<std::int32_t>(0));
    QCOMPARE(numbers.skip, std::optional<std::int32_t>(9999998));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
