// The stock list window: its own query on `Urunler` narrowed by a name search (its SELECT) and a
// barcode or group filter, grid editing, stock additions, deletion, and the workbook export.
#include "UrunBilgileriD.h"

#include "Clock.h"
#include "DataGrid.h"
#include "DatasetModel.h"
#include "Dialogs.h"
#include "Guarded.h"
#include "Money.h"
#include "NameSearch.h"
#include "SpreadsheetFiles.h"
#include "StokHareketi.h"
#include "TurkishText.h"
#include "Veritabani.h"
#include "WideScreen.h"
#include "Workbook.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>
#include <variant>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

const QString tumUrunler = u"select * from  Urunler ORDER BY UrunAdi"_s;
const QString degisiklikBasligi = u"Ürün Bilgileri Değişikliği"_s;
const QString silmeSorusu = u"Seçili Kaydı Silmek İstediğinizden Emin misiniz ?"_s;

// Design geometry: the grid starts under the search line and ends this far above the bottom,
// where the buttons stand.
constexpr int gridTop = 50;
constexpr int bottomArea = 96;
constexpr int designHeight = 700;

// A number of units to add, read the Turkish way ("1.000" is a thousand, "-3" takes three away),
// or the refusal to show. The stock holds whole units only.
std::variant<qint64, QString> eklenecekAdet(const QString& text)
{
    const Quantity quantity = parseQuantity(text);
    if (quantity.refusal == QuantityRefusal::NotANumber)
        return u"\"%1\" bir sayı değil. Lütfen eklenecek adedi tam sayı olarak yazınız "
                              "(örneğin 5 ya da -3)."_s.arg(text);
    if (quantity.refusal == QuantityRefusal::Fraction)
        return u"Stok adedi tam sayı olarak tutulur; \"%1\" gibi kesirli bir adet eklenemez. "
                              "Lütfen tam sayı yazınız."_s.arg(text);
    return quantity.value;
}

// Whether the field is where the window's typing goes, also while a message box is up.
bool isFocusField(QWidget* field)
{
    return field->window()->focusWidget() == field;
}

// A little barcode to decorate the window.
QPixmap barcodePicture(const QSize& size)
{
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const int widths[] = {2, 1, 1, 3, 1, 2, 2, 1, 3, 1, 1, 2, 1, 3, 2, 1, 1, 2, 3, 1};
    int x = 4;
    bool bar = true;
    for (int i = 0; x < size.width() - 4; i = (i + 1) % int(std::size(widths))) {
        const int w = widths[i] * 2;
        if (bar)
            painter.fillRect(x, 3, w, size.height() - 6, Qt::black);
        x += w;
        bar = !bar;
    }
    return picture;
}

} // namespace

TformUrunBilgileriD::TformUrunBilgileriD(Veritabani& db, QWidget* parent)
    : WorkWindow(parent), dSetUrunler(db.baglanti, tumUrunler), m_db(db)
{
    setObjectName(u"formUrunBilgileriD"_s);
    setWindowTitle(u"Stok Ekle ve Listele"_s);
    dSetUrunler.open();
    buildControls();
    connect(&dSetUrunler, &Dataset::beforePost, this, &TformUrunBilgileriD::dSetUrunlerBeforePost);
    connect(&dSetUrunler, &Dataset::afterScroll, this, &TformUrunBilgileriD::dSetUrunlerAfterScroll);
    // Connected after the grid's own: the grid stores its row before the barcode field resets the list.
    connect(qApp, &QApplication::focusChanged, this, guarded(this, &TformUrunBilgileriD::focusMoved));
    FormCreate();
}

// The grid goes before the query it shows, which dies with the members; the focus leaving the
// dying controls is nothing to handle.
TformUrunBilgileriD::~TformUrunBilgileriD()
{
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    delete urunlerGrid;
    delete dsUrunler;
}

// ---- building the window

