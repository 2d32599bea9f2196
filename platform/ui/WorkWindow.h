// A work window: a child of the main window under the one-work-window rule. It sets
// `acikFormVar` while it lives, closes the main window's active child on Esc, and says when it
// has closed so that the main window can un-check its menu item.
#pragma once

#include <QWidget>

namespace dukkano {

class WorkWindow : public QWidget {
    Q_OBJECT
public:
    explicit WorkWindow(QWidget* parent = nullptr);
    ~WorkWindow() override;

signals:
    void closed();

protected:
    // The window's own steps on closing (filters off, pending edits stored, shared objects
    // reopened), run before `acikFormVar` is cleared.
    virtual void FormClose() {}
    void closeEvent(QCloseEvent* event) override;

private slots:
    void closeActiveChild();

private:
    bool m_closed = false;
};

} // namespace dukkano
