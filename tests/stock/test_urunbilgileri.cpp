// The stock list window: barcode, name and group searches and how they combine, the reset,
// stock additions, deletion, grid editing, what closing stores and reopens, the selection kept
// for labels, the wide-screen shift and the workbook export read back from the file.
#include "Clock.h"
#include "DataGrid.h"
#include "DatasetModel.h"
#include "NameSearch.h"
#include "ProgramState.h"
#include "Screen.h"
#include "SpreadsheetFiles.h"
#include "TestSupport.h"
#include "UrunBilgileriD.h"
#include "XlsxFile.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::test;

namespace {

// Grid columns of the window, hidden ones included.
enum Column { StokNo, StokAdi, Aciklama, GrupNo, UreticiNo, Barkod, GrupAdi, StokAdedi, Alis, Satis, Fiyat2 };

const QString degisiklikBasligi = u"Ürün Bilgileri Değişikliği"_s;
const QString silmeSorusu = u"Seçili Kaydı Silmek İstediğinizden Emin misiniz ?"_s;
const QString bulunamadi = u"Belirtilen Seri Numarasına Sahip Bir Ürün Bulunamadı."_s;

// A shop with the stock list open over it, exports going to a folder of the test and the
// desktop's spreadsheet program replaced by a recorder. The window goes before the shop.
struct StockList {
    TempShop shop;
    ScriptedDialogs dialogs;
    QPointer<TformUrunBilgileriD> form;
    QTemporaryDir exports;
    QStringList opened;
    bool spreadsheetProgram = true;

    StockList()
    {
        Clock::set(QDateTime(QDate(2026, 12, 9), QTime(10, 30)));
        Screen::setWidth(1024);
        spreadsheet::setExportFolder(exports.path());
        spreadsheet::setDesktopOpener([this](const QString& path) {
            opened << path;
            return spreadsheetProgram;
        });
    }

    ~StockList()
    {
        delete form.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        acikFormVar = false;
        spreadsheet::setDesktopOpener(nullptr);
        spreadsheet::setExportFolder(QString());
        Screen::setWidth(0);
        Clock::set(QDateTime());
    }

    Veritabani& db() { return shop.db(); }

    qint64 addGroup(const QString& name) { return test::addGroup(db(), name, Money()); }

    qint64 addProduct(const QString& name, const QString& barcode, qint64 stock = 10, qint64 group = 1,
                      const QString& groupName = QString())
    {
        const qint64 no = shop.addProduct(name, barcode, lira("12,5"), lira("10"), stock);
        auto st = db().baglanti.prepare(u"UPDATE Urunler SET KategoriNo = ?, GrupAdi = ? WHERE UrunNo = ?"_s);
        st.bind(1, group);
        st.bind(2, groupName);
        st.bind(3, no);
        st.step();
        return no;
    }

    // The shared objects see what the test wrote, as after a start of the program.
    bool open()
    {
        db().tableUrunler.reopen();
        db().tableKategoriler.reopen();
        db().tableUreticiler.reopen();
        form = new TformUrunBilgileriD(db());
        form->show();
        QApplication::setActiveWindow(form);
        return QTest::qWaitForWindowActive(form);
    }

    QStringList names() const
    {
        QStringList shown;
        const DatasetModel* model = form->dsUrunler;
        for (int row = 0; row < model->rowCount(); ++row)
            shown << model->index(row, StokAdi).data().toString();
        return shown;
    }

    // Entering the barcode field from another field of the window.
    void enterBarcodeField()
    {
        form->urunAdi->setFocus();
        form->seriNumarasi->setFocus();
    }

    void scan(const QString& barcode)
    {
        enterBarcodeField();
        typeText(form->seriNumarasi, barcode);
        QTest::keyClick(form->seriNumarasi, Qt::Key_Return);
    }

    // Types over the name field, which shows the current product's name.
    void typeName(const QString& text)
    {
        form->urunAdi->setFocus();
        form->urunAdi->selectAll();
        typeText(form->urunAdi, text);
    }

