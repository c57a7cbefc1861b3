#include "ExtensionBlock.h"

#include "CadenzoDoc.h"
#include "InputFile.h"
#include "LittleEndian.h"

#include <vector>

namespace extblock {

namespace {

void appendUInt16(QByteArray& out, std::uint16_t v)
{
    unsigned char b[2];
    le::putUInt16(b, v);
    out.append(reinterpret_cast<const char*>(b), 2);
}

void appendUInt32(QByteArray& out, std::uint32_t v)
{
    unsigned char b[4];
    le::putUInt32(b, v);
    out.append(reinterpret_cast<const char*>(b), 4);
}

void appendRecords(QByteArray& out, std::uint32_t owner, const ExtensionRecords& records)
{
    for (const auto& [tag, bytes] : records.all()) {
        appendUInt32(out, owner);
        appendUInt16(out, tag);
        appendUInt32(out, std::uint32_t(bytes.size()));
        out += bytes;
    }
}

const unsigned char* at(const QByteArray& bytes, qsizetype offset)
{
    return reinterpret_cast<const unsigned char*>(bytes.constData()) + offset;
}

// The records area, owner by owner; false for anything a writer cannot have
// written: a record past the area, a head the template lacks, no tag, a tag
// twice for one owner, a record larger than any record may be.
bool parseRecords(const QByteArray& area, ExtensionRecords& templateRecords,
                  std::vector<ExtensionRecords>& headRecords)
{
    qsizetype pos = 0;
    while (pos < area.size()) {
        if (area.size() - pos < kRecordHeaderBytes)
            return false;
        const std::uint32_t owner = le::getUInt32(at(area, pos));
        const std::uint16_t tag = le::getUInt16(at(area, pos + 4));
        const std::uint32_t length = le::getUInt32(at(area, pos + 6));
        pos += kRecordHeaderBytes;
        if (length > std::uint32_t(ExtensionRecords::kMostRecordBytes) ||
            qsizetype(length) > area.size() - pos)
            return false;
        ExtensionRecords* records = nullptr;
        if (owner == kTemplateOwner)
            records = &templateRecords;
        else if (owner < headRecords.size())
            records = &headRecords[owner];
        if (!records || tag == 0 || records->get(tag))
            return false;
        records->set(tag, area.mid(pos, qsizetype(length)));
        pos += qsizetype(length);
    }
    return true;
}

} // namespace

QByteArray Encode(const CCadenzoDoc& doc)
{
    QByteArray records;
    appendRecords(records, kTemplateOwner, doc.extensions);
    for (std::size_t i = 0; i < doc.heads.size(); ++i)
        appendRecords(records, std::uint32_t(i), doc.heads[i]->extensions);
    // A block no reader would take is not written: the file stays a valid
    // Windows template rather than carrying bytes that would be dropped.
    if (records.isEmpty() || std::uint64_t(records.size()) > kMostRecordsBytes)
        return QByteArray();

    QByteArray block = kSignature;
    appendUInt16(block, kVersion);
    appendUInt32(block, std::uint32_t(doc.heads.size()));
    appendUInt32(block, std::uint32_t(records.size()));
    return block + records;
}

bool Read(QIODevice& device, CCadenzoDoc& doc)
{
    // Bytes after the PDF block that are no extension block (Windows readers
    // ignore them too) are not read on.
    const QByteArray header = ReadUpTo(device, kHeaderBytes);
    if (header.size() != kHeaderBytes || !header.startsWith(kSignature))
        return false;
    const std::uint16_t version = le::getUInt16(at(header, 8));
    const std::uint32_t headCount = le::getUInt32(at(header, 10));
    const std::uint32_t length = le::getUInt32(at(header, 14));
    // A later layout, or a block written for another list of heads, cannot
    // be tied to these heads.
    if (version != kVersion || headCount != doc.heads.size() || length > kMostRecordsBytes)
        return false;
    const QByteArray area = ReadUpTo(device, length);
    if (area.size() != qsizetype(length))
        return false;

    ExtensionRecords templateRecords;
    std::vector<ExtensionRecords> headRecords(doc.heads.size());
    if (!parseRecords(area, templateRecords, headRecords))
        return false;
    doc.extensions = std::move(templateRecords);
    for (std::size_t i = 0; i < headRecords.size(); ++i)
        doc.heads[i]->extensions = std::move(headRecords[i]);
    return true;
}

} // namespace extblock