// Controls are created in the order the Tab key visits them.
void TformUrunBilgileriD::buildControls()
{
    QFont large = font();
    large.setPointSize(12);
    large.setBold(true);

    barkodLabel = new QLabel(u"BARKOD"_s, this);
    barkodLabel->setFont(large);
    seriNumarasi = new QLineEdit(this);
    seriNumarasi->setObjectName(u"seriNumarasi"_s);
    seriNumarasi->setFont(large);
    seriNumarasiColour(false);
    setFocusProxy(seriNumarasi);

    urunAdiLabel = new QLabel(u"Stok Adı :"_s, this);
    urunAdi = new QLineEdit(this);
    urunAdi->setObjectName(u"urunAdi"_s);
    grupLabel = new QLabel(u"Grup :"_s, this);
    ComboKategoriler = new QComboBox(this);
    ComboKategoriler->setObjectName(u"ComboKategoriler"_s);
    ComboKategoriler->setMaxVisibleItems(20);
    temizle = new QPushButton(u"Temizle"_s, this);

    buildGrid();

    stokEkleKutusu = new QGroupBox(u"Stok Adedi Ekle"_s, this);
    buUrundenLabel = new QLabel(u"Bu Üründen "_s, stokEkleKutusu);
    birimMiktari = new QLineEdit(stokEkleKutusu);
    birimMiktari->setObjectName(u"birimMiktari"_s);
    birimMiktari->installEventFilter(this);
    adetLabel = new QLabel(u"adet"_s, stokEkleKutusu);
    ekle = new QPushButton(u"Ekle"_s, stokEkleKutusu);

    urunuSil = new QPushButton(u"Ürünü Sil"_s, this);
    barkodResmi = new QLabel(this);
    barkodResmi->setPixmap(barcodePicture(QSize(64, 34)));
    barkodBas = new QPushButton(u"BARKOD Bas"_s, this);
    barkodNotu = new QLabel(u"NOT: Seçili olan ürünün barkodu basılır."_s, this);
    secimNotu = new QLabel(u"Birden fazla ürün seçebilirsiniz."_s, this);
    BitBtnExcel = new QPushButton(u"Excel "_s, this);
    excelIlerleme = new QProgressBar(this);
    excelIlerleme->hide();
    kapat = new QPushButton(u"Kapat"_s, this);

    buildHiddenControls();
    placeControls();

    connect(seriNumarasi, &QLineEdit::returnPressed, this, guarded(this, &TformUrunBilgileriD::seriNumarasiKeyDown));
    // Only the user's typing counts: the list itself writes the current barcode and name here.
    connect(seriNumarasi, &QLineEdit::textEdited, this, guarded(this, &TformUrunBilgileriD::seriNumarasiChange));
    connect(urunAdi, &QLineEdit::textEdited, this, guarded(this, &TformUrunBilgileriD::urunAdiChange));
    // A choice made by the user; the window's own resets of the choice take no effect.
    connect(ComboKategoriler, &QComboBox::activated, this, guarded(this, &TformUrunBilgileriD::ComboKategorilerChange));
    connect(temizle, &QPushButton::clicked, this, guarded(this, &TformUrunBilgileriD::temizleClick));
    connect(ekle, &QPushButton::clicked, this, guarded(this, &TformUrunBilgileriD::ekleClick));
    connect(urunuSil, &QPushButton::clicked, this, guarded(this, &TformUrunBilgileriD::urunuSilClick));
    connect(barkodBas, &QPushButton::clicked, this, guarded(this, &TformUrunBilgileriD::barkodBasClick));
    connect(BitBtnExcel, &QPushButton::clicked, this, guarded(this, &TformUrunBilgileriD::BitBtnExcelClick));
    connect(kapat, &QPushButton::clicked, this, guarded(this, &WorkWindow::close));
}

