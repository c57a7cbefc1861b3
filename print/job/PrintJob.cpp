#include "PrintJob.h"

#include "JobPdf.h"
#include "model/PrinterSelection.h"
#include "print/printers/CupsPrinting.h"
#include "print/ui/DlgProgress.h"

#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/RenderTimeLimits.h"
#include "model/Units.h"
#include "model/WaitCursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// The highest resolution a background is rendered at for paper: a Letter page
// is a 135 MB bitmap at 600 dpi already, four times that at 1200.
constexpr int kMaxPrintDpi = 600;
constexpr int kFallbackPrintDpi = 300;

// Re-enables the owner window however the preparation ends.
class DisabledWindow
{
public:
    explicit DisabledWindow(QWidget* window) : window_(window)
    {
        if (window_)
            window_->setEnabled(false);
    }
    ~DisabledWindow()
    {
        if (window_)
            window_->setEnabled(true);
    }
    DisabledWindow(const DisabledWindow&) = delete;
    DisabledWindow& operator=(const DisabledWindow&) = delete;

private:
    QWidget* window_;
};

} // namespace

SheetGeometry SheetGeometry::fullPage(QSize paperPixels, int resolutionX, int resolutionY)
{
    SheetGeometry g;
    g.resolutionX = resolutionX;
    g.resolutionY = resolutionY;
    g.paperPixels = paperPixels;
    g.offsets = PrinterOffsets{0, 0, resolutionX, resolutionY};
    return g;
}

SheetGeometry SheetGeometry::ofTemplatePaper(const CCadenzoDoc& doc, int dpi)
{
    constexpr double twipsPerInch = units::kTwipsPerInch;
    const QSize pixels(int(std::lround(doc.GetPageWidth() * double(dpi) / twipsPerInch)),
                       int(std::lround(doc.GetPageHeight() * double(dpi) / twipsPerInch)));
    return fullPage(pixels, dpi, dpi);
}

SheetGeometry SheetGeometry::ofPrinter(const QPrinter& printer)
{
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QSize pixels(int(std::lround(paper.width())), int(std::lround(paper.height())));
    const int dpiX = printer.logicalDpiX() > 0 ? printer.logicalDpiX() : printer.resolution();
    const int dpiY = printer.logicalDpiY() > 0 ? printer.logicalDpiY() : printer.resolution();
    return fullPage(pixels, dpiX, dpiY);
}

CPrintJob::CPrintJob(const CCadenzoDoc& doc) : doc_(doc), mapping_(SheetMapping::of(doc)) {}

CPrintJob::~CPrintJob() = default;

QSizeF CPrintJob::paperPoints() const
{
    return paper_ ? *paper_ : JobPaperPoints(doc_);
}

pdf::RenderStatus CPrintJob::BeginPrinting(const SheetGeometry& geometry, QWidget* owner, bool showProgress)
{
    background_.release();
    const pdf::PageHandle& page = doc_.GetPdfPage();
    if (!page)
        return pdf::RenderStatus::Rendered;
    std::unique_ptr<CDlgProgress> dialog;
    if (showProgress) {
        dialog = std::make_unique<CDlgProgress>(owner);
    } else {
        PrintAbortFlag() = false;
    }
    DisabledWindow disabled(showProgress ? owner : nullptr);
    if (dialog)
        dialog->Create();
    WaitCursor wait;
    return background_.prepareForPrint(page, geometry.paperPixels, geometry.resolutionX, geometry.resolutionY,
                                       dialog.get());
}

pdf::RenderStatus CPrintJob::BeginPreview(const SheetGeometry& geometry, int previewDpi, QWidget* owner)
{
    background_.release();
    const pdf::PageHandle& page = doc_.GetPdfPage();
    if (!page)
        return pdf::RenderStatus::Rendered;
    if (geometry.resolutionX <= 0 || geometry.resolutionY <= 0)
        return pdf::RenderStatus::Failed;
    WaitCursor wait;
    const QSize pixels(
        int(std::lround(double(geometry.paperPixels.width()) * previewDpi / geometry.resolutionX)),
        int(std::lround(double(geometry.paperPixels.height()) * previewDpi / geometry.resolutionY)));
    std::unique_ptr<CDlgProgress> dialog;
    if (owner)
        dialog = std::make_unique<CDlgProgress>(owner);
    DisabledWindow disabled(owner);
    if (dialog)
        dialog->Create();
    return background_.prepareForPreview(page, pixels, dialog.get());
}

