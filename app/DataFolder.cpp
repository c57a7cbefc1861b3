#include "DataFolder.h"

#include "app/PreferenceStore.h"
#include "model/MessageSink.h"
#include "model/StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

namespace {

// mkdir itself, for the error number QDir does not give.
int makeFolder(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return 0;
    if (info.exists())
        return ENOTDIR; // a plain file stands in the way
    if (::mkdir(QFile::encodeName(path).constData(), 0755) == 0)
        return 0;
    const int error = errno;
    // Someone else may have made it in the meantime.
    return error == EEXIST && QFileInfo(path).isDir() ? 0 : error;
}

// Makes path and any missing parents; 0 or the first failure's errno.
int makeFolderPath(const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    if (QFileInfo(clean).isDir())
        return 0;
    const QString parent = QFileInfo(clean).path();
    if (parent != clean) {
        if (const int error = makeFolderPath(parent))
            return error;
    }
    return makeFolder(clean);
}

} // namespace

QString DataFolderBase()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

bool CreateDataFolder(const QString& base, QString* folder, int* errorCode)
{
    if (base.isEmpty()) {
        *errorCode = ENOENT;
        return false;
    }
    // On a fresh account the user's data location may not exist yet; it is
    // created like its subfolders (the XDG rules ask for that).
    QString path = QDir::cleanPath(base);
    for (const char* part : {prefs::kCompanyKey, prefs::kProgramTitle}) {
        path += QLatin1Char('/') + QLatin1String(part);
        if (const int error = makeFolderPath(path)) {
            *errorCode = error;
            return false;
        }
    }
    *folder = path + QLatin1Char('/');
    return true;
}

QString DataFolderErrorMessage(int errorCode)
{
    const QString code = QStringLiteral("%1").arg(static_cast<unsigned>(errorCode), 8, 16, QLatin1Char('0'));
    return LoadString(124).replace(QLatin1String("%.8x"), code);
}

bool InitDataFolder(QString* folder)
{
    int error = 0;
    if (CreateDataFolder(DataFolderBase(), folder, &error))
        return true;
    showMessage(DataFolderErrorMessage(error), MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
}
