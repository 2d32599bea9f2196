// Completing a sale: "TAMAMLA" and its summary, the receipt question with its printer choice,
// printing the receipt, and the writing step behind "EVET" and "HAYIR".
#include "Clock.h"
#include "DataGrid.h"
#include "ProgramState.h"
#include "SaleWindowFixture.h"
#include "Screen.h"
#include "SettingsKey.h"
#include "TestPrinters.h"
#include "TestSupport.h"
#include "Dialog.h"
#include "UrunSatis.h"

#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <optional>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::test;

namespace {

const QString emptyBasket = u"Satılacak Ürünler Listesi Boş."_s;
const QString withoutReceipt =
    u"\n\nSatış kaydedilmedi. Fiş yazdırmadan tamamlamak için \"HAYIR\" düğmesine basınız."_s;

QString settingsKey() { return u"Software\\NUREV\\Dukkano1_5"_s; }
QString rememberedPrinter() { return SettingsKey(settingsKey()).value(u"FisYazicisi"_s); }
void rememberPrinter(const QString& name) { SettingsKey(settingsKey()).setValue(u"FisYazicisi"_s, name); }

QString storedMoney(TempShop& shop, const QString& sql)
{
    return Money::fromUnits(shop.scalar(sql).toLongLong()).toEditText();
}

QStringList comboItems(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QStringList textsOf(const report::PreparedPage& page, const QString& objectName)
{
    QStringList texts;
    for (const report::PreparedText* t : page.textsOf(objectName))
        texts << t->text;
    return texts;
}

// Test printers whose system may have no default printer.
class PrintersWithoutDefault : public TestPrinters {
public:
    PrintersWithoutDefault(QStringList names, QString folder, bool hasDefault)
        : TestPrinters(std::move(names), std::move(folder)), m_hasDefault(hasDefault) {}
    QString defaultName() override { return m_hasDefault ? TestPrinters::defaultName() : QString(); }

private:
    bool m_hasDefault;
};

// A shop with two products and three customers, and a sale window over it.
struct Counter : SaleWindowFixture {
    qint64 cay = 0;
    qint64 sut = 0;

    Counter()
    {
        cay = shop.addProduct(u"Çay"_s, u"101"_s, lira("3"));
        sut = shop.addProduct(u"Süt"_s, u"102"_s, lira("4,5"));
        shop.addCustomer(u"Ali Veli"_s, u"Hasan"_s);
        shop.addCustomer(u"Ayşe Kaya"_s, u"Mehmet"_s);
        shop.addCustomer(u"Ali Veli"_s, u"Osman"_s);
    }

    // Types a new quantity into the first line's "Miktar" cell; the editor stays open.
    bool typeQuantity(const QString& quantity) { return typeIntoCell(0, 2, quantity) != nullptr; }

    // 2 x 3,00 and 1 x 4,50: 10,50 before any discount.
    bool fillBasket()
    {
        scan(u"101"_s);
        scan(u"102"_s);
        if (!typeQuantity(u"2"_s))
            return false;
        form->seriNumarasi->setFocus();  // leaving the grid stores the line
        return form->araToplam == lira("10,5");
    }

    void setCustomer(const QString& text) { form->comboMusteriAdi->setEditText(text); }
    void setDiscount(const QString& text) { form->indirim->setText(text); }

    void tamamla() { QTest::mouseClick(form->satisiGerceklestir, Qt::LeftButton); }
    TFormDialog* question() const { return form->FormDialog.data(); }
    bool asking() const { return question() && question()->isVisible(); }
    void evet() { QTest::mouseClick(question()->evetButton, Qt::LeftButton); }
    void hayir() { QTest::mouseClick(question()->hayirButton, Qt::LeftButton); }
    void kapat() { QTest::mouseClick(question()->kapatButton, Qt::LeftButton); }

    int basketLines() { return int(shop.count("GeciciSatilanUrunler")); }
};

} // namespace

class TestTamamla : public QObject {
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

