// The only place that talks to Poppler.
#include "PdfLibrary.h"

#include "RenderTimeLimits.h"

#include <poppler-qt6.h>

#include <QByteArray>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <mutex>
#include <thread>

PdfBlock::PdfBlock(std::uint32_t size) : bytes(new char[size ? size : 1]()), length(size) {}

namespace pdf {

namespace {

using Clock = std::chrono::steady_clock;

// How long a renderer that was told to stop may take to notice: it looks
// between drawing operations, which normally take far less.
constexpr std::chrono::milliseconds kStopGrace(300);
// How often a waiting caller gets to run its keepGoing check.
constexpr std::chrono::milliseconds kPollInterval(25);

// Documents are created and destroyed under this lock: Poppler's Qt layer
// counts its documents in plain shared state when it sets up and tears down
// its global parameters. Rendering and measuring run outside it.
std::mutex& lifecycleMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::atomic<int>& runningThreads()
{
    static std::atomic<int> running{0};
    return running;
}

void ignorePopplerMessage(const QString&, const QVariant&) {}

std::unique_ptr<Poppler::Document> loadPoppler(const PdfBlock& block)
{
    // What is wrong with a file reaches the user as one plain sentence
    // (LoadStatus); the renderer's own remarks on damaged files would only
    // clutter standard error.
    static const bool quiet = (Poppler::setDebugErrorFunction(ignorePopplerMessage, QVariant()), true);
    (void)quiet;
    // fromRawData does not copy: Poppler reads the block itself, which every
    // holder of the document keeps alive.
    const QByteArray data = QByteArray::fromRawData(block.bytes.get(), qsizetype(block.length));
    std::unique_ptr<Poppler::Document> doc;
    {
        const std::lock_guard<std::mutex> lock(lifecycleMutex());
        doc = Poppler::Document::loadFromData(data);
    }
    if (!doc)
        return doc;
    doc->setRenderHint(Poppler::Document::Antialiasing, true);
    doc->setRenderHint(Poppler::Document::TextAntialiasing, true);
    doc->setRenderHint(Poppler::Document::HideAnnotations, true);
    doc->setPaperColor(Qt::white);
    return doc;
}

template <typename T> void destroyLocked(std::unique_ptr<T>& object)
{
    const std::lock_guard<std::mutex> lock(lifecycleMutex());
    object.reset();
}

bool usableBlock(const PdfBlock* block)
{
    return block && block->length != 0 && block->length <= std::uint32_t(std::numeric_limits<int>::max());
}

// Rounding in the renderer can leave a row or column short: pad with white.
QImage toExactBitmap(const QImage& rendered, int width, int height)
{
    if (rendered.isNull())
        return QImage();
    QImage out = rendered.convertToFormat(QImage::Format_RGB32);
    if (out.size() == QSize(width, height))
        return out;
    QImage padded(width, height, QImage::Format_RGB32);
    if (padded.isNull())
        return QImage();
    padded.fill(Qt::white);
    const int rows = qMin(height, out.height());
    const size_t rowBytes = size_t(qMin(width, out.width())) * 4;
    for (int y = 0; y < rows; ++y)
        std::memcpy(padded.scanLine(y), out.constScanLine(y), rowBytes);
    return padded;
}

} // namespace

class Document
{
public:
    ~Document() { destroyLocked(poppler); }
    std::shared_ptr<const PdfBlock> block;
    std::unique_ptr<Poppler::Document> poppler;
    // Taken once: Poppler may count the pages of a damaged file anew, and
    // differently, while it repairs it.
    int pageCount = 0;
};

class Page
{
public:
    ~Page() { destroyLocked(poppler); }
    DocumentHandle document;
    std::unique_ptr<Poppler::Page> poppler;
    int index = 0;
    QSizeF sizePoints;
};

namespace {

std::atomic<bool> parsingEnabled{true};

} // namespace

void SetParsingEnabled(bool enabled)
{
    parsingEnabled = enabled;
}

DocumentHandle LoadMemDocument(std::shared_ptr<const PdfBlock> block, LoadStatus* status)
{
    LoadStatus why = LoadStatus::Damaged;
    DocumentHandle handle;
    if (parsingEnabled && usableBlock(block.get())) {
        std::unique_ptr<Poppler::Document> doc = loadPoppler(*block);
        if (doc && doc->isLocked()) {
            why = LoadStatus::Locked;
            destroyLocked(doc);
        } else if (doc) {
            handle = std::make_shared<Document>();
            handle->block = std::move(block);
            handle->poppler = std::move(doc);
            handle->pageCount = std::max(0, handle->poppler->numPages());
            why = handle->pageCount > 0 ? LoadStatus::Ok : LoadStatus::NoPages;
        }
    }
    if (status)
        *status = why;
    return handle;
}

int GetPageCount(const DocumentHandle& document)
{
    return document ? document->pageCount : 0;
}

PageHandle LoadPage(const DocumentHandle& document, int index)
{
    if (!document || index < 0 || index >= document->pageCount)
        return nullptr;
    std::unique_ptr<Poppler::Page> page = document->poppler->page(index);
    if (!page)
        return nullptr;
    auto handle = std::make_shared<Page>();
    handle->document = document;
    handle->index = index;
    handle->sizePoints = page->pageSizeF();
    handle->poppler = std::move(page);
    return handle;
}

double GetPageWidth(const PageHandle& page)
{
    return page ? page->sizePoints.width() : 0.0;
}

double GetPageHeight(const PageHandle& page)
{
    return page ? page->sizePoints.height() : 0.0;
}

// Shared by the caller's task object and the rendering thread; whichever lets
// go last frees it, so a thread that is given up may finish at leisure.
struct RenderTask::State
{
    std::atomic<bool> cancelled{false};
    std::atomic<bool> stoppedByTime{false};
    Clock::time_point deadline; // the renderer stops from here on

