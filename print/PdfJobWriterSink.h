#pragma once

#include "PdfJobWriter.h"
#include "PdfObjectSink.h"

// Shared objects straight into a job writer.
class PdfJobWriterSink : public PdfObjectSink
{
public:
    explicit PdfJobWriterSink(PdfJobWriter& writer) : writer_(writer) {}
    Id reserve() override { return writer_.reserve(); }
    void writeObject(Id id, const QByteArray& body) override { writer_.writeObject(id, body); }
    void writeStream(Id id, const QByteArray& dictEntries, const QByteArray& data) override
    {
        writer_.writeStream(id, dictEntries, data);
    }

private:
    PdfJobWriter& writer_;
};
