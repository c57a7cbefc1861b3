#include "JobControl.h"

JobControl::~JobControl() = default;

bool JobControl::confirm(const QString& question, MsgButtons buttons)
{
    Q_UNUSED(question)
    Q_UNUSED(buttons)
    return false;
}

void JobControl::tell(const QString& text, MsgIcon icon)
{
    showMessage(text, MsgButtons::Ok, icon);
}
