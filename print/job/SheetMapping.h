#pragma once

#include <QtGlobal>

#include <cstdint>
#include <optional>

class CCadenzoDoc;

// Which numbers every sheet of a print job carries. A job is a run of sheets
// numbered from 1, in groups of copies + skip: the first copies sheets of a
// group carry the group's number index, the rest are blank skip sheets.
// Sheet numbers are 64-bit: the panel allows jobs far beyond 2^31 sheets.
class SheetMapping
{
public:
    SheetMapping(std::int32_t copies, std::int32_t skip, std::int32_t totalPages);
    static SheetMapping of(const CCadenzoDoc& doc);

    // (copies + skip) x totalPages, computed without wrapping; 0 when the
    // settings give no sheets at all (a group or a total of zero or less).
    qint64 sheetCount() const { return sheetCount_; }

    // The number index of sheet (1-based, 1 .. sheetCount()), or nothing for a
    // blank skip sheet.
    std::optional<std::int32_t> numberIndex(qint64 sheet) const;

private:
    std::int32_t copies_;
    std::int32_t group_; // copies + skip, wrapped as the document adds them
    qint64 sheetCount_;
};

// An inclusive range of sheets; empty when last < first.
struct SheetRange
{
    qint64 first = 1;
    qint64 last = 0;

    bool isEmpty() const { return last < first; }
    qint64 count() const { return isEmpty() ? 0 : last - first + 1; }
};

// The sheets of a job that a request for first .. last (last -1: to the end)
// prints: the request cut to the job. Empty when nothing of it is in the job.
SheetRange clampSheetRange(qint64 first, qint64 last, qint64 sheetCount);