    void summary_data()
    {
        QTest::addColumn<QString>("customer");
        QTest::addColumn<QString>("discount");
        QTest::addColumn<bool>("scanAfterDiscount");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("label3");
        QTest::addColumn<QString>("label4");

        QTest::newRow("cash, no discount") << "" << "" << false << "Ödeme Türü : NAKİT "
                                           << "Toplam Tutar : 10,50 TL" << "İndirim : 0 TL";
        QTest::newRow("cash, discount 5") << "" << "5" << false << "Ödeme Türü : NAKİT "
                                          << "Toplam Tutar : 5,50 TL" << "İndirim : 5,00 TL";
        QTest::newRow("on account, discount 1,5")
            << "Ali Veli (Hasan)" << "1,5" << false
            << "Müşteri Adı : Ali Veli (Hasan) ,     Ödeme Türü : BORÇ " << "Toplam Tutar : 9,00 TL"
            << "İndirim : 1,50 TL";
        QTest::newRow("on account, discount of a thousand")
            << "Ayşe Kaya (Mehmet)" << "1000" << false
            << "Müşteri Adı : Ayşe Kaya (Mehmet) ,     Ödeme Türü : BORÇ " << "Toplam Tutar : -989,50 TL"
            << "İndirim : 1.000,00 TL";
        // The total line repeats the display, which shows the running total after a line change.
        QTest::newRow("a line scanned after the discount") << "" << "1" << true << "Ödeme Türü : NAKİT "
                                                           << "Toplam Tutar : 13,50 TL" << "İndirim : 1,00 TL";
    }

    void summary()
    {
        QFETCH(QString, customer);
        QFETCH(QString, discount);
        QFETCH(bool, scanAfterDiscount);
        Counter c;
        QVERIFY(c.open());
        QVERIFY(c.fillBasket());
        c.setCustomer(customer);
        c.setDiscount(discount);
        if (scanAfterDiscount)
            c.scan(u"101"_s);

        c.tamamla();

        QVERIFY(c.asking());
        TFormDialog* q = c.question();
        QTEST(q->odemeTuruLabel->text(), "label1");
        QTEST(q->toplamTutarLabel->text(), "label3");
        QTEST(q->indirimLabel->text(), "label4");
        QCOMPARE(q->parentWidget(), c.form.data());
        QVERIFY(!q->isModal());
        QCOMPARE(c.dialogs.shown, QStringList());
        QCOMPARE(c.shop.count("Satislar"), 0);
    }

    void emptyBasketIsRefused_data()
    {
        QTest::addColumn<QStringList>("barcodes");
        QTest::addColumn<bool>("clear");

        QTest::newRow("nothing scanned") << QStringList() << false;
        QTest::newRow("every line at price 0") << QStringList{"900", "900"} << false;
        QTest::newRow("cleared with Tümünü Temizle") << QStringList{"101", "102"} << true;
    }

    void emptyBasketIsRefused()
    {
        QFETCH(QStringList, barcodes);
        QFETCH(bool, clear);
        Counter c;
        c.shop.addProduct(u"Poşet"_s, u"900"_s, Money());
        QVERIFY(c.open());
        for (const QString& barcode : barcodes)
            c.scan(barcode);
        if (clear)
            QTest::mouseClick(c.form->ButtonSil, Qt::LeftButton);
        c.form->indirim->setFocus();

        c.tamamla();

        QCOMPARE(c.dialogs.shown, QStringList{emptyBasket});
        QCOMPARE(c.question(), nullptr);
        QCOMPARE(QApplication::focusWidget(), c.form->seriNumarasi);
        QCOMPARE(c.shop.count("Satislar"), 0);
    }

    // KAPAT goes back to the basket as it was; the sale can be completed afterwards.
    void closingTheQuestionWritesNothing()
    {
        Counter c;
        QVERIFY(c.open());
        QVERIFY(c.fillBasket());
        c.setCustomer(u"Ayşe Kaya (Mehmet)"_s);
        c.setDiscount(u"2"_s);
        c.tamamla();
        QPointer<TFormDialog> first = c.question();

        c.kapat();

        QVERIFY(first);
        QVERIFY(first->isHidden());
        QCOMPARE(QApplication::activeWindow(), c.form.data());
        QCOMPARE(c.shop.count("Satislar"), 0);
        QCOMPARE(c.basketLines(), 2);
        QCOMPARE(c.form->araToplam, lira("10,5"));
        QCOMPARE(c.form->indirim->text(), u"2"_s);
        QCOMPARE(c.form->comboMusteriAdi->currentText(), u"Ayşe Kaya (Mehmet)"_s);
        QCOMPARE(c.dialogs.shown, QStringList());

        c.tamamla();
        QVERIFY(c.asking());
        QVERIFY(!first);  // an answered question makes way for the new one
        c.hayir();
        QCOMPARE(c.shop.count("Satislar"), 1);
        QCOMPARE(storedMoney(c.shop, u"SELECT ToplamTutar FROM Satislar"_s), u"8,5"_s);
    }

