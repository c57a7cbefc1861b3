#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

class QIODevice;
struct PdfBlock;

// A file the user named (path as decodePath gives it), open for reading
// what it holds. Regular files are read as files. Pipes, FIFOs and sockets
// are read as they deliver, and no open or read waits for ever: a FIFO is
// opened without waiting for a writer, and a pipe that delivers nothing for
// kIdleSeconds (a FIFO nobody writes to, a writer that stalled) fails. A
// folder or a device is refused.
class InputFile
{
public:
    static constexpr int kIdleSeconds = 5;

    InputFile();
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // 0, or the errno of the failure (EISDIR for a folder, ENODEV for a
    // device).
    int open(const QString& path);
    QIODevice& device();
    // A read failed: the system's error, or (timedOut) a pipe went quiet.
    bool readFailed() const;
    bool timedOut() const;

private:
    class Pipe;
    QFile file_;
    std::unique_ptr<Pipe> pipe_;
};

// Up to most bytes from device, as many as it holds. They are taken in
// pieces of bounded size, so memory follows the bytes that really arrive and
// not a length the data claims. Throws std::bad_alloc.
QByteArray ReadUpTo(QIODevice& device, qint64 most);

// The same into a PDF block. A file's size decides the block at once; a
// pipe's bytes are gathered first. Null when nothing was read.
std::shared_ptr<PdfBlock> ReadPdfBlock(QIODevice& device, qint64 most);
