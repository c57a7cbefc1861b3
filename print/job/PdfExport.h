#pragma once

#include "JobOutcome.h"
#include "PrintJob.h"

#include <QString>

class JobControl;

// Writes sheets range (non-empty, of the job) of job to a PDF file, one page
// per sheet, on the template's own paper: the job's PDF as printing hands it
// to CUPS (heads from the paper's corner, the background over the whole
// sheet, skip sheets empty). Progress, questions and notes go through
// control; a job cancelled there leaves no file. A failure carries its
// message for the caller to report.
JobOutcome ExportPdf(CPrintJob& job, const QString& path, SheetRange range, JobControl& control);

// ExportPdf onto standard output, which then carries nothing but the PDF.
JobOutcome ExportPdfToStandardOutput(CPrintJob& job, SheetRange range, JobControl& control);

// Resolution of a background that has to be exported as a rendered picture.
constexpr int kExportBackgroundDpi = 300;