void TformUrunBilgileriD::buildGrid()
{
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment centred = Qt::AlignCenter;
    const auto column = [](const QString& field, const QString& title, Qt::Alignment alignment) {
        return GridColumn(field, title, alignment);
    };
    const auto price = [](const QString& field, const QString& title, Qt::Alignment alignment) {
        GridColumn c(field, title, alignment);
        c.moneyDisplay = true;
        c.entry = GridEntry::Number;
        return c;
    };
    GridColumn stokNo = column(u"UrunNo"_s, u"Stok No"_s, right);
    stokNo.readOnly = true;
    GridColumn grupNo = column(u"KategoriNo"_s, u"Grup No"_s, right);
    grupNo.readOnly = true;
    dsUrunler = new DatasetModel(dSetUrunler, {
        stokNo,
        column(u"UrunAdi"_s, u"Stok Adı"_s, left),
        column(u"UrunAciklamasi"_s, u"Ürün Açıklaması"_s, left),
        grupNo,
        column(u"UreticiNo"_s, u"Üretici No"_s, right),
        column(u"SeriNumarasi"_s, u"Barkod No"_s, left),
        column(u"GrupAdi"_s, u"Grup Adı"_s, left),
        column(u"StoktakiBirimMiktari"_s, u"Stok Adedi"_s, centred),
        price(u"BirimAlisFiyati"_s, u"Birim Alış Fiyatı"_s, right),
        price(u"BirimSatisFiyati"_s, u"Birim Satış Fiyatı"_s, right),
        price(u"BarkodFiyat2"_s, u"Birim 2. Fiyat"_s, centred),
    }, this);

    urunlerGrid = new DataGrid(this);
    urunlerGrid->setObjectName(u"urunlerGrid"_s);
    urunlerGrid->setDatasetModel(dsUrunler);
    urunlerGrid->setInsertAllowed(true);
    // Several rows may be chosen for labels: click, Ctrl+click, Shift+click.
    urunlerGrid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    urunlerGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    urunlerGrid->verticalHeader()->hide();
    for (const int hidden : {2, 3, 4})
        urunlerGrid->setColumnHidden(hidden, true);
    const int widths[] = {64, 250, 0, 0, 0, 130, 120, 80, 115, 115, 105};
    for (int c = 0; c < int(std::size(widths)); ++c) {
        if (widths[c] > 0)
            urunlerGrid->setColumnWidth(c, widths[c]);
    }
    connect(urunlerGrid, &DataGrid::deleteRequested, this,
            guarded([this] { urunlerGrid->removeCurrentRow(silmeSorusu, degisiklikBasligi); }));
}

// Kept from the window's first design; the user never sees or reaches them.
void TformUrunBilgileriD::buildHiddenControls()
{
    fiyatLabel = new QLabel(u"0,00 TL"_s, this);
    ComboUreticiler = new QComboBox(this);
    kategoriNoLabel = new QLabel(u"Kategori No :"_s, this);
    kategoriNo = new QComboBox(this);
    ureticiNoLabel = new QLabel(u"Üretici No :"_s, this);
    ureticiNo = new QComboBox(this);
    buttonSatisFiyatiHesabi = new QPushButton(u"Satış Fiyatı Hesabı"_s, this);
    for (QWidget* hidden : std::initializer_list<QWidget*>{fiyatLabel, ComboUreticiler, kategoriNoLabel, kategoriNo, ureticiNoLabel,
                                                           ureticiNo, buttonSatisFiyatiHesabi}) {
        hidden->setFocusPolicy(Qt::NoFocus);
        hidden->hide();
    }
}

