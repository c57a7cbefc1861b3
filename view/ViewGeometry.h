#pragma once

#include "model/Geometry.h"
#include "model/HeadPainter.h"

#include <QPoint>
#include <QSize>

// The editor's pure arithmetic: zoom steps, scroll sizes and the mapping
// between page twips and window pixels. No widgets, so it tests on its own.
// Zoom limits and the level a new view starts with, in percent.
constexpr int kZoomMin = 25;
constexpr int kZoomMax = 400;
constexpr int kZoomDefault = 100;

namespace viewgeom {

// a * b / c in 64 bits, rounded half away from zero; -1 when c is 0 or the
// result does not fit 32 bits (the platform's multiply-divide).
std::int32_t mulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

// The next multiple of 25 above zoom (none above the maximum), and below.
int zoomIn(int zoom);
int zoomOut(int zoom);

struct ScrollSizes
{
    QSize total;
    QSize page;
    QSize line;
};

// The canvas in pixels: the page plus half an inch, both scaled by the zoom,
// at dpiX x dpiY; page step a tenth of it, line step a tenth of that.
ScrollSizes scrollSizes(const RECT& pageRect, int zoom, int dpiX, int dpiY);

// Page twips to window pixels with the canvas scrolled to scroll.
PageToDevice windowMapping(int zoom, int dpiX, int dpiY, QPoint scroll);

// How far a distance in page twips reaches on the screen at the zoom, in
// whole pixels.
int twipsToPixels(std::int32_t twips, int zoom, int dpi);

// Where a caption of size (page twips) sits for a head's bounds on a page
// pageWidth twips wide: above the head when it fits below the page's top
// edge, else hanging below; left-aligned unless that runs past the right edge.
POINT captionPosition(const RECT& bounds, SIZE size, std::int32_t pageWidth);

} // namespace viewgeom
