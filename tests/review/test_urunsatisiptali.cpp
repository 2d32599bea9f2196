// Taking sales back: line returns and whole cancellations, for cash and on account, what each
// gives back, and that a failure or a "No" changes nothing.
#include "Clock.h"
#include "DataGrid.h"
#include "ProgramState.h"
#include "SatisKaydi.h"
#include "Screen.h"
#include "TestSupport.h"
#include "UrunSatisIptali.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace dukkano;
using namespace dukkano::test;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Line {
    qint64 urunNo;
    qint64 quantity;
    const char* price;
};

const QString lineQuestion = u"Seçili Stoğu Iade Almak İstediğinizden Emin misiniz ? "_s;
const QString saleQuestion = u"Seçili Satışı İptal Etmek İstediğinizden Emin misiniz ? "_s;

QString owed(const QString& question, const QString& amount)
{
    return question + u"Bu İşlem Karşılığında Müşteriye "_s + amount + u" TL Ödemeniz Gerekiyor."_s;
}

// A shop with two products (stock 20 each) and a customer owing 20, sales stored by the sale's
// own writing step, and the window over them; the window goes before the shop.
struct Fixture {
    TempShop shop;
    ScriptedDialogs dialogs;
    QPointer<TformUrunSatisIptali> form;
    qint64 cay = 0, sut = 0, ayse = 0;

    Fixture()
    {
        cay = shop.addProduct(u"Çay"_s, u"101"_s, lira("3"));
        sut = shop.addProduct(u"Süt"_s, u"102"_s, lira("4,5"));
        ayse = shop.addCustomer(u"Ayşe Yılmaz"_s, u"Ali"_s);
        shop.db().baglanti.exec(u"UPDATE Musteriler SET ToplamBorc = 200000"_s);
    }
    ~Fixture()
    {
        delete form.data();
        acikFormVar = false;
    }
    Fixture(const Fixture&) = delete;
    Fixture& operator=(const Fixture&) = delete;

    Veritabani& db() { return shop.db(); }

    qint64 sell(qint64 musteriNo, const QList<Line>& lines, const char* discount = nullptr)
    {
        Dataset basket(db().baglanti, u"GeciciSatilanUrunler"_s);
        basket.open();
        Money sum;
        for (const Line& l : lines) {
            basket.append();
            basket.setValue(u"UrunNo"_s, l.urunNo);
            basket.setValue(u"UrunAdi"_s, shop.scalar(u"SELECT UrunAdi FROM Urunler WHERE UrunNo = ?"_s, {l.urunNo}));
            basket.setValue(u"BirimAdedi"_s, l.quantity);
            basket.setValue(u"BirimSatisFiyati"_s, lira(l.price));
            basket.setValue(u"UrunSatisTutari"_s, lira(l.price).times(l.quantity));
            basket.post();
            sum += lira(l.price).times(l.quantity);
        }
        const auto indirim = discount ? std::optional<Money>(lira(discount)) : std::nullopt;
        const qint64 satisNo = satisiKaydet(db(), basket, {sum, indirim, musteriNo});
        db().baglanti.exec(u"DELETE FROM GeciciSatilanUrunler"_s);
        return satisNo;
    }

    void open()
    {
        form = new TformUrunSatisIptali(db());
        form->resize(1150, 640);
        form->show();
    }

    // The customer's entry is chosen as from the list: by the key it carries.
    void choose(qint64 musteriNo)
    {
        form->comboMusteriAdi->setCurrentIndex(form->comboMusteriAdi->findData(musteriNo));
    }

    // Selects the line of the current sale that sells the product.
    void selectLine(qint64 urunNo) { QVERIFY(form->tableSatilanUrunler.locate(u"UrunNo"_s, urunNo)); }

    void returnLine(bool yes = true)
    {
        dialogs.answerQuestion(yes);
        form->stokIadeButton->click();
    }
    void cancelSale(bool yes = true)
    {
        dialogs.answerQuestion(yes);
        form->fisIadeButton->click();
    }

