#include "SheetMapping.h"

#include "model/CadenzoDoc.h"
#include "model/Int32.h"

#include <algorithm>

SheetMapping::SheetMapping(std::int32_t copies, std::int32_t skip, std::int32_t totalPages)
    : copies_(copies), group_(int32::add(copies, skip))
{
    // A group of zero sheets or a total of zero or less makes no job; the
    // document's own 32-bit product would wrap for large jobs.
    sheetCount_ = group_ > 0 && totalPages > 0 ? qint64(group_) * qint64(totalPages) : 0;
}

SheetMapping SheetMapping::of(const CCadenzoDoc& doc)
{
    return SheetMapping(doc.copies, doc.skip, doc.totalPages);
}

std::optional<std::int32_t> SheetMapping::numberIndex(qint64 sheet) const
{
    if (sheet < 1 || sheet > sheetCount_)
        return std::nullopt;
    qint64 n = sheet - 1;
    if (group_ > 1) {
        const qint64 r = n % group_;
        n /= group_;
        // A negative copies count gives no numbered sheet in a group.
        if (r >= copies_)
            return std::nullopt;
    }
    // n < totalPages here, so it fits.
    return std::int32_t(n);
}

SheetRange clampSheetRange(qint64 first, qint64 last, qint64 sheetCount)
{
    SheetRange range;
    range.first = std::max<qint64>(first, 1);
    range.last = last < 0 ? sheetCount : std::min(last, sheetCount);
    return range;
}
