// The sale window: builds the basket line by line from barcodes, product names and quick-sale
// buttons, keeps the running total by difference, and clears the basket when asked or closed.
#include "UrunSatis.h"

#include "Clock.h"
#include "DataGrid.h"
#include "Dialogs.h"
#include "Guarded.h"
#include "KeyFilters.h"
#include "KeyedChoices.h"
#include "ProgramState.h"
#include "Screen.h"
#include "SecimListeleri.h"
#include "Veritabani.h"
#include "WideScreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

const QString notRegistered = u"Bu Ürün Kayıtlı Değil."_s;
const QStringList productFields = {u"UrunNo"_s, u"UrunAdi"_s, u"UrunAciklamasi"_s, u"BirimSatisFiyati"_s};

constexpr int quickSaleCount = 36;
constexpr int quickSaleColumns = 4;
constexpr int quickSaleHeight = 57;
constexpr int quickSaleRowStep = quickSaleHeight + 10;
constexpr int quickSaleMargin = 8;
constexpr int quickSaleGap = 6;
constexpr int quickSalePageLimit = 492;
// What the page's frame takes from its width, so that the fourth column stays whole.
constexpr int quickSaleFrame = 4;

// A quick-sale button: its caption (name, CR LF, price) wraps within the button.
class QuickSaleButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        QString caption = text();
        caption.replace(u"\r\n"_s, u"\n"_s);
        const QRect area = rect().adjusted(4, 2, -4, -2);
        const int flags = Qt::AlignCenter | Qt::TextWordWrap;
        // A long name gets a smaller font rather than losing its price line.
        QFont captionFont = font();
        while (captionFont.pointSizeF() > 6
               && QFontMetrics(captionFont).boundingRect(area, flags, caption).height() > area.height())
            captionFont.setPointSizeF(captionFont.pointSizeF() - 0.5);
        painter.setFont(captionFont);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(area, flags, caption);
    }
};

QString checkQuantity(const QString& text)
{
    const Quantity quantity = parseQuantity(text);
    if (!quantity.ok() || quantity.value < 1 || quantity.value > 999999)
        return u"Miktar 1 ile 999.999 arasında bir tam sayı olmalıdır."_s;
    return QString();
}

QString checkPrice(const QString& text)
{
    const auto value = Money::parse(text);
    if (!value || *value < Money() || *value >= Money::fromLira(10000000))
        return u"Fiyat 0 ile 9.999.999,99 arasında bir tutar olmalıdır (örneğin 12,50)."_s;
    return QString();
}

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Filters a shared object on the row a list's text stands for. A text that stands for no row
// shows none: no row has the key 0.
void filterOnKey(Dataset& table, const QString& keyField, std::optional<qint64> key)
{
    table.setFiltered(false);
    table.setFilter(u"[%1]='%2'"_s.arg(keyField).arg(key.value_or(0)));
    table.setFiltered(true);
}

} // namespace

