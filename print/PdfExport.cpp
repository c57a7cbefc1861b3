#include "PdfExport.h"

#include "JobPdf.h"

#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ExportPdf", text);
}

} // namespace

bool ExportPdf(const CCadenzoDoc& doc, const QString& path, SheetRange range, QWidget* owner,
               bool showProgress, const SheetProgress& progress)
{
    CPrintJob job(doc);
    if (range.isEmpty() || job.sheetCount() <= 0) {
        ReportNoSheets();
        return false;
    }
    // The file appears only when complete: a cancelled or failed export
    // leaves whatever was there before.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        showMessage(tr("Could not create the file %1.").arg(path), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    if (WriteJobPdf(job, file, range, kExportBackgroundDpi, owner, showProgress, progress) !=
        JobPdfResult::Written) {
        file.cancelWriting();
        return false;
    }
    // QSaveFile::commit() can report success when the last flush fails.
    if (!file.flush() || file.error() != QFileDevice::NoError || !file.commit()) {
        showMessage(tr("Could not write the file %1.").arg(path) + QLatin1Char(' ') + file.errorString(),
                    MsgButtons::Ok, MsgIcon::Exclamation);
        file.cancelWriting();
        return false;
    }
    return true;
}