// Fixed places, as the wide-screen shift expects; only the grid's height and the line under it
// follow the window's height.
void TformUrunBilgileriD::placeControls()
{
    const auto labelAt = [](QLabel* label, int x, int y, int height) {
        label->setGeometry(x, y, label->sizeHint().width(), height);
        return x + label->width();
    };
    const int lineHeight = 30;
    int x = labelAt(barkodLabel, 10, 10, lineHeight) + 6;
    seriNumarasi->setGeometry(x, 10, 200, lineHeight);
    x = labelAt(urunAdiLabel, x + 200 + 16, 10, lineHeight) + 6;
    urunAdi->setGeometry(x, 10, 280, lineHeight);
    x = labelAt(grupLabel, x + 280 + 16, 10, lineHeight) + 6;
    ComboKategoriler->setGeometry(x, 10, 180, lineHeight);
    temizle->setGeometry(x + 180 + 12, 10, 90, lineHeight);

    const int gridWidth = 1000;
    urunlerGrid->setGeometry(10, gridTop, gridWidth, designHeight - gridTop - bottomArea);

    const int y = designHeight - bottomArea + 8;
    stokEkleKutusu->setGeometry(10, y, 330, 80);
    int inBox = labelAt(buUrundenLabel, 12, 32, 28) + 4;
    birimMiktari->setGeometry(inBox, 32, 80, 28);
    inBox = labelAt(adetLabel, inBox + 86, 32, 28) + 12;
    ekle->setGeometry(inBox, 30, 90, 32);

    urunuSil->setGeometry(355, y + 8, 110, 36);
    barkodBas->setGeometry(475, y + 8, 120, 36);
    barkodResmi->setGeometry(605, y + 9, 64, 34);
    barkodNotu->setGeometry(355, y + 50, barkodNotu->sizeHint().width(), 18);
    secimNotu->setGeometry(355, y + 68, secimNotu->sizeHint().width(), 18);
    kapat->setGeometry(10 + gridWidth - 90, y + 8, 90, 36);
    BitBtnExcel->setGeometry(kapat->x() - 100, y + 8, 90, 36);
    excelIlerleme->setGeometry(BitBtnExcel->x(), y + 52, 190, 16);

    fiyatLabel->setGeometry(700, y + 50, 100, 18);
    kategoriNoLabel->setGeometry(700, y, 90, 22);
    kategoriNo->setGeometry(790, y, 100, 22);
    ureticiNoLabel->setGeometry(700, y + 24, 90, 22);
    ureticiNo->setGeometry(790, y + 24, 100, 22);
    ComboUreticiler->setGeometry(700, y + 48, 190, 22);
    buttonSatisFiyatiHesabi->setGeometry(700, y + 72, 190, 22);

    for (QWidget* w : std::initializer_list<QWidget*>{stokEkleKutusu, urunuSil, barkodBas, barkodResmi, barkodNotu, secimNotu,
                                                      BitBtnExcel, excelIlerleme, kapat, fiyatLabel, kategoriNoLabel,
                                                      kategoriNo, ureticiNoLabel, ureticiNo, ComboUreticiler,
                                                      buttonSatisFiyatiHesabi})
        m_bottomRow.push_back({w, designHeight - w->y()});
    resize(gridWidth + 20, designHeight);
}

void TformUrunBilgileriD::resizeEvent(QResizeEvent* event)
{
    WorkWindow::resizeEvent(event);
    const int h = std::max(height(), gridTop + bottomArea + 100);
    urunlerGrid->resize(urunlerGrid->width(), h - gridTop - bottomArea);
    for (const auto& [widget, fromBottom] : m_bottomRow)
        widget->move(widget->x(), h - fromBottom);
}

bool TformUrunBilgileriD::eventFilter(QObject* watched, QEvent* event)
{
    return runGuarded(false, [&]() -> bool {
        // A click puts the whole quantity under the cursor, ready to be typed over.
        if (watched == birimMiktari && event->type() == QEvent::MouseButtonRelease)
            birimMiktari->selectAll();
        return WorkWindow::eventFilter(watched, event);
    });
}

// ---- creation

void TformUrunBilgileriD::FormCreate()
{
    setCurrencyText(u"TL "_s);
    listeHazir = false;
    m_db.tableKategoriler.setFiltered(false);
    fillGroupChoice();
    fillHiddenChoices();
    listeHazir = true;
    dSetUrunlerAfterScroll();
    shiftForWideScreen({urunlerGrid, urunuSil, barkodBas, BitBtnExcel, buttonSatisFiyatiHesabi, ComboKategoriler,
                        ComboUreticiler, stokEkleKutusu, barkodResmi, kapat, kategoriNo, barkodLabel, barkodNotu, secimNotu, urunAdiLabel,
                        grupLabel, kategoriNoLabel, ureticiNoLabel, seriNumarasi, temizle, urunAdi},
                       false);
    // The progress bar stays under the export button it belongs to.
    excelIlerleme->move(BitBtnExcel->x(), excelIlerleme->y());
}

