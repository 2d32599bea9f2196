// The sale cancellation window: the customer choice, the sales and lines lists that follow it,
// and the two questions before a line or a whole sale is taken back.
#include "UrunSatisIptali.h"

#include "DataGrid.h"
#include "DatasetModel.h"
#include "Dialogs.h"
#include "Guarded.h"
#include "KeyedChoices.h"
#include "SatisIadesi.h"
#include "SecimListeleri.h"
#include "Veritabani.h"
#include "WideScreen.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

const QString satisIptali = u"Satış İptali"_s;
const QString hicSatisYok = u"[SatisNo]=-1"_s;

// Above the buttons, below the lists: the room the window keeps under the grids.
constexpr int gridTop = 90;
constexpr int bottomArea = 70;
constexpr int designHeight = 640;

// The picture beside the customer choice: a receipt.
QPixmap receiptPicture()
{
    QPixmap picture(56, 64);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(10, 4, 36, 54));
    painter.setPen(QPen(QColor(150, 150, 150), 1));
    for (int y = 14; y <= 40; y += 6)
        painter.drawLine(16, y, 40, y);
    painter.setPen(QPen(QColor(200, 30, 30), 3));
    painter.drawLine(14, 46, 42, 18);
    return picture;
}

} // namespace

TformUrunSatisIptali::TformUrunSatisIptali(Veritabani& db, QWidget* parent)
    : WorkWindow(parent)
    , tableSatislar(db.baglanti, u"Satislar"_s)
    , tableSatilanUrunler(db.baglanti, u"SatilanUrunler"_s)
    , m_db(db)
{
    setObjectName(u"formUrunSatisIptali"_s);
    setWindowTitle(u"Stok Satış İptali"_s);
    // Both objects stay filtered for the window's whole life: unfiltered, their grids would list
    // every sale or every sold line of the shop.
    for (Dataset* d : {&tableSatislar, &tableSatilanUrunler}) {
        d->setFilter(hicSatisYok);
        d->setFiltered(true);
        d->open();
    }
    buildControls();
    placeControls();
    connect(&tableSatislar, &Dataset::afterScroll, this, guarded(this, &TformUrunSatisIptali::tableSatislarAfterScroll));
    FormCreate();
}

// The grids go before the objects they show, which die with the members.
TformUrunSatisIptali::~TformUrunSatisIptali()
{
    delete fislerGrid;
    delete dsSatislar;
    delete fisDetayGrid;
    delete dsSatilanUrunler;
}

// ---- building the window

void TformUrunSatisIptali::buildControls()
{
    QFont heading = font();
    heading.setPointSize(11);
    heading.setBold(true);
    const auto label = [&](const QString& text, const QString& name) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setFont(heading);
        return l;
    };
    cariAdiLabel = label(u"Cari Adı :"_s, u"cariAdiLabel"_s);
    comboMusteriAdi = new QComboBox(this);
    comboMusteriAdi->setObjectName(u"comboMusteriAdi"_s);
    comboMusteriAdi->setEditable(true);
    comboMusteriAdi->setInsertPolicy(QComboBox::NoInsert);
    comboMusteriAdi->setMaxVisibleItems(20);
    kayitliFislerLabel = label(u"KAYITLI FİŞLER"_s, u"kayitliFislerLabel"_s);
    fisDetayLabel = label(u"FİŞ DETAY"_s, u"fisDetayLabel"_s);
    buildGrids();
    stokIadeButton = new QPushButton(u"Stok İade Al"_s, this);
    stokIadeButton->setObjectName(u"stokIadeButton"_s);
    fisIadeButton = new QPushButton(u"Fişi İade Al"_s, this);
    fisIadeButton->setObjectName(u"fisIadeButton"_s);
    Kapat = new QPushButton(u"Kapat"_s, this);
    Kapat->setObjectName(u"Kapat"_s);
    resim = new QLabel(this);
    resim->setObjectName(u"resim"_s);
    resim->setPixmap(receiptPicture());

    connect(comboMusteriAdi, &QComboBox::editTextChanged, this, guarded(this, &TformUrunSatisIptali::comboMusteriAdiChange));
    // Namesakes read alike: choosing the other one changes the entry, not the text.
    connect(comboMusteriAdi, &QComboBox::currentIndexChanged, this,
            guarded(this, &TformUrunSatisIptali::comboMusteriAdiChange));
    connect(stokIadeButton, &QPushButton::clicked, this, guarded(this, &TformUrunSatisIptali::stokIadeAlClick));
    connect(fisIadeButton, &QPushButton::clicked, this, guarded(this, &TformUrunSatisIptali::fisiIadeAlClick));
    connect(Kapat, &QPushButton::clicked, this, guarded(this, &TformUrunSatisIptali::KapatClick));
}

