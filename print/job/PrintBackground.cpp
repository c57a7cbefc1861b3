#include "PrintBackground.h"

#include "JobControl.h"
#include "PreparePrintException.h"
#include "print/ui/DlgProgress.h"

#include "model/RenderTimeLimits.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryFile>

#include <cmath>

PrintBackground::PrintBackground() = default;

PrintBackground::~PrintBackground()
{
    release();
}

int PrintBackground::bandCount(double heightPoints)
{
    if (!(heightPoints > 0))
        return 0;
    return int(std::ceil(heightPoints / kBandPoints));
}

pdf::RenderStatus PrintBackground::prepareForPrint(const pdf::PageHandle& page, QSize paperPixels,
                                                   int resolutionX, int resolutionY, JobControl& control)
{
    release();
    if (!page || paperPixels.isEmpty() || resolutionX <= 0 || resolutionY <= 0)
        return pdf::RenderStatus::Failed;

    file_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/CZ2XXXXXX.tmp"));
    const bool fileOpen = file_->open();

    const int W = paperPixels.width();
    const int H = paperPixels.height();
    const double heightPoints = double(H) / resolutionY * 72.0;
    const int bands = bandCount(heightPoints);
    control.preparationSteps(0); // busy until the page is rendered

    // One rendering of the whole page, stretched to the paper whatever its own
    // proportions, on another thread while Cancel stays alive here; the bands
    // then pace the writing.
    pdf::RenderResult result = pdf::RenderPageBitmap(page, W, H, renderTimeLimits().print, [&control] {
        control.poll();
        return !control.cancelled();
    });
    if (result.status == pdf::RenderStatus::Cancelled) {
        release();
        throw CPreparePrintException();
    }
    if (result.status == pdf::RenderStatus::TimedOut) {
        release();
        return result.status;
    }
    QImage rendered = std::move(result.image); // let go of it before the file is mapped
    control.preparationSteps(bands);
    const qsizetype rowBytes = qsizetype(W) * 4;
    bool written = !rendered.isNull() && fileOpen;

    const int bandRows = kBandPoints * resolutionY / 72;
    double top = 0;
    int y = 0;
    for (int band = 0; band < bands; ++band) {
        const bool last = top + kBandPoints >= heightPoints || band == bands - 1;
        const double bottom = last ? heightPoints : top + kBandPoints;
        // The last band takes whatever rows are left, so that rounding never
        // loses the paper's bottom edge.
        const int rows = last ? H - y : std::min(bandRows, H - y);
        if (written) {
            for (int r = 0; r < rows && written; ++r) {
                const char* line = reinterpret_cast<const char*>(rendered.constScanLine(y + r));
                written = file_->write(line, rowBytes) == rowBytes;
            }
        }
        y += rows;
        control.preparationStep();
        if (!control.cancelled())
            QCoreApplication::processEvents();
        top = bottom;
    }
    rendered = QImage();

    if (control.cancelled()) {
        release();
        throw CPreparePrintException();
    }
    if (!written || !file_->flush())
        return pdf::RenderStatus::Failed; // the temporary file goes in release()

    uchar* bits = file_->map(0, rowBytes * H);
    if (!bits)
        return pdf::RenderStatus::Failed;
    // Read-only wrapper: the pixels stay in the file's mapping, off the heap.
    image_ = QImage(static_cast<const uchar*>(bits), W, H, rowBytes, QImage::Format_RGB32);
    return pdf::RenderStatus::Rendered;
}

pdf::RenderStatus PrintBackground::prepareForPreview(const pdf::PageHandle& page, QSize pixels,
                                                     JobControl* control)
{
    release();
    if (!page || pixels.isEmpty())
        return pdf::RenderStatus::Failed;
    if (control)
        control->preparationSteps(0); // busy: one rendering, no steps
    pdf::RenderResult result =
        pdf::RenderPageBitmap(page, pixels.width(), pixels.height(), renderTimeLimits().preview, [control] {
            if (!control) {
                // Without anyone to take it, user input waits until the end.
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                return true;
            }
            control->poll();
            return !control->cancelled();
        });
    image_ = std::move(result.image);
    return result.status;
}

void PrintBackground::release()
{
    image_ = QImage();
    if (file_) {
        file_->close(); // unmaps
        file_->remove();
        file_.reset();
    }
}

QString PrintBackground::fileName() const
{
    return file_ ? file_->fileName() : QString();
}
