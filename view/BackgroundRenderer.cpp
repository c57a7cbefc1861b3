#include "BackgroundRenderer.h"

namespace {

// How often the editor looks whether the picture is there: well below what
// the eye notices, and nothing at all runs while no rendering is under way.
constexpr int kPollMilliseconds = 30;

} // namespace

BackgroundRenderer::BackgroundRenderer(QObject* parent) : QObject(parent)
{
    timer_.setInterval(kPollMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &BackgroundRenderer::poll);
}

BackgroundRenderer::~BackgroundRenderer()
{
    cancel();
}

void BackgroundRenderer::start(const pdf::PageHandle& page, QSize pixels, std::chrono::milliseconds timeLimit)
{
    cancel();
    task_ = pdf::RenderTask::Start(page, pixels.width(), pixels.height(), timeLimit);
    timer_.start();
}

void BackgroundRenderer::cancel()
{
    timer_.stop();
    if (task_) {
        task_->Cancel();
        task_.reset();
    }
}

void BackgroundRenderer::poll()
{
    if (!task_ || !task_->IsFinished())
        return;
    const pdf::RenderResult result = task_->Result();
    task_.reset();
    timer_.stop();
    emit finished(result.image, result.status);
}
