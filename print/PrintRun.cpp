#include "PrintRun.h"

#include "PdfExport.h"
#include "PrintJob.h"
#include "model/PrinterSelection.h"

#include "model/BackgroundProblem.h"
#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/NativePath.h"
#include "model/Units.h"

#include <QCoreApplication>
#include <QPrinter>

#include <algorithm>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("RunPrint", text);
}

} // namespace

int RunPrint(const PrintRunOptions& options, PrinterSelection& printers)
{
    // The application's printer, as a start-up without a command would have it.
    printers.GetPrinterDefaults(nullptr, nullptr);

    CCadenzoDoc doc(&printers);
    if (!doc.OnOpenDocument(options.templatePath))
        return 1; // the reason has been reported
    // The window opens an empty file as a new template; printing one would
    // print defaults nobody asked for.
    if (doc.OpenedEmptyFile()) {
        showMessage(tr("%1 is empty: there is no template to print.").arg(displayPath(options.templatePath)),
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return 1;
    }
    if (options.withoutBackground) {
        doc.ClearPdfPage();
    } else if (const QString problem = BackgroundProblem(doc); !problem.isEmpty()) {
        showMessage(problem + QLatin1Char(' ') +
                        tr("Nothing was printed; --no-background prints the sheets without it."),
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return 1;
    }

    CPrintJob job(doc);
    const SheetRange range = clampSheetRange(options.firstSheet, options.lastSheet, job.sheetCount());
    if (job.sheetCount() <= 0) {
        ReportNoSheets();
        return 1;
    }
    if (range.isEmpty()) {
        showMessage(tr("The print job has %1 pages; there is no page %2 to print.")
                        .arg(job.sheetCount())
                        .arg(std::max<qint64>(options.firstSheet, 1)),
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return 1;
    }

    if (options.mode == PrintRunOptions::ExportPdf)
        return ExportPdf(doc, options.outputPath, range) ? 0 : 1;

    if (options.mode == PrintRunOptions::PrintTo) {
        printers.SelectPrinterByName(options.printerName);
        if (!printers.names() || printers.names()->device != options.printerName) {
            ReportCouldNotStart();
            return 1;
        }
        // The named printer with the template's own paper and orientation.
        printers.ApplyTemplatePrinter(options.printerName, doc.paperSize,
                                      units::twipsToInches(doc.paperWidth),
                                      units::twipsToInches(doc.paperHeight), doc.orientation);
    } else if (!printers.names() || printers.names()->device.isEmpty()) {
        ReportCouldNotStart(); // no printer at all
        return 1;
    }

    QPrinter printer(QPrinter::PrinterResolution);
    ApplyPrinterSelection(printer, printers);
    printer.setDocName(doc.GetTitle());
    return PrintSheets(job, printer, range, nullptr, false) == PrintOutcome::Printed ? 0 : 1;
}
