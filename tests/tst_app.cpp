// The application shell: start-up, the file commands with the save prompt,
// the recent files, the data folder, the About box and the desktop
// registration. Settings and data live in a temporary folder.
#include "app/AboutDlg.h"
#include "app/CadenzoApp.h"
#include "app/DataFolder.h"
#include "app/MessageBoxSink.h"
#include "app/PreferenceStore.h"
#include "app/ShellRegistration.h"
#include "app/UserGuide.h"
#include "frame/DlgNewTemplate.h"
#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/Preferences.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <deque>

namespace {

struct Shown
{
    QString text;
    MsgButtons buttons;
    MsgIcon icon;
};

// Records every message and gives the queued answers (OK, then No / Cancel
// when nothing is queued).
class RecordingSink : public MessageSink
{
public:
    MsgAnswer show(const QString& text, MsgButtons buttons, MsgIcon icon) override
    {
        shown.push_back({text, buttons, icon});
        if (!answers.empty()) {
            const MsgAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
    QStringList texts() const
    {
        QStringList list;
        for (const Shown& s : shown)
            list << s.text;
        return list;
    }

    std::vector<Shown> shown;
    std::deque<MsgAnswer> answers;
};

// One printer, "Office", the default: templates saved here open unmodified.
class OnePrinterSystem : public PrinterSystem
{
public:
    QString defaultPrinterName() const override { return QStringLiteral("Office"); }
    bool openPrinter(const QString& name, PrinterDescription* description) const override
    {
        if (name != defaultPrinterName())
            return false;
        if (description) {
            description->names.device = name;
            description->names.driver = QStringLiteral("ipp");
            description->names.port = QStringLiteral("office");
            description->defaults.paperSize = 1;
            description->defaults.fields = 0x2; // paper size
        }
        return true;
    }
    void mergeSettings(const QString&, PrinterSettings&) const override {}
    PaperList queryPapers(const QString&, const QString&) const override { return PaperList(); }
};

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// Catches what the About box asks the desktop to open.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsWithDefaultTemplate();
    void savePrompt_data();
    void savePrompt();
    void newTemplateCancelledKeepsTemplate();
    void exitAsksToo();
    void saveAsAddsExtensionAndTitle();
    void saveWithPathSkipsDialog();
    void damagedFileLeavesUsableWindow();
    void missingFileKeepsTemplate();
    void recentFiles();
    void recentFilesStoredAndLoaded();
    void droppedFilesOpenInTurn();
    void commandLineFile();
    void commandLineMissingFileEnds();
    void dataFolderFailure();
    void preferencesWhenChanged_data();
    void preferencesWhenChanged();
    void preferencesAtExit();
    void aboutBox();
    void messageInFrontOfPendingProgress_data();
    void messageInFrontOfPendingProgress();
    void registration();
    void registrationExecQuoting_data();
    void registrationExecQuoting();
    void unregisterCommand();
    void systemEntriesCover_data();
    void systemEntriesCover();
    void installedProgramWritesNoUserEntries();
    void installedFilesName_data();
    void installedFilesName();

private:
    std::unique_ptr<CCadenzoApp> startApp(const QStringList& arguments = {});
    QString file(const QString& name) const { return work_->filePath(name); }
    // Saves the app's template as name through Save As.
    void saveAs(CCadenzoApp& app, const QString& name);

    QTemporaryDir dir_;
    std::unique_ptr<QTemporaryDir> work_;
    RecordingSink sink_;
};

void TestApp::initTestCase()
{
    QVERIFY(dir_.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("config"))));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       dir_.filePath(QStringLiteral("config")));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.filePath(QStringLiteral("config")));
    setMessageSink(&sink_);
}

void TestApp::init()
{
    // Every test starts in an empty folder.
    work_ = std::make_unique<QTemporaryDir>();
    QVERIFY(work_->isValid());
    CCadenzoApp::OpenSettings()->clear();
    sink_.shown.clear();
    sink_.answers.clear();
}

void TestApp::cleanup()
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("data"))));
}

std::unique_ptr<CCadenzoApp> TestApp::startApp(const QStringList& arguments)
{
    auto app = std::make_unique<CCadenzoApp>(std::make_unique<OnePrinterSystem>());
    // File > New confirms the New Template dialog as it opens.
    app->setNewTemplateRunner([](CDlgNewTemplate& dialog) {
        dialog.accept();
        return dialog.result();
    });
    if (!app->InitInstance(ParseCommandLine(arguments)))
        return nullptr;
    return app;
}

void TestApp::saveAs(CCadenzoApp& app, const QString& name)
{
    app.setSaveFileChooser([this, name](const QString&) { return file(name); });
    QVERIFY(app.OnFileSaveAs());
}

