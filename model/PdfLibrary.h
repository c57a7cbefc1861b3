#pragma once

#include <QImage>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

// The embedded PDF file: the complete bytes as read from disk. A document
// loaded from a block reads from it for as long as it is open, so every
// document handle keeps its block alive.
struct PdfBlock
{
    explicit PdfBlock(std::uint32_t size);
    std::unique_ptr<char[]> bytes;
    std::uint32_t length = 0;
};

namespace pdf {

class Document;
class Page;

// Handles are shared: the live template and its undo snapshots hold the same
// ones, and a handle closes when its last holder lets go. A page keeps its
// document open; a document keeps its bytes.
using DocumentHandle = std::shared_ptr<Document>;
using PageHandle = std::shared_ptr<Page>;

// Why embedded bytes give no page to show.
enum class LoadStatus
{
    Ok,
    Damaged,    // not a PDF file, or one too damaged to read
    Locked,     // needs a password
    NoPages,    // a readable file without a single page
    NoSuchPage, // the page asked for is not in the file
    BadPage,    // the page is in the file, but cannot be read
};

// Loads a PDF from memory without a password; null when the bytes are not a
// readable PDF. status (may be null) says why: Damaged, Locked, NoPages or Ok.
DocumentHandle LoadMemDocument(std::shared_ptr<const PdfBlock> block, LoadStatus* status = nullptr);

// Off only for fuzzing the template reader on its own: LoadMemDocument then
// reports every block Damaged without parsing it, so that the reader's loop
// runs at thousands of inputs a second. The parser has fuzz targets of its own.
void SetParsingEnabled(bool enabled);

int GetPageCount(const DocumentHandle& document);

// Page at a 0-based index, or null for an index out of range.
PageHandle LoadPage(const DocumentHandle& document, int index);

// Page size in points (1/72 inch).
double GetPageWidth(const PageHandle& page);
double GetPageHeight(const PageHandle& page);

enum class RenderStatus
{
    Rendered,
    Failed,    // nothing to draw on: an empty size, a bitmap too large
    Cancelled, // the caller said stop
    TimedOut,  // the page took longer than the time it was given
};

struct RenderResult
{
    QImage image; // null unless Rendered
    RenderStatus status = RenderStatus::Failed;
};

// A rendering on a thread of its own, with its own copy of the document read
// from the shared bytes: the renderer must never see one document from two
// threads. The renderer stops between drawing operations when the task is
// cancelled or its time is up. A single operation that runs on (a huge image
// being decoded) cannot be stopped; such a task is given up instead, and its
// thread ends by itself later.
class RenderTask
{
public:
    struct State;

    // Starts rendering page stretched over width x height pixels, as
    // RenderPageBitmap does, allowed to run for timeLimit.
    static std::shared_ptr<RenderTask> Start(const PageHandle& page, int width, int height,
                                             std::chrono::milliseconds timeLimit);
    ~RenderTask();
    RenderTask(const RenderTask&) = delete;
    RenderTask& operator=(const RenderTask&) = delete;

    // Asks the renderer to stop; the result becomes Cancelled.
    void Cancel();
    // Whether a result is there; a task past its time limit (and a short
    // grace for the renderer to notice) counts as finished, TimedOut.
    bool IsFinished() const;
    // Waits at most timeout for IsFinished().
    bool Wait(std::chrono::milliseconds timeout) const;
    // The result once finished; Failed before.
    RenderResult Result() const;

private:
    explicit RenderTask(std::shared_ptr<State> state);
    std::shared_ptr<State> state_;
};

// Renders the page stretched over a width x height bitmap, whatever its
// proportions: opaque white underneath, no annotations, rows top to bottom,
// 4 bytes a pixel in blue, green, red, unused order (QImage::Format_RGB32).
// Waits on the calling thread while a RenderTask works; keepGoing (may be
// empty) is called on the calling thread every few hundredths of a second,
// and returning false cancels.
RenderResult RenderPageBitmap(const PageHandle& page, int width, int height,
                              std::chrono::milliseconds timeLimit,
                              const std::function<bool()>& keepGoing = {});

// The same with the longest time limit any caller allows; a null image when
// the page could not be rendered.
QImage RenderPageBitmap(const PageHandle& page, int width, int height);

// A bitmap of width x height the renderer can make: not empty, and at most
// 2^31 - 1 bytes, the renderer's own limit. Larger ones fail at once.
bool RenderableSize(int width, int height);

// Rendering threads still running, given up or not. A process that ends while
// one runs must leave without running static destructors under it
// (std::_Exit), since the renderer's shared state goes with them.
int RenderThreadsRunning();

} // namespace pdf
