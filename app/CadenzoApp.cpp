#include "CadenzoApp.h"

#include "app/AboutDlg.h"
#include "app/DataFolder.h"
#include "app/PreferenceStore.h"
#include "app/ShellRegistration.h"
#include "app/UserGuide.h"
#include "frame/DlgCustomFont.h"
#include "frame/DlgImportPDF.h"
#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/Codepage.h"
#include "model/MessageSink.h"
#include "model/PrinterSelection.h"
#include "model/StringTable.h"
#include "print/job/PrintRun.h"
#include "print/printers/CupsServer.h"
#include "print/printers/QtPrinterSystem.h"
#include "print/ui/PrintCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

CCadenzoApp::CCadenzoApp(std::unique_ptr<PrinterSystem> printerSystem)
    : printerSystem_(std::move(printerSystem))
{
    if (!printerSystem_) {
        auto qtPrinters = std::make_unique<QtPrinterSystem>();
        qtPrinters_ = qtPrinters.get();
        printerSystem_ = std::move(qtPrinters);
    }
    printers_ = std::make_unique<PrinterSelection>(*printerSystem_);
}

CCadenzoApp::~CCadenzoApp()
{
    // The view inside the frame watches the document: the frame goes first.
    frame_.reset();
    doc_.reset();
}

std::unique_ptr<QSettings> CCadenzoApp::OpenSettings()
{
    return std::make_unique<QSettings>(QLatin1String(prefs::kCompanyKey),
                                       QLatin1String(prefs::kProgramTitle));
}

QString CCadenzoApp::DocumentTypeField(int index)
{
    static const QStringList fallback = {QStringLiteral("Tallimark"),
                                         QStringLiteral("Template"),
                                         QStringLiteral("TMTemplate"),
                                         QStringLiteral("Tallimark Templates (*.tmt)"),
                                         QStringLiteral(".tmt"),
                                         QStringLiteral("Tallimark.Template"),
                                         QStringLiteral("Tallimark Template")};
    const QStringList fields = LoadString(128).split(QLatin1Char('\n'));
    if (index < 0 || index >= fallback.size())
        return QString();
    return index < fields.size() && !fields.at(index).isEmpty() ? fields.at(index) : fallback.at(index);
}

bool CCadenzoApp::InitInstance(const CommandLineInfo& commandLine)
{
    exitCode_ = 1;
    switch (commandLine.command) {
    case CommandLineInfo::ShowHelp:
    case CommandLineInfo::ShowVersion:
    case CommandLineInfo::Invalid:
        // main() answers these before there is an application; here they
        // only end the run.
        if (commandLine.command == CommandLineInfo::Invalid)
            showMessage(commandLine.error);
        else
            exitCode_ = 0;
        return false;
    default:
        break;
    }

    {
        const std::unique_ptr<QSettings> settings = OpenSettings();
        LoadRecentFileList(*settings);
        prefs::LoadPreferences(*settings, preferences_);
    }

    const QString program = QCoreApplication::applicationFilePath();
    const qsizetype separator = program.lastIndexOf(QLatin1Char('/'));
    programFolder_ = separator < 0 ? QString() : program.left(separator + 1);

    // A print run writes nothing of its own and needs no data folder: it
    // works with a home folder it cannot write to.
    if (!commandLine.isPrintRun() && !InitDataFolder(&dataFolder_))
        return false;

    switch (commandLine.command) {
    case CommandLineInfo::AppRegister:
        exitCode_ = shell::RegisterFileType(program) ? 0 : 1;
        return false;
    case CommandLineInfo::AppUnregister:
        exitCode_ = Unregister() ? 0 : 1;
        return false;
    default:
        break;
    }

    if (commandLine.isPrintRun()) {
        exitCode_ = RunPrint(commandLine.printRunOptions(), *printers_);
        return false;
    }
    // The window does not wait for the print server: the printers come in
    // when it answers.
    if (qtPrinters_)
        qtPrinters_->setWaitForServer(false);
    printers_->selectDefaultPrinter();

    // Every interactive start makes sure the desktop opens templates with
    // this program; the files are written only when they are missing or name
    // another executable. An installed program is known to the desktop
    // through the system's entries, and the user's folder is left alone.
    if (!shell::SystemEntriesCover(program))
        shell::EnsureFileTypeRegistered(program);

    doc_ = std::make_unique<CCadenzoDoc>(printers_.get());
    frame_ = std::make_unique<CMainFrame>(doc_.get(), &preferences_);
    CMainFrame* frame = frame_.get();
    frame_->SetFontChooser(
        [frame](const LOGFONTA* common, COLORREF color, LOGFONTA* chosen, COLORREF* chosenColor) {
            return CDlgCustomFont::Choose(frame, common, color, chosen, chosenColor);
        });
    connectCommands();
    frame_->SetRecentFiles(recentFiles_);

    if (commandLine.command == CommandLineInfo::FileOpen) {
        if (OpenDocumentFile(commandLine.fileName) != OpenResult::Opened)
            return false;
    } else {
        // A new template with the defaults; the New Template dialog is not
        // shown at start-up. "/dde" has no shell conversation on this
        // platform and starts the same way.
        NewDefaultTemplate();
    }

    frame_->setAcceptDrops(true);
    // Without a window manager "maximised" means nothing: start at the size
    // of the screen's work area, which a window manager then maximises.
    if (const QScreen* screen = frame_->screen())
        frame_->setGeometry(screen->availableGeometry());
    frame_->showMaximized();
    if (qtPrinters_)
        WatchPrintServer();
    exitCode_ = 0;
    return true;
}

