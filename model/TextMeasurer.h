#pragma once

#include "Geometry.h"
#include "LogFont.h"

#include <QByteArray>

// What a head needs from a drawing surface to measure itself: make a font from
// the record and measure a single-byte string in it. Implementations work in
// the surface's logical units, which for heads are page twips.
class TextMeasurer
{
public:
    virtual ~TextMeasurer() = default;
    // Extent of text in font: cx the advance width, cy the cell height, both >= 0.
    // twipsFont is a record whose height is in page twips (see inTwips()).
    virtual SIZE textExtent(const LOGFONTA& twipsFont, const QByteArray& text) = 0;
};
