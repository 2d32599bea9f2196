// The stock entry window: the barcode look-up, returns to stock, the save of a new product with
// its checks, the group chosen by position, key filter, colours, keys and the wide-screen shift.
#include "ProgramState.h"
#include "Screen.h"
#include "TestSupport.h"
#include "UrunKayit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::test;

namespace {

const QString invalidReturn = u"Geçersiz Birim Miktarı Girişi. İşlem İptal Edildi."_s;

struct Product {
    QString barcode;
    QString name;
    QString description;
    QVariant group;
    QString groupName;
    QVariant producer;
    QVariant expiry;
    qint64 stock = 0;
    QString purchase;
    QString sale;
    QString secondPrice;
};

QString moneyText(const QVariant& stored)
{
    return stored.isNull() ? u"null"_s : Money::fromUnits(stored.toLongLong()).toEditText();
}

// What the file holds, product by product.
QVector<Product> storedProducts(Veritabani& db)
{
    auto st = db.baglanti.prepare(u"SELECT SeriNumarasi, UrunAdi, UrunAciklamasi, KategoriNo, GrupAdi, UreticiNo, SonKullanmaTarihi, "
        "StoktakiBirimMiktari, BirimAlisFiyati, BirimSatisFiyati, BarkodFiyat2 FROM Urunler ORDER BY UrunNo"_s);
    QVector<Product> products;
    while (st.step())
        products.push_back({st.column(0).toString(), st.column(1).toString(), st.column(2).toString(), st.column(3),
                            st.column(4).toString(), st.column(5), st.column(6), st.columnInt(7),
                            moneyText(st.column(8)), moneyText(st.column(9)), moneyText(st.column(10))});
    return products;
}

qint64 stockOf(TempShop& shop, const QString& barcode)
{
    return shop.scalar(u"SELECT StoktakiBirimMiktari FROM Urunler WHERE SeriNumarasi = ?"_s, {barcode})
        .toLongLong();
}

void addProducer(Veritabani& db, const QString& name)
{
    auto st = db.baglanti.prepare(u"INSERT INTO Ureticiler (UreticiAdi) VALUES (?)"_s);
    st.bind(1, name);
    st.step();
}

// A shop with the entry window open over it; the window goes before the shop.
struct Entry {
    TempShop shop;
    ScriptedDialogs dialogs;
    QPointer<TFormUrunKayit> form;

    ~Entry()
    {
        delete form.data();
        acikFormVar = false;
    }

    Veritabani& db() { return shop.db(); }

    // The shared objects see what the test wrote, as after a start of the program.
    bool open()
    {
        for (Dataset* shared : {&db().tableUrunler, &db().tableKategoriler, &db().tableUreticiler})
            shared->reopen();
        form = new TFormUrunKayit(db());
        form->resize(1100, 700);
        form->show();
        QApplication::setActiveWindow(form);
        return QTest::qWaitForWindowActive(form);
    }

    void typeBarcode(const QString& barcode)
    {
        form->seriNumarasi->setFocus();
        typeText(form->seriNumarasi, barcode);
    }

    // The group the user picks from the list.
    void chooseGroup(int index)
    {
        form->ComboKategoriler->setCurrentIndex(index);
        emit form->ComboKategoriler->activated(index);
    }

    // A complete new product: barcode looked up, fields filled, group chosen.
    void fillNewProduct(const QString& barcode = u"8690001"_s)
    {
        typeBarcode(barcode);
        QTest::keyClick(form->seriNumarasi, Qt::Key_Return);
        typeText(form->urunAdi, u"Çay"_s);
        chooseGroup(0);
        form->stoktakiBirimMiktari->setText(u"12"_s);
        form->birimAlisFiyati->setText(u"2,5"_s);
        form->birimSatisFiyati->setText(u"3,75"_s);
    }

    void save() { QTest::mouseClick(form->kaydet, Qt::LeftButton); }

    bool isEmpty() const
    {
        for (QLineEdit* field : {form->seriNumarasi, form->urunAdi, form->UrunAciklamasi, form->KategoriNo,
                                 form->ureticiNo, form->sonKullanmaTarihi, form->stoktakiBirimMiktari,
                                 form->birimAlisFiyati, form->birimSatisFiyati})
            if (!field->text().isEmpty())
                return false;
        return form->ComboKategoriler->currentIndex() == -1 && form->ComboUreticiler->currentIndex() == -1;
    }

    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
};

enum class Leaving { Enter, Tab, ClickIntoPrice, FocusIntoGroup };

} // namespace

