// The two receipt header windows: saving a new shop with its refusals and duplicate check, the
// header list's grid (edits kept on closing, insert, delete), and what both do when they close.
#include "DataGrid.h"
#include "ProgramState.h"
#include "Receipt.h"
#include "TestSupport.h"
#include "UreticiBilgileriD.h"
#include "UreticiKayit.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::test;

namespace {

const QString savedText = u"Yeni Mağaza Kaydedeildi."_s;
const QString noNameText = u"Lütfen Mağaza Adını Giriniz."_s;
const QString storedText = u"Bu Mağaza Zaten Kayıtlı. Mağaza Adı : "_s;

QStringList storedNames(TempShop& shop)
{
    return shop.firstColumn(u"SELECT UreticiAdi FROM Ureticiler ORDER BY UreticiNo"_s);
}

// A shop with header rows added behind the shared object's back, as another window would.
void addShops(TempShop& shop, const QStringList& names)
{
    for (const QString& name : names) {
        auto st = shop.db().baglanti.prepare(u"INSERT INTO Ureticiler (UreticiAdi, KisiAdi) VALUES (?, ?)"_s);
        st.bind(1, name);
        st.bind(2, u"Ayşe Yılmaz"_s);
        st.step();
    }
    shop.db().tableUreticiler.reopen();
}

// The shop name the next receipt prints.
QString receiptShopName(Veritabani& db)
{
    Dataset basket(db.baglanti, u"GeciciSatilanUrunler"_s);
    basket.open();
    const report::PreparedReport receipt = report::prepareReceipt(basket, db.tableUreticiler);
    const auto texts = receipt.pages.at(0).textsOf(u"frxDBDatasetureticilerUreticiAdi"_s);
    return texts.empty() ? u"(none)"_s : texts.front()->text;
}

// The main window's frame with one work window in it, opened as the main window opens children.
template <class Window>
struct Open {
    TempShop shop;
    ScriptedDialogs dialogs;
    QMdiArea area;
    QPointer<Window> form;
    QPointer<QMdiSubWindow> frame;

    explicit Open(const QStringList& shops = {})
    {
        addShops(shop, shops);
        area.resize(1100, 760);
        area.show();
        QApplication::setActiveWindow(&area);
        form = new Window(shop.db());
        frame = area.addSubWindow(form);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->showMaximized();
        form->setFocus();
    }

    ~Open()
    {
        if (frame)
            frame->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        acikFormVar = false;
    }

    Veritabani& db() { return shop.db(); }

    void closeFrame()
    {
        frame->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QLineEdit* typeIntoCell(int row, int column, const QString& text)
    {
        return test::typeIntoCell(form->ureticilerGrid, row, column, text);
    }
};

using Entry = Open<TformUreticiKayit>;
using HeaderList = Open<TformUreticiBilgileriD>;

QStringList editTexts(TformUreticiKayit* form)
{
    QStringList texts;
    for (QLineEdit* edit : form->findChildren<QLineEdit*>())
        texts << edit->text();
    return texts;
}

bool allEmpty(TformUreticiKayit* form)
{
    const QStringList texts = editTexts(form);
    return std::all_of(texts.begin(), texts.end(), [](const QString& t) { return t.isEmpty(); });
}

} // namespace

class TestUreticiler : public QObject {
    Q_OBJECT

private slots:
    // ---- the entry window

    void kaydet_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<bool>("cleared");

        const QStringList before{"Şen Bakkal"};
        QTest::newRow("no name") << "" << "0212 555 12 34" << noNameText << before << false;
        QTest::newRow("a new shop") << "Gül Şarküteri" << "0212 555 12 34" << savedText
                                    << QStringList{"Şen Bakkal", "Gül Şarküteri"} << true;
        QTest::newRow("a name already stored") << "Şen Bakkal" << "" << storedText + "Şen Bakkal" << before << true;
        QTest::newRow("name longer than its column")
            << QString(51, QChar(u'Ğ')) << "" << "\"UreticiAdi\" alanına en fazla 50 karakter yazılabilir; yazılan metin 51 karakter. Kayıt yapılmadı."
            << before << false;
        QTest::newRow("phone longer than its column")
            << "Gül Şarküteri" << QString(31, QChar(u'5'))
            << "\"TelefonNumarasi\" alanına en fazla 30 karakter yazılabilir; yazılan metin 31 karakter. Kayıt yapılmadı."
            << before << false;
    }

