#include "PrintRun.h"

#include "JobControl.h"
#include "JobOutcome.h"
#include "PdfExport.h"
#include "PrintJob.h"
#include "model/PrinterSelection.h"

#include "model/BackgroundProblem.h"
#include "model/CadenzoDoc.h"
#include "model/Codepage.h"
#include "model/MessageSink.h"
#include "model/NativePath.h"
#include "model/Units.h"

#include <QCoreApplication>
#include <QPrinter>

#include <algorithm>
#include <utility>

int RunPrint(const PrintRunOptions& options, PrinterSelection& printers)
{
    // An export needs no printer and never waits for the print server.
    const bool printing = options.mode != PrintRunOptions::ExportPdf;
    if (printing) {
        if (const QString problem = printers.system().unreachableReason(true); !problem.isEmpty()) {
            ReportCouldNotStart(problem);
            return 1;
        }
        // The application's printer, as a start-up without a command would have it.
        printers.GetPrinterDefaults(nullptr, nullptr);
    }

    CCadenzoDoc doc(printing ? &printers : nullptr);
    if (!doc.OnOpenDocument(options.templatePath))
        return 1; // the reason has been reported
    // The window opens an empty file as a new template; printing one would
    // print defaults nobody asked for.
    if (doc.OpenedEmptyFile()) {
        showMessage(QCoreApplication::translate("RunPrint", "%1 is empty: there is no template to print.")
                        .arg(displayPath(options.templatePath)),
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return 1;
    }
    if (options.withoutBackground) {
        doc.ClearPdfPage();
    } else if (const QString problem = BackgroundProblem(doc); !problem.isEmpty()) {
        showMessage(problem + QLatin1Char(' ') +
                        QCoreApplication::translate(
                            "RunPrint", "Nothing was printed; --no-background prints the sheets without it."),
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return 1;
    }

    for (const auto& [value, field] :
         {std::pair{options.startNumber, &doc.startNumber}, std::pair{options.totalPages, &doc.totalPages},
          std::pair{options.copies, &doc.copies}, std::pair{options.skip, &doc.skip}}) {
        if (value)
            *field = *value;
    }

    CPrintJob job(doc);
    const SheetRange range = clampSheetRange(options.firstSheet, options.lastSheet, job.sheetCount());
    if (job.sheetCount() <= 0) {
        ReportNoSheets();
        return 1;
    }
    if (range.isEmpty()) {
        showMessage(QCoreApplication::translate("RunPrint",
                                                "The print job has %1 pages; there is no page %2 to print.")
                        .arg(job.sheetCount())
                        .arg(std::max<qint64>(options.firstSheet, 1)),
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return 1;
    }

    // Nobody watches: nothing is asked, and what goes wrong ends the run.
    JobControl unattended;
    if (!printing) {
        const JobOutcome outcome = options.outputPath == QLatin1String("-")
                                       ? ExportPdfToStandardOutput(job, range, unattended)
                                       : ExportPdf(job, options.outputPath, range, unattended);
        ReportOutcome(outcome);
        return outcome.isDone() ? 0 : 1;
    }

    // "/pt" names its printer; "/p" without a default printer takes the
    // template's own, which opening the template has checked.
    QString printerName = options.printerName;
    if (options.mode == PrintRunOptions::PrintDefault)
        printerName =
            printers.names() && !printers.names()->device.isEmpty() ? QString() : fromCp1252(doc.printerName);
    if (!printerName.isEmpty()) {
        printers.SelectPrinterByName(printerName);
        if (!printers.names() || printers.names()->device != printerName) {
            ReportCouldNotStart(printers.system().printerProblem(printerName));
            return 1;
        }
        // The printer with the template's own paper and orientation.
        printers.ApplyTemplatePrinter(printerName, doc.paperSize, units::twipsToInches(doc.paperWidth),
                                      units::twipsToInches(doc.paperHeight), doc.orientation);
    } else if (!printers.names() || printers.names()->device.isEmpty()) {
        ReportCouldNotStart(QCoreApplication::translate("RunPrint", "There is no default printer."));
        return 1;
    }

    QPrinter printer(QPrinter::PrinterResolution);
    ApplyPrinterSelection(printer, printers);
    printer.setDocName(doc.GetTitle());
    const JobOutcome outcome = PrintSheets(job, printer, range, unattended);
    ReportOutcome(outcome);
    return outcome.isDone() ? 0 : 1;
}
