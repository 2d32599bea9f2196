// Table and query objects: walking, editing, events, lookups, searches and their errors.
#include "TestSupport.h"
#include "TurkishCollation.h"

#include <QSignalSpy>
#include <QTest>
#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::test;

namespace {

// Another program's connection to the same file.
struct OtherConnection {
    explicit OtherConnection(const QString& path)
    {
        sqlite3_open(path.toUtf8().constData(), &handle);
        registerTurkish(handle);
    }
    ~OtherConnection() { sqlite3_close(handle); }
    int exec(const char* sql) { return sqlite3_exec(handle, sql, nullptr, nullptr, nullptr); }
    // Whether a full checkpoint went through: nothing left in the log.
    bool checkpointsFully()
    {
        int logFrames = -1, done = -1;
        const int rc = sqlite3_wal_checkpoint_v2(handle, nullptr, SQLITE_CHECKPOINT_TRUNCATE, &logFrames, &done);
        return rc == SQLITE_OK && logFrames == 0;
    }
    sqlite3* handle = nullptr;
};

} // namespace

class TestDataset : public QObject {
    Q_OBJECT
private slots:
    void emptyObjectReadsEmpty()
    {
        TempShop shop;
        Dataset& t = shop.db().tableUrunler;
        QVERIFY(t.eof());
        QVERIFY(t.isEmpty());
        QCOMPARE(t.recordCount(), 0);
        QCOMPARE(t.recNo(), 0);
        QCOMPARE(t.text(u"UrunAdi"_s), QString());
        QCOMPARE(t.number(u"StoktakiBirimMiktari"_s), 0);
        QCOMPARE(t.money(u"BirimSatisFiyati"_s), Money());
        t.next();
        QVERIFY(t.eof());
    }

    void walkAppendEditDelete()
    {
        TempShop shop;
        Dataset& t = shop.db().tableSatislar;
        for (int i = 1; i <= 3; ++i) {
            t.append();
            t.setValue(u"ToplamTutar"_s, Money::fromLira(i));
            t.setValue(u"SatisTarihi"_s, QDate(2026, 12, i));
            t.post();
        }
        t.last();
        QCOMPARE(t.number(u"SatisNo"_s), 3);  // the newest sale is last
        QCOMPARE(t.date(u"SatisTarihi"_s), QDate(2026, 12, 3));
        QCOMPARE(t.text(u"SatisTarihi"_s), u"03.12.2026"_s);

        QList<qint64> walked;
        for (t.first(); !t.eof(); t.next())
            walked << t.number(u"SatisNo"_s);
        QCOMPARE(walked, (QList<qint64>{1, 2, 3}));

        t.setRecNo(2);
        t.edit();
        t.setValue(u"ToplamTutar"_s, u"7,25"_s);
        t.post();
        t.reopen();
        t.setRecNo(2);
        QCOMPARE(t.money(u"ToplamTutar"_s), lira("7,25"));

        t.remove();  // moves to the next row
        QCOMPARE(t.recordCount(), 2);
        QCOMPARE(t.number(u"SatisNo"_s), 3);
        t.remove();  // the last row: moves to the new last
        QCOMPARE(t.number(u"SatisNo"_s), 1);
        t.remove();
        QVERIFY(t.isEmpty());
        QVERIFY(t.eof());
    }

    void cancelWritesNothing()
    {
        TempShop shop;
        Dataset& t = shop.db().tableKategoriler;
        t.append();
        t.setValue(u"KategoriAdi"_s, u"Gıda"_s);
        QCOMPARE(t.recordCount(), 1);
        t.cancel();
        t.reopen();
        QCOMPARE(t.recordCount(), 0);
    }

    // A step failing between append and post leaves the object browsing, with no row added;
    // a row posted through the guard stays.
    void rowGuardCancelsUnlessPosted()
    {
        TempShop shop;
        Dataset& t = shop.db().tableSatislar;
        try {
            RowGuard row(t);
            t.append();
            t.setValue(u"ToplamTutar"_s, u"on lira"_s);
            QFAIL("an amount in words was taken");
        } catch (const DataError&) {
        }
        QCOMPARE(t.state(), Dataset::State::Browse);
        QCOMPARE(t.recordCount(), 0);
        {
            RowGuard row(t);
            t.append();
            t.setValue(u"ToplamTutar"_s, Money::fromLira(3));
            row.post();
        }
        t.reopen();
        QCOMPARE(t.recordCount(), 1);
        QCOMPARE(t.money(u"ToplamTutar"_s), Money::fromLira(3));
    }