Q_DECLARE_METATYPE(Leaving)

class TestUrunKayit : public QObject {
    Q_OBJECT

private slots:
    void init() { Screen::setWidth(1152); }
    void cleanup() { Screen::setWidth(0); }

    void opens()
    {
        Entry e;
        for (const char* name : {"Temizlik", "Gıda", "Çay"})
            addGroup(e.db(), QString::fromUtf8(name));
        for (const char* name : {"Şimşek", "Ayşe", "Can"})
            addProducer(e.db(), QString::fromUtf8(name));
        QVERIFY(e.open());
        TFormUrunKayit* f = e.form;
        QCOMPARE(f->windowTitle(), u"Stok Ekle ve İade"_s);
        QCOMPARE(f->baslik->text(), u"Stok Ekle ve İade"_s);
        QVERIFY(acikFormVar);
        QVERIFY(!f->barkodSorgulandi);
        QCOMPARE(e.focused(), u"seriNumarasi"_s);
        f->urunAdi->setFocus();
        f->setFocus();  // as the main window does when it shows the window
        QCOMPARE(e.focused(), u"seriNumarasi"_s);
        // The groups in the table's own order, so that item i is record i + 1.
        QStringList groups;
        for (int i = 0; i < f->ComboKategoriler->count(); ++i)
            groups << f->ComboKategoriler->itemText(i);
        QCOMPARE(groups, QStringList({"Temizlik", "Gıda", "Çay"}));
        QCOMPARE(f->ComboKategoriler->currentIndex(), -1);
        QVERIFY(!f->ComboKategoriler->isEditable());
        QCOMPARE(f->ComboKategoriler->maxVisibleItems(), 20);
        QStringList producers;
        for (int i = 0; i < f->ComboUreticiler->count(); ++i)
            producers << f->ComboUreticiler->itemText(i);
        QCOMPARE(producers, QStringList({"", "Ayşe", "Can", "Şimşek"}));
        for (QWidget* hidden : std::initializer_list<QWidget*>{f->UrunAciklamasi, f->KategoriNo, f->ureticiNo,
                                                               f->ComboUreticiler, f->sonKullanmaTarihi,
                                                               f->buttonSatisFiyatiHesabi})
            QVERIFY(!hidden->isVisible());
    }

