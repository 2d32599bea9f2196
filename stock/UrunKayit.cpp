// The stock entry window: the barcode look-up that decides between a new product and a return,
// the return to stock, the save of a new product and the window's keys and colours.
#include "UrunKayit.h"

#include "Dialogs.h"
#include "Guarded.h"
#include "StokHareketi.h"
#include "KeyFilters.h"
#include "TurkishText.h"
#include "Veritabani.h"
#include "WideScreen.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

const QString gecersizIade = u"Geçersiz Birim Miktarı Girişi. İşlem İptal Edildi."_s;

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// An optional sign followed by digits; anything else is no whole number.
// The picture beside the form: a barcode.
QPixmap barcodePicture()
{
    QPixmap picture(128, 96);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const int widths[] = {2, 1, 3, 1, 1, 2, 1, 3, 2, 1, 1, 2, 3, 1, 2, 1, 1, 3, 1, 2, 2, 1, 3, 1, 1, 2};
    int x = 10;
    for (int i = 0; i < int(std::size(widths)); ++i) {
        const int w = widths[i] * 2;
        if (i % 2 == 0)
            painter.drawRect(x, 10, w, 62);
        x += w;
    }
    painter.setPen(Qt::black);
    QFont digits = painter.font();
    digits.setPointSize(9);
    painter.setFont(digits);
    painter.drawText(QRect(0, 74, 128, 18), Qt::AlignCenter, u"8 690000 100001"_s);
    return picture;
}

} // namespace

TFormUrunKayit::TFormUrunKayit(Veritabani& db, QWidget* parent) : WorkWindow(parent), m_db(db)
{
    setObjectName(u"FormUrunKayit"_s);
    setWindowTitle(u"Stok Ekle ve İade"_s);
    buildControls();
    placeControls();
    FormCreate();
    // Whoever gives the window the focus gives it to the barcode, where the scanner types.
    setFocusProxy(seriNumarasi);
    seriNumarasi->setFocus();
}

// ---- building the window

