#include "OutputFile.h"

#include "NativePath.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// Follows symbolic links, so that a link keeps pointing at the new file.
QByteArray resolved(const QByteArray& path)
{
    char buffer[PATH_MAX];
    return ::realpath(path.constData(), buffer) ? QByteArray(buffer) : path;
}

} // namespace

OutputFile::OutputFile(const QString& path) : target_(encodePath(path)) {}

OutputFile::~OutputFile()
{
    discard();
}

bool OutputFile::fail(int error)
{
    error_ = error;
    failed_ = true;
    return false;
}

bool OutputFile::open()
{
    if (target_.isEmpty() || target_.contains('\0'))
        return fail(ENOENT);

    struct stat info;
    int fd = -1;
    const bool exists = ::stat(target_.constData(), &info) == 0;
    if (!exists && errno != ENOENT)
        return fail(errno);
    if (exists && !S_ISREG(info.st_mode)) {
        if (S_ISDIR(info.st_mode))
            return fail(EISDIR);
        // Nothing to keep and nothing to replace: write to it. A FIFO
        // without a reader would block the open, and fails instead.
        fd = ::open(target_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return fail(errno);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    } else {
        if (exists)
            target_ = resolved(target_);
        const QByteArray folder = folderOf(target_);
        const QByteArray base = target_.mid(target_.lastIndexOf('/') + 1);
        for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
            temporary_ = folder + '/' + '.' + base + '.' +
                         QByteArray::number(QRandomGenerator::global()->generate(), 36);
            fd = ::open(temporary_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST) {
                const int error = errno;
                temporary_.clear();
                return fail(error);
            }
        }
        if (fd < 0) {
            temporary_.clear();
            return fail(EEXIST);
        }
        if (exists)
            ::fchmod(fd, info.st_mode & 07777);
    }
    if (!file_.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        discard();
        return fail(EIO);
    }
    return true;
}

bool OutputFile::commit()
{
    if (!file_.isOpen())
        return fail(error_ ? error_ : EBADF);
    // Qt keeps the last bytes in its buffer, and closing drops a failure to
    // write them: flush first and check.
    if (!file_.flush() || file_.error() != QFileDevice::NoError) {
        failed_ = true;
        error_ = 0;
        return false;
    }
    if (!temporary_.isEmpty() && ::fsync(file_.handle()) != 0)
        return fail(errno);
    file_.close();
    if (temporary_.isEmpty())
        return true;
    if (::rename(temporary_.constData(), target_.constData()) != 0)
        return fail(errno);
    temporary_.clear();
    return true;
}

void OutputFile::discard()
{
    file_.close();
    if (!temporary_.isEmpty()) {
        ::unlink(temporary_.constData());
        temporary_.clear();
    }
}

QString OutputFile::errorString() const
{
    if (error_ != 0)
        return QString::fromLocal8Bit(std::strerror(error_));
    if (failed_ && file_.error() != QFileDevice::NoError)
        return file_.errorString();
    return QString();
}
