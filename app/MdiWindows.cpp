// What the main window's commands open. Each returns the window it opened, or nullptr while that
// window is not built yet: its command keeps its guard but opens nothing and checks no item.
#include "Mdiunit.h"

#include "AylikOdemeler.h"
#include "KategoriBilgileriD.h"
#include "KategoriKayit.h"
#include "MasraflarGiderler.h"
#include "MusteriBilgileriD.h"
#include "MusteriBorclari.h"
#include "MusteriKayit.h"
#include "SatisAyrintilari.h"
#include "UreticiBilgileriD.h"
#include "UreticiKayit.h"
#include "UrunBilgileriD.h"
#include "UrunKayit.h"
#include "UrunSatis.h"
#include "UrunSatisIptali.h"
#include "WorkWindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace dukkano {

QWidget* TMdiForm::openUrunSatis()
{
    // A frameless on-top window of its own, not a child in the frame, yet owned by the main
    // window so that it goes when the program ends.
    auto* window = new TFormUrunSatis(m_db, m_mdiArea, this);
    connect(window, &TFormUrunSatis::closed, this, [this] { MenuUrunSatis->setChecked(false); });
    showMaximizedOnScreen(window);
    window->activateWindow();  // the cashier scans into it at once
    return window;
}

QWidget* TMdiForm::openChild(WorkWindow* window, QAction* item)
{
    QMdiSubWindow* frame = m_mdiArea->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    if (item)
        connect(window, &WorkWindow::closed, item, [item] { item->setChecked(false); });
    frame->showMaximized();
    window->setFocus();
    return window;
}

QWidget* TMdiForm::openUrunKayit() { return openChild(new TFormUrunKayit(m_db), MenuYeniUrun); }
QWidget* TMdiForm::openUreticiKayit() { return openChild(new TformUreticiKayit(m_db), MenuYeniUretici); }
QWidget* TMdiForm::openMusteriKayit() { return openChild(new TformMusteriKayit(m_db), MenuYeniMusteri); }
QWidget* TMdiForm::openUrunSatisIptali()
{
    return openChild(new TformUrunSatisIptali(m_db), MenuUrunSatisIptali);
}
QWidget* TMdiForm::openBugununSatislari() { return nullptr; }
QWidget* TMdiForm::openUrunBilgileriD() { return openChild(new TformUrunBilgileriD(m_db), menuUrunBilgileriD); }
QWidget* TMdiForm::openTumSatislar() { return nullptr; }
QWidget* TMdiForm::openAylikOdemeler() { return openChild(new TformAylikOdemeler(m_db), MenuAylikOdemeler); }
QWidget* TMdiForm::openMusteriBilgileriD()
{
    return openChild(new TformMusteriBilgileriD(m_db), menuMusteriBilgileriD);
}
QWidget* TMdiForm::openSatisAyrintilari()
{
    return openChild(new TformSatisAyrintilari(m_db), MenuSatisAyrintilari);
}
QWidget* TMdiForm::openKategoriKayit() { return openChild(new TformKategoriKayit(m_db), MenuYeniKategori); }
QWidget* TMdiForm::openKategoriBilgileriD()
{
    return openChild(new TformKategoriBilgileriD(m_db), menuKategoriBilgileriD);
}
QWidget* TMdiForm::openFiyatDegisiklikleri() { return nullptr; }
QWidget* TMdiForm::openMasraflarGiderler() { return openChild(new TFormMasraflarGiderler(m_db), nullptr); }
QWidget* TMdiForm::openBarkodum() { return nullptr; }
QWidget* TMdiForm::openSatisRaporuS() { return nullptr; }
QWidget* TMdiForm::openUreticiBilgileriD()
{
    return openChild(new TformUreticiBilgileriD(m_db), menuUreticiBilgileriD);
}
QWidget* TMdiForm::openMusteriBorclari() { return openChild(new TformMusteriBorclari(m_db), nullptr); }
QWidget* TMdiForm::openSifreGirisi() { return nullptr; }
QWidget* TMdiForm::openSifreDegisimi() { return nullptr; }
QWidget* TMdiForm::previewMusteriler() { return nullptr; }
QWidget* TMdiForm::previewUrunler() { return nullptr; }
QWidget* TMdiForm::designBarkod() { return nullptr; }

} // namespace dukkano
