// Dukkano's start: one running copy per shop folder, the database, the main window behind and
// the sale window in front.
#include "Application.h"
#include "DataError.h"
#include "Dialogs.h"
#include "Mdiunit.h"
#include "Veritabani.h"

#include <QLockFile>
#include <memory>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[])
{
    dukkano::Application app(argc, argv);
    app.setApplicationName(u"Dukkano"_s);

    // Two copies writing the same file would each keep a stale view of the other's sales.
    QLockFile running(dukkano::Veritabani::defaultPath() + u".lock"_s);
    running.setStaleLockTime(0);  // stale only when its process is gone, however long it runs
    // A folder where no lock can be written is left to the database to report.
    if (!running.tryLock() && running.error() == QLockFile::LockFailedError) {
        dukkano::showMessage(u"Dukkano zaten çalışıyor."_s);
        return 1;
    }

    // The windows read the file as they are built, so a file that fails them fails the start.
    std::unique_ptr<dukkano::Veritabani> db;
    std::unique_ptr<dukkano::TMdiForm> mdiForm;
    try {
        db = std::make_unique<dukkano::Veritabani>();
        mdiForm = std::make_unique<dukkano::TMdiForm>(*db);
        dukkano::showMaximizedOnScreen(mdiForm.get());
        mdiForm->openUrunSatis();
    } catch (const dukkano::DataError& error) {
        dukkano::showMessage(error.message());
        return 1;
    }
    return app.exec();
}
