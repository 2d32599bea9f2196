// The main window: start-up and close, the one-work-window rule behind every command, and exit.
#include "Mdiunit.h"

#include "Dialogs.h"
#include "Guarded.h"
#include "ImageList.h"
#include "MenuShortcuts.h"
#include "Money.h"
#include "ProgramState.h"
#include "SettingsKey.h"
#include "Veritabani.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {

void showMaximizedOnScreen(QWidget* window)
{
    window->setGeometry(window->screen()->availableGeometry());
    window->showMaximized();
}

TMdiForm::TMdiForm(Veritabani& db, QWidget* parent)
    : QMainWindow(parent), m_db(db)
{
    setObjectName(u"MdiForm"_s);
    setWindowTitle(u"Dukkano"_s);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowState(Qt::WindowMaximized);

    simgeler = makeSimgeler();
    // The sale picture stands for the program, in the frames of the work windows too.
    QApplication::setWindowIcon(simgeler.value(2));
    buildMenu();
    buildToolBar();
    buildClientArea();
    bindCommands();
    new MenuShortcutPriority(this);

    acilisZamanlayici = new QTimer(this);
    acilisZamanlayici->setSingleShot(true);
    acilisZamanlayici->setInterval(10);
    connect(acilisZamanlayici, &QTimer::timeout, this, guarded(this, &TMdiForm::acilisZamanlayiciTimer));
    acilisZamanlayici->start();

    FormCreate();
}

void TMdiForm::buildClientArea()
{
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    tukenenStokBandi = new QLabel(u"DİKKAT!  Tükenmekte olan ürünleriniz bulunmakta."_s, client);
    tukenenStokBandi->setObjectName(u"tukenenStokBandi"_s);
    tukenenStokBandi->setToolTip(u"Göz atmak için tıklayın!"_s);
    tukenenStokBandi->setFixedHeight(24);
    tukenenStokBandi->setAlignment(Qt::AlignCenter);
    tukenenStokBandi->setCursor(Qt::PointingHandCursor);
    QFont bold = tukenenStokBandi->font();
    bold.setBold(true);
    tukenenStokBandi->setFont(bold);
    tukenenStokBandi->hide();
    layout->addWidget(tukenenStokBandi);

    m_mdiArea = new QMdiArea(client);
    m_mdiArea->setObjectName(u"pictureArea"_s);
    m_mdiArea->setBackground(QColor(0x5B, 0x7F, 0xA6));
    layout->addWidget(m_mdiArea);
    setCentralWidget(client);

    // Under the work windows, so only the bare picture area shows it.
    borclarNoktasi = new QLabel(u"    "_s, m_mdiArea->viewport());
    borclarNoktasi->setObjectName(u"borclarNoktasi"_s);
    borclarNoktasi->setCursor(Qt::PointingHandCursor);
    borclarNoktasi->adjustSize();
    borclarNoktasi->move(0, 0);
    borclarNoktasi->lower();
    borclarNoktasi->installEventFilter(this);

    statusPanel = new QLabel(u"Dukkano - Satış, Stok ve Cari Takip Programı"_s);
    statusPanel->setAlignment(Qt::AlignCenter);
    statusBar()->setObjectName(u"StatusBar1"_s);
    statusBar()->addWidget(statusPanel, 1);
}

