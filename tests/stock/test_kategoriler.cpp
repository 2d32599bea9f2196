// The group windows: the entry window's duplicate check, key filter and save; the list
// window's search, grid editing and deleting, and what it leaves behind when it closes.
#include "DataGrid.h"
#include "DatasetModel.h"
#include "ProgramState.h"
#include "TestSupport.h"
#include "KategoriBilgileriD.h"
#include "KategoriKayit.h"

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

struct Group {
    QString name;
    QString rate;
    bool operator==(const Group&) const = default;
};

// What the file holds, in the order of the group numbers.
QVector<Group> storedGroups(Veritabani& db)
{
    auto st = db.baglanti.prepare(
        u"SELECT KategoriAdi, KategoriKDVorani FROM Kategoriler ORDER BY KategoriNo"_s);
    QVector<Group> groups;
    while (st.step())
        groups.push_back({st.column(0).toString(),
                          st.column(1).isNull() ? QString() : Money::fromUnits(st.columnInt(1)).toEditText()});
    return groups;
}

QStringList storedNames(Veritabani& db)
{
    QStringList names;
    for (const Group& g : storedGroups(db))
        names << g.name;
    return names;
}

// A shop with one of the group windows open over it; the window goes before the shop.
template <typename Window>
struct Opened {
    TempShop shop;
    ScriptedDialogs dialogs;
    QPointer<Window> form;

    ~Opened()
    {
        delete form.data();
        acikFormVar = false;
    }

    Veritabani& db() { return shop.db(); }

    bool open()
    {
        db().tableKategoriler.reopen();
        form = new Window(db());
        form->resize(900, 600);
        form->show();
        QApplication::setActiveWindow(form);
        return QTest::qWaitForWindowActive(form);
    }
};

using EntryWindow = Opened<TformKategoriKayit>;
using ListWindow = Opened<TformKategoriBilgileriD>;

QStringList listedNames(TformKategoriBilgileriD* form)
{
    QStringList names;
    for (int row = 0; row < form->dsMusteriler->rowCount(); ++row)
        names << form->dsMusteriler->index(row, 1).data().toString();
    return names;
}

enum class Arrival { TabIntoRate, TabOntoKaydet, ClickKaydet };

} // namespace

Q_DECLARE_METATYPE(Arrival)

class TestKategoriler : public QObject {
    Q_OBJECT

private slots:
    void entryWindowOpens()
    {
        EntryWindow w;
        QVERIFY(w.open());
        QCOMPARE(w.form->windowTitle(), u"GRUP Kayit"_s);
        QCOMPARE(w.form->baslik->text(), u"Yeni Grup Kayıt Formu"_s);
        QCOMPARE(w.form->yuzdeLabel->text(), u"%"_s);
        QVERIFY(acikFormVar);
        QVERIFY(!w.form->grupSorgulandi);
        QCOMPARE(QApplication::focusWidget(), w.form->kategoriAdi);
        w.form->kategoriKDVorani->setFocus();
        w.form->setFocus();  // as the main window does when it shows the window
        QCOMPARE(QApplication::focusWidget(), w.form->kategoriAdi);
    }

    // The name is checked as the focus leaves it for the rate or for "Kaydet", in any letter
    // case; the typed text is never a pattern.
    void duplicateCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Arrival>("arrival");
        QTest::addColumn<QString>("message");

