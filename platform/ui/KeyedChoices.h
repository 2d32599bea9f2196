// Editable name lists whose entries carry the key of the row they stand for: "Ad (Açıklama)"
// entries in Turkish order, and the key that a typed or chosen text stands for. A choice is
// taken from the key, never from splitting the text, so names with brackets and namesakes
// are told apart.
#pragma once

#include "KeyedChoice.h"

#include <QString>
#include <QVector>
#include <optional>

class QComboBox;

namespace dukkano {

// "Ad (Açıklama)"
QString choiceText(const QString& name, const QString& detail);

// The data role of an entry that holds its key; the empty first entry holds none.
constexpr int ChoiceKeyRole = Qt::UserRole;

// Fills an editable list with an empty entry, then one entry per choice in Turkish order of
// name, then detail; choices that come in that order keep it, namesakes included. Afterwards
// nothing is chosen and the edit text is empty; no signal is sent.
void fillKeyedChoices(QComboBox* combo, QVector<KeyedChoice> choices);

// The key the list's current text stands for: the chosen entry's while its text is the current
// text, else the first entry that reads exactly so. None for an empty text and for a text no
// entry reads.
std::optional<qint64> chosenKey(const QComboBox* combo);

} // namespace dukkano
