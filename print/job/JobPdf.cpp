#include "JobPdf.h"

#include "JobControl.h"
#include "PdfHeadText.h"
#include "PreparePrintException.h"
#include "pdf/PdfBackgroundForm.h"
#include "pdf/PdfJobWriter.h"

#include "model/CadenzoDoc.h"
#include "model/HeadFontProblem.h"
#include "model/NativePath.h"
#include "model/OutputFile.h"
#include "model/PdfLibrary.h"
#include "model/Units.h"

#include <QCoreApplication>
#include <QFileDevice>

#include <zlib.h>

namespace {

// The rendered page as an RGB image object, compressed row by row.
QByteArray imageStreamData(const QImage& image)
{
    z_stream zs{};
    if (deflateInit(&zs, Z_DEFAULT_COMPRESSION) != Z_OK)
        return QByteArray();
    QByteArray out;
    QByteArray row(qsizetype(image.width()) * 3, Qt::Uninitialized);
    unsigned char chunk[65536];
    for (int y = 0; y <= image.height(); ++y) {
        const bool last = y == image.height();
        if (!last) {
            const QRgb* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            char* rgb = row.data();
            for (int x = 0; x < image.width(); ++x) {
                *rgb++ = char(qRed(pixels[x]));
                *rgb++ = char(qGreen(pixels[x]));
                *rgb++ = char(qBlue(pixels[x]));
            }
        }
        zs.next_in = reinterpret_cast<Bytef*>(row.data());
        zs.avail_in = last ? 0 : uInt(row.size());
        do {
            zs.next_out = chunk;
            zs.avail_out = sizeof chunk;
            deflate(&zs, last ? Z_FINISH : Z_NO_FLUSH);
            out.append(reinterpret_cast<const char*>(chunk), qsizetype(sizeof chunk - zs.avail_out));
        } while (zs.avail_out == 0);
    }
    deflateEnd(&zs);
    return out;
}

// The background as a form that paints the rendered page over the whole paper.
PdfJobWriter::Id writeRenderedBackground(PdfJobWriter& writer, const QImage& image, QSizeF paper)
{
    const QByteArray data = imageStreamData(image);
    if (data.isEmpty())
        return 0;
    const PdfJobWriter::Id picture = writer.reserve();
    writer.writeStream(picture,
                       "/Type/XObject/Subtype/Image/Width " + QByteArray::number(image.width()) + "/Height " +
                           QByteArray::number(image.height()) +
                           "/ColorSpace/DeviceRGB/BitsPerComponent 8/Interpolate true/Filter/FlateDecode",
                       data);
    const PdfJobWriter::Id form = writer.reserve();
    const QByteArray w = PdfJobWriter::number(paper.width());
    const QByteArray h = PdfJobWriter::number(paper.height());
    writer.writeStream(form,
                       "/Type/XObject/Subtype/Form/BBox[0 0 " + w + ' ' + h + "]/Resources<</XObject<</P " +
                           PdfJobWriter::ref(picture) + ">>>>",
                       w + " 0 0 " + h + " 0 0 cm/P Do");
    return form;
}

} // namespace

QSizeF JobPaperPoints(const CCadenzoDoc& doc)
{
    constexpr double twipsPerPoint = units::kTwipsPerPoint;
    return QSizeF(doc.GetPageWidth() / twipsPerPoint, doc.GetPageHeight() / twipsPerPoint);
}

