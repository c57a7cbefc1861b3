#pragma once

#include "model/PdfLibrary.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QTimer>

#include <chrono>
#include <memory>

// Draws the editor's PDF background on another thread, so that the editor
// never waits for a slow page: it shows the page without the background
// until finished() says the picture is there.
class BackgroundRenderer : public QObject
{
    Q_OBJECT

public:
    explicit BackgroundRenderer(QObject* parent = nullptr);
    ~BackgroundRenderer() override;

    // Drops any rendering under way and starts rendering page over pixels,
    // allowed timeLimit.
    void start(const pdf::PageHandle& page, QSize pixels, std::chrono::milliseconds timeLimit);
    // Drops the rendering under way, if any; finished() will not come for it.
    void cancel();
    bool busy() const { return task_ != nullptr; }

signals:
    // The rendering started last is over: image is the picture when status
    // is Rendered, null otherwise.
    void finished(const QImage& image, pdf::RenderStatus status);

private:
    void poll();

    std::shared_ptr<pdf::RenderTask> task_;
    QTimer timer_;
};
