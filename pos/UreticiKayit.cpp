// The receipt header entry window: the shop's details typed into edits and appended to
// Ureticiler, with a check for a name already stored whenever the user moves on from the name.
#include "UreticiKayit.h"

#include "DataError.h"
#include "DataGrid.h"
#include "Dialogs.h"
#include "Guarded.h"
#include "Veritabani.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {

TformUreticiKayit::TformUreticiKayit(Veritabani& db, QWidget* parent) : WorkWindow(parent), m_db(db)
{
    setObjectName(u"formUreticiKayit"_s);
    setWindowTitle(u"Fiş Ayar"_s);

    baslik = new QLabel(u"Fiş için Ayarlar"_s, this);
    QFont heading = baslik->font();
    heading.setPointSize(16);
    heading.setBold(true);
    baslik->setFont(heading);

    // Created in the order the Tab key visits them.
    ureticiAdi = newEdit(u"ureticiAdi"_s, u"Mağaza Adı :"_s);
    kisiAdi = newEdit(u"kisiAdi"_s, u"Kişi Adı :"_s);
    adres = newEdit(u"adres"_s, u"Adres :"_s);
    telefonNo = newEdit(u"telefonNo"_s, u"Telefon No :"_s);
    internetAdresi = newEdit(u"internetAdresi"_s, u"İnternet Adresi :"_s);
    ePosta = newEdit(u"ePosta"_s, u"E-Posta"_s);
    notlar = newEdit(u"notlar"_s, u"Notlar"_s);
    kisiUnvani = newHiddenEdit(u"kisiUnvani"_s);
    sehir = newHiddenEdit(u"sehir"_s);
    postaKodu = newHiddenEdit(u"postaKodu"_s);
    ulke = newHiddenEdit(u"ulke"_s);
    faxNo = newHiddenEdit(u"faxNo"_s);

    kaydet = new QPushButton(u"Kaydet"_s, this);
    kaydet->setObjectName(u"kaydet"_s);
    Temizle = new QPushButton(u"Temizle"_s, this);
    Temizle->setObjectName(u"Temizle"_s);
    Kapat = new QPushButton(u"Kapat"_s, this);
    Kapat->setObjectName(u"Kapat"_s);
    for (QPushButton* button : {kaydet, Temizle, Kapat})
        button->setMinimumSize(110, 34);
    connect(kaydet, &QPushButton::clicked, this, guarded(this, &TformUreticiKayit::kaydetClick));
    connect(Temizle, &QPushButton::clicked, this, guarded(this, &TformUreticiKayit::TemizleClick));
    connect(Kapat, &QPushButton::clicked, this, guarded(this, &TformUreticiKayit::KapatClick));
    buildGrid();

    m_alanlar = {
        {u"UreticiAdi"_s, ureticiAdi},
        {u"KisiAdi"_s, kisiAdi},
        {u"KisiUnvani"_s, kisiUnvani},
        {u"Adres"_s, adres},
        {u"Sehir"_s, sehir},
        {u"PostaKodu"_s, postaKodu},
        {u"Ulke"_s, ulke},
        {u"TelefonNumarasi"_s, telefonNo},
        {u"FaksNumarasi"_s, faxNo},
        {u"InternetAdresi"_s, internetAdresi},
        {u"EpostaAdresi"_s, ePosta},
        {u"Notlar"_s, notlar},
    };
    m_kontrolNoktalari = {kisiAdi, kisiUnvani, adres, sehir, postaKodu, ulke,
                          telefonNo, faxNo, internetAdresi, ePosta, notlar, kaydet};
    for (const Alan& alan : m_alanlar)
        alan.edit->installEventFilter(this);
    kaydet->installEventFilter(this);
    layOut();
    // The main window focuses a child window as it opens it; typing starts in the name.
    setFocusProxy(ureticiAdi);
    ureticiAdi->setFocus();
}

// The grid goes before its model; the shared object it shows outlives the window.
TformUreticiKayit::~TformUreticiKayit()
{
    delete ureticilerGrid;
    delete dsUreticiler;
}

// ---- building the window

QLineEdit* TformUreticiKayit::newEdit(const QString& name, const QString& label)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(edit);
    m_gorunenler.push_back({caption, edit});
    return edit;
}

QLineEdit* TformUreticiKayit::newHiddenEdit(const QString& name)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setEnabled(false);
    edit->hide();
    return edit;
}

