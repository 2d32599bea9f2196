// The account window: the name search over the customers, the selected customer's debt and
// the debt left after the amount typed, the payment with its checks, the payments window and
// the deletion under the debt rule.
#include "AylikOdemeler.h"

#include "Controls.h"
#include "DataGrid.h"
#include "DatasetModel.h"
#include "Dialogs.h"
#include "Guarded.h"
#include "KeyFilters.h"
#include "MusteriHesabi.h"
#include "MusteriSilme.h"
#include "NameSearch.h"
#include "Veritabani.h"
#include "WideScreen.h"
#include "YapilmisOdemeler.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QResizeEvent>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

const QString tumMusteriler = u"select MusteriNo, AdiSoyadi, BabaAdi, FaturaAdresi, TelefonNumarasi, ToplamBorc "
                              "from Musteriler ORDER BY AdiSoyadi"_s;
const QString miktarGirin = u"Lütfen Ödenecek Miktarı Girin."_s;
const QString borcdanFazla = u"Ödenecek Miktar Müşterinin Borcundan Fazla. Lütfen Kontrol Edin."_s;

// Design geometry, for a screen 1152 pixels wide: the grid on the left from under the search
// line down to this far above the bottom, the payment on the right.
constexpr int gridTop = 50;
constexpr int gridBottomMargin = 12;
constexpr int panelX = 790;

} // namespace

TformAylikOdemeler::TformAylikOdemeler(Veritabani& db, QWidget* parent)
    : WorkWindow(parent)
    , dSetMusteriler(db.baglanti, tumMusteriler)
    , tableOdemeler(db.baglanti, u"Odemeler"_s)
    , m_db(db)
{
    setObjectName(u"formAylikOdemeler"_s);
    setWindowTitle(u"Cari Liste ve Borç"_s);
    setCurrencyText(u"TL "_s);
    buildControls();
    placeControls();
    shiftForWideScreen({musteriGrid, musteriSil, kapat, cariAdiEtiketi, seciliCariEtiketi, toplamBorcEtiketi,
                        yapilanOdemeEtiketi, lBorc, lKalanBorc, musteriAdi, odemeler, satisiGerceklestir, temizle,
                        yapilanOdeme},
                       false);
    connect(&dSetMusteriler, &Dataset::afterScroll, this, guarded(this, &TformAylikOdemeler::dSetMusterilerAfterScroll));
    dSetMusteriler.open();
    tableOdemeler.open();
    setFocusProxy(musteriAdi);
}

// The payments window shows our payments object, and the grid our customers: both go first.
TformAylikOdemeler::~TformAylikOdemeler()
{
    if (yapilmisOdemeler) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(yapilmisOdemeler->parentWidget()))
            delete frame;
        else
            delete yapilmisOdemeler.data();
    }
    delete musteriGrid;
    delete dsMusteriler;
}

// ---- building the window

// Created in tab order: the search, the list, the amount and the buttons.
void TformAylikOdemeler::buildControls()
{
    const auto label = [this](const QString& text) { return new QLabel(text, this); };
    const auto button = [this](const QString& text, const QString& name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(true);
        return b;
    };
    cariAdiEtiketi = label(u"Cari Adı :"_s);
    musteriAdi = new QLineEdit(this);
    musteriAdi->setObjectName(u"musteriAdi"_s);
    buildGrid();

    seciliCariEtiketi = label(u"Seçili Cari"_s);
    toplamBorcEtiketi = label(u"TOPLAM BORÇ:"_s);
    lBorc = label(u"0,00 "_s);
    lBorc->setObjectName(u"lBorc"_s);
    showAsDebtFigure(lBorc);

    yapilanOdemeEtiketi = label(u"Yapılan Ödeme :"_s);
    yapilanOdeme = new QLineEdit(this);
    yapilanOdeme->setObjectName(u"yapilanOdeme"_s);
    installNumberEntryFilter(yapilanOdeme);
    lKalanBorc = label(u"0,00 TL"_s);
    lKalanBorc->setObjectName(u"lKalanBorc"_s);
    QFont bold = lKalanBorc->font();
    bold.setPointSize(12);
    bold.setBold(true);
    lKalanBorc->setFont(bold);
    lKalanBorc->hide();

    satisiGerceklestir = button(u"Ödemeyi Gerçekleştir"_s, u"satisiGerceklestir"_s);
    temizle = button(u"Temizle"_s, u"temizle"_s);
    odemeler = button(u"Yapılmış Ödemeler"_s, u"odemeler"_s);
    musteriSil = button(u"Müşteriyi Sil"_s, u"musteriSil"_s);
    kapat = button(u"Kapat"_s, u"kapat"_s);

    // Only what the user types searches; the name put there to follow the list does not.
    connect(musteriAdi, &QLineEdit::textEdited, this, guarded(this, &TformAylikOdemeler::musteriAdiChange));
    connect(yapilanOdeme, &QLineEdit::textChanged, this, guarded(this, &TformAylikOdemeler::yapilanOdemeChange));
    connect(satisiGerceklestir, &QPushButton::clicked, this, guarded(this, &TformAylikOdemeler::satisiGerceklestirClick));
    connect(temizle, &QPushButton::clicked, this, guarded(this, &TformAylikOdemeler::temizleClick));
    connect(odemeler, &QPushButton::clicked, this, guarded(this, &TformAylikOdemeler::odemelerClick));
    connect(musteriSil, &QPushButton::clicked, this, guarded(this, &TformAylikOdemeler::musteriSilClick));
    connect(kapat, &QPushButton::clicked, this, guarded(this, &TformAylikOdemeler::kapatClick));
}

