#pragma once

#include <QString>

// The template file type in the desktop: a freedesktop desktop entry that
// opens "*.tmt" files with this program, and the MIME type that names them.
namespace shell {

constexpr const char* kMimeType = "application/x-tallimark-template";

struct RegistrationFiles
{
    QString desktopEntry; // <data>/applications/tallimark.desktop
    QString mimePackage;  // <data>/mime/packages/tallimark.xml
};

// dataHome empty = the user's data folder (XDG_DATA_HOME, ~/.local/share).
RegistrationFiles registrationFiles(const QString& dataHome = QString());

QString desktopEntryText(const QString& program);
QString mimePackageText();

// True when both files exist and say what this program would write.
bool IsRegistered(const QString& program, const QString& dataHome = QString());
// Writes both files and refreshes the desktop's caches when the tools are
// there. False when a file could not be written.
bool RegisterFileType(const QString& program, const QString& dataHome = QString());
// Registers only when an entry is missing or belongs to another executable:
// rewriting the user's files on every start would be intrusive.
bool EnsureFileTypeRegistered(const QString& program, const QString& dataHome = QString());
// Removes both files (absent files count as removed).
bool UnregisterFileType(const QString& dataHome = QString());

// The Exec value: program quoted as the desktop entry rules demand, then %f.
QString execLine(const QString& program);

} // namespace shell
