// File > Import PDF...: embeds a page of a PDF file as the template's
// background, taking over its size when the user chooses to.
#include "app/CadenzoApp.h"

#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/StringTable.h"

#include <QAction>
#include <QFileDialog>

namespace {

// The hint with which views re-render the background and record an undo step,
// which marks the template modified.
constexpr int kHintBackgroundChanged = 1;

} // namespace

void CCadenzoApp::OnImportPdf()
{
    if (doc_->IsModified()) {
        const QString question = QStringLiteral(
            "Importing a PDF might reset the project settings. Do you want to save the current project?");
        switch (showMessage(question, MsgButtons::YesNoCancel, MsgIcon::Question)) {
        case MsgAnswer::Yes:
            // The import does not go on: the user runs it again once saved.
            QMetaObject::invokeMethod(frame_->action(CMainFrame::kSave), &QAction::trigger,
                                      Qt::QueuedConnection);
            return;
        case MsgAnswer::No:
            break;
        case MsgAnswer::Ok:
        case MsgAnswer::Cancel:
            return;
        }
    }

    const QString path = choosePdfFile();
    if (path.isEmpty())
        return;

    const std::int32_t width = doc_->paperWidth;
    const std::int32_t height = doc_->paperHeight;
    const std::uint16_t orientation = doc_->orientation;
    doc_->newFromPdf = false;
    // A failed or cancelled import leaves the template untouched.
    if (!doc_->OpenPdf(path, 1))
        return;

    // Heads placed for another paper restart as one default master head.
    if (doc_->paperWidth != width || doc_->paperHeight != height || doc_->orientation != orientation) {
        doc_->DeleteAllHeads();
        doc_->AddNewHead(nullptr);
    }
    doc_->MatchPaperSize();
    doc_->ApplyPrinterSettings();
    doc_->UpdateAllViews(nullptr, kHintBackgroundChanged);
}

QString CCadenzoApp::choosePdfFile()
{
    if (choosePdfFile_)
        return choosePdfFile_(QString());
    QFileDialog dialog(frame_.get(), LoadString(61440));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(tr("PDF Files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