    void chooseGroup(const QString& name)
    {
        QComboBox* combo = form->ComboKategoriler;
        const int index = combo->findText(name);
        QVERIFY(index >= 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    void selectRow(int row)
    {
        form->urunlerGrid->setCurrentIndex(form->dsUrunler->index(row, StokAdi));
    }

    QLineEdit* typeIntoCell(int row, int column, const QString& text)
    {
        return test::typeIntoCell(form->urunlerGrid, row, column, text);
    }

    QVariant stored(qint64 urunNo, const QString& field)
    {
        return shop.scalar(u"SELECT %1 FROM Urunler WHERE UrunNo = ?"_s.arg(field), {urunNo});
    }
};

// Names chosen to test Turkish order and case: ç after c, ı before i, I = upper ı, İ = upper i.
void addTurkishShop(StockList& s)
{
    const qint64 temizlik = s.addGroup(u"Temizlik"_s);
    const qint64 gida = s.addGroup(u"Gıda"_s);
    const qint64 icecek = s.addGroup(u"İçecek"_s);
    s.addProduct(u"Zeytin"_s, u"101"_s, 10, gida, u"Gıda"_s);
    s.addProduct(u"çay"_s, u"102"_s, 10, gida, u"Gıda"_s);
    s.addProduct(u"Irmak Sabunu"_s, u"103"_s, 10, temizlik, u"Temizlik"_s);
    s.addProduct(u"Çikolata"_s, u"222"_s, 10, gida, u"Gıda"_s);
    s.addProduct(u"ıhlamur"_s, u"104"_s, 10, icecek, u"İçecek"_s);
    s.addProduct(u"İncir"_s, u"12'3"_s, 10, gida, u"Gıda"_s);
    s.addProduct(u"Armut"_s, u"105"_s, 10, temizlik, u"Temizlik"_s);
    s.addProduct(u"Ali'nin Çayı"_s, u"106"_s, 10, icecek, u"İçecek"_s);
}

const QStringList allNames = {u"Ali'nin Çayı"_s, u"Armut"_s, u"çay"_s,
                              u"Çikolata"_s, u"ıhlamur"_s, u"Irmak Sabunu"_s,
                              u"İncir"_s, u"Zeytin"_s};

} // namespace

class TestUrunBilgileri : public QObject {
    Q_OBJECT

private slots:
    void opensWithEveryProductInTurkishOrder()
    {
        StockList s;
        addTurkishShop(s);
        setCurrencyText(u"$ "_s);
        QVERIFY(s.open());
        TformUrunBilgileriD* f = s.form;

        QCOMPARE(f->windowTitle(), u"Stok Ekle ve Listele"_s);
        QVERIFY(acikFormVar);
        QCOMPARE(currencyText(), u"TL "_s);
        QCOMPARE(s.names(), allNames);
        QCOMPARE(f->urunAdi->text(), u"Ali'nin Çayı"_s);
        QCOMPARE(f->seriNumarasi->text(), u"106"_s);
        QCOMPARE(f->dSetUrunler.sql(), u"select * from  Urunler ORDER BY UrunAdi"_s);

        QStringList shownTitles;
        for (int c = 0; c < f->dsUrunler->columnCount(); ++c) {
            if (!f->urunlerGrid->isColumnHidden(c))
                shownTitles << f->dsUrunler->headerData(c, Qt::Horizontal).toString();
        }
        QCOMPARE(shownTitles, (QStringList{"Stok No", "Stok Adı", "Barkod No", "Grup Adı", "Stok Adedi",
                                           "Birim Alış Fiyatı", "Birim Satış Fiyatı", "Birim 2. Fiyat"}));
        QCOMPARE(f->dsUrunler->headerData(Aciklama, Qt::Horizontal).toString(), u"Ürün Açıklaması"_s);
        QCOMPARE(f->dsUrunler->headerData(UreticiNo, Qt::Horizontal).toString(), u"Üretici No"_s);
        const QModelIndex price = f->dsUrunler->index(0, Satis);
        QCOMPARE(price.data().toString(), u"12,50 TL"_s);
        QCOMPARE(f->dsUrunler->index(0, Fiyat2).data().toString(), u"12,50 TL"_s);
        QCOMPARE(f->dsUrunler->index(0, Alis).data().toString(), u"10,00 TL"_s);
        for (const int centred : {StokAdedi, Fiyat2})
            QCOMPARE(f->dsUrunler->index(0, centred).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                     Qt::Alignment(Qt::AlignCenter));
        QVERIFY(!(f->dsUrunler->flags(f->dsUrunler->index(0, StokNo)) & Qt::ItemIsEditable));
        for (const int editable : {StokAdi, Barkod, GrupAdi, StokAdedi, Alis, Satis, Fiyat2})
            QVERIFY(f->dsUrunler->flags(f->dsUrunler->index(0, editable)) & Qt::ItemIsEditable);

        QCOMPARE(f->ComboKategoriler->count(), 4);
        QCOMPARE(f->ComboKategoriler->itemText(0), QString());
        QCOMPARE(f->ComboKategoriler->itemText(1), u"Gıda"_s);
        QCOMPARE(f->ComboKategoriler->itemText(2), u"İçecek"_s);
        QCOMPARE(f->ComboKategoriler->itemText(3), u"Temizlik"_s);

        QCOMPARE(f->barkodBas->text(), u"BARKOD Bas"_s);
        QCOMPARE(f->barkodNotu->text(), u"NOT: Seçili olan ürünün barkodu basılır."_s);
        QCOMPARE(f->secimNotu->text(), u"Birden fazla ürün seçebilirsiniz."_s);
        for (QWidget* hidden : std::initializer_list<QWidget*>{f->buttonSatisFiyatiHesabi, f->ComboUreticiler,
                                                               f->kategoriNo, f->ureticiNo, f->fiyatLabel})
            QVERIFY(!hidden->isVisible());
        f->buttonSatisFiyatiHesabi->click();
        QVERIFY(s.dialogs.shown.isEmpty());
        QCOMPARE(s.names(), allNames);
    }

    void barcodeSearch_data()
    {
        QTest::addColumn<QString>("barcode");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("nameField");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("known barcode") << "222" << QStringList{"Çikolata"} << "Çikolata" << QStringList();
        QTest::newRow("quote in the barcode") << "12'3" << QStringList{"İncir"} << "İncir" << QStringList();
        QTest::newRow("unregistered barcode shows the whole list")
            << "999" << allNames << "Ali'nin Çayı" << QStringList{bulunamadi};
        QTest::newRow("Enter on an empty field does nothing") << "" << allNames << "Ali'nin Çayı" << QStringList();
    }

