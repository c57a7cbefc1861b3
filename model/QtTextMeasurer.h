#pragma once

#include "TextMeasurer.h"

// Measures with Qt's font metrics in the font's own units (page twips for
// heads), independent of any screen or printer resolution.
class QtTextMeasurer : public TextMeasurer
{
public:
    SIZE textExtent(const LOGFONTA& twipsFont, const QByteArray& text) override;
};
