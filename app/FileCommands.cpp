// The file side of the application: New, Open, Save, Save As, the save
// prompt, the recent-file list and dropped files.
#include "app/CadenzoApp.h"

#include "frame/DlgNewTemplate.h"
#include "frame/MainFrame.h"
#include "model/BackgroundProblem.h"
#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/StringTable.h"
#include "view/CadenzoView.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>

namespace {

constexpr int kRecentFileCount = 4;
const QString kRecentSection = QStringLiteral("Recent File List");

// "(*.*)" matches every file on the platform the texts come from; here it
// would skip names without a dot.
QString allFilesFilter()
{
    return LoadString(61442).replace(QLatin1String("(*.*)"), QLatin1String("(*)"));
}

QStringList nameFilters()
{
    return {CCadenzoApp::DocumentTypeField(CCadenzoApp::kFilterName), allFilesFilter()};
}

QString absolutePath(const QString& path)
{
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

} // namespace

void CCadenzoApp::NewDefaultTemplate()
{
    doc_->SetTitle(DocumentTypeField(kDocName));
    doc_->OnNewDocument();
    frame_->view()->InitialUpdate();
    frame_->UpdateTitle();
}

void CCadenzoApp::OnFileNew()
{
    const bool wasModified = doc_->IsModified();
    if (!SaveModified())
        return;
    doc_->SetModifiedFlag(false);

    // Over the main window, so that it stays in front of it.
    CDlgNewTemplate dialog(*printers_, preferences_.units, frame_.get());
    const int result = runNewTemplate_ ? runNewTemplate_(dialog) : dialog.exec();
    if (result != QDialog::Accepted || !ApplyNewTemplateChoice(dialog.choice(), preferences_.units, *doc_)) {
        // The template stays on screen: its unsaved changes must still be
        // asked about before it is closed, even after a "No" above.
        doc_->SetModifiedFlag(wasModified);
        return;
    }
    NewDefaultTemplate();
}

void CCadenzoApp::OnFileOpen()
{
    const QString path = chooseOpenFile();
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

CCadenzoApp::OpenResult CCadenzoApp::OpenDocumentFile(const QString& path)
{
    // The file is read before the template on screen is let go: a file that
    // cannot be read leaves it as it was, and asks nothing about saving it.
    const QString fullPath = absolutePath(path);
    CCadenzoDoc opened(nullptr);
    if (!opened.DocumentBase::OnOpenDocument(fullPath))
        return OpenResult::Failed;
    if (!SaveModified())
        return OpenResult::Cancelled;
    doc_->TakeOpenedDocument(opened, fullPath);

    AddToRecentFileList(fullPath);
    frame_->view()->InitialUpdate();
    frame_->UpdateTitle();
    // The template is usable without its background: it opens, unmodified,
    // and the user learns why the background is missing. At start-up the
    // window comes first, so that the message stands over the template.
    if (const QString problem = BackgroundProblem(*doc_); !problem.isEmpty()) {
        const QString text = problem + QLatin1Char(' ') + tr("The template opens without it.");
        const auto report = [text] { showMessage(text, MsgButtons::Ok, MsgIcon::Exclamation); };
        if (frame_->isVisible())
            report();
        else
            QTimer::singleShot(0, frame_.get(), report);
    }
    return OpenResult::Opened;
}

bool CCadenzoApp::SaveModified()
{
    if (!doc_ || !doc_->IsModified())
        return true;
    const QString prompt = LoadString(61699).arg(doc_->GetTitle());
    switch (showMessage(prompt, MsgButtons::YesNoCancel, MsgIcon::Question)) {
    case MsgAnswer::Yes:
        return OnFileSave();
    case MsgAnswer::No:
        return true;
    case MsgAnswer::Ok:
    case MsgAnswer::Cancel:
        break;
    }
    return false;
}

bool CCadenzoApp::OnFileSave()
{
    const QString path = doc_->GetPathName();
    // A template without a file, or one whose file cannot be written, goes
    // through Save As.
    const QFileInfo info(path);
    if (path.isEmpty() || (info.exists() && !info.isWritable()))
        return DoSave(QString());
    return DoSave(path);
}

bool CCadenzoApp::OnFileSaveAs()
{
    return DoSave(QString());
}

bool CCadenzoApp::DoSave(const QString& path)
{
    QString target = path;
    if (target.isEmpty()) {
        QString suggestion = doc_->GetPathName();
        if (suggestion.isEmpty()) {
            suggestion = doc_->GetTitle();
            if (QFileInfo(suggestion).suffix().isEmpty())
                suggestion += DocumentTypeField(kFilterExt);
        }
        target = chooseSaveFile(suggestion);
        if (target.isEmpty())
            return false;
        if (QFileInfo(target).suffix().isEmpty())
            target += DocumentTypeField(kFilterExt);
    }
    target = absolutePath(target);
    if (!doc_->OnSaveDocument(target))
        return false;
    AddToRecentFileList(target);
    frame_->UpdateTitle();
    return true;
}

void CCadenzoApp::OpenRecentFile(int index)
{
    if (index < 0 || index >= recentFiles_.size())
        return;
    // Taken by path: a save from the prompt can reorder the list.
    const QString path = recentFiles_.at(index);
    if (OpenDocumentFile(path) == OpenResult::Failed)
        RemoveFromRecentFileList(path);
}

void CCadenzoApp::OpenDroppedFiles(const QStringList& paths)
{
    frame_->activateWindow();
    for (const QString& path : paths)
        OpenDocumentFile(path);
}

void CCadenzoApp::AddToRecentFileList(const QString& path)
{
    const QString fullPath = absolutePath(path);
    if (fullPath.isEmpty())
        return;
    recentFiles_.removeAll(fullPath);
    recentFiles_.prepend(fullPath);
    while (recentFiles_.size() > kRecentFileCount)
        recentFiles_.removeLast();
    if (frame_) {
        frame_->SetRecentFiles(recentFiles_);
        StoreSettings();
    }
}

void CCadenzoApp::RemoveFromRecentFileList(const QString& path)
{
    recentFiles_.removeAll(path);
    if (frame_) {
        frame_->SetRecentFiles(recentFiles_);
        StoreSettings();
    }
}

void CCadenzoApp::LoadRecentFileList(QSettings& settings)
{
    recentFiles_.clear();
    settings.beginGroup(kRecentSection);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !recentFiles_.contains(path))
            recentFiles_.append(path);
    }
    settings.endGroup();
}

void CCadenzoApp::StoreRecentFileList(QSettings& settings) const
{
    settings.remove(kRecentSection);
    settings.beginGroup(kRecentSection);
    for (int i = 0; i < recentFiles_.size(); ++i)
        settings.setValue(QStringLiteral("File%1").arg(i + 1), recentFiles_.at(i));
    settings.endGroup();
}

QString CCadenzoApp::chooseOpenFile()
{
    if (chooseOpenFile_)
        return chooseOpenFile_(QString());
    QFileDialog dialog(frame_.get(), LoadString(61440));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters());
    if (!doc_->GetPathName().isEmpty())
        dialog.setDirectory(QFileInfo(doc_->GetPathName()).absolutePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString CCadenzoApp::chooseSaveFile(const QString& suggestion)
{
    if (chooseSaveFile_)
        return chooseSaveFile_(suggestion);
    QFileDialog dialog(frame_.get(), tr("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters());
    dialog.setDefaultSuffix(DocumentTypeField(kFilterExt).mid(1));
    dialog.selectFile(suggestion);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
