#pragma once

#include "model/MessageSink.h"

#include <QString>
#include <QtGlobal>

// What a running print or export job shares with whoever started it: whether
// someone watches it, where its progress goes, how it asks or tells the user
// what comes up on the way, and the user's Cancel, which the job reads
// between its steps and which ends it keeping nothing. This base is the
// unattended run of the command line: it shows no progress, asks nothing and
// is cancelled only through cancel().
class JobControl
{
public:
    JobControl() = default;
    virtual ~JobControl();
    JobControl(const JobControl&) = delete;
    JobControl& operator=(const JobControl&) = delete;

    // Someone watches the job and can answer its questions.
    virtual bool attended() const { return false; }

    bool cancelled() const { return cancelled_; }
    void cancel() { cancelled_ = true; }

    // The background's preparation for the job: it begins, has steps (0: one
    // of unknown length), takes them one by one and ends. While the page
    // renders the job polls, which lets a Cancel in.
    virtual void preparationBegins() {}
    virtual void preparationSteps(int steps) { Q_UNUSED(steps) }
    virtual void preparationStep() {}
    virtual void preparationEnds() {}
    virtual void poll() {}

    // After every sheet written: done of total.
    virtual void sheetsDone(qint64 done, qint64 total)
    {
        Q_UNUSED(done)
        Q_UNUSED(total)
    }

    // Puts question to the user with buttons (Yes/No or OK/Cancel): whether
    // the answer is Yes or OK. An unattended job is not asked: no.
    virtual bool confirm(const QString& question, MsgButtons buttons);
    // Tells the user something that does not stop the job.
    void tell(const QString& text, MsgIcon icon);

private:
    bool cancelled_ = false;
};
