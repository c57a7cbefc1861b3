#pragma once

#include <QByteArray>

#include <cstdint>
#include <map>
#include <optional>

// Data of a template or of one head that the Windows template fields cannot
// hold, as records of bytes by tag. They travel in the file's extension block
// (doc/file-format.md). Records of tags this program does not know are kept
// as they were read, so that a newer program's data survives open and save.
class ExtensionRecords
{
public:
    // The largest record; the block stays small and quick to read.
    static constexpr qsizetype kMostRecordBytes = qsizetype(64) << 10;

    // The record stored under tag, if any.
    std::optional<QByteArray> get(std::uint16_t tag) const;
    // Stores bytes (empty ones too) under tag. False, changing nothing, for
    // tag 0 (no tag) or more than kMostRecordBytes.
    bool set(std::uint16_t tag, const QByteArray& bytes);
    void remove(std::uint16_t tag) { records_.erase(tag); }

    bool empty() const { return records_.empty(); }
    // By ascending tag, the order the file holds them in.
    const std::map<std::uint16_t, QByteArray>& all() const { return records_; }

    bool operator==(const ExtensionRecords& o) const { return records_ == o.records_; }
    bool operator!=(const ExtensionRecords& o) const { return !(*this == o); }

private:
    std::map<std::uint16_t, QByteArray> records_;
};
