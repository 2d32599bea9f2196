// The main window: its menu and tool bar, the one-work-window rule behind every command, the
// menu's shortcuts from any window, exit, and the start-up timer.
#include "Mdiunit.h"

#include "ImageList.h"
#include "Money.h"
#include "ProgramState.h"
#include "SettingsKey.h"
#include "TestSupport.h"
#include "UrunSatis.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using dukkano::test::ScriptedDialogs;
using dukkano::test::TempShop;

namespace {

// A shop, scripted dialogs and the main window on screen, as the program has them after start.
struct Program {
    TempShop shop;
    ScriptedDialogs dialogs;
    TMdiForm form{shop.db()};

    Program() { form.show(); }

    QAction* item(const QString& name)
    {
        auto* action = form.findChild<QAction*>(name);
        if (!action)
            qFatal("no menu item %s", qPrintable(name));
        return action;
    }
};

QImage picture(const QIcon& icon)
{
    return icon.pixmap(imageList1Size, imageList1Size).toImage();
}

// The items a user can reach by opening the menus of the menu bar.
QStringList reachableInMenuBar(const QList<QAction*>& actions)
{
    QStringList names;
    for (QAction* action : actions) {
        if (!action->isVisible())
            continue;
        names << action->objectName();
        if (action->menu())
            names << reachableInMenuBar(action->menu()->actions());
    }
    return names;
}

QList<TFormUrunSatis*> shownSaleWindows()
{
    QList<TFormUrunSatis*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* sale = qobject_cast<TFormUrunSatis*>(w); sale && sale->isVisible())
            windows << sale;
    }
    return windows;
}

// Every command under the one-work-window rule, with its rule: A checks its item, B does not,
// C previews a report.
const QList<std::pair<QString, char>> guardedItems = {
    {"MenuYeniUrun", 'A'}, {"MenuYeniUretici", 'A'}, {"MenuYeniMusteri", 'A'},
    {"MenuUrunSatis", 'A'}, {"MenuUrunSatisIptali", 'A'}, {"MenuBugununSatislari", 'A'},
    {"menuUrunBilgileriD", 'A'}, {"MenuTumSatislar", 'A'}, {"MenuAylikOdemeler", 'A'},
    {"menuMusteriBilgileriD", 'A'}, {"MenuSatisAyrintilari", 'A'}, {"MenuYeniKategori", 'A'},
    {"menuKategoriBilgileriD", 'A'}, {"menuFiyatDegisiklikleri", 'A'}, {"Masraflar1", 'B'},
    {"MenuFrmBarkod", 'B'}, {"menuMBorclari", 'C'}, {"menuSatisRaporlari", 'A'},
    {"menuUreticiBilgileriD", 'A'},
};

} // namespace

