// Filter expressions: every form the windows build, run against a small shop.
#include "TestSupport.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::test;

namespace {

void fill(Database& db)
{
    db.exec(u"INSERT INTO Urunler (UrunAdi, UrunAciklamasi, SeriNumarasi, StoktakiBirimMiktari, BirimSatisFiyati) VALUES "
            "('Çay', '', '101', 5, 25000), ('O''Neil Kahve', '', '8690000000001', 11, 990000), "
            "('Süt', NULL, '102', 10, 150000), ('Ekmek', 'taze', 'ABC', -2, 50000), ('Un', '', '103', NULL, 0)"_s);
    db.exec(u"INSERT INTO Satislar (MusteriNo, SatisTarihi, ToplamTutar) VALUES "
            "(0, '2026-12-01', 10000), (3, '2026-12-05', 20000), (3, '2026-12-09', 30000), (0, '2026-11-30', 40000)"_s);
    db.exec(u"INSERT INTO SatilanUrunler (SatisNo, UrunNo, BirimAdedi) VALUES (1, 1, 1), (1, 2, 2.5), (2, 1, 1)"_s);
    db.exec(u"INSERT INTO MasrafGiderler (Tarih, Miktar, GiderAdi) VALUES ('2026-12-09', 50000, 'Kira'), ('2026-12-08', 10000, 'Su')"_s);
    db.exec(u"INSERT INTO Musteriler (AdiSoyadi, BabaAdi) VALUES ('Ayşe Yılmaz', 'Ali'), ('Ayşe Yılmaz', 'Veli'), ('Mehmet Öz', 'Can')"_s);
    db.exec(u"INSERT INTO Kategoriler (KategoriAdi, KategoriKDVorani) VALUES ('Gıda', 10000), ('Temizlik', 200000)"_s);
}

QList<qint64> visibleKeys(Dataset& t)
{
    QList<qint64> keys;
    for (t.first(); !t.eof(); t.next())
        keys << t.currentKey();
    return keys;
}

} // namespace

