#include "InputFile.h"

#include "NativePath.h"
#include "PdfLibrary.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kPieceBytes = qint64(1) << 20;

} // namespace

// A pipe, FIFO or socket: each read waits at most kIdleSeconds for bytes.
class InputFile::Pipe : public QIODevice
{
public:
    explicit Pipe(int fd) : fd_(fd) { QIODevice::open(QIODevice::ReadOnly); }
    ~Pipe() override { ::close(fd_); }
    bool isSequential() const override { return true; }
    bool failed() const { return failed_; }
    bool timedOut() const { return timedOut_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (failed_)
            return -1;
        pollfd waiting{fd_, POLLIN, 0};
        int ready = 0;
        do {
            ready = ::poll(&waiting, 1, kIdleSeconds * 1000);
        } while (ready < 0 && errno == EINTR);
        if (ready == 0) {
            timedOut_ = true;
            return fail(ETIMEDOUT);
        }
        ssize_t got = 0;
        do {
            got = ::read(fd_, data, std::size_t(std::min<qint64>(maxSize, kPieceBytes)));
        } while (got < 0 && errno == EINTR);
        if (got < 0)
            return fail(errno);
        return got;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 fail(int error)
    {
        failed_ = true;
        setErrorString(QString::fromLocal8Bit(std::strerror(error)));
        return -1;
    }

    int fd_;
    bool failed_ = false;
    bool timedOut_ = false;
};

InputFile::InputFile() = default;
InputFile::~InputFile() = default;

int InputFile::open(const QString& path)
{
    const QByteArray name = encodePath(path);
    if (name.isEmpty() || name.contains('\0'))
        return ENOENT;
    // Without O_NONBLOCK, opening a FIFO waits for a writer, for ever if none
    // comes; the pipe's reads wait instead, and only so long.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat info;
    int error = 0;
    if (::fstat(fd, &info) != 0)
        error = errno;
    else if (S_ISDIR(info.st_mode))
        error = EISDIR;
    else if (!S_ISREG(info.st_mode) && !S_ISFIFO(info.st_mode) && !S_ISSOCK(info.st_mode))
        error = ENODEV; // a device: its data is no file's and may never end
    else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        error = errno;
    if (error != 0) {
        ::close(fd);
        return error;
    }
    if (!S_ISREG(info.st_mode)) {
        pipe_ = std::make_unique<Pipe>(fd);
        return 0;
    }
    if (!file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return EIO;
    }
    return 0;
}

QIODevice& InputFile::device()
{
    if (pipe_)
        return *pipe_;
    return file_;
}

bool InputFile::readFailed() const
{
    return pipe_ ? pipe_->failed() : file_.error() == QFileDevice::ReadError;
}

bool InputFile::timedOut() const
{
    return pipe_ && pipe_->timedOut();
}

QByteArray ReadUpTo(QIODevice& device, qint64 most)
{
    QByteArray bytes;
    while (bytes.size() < most) {
        const qint64 piece = std::min(kPieceBytes, most - bytes.size());
        const qsizetype at = bytes.size();
        bytes.resize(at + qsizetype(piece));
        const qint64 got = device.read(bytes.data() + at, piece);
        bytes.resize(at + qsizetype(std::max<qint64>(got, 0)));
        // A pipe may deliver less than asked before its end; only 0 ends it.
        if (got <= 0)
            break;
    }
    return bytes;
}

std::shared_ptr<PdfBlock> ReadPdfBlock(QIODevice& device, qint64 most)
{
    most = std::min<qint64>(most, 0xFFFFFFFFu);
    if (!device.isSequential()) {
        const auto size = std::uint32_t(std::clamp<qint64>(device.size() - device.pos(), 0, most));
        if (size == 0)
            return nullptr;
        auto block = std::make_shared<PdfBlock>(size);
        const qint64 got = device.read(block->bytes.get(), size);
        // A file that shrank meanwhile keeps zeros in the tail.
        return got > 0 ? block : nullptr;
    }
    const QByteArray bytes = ReadUpTo(device, most);
    if (bytes.isEmpty())
        return nullptr;
    auto block = std::make_shared<PdfBlock>(std::uint32_t(bytes.size()));
    std::memcpy(block->bytes.get(), bytes.constData(), std::size_t(bytes.size()));
    return block;
}
