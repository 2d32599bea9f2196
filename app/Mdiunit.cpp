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

    ImageList1 = makeImageList1();
    // The sale picture stands for the program, in the frames of the work windows too.
    QApplication::setWindowIcon(ImageList1.value(2));
    buildMenu();
    buildToolBar();
    buildClientArea();
    bindCommands();
    new MenuShortcutPriority(this);

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, guarded(this, &TMdiForm::Timer1Timer));
    Timer1->start();

    FormCreate();
}

void TMdiForm::buildClientArea()
{
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new QLabel(u"DİKKAT!  Tükenmekte olan ürünleriniz bulunmakta."_s, client);
    Panel1->setObjectName(u"Panel1"_s);
    Panel1->setToolTip(u"Göz atmak için tıklayın!"_s);
    Panel1->setFixedHeight(24);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setCursor(Qt::PointingHandCursor);
    QFont bold = Panel1->font();
    bold.setBold(true);
    Panel1->setFont(bold);
    Panel1->hide();
    layout->addWidget(Panel1);

    m_mdiArea = new QMdiArea(client);
    m_mdiArea->setObjectName(u"pictureArea"_s);
    m_mdiArea->setBackground(QColor(0x5B, 0x7F, 0xA6));
    layout->addWidget(m_mdiArea);
    setCentralWidget(client);

    // Under the work windows, so only the bare picture area shows it.
    Label1 = new QLabel(u"    "_s, m_mdiArea->viewport());
    Label1->setObjectName(u"Label1"_s);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->adjustSize();
    Label1->move(0, 0);
    Label1->lower();
    Label1->installEventFilter(this);

    statusPanel = new QLabel(u"Dukkano - Satış, Stok ve Cari Takip Programı"_s);
    statusPanel->setAlignment(Qt::AlignCenter);
    statusBar()->setObjectName(u"StatusBar1"_s);
    statusBar()->addWidget(statusPanel, 1);
}

void TMdiForm::bindCommands()
{
    bind(MenuYeniUrun, Guard::RuleA, &TMdiForm::openUrunKayit);
    bind(MenuYeniUretici, Guard::RuleA, &TMdiForm::openUreticiKayit);
    bind(MenuYeniMusteri, Guard::RuleA, &TMdiForm::openMusteriKayit);
    connect(MenuCikis, &QAction::triggered, this, guarded(this, &TMdiForm::MenuCikisClick));
    bind(MenuUrunSatis, Guard::RuleA, &TMdiForm::openUrunSatis);
    bind(MenuUrunSatisIptali, Guard::RuleA, &TMdiForm::openUrunSatisIptali);
    bind(MenuBugununSatislari, Guard::RuleA, &TMdiForm::openBugununSatislari);
    bind(menuUrunBilgileriD, Guard::RuleA, &TMdiForm::openUrunBilgileriD);
    bind(MenuTumSatislar, Guard::RuleA, &TMdiForm::openTumSatislar);
    bind(MenuAylikOdemeler, Guard::RuleA, &TMdiForm::openAylikOdemeler);
    bind(menuMusteriBilgileriD, Guard::RuleA, &TMdiForm::openMusteriBilgileriD);
    bind(MenuSatisAyrintilari, Guard::RuleA, &TMdiForm::openSatisAyrintilari);
    bind(MenuYeniKategori, Guard::RuleA, &TMdiForm::openKategoriKayit);
    bind(menuKategoriBilgileriD, Guard::RuleA, &TMdiForm::openKategoriBilgileriD);
    bind(menuFiyatDegisiklikleri, Guard::RuleA, &TMdiForm::openFiyatDegisiklikleri);
    bind(Masraflar1, Guard::RuleB, &TMdiForm::openMasraflarGiderler);
    bind(MenuFrmBarkod, Guard::RuleB, &TMdiForm::openBarkodum);
    bind(menuMBorclari, Guard::RuleC, &TMdiForm::previewMusteriler);
    bind(menuSatisRaporlari, Guard::RuleA, &TMdiForm::openSatisRaporuS);
    bind(mrnlerRaporu1, Guard::None, &TMdiForm::previewUrunler);
    bind(BarkodTasarla1, Guard::None, &TMdiForm::designBarkod);
    bind(menuUreticiBilgileriD, Guard::RuleA, &TMdiForm::openUreticiBilgileriD);
    connect(VeritabannYedekle1, &QAction::triggered, this, guarded(this, &TMdiForm::VeritabannYedekle1Click));
    connect(menuResimSec, &QAction::triggered, this, guarded(this, &TMdiForm::menuResimSecClick));
    connect(menuResimGosterme, &QAction::triggered, this, guarded(this, &TMdiForm::menuResimGostermeClick));
    bind(menuAcilisSifresi, Guard::None, &TMdiForm::openSifreDegisimi);
    connect(dukkanoyardim, &QAction::triggered, this, guarded(this, &TMdiForm::dukkanoyardimClick));
    connect(programHakknda1, &QAction::triggered, this, guarded(this, &TMdiForm::programHakknda1Click));
}

void TMdiForm::bind(QAction* item, Guard guard, Opener open)
{
    if (guard == Guard::RuleA)
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
    const bool marksItsWindow = guard == Guard::RuleA || guard == Guard::RuleC;
    if (marksItsWindow && item->isChecked())
        return;
    if (guard != Guard::None && acikFormVar) {
        showMessage(acikFormMesaji);
        return;
    }
    QWidget* window = (this->*open)();
    if (guard == Guard::RuleA && window)
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

void TMdiForm::Timer1Timer()
{
    SettingsKey key(u"Software\\NUREV\\Dukkano1_5"_s);
    kayitliKullaniciAdi = key.value(u"KullaniciAdi"_s);
    kayitliSifre = key.value(u"Sifre"_s);
    if (!kayitliKullaniciAdi.isEmpty() || !kayitliSifre.isEmpty())
        openSifreGirisi();
    if (Timer1)
        Timer1->deleteLater();
}

void TMdiForm::MenuCikisClick()
{
    if (dialogs().question(u"Çıkış Yapmak İstediğinizden Emin misiniz ?"_s,
                           u"ÇIKIŞ"_s, QuestionButtons::YesNo))
        close();
}

void TMdiForm::Label1Click()
{
    if (!acikFormVar)
        openMusteriBorclari();
}

bool TMdiForm::eventFilter(QObject* watched, QEvent* event)
{
    return runGuarded(false, [&]() -> bool {
        if (watched == Label1 && event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            Label1Click();
        return QMainWindow::eventFilter(watched, event);
    });
}

} // namespace dukkano
