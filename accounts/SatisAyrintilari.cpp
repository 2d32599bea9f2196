// The customer sale details window: the customer list with its name search, the customer's sales
// in a read-only object of our own, the selected sale's lines in the shared sold lines, and the
// spending summed in SQL.
#include "SatisAyrintilari.h"

#include "Controls.h"
#include "DataGrid.h"
#include "DatasetModel.h"
#include "Guarded.h"
#include "MusteriHesabi.h"
#include "NameSearch.h"
#include "Veritabani.h"
#include "WideScreen.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

const QString tumMusteriler =
    u"select MusteriNo, AdiSoyadi, BabaAdi, FaturaAdresi, TelefonNumarasi, ToplamBorc from Musteriler"_s;

// Design geometry, for a screen 1152 pixels wide: the sales and their lines run down to the
// buttons at the window's bottom edge.
constexpr int lowerGridsTop = 250;
constexpr int bottomArea = 56;

// Switches a filter to another expression with one query: switching it off first would list,
// for a moment, every sale or sold line of the shop.
void showOnly(Dataset& object, const QString& filter)
{
    object.setFilter(filter);
    object.setFiltered(true);
}

DataGrid* readOnlyGrid(DatasetModel* model, const QString& name, QWidget* parent)
{
    model->setReadOnly(true);
    auto* grid = new DataGrid(parent);
    grid->setObjectName(name);
    grid->setDatasetModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->hide();
    return grid;
}

} // namespace

TformSatisAyrintilari::TformSatisAyrintilari(Veritabani& db, QWidget* parent)
    : WorkWindow(parent)
    , dSetMusteriler(db.baglanti, tumMusteriler)
    , tableSatislar(db.baglanti, u"Satislar"_s)
    , m_db(db)
{
    setObjectName(u"formSatisAyrintilari"_s);
    setWindowTitle(u"Cari Satış Ayrıntıları"_s);
    setCurrencyText(u"TL "_s);
    tableSatislar.setReadOnly(true);
    // Filtered before their grids list them: neither ever shows the whole table.
    showOnly(tableSatislar, u"[SatisNo]=0"_s);
    showOnly(m_db.tableSatilanUrunler, u"[SatisNo]=-1"_s);
    connect(&dSetMusteriler, &Dataset::afterScroll, this, guarded(this, &TformSatisAyrintilari::dSetMusterilerAfterScroll));
    connect(&tableSatislar, &Dataset::afterScroll, this, guarded(this, &TformSatisAyrintilari::tableSatislarAfterScroll));
    tableSatislar.open();
    buildControls();
    placeControls();
    shiftForWideScreen({musteriGrid, satisGrid, satirGrid, borc2, Kapat, cariAdiEtiketi, satislarEtiketi,
                        satirlarEtiketi, seciliCariEtiketi, toplamHarcamaEtiketi, toplamBorcEtiketi, lBorc, musteriAdi},
                       true);
    dSetMusteriler.open();  // on the first customer, the sales and the first sale's lines
    setFocusProxy(musteriAdi);
}

// The grids go before the objects they show.
TformSatisAyrintilari::~TformSatisAyrintilari()
{
    delete musteriGrid;
    delete satisGrid;
    delete satirGrid;
    delete dsMusteriler;
    delete dsSatislar;
    delete dsSatilanUrunler;
}

// ---- building the window

