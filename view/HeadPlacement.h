#pragma once

#include "model/Geometry.h"

#include <cstdint>

// Where heads may go: inside the page and with the top-left corner of their
// bounds on a grid. Pure arithmetic in page twips (y up), so it tests alone.
namespace placement {

// The grid for the left and top edges of a head's bounds (1/32 inch).
constexpr std::int32_t kGrid = 45;
// Arrow-key steps: plain (or with Shift alone), with Ctrl, with Ctrl+Shift.
constexpr std::int32_t kStepPlain = 180;
constexpr std::int32_t kStepCtrl = 90;
constexpr std::int32_t kStepFine = 45;

// v on the grid: remainders of 23 or more go to the next multiple away from
// zero, smaller ones back toward zero.
std::int32_t snap(std::int64_t v);

// The new top-left corner of bounds moved by (dx, dy) on a page of
// pageWidth x pageHeight: first held inside the page (left and top edges
// first, then the right and bottom ones, so a head larger than the page sits
// at its right and bottom edges), then snapped. Snapping after clamping may
// leave a head up to 22 twips past the right or bottom edge.
POINT placedCorner(const RECT& bounds, std::int64_t dx, std::int64_t dy, std::int32_t pageWidth,
                   std::int32_t pageHeight);

// The arrow-key step for the modifiers held.
std::int32_t arrowStep(bool ctrl, bool shift);

// r with left <= right and top <= bottom (numerically; for page twips that
// puts the lower edge in top).
RECT normalized(const RECT& r);
bool isEmpty(const RECT& r);
// The smallest rectangle holding both normalized rectangles; an empty one
// adds nothing.
RECT united(const RECT& a, const RECT& b);
// left <= x < right and top <= y < bottom, for a normalized r.
bool contains(const RECT& r, POINT p);

} // namespace placement
