#include "UserGuide.h"

#include "model/MessageSink.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace guide {

QString UserGuidePath(const QString& programFolder)
{
    const QDir folder(programFolder);
    for (const QString& relative :
         {QStringLiteral("../share/tallimark/guide/index.html"), QStringLiteral("guide/index.html")}) {
        const QFileInfo candidate(folder.filePath(relative));
        if (candidate.isFile())
            return candidate.canonicalFilePath();
    }
    return QString();
}

QString UserGuidePath()
{
    return UserGuidePath(QCoreApplication::applicationDirPath());
}

QUrl UserGuideUrl(const QString& guidePath, const QString& section)
{
    if (section.isEmpty())
        return QUrl::fromLocalFile(guidePath);
    // xdg-open hands a browser the file's path, without its #fragment: a
    // section the program links to has a page of its own.
    const QFileInfo page(QFileInfo(guidePath).dir(), section + QLatin1String(".html"));
    if (page.isFile())
        return QUrl::fromLocalFile(page.filePath());
    QUrl url = QUrl::fromLocalFile(guidePath);
    url.setFragment(section);
    return url;
}

bool OpenUserGuide(const QString& guidePath, const QString& section, const UrlOpener& open)
{
    if (guidePath.isEmpty()) {
        showMessage(QCoreApplication::translate(
                        "UserGuide", "The Tallimark User Guide is not installed. It comes with the program "
                                     "in share/tallimark/guide beside its bin folder, for example "
                                     "/usr/share/tallimark/guide/index.html."),
                    MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    const QUrl url = UserGuideUrl(guidePath, section);
    const bool opened = open ? open(url) : QDesktopServices::openUrl(url);
    if (!opened)
        showMessage(QCoreApplication::translate("UserGuide",
                                                "No web browser could be started to show the Tallimark User "
                                                "Guide.\n\nOpen this file in a browser to read it:\n%1")
                        .arg(QDir::toNativeSeparators(guidePath)),
                    MsgButtons::Ok, MsgIcon::Information);
    return opened;
}

} // namespace guide
