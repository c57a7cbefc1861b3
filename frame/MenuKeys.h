#pragma once

#include <QObject>

class QAction;
class QMainWindow;

// Alt with a top-level menu's mnemonic letter (Alt+F, Alt+E, ...) opens that
// menu wherever the focus is inside the window. A panel label that uses the
// same letter would otherwise make the key ambiguous, and Qt then does
// nothing at all; the panel's other mnemonics keep working.
class MenuKeys : public QObject
{
public:
    // Watches the application's key events for window; owned by window.
    explicit MenuKeys(QMainWindow* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The top-level menu whose mnemonic the key event carries, or null.
    QAction* menuFor(const QEvent* event, QObject* watched) const;

    QMainWindow* window_;
};
