// The entries of the product and customer name lists as read from the file: every row once
// with its key, in Turkish order of name, then detail, then key, and no read left open.
#include "KeyedChoices.h"
#include "SecimListeleri.h"
#include "TestSupport.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::test;

namespace {

// "key: Ad (Açıklama)" per entry.
QStringList shown(const QVector<KeyedChoice>& choices)
{
    QStringList texts;
    for (const KeyedChoice& c : choices)
        texts << u"%1: %2"_s.arg(c.key).arg(choiceText(c.name, c.detail));
    return texts;
}

} // namespace

class TestSecimListesi : public QObject {
    Q_OBJECT
private slots:
    void products()
    {
        TempShop shop;
        for (const auto& [name, description] : std::initializer_list<std::pair<const char*, const char*>>{
                 {"Su", ""}, {"Çay", "Rize"}, {"İncir", ""}, {"Kola (Kutu)", "330 ml"}, {"Su", ""},
                 {"Çay", "Ankara"}, {"Ilık Su", ""}, {"Cips", ""}})
            shop.addProduct(QString::fromUtf8(name), QString(), lira("1"), Money(), 1, QString::fromUtf8(description));

        const auto list = urunSecimListesi(shop.db().baglanti);

        QCOMPARE(shown(list), QStringList({"8: Cips ()", "6: Çay (Ankara)", "2: Çay (Rize)", "7: Ilık Su ()",
                                           "3: İncir ()", "4: Kola (Kutu) (330 ml)", "1: Su ()", "5: Su ()"}));
        QCOMPARE(busyStatements(shop.db().baglanti), QStringList());
    }

    void customers()
    {
        TempShop shop;
        shop.addCustomer(u"Ali Veli"_s, u"Osman"_s);
        shop.addCustomer(u"Şule Ak"_s, u"Can"_s);
        shop.addCustomer(u"Ali Veli"_s, u"Hasan"_s);
        shop.addCustomer(u"Ali Veli"_s, u"Hasan"_s);
        shop.addCustomer(u"Sema Öz"_s, QString());

        const auto list = musteriSecimListesi(shop.db().baglanti);

        QCOMPARE(shown(list), QStringList({"3: Ali Veli (Hasan)", "4: Ali Veli (Hasan)", "1: Ali Veli (Osman)",
                                           "5: Sema Öz ()", "2: Şule Ak (Can)"}));
        QCOMPARE(busyStatements(shop.db().baglanti), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestSecimListesi)
#include "test_secimlistesi.moc"
