// The real message, question and input boxes, and the switch that lets tests replace them.
#include "Dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

QWidget* shownOnTopWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return window;
    }
    return nullptr;
}

// The sale window stays on top of everything; a box must come up above it, so it belongs to
// the window the user is working in and stays on top itself while an on-top window shows.
QWidget* boxParent()
{
    QWidget* active = QApplication::activeWindow();
    return active ? active : shownOnTopWindow();
}

// A box with no window of ours under it (a second copy of the program saying so) may have
// another copy's sale window above it: it stays on top too.
void keepAboveOnTopWindows(QWidget& box)
{
    if (shownOnTopWindow() || !box.parentWidget())
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

class RealDialogs : public Dialogs {
public:
    void message(const QString& text, const QString& caption) override
    {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, boxParent());
        box.button(QMessageBox::Ok)->setText(u"Tamam"_s);
        keepAboveOnTopWindows(box);
        box.exec();
    }

    bool question(const QString& text, const QString& caption, QuestionButtons buttons) override
    {
        const bool yesNo = buttons == QuestionButtons::YesNo;
        const auto accept = yesNo ? QMessageBox::Yes : QMessageBox::Ok;
        const auto reject = yesNo ? QMessageBox::No : QMessageBox::Cancel;
        QMessageBox box(QMessageBox::Question, caption, text, accept | reject, boxParent());
        box.button(accept)->setText(yesNo ? u"Evet"_s : u"Tamam"_s);
        box.button(reject)->setText(yesNo ? u"Hayır"_s : u"İptal"_s);
        box.setDefaultButton(accept);
        box.setEscapeButton(reject);
        keepAboveOnTopWindows(box);
        return box.exec() == accept;
    }

    std::optional<QString> input(const QString& caption, const QString& prompt,
                                 const QString& initial) override
    {
        QInputDialog box(boxParent());
        box.setInputMode(QInputDialog::TextInput);
        box.setWindowTitle(caption);
        box.setLabelText(prompt);
        box.setTextValue(initial);
        box.setOkButtonText(u"Tamam"_s);
        box.setCancelButtonText(u"İptal"_s);
        keepAboveOnTopWindows(box);
        if (box.exec() != QDialog::Accepted)
            return std::nullopt;
        return box.textValue();
    }
};

Dialogs* installed = nullptr;

} // namespace

Dialogs& dialogs()
{
    static RealDialogs real;
    return installed ? *installed : real;
}

void setDialogs(Dialogs* dialogs)
{
    installed = dialogs;
}

void showMessage(const QString& text, const QString& caption)
{
    dialogs().message(text, caption);
}

bool askYesNo(const QString& text, const QString& caption)
{
    return dialogs().question(text, caption, QuestionButtons::YesNo);
}

} // namespace dukkano
