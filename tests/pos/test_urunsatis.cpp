// The sale window: adding lines by barcode, name and quick-sale button, editing and deleting
// them, the running total, the discount field, the customer choice and closing.
#include "Clock.h"
#include "DataGrid.h"
#include "ProgramState.h"
#include "SaleWindowFixture.h"
#include "Screen.h"
#include "TestSupport.h"
#include "UrunSatis.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::test;

namespace {

struct Line {
    qint64 urunNo = 0;
    qint64 satisNo = 0;
    int adet = 0;
    QString fiyat;
    QString tutar;
    QString alis;
    QString kazanc;
};

QString moneyText(const QVariant& stored)
{
    return stored.isNull() ? QString() : Money::fromUnits(stored.toLongLong()).toEditText();
}

// What the basket table holds, straight from the file.
QVector<Line> basket(Veritabani& db)
{
    auto st = db.baglanti.prepare(u"SELECT UrunNo, SatisNo, BirimAdedi, BirimSatisFiyati, UrunSatisTutari, AlisFiyati, Kazanc "
        "FROM GeciciSatilanUrunler ORDER BY UrunSatisNo"_s);
    QVector<Line> lines;
    while (st.step())
        lines.push_back({st.columnInt(0), st.columnInt(1), int(st.columnInt(2)), moneyText(st.column(3)),
                         moneyText(st.column(4)), moneyText(st.column(5)), moneyText(st.column(6))});
    return lines;
}

Money basketSum(TempShop& shop)
{
    return Money::fromUnits(
        shop.scalar(u"SELECT coalesce(sum(UrunSatisTutari), 0) FROM GeciciSatilanUrunler"_s).toLongLong());
}

// The sale window, with a product chosen by name as well.
struct Counter : SaleWindowFixture {
    void chooseName(const QString& entry)
    {
        form->urunAdi->setFocus();
        form->urunAdi->setEditText(entry);
    }

    void enterName() { QTest::keyClick(form->urunAdi, Qt::Key_Return); }
};

} // namespace

