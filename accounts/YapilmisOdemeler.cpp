// The payments window: the account window's payments object filtered to one customer, shown
// read-only; Esc and "Kapat" close it.
#include "YapilmisOdemeler.h"

#include "Controls.h"
#include "DataGrid.h"
#include "DatasetModel.h"
#include "FilterExpression.h"
#include "Guarded.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

// The picture beside the list: coins.
QPixmap odemeResmi()
{
    QPixmap picture(72, 72);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x8d, 0x6e, 0x00), 2));
    painter.setBrush(QColor(0xf9, 0xa8, 0x25));
    for (int i = 0; i < 3; ++i)
        painter.drawEllipse(QRectF(10 + i * 8, 34 - i * 12, 44, 26));
    return picture;
}

} // namespace

TformYapilmisOdemeler::TformYapilmisOdemeler(Dataset& tableOdemeler, qint64 musteriNo, const QString& adiSoyadi,
                                             QWidget* hesapPenceresi)
    : m_hesapPenceresi(hesapPenceresi)
{
    setObjectName(u"formYapilmisOdemeler"_s);
    setWindowTitle(u"Yapılmış Ödemeler"_s);
    setAttribute(Qt::WA_DeleteOnClose);

    // An empty account list has no customer; no payment has the key -1.
    tableOdemeler.setFiltered(false);
    tableOdemeler.setFilter(u"[MusteriNo]="_s + filterLiteral(QString::number(musteriNo > 0 ? musteriNo : -1)));
    tableOdemeler.setFiltered(true);

    cariAdiEtiketi = new QLabel(u"Cari Adı :"_s, this);
    cariAdi = new QLabel(adiSoyadi, this);
    cariAdi->setObjectName(u"cariAdi"_s);
    QFont bold = cariAdi->font();
    bold.setBold(true);
    bold.setPointSize(12);
    cariAdi->setFont(bold);
    GridColumn tarih(u"OdemeTarihi"_s, u"Ödeme Tarihi"_s, Qt::AlignCenter);
    GridColumn miktar(u"OdemeMiktari"_s, u"Ödeme Miktarı"_s, Qt::AlignCenter);
    miktar.moneyDisplay = true;
    dsOdemeler = new DatasetModel(tableOdemeler, {tarih, miktar}, this);
    dsOdemeler->setReadOnly(true);
    odemeGrid = new DataGrid(this);
    odemeGrid->setObjectName(u"odemeGrid"_s);
    odemeGrid->setDatasetModel(dsOdemeler);
    odemeGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    odemeGrid->verticalHeader()->hide();
    odemeGrid->setColumnWidth(OdemeTarihi, 160);
    odemeGrid->setColumnWidth(OdemeMiktari, 180);
    odemeGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    resim = new QLabel(this);
    resim->setPixmap(odemeResmi());
    kapat = new QPushButton(u"Kapat"_s, this);
    kapat->setObjectName(u"kapat"_s);
    kapat->setAutoDefault(true);
    kapat->setMinimumWidth(90);

    auto* name = new QHBoxLayout;
    name->addWidget(resim);
    name->addWidget(cariAdiEtiketi);
    name->addWidget(cariAdi, 1);
    auto* whole = new QGridLayout(this);
    whole->setContentsMargins(30, 20, 30, 20);
    whole->addLayout(name, 0, 0, 1, 2);
    whole->addWidget(odemeGrid, 1, 0);
    whole->addWidget(kapat, 2, 0, Qt::AlignRight);
    whole->setColumnMinimumWidth(0, 380);
    whole->setColumnStretch(1, 1);
    whole->setRowStretch(1, 1);

    connect(kapat, &QPushButton::clicked, this, guarded(this, &TformYapilmisOdemeler::kapatClick));
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, guarded(this, &TformYapilmisOdemeler::closeActiveChild));
    setFocusProxy(odemeGrid);
}

// The grid goes before its model.
TformYapilmisOdemeler::~TformYapilmisOdemeler()
{
    delete odemeGrid;
}

void TformYapilmisOdemeler::kapatClick()
{
    close();
    if (m_hesapPenceresi) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(m_hesapPenceresi->parentWidget()))
            frame->showMaximized();
    }
}

// Esc closes the main window's active child, as in every window inside it.
void TformYapilmisOdemeler::closeActiveChild()
{
    if (QMdiArea* area = mdiAreaOf(this)) {
        if (QMdiSubWindow* active = area->activeSubWindow())
            active->close();
        return;
    }
    close();
}

// Closing the window alone would leave its empty frame in the main window.
void TformYapilmisOdemeler::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
}

} // namespace dukkano
