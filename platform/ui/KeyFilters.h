// Entry rules for number fields and digit-only fields. Typed keys, pasted text and dropped text
// meet the same rule: a change whose result the rule refuses is refused whole, and the field
// keeps its text. Keys that type nothing and Ctrl/Alt shortcuts pass through untouched.
#pragma once

#include <QStringView>

class QLineEdit;

namespace dukkano {

enum class EntryRule {
    // Digits, thousands dots and one comma that may not come first; no minus sign. The text is
    // read the Turkish way where it is used, and refused there with a message when it is no
    // number ("2.5"), so no character the user typed is lost on the way.
    Number,
    // Digits only.
    DigitsOnly,
};

// Whether a whole field text meets the rule.
bool meetsEntryRule(EntryRule rule, QStringView text);

// The rule lives as long as the field.
void installEntryRule(QLineEdit* edit, EntryRule rule);
inline void installNumberEntryFilter(QLineEdit* edit) { installEntryRule(edit, EntryRule::Number); }
inline void installDigitsOnlyFilter(QLineEdit* edit) { installEntryRule(edit, EntryRule::DigitsOnly); }

} // namespace dukkano