void TestApp::startsWithDefaultTemplate()
{
    const auto app = startApp();
    QVERIFY(app);
    QCOMPARE(app->exitCode(), 0);
    CCadenzoDoc* doc = app->document();
    QCOMPARE(doc->GetHeadCount(), 1);
    QCOMPARE(doc->GetTitle(), QStringLiteral("Template"));
    QVERIFY(doc->GetPathName().isEmpty());
    QVERIFY(!doc->IsModified());
    QCOMPARE(app->frame()->windowTitle(), QStringLiteral("Template - Tallimark"));
    QVERIFY(app->frame()->isVisible());
    QVERIFY(app->frame()->windowState() & Qt::WindowMaximized);
    QVERIFY(app->frame()->acceptDrops());
    QVERIFY(app->dataFolder().endsWith(QLatin1String("/Ombrelle Tech/Tallimark/")));
    QVERIFY(QFileInfo(app->dataFolder()).isDir());
    QVERIFY(app->programFolder().endsWith(u'/'));
    QVERIFY(sink_.shown.empty());
    // Started once, the desktop knows the file type.
    QVERIFY(shell::IsRegistered(QCoreApplication::applicationFilePath()));
}

void TestApp::savePrompt_data()
{
    QTest::addColumn<QList<int>>("answers"); // MsgAnswer values
    QTest::addColumn<bool>("chooserAnswers");
    QTest::addColumn<bool>("newTemplate");
    QTest::addColumn<bool>("saved");

    QTest::newRow("yes saves, then new") << QList<int>{int(MsgAnswer::Yes)} << true << true << true;
    QTest::newRow("yes, save as cancelled") << QList<int>{int(MsgAnswer::Yes)} << false << false << false;
    QTest::newRow("no discards") << QList<int>{int(MsgAnswer::No)} << true << true << false;
    QTest::newRow("cancel keeps all") << QList<int>{int(MsgAnswer::Cancel)} << true << false << false;
}

void TestApp::savePrompt()
{
    QFETCH(QList<int>, answers);
    QFETCH(bool, chooserAnswers);
    QFETCH(bool, newTemplate);
    QFETCH(bool, saved);

    const auto app = startApp();
    QVERIFY(app);
    QString suggested;
    app->setSaveFileChooser([&](const QString& suggestion) {
        suggested = suggestion;
        return chooserAnswers ? file(QStringLiteral("prompted.tmt")) : QString();
    });
    for (int answer : answers)
        sink_.answers.push_back(MsgAnswer(answer));

    CCadenzoDoc* doc = app->document();
    doc->startNumber = 77;
    doc->SetModifiedFlag();
    app->OnFileNew();

    QCOMPARE(sink_.texts(), QStringList{QStringLiteral("Save changes to Template?")});
    QCOMPARE(sink_.shown.front().buttons, MsgButtons::YesNoCancel);
    QCOMPARE(sink_.shown.front().icon, MsgIcon::Question);
    QCOMPARE(doc->startNumber, newTemplate ? 1 : 77);
    QCOMPARE(doc->IsModified(), !newTemplate);
    QCOMPARE(QFileInfo::exists(file(QStringLiteral("prompted.tmt"))), saved);
    if (answers.front() == int(MsgAnswer::Yes))
        QCOMPARE(suggested, QStringLiteral("Template.tmt"));
    if (newTemplate)
        QCOMPARE(app->frame()->windowTitle(), QStringLiteral("Template - Tallimark"));

    // An unmodified template asks nothing.
    sink_.shown.clear();
    doc->SetModifiedFlag(false);
    app->OnFileNew();
    QVERIFY(sink_.shown.empty());
}

void TestApp::newTemplateCancelledKeepsTemplate()
{
    const auto app = startApp();
    QVERIFY(app);
    CCadenzoDoc* doc = app->document();
    doc->startNumber = 77;
    doc->paperWidth = 5760;
    doc->AddNewHead(nullptr);
    doc->SetModifiedFlag();
    int shown = 0;
    app->setNewTemplateRunner([&shown](CDlgNewTemplate&) {
        ++shown;
        return int(QDialog::Rejected);
    });
    // Not saved, then the new template cancelled: the changes are still
    // unsaved and must be asked about again.
    sink_.answers.push_back(MsgAnswer::No);
    app->OnFileNew();
    QCOMPARE(shown, 1);
    QCOMPARE(doc->startNumber, 77);
    QCOMPARE(doc->paperWidth, 5760);
    QCOMPARE(doc->GetHeadCount(), 2);
    QVERIFY(doc->IsModified());
}

