// The debts window: the shared `tableMusteriler` in a grid where only the debt is typed; no
// row is added there, and a customer is deleted only under the one delete rule.
#include "MusteriBorclari.h"

#include "DataGrid.h"
#include "DatasetModel.h"
#include "Guarded.h"
#include "MusteriSilme.h"
#include "Veritabani.h"

#include <QHeaderView>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {

TformMusteriBorclari::TformMusteriBorclari(Veritabani& db, QWidget* parent) : WorkWindow(parent), m_db(db)
{
    setObjectName(u"formMusteriBorclari"_s);
    setWindowTitle(u"Müşteri Borçları"_s);

    const auto readOnly = [](const QString& field, const QString& title, Qt::Alignment alignment) {
        GridColumn c(field, title, alignment);
        c.readOnly = true;
        return c;
    };
    // A credit is typed with a minus sign; a text that is no amount is refused when written.
    GridColumn borc(u"ToplamBorc"_s, u"Toplam Borç"_s, Qt::AlignRight | Qt::AlignVCenter);
    borc.moneyDisplay = true;
    dsMusteriler = new DatasetModel(m_db.tableMusteriler,
                                    {readOnly(u"MusteriNo"_s, u"Müsteri No"_s, Qt::AlignRight | Qt::AlignVCenter),
                                     readOnly(u"AdiSoyadi"_s, u"Adı Soyadı"_s, Qt::AlignLeft | Qt::AlignVCenter),
                                     readOnly(u"TelefonNumarasi"_s, u"Telefon Numarası"_s,
                                              Qt::AlignLeft | Qt::AlignVCenter),
                                     borc},
                                    this);
    borcGrid = new DataGrid(this);
    borcGrid->setObjectName(u"borcGrid"_s);
    borcGrid->setDatasetModel(dsMusteriler);
    borcGrid->setTabKeyNavigation(true);
    borcGrid->verticalHeader()->hide();
    borcGrid->setColumnWidth(MusteriNo, 90);
    borcGrid->setColumnWidth(AdiSoyadi, 260);
    borcGrid->setColumnWidth(TelefonNumarasi, 160);
    borcGrid->setColumnWidth(ToplamBorc, 140);
    connect(borcGrid, &DataGrid::deleteRequested, this, guarded(this, &TformMusteriBorclari::borcGridDeleteRequested));

    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(20, 20, 20, 20);
    whole->addWidget(borcGrid);
    setFocusProxy(borcGrid);
}

// The grid goes before its model.
TformMusteriBorclari::~TformMusteriBorclari()
{
    delete borcGrid;
}

void TformMusteriBorclari::borcGridDeleteRequested()
{
    if (borcGrid->finishEditing())
        musteriyiSil(m_db.tableMusteriler);
}

// A debt still being typed is stored; one the file refuses was reported and is dropped.
void TformMusteriBorclari::FormClose()
{
    if (!borcGrid->finishEditing())
        m_db.tableMusteriler.cancel();
}

} // namespace dukkano