void CCadenzoApp::WatchPrintServer()
{
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, timer] {
        if (cups::ServerCheckRunning())
            return;
        timer->deleteLater();
        qtPrinters_->setWaitForServer(true);
        const cups::ServerAnswer answer = cups::LastServerAnswer();
        if (!answer.answers) {
            frame_->statusBar()->showMessage(answer.problem);
            return;
        }
        printers_->selectDefaultPrinter();
        // The template's printer, checked and applied as opening it would
        // have done; an untouched new template takes the default printer.
        CCadenzoDoc& doc = *doc_;
        const bool untouched = doc.GetPathName().isEmpty() && !doc.IsModified();
        if (!printerSystem_->openPrinter(fromCp1252(doc.printerName), nullptr)) {
            doc.printerName = toCp1252(printerSystem_->defaultPrinterName());
            if (!untouched)
                doc.SetModifiedFlag(true);
        }
        if (!doc.printerName.isEmpty())
            doc.ApplyPrinterSettings();
    });
    timer->start(50);
}

void CCadenzoApp::ExitInstance()
{
    StoreSettings();
}

void CCadenzoApp::StoreSettings()
{
    const std::unique_ptr<QSettings> settings = OpenSettings();
    prefs::StorePreferences(*settings, preferences_);
    StoreRecentFileList(*settings);
    settings->sync();
}

void CCadenzoApp::connectCommands()
{
    CMainFrame* frame = frame_.get();
    auto on = [frame, this](int id, auto handler) {
        if (QAction* action = frame->action(id))
            connect(action, &QAction::triggered, this, handler);
    };
    on(CMainFrame::kNew, [this] { OnFileNew(); });
    on(CMainFrame::kOpen, [this] { OnFileOpen(); });
    on(CMainFrame::kSave, [this] { OnFileSave(); });
    on(CMainFrame::kSaveAs, [this] { OnFileSaveAs(); });
    on(CMainFrame::kImportPdf, [this] { OnImportPdf(); });
    on(CMainFrame::kExit, [frame] { frame->close(); });
    on(CMainFrame::kAbout, [this] { OnAppAbout(); });
    on(CMainFrame::kOnlineHelp, [this] { OnHelpOnline(); });
    connect(frame, &CMainFrame::recentFileChosen, this, &CCadenzoApp::OpenRecentFile);
    connect(frame, &CMainFrame::filesDropped, this, &CCadenzoApp::OpenDroppedFiles);
    frame->SetCloseGuard([this] { return SaveModified(); });
    pdfPageChooser_ = std::make_unique<DialogPdfPageChooser>(frame, &preferences_.units);
    doc_->SetPdfPageChooser(pdfPageChooser_.get());
    frame->ConnectPrintCommands(new PrintCommands(frame, *doc_, *printers_, &preferences_));
    // The preview is modal: once its command returns, the pages it showed
    // last are known.
    on(CMainFrame::kPrintPreview, [this] { StoreSettings(); });
    connect(frame, &CMainFrame::preferencesChanged, this, &CCadenzoApp::StoreSettings);
}

bool CCadenzoApp::Unregister()
{
    bool removed = shell::UnregisterFileType();
    QString file;
    {
        const std::unique_ptr<QSettings> settings = OpenSettings();
        settings->clear();
        settings->sync();
        removed = removed && settings->status() == QSettings::NoError;
        file = settings->fileName();
    }
    // The store's file goes too, and the company folder when nothing else of
    // it is left.
    if (QFileInfo::exists(file)) {
        removed = QFile::remove(file) && removed;
        QDir().rmdir(QFileInfo(file).absolutePath());
    }
    showMessage(LoadString(removed ? 61707 : 61708), MsgButtons::Ok, MsgIcon::Default);
    return removed;
}

void CCadenzoApp::OnAppAbout()
{
    CAboutDlg dialog(frame_.get(), guide::UserGuidePath());
    dialog.exec();
}

void CCadenzoApp::OnHelpOnline()
{
    OpenOnlineHelp();
}
