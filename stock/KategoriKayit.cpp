// The group entry window: name and whole-number VAT rate, the duplicate check as the focus
// leaves the name, the save through the shared `tableKategoriler`.
#include "KategoriKayit.h"

#include "Dialogs.h"
#include "Guarded.h"
#include "KeyFilters.h"
#include "NameSearch.h"
#include "Veritabani.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {

TformKategoriKayit::TformKategoriKayit(Veritabani& db, QWidget* parent) : WorkWindow(parent), m_db(db)
{
    setObjectName(u"formKategoriKayit"_s);
    setWindowTitle(u"GRUP Kayit"_s);
    buildControls();
    grupSorgulandi = false;
    // Whoever gives the window the focus gives it to the name.
    setFocusProxy(kategoriAdi);
    kategoriAdi->setFocus();
}

void TformKategoriKayit::buildControls()
{
    baslik = new QLabel(u"Yeni Grup Kayıt Formu"_s, this);
    QFont heading = baslik->font();
    heading.setPointSize(18);
    heading.setBold(true);
    baslik->setFont(heading);

    grupAdiLabel = new QLabel(u"Grup Adı :"_s, this);
    kategoriAdi = new QLineEdit(this);
    kategoriAdi->setObjectName(u"kategoriAdi"_s);
    kdvOraniLabel = new QLabel(u"Grup KDV Oranı :"_s, this);
    kategoriKDVorani = new QLineEdit(this);
    kategoriKDVorani->setObjectName(u"kategoriKDVorani"_s);
    kategoriKDVorani->setMaximumWidth(80);
    installDigitsOnlyFilter(kategoriKDVorani);
    yuzdeLabel = new QLabel(u"%"_s, this);

    kaydet = new QPushButton(u"Kaydet"_s, this);
    Temizle = new QPushButton(u"Temizle"_s, this);
    Kapat = new QPushButton(u"Kapat"_s, this);
    kaydet->setObjectName(u"kaydet"_s);
    Temizle->setObjectName(u"Temizle"_s);
    Kapat->setObjectName(u"Kapat"_s);
    for (QPushButton* button : {kaydet, Temizle, Kapat}) {
        button->setAutoDefault(true);  // Enter presses the focused button
        button->setMinimumWidth(90);
    }

    auto* fields = new QGridLayout;
    fields->addWidget(grupAdiLabel, 0, 0, Qt::AlignRight);
    fields->addWidget(kategoriAdi, 0, 1, 1, 2);
    fields->addWidget(kdvOraniLabel, 1, 0, Qt::AlignRight);
    fields->addWidget(kategoriKDVorani, 1, 1);
    fields->addWidget(yuzdeLabel, 1, 2);
    fields->setColumnMinimumWidth(1, 80);
    fields->setColumnStretch(2, 1);
    kategoriAdi->setMinimumWidth(300);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {kaydet, Temizle, Kapat})
        buttons->addWidget(button);

    auto* form = new QVBoxLayout;
    form->addWidget(baslik);
    form->addSpacing(16);
    form->addLayout(fields);
    form->addSpacing(12);
    form->addLayout(buttons);

    auto* whole = new QGridLayout(this);
    whole->setContentsMargins(40, 30, 40, 30);
    whole->addLayout(form, 0, 0);
    whole->setRowStretch(1, 1);
    whole->setColumnStretch(1, 1);

    connect(kategoriAdi, &QLineEdit::textChanged, this, guarded(this, &TformKategoriKayit::kategoriAdiChange));
    connect(kaydet, &QPushButton::clicked, this, guarded(this, &TformKategoriKayit::kaydetClick));
    connect(Temizle, &QPushButton::clicked, this, guarded(this, &TformKategoriKayit::TemizleClick));
    connect(Kapat, &QPushButton::clicked, this, guarded(this, &TformKategoriKayit::KapatClick));
    for (QWidget* watched : {static_cast<QWidget*>(kategoriAdi), static_cast<QWidget*>(kategoriKDVorani),
                             static_cast<QWidget*>(kaydet)})
        watched->installEventFilter(this);
}

void TformKategoriKayit::kategoriAdiChange()
{
    grupSorgulandi = false;
}

// Runs as the focus enters the VAT field or "Kaydet": a name already stored (whatever its
// letter case) is refused before anything is typed after it.
void TformKategoriKayit::kategoriKDVoraniEnter()
{
    const QString ad = kategoriAdi->text();
    if (grupSorgulandi || ad.isEmpty())
        return;
    const auto kayitli = kayitliGrupAdi(ad);
    grupSorgulandi = true;
    if (kayitli) {
        showMessage(u"Bu Grup Zaten Kayıtlı. Grup Adı : "_s + *kayitli);
        TemizleClick();
    }
}

std::optional<QString> TformKategoriKayit::kayitliGrupAdi(const QString& ad)
{
    Dataset ayniAd(m_db.baglanti, u"Kategoriler"_s);
    searchByName(ayniAd, u"Kategoriler"_s, u"KategoriAdi"_s, ad, NameMatch::Equals, u"KategoriNo"_s);
    ayniAd.open();
    if (ayniAd.isEmpty())
        return std::nullopt;
    return ayniAd.text(u"KategoriAdi"_s);
}

void TformKategoriKayit::kaydetClick()
{
    // A mouse click gives the button the focus without the check (see eventFilter); it runs here.
    if (!grupSorgulandi && !kategoriAdi->text().isEmpty()) {
        kategoriKDVoraniEnter();
        if (kategoriAdi->text().isEmpty())
            return;
    }
    if (kategoriAdi->text().isEmpty()) {
        showMessage(u"Lütfen Grup Adını Giriniz."_s);
        kategoriAdi->setFocus();
        return;
    }
    if (kategoriKDVorani->text().isEmpty()) {
        showMessage(u"Lütfen Grup KDV Oranını Giriniz."_s);
        kategoriKDVorani->setFocus();
        return;
    }
    Dataset& kategoriler = m_db.tableKategoriler;
    RowGuard row(kategoriler);
    kategoriler.append();
    kategoriler.setValue(u"KategoriAdi"_s, kategoriAdi->text());
    kategoriler.setValue(u"KategoriKDVorani"_s, kategoriKDVorani->text());
    row.post();
    showMessage(u"Yeni Grup Kaydedildi."_s);
    TemizleClick();
}

void TformKategoriKayit::TemizleClick()
{
    kategoriAdi->clear();
    kategoriKDVorani->clear();
    kategoriAdi->setFocus();
    grupSorgulandi = false;
}

void TformKategoriKayit::KapatClick()
{
    close();
}

void TformKategoriKayit::FormClose()
{
    m_db.kapanisAdimlari();
}

bool TformKategoriKayit::eventFilter(QObject* watched, QEvent* event)
{
    return runGuarded(false, [&]() -> bool {
        if (event->type() == QEvent::FocusIn) {
            // A message box in the middle of a mouse press would leave the button half pressed;
            // for a click the check waits for kaydetClick.
            const bool byMouse = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
            if (watched == kategoriKDVorani || (watched == kaydet && !byMouse))
                kategoriKDVoraniEnter();
            return false;
        }
        if (event->type() == QEvent::KeyPress && (watched == kategoriAdi || watched == kategoriKDVorani)) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                focusNextChild();
                return true;
            }
        }
        return false;
    });
}

} // namespace dukkano
