#pragma once

#include <QByteArray>

#include <chrono>
#include <memory>

class CCadenzoDoc;

namespace fuzz {

// How long any one rendering may take under the fuzzer: well inside
// libFuzzer's -timeout even for two renderings of an input, so that a page
// the time limit stops in good order is not reported as a hang. The
// program's own limits run to a minute.
constexpr std::chrono::milliseconds kRenderLimit{2000};

// Silences what would otherwise flood the fuzzer's output on every input:
// message boxes (they go to standard error without a window), Qt's warnings
// and Poppler's complaints about damaged PDFs. Fatal Qt messages still abort.
// Also keeps one PDF open for the whole run: Poppler sets up its global tables
// whenever a document opens while no other is open, which would otherwise
// cost milliseconds on every input with a background. Shortens every
// rendering time limit to kRenderLimit.
void quietLibraries();

// Starts Qt's GUI application on the offscreen platform, for the rest of the
// process. Qt gets only the program name: libFuzzer's options are not its
// business.
void startGuiApplication(char* programName);

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

// The reader alone, as opening a file runs it on an emptied document; null
// when it rejects the data (the open would fail with a message).
std::unique_ptr<CCadenzoDoc> readTemplate(const QByteArray& data);

} // namespace fuzz