    // Tab goes through the shown fields only; Enter does the same from the name on.
    void tabAndEnterOrder()
    {
        Entry e;
        addGroup(e.db(), u"Gıda"_s);
        QVERIFY(e.open());
        const QStringList order{"urunAdi", "ComboKategoriler", "stoktakiBirimMiktari", "birimAlisFiyati",
                                "birimSatisFiyati", "kaydet"};
        QStringList byTab, byEnter;
        e.form->seriNumarasi->setFocus();
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            byTab << e.focused();
        }
        e.form->seriNumarasi->setFocus();
        QTest::keyClick(e.form->seriNumarasi, Qt::Key_Return);  // an empty barcode: on to the name
        byEnter << e.focused();
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            byEnter << e.focused();
        }
        QCOMPARE(byTab, order);
        QCOMPARE(byEnter, order);
        QVERIFY(e.dialogs.shown.isEmpty());
    }

    // However the focus leaves a typed barcode, it is looked up once: a new one leads to the
    // name, a known one asks for the units taken back.
    void lookUp_data()
    {
        QTest::addColumn<Leaving>("leaving");
        QTest::addColumn<bool>("known");

        QTest::newRow("new, Enter") << Leaving::Enter << false;
        QTest::newRow("new, Tab") << Leaving::Tab << false;
        QTest::newRow("new, click into the sale price") << Leaving::ClickIntoPrice << false;
        QTest::newRow("new, into the group choice") << Leaving::FocusIntoGroup << false;
        QTest::newRow("known, Enter") << Leaving::Enter << true;
        QTest::newRow("known, Tab") << Leaving::Tab << true;
        QTest::newRow("known, click into the sale price") << Leaving::ClickIntoPrice << true;
        QTest::newRow("known, into the group choice") << Leaving::FocusIntoGroup << true;
    }

    void lookUp()
    {
        QFETCH(Leaving, leaving);
        QFETCH(bool, known);
        Entry e;
        e.shop.addProduct(u"Çay"_s, u"8690001"_s, lira("3"));
        QVERIFY(e.open());
        TFormUrunKayit* f = e.form;
        if (known)
            e.dialogs.answerInput(u"1"_s);
        e.typeBarcode(known ? u"8690001"_s : u"8690002"_s);
        switch (leaving) {
        case Leaving::Enter:
            QTest::keyClick(f->seriNumarasi, Qt::Key_Return);
            break;
        case Leaving::Tab:
            QTest::keyClick(f->seriNumarasi, Qt::Key_Tab);
            break;
        case Leaving::ClickIntoPrice:
            QTest::mouseClick(f->birimSatisFiyati, Qt::LeftButton);
            break;
        case Leaving::FocusIntoGroup:
            f->ComboKategoriler->setFocus(Qt::MouseFocusReason);
            break;
        }

        if (known) {
            QCOMPARE(e.dialogs.captions, QStringList({"İade Al", "Dukkano"}));
            QCOMPARE(e.dialogs.shown.value(0), u"İade alınacak Birim Miktarını Giriniz :"_s);
            QCOMPARE(e.focused(), u"seriNumarasi"_s);
            QVERIFY(e.isEmpty());
        } else {
            QVERIFY(e.dialogs.shown.isEmpty());
            QCOMPARE(e.focused(), u"urunAdi"_s);
            QCOMPARE(f->seriNumarasi->text(), u"8690002"_s);
            QVERIFY(f->barkodSorgulandi);
        }
    }

    // Enter once more does nothing until the barcode changes.
    void lookedUpOnce()
    {
        Entry e;
        e.shop.addProduct(u"Çay"_s, u"123"_s, lira("3"));
        QVERIFY(e.open());
        TFormUrunKayit* f = e.form;
        e.typeBarcode(u"12"_s);
        QTest::keyClick(f->seriNumarasi, Qt::Key_Return);
        QCOMPARE(e.focused(), u"urunAdi"_s);
        f->seriNumarasi->setFocus();
        QTest::keyClick(f->seriNumarasi, Qt::Key_Return);
        QCOMPARE(e.focused(), u"seriNumarasi"_s);
        QTest::keyClick(f->urunAdi, Qt::Key_Tab);  // nor does entering another field
        QVERIFY(e.dialogs.shown.isEmpty());

        f->seriNumarasi->setFocus();
        QTest::keyClick(f->seriNumarasi, Qt::Key_End);
        typeText(f->seriNumarasi, u"3"_s);
        e.dialogs.answerInput(std::nullopt);
        QTest::keyClick(f->seriNumarasi, Qt::Key_Return);
        QCOMPARE(e.dialogs.shown, QStringList({"İade alınacak Birim Miktarını Giriniz :", invalidReturn}));
    }

    // The answer is a whole number with an optional sign; anything else changes nothing. In
    // every case the window is left empty for the next barcode.
    void returns_data()
    {
        QTest::addColumn<QString>("barcode");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<qint64>("change");
        QTest::addColumn<QString>("message");

        QTest::newRow("5") << "8690002" << std::optional<QString>("5") << qint64(5)
                           << "Şeker Stoğa Ait 5 Adet İade Alındı.";
        QTest::newRow("-3") << "8690002" << std::optional<QString>("-3") << qint64(-3)
                            << "Şeker Stoğa Ait -3 Adet İade Alındı.";
        QTest::newRow("+2") << "8690002" << std::optional<QString>("+2") << qint64(2)
                            << "Şeker Stoğa Ait 2 Adet İade Alındı.";
        QTest::newRow("a barcode with a quote") << "86'03" << std::optional<QString>("4") << qint64(4)
                                                << "Kahve Stoğa Ait 4 Adet İade Alındı.";
        QTest::newRow("2,5") << "8690002" << std::optional<QString>("2,5") << qint64(0) << invalidReturn;
        QTest::newRow("empty") << "8690002" << std::optional<QString>("") << qint64(0) << invalidReturn;
        QTest::newRow("letters") << "8690002" << std::optional<QString>("beş") << qint64(0) << invalidReturn;
        QTest::newRow("too large") << "8690002" << std::optional<QString>("99999999999999999999") << qint64(0)
                                   << invalidReturn;
        QTest::newRow("cancelled") << "8690002" << std::optional<QString>() << qint64(0) << invalidReturn;
    }

    void returns()
    {
        QFETCH(QString, barcode);
        QFETCH(std::optional<QString>, answer);
        QFETCH(qint64, change);
        Entry e;
        e.shop.addProduct(u"Çay"_s, u"8690001"_s, lira("3"), lira("2"), 20);
        e.shop.addProduct(u"Şeker"_s, u"8690002"_s, lira("30"), lira("25"), 20);
        e.shop.addProduct(u"Kahve"_s, u"86'03"_s, lira("90"), lira("70"), 20);
        const QVector<Product> before = storedProducts(e.db());
        QVERIFY(e.open());
        e.dialogs.answerInput(answer);
        e.typeBarcode(barcode);
        QTest::keyClick(e.form->seriNumarasi, Qt::Key_Return);

        QCOMPARE(e.dialogs.shown.size(), 2);
        QTEST(e.dialogs.last(), "message");
        QCOMPARE(stockOf(e.shop, barcode), 20 + change);
        QVector<Product> expected = before;
        for (Product& p : expected)
            if (p.barcode == barcode)
                p.stock += change;
        const QVector<Product> after = storedProducts(e.db());
        for (int i = 0; i < after.size(); ++i)
            QCOMPARE(after[i].stock, expected[i].stock);
        QCOMPARE(after.size(), before.size());
        QVERIFY(e.isEmpty());
        QCOMPARE(e.focused(), u"seriNumarasi"_s);
        QVERIFY(!e.form->barkodSorgulandi);
        QVERIFY(!e.db().tableUrunler.filtered());
        QCOMPARE(e.db().tableUrunler.state(), Dataset::State::Browse);
    }

    // The row the save writes, field by field; the group is the one at the chosen position,
    // whatever its number.
    void storesTheNewProduct()
    {
        Entry e;
        const qint64 gone = addGroup(e.db(), u"Eski"_s);
        addGroup(e.db(), u"Gıda"_s);
        const qint64 icecek = addGroup(e.db(), u"İçecek"_s);
        e.db().baglanti.exec(u"DELETE FROM Kategoriler WHERE KategoriNo = %1"_s.arg(gone));
        QVERIFY(e.open());
        TFormUrunKayit* f = e.form;
        e.fillNewProduct(u"8690009"_s);
        e.chooseGroup(1);
        QCOMPARE(f->KategoriNo->text(), QString::number(icecek));
        e.save();

        QCOMPARE(e.dialogs.shown, QStringList{"Yeni Stok Kaydedildi."});
        const QVector<Product> stored = storedProducts(e.db());
        QCOMPARE(stored.size(), 1);
        const Product& p = stored.first();
        QCOMPARE(p.barcode, u"8690009"_s);
        QCOMPARE(p.name, u"Çay"_s);
        QCOMPARE(p.description, QString());
        QCOMPARE(p.group.toLongLong(), icecek);
        QCOMPARE(p.groupName, u"İçecek"_s);
        QCOMPARE(p.producer.toLongLong(), 0);
        QVERIFY(!p.producer.isNull());
        QVERIFY(p.expiry.isNull());
        QCOMPARE(p.stock, 12);
        QCOMPARE(p.purchase, u"2,5"_s);
        QCOMPARE(p.sale, u"3,75"_s);
        QCOMPARE(p.secondPrice, u"3,75"_s);
        QVERIFY(e.isEmpty());
        QCOMPARE(e.focused(), u"seriNumarasi"_s);
        QVERIFY(!f->barkodSorgulandi);
    }

    void barcodeLength_data()
    {
        QTest::addColumn<QString>("barcode");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("two characters") << "12" << false;
        QTest::newRow("100") << "100" << true;
        QTest::newRow("ABC") << "ABC" << true;
    }

    void barcodeLength()
    {
        QFETCH(QString, barcode);
        QFETCH(bool, accepted);
        Entry e;
        addGroup(e.db(), u"Gıda"_s);
        QVERIFY(e.open());
        e.fillNewProduct(barcode);
        e.save();
        if (accepted) {
            QCOMPARE(e.dialogs.shown, QStringList{"Yeni Stok Kaydedildi."});
            QCOMPARE(storedProducts(e.db()).value(0).barcode, barcode);
        } else {
            QCOMPARE(e.dialogs.shown,
                     QStringList{"Lütfen Geçerli Bir BARKOD No Giriniz. En az üç basamaklı olmalı, Örn. ( 100 )"});
            QCOMPARE(e.focused(), u"seriNumarasi"_s);
            QCOMPARE(e.form->seriNumarasi->selectedText(), barcode);
            QVERIFY(storedProducts(e.db()).isEmpty());
        }
    }

    // Each check in turn: its message, where the focus goes, and nothing written or cleared.
    void saveChecks_data()
    {
        QTest::addColumn<QString>("blank");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");

        QTest::newRow("everything: the barcode first")
            << "all" << "Lütfen Geçerli Bir BARKOD No Giriniz. En az üç basamaklı olmalı, Örn. ( 100 )"
            << "seriNumarasi";
        QTest::newRow("name") << "urunAdi" << "Lütfen Stok Adını Giriniz." << "urunAdi";
        QTest::newRow("group") << "group" << "Lütfen Bir Kategori Seçiniz." << "ComboKategoriler";
        QTest::newRow("stock") << "stoktakiBirimMiktari" << "Lütfen Stok Miktarını Giriniz." << "stoktakiBirimMiktari";
        QTest::newRow("purchase price") << "birimAlisFiyati" << "Lütfen Alış Fiyatını Giriniz." << "birimAlisFiyati";
        QTest::newRow("sale price") << "birimSatisFiyati" << "Lütfen Satış Fiyatını Giriniz." << "birimSatisFiyati";
        QTest::newRow("group deleted meanwhile") << "deleted group" << "Lütfen Geçerli Bir Kategori No Giriniz."
                                                 << "ComboKategoriler";
    }

    void saveChecks()
    {
        QFETCH(QString, blank);
        Entry e;
        const qint64 group = addGroup(e.db(), u"Gıda"_s);
        QVERIFY(e.open());
        TFormUrunKayit* f = e.form;
        e.fillNewProduct();
        if (blank == QLatin1String("all")) {
            f->TemizleClick();
        } else if (blank == QLatin1String("group")) {
            f->ComboKategoriler->setCurrentIndex(-1);
            f->KategoriNo->clear();
        } else if (blank == QLatin1String("deleted group")) {
            e.db().baglanti.exec(u"DELETE FROM Kategoriler WHERE KategoriNo = %1"_s.arg(group));
        } else {
            f->findChild<QLineEdit*>(blank)->clear();
        }
        const QString nameBefore = f->urunAdi->text();
        e.save();

        QCOMPARE(e.dialogs.shown.size(), 1);
        QTEST(e.dialogs.last(), "message");
        QTEST(e.focused(), "focused");
        QVERIFY(storedProducts(e.db()).isEmpty());
        QCOMPARE(e.db().tableUrunler.state(), Dataset::State::Browse);
        QCOMPARE(f->urunAdi->text(), nameBefore);
    }

    // A quantity or price that is no number is refused by name before anything is written; so
    // is a fraction of a unit. The row stored after mending it is the only one.
    void numbersRefused_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");

        QTest::newRow("stock in letters") << "stoktakiBirimMiktari" << "on iki"
                                          << "Stoktaki Miktarı bir sayı olmalıdır (Örn. 12). Kayıt yapılmadı.";
        QTest::newRow("fractional stock")
            << "stoktakiBirimMiktari" << "5,25"
            << "Stoktaki Miktarı tam sayı olmalıdır; stok adedi kesirli olamaz (Örn. 5). Kayıt yapılmadı.";
        QTest::newRow("purchase price with a dot") << "birimAlisFiyati" << "2.5"
                                                   << "Birim Alış Fiyatı bir tutar olmalıdır (Örn. 12,50). Kayıt yapılmadı.";
        QTest::newRow("sale price in letters") << "birimSatisFiyati" << "üç lira"
                                               << "Birim Satış Fiyatı bir tutar olmalıdır (Örn. 12,50). Kayıt yapılmadı.";
        QTest::newRow("sale price with two commas") << "birimSatisFiyati" << "3,7,5"
                                                    << "Birim Satış Fiyatı bir tutar olmalıdır (Örn. 12,50). Kayıt yapılmadı.";
    }

    void numbersRefused()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        Entry e;
        addGroup(e.db(), u"Gıda"_s);
        QVERIFY(e.open());
        TFormUrunKayit* f = e.form;
        e.fillNewProduct();
        auto* edit = f->findChild<QLineEdit*>(field);
        edit->setText(text);
        e.save();

        QCOMPARE(e.dialogs.shown.size(), 1);
        QTEST(e.dialogs.last(), "message");
        QCOMPARE(e.focused(), field);
        QCOMPARE(edit->selectedText(), text);
        QVERIFY(storedProducts(e.db()).isEmpty());
        QCOMPARE(e.db().tableUrunler.state(), Dataset::State::Browse);

        const QString mended = field == QLatin1String("stoktakiBirimMiktari") ? u"12"_s
                               : field == QLatin1String("birimAlisFiyati")    ? u"2,5"_s
                                                                                : u"3,75"_s;
        edit->setText(mended);
        e.save();
        QCOMPARE(e.dialogs.last(), u"Yeni Stok Kaydedildi."_s);
        const QVector<Product> stored = storedProducts(e.db());
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.first().stock, 12);
        QCOMPARE(stored.first().purchase, u"2,5"_s);
        QCOMPARE(stored.first().sale, u"3,75"_s);
    }

    // A name too long for its column is refused by the data layer; no row is left to be
    // posted by the next write.
    void overlongNameLeavesNoRow()
    {
        Entry e;
        addGroup(e.db(), u"Gıda"_s);
        QVERIFY(e.open());
        e.fillNewProduct();
        e.form->urunAdi->setText(QString(51, u'x'));
        e.save();
        QCOMPARE(e.dialogs.shown.size(), 1);
        QVERIFY(e.dialogs.last().contains(u"UrunAdi"_s));
        QCOMPARE(e.db().tableUrunler.state(), Dataset::State::Browse);
        e.form->urunAdi->setText(u"Çay"_s);
        e.save();
        QCOMPARE(storedProducts(e.db()).size(), 1);
    }

    // Going straight to "Kaydet" after a known barcode is a return, not a second product.
    void kaydetLooksUpAnUncheckedBarcode_data()
    {
        QTest::addColumn<QString>("barcode");
        QTest::addColumn<int>("products");
        QTest::newRow("known barcode: a return") << "8690001" << 1;
        QTest::newRow("new barcode: saved") << "8690002" << 2;
    }

    void kaydetLooksUpAnUncheckedBarcode()
    {
        QFETCH(QString, barcode);
        QFETCH(int, products);
        Entry e;
        addGroup(e.db(), u"Gıda"_s);
        e.shop.addProduct(u"Çay"_s, u"8690001"_s, lira("3"));
        QVERIFY(e.open());
        TFormUrunKayit* f = e.form;
        e.fillNewProduct(u"99"_s);
        f->seriNumarasi->setFocus();
        f->seriNumarasi->setText(barcode);
        QVERIFY(!f->barkodSorgulandi);
        if (products == 1)
            e.dialogs.answerInput(u"2"_s);
        e.save();
        QCOMPARE(storedProducts(e.db()).size(), products);
        QCOMPARE(stockOf(e.shop, u"8690001"_s), products == 1 ? 22 : 20);
        QVERIFY(e.isEmpty());
    }

    void stockKeyFilter_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");

        QTest::newRow("a fraction can be typed") << "5,25" << "5,25";
        QTest::newRow("no leading comma") << ",5" << "5";
        QTest::newRow("no second comma") << "5,2,5" << "5,25";
        QTest::newRow("no letters") << "1a2" << "12";
        QTest::newRow("no minus") << "-5" << "5";
        QTest::newRow("backspace") << "12⌫" << "1";
        QTest::newRow("comma at the start") << "12⇤," << "12";
    }

    void stockKeyFilter()
    {
        QFETCH(QString, keys);
        Entry e;
        QVERIFY(e.open());
        e.form->stoktakiBirimMiktari->setFocus();
        play(e.form->stoktakiBirimMiktari, keys);
        QTEST(e.form->stoktakiBirimMiktari->text(), "text");
    }

    void stockPaste_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");

        QTest::newRow("a quantity") << "1.250" << "1.250";
        QTest::newRow("letters refused whole") << "12 adet" << "";
        QTest::newRow("a minus refused whole") << "-5" << "";
    }

    void stockPaste()
    {
        QFETCH(QString, pasted);
        Entry e;
        QVERIFY(e.open());
        e.form->stoktakiBirimMiktari->setFocus();
        pasteText(e.form->stoktakiBirimMiktari, pasted);
        QTEST(e.form->stoktakiBirimMiktari->text(), "text");
    }

    void barcodeColours()
    {
        Entry e;
        QVERIFY(e.open());
        QLineEdit* barcode = e.form->seriNumarasi;
        QCOMPARE(barcode->palette().color(QPalette::Base), QColor(Qt::darkGreen));
        QCOMPARE(barcode->palette().color(QPalette::Text), QColor(Qt::yellow));
        e.form->urunAdi->setFocus();
        QCOMPARE(barcode->palette().color(QPalette::Base), QColor(Qt::red));
        QCOMPARE(barcode->palette().color(QPalette::Text), QColor(Qt::yellow));
        barcode->setFocus();
        QCOMPARE(barcode->palette().color(QPalette::Base), QColor(Qt::darkGreen));
    }

    // The calculator button is hidden; pressed all the same, it wants a group first.
    void calculatorButton()
    {
        Entry e;
        addGroup(e.db(), u"Gıda"_s);
        QVERIFY(e.open());
        e.form->buttonSatisFiyatiHesabiClick();
        QCOMPARE(e.dialogs.shown, QStringList{"Lütfen Önce Ürün Kategorisini Seçin."});
        QCOMPARE(e.focused(), u"ComboKategoriler"_s);
        e.chooseGroup(0);
        e.form->buttonSatisFiyatiHesabiClick();
        QCOMPARE(e.dialogs.shown.size(), 1);
    }

    void wideScreen_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("shift");
        QTest::newRow("1152: as designed") << 1152 << QPoint(0, 0);
        QTest::newRow("1280") << 1280 << QPoint(154, 22);
        QTest::newRow("1366") << 1366 << QPoint(164, 23);
    }

    void wideScreen()
    {
        QFETCH(int, width);
        QFETCH(QPoint, shift);
        QVector<QPoint> designed;
        QVector<QPoint> hidden;
        const auto moved = [](TFormUrunKayit* f) {
            return QVector<QWidget*>{f->baslik, f->barkodResmi, f->barkodLabel, f->seriNumarasi, f->urunAdiLabel, f->urunAdi,
                                     f->grupLabel, f->ComboKategoriler, f->miktarLabel, f->stoktakiBirimMiktari, f->alisFiyatiLabel,
                                     f->birimAlisFiyati, f->satisFiyatiLabel, f->birimSatisFiyati, f->kaydet, f->Temizle,
                                     f->kapatButton, f->buttonSatisFiyatiHesabi};
        };
        {
            Entry e;
            QVERIFY(e.open());
            for (QWidget* w : moved(e.form))
                designed << w->pos();
            hidden << e.form->UrunAciklamasi->pos() << e.form->KategoriNo->pos();
        }
        Screen::setWidth(width);
        Entry e;
        QVERIFY(e.open());
        const QVector<QWidget*> widgets = moved(e.form);
        QCOMPARE(widgets.size(), 18);
        for (int i = 0; i < widgets.size(); ++i)
            QCOMPARE(widgets[i]->pos(), designed[i] + shift);
        QCOMPARE(e.form->UrunAciklamasi->pos(), hidden[0]);
        QCOMPARE(e.form->KategoriNo->pos(), hidden[1]);
    }

    void closes()
    {
        Entry e;
        QVERIFY(e.open());
        const std::pair<Dataset*, QString> filters[] = {{&e.db().tableUrunler, "[UrunNo]=1"},
                                                        {&e.db().tableKategoriler, "[KategoriNo]=1"},
                                                        {&e.db().tableUreticiler, "[UreticiNo]=1"},
                                                        {&e.db().tableSatislar, "[SatisNo]=-1"}};
        for (const auto& [shared, filter] : filters) {
            shared->setFilter(filter);
            shared->setFiltered(true);
        }
        QSignalSpy closed(e.form.data(), &WorkWindow::closed);
        QTest::keyClick(e.form->urunAdi, Qt::Key_Escape);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!acikFormVar);
        for (const auto& [shared, filter] : filters)
            QVERIFY(!shared->filtered());
    }
};

DUKKANO_TEST_MAIN(TestUrunKayit)

#include "test_urunkayit.moc"