void TformAylikOdemeler::buildGrid()
{
    GridColumn borc(u"ToplamBorc"_s, u"ToplamBorc"_s);
    borc.moneyDisplay = true;
    dsMusteriler = new DatasetModel(dSetMusteriler,
                                    {GridColumn(u"MusteriNo"_s, u"Müşteri No"_s, Qt::AlignRight | Qt::AlignVCenter),
                                     GridColumn(u"AdiSoyadi"_s, u"Adı Soyadı"_s),
                                     GridColumn(u"FaturaAdresi"_s, u"Adresi"_s),
                                     GridColumn(u"TelefonNumarasi"_s, u"Telefon No"_s), borc},
                                    this);
    dsMusteriler->setReadOnly(true);
    musteriGrid = new DataGrid(this);
    musteriGrid->setObjectName(u"musteriGrid"_s);
    musteriGrid->setDatasetModel(dsMusteriler);
    musteriGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    musteriGrid->verticalHeader()->hide();
    const int widths[] = {80, 200, 220, 110, 110};
    for (int c = MusteriNo; c <= ToplamBorc; ++c)
        musteriGrid->setColumnWidth(c, widths[c]);
    musteriGrid->horizontalHeader()->setStretchLastSection(true);
    // Ctrl+Del deletes under the same rule and question as "Müşteriyi Sil".
    connect(musteriGrid, &DataGrid::deleteRequested, this, guarded(this, &TformAylikOdemeler::musteriSilClick));
}

void TformAylikOdemeler::placeControls()
{
    const int lineHeight = 28;
    cariAdiEtiketi->setGeometry(10, 10, 75, lineHeight);
    musteriAdi->setGeometry(90, 10, 280, lineHeight);
    musteriGrid->setGeometry(10, gridTop, panelX - 30, 480);

    seciliCariEtiketi->setGeometry(panelX, gridTop, 160, 22);
    toplamBorcEtiketi->setGeometry(panelX, gridTop + 22, 160, 22);
    lBorc->setGeometry(panelX, gridTop + 48, 330, 56);
    yapilanOdemeEtiketi->setGeometry(panelX, gridTop + 124, 160, 22);
    yapilanOdeme->setGeometry(panelX, gridTop + 148, 160, 32);
    lKalanBorc->setGeometry(panelX + 170, gridTop + 148, 160, 32);
    satisiGerceklestir->setGeometry(panelX, gridTop + 196, 200, 36);
    temizle->setGeometry(panelX + 210, gridTop + 196, 120, 36);
    odemeler->setGeometry(panelX, gridTop + 248, 200, 36);
    musteriSil->setGeometry(panelX, gridTop + 300, 200, 36);
    kapat->setGeometry(panelX + 210, gridTop + 300, 120, 36);
    resize(panelX + 340, gridTop + 480 + gridBottomMargin);
}

// The list runs down to the window's bottom edge.
void TformAylikOdemeler::resizeEvent(QResizeEvent* event)
{
    WorkWindow::resizeEvent(event);
    musteriGrid->resize(musteriGrid->width(), std::max(120, height() - musteriGrid->y() - gridBottomMargin));
}

// ---- the list and the selected customer

qint64 TformAylikOdemeler::seciliMusteriNo()
{
    return dSetMusteriler.number(u"MusteriNo"_s);
}

// The customers whose name begins with the text, in Turkish order and case.
void TformAylikOdemeler::musteriAdiChange(const QString& text)
{
    if (text.isEmpty())
        dSetMusteriler.setSql(tumMusteriler);
    else
        searchByName(dSetMusteriler, u"Musteriler"_s, u"AdiSoyadi"_s, text, NameMatch::BeginsWith, u"AdiSoyadi"_s);
    dSetMusteriler.open();
}