    void eventsFireOncePerMove()
    {
        TempShop shop;
        shop.addProduct(u"A"_s, u"1"_s, Money::fromLira(1));
        shop.addProduct(u"B"_s, u"2"_s, Money::fromLira(2));
        Dataset& t = shop.db().tableUrunler;
        t.reopen();
        QSignalSpy scrolls(&t, &Dataset::afterScroll);
        t.next();
        t.next();  // past the end: no move
        t.first();
        QCOMPARE(scrolls.count(), 2);
        QVERIFY(!t.eof());
    }

    void beforePostMayChangeTheRow()
    {
        TempShop shop;
        Dataset t(shop.db().baglanti, u"GeciciSatilanUrunler"_s);
        t.open();
        connect(&t, &Dataset::beforePost, &t, [&t] {
            t.setValue(u"UrunSatisTutari"_s,
                       QVariant::fromValue(t.money(u"BirimSatisFiyati"_s).times(t.number(u"BirimAdedi"_s))));
        });
        t.append();
        t.setValue(u"BirimAdedi"_s, 3);
        t.setValue(u"BirimSatisFiyati"_s, u"2,50"_s);
        t.post();
        QCOMPARE(t.money(u"UrunSatisTutari"_s), lira("7,50"));
    }

    void refusedWritesLeaveNothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("text too long") << "UrunAdi" << QVariant(QString(51, QLatin1Char('x')))
                                       << "\"UrunAdi\" alanına en fazla 50 karakter yazılabilir";
        QTest::newRow("not a price") << "BirimSatisFiyati" << QVariant(u"on lira"_s) << "\"BirimSatisFiyati\"";
        QTest::newRow("fraction of a unit") << "StoktakiBirimMiktari" << QVariant(u"2,5"_s) << "tam sayı";
        QTest::newRow("fraction as number") << "StoktakiBirimMiktari" << QVariant(2.5) << "tam sayı";
        QTest::newRow("not a day") << "SonKullanmaTarihi" << QVariant(u"31.02.2026"_s) << "tarih";
    }
    void refusedWritesLeaveNothing()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(QString, message);
        TempShop shop;
        Dataset& t = shop.db().tableUrunler;
        t.append();
        t.setValue(u"UrunAdi"_s, u"Çay"_s);
        try {
            t.setValue(field, value);
            t.post();
            QFAIL("the write was accepted");
        } catch (const DataError& e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
        t.cancel();
        t.reopen();
        QCOMPARE(t.recordCount(), 0);
    }

    void writingOutsideEditIsAnError()
    {
        TempShop shop;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, shop.db().tableUrunler.setValue(u"UrunAdi"_s, u"x"_s));
        Dataset readOnly(shop.db().baglanti, u"Satislar"_s);
        readOnly.setReadOnly(true);
        readOnly.open();
        QVERIFY_THROWS_EXCEPTION(std::logic_error, readOnly.append());
    }

    void lookupIgnoresFilterAndKeepsPosition()
    {
        TempShop shop;
        shop.addProduct(u"Çay"_s, u"101"_s, lira("2,50"));
        const qint64 sut = shop.addProduct(u"Süt"_s, u"O'102"_s, lira("15"));
        Dataset& t = shop.db().tableUrunler;
        t.setFilter(u"[UrunNo]=1"_s);
        t.setFiltered(true);
        const auto found = t.lookup(u"SeriNumarasi"_s, u"O'102"_s, {u"UrunNo"_s, u"UrunAdi"_s, u"BirimSatisFiyati"_s});
        QVERIFY(found);
        QCOMPARE(found->value(u"UrunNo"_s).toLongLong(), sut);
        QCOMPARE(found->value(u"BirimSatisFiyati"_s).value<Money>(), Money::fromLira(15));
        QCOMPARE(t.text(u"UrunAdi"_s), u"Çay"_s);
        QVERIFY(!t.lookup(u"SeriNumarasi"_s, u"999"_s, {u"UrunNo"_s}));
    }

    void querySortsAndSearchesTheTurkishWay_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("all") << "" << QStringList{u"Cips"_s, u"çay"_s, u"Çikolata"_s, u"ılık su"_s, u"İncir"_s, u"O'Neil"_s, u"Şeker"_s, u"Şeker_2"_s};
        QTest::newRow("lower finds upper") << "ş" << QStringList{u"Şeker"_s, u"Şeker_2"_s};
        QTest::newRow("upper finds lower") << "Ç" << QStringList{u"çay"_s, u"Çikolata"_s};
        QTest::newRow("dotted i") << "i" << QStringList{u"İncir"_s};
        QTest::newRow("dotless I") << "I" << QStringList{u"ılık su"_s};
        QTest::newRow("percent is a wildcard") << "%su" << QStringList{u"ılık su"_s};
        QTest::newRow("underscore is a wildcard") << "Şeker_" << QStringList{u"Şeker_2"_s};
        QTest::newRow("quote is a character") << "O'" << QStringList{u"O'Neil"_s};
    }
    void querySortsAndSearchesTheTurkishWay()
    {
        QFETCH(QString, search);
        QFETCH(QStringList, names);
        TempShop shop;
        for (const char* n : {"Şeker_2", "Şeker", "İncir", "çay", "Cips", "ılık su", "Çikolata", "O'Neil"})
            shop.addProduct(QString::fromUtf8(n), QString(), Money());
        Dataset q(shop.db().baglanti, u"select * from Urunler where UrunAdi like :arama || '%' ORDER BY UrunAdi"_s);
        q.bindValue(u"arama"_s, search);
        q.open();
        QStringList seen;
        for (q.first(); !q.eof(); q.next())
            seen << q.text(u"UrunAdi"_s);
        QCOMPARE(seen, names);
    }

    void queryIsWritableThroughTheKey()
    {
        TempShop shop;
        shop.addProduct(u"Şeker"_s, u"1"_s, Money());
        shop.addProduct(u"Çay"_s, u"2"_s, Money());
        Dataset q(shop.db().baglanti, u"select MusteriNo, AdiSoyadi, ToplamBorc from Musteriler ORDER BY AdiSoyadi"_s);
        q.open();
        QCOMPARE(q.fields().size(), 3);
        Dataset p(shop.db().baglanti, u"select * from  Urunler ORDER BY UrunAdi"_s);
        p.open();
        QCOMPARE(p.text(u"UrunAdi"_s), u"Çay"_s);
        p.edit();
        p.setValue(u"UrunAdi"_s, u"Ayran"_s);
        p.post();
        QCOMPARE(p.valueAt(0, p.fieldIndex(u"UrunAdi"_s)).toString(), u"Ayran"_s);
        Dataset& shared = shop.db().tableUrunler;
        shared.reopen();
        QVERIFY(shared.locate(u"UrunAdi"_s, u"Ayran"_s));
        QCOMPARE(shared.number(u"UrunNo"_s), 2);
    }

    void transactionRollsBackEveryWrite()
    {
        TempShop shop;
        Veritabani& db = shop.db();
        try {
            Transaction transaction(db.baglanti);
            db.tableSatislar.append();
            db.tableSatislar.setValue(u"ToplamTutar"_s, 5);
            db.tableSatislar.post();
            db.tableSatilanUrunler.append();
            db.tableSatilanUrunler.setValue(u"UrunAdi"_s, QString(60, QLatin1Char('x')));
            db.tableSatilanUrunler.post();
            transaction.commit();
        } catch (const DataError&) {
        }
        db.tableSatilanUrunler.cancel();
        db.tableSatislar.reopen();
        db.tableSatilanUrunler.reopen();
        QCOMPARE(db.tableSatislar.recordCount(), 0);
        QCOMPARE(db.tableSatilanUrunler.recordCount(), 0);
    }

    void pagesCoverManyRows()
    {
        TempShop shop;
        Database& db = shop.db().baglanti;
        db.exec(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) "
                "INSERT INTO SatilanUrunler (SatisNo, BirimAdedi) SELECT i % 7, i FROM n"_s);
        Dataset& t = shop.db().tableSatilanUrunler;
        t.reopen();
        QCOMPARE(t.recordCount(), 5000);
        double sum = 0;
        for (t.first(); !t.eof(); t.next())
            sum += t.real(u"BirimAdedi"_s);
        QCOMPARE(sum, 5000.0 * 5001 / 2);
        t.setRecNo(4321);
        QCOMPARE(t.real(u"BirimAdedi"_s), 4321.0);
        t.setFilter(u"[SatisNo]=3"_s);
        t.setFiltered(true);
        QCOMPARE(t.recordCount(), 714);
        QCOMPARE(t.real(u"BirimAdedi"_s), 3.0);
    }

    // After every step the file is free: no statement stays stepped, another connection's
    // writes are seen at once, and it can checkpoint the log to nothing.
    void noReadOutlivesItsStep()
    {
        TempShop shop;
        shop.addProduct(u"Çay"_s, u"101"_s, Money::fromLira(2));
        Veritabani& db = shop.db();
        db.tableUrunler.reopen();
        QVERIFY(db.tableUrunler.lookup(u"SeriNumarasi"_s, u"101"_s, {u"UrunNo"_s}));
        db.sonrakiSatisNo();
        db.tableUrunler.recordCount();
        db.tableUrunler.last();
        db.tableUrunler.setFilter(u"[SeriNumarasi]='101'"_s);
        db.tableUrunler.setFiltered(true);
        db.tableUrunler.text(u"UrunAdi"_s);
        db.tableUrunler.locate(u"UrunAdi"_s, u"Çay"_s);
        db.tableUrunler.setFiltered(false);
        QCOMPARE(busyStatements(db.baglanti), QStringList());

        OtherConnection other(shop.databasePath());
        QCOMPARE(other.exec("INSERT INTO Urunler (UrunAdi, SeriNumarasi) VALUES ('Kola', '105')"), SQLITE_OK);
        QVERIFY(db.tableUrunler.lookup(u"SeriNumarasi"_s, u"105"_s, {u"UrunNo"_s}));
        QCOMPARE(db.sonrakiSatisNo(), 1);
        QCOMPARE(busyStatements(db.baglanti), QStringList());
        QVERIFY(other.checkpointsFully());
    }

    // Rows another object adds after this one fixed its rows stay out of every answer until
    // it is opened or filtered again; its own additions are in.
    void oneObjectAnswersFromOneSetOfRows()
    {
        TempShop shop;
        Dataset& seen = shop.db().tableSatislar;
        Dataset other(shop.db().baglanti, u"Satislar"_s);
        other.open();
        other.append();
        other.setValue(u"ToplamTutar"_s, Money::fromLira(5));
        other.post();

        QCOMPARE(seen.recordCount(), 0);
        seen.last();
        QVERIFY(seen.isEmpty());
        QVERIFY(seen.eof());
        seen.first();
        QVERIFY(seen.isEmpty());

        seen.append();
        seen.setValue(u"ToplamTutar"_s, Money::fromLira(7));
        seen.post();
        const qint64 own = seen.currentKey();
        seen.first();
        seen.last();
        QCOMPARE(seen.currentKey(), own);
        QCOMPARE(seen.recordCount(), 1);
        QCOMPARE(seen.recNo(), 1);

        seen.reopen();
        QCOMPARE(seen.recordCount(), 2);
        seen.last();
        QCOMPARE(seen.currentKey(), own);
    }

    // A list sorted by the first columns of an index follows the whole index, so that
    // namesakes keep one order without a sort of every row.
    void orderFollowsTheIndex()
    {
        TempShop shop;
        shop.addProduct(u"Su"_s, u"3"_s, Money::fromLira(1), Money(), 1, u"Cam"_s);
        shop.addProduct(u"Su"_s, u"1"_s, Money::fromLira(1), Money(), 1, u"Pet"_s);
        shop.addProduct(u"Su"_s, u"2"_s, Money::fromLira(1), Money(), 1, u"Bardak"_s);
        shop.addProduct(u"Çay"_s, u"4"_s, Money::fromLira(1));
        Dataset list(shop.db().baglanti, u"select * from Urunler ORDER BY UrunAdi"_s);
        list.open();
        QStringList order;
        for (list.first(); !list.eof(); list.next())
            order << list.text(u"SeriNumarasi"_s);
        QCOMPARE(order, (QStringList{u"4"_s, u"2"_s, u"3"_s, u"1"_s}));
        auto plan = shop.db().baglanti.prepare(
            u"EXPLAIN QUERY PLAN SELECT UrunNo FROM Urunler ORDER BY UrunAdi, UrunAciklamasi, UrunNo"_s);
        while (plan.step())
            QVERIFY2(!plan.column(3).toString().contains(u"TEMP B-TREE"_s), qPrintable(plan.column(3).toString()));
    }
};

QTEST_GUILESS_MAIN(TestDataset)
#include "test_dataset.moc"
