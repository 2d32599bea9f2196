// The program's QApplication: an error thrown from an event handler ends that handler with a
// message box instead of ending the program.
#pragma once

#include <QApplication>

namespace dukkano {

class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace dukkano
