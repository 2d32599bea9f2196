// The shop file: the schema every window relies on, and files that must not be opened.
#include "Schema.h"
#include "TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::test;

namespace {

// The file with its write-ahead log, if any.
QByteArray fileHash(const QString& path)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& name : {path, path + u"-wal"_s}) {
        QFile f(name);
        if (f.open(QIODevice::ReadOnly))
            hash.addData(f.readAll());
    }
    return hash.result();
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
            {u"key"_s, FieldType::Key}, {u"int"_s, FieldType::Integer}, {u"text"_s, FieldType::Text},
            {u"memo"_s, FieldType::Memo}, {u"money"_s, FieldType::Money}, {u"whole"_s, FieldType::Whole},
            {u"double"_s, FieldType::Double}, {u"bool"_s, FieldType::Boolean}, {u"date"_s, FieldType::Date}};
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
        shop.addProduct(u"Çay"_s, u"101"_s, lira("2,5"));
        Veritabani again(path);
        QCOMPARE(again.tableUrunler.text(u"UrunAdi"_s), u"Çay"_s);
        auto st = again.baglanti.prepare(u"PRAGMA user_version"_s);
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
        const QString path = dir.filePath(u"veritabani.mdb"_s);
        writeFile(path, content);
        const QByteArray before = fileHash(path);
        try {
            Veritabani db(path);
            QFAIL("the file was opened");
        } catch (const DataError& e) {
            QVERIFY2(e.message().contains(path), qPrintable(e.message()));
            QVERIFY2(e.message().contains(reason), qPrintable(e.message()));
            // Said in Turkish; SQLite's own words come after, on a line of their own.
            QVERIFY2(!e.message().section(u'\n', 0, 1).contains(u"malformed"_s), qPrintable(e.message()));
        }
        QCOMPARE(fileHash(path), before);
    }

    // Another program's file, or one from a newer version, is refused before anything changes
    // it: its journal mode stays, and no log files are left beside it.
    void otherProgramsAndNewerVersionsAreRefused_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("reason");
        QTest::newRow("other program") << "CREATE TABLE Kitaplar (No INTEGER PRIMARY KEY, Ad TEXT)" << "başka bir programın";
        QTest::newRow("newer version") << u"PRAGMA user_version = %1"_s.arg(currentSchemaVersion + 1) << "daha yeni";
    }
    void otherProgramsAndNewerVersionsAreRefused()
    {
        QFETCH(QString, sql);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"veritabani.mdb"_s);
        Database(path).exec(sql);
        const QByteArray before = fileHash(path);
        try {
            Veritabani db(path);
            QFAIL("the file was opened");
        } catch (const DataError& e) {
            QVERIFY2(e.message().contains(reason), qPrintable(e.message()));
        }
        QCOMPARE(fileHash(path), before);
        QVERIFY(!QFile::exists(path + u"-wal"_s));
        QVERIFY(!QFile::exists(path + u"-shm"_s));
        QVERIFY(!Database(path).hasTable(u"Urunler"_s));
    }

    // A shop file that lacks what the program reads is refused with what is missing, and
    // the program goes no further; the basket alone is made again.
    void missingTablesAndColumns_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("missing");
        QTest::newRow("settings table") << "DROP TABLE ayarlar" << "ayarlar";
        QTest::newRow("sale price") << "ALTER TABLE Urunler DROP COLUMN BirimSatisFiyati" << "Urunler.BirimSatisFiyati";
        QTest::newRow("basket") << "DROP TABLE GeciciSatilanUrunler" << "";
    }
    void missingTablesAndColumns()
    {
        QFETCH(QString, sql);
        QFETCH(QString, missing);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"veritabani.mdb"_s);
        Veritabani(path).baglanti.exec(sql);
        const QByteArray before = fileHash(path);
        try {
            Veritabani db(path);
            QVERIFY2(missing.isEmpty(), "the file was opened");
            QVERIFY(db.baglanti.hasTable(u"GeciciSatilanUrunler"_s));
        } catch (const DataError& e) {
            QVERIFY2(!missing.isEmpty() && e.message().contains(missing), qPrintable(e.message()));
            QCOMPARE(fileHash(path), before);
        }
    }

    // Damage beyond the pages read at start is found during work: it is reported as damage,
    // and nothing more is written in that run.
    void damageFoundDuringWorkStopsWriting()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"veritabani.mdb"_s);
        qint64 indexPage = 0;
        {
            Veritabani db(path);
            db.baglanti.exec(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                             "INSERT INTO MasrafGiderler (Tarih, Miktar, GiderAdi) "
                             "SELECT date('2020-01-01', '+' || i || ' days'), i, 'Kira' FROM n"_s);
            auto st = db.baglanti.prepare(u"SELECT rootpage FROM sqlite_master WHERE name = 'MasrafGiderlerTarih'"_s);
            st.step();
            indexPage = st.columnInt(0);
        }
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek((indexPage - 1) * 4096);
            file.write(QByteArray(4096, '\x5a'));
        }
        Veritabani db(path);
        const QByteArray before = fileHash(path);
        Dataset& giderler = db.tableMasraflarGiderler;
        giderler.setFilter(u"[Tarih]>='01.01.2021'"_s);
        try {
            giderler.setFiltered(true);
            giderler.recordCount();
            QFAIL("the damage went unnoticed");
        } catch (const DataError& e) {
            QCOMPARE(e.kind(), DataError::Kind::Damaged);
            QVERIFY2(e.message().contains(u"bozuk"_s), qPrintable(e.message()));
        }
        QVERIFY(db.baglanti.isDamaged());
        try {
            Dataset& urunler = db.tableUrunler;
            urunler.append();
            urunler.setValue(u"UrunAdi"_s, u"Çay"_s);
            urunler.post();
            QFAIL("a write went through");
        } catch (const DataError& e) {
            QCOMPARE(e.kind(), DataError::Kind::Damaged);
        }
        QVERIFY_THROWS_EXCEPTION(DataError, Transaction transaction(db.baglanti));
        QCOMPARE(fileHash(path), before);
    }

    // Opening the shop and asking for the next sale number leave no read open: a sale another
    // program writes meanwhile is seen at once.
    void readsHoldNothingOpen()
    {
        TempShop shop;
        QCOMPARE(busyStatements(shop.db().baglanti).join(u" | "_s), QString());
        QCOMPARE(shop.db().sonrakiSatisNo(), 1);
        QCOMPARE(busyStatements(shop.db().baglanti).join(u" | "_s), QString());
        Database other(shop.databasePath());
        other.exec(u"INSERT INTO Satislar (MusteriNo) VALUES (0)"_s);
        QCOMPARE(shop.count(u"Satislar"_s), 1);
        QCOMPARE(shop.db().sonrakiSatisNo(), 2);
    }

    void unwritableFolderIsRefused()
    {
        if (geteuid() == 0)
            QSKIP("root writes everywhere");
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        try {
            Veritabani db(dir.filePath(u"veritabani.mdb"_s));
            QFAIL("the file was created");
        } catch (const DataError& e) {
            QVERIFY(e.message().contains(u"yazma izni"_s));
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestVeritabani)
#include "test_veritabani.moc"
