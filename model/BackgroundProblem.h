#pragma once

#include <QString>

class CCadenzoDoc;

// Why the template's embedded PDF could not be read, as a sentence for the
// user naming the template; empty when the template has no embedded PDF or
// it reads. A template opens without such a background; a print run stops.
QString BackgroundProblem(const CCadenzoDoc& doc);