class TestMdiunit : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        acikFormVar = false;
        kayitliKullaniciAdi.clear();
        kayitliSifre.clear();
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("icon");

        // Under the hidden "Yeni" and "Satışlar" menus nothing is shown.
        QTest::newRow("MenuYeniUrun") << "Stok Ekle && İADE" << "Stok Ekle && İADE" << "Ctrl+U" << false << 0;
        QTest::newRow("MenuYeniUretici") << "Üretici" << "Yeni Üretici" << "" << false << 1;
        QTest::newRow("MenuYeniMusteri") << "Müşteri" << "Yeni Müşteri" << "Ctrl+M" << false << 9;
        QTest::newRow("RestorantCafe") << "Restorant & Cafe" << "" << "Ctrl+C" << false << -1;
        QTest::newRow("MenuCikis") << "Çıkış" << "" << "" << false << 7;
        QTest::newRow("MenuUrunSatis") << "Ürün Satış-POS" << "Ürün Satış-POS" << "Ctrl+S" << false << 2;
        QTest::newRow("MenuUrunSatisIptali") << "Stok Satış İptali" << "Stok Satış İptali" << "Ctrl+X" << false << 3;
        // Its Ctrl+C belongs to "Restorant & Cafe", the first item bearing it.
        QTest::newRow("MenuBugununSatislari") << "Günün Özeti" << "" << "" << false << 4;
        QTest::newRow("menuUrunBilgileriD") << "Stok Detay" << "Stok Detay" << "" << false << 5;
        QTest::newRow("menuGazeteSatislari") << "Gazete Satışları" << "" << "" << false << -1;
        QTest::newRow("menuUrunlereGoreS") << "Ürünlere Göre Satışlar" << "" << "" << false << 17;
        QTest::newRow("MenuTumSatislar") << "Satış Detay" << "Satış Detay" << "" << false << 6;
        QTest::newRow("MenuAylikOdemeler") << "Cari Liste ve Borç" << "Cari Liste ve Borç" << "" << true << 1;
        QTest::newRow("menuMusteriBilgileriD") << "Cari Listesi" << "" << "" << false << 20;
        QTest::newRow("MenuSatisAyrintilari") << "Satış Ayrıntıları" << "Satış Ayrıntıları" << "" << true << 38;
        QTest::newRow("MenuYeniKategori") << "Grup Ekle" << "" << "" << true << 40;
        QTest::newRow("menuKategoriBilgileriD") << "Grup Bilgileri " << "" << "" << true << 41;
        QTest::newRow("menuFiyatDegisiklikleri") << "Toplu Fiyat Değişiklikleri" << "" << "" << false << 8;
        QTest::newRow("Masraflar1") << "Masraflar && Giderler" << "" << "" << true << 30;
        QTest::newRow("MenuFrmBarkod") << "Barkod BAS" << "Barkod BAS" << "" << false << 26;
        QTest::newRow("menuMBorclari") << "Müşteri Borçları Raporu" << "Müşteri Raporları Raporu" << "" << true << 33;
        QTest::newRow("menuSatisRaporlari") << "Satışlar Raporu" << "Satış Raporu" << "" << true << 29;
        QTest::newRow("mrnlerRaporu1") << "Tüm Ürünler Raporu" << "" << "" << true << 23;
        QTest::newRow("BarkodTasarla1") << "Barkod Tasarım ve Dizayn" << "" << "" << true << 12;
        QTest::newRow("menuUreticiBilgileriD") << "Mağaza için Fiş Ayarı" << "" << "" << true << 34;
        QTest::newRow("VeritabannYedekle1") << "Veritabanını Yedekle" << "" << "" << true << 37;
        QTest::newRow("MenuArkaPlanResmi") << "Arka Plan Resmi" << "" << "" << true << 21;
        QTest::newRow("menuResimSec") << "Resim Seç" << "Arka Plan Resmi Seç" << "" << true << 18;
        QTest::newRow("menuResimGosterme") << "Resim Gösterme" << "" << "" << true << -1;
        QTest::newRow("menuAcilisSifresi") << "Açılış Şifresi" << "" << "" << true << 36;
        QTest::newRow("dukkanoyardim") << "Yardım Konuları" << "" << "" << true << 42;
        QTest::newRow("programHakknda1") << "Program Hakkında" << "" << "" << true << 19;
    }

    void menuItems()
    {
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(QString, shortcut);
        QFETCH(bool, shown);
        QFETCH(int, icon);
        Program program;
        QAction* item = program.item(QString::fromUtf8(QTest::currentDataTag()));

        QCOMPARE(item->text(), caption);
        QCOMPARE(item->statusTip(), hint);
        QCOMPARE(item->shortcut(), QKeySequence(shortcut));
        if (!shortcut.isEmpty())
            QCOMPARE(item->shortcutContext(), Qt::ApplicationShortcut);
        QCOMPARE(reachableInMenuBar(program.form.menuBar()->actions()).contains(item->objectName()), shown);
        if (icon < 0) {
            QVERIFY(item->icon().isNull());
        } else {
            QCOMPARE(program.form.simgeler.value(icon).availableSizes(),
                     QList<QSize>{QSize(imageList1Size, imageList1Size)});
            QCOMPARE(picture(item->icon()), picture(program.form.simgeler.value(icon)));
        }
    }

    void menus_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("items");

        QTest::newRow("MenuYeni") << "Yeni" << QStringList{"MenuYeniUrun", "MenuYeniMusteri", "RestorantCafe", "MenuCikis"};
        QTest::newRow("MenuSatislar") << "Satışlar"
            << QStringList{"MenuUrunSatis", "MenuUrunSatisIptali", "N1", "MenuBugununSatislari",
                           "menuUrunBilgileriD", "menuUrunlereGoreS", "N7", "MenuTumSatislar"};
        QTest::newRow("MenuMusteriTakip") << "   Cari Takip   " << QStringList{"MenuAylikOdemeler", "MenuSatisAyrintilari"};
        QTest::newRow("MenuDegisiklikler") << "   Seçenekler   "
            << QStringList{"MenuYeniKategori", "menuKategoriBilgileriD", "Masraflar1"};
        QTest::newRow("Raporlar1") << "   Raporlar   " << QStringList{"menuMBorclari", "menuSatisRaporlari", "mrnlerRaporu1"};
        QTest::newRow("Ayarlar1") << "Ayarlar"
            << QStringList{"BarkodTasarla1", "menuUreticiBilgileriD", "VeritabannYedekle1",
                           "MenuArkaPlanResmi", "menuAcilisSifresi"};
        QTest::newRow("MenuArkaPlanResmi") << "Arka Plan Resmi" << QStringList{"menuResimSec", "menuResimGosterme"};
        QTest::newRow("menuYardim") << "   Yardım   " << QStringList{"dukkanoyardim", "programHakknda1"};
    }

    void menus()
    {
        QFETCH(QString, caption);
        QFETCH(QStringList, items);
        Program program;
        auto* menu = program.form.findChild<QMenu*>(QString::fromUtf8(QTest::currentDataTag()));
        QVERIFY(menu);

        QCOMPARE(menu->title(), caption);
        QStringList names;
        for (QAction* action : menu->actions())
            names << action->objectName();
        QCOMPARE(names, items);
    }

    void menuBarShowsTheVisibleMenusRightToLeft()
    {
        Program program;
        QMenuBar* bar = program.form.menuBar();
        QStringList captions;
        for (QAction* action : bar->actions()) {
            if (action->isVisible())
                captions << action->text();
        }
        QCOMPARE(captions, (QStringList{"   Cari Takip   ", "   Seçenekler   ", "   Raporlar   ",
                                        "Ayarlar", "   Yardım   "}));
        QCOMPARE(bar->layoutDirection(), Qt::RightToLeft);
    }

    void toolBar_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("item");

        QTest::newRow("stokEkleButonu") << "Stok Ekle && İADE" << "Stok Ekle && İADE" << 0 << "MenuYeniUrun";
        QTest::newRow("musteriButonu") << "Müşteri" << "Yeni Müşteri" << 9 << "MenuYeniMusteri";
        QTest::newRow("urunSatisButonu") << "Ürün Satış-POS" << "Ürün Satış-POS" << 2 << "MenuUrunSatis";
        QTest::newRow("satisIptaliButonu") << "Stok Satış İptali" << "Stok Satış İptali" << 3 << "MenuUrunSatisIptali";
        QTest::newRow("gununOzetiButonu") << "Günün Özeti" << "" << 4 << "MenuBugununSatislari";
        QTest::newRow("satisDetayButonu") << "Satış Detay" << "Satış Detay" << 6 << "MenuTumSatislar";
        QTest::newRow("stokDetayButonu") << "Stok Detay" << "Stok Detay" << 5 << "menuUrunBilgileriD";
        QTest::newRow("cikisButonu") << "Çıkış" << "" << 7 << "MenuCikis";
    }

    void toolBar()
    {
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(int, icon);
        QFETCH(QString, item);
        Program program;
        auto* button = program.form.aracCubugu->findChild<QToolButton*>(QString::fromUtf8(QTest::currentDataTag()));
        QVERIFY(button);

        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), hint);
        QCOMPARE(picture(button->icon()), picture(program.form.simgeler.value(icon)));
        QCOMPARE(button->size(), QSize(96, 72));
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

        // The button runs its menu item, guard and all.
        acikFormVar = true;
        QSignalSpy ran(program.item(item), &QAction::triggered);
        if (item == "MenuCikis")
            program.dialogs.answerQuestion(false);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(ran.count(), 1);
        QCOMPARE(program.dialogs.shown, item == "MenuCikis"
                     ? QStringList{"Çıkış Yapmak İstediğinizden Emin misiniz ?"}
                     : QStringList{acikFormMesaji});
    }

    void toolBarHasSeparatorsAroundEveryButton()
    {
        Program program;
        QStringList layout;
        for (QAction* action : program.form.aracCubugu->actions()) {
            auto* button = qobject_cast<QToolButton*>(program.form.aracCubugu->widgetForAction(action));
            layout << (action->isSeparator() ? u"|"_s : button->objectName());
        }
        QCOMPARE(layout, (QStringList{"|", "stokEkleButonu", "|", "musteriButonu", "|", "urunSatisButonu", "|",
                                      "satisIptaliButonu", "|", "gununOzetiButonu", "|", "satisDetayButonu", "|",
                                      "stokDetayButonu", "|", "cikisButonu", "|"}));
    }

    void commandsWhileWorkWindowOpen_data()
    {
        QTest::addColumn<bool>("refused");
        for (const auto& [name, rule] : guardedItems)
            QTest::newRow(qPrintable(name)) << true;
        // No guard, or no action at all: never refused.
        for (const char* name : {"mrnlerRaporu1", "BarkodTasarla1", "VeritabannYedekle1",
                                 "menuAcilisSifresi", "menuResimSec", "dukkanoyardim",
                                 "programHakknda1", "RestorantCafe", "menuUrunlereGoreS",
                                 "menuGazeteSatislari"})
            QTest::newRow(name) << false;
    }

    void commandsWhileWorkWindowOpen()
    {
        QFETCH(bool, refused);
        Program program;
        QAction* item = program.item(QString::fromUtf8(QTest::currentDataTag()));
        const auto windowsBefore = QApplication::topLevelWidgets().size();
        acikFormVar = true;

        item->trigger();

        QCOMPARE(program.dialogs.shown, refused ? QStringList{acikFormMesaji} : QStringList{});
        if (refused)
            QCOMPARE(program.dialogs.captions, QStringList{"Dukkano"});
        QVERIFY(!item->isChecked());
        QVERIFY(acikFormVar);
        QCOMPARE(program.form.mdiArea()->subWindowList().size(), 0);
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    }

    void checkedItemDoesNothing_data()
    {
        QTest::addColumn<bool>("workWindowOpen");
        for (const auto& [name, rule] : guardedItems) {
            if (rule == 'A')
                QTest::newRow(qPrintable(name + " (work window open)")) << true;
        }
        QTest::newRow("MenuUrunSatis (no work window)") << false;
    }

    void checkedItemDoesNothing()
    {
        QFETCH(bool, workWindowOpen);
        Program program;
        const QString name = QString::fromUtf8(QTest::currentDataTag()).section(' ', 0, 0);
        QAction* item = program.item(name);
        item->setChecked(true);
        acikFormVar = workWindowOpen;
        const auto windowsBefore = QApplication::topLevelWidgets().size();

        item->trigger();

        QCOMPARE(program.dialogs.shown, QStringList{});
        QVERIFY(item->isChecked());
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    }

    void shortcutsFromTextFieldOfAnotherWindow_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("shown");

        const QStringList refused{acikFormMesaji};
        QTest::newRow("Ctrl+U") << QKeySequence("Ctrl+U") << "MenuYeniUrun" << refused;
        QTest::newRow("Ctrl+M") << QKeySequence("Ctrl+M") << "MenuYeniMusteri" << refused;
        QTest::newRow("Ctrl+S") << QKeySequence("Ctrl+S") << "MenuUrunSatis" << refused;
        QTest::newRow("Ctrl+X, not cut") << QKeySequence("Ctrl+X") << "MenuUrunSatisIptali" << refused;
        QTest::newRow("Ctrl+C, not copied") << QKeySequence("Ctrl+C") << "RestorantCafe" << QStringList{};
    }

    // The sale window is a top-level window of its own, full of text fields; the menu's keys
    // must still reach the main window's menu and not cut, copy or delete the field's text.
    void shortcutsFromTextFieldOfAnotherWindow()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, item);
        QFETCH(QStringList, shown);
        Program program;
        QWidget other;
        auto* field = new QLineEdit(u"Çay 2,50"_s, &other);
        (new QVBoxLayout(&other))->addWidget(field);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        field->setFocus();
        field->selectAll();
        QGuiApplication::clipboard()->setText(u"önceki"_s);
        acikFormVar = true;
        QStringList ran;
        for (QAction* action : program.form.findChildren<QAction*>())
            connect(action, &QAction::triggered, this, [&ran, action] { ran << action->objectName(); });

        QTest::keyClick(field, keys[0].key(), keys[0].keyboardModifiers());

        QCOMPARE(ran, QStringList{item});
        QCOMPARE(program.dialogs.shown, shown);
        QCOMPARE(field->text(), u"Çay 2,50"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"önceki"_s);
    }

    void shortcutsWaitForAModalWindow()
    {
        Program program;
        QWidget modal;
        modal.setWindowModality(Qt::ApplicationModal);
        auto* field = new QLineEdit(&modal);
        modal.show();
        QVERIFY(QTest::qWaitForWindowActive(&modal));
        QSignalSpy ran(program.form.MenuUrunSatisIptali, &QAction::triggered);

        QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);

        QCOMPARE(ran.count(), 0);
    }

    // The sale window opens at start without checking its item; once it is closed,
    // "Ürün Satış-POS" opens a new one under its one-work-window guard.
    void saleWindowAndItsMenuItem()
    {
        Program program;
        QPointer<QWidget> first = program.form.openUrunSatis();
        QVERIFY(first);
        QVERIFY(first->isWindow());
        QVERIFY(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(first->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(acikFormVar);
        QVERIFY(!program.form.MenuUrunSatis->isChecked());
        QVERIFY(QTest::qWaitForWindowActive(first));

        QTest::keyClick(first, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(program.dialogs.shown, QStringList{acikFormMesaji});
        QCOMPARE(shownSaleWindows().size(), 1);

        first->close();
        QVERIFY(!acikFormVar);
        program.dialogs.clear();
        program.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.form));
        QTest::keyClick(&program.form, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(program.dialogs.shown, QStringList{});
        QCOMPARE(shownSaleWindows().size(), 1);
        QVERIFY(shownSaleWindows().first() != first);
        QVERIFY(program.form.MenuUrunSatis->isChecked());

        program.form.urunSatisButonu->click();
        QCOMPARE(program.dialogs.shown, QStringList{});
        QCOMPARE(shownSaleWindows().size(), 1);

        shownSaleWindows().first()->close();
        QVERIFY(!program.form.MenuUrunSatis->isChecked());
        QVERIFY(!acikFormVar);
    }

    void exitQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Evet ends the program") << true;
        QTest::newRow("Hayır leaves everything as it was") << false;
    }

    void exitQuestion()
    {
        QFETCH(bool, yes);
        Program program;
        program.shop.db().tableUrunler.setFilter(u"[StoktakiBirimMiktari]<=10"_s);
        program.shop.db().tableUrunler.setFiltered(true);
        program.dialogs.answerQuestion(yes);

        bool quitRequested = false;
        if (yes) {
            // Run the command inside the event loop, so that ending the program ends the loop.
            QTimer::singleShot(0, program.form.MenuCikis, &QAction::trigger);
            QTimer giveUp;
            connect(&giveUp, &QTimer::timeout, qApp, &QCoreApplication::quit);
            giveUp.start(5000);
            QCoreApplication::exec();
            quitRequested = giveUp.isActive();
        } else {
            program.form.MenuCikis->trigger();
        }

        QCOMPARE(program.dialogs.shown, QStringList{"Çıkış Yapmak İstediğinizden Emin misiniz ?"});
        QCOMPARE(program.dialogs.captions, QStringList{"ÇIKIŞ"});
        QCOMPARE(quitRequested, yes);
        QCOMPARE(program.form.isVisible(), !yes);
        // Closing switches the product filter off.
        QCOMPARE(program.shop.db().tableUrunler.filtered(), !yes);
    }

    void startupTimer_data()
    {
        QTest::addColumn<QVariant>("storedName");  // an invalid variant: nothing stored
        QTest::addColumn<QVariant>("storedPassword");

        QTest::newRow("first start, nothing stored") << QVariant() << QVariant();
        QTest::newRow("user name only") << QVariant("kasa") << QVariant();
        QTest::newRow("password only") << QVariant() << QVariant("1234");
        QTest::newRow("empty values") << QVariant("") << QVariant("");
        QTest::newRow("Turkish letters and blanks kept") << QVariant(" Şükrü ") << QVariant("İğ ı 9 ");
    }

    void startupTimer()
    {
        QFETCH(QVariant, storedName);
        QFETCH(QVariant, storedPassword);
        TempShop shop;
        {
            SettingsKey key(u"Software\\NUREV\\Dukkano1_5"_s);
            if (storedName.isValid())
                key.setValue(u"KullaniciAdi"_s, storedName.toString());
            if (storedPassword.isValid())
                key.setValue(u"Sifre"_s, storedPassword.toString());
        }
        kayitliKullaniciAdi = u"önceki"_s;
        kayitliSifre = u"önceki"_s;
        ScriptedDialogs dialogs;
        TMdiForm form(shop.db());

        QVERIFY(form.acilisZamanlayici);
        QTRY_VERIFY(!form.acilisZamanlayici);  // fired once and freed

        QCOMPARE(kayitliKullaniciAdi, storedName.toString());
        QCOMPARE(kayitliSifre, storedPassword.toString());
        QCOMPARE(dialogs.shown, QStringList{});
    }

    void creationResetsProgramState()
    {
        TempShop shop;
        acikFormVar = true;
        setCurrencyText(u"$"_s);
        TMdiForm form(shop.db());

        QVERIFY(!acikFormVar);
        QCOMPARE(currencyText(), u"TL "_s);
    }

    void windowAtStart()
    {
        Program program;
        TMdiForm& form = program.form;
        QCOMPARE(form.windowTitle(), u"Dukkano"_s);
        QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(form.windowState().testFlag(Qt::WindowMaximized));
        QVERIFY(form.mdiArea());
        QVERIFY(form.tukenenStokBandi->isHidden());
        QCOMPARE(form.borclarNoktasi->text(), u"    "_s);
        QCOMPARE(form.borclarNoktasi->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form.borclarNoktasi->parentWidget(), form.mdiArea()->viewport());
        QCOMPARE(form.borclarNoktasi->x(), 0);
        QCOMPARE(form.statusPanel->alignment(), Qt::AlignCenter);
    }

    // The hidden label answers only when no work window is open, and never with a box.
    void hotSpotIsSilentWhileWorkWindowOpen()
    {
        Program program;
        acikFormVar = true;
        QTest::mouseClick(program.form.borclarNoktasi, Qt::LeftButton);
        QCOMPARE(program.dialogs.shown, QStringList{});
        QCOMPARE(program.form.mdiArea()->subWindowList().size(), 0);
    }
};

QTEST_MAIN(TestMdiunit)
#include "test_mdiunit.moc"