void TformUreticiKayit::buildGrid()
{
    dsUreticiler = new DatasetModel(m_db.tableUreticiler,
                                    {
                                        GridColumn(u"UreticiAdi"_s, u"Mağaza Adı"_s),
                                        GridColumn(u"KisiAdi"_s, u"Kişi Adı"_s),
                                        GridColumn(u"Adres"_s, u"Adres"_s),
                                        GridColumn(u"TelefonNumarasi"_s, u"Telefon No"_s),
                                        GridColumn(u"InternetAdresi"_s, u"İnternet Adresi"_s),
                                        GridColumn(u"EpostaAdresi"_s, u"E-Posta Adresi"_s),
                                        GridColumn(u"Notlar"_s, u"Notlar"_s),
                                    },
                                    this);
    ureticilerGrid = new DataGrid(this);
    ureticilerGrid->setObjectName(u"ureticilerGrid"_s);
    ureticilerGrid->setDatasetModel(dsUreticiler);
    const int widths[] = {170, 150, 240, 130, 150, 170};
    for (int column = 0; column < 6; ++column)
        ureticilerGrid->setColumnWidth(column, widths[column]);
    ureticilerGrid->horizontalHeader()->setStretchLastSection(true);
}

void TformUreticiKayit::layOut()
{
    auto* form = new QGridLayout;
    for (int row = 0; row < m_gorunenler.size(); ++row) {
        m_gorunenler[row].label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        form->addWidget(m_gorunenler[row].label, row, 0);
        form->addWidget(m_gorunenler[row].edit, row, 1);
    }
    form->setColumnMinimumWidth(1, 420);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(kaydet);
    buttons->addWidget(Temizle);
    buttons->addWidget(Kapat);
    buttons->addStretch(1);
    form->addLayout(buttons, int(m_gorunenler.size()), 1);

    auto* top = new QHBoxLayout;
    top->addLayout(form);
    top->addStretch(1);

    auto* whole = new QVBoxLayout(this);
    whole->addWidget(baslik);
    whole->addLayout(top);
    whole->addWidget(ureticilerGrid, 1);
}

// ---- handlers

void TformUreticiKayit::kaydetClick()
{
    if (ureticiAdi->text().isEmpty()) {
        showMessage(u"Lütfen Mağaza Adını Giriniz."_s);
        ureticiAdi->setFocus();
        return;
    }
    // A click enters the button too; its check runs here, so that a stored name is never
    // saved twice and the user sees one message.
    if (kayitliMagazaKontrolu())
        return;
    if (!yeniMagazaEkle())
        return;
    showMessage(u"Yeni Mağaza Kaydedeildi."_s);
    TemizleClick();
}

// Appends the row with the twelve fields in their order; a refused text is reported and
// nothing is written, nor left pending on the shared object.
bool TformUreticiKayit::yeniMagazaEkle()
{
    Dataset& ureticiler = m_db.tableUreticiler;
    try {
        ureticiler.append();
        for (const Alan& alan : m_alanlar)
            ureticiler.setValue(alan.field, alan.edit->text());
        ureticiler.post();
    } catch (const DataError& error) {
        ureticiler.cancel();
        showMessage(error.message());
        return false;
    }
    return true;
}

void TformUreticiKayit::TemizleClick()
{
    for (const Alan& alan : m_alanlar)
        alan.edit->clear();
    ureticiAdi->setFocus();
}

void TformUreticiKayit::KapatClick()
{
    close();
}

bool TformUreticiKayit::kayitliMagazaKontrolu()
{
    const QString ad = ureticiAdi->text();
    if (ad.isEmpty())
        return false;
    const auto kayitli = m_db.tableUreticiler.lookup(u"UreticiAdi"_s, ad, {u"UreticiAdi"_s});
    if (!kayitli)
        return false;
    showMessage(u"Bu Mağaza Zaten Kayıtlı. Mağaza Adı : "_s + kayitli->value(u"UreticiAdi"_s).toString());
    TemizleClick();
    return true;
}

bool TformUreticiKayit::eventFilter(QObject* watched, QEvent* event)
{
    return runGuarded(false, [&]() -> bool {
        if (event->type() == QEvent::FocusIn && m_kontrolNoktalari.contains(watched)) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // Focus given back after a message box or a menu is no moving on; a click on "Kaydet"
            // is checked by its click.
            const bool movedOn = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
                                 && !(watched == kaydet && reason == Qt::MouseFocusReason);
            if (movedOn)
                kayitliMagazaKontrolu();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && qobject_cast<QLineEdit*>(watched)) {
                focusNextChild();  // Enter moves on to the next field, as Tab does
                return true;
            }
        }
        return WorkWindow::eventFilter(watched, event);
    });
}

void TformUreticiKayit::FormClose()
{
    // The grid edits the shared object itself: its pending edit is stored (or dropped) before
    // the filters go off, so that the object is left ready for its next user.
    ureticilerGrid->finishOrDrop();
    m_db.kapanisAdimlari();
}

} // namespace dukkano
