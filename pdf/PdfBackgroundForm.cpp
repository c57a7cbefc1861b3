#include "PdfBackgroundForm.h"

#include "PdfFormCopy.h"

PdfJobWriter::Id WriteBackgroundForm(PdfJobWriter& writer, QByteArrayView file, int pageIndex,
                                     QSizeF paperPoints, QString* why)
{
    // Everything is read before the first object is written, so that a file
    // that fails half way leaves nothing behind.
    std::vector<CopiedPdfObject> objects;
    if (!CopyPageAsForm(file, pageIndex, paperPoints, &objects, why))
        return 0;
    std::vector<PdfJobWriter::Id> ids;
    ids.reserve(objects.size());
    for (size_t i = 0; i < objects.size(); ++i)
        ids.push_back(writer.reserve());
    for (size_t i = 0; i < objects.size(); ++i) {
        const CopiedPdfObject& object = objects[i];
        if (object.isStream)
            writer.writeStream(ids[i], object.resolved(ids), object.data);
        else
            writer.writeObject(ids[i], object.resolved(ids));
    }
    return ids.front();
}
