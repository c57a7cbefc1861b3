// PdfHeadText's fonts into a job writer; apart from the rest so that what
// does not write a job does not need the writer.
#include "PdfHeadText.h"

#include "PdfJobWriter.h"

namespace {

class JobWriterSink : public PdfObjectSink
{
public:
    explicit JobWriterSink(PdfJobWriter& writer) : writer_(writer) {}
    Id reserve() override { return writer_.reserve(); }
    void writeObject(Id id, const QByteArray& body) override { writer_.writeObject(id, body); }
    void writeStream(Id id, const QByteArray& dictEntries, const QByteArray& data) override
    {
        writer_.writeStream(id, dictEntries, data);
    }

private:
    PdfJobWriter& writer_;
};

} // namespace

QByteArray PdfHeadText::writeFonts(PdfJobWriter& writer)
{
    JobWriterSink sink(writer);
    return writeFonts(sink);
}