    void writingTheSale_data()
    {
        QTest::addColumn<QString>("customer");
        QTest::addColumn<QString>("discount");
        QTest::addColumn<bool>("editorOpen");
        QTest::addColumn<qint64>("musteriNo");
        QTest::addColumn<QString>("toplamTutar");
        QTest::addColumn<QString>("kazanc");

        QTest::newRow("cash, no discount") << "" << "" << false << qint64(0) << "10,5" << "0";
        QTest::newRow("cash, discount 1,5") << "" << "1,5" << false << qint64(0) << "9" << "1,5";
        QTest::newRow("on account, discount 1,5")
            << "Ayşe Kaya (Mehmet)" << "1,5" << false << qint64(2) << "9" << "1,5";
        // Namesakes used to charge the first "Ali Veli" whoever was chosen.
        QTest::newRow("on account, the chosen one of two namesakes")
            << "Ali Veli (Osman)" << "" << false << qint64(3) << "10,5" << "0";
        QTest::newRow("discount rounded to kuruş in Kazanc only")
            << "" << "1,255" << false << qint64(0) << "9,245" << "1,26";
        // A quantity typed while the question waits belongs to the sale, even with its editor open.
        QTest::newRow("quantity still in the grid's editor") << "" << "" << true << qint64(0) << "10,5" << "0";
    }

    void writingTheSale()
    {
        QFETCH(QString, customer);
        QFETCH(QString, discount);
        QFETCH(bool, editorOpen);
        QFETCH(qint64, musteriNo);
        Counter c;
        QVERIFY(c.open());
        c.scan(u"101"_s);
        c.scan(u"102"_s);
        if (!editorOpen)
            QVERIFY(c.typeQuantity(u"2"_s));
        c.setCustomer(customer);
        c.setDiscount(discount);
        const qint64 saleNo = c.db().sonrakiSatisNo();

        c.tamamla();
        QVERIFY(c.asking());
        if (editorOpen) {
            // Back in the sale window while the question waits; HAYIR is clicked with the
            // grid's editor still open.
            QApplication::setActiveWindow(c.form);
            QVERIFY(c.typeQuantity(u"2"_s));
        }
        c.hayir();

        TempShop& shop = c.shop;
        QCOMPARE(c.dialogs.shown, QStringList());
        QVERIFY(!c.asking());
        QCOMPARE(shop.count("Satislar"), 1);
        QCOMPARE(shop.scalar(u"SELECT SatisNo FROM Satislar"_s).toLongLong(), saleNo);
        QCOMPARE(shop.scalar(u"SELECT MusteriNo FROM Satislar"_s).toLongLong(), musteriNo);
        QCOMPARE(shop.scalar(u"SELECT SatisTarihi FROM Satislar"_s).toString(), u"2026-12-09"_s);
        QTEST(storedMoney(shop, u"SELECT ToplamTutar FROM Satislar"_s), "toplamTutar");
        QTEST(storedMoney(shop, u"SELECT Kazanc FROM Satislar"_s), "kazanc");

        QCOMPARE(shop.count("SatilanUrunler"), 2);
        QCOMPARE(shop.scalar(u"SELECT count(*) FROM SatilanUrunler WHERE SatisNo = %1"_s.arg(saleNo)).toInt(), 2);
        QCOMPARE(storedMoney(shop, u"SELECT UrunSatisTutari FROM SatilanUrunler WHERE UrunNo = %1"_s.arg(c.cay)),
                 u"6"_s);
        QCOMPARE(storedMoney(shop, u"SELECT UrunSatisTutari FROM SatilanUrunler WHERE UrunNo = %1"_s.arg(c.sut)),
                 u"4,5"_s);
        QCOMPARE(shop.scalar(u"SELECT StoktakiBirimMiktari FROM Urunler WHERE UrunNo = %1"_s.arg(c.cay)).toInt(), 18);
        QCOMPARE(shop.scalar(u"SELECT StoktakiBirimMiktari FROM Urunler WHERE UrunNo = %1"_s.arg(c.sut)).toInt(), 19);

        // On account the debt grows by the total before the discount; nobody else's changes.
        for (qint64 no = 1; no <= 3; ++no) {
            const QString debt = storedMoney(
                shop, u"SELECT coalesce(ToplamBorc, 0) FROM Musteriler WHERE MusteriNo = %1"_s.arg(no));
            QCOMPARE(debt, no == musteriNo ? u"10,5"_s : u"0"_s);
        }
        QCOMPARE(shop.count("Musteriler"), 3);

        QCOMPARE(c.basketLines(), 0);
        QCOMPARE(c.total(), u"0,00 TL"_s);
        QCOMPARE(c.form->araToplam, Money());
        QCOMPARE(c.form->indirim->text(), QString());
        QCOMPARE(c.form->comboMusteriAdi->currentText(), QString());
        QCOMPARE(QApplication::activeWindow(), c.form.data());
        QCOMPARE(QApplication::focusWidget(), c.form->seriNumarasi);
    }

