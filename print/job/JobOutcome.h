#pragma once

#include <QString>

// How writing a print job or an export ended: done, cancelled by the user
// (nothing kept, nothing to tell) or failed, with the message for the user.
class JobOutcome
{
public:
    enum class Status
    {
        Done,
        Cancelled,
        Failed
    };

    static JobOutcome done() { return JobOutcome(Status::Done, QString(), QString()); }
    static JobOutcome cancelled() { return JobOutcome(Status::Cancelled, QString(), QString()); }
    // writeError: the cause of a failure to write the output, for a caller
    // that names the output in a message of its own.
    static JobOutcome failed(const QString& message, const QString& writeError = QString())
    {
        return JobOutcome(Status::Failed, message, writeError);
    }

    Status status() const { return status_; }
    bool isDone() const { return status_ == Status::Done; }
    bool isCancelled() const { return status_ == Status::Cancelled; }
    bool isFailed() const { return status_ == Status::Failed; }
    // What the user is told of a failure.
    const QString& message() const { return message_; }
    // Why the output could not be written; null for every other outcome.
    const QString& writeError() const { return writeError_; }

private:
    JobOutcome(Status status, const QString& message, const QString& writeError)
        : status_(status), message_(message), writeError_(writeError)
    {}

    Status status_;
    QString message_;
    QString writeError_;
};

// Tells the user why a job failed: in a message box over the window worked
// in, on standard error in a run without one. A job done or cancelled says
// nothing.
void ReportOutcome(const JobOutcome& outcome);
