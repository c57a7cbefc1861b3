#include "DocumentBase.h"

#include "Archive.h"
#include "InputFile.h"
#include "MessageSink.h"
#include "NativePath.h"
#include "OutputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <initializer_list>
#include <new>
#include <sys/stat.h>

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
        message = message.arg(displayPath(path));
    showMessage(message, MsgButtons::Ok, MsgIcon::Exclamation);
}

// Qt keeps only the system's error text of a failed file operation; it is
// built from errno with qt_error_string, so comparing texts recovers the cause.
bool errorIs(const QString& text, std::initializer_list<int> codes)
{
    return std::any_of(codes.begin(), codes.end(),
                       [&text](int code) { return text == qt_error_string(code); });
}

bool isOneOf(int error, std::initializer_list<int> codes)
{
    return std::find(codes.begin(), codes.end(), error) != codes.end();
}

bool folderMissing(const QString& path)
{
    struct stat info;
    const QByteArray folder = encodePath(QFileInfo(path).absolutePath());
    return ::stat(folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode);
}

bool invalidPathText(const QString& path)
{
    return path.isEmpty() || path.contains(QChar(u'\0'));
}

// Why a template could not be opened for reading (error as InputFile::open
// gives it).
const char* openReadMessage(const QString& path, int error)
{
    if (invalidPathText(path))
        return QT_TRANSLATE_NOOP("DocumentBase", "%1 contains an invalid path.");
    if (error == ENOENT) {
        return folderMissing(path) ? QT_TRANSLATE_NOOP("DocumentBase", "%1 contains an invalid path.")
                                   : QT_TRANSLATE_NOOP("DocumentBase", "%1 was not found.");
    }
    if (isOneOf(error, {EISDIR, EACCES, EPERM}))
        return QT_TRANSLATE_NOOP("DocumentBase", "Access to %1 was denied.");
    if (isOneOf(error, {ENOTDIR, ENAMETOOLONG, ELOOP}))
        return QT_TRANSLATE_NOOP("DocumentBase", "%1 contains an invalid path.");
    if (error == ENODEV)
        return QT_TRANSLATE_NOOP("DocumentBase", "%1 is a device, not a file that can be read.");
    return QT_TRANSLATE_NOOP("DocumentBase", "An unexpected error occurred while reading %1.");
}

// Why a template could not be written.
const char* writeMessage(const QString& path, const OutputFile& file)
{
    const int error = file.error();
    const QString text = file.errorString();
    if (isOneOf(error, {ENOSPC, EDQUOT}) || errorIs(text, {ENOSPC, EDQUOT}))
        return QT_TRANSLATE_NOOP("DocumentBase", "There is not enough space on the disk.");
    if (invalidPathText(path) || isOneOf(error, {ENOENT, ENOTDIR, ENAMETOOLONG, ELOOP}) ||
        errorIs(text, {ENOTDIR, ENAMETOOLONG, ELOOP}))
        return QT_TRANSLATE_NOOP("DocumentBase", "%1 contains an invalid path.");
    if (isOneOf(error, {EISDIR, EACCES, EPERM, EROFS, ENXIO}) || errorIs(text, {EACCES, EPERM, EROFS}))
        return QT_TRANSLATE_NOOP("DocumentBase", "Access to %1 was denied.");
    return QT_TRANSLATE_NOOP("DocumentBase", "An unexpected error occurred while writing %1.");
}

} // namespace

void DocumentBase::ReportOpenFailure(const QString& path, int error)
{
    report(openReadMessage(path, error), path);
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

static_assert(InputFile::kIdleSeconds == 5, "the message below names the wait");

bool DocumentBase::OnOpenDocument(const QString& path)
{
    InputFile file;
    const int error = invalidPathText(path) ? ENOENT : file.open(path);
    if (error != 0) {
        report(openReadMessage(path, error), path);
        return false;
    }

    DeleteContents();
    // Modified while the contents are half read; cleared once they are whole.
    SetModifiedFlag(true);
    try {
        // A pipe has no size: whether anything is there shows by reading.
        char first = 0;
        openedEmpty_ = file.device().peek(&first, 1) <= 0 && !file.readFailed();
        if (file.readFailed())
            throw CArchiveException(CArchiveException::endOfFile);
        if (!openedEmpty_) {
            CArchive ar(&file.device(), CArchive::load);
            Serialize(ar);
        }
    } catch (const CArchiveException& e) {
        DeleteContents();
        if (file.timedOut())
            report(QT_TRANSLATE_NOOP("DocumentBase", "Nothing arrived from %1 for 5 seconds."), path);
        else if (file.readFailed())
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
    OutputFile file(path);
    if (invalidPathText(path) || !file.open()) {
        report(writeMessage(path, file), path);
        return false;
    }

    bool written = false;
    try {
        CArchive ar(&file.device(), CArchive::store);
        Serialize(ar);
        written = ar.ok() && file.commit();
    } catch (const std::bad_alloc&) {
        file.discard();
        report(QT_TRANSLATE_NOOP("DocumentBase", "Out of Memory!"));
        return false;
    }
    if (!written) {
        const char* message = writeMessage(path, file);
        file.discard();
        report(message, path);
        return false;
    }

    SetModifiedFlag(false);
    SetPathName(path);
    return true;
}
