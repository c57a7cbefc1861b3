#include "PdfExport.h"

#include "JobPdf.h"

#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/NativePath.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

#include <sys/stat.h>

namespace {

// path names the file the template was read from (a link or another name
// of it included).
bool isTemplateFile(const CCadenzoDoc& doc, const QString& path)
{
    if (doc.GetPathName().isEmpty())
        return false;
    struct stat output;
    struct stat source;
    return ::stat(encodePath(path).constData(), &output) == 0 &&
           ::stat(encodePath(doc.GetPathName()).constData(), &source) == 0 && S_ISREG(output.st_mode) &&
           output.st_dev == source.st_dev && output.st_ino == source.st_ino;
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
    // The PDF would take the template's place and lose it.
    if (isTemplateFile(doc, path)) {
        showMessage(QCoreApplication::translate(
                        "ExportPdf", "%1 is the template being printed; the PDF needs another name.")
                        .arg(displayPath(path)),
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    return SaveJobPdf(job, path, range, kExportBackgroundDpi, owner, showProgress, progress) ==
           JobPdfResult::Written;
}

bool ExportPdfToStandardOutput(const CCadenzoDoc& doc, SheetRange range)
{
    CPrintJob job(doc);
    if (range.isEmpty() || job.sheetCount() <= 0) {
        ReportNoSheets();
        return false;
    }
    std::fflush(stdout);
    QFile out;
    QString writeError;
    JobPdfResult result = JobPdfResult::Failed;
    if (!out.open(fileno(stdout), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        writeError = out.errorString();
    } else {
        result =
            WriteJobPdf(job, out, range, kExportBackgroundDpi, nullptr, false, SheetProgress(), &writeError);
        if (result == JobPdfResult::Written && !out.flush()) {
            writeError = out.errorString();
            result = JobPdfResult::Failed;
        }
    }
    if (result != JobPdfResult::Written && !writeError.isNull())
        showMessage(
            QCoreApplication::translate("ExportPdf", "Could not write the PDF to standard output: %1.")
                .arg(writeError),
            MsgButtons::Ok, MsgIcon::Exclamation);
    return result == JobPdfResult::Written;
}
