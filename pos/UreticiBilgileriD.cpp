// The receipt header list: the rows of Ureticiler sorted by name, edited, added and deleted in
// the grid; a pending edit is kept on closing.
#include "UreticiBilgileriD.h"

#include "DataGrid.h"
#include "Guarded.h"
#include "Veritabani.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {

TformUreticiBilgileriD::TformUreticiBilgileriD(Veritabani& db, QWidget* parent)
    : WorkWindow(parent)
    , dSetMusteriler(db.baglanti, u"select * from Ureticiler ORDER BY UreticiAdi"_s)
    , m_db(db)
{
    setObjectName(u"formUreticiBilgileriD"_s);
    setWindowTitle(u"Fiş Ayar"_s);
    dSetMusteriler.open();

    baslik = new QLabel(u"FİŞ İÇİN AYAR"_s, this);
    QFont heading = baslik->font();
    heading.setPointSize(16);
    heading.setBold(true);
    baslik->setFont(heading);
    baslik->setAlignment(Qt::AlignCenter);
    buildGrid();
    kapat = new QPushButton(u"Kapat"_s, this);
    kapat->setObjectName(u"kapat"_s);
    kapat->setMinimumSize(120, 36);
    connect(kapat, &QPushButton::clicked, this, guarded(this, &TformUreticiBilgileriD::kapatClick));
    layOut();
    // The main window focuses a child window as it opens it; the keys go to the grid.
    setFocusProxy(ureticilerGrid);
    ureticilerGrid->setFocus();
}

// The grid goes before the query it shows, which dies with the members.
TformUreticiBilgileriD::~TformUreticiBilgileriD()
{
    delete ureticilerGrid;
    delete dsMusteriler;
}

void TformUreticiBilgileriD::buildGrid()
{
    const Qt::Alignment centred = Qt::AlignCenter;
    dsMusteriler = new DatasetModel(dSetMusteriler,
                                    {
                                        GridColumn(u"UreticiAdi"_s, u"Mağaza Adı"_s, centred),
                                        GridColumn(u"KisiAdi"_s, u"Kişi Adı"_s, centred),
                                        GridColumn(u"Adres"_s, u"Adres"_s),
                                        GridColumn(u"TelefonNumarasi"_s, u"Telefon No"_s, centred),
                                        GridColumn(u"InternetAdresi"_s, u"İnternet Adresi"_s, centred),
                                        GridColumn(u"EpostaAdresi"_s, u"E-Posta Adresi"_s, centred),
                                    },
                                    this);
    ureticilerGrid = new DataGrid(this);
    ureticilerGrid->setObjectName(u"ureticilerGrid"_s);
    ureticilerGrid->setDatasetModel(dsMusteriler);
    ureticilerGrid->setInsertAllowed(true);
    for (int column : {0, 1, 3, 4, 5})
        ureticilerGrid->setColumnWidth(column, 180);
    ureticilerGrid->setColumnWidth(2, 320);
    ureticilerGrid->horizontalHeader()->setStretchLastSection(true);
    connect(ureticilerGrid, &DataGrid::deleteRequested, this, guarded(this, &TformUreticiBilgileriD::satiriSil));
}

void TformUreticiBilgileriD::layOut()
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(kapat);

    auto* whole = new QVBoxLayout(this);
    whole->addWidget(baslik);
    whole->addWidget(ureticilerGrid, 1);
    whole->addLayout(buttons);
}

// Ctrl+Del in the grid: the row goes after the user confirms.
void TformUreticiBilgileriD::satiriSil()
{
    ureticilerGrid->removeCurrentRow();
}

void TformUreticiBilgileriD::kapatClick()
{
    close();
}

void TformUreticiBilgileriD::FormClose()
{
    ureticilerGrid->finishOrDrop();
    // Receipts and reports print from the shared object, which sees our writes only when reopened.
    m_db.kapanisAdimlari({&m_db.tableUreticiler});
}

} // namespace dukkano