// Created in tab order: barcode, name, description, group number, group choice, producer
// number, producer choice, expiry date, stock quantity, calculator, prices, buttons.
void TFormUrunKayit::buildControls()
{
    const auto label = [this](const QString& text) { return new QLabel(text, this); };
    const auto edit = [this](const QString& name) {
        auto* field = new QLineEdit(this);
        field->setObjectName(name);
        return field;
    };

    baslik = label(u"Stok Ekle ve İade"_s);
    QFont heading = baslik->font();
    heading.setPointSize(20);
    heading.setBold(true);
    baslik->setFont(heading);
    barkodResmi = label(QString());
    barkodResmi->setPixmap(barcodePicture());

    barkodLabel = label(u"BARKOD*"_s);
    QFont large = barkodLabel->font();
    large.setPointSize(18);
    large.setBold(true);
    barkodLabel->setFont(large);
    seriNumarasi = edit(u"seriNumarasi"_s);
    seriNumarasi->setFont(large);
    urunAdiLabel = label(u"Stok Adı* :"_s);
    urunAdi = edit(u"urunAdi"_s);
    aciklamaLabel = label(u"Ürün Açıklaması :"_s);
    UrunAciklamasi = edit(u"UrunAciklamasi"_s);
    KategoriNo = edit(u"KategoriNo"_s);
    grupLabel = label(u"Grup* :"_s);
    ComboKategoriler = new QComboBox(this);
    ComboKategoriler->setObjectName(u"ComboKategoriler"_s);
    ComboKategoriler->setMaxVisibleItems(20);
    ureticiNoLabel = label(u"Üretici No :"_s);
    ureticiNo = edit(u"ureticiNo"_s);
    ComboUreticiler = new QComboBox(this);
    ComboUreticiler->setObjectName(u"ComboUreticiler"_s);
    sonKullanmaLabel = label(u"Son Kullanma Tarihi :"_s);
    sonKullanmaTarihi = edit(u"sonKullanmaTarihi"_s);
    miktarLabel = label(u"Stoktaki Miktarı* :"_s);
    stoktakiBirimMiktari = edit(u"stoktakiBirimMiktari"_s);
    installNumberEntryFilter(stoktakiBirimMiktari);
    buttonSatisFiyatiHesabi = new QPushButton(u"Alış - Satış Fiyatı"_s, this);
    alisFiyatiLabel = label(u"Birim Alış Fiyatı* :"_s);
    birimAlisFiyati = edit(u"birimAlisFiyati"_s);
    satisFiyatiLabel = label(u"Birim Satış Fiyatı* :"_s);
    birimSatisFiyati = edit(u"birimSatisFiyati"_s);
    kaydet = new QPushButton(u"Kaydet"_s, this);
    Temizle = new QPushButton(u"Temizle"_s, this);
    kapatButton = new QPushButton(u"Kapat"_s, this);
    buttonSatisFiyatiHesabi->setObjectName(u"buttonSatisFiyatiHesabi"_s);
    kaydet->setObjectName(u"kaydet"_s);
    Temizle->setObjectName(u"Temizle"_s);
    kapatButton->setObjectName(u"kapatButton"_s);
    for (QPushButton* button : {kaydet, Temizle, kapatButton})
        button->setAutoDefault(true);  // Enter presses the focused button

    // Kept on the window for the fields they stand for, never shown.
    for (QWidget* hidden : std::initializer_list<QWidget*>{aciklamaLabel, UrunAciklamasi, KategoriNo, ureticiNoLabel, ureticiNo,
                                                           ComboUreticiler, sonKullanmaLabel, sonKullanmaTarihi,
                                                           buttonSatisFiyatiHesabi})
        hidden->hide();

    connect(seriNumarasi, &QLineEdit::textChanged, this, guarded(this, &TFormUrunKayit::seriNumarasiChange));
    connect(ComboKategoriler, &QComboBox::activated, this, guarded(this, &TFormUrunKayit::ComboKategorilerChange));
    connect(kaydet, &QPushButton::clicked, this, guarded(this, &TFormUrunKayit::kaydetClick));
    connect(Temizle, &QPushButton::clicked, this, guarded(this, &TFormUrunKayit::TemizleClick));
    connect(kapatButton, &QPushButton::clicked, this, guarded(this, &TFormUrunKayit::kapatClick));
    connect(buttonSatisFiyatiHesabi, &QPushButton::clicked, this, guarded(this, &TFormUrunKayit::buttonSatisFiyatiHesabiClick));
    for (QWidget* watched : std::initializer_list<QWidget*>{seriNumarasi, urunAdi, UrunAciklamasi, KategoriNo,
                                                            ComboKategoriler, ureticiNo, ComboUreticiler,
                                                            sonKullanmaTarihi, stoktakiBirimMiktari,
                                                            birimAlisFiyati, birimSatisFiyati})
        watched->installEventFilter(this);
}

// The layout as designed for a screen 1152 pixels wide; wider screens shift it (FormCreate).
void TFormUrunKayit::placeControls()
{
    constexpr int labelX = 210, labelWidth = 150, fieldX = 370, rowHeight = 26;
    const auto row = [&](QLabel* caption, QWidget* field, int y, int fieldWidth) {
        caption->setGeometry(labelX, y, labelWidth, rowHeight);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setGeometry(fieldX, y, fieldWidth, rowHeight);
    };
    baslik->setGeometry(40, 24, 600, 40);
    barkodResmi->setGeometry(48, 90, 128, 96);
    barkodLabel->setGeometry(labelX, 90, labelWidth, 42);
    barkodLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    seriNumarasi->setGeometry(fieldX, 90, 320, 42);
    row(urunAdiLabel, urunAdi, 150, 320);
    row(grupLabel, ComboKategoriler, 186, 320);
    row(miktarLabel, stoktakiBirimMiktari, 222, 130);
    row(alisFiyatiLabel, birimAlisFiyati, 258, 130);
    row(satisFiyatiLabel, birimSatisFiyati, 294, 130);
    buttonSatisFiyatiHesabi->setGeometry(fieldX + 140, 258, 180, rowHeight);
    kaydet->setGeometry(fieldX, 348, 100, 32);
    Temizle->setGeometry(fieldX + 110, 348, 100, 32);
    kapatButton->setGeometry(fieldX + 220, 348, 100, 32);
}