void TformUrunSatisIptali::buildGrids()
{
    const auto money = [](GridColumn column) {
        column.moneyDisplay = true;
        return column;
    };
    dsSatislar = new DatasetModel(tableSatislar,
                                  {GridColumn(u"SatisNo"_s, u"Fiş No"_s), GridColumn(u"MusteriNo"_s, u"Cari No"_s),
                                   GridColumn(u"SatisTarihi"_s, u"Satış Tarihi"_s, Qt::AlignCenter),
                                   money(GridColumn(u"ToplamTutar"_s, u"Toplam Tutar"_s)),
                                   money(GridColumn(u"Kazanc"_s, u"İndirim"_s))},
                                  this);
    dsSatilanUrunler = new DatasetModel(tableSatilanUrunler,
                                        {GridColumn(u"UrunNo"_s, u"Stok No"_s), GridColumn(u"UrunAdi"_s, u"Stok Adı"_s),
                                         GridColumn(u"BirimAdedi"_s, u"Adet"_s),
                                         money(GridColumn(u"UrunSatisTutari"_s, u"Stok Satış Tutarı"_s))},
                                        this);
    fislerGrid = new DataGrid(this);
    fislerGrid->setObjectName(u"fislerGrid"_s);
    fisDetayGrid = new DataGrid(this);
    fisDetayGrid->setObjectName(u"fisDetayGrid"_s);
    for (auto [grid, model] : {std::pair{fislerGrid, dsSatislar}, std::pair{fisDetayGrid, dsSatilanUrunler}}) {
        model->setReadOnly(true);
        grid->setDatasetModel(model);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->horizontalHeader()->setStretchLastSection(true);
    }
    fislerGrid->setColumnWidth(FisNo, 80);
    fislerGrid->setColumnWidth(CariNo, 70);
    fislerGrid->setColumnWidth(SatisTarihi, 110);
    fislerGrid->setColumnWidth(ToplamTutar, 140);
    fisDetayGrid->setColumnWidth(StokNo, 70);
    fisDetayGrid->setColumnWidth(StokAdi, 220);
    fisDetayGrid->setColumnWidth(Adet, 60);
}

// Fixed places for a screen 1152 pixels wide, as the wide-screen shift expects; the grids' height
// and the buttons under them follow the window's height.
void TformUrunSatisIptali::placeControls()
{
    cariAdiLabel->setGeometry(20, 22, 90, 28);
    comboMusteriAdi->setGeometry(110, 22, 380, 28);
    resim->setGeometry(510, 8, 56, 64);
    kayitliFislerLabel->setGeometry(20, gridTop - 26, 300, 22);
    fisDetayLabel->setGeometry(600, gridTop - 26, 300, 22);
    const int gridHeight = designHeight - gridTop - bottomArea;
    fislerGrid->setGeometry(20, gridTop, 560, gridHeight);
    fisDetayGrid->setGeometry(600, gridTop, 520, gridHeight);
    const int y = gridTop + gridHeight + 14;
    stokIadeButton->setGeometry(600, y, 140, 36);
    fisIadeButton->setGeometry(750, y, 140, 36);
    Kapat->setGeometry(1030, y, 90, 36);
    resize(1140, designHeight);
}

