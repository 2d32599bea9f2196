// dukkano_demo <folder>: writes a small demo shop to <folder>/veritabani.mdb to try the program on.
#include "Database.h"
#include "ShopGenerator.h"
#include "Veritabani.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "Kullanım: dukkano_demo <klasör>\n"
               "  <klasör>/veritabani.mdb dosyasına örnek bir dükkân yazar.\n";
        return 2;
    }
    const QDir folder(args[1]);
    if (!folder.mkpath(u"."_s)) {
        err << "Klasör oluşturulamadı: " << QDir::toNativeSeparators(folder.absolutePath()) << '\n';
        return 1;
    }
    const QString path = folder.absoluteFilePath(Veritabani::defaultPath());
    if (QFileInfo::exists(path)) {
        err << QDir::toNativeSeparators(path) << " zaten var; üzerine yazılmadı.\n"
            << "Yeni bir örnek dükkân için başka bir klasör verin ya da bu dosyayı kendiniz silin.\n";
        return 1;
    }

    bool created = false;
    try {
        createShopFile(path);
        created = true;
        Database db(path);
        const ShopCounts n = writeDemoShop(db, QDate::currentDate());
        out << "Örnek dükkân oluşturuldu: " << QDir::toNativeSeparators(path) << '\n'
            << n.products << " ürün, " << n.customers << " müşteri, " << n.sales << " satış, "
            << n.payments << " ödeme.\n";
    } catch (const DataError& e) {
        if (created)
            removeShopFile(path);  // so that the next attempt starts afresh
        err << e.message() << '\n';
        return 1;
    }
    return 0;
}