void TestApp::exitAsksToo()
{
    const auto app = startApp();
    QVERIFY(app);
    app->document()->SetModifiedFlag();
    sink_.answers = {MsgAnswer::Cancel};
    app->frame()->action(CMainFrame::kExit)->trigger();
    QCOMPARE(sink_.texts(), QStringList{QStringLiteral("Save changes to Template?")});
    QVERIFY(app->frame()->isVisible());

    sink_.answers = {MsgAnswer::No};
    QVERIFY(app->frame()->close());
    QVERIFY(!app->frame()->isVisible());
}

void TestApp::saveAsAddsExtensionAndTitle()
{
    const auto app = startApp();
    QVERIFY(app);
    saveAs(*app, QStringLiteral("numbers"));
    QVERIFY(QFileInfo::exists(file(QStringLiteral("numbers.tmt"))));
    QCOMPARE(app->document()->GetPathName(), file(QStringLiteral("numbers.tmt")));
    QCOMPARE(app->frame()->windowTitle(), QStringLiteral("numbers.tmt - Tallimark"));
    QCOMPARE(app->recentFiles(), QStringList{file(QStringLiteral("numbers.tmt"))});
}

void TestApp::saveWithPathSkipsDialog()
{
    const auto app = startApp();
    QVERIFY(app);
    int asked = 0;
    app->setSaveFileChooser([&](const QString&) {
        ++asked;
        return file(QStringLiteral("first.tmt"));
    });
    // A template without a file goes to Save As; afterwards Save writes in place.
    QVERIFY(app->OnFileSave());
    QCOMPARE(asked, 1);
    app->document()->startNumber = 500;
    app->document()->SetModifiedFlag();
    QVERIFY(app->OnFileSave());
    QCOMPARE(asked, 1);
    QVERIFY(!app->document()->IsModified());

    QVERIFY(app->OpenDocumentFile(file(QStringLiteral("first.tmt"))) == CCadenzoApp::OpenResult::Opened);
    QCOMPARE(app->document()->startNumber, 500);
}

void TestApp::damagedFileLeavesUsableWindow()
{
    const auto app = startApp();
    QVERIFY(app);
    // A printer name and half a paper width: the data ends inside an integer.
    writeBytes(file(QStringLiteral("damaged.tmt")), QByteArray("\x03"
                                                               "abc"
                                                               "\x10\x00",
                                                               6));
    CCadenzoDoc* doc = app->document();
    doc->startNumber = 42;
    doc->SetModifiedFlag();
    sink_.answers = {MsgAnswer::No};

    // The file is checked before the template is let go: no save question,
    // and the template on screen stays as it was, unsaved changes included.
    QVERIFY(app->OpenDocumentFile(file(QStringLiteral("damaged.tmt"))) == CCadenzoApp::OpenResult::Failed);
    QCOMPARE(sink_.texts(), QStringList{QStringLiteral("Unexpected file format.")});
    QCOMPARE(doc->GetHeadCount(), 1);
    QCOMPARE(doc->startNumber, 42);
    QCOMPARE(doc->GetTitle(), QStringLiteral("Template"));
    QVERIFY(doc->GetPathName().isEmpty());
    QVERIFY(doc->IsModified());
    QVERIFY(app->recentFiles().isEmpty());
}

void TestApp::missingFileKeepsTemplate()
{
    const auto app = startApp();
    QVERIFY(app);
    CCadenzoDoc* doc = app->document();
    doc->startNumber = 42;
    doc->SetModifiedFlag();
    sink_.answers = {MsgAnswer::No};

    const QString missing = file(QStringLiteral("missing.tmt"));
    QVERIFY(app->OpenDocumentFile(missing) == CCadenzoApp::OpenResult::Failed);
    QCOMPARE(sink_.texts(), QStringList{QStringLiteral("%1 was not found.").arg(missing)});
    // Nothing was read, so the template and its unsaved state are as they were.
    QCOMPARE(doc->startNumber, 42);
    QVERIFY(doc->IsModified());
}