TFormUrunSatis::TFormUrunSatis(Veritabani& db, QMdiArea* mainMdiArea, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , tableGeciciSatilanUrunler(db.baglanti, u"GeciciSatilanUrunler"_s)
    , tableAyarlar(db.baglanti, u"ayarlar"_s)
    , m_db(db)
    , m_mdiArea(mainMdiArea)
{
    setObjectName(u"FormUrunSatis"_s);
    setWindowTitle(u"Ürün Satışı - POS"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowState(Qt::WindowMaximized);
    // The basket is emptied whenever this window is created, so a line lost in a power cut
    // costs nothing; a scan need not wait for the disk.
    tableGeciciSatilanUrunler.setDurable(false);
    tableGeciciSatilanUrunler.open();
    tableAyarlar.open();
    buildControls();
    connect(&tableGeciciSatilanUrunler, &Dataset::beforePost, this,
            &TFormUrunSatis::tableGeciciSatilanUrunlerBeforePost);
    connect(&tableGeciciSatilanUrunler, &Dataset::afterPost, this, &TFormUrunSatis::gridiEtkinlestir);
    connect(&tableGeciciSatilanUrunler, &Dataset::rowRemoved, this, &TFormUrunSatis::gridiEtkinlestir);
    // The window sees keys before its controls do.
    qApp->installEventFilter(this);
    FormCreate();
    // The counter starts where the scanner types.
    seriNumarasi->setFocus();
}

// The grid goes before the basket object it shows, which dies with the members.
TFormUrunSatis::~TFormUrunSatis()
{
    qApp->removeEventFilter(this);
    delete sepetGrid;
    delete dsGeciciSatilanUrunler;
}

// ---- building the window

QFont TFormUrunSatis::largeFont(int pointSize) const
{
    QFont large = font();
    large.setPointSize(pointSize);
    large.setBold(true);
    return large;
}

// Controls are created in the order the Tab key visits them: a widget's place in the focus chain
// is where it was created (setTabOrder mixes up the chain around editable combo boxes).
void TFormUrunSatis::buildControls()
{
    satisiGerceklestir = new QPushButton(u"TAMAMLA"_s, this);
    satisiGerceklestir->setToolTip(u"Satışı Gerçekleştir"_s);
    satisiGerceklestir->setFont(largeFont(18));
    satisiGerceklestir->setMinimumHeight(60);
    ButtonSil = new QPushButton(u"Tümünü Temizle"_s, this);
    cbnakitOdeme = new QCheckBox(u"Nakit Ödeme"_s, this);
    cbnakitOdeme->setChecked(true);
    cbnakitOdeme->hide();

    musteriAdiLabel = new QLabel(u"Müşteri Adı:"_s, this);
    comboMusteriAdi = newNameList(u"comboMusteriAdi"_s);
    connect(comboMusteriAdi, &QComboBox::editTextChanged, this, guarded(this, &TFormUrunSatis::comboMusteriAdiChange));

    buildBasketGrid();

    barkodLabel = new QLabel(u"BARKOD"_s, this);
    barkodLabel->setFont(largeFont(18));
    seriNumarasi = new QLineEdit(this);
    seriNumarasi->setObjectName(u"seriNumarasi"_s);
    seriNumarasi->setFont(largeFont(18));
    installDigitsOnlyFilter(seriNumarasi);
    seriNumarasiColour(false);

    urunAdiLabel = new QLabel(u"Stok Adı :"_s, this);
    urunAdi = newNameList(u"urunAdi"_s);
    connect(urunAdi, &QComboBox::editTextChanged, this, guarded(this, &TFormUrunSatis::urunAdiChange));

    buildQuickSalePage();

    indirimLabel = new QLabel(u"İndirim :"_s, this);
    indirim = new QLineEdit(this);
    indirim->setObjectName(u"indirim"_s);
    indirim->setContextMenuPolicy(Qt::NoContextMenu);
    indirim->setAcceptDrops(false);
    indirim->setMaximumWidth(160);
    connect(indirim, &QLineEdit::textChanged, this, guarded(this, &TFormUrunSatis::indirimChange));

    SatisTamam = new QPushButton(u"SatisTamam"_s, this);
    SatisTamam->hide();
    kapatButton = new QPushButton(u"KAPAT"_s, this);
    kapatButton->setMinimumHeight(60);
    sil = new QPushButton(u"Seçili Olanı Sil"_s, this);
    sil->setFocusPolicy(Qt::ClickFocus);

    labelToplamTutar = new QLabel(u"0,00 "_s, this);
    labelToplamTutar->setFont(largeFont(36));
    labelToplamTutar->setAlignment(Qt::AlignCenter);
    labelToplamTutar->setStyleSheet(u"QLabel { background-color: red; color: white; }"_s);
    labelToplamTutar->setMinimumWidth(320);

    connect(satisiGerceklestir, &QPushButton::clicked, this, guarded(this, &TFormUrunSatis::satisiGerceklestirClick));
    connect(SatisTamam, &QPushButton::clicked, this, guarded([this] { SatisTamamClick(); }));
    connect(sil, &QPushButton::clicked, this, guarded(this, &TFormUrunSatis::silClick));
    connect(ButtonSil, &QPushButton::clicked, this, guarded(this, &TFormUrunSatis::ButtonSilClick));
    connect(kapatButton, &QPushButton::clicked, this, guarded(this, &TFormUrunSatis::kapatClick));
    layOut();
}

// An editable list with completion; made editable at once so that its edit field follows it
// in the focus chain.
QComboBox* TFormUrunSatis::newNameList(const QString& name)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(30);
    combo->setMaxVisibleItems(20);
    QFont listFont = combo->font();
    listFont.setPointSize(12);
    combo->setFont(listFont);
    if (auto* list = qobject_cast<QListView*>(combo->view()))
        list->setUniformItemSizes(true);
    return combo;
}

void TFormUrunSatis::layOut()
{
    auto* entry = new QGridLayout;
    entry->addWidget(barkodLabel, 0, 0);
    entry->addWidget(seriNumarasi, 0, 1);
    entry->addWidget(urunAdiLabel, 1, 0);
    entry->addWidget(urunAdi, 1, 1);
    entry->addWidget(musteriAdiLabel, 2, 0);
    entry->addWidget(comboMusteriAdi, 2, 1);
    entry->addWidget(labelToplamTutar, 0, 2, 3, 1);
    entry->setColumnStretch(1, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(indirimLabel);
    bottom->addWidget(indirim);
    bottom->addStretch(1);
    bottom->addWidget(sil);
    bottom->addWidget(ButtonSil);
    bottom->addWidget(cbnakitOdeme);
    bottom->addWidget(SatisTamam);

    auto* actions = new QHBoxLayout;
    actions->addWidget(satisiGerceklestir, 3);
    actions->addWidget(kapatButton, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(entry);
    left->addWidget(sepetGrid, 1);
    left->addLayout(bottom);
    left->addLayout(actions);

    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left, 1);
    whole->addWidget(sayfaNurev);
}

void TFormUrunSatis::buildBasketGrid()
{
    const auto shown = [](const QString& field, const QString& title, Qt::Alignment alignment, bool money) {
        GridColumn column(field, title, alignment);
        column.readOnly = true;
        column.moneyDisplay = money;
        return column;
    };
    const auto typed = [](const QString& field, const QString& title, Qt::Alignment alignment, bool money,
                          QString (*check)(const QString&)) {
        GridColumn column(field, title, alignment);
        column.moneyDisplay = money;
        column.entry = GridEntry::Number;
        column.check = check;
        return column;
    };
    const Qt::Alignment centred = Qt::AlignCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    dsGeciciSatilanUrunler = new DatasetModel(tableGeciciSatilanUrunler, {
        shown(u"UrunNo"_s, u"Stok No"_s, centred, false),
        shown(u"UrunAdi"_s, u"Stok Adı"_s, left, false),
        typed(u"BirimAdedi"_s, u"Miktar"_s, centred, false, checkQuantity),
        typed(u"BirimSatisFiyati"_s, u"Fiyat"_s, right, true, checkPrice),
        shown(u"UrunSatisTutari"_s, u"Tutar"_s, right, true),
    }, this);
    sepetGrid = new DataGrid(this);
    sepetGrid->setObjectName(u"sepetGrid"_s);
    sepetGrid->setDatasetModel(dsGeciciSatilanUrunler);
    QFont gridFont = sepetGrid->font();
    gridFont.setPointSize(12);
    sepetGrid->setFont(gridFont);
    sepetGrid->verticalHeader()->setDefaultSectionSize(QFontMetrics(gridFont).height() + 10);
    const int widths[] = {80, 320, 80, 110, 120};
    for (int c = 0; c < 5; ++c)
        sepetGrid->setColumnWidth(c, widths[c]);
    sepetGrid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    connect(sepetGrid, &DataGrid::entered, this, guarded(this, &TFormUrunSatis::sepetGridEnter));
    connect(sepetGrid, &DataGrid::exited, this, guarded(this, &TFormUrunSatis::sepetGridExit));
    // The grid's own deletion goes the way of "Seçili Olanı Sil", which keeps the total.
    connect(sepetGrid, &DataGrid::deleteRequested, this, guarded(this, &TFormUrunSatis::silClick));
    connect(dsGeciciSatilanUrunler, &DatasetModel::fieldEdited, this,
            &TFormUrunSatis::tableGeciciSatilanUrunlerBeforePost);
}

void TFormUrunSatis::buildQuickSalePage()
{
    sayfaNurev = new QTabWidget(this);
    sayfaNurev->setObjectName(u"sayfaNurev"_s);
    sayfaNurev->setLayoutDirection(Qt::RightToLeft);
    hizliSatisSayfasi = new QWidget(sayfaNurev);
    hizliSatisSayfasi->setLayoutDirection(Qt::LeftToRight);
    sayfaNurev->addTab(hizliSatisSayfasi, u"         HIZLI SATIŞ          "_s);
    sayfaNurev->setMinimumHeight(quickSaleMargin + 9 * quickSaleRowStep + sayfaNurev->tabBar()->sizeHint().height() + 8);
    QFont buttonFont = font();
    buttonFont.setBold(true);
    for (int n = 1; n <= quickSaleCount; ++n) {
        auto* button = new QuickSaleButton(hizliSatisSayfasi);
        button->setObjectName(u"hizli%1"_s.arg(n));
        button->setFont(buttonFont);
        connect(button, &QPushButton::clicked, this, guarded([this, n] { hizliClick(n); }));
        hizli[n - 1] = button;
    }
}

// ---- creation

void TFormUrunSatis::FormCreate()
{
    captionQuickSaleButtons();
    acikFormVar = true;
    araToplam = Money();
    fillProductNames();
    fillCustomerNames();
    sepetiTemizle(false);
    sizeQuickSalePage();
    setCurrencyText(u"TL "_s);
}

void TFormUrunSatis::captionQuickSaleButtons()
{
    for (int n = 1; n <= quickSaleCount; ++n) {
        const auto urun = urunByBarcode(QString::number(100 + n));
        hizli[n - 1]->setText(urun ? urun->urunAdi + u"\r\n"_s + urun->satisFiyati.toCurrency() : u"BOŞ"_s);
    }
    m_db.tableUrunler.setFiltered(false);
}

void TFormUrunSatis::fillProductNames()
{
    fillKeyedChoices(urunAdi, urunSecimListesi(m_db.baglanti));
}

void TFormUrunSatis::fillCustomerNames()
{
    fillKeyedChoices(comboMusteriAdi, musteriSecimListesi(m_db.baglanti));
}

// A third of the screen for the page; 77/1000 of it for each button, but never wider than four
// buttons fit on the page, so that wide screens do not cut off the fourth column.
void TFormUrunSatis::sizeQuickSalePage()
{
    const int width = Screen::width();
    const int pageWidth = std::min(roundedQuotient(width, 3), quickSalePageLimit);
    const int fitting = (pageWidth - quickSaleFrame - quickSaleMargin - (quickSaleColumns - 1) * quickSaleGap) / quickSaleColumns;
    const int buttonWidth = std::min(roundedQuotient(77LL * width, 1000), fitting);
    sayfaNurev->setFixedWidth(pageWidth);
    for (int i = 0; i < quickSaleCount; ++i) {
        const int row = i / quickSaleColumns;
        const int column = i % quickSaleColumns;
        hizli[i]->setGeometry(quickSaleMargin + column * (buttonWidth + quickSaleGap),
                              quickSaleMargin + row * quickSaleRowStep, buttonWidth, quickSaleHeight);
    }
}

// ---- adding lines

std::optional<TFormUrunSatis::Urun> TFormUrunSatis::urunByBarcode(const QString& barcode)
{
    const auto found = m_db.tableUrunler.lookup(u"SeriNumarasi"_s, barcode, productFields);
    if (!found)
        return std::nullopt;
    return Urun{found->value(u"UrunNo"_s).toLongLong(), found->value(u"UrunAdi"_s).toString(),
                found->value(u"BirimSatisFiyati"_s).value<Money>(), std::nullopt};
}

void TFormUrunSatis::sepeteEkle(const Urun& urun)
{
    Dataset& sepet = tableGeciciSatilanUrunler;
    RowGuard row(sepet);
    sepet.append();
    sepet.setValue(u"UrunNo"_s, urun.urunNo);
    // The number the database gives the next sale, which the receipt will carry.
    sepet.setValue(u"SatisNo"_s, m_db.sonrakiSatisNo());
    sepet.setValue(u"UrunAdi"_s, urun.urunAdi);
    sepet.setValue(u"BirimAdedi"_s, 1);
    sepet.setValue(u"UrunAciklamasi"_s, Clock::now().toString(u"dd.MM.yyyy HH:mm:ss"_s));
    sepet.setValue(u"BirimSatisFiyati"_s, QVariant::fromValue(urun.satisFiyati));
    sepet.setValue(u"UrunSatisTutari"_s, QVariant::fromValue(urun.satisFiyati));
    if (urun.alisFiyati) {
        sepet.setValue(u"AlisFiyati"_s, QVariant::fromValue(*urun.alisFiyati));
        sepet.setValue(u"Kazanc"_s, QVariant::fromValue(urun.satisFiyati - *urun.alisFiyati));
    }
    row.post();
    araToplam += sepet.money(u"UrunSatisTutari"_s);
    toplamiGoster(araToplam);
}

void TFormUrunSatis::seriNumarasiKeyDown()
{
    const QString barcode = seriNumarasi->text();
    if (barcode.isEmpty())
        return;
    const auto urun = urunByBarcode(barcode);
    if (urun)
        sepeteEkle(*urun);
    else
        showMessage(notRegistered);
    seriNumarasi->setFocus();
    seriNumarasi->clear();
}

void TFormUrunSatis::seriNumarasiEnter()
{
    m_db.tableUrunler.setFiltered(false);
}

void TFormUrunSatis::hizliClick(int n)
{
    const QString barcode = QString::number(100 + n);
    const auto urun = urunByBarcode(barcode);
    if (urun) {
        sepeteEkle(*urun);
    } else {
        showMessage(u"Hızlı Satış %1 için önce Barkod numarası \"%2\" olan, bir stok eklemelisiniz."_s
                        .arg(n)
                        .arg(barcode));
    }
    seriNumarasi->setFocus();
    seriNumarasi->clear();
}

void TFormUrunSatis::urunAdiChange(const QString& text)
{
    if (text.isEmpty())
        return;
    filterOnKey(m_db.tableUrunler, u"UrunNo"_s, chosenKey(urunAdi));
}

void TFormUrunSatis::urunAdiEnter()
{
    urunAdiChange(urunAdi->currentText());
}

// The line comes from the product whose key the chosen entry carries; a text that matches no
// entry adds nothing, since the sale would later be written against no product.
void TFormUrunSatis::urunAdiKeyDown()
{
    const QString text = urunAdi->currentText();
    if (text.isEmpty())
        return;
    urunAdiChange(text);
    Dataset& urunler = m_db.tableUrunler;
    if (urunler.isEmpty()) {
        showMessage(notRegistered);
        return;
    }
    sepeteEkle(Urun{urunler.number(u"UrunNo"_s), urunler.text(u"UrunAdi"_s),
                    urunler.money(u"BirimSatisFiyati"_s), urunler.money(u"BirimAlisFiyati"_s)});
}

void TFormUrunSatis::comboMusteriAdiChange(const QString& text)
{
    if (text.isEmpty())
        return;
    filterOnKey(m_db.tableMusteriler, u"MusteriNo"_s, chosenKey(comboMusteriAdi));
}

void TFormUrunSatis::comboMusteriAdiKeyDown()
{
    focusNextChild();
}

// ---- the basket

// Runs before every save of a line, and at once when the grid writes a quantity or a price.
// By difference, so that running it twice on the same line changes nothing.
void TFormUrunSatis::tableGeciciSatilanUrunlerBeforePost()
{
    Dataset& sepet = tableGeciciSatilanUrunler;
    const Money eski = sepet.money(u"UrunSatisTutari"_s);
    const Money yeni = sepet.money(u"BirimSatisFiyati"_s).times(sepet.number(u"BirimAdedi"_s));
    araToplam -= eski;
    sepet.setValue(u"UrunSatisTutari"_s, QVariant::fromValue(yeni));
    araToplam += yeni;
    toplamiGoster(araToplam);
}

void TFormUrunSatis::gridiEtkinlestir()
{
    sepetGrid->setEnabled(!tableGeciciSatilanUrunler.isEmpty());
}

void TFormUrunSatis::sepetGridEnter()
{
    dsGeciciSatilanUrunler->setReadOnly(tableGeciciSatilanUrunler.isEmpty());
}

// Leaving the grid saves the current line once more, so that its amount is recomputed.
void TFormUrunSatis::sepetGridExit()
{
    if (tableGeciciSatilanUrunler.isEmpty())
        return;
    tableGeciciSatilanUrunler.edit();
    sepetGrid->postPending();
}

void TFormUrunSatis::silClick()
{
    Dataset& sepet = tableGeciciSatilanUrunler;
    if (!sepet.isEmpty()) {
        araToplam -= sepet.money(u"UrunSatisTutari"_s);
        toplamiGoster(araToplam);
        sepet.remove();
    }
    seriNumarasi->setFocus();
}

void TFormUrunSatis::ButtonSilClick()
{
    sepetiTemizle(true);
}

void TFormUrunSatis::sepetiTemizle(bool focusBarcode)
{
    Dataset& sepet = tableGeciciSatilanUrunler;
    sepet.cancel();
    const NoDiskWait quick(m_db.baglanti, true);  // the basket is a working table
    Transaction transaction(m_db.baglanti);
    sepet.first();
    while (!sepet.isEmpty())
        sepet.remove();
    transaction.commit();
    for (QComboBox* combo : {comboMusteriAdi, urunAdi}) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(-1);
        combo->clearEditText();
    }
    cbnakitOdeme->setChecked(true);
    araToplam = Money();
    indirim->clear();
    toplamiGoster(araToplam);
    gridiEtkinlestir();
    if (focusBarcode)
        seriNumarasi->setFocus();
}

void TFormUrunSatis::toplamiGoster(Money amount)
{
    labelToplamTutar->setText(amount.toCurrency());
}

// ---- the discount

// Exactly the keys the discount takes: digits, thousands dots and backspace, and a comma when
// the field is not empty and holds none yet. A dot is kept, not dropped, so that "2.5" is
// refused as no amount rather than read as 25. Paste is refused too, since it would bring in
// any text.
bool TFormUrunSatis::indirimKeyPress(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste))
        return true;
    const QString typed = event->text();
    if (typed.isEmpty() || !typed.at(0).isPrint())
        return false;
    const QChar c = typed.at(0);
    const bool digit = typed.size() == 1 && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const bool dot = typed == QLatin1String(".");
    const bool comma = typed == QLatin1String(",");
    const QString text = indirim->text();
    if (comma)
        return text.isEmpty() || text.contains(QLatin1Char(','));
    return !digit && !dot;
}

