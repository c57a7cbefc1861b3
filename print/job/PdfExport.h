#pragma once

#include "PrintJob.h"

#include <QString>

class CCadenzoDoc;
class QWidget;

// Writes sheets range of doc's job to a PDF file, one page per sheet, on the
// template's own paper: the job's PDF as printing hands it to CUPS (heads from
// the paper's corner, the background over the whole sheet, skip sheets
// empty). Reports failures through showMessage(). owner and
// showProgress as for printing; progress may stop the export, and then the
// unfinished file is removed. Returns whether the file was written.
bool ExportPdf(const CCadenzoDoc& doc, const QString& path, SheetRange range, QWidget* owner = nullptr,
               bool showProgress = false, const SheetProgress& progress = SheetProgress());

// ExportPdf onto standard output, which then carries nothing but the PDF.
bool ExportPdfToStandardOutput(const CCadenzoDoc& doc, SheetRange range);

// Resolution of a background that has to be exported as a rendered picture.
constexpr int kExportBackgroundDpi = 300;