// An empty first item, then every group's name in Turkish order.
void TformUrunBilgileriD::fillGroupChoice()
{
    Dataset& gruplar = m_db.tableKategoriler;
    QStringList names;
    for (gruplar.first(); !gruplar.eof(); gruplar.next())
        names << gruplar.text(u"KategoriAdi"_s);
    std::stable_sort(names.begin(), names.end(), TurkishLess());
    ComboKategoriler->clear();
    ComboKategoriler->addItem(QString());
    ComboKategoriler->addItems(names);
}

void TformUrunBilgileriD::fillHiddenChoices()
{
    Dataset& ureticiler = m_db.tableUreticiler;
    ComboUreticiler->addItem(QString());
    ComboUreticiler->addItem(u" ÜRETİCİ YOK"_s);
    for (ureticiler.first(); !ureticiler.eof(); ureticiler.next()) {
        ComboUreticiler->addItem(ureticiler.text(u"UreticiAdi"_s));
        ureticiNo->addItem(ureticiler.text(u"UreticiAdi"_s), ureticiler.number(u"UreticiNo"_s));
    }
    Dataset& gruplar = m_db.tableKategoriler;
    for (gruplar.first(); !gruplar.eof(); gruplar.next())
        kategoriNo->addItem(gruplar.text(u"KategoriAdi"_s), gruplar.number(u"KategoriNo"_s));
}

// ---- the list

void TformUrunBilgileriD::dSetUrunlerBeforePost()
{
    if (dSetUrunler.isNull(u"UreticiNo"_s))
        dSetUrunler.setValue(u"UreticiNo"_s, 0);
}

void TformUrunBilgileriD::dSetUrunlerAfterScroll()
{
    if (!listeHazir || dSetUrunler.isEmpty())
        return;
    if (!isFocusField(seriNumarasi))
        seriNumarasi->setText(dSetUrunler.text(u"SeriNumarasi"_s));
    if (!isFocusField(urunAdi))
        urunAdi->setText(dSetUrunler.text(u"UrunAdi"_s));
    showHiddenChoicesFor(dSetUrunler.number(u"KategoriNo"_s), dSetUrunler.number(u"UreticiNo"_s));
}

// The hidden choices follow the current product, and the shared group and producer tables are
// left on its group and producer.
void TformUrunBilgileriD::showHiddenChoicesFor(qint64 grupNo, qint64 uretici)
{
    kategoriNo->setCurrentIndex(kategoriNo->findData(grupNo));
    ureticiNo->setCurrentIndex(ureticiNo->findData(uretici));
    Dataset& gruplar = m_db.tableKategoriler;
    gruplar.setFilter(u"[KategoriNo]="_s + filterLiteral(QString::number(grupNo)));
    gruplar.setFiltered(true);
    Dataset& ureticiler = m_db.tableUreticiler;
    ureticiler.setFilter(u"[UreticiNo]="_s + filterLiteral(QString::number(uretici)));
    ureticiler.setFiltered(true);
}

// Reloading or refiltering the list drops an unstored row, so the grid stores it first.
void TformUrunBilgileriD::storePendingRow()
{
    urunlerGrid->finishEditing();
}

QVector<qint64> TformUrunBilgileriD::seciliUrunler() const
{
    QModelIndexList rows = urunlerGrid->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QVector<qint64> urunler;
    for (const QModelIndex& row : rows) {
        const QVariant urunNo = dsUrunler->data(dsUrunler->index(row.row(), 0), DatasetModel::RawValueRole);
        if (!urunNo.isNull())
            urunler << urunNo.toLongLong();
    }
    return urunler;
}

// ---- barcode search

// Another window taking or giving back the focus (a message box) is no entering or leaving.
void TformUrunBilgileriD::focusMoved(QWidget* from, QWidget* to)
{
    const bool withinWindow = from && to && from->window() == to->window();
    if (to == seriNumarasi) {
        seriNumarasiColour(true);
        if (withinWindow)
            seriNumarasiEnter();
    } else if (from == seriNumarasi && withinWindow) {
        seriNumarasiExit();
    }
}

void TformUrunBilgileriD::seriNumarasiColour(bool focused)
{
    QPalette colours = seriNumarasi->palette();
    colours.setColor(QPalette::Base, focused ? QColor(Qt::green) : QColor(Qt::red));
    colours.setColor(QPalette::Text, focused ? QColor(Qt::black) : QColor(Qt::white));
    seriNumarasi->setPalette(colours);
}

