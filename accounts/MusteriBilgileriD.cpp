// The customer list window: its own query on `Musteriler`, the prefix search, the grid that edits
// in place, deleting under the debt rule, and the reopening of `tableMusteriler` on close.
#include "MusteriBilgileriD.h"

#include "Controls.h"
#include "DataGrid.h"
#include "DatasetModel.h"
#include "Guarded.h"
#include "MusteriSilme.h"
#include "NameSearch.h"
#include "Veritabani.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

const QString tumMusteriler = u"select * from Musteriler  ORDER BY AdiSoyadi"_s;

// "Sil" shows only its picture: a red cross.
QIcon silResmi()
{
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xc6, 0x28, 0x28), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(5, 5, 19, 19);
    painter.drawLine(19, 5, 5, 19);
    return QIcon(picture);
}

} // namespace

TformMusteriBilgileriD::TformMusteriBilgileriD(Veritabani& db, QWidget* parent)
    : WorkWindow(parent), dSetMusteriler(db.baglanti, tumMusteriler), m_db(db)
{
    setObjectName(u"formMusteriBilgileriD"_s);
    setWindowTitle(u"Cari Listesi"_s);
    buildControls();
    connect(&dSetMusteriler, &Dataset::afterScroll, this, guarded(this, &TformMusteriBilgileriD::dSetMusterilerAfterScroll));
    dSetMusteriler.open();
    // Whoever gives the window the focus gives it to the search field.
    setFocusProxy(musteriAdi);
}

// The grid goes before the query it shows, which dies with the members.
TformMusteriBilgileriD::~TformMusteriBilgileriD()
{
    delete musteriGrid;
    delete dsMusteriler;
}

void TformMusteriBilgileriD::buildControls()
{
    cariAdiEtiketi = new QLabel(u"Cari Adı :"_s, this);
    musteriAdi = new QLineEdit(this);
    musteriAdi->setObjectName(u"musteriAdi"_s);
    musteriAdi->setMinimumWidth(300);
    buildGrid();
    temizle = new QPushButton(u"Yenile"_s, this);
    sil = new QPushButton(silResmi(), QString(), this);
    sil->setToolTip(u"Sil"_s);
    kapat = new QPushButton(u"Kapat"_s, this);
    temizle->setObjectName(u"temizle"_s);
    sil->setObjectName(u"sil"_s);
    kapat->setObjectName(u"kapat"_s);
    sil->setDefault(true);
    for (QPushButton* button : {temizle, sil, kapat}) {
        button->setAutoDefault(true);
        button->setMinimumWidth(90);
    }

    auto* search = new QHBoxLayout;
    search->addWidget(cariAdiEtiketi);
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
    whole->addWidget(musteriGrid, 1, 0);
    whole->addLayout(buttons, 2, 0);
    whole->setColumnMinimumWidth(0, 760);
    whole->setColumnStretch(1, 1);
    whole->setRowStretch(1, 1);

    // Only what the user types searches; the name put there to follow the grid does not.
    connect(musteriAdi, &QLineEdit::textEdited, this, guarded(this, &TformMusteriBilgileriD::musteriAdiChange));
    // The window's default button: Enter in the search field deletes, with the rule's question.
    connect(musteriAdi, &QLineEdit::returnPressed, this, guarded(this, &TformMusteriBilgileriD::silClick));
    musteriAdi->installEventFilter(this);
    connect(temizle, &QPushButton::clicked, this, guarded(this, &TformMusteriBilgileriD::temizleClick));
    connect(sil, &QPushButton::clicked, this, guarded(this, &TformMusteriBilgileriD::silClick));
    connect(kapat, &QPushButton::clicked, this, guarded(this, &TformMusteriBilgileriD::kapatClick));
}

void TformMusteriBilgileriD::buildGrid()
{
    GridColumn numara(u"MusteriNo"_s, u"Müşteri No"_s, Qt::AlignRight | Qt::AlignVCenter);
    numara.readOnly = true;
    dsMusteriler = new DatasetModel(dSetMusteriler,
                                    {numara, GridColumn(u"AdiSoyadi"_s, u"Adı Soyadı"_s),
                                     GridColumn(u"FaturaAdresi"_s, u"Adresi"_s),
                                     GridColumn(u"TelefonNumarasi"_s, u"Telefon Numarasi"_s),
                                     GridColumn(u"BabaAdi"_s, u"Baba Adı"_s),
                                     GridColumn(u"SirketAdi"_s, u"Şirket Adı"_s)},
                                    this);
    musteriGrid = new DataGrid(this);
    musteriGrid->setObjectName(u"musteriGrid"_s);
    musteriGrid->setDatasetModel(dsMusteriler);
    musteriGrid->setInsertAllowed(true);
    musteriGrid->verticalHeader()->hide();
    musteriGrid->setColumnHidden(BabaAdi, true);
    musteriGrid->setColumnHidden(SirketAdi, true);
    musteriGrid->setColumnWidth(MusteriNo, 80);
    musteriGrid->setColumnWidth(AdiSoyadi, 220);
    musteriGrid->setColumnWidth(FaturaAdresi, 300);
    musteriGrid->horizontalHeader()->setStretchLastSection(true);
    // Ctrl+Del deletes under the same rule and question as "Sil".
    connect(musteriGrid, &DataGrid::deleteRequested, this, guarded(this, &TformMusteriBilgileriD::silClick));
}

void TformMusteriBilgileriD::musteriAdiEnter()
{
    musteriAdi->selectAll();
    // A click places the caret after the focus came in; select again once it has.
    QTimer::singleShot(0, musteriAdi, &QLineEdit::selectAll);
}

// The customers whose name begins with the text, in Turkish order and case; "%" and "_" stay
// wildcards. An empty text lists everyone, nameless rows too.
void TformMusteriBilgileriD::musteriAdiChange(const QString& text)
{
    // Reopening drops an unstored row, so the grid stores it first.
    if (!musteriGrid->finishEditing())
        return;
    if (text.isEmpty())
        dSetMusteriler.setSql(tumMusteriler);
    else
        searchByName(dSetMusteriler, u"Musteriler"_s, u"AdiSoyadi"_s, text, NameMatch::BeginsWith, u"AdiSoyadi"_s);
    dSetMusteriler.open();
}

void TformMusteriBilgileriD::dSetMusterilerAfterScroll()
{
    if (!isFocusField(musteriAdi))
        musteriAdi->setText(dSetMusteriler.text(u"AdiSoyadi"_s));
}

void TformMusteriBilgileriD::temizleClick()
{
    musteriAdi->setFocus();
    musteriAdi->clear();
    musteriAdiChange(QString());
}

void TformMusteriBilgileriD::silClick()
{
    if (musteriGrid->finishEditing())
        musteriyiSil(dSetMusteriler);
    musteriAdi->setFocus();
}

void TformMusteriBilgileriD::kapatClick()
{
    close();
}

void TformMusteriBilgileriD::FormClose()
{
    m_db.filtreleriKapat();
    // A cell still being typed is stored; a row the file refuses was reported and is dropped.
    if (!musteriGrid->finishEditing())
        dSetMusteriler.cancel();
    // The sale window and the reports read the shared object, which sees our writes once reopened.
    m_db.tableMusteriler.reopen();
    m_db.tableMusteriler.setFiltered(false);
}

bool TformMusteriBilgileriD::eventFilter(QObject* watched, QEvent* event)
{
    return runGuarded(false, [&]() -> bool {
        if (watched == musteriAdi && event->type() == QEvent::FocusIn)
            musteriAdiEnter();
        return false;
    });
}

} // namespace dukkano
