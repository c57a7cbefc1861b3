#pragma once

#include <QString>

class CCadenzoDoc;

// Which heads are drawn smaller than their font record asks (a height beyond
// what fonts are made at, as only a damaged file holds), as a sentence for
// the user; empty when every head is drawn as stored.
QString HeadFontProblem(const CCadenzoDoc& doc);