void TestApp::recentFiles()
{
    const auto app = startApp();
    QVERIFY(app);
    const QStringList names = {QStringLiteral("a.tmt"), QStringLiteral("b.tmt"), QStringLiteral("c.tmt"),
                               QStringLiteral("d.tmt"), QStringLiteral("e.tmt")};
    for (const QString& name : names)
        saveAs(*app, name);
    QCOMPARE(app->recentFiles(), (QStringList{file(QStringLiteral("e.tmt")), file(QStringLiteral("d.tmt")),
                                              file(QStringLiteral("c.tmt")), file(QStringLiteral("b.tmt"))}));

    // Opening an entry moves it to the top.
    QVERIFY(app->OpenDocumentFile(file(QStringLiteral("c.tmt"))) == CCadenzoApp::OpenResult::Opened);
    QCOMPARE(app->recentFiles().constFirst(), file(QStringLiteral("c.tmt")));
    QCOMPARE(app->frame()->windowTitle(), QStringLiteral("c.tmt - Tallimark"));
    QCOMPARE(app->recentFiles().size(), 4);

    // An entry that cannot be opened goes away; the others stay in order.
    QVERIFY(QFile::remove(file(QStringLiteral("d.tmt"))));
    emit app->frame()->recentFileChosen(2);
    QCOMPARE(sink_.texts(),
             QStringList{QStringLiteral("%1 was not found.").arg(file(QStringLiteral("d.tmt")))});
    QCOMPARE(app->recentFiles(), (QStringList{file(QStringLiteral("c.tmt")), file(QStringLiteral("e.tmt")),
                                              file(QStringLiteral("b.tmt"))}));
    QCOMPARE(app->frame()->action(CMainFrame::kRecentFile1 + 1)->text(), QStringLiteral("&2 e.tmt"));

    // Cancelling the save prompt is no failure: the entry stays.
    app->document()->SetModifiedFlag();
    sink_.answers = {MsgAnswer::Cancel};
    app->OpenRecentFile(2);
    QCOMPARE(app->recentFiles().size(), 3);
    // Still the same template, with its unsaved change.
    QCOMPARE(app->frame()->windowTitle(), QStringLiteral("c.tmt* - Tallimark"));
}

void TestApp::recentFilesStoredAndLoaded()
{
    {
        const auto app = startApp();
        QVERIFY(app);
        saveAs(*app, QStringLiteral("one.tmt"));
        saveAs(*app, QStringLiteral("two.tmt"));
        app->ExitInstance();
    }
    {
        const auto settings = CCadenzoApp::OpenSettings();
        QCOMPARE(settings->value(QStringLiteral("Recent File List/File1")).toString(),
                 file(QStringLiteral("two.tmt")));
        QCOMPARE(settings->value(QStringLiteral("Recent File List/File2")).toString(),
                 file(QStringLiteral("one.tmt")));
        QVERIFY(!settings->contains(QStringLiteral("Recent File List/File3")));
    }
    const auto app = startApp();
    QVERIFY(app);
    QCOMPARE(app->recentFiles(),
             (QStringList{file(QStringLiteral("two.tmt")), file(QStringLiteral("one.tmt"))}));
    QCOMPARE(app->frame()->action(CMainFrame::kRecentFile1)->text(), QStringLiteral("&1 two.tmt"));
}

void TestApp::droppedFilesOpenInTurn()
{
    const auto app = startApp();
    QVERIFY(app);
    saveAs(*app, QStringLiteral("first.tmt"));
    app->document()->startNumber = 9;
    saveAs(*app, QStringLiteral("second.tmt"));
    app->OnFileNew();

    emit app->frame()->filesDropped({file(QStringLiteral("second.tmt")), file(QStringLiteral("first.tmt"))});
    QCOMPARE(app->frame()->windowTitle(), QStringLiteral("first.tmt - Tallimark"));
    QCOMPARE(app->recentFiles().mid(0, 2),
             (QStringList{file(QStringLiteral("first.tmt")), file(QStringLiteral("second.tmt"))}));
    QVERIFY(sink_.shown.empty());
}

void TestApp::commandLineFile()
{
    {
        const auto app = startApp();
        QVERIFY(app);
        app->document()->totalPages = 25;
        saveAs(*app, QStringLiteral("given.tmt"));
    }
    const auto app = startApp({file(QStringLiteral("given.tmt"))});
    QVERIFY(app);
    QCOMPARE(app->document()->totalPages, 25);
    QCOMPARE(app->frame()->windowTitle(), QStringLiteral("given.tmt - Tallimark"));
    QCOMPARE(app->recentFiles().constFirst(), file(QStringLiteral("given.tmt")));
}

void TestApp::commandLineMissingFileEnds()
{
    CCadenzoApp app(std::make_unique<OnePrinterSystem>());
    QVERIFY(!app.InitInstance(ParseCommandLine({file(QStringLiteral("nowhere.tmt"))})));
    QCOMPARE(app.exitCode(), 1);
    QCOMPARE(sink_.texts(),
             QStringList{QStringLiteral("%1 was not found.").arg(file(QStringLiteral("nowhere.tmt")))});
}