        const QString found = u"Bu Grup Zaten Kayıtlı. Grup Adı : Gıda"_s;
        QTest::newRow("same name, Tab into the rate") << "Gıda" << Arrival::TabIntoRate << found;
        QTest::newRow("same name, Tab onto Kaydet") << "Gıda" << Arrival::TabOntoKaydet << found;
        QTest::newRow("same name, Kaydet clicked") << "Gıda" << Arrival::ClickKaydet << found;
        QTest::newRow("capitals, Turkish I") << "GIDA" << Arrival::TabIntoRate << found;
        QTest::newRow("capital dotted İ") << "İçecek" << Arrival::TabIntoRate
                                          << "Bu Grup Zaten Kayıtlı. Grup Adı : içecek";
        QTest::newRow("dotless ı is not i") << "Gida" << Arrival::TabIntoRate << "";
        QTest::newRow("% is no wildcard") << "G%" << Arrival::TabIntoRate << "";
        QTest::newRow("_ is no wildcard") << "G_da" << Arrival::TabIntoRate << "";
        QTest::newRow("a new name") << "Manav" << Arrival::TabIntoRate << "";
    }

    void duplicateCheck()
    {
        QFETCH(QString, typed);
        QFETCH(Arrival, arrival);
        QFETCH(QString, message);
        EntryWindow w;
        addGroup(w.db(), u"Gıda"_s);
        addGroup(w.db(), u"içecek"_s);
        QVERIFY(w.open());
        TformKategoriKayit* f = w.form;

        typeText(f->kategoriAdi, typed);
        switch (arrival) {
        case Arrival::TabIntoRate:
            QTest::keyClick(f->kategoriAdi, Qt::Key_Tab);
            break;
        case Arrival::TabOntoKaydet:
            f->kategoriKDVorani->setText(u"8"_s);
            f->kaydet->setFocus(Qt::TabFocusReason);
            break;
        case Arrival::ClickKaydet:
            f->kategoriKDVorani->setText(u"8"_s);
            QTest::mouseClick(f->kaydet, Qt::LeftButton);
            break;
        }

        const QStringList names{"Gıda", "içecek"};
        if (message.isEmpty()) {
            QVERIFY(w.dialogs.shown.isEmpty());
            QCOMPARE(f->kategoriAdi->text(), typed);
            QVERIFY(f->grupSorgulandi);
        } else {
            QCOMPARE(w.dialogs.shown, QStringList{message});
            QCOMPARE(f->kategoriAdi->text(), QString());
            QCOMPARE(f->kategoriKDVorani->text(), QString());
            QCOMPARE(QApplication::focusWidget(), f->kategoriAdi);
            QVERIFY(!f->grupSorgulandi);
            QCOMPARE(storedNames(w.db()), names);
        }
    }

    // The check runs once per name: changing the name arms it again.
    void checkRunsOncePerName()
    {
        EntryWindow w;
        QVERIFY(w.open());
        TformKategoriKayit* f = w.form;
        typeText(f->kategoriAdi, u"Manav"_s);
        QTest::keyClick(f->kategoriAdi, Qt::Key_Tab);
        QVERIFY(f->grupSorgulandi);

        addGroup(w.db(), u"Manav"_s);  // stored meanwhile: no second look
        f->kaydet->setFocus(Qt::TabFocusReason);
        QVERIFY(w.dialogs.shown.isEmpty());

        f->kategoriAdi->setFocus();
        typeText(f->kategoriAdi, u"."_s);
        QVERIFY(!f->grupSorgulandi);
        play(f->kategoriAdi, u"⌫"_s);
        f->kategoriKDVorani->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.dialogs.shown, QStringList{"Bu Grup Zaten Kayıtlı. Grup Adı : Manav"});
    }

    void rateKeyFilter_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");

        QTest::newRow("whole number") << "18" << "18";
        QTest::newRow("comma dropped") << "18,5" << "185";
        QTest::newRow("minus dropped") << "-8" << "8";
        QTest::newRow("letters and blanks dropped") << "1a 8%" << "18";
        QTest::newRow("backspace passes") << "18⌫" << "1";
    }

    void rateKeyFilter()
    {
        QFETCH(QString, keys);
        EntryWindow w;
        QVERIFY(w.open());
        w.form->kategoriKDVorani->setFocus();
        play(w.form->kategoriKDVorani, keys);
        QTEST(w.form->kategoriKDVorani->text(), "text");
    }

    // A paste meets the whole-number rule of typed keys, or nothing of it goes in.
    void ratePaste_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");

        QTest::newRow("whole number") << "18" << "18";
        QTest::newRow("a fraction refused whole") << "18,5" << "";
        QTest::newRow("a percent sign refused whole") << "%8" << "";
    }

    void ratePaste()
    {
        QFETCH(QString, pasted);
        EntryWindow w;
        QVERIFY(w.open());
        w.form->kategoriKDVorani->setFocus();
        pasteText(w.form->kategoriKDVorani, pasted);
        QTEST(w.form->kategoriKDVorani->text(), "text");
    }

    void saveRefusesMissingFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");

        QTest::newRow("no name") << "" << "18" << "Lütfen Grup Adını Giriniz." << "kategoriAdi";
        QTest::newRow("no rate") << "Manav" << "" << "Lütfen Grup KDV Oranını Giriniz." << "kategoriKDVorani";
        QTest::newRow("neither: the name first") << "" << "" << "Lütfen Grup Adını Giriniz." << "kategoriAdi";
    }

    void saveRefusesMissingFields()
    {
        QFETCH(QString, name);
        QFETCH(QString, rate);
        EntryWindow w;
        QVERIFY(w.open());
        TformKategoriKayit* f = w.form;
        f->kategoriAdi->setText(name);
        f->kategoriKDVorani->setText(rate);
        f->kaydet->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f->kaydet, Qt::Key_Return);

        QTEST(w.dialogs.last(), "message");
        QTEST(QApplication::focusWidget()->objectName(), "focused");
        QCOMPARE(f->kategoriAdi->text(), name);
        QCOMPARE(f->kategoriKDVorani->text(), rate);
        QVERIFY(storedGroups(w.db()).isEmpty());
        QCOMPARE(w.db().tableKategoriler.state(), Dataset::State::Browse);
    }

    // Groups are entered one after the other through the shared object.
    void savesOneAfterTheOther()
    {
        EntryWindow w;
        addGroup(w.db(), u"Gıda"_s);
        QVERIFY(w.open());
        TformKategoriKayit* f = w.form;
        for (const auto& [name, rate] : {std::pair{"Şarküteri", "8"}, std::pair{"Temizlik", "20"}}) {
            f->kategoriAdi->setFocus();
            typeText(f->kategoriAdi, QString::fromUtf8(name));
            QTest::keyClick(f->kategoriAdi, Qt::Key_Return);  // Enter moves on to the rate
            QCOMPARE(QApplication::focusWidget(), f->kategoriKDVorani);
            typeText(f->kategoriKDVorani, QString::fromUtf8(rate));
            QTest::keyClick(f->kategoriKDVorani, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), f->kaydet);
            QTest::keyClick(f->kaydet, Qt::Key_Return);
            QCOMPARE(w.dialogs.last(), u"Yeni Grup Kaydedildi."_s);
            QCOMPARE(f->kategoriAdi->text(), QString());
            QCOMPARE(f->kategoriKDVorani->text(), QString());
            QCOMPARE(QApplication::focusWidget(), f->kategoriAdi);
        }
        QCOMPARE(w.dialogs.shown.size(), 2);
        QCOMPARE(storedGroups(w.db()), (QVector<Group>{{"Gıda", "18"}, {"Şarküteri", "8"}, {"Temizlik", "20"}}));
        Dataset& shared = w.db().tableKategoriler;
        QCOMPARE(shared.recordCount(), 3);
        QCOMPARE(shared.text(u"KategoriAdi"_s), u"Temizlik"_s);
    }

    // A name longer than its column is refused by the data layer and leaves no row behind.
    void overlongNameLeavesNoRow()
    {
        EntryWindow w;
        QVERIFY(w.open());
        TformKategoriKayit* f = w.form;
        f->kategoriAdi->setText(QString(51, u'a'));
        f->kategoriKDVorani->setText(u"18"_s);
        f->kaydet->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f->kaydet, Qt::Key_Return);  // the error box comes from the application
        QCOMPARE(w.dialogs.shown.size(), 1);
        QVERIFY(w.dialogs.last().contains(u"KategoriAdi"_s));
        QCOMPARE(w.db().tableKategoriler.state(), Dataset::State::Browse);
        f->kategoriAdi->setText(u"Manav"_s);
        QTest::keyClick(f->kaydet, Qt::Key_Return);
        QCOMPARE(storedNames(w.db()), QStringList{"Manav"});
    }

    void entryWindowCloses()
    {
        EntryWindow w;
        QVERIFY(w.open());
        const std::pair<Dataset*, QString> filters[] = {{&w.db().tableUrunler, "[UrunNo]=1"},
                                                        {&w.db().tableKategoriler, "[KategoriNo]=1"},
                                                        {&w.db().tableMusteriler, "[MusteriNo]=1"}};
        for (const auto& [shared, filter] : filters) {
            shared->setFilter(filter);
            shared->setFiltered(true);
        }
        QSignalSpy closed(w.form.data(), &WorkWindow::closed);
        QTest::mouseClick(w.form->Kapat, Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!acikFormVar);
        QVERIFY(!w.db().tableUrunler.filtered());
        QVERIFY(!w.db().tableKategoriler.filtered());
        QVERIFY(!w.db().tableMusteriler.filtered());
    }

    // ---- the list window

    void listWindowOpens()
    {
        ListWindow w;
        for (const char* name : {"Şarküteri", "Çay", "Süt", "ıhlamur", "İçecek", "Ekmek"})
            addGroup(w.db(), QString::fromUtf8(name));
        QVERIFY(w.open());
        TformKategoriBilgileriD* f = w.form;
        QCOMPARE(f->windowTitle(), u"GRUP Bilgileri"_s);
        QVERIFY(acikFormVar);
        QCOMPARE(listedNames(f), QStringList({"Çay", "Ekmek", "ıhlamur", "İçecek", "Süt", "Şarküteri"}));
        DatasetModel* m = f->dsMusteriler;
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), u"Grup No"_s);
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), u"Grup Adı"_s);
        QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), u"Grup KDV Oranı"_s);
        QVERIFY(!(m->flags(m->index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(m->flags(m->index(0, 1)) & Qt::ItemIsEditable);
        QVERIFY(m->flags(m->index(0, 2)) & Qt::ItemIsEditable);
        QCOMPARE(m->index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::Alignment(Qt::AlignCenter));
        QCOMPARE(m->index(0, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::Alignment(Qt::AlignCenter));
        QCOMPARE(f->musteriAdi->text(), u"Çay"_s);  // the search field follows the row
        QCOMPARE(f->sil->focusPolicy(), Qt::ClickFocus);
        f->gruplarGrid->setFocus();
        f->setFocus();  // as the main window does when it shows the window
        QCOMPARE(QApplication::focusWidget(), f->musteriAdi);
    }

    void search_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("listed");

        QTest::newRow("lower case finds capitals") << "ma" << QStringList{"MAKARNA", "Manav"};
        QTest::newRow("i finds İ, not I") << "i" << QStringList{"İçecek"};
        QTest::newRow("ı finds I, not İ") << "ı" << QStringList{"ıhlamur", "Islak Mendil"};
        QTest::newRow("capital Ş") << "ŞAR" << QStringList{"Şarküteri"};
        QTest::newRow("% stays a wildcard") << "%ar" << QStringList{"MAKARNA", "Şarküteri"};
        QTest::newRow("_ stays a wildcard") << "A_B" << QStringList{"A_B", "AxB"};
        QTest::newRow("a quote is a character") << "anne'" << QStringList{"Anne'nin Mutfağı"};
        QTest::newRow("nothing found") << "zz" << QStringList{};
    }

    void search()
    {
        QFETCH(QString, typed);
        ListWindow w;
        for (const char* name : {"Manav", "MAKARNA", "İçecek", "Islak Mendil", "ıhlamur", "Şarküteri", "A_B",
                                 "AxB", "Anne'nin Mutfağı"})
            addGroup(w.db(), QString::fromUtf8(name));
        QVERIFY(w.open());
        TformKategoriBilgileriD* f = w.form;
        f->musteriAdi->setFocus();
        QTest::keyClick(f->musteriAdi, Qt::Key_Backspace);  // the text came in selected
        QCOMPARE(f->musteriAdi->text(), QString());
        typeText(f->musteriAdi, typed);

        QTEST(listedNames(f), "listed");
        QCOMPARE(f->musteriAdi->text(), typed);  // the rows found do not write over the search
        QVERIFY(w.dialogs.shown.isEmpty());

        QTest::mouseClick(f->temizle, Qt::LeftButton);
        QCOMPARE(listedNames(f).size(), 9);
        QCOMPARE(f->musteriAdi->text(), QString());
        QCOMPARE(QApplication::focusWidget(), f->musteriAdi);
    }

    void searchFieldFollowsTheRow()
    {
        ListWindow w;
        for (const char* name : {"Çay", "Ekmek", "Süt"})
            addGroup(w.db(), QString::fromUtf8(name));
        QVERIFY(w.open());
        TformKategoriBilgileriD* f = w.form;
        f->gruplarGrid->setFocus();
        QTest::keyClick(f->gruplarGrid, Qt::Key_Down);
        QCOMPARE(f->musteriAdi->text(), u"Ekmek"_s);
        QTest::keyClick(f->gruplarGrid, Qt::Key_Down);
        QCOMPARE(f->musteriAdi->text(), u"Süt"_s);
        QCOMPARE(listedNames(f).size(), 3);  // following the row is no search

        // Selected whole as it gets the focus, by a click too.
        QTest::mouseClick(f->musteriAdi, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), f->musteriAdi);
        QCOMPARE(f->musteriAdi->selectedText(), u"Süt"_s);
    }

    // A rate with decimals is stored from the grid, though the entry window takes whole ones.
    void rateWithDecimalsInTheGrid()
    {
        ListWindow w;
        addGroup(w.db(), u"Gıda"_s);
        QVERIFY(w.open());
        TformKategoriBilgileriD* f = w.form;
        QVERIFY(typeIntoCell(f->gruplarGrid, 0, 2, u"18,5"_s));
        f->musteriAdi->setFocus();
        QCOMPARE(storedGroups(w.db()), (QVector<Group>{{"Gıda", "18,5"}}));
        QCOMPARE(f->dsMusteriler->index(0, 2).data().toString(), u"18,5"_s);
    }

    // Whatever the grid still holds when the window closes is stored (or dropped, for a new row
    // nobody typed into), and the shared object shows it afterwards.
    void closingStoresThePendingRow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("stored");

        QTest::newRow("cell editor still open") << "open editor" << QStringList{"Kuruyemiş", "Süt"};
        QTest::newRow("Esc in an open cell editor") << "Esc in editor" << QStringList{"Kuruyemiş", "Süt"};
        QTest::newRow("cell committed, Kapat") << "committed" << QStringList{"Kuruyemiş", "Süt"};
        QTest::newRow("new row still being typed") << "new row" << QStringList{"Çerez", "Süt", "Kuruyemiş"};
        QTest::newRow("new row untouched, Esc") << "untouched row" << QStringList{"Çerez", "Süt"};
    }

    void closingStoresThePendingRow()
    {
        QFETCH(QString, how);
        ListWindow w;
        addGroup(w.db(), u"Çerez"_s);
        addGroup(w.db(), u"Süt"_s);
        Dataset& shared = w.db().tableKategoriler;
        QVERIFY(w.open());
        QCOMPARE(shared.text(u"KategoriAdi"_s), u"Çerez"_s);  // read, so held
        shared.setFilter(u"[KategoriAdi]='Süt'"_s);
        shared.setFiltered(true);
        TformKategoriBilgileriD* f = w.form;
        DataGrid* grid = f->gruplarGrid;

        if (how == QLatin1String("new row") || how == QLatin1String("untouched row")) {
            grid->setFocus();
            grid->setCurrentIndex(f->dsMusteriler->index(1, 1));
            QTest::keyClick(grid, Qt::Key_Insert);
            if (how == QLatin1String("new row")) {
                QVERIFY(typeIntoCell(grid, 2, 1, u"Kuruyemiş"_s));
                f->close();  // as the main window closes it
            } else {
                QTest::keyClick(grid, Qt::Key_Escape);
            }
        } else {
            QVERIFY(typeIntoCell(grid, 0, 1, u"Kuruyemiş"_s));
            if (how == QLatin1String("open editor")) {
                f->close();
            } else if (how == QLatin1String("Esc in editor")) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);  // the window sees it first
            } else {
                grid->setFocus();
                QTest::mouseClick(f->kapat, Qt::LeftButton);
            }
        }

        QVERIFY(!w.form || !w.form->isVisible());
        QVERIFY(!acikFormVar);
        QFETCH(QStringList, stored);
        QCOMPARE(storedNames(w.db()), stored);
        QVERIFY(!shared.filtered());
        QVERIFY(shared.isOpen());
        shared.first();
        QCOMPARE(shared.text(u"KategoriAdi"_s), stored.first());
        QCOMPARE(shared.recordCount(), stored.size());
        QVERIFY(w.dialogs.shown.isEmpty());
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes deletes") << true;
        QTest::newRow("No keeps") << false;
    }

    void deleteAsksFirst()
    {
        QFETCH(bool, yes);
        ListWindow w;
        addGroup(w.db(), u"Çay"_s);
        addGroup(w.db(), u"Süt"_s);
        QVERIFY(w.open());
        TformKategoriBilgileriD* f = w.form;
        f->gruplarGrid->setFocus();
        f->gruplarGrid->setCurrentIndex(f->dsMusteriler->index(0, 1));
        w.dialogs.answerQuestion(yes);
        QTest::keyClick(f->gruplarGrid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(w.dialogs.shown, QStringList{"Delete record?"});
        QCOMPARE(storedNames(w.db()), yes ? QStringList{"Süt"} : QStringList({"Çay", "Süt"}));
        QCOMPARE(listedNames(f), storedNames(w.db()));
    }

    // "Sil" has no action of its own; groups are deleted in the grid.
    void silDoesNothing()
    {
        ListWindow w;
        addGroup(w.db(), u"Çay"_s);
        QVERIFY(w.open());
        QTest::mouseClick(w.form->sil, Qt::LeftButton);
        QVERIFY(w.dialogs.shown.isEmpty());
        QCOMPARE(storedNames(w.db()), QStringList{"Çay"});
    }
};

DUKKANO_TEST_MAIN(TestKategoriler)

#include "test_kategoriler.moc"
