// A focused widget is asked first whether it wants a shortcut key (ShortcutOverride); refusing
// that question on its behalf for the menu's keys sends the key to the menu instead.
#include "MenuShortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace dukkano {

MenuShortcutPriority::MenuShortcutPriority(QWidget* menuOwner)
    : QObject(menuOwner), m_menuOwner(menuOwner)
{
    qApp->installEventFilter(this);
}

MenuShortcutPriority::~MenuShortcutPriority() { qApp->removeEventFilter(this); }

bool MenuShortcutPriority::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : m_menuOwner->actions()) {
        if (action->isEnabled() && action->shortcut() == pressed) {
            event->ignore();
            return true;
        }
    }
    return false;
}

} // namespace dukkano
