#pragma once

#include "LogFont.h"

#include <QFont>

// The Qt font for a logical font record whose height is already in the
// logical units it is drawn in (for heads: page twips). A negative lfHeight is
// the character (em) height, a positive one the cell height.
// Hinting and kerning are off, so that one measurement holds on every
// surface and at every zoom. Escapement is not applied here: the painter
// turns the text. A height beyond kMaxFontPixels is cut to it.
QFont fontFromLogFont(const LOGFONTA& font);

// The tallest em, in the record's units, that fonts are made at (for heads
// 5000 points); a taller record is a damaged one.
constexpr int kMaxFontPixels = 100000;

// Qt keeps a face's metrics in 26.6 fixed point: a face some 20000 pixels
// tall gets a wrapped-around ascent and draws nothing, one of 65536 pixels or
// more is no face at all. So a font taller than kLargestFacePixels is made at
// that size, and what it measures and draws is scaled by scale.
constexpr int kLargestFacePixels = 4096;
struct ScaledFont
{
    QFont font;
    qreal scale = 1.0;
};
ScaledFont scaledFont(const LOGFONTA& font);

// Head and caption font records keep their height in points; the page is
// measured and drawn in twips. The record with its height in twips (beyond
// the 32-bit range it stays at the extreme, which is cut to kMaxFontPixels):
LOGFONTA inTwips(const LOGFONTA& pointsFont);
// and the Qt font that measures and draws it on the page.
QFont pageFont(const LOGFONTA& pointsFont);
ScaledFont scaledPageFont(const LOGFONTA& pointsFont);

// False when a head's font record (height in points) is taller than fonts
// are made: it is drawn kMaxFontPixels twips tall instead.
bool drawnAsStored(const LOGFONTA& pointsFont);
