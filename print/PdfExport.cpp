#include "PdfExport.h"

#include "JobPdf.h"

#include "model/CadenzoDoc.h"

bool ExportPdf(const CCadenzoDoc& doc, const QString& path, SheetRange range, QWidget* owner,
               bool showProgress, const SheetProgress& progress)
{
    CPrintJob job(doc);
    if (range.isEmpty() || job.sheetCount() <= 0) {
        ReportNoSheets();
        return false;
    }
    return SaveJobPdf(job, path, range, kExportBackgroundDpi, owner, showProgress, progress) ==
           JobPdfResult::Written;
}
