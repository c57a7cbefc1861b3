#pragma once

#include "PrintBackground.h"
#include "SheetMapping.h"

#include "model/HeadPainter.h"

#include <QSize>

#include <optional>

#include <functional>

class CCadenzoDoc;
class CDlgProgress;
class PrinterSelection;
class QPainter;
class QPrinter;
class QWidget;

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

    // Prepares the background for printing on geometry; with owner, the
    // progress dialog runs over it while it is disabled. Throws
    // CPreparePrintException when the user cancels, everything released.
    // TimedOut when the page took longer than the print time limit: the job
    // then has no background.
    pdf::RenderStatus BeginPrinting(const SheetGeometry& geometry, QWidget* owner, bool showProgress);
    // Prepares the background for a preview at previewDpi dots per inch; with
    // owner, the progress dialog offers Cancel over it while it is disabled.
    pdf::RenderStatus BeginPreview(const SheetGeometry& geometry, int previewDpi, QWidget* owner = nullptr);
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

enum class PrintOutcome
{
    Printed,
    Cancelled,
    NoSheets,
    CouldNotStart
};

// Called after every sheet with the number of sheets done and the total;
// returning false stops the job, and nothing of it is printed.
using SheetProgress = std::function<bool(qint64 done, qint64 total)>;

// Prints sheets range.first .. range.last: writes them as the job's PDF, on
// the template's own paper with the heads measured from its corner, and hands
// that to the printer's CUPS queue with the copies, sides and colour the
// printer asks for. A printer set to print to a file gets the PDF in that
// file instead. owner (may be null) is the main window for the progress of the
// background. Reports "Could not start print job." itself; a job cancelled
// (through progress, or the background's preparation) prints nothing and
// returns Cancelled without a message.
PrintOutcome PrintSheets(CPrintJob& job, QPrinter& printer, SheetRange range, QWidget* owner,
                         bool showProgress, const SheetProgress& progress = SheetProgress());

// Tells the user that the background ran out of time and asks whether to
// print the sheets without it. An unattended run (a command line) does not
// ask: it says that nothing was printed and how to print without it.
bool ConfirmPrintWithoutBackground(bool attended);
// Tells the user that the background ran out of time and is left out.
void ReportBackgroundLeftOut();
// Tells the user that the printer lacks the job's paper and, attended, asks
// whether to print on the printer's own paper instead; an unattended run
// says so and prints.
bool ConfirmOtherPaper(const QString& printer, const QString& jobPaper, const QString& printerPaper,
                       bool attended);
// Tells the user that a job has no sheets to print.
void ReportNoSheets();
// Tells the user that the printer would not take the job, and why when the
// reason is known.
void ReportCouldNotStart(const QString& reason = QString());
