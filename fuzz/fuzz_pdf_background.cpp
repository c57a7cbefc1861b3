// Any bytes embedded as a PDF background: load from memory, take the first and
// the last page and render each into a small bitmap, as the editor's cache
// does at a low zoom.
#include "FuzzSupport.h"

#include "model/PdfLibrary.h"

#include <QImage>

#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool quiet = (fuzz::quietLibraries(), true);
    (void)quiet;

    auto block = std::make_shared<PdfBlock>(std::uint32_t(size));
    if (size != 0)
        std::memcpy(block->bytes.get(), data, size);
    const pdf::DocumentHandle document = pdf::LoadMemDocument(block);
    if (!document)
        return 0;

    const int count = pdf::GetPageCount(document);
    fuzz::check(count >= 0, "a negative page count");
    fuzz::check(pdf::LoadPage(document, count) == nullptr && pdf::LoadPage(document, -1) == nullptr,
                "a page outside the document loads");

    for (const int index : {0, count - 1}) {
        const pdf::PageHandle page = pdf::LoadPage(document, index);
        if (!page)
            continue;
        (void)pdf::GetPageWidth(page);
        (void)pdf::GetPageHeight(page);
        const QImage image = pdf::RenderPageBitmap(page, 64, 64);
        fuzz::check(image.isNull() ||
                        (image.size() == QSize(64, 64) && image.format() == QImage::Format_RGB32),
                    "a rendered page has another size or pixel layout");
        if (count == 1)
            break;
    }
    return 0;
}