// A fresh start for a scan: every product, no group, no name.
void TformUrunBilgileriD::seriNumarasiEnter()
{
    storePendingRow();
    seriNumarasi->clear();
    seriNumarasiChange(QString());
    ComboKategoriler->setCurrentIndex(0);
    urunAdi->clear();
    urunAdiChange(QString());
    seriNumarasiColour(true);
}

void TformUrunBilgileriD::seriNumarasiKeyDown()
{
    const QString barkod = seriNumarasi->text();
    if (barkod.isEmpty())
        return;
    showOnlyBarcode(barkod);
    if (dSetUrunler.isEmpty()) {
        showMessage(u"Belirtilen Seri Numarasına Sahip Bir Ürün Bulunamadı."_s);
        dSetUrunler.setFiltered(false);
    }
}

void TformUrunBilgileriD::showOnlyBarcode(const QString& barkod)
{
    storePendingRow();
    dSetUrunler.setFiltered(false);
    dSetUrunler.setFilter(u"[SeriNumarasi]="_s + filterLiteral(barkod));
    dSetUrunler.setFiltered(true);
}

void TformUrunBilgileriD::seriNumarasiChange(const QString& text)
{
    if (!text.isEmpty())
        return;
    storePendingRow();
    dSetUrunler.setFiltered(false);
}

void TformUrunBilgileriD::seriNumarasiExit()
{
    seriNumarasi->setText(dSetUrunler.text(u"SeriNumarasi"_s));
    seriNumarasiColour(false);
}

// ---- name search and group choice

// The names that begin with the text, in Turkish order and case; the barcode or group filter
// in force still applies. An empty text lists every product, a nameless one too.
void TformUrunBilgileriD::urunAdiChange(const QString& text)
{
    storePendingRow();
    if (text.isEmpty())
        dSetUrunler.setSql(tumUrunler);
    else
        searchByName(dSetUrunler, u"Urunler"_s, u"UrunAdi"_s, text, NameMatch::BeginsWith, u"UrunAdi"_s);
    dSetUrunler.open();
}

void TformUrunBilgileriD::ComboKategorilerChange()
{
    storePendingRow();
    const bool grupSecildi = ComboKategoriler->currentIndex() > 0;
    Dataset& gruplar = m_db.tableKategoriler;
    gruplar.setFiltered(false);
    gruplar.setFilter(u"[KategoriAdi]="_s + filterLiteral(ComboKategoriler->currentText()));
    gruplar.setFiltered(true);
    // Read before the list moves: its scrolling points the shared groups at the current product.
    const qint64 grupNo = gruplar.number(u"KategoriNo"_s);
    dSetUrunler.setFiltered(false);
    if (grupSecildi) {
        dSetUrunler.setFilter(u"[KategoriNo]="_s + filterLiteral(QString::number(grupNo)));
        dSetUrunler.setFiltered(true);
    }
}

void TformUrunBilgileriD::temizleClick()
{
    ComboKategoriler->setCurrentIndex(0);
    ComboKategorilerChange();
    birimMiktari->clear();
    urunAdi->clear();
    // Entering the barcode field resets the rest; already there, it is reset in place.
    if (seriNumarasi->hasFocus())
        seriNumarasiEnter();
    else
        seriNumarasi->setFocus();
}

// ---- stock, deletion, labels

void TformUrunBilgileriD::ekleClick()
{
    const QString metin = birimMiktari->text();
    if (metin.trimmed().isEmpty())
        return;
    const auto adet = eklenecekAdet(metin);
    if (const QString* refusal = std::get_if<QString>(&adet)) {
        showMessage(*refusal);
        return;
    }
    const qint64 eklenecek = std::get<qint64>(adet);
    if (eklenecek == 0)
        return;
    if (dSetUrunler.isEmpty()) {
        showMessage(u"Stok adedi eklenecek bir ürün seçili değil."_s);
        return;
    }
    if (!dialogs().question(u"Bu Ürüne "_s + metin + u" Birim Ekleme Yapmak İstediğinizden Emin Misiniz ?"_s,
                            degisiklikBasligi, QuestionButtons::YesNo))
        return;
    if (!urunlerGrid->postPending())
        return;
    stokuDegistir(m_db.baglanti, dSetUrunler.currentKey(), eklenecek);
    dSetUrunler.reread();
}