void TestApp::dataFolderFailure()
{
    // A plain file where a folder should be.
    writeBytes(file(QStringLiteral("plain")), "x");
    const QString base = file(QStringLiteral("plain/share"));

    QString folder;
    int error = 0;
    QVERIFY(!CreateDataFolder(base, &folder, &error));
    QCOMPARE(error, ENOTDIR);
    QCOMPARE(DataFolderErrorMessage(5),
             QStringLiteral(
                 "Error: Unable to create or access the 'Common Application Data' folder. (0x00000005)"));

    qputenv("XDG_DATA_HOME", QFile::encodeName(base));
    CCadenzoApp app(std::make_unique<OnePrinterSystem>());
    QVERIFY(!app.InitInstance(ParseCommandLine({})));
    QVERIFY(!app.frame());
    QCOMPARE(sink_.texts(),
             QStringList{QStringLiteral("Error: Unable to create or access the 'Common Application "
                                        "Data' folder. (0x00000014)")});
    QCOMPARE(sink_.shown.front().icon, MsgIcon::Exclamation);

    // An export needs no data folder: it gets as far as its template.
    sink_.shown.clear();
    CCadenzoApp exporter(std::make_unique<OnePrinterSystem>());
    const QString missing = file(QStringLiteral("missing.tmt"));
    QVERIFY(!exporter.InitInstance(
        ParseCommandLine({QStringLiteral("--export-pdf"), file(QStringLiteral("out.pdf")), missing})));
    QCOMPARE(sink_.texts(), QStringList{QStringLiteral("%1 was not found.").arg(missing)});

    // A fresh location is made, parents included.
    QVERIFY(CreateDataFolder(file(QStringLiteral("fresh/share")), &folder, &error));
    QCOMPARE(folder, file(QStringLiteral("fresh/share/Ombrelle Tech/Tallimark/")));
    QVERIFY(QFileInfo(folder).isDir());
}

void TestApp::preferencesWhenChanged_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<uint>("viewWord");
    QTest::newRow("Settings") << int(CMainFrame::kSettings) << 0x18u;
    QTest::newRow("Show Header Captions") << int(CMainFrame::kShowCaptions) << 0x14u;
    QTest::newRow("Show Field Help") << int(CMainFrame::kShowFieldHelp) << 0x0Cu;
}

void TestApp::preferencesWhenChanged()
{
    // Stored at once: a run that is killed keeps them.
    QFETCH(int, command);
    QFETCH(uint, viewWord);
    const auto app = startApp();
    QVERIFY(app);
    app->frame()->action(command)->trigger();
    QCOMPARE(CCadenzoApp::OpenSettings()->value(QStringLiteral("Settings/View")).toUInt(), viewWord);
    QComboBox* units = app->frame()->unitsBox();
    units->setCurrentIndex(1);
    emit units->activated(1);
    QCOMPARE(CCadenzoApp::OpenSettings()->value(QStringLiteral("Settings/Units")).toInt(),
             int(DisplayUnits::millimetres));
}

void TestApp::preferencesAtExit()
{
    CCadenzoApp::OpenSettings()->setValue(QStringLiteral("Settings/View"), 0x04);
    const auto app = startApp();
    QVERIFY(app);
    QCOMPARE(app->preferences().viewWord, 0x04u);
    app->preferences().viewWord = 0x0C;
    app->preferences().units = DisplayUnits::millimetres;
    app->ExitInstance();
    const auto settings = CCadenzoApp::OpenSettings();
    QCOMPARE(settings->value(QStringLiteral("Settings/View")).toUInt(), 0x0Cu);
    QCOMPARE(settings->value(QStringLiteral("Settings/Units")).toInt(), int(DisplayUnits::millimetres));
}

