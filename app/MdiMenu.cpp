// The main window's menu bar and tool bar, laid out item by item in menu order.
#include "Mdiunit.h"

#include "ImageList.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

enum Shown : bool { Hidden = false, Visible = true };
constexpr int noIcon = -1;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

} // namespace

void TMdiForm::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setLayoutDirection(Qt::RightToLeft);

    // A hidden menu or item is kept but placed nowhere: its shortcut and tool-bar button still
    // run it. (A hidden QAction would be disabled as well.)
    auto topMenu = [this, bar](const char* name, const char* caption, Shown shown) {
        auto* menu = new QMenu(text(caption), this);
        menu->setObjectName(text(name));
        menu->menuAction()->setObjectName(text(name));
        if (shown)
            bar->addMenu(menu);
        return menu;
    };
    auto item = [this](QMenu* menu, const char* name, const char* caption, const char* hint,
                       const char* shortcut, int icon, Shown shown = Visible) {
        auto* action = new QAction(text(caption), this);
        action->setObjectName(text(name));
        action->setStatusTip(text(hint));
        if (*hint)
            action->setToolTip(text(hint));
        if (icon != noIcon)
            action->setIcon(simgeler.value(icon));
        if (*shortcut) {
            action->setShortcut(QKeySequence(text(shortcut)));
            action->setShortcutContext(Qt::ApplicationShortcut);
            addAction(action);  // so the shortcut lives as long as the main window is shown
        }
        if (shown)
            menu->addAction(action);
        return action;
    };
    auto separator = [this](QMenu* menu, const char* name, Shown shown) {
        auto* action = new QAction(this);
        action->setSeparator(true);
        action->setObjectName(text(name));
        if (shown)
            menu->addAction(action);
        return action;
    };

    MenuYeni = topMenu("MenuYeni", "Yeni", Hidden);
    MenuYeniUrun = item(MenuYeni, "MenuYeniUrun", "Stok Ekle && İADE", "Stok Ekle && İADE", "Ctrl+U", 0);
    MenuYeniUretici = item(MenuYeni, "MenuYeniUretici", "Üretici", "Yeni Üretici", "", 1, Hidden);
    MenuYeniMusteri = item(MenuYeni, "MenuYeniMusteri", "Müşteri", "Yeni Müşteri", "Ctrl+M", 9);
    // The first item bearing Ctrl+C; it has no action, so Ctrl+C does nothing anywhere.
    RestorantCafe = item(MenuYeni, "RestorantCafe", "Restorant & Cafe", "", "Ctrl+C", noIcon);
    MenuCikis = item(MenuYeni, "MenuCikis", "Çıkış", "", "", 7);

    MenuSatislar = topMenu("MenuSatislar", "Satışlar", Hidden);
    MenuUrunSatis = item(MenuSatislar, "MenuUrunSatis", "Ürün Satış-POS", "Ürün Satış-POS", "Ctrl+S", 2);
    MenuUrunSatisIptali = item(MenuSatislar, "MenuUrunSatisIptali", "Stok Satış İptali",
                               "Stok Satış İptali", "Ctrl+X", 3);
    N1 = separator(MenuSatislar, "N1", Visible);
    // Bears Ctrl+C too, but the key goes to "Restorant & Cafe" above: reached by its button only.
    MenuBugununSatislari = item(MenuSatislar, "MenuBugununSatislari", "Günün Özeti", "", "", 4);
    menuUrunBilgileriD = item(MenuSatislar, "menuUrunBilgileriD", "Stok Detay", "Stok Detay", "", 5);
    menuGazeteSatislari = item(MenuSatislar, "menuGazeteSatislari", "Gazete Satışları", "", "", noIcon, Hidden);
    menuUrunlereGoreS = item(MenuSatislar, "menuUrunlereGoreS", "Ürünlere Göre Satışlar", "", "", 17);
    N7 = separator(MenuSatislar, "N7", Visible);
    MenuTumSatislar = item(MenuSatislar, "MenuTumSatislar", "Satış Detay", "Satış Detay", "", 6);

    MenuMusteriTakip = topMenu("MenuMusteriTakip", "   Cari Takip   ", Visible);
    MenuAylikOdemeler = item(MenuMusteriTakip, "MenuAylikOdemeler", "Cari Liste ve Borç",
                             "Cari Liste ve Borç", "", 1);
    menuMusteriBilgileriD = item(MenuMusteriTakip, "menuMusteriBilgileriD", "Cari Listesi", "", "", 20, Hidden);
    MenuSatisAyrintilari = item(MenuMusteriTakip, "MenuSatisAyrintilari", "Satış Ayrıntıları",
                                "Satış Ayrıntıları", "", 38);

    MenuDegisiklikler = topMenu("MenuDegisiklikler", "   Seçenekler   ", Visible);
    MenuYeniKategori = item(MenuDegisiklikler, "MenuYeniKategori", "Grup Ekle", "", "", 40);
    menuKategoriBilgileriD = item(MenuDegisiklikler, "menuKategoriBilgileriD", "Grup Bilgileri ", "", "", 41);
    menuFiyatDegisiklikleri = item(MenuDegisiklikler, "menuFiyatDegisiklikleri",
                                   "Toplu Fiyat Değişiklikleri", "", "", 8, Hidden);
    Masraflar1 = item(MenuDegisiklikler, "Masraflar1", "Masraflar && Giderler", "", "", 30);
    MenuFrmBarkod = item(MenuDegisiklikler, "MenuFrmBarkod", "Barkod BAS", "Barkod BAS", "", 26, Hidden);

    Raporlar1 = topMenu("Raporlar1", "   Raporlar   ", Visible);
    menuMBorclari = item(Raporlar1, "menuMBorclari", "Müşteri Borçları Raporu",
                         "Müşteri Raporları Raporu", "", 33);
    menuSatisRaporlari = item(Raporlar1, "menuSatisRaporlari", "Satışlar Raporu", "Satış Raporu", "", 29);
    mrnlerRaporu1 = item(Raporlar1, "mrnlerRaporu1", "Tüm Ürünler Raporu", "", "", 23);

    Ayarlar1 = topMenu("Ayarlar1", "Ayarlar", Visible);
    BarkodTasarla1 = item(Ayarlar1, "BarkodTasarla1", "Barkod Tasarım ve Dizayn", "", "", 12);
    menuUreticiBilgileriD = item(Ayarlar1, "menuUreticiBilgileriD", "Mağaza için Fiş Ayarı", "", "", 34);
    VeritabannYedekle1 = item(Ayarlar1, "VeritabannYedekle1", "Veritabanını Yedekle", "", "", 37);
    MenuArkaPlanResmi = new QMenu(text("Arka Plan Resmi"), this);
    MenuArkaPlanResmi->setObjectName(text("MenuArkaPlanResmi"));
    MenuArkaPlanResmi->menuAction()->setObjectName(text("MenuArkaPlanResmi"));
    MenuArkaPlanResmi->setIcon(simgeler.value(21));
    Ayarlar1->addMenu(MenuArkaPlanResmi);
    menuResimSec = item(MenuArkaPlanResmi, "menuResimSec", "Resim Seç", "Arka Plan Resmi Seç", "", 18);
    menuResimGosterme = item(MenuArkaPlanResmi, "menuResimGosterme", "Resim Gösterme", "", "", noIcon);
    menuResimGosterme->setCheckable(true);  // toggles itself when chosen
    menuAcilisSifresi = item(Ayarlar1, "menuAcilisSifresi", "Açılış Şifresi", "", "", 36);

    menuYardim = topMenu("menuYardim", "   Yardım   ", Visible);
    dukkanoyardim = item(menuYardim, "dukkanoyardim", "Yardım Konuları", "", "", 42);
    N4 = separator(menuYardim, "N4", Hidden);
    programHakknda1 = item(menuYardim, "programHakknda1", "Program Hakkında", "", "", 19);
}

