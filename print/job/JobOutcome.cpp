#include "JobOutcome.h"

#include "model/MessageSink.h"

void ReportOutcome(const JobOutcome& outcome)
{
    if (outcome.isFailed() && !outcome.message().isEmpty())
        showMessage(outcome.message(), MsgButtons::Ok, MsgIcon::Exclamation);
}