void TestApp::aboutBox()
{
    // An installed guide: <prefix>/share/tallimark/guide beside <prefix>/bin.
    const QString guidePath = file(QStringLiteral("share/tallimark/guide/index.html"));
    QVERIFY(QDir().mkpath(file(QStringLiteral("bin"))) && QDir().mkpath(QFileInfo(guidePath).path()));
    writeBytes(guidePath, "<html></html>\n");
    QCOMPARE(guide::UserGuidePath(file(QStringLiteral("bin"))), guidePath);
    CAboutDlg dialog(nullptr, guidePath);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Tallimark"));
    const QStringList lines = dialog.versionText().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4); // three lines, each ended by a line break
    QCOMPARE(lines.at(0), QStringLiteral("Copyright (C) 2026 Ombrelle Technology"));
    QCOMPARE(lines.at(1), QStringLiteral("Product Version: ") + ProgramVersion());
    QCOMPARE(lines.at(2), QStringLiteral("File Version: ") + ProgramVersion() + QStringLiteral(".0"));
    QVERIFY(lines.at(3).isEmpty());
    QUrl guideUrl = QUrl::fromLocalFile(guidePath);
    QCOMPARE(QUrl(dialog.webLink()), guideUrl);
    guideUrl.setFragment(QStringLiteral("getting-help"));
    QCOMPARE(QUrl(dialog.mailLink()), guideUrl);

    auto* name = dialog.findChild<QLabel*>(QStringLiteral("programName"));
    auto* mail = dialog.findChild<QLabel*>(QStringLiteral("mailLink"));
    auto* web = dialog.findChild<QLabel*>(QStringLiteral("webLink"));
    QVERIFY(name && mail && web);
    QCOMPARE(name->text(), QStringLiteral("Tallimark"));
    QCOMPARE(name->font().pixelSize(), 24);
    QVERIFY(!name->font().underline());
    QCOMPARE(mail->text(), QStringLiteral("Support: Getting help, in the Tallimark User Guide"));
    QCOMPARE(web->text(), QStringLiteral("Tallimark User Guide"));
    QVERIFY(mail->font().underline() && web->font().underline());
    QCOMPARE(mail->palette().color(QPalette::WindowText), QColor(Qt::white));
    // The program is distributed under the GPL, version 3 or later, as Poppler requires.
    auto* licence = dialog.findChild<QLabel*>(QStringLiteral("licenceText"));
    QVERIFY(licence && licence->text().contains(QLatin1String("GNU General Public License, version 3 or")));
    QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("aboutQtButton")));

    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    dialog.show();
    QTest::mouseClick(mail, Qt::LeftButton);
    QTest::mouseClick(web, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(recorder.urls, (QList<QUrl>{QUrl(dialog.mailLink()), QUrl(dialog.webLink())}));
    QVERIFY(sink_.shown.empty());

    // Without a browser, or without a guide, a message says where it is.
    QVERIFY(!guide::OpenUserGuide(guidePath, QString(), [](const QUrl&) { return false; }));
    QVERIFY(!guide::OpenUserGuide(QString()));
    QCOMPARE(sink_.shown.size(), std::size_t(2));
    QVERIFY(sink_.shown.at(0).text.startsWith(QLatin1String("No web browser could be started")));
    QVERIFY(sink_.shown.at(0).text.endsWith(guidePath));
    QVERIFY(sink_.shown.at(1).text.contains(QLatin1String("/usr/share/tallimark/guide/index.html")));

    // A section with a page of its own opens that page: browsers started by
    // xdg-open never see a file URL's fragment.
    const QString page = QFileInfo(guidePath).dir().filePath(QStringLiteral("getting-help.html"));
    writeBytes(page, "<html></html>\n");
    QCOMPARE(guide::UserGuideUrl(guidePath, QStringLiteral("getting-help")), QUrl::fromLocalFile(page));
}

void TestApp::messageInFrontOfPendingProgress_data()
{
    QTest::addColumn<bool>("dialogOpen");
    QTest::newRow("over the main window") << false;
    QTest::newRow("over the open dialog") << true;
}

void TestApp::messageInFrontOfPendingProgress()
{
    QFETCH(bool, dialogOpen);
    QMainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QDialog dialog(&window);
    if (dialogOpen) {
        dialog.setModal(true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }
    QWidget* front = dialogOpen ? static_cast<QWidget*>(&dialog) : &window;
    // An export that fails at once: its progress window is not up yet, but
    // its timer runs out while the user reads the message.
    QProgressDialog progress(front);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(50);
    progress.setValue(0);
    QWidget* owner = nullptr;
    bool progressShown = true;
    QTimer::singleShot(400, this, [&] {
        progressShown = progress.isVisible();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                owner = box->parentWidget();
                box->done(QMessageBox::Ok);
            }
        }
    });
    MessageBoxSink boxes;
    QCOMPARE(
        boxes.show(QStringLiteral("Could not create the file x.pdf."), MsgButtons::Ok, MsgIcon::Exclamation),
        MsgAnswer::Ok);
    QVERIFY(!progressShown);
    QCOMPARE(owner, front);
}