void TformSatisAyrintilari::buildControls()
{
    const auto label = [this](const QString& text) { return new QLabel(text, this); };
    cariAdiEtiketi = label(u"Cari Adı :"_s);
    musteriAdi = new QLineEdit(this);
    musteriAdi->setObjectName(u"musteriAdi"_s);
    buildGrids();
    satislarEtiketi = label(u"Satışlar :"_s);
    satirlarEtiketi = label(u"Satışa Ait Ürünler :"_s);

    seciliCariEtiketi = label(u"Seçili Cari"_s);
    toplamHarcamaEtiketi = label(u"TOPLAM HARCAMA :"_s);
    lBorc = label(u"0,00 TL"_s);
    lBorc->setObjectName(u"lBorc"_s);
    showAsDebtFigure(lBorc);
    toplamBorcEtiketi = label(u"TOPLAM BORÇ :"_s);
    borc2 = label(u"0,00 TL"_s);
    borc2->setObjectName(u"borc2"_s);
    QFont medium = borc2->font();
    medium.setPointSize(14);
    medium.setBold(true);
    borc2->setFont(medium);
    borc2->setAlignment(Qt::AlignCenter);
    paintLabel(borc2, QColor(0xa6, 0xca, 0xf0), Qt::black);

    Kapat = new QPushButton(u"Kapat"_s, this);
    Kapat->setObjectName(u"Kapat"_s);
    Kapat->setAutoDefault(true);

    // Only what the user types searches; the name put there to follow the list does not.
    connect(musteriAdi, &QLineEdit::textEdited, this, guarded(this, &TformSatisAyrintilari::musteriAdiChange));
    connect(Kapat, &QPushButton::clicked, this, guarded(this, &TformSatisAyrintilari::KapatClick));
}

void TformSatisAyrintilari::buildGrids()
{
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const auto money = [](const QString& field, const QString& title) {
        GridColumn c(field, title, Qt::AlignRight | Qt::AlignVCenter);
        c.moneyDisplay = true;
        return c;
    };
    dsMusteriler = new DatasetModel(dSetMusteriler,
                                    {GridColumn(u"MusteriNo"_s, u"Cari No"_s, right),
                                     GridColumn(u"AdiSoyadi"_s, u"Cari Adı Soyadı"_s),
                                     GridColumn(u"FaturaAdresi"_s, u"Adresi"_s),
                                     GridColumn(u"TelefonNumarasi"_s, u"Telefon No"_s),
                                     GridColumn(u"BabaAdi"_s, u"Baba Adı"_s)},
                                    this);
    musteriGrid = readOnlyGrid(dsMusteriler, u"musteriGrid"_s, this);
    musteriGrid->setColumnHidden(BabaAdi, true);
    musteriGrid->setColumnWidth(MusteriNo, 70);
    musteriGrid->setColumnWidth(AdiSoyadi, 200);
    musteriGrid->setColumnWidth(FaturaAdresi, 260);

    dsSatislar = new DatasetModel(tableSatislar,
                                  {GridColumn(u"SatisNo"_s, u"Fiş No"_s, right),
                                   GridColumn(u"SatisTarihi"_s, u"Satış Tarihi"_s, Qt::AlignCenter),
                                   money(u"ToplamTutar"_s, u"Toplam Tutar"_s), money(u"Kazanc"_s, u"İndirim"_s)},
                                  this);
    satisGrid = readOnlyGrid(dsSatislar, u"satisGrid"_s, this);
    satisGrid->setColumnWidth(SatisNo, 80);
    satisGrid->setColumnWidth(SatisTarihi, 110);
    satisGrid->setColumnWidth(ToplamTutar, 140);

    dsSatilanUrunler = new DatasetModel(m_db.tableSatilanUrunler,
                                        {GridColumn(u"UrunNo"_s, u"Stok No"_s, right),
                                         GridColumn(u"UrunAdi"_s, u"Stok Adı"_s),
                                         GridColumn(u"BirimAdedi"_s, u"Adet"_s, Qt::AlignCenter),
                                         money(u"UrunSatisTutari"_s, u"Stok Satış Tutarı"_s)},
                                        this);
    satirGrid = readOnlyGrid(dsSatilanUrunler, u"satirGrid"_s, this);
    satirGrid->setColumnWidth(UrunNo, 70);
    satirGrid->setColumnWidth(UrunAdi, 240);
    satirGrid->setColumnWidth(BirimAdedi, 60);
}