void TformUrunSatisIptali::resizeEvent(QResizeEvent* event)
{
    WorkWindow::resizeEvent(event);
    const int gridHeight = std::max(120, height() - fislerGrid->y() - bottomArea);
    for (DataGrid* grid : {fislerGrid, fisDetayGrid})
        grid->resize(grid->width(), gridHeight);
    for (QPushButton* button : {stokIadeButton, fisIadeButton, Kapat})
        button->move(button->x(), fislerGrid->y() + gridHeight + 14);
}

// ---- creation and closing

void TformUrunSatisIptali::FormCreate()
{
    fillKeyedChoices(comboMusteriAdi, musteriSecimListesi(m_db.baglanti));
    comboMusteriAdiChange();
    shiftForWideScreen({fislerGrid, fisDetayGrid, stokIadeButton, fisIadeButton, resim, comboMusteriAdi, Kapat,
                        cariAdiLabel, kayitliFislerLabel, fisDetayLabel},
                       true);
}

// The empty entry stands for the cash sales; a typed text that is no entry for nobody.
std::optional<qint64> TformUrunSatisIptali::chosenCustomer() const
{
    if (comboMusteriAdi->currentText().isEmpty())
        return 0;
    return chosenKey(comboMusteriAdi);
}

void TformUrunSatisIptali::FormClose()
{
    // The returns wrote through statements of their own: the shared objects read afresh.
    m_db.kapanisAdimlari({&m_db.tableMusteriler, &m_db.tableSatilanUrunler, &m_db.tableUrunler, &m_db.tableSatislar});
}

void TformUrunSatisIptali::KapatClick()
{
    close();
}

// ---- choosing and following

// Straight from one filter to the next; switched off in between, a grid would list every row.
void TformUrunSatisIptali::switchFilter(Dataset& dataset, const QString& filter)
{
    dataset.setFilter(filter);
    dataset.setFiltered(true);
}

void TformUrunSatisIptali::comboMusteriAdiChange()
{
    const auto musteriNo = chosenCustomer();
    switchFilter(tableSatislar, musteriNo ? u"[MusteriNo]="_s + filterLiteral(QString::number(*musteriNo)) : hicSatisYok);
    tableSatislar.last();
}

void TformUrunSatisIptali::tableSatislarAfterScroll()
{
    switchFilter(tableSatilanUrunler, tableSatislar.isEmpty()
                                          ? hicSatisYok
                                          : u"[SatisNo]="_s + filterLiteral(tableSatislar.text(u"SatisNo"_s)));
}

// ---- taking back

void TformUrunSatisIptali::stokIadeAlClick()
{
    if (tableSatislar.isEmpty() || tableSatilanUrunler.isEmpty())
        return;
    const QString engel = iadeEngeli(m_db.baglanti, tableSatislar.number(u"SatisNo"_s),
                                     tableSatilanUrunler.number(u"UrunSatisNo"_s));
    if (!engel.isEmpty()) {
        showMessage(engel);
        return;
    }
    QString soru = u"Seçili Stoğu Iade Almak İstediğinizden Emin misiniz ? "_s;
    if (chosenCustomer().value_or(0) != 0)
        soru += u"Bu İşlem Karşılığında Müşteriye "_s + tableSatilanUrunler.money(u"UrunSatisTutari"_s).toEditText()
                + u" TL Ödemeniz Gerekiyor."_s;
    if (askYesNo(soru, satisIptali))
        satiriIadeEt(tableSatislar, tableSatilanUrunler);
}

void TformUrunSatisIptali::fisiIadeAlClick()
{
    if (tableSatislar.isEmpty())
        return;
    const qint64 satisNo = tableSatislar.number(u"SatisNo"_s);
    const QString engel = iadeEngeli(m_db.baglanti, satisNo);
    if (!engel.isEmpty()) {
        showMessage(engel);
        return;
    }
    QString soru = u"Seçili Satışı İptal Etmek İstediğinizden Emin misiniz ? "_s;
    if (chosenCustomer().value_or(0) != 0)
        soru += u"Bu İşlem Karşılığında Müşteriye "_s + iptalTutari(m_db.baglanti, satisNo).toEditText()
                + u" TL Ödemeniz Gerekiyor."_s;
    if (askYesNo(soru, satisIptali))
        satisiIptalEt(tableSatislar);
}

} // namespace dukkano
