#include "LogFont.h"

#include <cstring>

namespace {

void putInt32(unsigned char* p, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    p[0] = static_cast<unsigned char>(u);
    p[1] = static_cast<unsigned char>(u >> 8);
    p[2] = static_cast<unsigned char>(u >> 16);
    p[3] = static_cast<unsigned char>(u >> 24);
}

std::int32_t getInt32(const unsigned char* p)
{
    const std::uint32_t u = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
                            (std::uint32_t(p[3]) << 24);
    return static_cast<std::int32_t>(u);
}

} // namespace

void logFontToBytes(const LOGFONTA& f, unsigned char out[kLogFontBytes])
{
    putInt32(out + 0, f.lfHeight);
    putInt32(out + 4, f.lfWidth);
    putInt32(out + 8, f.lfEscapement);
    putInt32(out + 12, f.lfOrientation);
    putInt32(out + 16, f.lfWeight);
    out[20] = f.lfItalic;
    out[21] = f.lfUnderline;
    out[22] = f.lfStrikeOut;
    out[23] = f.lfCharSet;
    out[24] = f.lfOutPrecision;
    out[25] = f.lfClipPrecision;
    out[26] = f.lfQuality;
    out[27] = f.lfPitchAndFamily;
    std::memcpy(out + 28, f.lfFaceName, sizeof f.lfFaceName);
}

void logFontFromBytes(const unsigned char in[kLogFontBytes], LOGFONTA& f)
{
    f.lfHeight = getInt32(in + 0);
    f.lfWidth = getInt32(in + 4);
    f.lfEscapement = getInt32(in + 8);
    f.lfOrientation = getInt32(in + 12);
    f.lfWeight = getInt32(in + 16);
    f.lfItalic = in[20];
    f.lfUnderline = in[21];
    f.lfStrikeOut = in[22];
    f.lfCharSet = in[23];
    f.lfOutPrecision = in[24];
    f.lfClipPrecision = in[25];
    f.lfQuality = in[26];
    f.lfPitchAndFamily = in[27];
    std::memcpy(f.lfFaceName, in + 28, sizeof f.lfFaceName);
}

bool logFontBytesEqual(const LOGFONTA& a, const LOGFONTA& b)
{
    unsigned char x[kLogFontBytes];
    unsigned char y[kLogFontBytes];
    logFontToBytes(a, x);
    logFontToBytes(b, y);
    return std::memcmp(x, y, kLogFontBytes) == 0;
}

void setFaceName(LOGFONTA& font, const char* name)
{
    std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
    std::strncpy(font.lfFaceName, name, sizeof font.lfFaceName - 1);
}
