// The expense book: the entry with its checks, the totals shown on opening, the filters behind
// a click on a total, and the period's check, filter and total.
#include "MasraflarGiderler.h"

#include "Clock.h"
#include "DataGrid.h"
#include "DatasetModel.h"
#include "Dialogs.h"
#include "Guarded.h"
#include "Masraflar.h"
#include "PeriodCheck.h"
#include "Veritabani.h"
#include "WideScreen.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

constexpr int gridTop = 56;
constexpr int designHeight = 620;
constexpr int bottomMargin = 20;

QString gun(QDate day)
{
    return filterLiteral(day.toString(u"dd.MM.yyyy"_s));
}

QString bugununFiltresi()
{
    return u"[Tarih]="_s + gun(Clock::today());
}

// From 30 days before today on, today included: 31 days.
QDate otuzGunOnce()
{
    return Clock::today().addDays(-30);
}

QString otuzGununFiltresi()
{
    return u"[Tarih]>="_s + gun(otuzGunOnce());
}

QString donemFiltresi(QDate ilk, QDate son)
{
    return u"([Tarih]>="_s + gun(ilk) + u")"_s + u" and ([Tarih]<="_s + gun(son) + u")"_s;
}

} // namespace

TFormMasraflarGiderler::TFormMasraflarGiderler(Veritabani& db, QWidget* parent)
    : WorkWindow(parent), tableMasraflarGiderler(db.baglanti, u"MasrafGiderler"_s), m_db(db)
{
    setObjectName(u"FormMasraflarGiderler"_s);
    setWindowTitle(u"Masraflar & Giderler"_s);
    tableMasraflarGiderler.open();
    buildControls();
    placeControls();
    FormCreate();
}

// The grid goes before the object it shows, which dies with the members.
TFormMasraflarGiderler::~TFormMasraflarGiderler()
{
    delete masraflarGrid;
    delete dsMasraflarGiderler;
}

// ---- building the window

void TFormMasraflarGiderler::buildControls()
{
    const auto label = [](const QString& text, QWidget* parent) { return new QLabel(text, parent); };
    const auto edit = [](const QString& name, QWidget* parent) {
        auto* field = new QLineEdit(parent);
        field->setObjectName(name);
        return field;
    };
    baslikLabel = label(u"Masraflar ve Giderler"_s, this);
    QFont heading = baslikLabel->font();
    heading.setPointSize(16);
    heading.setBold(true);
    baslikLabel->setFont(heading);
    buildGrid();

    ekleGrubu = new QGroupBox(u"Masraf && Gider Ekle"_s, this);
    giderLabel = label(u"Gider *"_s, ekleGrubu);
    EdtGiderAdi = edit(u"EdtGiderAdi"_s, ekleGrubu);
    notLabel = label(u"Not "_s, ekleGrubu);
    EdtGiderAciklamasi = edit(u"EdtGiderAciklamasi"_s, ekleGrubu);
    miktarLabel = label(u"Miktar *"_s, ekleGrubu);
    EdtGiderMiktari = edit(u"EdtGiderMiktari"_s, ekleGrubu);
    kaydetButton = new QPushButton(u"Masraf && Gideri Kaydet"_s, ekleGrubu);
    kaydetButton->setObjectName(u"kaydetButton"_s);

    analizGrubu = new QGroupBox(u"Analiz && Detay"_s, this);
    gunlukGiderLabel = label(u"Günlük Gider"_s, analizGrubu);
    LabelGunluk = label(u"0, 00"_s, analizGrubu);
    aylikGiderLabel = label(u"Aylık Gider"_s, analizGrubu);
    LabelAylik = label(u"0, 00"_s, analizGrubu);
    ipucuLabel = label(u"*Giderleri Filtrelemek  için Gider Kutucuklarda ki Sayılara Tıklayın."_s, this);
    ipucuLabel->setWordWrap(true);

    baslangicLabel = label(u"Başlangıç"_s, this);
    bitisLabel = label(u"Bitiş"_s, this);
    tarih1 = new QDateEdit(this);
    tarih2 = new QDateEdit(this);
    tarih1->setObjectName(u"tarih1"_s);
    tarih2->setObjectName(u"tarih2"_s);
    for (QDateEdit* picker : {tarih1, tarih2}) {
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(u"dd.MM.yyyy"_s);
    }
    BtnZamanagore = new QPushButton(u"Zamana Göre Bak"_s, this);
    BtnZamanagore->setObjectName(u"BtnZamanagore"_s);
    zamanAraligiLabel = label(u"Zaman Aralığındaki"_s, this);
    toplamGiderLabel = label(u"Toplam Gideriniz"_s, this);
    LabelZamanAraligi = label(u"0, 00"_s, this);
    kapatButton = new QPushButton(u"Kapat"_s, this);
    kapatButton->setObjectName(u"kapatButton"_s);

    QFont total = LabelGunluk->font();
    total.setPointSize(14);
    total.setBold(true);
    for (QLabel* clickable : {LabelGunluk, LabelAylik, LabelZamanAraligi}) {
        clickable->setFont(total);
        clickable->setCursor(Qt::PointingHandCursor);
        clickable->installEventFilter(this);
    }
    for (QWidget* hidden : std::initializer_list<QWidget*>{zamanAraligiLabel, toplamGiderLabel, LabelZamanAraligi})
        hidden->hide();

    connect(kaydetButton, &QPushButton::clicked, this, guarded(this, &TFormMasraflarGiderler::kaydetClick));
    connect(BtnZamanagore, &QPushButton::clicked, this, guarded(this, &TFormMasraflarGiderler::BtnZamanagoreClick));
    connect(kapatButton, &QPushButton::clicked, this, guarded(this, &TFormMasraflarGiderler::kapatClick));
}