    // Two customers read alike in the list; the one picked is the one charged.
    void onAccountToTheNamesakePicked()
    {
        Counter c;
        const qint64 twin = c.shop.addCustomer(u"Ali Veli"_s, u"Hasan"_s);
        QVERIFY(c.open());
        QVERIFY(c.fillBasket());
        QComboBox* list = c.form->comboMusteriAdi;
        const int picked = list->findText(u"Ali Veli (Hasan)"_s) + 1;
        QCOMPARE(list->itemText(picked), u"Ali Veli (Hasan)"_s);
        list->setCurrentIndex(picked);

        c.tamamla();
        QVERIFY(c.asking());
        c.hayir();

        QCOMPARE(c.dialogs.shown, QStringList());
        QCOMPARE(c.shop.scalar(u"SELECT MusteriNo FROM Satislar"_s).toLongLong(), twin);
        const QString debt = u"SELECT coalesce(ToplamBorc, 0) FROM Musteriler WHERE MusteriNo = %1"_s;
        QCOMPARE(storedMoney(c.shop, debt.arg(1)), u"0"_s);
        QCOMPARE(storedMoney(c.shop, debt.arg(twin)), u"10,5"_s);
    }

    void printingTheReceipt_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("printedOn");

        QTest::newRow("first receipt: the first printer") << "" << "Fiş Yazıcısı";
        QTest::newRow("the remembered printer, in another case") << "lazer" << "Lazer";
        // Nothing selected: the empty name means the system's default printer.
        QTest::newRow("remembered printer gone: the default") << "Eski Yazıcı" << "";
    }

    void printingTheReceipt()
    {
        QFETCH(QString, remembered);
        QFETCH(QString, printedOn);
        Counter c;
        TestPrinters printers({u"Fiş Yazıcısı"_s, u"Lazer"_s}, c.shop.folder());
        rememberPrinter(remembered);
        QVERIFY(c.open());
        QVERIFY(c.fillBasket());
        c.setDiscount(u"1,5"_s);
        c.tamamla();

        c.evet();

        QCOMPARE(c.dialogs.shown, QStringList());
        QCOMPARE(printers.jobs.size(), size_t(1));
        const TestPrinters::Job& job = printers.jobs[0];
        QCOMPARE(job.printer, printedOn);
        QVERIFY(QFile::exists(job.pdf));
        QCOMPARE(rememberedPrinter(), printedOn);
        QVERIFY(!c.asking());
        QCOMPARE(c.shop.count("Satislar"), 1);
        QCOMPARE(c.basketLines(), 0);

        // The receipt shows the basket as it was, under the number the sale got, and the total
        // before the discount.
        const report::PreparedPage& page = job.report.pages.at(0);
        QCOMPARE(textsOf(page, u"frxDBDatasetGeciciSatilanUrunlerUrunAdi"_s), (QStringList{u"Çay"_s, u"Süt"_s}));
        QCOMPARE(textsOf(page, u"frxDBDatasetGeciciSatilanUrunlerBirimAdedi"_s), (QStringList{u"2"_s, u"1"_s}));
        QCOMPARE(textsOf(page, u"MemoToplamTutar"_s), QStringList{u"10,50"_s});
        QCOMPARE(textsOf(page, u"frxDBDatasetGeciciSatilanUrunlerSatisNo"_s),
                 QStringList{c.shop.scalar(u"SELECT SatisNo FROM Satislar"_s).toString()});
    }

