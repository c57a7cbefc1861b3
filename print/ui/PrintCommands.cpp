#include "PrintCommands.h"

#include "PreviewWindow.h"
#include "WindowJobControl.h"
#include "model/PrinterSelection.h"
#include "print/job/PdfExport.h"
#include "print/job/PrintJob.h"

#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/WaitCursor.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include <limits>

PrintCommands::PrintCommands(QWidget* window, CCadenzoDoc& doc, PrinterSelection& printers,
                             Preferences* preferences)
    : QObject(window), window_(window), doc_(doc), printers_(printers), prefs_(preferences)
{}

void PrintCommands::Print(bool withDialog)
{
    CPrintJob job(doc_);
    if (job.sheetCount() <= 0) {
        ReportNoSheets();
        return;
    }
    // Neither the print dialog nor the printer waits longer than the check
    // for a print server that does not answer.
    QString problem;
    {
        WaitCursor wait;
        problem = printers_.system().unreachableReason(true);
    }
    if (!problem.isEmpty()) {
        ReportCouldNotStart(problem);
        return;
    }
    QPrinter printer(QPrinter::PrinterResolution);
    ApplyPrinterSelection(printer, printers_);
    printer.setDocName(doc_.GetTitle());

    SheetRange range{1, job.sheetCount()};
    if (withDialog) {
        // The dialog's page numbers are ints; longer jobs print whole or
        // by --sheets from the command line.
        const int last = int(std::min<qint64>(job.sheetCount(), std::numeric_limits<int>::max()));
        const QPageLayout offered = printer.pageLayout();
        QPrintDialog dialog(&printer, window_);
        dialog.setMinMax(1, last);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        if (dialog.exec() != QDialog::Accepted)
            return;
        // A paper chosen in the dialog is the job's; the one it offered, the
        // template's own.
        const QPageLayout chosen = printer.pageLayout();
        if (!chosen.pageSize().isEquivalentTo(offered.pageSize()) ||
            chosen.orientation() != offered.orientation())
            job.setPaperPoints(chosen.fullRect(QPageLayout::Point).size());
        if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
            range = SheetRange{printer.fromPage(), std::max(printer.fromPage(), printer.toPage())};
        SetPrintResolution(printer);
    }
    WindowJobControl control(window_, tr("Printing"), doc_.GetTitle());
    ReportOutcome(PrintSheets(job, printer, range, control));
}

void PrintCommands::Preview()
{
    if (SheetMapping::of(doc_).sheetCount() <= 0) {
        ReportNoSheets();
        return;
    }
    SheetGeometry geometry;
    if (printers_.names()) {
        QPrinter printer(QPrinter::PrinterResolution);
        ApplyPrinterSelection(printer, printers_);
        printer.setFullPage(true);
        geometry = SheetGeometry::ofPrinter(printer);
    } else {
        // No printer at all: the template's own paper.
        geometry = SheetGeometry::ofTemplatePaper(doc_, 600);
    }
    bool print = false;
    {
        CPreviewWindow preview(doc_, geometry, prefs_, window_);
        if (preview.cancelled())
            return;
        connect(&preview, &CPreviewWindow::printRequested, this, [&print] { print = true; });
        preview.setWindowState(Qt::WindowMaximized);
        preview.exec();
    }
    // The preview's Print opens the print dialog once the preview has gone.
    if (print)
        QTimer::singleShot(0, this, [this] { Print(true); });
}

void PrintCommands::Export()
{
    CPrintJob job(doc_);
    if (job.sheetCount() <= 0) {
        ReportNoSheets();
        return;
    }
    QString suggestion = QFileInfo(doc_.GetTitle()).completeBaseName();
    if (suggestion.isEmpty())
        suggestion = tr("Template");
    const QString folder = doc_.GetPathName().isEmpty() ? QString() : QFileInfo(doc_.GetPathName()).path();
    const QString path = QFileDialog::getSaveFileName(
        window_, tr("Export PDF"),
        folder.isEmpty() ? suggestion + QStringLiteral(".pdf")
                         : folder + QLatin1Char('/') + suggestion + QStringLiteral(".pdf"),
        tr("PDF Files (*.pdf);;All Files (*.*)"));
    if (path.isEmpty())
        return;
    WindowJobControl control(window_, tr("Export PDF"), doc_.GetTitle());
    ReportOutcome(ExportPdf(job, path, SheetRange{1, job.sheetCount()}, control));
}
