#pragma once

#include "ExtensionRecords.h"
#include "Geometry.h"
#include "LogFont.h"

#include <QByteArray>

class TextMeasurer;

// One numbering head: a single line of text made of a preface, the number and
// a suffix, placed with its top-left reference corner at (x, y) page twips.
class HEADING
{
public:
    HEADING();
    virtual ~HEADING() = default;

    HEADING(const HEADING&) = delete;
    HEADING& operator=(const HEADING&) = delete;

    void CopyFrom(const HEADING& other);

    // The text printed for value: preface, number (zero-padded to digits when
    // zeroPad is set, sign inside the width), suffix, with the optional blanks.
    QByteArray GetNumberText(std::int32_t value) const;

    // Measures the text for value in page twips, stores extent and bounds and
    // returns bounds. Leaves lfEscapement/lfOrientation at -10 x rotation.
    RECT CalcBounds(TextMeasurer& dc, std::int32_t value);

    // Escapement in tenths of a degree that measuring and printing use.
    std::int32_t escapement() const;

    std::int32_t seed = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    SIZE extent;
    RECT bounds;
    RECT captionRect;
    QByteArray preface;
    std::int32_t spaceAfterPreface = 1;
    QByteArray suffix;
    std::int32_t spaceBeforeSuffix = 0;
    std::int32_t zeroPad = 1;
    std::int32_t digits = 5;
    std::int32_t rotation = 0;
    LOGFONTA font;
    COLORREF color = 0;
    // What the head keeps beyond the Windows head record; copied, compared
    // and saved with the rest of the head.
    ExtensionRecords extensions;
};

// The font every new head starts with: Times New Roman, bold, 21 points.
LOGFONTA defaultHeadFont();

// What the user knows the head at index by: "Master Head", "Head 2", ...
QByteArray HeadCaption(int index);
