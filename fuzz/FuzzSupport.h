#pragma once

#include <QByteArray>

class CCadenzoDoc;

namespace fuzz {

// Silences what would otherwise flood the fuzzer's output on every input:
// message boxes (they go to standard error without a window), Qt's warnings
// and Poppler's complaints about damaged PDFs. Fatal Qt messages still abort.
// Also keeps one PDF open for the whole run: Poppler sets up its global tables
// whenever a document opens while no other is open, which would otherwise
// cost milliseconds on every input with a background.
void quietLibraries();

// The smallest PDF Poppler accepts: one page, no cross-reference table.
QByteArray minimalPdf();

// A broken promise of the code under test: prints what and aborts, which
// libFuzzer reports as a crash together with the input.
[[noreturn]] void finding(const char* what);

inline void check(bool ok, const char* what)
{
    if (!ok)
        finding(what);
}

// The template file the writer produces for doc.
QByteArray saveToMemory(CCadenzoDoc& doc);

} // namespace fuzz
