#pragma once

#include <QByteArray>

#include <cstdint>

// Where the objects that pages share go: the job writer in a print job, a
// small file of its own in tests. The calls mean what PdfJobWriter's do.
class PdfObjectSink
{
public:
    using Id = std::uint32_t;
    virtual ~PdfObjectSink() = default;
    virtual Id reserve() = 0;
    virtual void writeObject(Id id, const QByteArray& body) = 0;
    virtual void writeStream(Id id, const QByteArray& dictEntries, const QByteArray& data) = 0;
};
