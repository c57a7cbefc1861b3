// Any bytes embedded as a PDF background, copied into a print job as a form:
// the copy either fails with a reason or yields a form whose references all
// point inside the copied set, and a job written with it is a PDF that
// Poppler opens with one page.
#include "FuzzSupport.h"

#include "model/PdfLibrary.h"
#include "pdf/PdfBackgroundForm.h"
#include "pdf/PdfFormCopy.h"
#include "pdf/PdfJobWriter.h"

#include <QBuffer>

#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool quiet = (fuzz::quietLibraries(), true);
    (void)quiet;

    const QByteArrayView file(data, qsizetype(size));

    std::vector<CopiedPdfObject> objects;
    QString why;
    const bool copied = CopyPageAsForm(file, 0, QSizeF(612, 792), &objects, &why);
    fuzz::check(copied || !why.isEmpty(), "a failed copy gives no reason");
    fuzz::check(copied == !objects.empty(), "a copy's objects do not match its outcome");
    for (const CopiedPdfObject& object : objects) {
        for (const auto& ref : object.refs)
            fuzz::check(ref.first >= 0 && ref.first <= object.text.size() && ref.second < objects.size(),
                        "a reference points outside the copied objects");
    }
    if (!copied)
        return 0;

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    PdfJobWriter writer(out);
    const PdfJobWriter::Id form = WriteBackgroundForm(writer, file, 0, QSizeF(612, 792));
    fuzz::check(form != 0, "a page copied once does not copy again");
    writer.beginPages(1, QSizeF(612, 792), "<</XObject<</B " + PdfJobWriter::ref(form) + ">>>>");
    writer.addPage("/B Do");
    fuzz::check(writer.finish(QString()), "writing a job to memory failed");

    auto job = std::make_shared<PdfBlock>(std::uint32_t(out.data().size()));
    std::memcpy(job->bytes.get(), out.data().constData(), std::size_t(out.data().size()));
    const pdf::DocumentHandle document = pdf::LoadMemDocument(job);
    fuzz::check(document && pdf::GetPageCount(document) == 1, "a written job does not open with one page");
    return 0;
}
