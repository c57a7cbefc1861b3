#include "PdfExport.h"

#include "JobPdf.h"

#include "model/CadenzoDoc.h"
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

JobOutcome ExportPdf(CPrintJob& job, const QString& path, SheetRange range, JobControl& control)
{
    // The PDF would take the template's place and lose it.
    if (isTemplateFile(job.document(), path))
        return JobOutcome::failed(
            QCoreApplication::translate("ExportPdf",
                                        "%1 is the template being printed; the PDF needs another name.")
                .arg(displayPath(path)));
    return SaveJobPdf(job, path, range, kExportBackgroundDpi, control);
}

JobOutcome ExportPdfToStandardOutput(CPrintJob& job, SheetRange range, JobControl& control)
{
    std::fflush(stdout);
    QFile out;
    JobOutcome outcome = JobOutcome::done();
    if (!out.open(fileno(stdout), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        outcome = JobOutcome::failed(QString(), out.errorString());
    } else {
        outcome = WriteJobPdf(job, out, range, kExportBackgroundDpi, control);
        if (outcome.isDone() && !out.flush())
            outcome = JobOutcome::failed(QString(), out.errorString());
    }
    if (!outcome.writeError().isNull())
        return JobOutcome::failed(
            QCoreApplication::translate("ExportPdf", "Could not write the PDF to standard output: %1.")
                .arg(outcome.writeError()),
            outcome.writeError());
    return outcome;
}