void TformSatisAyrintilari::placeControls()
{
    cariAdiEtiketi->setGeometry(10, 10, 75, 28);
    musteriAdi->setGeometry(90, 10, 280, 28);
    musteriGrid->setGeometry(10, 48, 700, 170);
    seciliCariEtiketi->setGeometry(730, 48, 180, 22);
    toplamHarcamaEtiketi->setGeometry(730, 70, 180, 22);
    lBorc->setGeometry(730, 94, 380, 52);
    toplamBorcEtiketi->setGeometry(730, 156, 180, 22);
    borc2->setGeometry(730, 180, 380, 38);
    satislarEtiketi->setGeometry(10, lowerGridsTop - 22, 200, 20);
    satisGrid->setGeometry(10, lowerGridsTop, 520, 300);
    satirlarEtiketi->setGeometry(545, lowerGridsTop - 22, 200, 20);
    satirGrid->setGeometry(545, lowerGridsTop, 565, 300);
    Kapat->setGeometry(1010, lowerGridsTop + 300 + 12, 100, 34);
    resize(1120, lowerGridsTop + 300 + bottomArea);
}

// The sales and their lines run down to "Kapat", which keeps to the bottom edge.
void TformSatisAyrintilari::resizeEvent(QResizeEvent* event)
{
    WorkWindow::resizeEvent(event);
    const int gridHeight = std::max(100, height() - satisGrid->y() - bottomArea);
    satisGrid->resize(satisGrid->width(), gridHeight);
    if (satirGrid)
        satirGrid->resize(satirGrid->width(), gridHeight);
    Kapat->move(Kapat->x(), satisGrid->y() + gridHeight + 12);
}

// ---- the customer, the sales, the lines

qint64 TformSatisAyrintilari::seciliMusteriNo()
{
    return dSetMusteriler.number(u"MusteriNo"_s);
}

// The customers whose name begins with the text, in Turkish case, in the table's order; the
// first found is shown as if it had been clicked.
void TformSatisAyrintilari::musteriAdiChange(const QString& text)
{
    if (text.isEmpty())
        dSetMusteriler.setSql(tumMusteriler);
    else
        searchByName(dSetMusteriler, u"Musteriler"_s, u"AdiSoyadi"_s, text, NameMatch::BeginsWith, u"MusteriNo"_s);
    dSetMusteriler.open();
}

void TformSatisAyrintilari::dSetMusterilerAfterScroll()
{
    const qint64 musteriNo = seciliMusteriNo();
    showOnly(tableSatislar, musteriNo == 0 ? u"[SatisNo]=0"_s
                                           : u"[MusteriNo]="_s + filterLiteral(QString::number(musteriNo)));
    if (!isFocusField(musteriAdi))
        musteriAdi->setText(dSetMusteriler.text(u"AdiSoyadi"_s));
    // Key 0 is no customer: the cash sales carry it.
    lBorc->setText((musteriNo == 0 ? Money() : toplamHarcama(m_db.baglanti, musteriNo)).toCurrency());
    borc2->setText(dSetMusteriler.money(u"ToplamBorc"_s).toCurrency());
}

void TformSatisAyrintilari::tableSatislarAfterScroll()
{
    const QString satis = tableSatislar.isEmpty()
        ? u"[SatisNo]=-1"_s
        : u"[SatisNo]="_s + filterLiteral(QString::number(tableSatislar.number(u"SatisNo"_s)));
    showOnly(m_db.tableSatilanUrunler, satis);
}

void TformSatisAyrintilari::KapatClick()
{
    close();
}

void TformSatisAyrintilari::FormClose()
{
    // The lines grid lets go of the shared sold lines before their filter goes: it would list
    // every line of the shop.
    delete satirGrid;
    satirGrid = nullptr;
    delete dsSatilanUrunler;
    dsSatilanUrunler = nullptr;
    m_db.filtreleriKapat();
    m_db.tableMusteriler.reopen();
}

} // namespace dukkano