void TFormUrunSatis::indirimChange(const QString& text)
{
    if (text.isEmpty()) {
        toplamiGoster(araToplam);
        return;
    }
    const auto discount = Money::parse(text);
    toplamiGoster(discount ? araToplam - *discount : araToplam);
}

// ---- closing

void TFormUrunSatis::kapatClick()
{
    if (askYesNo(u"POS Ekranını Kapatmak İstediğinizden Emin misiniz ?"_s, u"Dukkano"_s))
        close();
}

void TFormUrunSatis::closeEvent(QCloseEvent* event)
{
    emit closed();
    runGuarded([this] {
        for (Dataset* shared : {&m_db.tableMusteriler, &m_db.tableUrunler, &m_db.tableSatislar, &m_db.tableSatilanUrunler})
            shared->setFiltered(false);
    });
    acikFormVar = false;
    runGuarded([this] { sepetiTemizle(false); });
    event->accept();
}

// ---- keys

void TFormUrunSatis::seriNumarasiColour(bool focused)
{
    QPalette colours = seriNumarasi->palette();
    colours.setColor(QPalette::Base, focused ? palette().color(QPalette::Highlight) : QColor(Qt::red));
    colours.setColor(QPalette::Text, focused ? palette().color(QPalette::HighlightedText) : QColor(Qt::white));
    seriNumarasi->setPalette(colours);
}

