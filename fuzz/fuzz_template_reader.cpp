// Any bytes read as a template. Whatever the reader accepts must survive a
// snapshot copy and a save and re-read unchanged, and saving it again must give
// the same bytes. The embedded PDF's bytes are kept but not parsed: the PDF
// library is fuzzed by fuzz_pdf_background and, within the open path, by
// fuzz_template_open.
#include "FuzzSupport.h"

#include "model/CadenzoDoc.h"
#include "model/PdfLibrary.h"

#include <cstdint>
#include <cstring>
#include <memory>

namespace {

bool samePdfBytes(const CCadenzoDoc& a, const CCadenzoDoc& b)
{
    if (!a.pdfData || !b.pdfData)
        return !a.pdfData == !b.pdfData;
    return a.pdfData->length == b.pdfData->length &&
           std::memcmp(a.pdfData->bytes.get(), b.pdfData->bytes.get(), a.pdfData->length) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool quiet = (fuzz::quietLibraries(), pdf::SetParsingEnabled(false), true);
    (void)quiet;

    const auto doc =
        fuzz::readTemplate(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!doc)
        return 0;

    CCadenzoDoc snapshot{CCadenzoDoc::SnapshotTag()};
    snapshot.CopyFrom(*doc);
    fuzz::check(snapshot.IsEqual(*doc) && doc->IsEqual(snapshot), "a snapshot differs from its document");

    const QByteArray saved = fuzz::saveToMemory(snapshot);
    const auto reread = fuzz::readTemplate(saved);
    fuzz::check(reread != nullptr, "a saved template cannot be read back");

    // The background is loaded anew from the same bytes: new handles, but it
    // must load (or fail) exactly as before.
    fuzz::check(!reread->pdfDocument == !doc->pdfDocument && !reread->pdfPage == !doc->pdfPage,
                "the background loads differently after saving");
    fuzz::check(samePdfBytes(*reread, *doc), "the embedded PDF changed in saving");
    reread->pdfDocument = doc->pdfDocument;
    reread->pdfPage = doc->pdfPage;
    fuzz::check(reread->IsEqual(*doc) && doc->IsEqual(*reread), "a template changed in saving and reading");
    fuzz::check(fuzz::saveToMemory(*reread) == saved, "saving a re-read template gives other bytes");
    return 0;
}
