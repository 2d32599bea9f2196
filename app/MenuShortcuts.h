// Lets the main menu's shortcuts win over text fields, which would otherwise claim keys such as
// Ctrl+X (cut) and Ctrl+C (copy) for themselves, in every window of the program.
#pragma once

#include <QObject>

class QWidget;

namespace dukkano {

class MenuShortcutPriority : public QObject {
public:
    // Watches the whole application for as long as it lives; menuOwner holds the actions.
    explicit MenuShortcutPriority(QWidget* menuOwner);
    ~MenuShortcutPriority() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_menuOwner;
};

} // namespace dukkano