void TFormMasraflarGiderler::buildGrid()
{
    GridColumn miktar(u"Miktar"_s, u"Miktar"_s, Qt::AlignCenter);
    miktar.moneyDisplay = true;
    dsMasraflarGiderler = new DatasetModel(tableMasraflarGiderler,
                                           {GridColumn(u"Kimlik"_s, u"No"_s, Qt::AlignCenter),
                                            GridColumn(u"GiderAdi"_s, u"Gider Adı & Masrafın Ne Olduğu"_s, Qt::AlignCenter),
                                            GridColumn(u"GiderAciklamasi"_s, u"Gider Açıklaması & Not"_s), miktar,
                                            GridColumn(u"Tarih"_s, u"Tarih"_s, Qt::AlignCenter)},
                                           this);
    dsMasraflarGiderler->setReadOnly(true);
    masraflarGrid = new DataGrid(this);
    masraflarGrid->setObjectName(u"masraflarGrid"_s);
    masraflarGrid->setDatasetModel(dsMasraflarGiderler);
    masraflarGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    masraflarGrid->setColumnWidth(No, 60);
    masraflarGrid->setColumnWidth(GiderAdi, 210);
    masraflarGrid->setColumnWidth(GiderAciklamasi, 190);
    masraflarGrid->setColumnWidth(Miktar, 120);
    masraflarGrid->horizontalHeader()->setStretchLastSection(true);
    connect(masraflarGrid, &DataGrid::deleteRequested, this, guarded([this] { masraflarGrid->removeCurrentRow(); }));
}

// Fixed places for a screen 1152 pixels wide, as the wide-screen shift expects; the grid's height
// and the close button follow the window's height.
void TFormMasraflarGiderler::placeControls()
{
    baslikLabel->setGeometry(20, 10, 500, 36);
    masraflarGrid->setGeometry(20, gridTop, 700, designHeight - gridTop - bottomMargin);

    ekleGrubu->setGeometry(740, gridTop, 390, 186);
    giderLabel->setGeometry(12, 30, 72, 26);
    EdtGiderAdi->setGeometry(90, 30, 285, 26);
    notLabel->setGeometry(12, 62, 72, 26);
    EdtGiderAciklamasi->setGeometry(90, 62, 285, 26);
    miktarLabel->setGeometry(12, 94, 72, 26);
    EdtGiderMiktari->setGeometry(90, 94, 140, 26);
    kaydetButton->setGeometry(90, 134, 210, 36);

    analizGrubu->setGeometry(740, 252, 390, 106);
    gunlukGiderLabel->setGeometry(12, 28, 120, 28);
    LabelGunluk->setGeometry(140, 28, 235, 28);
    aylikGiderLabel->setGeometry(12, 64, 120, 28);
    LabelAylik->setGeometry(140, 64, 235, 28);
    ipucuLabel->setGeometry(740, 362, 390, 36);

    baslangicLabel->setGeometry(740, 410, 76, 26);
    tarih1->setGeometry(820, 410, 130, 26);
    bitisLabel->setGeometry(740, 444, 76, 26);
    tarih2->setGeometry(820, 444, 130, 26);
    BtnZamanagore->setGeometry(962, 410, 168, 60);
    zamanAraligiLabel->setGeometry(740, 486, 150, 22);
    toplamGiderLabel->setGeometry(740, 508, 150, 22);
    LabelZamanAraligi->setGeometry(896, 490, 234, 36);
    kapatButton->setGeometry(1040, designHeight - bottomMargin - 36, 90, 36);
    resize(1150, designHeight);
}