    qint64 stock(qint64 urunNo)
    {
        return shop.scalar(u"SELECT StoktakiBirimMiktari FROM Urunler WHERE UrunNo = ?"_s, {urunNo}).toLongLong();
    }
    QString debt(qint64 musteriNo)
    {
        return Money::fromUnits(shop.scalar(u"SELECT ToplamBorc FROM Musteriler WHERE MusteriNo = ?"_s, {musteriNo})
                                    .toLongLong())
            .toEditText();
    }
    // The sale's stored total, or "gone" when its row was deleted.
    QString total(qint64 satisNo)
    {
        const QVariant t = shop.scalar(u"SELECT ToplamTutar FROM Satislar WHERE SatisNo = ?"_s, {satisNo});
        return t.isNull() ? u"gone"_s : Money::fromUnits(t.toLongLong()).toEditText();
    }
    qint64 lines(qint64 satisNo)
    {
        return shop.scalar(u"SELECT count(*) FROM SatilanUrunler WHERE SatisNo = ?"_s, {satisNo}).toLongLong();
    }
    // Everything a return can touch, to compare before and after.
    QStringList state()
    {
        return shop.firstColumn(u"SELECT UrunNo || ':' || StoktakiBirimMiktari FROM Urunler "
                                "UNION ALL SELECT 'S' || SatisNo || ':' || ToplamTutar FROM Satislar "
                                "UNION ALL SELECT 'L' || UrunSatisNo FROM SatilanUrunler "
                                "UNION ALL SELECT 'M' || MusteriNo || ':' || ToplamBorc FROM Musteriler"_s);
    }
};

} // namespace

