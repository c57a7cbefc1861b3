#include "MenuKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

MenuKeys::MenuKeys(QMainWindow* window) : QObject(window), window_(window)
{
    qApp->installEventFilter(this);
}

QAction* MenuKeys::menuFor(const QEvent* event, QObject* watched) const
{
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->modifiers() != Qt::AltModifier || !watched->isWidgetType())
        return nullptr;
    // Only keys meant for this window, not for a dialog or an open popup.
    const auto* widget = static_cast<const QWidget*>(watched);
    if (widget->window() != window_ || QApplication::activePopupWidget())
        return nullptr;
    const QKeySequence pressed(key->key() | Qt::AltModifier);
    for (QAction* menu : window_->menuBar()->actions()) {
        if (menu->isVisible() && menu->isEnabled() && QKeySequence::mnemonic(menu->text()) == pressed)
            return menu;
    }
    return nullptr;
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    QAction* menu = menuFor(event, watched);
    if (!menu)
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Keeps the key from the shortcut map, so it arrives as a key press.
        event->accept();
        return true;
    }
    window_->menuBar()->setActiveAction(menu);
    return true;
}
