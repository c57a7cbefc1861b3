#pragma once

#include "JobOutcome.h"
#include "PrintJob.h"

#include <QSizeF>

class CCadenzoDoc;
class JobControl;
class QFileDevice;

// The template's paper as laid out, in points: the job's page size.
QSizeF JobPaperPoints(const CCadenzoDoc& doc);

// Writes sheets range (non-empty, of the job) of job to out as a vector PDF
// on the template's own paper, one page per sheet, heads measured from the
// paper's corner: the background page once as a form that every drawn sheet
// paints, the head texts as text in subset fonts, skip sheets empty. When the
// PDF toolkit cannot copy the background page it is rendered at fallbackDpi
// instead and the user is told so. Progress, questions and notes go through
// control, and its Cancel stops the job. Tells the user of no failure: the
// outcome carries it, and a failure to write out its cause (writeError()).
// out is written from its current position and not closed.
JobOutcome WriteJobPdf(CPrintJob& job, QFileDevice& out, SheetRange range, int fallbackDpi,
                       JobControl& control);

// WriteJobPdf into the file at path, which appears only when complete: a
// cancelled or failed job leaves whatever was there before. A failure to
// create or write the file names it with the cause. A device or FIFO at path
// is written to, never replaced.
JobOutcome SaveJobPdf(CPrintJob& job, const QString& path, SheetRange range, int fallbackDpi,
                      JobControl& control);