JobOutcome WriteJobPdf(CPrintJob& job, QFileDevice& out, SheetRange range, int fallbackDpi,
                       JobControl& control)
{
    Q_ASSERT(!range.isEmpty()); // the caller has told the user of a job without sheets
    const CCadenzoDoc& doc = job.document();
    if (doc.GetPageWidth() <= 0 || doc.GetPageHeight() <= 0)
        return JobOutcome::failed(
            QCoreApplication::translate("WriteJobPdf", "The template's paper has no size."));
    const QSizeF paper = job.paperPoints();
    // On another paper than the template's the heads keep their distance
    // from the top-left corner.
    const double raise = paper.height() - JobPaperPoints(doc).height();
    const QByteArray moveHeads =
        raise == 0 ? QByteArray() : "1 0 0 1 0 " + PdfJobWriter::number(raise) + " cm\n";

    PdfJobWriter writer(out);
    QByteArray resources;
    QByteArray paintBackground;
    if (doc.GetPdfPage() && doc.pdfData) {
        QString why;
        const QByteArrayView file(doc.pdfData->bytes.get(), doc.pdfData->length);
        PdfJobWriter::Id form = WriteBackgroundForm(writer, file, doc.pdfPageNumber - 1, paper, &why);
        if (!form) {
            // The toolkit cannot copy the page: print what the renderer makes of it.
            const SheetGeometry geometry = SheetGeometry::ofTemplatePaper(doc, fallbackDpi);
            if (!pdf::RenderableSize(geometry.paperPixels.width(), geometry.paperPixels.height())) {
                return JobOutcome::failed(
                    QCoreApplication::translate(
                        "WriteJobPdf",
                        "The PDF background could not be copied as it is (%1), and at %2 dots per inch "
                        "the paper is too large or too small to print it as a picture. Nothing was "
                        "printed.")
                        .arg(why)
                        .arg(fallbackDpi));
            }
            try {
                const pdf::RenderStatus status = job.BeginPrinting(geometry, control);
                if (status == pdf::RenderStatus::TimedOut) {
                    if (const std::optional<JobOutcome> stop = ConfirmPrintWithoutBackground(control)) {
                        job.EndPrinting();
                        return *stop;
                    }
                }
                if (status == pdf::RenderStatus::Failed) {
                    job.EndPrinting();
                    return JobOutcome::failed(
                        QCoreApplication::translate(
                            "WriteJobPdf", "The PDF background could not be read (%1). Nothing was printed.")
                            .arg(why));
                }
            } catch (const CPreparePrintException&) {
                job.EndPrinting();
                return JobOutcome::cancelled();
            }
            if (!job.background().image().isNull()) {
                form = writeRenderedBackground(writer, job.background().image(), paper);
                control.tell(
                    QCoreApplication::translate(
                        "WriteJobPdf",
                        "The PDF background could not be copied as it is (%1), so it is printed as a "
                        "picture at %2 dots per inch.")
                        .arg(why)
                        .arg(fallbackDpi),
                    MsgIcon::Information);
            }
            job.EndPrinting();
        }
        if (form) {
            resources += "/XObject<</B " + PdfJobWriter::ref(form) + ">>";
            paintBackground = "/B Do\n";
        }
    }

    if (const QString problem = HeadFontProblem(doc); !problem.isEmpty())
        control.tell(problem, MsgIcon::Information);
    PdfHeadText heads(doc);
    const QByteArray fonts = heads.writeFonts(writer);
    if (!fonts.isEmpty())
        resources += "/Font<<" + fonts + ">>";
    writer.beginPages(std::uint64_t(range.count()), paper, "<<" + resources + ">>");

    QByteArray content;
    bool stopped = false;
    for (qint64 sheet = range.first; sheet <= range.last; ++sheet) {
        content.clear();
        if (const std::optional<std::int32_t> index = job.mapping().numberIndex(sheet)) {
            content += paintBackground;
            if (!moveHeads.isEmpty())
                content += "q " + moveHeads;
            heads.appendHeads(content, *index);
            if (!moveHeads.isEmpty())
                content += "Q\n";
        }
        writer.addPage(content);
        control.sheetsDone(sheet - range.first + 1, range.count());
        if (control.cancelled() || !writer.ok()) {
            stopped = writer.ok();
            break;
        }
    }
    if (stopped)
        return JobOutcome::cancelled();
    if (!writer.finish(doc.GetTitle())) {
        // The output by the name it has; callers that know it by another
        // name tell the cause in a message of their own.
        return JobOutcome::failed(
            QCoreApplication::translate("WriteJobPdf", "Could not write the file %1.").arg(out.fileName()) +
                QLatin1Char(' ') + writer.errorString(),
            writer.errorString());
    }
    return JobOutcome::done();
}

JobOutcome SaveJobPdf(CPrintJob& job, const QString& path, SheetRange range, int fallbackDpi,
                      JobControl& control)
{
    OutputFile file(path);
    if (!file.open())
        return JobOutcome::failed(
            QCoreApplication::translate("WriteJobPdf", "Could not create the file %1: %2.")
                .arg(displayPath(path), file.errorString()));
    JobOutcome outcome = WriteJobPdf(job, file.device(), range, fallbackDpi, control);
    if (outcome.isDone() && !file.commit())
        outcome = JobOutcome::failed(QString(), file.errorString());
    if (outcome.isDone())
        return outcome;
    file.discard();
    if (!outcome.writeError().isNull())
        return JobOutcome::failed(
            QCoreApplication::translate("WriteJobPdf", "Could not write the file %1: %2.")
                .arg(displayPath(path), outcome.writeError()),
            outcome.writeError());
    return outcome;
}
