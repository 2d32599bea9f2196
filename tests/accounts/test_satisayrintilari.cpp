// The customer sale details window and the debts window, the main window's hot spot that
// opens the debts, and the customer commands of the main window.
#include "AccountsFixture.h"
#include "AylikOdemeler.h"
#include "Mdiunit.h"
#include "MusteriBilgileriD.h"
#include "MusteriBorclari.h"
#include "MusteriKayit.h"
#include "SatisAyrintilari.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

using namespace dukkano;
using namespace dukkano::test;

namespace {

// Customers in an order their names do not sort in; sales on account, a cash sale, and a
// namesake's sale that must never count.
struct Shop : Accounts {
    qint64 zeynep = addCustomer(u"Zeynep"_s, u"Ali"_s, u"33"_s);
    qint64 ahmet = addCustomer(u"Ahmet"_s, QString(), u"7"_s);
    qint64 namesake = addCustomer(u"Zeynep"_s, u"Veli"_s);
    qint64 nobody = addCustomer(u"Ece"_s);
    qint64 discounted = addSale(zeynep, u"90"_s, u"10"_s);
    qint64 returned = addSale(zeynep, u"80"_s);

    Shop()
    {
        addLine(discounted, u"Un"_s, u"60"_s, 2);
        addLine(discounted, u"Süt"_s, u"40"_s);
        addLine(returned, u"Çay"_s, u"50"_s);
        const qint64 sugar = addLine(returned, u"Şeker"_s, u"30"_s);
        addSale(0, u"1000"_s);
        addSale(ahmet, u"7,25"_s);
        addSale(namesake, u"500"_s);
        // A line taken back: the line and the sale's total go down by its amount.
        shop.scalar(u"UPDATE SatilanUrunler SET UrunSatisTutari = 0, BirimAdedi = 0 WHERE UrunSatisNo = ?"_s,
                    {sugar});
        shop.scalar(u"UPDATE Satislar SET ToplamTutar = 500000 WHERE SatisNo = ?"_s, {returned});
    }
};

QStringList rows(const DatasetModel* model)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        texts << cells.join(QLatin1Char('|'));
    }
    return texts;
}

} // namespace

class TestSatisAyrintilari : public QObject {
    Q_OBJECT

private slots:
    // It opens on the table's first customer: the sales, the first sale's lines, the spending
    // at the stored totals (after the discount, after the line taken back) and the debt.
    void opensOnFirstCustomer()
    {
        Shop s;
        QPointer<TformSatisAyrintilari> form = s.open<TformSatisAyrintilari>();
        QCOMPARE(form->windowTitle(), u"Cari Satış Ayrıntıları"_s);
        QCOMPARE(columnTexts(form->dsMusteriler, TformSatisAyrintilari::AdiSoyadi),
                 (QStringList{"Zeynep", "Ahmet", "Zeynep", "Ece"}));
        QCOMPARE(form->musteriAdi->text(), u"Zeynep"_s);
        QCOMPARE(rows(form->dsSatislar), (QStringList{u"%1|09.12.2026|90,00 TL|10,00 TL"_s.arg(s.discounted),
                                                       u"%1|09.12.2026|50,00 TL|0,00 TL"_s.arg(s.returned)}));
        QCOMPARE(rows(form->dsSatilanUrunler), (QStringList{"1|Un|2|60,00 TL", "1|Süt|1|40,00 TL"}));
        QCOMPARE(form->lBorc->text(), u"140,00 TL"_s);
        QCOMPARE(form->borc2->text(), u"33,00 TL"_s);

        chooseRow(form->satisGrid, 1);
        QCOMPARE(rows(form->dsSatilanUrunler), (QStringList{"1|Çay|1|50,00 TL", "1|Şeker|0|0,00 TL"}));
        delete form.data();
    }

    // Choosing a customer or typing the start of a name shows the same figures for the first
    // customer found; nobody found empties every list.
    void chosenCustomer_data()
    {
        QTest::addColumn<int>("row");        // chosen in the grid, or -1
        QTest::addColumn<QString>("typed");  // typed into the name field
        QTest::addColumn<int>("sales");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("spent");
        QTest::addColumn<QString>("debt");

        QTest::newRow("the namesake") << 2 << "" << 1 << 0 << "500,00 TL" << "0,00 TL";
        QTest::newRow("no sales") << 3 << "" << 0 << 0 << "0,00 TL" << "0,00 TL";
        QTest::newRow("typed, Turkish case") << -1 << "AH" << 1 << 0 << "7,25 TL" << "7,00 TL";
        QTest::newRow("typed, first found") << -1 << "z" << 2 << 2 << "140,00 TL" << "33,00 TL";
        QTest::newRow("typed, nobody") << -1 << "q" << 0 << 0 << "0,00 TL" << "0,00 TL";
    }

    void chosenCustomer()
    {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(int, sales);
        QFETCH(int, lines);
        QFETCH(QString, spent);
        QFETCH(QString, debt);
        Shop s;
        QPointer<TformSatisAyrintilari> form = s.open<TformSatisAyrintilari>();
        if (row >= 0) {
            chooseRow(form->musteriGrid, row);
        } else {
            form->musteriAdi->setFocus();
            form->musteriAdi->clear();
            typeText(form->musteriAdi, typed);
            QCOMPARE(form->musteriAdi->text(), typed);
        }
        QCOMPARE(form->dsSatislar->rowCount(), sales);
        QCOMPARE(form->dsSatilanUrunler->rowCount(), lines);
        QCOMPARE(form->lBorc->text(), spent);
        QCOMPARE(form->borc2->text(), debt);
        delete form.data();
    }

