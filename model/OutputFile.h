#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A file the user named (path as decodePath gives it), written so that a
// failure never leaves half a file in its place: the bytes go to a new file
// beside a regular target, which replaces the target on commit and keeps its
// permissions (through a symbolic link the file it points at is replaced).
// What is no regular file (a device, a FIFO with a reader) is written to
// directly and never replaced; a folder, or a FIFO nobody reads, is refused.
class OutputFile
{
public:
    explicit OutputFile(const QString& path);
    ~OutputFile(); // discards what was not committed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool open();
    // Open for writing after open() succeeded.
    QFile& device() { return file_; }
    // Writes out what is buffered and puts the file in place.
    bool commit();
    // Removes the unfinished file; the target stays as it was.
    void discard();

    // Why the last step failed: the system's error text ("Permission
    // denied", "No space left on device", "Is a directory", ...) and its
    // errno when known, else 0.
    QString errorString() const;
    int error() const { return error_; }

private:
    bool fail(int error);

    QByteArray target_;
    QByteArray temporary_; // empty when writing to the target directly
    QFile file_;
    int error_ = 0;
    bool failed_ = false;
};