void TFormMasraflarGiderler::resizeEvent(QResizeEvent* event)
{
    WorkWindow::resizeEvent(event);
    const int gridHeight = std::max(150, height() - masraflarGrid->y() - bottomMargin);
    masraflarGrid->resize(masraflarGrid->width(), gridHeight);
    kapatButton->move(kapatButton->x(), std::max(BtnZamanagore->y() + 130, masraflarGrid->y() + gridHeight - 36));
}

// ---- creation

void TFormMasraflarGiderler::FormCreate()
{
    tarih1->setDate(otuzGunOnce());
    tarih2->setDate(Clock::today());
    LabelGunluk->setText(masrafToplami(m_db.baglanti, Clock::today(), Clock::today()).toCurrency());
    LabelAylik->setText(masrafToplami(m_db.baglanti, otuzGunOnce()).toCurrency());
    shiftForWideScreen({masraflarGrid, ekleGrubu, analizGrubu, kapatButton, BtnZamanagore, tarih1,
                        tarih2, baslikLabel, ipucuLabel, baslangicLabel, bitisLabel, zamanAraligiLabel,
                        toplamGiderLabel, LabelZamanAraligi},
                       false);
}

// ---- the entry

void TFormMasraflarGiderler::uyar(const QString& message, QLineEdit* field)
{
    showMessage(message);
    field->setFocus();
    field->selectAll();
}

void TFormMasraflarGiderler::kaydetClick()
{
    if (EdtGiderMiktari->text().isEmpty())
        return uyar(u"Lütfen Miktarı Boş Bırakmayınız."_s, EdtGiderMiktari);
    if (EdtGiderAdi->text().isEmpty()) {
        showMessage(u"Lütfen Giderin Ne Olduğunu Yazınız."_s);
        EdtGiderAdi->setFocus();
        return;
    }
    const auto miktar = Money::parse(EdtGiderMiktari->text());
    if (!miktar)
        return uyar(u"Miktar bir tutar olmalıdır (örneğin 12,50); gider kaydedilmedi."_s, EdtGiderMiktari);

    Dataset& masraflar = tableMasraflarGiderler;
    RowGuard row(masraflar);
    masraflar.append();
    masraflar.setValue(u"GiderAdi"_s, EdtGiderAdi->text());
    masraflar.setValue(u"GiderAciklamasi"_s, EdtGiderAciklamasi->text());
    masraflar.setValue(u"Miktar"_s, *miktar);
    masraflar.setValue(u"Tarih"_s, Clock::today());
    row.post();
    // Listed only when it matches the filter in force, like every other expense.
    const qint64 kimlik = masraflar.currentKey();
    masraflar.reopen();
    masraflar.locate(u"Kimlik"_s, kimlik);

    showMessage(u"Yeni Masraf & Gider Kaydedildi."_s);
    for (QLineEdit* field : {EdtGiderAdi, EdtGiderAciklamasi, EdtGiderMiktari})
        field->clear();
}

// ---- totals and filters

void TFormMasraflarGiderler::filtrele(const QString& filter)
{
    tableMasraflarGiderler.setFilter(filter);
    tableMasraflarGiderler.setFiltered(true);
}

void TFormMasraflarGiderler::LabelGunlukClick()
{
    filtrele(bugununFiltresi());
}

void TFormMasraflarGiderler::LabelAylikClick()
{
    filtrele(otuzGununFiltresi());
}

void TFormMasraflarGiderler::BtnZamanagoreClick()
{
    const QDate ilk = tarih1->date(), son = tarih2->date();
    if (const auto refusal = checkPeriod(ilk, son)) {
        showMessage(refusal->message);
        (refusal->focus == PeriodField::Start ? tarih1 : tarih2)->setFocus();
        return;
    }
    filtrele(donemFiltresi(ilk, son));
    for (QLabel* shown : {zamanAraligiLabel, toplamGiderLabel, LabelZamanAraligi})
        shown->show();
    LabelZamanAraligi->setText(masrafToplami(m_db.baglanti, ilk, son).toCurrency());
}

void TFormMasraflarGiderler::kapatClick()
{
    close();
}

// The period's total lists the last 30 days, as the 30-day total does.
bool TFormMasraflarGiderler::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return WorkWindow::eventFilter(watched, event);
    return runGuarded(false, [&]() -> bool {
        if (watched == LabelGunluk)
            LabelGunlukClick();
        else if (watched == LabelAylik || watched == LabelZamanAraligi)
            LabelAylikClick();
        return false;
    });
}

} // namespace dukkano