    // On close the shared objects it filtered show everything again; the customers are reread.
    void closing()
    {
        Shop s;
        QPointer<TformSatisAyrintilari> form = s.open<TformSatisAyrintilari>();
        QVERIFY(s.db().tableSatilanUrunler.filtered());
        s.addCustomer(u"Yeni"_s);
        form->Kapat->click();
        QVERIFY(!acikFormVar);
        QVERIFY(!s.db().tableSatilanUrunler.filtered());
        QVERIFY(!s.db().tableSatislar.filtered());
        QCOMPARE(s.db().tableMusteriler.recordCount(), 5);
    }

    // A debt is typed over in the grid; a text that is no amount is refused.
    void debtTypedOver_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("boxes");
        QTest::newRow("zero") << "0" << "0" << 0;
        QTest::newRow("cents") << "12,5" << "12,5" << 0;
        QTest::newRow("a credit") << "-5" << "-5" << 0;
        QTest::newRow("not an amount") << "on iki" << "33" << 1;
    }

    void debtTypedOver()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(int, boxes);
        Shop s;
        QPointer<TformMusteriBorclari> form = s.open<TformMusteriBorclari>();
        QCOMPARE(form->windowTitle(), u"Müşteri Borçları"_s);
        QCOMPARE(form->dsMusteriler->headerData(TformMusteriBorclari::MusteriNo, Qt::Horizontal).toString(),
                 u"Müsteri No"_s);
        QVERIFY(typeIntoCell(form->borcGrid, 0, TformMusteriBorclari::ToplamBorc, typed));
        form->close();  // the debt still being typed is stored
        QCOMPARE(s.dialogs.shown.size(), boxes);
        QCOMPARE(s.debt(s.zeynep), stored);
        QVERIFY(!acikFormVar);
    }

    // The debts grid adds no row: a customer without a name would owe money.
    void debtsGridAddsNoRow()
    {
        Shop s;
        QPointer<TformMusteriBorclari> form = s.open<TformMusteriBorclari>();
        QVERIFY(!typeIntoCell(form->borcGrid, 0, TformMusteriBorclari::AdiSoyadi, u"x"_s));
        form->borcGrid->setFocus();
        chooseRow(form->borcGrid, 3);
        QTest::keyClick(form->borcGrid, Qt::Key_Down);
        QTest::keyClick(form->borcGrid, Qt::Key_Insert);
        QCOMPARE(form->dsMusteriler->rowCount(), 4);
        form->close();
        QCOMPARE(s.shop.count(u"Musteriler"_s), 4);
    }

    // The hot spot opens the debts only while no work window is open, and never says why not.
    void hotSpot()
    {
        Accounts a;
        TMdiForm main(a.db());
        main.show();
        QMdiArea* area = main.mdiArea();
        QTest::mouseClick(main.borclarNoktasi, Qt::LeftButton);
        QCOMPARE(area->subWindowList().size(), 1);
        QVERIFY(qobject_cast<TformMusteriBorclari*>(area->subWindowList().first()->widget()));
        QVERIFY(acikFormVar);
        QTest::mouseClick(main.borclarNoktasi, Qt::LeftButton);
        QCOMPARE(area->subWindowList().size(), 1);

        area->subWindowList().first()->widget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!acikFormVar);
        main.MenuAylikOdemeler->trigger();
        QTest::mouseClick(main.borclarNoktasi, Qt::LeftButton);
        QCOMPARE(area->subWindowList().size(), 1);
        QVERIFY(qobject_cast<TformAylikOdemeler*>(area->subWindowList().first()->widget()));
        QCOMPARE(a.dialogs.shown, QStringList());
        area->subWindowList().first()->widget()->close();
    }

    // The customer commands open their windows and check their items until they close.
    void commands_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::newRow("Müşteri") << "MenuYeniMusteri" << "dukkano::TformMusteriKayit";
        QTest::newRow("Cari Liste ve Borç") << "MenuAylikOdemeler" << "dukkano::TformAylikOdemeler";
        QTest::newRow("Cari Listesi") << "menuMusteriBilgileriD" << "dukkano::TformMusteriBilgileriD";
        QTest::newRow("Satış Ayrıntıları") << "MenuSatisAyrintilari" << "dukkano::TformSatisAyrintilari";
    }

    void commands()
    {
        QFETCH(QString, item);
        QFETCH(QString, window);
        Accounts a;
        TMdiForm main(a.db());
        main.show();
        auto* action = main.findChild<QAction*>(item);
        action->trigger();
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
        QWidget* opened = main.mdiArea()->subWindowList().first()->widget();
        QCOMPARE(QString::fromLatin1(opened->metaObject()->className()), window);
        QVERIFY(action->isChecked());
        opened->close();
        QVERIFY(!action->isChecked());
        QVERIFY(!acikFormVar);
    }
};

QTEST_MAIN(TestSatisAyrintilari)
#include "test_satisayrintilari.moc"