void TestApp::registration()
{
    const QString data = file(QStringLiteral("xdg"));
    const QString program = QStringLiteral("/opt/tallimark/tallimark");
    const shell::RegistrationFiles files = shell::registrationFiles(data);
    // Named as the installation names its files, so that the desktop shows
    // one entry; what earlier versions wrote under the bare name goes.
    QCOMPARE(files.desktopEntry, data + QStringLiteral("/applications/org.tallimark.Tallimark.desktop"));
    QCOMPARE(files.mimePackage, data + QStringLiteral("/mime/packages/org.tallimark.Tallimark.xml"));
    QCOMPARE(files.icon, data + QStringLiteral("/icons/hicolor/scalable/apps/org.tallimark.Tallimark.svg"));
    QCOMPARE(files.legacy, QStringList({data + QStringLiteral("/applications/tallimark.desktop"),
                                        data + QStringLiteral("/mime/packages/tallimark.xml")}));
    QVERIFY(!shell::IsRegistered(program, data));
    for (const QString& old : files.legacy) {
        QVERIFY(QDir().mkpath(QFileInfo(old).path()));
        writeBytes(old, "old\n");
    }

    QVERIFY(shell::RegisterFileType(program, data));
    for (const QString& old : files.legacy)
        QVERIFY(!QFileInfo::exists(old));
    QFile icon(files.icon);
    QVERIFY(icon.open(QIODevice::ReadOnly));
    QVERIFY(icon.readAll().contains("<svg"));
    QFile desktop(files.desktopEntry);
    QVERIFY(desktop.open(QIODevice::ReadOnly));
    const QByteArray entry = desktop.readAll();
    QVERIFY(entry.startsWith("[Desktop Entry]\n"));
    QVERIFY(entry.contains("\nExec=/opt/tallimark/tallimark %f\n"));
    QVERIFY(entry.contains("\nIcon=org.tallimark.Tallimark\n"));
    QVERIFY(entry.contains("\nMimeType=application/x-tallimark-template;\n"));
    // In the languages of the installed entry, which it hides.
    for (const char* line : {"\nGenericName[de]=", "\nComment[fr]=", "\nComment[es]=", "\nKeywords[de]="})
        QVERIFY2(entry.contains(line), line);
    QFile mime(files.mimePackage);
    QVERIFY(mime.open(QIODevice::ReadOnly));
    const QByteArray xml = mime.readAll();
    QVERIFY(xml.contains("<mime-type type=\"application/x-tallimark-template\">"));
    QVERIFY(xml.contains("<glob pattern=\"*.tmt\"/>"));
    QVERIFY(xml.contains("<comment>Tallimark Template</comment>"));
    QVERIFY(xml.contains("<comment xml:lang=\"de\">Tallimark-Vorlage</comment>"));
    QVERIFY(shell::IsRegistered(program, data));

    // Another executable's entry is replaced; this one's is left alone.
    QVERIFY(!shell::IsRegistered(QStringLiteral("/usr/bin/tallimark"), data));
    const QDateTime written = QFileInfo(files.desktopEntry).lastModified();
    QVERIFY(shell::EnsureFileTypeRegistered(program, data));
    QCOMPARE(QFileInfo(files.desktopEntry).lastModified(), written);
    QVERIFY(shell::EnsureFileTypeRegistered(QStringLiteral("/usr/bin/tallimark"), data));
    QVERIFY(shell::IsRegistered(QStringLiteral("/usr/bin/tallimark"), data));

    QVERIFY(shell::UnregisterFileType(data));
    QVERIFY(!QFileInfo::exists(files.desktopEntry));
    QVERIFY(!QFileInfo::exists(files.mimePackage));
    QVERIFY(!QFileInfo::exists(files.icon));
    // Nor the caches the desktop's tools made for it, nor its folders.
    QDirIterator left(data, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QVERIFY2(!left.hasNext(), qPrintable(left.hasNext() ? left.next() : QString()));
    QVERIFY(shell::UnregisterFileType(data)); // nothing left to remove is no failure
}

void TestApp::registrationExecQuoting_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << QStringLiteral("/usr/bin/tallimark") << QStringLiteral("/usr/bin/tallimark %f");
    QTest::newRow("space") << QStringLiteral("/home/a b/tallimark")
                           << QStringLiteral("\"/home/a b/tallimark\" %f");
    QTest::newRow("dollar") << QStringLiteral("/x/$y") << QStringLiteral("\"/x/\\\\$y\" %f");
    QTest::newRow("quote") << QStringLiteral("/x/\"y") << QStringLiteral("\"/x/\\\\\"y\" %f");
    QTest::newRow("percent") << QStringLiteral("/x/100%") << QStringLiteral("/x/100%% %f");
}

void TestApp::registrationExecQuoting()
{
    QFETCH(QString, program);
    QFETCH(QString, exec);
    QCOMPARE(shell::execLine(program), exec);
}

void TestApp::unregisterCommand()
{
    // A start registers; Unregister takes that and the settings away.
    {
        const auto app = startApp();
        QVERIFY(app);
        app->ExitInstance();
    }
    const shell::RegistrationFiles files = shell::registrationFiles();
    QVERIFY(QFileInfo::exists(files.desktopEntry));
    QVERIFY(CCadenzoApp::OpenSettings()->contains(QStringLiteral("Settings/View")));

    CCadenzoApp app(std::make_unique<OnePrinterSystem>());
    QVERIFY(!app.InitInstance(ParseCommandLine({QStringLiteral("/Unregister")})));
    QCOMPARE(app.exitCode(), 0);
    QVERIFY(!app.frame());
    QCOMPARE(sink_.texts(),
             QStringList{QStringLiteral("System registry entries have been removed and the INI file "
                                        "(if any) was deleted.")});
    QVERIFY(!QFileInfo::exists(files.desktopEntry));
    QVERIFY(!QFileInfo::exists(files.mimePackage));
    QVERIFY(!QFileInfo::exists(files.icon));
    QVERIFY(CCadenzoApp::OpenSettings()->allKeys().isEmpty());

    CCadenzoApp again(std::make_unique<OnePrinterSystem>());
    QVERIFY(!again.InitInstance(ParseCommandLine({QStringLiteral("-regserver")})));
    QCOMPARE(again.exitCode(), 0);
    QVERIFY(shell::IsRegistered(QCoreApplication::applicationFilePath()));
}

