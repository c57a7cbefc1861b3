#pragma once

#include <QByteArray>

#include <cstdint>

class CCadenzoDoc;
class QIODevice;

// The extension block: what the template and its heads keep beyond the
// Windows fields (their ExtensionRecords), written after the PDF bytes where
// Windows readers no longer look. doc/file-format.md describes the layout.
namespace extblock {

// 0x89 "TMX" CR LF 0x1A LF: not text, and damaged by line-ending or 7-bit
// conversions in a way that shows.
inline const QByteArray kSignature = QByteArrayLiteral("\x89TMX\r\n\x1A\n");
constexpr std::uint16_t kVersion = 1;
constexpr int kHeaderBytes = 18;
constexpr int kRecordHeaderBytes = 10;
// Owner field of a record that belongs to the template, not to a head.
constexpr std::uint32_t kTemplateOwner = 0xFFFFFFFFu;
// The largest records area a reader takes; a writer never exceeds it.
constexpr std::uint32_t kMostRecordsBytes = std::uint32_t(16) << 20;

// The block for doc's records; empty when doc and its heads hold none (the
// file is then the Windows file exactly) or when they would not fit.
QByteArray Encode(const CCadenzoDoc& doc);

// Reads a block from device and gives its records to doc and its heads.
// Anything that is not a whole, consistent block is ignored as a whole:
// doc keeps no records and false is returned. Throws only std::bad_alloc;
// memory follows the bytes that are really there.
bool Read(QIODevice& device, CCadenzoDoc& doc);

} // namespace extblock
