#pragma once

#include <QString>

// How the program tells the user something: a message box in the window, the
// standard error stream in a command-line run, a recorder in tests. Every box
// is titled with the program's name.
enum class MsgButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel
};
// Default picks the icon from the buttons: exclamation for OK and OK/Cancel,
// question for Yes/No and Yes/No/Cancel.
enum class MsgIcon
{
    Default,
    Exclamation,
    Question,
    Information,
    Stop
};
enum class MsgAnswer
{
    Ok,
    Cancel,
    Yes,
    No
};

class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual MsgAnswer show(const QString& text, MsgButtons buttons, MsgIcon icon) = 0;
};

// The process-wide sink. Until one is installed, messages go to standard error
// and the answer is the safe one (OK, No or Cancel).
MessageSink& messageSink();
// Installs sink (not owned); null restores the standard-error sink.
void setMessageSink(MessageSink* sink);

inline MsgAnswer showMessage(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                             MsgIcon icon = MsgIcon::Default)
{
    return messageSink().show(text, buttons, icon);
}
