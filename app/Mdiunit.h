// The main window `TMdiForm`: the frame the work windows open in, its menu and tool bar, and the
// rule that only one work window is open at a time.
#pragma once

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;

namespace dukkano {

class WorkWindow;

class Veritabani;

// Shows a window maximised, covering the screen's work area even where no window manager
// maximises it.
void showMaximizedOnScreen(QWidget* window);

class TMdiForm : public QMainWindow {
    Q_OBJECT
public:
    // The database stays the caller's and must outlive the window.
    explicit TMdiForm(Veritabani& db, QWidget* parent = nullptr);

    Veritabani& veritabani() const { return m_db; }
    // Where the work windows open as children.
    QMdiArea* mdiArea() const { return m_mdiArea; }

    // A new sale window in front of everything; at start, and for "Ürün Satış-POS".
    QWidget* openUrunSatis();

    // The menu, named as the rest of the program refers to it. A work window un-checks its item
    // when it closes (`MenuUrunSatis->setChecked(false)`).
    QMenu* MenuYeni;
    QAction* MenuYeniUrun;
    QAction* MenuYeniUretici;
    QAction* MenuYeniMusteri;
    QAction* RestorantCafe;
    QAction* MenuCikis;
    QMenu* MenuSatislar;
    QAction* MenuUrunSatis;
    QAction* MenuUrunSatisIptali;
    QAction* N1;
    QAction* MenuBugununSatislari;
    QAction* menuUrunBilgileriD;
    QAction* menuGazeteSatislari;
    QAction* menuUrunlereGoreS;
    QAction* N7;
    QAction* MenuTumSatislar;
    QMenu* MenuMusteriTakip;
    QAction* MenuAylikOdemeler;
    QAction* menuMusteriBilgileriD;
    QAction* MenuSatisAyrintilari;
    QMenu* MenuDegisiklikler;
    QAction* MenuYeniKategori;
    QAction* menuKategoriBilgileriD;
    QAction* menuFiyatDegisiklikleri;
    QAction* Masraflar1;
    QAction* MenuFrmBarkod;
    QMenu* Raporlar1;
    QAction* menuMBorclari;
    QAction* menuSatisRaporlari;
    QAction* mrnlerRaporu1;
    QMenu* Ayarlar1;
    QAction* BarkodTasarla1;
    QAction* menuUreticiBilgileriD;
    QAction* VeritabannYedekle1;
    QMenu* MenuArkaPlanResmi;
    QAction* menuResimSec;
    QAction* menuResimGosterme;
    QAction* menuAcilisSifresi;
    QMenu* menuYardim;
    QAction* dukkanoyardim;
    QAction* N4;
    QAction* programHakknda1;

    QToolBar* aracCubugu;
    QToolButton* stokEkleButonu;
    QToolButton* musteriButonu;
    QToolButton* urunSatisButonu;
    QToolButton* satisIptaliButonu;
    QToolButton* gununOzetiButonu;
    QToolButton* satisDetayButonu;
    QToolButton* stokDetayButonu;
    QToolButton* cikisButonu;

    QLabel* tukenenStokBandi;      // the low-stock banner under the tool bar
    QLabel* borclarNoktasi;      // the invisible hot spot at the left edge of the picture area
    QLabel* statusPanel; // the one panel of the status bar `StatusBar1`
    QPointer<QTimer> acilisZamanlayici;  // the start-up timer; gone once it has fired
    QList<QIcon> simgeler;

public slots:
    void MenuCikisClick();
    void borclarNoktasiClick();
    void acilisZamanlayiciTimer();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a command checks before it opens its window. Exclusive: nothing opens while a work
    // window is open. ExclusiveMarked: the same, and the item stays checked while its window
    // is open, a second click opening nothing. ExclusiveUnlessMarked: a checked item opens
    // nothing, and the item is not checked by opening.
    enum class Guard { None, Exclusive, ExclusiveMarked, ExclusiveUnlessMarked };
    using Opener = QWidget* (TMdiForm::*)();

    void buildMenu();
    void buildToolBar();
    void buildClientArea();
    void bindCommands();
    void bind(QAction* item, Guard guard, Opener open);
    void openUnderRule(QAction* item, Guard guard, Opener open);

    void FormCreate();
    void FormClose();

    // Shows a work window maximised in the frame; its closing un-checks the item.
    QWidget* openChild(WorkWindow* window, QAction* item);

    // What the commands open (MdiWindows.cpp); nullptr while a window is not built yet.
    QWidget* openUrunKayit();
    QWidget* openUreticiKayit();
    QWidget* openMusteriKayit();
    QWidget* openUrunSatisIptali();
    QWidget* openBugununSatislari();
    QWidget* openUrunBilgileriD();
    QWidget* openTumSatislar();
    QWidget* openAylikOdemeler();
    QWidget* openMusteriBilgileriD();
    QWidget* openSatisAyrintilari();
    QWidget* openKategoriKayit();
    QWidget* openKategoriBilgileriD();
    QWidget* openFiyatDegisiklikleri();
    QWidget* openMasraflarGiderler();
    QWidget* openBarkodum();
    QWidget* openSatisRaporuS();
    QWidget* openUreticiBilgileriD();
    QWidget* openMusteriBorclari();
    QWidget* openSifreGirisi();
    QWidget* openSifreDegisimi();
    QWidget* previewMusteriler();
    QWidget* previewUrunler();
    QWidget* designBarkod();

    // The main window's own utilities (MdiUtilities.cpp).
    void applyPictureSettings();
    void storePictureSettings();
    void checkLowStock();
    void VeritabannYedekle1Click();
    void menuResimSecClick();
    void menuResimGostermeClick();
    void dukkanoyardimClick();
    void programHakknda1Click();

    Veritabani& m_db;
    QMdiArea* m_mdiArea = nullptr;
};

} // namespace dukkano