// ---- creation and closing

void TFormUrunKayit::FormCreate()
{
    fillGroups();
    fillProducers();
    barkodSorgulandi = false;
    shiftForWideScreen({baslik, barkodResmi, barkodLabel, seriNumarasi, urunAdiLabel, urunAdi, grupLabel, ComboKategoriler, miktarLabel,
                        stoktakiBirimMiktari, alisFiyatiLabel, birimAlisFiyati, satisFiyatiLabel, birimSatisFiyati, kaydet, Temizle,
                        kapatButton, buttonSatisFiyatiHesabi},
                       true);
    seriNumarasiColour(false);
}

// In the table's own order, unsorted: item i is record number i + 1 of `tableKategoriler`.
void TFormUrunKayit::fillGroups()
{
    Dataset& kategoriler = m_db.tableKategoriler;
    for (kategoriler.first(); !kategoriler.eof(); kategoriler.next())
        ComboKategoriler->addItem(kategoriler.text(u"KategoriAdi"_s));
    ComboKategoriler->setCurrentIndex(-1);
}

void TFormUrunKayit::fillProducers()
{
    Dataset& ureticiler = m_db.tableUreticiler;
    QStringList adlar{QString()};
    for (ureticiler.first(); !ureticiler.eof(); ureticiler.next())
        adlar << ureticiler.text(u"UreticiAdi"_s);
    std::stable_sort(adlar.begin(), adlar.end(), TurkishLess());
    ComboUreticiler->addItems(adlar);
    ComboUreticiler->setCurrentIndex(-1);
}

void TFormUrunKayit::FormClose()
{
    m_db.kapanisAdimlari();
}

void TFormUrunKayit::kapatClick()
{
    close();
}

// ---- the barcode

bool TFormUrunKayit::barkodSorguBekliyor() const
{
    return !seriNumarasi->text().isEmpty() && !barkodSorgulandi;
}

void TFormUrunKayit::seriNumarasiKeyDown(int key)
{
    if (!isEnter(key))
        return;
    if (seriNumarasi->text().isEmpty()) {
        urunAdi->setFocus();
        return;
    }
    if (!barkodSorgulandi)
        barkoduSorgula();
}

// A new barcode leads to the name field; a known one is a return to stock. True for a return.
bool TFormUrunKayit::barkoduSorgula()
{
    const QString barkod = seriNumarasi->text();
    const auto urun = m_db.tableUrunler.lookup(u"SeriNumarasi"_s, barkod, {u"UrunAdi"_s});
    barkodSorgulandi = true;
    if (!urun) {
        urunAdi->setFocus();
        return false;
    }
    iadeAl(barkod);
    TemizleClick();
    return true;
}

void TFormUrunKayit::iadeAl(const QString& barkod)
{
    const auto cevap = dialogs().input(u"İade Al"_s, u"İade alınacak Birim Miktarını Giriniz :"_s, QString());
    const Quantity adet = parseQuantity(cevap.value_or(QString()));
    if (!adet.ok()) {
        showMessage(gecersizIade);
        return;
    }
    // Gone since the look-up: nothing to raise, and no row to add.
    const auto urun = m_db.tableUrunler.lookup(u"SeriNumarasi"_s, barkod, {u"UrunNo"_s, u"UrunAdi"_s});
    if (!urun || !stokuDegistir(m_db.baglanti, urun->value(u"UrunNo"_s).toLongLong(), adet.value)) {
        showMessage(u"Bu Ürün Kayıtlı Değil."_s);
        return;
    }
    const QString urunAdiText = urun->value(u"UrunAdi"_s).toString();
    showMessage(urunAdiText + u" Stoğa Ait "_s + QString::number(adet.value) + u" Adet İade Alındı."_s);
}

void TFormUrunKayit::seriNumarasiChange()
{
    barkodSorgulandi = false;
}

