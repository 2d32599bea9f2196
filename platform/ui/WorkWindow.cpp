#include "WorkWindow.h"

#include "Guarded.h"
#include "ProgramState.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace dukkano {
namespace {

// Esc pressed anywhere inside the window closes the main window's active child.
class EscapeWatch : public QObject {
public:
    explicit EscapeWatch(WorkWindow* window) : QObject(window), m_window(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool escape = (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
                            && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
        auto* target = qobject_cast<QWidget*>(watched);
        if (!escape || !target || !(target == m_window || m_window->isAncestorOf(target))
            || QApplication::activePopupWidget())
            return false;
        if (event->type() == QEvent::KeyPress)
            QMetaObject::invokeMethod(m_window, "closeActiveChild");
        return true;  // the override is stopped too, so no control claims the key
    }

private:
    WorkWindow* m_window;
};

} // namespace

WorkWindow::WorkWindow(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    acikFormVar = true;
    // The window sees Esc before its controls do, wherever the focus is inside it, a grid's
    // cell editor included.
    qApp->installEventFilter(new EscapeWatch(this));
}

WorkWindow::~WorkWindow()
{
    if (!m_closed)
        acikFormVar = false;
}

void WorkWindow::closeActiveChild()
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* area = qobject_cast<QMdiArea*>(w)) {
            if (QMdiSubWindow* active = area->activeSubWindow())
                active->close();
            return;
        }
    }
    close();
}

// A closing step that fails (a pending edit the file refuses) keeps the window open with the
// reason shown, so that nothing typed is lost without a word.
void WorkWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        if (!runGuarded([this] { FormClose(); })) {
            event->ignore();
            return;
        }
        m_closed = true;
        acikFormVar = false;
        emit closed();
    }
    event->accept();
    // Closing the window alone would leave its empty frame in the main window.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
}

} // namespace dukkano
