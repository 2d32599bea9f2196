#include "Controls.h"

#include <QLabel>
#include <QMdiArea>

namespace dukkano {

bool isFocusField(QWidget* field)
{
    return field->window()->focusWidget() == field;
}

void paintLabel(QLabel* label, const QColor& background, const QColor& text)
{
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, text);
    label->setPalette(colours);
    label->setAutoFillBackground(true);
}

QMdiArea* mdiAreaOf(QWidget* window)
{
    for (QWidget* w = window->parentWidget(); w; w = w->parentWidget()) {
        if (auto* area = qobject_cast<QMdiArea*>(w))
            return area;
    }
    return nullptr;
}

} // namespace dukkano
