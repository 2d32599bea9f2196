// The program's QApplication, showing errors that escape event handlers.
#include "Application.h"

#include "DataError.h"
#include "Dialogs.h"

#include <exception>

namespace dukkano {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

// Handlers catch their own errors (runGuarded); this is only the last net, so that a handler
// that forgot does not end the counter.
bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DataError& error) {
        showMessage(error.message());
    } catch (const std::exception& error) {
        showMessage(QStringLiteral("Beklenmeyen bir hata oluştu:\n") + QString::fromUtf8(error.what()));
    }
    return false;
}

} // namespace dukkano
