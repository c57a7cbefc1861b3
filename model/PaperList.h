#pragma once

#include <QByteArray>
#include <QVector>

#include <cstdint>

// Supported-fields bits a printer reports.
constexpr std::uint32_t kFieldOrientation = 0x1;
constexpr std::uint32_t kFieldPaperLength = 0x4;
constexpr std::uint32_t kFieldPaperWidth = 0x8;

constexpr int kPaperNameChars = 64;

// The papers one printer offers, in the printer's order. names, sizes and
// codes are parallel: entry i of each describes the same paper.
struct PaperList
{
    struct Size
    {
        std::int32_t width = 0;  // tenths of a millimetre
        std::int32_t height = 0; // tenths of a millimetre
    };
    QVector<QByteArray> names; // at most 64 single-byte characters each
    QVector<Size> sizes;
    QVector<std::uint16_t> codes; // Windows paper codes (DMPAPER_*)
    int count = 0;
    std::uint32_t fields = 0;
};

constexpr std::uint16_t kNoPaperMatch = 0xFFFF;

// The code of the first portrait paper whose area lies within one square inch
// of a width x height inch page; kNoPaperMatch when none does.
std::uint16_t FindPaperCode(const PaperList& list, float widthInches, float heightInches);
