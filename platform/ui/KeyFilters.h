// Key filters for entry fields: numbers with one decimal comma, or digits only. Keys that type
// nothing (arrows, Delete, Enter, Tab, Esc) and Ctrl/Alt shortcuts pass through untouched.
#pragma once

#include <QObject>

class QLineEdit;

namespace dukkano {

// Digits, backspace and one comma that may not come first; nothing else, no minus sign.
class NumberEntryFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Digits and backspace only.
class DigitsOnlyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The filter lives as long as the field.
void installNumberEntryFilter(QLineEdit* edit);
void installDigitsOnlyFilter(QLineEdit* edit);

} // namespace dukkano
