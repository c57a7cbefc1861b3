#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// The user guide: HTML pages installed with the program, or built beside it
// in the build folder, shown in the desktop's browser.
namespace guide {

// Sections the program links to (the ids of the guide's headings).
constexpr const char* kGettingHelp = "getting-help";

// The guide's index.html for the program in programFolder: the installed one
// (<prefix>/share/tallimark/guide for <prefix>/bin/tallimark) or the one the
// build made (guide/ beside the program). Empty when there is neither.
QString UserGuidePath(const QString& programFolder);
// The running program's guide.
QString UserGuidePath();

// A file URL of the guide, at section when one is given: the section's own
// page (SECTION.html beside index.html) when there is one, else #section.
QUrl UserGuideUrl(const QString& guidePath, const QString& section = QString());

// Opens the guide at section. When there is no guide, or when no browser
// could be started, a message says so and where the guide is; false then.
using UrlOpener = std::function<bool(const QUrl&)>;
bool OpenUserGuide(const QString& guidePath, const QString& section = QString(),
                   const UrlOpener& open = UrlOpener());

} // namespace guide
