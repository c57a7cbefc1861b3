#pragma once

#include "model/MessageSink.h"

#include <QMessageBox>

// Shows every message in a modal message box titled with the program's name,
// in front of the window the user works in (the open dialog, else the active
// or the main window); a job's progress window closes while the box is up.
class MessageBoxSink : public MessageSink
{
public:
    MsgAnswer show(const QString& text, MsgButtons buttons, MsgIcon icon) override;

    // The box's icon: Default becomes the exclamation mark for OK and
    // OK/Cancel and the question mark for Yes/No and Yes/No/Cancel.
    static QMessageBox::Icon iconFor(MsgButtons buttons, MsgIcon icon);
};
