#pragma once

#include "LogFont.h"

#include <QFont>

// The Qt font for a logical font record whose height is already in the
// logical units it is drawn in (for heads: page twips). A negative lfHeight is
// the character (em) height, a positive one the cell height, as with GDI.
// Hinting and kerning are off, so that one measurement holds on every
// surface and at every zoom. Escapement is not applied here: the painter
// turns the text.
QFont fontFromLogFont(const LOGFONTA& font);

// Head and caption font records keep their height in points; the page is
// measured and drawn in twips. The record with its height in twips:
LOGFONTA inTwips(const LOGFONTA& pointsFont);
// and the Qt font that measures and draws it on the page.
QFont pageFont(const LOGFONTA& pointsFont);
