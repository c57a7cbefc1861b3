// A message sink that records every message instead of showing it and gives
// the queued answers in turn; without one, OK for an OK box, else Cancel.
#pragma once

#include "model/MessageSink.h"

#include <QList>
#include <QStringList>

#include <deque>

class RecordingSink : public MessageSink
{
public:
    MsgAnswer show(const QString& text, MsgButtons buttons, MsgIcon icon) override
    {
        texts << text;
        icons << icon;
        if (!answers.empty()) {
            const MsgAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }

    QStringList texts;
    QList<MsgIcon> icons;
    std::deque<MsgAnswer> answers;
};
