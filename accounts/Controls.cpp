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

void showAsDebtFigure(QLabel* label)
{
    QFont large = label->font();
    large.setPointSize(20);
    large.setBold(true);
    label->setFont(large);
    label->setAlignment(Qt::AlignCenter);
    paintLabel(label, Qt::red, Qt::white);
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
