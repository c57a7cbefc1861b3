#include "PrintCommands.h"

#include "PdfExport.h"
#include "PreviewWindow.h"
#include "PrintJob.h"
#include "PrinterSelection.h"

#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QTimer>

#include <limits>
#include <memory>

namespace {

constexpr int kPrintDirect = 57608;
constexpr int kExportPdf = 32820;

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

class PrintCommands : public QObject
{
public:
    PrintCommands(CMainFrame& frame, CCadenzoDoc& doc, PrinterSelection& printers)
        : QObject(&frame), frame_(frame), doc_(doc), printers_(printers)
    {}

    void Print(bool withDialog)
    {
        CPrintJob job(doc_);
        if (job.sheetCount() <= 0) {
            ReportNoSheets();
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
            QPrintDialog dialog(&printer, &frame_);
            dialog.setMinMax(1, last);
            dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
            dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
            dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
            if (dialog.exec() != QDialog::Accepted)
                return;
            if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
                range = SheetRange{printer.fromPage(), std::max(printer.fromPage(), printer.toPage())};
            SetPrintResolution(printer);
        }
        JobProgress progress(&frame_, tr("Printing"), doc_.GetTitle());
        PrintSheets(job, printer, range, &frame_, true, progress.callback());
    }

    void Preview()
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
            CPreviewWindow preview(doc_, geometry, &frame_);
            connect(&preview, &CPreviewWindow::printRequested, this, [&print] { print = true; });
            preview.setWindowState(Qt::WindowMaximized);
            preview.exec();
        }
        if (print) {
            if (QAction* printAction = frame_.action(CMainFrame::kPrint))
                QTimer::singleShot(0, printAction, &QAction::trigger);
        }
    }

    void Export()
    {
        CPrintJob job(doc_);
        if (job.sheetCount() <= 0) {
            ReportNoSheets();
            return;
        }
        QString suggestion = QFileInfo(doc_.GetTitle()).completeBaseName();
        if (suggestion.isEmpty())
            suggestion = QStringLiteral("Template");
        const QString folder =
            doc_.GetPathName().isEmpty() ? QString() : QFileInfo(doc_.GetPathName()).path();
        const QString path = QFileDialog::getSaveFileName(
            &frame_, tr("Export PDF"),
            folder.isEmpty() ? suggestion + QStringLiteral(".pdf")
                             : folder + QLatin1Char('/') + suggestion + QStringLiteral(".pdf"),
            tr("PDF Files (*.pdf);;All Files (*.*)"));
        if (path.isEmpty())
            return;
        JobProgress progress(&frame_, tr("Export PDF"), doc_.GetTitle());
        ExportPdf(doc_, path, SheetRange{1, job.sheetCount()}, &frame_, true, progress.callback());
    }

private:
    CMainFrame& frame_;
    CCadenzoDoc& doc_;
    PrinterSelection& printers_;
};

// The File menu: the menu that holds Print Preview.
QMenu* fileMenuOf(CMainFrame& frame, QAction* member)
{
    if (!member)
        return nullptr;
    const QList<QAction*> top = frame.menuBar()->actions();
    for (QAction* entry : top) {
        if (QMenu* menu = entry->menu(); menu && menu->actions().contains(member))
            return menu;
    }
    return nullptr;
}

} // namespace

void InstallPrintCommands(CMainFrame& frame, CCadenzoDoc& doc, PrinterSelection& printers)
{
    auto* commands = new PrintCommands(frame, doc, printers);

    if (QAction* print = frame.action(CMainFrame::kPrint))
        QObject::connect(print, &QAction::triggered, commands, [commands] { commands->Print(true); });
    if (QAction* preview = frame.action(CMainFrame::kPrintPreview))
        QObject::connect(preview, &QAction::triggered, commands, [commands] { commands->Preview(); });

    // No menu item, accelerator or button: reachable by its id alone.
    QAction* direct = frame.action(kPrintDirect);
    if (!direct) {
        direct = new QAction(&frame);
        direct->setObjectName(QStringLiteral("command%1").arg(kPrintDirect));
        direct->setData(kPrintDirect);
        frame.addAction(direct);
    }
    QObject::connect(direct, &QAction::triggered, commands, [commands] { commands->Print(false); });

    QAction* exportPdf = frame.action(kExportPdf);
    if (!exportPdf) {
        exportPdf = new QAction(tr("Export PD&F..."), &frame);
        exportPdf->setObjectName(QStringLiteral("command%1").arg(kExportPdf));
        exportPdf->setData(kExportPdf);
        exportPdf->setStatusTip(tr("Write the print job to a PDF file"));
        QAction* preview = frame.action(CMainFrame::kPrintPreview);
        if (QMenu* file = fileMenuOf(frame, preview)) {
            const QList<QAction*> entries = file->actions();
            const int at = int(entries.indexOf(preview));
            QAction* before = at + 1 < entries.size() ? entries.at(at + 1) : nullptr;
            file->insertAction(before, exportPdf);
        } else {
            frame.addAction(exportPdf);
        }
    }
    QObject::connect(exportPdf, &QAction::triggered, commands, [commands] { commands->Export(); });
}
