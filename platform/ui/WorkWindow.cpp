#include "WorkWindow.h"

#include "ProgramState.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>

namespace dukkano {

WorkWindow::WorkWindow(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    acikFormVar = true;
    // The window sees Esc before its controls do, wherever the focus is inside it.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    connect(esc, &QShortcut::activated, this, &WorkWindow::closeActiveChild);
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

void WorkWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        FormClose();
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
