#include "Archive.h"

#include "Codepage.h"
#include "InputFile.h"
#include "LittleEndian.h"

#include <QString>

#include <algorithm>

const char* CArchiveException::what() const noexcept
{
    return cause == endOfFile ? "unexpected end of template data" : "malformed template data";
}

CArchive::CArchive(QIODevice* device, Mode mode) : device_(device), mode_(mode) {}

qint64 CArchive::remaining() const
{
    // size - pos for files and buffers. A file asks the system for its size
    // each time, so only readers about to allocate call this. A pipe knows
    // only what it has buffered.
    return device_->bytesAvailable();
}

void CArchive::writeBytes(const void* data, qint64 size)
{
    // A file may take only part of a large write (a full disk does that) and
    // report no error; writing the rest either succeeds or records the cause.
    const char* p = static_cast<const char*>(data);
    while (ok_ && size > 0) {
        const qint64 written = device_->write(p, size);
        if (written <= 0) {
            ok_ = false;
            break;
        }
        p += written;
        size -= written;
    }
}

void CArchive::writeUInt8(std::uint8_t v)
{
    writeBytes(&v, 1);
}

void CArchive::writeUInt16(std::uint16_t v)
{
    const unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
    writeBytes(b, 2);
}

void CArchive::writeUInt32(std::uint32_t v)
{
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    writeBytes(b, 4);
}

void CArchive::writeInt32(std::int32_t v)
{
    writeUInt32(static_cast<std::uint32_t>(v));
}

void CArchive::writeString(const QByteArray& s)
{
    const auto n = static_cast<std::uint64_t>(s.size());
    if (n < 0xFF) {
        writeUInt8(std::uint8_t(n));
    } else {
        writeUInt8(0xFF);
        if (n < 0xFFFE) {
            writeUInt16(std::uint16_t(n));
        } else {
            writeUInt16(0xFFFF);
            if (n < 0xFFFFFFFFu) {
                writeUInt32(std::uint32_t(n));
            } else {
                writeUInt32(0xFFFFFFFFu);
                writeUInt32(std::uint32_t(n));
                writeUInt32(std::uint32_t(n >> 32));
            }
        }
    }
    writeBytes(s.constData(), s.size());
}

void CArchive::readExactly(void* data, qint64 size)
{
    if (readAvailable(data, size) != std::max<qint64>(size, 0))
        throw CArchiveException(CArchiveException::endOfFile);
}

qint64 CArchive::readAvailable(void* data, qint64 size)
{
    // A pipe may deliver a value in parts; only the end of the data stops.
    char* p = static_cast<char*>(data);
    qint64 got = 0;
    while (got < size) {
        const qint64 n = device_->read(p + got, size - got);
        if (n <= 0)
            break;
        got += n;
    }
    return got;
}

std::uint8_t CArchive::readUInt8()
{
    unsigned char b = 0;
    readExactly(&b, 1);
    return b;
}

std::uint16_t CArchive::readUInt16()
{
    unsigned char b[2];
    readExactly(b, 2);
    return std::uint16_t(b[0] | (b[1] << 8));
}

std::uint32_t CArchive::readUInt32()
{
    unsigned char b[4];
    readExactly(b, 4);
    return le::getUInt32(b);
}

std::int32_t CArchive::readInt32()
{
    const std::uint32_t u = readUInt32();
    return static_cast<std::int32_t>(u);
}

QByteArray CArchive::readString()
{
    bool wide = false;
    std::uint64_t n = 0;

    std::uint8_t b = readUInt8();
    if (b < 0xFF) {
        n = b;
    } else {
        std::uint16_t w = readUInt16();
        if (w == 0xFFFE) {
            wide = true;
            b = readUInt8();
            if (b < 0xFF)
                n = b;
            else
                w = readUInt16();
        }
        if (b == 0xFF) {
            if (w != 0xFFFF) {
                n = w;
            } else {
                const std::uint32_t d = readUInt32();
                if (d != 0xFFFFFFFFu) {
                    n = d;
                } else {
                    const std::uint64_t low = readUInt32();
                    const std::uint64_t high = readUInt32();
                    n = low | (high << 32);
                    if (n >= (std::uint64_t(1) << 31))
                        throw CArchiveException(CArchiveException::genericException);
                }
            }
        }
    }

    // n is below 2^32 here, so the byte count fits. The bytes are read in
    // bounded pieces: a length beyond the data fails at the data's end, in
    // memory no larger than the data. A length above kMostStringBytes fails
    // at once: when a file holds that many bytes it is still no template,
    // whose strings are printer names, head texts and a path.
    const qint64 bytes = qint64(n) * (wide ? 2 : 1);
    if (bytes > kMostStringBytes) {
        const bool cut = device_->isSequential() || bytes > remaining();
        throw CArchiveException(cut ? CArchiveException::endOfFile : CArchiveException::genericException);
    }
    const QByteArray raw = ReadUpTo(*device_, bytes);
    if (raw.size() != bytes)
        throw CArchiveException(CArchiveException::endOfFile);
    if (!wide)
        return raw;

    QString text(qsizetype(n), Qt::Uninitialized);
    for (qsizetype i = 0; i < qsizetype(n); ++i) {
        const auto lo = static_cast<unsigned char>(raw[2 * i]);
        const auto hi = static_cast<unsigned char>(raw[2 * i + 1]);
        text[i] = QChar(char16_t(lo | (hi << 8)));
    }
    return toCp1252(text);
}
