#pragma once

#include "app/CommandLine.h"
#include "model/Preferences.h"
#include "model/PrinterSystem.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CCadenzoDoc;
class CDlgNewTemplate;
class CMainFrame;
class PdfPageChooser;
class PrinterSelection;
class QtPrinterSystem;
class QSettings;

// The application: starts the program from its command line, owns the
// printer selection, the one live template and the main window, and carries
// out the file commands (New, Open, Save, Save As, the recent files, dropped
// files, Exit) and the Help commands.
class CCadenzoApp : public QObject
{
    Q_OBJECT

public:
    // printerSystem null: the system's printers through Qt.
    explicit CCadenzoApp(std::unique_ptr<PrinterSystem> printerSystem = nullptr);
    ~CCadenzoApp() override;

    // Start-up, up to the maximised main window. False ends the program at
    // once with exitCode(): a print run or a registration that is done, or a
    // failure that has been reported.
    bool InitInstance(const CommandLineInfo& commandLine);
    // Writes the preferences and the recent-file list back.
    void ExitInstance();
    // Writes the preferences and the recent-file list into the settings
    // store; runs whenever one of them changes, so that a run that is killed
    // keeps them, and at exit.
    void StoreSettings();
    int exitCode() const { return exitCode_; }

    CCadenzoDoc* document() const { return doc_.get(); }
    CMainFrame* frame() const { return frame_.get(); }
    PrinterSelection& printers() const { return *printers_; }
    const QString& programFolder() const { return programFolder_; }
    const QString& dataFolder() const { return dataFolder_; }
    Preferences& preferences() { return preferences_; }

    // Commands.
    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnAppAbout();
    // Asks to save a modified template first; then embeds a PDF page.
    void OnImportPdf();
    void OnHelpOnline();

    enum class OpenResult
    {
        Opened,
        Cancelled,
        Failed
    };
    // Reads path, then asks to save a modified template and shows the one
    // read. A file that cannot be read is reported and changes nothing.
    OpenResult OpenDocumentFile(const QString& path);
    // The "Save changes to %1?" prompt; false when the user cancelled or the
    // save failed.
    bool SaveModified();
    void OpenRecentFile(int index);
    void OpenDroppedFiles(const QStringList& paths);

    // Most recent first, at most four absolute paths.
    const QStringList& recentFiles() const { return recentFiles_; }
    void AddToRecentFileList(const QString& path);
    void RemoveFromRecentFileList(const QString& path);

    // The file dialogs. A chooser gets the suggested name (empty for Open)
    // and answers a path, or nothing to cancel; tests answer without dialogs.
    using FileChooser = std::function<QString(const QString& suggestion)>;
    void setOpenFileChooser(FileChooser chooser) { chooseOpenFile_ = std::move(chooser); }
    void setSaveFileChooser(FileChooser chooser) { chooseSaveFile_ = std::move(chooser); }
    void setPdfFileChooser(FileChooser chooser) { choosePdfFile_ = std::move(chooser); }
    // Runs the New Template dialog of File > New and answers its result
    // (QDialog::Accepted or Rejected); tests answer without a modal dialog.
    using NewTemplateRunner = std::function<int(CDlgNewTemplate& dialog)>;
    void setNewTemplateRunner(NewTemplateRunner runner) { runNewTemplate_ = std::move(runner); }

    // The document type's texts: "Tallimark Templates (*.tmt)", ".tmt", ...
    static QString DocumentTypeField(int index);
    enum DocTypeField
    {
        kWindowTitle,
        kDocName,
        kNewName,
        kFilterName,
        kFilterExt,
        kFileTypeId,
        kFileTypeName
    };

    // The settings store: "Ombrelle Tech/Tallimark" in the user's configuration.
    static std::unique_ptr<QSettings> OpenSettings();

private:
    void connectCommands();
    // Once the print server has answered (or failed to), selects the
    // default printer and applies the template's; says so when it failed.
    void WatchPrintServer();
    // A new template with the defaults, shown in the window as "Template".
    void NewDefaultTemplate();
    bool DoSave(const QString& path);
    void LoadRecentFileList(QSettings& settings);
    void StoreRecentFileList(QSettings& settings) const;
    bool Unregister();
    QString chooseOpenFile();
    QString chooseSaveFile(const QString& suggestion);
    QString choosePdfFile();

    Preferences preferences_;
    std::unique_ptr<PrinterSystem> printerSystem_;
    QtPrinterSystem* qtPrinters_ = nullptr; // printerSystem_ when it is the real one
    std::unique_ptr<PrinterSelection> printers_;
    std::unique_ptr<CCadenzoDoc> doc_;
    std::unique_ptr<CMainFrame> frame_; // destroyed first: its view watches doc_
    QStringList recentFiles_;
    QString programFolder_;
    QString dataFolder_;
    FileChooser chooseOpenFile_;
    FileChooser chooseSaveFile_;
    FileChooser choosePdfFile_;
    NewTemplateRunner runNewTemplate_;
    std::unique_ptr<PdfPageChooser> pdfPageChooser_;
    int exitCode_ = 0;
};
