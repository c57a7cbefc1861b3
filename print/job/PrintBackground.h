#pragma once

#include "model/PdfLibrary.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

class JobControl;
class QTemporaryFile;

// The PDF background of one print job, rendered once: for the preview, and
// for paper when the job's PDF cannot copy the page as it is (the PDF then
// holds the picture once, as a form that every sheet draws).
//
// For printing, the page is rendered over the whole paper at the printer's
// resolution and written band by band to a temporary file (prefix "CZ2"),
// which is then mapped into memory: the picture does not stay on the heap. For
// preview the page is rendered at screen size and kept in memory.
class PrintBackground
{
public:
    PrintBackground();
    ~PrintBackground();
    PrintBackground(const PrintBackground&) = delete;
    PrintBackground& operator=(const PrintBackground&) = delete;

    // Band height in points: 72 gives bands of one inch, resolution rows each.
    static constexpr int kBandPoints = 72;

    // Renders page over a paper of paperPixels device pixels at resolutionX x
    // resolutionY dots per inch, within the print time limit. control takes
    // the bands done; it is polled while the page renders and pending events
    // are processed between bands, so that a Cancel comes in. Throws
    // CPreparePrintException when control is cancelled, with the temporary
    // file already gone. A page that cannot be rendered (too large a bitmap)
    // or that runs out of time leaves the background empty (TimedOut says
    // which): sheets then carry heads only.
    pdf::RenderStatus prepareForPrint(const pdf::PageHandle& page, QSize paperPixels, int resolutionX,
                                      int resolutionY, JobControl& control);

    // Renders page into a pixels-sized bitmap for the preview, within the
    // preview time limit. control (may be null) is polled meanwhile and
    // may cancel it: Cancelled. Without one, pending events are processed
    // but user input waits until the end.
    pdf::RenderStatus prepareForPreview(const pdf::PageHandle& page, QSize pixels,
                                        JobControl* control = nullptr);

    // Deletes the picture and its temporary file.
    void release();

    // The prepared picture; null when there is none.
    const QImage& image() const { return image_; }
    // The temporary file of a printing preparation; empty otherwise.
    QString fileName() const;

    // Number of bands for a paper heightPoints tall: one per band height, the
    // last one shorter when the height is not a multiple of it.
    static int bandCount(double heightPoints);

private:
    std::unique_ptr<QTemporaryFile> file_;
    QImage image_;
};