bool TFormUrunSatis::eventFilter(QObject* watched, QEvent* event)
{
    return runGuarded(false, [&]() -> bool {
        const auto type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::FocusIn && type != QEvent::FocusOut)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != this)
            return false;
        auto* key = dynamic_cast<QKeyEvent*>(event);

        if (type == QEvent::KeyRelease) {
            // Esc closes the main window's active child window; the sale window is not one.
            if (key->key() != Qt::Key_Escape || key->isAutoRepeat())
                return false;
            if (m_mdiArea && m_mdiArea->currentSubWindow())
                m_mdiArea->currentSubWindow()->close();
            return true;
        }
        if (watched == seriNumarasi) {
            if (type == QEvent::FocusIn) {
                seriNumarasiColour(true);
                seriNumarasiEnter();
            } else if (type == QEvent::FocusOut) {
                seriNumarasiColour(false);
            } else if (isEnter(key)) {
                seriNumarasiKeyDown();
                return true;
            }
            return false;
        }
        if (watched == urunAdi || watched == urunAdi->lineEdit()) {
            if (type == QEvent::FocusIn && watched == urunAdi) {
                urunAdiEnter();
            } else if (type == QEvent::KeyPress && isEnter(key)) {
                urunAdiKeyDown();
                return true;
            }
            return false;
        }
        if ((watched == comboMusteriAdi || watched == comboMusteriAdi->lineEdit()) && type == QEvent::KeyPress
            && isEnter(key)) {
            comboMusteriAdiKeyDown();
            return true;
        }
        if (watched == indirim && type == QEvent::KeyPress)
            return indirimKeyPress(key);
        return false;
    });
}

} // namespace dukkano
