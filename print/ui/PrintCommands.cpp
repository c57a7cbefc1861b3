#include "PrintCommands.h"

#include "PreviewWindow.h"
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
#include <QProgressDialog>
#include <QTimer>

#include <limits>
#include <memory>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PrintCommands", text);
}

// The status box of a running job ("Printing", "Page %1") with its Cancel.
// Shown only when the job takes a while; the bar counts in thousandths so
// that jobs beyond the int range fit.
class JobProgress
{
public:
    JobProgress(QWidget* owner, const QString& title, const QString& docName)
        : dialog_(owner), docName_(docName)
    {
        dialog_.setWindowTitle(title);
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(800);
        dialog_.setRange(0, 1000);
        dialog_.setAutoReset(false);
        dialog_.setAutoClose(false);
        dialog_.setValue(0);
    }

    bool operator()(qint64 done, qint64 total)
    {
        const int value = int(done * 1000 / std::max<qint64>(total, 1));
        if (value != dialog_.value() || done == 1) {
            dialog_.setLabelText(QStringLiteral("%1\n").arg(docName_) + tr("Page %1").arg(done));
            dialog_.setValue(value);
        }
        return !dialog_.wasCanceled();
    }

    SheetProgress callback()
    {
        return [this](qint64 done, qint64 total) { return (*this)(done, total); };
    }

private:
    QProgressDialog dialog_;
    QString docName_;
};

} // namespace

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
    JobProgress progress(window_, tr("Printing"), doc_.GetTitle());
    PrintSheets(job, printer, range, window_, true, progress.callback());
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
    JobProgress progress(window_, tr("Export PDF"), doc_.GetTitle());
    ExportPdf(doc_, path, SheetRange{1, job.sheetCount()}, window_, true, progress.callback());
}
