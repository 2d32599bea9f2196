// Entry rules for price, quantity, discount and payment fields, and digit-only fields: a
// validator judges every change of the text, whether typed, pasted or dropped.
#include "KeyFilters.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QValidator>

namespace dukkano {
namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Answers only "acceptable" or "invalid", so Enter is never held back as it would be for an
// "intermediate" text. The text the field holds is always acceptable: a value put there by
// the program (a stored negative price, say) is the check's to refuse when it is used, and
// Enter must still reach that check.
class EntryValidator : public QValidator {
public:
    EntryValidator(EntryRule rule, QLineEdit* edit) : QValidator(edit), m_rule(rule), m_held(edit->text())
    {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_held = text; });
    }

    State validate(QString& input, int&) const override
    {
        return input == m_held || meetsEntryRule(m_rule, input) ? Acceptable : Invalid;
    }

private:
    EntryRule m_rule;
    QString m_held;
};

// The line edit takes a drop before its validator undoes it, so a text moved from another
// field would vanish from there too. A drop the rule refuses is declined instead, and the
// text stays where it came from.
class DropGuard : public QObject {
public:
    DropGuard(EntryRule rule, QLineEdit* edit) : QObject(edit), m_rule(rule), m_edit(edit) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const auto type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return false;
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->source() == m_edit || !drop->mimeData()->hasText())
            return false;
        QString result = m_edit->text();
        result.insert(m_edit->cursorPositionAt(drop->position().toPoint()), drop->mimeData()->text());
        if (meetsEntryRule(m_rule, result))
            return false;
        drop->ignore();
        return true;
    }

private:
    EntryRule m_rule;
    QLineEdit* m_edit;
};

} // namespace

bool meetsEntryRule(EntryRule rule, QStringView text)
{
    qsizetype commas = 0;
    for (QChar c : text) {
        if (c == QLatin1Char(','))
            ++commas;
        else if (!isDigit(c) && !(rule == EntryRule::Number && c == QLatin1Char('.')))
            return false;
    }
    if (rule == EntryRule::DigitsOnly)
        return commas == 0;
    return commas == 0 || (commas == 1 && !text.startsWith(QLatin1Char(',')));
}

void installEntryRule(QLineEdit* edit, EntryRule rule)
{
    edit->setValidator(new EntryValidator(rule, edit));
    edit->installEventFilter(new DropGuard(rule, edit));
}

} // namespace dukkano
