// The new-customer window: the three required fields checked in order, the save through the
// shared `tableMusteriler`, the cleared form ready for the next customer.
#include "MusteriKayit.h"

#include "Dialogs.h"
#include "Guarded.h"
#include "Veritabani.h"
#include "WideScreen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

// The picture beside the form: a customer card.
QPixmap musteriResmi()
{
    QPixmap picture(96, 96);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x28, 0x35, 0x93));
    painter.drawRoundedRect(QRectF(4, 4, 88, 88), 12, 12);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(33, 18, 30, 30));
    painter.drawChord(QRectF(20, 52, 56, 56), 0, 180 * 16);
    return picture;
}

} // namespace

TformMusteriKayit::TformMusteriKayit(Veritabani& db, QWidget* parent) : WorkWindow(parent), m_db(db)
{
    setObjectName(u"formMusteriKayit"_s);
    setWindowTitle(u"Müşteri Kayit"_s);
    buildControls();
    placeControls();
    shiftForWideScreen({adiSoyadi, faturaAdresi, resim, Kapat, kaydet, adiSoyadiEtiketi, baslik,
                        faturaAdresiEtiketi, telefonNoEtiketi, telefonNo, Temizle},
                       false);
    // Whoever gives the window the focus gives it to the name.
    setFocusProxy(adiSoyadi);
    adiSoyadi->setFocus();
}

// Created in tab order; the hidden fields are never reached.
void TformMusteriKayit::buildControls()
{
    const auto label = [this](const QString& text) { return new QLabel(text, this); };
    const auto edit = [this](const QString& name) {
        auto* field = new QLineEdit(this);
        field->setObjectName(name);
        return field;
    };
    baslik = label(u"Yeni Müşteri Ekle"_s);
    QFont heading = baslik->font();
    heading.setPointSize(20);
    heading.setBold(true);
    baslik->setFont(heading);
    resim = label(QString());
    resim->setPixmap(musteriResmi());

    adiSoyadiEtiketi = label(u"Cari Adı :"_s);
    adiSoyadi = edit(u"adiSoyadi"_s);
    faturaAdresiEtiketi = label(u"Adres :"_s);
    faturaAdresi = edit(u"faturaAdresi"_s);
    telefonNoEtiketi = label(u"Telefon No :"_s);
    telefonNo = edit(u"telefonNo"_s);
    babaAdiEtiketi = label(u"Baba Adı :"_s);
    babaAdi = edit(u"babaAdi"_s);
    sirketAdiEtiketi = label(u"Şirket Adı :"_s);
    sirketAdi = edit(u"sirketAdi"_s);
    faxNoEtiketi = label(u"2. Tel. No"_s);
    faxNo = edit(u"faxNo"_s);
    for (QWidget* hidden : std::initializer_list<QWidget*>{babaAdiEtiketi, babaAdi, sirketAdiEtiketi, sirketAdi,
                                                           faxNoEtiketi, faxNo})
        hidden->hide();

    kaydet = new QPushButton(u"Kaydet"_s, this);
    Temizle = new QPushButton(u"Temizle"_s, this);
    Kapat = new QPushButton(u"Kapat"_s, this);
    kaydet->setObjectName(u"kaydet"_s);
    Temizle->setObjectName(u"Temizle"_s);
    Kapat->setObjectName(u"Kapat"_s);
    for (QPushButton* button : {kaydet, Temizle, Kapat})
        button->setAutoDefault(true);  // Enter presses the focused button

    connect(kaydet, &QPushButton::clicked, this, guarded(this, &TformMusteriKayit::kaydetClick));
    connect(Temizle, &QPushButton::clicked, this, guarded(this, &TformMusteriKayit::TemizleClick));
    connect(Kapat, &QPushButton::clicked, this, guarded(this, &TformMusteriKayit::KapatClick));
    for (QLineEdit* field : {adiSoyadi, faturaAdresi, telefonNo})
        field->installEventFilter(this);
}

// The layout as designed for a screen 1152 pixels wide; wider screens shift it.
void TformMusteriKayit::placeControls()
{
    constexpr int labelX = 170, labelWidth = 110, fieldX = 290, rowHeight = 26, fieldWidth = 360;
    const auto row = [&](QLabel* caption, QLineEdit* field, int y) {
        caption->setGeometry(labelX, y, labelWidth, rowHeight);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setGeometry(fieldX, y, fieldWidth, rowHeight);
    };
    baslik->setGeometry(40, 24, 600, 40);
    resim->setGeometry(48, 90, 96, 96);
    row(adiSoyadiEtiketi, adiSoyadi, 90);
    row(faturaAdresiEtiketi, faturaAdresi, 126);
    row(telefonNoEtiketi, telefonNo, 162);
    row(babaAdiEtiketi, babaAdi, 198);
    row(sirketAdiEtiketi, sirketAdi, 234);
    row(faxNoEtiketi, faxNo, 270);
    kaydet->setGeometry(fieldX, 216, 110, 32);
    Temizle->setGeometry(fieldX + 125, 216, 110, 32);
    Kapat->setGeometry(fieldX + 250, 216, 110, 32);
}

QLineEdit* TformMusteriKayit::eksikAlan(QString& mesaj) const
{
    // "Empty" is no text at all: blanks are a name, an address, a phone.
    if (adiSoyadi->text().isEmpty()) {
        mesaj = u"Lütfen Müşteri Adını Giriniz."_s;
        return adiSoyadi;
    }
    if (faturaAdresi->text().isEmpty()) {
        mesaj = u"Lütfen Fatura Adresini Giriniz."_s;
        return faturaAdresi;
    }
    if (telefonNo->text().isEmpty()) {
        mesaj = u"Lütfen Telefon No yu Giriniz."_s;
        return telefonNo;
    }
    return nullptr;
}

// Names may repeat: namesakes are told apart by their keys.
void TformMusteriKayit::kaydetClick()
{
    QString mesaj;
    if (QLineEdit* eksik = eksikAlan(mesaj)) {
        showMessage(mesaj);
        eksik->setFocus();
        return;
    }
    Dataset& musteriler = m_db.tableMusteriler;
    musteriler.append();
    try {
        musteriler.setValue(u"AdiSoyadi"_s, adiSoyadi->text());
        musteriler.setValue(u"BabaAdi"_s, babaAdi->text());
        musteriler.setValue(u"SirketAdi"_s, sirketAdi->text());
        musteriler.setValue(u"FaturaAdresi"_s, faturaAdresi->text());
        musteriler.setValue(u"TelefonNumarasi"_s, telefonNo->text());
        musteriler.setValue(u"FaksNumarasi"_s, faxNo->text());
        musteriler.post();
    } catch (...) {
        musteriler.cancel();
        throw;
    }
    showMessage(u"Yeni Müşteri Kaydedildi."_s);
    TemizleClick();
}

void TformMusteriKayit::TemizleClick()
{
    for (QLineEdit* field : {adiSoyadi, faturaAdresi, telefonNo, babaAdi, sirketAdi, faxNo})
        field->clear();
    adiSoyadi->setFocus();
}

void TformMusteriKayit::KapatClick()
{
    close();
}

void TformMusteriKayit::FormClose()
{
    m_db.filtreleriKapat();
}

// Enter moves on to the next field, as in every entry window.
bool TformMusteriKayit::eventFilter(QObject*, QEvent* event)
{
    return runGuarded(false, [&]() -> bool {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        focusNextChild();
        return true;
    });
}

} // namespace dukkano