void TMdiForm::bindCommands()
{
    bind(MenuYeniUrun, Guard::ExclusiveMarked, &TMdiForm::openUrunKayit);
    bind(MenuYeniUretici, Guard::ExclusiveMarked, &TMdiForm::openUreticiKayit);
    bind(MenuYeniMusteri, Guard::ExclusiveMarked, &TMdiForm::openMusteriKayit);
    connect(MenuCikis, &QAction::triggered, this, guarded(this, &TMdiForm::MenuCikisClick));
    bind(MenuUrunSatis, Guard::ExclusiveMarked, &TMdiForm::openUrunSatis);
    bind(MenuUrunSatisIptali, Guard::ExclusiveMarked, &TMdiForm::openUrunSatisIptali);
    bind(MenuBugununSatislari, Guard::ExclusiveMarked, &TMdiForm::openBugununSatislari);
    bind(menuUrunBilgileriD, Guard::ExclusiveMarked, &TMdiForm::openUrunBilgileriD);
    bind(MenuTumSatislar, Guard::ExclusiveMarked, &TMdiForm::openTumSatislar);
    bind(MenuAylikOdemeler, Guard::ExclusiveMarked, &TMdiForm::openAylikOdemeler);
    bind(menuMusteriBilgileriD, Guard::ExclusiveMarked, &TMdiForm::openMusteriBilgileriD);
    bind(MenuSatisAyrintilari, Guard::ExclusiveMarked, &TMdiForm::openSatisAyrintilari);
    bind(MenuYeniKategori, Guard::ExclusiveMarked, &TMdiForm::openKategoriKayit);
    bind(menuKategoriBilgileriD, Guard::ExclusiveMarked, &TMdiForm::openKategoriBilgileriD);
    bind(menuFiyatDegisiklikleri, Guard::ExclusiveMarked, &TMdiForm::openFiyatDegisiklikleri);
    bind(Masraflar1, Guard::Exclusive, &TMdiForm::openMasraflarGiderler);
    bind(MenuFrmBarkod, Guard::Exclusive, &TMdiForm::openBarkodum);
    bind(menuMBorclari, Guard::ExclusiveUnlessMarked, &TMdiForm::previewMusteriler);
    bind(menuSatisRaporlari, Guard::ExclusiveMarked, &TMdiForm::openSatisRaporuS);
    bind(mrnlerRaporu1, Guard::None, &TMdiForm::previewUrunler);
    bind(BarkodTasarla1, Guard::None, &TMdiForm::designBarkod);
    bind(menuUreticiBilgileriD, Guard::ExclusiveMarked, &TMdiForm::openUreticiBilgileriD);
    connect(VeritabannYedekle1, &QAction::triggered, this, guarded(this, &TMdiForm::VeritabannYedekle1Click));
    connect(menuResimSec, &QAction::triggered, this, guarded(this, &TMdiForm::menuResimSecClick));
    connect(menuResimGosterme, &QAction::triggered, this, guarded(this, &TMdiForm::menuResimGostermeClick));
    bind(menuAcilisSifresi, Guard::None, &TMdiForm::openSifreDegisimi);
    connect(dukkanoyardim, &QAction::triggered, this, guarded(this, &TMdiForm::dukkanoyardimClick));
    connect(programHakknda1, &QAction::triggered, this, guarded(this, &TMdiForm::programHakknda1Click));
}

void TMdiForm::bind(QAction* item, Guard guard, Opener open)
{
    if (guard == Guard::ExclusiveMarked)
        item->setCheckable(true);
    connect(item, &QAction::triggered, this, guarded([this, item, guard, open](bool checkedNow) {
        // The toolkit flips a checkable item before running it; the guard decides the mark.
        if (item->isCheckable())
            item->setChecked(!checkedNow);
        openUnderRule(item, guard, open);
    }));
}

void TMdiForm::openUnderRule(QAction* item, Guard guard, Opener open)
{
    const bool marksItsWindow = guard == Guard::ExclusiveMarked || guard == Guard::ExclusiveUnlessMarked;
    if (marksItsWindow && item->isChecked())
        return;
    if (guard != Guard::None && acikFormVar) {
        showMessage(acikFormMesaji);
        return;
    }
    QWidget* window = (this->*open)();
    if (guard == Guard::ExclusiveMarked && window)
        item->setChecked(true);
}

void TMdiForm::FormCreate()
{
    setCurrencyText(u"TL "_s);
    acikFormVar = false;
    applyPictureSettings();
    checkLowStock();
}

void TMdiForm::FormClose()
{
    storePictureSettings();
    m_db.tableUrunler.setFiltered(false);
}

void TMdiForm::closeEvent(QCloseEvent* event)
{
    runGuarded([this] { FormClose(); });
    event->accept();
    // Closing the main window ends the program, even with the sale window still on screen.
    QCoreApplication::quit();
}

void TMdiForm::acilisZamanlayiciTimer()
{
    SettingsKey key(u"Software\\NUREV\\Dukkano1_5"_s);
    kayitliKullaniciAdi = key.value(u"KullaniciAdi"_s);
    kayitliSifre = key.value(u"Sifre"_s);
    if (!kayitliKullaniciAdi.isEmpty() || !kayitliSifre.isEmpty())
        openSifreGirisi();
    if (acilisZamanlayici)
        acilisZamanlayici->deleteLater();
}

void TMdiForm::MenuCikisClick()
{
    if (dialogs().question(u"Çıkış Yapmak İstediğinizden Emin misiniz ?"_s,
                           u"ÇIKIŞ"_s, QuestionButtons::YesNo))
        close();
}

void TMdiForm::borclarNoktasiClick()
{
    if (!acikFormVar)
        openMusteriBorclari();
}

bool TMdiForm::eventFilter(QObject* watched, QEvent* event)
{
    return runGuarded(false, [&]() -> bool {
        if (watched == borclarNoktasi && event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            borclarNoktasiClick();
        return QMainWindow::eventFilter(watched, event);
    });
}

} // namespace dukkano
