// Storing a completed sale: what is written for cash, discount and on-account sales, and that a
// failure anywhere leaves the database as it was.
#include "Clock.h"
#include "SatisKaydi.h"
#include "TestSupport.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::test;

namespace {

struct Line {
    qint64 urunNo;
    QString name;
    qint64 quantity;
    const char* price;
};

void putInBasket(Dataset& basket, const QList<Line>& lines)
{
    for (const Line& l : lines) {
        basket.append();
        basket.setValue(u"UrunNo"_s, l.urunNo);
        basket.setValue(u"UrunAdi"_s, l.name);
        basket.setValue(u"BirimAdedi"_s, l.quantity);
        basket.setValue(u"BirimSatisFiyati"_s, lira(l.price));
        basket.setValue(u"UrunSatisTutari"_s, lira(l.price).times(l.quantity));
        basket.post();
    }
}

} // namespace

class TestSatisKaydi : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::set(QDateTime(QDate(2026, 12, 9), QTime(10, 30))); }
    void cleanup() { Clock::set(QDateTime()); }

    void writesTheSale_data()
    {
        QTest::addColumn<QString>("discount");
        QTest::addColumn<bool>("onAccount");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("kazanc");
        QTest::addColumn<QString>("debt");
        QTest::newRow("cash") << "" << false << "10,5" << "0" << "2";
        QTest::newRow("cash with discount") << "1,5" << false << "9" << "1,5" << "2";
        QTest::newRow("on account with discount") << "1,5" << true << "9" << "1,5" << "12,5";
        QTest::newRow("discount rounded to kuruş only in Kazanc") << "0,125" << false << "10,375" << "0,12" << "2";
        QTest::newRow("large discount") << "1000" << false << "-989,5" << "1000" << "2";
    }
    void writesTheSale()
    {
        QFETCH(QString, discount);
        QFETCH(bool, onAccount);
        TempShop shop;
        Veritabani& db = shop.db();
        const qint64 cay = shop.addProduct(u"Çay"_s, u"101"_s, lira("3"), Money(), 10);
        const qint64 sut = shop.addProduct(u"Süt"_s, u"102"_s, lira("4,5"), Money(), 1);
        const qint64 ayse = shop.addCustomer(u"Ayşe Yılmaz"_s, u"Ali"_s);
        db.baglanti.exec(u"UPDATE Musteriler SET ToplamBorc = 20000"_s);
        Dataset basket(db.baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        putInBasket(basket, {{cay, u"Çay"_s, 2, "3"}, {sut, u"Süt"_s, 1, "4,5"}});

        TamamlananSatis satis{lira("10,5"), discount.isEmpty() ? std::nullopt : Money::parse(discount),
                              onAccount ? ayse : 0};
        const qint64 satisNo = satisiKaydet(db, basket, satis);

        QCOMPARE(satisNo, 1);
        Dataset& s = db.tableSatislar;
        QCOMPARE(s.number(u"SatisNo"_s), 1);  // left on the new sale
        QCOMPARE(s.number(u"MusteriNo"_s), onAccount ? 1 : 0);
        QCOMPARE(s.date(u"SatisTarihi"_s), QDate(2026, 12, 9));
        QTEST(s.money(u"ToplamTutar"_s).toEditText(), "total");
        QTEST(s.money(u"Kazanc"_s).toEditText(), "kazanc");
        QVERIFY(s.isNull(u"Nakit"_s));

        Dataset lines(db.baglanti, u"SatilanUrunler"_s);
        lines.open();
        QCOMPARE(lines.recordCount(), 2);
        QCOMPARE(lines.number(u"SatisNo"_s), 1);
        QCOMPARE(lines.number(u"UrunNo"_s), cay);
        QCOMPARE(lines.real(u"BirimAdedi"_s), 2.0);
        QCOMPARE(lines.money(u"UrunSatisTutari"_s), lira("6"));
        QCOMPARE(lines.money(u"BirimSatisFiyati"_s), lira("3"));
        QVERIFY(lines.isNull(u"Kazanc"_s));
        lines.next();
        QCOMPARE(lines.money(u"UrunSatisTutari"_s), lira("4,5"));

        QCOMPARE(shop.scalar(u"SELECT StoktakiBirimMiktari FROM Urunler WHERE UrunNo = 1"_s).toLongLong(), 8);
        QCOMPARE(shop.scalar(u"SELECT StoktakiBirimMiktari FROM Urunler WHERE UrunNo = 2"_s).toLongLong(), 0);
        QTEST(Money::fromUnits(shop.scalar(u"SELECT ToplamBorc FROM Musteriler"_s).toLongLong()).toEditText(), "debt");
        QVERIFY(!db.tableUrunler.filtered());
        if (onAccount)
            QCOMPARE(db.tableMusteriler.number(u"MusteriNo"_s), ayse);  // left on the customer charged
    }

    // The debt goes to the customer whose key the sale carries, whatever row the shared
    // customers object stands on, among namesakes of the same father too.
    void debtGoesToTheCustomerByKey()
    {
        TempShop shop;
        Veritabani& db = shop.db();
        const qint64 cay = shop.addProduct(u"Çay"_s, u"101"_s, lira("3"));
        const qint64 first = shop.addCustomer(u"Ali Veli"_s, u"Hasan"_s);
        const qint64 second = shop.addCustomer(u"Ali Veli"_s, u"Hasan"_s);
        db.tableMusteriler.reopen();  // on the first namesake
        Dataset basket(db.baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        putInBasket(basket, {{cay, u"Çay"_s, 1, "3"}});

        satisiKaydet(db, basket, {lira("3"), std::nullopt, second});

        QCOMPARE(shop.scalar(u"SELECT MusteriNo FROM Satislar"_s).toLongLong(), second);
        const QString debts = u"SELECT coalesce(ToplamBorc, 0) FROM Musteriler WHERE MusteriNo = ?"_s;
        QCOMPARE(shop.scalar(debts, {first}).toLongLong(), 0);
        QCOMPARE(Money::fromUnits(shop.scalar(debts, {second}).toLongLong()), lira("3"));
    }

    // The lines carry the new sale's own number, whatever filter the shared sales object has
    // on; the number used to come from the last row under the filter.
    void linesCarryTheNewSaleNumberWhateverTheFilter()
    {
        TempShop shop;
        Veritabani& db = shop.db();
        const qint64 cay = shop.addProduct(u"Çay"_s, u"101"_s, lira("3"));
        Dataset basket(db.baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        putInBasket(basket, {{cay, u"Çay"_s, 1, "3"}});
        QCOMPARE(satisiKaydet(db, basket, {lira("3"), std::nullopt, false}), 1);
        db.tableSatislar.setFilter(u"[SatisNo]=1"_s);
        db.tableSatislar.setFiltered(true);

        QCOMPARE(satisiKaydet(db, basket, {lira("3"), std::nullopt, false}), 2);

        QCOMPARE(shop.firstColumn(u"SELECT SatisNo FROM SatilanUrunler ORDER BY UrunSatisNo"_s),
                 QStringList({"1", "2"}));
        QCOMPARE(db.tableSatislar.number(u"SatisNo"_s), 2);  // left on the new sale
    }

    void stockGoesDownPerLineAndBelowZero()
    {
        TempShop shop;
        Veritabani& db = shop.db();
        const qint64 cay = shop.addProduct(u"Çay"_s, u"101"_s, lira("3"), Money(), 1);
        Dataset basket(db.baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        putInBasket(basket, {{cay, u"Çay"_s, 3, "3"}, {cay, u"Çay"_s, 1, "3"}, {999, u"Silinmiş"_s, 1, "1"}});
        satisiKaydet(db, basket, {lira("13"), std::nullopt, false});
        QCOMPARE(shop.scalar(u"SELECT StoktakiBirimMiktari FROM Urunler"_s).toLongLong(), -3);
        QCOMPARE(shop.count(u"SatilanUrunler"_s), 3);
        QCOMPARE(shop.count(u"Urunler"_s), 1);
    }

    void aFailureInTheMiddleWritesNothing()
    {
        TempShop shop;
        Veritabani& db = shop.db();
        const qint64 cay = shop.addProduct(u"Çay"_s, u"101"_s, lira("3"), Money(), 10);
        const qint64 sut = shop.addProduct(u"Süt"_s, u"102"_s, lira("4,5"), Money(), 10);
        const qint64 ayse = shop.addCustomer(u"Ayşe Yılmaz"_s, u"Ali"_s);
        db.baglanti.exec(u"CREATE TRIGGER bozuk BEFORE UPDATE ON Urunler WHEN NEW.UrunNo = 2 "
                         "BEGIN SELECT RAISE(ABORT, 'disk dolu'); END"_s);
        Dataset basket(db.baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        putInBasket(basket, {{cay, u"Çay"_s, 2, "3"}, {sut, u"Süt"_s, 1, "4,5"}});

        try {
            satisiKaydet(db, basket, {lira("10,5"), std::nullopt, ayse});
            QFAIL("the sale was written");
        } catch (const DataError& e) {
            QVERIFY2(e.message().contains(u"disk dolu"_s), qPrintable(e.message()));
        }
        for (const char* table : {"Satislar", "SatilanUrunler"})
            QCOMPARE(shop.count(QLatin1String(table)), 0);
        QCOMPARE(shop.scalar(u"SELECT StoktakiBirimMiktari FROM Urunler WHERE UrunNo = 1"_s).toLongLong(), 10);
        QCOMPARE(shop.scalar(u"SELECT coalesce(ToplamBorc, 0) FROM Musteriler"_s).toLongLong(), 0);
        QCOMPARE(basket.recordCount(), 2);
        QCOMPARE(db.tableSatislar.recordCount(), 0);
        QCOMPARE(db.tableMusteriler.text(u"AdiSoyadi"_s), u"Ayşe Yılmaz"_s);

        db.baglanti.exec(u"DROP TRIGGER bozuk"_s);
        QCOMPARE(satisiKaydet(db, basket, {lira("10,5"), std::nullopt, ayse}), 1);
    }

    // A customer deleted since the list was filled: nothing is written.
    void unknownCustomerWritesNothing()
    {
        TempShop shop;
        Veritabani& db = shop.db();
        const qint64 cay = shop.addProduct(u"Çay"_s, u"101"_s, lira("3"));
        Dataset basket(db.baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        putInBasket(basket, {{cay, u"Çay"_s, 1, "3"}});
        const qint64 gone = shop.addCustomer(u"Kimse"_s, QString());
        db.baglanti.exec(u"DELETE FROM Musteriler"_s);
        QVERIFY_THROWS_EXCEPTION(DataError, satisiKaydet(db, basket, {lira("3"), std::nullopt, gone}));
        QCOMPARE(shop.count(u"Satislar"_s), 0);
    }
};

QTEST_MAIN(TestSatisKaydi)
#include "test_satiskaydi.moc"