    std::mutex mutex;
    std::condition_variable finishedChanged;
    Clock::time_point givenUp; // the caller stops waiting from here on
    bool finished = false;
    QImage image;
};

namespace {

// Poppler asks this between drawing operations.
bool shouldAbort(const QVariant& closure)
{
    auto* state = reinterpret_cast<RenderTask::State*>(closure.value<quintptr>());
    if (state->cancelled.load())
        return true;
    if (Clock::now() >= state->deadline) {
        state->stoppedByTime = true;
        return true;
    }
    return false;
}

QImage renderOnThisThread(RenderTask::State& state, const PdfBlock& block, int pageIndex, QSizeF points,
                          int width, int height)
{
    std::unique_ptr<Poppler::Document> doc = loadPoppler(block);
    if (!doc || doc->isLocked()) {
        destroyLocked(doc);
        return QImage();
    }
    std::unique_ptr<Poppler::Page> page = doc->page(pageIndex);
    QImage rendered;
    if (page) {
        // Separate horizontal and vertical resolutions stretch the page over
        // the whole bitmap.
        const double xres = width * 72.0 / points.width();
        const double yres = height * 72.0 / points.height();
        rendered = page->renderToImage(xres, yres, 0, 0, width, height, Poppler::Page::Rotate0, nullptr,
                                       nullptr, shouldAbort, QVariant::fromValue(quintptr(&state)));
    }
    destroyLocked(page);
    destroyLocked(doc);
    // A stopped rendering hands back what it had drawn so far: not a picture.
    if (state.cancelled || state.stoppedByTime)
        return QImage();
    return toExactBitmap(rendered, width, height);
}

} // namespace

RenderTask::RenderTask(std::shared_ptr<State> state) : state_(std::move(state)) {}

RenderTask::~RenderTask() = default;

std::shared_ptr<RenderTask> RenderTask::Start(const PageHandle& page, int width, int height,
                                              std::chrono::milliseconds timeLimit)
{
    auto state = std::make_shared<State>();
    const Clock::time_point now = Clock::now();
    state->deadline = now + timeLimit;
    state->givenUp = state->deadline + kStopGrace;
    std::shared_ptr<RenderTask> task(new RenderTask(state));

    const QSizeF points = page ? page->sizePoints : QSizeF();
    std::shared_ptr<const PdfBlock> block = page ? page->document->block : nullptr;
    if (!block || !RenderableSize(width, height) || !(points.width() > 0) || !(points.height() > 0)) {
        const std::lock_guard<std::mutex> lock(state->mutex);
        state->finished = true;
        return task;
    }

    const int index = page->index;
    ++runningThreads();
    try {
        std::thread([state, block, index, points, width, height]() mutable {
            QImage image;
            try {
                image = renderOnThisThread(*state, *block, index, points, width, height);
            } catch (const std::bad_alloc&) {
                image = QImage();
            }
            // The bytes go back to their other holders before the result is
            // there: whoever waits for it may count on being the last.
            block.reset();
            {
                const std::lock_guard<std::mutex> lock(state->mutex);
                state->image = std::move(image);
                state->finished = true;
            }
            state->finishedChanged.notify_all();
            --runningThreads();
        }).detach();
    } catch (const std::system_error&) {
        --runningThreads();
        const std::lock_guard<std::mutex> lock(state->mutex);
        state->finished = true;
    }
    return task;
}

bool RenderableSize(int width, int height)
{
    return width > 0 && height > 0 && qint64(width) * height * 4 <= std::numeric_limits<int>::max();
}

void RenderTask::Cancel()
{
    state_->cancelled = true;
    const std::lock_guard<std::mutex> lock(state_->mutex);
    state_->givenUp = std::min(state_->givenUp, Clock::now() + kStopGrace);
}

bool RenderTask::IsFinished() const
{
    const std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->finished || Clock::now() >= state_->givenUp;
}

bool RenderTask::Wait(std::chrono::milliseconds timeout) const
{
    std::unique_lock<std::mutex> lock(state_->mutex);
    const Clock::time_point until = std::min(Clock::now() + timeout, state_->givenUp);
    state_->finishedChanged.wait_until(lock, until, [this] { return state_->finished; });
    return state_->finished || Clock::now() >= state_->givenUp;
}

RenderResult RenderTask::Result() const
{
    RenderResult result;
    const std::lock_guard<std::mutex> lock(state_->mutex);
    if (state_->cancelled) {
        result.status = RenderStatus::Cancelled;
    } else if (state_->finished && !state_->stoppedByTime) {
        result.image = state_->image;
        result.status = result.image.isNull() ? RenderStatus::Failed : RenderStatus::Rendered;
    } else if (state_->stoppedByTime || Clock::now() >= state_->givenUp) {
        result.status = RenderStatus::TimedOut;
    }
    return result;
}

RenderResult RenderPageBitmap(const PageHandle& page, int width, int height,
                              std::chrono::milliseconds timeLimit, const std::function<bool()>& keepGoing)
{
    const std::shared_ptr<RenderTask> task = RenderTask::Start(page, width, height, timeLimit);
    while (!task->Wait(kPollInterval)) {
        if (keepGoing && !keepGoing()) {
            task->Cancel();
            task->Wait(kStopGrace);
            break;
        }
    }
    return task->Result();
}

QImage RenderPageBitmap(const PageHandle& page, int width, int height)
{
    return RenderPageBitmap(page, width, height, renderTimeLimits().print).image;
}

int RenderThreadsRunning()
{
    return runningThreads().load();
}

} // namespace pdf