void TFormUrunKayit::seriNumarasiEnter()
{
    seriNumarasiColour(true);
}

void TFormUrunKayit::seriNumarasiExit()
{
    seriNumarasiColour(false);
}

void TFormUrunKayit::seriNumarasiColour(bool focused)
{
    QPalette colours = seriNumarasi->palette();
    colours.setColor(QPalette::Base, focused ? QColor(Qt::darkGreen) : QColor(Qt::red));
    colours.setColor(QPalette::Text, QColor(Qt::yellow));
    seriNumarasi->setPalette(colours);
}

// ---- the other fields

// The focus came into another field: a barcode typed but not looked up is looked up now.
void TFormUrunKayit::UrunAdiEnter()
{
    if (barkodSorguBekliyor())
        seriNumarasiKeyDown(Qt::Key_Return);
}

void TFormUrunKayit::urunAdiKeyDown()
{
    focusNextChild();
}

// By position: item i is record number i + 1 of `tableKategoriler`.
void TFormUrunKayit::ComboKategorilerChange(int index)
{
    if (index < 0)
        return;
    Dataset& kategoriler = m_db.tableKategoriler;
    kategoriler.setRecNo(index + 1);
    KategoriNo->setText(QString::number(kategoriler.number(u"KategoriNo"_s)));
}

void TFormUrunKayit::buttonSatisFiyatiHesabiClick()
{
    if (ComboKategoriler->currentIndex() < 0)
        uyar(u"Lütfen Önce Ürün Kategorisini Seçin."_s, ComboKategoriler);
}

// ---- saving and clearing

void TFormUrunKayit::uyar(const QString& message, QWidget* field)
{
    showMessage(message);
    field->setFocus();
}

void TFormUrunKayit::kaydetClick()
{
    // Going straight to "Kaydet" from a new barcode skips the look-up that entering another
    // field runs; without it a known barcode would be registered a second time.
    if (barkodSorguBekliyor() && barkoduSorgula())
        return;
    if (!KategoriNo->text().isEmpty())
        ComboKategorilerChange(ComboKategoriler->currentIndex());
    if (seriNumarasi->text().size() < 3) {
        uyar(u"Lütfen Geçerli Bir BARKOD No Giriniz. En az üç basamaklı olmalı, Örn. ( 100 )"_s, seriNumarasi);
        seriNumarasi->selectAll();
        return;
    }
    if (urunAdi->text().isEmpty())
        return uyar(u"Lütfen Stok Adını Giriniz."_s, urunAdi);
    if (KategoriNo->text().isEmpty())
        return uyar(u"Lütfen Bir Kategori Seçiniz."_s, ComboKategoriler);
    if (stoktakiBirimMiktari->text().isEmpty())
        return uyar(u"Lütfen Stok Miktarını Giriniz."_s, stoktakiBirimMiktari);
    if (birimAlisFiyati->text().isEmpty())
        return uyar(u"Lütfen Alış Fiyatını Giriniz."_s, birimAlisFiyati);
    if (birimSatisFiyati->text().isEmpty())
        return uyar(u"Lütfen Satış Fiyatını Giriniz."_s, birimSatisFiyati);
    if (!ComboKategoriler->currentText().isEmpty()
        && !m_db.tableKategoriler.lookup(u"KategoriNo"_s, KategoriNo->text(), {u"KategoriAdi"_s}))
        return uyar(u"Lütfen Geçerli Bir Kategori No Giriniz."_s, ComboKategoriler);
    const auto sayilar = sayilariOku();
    if (!sayilar)
        return;
    yeniStokYaz(*sayilar);
    showMessage(u"Yeni Stok Kaydedildi."_s);
    TemizleClick();
}

