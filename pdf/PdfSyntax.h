#pragma once

#include <QByteArray>

#include <cstdint>

// Small pieces of PDF syntax written straight into a buffer, for code that
// writes operators for every sheet of a job and must not allocate on the way.
namespace pdfsyntax {

// A real number with at most 4 decimals, no exponent, no trailing zeros and
// no "-0": "12.5", "-0.25", "3".
void appendNumber(QByteArray& out, double value);
QByteArray number(double value);

// A 2-byte glyph id inside a literal string: only ( ) \ and CR/LF escaped,
// at most 4 bytes.
int escapeGlyphId(std::uint16_t gid, char out[4]);
void appendGlyphId(QByteArray& out, std::uint16_t gid);

// data compressed for a /FlateDecode stream at zlib's level (-1: its
// default); empty when zlib fails.
QByteArray flateEncoded(const QByteArray& data, int level = -1);

} // namespace pdfsyntax
