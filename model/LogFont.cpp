#include "LogFont.h"

#include "LittleEndian.h"

#include <cstring>

void logFontToBytes(const LOGFONTA& f, unsigned char out[kLogFontBytes])
{
    le::putUInt32(out + 0, std::uint32_t(f.lfHeight));
    le::putUInt32(out + 4, std::uint32_t(f.lfWidth));
    le::putUInt32(out + 8, std::uint32_t(f.lfEscapement));
    le::putUInt32(out + 12, std::uint32_t(f.lfOrientation));
    le::putUInt32(out + 16, std::uint32_t(f.lfWeight));
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
    f.lfHeight = le::getInt32(in + 0);
    f.lfWidth = le::getInt32(in + 4);
    f.lfEscapement = le::getInt32(in + 8);
    f.lfOrientation = le::getInt32(in + 12);
    f.lfWeight = le::getInt32(in + 16);
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
