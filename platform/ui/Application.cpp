// The program's QApplication, showing errors that escape event handlers.
#include "Application.h"

#include "Guarded.h"

namespace dukkano {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

// Handlers catch their own errors (runGuarded); this is only the last net, so that a handler
// that forgot does not end the counter.
bool Application::notify(QObject* receiver, QEvent* event)
{
    return runGuarded(false, [&] { return QApplication::notify(receiver, event); });
}

} // namespace dukkano