class TestUrunSatis : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Screen::setWidth(1366);
        Clock::set(QDateTime(QDate(2026, 12, 9), QTime(14, 30, 5)));
        setCurrencyText(u"TL "_s);
    }

    void cleanup()
    {
        Screen::setWidth(0);
        Clock::set(QDateTime());
    }

    void creation()
    {
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"8690001"_s, lira("2,5"));
        QVERIFY(c.open());
        TFormUrunSatis* f = c.form;
        QCOMPARE(f->windowTitle(), u"Ürün Satışı - POS"_s);
        QVERIFY(f->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(f->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(acikFormVar);
        QCOMPARE(c.total(), u"0,00 TL"_s);
        QVERIFY(!f->sepetGrid->isEnabled());
        QVERIFY(f->cbnakitOdeme->isChecked());
        QVERIFY(f->cbnakitOdeme->isHidden());
        QVERIFY(f->SatisTamam->isHidden());
        QCOMPARE(f->satisiGerceklestir->text(), u"TAMAMLA"_s);
        QCOMPARE(f->satisiGerceklestir->toolTip(), u"Satışı Gerçekleştir"_s);
        QCOMPARE(f->sayfaNurev->tabText(0).trimmed(), u"HIZLI SATIŞ"_s);
        QCOMPARE(f->sepetGrid->model()->headerData(2, Qt::Horizontal).toString(), u"Miktar"_s);
        QCOMPARE(f->indirim->text(), QString());
        QVERIFY(!c.db().tableUrunler.filtered());
        QCOMPARE(QApplication::focusWidget(), f->seriNumarasi);
    }

    // Tab goes the way a cashier's hand goes; the hidden and disabled ones are passed over.
    void tabOrder()
    {
        Counter c;
        QVERIFY(c.open());
        TFormUrunSatis* f = c.form;
        const auto visit = [](QWidget* from, int steps) {
            from->setFocus();
            QList<QWidget*> visited;
            for (int i = 0; i < steps; ++i) {
                visited << QApplication::focusWidget();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            return visited;
        };
        const QList<QWidget*> start = {f->satisiGerceklestir, f->ButtonSil, f->comboMusteriAdi,
                                       f->seriNumarasi, f->urunAdi, f->sayfaNurev->focusProxy(), f->hizli[0]};
        QCOMPARE(visit(f->satisiGerceklestir, 7), start);
        const QList<QWidget*> end = {f->hizli[35], f->indirim, f->kapatButton, f->satisiGerceklestir};
        QCOMPARE(visit(f->hizli[35], 4), end);
    }

    void leftoverBasketIsDeletedAtCreation()
    {
        Counter c;
        c.db().baglanti.exec(u"INSERT INTO GeciciSatilanUrunler (UrunNo, BirimAdedi, BirimSatisFiyati, UrunSatisTutari) "
            "VALUES (1, 2, 50000, 100000), (2, 1, 30000, 30000)"_s);
        QVERIFY(c.open());
        QVERIFY(basket(c.db()).isEmpty());
        QCOMPARE(c.form->araToplam, Money());
        QCOMPARE(c.form->sepetGrid->model()->rowCount(), 0);
        QCOMPARE(c.total(), u"0,00 TL"_s);
    }

    void scanning_data()
    {
        QTest::addColumn<QStringList>("barcodes");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("same barcode twice gives two lines")
            << QStringList{"8690001", "8690001"} << 2 << "5,00 TL" << QStringList();
        QTest::newRow("two products") << QStringList{"8690001", "8690002"} << 2 << "14,75 TL" << QStringList();
        QTest::newRow("unknown barcode") << QStringList{"555"} << 0 << "0,00 TL"
                                         << QStringList{"Bu Ürün Kayıtlı Değil."};
        QTest::newRow("unknown between known ones")
            << QStringList{"8690002", "869000", "8690002"} << 2 << "24,50 TL"
            << QStringList{"Bu Ürün Kayıtlı Değil."};
        QTest::newRow("empty field does nothing") << QStringList{""} << 0 << "0,00 TL" << QStringList();
        QTest::newRow("letters are not typed") << QStringList{"86a9b0001"} << 1 << "2,50 TL" << QStringList();
    }

    void scanning()
    {
        QFETCH(QStringList, barcodes);
        QFETCH(int, lines);
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"8690001"_s, lira("2,5"));
        c.shop.addProduct(u"Şeker"_s, u"8690002"_s, lira("12,25"));
        QVERIFY(c.open());

        for (const QString& barcode : barcodes)
            c.scan(barcode);

        const auto rows = basket(c.db());
        QCOMPARE(rows.size(), lines);
        for (const Line& line : rows) {
            QCOMPARE(line.adet, 1);
            QCOMPARE(line.tutar, line.fiyat);
            QCOMPARE(line.alis, QString());  // only a line chosen by name carries the cost
        }
        QTEST(c.total(), "total");
        QTEST(c.dialogs.shown, "messages");
        QCOMPARE(c.form->seriNumarasi->text(), QString());
        QCOMPARE(QApplication::focusWidget(), c.form->seriNumarasi);
        QCOMPARE(c.form->sepetGrid->isEnabled(), lines > 0);
        QCOMPARE(c.form->araToplam, basketSum(c.shop));
    }

    // A pasted barcode goes in whole when it is all digits, else not at all.
    void pastingABarcode_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::newRow("digits") << "8690001" << "8690001" << 1;
        QTest::newRow("letters refused whole") << "ABC-1" << "" << 0;
        QTest::newRow("a blank refused whole") << "869 0001" << "" << 0;
    }

    void pastingABarcode()
    {
        QFETCH(QString, pasted);
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"8690001"_s, lira("2,5"));
        QVERIFY(c.open());
        pasteText(c.form->seriNumarasi, pasted);
        QTEST(c.form->seriNumarasi->text(), "text");
        QTest::keyClick(c.form->seriNumarasi, Qt::Key_Return);
        QTEST(int(basket(c.db()).size()), "lines");
        QCOMPARE(c.dialogs.shown, QStringList());
    }

    // The receipt number is the number the next sale will get, whatever row the shared sales
    // object stands on (its first row gave a wrong number before the first sale of a run).
    void lineCarriesTheNextSaleNumber()
    {
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"101"_s, lira("2,5"));
        Dataset& satislar = c.db().tableSatislar;
        for (int i = 0; i < 3; ++i) {
            satislar.append();
            satislar.setValue(u"ToplamTutar"_s, QVariant::fromValue(Money::fromLira(1)));
            satislar.post();
        }
        satislar.first();
        QVERIFY(c.open());
        c.scan(u"101"_s);
        QCOMPARE(basket(c.db()).value(0).satisNo, 4);
    }

    void lineRecordsTheMoment()
    {
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"101"_s, lira("2,5"));
        QVERIFY(c.open());
        c.scan(u"101"_s);
        auto st = c.db().baglanti.prepare(u"SELECT UrunAciklamasi, UrunAdi FROM GeciciSatilanUrunler"_s);
        QVERIFY(st.step());
        QCOMPARE(st.column(0).toString(), u"09.12.2026 14:30:05"_s);
        QCOMPARE(st.column(1).toString(), u"Çay"_s);
        st.reset();
    }

    void editingALine_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pressEnter");
        QTest::addColumn<int>("quantity");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("message");

        const QString quantityRefused = u"Miktar 1 ile 999.999 arasında bir tam sayı olmalıdır."_s;
        const QString priceRefused = u"Fiyat 0 ile 9.999.999,99 arasında bir tutar olmalıdır (örneğin 12,50)."_s;
        QTest::newRow("quantity 1 to 3 at 2,50, leaving the grid")
            << 2 << "3" << false << 3 << "7,5" << "10,50 TL" << QString();
        QTest::newRow("quantity 1 to 3, Enter, then leaving")
            << 2 << "3" << true << 3 << "7,5" << "10,50 TL" << QString();
        QTest::newRow("price 2,50 to 4,125")
            << 3 << "4,125" << false << 1 << "4,125" << "7,13 TL" << QString();
        QTest::newRow("price to 0 is a free line") << 3 << "0" << false << 1 << "0" << "3,00 TL" << QString();
        QTest::newRow("a fraction of a quantity is refused")
            << 2 << "2,5" << false << 1 << "2,5" << "5,50 TL" << quantityRefused;
        QTest::newRow("quantity 0 is refused") << 2 << "0" << false << 1 << "2,5" << "5,50 TL" << quantityRefused;
        QTest::newRow("an empty quantity is refused")
            << 2 << "" << false << 1 << "2,5" << "5,50 TL" << quantityRefused;
        QTest::newRow("letters and minus are not typed") << 2 << "-a4" << false << 4 << "10" << "13,00 TL" << QString();
        // A dot is no decimal point; dropping it made "2.5" a quantity of 25.
        QTest::newRow("2.5 is refused, not read as 25")
            << 2 << "2.5" << false << 1 << "2,5" << "5,50 TL" << quantityRefused;
        QTest::newRow("a thousands dot reads the Turkish way")
            << 2 << "1.000" << false << 1000 << "2500" << "2.503,00 TL" << QString();
        QTest::newRow("a price 0.500 is refused, not read as 500")
            << 3 << "0.500" << false << 1 << "2,5" << "5,50 TL" << priceRefused;
        QTest::newRow("a price with thousands and decimals")
            << 3 << "1.234,5" << false << 1 << "1234,5" << "1.237,50 TL" << QString();
    }

    // Edits go through the grid's own editor; leaving the grid stores the line.
    void editingALine()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(bool, pressEnter);
        QFETCH(QString, message);
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"101"_s, lira("2,5"));
        c.shop.addProduct(u"Su"_s, u"102"_s, lira("3"));
        QVERIFY(c.open());
        c.scan(u"101"_s);
        c.scan(u"102"_s);

        QLineEdit* editor = c.typeIntoCell(0, column, typed);
        QVERIFY(editor);
        if (pressEnter) {
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents();  // the editor commits on Enter by a queued call
            QTEST(c.total(), "total");  // recomputed at once, before the grid is left
        }
        c.form->seriNumarasi->setFocus();

        const Line first = basket(c.db()).value(0);
        QTEST(first.adet, "quantity");
        QTEST(first.tutar, "amount");
        QTEST(c.total(), "total");
        QCOMPARE(c.form->araToplam, basketSum(c.shop));
        QCOMPARE(c.dialogs.shown, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(c.db().tableUrunler.filtered(), false);
    }

    // Texts the editor's key filter would not let through, written straight into the model.
    void refusedTextsChangeNothing_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");

        const QString quantity = u"Miktar 1 ile 999.999 arasında bir tam sayı olmalıdır."_s;
        const QString price = u"Fiyat 0 ile 9.999.999,99 arasında bir tutar olmalıdır (örneğin 12,50)."_s;
        QTest::newRow("quantity with letters") << 2 << "3 adet" << quantity;
        QTest::newRow("negative quantity") << 2 << "-2" << quantity;
        QTest::newRow("quantity too large to charge") << 2 << "1000000" << quantity;
        QTest::newRow("price with letters") << 3 << "12 TL" << price;
        QTest::newRow("price with two commas") << 3 << "1,2,5" << price;
        QTest::newRow("negative price") << 3 << "-4" << price;
        QTest::newRow("price out of reach") << 3 << "10000000" << price;
    }

    void refusedTextsChangeNothing()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"101"_s, lira("2,5"));
        QVERIFY(c.open());
        c.scan(u"101"_s);
        QAbstractItemModel* model = c.form->sepetGrid->model();

        QVERIFY(!model->setData(model->index(0, column), text));
        QTEST(c.dialogs.last(), "message");
        QCOMPARE(c.form->tableGeciciSatilanUrunler.state(), Dataset::State::Browse);
        c.form->sepetGridExit();
        const Line line = basket(c.db()).value(0);
        QCOMPARE(line.adet, 1);
        QCOMPARE(line.fiyat, u"2,5"_s);
        QCOMPARE(c.total(), u"2,50 TL"_s);
    }

    void deletingTheSelectedLine_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("Seçili Olanı Sil") << false;
        QTest::newRow("Ctrl+Del in the grid goes the same way") << true;
    }

    void deletingTheSelectedLine()
    {
        QFETCH(bool, byKeyboard);
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"101"_s, lira("2,5"));
        c.shop.addProduct(u"Şeker"_s, u"102"_s, lira("12,125"));
        c.shop.addProduct(u"Su"_s, u"103"_s, lira("1"));
        QVERIFY(c.open());
        for (const char* code : {"101", "102", "103"})
            c.scan(QString::fromLatin1(code));
        QCOMPARE(c.form->araToplam, lira("15,625"));

        DataGrid* grid = c.form->sepetGrid;
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(1, 1));
        QCOMPARE(c.form->tableGeciciSatilanUrunler.currentRow(), 1);
        if (byKeyboard)
            QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        else
            QTest::mouseClick(c.form->sil, Qt::LeftButton);

        const auto rows = basket(c.db());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].fiyat, u"2,5"_s);
        QCOMPARE(rows[1].fiyat, u"1"_s);
        QCOMPARE(c.form->araToplam, lira("3,5"));
        QCOMPARE(c.total(), u"3,50 TL"_s);
        QCOMPARE(QApplication::focusWidget(), c.form->seriNumarasi);
        QVERIFY(c.dialogs.shown.isEmpty());
    }

    void deletingFromAnEmptyBasketDoesNothing()
    {
        Counter c;
        QVERIFY(c.open());
        c.form->silClick();
        QCOMPARE(c.form->araToplam, Money());
        QCOMPARE(QApplication::focusWidget(), c.form->seriNumarasi);
    }

    // Lines come only from barcodes, names and quick-sale buttons.
    void gridAddsNoLineOfItsOwn()
    {
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"101"_s, lira("2,5"));
        QVERIFY(c.open());
        c.scan(u"101"_s);
        DataGrid* grid = c.form->sepetGrid;
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 1));
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Insert);
        QTest::keyClick(grid, Qt::Key_Return);
        c.form->seriNumarasi->setFocus();
        QCOMPARE(basket(c.db()).size(), 1);
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(c.form->araToplam, lira("2,5"));
    }

    void clearingTheBasket()
    {
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"101"_s, lira("2,5"));
        c.shop.addCustomer(u"Ali Veli"_s, u"Hasan"_s);
        QVERIFY(c.open());
        c.scan(u"101"_s);
        c.scan(u"101"_s);
        c.chooseName(u"Çay ()"_s);
        c.form->comboMusteriAdi->setEditText(u"Ali Veli (Hasan)"_s);
        c.form->indirim->setText(u"1,5"_s);
        c.form->cbnakitOdeme->setChecked(false);
        const QString customerFilter = c.db().tableMusteriler.filter();

        QTest::mouseClick(c.form->ButtonSil, Qt::LeftButton);

        QVERIFY(basket(c.db()).isEmpty());
        QCOMPARE(c.form->araToplam, Money());
        QCOMPARE(c.total(), u"0,00 TL"_s);
        QCOMPARE(c.form->indirim->text(), QString());
        QCOMPARE(c.form->urunAdi->currentText(), QString());
        QCOMPARE(c.form->comboMusteriAdi->currentText(), QString());
        QCOMPARE(c.form->comboMusteriAdi->currentIndex(), -1);
        QVERIFY(c.form->cbnakitOdeme->isChecked());
        QVERIFY(!c.form->sepetGrid->isEnabled());
        QCOMPARE(QApplication::focusWidget(), c.form->seriNumarasi);
        QCOMPARE(c.db().tableMusteriler.filter(), customerFilter);  // cleared without its handler
    }

    void discountKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");

        QTest::newRow("digits") << "1234567890" << "1234567890";
        QTest::newRow("comma after a digit") << "12,5" << "12,5";
        QTest::newRow("comma into an empty field refused") << ",5" << "5";
        QTest::newRow("second comma refused") << "1,2,3" << "1,23";
        QTest::newRow("comma before the digits of a non-empty field") << "12⇤," << ",12";
        // A dot is kept for the amount's reading to judge: dropped, "2.5" would become 25.
        QTest::newRow("minus, blank and letters dropped; a dot kept") << "-1.a 2ş" << "1.2";
        QTest::newRow("backspace, then a comma again") << "1,⌫,5" << "1,5";
        QTest::newRow("backspace to empty, then a comma refused") << "1⌫,7" << "7";
    }

    void discountKeys()
    {
        QFETCH(QString, keys);
        Counter c;
        QVERIFY(c.open());
        c.form->indirim->setFocus();
        play(c.form->indirim, keys);
        QTEST(c.form->indirim->text(), "text");
    }

    void discountRefusesPaste()
    {
        Counter c;
        QVERIFY(c.open());
        QApplication::clipboard()->setText(u"abc,1,2"_s);
        c.form->indirim->setFocus();
        typeText(c.form->indirim, u"5"_s);
        QTest::keyClick(c.form->indirim, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(c.form->indirim->text(), u"5"_s);
    }

    void discountShownOnTheTotal_data()
    {
        QTest::addColumn<QString>("discount");
        QTest::addColumn<QString>("total");
        QTest::newRow("none") << "" << "10,50 TL";
        QTest::newRow("1,5") << "1,5" << "9,00 TL";
        QTest::newRow("a trailing comma reads as whole lira") << "2," << "8,50 TL";
        QTest::newRow("a leading comma") << ",25" << "10,25 TL";
        QTest::newRow("more than the total") << "1000" << "-989,50 TL";
    }

    void discountShownOnTheTotal()
    {
        QFETCH(QString, discount);
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"101"_s, lira("3"));
        c.shop.addProduct(u"Kahve"_s, u"102"_s, lira("4,5"));
        QVERIFY(c.open());
        for (const char* code : {"101", "101", "102"})
            c.scan(QString::fromLatin1(code));
        c.form->indirim->setText(u"7"_s);
        c.form->indirim->setText(discount);
        QTEST(c.total(), "total");
        QCOMPARE(c.form->araToplam, lira("10,5"));
    }

    // A line changed after the discount shows the total without it until the discount changes.
    void lineChangeAfterDiscountShowsTheRunningTotal()
    {
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"101"_s, lira("3"));
        QVERIFY(c.open());
        c.scan(u"101"_s);
        c.form->indirim->setText(u"1"_s);
        QCOMPARE(c.total(), u"2,00 TL"_s);
        c.scan(u"101"_s);
        QCOMPARE(c.total(), u"6,00 TL"_s);
    }

    void choosingByName_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("enters");
        QTest::addColumn<qint64>("urunNo");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QStringList>("messages");

        const QStringList notRegistered{u"Bu Ürün Kayıtlı Değil."_s};
        QTest::newRow("Enter twice adds twice") << "Çay (Rize)" << 2 << qint64(2) << 2 << QStringList();
        QTest::newRow("same name, other description") << "Çay (Ankara)" << 1 << qint64(1) << 1 << QStringList();
        QTest::newRow("namesakes: the first in the table") << "Su ()" << 1 << qint64(3) << 1 << QStringList();
        QTest::newRow("a quote in the name") << "Kız'ın Lokumu ()" << 1 << qint64(5) << 1 << QStringList();
        QTest::newRow("no product of that name adds nothing") << "Kahve ()" << 1 << qint64(0) << 0 << notRegistered;
        QTest::newRow("a part of a name adds nothing") << "Ça" << 1 << qint64(0) << 0 << notRegistered;
        // A name holding "(" used to be split at it and reported as not registered.
        QTest::newRow("a name with brackets") << "Kola (Kutu) (330 ml)" << 1 << qint64(7) << 1 << QStringList();
        QTest::newRow("a name with brackets in brackets") << "Un (Tam (Buğday)) ()" << 1 << qint64(6) << 1
                                                           << QStringList();
        QTest::newRow("empty text does nothing") << "" << 1 << qint64(0) << 0 << QStringList();
    }

    void choosingByName()
    {
        QFETCH(QString, entry);
        QFETCH(int, enters);
        QFETCH(qint64, urunNo);
        QFETCH(int, lines);
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"201"_s, lira("40"), lira("31,5"), 5,
                          u"Ankara"_s);
        c.shop.addProduct(u"Çay"_s, u"202"_s, lira("42,5"), lira("30"), 5,
                          u"Rize"_s);
        c.shop.addProduct(u"Su"_s, u"203"_s, lira("5"), lira("3"));
        c.shop.addProduct(u"Su"_s, u"204"_s, lira("6"), lira("3"));
        c.shop.addProduct(u"Kız'ın Lokumu"_s, u"205"_s, lira("80"), lira("50"));
        c.shop.addProduct(u"Un (Tam (Buğday))"_s, u"206"_s, lira("30"), lira("20"));
        c.shop.addProduct(u"Kola (Kutu)"_s, u"207"_s, lira("25"), lira("15"), 5,
                          u"330 ml"_s);
        QVERIFY(c.open());

        c.chooseName(entry);
        for (int i = 0; i < enters; ++i)
            c.enterName();

        const auto rows = basket(c.db());
        QCOMPARE(rows.size(), lines);
        for (const Line& line : rows) {
            QCOMPARE(line.urunNo, urunNo);
            QCOMPARE(line.adet, 1);
            Dataset& urunler = c.db().tableUrunler;
            QCOMPARE(line.fiyat, urunler.money(u"BirimSatisFiyati"_s).toEditText());
            QCOMPARE(line.alis, urunler.money(u"BirimAlisFiyati"_s).toEditText());
            const Money margin = urunler.money(u"BirimSatisFiyati"_s) - urunler.money(u"BirimAlisFiyati"_s);
            QCOMPARE(line.kazanc, margin.toEditText());
        }
        QTEST(c.dialogs.shown, "messages");
        QCOMPARE(c.form->urunAdi->currentText(), entry);  // stays for the next Enter
        QCOMPARE(c.form->araToplam, basketSum(c.shop));
    }

    // Entries that read the same stand for different products; the one picked from the list is
    // the one added.
    void choosingANamesakeFromTheList()
    {
        Counter c;
        c.shop.addProduct(u"Su"_s, u"203"_s, lira("5"));
        const qint64 second = c.shop.addProduct(u"Su"_s, u"204"_s, lira("6"));
        QVERIFY(c.open());
        QComboBox* names = c.form->urunAdi;
        QCOMPARE(names->itemText(1), names->itemText(2));

        names->setFocus();
        names->setCurrentIndex(2);
        c.enterName();

        const auto rows = basket(c.db());
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].urunNo, second);
        QCOMPARE(rows[0].fiyat, u"6"_s);
    }

    void productListIsSortedTheTurkishWay()
    {
        Counter c;
        for (const char* name : {"Şeker", "Sabun", "Çay", "Cips", "Ilık Su", "İncir", "Zeytin"})
            c.shop.addProduct(QString::fromUtf8(name), QString(), lira("1"));
        QVERIFY(c.open());
        QStringList items;
        for (int i = 0; i < c.form->urunAdi->count(); ++i)
            items << c.form->urunAdi->itemText(i);
        const QStringList expected = {"", "Cips ()", "Çay ()", "Ilık Su ()", "İncir ()", "Sabun ()", "Şeker ()",
                                      "Zeytin ()"};
        QCOMPARE(items, expected);
    }

    // The shared customers object shows the customer whose key the entry carries.
    void choosingTheCustomer_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<qint64>("musteriNo");

        QTest::newRow("a listed customer") << QStringList{"Ayşe Kaya (Mehmet)"} << qint64(2);
        // The name alone used to be the filter, which stood on the first "Ali Veli".
        QTest::newRow("same name, other father's name") << QStringList{"Ali Veli (Osman)"} << qint64(3);
        QTest::newRow("a quote in the name") << QStringList{"Can O'Neil (Ted)"} << qint64(4);
        QTest::newRow("emptying the field keeps the last choice")
            << QStringList{"Ayşe Kaya (Mehmet)", ""} << qint64(2);
        QTest::newRow("an unlisted name finds nobody") << QStringList{"Veli (Can)"} << qint64(0);
        QTest::newRow("a name without the father's name finds nobody") << QStringList{"Ali Veli"} << qint64(0);
    }

    void choosingTheCustomer()
    {
        QFETCH(QStringList, texts);
        QFETCH(qint64, musteriNo);
        Counter c;
        c.shop.addCustomer(u"Ali Veli"_s, u"Hasan"_s);
        c.shop.addCustomer(u"Ayşe Kaya"_s, u"Mehmet"_s);
        c.shop.addCustomer(u"Ali Veli"_s, u"Osman"_s);
        c.shop.addCustomer(u"Can O'Neil"_s, u"Ted"_s);
        QVERIFY(c.open());
        QCOMPARE(c.form->comboMusteriAdi->count(), 5);

        for (const QString& text : texts)
            c.form->comboMusteriAdi->setEditText(text);

        Dataset& musteriler = c.db().tableMusteriler;
        QVERIFY(musteriler.filtered());
        QCOMPARE(musteriler.number(u"MusteriNo"_s), musteriNo);
    }

    void enterInTheCustomerFieldMovesOn()
    {
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"101"_s, lira("2,5"));
        QVERIFY(c.open());
        c.form->comboMusteriAdi->setFocus();
        QTest::keyClick(c.form->comboMusteriAdi, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), c.form->seriNumarasi);  // past the disabled grid
        c.scan(u"101"_s);
        c.form->comboMusteriAdi->setFocus();
        QTest::keyClick(c.form->comboMusteriAdi, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), c.form->sepetGrid);
    }

    // Entering the barcode field lets go of the product-name filter.
    void barcodeFieldSwitchesTheNameFilterOff()
    {
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"101"_s, lira("2,5"));
        QVERIFY(c.open());
        c.chooseName(u"Çay ()"_s);
        QVERIFY(c.db().tableUrunler.filtered());
        c.form->seriNumarasi->setFocus();
        QVERIFY(!c.db().tableUrunler.filtered());
        QCOMPARE(c.form->seriNumarasi->palette().color(QPalette::Base),
                 c.form->palette().color(QPalette::Highlight));
        c.form->urunAdi->setFocus();
        QVERIFY(c.db().tableUrunler.filtered());  // entering the name field filters again
        QCOMPARE(c.form->seriNumarasi->palette().color(QPalette::Base), QColor(Qt::red));
    }

    void escape_data()
    {
        QTest::addColumn<bool>("withChild");
        QTest::newRow("no child window: nothing happens") << false;
        QTest::newRow("the active child window closes") << true;
    }

    void escape()
    {
        QFETCH(bool, withChild);
        Counter c;
        QMdiArea mdi;
        QPointer<QMdiSubWindow> child;
        if (withChild) {
            child = mdi.addSubWindow(new QWidget);
            child->setAttribute(Qt::WA_DeleteOnClose);
            mdi.setActiveSubWindow(child);
        }
        mdi.show();
        QVERIFY(c.open(&mdi));
        c.form->seriNumarasi->setFocus();
        QTest::keyClick(c.form->seriNumarasi, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(c.form);
        QVERIFY(c.form->isVisible());
        QCOMPARE(mdi.subWindowList().size(), 0);
        QVERIFY(c.dialogs.shown.isEmpty());
    }

    void closeQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes closes") << true;
        QTest::newRow("No keeps the sale going") << false;
    }

    void closeQuestion()
    {
        QFETCH(bool, yes);
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"101"_s, lira("2,5"));
        c.shop.addCustomer(u"Ali Veli"_s, u"Hasan"_s);
        QVERIFY(c.open());
        c.scan(u"101"_s);
        c.form->comboMusteriAdi->setEditText(u"Ali Veli (Hasan)"_s);
        c.chooseName(u"Çay ()"_s);
        c.db().tableSatislar.setFilter(u"[SatisNo]=-1"_s);
        c.db().tableSatislar.setFiltered(true);
        c.db().tableKategoriler.setFilter(u"[KategoriNo]=1"_s);
        c.db().tableKategoriler.setFiltered(true);
        QSignalSpy closed(c.form.data(), &TFormUrunSatis::closed);

        c.dialogs.answerQuestion(yes);
        QTest::mouseClick(c.form->kapatButton, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(c.dialogs.shown, QStringList{"POS Ekranını Kapatmak İstediğinizden Emin misiniz ?"});
        QCOMPARE(c.dialogs.captions, QStringList{"Dukkano"});
        QCOMPARE(closed.count(), yes ? 1 : 0);
        QCOMPARE(c.form.isNull(), yes);
        QCOMPARE(acikFormVar, !yes);
        QCOMPARE(basket(c.db()).size(), yes ? 0 : 1);
        QCOMPARE(c.db().tableUrunler.filtered(), !yes);
        QCOMPARE(c.db().tableMusteriler.filtered(), !yes);
        QCOMPARE(c.db().tableSatislar.filtered(), !yes);
        QVERIFY(c.db().tableKategoriler.filtered());  // not one of the sale window's
    }

    // Whatever the cashier does, the total is the sum of the lines.
    void totalIsAlwaysTheSumOfTheLines()
    {
        Counter c;
        c.shop.addProduct(u"Çay"_s, u"101"_s, lira("2,5"), lira("2"));
        c.shop.addProduct(u"Şeker"_s, u"8690002"_s, lira("12,3333"));
        c.shop.addProduct(u"Su"_s, u"104"_s, lira("0,75"));
        QVERIFY(c.open());
        const auto sumHolds = [&] { return c.form->araToplam == basketSum(c.shop); };

        c.scan(u"8690002"_s);
        QTest::mouseClick(c.form->hizli[0], Qt::LeftButton);
        c.chooseName(u"Su ()"_s);
        c.enterName();
        c.enterName();
        QVERIFY(sumHolds());
        QVERIFY(c.typeIntoCell(0, 2, u"7"_s));
        QVERIFY(c.typeIntoCell(1, 3, u"1,1111"_s));  // moving to another line stores the first
        QVERIFY(c.typeIntoCell(1, 2, u"3"_s));
        c.form->seriNumarasi->setFocus();
        QVERIFY(sumHolds());
        QVERIFY(c.typeIntoCell(3, 2, u"4"_s));
        c.form->silClick();  // deletes the line whose editor is open
        QVERIFY(sumHolds());
        QTest::mouseClick(c.form->hizli[3], Qt::LeftButton);
        c.scan(u"101"_s);
        QVERIFY(c.typeIntoCell(0, 3, u"0,5"_s));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QTest::mouseClick(c.form->hizli[0], Qt::LeftButton);  // leaving the grid by a click elsewhere
        QVERIFY(sumHolds());

        const auto rows = basket(c.db());
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows[0].tutar, u"3,5"_s);     // 7 x 0,5
        QCOMPARE(rows[1].tutar, u"3,3333"_s);  // 3 x 1,1111
        QCOMPARE(c.form->araToplam.toEditText(), u"13,3333"_s);
        QCOMPARE(c.total(), u"13,33 TL"_s);
    }

    void quickSaleButton_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("registered");
        for (int n = 1; n <= 36; ++n)
            QTest::addRow("hizli%d%s", n, n % 3 == 0 ? " empty" : "") << n << (n % 3 != 0);
    }

    // Button N stands for the product whose barcode is 100 + N; its caption is fixed when the
    // window is created, a click charges the price of the moment.
    void quickSaleButton()
    {
        QFETCH(int, n);
        QFETCH(bool, registered);
        Counter c;
        Transaction products(c.db().baglanti);
        for (int k = 1; k <= 36; ++k) {
            if (k % 3 != 0)
                c.shop.addProduct(u"Ürün %1"_s.arg(k), QString::number(100 + k),
                                  Money::fromUnits(k * 10000 + 2500));
        }
        products.commit();
        QVERIFY(c.open());
        QPushButton* button = c.form->hizli[n - 1];
        QCOMPARE(button->objectName(), u"hizli%1"_s.arg(n));
        const Money price = Money::fromUnits(n * 10000 + 2500);
        const QString caption = registered ? u"Ürün %1\r\n%2"_s.arg(n).arg(price.toCurrency())
                                           : u"BOŞ"_s;
        QCOMPARE(button->text(), caption);
        QVERIFY(!c.db().tableUrunler.filtered());

        c.db().baglanti.exec(u"UPDATE Urunler SET BirimSatisFiyati = BirimSatisFiyati + 10000"_s);
        c.form->seriNumarasi->setText(u"99"_s);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);

        QCOMPARE(button->text(), caption);
        const auto rows = basket(c.db());
        if (registered) {
            QCOMPARE(rows.size(), 2);
            QCOMPARE(rows[0].urunNo, rows[1].urunNo);
            QCOMPARE(rows[0].adet, 1);
            QCOMPARE(rows[0].fiyat, (price + Money::fromLira(1)).toEditText());
            QCOMPARE(c.form->araToplam, (price + Money::fromLira(1)).times(2));
            QVERIFY(c.dialogs.shown.isEmpty());
        } else {
            QVERIFY(rows.isEmpty());
            const QString message = u"Hızlı Satış %1 için önce Barkod numarası \"%2\" olan, bir stok "
                                                   "eklemelisiniz."_s.arg(n).arg(100 + n);
            QCOMPARE(c.dialogs.shown, QStringList({message, message}));
        }
        QCOMPARE(c.form->seriNumarasi->text(), QString());
        QCOMPARE(QApplication::focusWidget(), c.form->seriNumarasi);
    }

    void quickSaleProductAddedLater()
    {
        Counter c;
        QVERIFY(c.open());
        c.shop.addProduct(u"Simit"_s, u"105"_s, lira("7,5"));
        QTest::mouseClick(c.form->hizli[4], Qt::LeftButton);
        QCOMPARE(c.form->hizli[4]->text(), u"BOŞ"_s);
        QCOMPARE(basket(c.db()).size(), 1);
        QCOMPARE(c.total(), u"7,50 TL"_s);
    }

    void quickSaleSizing_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("pageWidth");
        QTest::addColumn<int>("buttonWidth");

        QTest::newRow("1366: a third of the screen, 77/1000 per button") << 1366 << 455 << 105;
        QTest::newRow("1280") << 1280 << 427 << 99;
        QTest::newRow("1024: the fourth column still fits") << 1024 << 341 << 77;
        QTest::newRow("1920: page at most 492, buttons fit in it") << 1920 << 492 << 115;
    }

    void quickSaleSizing()
    {
        QFETCH(int, screenWidth);
        QFETCH(int, pageWidth);
        QFETCH(int, buttonWidth);
        Screen::setWidth(screenWidth);
        Counter c;
        QVERIFY(c.open());
        QCOMPARE(c.form->sayfaNurev->width(), pageWidth);
        for (int n = 1; n <= 36; ++n) {
            const int row = (n - 1) / 4;
            const int column = (n - 1) % 4;
            const QRect expected(8 + column * (buttonWidth + 6), 8 + row * 67, buttonWidth, 57);
            QCOMPARE(c.form->hizli[n - 1]->geometry(), expected);
        }
        QVERIFY(c.form->hizli[35]->geometry().right() < c.form->hizliSatisSayfasi->width());
    }
};

// The program's own application, which turns an error escaping a handler into a message.
DUKKANO_TEST_MAIN(TestUrunSatis)

#include "test_urunsatis.moc"
