// Dukkano's start: one running copy per shop folder, the database, the main window behind and
// the sale window in front.
#include "Application.h"
#include "DataError.h"
#include "Dialogs.h"
#include "Mdiunit.h"
#include "Veritabani.h"

#include <QLockFile>
#include <memory>

int main(int argc, char* argv[])
{
    dukkano::Application app(argc, argv);
    app.setApplicationName(QStringLiteral("Dukkano"));

    // Two copies writing the same file would each keep a stale view of the other's sales.
    QLockFile running(dukkano::Veritabani::defaultPath() + QStringLiteral(".lock"));
    running.setStaleLockTime(0);  // stale only when its process is gone, however long it runs
    // A folder where no lock can be written is left to the database to report.
    if (!running.tryLock() && running.error() == QLockFile::LockFailedError) {
        dukkano::showMessage(QStringLiteral("Dukkano zaten çalışıyor."));
        return 1;
    }

    std::unique_ptr<dukkano::Veritabani> db;
    try {
        db = std::make_unique<dukkano::Veritabani>();
    } catch (const dukkano::DataError& error) {
        dukkano::showMessage(error.message());
        return 1;
    }

    dukkano::TMdiForm mdiForm(*db);
    dukkano::showMaximizedOnScreen(&mdiForm);
    mdiForm.openUrunSatis();
    return app.exec();
}
