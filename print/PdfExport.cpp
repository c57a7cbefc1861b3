#include "PdfExport.h"

#include "PreparePrintException.h"

#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ExportPdf", text);
}

} // namespace

bool ExportPdf(const CCadenzoDoc& doc, const QString& path, SheetRange range, QWidget* owner,
               bool showProgress, const SheetProgress& progress)
{
    CPrintJob job(doc);
    if (range.isEmpty() || job.sheetCount() <= 0) {
        ReportNoSheets();
        return false;
    }
    const std::int32_t widthTwips = doc.GetPageWidth();
    const std::int32_t heightTwips = doc.GetPageHeight();
    if (widthTwips <= 0 || heightTwips <= 0) {
        showMessage(tr("The template's paper has no size."), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }

    // The page as laid out (already turned for landscape), in points; no
    // margins, so the painter's origin is the paper's corner. QPageSize holds
    // the paper upright and the layout turns it.
    const bool landscape = widthTwips > heightTwips;
    const QSizeF upright = landscape ? QSizeF(heightTwips / 20.0, widthTwips / 20.0)
                                     : QSizeF(widthTwips / 20.0, heightTwips / 20.0);
    const QPageSize pageSize(upright, QPageSize::Point, QString(), QPageSize::ExactMatch);
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("Tallimark"));
    writer.setTitle(doc.GetTitle());
    writer.setResolution(kExportDpi);
    const QPageLayout::Orientation orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    writer.setPageLayout(QPageLayout(pageSize, orientation, QMarginsF(0, 0, 0, 0)));

    const SheetGeometry geometry = SheetGeometry::ofTemplatePaper(doc, kExportDpi);
    try {
        if (job.BeginPrinting(SheetGeometry::ofTemplatePaper(doc, kExportBackgroundDpi), owner,
                              showProgress) == pdf::RenderStatus::TimedOut &&
            !ConfirmPrintWithoutBackground(showProgress)) {
            job.EndPrinting();
            return false;
        }
    } catch (const CPreparePrintException&) {
        job.EndPrinting();
        return false;
    }

    QPainter painter;
    if (!painter.begin(&writer)) {
        job.EndPrinting();
        showMessage(tr("Could not create the file %1.").arg(path), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    bool stopped = false;
    for (qint64 sheet = range.first; sheet <= range.last; ++sheet) {
        if (sheet != range.first)
            writer.newPage();
        job.PrintPage(painter, sheet, geometry);
        if (progress && !progress(sheet - range.first + 1, range.count())) {
            stopped = true;
            break;
        }
    }
    const bool ended = painter.end();
    job.EndPrinting();
    if (stopped) {
        QFile::remove(path);
        return false;
    }
    if (!ended) {
        showMessage(tr("Could not write the file %1.").arg(path), MsgButtons::Ok, MsgIcon::Exclamation);
        QFile::remove(path);
        return false;
    }
    return true;
}
