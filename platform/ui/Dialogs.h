// The one seam for message boxes, questions and one-line input boxes. The program installs the
// real dialogs; tests install a scripted responder that records every box and answers it.
#pragma once

#include <QString>
#include <memory>
#include <optional>

namespace dukkano {

using namespace Qt::Literals::StringLiterals;

enum class QuestionButtons { YesNo, OkCancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A plain box with an OK button.
    virtual void message(const QString& text, const QString& caption) = 0;
    // A question box with the question icon; true for Yes or OK.
    virtual bool question(const QString& text, const QString& caption, QuestionButtons buttons) = 0;
    // A one-line input box; nullopt when cancelled.
    virtual std::optional<QString> input(const QString& caption, const QString& prompt,
                                         const QString& initial) = 0;
};

// The dialogs in force; the real ones unless a test installed others.
Dialogs& dialogs();
// Installs dialogs (nullptr: back to the real ones).
void setDialogs(Dialogs* dialogs);

// Shorthands with the program's caption "Dukkano".
void showMessage(const QString& text, const QString& caption = u"Dukkano"_s);
bool askYesNo(const QString& text, const QString& caption = u"Dukkano"_s);

} // namespace dukkano