namespace {

// An installed system folder: the desktop entry (when exec is given) and the
// MIME package (when mime).
void installEntries(const QString& folder, const QString& exec, bool mime)
{
    const QString id = QLatin1String(shell::kAppId);
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/applications")));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/mime/packages")));
    if (!exec.isEmpty())
        writeBytes(folder + QStringLiteral("/applications/") + id + QStringLiteral(".desktop"),
                   "[Desktop Entry]\nType=Application\nName=Tallimark\nExec=" + exec.toUtf8() + "\n");
    if (mime)
        writeBytes(folder + QStringLiteral("/mime/packages/") + id + QStringLiteral(".xml"),
                   "<mime-info/>\n");
}

} // namespace

void TestApp::systemEntriesCover_data()
{
    QTest::addColumn<QString>("exec"); // BIN stands for the program's folder
    QTest::addColumn<bool>("mime");
    QTest::addColumn<bool>("covered");

    QTest::newRow("nothing installed") << QString() << false << false;
    QTest::newRow("path") << "BIN/tallimark %f" << true << true;
    QTest::newRow("quoted path") << "\"BIN/tallimark\" %f" << true << true;
    QTest::newRow("name found in PATH") << "tallimark %f" << true << true;
    QTest::newRow("another executable") << "BIN/other %f" << true << false;
    QTest::newRow("no MIME type") << "BIN/tallimark %f" << false << false;
}

void TestApp::systemEntriesCover()
{
    QFETCH(QString, exec);
    QFETCH(bool, mime);
    QFETCH(bool, covered);
    const QString bin = file(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    for (const QString& name : {QStringLiteral("tallimark"), QStringLiteral("other")}) {
        writeBytes(bin + u'/' + name, "#!/bin/sh\n");
        QFile(bin + u'/' + name).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    installEntries(file(QStringLiteral("share")), QString(exec).replace(QLatin1String("BIN"), bin), mime);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin) + ':' + path);
    const bool result = shell::SystemEntriesCover(
        bin + QStringLiteral("/tallimark"), {file(QStringLiteral("empty")), file(QStringLiteral("share"))});
    qputenv("PATH", path);
    QCOMPARE(result, covered);
}

void TestApp::installedProgramWritesNoUserEntries()
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(file(QStringLiteral("home"))));
    const QByteArray dirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(file(QStringLiteral("share"))));
    installEntries(file(QStringLiteral("share")),
                   QCoreApplication::applicationFilePath() + QStringLiteral(" %f"), true);
    const auto app = startApp();
    qputenv("XDG_DATA_DIRS", dirs);
    QVERIFY(app);
    QVERIFY(!QFileInfo::exists(shell::registrationFiles().desktopEntry));
    QVERIFY(!QFileInfo::exists(shell::registrationFiles().mimePackage));
}

void TestApp::installedFilesName_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("line");
    const QString id = QLatin1String(shell::kAppId);
    const QString mime = QLatin1String(shell::kMimeType);
    QTest::newRow("desktop entry") << id + QStringLiteral(".desktop")
                                   << QStringLiteral("MimeType=%1;").arg(mime);
    QTest::newRow("desktop icon") << id + QStringLiteral(".desktop") << QStringLiteral("Icon=%1").arg(id);
    QTest::newRow("MIME type") << id + QStringLiteral(".xml")
                               << QStringLiteral("<mime-type type=\"%1\">").arg(mime);
    QTest::newRow("MIME glob") << id + QStringLiteral(".xml") << QStringLiteral("<glob pattern=\"*.tmt\"/>");
    QTest::newRow("metainfo") << id + QStringLiteral(".metainfo.xml")
                              << QStringLiteral("<id>%1</id>").arg(id);
}

// The installed files are what the registration check and the desktop look
// for: the application id and the MIME type the program uses.
void TestApp::installedFilesName()
{
    QFETCH(QString, file);
    QFETCH(QString, line);
    QFile installed(QStringLiteral(TALLIMARK_DIST_DIR "/") + file);
    QVERIFY2(installed.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(installed.fileName()));
    QVERIFY(QString::fromUtf8(installed.readAll()).contains(line));
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
