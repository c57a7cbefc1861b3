#include "ShellRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace shell {

namespace {

constexpr int kToolTimeoutMs = 10000;

QString dataFolder(const QString& dataHome)
{
    return dataHome.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                              : dataHome;
}

bool writeFile(const QString& path, const QByteArray& data)
{
    if (data.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(data);
    return file.commit();
}

bool hasData(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll() == data;
}

bool hasText(const QString& path, const QString& text)
{
    return hasData(path, text.toUtf8());
}

bool removeFile(const QString& path)
{
    return !QFileInfo::exists(path) || QFile::remove(path);
}

// The caches are a convenience: a missing tool or a failing run changes
// nothing about the files themselves.
void runTool(const QString& tool, const QString& folder)
{
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty() || !QFileInfo(folder).isDir())
        return;
    QProcess process;
    // Their notes (a folder outside the search path, ...) are no business of
    // the user's.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(path, {folder});
    if (process.waitForStarted(kToolTimeoutMs) && !process.waitForFinished(kToolTimeoutMs))
        process.kill();
}

void refreshCaches(const QString& data)
{
    runTool(QStringLiteral("update-desktop-database"), data + QLatin1String("/applications"));
    runTool(QStringLiteral("update-mime-database"), data + QLatin1String("/mime"));
}

// Removes folder and its parents below data while they are empty.
void removeEmptyFolders(const QString& data, QString folder)
{
    while (folder.size() > data.size() && folder.startsWith(data) && QDir(folder).isEmpty()) {
        if (!QDir().rmdir(folder))
            return;
        folder = QFileInfo(folder).path();
    }
}

// After unregistering: the desktop's caches are refreshed while other entries
// or MIME packages are left; without them, the caches the tools made go too,
// as do the folders left empty, so that nothing of the registration stays.
void refreshOrDropCaches(const QString& data, const RegistrationFiles& files)
{
    QDir applications(data + QLatin1String("/applications"));
    if (applications.exists() && applications.entryList({QStringLiteral("*.desktop")}, QDir::Files).isEmpty())
        QFile::remove(applications.filePath(QStringLiteral("mimeinfo.cache")));
    else
        runTool(QStringLiteral("update-desktop-database"), applications.path());
    // The MIME database is made from its packages alone.
    const QString mime = data + QLatin1String("/mime");
    if (QDir(mime + QLatin1String("/packages")).isEmpty())
        QDir(mime).removeRecursively();
    else
        runTool(QStringLiteral("update-mime-database"), mime);
    for (const QString& path : QStringList{files.desktopEntry, files.mimePackage, files.icon})
        removeEmptyFolders(data, QFileInfo(path).path());
}

// Inside double quotes the desktop entry rules escape ", `, $ and \ with a
// backslash; the value itself then escapes every backslash once more.
QString quoteArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString field = argument;
    field.replace(QLatin1Char('%'), QLatin1String("%%"));
    const bool needsQuotes =
        std::any_of(field.cbegin(), field.cend(), [](QChar c) { return reserved.contains(c); });
    if (!needsQuotes)
        return field;
    QString quoted;
    for (const QChar c : field) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// The program an Exec value starts: its first field, unquoted, looked up in
// PATH when it is a bare name.
QString execProgram(const QString& exec)
{
    QString program;
    const QString value = exec.trimmed();
    if (value.startsWith(u'"')) {
        for (qsizetype i = 1; i < value.size() && value.at(i) != u'"'; ++i) {
            if (value.at(i) == u'\\' && i + 1 < value.size())
                ++i;
            program += value.at(i);
        }
    } else {
        program = value.section(QLatin1Char(' '), 0, 0);
    }
    if (!program.isEmpty() && !program.contains(u'/'))
        program = QStandardPaths::findExecutable(program);
    return program;
}

bool sameFile(const QString& a, const QString& b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

QStringList systemDataFolders()
{
    QStringList folders = qEnvironmentVariable("XDG_DATA_DIRS").split(u':', Qt::SkipEmptyParts);
    if (folders.isEmpty())
        folders = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    return folders;
}

bool SystemEntriesCover(const QString& program, const QStringList& dataFolders)
{
    const QString id = QLatin1String(kAppId);
    for (const QString& folder : dataFolders) {
        const QString entry = folder + QLatin1String("/applications/") + id + QLatin1String(".desktop");
        if (!QFileInfo::exists(entry) ||
            !QFileInfo::exists(folder + QLatin1String("/mime/packages/") + id + QLatin1String(".xml")))
            continue;
        // QSettings would take the backslashes of the value apart; the
        // entry's line is read as it stands.
        QFile file(entry);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.startsWith(QLatin1String("Exec=")) && sameFile(execProgram(line.mid(5)), program))
                return true;
        }
    }
    return false;
}

RegistrationFiles registrationFiles(const QString& dataHome)
{
    const QString data = dataFolder(dataHome);
    const QString id = QLatin1String(kAppId);
    return {data + QLatin1String("/applications/") + id + QLatin1String(".desktop"),
            data + QLatin1String("/mime/packages/") + id + QLatin1String(".xml"),
            data + QLatin1String("/icons/hicolor/scalable/apps/") + id + QLatin1String(".svg"),
            {data + QLatin1String("/applications/tallimark.desktop"),
             data + QLatin1String("/mime/packages/tallimark.xml")}};
}

QByteArray iconData()
{
    QFile file(QString::fromLatin1(kIconResource));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString execLine(const QString& program)
{
    return quoteArgument(program) + QLatin1String(" %f");
}

QString desktopEntryText(const QString& program)
{
    QFile file(QString::fromLatin1(kDesktopEntryResource));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (QString& line : lines) {
        if (line.startsWith(QLatin1String("Exec=")))
            line = QLatin1String("Exec=") + execLine(program);
    }
    return lines.join(u'\n');
}

QString mimePackageText()
{
    QFile file(QString::fromLatin1(kMimePackageResource));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool IsRegistered(const QString& program, const QString& dataHome)
{
    const RegistrationFiles files = registrationFiles(dataHome);
    return hasText(files.desktopEntry, desktopEntryText(program)) &&
           hasText(files.mimePackage, mimePackageText()) && hasData(files.icon, iconData()) &&
           std::none_of(files.legacy.cbegin(), files.legacy.cend(),
                        [](const QString& path) { return QFileInfo::exists(path); });
}

bool RegisterFileType(const QString& program, const QString& dataHome)
{
    const RegistrationFiles files = registrationFiles(dataHome);
    bool legacyRemoved = true;
    for (const QString& path : files.legacy)
        legacyRemoved = removeFile(path) && legacyRemoved;
    const bool desktopWritten = writeFile(files.desktopEntry, desktopEntryText(program).toUtf8());
    const bool mimeWritten = writeFile(files.mimePackage, mimePackageText().toUtf8());
    const bool iconWritten = writeFile(files.icon, iconData());
    refreshCaches(dataFolder(dataHome));
    return desktopWritten && mimeWritten && iconWritten && legacyRemoved;
}

bool EnsureFileTypeRegistered(const QString& program, const QString& dataHome)
{
    return IsRegistered(program, dataHome) || RegisterFileType(program, dataHome);
}

bool UnregisterFileType(const QString& dataHome)
{
    const RegistrationFiles files = registrationFiles(dataHome);
    bool removed = true;
    for (const QString& path : QStringList{files.desktopEntry, files.mimePackage, files.icon} + files.legacy)
        removed = removeFile(path) && removed;
    refreshOrDropCaches(dataFolder(dataHome), files);
    return removed;
}

} // namespace shell