    // A click on "Kaydet": one message, and the window cleared only when the row is done with.
    void kaydet()
    {
        QFETCH(QString, name);
        QFETCH(QString, phone);
        Entry w({u"Şen Bakkal"_s});
        QVERIFY(QTest::qWaitForWindowActive(&w.area));
        typeText(w.form->ureticiAdi, name);
        typeText(w.form->telefonNo, phone);

        QTest::mouseClick(w.form->kaydet, Qt::LeftButton);

        QCOMPARE(w.dialogs.shown.size(), 1);
        QTEST(w.dialogs.last(), "message");
        QTEST(storedNames(w.shop), "stored");
        QTEST(allEmpty(w.form), "cleared");
        QCOMPARE(w.db().tableUreticiler.state(), Dataset::State::Browse);
        QCOMPARE(w.form->ureticilerGrid->model()->rowCount(), storedNames(w.shop).size());
        if (name.isEmpty() || allEmpty(w.form))
            QCOMPARE(QApplication::focusWidget(), w.form->ureticiAdi);
    }

    // The twelve fields as the edits give them; the hidden ones are stored as empty text.
    void savedFields()
    {
        Entry w;
        QVERIFY(QTest::qWaitForWindowActive(&w.area));
        const QList<QPair<QLineEdit*, QString>> typed = {
            {w.form->ureticiAdi, u"Çınar Büfe"_s},       {w.form->kisiAdi, u"İsmail Öztürk"_s},
            {w.form->adres, u"Gül Sok. No 3 Ödemiş"_s},  {w.form->telefonNo, u"0232 545 11 22"_s},
            {w.form->internetAdresi, u"cinarbufe.com"_s}, {w.form->ePosta, u"bilgi@cinarbufe.com"_s},
            {w.form->notlar, u"Yine bekleriz; iyi günler"_s},
        };
        for (const auto& [edit, text] : typed)
            typeText(edit, text);
        w.form->kaydetClick();

        QCOMPARE(w.dialogs.shown, QStringList{savedText});
        auto st = w.db().baglanti.prepare(
            u"SELECT UreticiAdi, KisiAdi, KisiUnvani, Adres, Sehir, PostaKodu, Ulke, TelefonNumarasi, "
            "FaksNumarasi, InternetAdresi, EpostaAdresi, Notlar, typeof(KisiUnvani) || typeof(Sehir) || "
            "typeof(PostaKodu) || typeof(Ulke) || typeof(FaksNumarasi) FROM Ureticiler"_s);
        QVERIFY(st.step());
        QStringList row;
        for (int c = 0; c < 12; ++c)
            row << st.column(c).toString();
        QCOMPARE(row, QStringList({"Çınar Büfe", "İsmail Öztürk", "", "Gül Sok. No 3 Ödemiş", "", "", "",
                                   "0232 545 11 22", "", "cinarbufe.com", "bilgi@cinarbufe.com",
                                   "Yine bekleriz; iyi günler"}));
        QCOMPARE(st.column(12).toString(), u"texttexttexttexttext"_s);
        QVERIFY(!st.step());
        QVERIFY(allEmpty(w.form));
        QCOMPARE(QApplication::focusWidget(), w.form->ureticiAdi);
    }

    void duplicateCheckOnEntering_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("found");