    void barcodeSearch()
    {
        QFETCH(QString, barcode);
        StockList s;
        addTurkishShop(s);
        QVERIFY(s.open());
        s.scan(barcode);
        QTEST(s.names(), "names");
        QTEST(s.form->urunAdi->text(), "nameField");
        QTEST(s.dialogs.shown, "messages");
        QCOMPARE(s.form->seriNumarasi->text(), barcode);

        // Leaving the field shows the current product's barcode again.
        s.form->urunAdi->setFocus();
        const QString current = s.form->dSetUrunler.text(u"SeriNumarasi"_s);
        QCOMPARE(s.form->seriNumarasi->text(), current);
        QCOMPARE(s.form->seriNumarasi->palette().color(QPalette::Base), QColor(Qt::red));
    }

    void emptyingTheBarcodeShowsEveryProduct()
    {
        StockList s;
        addTurkishShop(s);
        QVERIFY(s.open());
        s.scan(u"222"_s);
        QCOMPARE(s.names(), QStringList{"Çikolata"});
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(s.form->seriNumarasi, Qt::Key_Backspace);
        QCOMPARE(s.names(), allNames);
    }

    void enteringTheBarcodeFieldResetsTheSearches()
    {
        StockList s;
        addTurkishShop(s);
        QVERIFY(s.open());
        s.typeName(u"ç"_s);
        s.chooseGroup(u"Gıda"_s);
        QCOMPARE(s.names(), (QStringList{"çay", "Çikolata"}));

        s.form->seriNumarasi->setFocus();
        QCOMPARE(s.names(), allNames);
        QCOMPARE(s.form->ComboKategoriler->currentIndex(), 0);
        QCOMPARE(s.form->seriNumarasi->text(), QString());
        QCOMPARE(s.form->urunAdi->text(), u"Ali'nin Çayı"_s);  // the current product
        QCOMPARE(s.form->seriNumarasi->palette().color(QPalette::Base), QColor(Qt::green));
        QVERIFY(s.dialogs.shown.isEmpty());
    }

    void nameSearch_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("names");

        QTest::newRow("ç finds ç and Ç") << "ç" << QStringList{"çay", "Çikolata"};
        QTest::newRow("Ç finds ç and Ç") << "Ç" << QStringList{"çay", "Çikolata"};
        QTest::newRow("i finds İ, not I") << "i" << QStringList{"İncir"};
        QTest::newRow("İ finds İ") << "İ" << QStringList{"İncir"};
        QTest::newRow("ı finds ı and I") << "ı" << QStringList{"ıhlamur", "Irmak Sabunu"};
        QTest::newRow("I finds ı and I") << "I" << QStringList{"ıhlamur", "Irmak Sabunu"};
        QTest::newRow("two letters") << "çi" << QStringList{"Çikolata"};
        QTest::newRow("the quote is a character") << "Ali'" << QStringList{"Ali'nin Çayı"};
        QTest::newRow("nothing begins so") << "x" << QStringList();
        QTest::newRow("% stays a wildcard") << "%" << allNames;
        QTest::newRow("_ stays a wildcard") << "_a" << QStringList{"çay"};
    }

    void nameSearch()
    {
        QFETCH(QString, typed);
        StockList s;
        addTurkishShop(s);
        QVERIFY(s.open());
        s.typeName(typed);
        QTEST(s.names(), "names");
        Dataset nameSearch(s.db().baglanti, u"Urunler"_s);
        searchByName(nameSearch, u"Urunler"_s, u"UrunAdi"_s, typed, NameMatch::BeginsWith,
                     u"UrunAdi"_s);
        QCOMPARE(s.form->dSetUrunler.sql(), nameSearch.sql());
        QVERIFY(s.dialogs.shown.isEmpty());
    }

    void nameAndGroupCombine_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("groups");  // chosen one after the other
        QTest::addColumn<QStringList>("names");

        QTest::newRow("group alone") << "" << QStringList{"Gıda"} << QStringList{"çay", "Çikolata", "İncir", "Zeytin"};
        QTest::newRow("Ç within a group") << "Ç" << QStringList{"Gıda"} << QStringList{"çay", "Çikolata"};
        QTest::newRow("ı within another group") << "ı" << QStringList{"İçecek"} << QStringList{"ıhlamur"};
        QTest::newRow("no match in the group") << "ç" << QStringList{"İçecek"} << QStringList();
        QTest::newRow("a later group replaces the earlier")
            << "" << QStringList{"Gıda", "Temizlik"} << QStringList{"Armut", "Irmak Sabunu"};
        QTest::newRow("empty item shows the name search again")
            << "ç" << QStringList{"Gıda", ""} << QStringList{"çay", "Çikolata"};
        QTest::newRow("empty item shows everything") << "" << QStringList{"İçecek", ""} << allNames;
    }

