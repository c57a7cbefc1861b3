#include "PrintJob.h"

#include "JobControl.h"
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

#include <algorithm>
#include <cmath>

namespace {

// The highest resolution a background is rendered at for paper: a Letter page
// is a 135 MB bitmap at 600 dpi already, four times that at 1200.
constexpr int kMaxPrintDpi = 600;
constexpr int kFallbackPrintDpi = 300;

// Ends the preparation's progress however the preparation ends.
class Preparation
{
public:
    explicit Preparation(JobControl* control) : control_(control)
    {
        if (control_)
            control_->preparationBegins();
    }
    ~Preparation()
    {
        if (control_)
            control_->preparationEnds();
    }
    Preparation(const Preparation&) = delete;
    Preparation& operator=(const Preparation&) = delete;

private:
    JobControl* control_;
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

pdf::RenderStatus CPrintJob::BeginPrinting(const SheetGeometry& geometry, JobControl& control)
{
    background_.release();
    const pdf::PageHandle& page = doc_.GetPdfPage();
    if (!page)
        return pdf::RenderStatus::Rendered;
    const Preparation shown(&control);
    WaitCursor wait;
    return background_.prepareForPrint(page, geometry.paperPixels, geometry.resolutionX, geometry.resolutionY,
                                       control);
}

pdf::RenderStatus CPrintJob::BeginPreview(const SheetGeometry& geometry, int previewDpi, JobControl* control)
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
    const Preparation shown(control);
    return background_.prepareForPreview(page, pixels, control);
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

std::optional<JobOutcome> ConfirmPrintWithoutBackground(JobControl& control)
{
    const int limit = seconds(renderTimeLimits().print);
    if (!control.attended())
        return JobOutcome::failed(
            QCoreApplication::translate("CPrintJob",
                                        "The PDF background took longer than %1 seconds to prepare. "
                                        "Nothing was printed; --no-background prints the sheets "
                                        "without it.")
                .arg(limit));
    const QString text =
        QCoreApplication::translate("CPrintJob", "The PDF background took longer than %1 seconds to prepare "
                                                 "and is left out. Print the sheets without it?")
            .arg(limit);
    if (control.confirm(text, MsgButtons::YesNo))
        return std::nullopt;
    return JobOutcome::cancelled();
}

void ReportBackgroundLeftOut()
{
    showMessage(QCoreApplication::translate(
                    "CPrintJob", "The PDF background took longer than %1 seconds to draw and is left out.")
                    .arg(seconds(renderTimeLimits().preview)),
                MsgButtons::Ok, MsgIcon::Exclamation);
}

bool ConfirmOtherPaper(JobControl& control, const QString& printer, const QString& jobPaper,
                       const QString& printerPaper)
{
    if (!control.attended()) {
        control.tell(QCoreApplication::translate(
                         "CPrintJob", "The printer %1 has no %2 paper and takes no custom size; "
                                      "printing on %3, the numbers placed from its top-left corner.")
                         .arg(printer, jobPaper, printerPaper),
                     MsgIcon::Exclamation);
        return true;
    }
    return control.confirm(
        QCoreApplication::translate("CPrintJob", "The printer %1 has no %2 paper and takes no custom size. "
                                                 "Print on %3, the numbers placed from its top-left corner?")
            .arg(printer, jobPaper, printerPaper),
        MsgButtons::OkCancel);
}

void ReportNoSheets()
{
    showMessage(QCoreApplication::translate(
                    "CPrintJob", "The print job has no pages. Check Total Pages, Copies and Skip."),
                MsgButtons::Ok, MsgIcon::Exclamation);
}

QString CouldNotStartMessage(const QString& reason)
{
    QString text = QCoreApplication::translate("CPrintJob", "Could not start print job.");
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    return text;
}

void ReportCouldNotStart(const QString& reason)
{
    showMessage(CouldNotStartMessage(reason), MsgButtons::Ok, MsgIcon::Exclamation);
}

JobOutcome PrintSheets(CPrintJob& job, QPrinter& printer, SheetRange range, JobControl& control)
{
    // A background the PDF cannot carry as it is gets rendered for the printer.
    const int fallbackDpi = std::clamp(printer.resolution(), 72, kMaxPrintDpi);
    // Print to file from the print dialog: the job's PDF itself.
    if (!printer.outputFileName().isEmpty())
        return SaveJobPdf(job, printer.outputFileName(), range, fallbackDpi, control);

    // A queue without the paper would centre the sheets on another one: lay
    // them out on that one instead, from its corner, when the user agrees.
    if (const CupsPaperCheck paper = CheckCupsPaper(printer.printerName(), job.paperPoints()); !paper.fits) {
        if (!ConfirmOtherPaper(control, printer.printerName(), paper.jobPaper, paper.queuePaper))
            return JobOutcome::cancelled();
        job.setPaperPoints(paper.queuePaperPoints);
    }

    // The spool copy goes once CUPS has it, or when anything goes wrong.
    QTemporaryFile pdf(QDir::tempPath() + QStringLiteral("/tallimark-print-XXXXXX.pdf"));
    if (!pdf.open())
        return JobOutcome::failed(CouldNotStartMessage(pdf.errorString()));
    if (const JobOutcome written = WriteJobPdf(job, pdf, range, fallbackDpi, control); !written.isDone())
        return written;
    if (!pdf.flush())
        return JobOutcome::failed(CouldNotStartMessage(pdf.errorString()));
    const CCadenzoDoc& doc = job.document();
    const CupsJobSettings settings = CupsSettingsFor(printer, job.paperPoints(), doc.GetTitle());
    QString reason;
    if (SubmitPdfToCups(pdf.fileName(), settings, &reason) == 0)
        return JobOutcome::failed(CouldNotStartMessage(CupsQueueProblem(settings.printer, reason)));
    // A paused queue takes the job without a word.
    if (CupsQueuePaused(settings.printer))
        control.tell(QCoreApplication::translate("CPrintJob",
                                                 "The printer %1 is paused; the job waits there until the "
                                                 "printer is resumed.")
                         .arg(settings.printer),
                     MsgIcon::Information);
    return JobOutcome::done();
}
