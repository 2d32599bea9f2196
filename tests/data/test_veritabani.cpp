// The shop file: the schema every window relies on, and files that must not be opened.
#include "Schema.h"
#include "TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>
#include <unistd.h>

using namespace dukkano;
using namespace dukkano::test;

namespace {

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestVeritabani : public QObject {
    Q_OBJECT
private slots:
    void everyFieldExistsWithItsType_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("fields");  // name:type[:width] ...
        QTest::newRow("Urunler") << "Urunler"
            << "UrunNo:key UrunAdi:text:50 UrunAciklamasi:text:255 KategoriNo:int UreticiNo:int SeriNumarasi:text:50 "
               "SonKullanmaTarihi:date StoktakiBirimMiktari:whole BirimAlisFiyati:money BarkodFiyat2:money "
               "BirimSatisFiyati:money GrupAdi:text:255";
        QTest::newRow("Kategoriler") << "Kategoriler" << "KategoriNo:key KategoriAdi:text:50 KategoriKDVorani:money";
        QTest::newRow("Ureticiler") << "Ureticiler"
            << "UreticiNo:key UreticiAdi:text:50 KisiAdi:text:50 KisiUnvani:text:50 Adres:text:255 Sehir:text:50 "
               "PostaKodu:text:20 Ulke:text:50 TelefonNumarasi:text:30 FaksNumarasi:text:30 InternetAdresi:text:50 "
               "EpostaAdresi:text:50 Notlar:memo";
        QTest::newRow("Musteriler") << "Musteriler"
            << "MusteriNo:key AdiSoyadi:text:50 BabaAdi:text:50 SirketAdi:text:50 FaturaAdresi:text:255 "
               "TelefonNumarasi:text:30 FaksNumarasi:text:30 ToplamBorc:money";
        QTest::newRow("Satislar") << "Satislar"
            << "SatisNo:key MusteriNo:int SatisTarihi:date ToplamTutar:money MusteriAdi:text:255 Kazanc:money "
               "Birim:int AlisFiyati:money SatisFiyati:money Nakit:bool SatisSaati:text:255";
        QTest::newRow("SatilanUrunler") << "SatilanUrunler"
            << "UrunSatisNo:key SatisNo:int UrunNo:int UrunAdi:text:50 UrunSatisTutari:money BirimAdedi:double "
               "Kazanc:money BirimAlisFiyati:money BirimSatisFiyati:money SatisTarihi:date MusteriNo:int "
               "MusteriAdi:text:255 Nakit:bool barkod:text:255";
        QTest::newRow("GeciciSatilanUrunler") << "GeciciSatilanUrunler"
            << "UrunSatisNo:key SatisNo:int UrunNo:int UrunAdi:text:50 UrunAciklamasi:text:255 BirimAdedi:whole "
               "BirimSatisFiyati:money UrunSatisTutari:money Kazanc:money MusteriAdi:text:255 AlisFiyati:money "
               "MasaAdi:text:255";
        QTest::newRow("Odemeler") << "Odemeler" << "OdemeNo:key MusteriNo:int OdemeMiktari:money OdemeTarihi:date";
        QTest::newRow("MasrafGiderler") << "MasrafGiderler"
            << "Kimlik:key Tarih:date Miktar:money GiderOdendi:bool GiderAciklamasi:text:255 GiderAdi:text:255";
        QTest::newRow("ayarlar") << "ayarlar" << "AyarNo:key";
    }
    void everyFieldExistsWithItsType()
    {
        QFETCH(QString, table);
        QFETCH(QString, fields);
        static const QHash<QString, FieldType> types{
            {u"key"_qs, FieldType::Key}, {u"int"_qs, FieldType::Integer}, {u"text"_qs, FieldType::Text},
            {u"memo"_qs, FieldType::Memo}, {u"money"_qs, FieldType::Money}, {u"whole"_qs, FieldType::Whole},
            {u"double"_qs, FieldType::Double}, {u"bool"_qs, FieldType::Boolean}, {u"date"_qs, FieldType::Date}};
        TempShop shop;
        const TableInfo& info = shop.db().baglanti.table(table);
        QCOMPARE(info.name, table);
        for (const QString& column : fields.split(QLatin1Char(' '))) {
            const QStringList parts = column.split(QLatin1Char(':'));
            const int i = info.indexOf(parts[0]);
            QVERIFY2(i >= 0, qPrintable(parts[0]));
            QCOMPARE(info.fields[i].name, parts[0]);
            QVERIFY2(info.fields[i].type == types.value(parts[1]), qPrintable(column));
            if (parts.size() == 3)
                QCOMPARE(info.fields[i].width, parts[2].toInt());
        }
    }

