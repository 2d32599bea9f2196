// The group list window: its own query on `Kategoriler`, the prefix search, the grid that
// edits and deletes in place, and the reopening of the shared `tableKategoriler` on close.
#include "KategoriBilgileriD.h"

#include "DataGrid.h"
#include "DatasetModel.h"
#include "Guarded.h"
#include "NameSearch.h"
#include "Veritabani.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

const QString tumGruplar = u"select * from Kategoriler ORDER BY KategoriAdi"_s;

} // namespace

TformKategoriBilgileriD::TformKategoriBilgileriD(Veritabani& db, QWidget* parent)
    : WorkWindow(parent), dSetMusteriler(db.baglanti, tumGruplar), m_db(db)
{
    setObjectName(u"formKategoriBilgileriD"_s);
    setWindowTitle(u"GRUP Bilgileri"_s);
    buildControls();
    connect(&dSetMusteriler, &Dataset::afterScroll, this, &TformKategoriBilgileriD::dSetMusterilerAfterScroll);
    dSetMusteriler.open();
    // Whoever gives the window the focus gives it to the search field.
    setFocusProxy(musteriAdi);
}

// The grid goes before the query it shows, which dies with the members.
TformKategoriBilgileriD::~TformKategoriBilgileriD()
{
    delete gruplarGrid;
    delete dsMusteriler;
}

void TformKategoriBilgileriD::buildControls()
{
    grupAdiLabel = new QLabel(u"Grup Adı :"_s, this);
    musteriAdi = new QLineEdit(this);
    musteriAdi->setObjectName(u"musteriAdi"_s);
    musteriAdi->setMinimumWidth(300);
    buildGrid();
    temizle = new QPushButton(u"Temizle"_s, this);
    kapat = new QPushButton(u"Kapat"_s, this);
    sil = new QPushButton(u"Sil"_s, this);
    temizle->setObjectName(u"temizle"_s);
    kapat->setObjectName(u"kapat"_s);
    sil->setObjectName(u"sil"_s);
    sil->setFocusPolicy(Qt::ClickFocus);  // skipped by Tab
    for (QPushButton* button : {temizle, kapat, sil}) {
        button->setAutoDefault(true);
        button->setMinimumWidth(90);
    }

    auto* search = new QHBoxLayout;
    search->addWidget(grupAdiLabel);
    search->addWidget(musteriAdi);
    search->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(sil);
    buttons->addStretch(1);
    buttons->addWidget(temizle);
    buttons->addWidget(kapat);

    auto* whole = new QGridLayout(this);
    whole->setContentsMargins(30, 20, 30, 20);
    whole->addLayout(search, 0, 0);
    whole->addWidget(gruplarGrid, 1, 0);
    whole->addLayout(buttons, 2, 0);
    whole->setColumnMinimumWidth(0, 560);
    whole->setColumnStretch(1, 1);
    whole->setRowStretch(1, 1);

    connect(musteriAdi, &QLineEdit::textChanged, this, guarded(this, &TformKategoriBilgileriD::musteriAdiChange));
    musteriAdi->installEventFilter(this);
    connect(temizle, &QPushButton::clicked, this, guarded(this, &TformKategoriBilgileriD::temizleClick));
    connect(kapat, &QPushButton::clicked, this, guarded(this, &TformKategoriBilgileriD::kapatClick));
}

void TformKategoriBilgileriD::buildGrid()
{
    GridColumn numara(u"KategoriNo"_s, u"Grup No"_s, Qt::AlignCenter);
    numara.readOnly = true;
    GridColumn ad(u"KategoriAdi"_s, u"Grup Adı"_s);
    GridColumn oran(u"KategoriKDVorani"_s, u"Grup KDV Oranı"_s, Qt::AlignCenter);
    oran.entry = GridEntry::Number;  // a rate like 18,5 is typed here
    dsMusteriler = new DatasetModel(dSetMusteriler, {numara, ad, oran}, this);
    gruplarGrid = new DataGrid(this);
    gruplarGrid->setObjectName(u"gruplarGrid"_s);
    gruplarGrid->setDatasetModel(dsMusteriler);
    gruplarGrid->setInsertAllowed(true);
    gruplarGrid->setColumnWidth(0, 80);
    gruplarGrid->setColumnWidth(1, 300);
    gruplarGrid->setColumnWidth(2, 120);
    gruplarGrid->horizontalHeader()->setStretchLastSection(true);
    connect(gruplarGrid, &DataGrid::deleteRequested, this, guarded(this, &TformKategoriBilgileriD::gruplarGridDeleteRequested));
}

void TformKategoriBilgileriD::musteriAdiEnter()
{
    musteriAdi->selectAll();
    // A click places the caret after the focus came in; select again once it has.
    QTimer::singleShot(0, musteriAdi, &QLineEdit::selectAll);
}

// Only what the user types searches; the text set to follow the grid does not.
void TformKategoriBilgileriD::musteriAdiChange(const QString& text)
{
    if (!musteriAdi->hasFocus())
        return;
    dSetMusteriler.close();
    if (text.isEmpty())
        dSetMusteriler.setSql(tumGruplar);
    else
        searchByName(dSetMusteriler, u"Kategoriler"_s, u"KategoriAdi"_s, text, NameMatch::BeginsWith,
                     u"KategoriAdi"_s);
    dSetMusteriler.open();
    // Whoever gives the window the focus gives it to the search field.
    setFocusProxy(musteriAdi);
}

void TformKategoriBilgileriD::dSetMusterilerAfterScroll()
{
    if (!musteriAdi->hasFocus())
        musteriAdi->setText(dSetMusteriler.text(u"KategoriAdi"_s));
}

void TformKategoriBilgileriD::gruplarGridDeleteRequested()
{
    gruplarGrid->removeCurrentRow();
}

void TformKategoriBilgileriD::temizleClick()
{
    musteriAdi->setFocus();
    musteriAdi->clear();
}

void TformKategoriBilgileriD::kapatClick()
{
    close();
}

void TformKategoriBilgileriD::FormClose()
{
    gruplarGrid->finishOrDrop();
    m_db.kapanisAdimlari({&m_db.tableKategoriler});
}

bool TformKategoriBilgileriD::eventFilter(QObject* watched, QEvent* event)
{
    return runGuarded(false, [&]() -> bool {
        if (watched == musteriAdi && event->type() == QEvent::FocusIn)
            musteriAdiEnter();
        return false;
    });
}

} // namespace dukkano