// The quantity and the prices as numbers, each refused by name before anything is written.
std::optional<TFormUrunKayit::Sayilar> TFormUrunKayit::sayilariOku()
{
    const auto refuse = [this](const QString& message, QLineEdit* field) {
        uyar(message, field);
        field->selectAll();
        return std::nullopt;
    };
    const Quantity miktar = parseQuantity(stoktakiBirimMiktari->text());
    if (miktar.refusal == QuantityRefusal::NotANumber)
        return refuse(u"Stoktaki Miktarı bir sayı olmalıdır (Örn. 12). Kayıt yapılmadı."_s, stoktakiBirimMiktari);
    if (miktar.refusal == QuantityRefusal::Fraction)
        return refuse(u"Stoktaki Miktarı tam sayı olmalıdır; stok adedi kesirli olamaz (Örn. 5). Kayıt yapılmadı."_s,
                      stoktakiBirimMiktari);
    const auto alis = Money::parse(birimAlisFiyati->text());
    if (!alis)
        return refuse(u"Birim Alış Fiyatı bir tutar olmalıdır (Örn. 12,50). Kayıt yapılmadı."_s, birimAlisFiyati);
    const auto satis = Money::parse(birimSatisFiyati->text());
    if (!satis)
        return refuse(u"Birim Satış Fiyatı bir tutar olmalıdır (Örn. 12,50). Kayıt yapılmadı."_s, birimSatisFiyati);
    return Sayilar{miktar.value, *alis, *satis};
}

// One new row, its fields set in this order; a field refused by the data layer leaves no row.
void TFormUrunKayit::yeniStokYaz(const Sayilar& sayilar)
{
    Dataset& urunler = m_db.tableUrunler;
    RowGuard row(urunler);
    urunler.append();
    urunler.setValue(u"SeriNumarasi"_s, seriNumarasi->text());
    urunler.setValue(u"UrunAdi"_s, urunAdi->text());
    urunler.setValue(u"UrunAciklamasi"_s, UrunAciklamasi->text());
    urunler.setValue(u"KategoriNo"_s, KategoriNo->text());
    urunler.setValue(u"GrupAdi"_s, ComboKategoriler->currentText());
    urunler.setValue(u"UreticiNo"_s, ureticiNo->text().isEmpty() ? u"0"_s : ureticiNo->text());
    urunler.setValue(u"SonKullanmaTarihi"_s, sonKullanmaTarihi->text());
    urunler.setValue(u"StoktakiBirimMiktari"_s, sayilar.miktar);
    urunler.setValue(u"BirimAlisFiyati"_s, sayilar.alisFiyati);
    urunler.setValue(u"BirimSatisFiyati"_s, sayilar.satisFiyati);
    urunler.setValue(u"BarkodFiyat2"_s, sayilar.satisFiyati);
    row.post();
}

void TFormUrunKayit::TemizleClick()
{
    for (QLineEdit* field : {urunAdi, UrunAciklamasi, KategoriNo, ureticiNo, sonKullanmaTarihi,
                             stoktakiBirimMiktari, birimAlisFiyati, birimSatisFiyati})
        field->clear();
    ComboKategoriler->setCurrentIndex(-1);
    ComboUreticiler->setCurrentIndex(-1);
    seriNumarasi->setFocus();
    seriNumarasi->clear();
    barkodSorgulandi = false;
}

// ---- keys and focus

bool TFormUrunKayit::eventFilter(QObject* watched, QEvent* event)
{
    return runGuarded(false, [&]() -> bool {
        auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::FocusIn:
            m_swallowPress = nullptr;
            if (watched == seriNumarasi) {
                seriNumarasiEnter();
            } else if (barkodSorguBekliyor()) {
                UrunAdiEnter();
                const bool byMouse = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
                m_swallowPress = byMouse && !widget->hasFocus() ? widget : nullptr;
            }
            return false;
        case QEvent::FocusOut:
            if (watched == seriNumarasi)
                seriNumarasiExit();
            return false;
        case QEvent::MouseButtonPress:
            if (watched != m_swallowPress)
                return false;
            m_swallowPress = nullptr;
            return true;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (watched == seriNumarasi) {
                seriNumarasiKeyDown(key);
                return isEnter(key);
            }
            if (isEnter(key)) {
                urunAdiKeyDown();
                return true;
            }
            return false;
        }
        default:
            return false;
        }
    });
}

} // namespace dukkano
