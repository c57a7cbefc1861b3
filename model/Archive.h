#pragma once

#include <QByteArray>
#include <QIODevice>

#include <cstdint>
#include <exception>

// Raised while reading a template: endOfFile when the data ends inside a
// value, genericException for a string length no template can hold.
class CArchiveException : public std::exception
{
public:
    enum Cause
    {
        endOfFile,
        genericException
    };
    explicit CArchiveException(Cause c) : cause(c) {}
    const char* what() const noexcept override;
    Cause cause;
};

// Little-endian binary stream over a device, in one direction: storing or
// loading. Strings are single-byte text with the length prefixes of the
// template format; loading also accepts the wide form and converts it.
class CArchive
{
public:
    enum Mode
    {
        store,
        load
    };
    CArchive(QIODevice* device, Mode mode);

    // The longest string a template may hold, in bytes.
    static constexpr qint64 kMostStringBytes = qint64(16) << 20;

    bool IsStoring() const { return mode_ == store; }
    bool IsLoading() const { return mode_ == load; }

    // Bytes left between the read position and the end of the data.
    qint64 remaining() const;

    void writeUInt8(std::uint8_t v);
    void writeUInt16(std::uint16_t v);
    void writeInt32(std::int32_t v);
    void writeUInt32(std::uint32_t v);
    void writeBytes(const void* data, qint64 size);
    void writeString(const QByteArray& s);

    // Each throws CArchiveException(endOfFile) when the data ends inside it;
    // readString also throws genericException for a length no template holds.
    std::uint8_t readUInt8();
    std::uint16_t readUInt16();
    std::int32_t readInt32();
    std::uint32_t readUInt32();
    void readExactly(void* data, qint64 size);
    QByteArray readString();

    // Reads up to size bytes without a length check and returns how many it
    // got; bytes it could not read keep their previous values.
    qint64 readAvailable(void* data, qint64 size);

    QIODevice* device() const { return device_; }

    // True when every write so far reached the device.
    bool ok() const { return ok_; }

private:
    QIODevice* device_;
    Mode mode_;
    bool ok_ = true;
};
