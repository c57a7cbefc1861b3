#pragma once

#include "JobOutcome.h"
#include "PrintBackground.h"
#include "SheetMapping.h"

#include "model/HeadPainter.h"

#include <QSize>

#include <optional>

class CCadenzoDoc;
class JobControl;
class PrinterSelection;
class QPainter;
class QPrinter;

// How a printing surface's device coordinates lie on the paper.
struct SheetGeometry
{
    int resolutionX = 600; // device pixels per inch
    int resolutionY = 600;
    QSize paperPixels; // the physical sheet in device pixels
    // Where the surface's origin lies from the paper's corner, in device
    // pixels: the printable area's offsets on a surface that starts there, 0
    // on one whose origin is the paper's corner (every geometry made here).
    PrinterOffsets offsets;

    // A surface whose origin is the paper's corner.
    static SheetGeometry fullPage(QSize paperPixels, int resolutionX, int resolutionY);
    // The geometry of a printer set to full-page mode.
    static SheetGeometry ofPrinter(const QPrinter& printer);
    // The template's own paper, as laid out, at dpi.
    static SheetGeometry ofTemplatePaper(const CCadenzoDoc& doc, int dpi);
};

// One print job of a template: its sheets, its background and the page routine
// that draws a sheet with a painter (the preview; printing and PDF export
// write the job's PDF, JobPdf.h).
class CPrintJob
{
public:
    explicit CPrintJob(const CCadenzoDoc& doc);
    ~CPrintJob();

    const CCadenzoDoc& document() const { return doc_; }
    const SheetMapping& mapping() const { return mapping_; }
    qint64 sheetCount() const { return mapping_.sheetCount(); }

    // Prepares the background for printing on geometry, its progress shown
    // through control. Throws CPreparePrintException when control is
    // cancelled, everything released. TimedOut when the page took longer than
    // the print time limit: the job then has no background.
    pdf::RenderStatus BeginPrinting(const SheetGeometry& geometry, JobControl& control);
    // Prepares the background for a preview at previewDpi dots per inch; with
    // control, its progress is shown there and it may be cancelled.
    pdf::RenderStatus BeginPreview(const SheetGeometry& geometry, int previewDpi,
                                   JobControl* control = nullptr);
    // Releases the background and deletes its temporary file.
    void EndPrinting();

    const PrintBackground& background() const { return background_; }

    // The paper the sheets are laid out on, in points as laid out (wider than
    // tall for landscape): the template's own unless another is chosen for
    // the job, on which the background covers the paper and the heads keep
    // their distance from its top-left corner.
    QSizeF paperPoints() const;
    void setPaperPoints(QSizeF paper) { paper_ = paper; }

    // Draws sheet (1-based) on painter, whose device coordinates are those of
    // geometry: the background over the whole physical sheet, then the heads
    // with the sheet's numbers, placed from the paper's corner. A skip sheet
    // (or one outside the job) gets nothing at all; returns whether anything
    // was drawn.
    bool PrintPage(QPainter& painter, qint64 sheet, const SheetGeometry& geometry) const;

private:
    const CCadenzoDoc& doc_;
    SheetMapping mapping_;
    PrintBackground background_;
    std::optional<QSizeF> paper_;
};

// Points a QPrinter at the application's printer: name, paper, orientation
// and the resolution SetPrintResolution chooses.
void ApplyPrinterSelection(QPrinter& printer, const PrinterSelection& printers);

// Chooses the resolution a printer really prints at (QPrinter::resolution() of
// a PrinterResolution printer), capped at 600 dpi; sets it on the printer.
void SetPrintResolution(QPrinter& printer);

// Prints sheets range.first .. range.last, a non-empty range of the job:
// writes them as the job's PDF, on the template's own paper with the heads
// measured from its corner, and hands that to the printer's CUPS queue with
// the copies, sides and colour the printer asks for. A printer set to print
// to a file gets the PDF in that file instead. Progress, questions and notes
// go through control; a job cancelled there (or answered no) prints nothing.
// A failure carries its message ("Could not start print job." with the
// reason, among others) for the caller to report.
JobOutcome PrintSheets(CPrintJob& job, QPrinter& printer, SheetRange range, JobControl& control);

// The background ran out of time. An attended job asks whether to print the
// sheets without it: nothing to go on, Cancelled to stop. An unattended one
// (a command line) is not asked: it fails, saying that nothing was printed
// and how to print without it.
std::optional<JobOutcome> ConfirmPrintWithoutBackground(JobControl& control);
// Tells the user that the background ran out of time and is left out.
void ReportBackgroundLeftOut();
// The printer lacks the job's paper: an attended job asks whether to print on
// the printer's own paper instead, an unattended one says so and prints.
bool ConfirmOtherPaper(JobControl& control, const QString& printer, const QString& jobPaper,
                       const QString& printerPaper);
// Tells the user that a job has no sheets to print.
void ReportNoSheets();
// That the printer would not take the job, and why when the reason is known.
QString CouldNotStartMessage(const QString& reason = QString());
// Tells the user CouldNotStartMessage(reason).
void ReportCouldNotStart(const QString& reason = QString());