void TformUrunBilgileriD::urunuSilClick()
{
    urunlerGrid->removeCurrentRow(silmeSorusu, degisiklikBasligi);
    urunAdi->setFocus();
}

// The labels of the products in seciliUrunler() are printed here once the label report exists.
void TformUrunBilgileriD::barkodBasClick() {}

// ---- export

void TformUrunBilgileriD::BitBtnExcelClick()
{
    if (dSetUrunler.isEmpty()) {
        showMessage(u"Lütfen Önce Ürün Ekleyiniz."_s);
        return;
    }
    const QString path = spreadsheet::newWorkbookPath(u"Dukkano-Stok"_s, Clock::today());
    if (!writeStockWorkbook(path))
        return;
    if (!spreadsheet::openWithDesktop(path))
        showMessage(u"Stok listesi Excel dosyasına yazıldı, ancak onu açacak bir hesap tablosu programı "
                    u"bulunamadı.\nDosya: "_s + QDir::toNativeSeparators(path));
}

// Every product of the shop, in stock-number order, whatever the list shows.
bool TformUrunBilgileriD::writeStockWorkbook(const QString& path)
{
    // A query of its own, in key order: no filter left on the shared products object (a label
    // print) shrinks the export, and the edits posted from this window's grid are in it.
    Dataset urunler(m_db.baglanti, u"select UrunNo, UrunAdi, SeriNumarasi, GrupAdi, StoktakiBirimMiktari, "
                                   u"BirimAlisFiyati, BirimSatisFiyati from Urunler"_s);
    urunler.setReadOnly(true);
    urunler.open();

    spreadsheet::Workbook kitap(path);
    kitap.writeText(0, 0, u"Dukkano"_s);
    const QStringList basliklar = {u"Ürün No"_s, u"Ürün Adı"_s, u"Barkod"_s, u"Grup Adı"_s,
                                   u"Stok Birim Miktarı"_s, u"Birim Alış Fiyatı"_s, u"Birim Satış Fiyatı"_s};
    for (int c = 0; c < basliklar.size(); ++c)
        kitap.writeText(1, c, basliklar[c]);

    const auto sayi = [&](int row, int column, const QString& field) {
        if (!urunler.isNull(field))
            kitap.writeNumber(row, column, double(urunler.number(field)));
    };
    const auto tutar = [&](int row, int column, const QString& field) {
        if (!urunler.isNull(field))
            kitap.writeNumber(row, column, urunler.money(field).toDouble(), spreadsheet::NumberStyle::TwoDecimals);
    };
    constexpr int progressStep = 250;
    excelIlerleme->setRange(0, urunler.recordCount());
    excelIlerleme->setValue(0);
    excelIlerleme->show();
    int satir = 2;
    for (urunler.first(); !urunler.eof(); urunler.next(), ++satir) {
        sayi(satir, 0, u"UrunNo"_s);
        kitap.writeText(satir, 1, urunler.text(u"UrunAdi"_s));
        kitap.writeText(satir, 2, urunler.text(u"SeriNumarasi"_s));
        kitap.writeText(satir, 3, urunler.text(u"GrupAdi"_s));
        sayi(satir, 4, u"StoktakiBirimMiktari"_s);
        tutar(satir, 5, u"BirimAlisFiyati"_s);
        tutar(satir, 6, u"BirimSatisFiyati"_s);
        if ((satir - 1) % progressStep == 0)
            excelIlerleme->setValue(satir - 1);
    }
    excelIlerleme->hide();
    if (!kitap.save()) {
        showMessage(kitap.error());
        return false;
    }
    return true;
}

// ---- closing

void TformUrunBilgileriD::FormClose()
{
    // A cell still being edited is stored with its row; a new row nobody typed into is dropped.
    urunlerGrid->finishOrDrop();
    m_db.kapanisAdimlari({&m_db.tableUrunler});
}

} // namespace dukkano
