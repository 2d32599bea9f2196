// The keyed name lists: a light list model that keeps each entry's key beside its text.
#include "KeyedChoices.h"

#include "TurkishText.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

bool inTurkishOrder(const KeyedChoice& a, const KeyedChoice& b)
{
    const int byName = turkishCompare(a.name, b.name);
    return byName != 0 ? byName < 0 : turkishCompare(a.detail, b.detail) < 0;
}

// Row 0 is the empty entry; row i > 0 is choice i - 1. The texts are made once, since lists
// and completers ask for them again and again.
class KeyedChoiceModel : public QAbstractListModel {
public:
    KeyedChoiceModel(QVector<KeyedChoice> choices, QObject* parent)
        : QAbstractListModel(parent), m_choices(std::move(choices))
    {
        m_texts.reserve(m_choices.size() + 1);
        m_texts << QString();
        for (const KeyedChoice& choice : std::as_const(m_choices))
            m_texts << choiceText(choice.name, choice.detail);
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_texts.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_texts.size())
            return QVariant();
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return m_texts[index.row()];
        if (role == ChoiceKeyRole && index.row() > 0)
            return m_choices[index.row() - 1].key;
        return QVariant();
    }

private:
    QVector<KeyedChoice> m_choices;
    QStringList m_texts;
};

} // namespace

QString choiceText(const QString& name, const QString& detail)
{
    return name + u" ("_s + detail + QLatin1Char(')');
}

void fillKeyedChoices(QComboBox* combo, QVector<KeyedChoice> choices)
{
    if (!std::is_sorted(choices.begin(), choices.end(), inTurkishOrder))
        std::stable_sort(choices.begin(), choices.end(), inTurkishOrder);
    const QSignalBlocker quiet(combo);
    combo->setModel(new KeyedChoiceModel(std::move(choices), combo));
    combo->setCurrentIndex(-1);
    combo->clearEditText();
}

std::optional<qint64> chosenKey(const QComboBox* combo)
{
    const QString text = combo->currentText();
    if (text.isEmpty())
        return std::nullopt;
    int row = combo->currentIndex();
    if (row < 0 || combo->itemText(row) != text)
        row = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    const QVariant key = row < 0 ? QVariant() : combo->itemData(row, ChoiceKeyRole);
    if (!key.isValid())
        return std::nullopt;
    return key.toLongLong();
}

} // namespace dukkano
