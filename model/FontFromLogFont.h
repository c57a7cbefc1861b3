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
