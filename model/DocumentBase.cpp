#include "DocumentBase.h"

#include "Archive.h"
#include "MessageSink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <initializer_list>
#include <new>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("DocumentBase", text);
}

// %1 in a message is the file's path.
void report(const char* text, const QString& path = QString())
{
    QString message = tr(text);
    if (message.contains(QLatin1String("%1")))
        message = message.arg(QDir::toNativeSeparators(path));
    showMessage(message, MsgButtons::Ok, MsgIcon::Exclamation);
}

// Qt keeps only the system's error text of a failed file operation; it is
// built from errno with qt_error_string, so comparing texts recovers the cause.
bool errorIs(const QFileDevice& file, std::initializer_list<int> codes)
{
    const QString text = file.errorString();
    return std::any_of(codes.begin(), codes.end(),
                       [&text](int code) { return text == qt_error_string(code); });
}

bool folderMissing(const QString& path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    return !folder.isDir();
}

bool invalidPathText(const QString& path)
{
    return path.isEmpty() || path.contains(QChar(u'\0'));
}

// Why a template could not be opened for reading.
const char* openReadMessage(const QString& path, const QFileDevice& file)
{
    if (invalidPathText(path))
        return QT_TRANSLATE_NOOP("DocumentBase", "%1 contains an invalid path.");
    const QFileInfo info(path);
    if (!info.exists()) {
        return folderMissing(path) ? QT_TRANSLATE_NOOP("DocumentBase", "%1 contains an invalid path.")
                                   : QT_TRANSLATE_NOOP("DocumentBase", "%1 was not found.");
    }
    if (info.isDir() || errorIs(file, {EACCES, EPERM}))
        return QT_TRANSLATE_NOOP("DocumentBase", "Access to %1 was denied.");
    if (errorIs(file, {ENOTDIR, ENAMETOOLONG, ELOOP}))
        return QT_TRANSLATE_NOOP("DocumentBase", "%1 contains an invalid path.");
    return QT_TRANSLATE_NOOP("DocumentBase", "An unexpected error occurred while reading %1.");
}

// Why a template could not be written.
const char* writeMessage(const QString& path, const QSaveFile& file)
{
    if (errorIs(file, {ENOSPC, EDQUOT}))
        return QT_TRANSLATE_NOOP("DocumentBase", "There is not enough space on the disk.");
    if (invalidPathText(path) || folderMissing(path) || errorIs(file, {ENOTDIR, ENAMETOOLONG, ELOOP}))
        return QT_TRANSLATE_NOOP("DocumentBase", "%1 contains an invalid path.");
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (info.isDir() || (info.exists() && !info.isWritable()) || !folder.isWritable() ||
        errorIs(file, {EACCES, EPERM, EROFS}))
        return QT_TRANSLATE_NOOP("DocumentBase", "Access to %1 was denied.");
    return QT_TRANSLATE_NOOP("DocumentBase", "An unexpected error occurred while writing %1.");
}

} // namespace

void DocumentBase::ReportOpenFailure(const QString& path, const QFileDevice& file)
{
    report(openReadMessage(path, file), path);
}

void DocumentBase::ReportFailure(const char* text, const QString& path)
{
    report(text, path);
}

void DocumentBase::SetPathName(const QString& path)
{
    pathName_ = path;
    title_ = QFileInfo(path).fileName();
}

void DocumentBase::AddView(DocumentObserver* view)
{
    if (view && std::find(views_.begin(), views_.end(), view) == views_.end())
        views_.push_back(view);
}

void DocumentBase::RemoveView(DocumentObserver* view)
{
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

void DocumentBase::SetModifiedFlag(bool modified)
{
    if (modified_ == modified)
        return;
    modified_ = modified;
    if (modifiedListener_)
        modifiedListener_();
}

void DocumentBase::UpdateAllViews(DocumentObserver* sender, int hint)
{
    // A copy: a view may add or remove views while it updates.
    const std::vector<DocumentObserver*> views = views_;
    for (DocumentObserver* view : views) {
        if (view != sender)
            view->OnUpdate(sender, hint);
    }
}

// The title is left alone: whoever starts the new document names it.
bool DocumentBase::OnNewDocument()
{
    DeleteContents();
    pathName_.clear();
    SetModifiedFlag(false);
    return true;
}

bool DocumentBase::OnOpenDocument(const QString& path)
{
    QFile file(path);
    if (invalidPathText(path) || QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        report(openReadMessage(path, file), path);
        return false;
    }

    DeleteContents();
    // Modified while the contents are half read; cleared once they are whole.
    SetModifiedFlag(true);
    try {
        if (file.size() != 0) {
            CArchive ar(&file, CArchive::load);
            Serialize(ar);
        }
    } catch (const CArchiveException& e) {
        DeleteContents();
        if (file.error() == QFileDevice::ReadError)
            report(QT_TRANSLATE_NOOP("DocumentBase", "An unexpected error occurred while reading %1."), path);
        else if (e.cause == CArchiveException::endOfFile)
            report(QT_TRANSLATE_NOOP("DocumentBase", "Unexpected file format."));
        else
            report(QT_TRANSLATE_NOOP("DocumentBase", "Failed to open document."));
        return false;
    } catch (const std::bad_alloc&) {
        DeleteContents();
        report(QT_TRANSLATE_NOOP("DocumentBase", "Out of Memory!"));
        return false;
    }

    SetModifiedFlag(false);
    SetPathName(path);
    return true;
}

bool DocumentBase::OnSaveDocument(const QString& path)
{
    // QSaveFile writes a temporary file beside the target and renames it over
    // the target only when everything was written.
    QSaveFile file(path);
    if (invalidPathText(path) || QFileInfo(path).isDir() || !file.open(QIODevice::WriteOnly)) {
        report(writeMessage(path, file), path);
        return false;
    }

    bool written = false;
    try {
        CArchive ar(&file, CArchive::store);
        Serialize(ar);
        // Qt keeps the last bytes in its buffer, and a commit that fails to
        // write them still reports success: flush first and check.
        written = ar.ok() && file.flush() && file.error() == QFileDevice::NoError;
    } catch (const std::bad_alloc&) {
        file.cancelWriting();
        report(QT_TRANSLATE_NOOP("DocumentBase", "Out of Memory!"));
        return false;
    }
    // The cause is taken before cancelling, which replaces the error text.
    if (!written) {
        const char* message = writeMessage(path, file);
        file.cancelWriting();
        file.commit();
        report(message, path);
        return false;
    }
    if (!file.commit()) {
        report(writeMessage(path, file), path);
        return false;
    }

    SetModifiedFlag(false);
    SetPathName(path);
    return true;
}