class TestUrunSatisIptali : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::set(QDateTime(QDate(2026, 12, 9), QTime(10, 30))); }
    void cleanup()
    {
        Clock::set(QDateTime());
        Screen::setWidth(0);
    }

    // Opens on the cash sales with the newest selected and its lines shown.
    void opensOnTheNewestCashSale()
    {
        Fixture f;
        f.sell(0, {{f.cay, 1, "3"}});
        f.sell(f.ayse, {{f.sut, 1, "4,5"}});
        const qint64 newest = f.sell(0, {{f.cay, 2, "3"}, {f.sut, 1, "4,5"}});
        f.open();
        QCOMPARE(f.form->comboMusteriAdi->currentText(), QString());
        QCOMPARE(f.form->tableSatislar.recordCount(), 2);
        QCOMPARE(f.form->tableSatislar.number(u"SatisNo"_s), newest);
        QCOMPARE(f.form->fislerGrid->currentIndex().row(), 1);
        QCOMPARE(f.form->tableSatilanUrunler.recordCount(), 2);
        QCOMPARE(f.form->fisDetayGrid->model()->index(0, 3).data().toString(), u"6,00 TL"_s);
    }

    void lineReturn_data()
    {
        QTest::addColumn<bool>("onAccount");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("debt");
        QTest::newRow("cash: no amount named, no debt") << false << lineQuestion << "20";
        QTest::newRow("on account: the line amount") << true << owed(lineQuestion, u"6"_s) << "24,5";
    }
    void lineReturn()
    {
        QFETCH(bool, onAccount);
        Fixture f;
        const qint64 satisNo = f.sell(onAccount ? f.ayse : 0, {{f.cay, 2, "3"}, {f.sut, 1, "4,5"}});
        f.open();
        if (onAccount)
            f.choose(f.ayse);
        f.selectLine(f.cay);

        f.returnLine();

        QTEST(f.dialogs.shown.join(u'|'), "question");
        QCOMPARE(f.dialogs.captions, QStringList{u"Satış İptali"_s});
        QCOMPARE(f.stock(f.cay), 20);
        QCOMPARE(f.stock(f.sut), 19);
        QCOMPARE(f.total(satisNo), u"4,5"_s);
        QCOMPARE(f.lines(satisNo), 1);
        QTEST(f.debt(f.ayse), "debt");
        QCOMPARE(f.form->tableSatislar.money(u"ToplamTutar"_s), lira("4,5"));
        QCOMPARE(f.form->tableSatilanUrunler.recordCount(), 1);
    }

    // Line by line: totals after each return ("gone" once the row is deleted), and the debt
    // back where it was before the sale.
    void returningEveryLine_data()
    {
        QTest::addColumn<QString>("discount");
        QTest::addColumn<QStringList>("totals");
        QTest::newRow("no discount: the last line takes the sale") << "" << QStringList{"10", "gone"};
        QTest::newRow("10 + 10 with 10 off: no line without its sale") << "10" << QStringList{"0", "-10"};
    }
    void returningEveryLine()
    {
        QFETCH(QString, discount);
        QFETCH(QStringList, totals);
        Fixture f;
        const qint64 older = f.sell(f.ayse, {{f.cay, 1, "7"}});
        const QByteArray off = discount.toUtf8();
        const qint64 satisNo = f.sell(f.ayse, {{f.cay, 1, "10"}, {f.sut, 1, "10"}}, discount.isEmpty() ? nullptr : off.constData());
        f.open();
        f.choose(f.ayse);
        QCOMPARE(f.form->tableSatislar.number(u"SatisNo"_s), satisNo);

        f.selectLine(f.cay);
        f.returnLine();
        QCOMPARE(f.total(satisNo), totals[0]);
        QCOMPARE(f.lines(satisNo), 1);
        f.returnLine();
        QCOMPARE(f.total(satisNo), totals[1]);
        QCOMPARE(f.lines(satisNo), 0);

        QCOMPARE(f.debt(f.ayse), u"27"_s);  // 20 before, 7 for the older sale
        QCOMPARE(f.stock(f.cay), 19);
        QCOMPARE(f.stock(f.sut), 20);
        // The lines follow the sale that is current now.
        const qint64 current = f.form->tableSatislar.number(u"SatisNo"_s);
        QCOMPARE(current, totals[1] == u"gone"_s ? older : satisNo);
        QCOMPARE(f.form->tableSatilanUrunler.recordCount(), int(f.lines(current)));
    }

    void cancellationOnAccount_data()
    {
        QTest::addColumn<QString>("discount");
        QTest::addColumn<int>("linesReturnedFirst");
        QTest::addColumn<QString>("named");
        QTest::newRow("the whole sale, discounted") << "1,5" << 0 << "10,5";
        QTest::newRow("after a line return") << "1,5" << 1 << "4,5";
        QTest::newRow("a row left with no lines gives nothing back") << "1,5" << 2 << "0";
    }
    void cancellationOnAccount()
    {
        QFETCH(QString, discount);
        QFETCH(int, linesReturnedFirst);
        QFETCH(QString, named);
        Fixture f;
        const QByteArray off = discount.toUtf8();
        const qint64 satisNo = f.sell(f.ayse, {{f.cay, 2, "3"}, {f.sut, 1, "4,5"}}, off.constData());
        QCOMPARE(f.debt(f.ayse), u"30,5"_s);  // raised by the total before the discount
        f.open();
        f.choose(f.ayse);
        for (int i = 0; i < linesReturnedFirst; ++i)
            f.returnLine();
        f.dialogs.clear();

        f.cancelSale();

        QCOMPARE(f.dialogs.shown, QStringList{owed(saleQuestion, named)});
        QCOMPARE(f.debt(f.ayse), u"20"_s);
        QCOMPARE(f.total(satisNo), u"gone"_s);
        QCOMPARE(f.lines(satisNo), 0);
        QCOMPARE(f.stock(f.cay), 20);
        QCOMPARE(f.stock(f.sut), 20);
        QVERIFY(f.form->tableSatislar.isEmpty());
        QCOMPARE(f.form->tableSatilanUrunler.recordCount(), 0);
    }

    void answeringNoChangesNothing_data()
    {
        QTest::addColumn<bool>("wholeSale");
        QTest::newRow("line") << false;
        QTest::newRow("whole sale") << true;
    }
    void answeringNoChangesNothing()
    {
        QFETCH(bool, wholeSale);
        Fixture f;
        f.sell(f.ayse, {{f.cay, 2, "3"}, {f.sut, 1, "4,5"}}, "1,5");
        f.open();
        f.choose(f.ayse);
        const QStringList before = f.state();

        wholeSale ? f.cancelSale(false) : f.returnLine(false);

        QCOMPARE(f.dialogs.shown.size(), 1);
        QCOMPARE(f.state(), before);
        QCOMPARE(f.form->tableSatilanUrunler.recordCount(), 2);
    }

    void aFailureChangesNothing_data()
    {
        QTest::addColumn<bool>("wholeSale");
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancellation failing at the second line's stock")
            << true << u"BEFORE UPDATE ON Urunler WHEN NEW.UrunNo = 2"_s << u"Satış iptal edilemedi; hiçbir şey değişmedi."_s;
        QTest::newRow("line return failing at the sale, after the stock")
            << false << u"BEFORE UPDATE ON Satislar"_s << u"İade alınamadı; hiçbir şey değişmedi."_s;
    }
    void aFailureChangesNothing()
    {
        QFETCH(bool, wholeSale);
        QFETCH(QString, trigger);
        QFETCH(QString, message);
        Fixture f;
        f.sell(f.ayse, {{f.cay, 1, "3"}});
        const qint64 satisNo = f.sell(f.ayse, {{f.cay, 2, "3"}, {f.sut, 1, "4,5"}});
        f.open();
        f.choose(f.ayse);
        f.db().baglanti.exec(u"CREATE TRIGGER bozuk "_s + trigger + u" BEGIN SELECT RAISE(ABORT, 'disk dolu'); END"_s);
        const QStringList before = f.state();

        wholeSale ? f.cancelSale() : f.returnLine();

        QCOMPARE(f.dialogs.shown.size(), 2);
        QVERIFY2(f.dialogs.last().startsWith(message) && f.dialogs.last().contains(u"disk dolu"_s),
                 qPrintable(f.dialogs.last()));
        QCOMPARE(f.state(), before);
        // The window shows what is stored, still on the same sale.
        QCOMPARE(f.form->tableSatislar.number(u"SatisNo"_s), satisNo);
        QCOMPARE(f.form->tableSatislar.money(u"ToplamTutar"_s), lira("10,5"));
        QCOMPARE(f.form->tableSatislar.recordCount(), 2);
        QCOMPARE(f.form->tableSatilanUrunler.recordCount(), 2);

        f.db().baglanti.exec(u"DROP TRIGGER bozuk"_s);
        f.cancelSale();
        QCOMPARE(f.total(satisNo), u"gone"_s);
        QCOMPARE(f.debt(f.ayse), u"23"_s);
    }

    // Each customer is chosen by the key of the entry; a typed text that is no entry is nobody.
    void customerChosenByEntry()
    {
        Fixture f;
        const qint64 hasan = f.shop.addCustomer(u"Ali Veli"_s, u"Hasan"_s);
        const qint64 huseyin = f.shop.addCustomer(u"Ali Veli"_s, u"Hüseyin"_s);
        f.sell(hasan, {{f.cay, 1, "3"}});
        const qint64 hers = f.sell(huseyin, {{f.sut, 1, "4,5"}});
        f.sell(0, {{f.cay, 1, "3"}});
        f.open();
        QStringList entries;
        for (int i = 0; i < f.form->comboMusteriAdi->count(); ++i)
            entries << f.form->comboMusteriAdi->itemText(i);
        QCOMPARE(entries, (QStringList{QString(), u"Ali Veli (Hasan)"_s, u"Ali Veli (Hüseyin)"_s, u"Ayşe Yılmaz (Ali)"_s}));

        f.form->comboMusteriAdi->setEditText(u"Ali Veli"_s);
        QVERIFY(f.form->tableSatislar.isEmpty());
        QCOMPARE(f.form->tableSatilanUrunler.recordCount(), 0);
        f.form->stokIadeButton->click();
        f.form->fisIadeButton->click();
        QCOMPARE(f.dialogs.shown, QStringList{});

        f.form->comboMusteriAdi->setEditText(u"Ali Veli (Hüseyin)"_s);
        QCOMPARE(f.form->tableSatislar.recordCount(), 1);
        QCOMPARE(f.form->tableSatislar.number(u"SatisNo"_s), hers);
        f.cancelSale();
        QCOMPARE(f.dialogs.last(), owed(saleQuestion, u"4,5"_s));
        QCOMPARE(f.debt(hasan), u"3"_s);
        QCOMPARE(f.debt(huseyin), u"0"_s);
    }

    // The product is gone: its line still comes back, but no stock is written anywhere.
    void lineOfADeletedProduct_data()
    {
        QTest::addColumn<bool>("wholeSale");
        QTest::addColumn<qint64>("otherStock");
        QTest::addColumn<QString>("total");
        QTest::newRow("line") << false << qint64(19) << "4,5";
        QTest::newRow("whole sale") << true << qint64(20) << "gone";
    }
    void lineOfADeletedProduct()
    {
        QFETCH(bool, wholeSale);
        Fixture f;
        const qint64 satisNo = f.sell(0, {{f.cay, 2, "3"}, {f.sut, 1, "4,5"}});
        f.db().baglanti.exec(u"DELETE FROM Urunler WHERE UrunNo = 1"_s);
        f.open();
        f.selectLine(f.cay);

        wholeSale ? f.cancelSale() : f.returnLine();

        QCOMPARE(f.shop.firstColumn(u"SELECT UrunNo FROM Urunler"_s), QStringList{u"2"_s});
        QTEST(f.stock(f.sut), "otherStock");
        QTEST(f.total(satisNo), "total");
    }

    void fractionalQuantityIsRefused_data()
    {
        QTest::addColumn<bool>("wholeSale");
        QTest::newRow("line") << false;
        QTest::newRow("whole sale") << true;
    }
    void fractionalQuantityIsRefused()
    {
        QFETCH(bool, wholeSale);
        Fixture f;
        f.sell(f.ayse, {{f.cay, 2, "3"}, {f.sut, 1, "4,5"}});
        f.db().baglanti.exec(u"UPDATE SatilanUrunler SET BirimAdedi = 0.75 WHERE UrunNo = 2"_s);
        f.open();
        f.choose(f.ayse);
        f.selectLine(f.sut);
        const QStringList before = f.state();

        (wholeSale ? f.form->fisIadeButton : f.form->stokIadeButton)->click();

        QCOMPARE(f.dialogs.shown,
                 QStringList{u"\"Süt\" satırının adedi 0,75; stok yalnız tam adet tuttuğu için bu satır iade alınamaz."_s});
        QCOMPARE(f.state(), before);
    }

    // The controls move on a wide screen; closing leaves the shared objects unfiltered and
    // reading what the returns wrote.
    void wideScreenAndClosing()
    {
        Screen::setWidth(1920);
        Fixture f;
        f.sell(0, {{f.cay, 2, "3"}});
        Dataset& urunler = f.db().tableUrunler;
        urunler.setFilter(u"[UrunNo]=1"_s);
        urunler.setFiltered(true);
        QCOMPARE(urunler.number(u"StoktakiBirimMiktari"_s), 18);
        f.open();
        QCOMPARE(f.form->fislerGrid->pos(), QPoint(20 + 230, 90 + 33));
        QCOMPARE(f.form->comboMusteriAdi->pos(), QPoint(110 + 230, 22 + 33));
        QCOMPARE(f.form->Kapat->x(), 1030 + 230);
        f.returnLine();

        QVERIFY(f.form->close());
        QVERIFY(!acikFormVar);
        for (Dataset* shared : {&f.db().tableMusteriler, &f.db().tableSatilanUrunler, &urunler, &f.db().tableSatislar})
            QVERIFY(!shared->filtered());
        QCOMPARE(urunler.number(u"StoktakiBirimMiktari"_s), 20);
    }
};

QTEST_MAIN(TestUrunSatisIptali)
#include "test_urunsatisiptali.moc"
