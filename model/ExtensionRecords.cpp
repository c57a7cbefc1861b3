#include "ExtensionRecords.h"

std::optional<QByteArray> ExtensionRecords::get(std::uint16_t tag) const
{
    const auto it = records_.find(tag);
    if (it == records_.end())
        return std::nullopt;
    return it->second;
}

bool ExtensionRecords::set(std::uint16_t tag, const QByteArray& bytes)
{
    if (tag == 0 || bytes.size() > kMostRecordBytes)
        return false;
    records_[tag] = bytes;
    return true;
}