    void nameAndGroupCombine()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, groups);
        StockList s;
        addTurkishShop(s);
        QVERIFY(s.open());
        for (const bool nameFirst : {true, false}) {
            s.enterBarcodeField();
            if (nameFirst)
                s.typeName(typed);
            for (const QString& group : groups)
                s.chooseGroup(group);
            if (!nameFirst)
                s.typeName(typed);
            QTEST(s.names(), "names");
        }
        QVERIFY(s.dialogs.shown.isEmpty());
    }

    void barcodeReplacesTheGroupFilter()
    {
        StockList s;
        addTurkishShop(s);
        QVERIFY(s.open());
        s.chooseGroup(u"Temizlik"_s);
        QCOMPARE(s.names(), (QStringList{"Armut", "Irmak Sabunu"}));
        s.scan(u"222"_s);
        QCOMPARE(s.names(), QStringList{"Çikolata"});
    }

    void temizleResetsEverything()
    {
        StockList s;
        addTurkishShop(s);
        QVERIFY(s.open());
        s.typeName(u"ç"_s);
        s.chooseGroup(u"Gıda"_s);
        s.form->birimMiktari->setText(u"5"_s);
        QTest::mouseClick(s.form->temizle, Qt::LeftButton);

        QCOMPARE(s.names(), allNames);
        QCOMPARE(s.form->ComboKategoriler->currentIndex(), 0);
        QCOMPARE(s.form->birimMiktari->text(), QString());
        QCOMPARE(s.form->seriNumarasi->text(), QString());
        QVERIFY(s.form->seriNumarasi->hasFocus());
        QCOMPARE(s.form->dSetUrunler.filtered(), false);

        // Pressed again while the barcode field has the focus, it still resets.
        s.form->seriNumarasi->setFocus();
        s.typeName(u"Z"_s);
        s.form->seriNumarasi->setFocus();
        typeText(s.form->seriNumarasi, u"22"_s);
        s.form->temizleClick();
        QCOMPARE(s.names(), allNames);
        QCOMPARE(s.form->seriNumarasi->text(), QString());
    }

    void listFollowsTheCurrentRow()
    {
        StockList s;
        addTurkishShop(s);
        QVERIFY(s.open());
        s.form->urunlerGrid->setFocus();
        s.selectRow(3);
        QCOMPARE(s.form->urunAdi->text(), u"Çikolata"_s);
        QCOMPARE(s.form->seriNumarasi->text(), u"222"_s);
        QCOMPARE(s.form->kategoriNo->currentText(), u"Gıda"_s);
        QCOMPARE(s.db().tableKategoriler.text(u"KategoriAdi"_s), u"Gıda"_s);
    }

    void addingUnits_data()
    {
        QTest::addColumn<QStringList>("typed");     // one click of "Ekle" each
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<qint64>("stock");
        QTest::addColumn<QStringList>("boxes");

        const auto question = [](const QString& n) {
            return u"Bu Ürüne %1 Birim Ekleme Yapmak İstediğinizden Emin Misiniz ?"_s.arg(n);
        };
        QTest::newRow("five twice") << QStringList{"5", "5"} << QList<bool>{true, true} << qint64(20)
                                    << QStringList{question("5"), question("5")};
        QTest::newRow("minus three") << QStringList{"-3"} << QList<bool>{true} << qint64(7) << QStringList{question("-3")};
        QTest::newRow("answered no") << QStringList{"5"} << QList<bool>{false} << qint64(10) << QStringList{question("5")};
        QTest::newRow("a thousand the Turkish way") << QStringList{"1.000"} << QList<bool>{true} << qint64(1010)
                                                   << QStringList{question("1.000")};
        QTest::newRow("whole number with a zero decimal") << QStringList{"3,0"} << QList<bool>{true} << qint64(13)
                                                         << QStringList{question("3,0")};
        QTest::newRow("fraction refused") << QStringList{"2,5"} << QList<bool>{} << qint64(10)
            << QStringList{"Stok adedi tam sayı olarak tutulur; \"2,5\" gibi kesirli bir adet eklenemez. Lütfen tam sayı yazınız."};
        QTest::newRow("tiny fraction refused") << QStringList{"2,00001"} << QList<bool>{} << qint64(10)
            << QStringList{"Stok adedi tam sayı olarak tutulur; \"2,00001\" gibi kesirli bir adet eklenemez. Lütfen tam sayı yazınız."};
        QTest::newRow("not a number refused") << QStringList{"abc"} << QList<bool>{} << qint64(10)
            << QStringList{"\"abc\" bir sayı değil. Lütfen eklenecek adedi tam sayı olarak yazınız (örneğin 5 ya da -3)."};
        QTest::newRow("empty asks nothing") << QStringList{""} << QList<bool>{} << qint64(10) << QStringList();
        QTest::newRow("blank asks nothing") << QStringList{"  "} << QList<bool>{} << qint64(10) << QStringList();
        QTest::newRow("zero asks nothing") << QStringList{"0"} << QList<bool>{} << qint64(10) << QStringList();
        QTest::newRow("zero with decimals asks nothing") << QStringList{"0,00"} << QList<bool>{} << qint64(10) << QStringList();
    }

    void addingUnits()
    {
        QFETCH(QStringList, typed);
        QFETCH(QList<bool>, answers);
        StockList s;
        const qint64 other = s.addProduct(u"Armut"_s, u"1"_s, 10);
        const qint64 chosen = s.addProduct(u"Elma"_s, u"2"_s, 10);
        QVERIFY(s.open());
        s.selectRow(1);
        for (bool yes : answers)
            s.dialogs.answerQuestion(yes);
        for (const QString& text : typed) {
            s.form->birimMiktari->setText(text);
            QTest::mouseClick(s.form->ekle, Qt::LeftButton);
            QCOMPARE(s.form->birimMiktari->text(), text);  // kept for the next click
        }
        QTEST(s.stored(chosen, u"StoktakiBirimMiktari"_s).toLongLong(), "stock");
        QCOMPARE(s.stored(other, u"StoktakiBirimMiktari"_s).toLongLong(), qint64(10));
        QTEST(s.dialogs.shown, "boxes");
        for (int i = 0; i < answers.size(); ++i)
            QCOMPARE(s.dialogs.captions[i], degisiklikBasligi);
        QFETCH(qint64, stock);
        QCOMPARE(s.form->dsUrunler->index(1, StokAdedi).data().toString(), QString::number(stock));
    }

    void clickSelectsTheWholeQuantity()
    {
        StockList s;
        s.addProduct(u"Armut"_s, u"1"_s);
        QVERIFY(s.open());
        s.form->birimMiktari->setText(u"125"_s);
        QTest::mouseClick(s.form->birimMiktari, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(s.form->birimMiktari->selectedText(), u"125"_s);
    }

    void addingUnitsToAnEmptyListChangesNothing()
    {
        StockList s;
        s.addProduct(u"Armut"_s, u"1"_s, 10);
        QVERIFY(s.open());
        s.typeName(u"x"_s);
        s.form->birimMiktari->setText(u"5"_s);
        s.form->ekleClick();
        QCOMPARE(s.dialogs.shown, QStringList{"Stok adedi eklenecek bir ürün seçili değil."});
        QCOMPARE(s.shop.count("Urunler"), qint64(1));
    }

    void deleting_data()
    {
        QTest::addColumn<bool>("gridKey");  // Ctrl+Del in the grid instead of "Ürünü Sil"
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("names");

        QTest::newRow("button, no keeps the row") << false << false << QStringList{"Armut", "Elma", "Kiraz"};
        QTest::newRow("button, yes deletes") << false << true << QStringList{"Armut", "Kiraz"};
        QTest::newRow("grid key, no keeps the row") << true << false << QStringList{"Armut", "Elma", "Kiraz"};
        QTest::newRow("grid key, yes deletes") << true << true << QStringList{"Armut", "Kiraz"};
    }

    void deleting()
    {
        QFETCH(bool, gridKey);
        QFETCH(bool, yes);
        StockList s;
        s.addProduct(u"Kiraz"_s, u"3"_s);
        s.addProduct(u"Elma"_s, u"2"_s);
        s.addProduct(u"Armut"_s, u"1"_s);
        QVERIFY(s.open());
        s.selectRow(1);
        s.dialogs.answerQuestion(yes);
        if (gridKey) {
            s.form->urunlerGrid->setFocus();
            QTest::keyClick(s.form->urunlerGrid, Qt::Key_Delete, Qt::ControlModifier);
        } else {
            QTest::mouseClick(s.form->urunuSil, Qt::LeftButton);
            QVERIFY(s.form->urunAdi->hasFocus());
        }
        QCOMPARE(s.dialogs.shown, QStringList{silmeSorusu});
        QCOMPARE(s.dialogs.captions, QStringList{degisiklikBasligi});
        QTEST(s.names(), "names");
        s.db().tableUrunler.reopen();
        QCOMPARE(s.db().tableUrunler.recordCount(), yes ? 2 : 3);
    }

    void deletingFromAnEmptyListAsksNothing()
    {
        StockList s;
        s.addProduct(u"Armut"_s, u"1"_s);
        QVERIFY(s.open());
        s.typeName(u"x"_s);
        s.form->urunuSilClick();
        QVERIFY(s.dialogs.shown.isEmpty());
        QVERIFY(s.form->urunAdi->hasFocus());
        QCOMPARE(s.shop.count("Urunler"), qint64(1));
    }

    void gridEdits_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("refused");

        QTest::newRow("name") << int(StokAdi) << "Ayva" << "UrunAdi" << QVariant("Ayva") << false;
        QTest::newRow("barcode") << int(Barkod) << "0099" << "SeriNumarasi" << QVariant("0099") << false;
        QTest::newRow("group name copy") << int(GrupAdi) << "Meyve" << "GrupAdi" << QVariant("Meyve") << false;
        QTest::newRow("stock typed over") << int(StokAdedi) << "-4" << "StoktakiBirimMiktari" << QVariant(-4) << false;
        QTest::newRow("sale price") << int(Satis) << "15,75" << "BirimSatisFiyati" << QVariant(157500) << false;
        QTest::newRow("second price") << int(Fiyat2) << "9" << "BarkodFiyat2" << QVariant(90000) << false;
        QTest::newRow("fraction of a unit refused") << int(StokAdedi) << "2,5" << "StoktakiBirimMiktari" << QVariant(10) << true;
        QTest::newRow("words for stock refused") << int(StokAdedi) << "on" << "StoktakiBirimMiktari" << QVariant(10) << true;
        QTest::newRow("name too long refused") << int(StokAdi) << QString(51, u'A') << "UrunAdi" << QVariant("Armut") << true;
    }

    void gridEdits()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, field);
        QFETCH(bool, refused);
        StockList s;
        const qint64 armut = s.addProduct(u"Armut"_s, u"1"_s, 10);
        s.addProduct(u"Elma"_s, u"2"_s, 10);
        QVERIFY(s.open());
        QVERIFY(s.typeIntoCell(0, column, typed));
        s.form->urunAdi->setFocus();  // leaving the grid stores the row
        QTEST(s.stored(armut, field), "stored");
        QCOMPARE(s.dialogs.shown.size(), refused ? 1 : 0);
        QCOMPARE(s.stored(armut, u"UreticiNo"_s).toLongLong(), qint64(0));
    }

    // The barcode field reloads the list as the focus comes in; the grid's row must be stored first.
    void editStoredBeforeTheListReloads_data()
    {
        QTest::addColumn<bool>("barcodeField");
        QTest::newRow("into the barcode field") << true;
        QTest::newRow("into the name field, typing") << false;
    }

    void editStoredBeforeTheListReloads()
    {
        QFETCH(bool, barcodeField);
        StockList s;
        const qint64 armut = s.addProduct(u"Armut"_s, u"1"_s, 10);
        QVERIFY(s.open());
        QVERIFY(s.typeIntoCell(0, StokAdedi, u"33"_s));
        if (barcodeField)
            s.form->seriNumarasi->setFocus();
        else
            s.typeName(u"A"_s);
        QCOMPARE(s.stored(armut, u"StoktakiBirimMiktari"_s).toLongLong(), qint64(33));
        QCOMPARE(s.form->dsUrunler->index(0, StokAdedi).data().toString(), u"33"_s);
    }

    void emptyProducerBecomesZero_data()
    {
        QTest::addColumn<bool>("newRow");
        QTest::newRow("row inserted in the grid") << true;
        QTest::newRow("old row without a producer") << false;
    }

    void emptyProducerBecomesZero()
    {
        QFETCH(bool, newRow);
        StockList s;
        const qint64 armut = s.addProduct(u"Armut"_s, u"1"_s);
        s.db().baglanti.exec(u"UPDATE Urunler SET UreticiNo = NULL"_s);
        QVERIFY(s.open());
        s.form->urunlerGrid->setFocus();
        if (newRow) {
            QTest::keyClick(s.form->urunlerGrid, Qt::Key_Insert);
            QVERIFY(s.typeIntoCell(1, StokAdi, u"Yeni Ürün"_s));
        } else {
            QVERIFY(s.typeIntoCell(0, StokAdi, u"Ayva"_s));
        }
        s.form->urunAdi->setFocus();
        const qint64 product = newRow ? s.db().baglanti.lastInsertId() : armut;
        QCOMPARE(s.stored(product, u"UrunAdi"_s).toString(),
                 newRow ? u"Yeni Ürün"_s : u"Ayva"_s);
        QCOMPARE(s.stored(product, u"UreticiNo"_s), QVariant(qint64(0)));
        QCOMPARE(s.shop.count("Urunler"), newRow ? qint64(2) : qint64(1));
    }

    void closing_data()
    {
        QTest::addColumn<QString>("pending");
        QTest::addColumn<QStringList>("stored");

        QTest::newRow("cell still being edited") << "edit" << QStringList{"Armut Yeni", "Elma"};
        QTest::newRow("new row left empty is dropped") << "empty row" << QStringList{"Armut", "Elma"};
        QTest::newRow("new row with a name is stored") << "new row" << QStringList{"Armut", "Elma", "Kiraz"};
        QTest::newRow("nothing pending") << "" << QStringList{"Armut", "Elma"};
    }

    void closing()
    {
        QFETCH(QString, pending);
        StockList s;
        const qint64 armut = s.addProduct(u"Armut"_s, u"1"_s);
        s.addProduct(u"Elma"_s, u"2"_s);
        Dataset& urunler = s.db().tableUrunler;
        QVERIFY(s.open());
        QCOMPARE(urunler.text(u"UrunAdi"_s), u"Armut"_s);  // read before the edit
        if (pending == u"edit") {
            QVERIFY(s.typeIntoCell(0, StokAdi, u"Armut Yeni"_s));
        } else if (pending != u"") {
            s.form->urunlerGrid->setFocus();
            QTest::keyClick(s.form->urunlerGrid, Qt::Key_Insert);
            if (pending == u"new row")
                QVERIFY(s.typeIntoCell(2, StokAdi, u"Kiraz"_s));
        }
        urunler.setFilter(u"[UrunNo]='2'"_s);
        urunler.setFiltered(true);
        s.db().tableMusteriler.setFilter(u"[MusteriNo]='5'"_s);
        s.db().tableMusteriler.setFiltered(true);

        QVERIFY(s.form->close());
        QVERIFY(!acikFormVar);
        const QStringList names = s.shop.firstColumn(u"SELECT UrunAdi FROM Urunler ORDER BY UrunNo"_s);
        QTEST(names, "stored");
        QVERIFY(!urunler.filtered());
        QVERIFY(!s.db().tableMusteriler.filtered());
        QVERIFY(urunler.isOpen());
        QCOMPARE(urunler.recordCount(), int(names.size()));
        QVERIFY(urunler.locate(u"UrunNo"_s, armut));
        QCOMPARE(urunler.text(u"UrunAdi"_s), names.first());  // reopened: sees the edit
        QVERIFY(s.dialogs.shown.isEmpty());
    }

    void kapatClosesTheWindowWithItsFrame()
    {
        TempShop shop;
        ScriptedDialogs dialogs;
        QMdiArea area;
        area.show();
        auto* form = new TformUrunBilgileriD(shop.db());
        QPointer<QMdiSubWindow> frame = area.addSubWindow(form);
        frame->show();
        QSignalSpy closed(form, &WorkWindow::closed);
        QTest::mouseClick(form->kapat, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(closed.size(), 1);
        QVERIFY(frame.isNull());
        QVERIFY(!acikFormVar);
    }

    void selectedProductsForLabels()
    {
        StockList s;
        const qint64 armut = s.addProduct(u"Armut"_s, u"1"_s);
        s.addProduct(u"Elma"_s, u"2"_s);
        const qint64 kiraz = s.addProduct(u"Kiraz"_s, u"3"_s);
        QVERIFY(s.open());
        DataGrid* grid = s.form->urunlerGrid;
        const auto click = [&](int row, Qt::KeyboardModifiers modifiers) {
            const QRect cell = grid->visualRect(s.form->dsUrunler->index(row, StokAdi));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, cell.center());
        };
        click(2, Qt::NoModifier);
        click(0, Qt::ControlModifier);
        QCOMPARE(s.form->seciliUrunler(), (QVector<qint64>{armut, kiraz}));
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(s.form->seciliUrunler().size(), 1);  // a keyboard move without Shift starts afresh
        s.form->barkodBasClick();
        QVERIFY(s.dialogs.shown.isEmpty());
    }

    void wideScreenShift_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("right");

        QTest::newRow("1152 wide: nothing moves") << 1152 << 0;
        QTest::newRow("1280 wide") << 1280 << 154;
        QTest::newRow("1920 wide") << 1920 << 230;
    }

    void wideScreenShift()
    {
        QFETCH(int, width);
        QFETCH(int, right);
        const auto positions = [](TformUrunBilgileriD* f) {
            QVector<QPoint> at;
            for (QWidget* w : std::initializer_list<QWidget*>{
                     f->urunlerGrid, f->urunuSil, f->barkodBas, f->BitBtnExcel, f->buttonSatisFiyatiHesabi,
                     f->ComboKategoriler, f->ComboUreticiler, f->stokEkleKutusu, f->barkodResmi, f->kapat, f->kategoriNo,
                     f->barkodLabel, f->barkodNotu, f->secimNotu, f->urunAdiLabel, f->grupLabel, f->kategoriNoLabel, f->ureticiNoLabel,
                     f->seriNumarasi, f->temizle, f->urunAdi})
                at << w->pos();
            return at;
        };
        TempShop shop;
        ScriptedDialogs dialogs;
        Screen::setWidth(1024);
        auto* narrow = new TformUrunBilgileriD(shop.db());
        const QVector<QPoint> before = positions(narrow);
        const QPoint boxBefore = narrow->birimMiktari->pos();
        delete narrow;
        Screen::setWidth(width);
        auto* wide = new TformUrunBilgileriD(shop.db());
        const QVector<QPoint> after = positions(wide);
        QCOMPARE(wide->birimMiktari->pos(), boxBefore);  // moves with its frame only
        delete wide;
        Screen::setWidth(0);
        acikFormVar = false;
        QCOMPARE(after.size(), 21);
        for (int i = 0; i < after.size(); ++i)
            QCOMPARE(after[i], before[i] + QPoint(right, 0));
    }

    void exportWritesEveryProduct()
    {
        StockList s;
        s.addProduct(u"Şeker"_s, u"0012345"_s, 7, 1, u"Gıda"_s);
        s.addProduct(u"Çay Bardağı İnce"_s, u"8690000000001"_s, -2, 1, u"Züccaciye"_s);
        s.addProduct(u"Un"_s, QString(), 0, 1, QString());
        QVERIFY(s.open());
        s.typeName(u"Ş"_s);  // the export does not follow the list's search
        QTest::mouseClick(s.form->BitBtnExcel, Qt::LeftButton);

        const QString path = s.exports.filePath(u"Dukkano-Stok-2026-12-09.xlsx"_s);
        QCOMPARE(s.opened, QStringList{path});
        QVERIFY(s.dialogs.shown.isEmpty());
        QVERIFY(!s.form->excelIlerleme->isVisible());
        const XlsxFile file(path);
        QVERIFY2(file.ok(), qPrintable(file.error()));
        QCOMPARE(file.lastRow(), 5);

        struct Expected { const char* cell; bool isText; QString text; };
        const QVector<Expected> cells = {
            {"A1", true, "Dukkano"},
            {"A2", true, "Ürün No"}, {"B2", true, "Ürün Adı"}, {"C2", true, "Barkod"}, {"D2", true, "Grup Adı"},
            {"E2", true, "Stok Birim Miktarı"}, {"F2", true, "Birim Alış Fiyatı"}, {"G2", true, "Birim Satış Fiyatı"},
            {"A3", false, "1"}, {"B3", true, "Şeker"}, {"C3", true, "0012345"}, {"D3", true, "Gıda"},
            {"E3", false, "7"}, {"F3", false, "10"}, {"G3", false, "12.5"},
            {"A4", false, "2"}, {"B4", true, "Çay Bardağı İnce"}, {"C4", true, "8690000000001"},
            {"D4", true, "Züccaciye"}, {"E4", false, "-2"}, {"F4", false, "10"}, {"G4", false, "12.5"},
            {"A5", false, "3"}, {"B5", true, "Un"}, {"E5", false, "0"},
        };
        for (const Expected& e : cells) {
            QVERIFY2(file.has(QString::fromLatin1(e.cell)), e.cell);
            QCOMPARE(file.cell(QString::fromLatin1(e.cell)).isText, e.isText);
            QCOMPARE(file.cell(QString::fromLatin1(e.cell)).text, e.text);
        }
        QVERIFY(!file.has(u"H3"_s));
        QVERIFY(file.widths().value(2) >= u"Çay Bardağı İnce"_s.size());
        QVERIFY(file.widths().value(5) >= u"Stok Birim Miktarı"_s.size());

        // A second export the same day gets a file of its own.
        s.form->BitBtnExcelClick();
        QCOMPARE(s.opened.last(), s.exports.filePath(u"Dukkano-Stok-2026-12-09-2.xlsx"_s));
    }

    void exportIgnoresAFilterLeftOnTheSharedProducts()
    {
        StockList s;
        s.addProduct(u"Armut"_s, u"1"_s);
        s.addProduct(u"Elma"_s, u"2"_s);
        s.addProduct(u"Kiraz"_s, u"3"_s);
        QVERIFY(s.open());
        Dataset& urunler = s.db().tableUrunler;
        QCOMPARE(urunler.text(u"BirimSatisFiyati"_s), u"12,5"_s);
        // What a label print leaves behind.
        urunler.setFilter(u"[UrunAdi]='Elma'"_s);
        urunler.setFiltered(true);
        QVERIFY(s.typeIntoCell(0, Satis, u"20"_s));
        s.form->urunAdi->setFocus();

        s.form->BitBtnExcelClick();
        QCOMPARE(s.opened.size(), 1);
        const XlsxFile file(s.opened.first());
        QVERIFY2(file.ok(), qPrintable(file.error()));
        QCOMPARE(file.lastRow(), 5);
        QCOMPARE(file.cell(u"B3"_s).text, u"Armut"_s);
        QCOMPARE(file.cell(u"G3"_s).text, u"20"_s);  // the grid's edit is in
        QCOMPARE(file.cell(u"B5"_s).text, u"Kiraz"_s);
    }

    void exportRefusals_data()
    {
        QTest::addColumn<bool>("products");
        QTest::addColumn<QString>("typed");

        QTest::newRow("no products") << false << "";
        QTest::newRow("list emptied by the search") << true << "x";
    }

    void exportRefusals()
    {
        QFETCH(bool, products);
        QFETCH(QString, typed);
        StockList s;
        if (products)
            s.addProduct(u"Armut"_s, u"1"_s);
        QVERIFY(s.open());
        if (!typed.isEmpty())
            s.typeName(typed);
        s.form->BitBtnExcelClick();
        QCOMPARE(s.dialogs.shown, QStringList{"Lütfen Önce Ürün Ekleyiniz."});
        QVERIFY(s.opened.isEmpty());
        QVERIFY(QDir(s.exports.path()).isEmpty());
    }

    void exportWithoutASpreadsheetProgramSaysWhereTheFileIs()
    {
        StockList s;
        s.addProduct(u"Armut"_s, u"1"_s);
        s.spreadsheetProgram = false;
        QVERIFY(s.open());
        s.form->BitBtnExcelClick();
        const QString path = s.exports.filePath(u"Dukkano-Stok-2026-12-09.xlsx"_s);
        QCOMPARE(s.opened, QStringList{path});
        QCOMPARE(s.dialogs.shown.size(), 1);
        QVERIFY(s.dialogs.last().contains(QDir::toNativeSeparators(path)));
        QVERIFY(XlsxFile(path).ok());
    }

    void exportToAFolderThatCannotBeWrittenSaysSo()
    {
        StockList s;
        s.addProduct(u"Armut"_s, u"1"_s);
        QVERIFY(s.open());
        // A file where the folder should be: nothing can be written under it.
        const QString blocked = s.exports.filePath(u"dosya"_s);
        QFile(blocked).open(QIODevice::WriteOnly);
        spreadsheet::setExportFolder(blocked);
        s.form->BitBtnExcelClick();
        QCOMPARE(s.dialogs.shown.size(), 1);
        QVERIFY(s.dialogs.last().startsWith(u"Excel dosyası yazılamadı: "_s));
        QVERIFY(s.opened.isEmpty());
    }
};

// The program's own application, which turns an error escaping a handler into a message.
DUKKANO_TEST_MAIN(TestUrunBilgileri)

#include "test_urunbilgileri.moc"
