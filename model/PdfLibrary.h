#pragma once

#include <QImage>

#include <cstdint>
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

// Loads a PDF from memory without a password; null when the bytes are not a
// readable PDF.
DocumentHandle LoadMemDocument(std::shared_ptr<const PdfBlock> block);

int GetPageCount(const DocumentHandle& document);

// Page at a 0-based index, or null for an index out of range.
PageHandle LoadPage(const DocumentHandle& document, int index);

// Page size in points (1/72 inch).
double GetPageWidth(const PageHandle& page);
double GetPageHeight(const PageHandle& page);

// Renders the page stretched over a width x height bitmap, whatever its
// proportions: opaque white underneath, no annotations, rows top to bottom,
// 4 bytes a pixel in blue, green, red, unused order (QImage::Format_RGB32).
// A null image when the size is empty or the bitmap cannot be allocated.
QImage RenderPageBitmap(const PageHandle& page, int width, int height);

} // namespace pdf