void CPrintJob::EndPrinting()
{
    background_.release();
}

bool CPrintJob::PrintPage(QPainter& painter, qint64 sheet, const SheetGeometry& geometry) const
{
    const std::optional<std::int32_t> index = mapping_.numberIndex(sheet);
    if (!index)
        return false;

    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QImage& picture = background_.image();
    if (!picture.isNull()) {
        const QRectF paper(-geometry.offsets.offsetX, -geometry.offsets.offsetY, geometry.paperPixels.width(),
                           geometry.paperPixels.height());
        painter.drawImage(paper, picture);
    }

    PageToDevice map;
    map.scaleX = units::pixelsPerTwip(geometry.resolutionX);
    map.scaleY = units::pixelsPerTwip(geometry.resolutionY);
    PrinterOffsets offsets = geometry.offsets;
    offsets.resolutionX = geometry.resolutionX;
    offsets.resolutionY = geometry.resolutionY;
    DrawHeads(painter, doc_, *index, map, &offsets);
    painter.restore();
    return true;
}

void ApplyPrinterSelection(QPrinter& printer, const PrinterSelection& printers)
{
    if (printers.names() && !printers.names()->device.isEmpty())
        printer.setPrinterName(printers.names()->device);
    if (printers.settings()) {
        const PrinterSettings& settings = *printers.settings();
        QPageSize pageSize;
        if (settings.paperSize != 0) {
            const QPageSize::PageSizeId id = QPageSize::id(int(settings.paperSize));
            if (id != QPageSize::Custom)
                pageSize = QPageSize(id);
        }
        if (!pageSize.isValid() && settings.paperWidth > 0 && settings.paperLength > 0) {
            pageSize = QPageSize(QSizeF(settings.paperWidth / 10.0, settings.paperLength / 10.0),
                                 QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
        }
        if (pageSize.isValid())
            printer.setPageSize(pageSize);
        printer.setPageOrientation(settings.orientation == 2 ? QPageLayout::Landscape
                                                             : QPageLayout::Portrait);
    }
    SetPrintResolution(printer);
}

void SetPrintResolution(QPrinter& printer)
{
    // The finest resolution the driver lists, up to kMaxPrintDpi: the printer
    // itself reports 72 dpi whatever its driver prints at.
    int dpi = 0;
    const QList<int> supported = QPrinterInfo(printer).supportedResolutions();
    for (int r : supported) {
        if (r > dpi && r <= kMaxPrintDpi)
            dpi = r;
    }
    if (dpi == 0 && !supported.isEmpty())
        dpi = *std::min_element(supported.begin(), supported.end());
    if (dpi == 0)
        dpi = printer.resolution() >= kFallbackPrintDpi ? printer.resolution() : kFallbackPrintDpi;
    printer.setResolution(std::min(dpi, kMaxPrintDpi));
}

namespace {

int seconds(std::chrono::milliseconds limit)
{
    return int(std::max<qint64>(1, (limit.count() + 999) / 1000));
}

} // namespace

bool ConfirmPrintWithoutBackground(bool attended)
{
    const int limit = seconds(renderTimeLimits().print);
    if (!attended) {
        showMessage(QCoreApplication::translate("CPrintJob",
                                                "The PDF background took longer than %1 seconds to prepare. "
                                                "Nothing was printed; --no-background prints the sheets "
                                                "without it.")
                        .arg(limit),
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    const QString text =
        QCoreApplication::translate("CPrintJob", "The PDF background took longer than %1 seconds to prepare "
                                                 "and is left out. Print the sheets without it?")
            .arg(limit);
    return showMessage(text, MsgButtons::YesNo, MsgIcon::Exclamation) == MsgAnswer::Yes;
}

void ReportBackgroundLeftOut()
{
    showMessage(QCoreApplication::translate(
                    "CPrintJob", "The PDF background took longer than %1 seconds to draw and is left out.")
                    .arg(seconds(renderTimeLimits().preview)),
                MsgButtons::Ok, MsgIcon::Exclamation);
}

bool ConfirmOtherPaper(const QString& printer, const QString& jobPaper, const QString& printerPaper,
                       bool attended)
{
    if (!attended) {
        showMessage(QCoreApplication::translate(
                        "CPrintJob", "The printer %1 has no %2 paper and takes no custom size; "
                                     "printing on %3, the numbers placed from its top-left corner.")
                        .arg(printer, jobPaper, printerPaper),
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return true;
    }
    return showMessage(QCoreApplication::translate(
                           "CPrintJob", "The printer %1 has no %2 paper and takes no custom size. "
                                        "Print on %3, the numbers placed from its top-left corner?")
                           .arg(printer, jobPaper, printerPaper),
                       MsgButtons::OkCancel, MsgIcon::Exclamation) == MsgAnswer::Ok;
}

void ReportNoSheets()
{
    showMessage(QCoreApplication::translate(
                    "CPrintJob", "The print job has no pages. Check Total Pages, Copies and Skip."),
                MsgButtons::Ok, MsgIcon::Exclamation);
}

void ReportCouldNotStart(const QString& reason)
{
    QString text = QCoreApplication::translate("CPrintJob", "Could not start print job.");
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    showMessage(text, MsgButtons::Ok, MsgIcon::Exclamation);
}

namespace {

PrintOutcome outcomeOf(JobPdfResult result)
{
    switch (result) {
    case JobPdfResult::Written:
        break;
    case JobPdfResult::Cancelled:
        return PrintOutcome::Cancelled;
    case JobPdfResult::Failed:
        return PrintOutcome::CouldNotStart;
    }
    return PrintOutcome::Printed;
}

} // namespace

PrintOutcome PrintSheets(CPrintJob& job, QPrinter& printer, SheetRange range, QWidget* owner,
                         bool showProgress, const SheetProgress& progress)
{
    if (range.isEmpty() || job.sheetCount() <= 0) {
        ReportNoSheets();
        return PrintOutcome::NoSheets;
    }
    // A background the PDF cannot carry as it is gets rendered for the printer.
    const int fallbackDpi = std::clamp(printer.resolution(), 72, kMaxPrintDpi);
    // Print to file from the print dialog: the job's PDF itself.
    if (!printer.outputFileName().isEmpty())
        return outcomeOf(
            SaveJobPdf(job, printer.outputFileName(), range, fallbackDpi, owner, showProgress, progress));

    // A queue without the paper would centre the sheets on another one: lay
    // them out on that one instead, from its corner, when the user agrees.
    if (const CupsPaperCheck paper = CheckCupsPaper(printer.printerName(), job.paperPoints()); !paper.fits) {
        if (!ConfirmOtherPaper(printer.printerName(), paper.jobPaper, paper.queuePaper, showProgress))
            return PrintOutcome::Cancelled;
        job.setPaperPoints(paper.queuePaperPoints);
    }

    // The spool copy goes once CUPS has it, or when anything goes wrong.
    QTemporaryFile pdf(QDir::tempPath() + QStringLiteral("/tallimark-print-XXXXXX.pdf"));
    if (!pdf.open()) {
        ReportCouldNotStart(pdf.errorString());
        return PrintOutcome::CouldNotStart;
    }
    if (const JobPdfResult written = WriteJobPdf(job, pdf, range, fallbackDpi, owner, showProgress, progress);
        written != JobPdfResult::Written)
        return outcomeOf(written);
    if (!pdf.flush()) {
        ReportCouldNotStart(pdf.errorString());
        return PrintOutcome::CouldNotStart;
    }
    const CCadenzoDoc& doc = job.document();
    const CupsJobSettings settings = CupsSettingsFor(printer, job.paperPoints(), doc.GetTitle());
    QString reason;
    if (SubmitPdfToCups(pdf.fileName(), settings, &reason) == 0) {
        ReportCouldNotStart(CupsQueueProblem(settings.printer, reason));
        return PrintOutcome::CouldNotStart;
    }
    // A paused queue takes the job without a word.
    if (CupsQueuePaused(settings.printer))
        showMessage(QCoreApplication::translate("CPrintJob",
                                                "The printer %1 is paused; the job waits there until the "
                                                "printer is resumed.")
                        .arg(settings.printer),
                    MsgButtons::Ok, MsgIcon::Information);
    return PrintOutcome::Printed;
}
