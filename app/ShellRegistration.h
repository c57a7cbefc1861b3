#pragma once

#include <QString>
#include <QStringList>

// The template file type in the desktop: a freedesktop desktop entry that
// opens "*.tmt" files with this program, and the MIME type that names them.
namespace shell {

constexpr const char* kMimeType = "application/x-tallimark-template";
// The application id: the name of the desktop entry, the MIME package, the
// icon and the metainfo that an installation puts into the system's folders.
constexpr const char* kAppId = "org.tallimark.Tallimark";
// The application icon the program carries, the installed one's source.
constexpr const char* kIconResource = ":/icons/org.tallimark.Tallimark.svg";
// The installed desktop entry and MIME package, carried for the same reason.
constexpr const char* kDesktopEntryResource = ":/dist/org.tallimark.Tallimark.desktop";
constexpr const char* kMimePackageResource = ":/dist/org.tallimark.Tallimark.xml";

// What registering writes into the user's data folder, named with the
// application id as an installation names its files: the desktop shows one
// entry for both, the user's hiding the system's.
struct RegistrationFiles
{
    QString desktopEntry; // <data>/applications/<kAppId>.desktop
    QString mimePackage;  // <data>/mime/packages/<kAppId>.xml
    QString icon;         // <data>/icons/hicolor/scalable/apps/<kAppId>.svg
    // What earlier versions wrote under the program's bare name; registering
    // and unregistering remove them.
    QStringList legacy;
};

// dataHome empty = the user's data folder (XDG_DATA_HOME, ~/.local/share).
RegistrationFiles registrationFiles(const QString& dataHome = QString());

// The installed desktop entry with program in Exec, and the installed MIME
// package: the user's files hide the system's of the same name, so both must
// read alike, their translations included.
QString desktopEntryText(const QString& program);
QString mimePackageText();
QByteArray iconData();

// True when the files exist and say what this program would write.
bool IsRegistered(const QString& program, const QString& dataHome = QString());
// Writes the files and refreshes the desktop's caches when the tools are
// there. False when a file could not be written.
bool RegisterFileType(const QString& program, const QString& dataHome = QString());
// Registers only when an entry is missing or belongs to another executable:
// rewriting the user's files on every start would be intrusive.
bool EnsureFileTypeRegistered(const QString& program, const QString& dataHome = QString());
// The system's data folders: XDG_DATA_DIRS, or /usr/local/share and
// /usr/share when it is unset or empty.
QStringList systemDataFolders();
// True when an installation already tells the desktop about program: one of
// dataFolders holds applications/<kAppId>.desktop whose Exec names program
// (by its path or through PATH) and mime/packages/<kAppId>.xml. A program run
// from its build folder is covered by no installed entry.
bool SystemEntriesCover(const QString& program, const QStringList& dataFolders = systemDataFolders());
// Removes every file registering wrote, the legacy ones included (absent
// files count as removed).
bool UnregisterFileType(const QString& dataHome = QString());

// The Exec value: program quoted as the desktop entry rules demand, then %f.
QString execLine(const QString& program);

} // namespace shell
