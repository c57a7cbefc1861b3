#include "PdfBackgroundForm.h"

#include "PdfFormCopy.h"
#include "PdfJobWriterSink.h"

PdfJobWriter::Id WriteBackgroundForm(PdfJobWriter& writer, const PdfBlock& bytes, int pageIndex,
                                     QSizeF paperPoints, QString* why)
{
    PdfJobWriterSink sink(writer);
    return WriteBackgroundForm(sink, bytes, pageIndex, paperPoints, why);
}

PdfObjectSink::Id WriteBackgroundForm(PdfObjectSink& sink, const PdfBlock& bytes, int pageIndex,
                                      QSizeF paperPoints, QString* why)
{
    // Everything is read before the first object is written, so that a file
    // that fails half way leaves nothing behind.
    std::vector<CopiedPdfObject> objects;
    if (!CopyPageAsForm(bytes, pageIndex, paperPoints, &objects, why))
        return 0;
    std::vector<PdfObjectSink::Id> ids;
    ids.reserve(objects.size());
    for (size_t i = 0; i < objects.size(); ++i)
        ids.push_back(sink.reserve());
    for (size_t i = 0; i < objects.size(); ++i) {
        const CopiedPdfObject& object = objects[i];
        if (object.isStream)
            sink.writeStream(ids[i], object.resolved(ids), object.data);
        else
            sink.writeObject(ids[i], object.resolved(ids));
    }
    return ids.front();
}