    void createdFileReopensWithItsData()
    {
        TempShop shop;
        const QString path = shop.databasePath();
        shop.addProduct(u"Çay"_qs, u"101"_qs, lira("2,5"));
        Veritabani again(path);
        QCOMPARE(again.tableUrunler.text(u"UrunAdi"_qs), u"Çay"_qs);
        Statement& st = again.baglanti.prepare(u"PRAGMA user_version"_qs);
        st.step();
        QCOMPARE(st.columnInt(0), qint64(currentSchemaVersion));
        QCOMPARE(again.sonrakiSatisNo(), 1);
    }

    void refusedFilesStayUnchanged_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QByteArray access(4096, '\0');
        access.replace(4, 15, "Standard Jet DB");
        QTest::newRow("Access file") << access << "Access";
        QTest::newRow("text file") << QByteArray("UrunNo;UrunAdi\n1;Çay\n") << "SQLite";
        QByteArray damaged("SQLite format 3");
        damaged.append('\0');
        damaged.append(QByteArray(5000, '\x5a'));
        QTest::newRow("damaged SQLite") << damaged << "bozuk";
    }
    void refusedFilesStayUnchanged()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"veritabani.mdb"_qs);
        writeFile(path, content);
        const QByteArray before = fileHash(path);
        try {
            Veritabani db(path);
            QFAIL("the file was opened");
        } catch (const DataError& e) {
            QVERIFY2(e.message().contains(path), qPrintable(e.message()));
            QVERIFY2(e.message().contains(reason), qPrintable(e.message()));
        }
        QCOMPARE(fileHash(path), before);
    }

    void otherProgramsAndNewerVersionsAreRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"veritabani.mdb"_qs);
        {
            Database other(path);
            other.exec(u"CREATE TABLE Kitaplar (No INTEGER PRIMARY KEY, Ad TEXT)"_qs);
        }
        QVERIFY_THROWS_EXCEPTION(DataError, Veritabani db(path));
        QVERIFY(!Database(path).hasTable(u"Urunler"_qs));

        const QString newer = dir.filePath(u"yeni.mdb"_qs);
        {
            Database db(newer);
            db.exec(u"PRAGMA user_version = %1"_qs.arg(currentSchemaVersion + 1));
        }
        QVERIFY_THROWS_EXCEPTION(DataError, Veritabani db(newer));
    }

    // Opening the shop and asking for the next sale number leave no read open: a sale another
    // program writes meanwhile is seen at once.
    void readsHoldNothingOpen()
    {
        TempShop shop;
        QCOMPARE(busyStatements(shop.db().baglanti).join(u" | "_qs), QString());
        QCOMPARE(shop.db().sonrakiSatisNo(), 1);
        QCOMPARE(busyStatements(shop.db().baglanti).join(u" | "_qs), QString());
        Database other(shop.databasePath());
        other.exec(u"INSERT INTO Satislar (MusteriNo) VALUES (0)"_qs);
        QCOMPARE(shop.count(u"Satislar"_qs), 1);
        QCOMPARE(shop.db().sonrakiSatisNo(), 2);
    }

    void unwritableFolderIsRefused()
    {
        if (geteuid() == 0)
            QSKIP("root writes everywhere");
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        try {
            Veritabani db(dir.filePath(u"veritabani.mdb"_qs));
            QFAIL("the file was created");
        } catch (const DataError& e) {
            QVERIFY(e.message().contains(u"yazma izni"_qs));
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestVeritabani)
#include "test_veritabani.moc"
