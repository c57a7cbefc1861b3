#include "MessageSink.h"

#include <cstdio>

namespace {

class StandardErrorSink : public MessageSink
{
public:
    MsgAnswer show(const QString& text, MsgButtons buttons, MsgIcon) override
    {
        std::fprintf(stderr, "tallimark: %s\n", text.toLocal8Bit().constData());
        switch (buttons) {
        case MsgButtons::Ok:
            return MsgAnswer::Ok;
        case MsgButtons::YesNo:
            return MsgAnswer::No;
        case MsgButtons::OkCancel:
        case MsgButtons::YesNoCancel:
            break;
        }
        return MsgAnswer::Cancel;
    }
};

StandardErrorSink standardErrorSink;
MessageSink* installed = nullptr;

} // namespace

MessageSink& messageSink()
{
    return installed ? *installed : standardErrorSink;
}

void setMessageSink(MessageSink* sink)
{
    installed = sink;
}
