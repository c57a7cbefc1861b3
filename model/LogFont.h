#pragma once

#include <cstdint>

// The logical font record exactly as a template file stores it: 60 bytes, the
// field layout of the Windows LOGFONTA structure. lfHeight is taken as points
// whenever a font is made for page twips (see HEADING::CalcBounds).
struct LOGFONTA
{
    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    char lfFaceName[32] = {};
};

static_assert(sizeof(LOGFONTA) == 60, "the font record is stored as 60 bytes");

constexpr int kLogFontBytes = 60;

// Little-endian image of the record, as the template file holds it.
void logFontToBytes(const LOGFONTA& font, unsigned char out[kLogFontBytes]);
void logFontFromBytes(const unsigned char in[kLogFontBytes], LOGFONTA& font);

bool logFontBytesEqual(const LOGFONTA& a, const LOGFONTA& b);

// Sets lfFaceName from a single-byte name, zero-filling the rest of the field.
void setFaceName(LOGFONTA& font, const char* name);

// COLORREF: 0x00BBGGRR.
using COLORREF = std::uint32_t;

constexpr COLORREF makeRgb(int r, int g, int b)
{
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}
constexpr int rgbRed(COLORREF c)
{
    return int(c & 0xFF);
}
constexpr int rgbGreen(COLORREF c)
{
    return int((c >> 8) & 0xFF);
}
constexpr int rgbBlue(COLORREF c)
{
    return int((c >> 16) & 0xFF);
}
