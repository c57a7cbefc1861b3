#pragma once

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

// Shows the wait cursor for as long as it lives; nothing in a run without a
// graphical application (command-line printing).
class WaitCursor
{
public:
    WaitCursor() : active_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (active_)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor()
    {
        if (active_)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool active_;
};