void TMdiForm::buildToolBar()
{
    aracCubugu = new QToolBar(this);
    aracCubugu->setObjectName(u"aracCubugu"_s);
    aracCubugu->setMovable(false);
    aracCubugu->setFloatable(false);
    aracCubugu->setContextMenuPolicy(Qt::PreventContextMenu);
    // Buttons inside a tool bar draw their icons at the bar's size, not their own.
    aracCubugu->setIconSize(QSize(imageList1Size, imageList1Size));
    aracCubugu->setStyleSheet(u"QToolBar#aracCubugu { background: #87CEEB; border: none; }"_s);
    addToolBar(Qt::TopToolBarArea, aracCubugu);

    // Each button runs its menu item, with that item's guard, but has its own caption and hint.
    QFont captionFont = aracCubugu->font();
    captionFont.setPixelSize(11);  // so the longest caption fits a 96-pixel button
    auto button = [this, captionFont](const char* name, const char* caption, const char* hint,
                                      int icon, QAction* menuItem) {
        auto* b = new QToolButton(aracCubugu);
        b->setObjectName(text(name));
        b->setText(text(caption));
        b->setToolTip(text(hint));
        b->setStatusTip(text(hint));
        b->setIcon(simgeler.value(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFont(captionFont);
        b->setAutoRaise(true);
        b->setFixedSize(96, 72);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, menuItem, &QAction::trigger);
        aracCubugu->addSeparator();
        aracCubugu->addWidget(b);
        return b;
    };
    stokEkleButonu = button("stokEkleButonu", "Stok Ekle && İADE", "Stok Ekle && İADE", 0, MenuYeniUrun);
    musteriButonu = button("musteriButonu", "Müşteri", "Yeni Müşteri", 9, MenuYeniMusteri);
    urunSatisButonu = button("urunSatisButonu", "Ürün Satış-POS", "Ürün Satış-POS", 2, MenuUrunSatis);
    satisIptaliButonu = button("satisIptaliButonu", "Stok Satış İptali", "Stok Satış İptali", 3, MenuUrunSatisIptali);
    gununOzetiButonu = button("gununOzetiButonu", "Günün Özeti", "", 4, MenuBugununSatislari);
    satisDetayButonu = button("satisDetayButonu", "Satış Detay", "Satış Detay", 6, MenuTumSatislar);
    stokDetayButonu = button("stokDetayButonu", "Stok Detay", "Stok Detay", 5, menuUrunBilgileriD);
    cikisButonu = button("cikisButonu", "Çıkış", "", 7, MenuCikis);
    aracCubugu->addSeparator();
}

} // namespace dukkano
