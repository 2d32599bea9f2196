// Handlers' errors end in a message box, never in Qt's event loop.
#include "Guarded.h"

#include "DataError.h"
#include "Dialogs.h"

#include <exception>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {

bool runGuarded(const std::function<void()>& step)
{
    try {
        step();
        return true;
    } catch (const DataError& error) {
        showMessage(error.message());
    } catch (const std::exception& error) {
        showMessage(u"Beklenmeyen bir hata oluştu:\n"_s + QString::fromUtf8(error.what()));
    }
    return false;
}

} // namespace dukkano
