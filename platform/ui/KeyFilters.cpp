// Key filters for price, quantity, discount and payment fields, and digit-only fields.
#include "KeyFilters.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

namespace dukkano {
namespace {

// The one printable character a plain key press would type; nothing for keys that type no
// text (navigation, editing, backspace) and for Ctrl/Alt/Meta shortcuts, which go through.
std::optional<QString> typedText(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return std::nullopt;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return std::nullopt;
    return text;
}

bool isDigit(const QString& text)
{
    return text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
}

// A comma is welcome only where it will not lead the number and will be the only one.
bool commaFits(const QLineEdit& edit)
{
    QString rest = edit.text();
    int position = edit.cursorPosition();
    if (edit.hasSelectedText()) {
        position = edit.selectionStart();
        rest.remove(position, edit.selectedText().size());
    }
    return position > 0 && !rest.contains(QLatin1Char(','));
}

} // namespace

bool NumberEntryFilter::eventFilter(QObject* watched, QEvent* event)
{
    const auto text = typedText(event);
    const auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!text || !edit || isDigit(*text))
        return false;
    if (*text == QLatin1String(","))
        return !commaFits(*edit);
    return true;
}

bool DigitsOnlyFilter::eventFilter(QObject*, QEvent* event)
{
    const auto text = typedText(event);
    return text && !isDigit(*text);
}

void installNumberEntryFilter(QLineEdit* edit)
{
    edit->installEventFilter(new NumberEntryFilter(edit));
}

void installDigitsOnlyFilter(QLineEdit* edit)
{
    edit->installEventFilter(new DigitsOnlyFilter(edit));
}

} // namespace dukkano