    void failedPrintWritesNothing_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("installedAtPrint");
        QTest::addColumn<bool>("hasDefault");
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("message");

        const QStringList two{u"Fiş Yazıcısı"_s, u"Lazer"_s};
        QTest::newRow("the printer fails") << two << two << true << "" << "Kağıt bitti." << "Kağıt bitti.";
        QTest::newRow("no printer installed") << QStringList() << QStringList() << false << "" << ""
                                              << "Yazdırılamadı: bilgisayarda kurulu bir yazıcı yok.";
        QTest::newRow("printer removed since the question opened")
            << two << QStringList{u"Lazer"_s} << true << "" << ""
            << "Yazdırılamadı: \"Fiş Yazıcısı\" adlı yazıcı bulunamadı.";
        QTest::newRow("none selected and no default printer")
            << two << two << false << "Eski" << ""
            << "Yazdırılamadı: listeden bir yazıcı seçilmedi ve bilgisayarın varsayılan yazıcısı yok.";
    }

    void failedPrintWritesNothing()
    {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, installedAtPrint);
        QFETCH(bool, hasDefault);
        QFETCH(QString, remembered);
        QFETCH(QString, failure);
        QFETCH(QString, message);
        Counter c;
        PrintersWithoutDefault printers(installed, c.shop.folder(), hasDefault);
        printers.failure = failure;
        rememberPrinter(remembered);
        QVERIFY(c.open());
        QVERIFY(c.fillBasket());
        c.setCustomer(u"Ayşe Kaya (Mehmet)"_s);
        c.tamamla();
        std::optional<TestPrinters> changed;
        if (installedAtPrint != installed)
            changed.emplace(installedAtPrint, c.shop.folder());

        c.evet();

        QCOMPARE(c.dialogs.shown, QStringList{message + withoutReceipt});
        QVERIFY(c.asking());
        QCOMPARE(c.shop.count("Satislar"), 0);
        QCOMPARE(c.shop.count("SatilanUrunler"), 0);
        QCOMPARE(c.basketLines(), 2);
        QCOMPARE(rememberedPrinter(), remembered);
        const size_t jobs = printers.jobs.size() + (changed ? changed->jobs.size() : 0);
        QCOMPARE(jobs, size_t(hasDefault || installed.isEmpty() ? 1 : 0));

        c.hayir();

        QVERIFY(!c.asking());
        QCOMPARE(c.shop.count("Satislar"), 1);
        QCOMPARE(storedMoney(c.shop, u"SELECT ToplamBorc FROM Musteriler WHERE MusteriNo = 2"_s), u"10,5"_s);
        QCOMPARE(printers.jobs.size() + (changed ? changed->jobs.size() : 0), jobs);
    }

    // The receipt is out but the database refused the sale: say so, keep the basket, and let
    // HAYIR store it without printing twice.
    void writeFailsAfterThePrint()
    {
        Counter c;
        TestPrinters printers({u"Fiş Yazıcısı"_s}, c.shop.folder());
        QVERIFY(c.open());
        QVERIFY(c.fillBasket());
        c.db().baglanti.exec(u"CREATE TRIGGER bozuk BEFORE INSERT ON SatilanUrunler "
                             "BEGIN SELECT RAISE(ABORT, 'disk dolu'); END"_s);
        c.tamamla();

        c.evet();

        QCOMPARE(printers.jobs.size(), size_t(1));
        QCOMPARE(c.dialogs.shown.size(), 1);
        QVERIFY2(c.dialogs.last().startsWith(u"Fiş yazdırıldı, ancak satış kaydedilmedi.\n"
                                             "Satış kaydedilemedi; sepet olduğu gibi duruyor.\n"_s),
                 qPrintable(c.dialogs.last()));
        QVERIFY2(c.dialogs.last().contains(u"disk dolu"_s), qPrintable(c.dialogs.last()));
        QVERIFY(c.asking());
        QCOMPARE(c.shop.count("Satislar"), 0);
        QCOMPARE(c.basketLines(), 2);
        QCOMPARE(c.form->araToplam, lira("10,5"));

        c.db().baglanti.exec(u"DROP TRIGGER bozuk"_s);
        c.hayir();
        QVERIFY(!c.asking());
        QCOMPARE(c.shop.count("SatilanUrunler"), 2);
        QCOMPARE(printers.jobs.size(), size_t(1));
    }

    void printerChoice_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QStringList>("installedAtDropDown");  // empty: the list is not opened
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("selected");

        const QStringList two{u"Fiş Yazıcısı"_s, u"Lazer"_s};
        QTest::newRow("nothing remembered: the first") << two << "" << QStringList() << two << 0;
        QTest::newRow("remembered: that one") << two << "Lazer" << QStringList() << two << 1;
        QTest::newRow("remembered in another case") << two << "FİŞ YAZICISI" << QStringList() << two << 0;
        QTest::newRow("remembered but not installed: none") << two << "Eski" << QStringList() << two << -1;
        QTest::newRow("no printer installed") << QStringList() << "" << QStringList() << QStringList() << -1;
        const QStringList three{u"PDF"_s, u"Fiş Yazıcısı"_s, u"Lazer"_s};
        QTest::newRow("opening the list refills it and takes the first")
            << two << "Lazer" << three << three << 0;
    }

    void printerChoice()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, remembered);
        QFETCH(QStringList, installedAtDropDown);
        QFETCH(int, selected);
        Counter c;
        TestPrinters printers(installed, c.shop.folder());
        rememberPrinter(remembered);
        QVERIFY(c.open());
        QVERIFY(c.fillBasket());
        c.tamamla();
        QComboBox* list = c.question()->yazicilar;
        std::optional<TestPrinters> later;
        if (!installedAtDropDown.isEmpty()) {
            later.emplace(installedAtDropDown, c.shop.folder());
            list->showPopup();
            list->hidePopup();
        }

        QTEST(comboItems(list), "items");
        QCOMPARE(list->currentIndex(), selected);
        QCOMPARE(list->currentText(), selected < 0 ? QString() : list->itemText(selected));
        QVERIFY(!list->isEditable());
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("customer");
        QTest::addColumn<QString>("discount");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");

        const QString discountRefused =
            u"İndirim geçerli bir tutar değil (örneğin 5 ya da 2,50). Lütfen düzeltip tekrar deneyiniz."_s;
        const auto notListed = [](const char* text) {
            return u"\"%1\" kayıtlı müşterilerden biri değil. Veresiye satış için müşteriyi listeden seçiniz; "
                   "nakit satış için Müşteri Adı alanını boş bırakınız."_s.arg(QString::fromUtf8(text));
        };
        QTest::newRow("a customer not in the list") << "Veli Can" << "" << notListed("Veli Can") << "comboMusteriAdi";
        QTest::newRow("a listed name without the father's name")
            << "Ali Veli" << "" << notListed("Ali Veli") << "comboMusteriAdi";
        QTest::newRow("a blank for a customer") << " " << "" << notListed(" ") << "comboMusteriAdi";
        QTest::newRow("a discount too large to be an amount")
            << "" << "99999999999999999" << discountRefused << "indirim";
        QTest::newRow("a lone comma") << "" << "," << discountRefused << "indirim";
    }

    // Refused at TAMAMLA: no question, nothing written, no customer created.
    void refusals()
    {
        QFETCH(QString, customer);
        QFETCH(QString, discount);
        QFETCH(QString, focus);
        Counter c;
        QVERIFY(c.open());
        QVERIFY(c.fillBasket());
        c.setCustomer(customer);
        c.setDiscount(discount);

        c.tamamla();

        QCOMPARE(c.dialogs.shown.size(), 1);
        QTEST(c.dialogs.last(), "message");
        QCOMPARE(c.question(), nullptr);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(c.shop.count("Satislar"), 0);
        QCOMPARE(c.shop.count("Musteriler"), 3);
        QCOMPARE(c.basketLines(), 2);
    }

    void changesWhileAsking_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("print");
        QTest::addColumn<QString>("message");

        const QString notListed = u"\"Kimse\" kayıtlı müşterilerden biri değil. Veresiye satış için müşteriyi "
                                  "listeden seçiniz; nakit satış için Müşteri Adı alanını boş bırakınız."_s;
        QTest::newRow("basket cleared, HAYIR") << "clear" << false << emptyBasket;
        QTest::newRow("basket cleared, EVET prints nothing") << "clear" << true << emptyBasket;
        QTest::newRow("unlisted customer typed, HAYIR") << "customer" << false << notListed;
        QTest::newRow("unlisted customer typed, EVET prints nothing") << "customer" << true << notListed;
    }

    // The sale window stays usable while the question is open; the answer checks the basket
    // as it is then, before anything is printed or written.
    void changesWhileAsking()
    {
        QFETCH(QString, change);
        QFETCH(bool, print);
        Counter c;
        TestPrinters printers({u"Fiş Yazıcısı"_s}, c.shop.folder());
        QVERIFY(c.open());
        QVERIFY(c.fillBasket());
        c.tamamla();
        if (change == u"clear"_s)
            QTest::mouseClick(c.form->ButtonSil, Qt::LeftButton);
        else
            c.setCustomer(u"Kimse"_s);

        print ? c.evet() : c.hayir();

        QTEST(c.dialogs.shown.join(u"|"_s), "message");
        QCOMPARE(printers.jobs.size(), size_t(0));
        QVERIFY(c.asking());
        QCOMPARE(c.shop.count("Satislar"), 0);
        QCOMPARE(c.shop.count("SatilanUrunler"), 0);
    }

    // A second TAMAMLA brings the open question forward with the summary brought up to date.
    void oneQuestionAtATime()
    {
        Counter c;
        QVERIFY(c.open());
        QVERIFY(c.fillBasket());
        c.tamamla();
        QPointer<TFormDialog> first = c.question();
        c.scan(u"102"_s);

        c.tamamla();

        QCOMPARE(c.question(), first.data());
        QCOMPARE(c.form->findChildren<TFormDialog*>().size(), 1);
        QVERIFY(c.asking());
        QCOMPARE(first->toplamTutarLabel->text(), u"Toplam Tutar : 15,00 TL"_s);
        c.hayir();
        QCOMPARE(c.shop.count("Satislar"), 1);
        QCOMPARE(c.shop.count("SatilanUrunler"), 3);

        c.scan(u"101"_s);
        c.tamamla();
        QVERIFY(c.asking());
        QCOMPARE(c.form->findChildren<TFormDialog*>().size(), 1);
    }

    void questionWindow()
    {
        Counter c;
        QVERIFY(c.open());
        QVERIFY(c.fillBasket());
        c.tamamla();
        TFormDialog* q = c.question();
        QVERIFY(QTest::qWaitForWindowExposed(q));

        QVERIFY(q->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(q->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(q->yaziciLabel->text(), u"Yazıcı :"_s);
        QCOMPARE(q->soruLabel->text(), u"Yazdırmak ister misiniz?"_s);
        const QList<QPushButton*> buttons{q->evetButton, q->hayirButton, q->kapatButton};
        QCOMPARE(q->evetButton->text(), u"EVET"_s);
        QCOMPARE(q->hayirButton->text(), u"HAYIR"_s);
        QCOMPARE(q->kapatButton->text(), u"KAPAT"_s);
        for (int i = 0; i < buttons.size(); ++i) {
            QPushButton* b = buttons[i];
            QVERIFY(b->font().bold());
            QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
            if (i > 0)
                QVERIFY(buttons[i - 1]->geometry().right() < b->geometry().left());
            QCOMPARE(b->geometry().top(), buttons[0]->geometry().top());
        }
        // indirimLabel stands to the right of toplamTutarLabel; the buttons below everything else.
        QVERIFY(q->indirimLabel->geometry().left() > q->toplamTutarLabel->geometry().right());
        QVERIFY(q->soruLabel->geometry().bottom() < q->evetButton->geometry().top());

        // Rounded corners: the corner is cut off, the middle and the edges' midpoints are not.
        for (QWidget* w : {static_cast<QWidget*>(q->panel), static_cast<QWidget*>(q->evetButton)}) {
            const QRegion mask = w->mask();
            QVERIFY(!mask.contains(QPoint(3, 3)));
            QVERIFY(!mask.contains(QPoint(w->width() - 4, w->height() - 4)));
            QVERIFY(mask.contains(w->rect().center()));
            QVERIFY(mask.contains(QPoint(w->width() / 2, 3)));
            QVERIFY(!mask.contains(QPoint(w->width() / 2, 1)));
        }

        const QPoint screenCentre = q->screen()->availableGeometry().center();
        QVERIFY((q->frameGeometry().center() - screenCentre).manhattanLength() <= 2);

        QPointer<TFormDialog> guard = q;
        delete c.form.data();
        QVERIFY(!guard);  // destroyed with the sale window
    }
};

QTEST_MAIN(TestTamamla)
#include "test_tamamla.moc"