class TestFilter : public QObject {
    Q_OBJECT
private slots:
    void forms_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QList<qint64>>("keys");
        using K = QList<qint64>;
        QTest::newRow("product by number") << "Urunler" << "[UrunNo]='3'" << K{3};
        QTest::newRow("bare number") << "Urunler" << "[UrunNo]=3" << K{3};
        QTest::newRow("barcode quoted") << "Urunler" << "[SeriNumarasi]='101'" << K{1};
        QTest::newRow("barcode bare, any case") << "Urunler" << "[seriNumarasi]=101" << K{1};
        QTest::newRow("letters barcode") << "Urunler" << "[SERINUMARASI]='ABC'" << K{4};
        QTest::newRow("name with a quote") << "Urunler" << "([UrunAdi]='O''Neil Kahve') and ([UrunAciklamasi]='')" << K{2};
        QTest::newRow("empty description matches none stored") << "Urunler" << "([UrunAdi]='Süt') and ([UrunAciklamasi]='')" << K{3};
        QTest::newRow("low stock") << "Urunler" << "[StoktakiBirimMiktari]<=10" << K{1, 3, 4};
        QTest::newRow("no lines") << "SatilanUrunler" << "[SatisNo]=-1" << K{};
        QTest::newRow("lines of a sale") << "SatilanUrunler" << "[SatisNo]='1'" << K{1, 2};
        QTest::newRow("one day") << "Satislar" << "[SatisTarihi]='05.12.2026'" << K{2};
        QTest::newRow("from a day on") << "Satislar" << "[SatisTarihi]>='01.12.2026'" << K{1, 2, 3};
        QTest::newRow("period") << "Satislar" << "([SatisTarihi]>='01.12.2026') and ([SatisTarihi]<='09.12.2026')" << K{1, 2, 3};
        QTest::newRow("one-day period") << "Satislar" << "([SatisTarihi]>='05.12.2026') and ([SatisTarihi]<='05.12.2026')" << K{2};
        QTest::newRow("start after end") << "Satislar" << "([SatisTarihi]>='09.12.2026') and ([SatisTarihi]<='01.12.2026')" << K{};
        QTest::newRow("period of a customer") << "Satislar"
            << "([SatisTarihi]>='01.12.2026') and ([SatisTarihi]<='09.12.2026') and ([MusteriNo]=3)" << K{2, 3};
        QTest::newRow("expenses of a day") << "MasrafGiderler" << "[Tarih]='09.12.2026'" << K{1};
        QTest::newRow("expenses since") << "MasrafGiderler" << "[Tarih]>='08.12.2026'" << K{1, 2};
        QTest::newRow("customer sales") << "Satislar" << "[MusteriNo]='3'" << K{2, 3};
        QTest::newRow("customer by name") << "Musteriler" << "[AdiSoyadi]='Ayşe Yılmaz'" << K{1, 2};
        QTest::newRow("group by name") << "Kategoriler" << "[KategoriAdi]='Gıda'" << K{1};
        QTest::newRow("case matters in values") << "Kategoriler" << "[KategoriAdi]='gıda'" << K{};
        QTest::newRow("empty filter") << "Kategoriler" << "" << K{1, 2};
        QTest::newRow("nested brackets") << "Urunler" << "(([UrunNo]>=2) and ([UrunNo]<=3))" << K{2, 3};
    }
    void forms()
    {
        QFETCH(QString, table);
        QFETCH(QString, filter);
        QFETCH(QList<qint64>, keys);
        TempShop shop;
        fill(shop.db().baglanti);
        Dataset t(shop.db().baglanti, table);
        t.open();
        t.setFilter(filter);
        t.setFiltered(true);
        QCOMPARE(visibleKeys(t), keys);
        QCOMPARE(t.recordCount(), keys.size());
        t.setFiltered(false);
        QVERIFY(t.recordCount() >= keys.size());
    }

    void refused_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::newRow("unknown field") << "[Yok]=1";
        QTest::newRow("unclosed quote") << "[UrunAdi]='abc";
        QTest::newRow("no operator") << "[UrunAdi] 'x'";
        QTest::newRow("no brackets") << "UrunAdi='x'";
        QTest::newRow("text for a number") << "[StoktakiBirimMiktari]<='abc'";
        QTest::newRow("fraction for a whole number") << "[StoktakiBirimMiktari]<='2,5'";
        QTest::newRow("impossible day") << "[SonKullanmaTarihi]='32.12.2026'";
        QTest::newRow("missing bracket") << "([UrunNo]=1";
        QTest::newRow("or is not allowed") << "[UrunNo]=1 or [UrunNo]=2";
        QTest::newRow("statement after") << "[UrunAdi]='x'; DROP TABLE Urunler";
        QTest::newRow("empty value for a number") << "[UrunNo]=''";
        QTest::newRow("brackets nested past the stack") << QString(50000, QLatin1Char('(')) + u"[UrunNo]=1"_s + QString(50000, QLatin1Char(')'));
    }
    void refused()
    {
        QFETCH(QString, filter);
        TempShop shop;
        fill(shop.db().baglanti);
        Dataset t(shop.db().baglanti, u"Urunler"_s);
        t.open();
        t.setFilter(filter);
        QVERIFY_THROWS_EXCEPTION(DataError, t.setFiltered(true));
        QVERIFY(!t.filtered());
        QCOMPARE(t.recordCount(), 5);
        QVERIFY(shop.db().baglanti.hasTable(u"Urunler"_s));
    }

    void literalsKeepQuotes()
    {
        TempShop shop;
        fill(shop.db().baglanti);
        Dataset& t = shop.db().tableUrunler;
        t.reopen();
        QCOMPARE(filterLiteral(u"O'Neil Kahve"_s), u"'O''Neil Kahve'"_s);
        t.setFilter(u"[UrunAdi]="_s + filterLiteral(u"O'Neil Kahve"_s));
        t.setFiltered(true);
        QCOMPARE(t.number(u"UrunNo"_s), 2);
    }

    void changingTextOfAnActiveFilterRefilters()
    {
        TempShop shop;
        fill(shop.db().baglanti);
        Dataset& t = shop.db().tableSatilanUrunler;
        t.reopen();
        t.setFilter(u"[SatisNo]=1"_s);
        t.setFiltered(true);
        QCOMPARE(t.recordCount(), 2);
        t.setFilter(u"[SatisNo]=2"_s);
        QCOMPARE(t.recordCount(), 1);
        QCOMPARE(t.number(u"SatisNo"_s), 2);
    }
};

QTEST_GUILESS_MAIN(TestFilter)
#include "test_filter.moc"
