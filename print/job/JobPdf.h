#pragma once

#include "PrintJob.h"

#include <QSizeF>

class CCadenzoDoc;
class QFileDevice;
class QWidget;

enum class JobPdfResult
{
    Written,
    Cancelled, // by the user; nothing is to be kept
    Failed,    // reported already
};

// The template's paper as laid out, in points: the job's page size.
QSizeF JobPaperPoints(const CCadenzoDoc& doc);

// Writes sheets range of job to out as a vector PDF on the template's own
// paper, one page per sheet, heads measured from the paper's corner: the
// background page once as a form that every drawn sheet paints, the head
// texts as text in subset fonts, skip sheets empty. When the PDF toolkit
// cannot copy the background page it is rendered at fallbackDpi instead and
// the user is told so. owner, showProgress and progress as for printing;
// progress may stop the job. Failures are reported through showMessage().
// out is written from its current position and not closed. With writeError,
// a failure to write out is not reported but its cause stored there.
JobPdfResult WriteJobPdf(CPrintJob& job, QFileDevice& out, SheetRange range, int fallbackDpi, QWidget* owner,
                         bool showProgress, const SheetProgress& progress = SheetProgress(),
                         QString* writeError = nullptr);

// WriteJobPdf into the file at path, which appears only when complete: a
// cancelled or failed job leaves whatever was there before. Reports failures
// to create or write the file itself with their cause. A device or FIFO at
// path is written to, never replaced.
JobPdfResult SaveJobPdf(CPrintJob& job, const QString& path, SheetRange range, int fallbackDpi,
                        QWidget* owner, bool showProgress, const SheetProgress& progress = SheetProgress());