void TformAylikOdemeler::dSetMusterilerAfterScroll()
{
    if (!isFocusField(musteriAdi))
        musteriAdi->setText(dSetMusteriler.text(u"AdiSoyadi"_s));
    lBorc->setText(dSetMusteriler.money(u"ToplamBorc"_s).toCurrency());
    // The debt left is always that of the customer now selected.
    yapilanOdemeChange();
}

std::optional<Money> TformAylikOdemeler::odenecekMiktar() const
{
    return Money::parse(yapilanOdeme->text());
}

void TformAylikOdemeler::yapilanOdemeChange()
{
    const Money borc = dSetMusteriler.money(u"ToplamBorc"_s);
    const auto miktar = odenecekMiktar();
    lKalanBorc->setText((miktar ? borc - *miktar : borc).toCurrency());
    lKalanBorc->setVisible(miktar.has_value());
}

// ---- payment

void TformAylikOdemeler::satisiGerceklestirClick()
{
    const auto refuse = [this](const QString& message) {
        showMessage(message);
        yapilanOdeme->setFocus();
    };
    const QString typed = yapilanOdeme->text();
    if (typed.isEmpty())
        return refuse(miktarGirin);
    // Rounded to the money unit before any check, so that what is checked is what is stored.
    const auto miktar = odenecekMiktar();
    if (!miktar)
        return refuse(u"\"%1\" bir tutar değil. Lütfen ödenecek miktarı rakamla yazınız (örneğin 12,50)."_s.arg(typed));
    if (*miktar <= Money())
        return refuse(miktarGirin);
    const qint64 musteriNo = seciliMusteriNo();
    if (*miktar > kayitliBorc(m_db.baglanti, musteriNo).value_or(Money()))
        return refuse(borcdanFazla);
    const QString soru = u"Müşteri Adı : "_s + dSetMusteriler.text(u"AdiSoyadi"_s) + u" ("_s
                         + dSetMusteriler.text(u"BabaAdi"_s) + u")"_s + u",    Ödenen Miktar : "_s + typed + u" TL"_s;
    if (!dialogs().question(soru, u"Borç Ödeme"_s, QuestionButtons::OkCancel))
        return;
    borcOdemesiYap(m_db.baglanti, musteriNo, *miktar);
    musterileriYenile(musteriNo);
    tableOdemeler.reopen();  // the payments window lists the new payment at once
    temizleClick();
}

// The list reads the lowered debt again, on the same customer and search.
void TformAylikOdemeler::musterileriYenile(qint64 musteriNo)
{
    const int satir = dSetMusteriler.recNo();
    dSetMusteriler.reopen();
    dSetMusteriler.setRecNo(satir);
    if (seciliMusteriNo() != musteriNo)
        dSetMusteriler.locate(u"MusteriNo"_s, musteriNo);
}

// The entry starts again on the selected customer; the list keeps its search.
void TformAylikOdemeler::temizleClick()
{
    yapilanOdeme->clear();
    musteriAdi->setText(dSetMusteriler.text(u"AdiSoyadi"_s));
    dSetMusterilerAfterScroll();
    musteriAdi->setFocus();
}

// ---- payments window and deleting

// Open already, it is brought forward as it is, whichever customer is selected now.
void TformAylikOdemeler::odemelerClick()
{
    QMdiArea* area = mdiAreaOf(this);
    if (yapilmisOdemeler) {
        if (area)
            area->activateNextSubWindow();
        else
            yapilmisOdemeler->activateWindow();
        return;
    }
    auto* window = new TformYapilmisOdemeler(tableOdemeler, seciliMusteriNo(), dSetMusteriler.text(u"AdiSoyadi"_s), this);
    yapilmisOdemeler = window;
    if (area) {
        QMdiSubWindow* frame = area->addSubWindow(window);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->showMaximized();
    } else {
        window->show();
    }
    window->setFocus();
}

void TformAylikOdemeler::musteriSilClick()
{
    musteriyiSil(dSetMusteriler);
    musteriAdi->setFocus();
}

void TformAylikOdemeler::kapatClick()
{
    close();
}

void TformAylikOdemeler::FormClose()
{
    if (yapilmisOdemeler)
        yapilmisOdemeler->close();
    m_db.filtreleriKapat();
    // The sale window and the reports read the debts through the shared object.
    m_db.tableMusteriler.reopen();
}

} // namespace dukkano