        QTest::newRow("Tab to the person") << "Şen Bakkal" << "tab" << true;
        QTest::newRow("Enter in the name") << "Şen Bakkal" << "enter" << true;
        QTest::newRow("click into the notes") << "Şen Bakkal" << "click notes" << true;
        QTest::newRow("tabbing onto Kaydet") << "Şen Bakkal" << "kaydet" << true;
        QTest::newRow("a name not stored") << "Şen Market" << "tab" << false;
    }

    void duplicateCheckOnEntering()
    {
        QFETCH(QString, name);
        QFETCH(QString, how);
        QFETCH(bool, found);
        Entry w({u"Şen Bakkal"_s});
        QVERIFY(QTest::qWaitForWindowActive(&w.area));
        typeText(w.form->adres, u"Çarşı içi"_s);
        w.form->ureticiAdi->setFocus();
        typeText(w.form->ureticiAdi, name);

        if (how == u"tab")
            QTest::keyClick(w.form->ureticiAdi, Qt::Key_Tab);
        else if (how == u"enter")
            QTest::keyClick(w.form->ureticiAdi, Qt::Key_Return);
        else if (how == u"click notes")
            QTest::mouseClick(w.form->notlar, Qt::LeftButton);
        else
            w.form->kaydet->setFocus(Qt::TabFocusReason);

        if (found) {
            QCOMPARE(w.dialogs.shown, QStringList{storedText + u"Şen Bakkal"_s});
            QVERIFY(allEmpty(w.form));
            QCOMPARE(QApplication::focusWidget(), w.form->ureticiAdi);
        } else {
            QVERIFY(w.dialogs.shown.isEmpty());
            QCOMPARE(w.form->ureticiAdi->text(), name);
            QCOMPARE(w.form->adres->text(), u"Çarşı içi"_s);
        }
        QCOMPARE(storedNames(w.shop), QStringList{"Şen Bakkal"});
    }

    void entryLayout()
    {
        Entry w;
        QCOMPARE(w.form->windowTitle(), u"Fiş Ayar"_s);
        QCOMPARE(w.form->baslik->text(), u"Fiş için Ayarlar"_s);
        for (QLineEdit* hidden : {w.form->kisiUnvani, w.form->sehir, w.form->postaKodu, w.form->ulke, w.form->faxNo})
            QVERIFY(!hidden->isVisible() && !hidden->isEnabled());
        QStringList titles;
        for (int c = 0; c < w.form->ureticilerGrid->model()->columnCount(); ++c)
            titles << w.form->ureticilerGrid->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles, QStringList({"Mağaza Adı", "Kişi Adı", "Adres", "Telefon No", "İnternet Adresi",
                                      "E-Posta Adresi", "Notlar"}));
        QCOMPARE(QApplication::focusWidget(), w.form->ureticiAdi);
    }

    // ---- the header list

    void headerListSortedByName()
    {
        HeaderList w({u"Dükkan"_s, u"Çiçekçi"_s, u"Cam Evi"_s, u"İnci Büfe"_s, u"Irmak Market"_s});
        QCOMPARE(w.form->windowTitle(), u"Fiş Ayar"_s);
        QCOMPARE(w.form->baslik->text(), u"FİŞ İÇİN AYAR"_s);
        QAbstractItemModel* model = w.form->ureticilerGrid->model();
        QStringList shown;
        for (int r = 0; r < model->rowCount(); ++r)
            shown << model->index(r, 0).data().toString();
        QCOMPARE(shown, QStringList({"Cam Evi", "Çiçekçi", "Dükkan", "Irmak Market", "İnci Büfe"}));
        QStringList titles;
        for (int c = 0; c < model->columnCount(); ++c)
            titles << model->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles, QStringList({"Mağaza Adı", "Kişi Adı", "Adres", "Telefon No", "İnternet Adresi",
                                      "E-Posta Adresi"}));
        QCOMPARE(model->index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(Qt::AlignCenter));
        QCOMPARE(model->index(0, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    }

    void editKeptOnClose_data()
    {
        QTest::addColumn<bool>("editorOpen");
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("cell editor still open, frame closed") << true << false;
        QTest::newRow("cell committed, frame closed") << false << false;
        QTest::newRow("cell committed, Esc") << false << true;
    }

    // The name changed in the grid is stored without leaving the row, and the next receipt
    // prints it without a restart.
    void editKeptOnClose()
    {
        QFETCH(bool, editorOpen);
        QFETCH(bool, byEsc);
        HeaderList w({u"Eski Dükkan"_s});
        QVERIFY(QTest::qWaitForWindowActive(&w.area));
        QCOMPARE(receiptShopName(w.db()), u"Eski Dükkan"_s);

        QVERIFY(w.typeIntoCell(0, 0, u"Yeni Şarküteri"_s));
        if (!editorOpen)
            w.form->ureticilerGrid->setFocus();
        QCOMPARE(storedNames(w.shop), QStringList{"Eski Dükkan"});
        if (byEsc)
            QTest::keyClick(w.form->ureticilerGrid, Qt::Key_Escape);
        else
            w.closeFrame();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QVERIFY(!w.form);
        QCOMPARE(storedNames(w.shop), QStringList{"Yeni Şarküteri"});
        QCOMPARE(w.db().tableUreticiler.text(u"UreticiAdi"_s), u"Yeni Şarküteri"_s);
        QCOMPARE(receiptShopName(w.db()), u"Yeni Şarküteri"_s);
        QVERIFY(w.dialogs.shown.isEmpty());
    }

    // A refused edit is reported once and leaves the stored row and the shared object as they were.
    void refusedEditOnClose()
    {
        HeaderList w({u"Eski Dükkan"_s});
        QVERIFY(QTest::qWaitForWindowActive(&w.area));
        QVERIFY(w.typeIntoCell(0, 1, QString(51, QChar(u'Ş'))));
        w.form->ureticilerGrid->setFocus();
        w.closeFrame();

        QCOMPARE(w.dialogs.shown.size(), 1);
        QVERIFY(w.dialogs.last().contains(u"KisiAdi"_s));
        QCOMPARE(storedNames(w.shop), QStringList{"Eski Dükkan"});
        QCOMPARE(w.db().tableUreticiler.text(u"KisiAdi"_s), u"Ayşe Yılmaz"_s);
        QCOMPARE(w.db().tableUreticiler.state(), Dataset::State::Browse);
    }

    void insertFromGrid_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("stored");

        QTest::newRow("Insert, typed") << Qt::Key_Insert << "Gül Bakkal" << QStringList{"Şen Bakkal", "Gül Bakkal"};
        QTest::newRow("Down past the last row, typed") << Qt::Key_Down << "Gül Bakkal"
                                                       << QStringList{"Şen Bakkal", "Gül Bakkal"};
        QTest::newRow("Insert, nothing typed") << Qt::Key_Insert << "" << QStringList{"Şen Bakkal"};
    }

    // A row started from the grid is stored on closing; one left empty is dropped.
    void insertFromGrid()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QString, typed);
        HeaderList w({u"Şen Bakkal"_s});
        QVERIFY(QTest::qWaitForWindowActive(&w.area));
        DataGrid* grid = w.form->ureticilerGrid;
        grid->setFocus();
        QTest::keyClick(grid, key);
        QCOMPARE(grid->model()->rowCount(), 2);
        if (!typed.isEmpty()) {
            QVERIFY(w.typeIntoCell(1, 0, typed));
            grid->setFocus();
        }
        w.closeFrame();

        QTEST(storedNames(w.shop), "stored");
        QVERIFY(w.dialogs.shown.isEmpty());
    }

    void ctrlDelete_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("No keeps the row") << false << QStringList{"Şen Bakkal", "Gül Bakkal"};
        QTest::newRow("Yes deletes it") << true << QStringList{"Şen Bakkal"};
    }

    void ctrlDelete()
    {
        QFETCH(bool, yes);
        HeaderList w({u"Şen Bakkal"_s, u"Gül Bakkal"_s});
        QVERIFY(QTest::qWaitForWindowActive(&w.area));
        DataGrid* grid = w.form->ureticilerGrid;
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 0));  // "Gül Bakkal" sorts first
        w.dialogs.answerQuestion(yes);

        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);

        QCOMPARE(w.dialogs.shown, QStringList{DataGrid::deleteQuestion});
        QCOMPARE(w.dialogs.captions, QStringList{"Dukkano"});
        QTEST(storedNames(w.shop), "stored");
        QCOMPARE(grid->model()->rowCount(), yes ? 1 : 2);
        w.closeFrame();
        QCOMPARE(w.db().tableUreticiler.text(u"UreticiAdi"_s), u"Şen Bakkal"_s);
    }

    // ---- both windows

    void lifecycle_data()
    {
        QTest::addColumn<bool>("headerList");
        QTest::addColumn<bool>("byKapat");
        QTest::newRow("header list, Kapat") << true << true;
        QTest::newRow("header list, frame closed") << true << false;
        QTest::newRow("entry window, Kapat") << false << true;
        QTest::newRow("entry window, frame closed") << false << false;
    }

    // Open: acikFormVar set. Closed: the frame gone, acikFormVar clear, closed() said once and
    // the six shared filters off.
    void lifecycle()
    {
        QFETCH(bool, headerList);
        QFETCH(bool, byKapat);
        TempShop shop;
        ScriptedDialogs dialogs;
        Veritabani& db = shop.db();
        QMdiArea area;
        area.show();
        acikFormVar = false;
        WorkWindow* form = headerList ? static_cast<WorkWindow*>(new TformUreticiBilgileriD(db))
                                      : static_cast<WorkWindow*>(new TformUreticiKayit(db));
        QPointer<WorkWindow> alive(form);
        QPointer<QMdiSubWindow> frame = area.addSubWindow(form);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->showMaximized();
        QSignalSpy closed(form, &WorkWindow::closed);
        QVERIFY(acikFormVar);
        const QList<Dataset*> shared{&db.tableMusteriler, &db.tableUrunler, &db.tableSatislar,
                                     &db.tableSatilanUrunler, &db.tableKategoriler, &db.tableUreticiler};
        for (Dataset* t : shared) {
            t->setFilter(u"["_s + t->fields().at(0).name + u"]=-1"_s);
            t->setFiltered(true);
        }

        if (byKapat)
            QTest::mouseClick(form->findChild<QPushButton*>(headerList ? u"kapat"_s : u"Kapat"_s), Qt::LeftButton);
        else
            frame->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QVERIFY(!alive);
        QVERIFY(!frame);
        QVERIFY(area.subWindowList().isEmpty());
        QVERIFY(!acikFormVar);
        QCOMPARE(closed.count(), 1);
        for (Dataset* t : shared)
            QVERIFY2(!t->filtered(), qPrintable(t->table().name));
        QVERIFY(dialogs.shown.isEmpty());
    }
};

DUKKANO_TEST_MAIN(TestUreticiler)

#include "test_ureticiler.moc"
