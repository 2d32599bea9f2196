// The receipt question: prints the receipt of the basket on the chosen printer and then has the
// sale window write the sale, or writes it without a receipt, or goes back to the basket.
#include "Dialog.h"

#include "DataError.h"
#include "Dialogs.h"
#include "Guarded.h"
#include "Printers.h"
#include "Receipt.h"
#include "SettingsKey.h"
#include "TurkishText.h"
#include "UrunSatis.h"
#include "Veritabani.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainterPath>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QVBoxLayout>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

const QString ayarAnahtari = u"Software\\NUREV\\Dukkano1_5"_s;
const QString fisYazicisi = u"FisYazicisi"_s;

// A printer list that is filled afresh each time it opens.
class PrinterList : public QComboBox {
public:
    PrinterList(QWidget* parent, std::function<void()> dropDown)
        : QComboBox(parent), m_dropDown(std::move(dropDown)) {}

    void showPopup() override
    {
        m_dropDown();
        QComboBox::showPopup();
    }

private:
    std::function<void()> m_dropDown;
};

// A rounded rectangle from (2, 2) to (width - 2, height - 2) with 50 x 50 corner ellipses.
QRegion roundedRegion(QSize size)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(2, 2, size.width() - 4, size.height() - 4), 25, 25);
    return QRegion(path.toFillPolygon().toPolygon());
}

// Printer names may carry English or Turkish letters: "PRINTER" is "printer", "FİŞ" is "fiş".
bool sameIgnoringCase(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0 || turkishLower(a) == turkishLower(b);
}

QFont boldFont(const QFont& base, int pointSize)
{
    QFont font = base;
    font.setPointSize(pointSize);
    font.setBold(true);
    return font;
}

} // namespace

TFormDialog::TFormDialog(Veritabani& db, TFormUrunSatis& satis)
    : QWidget(&satis, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_db(db)
    , m_satis(satis)
{
    setObjectName(u"FormDialog"_s);
    setWindowTitle(u"Dukkano"_s);
    buildControls();
    FormCreate();
}

void TFormDialog::buildControls()
{
    QPalette dark = palette();
    dark.setColor(QPalette::Window, palette().color(QPalette::Highlight).darker(170));
    setPalette(dark);
    setAutoFillBackground(true);

    panel = new QFrame(this);
    panel->setObjectName(u"panel"_s);
    panel->setStyleSheet(u"QFrame#panel { background-color: #f4f6f8; border-radius: 24px; }"_s);

    odemeTuruLabel = new QLabel(u"Müşteri Adı :"_s, panel);
    toplamTutarLabel = new QLabel(u"Toplam Tutar :"_s, panel);
    indirimLabel = new QLabel(u"İndirim :"_s, panel);
    for (QLabel* label : {odemeTuruLabel, toplamTutarLabel, indirimLabel})
        label->setFont(boldFont(font(), 12));
    yaziciLabel = new QLabel(u"Yazıcı :"_s, panel);
    yazicilar = new PrinterList(panel, [this] { yazicilarDropDown(); });
    yazicilar->setObjectName(u"yazicilar"_s);
    yazicilar->setMinimumContentsLength(28);
    soruLabel = new QLabel(u"Yazdırmak ister misiniz?"_s, panel);
    soruLabel->setFont(boldFont(font(), 14));
    soruLabel->setAlignment(Qt::AlignCenter);

    evetButton = newButton(u"EVET"_s, u"#2e7d32"_s);
    hayirButton = newButton(u"HAYIR"_s, u"#1565c0"_s);
    kapatButton = newButton(u"KAPAT"_s, u"#616161"_s);
    connect(evetButton, &QPushButton::clicked, this, guarded(this, &TFormDialog::evetClick));
    connect(hayirButton, &QPushButton::clicked, this, guarded(this, &TFormDialog::hayirClick));
    connect(kapatButton, &QPushButton::clicked, this, guarded(this, &TFormDialog::kapatClick));

    auto* totals = new QHBoxLayout;
    totals->addWidget(toplamTutarLabel);
    totals->addStretch(1);
    totals->addWidget(indirimLabel);
    auto* printer = new QHBoxLayout;
    printer->addWidget(yaziciLabel);
    printer->addWidget(yazicilar, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    for (QPushButton* button : {evetButton, hayirButton, kapatButton})
        buttons->addWidget(button);

    auto* inside = new QVBoxLayout(panel);
    inside->setContentsMargins(32, 28, 32, 28);
    inside->setSpacing(14);
    inside->addWidget(odemeTuruLabel);
    inside->addLayout(totals);
    inside->addLayout(printer);
    inside->addWidget(soruLabel);
    inside->addLayout(buttons);

    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(14, 14, 14, 14);
    whole->addWidget(panel);
    setMinimumWidth(560);

    for (QWidget* rounded : {static_cast<QWidget*>(panel), static_cast<QWidget*>(evetButton),
                             static_cast<QWidget*>(hayirButton), static_cast<QWidget*>(kapatButton)})
        rounded->installEventFilter(this);
}

QPushButton* TFormDialog::newButton(const QString& caption, const QString& colour)
{
    auto* button = new QPushButton(caption, panel);
    button->setFont(boldFont(font(), 13));
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumSize(140, 56);
    button->setStyleSheet(u"QPushButton { background-color: %1; color: white; border: none; border-radius: 25px; }"
                          "QPushButton:hover { background-color: %2; }"
                          "QPushButton:focus { border: 3px solid #ffd54f; }"_s
                              .arg(colour, QColor(colour).lighter(125).name()));
    return button;
}

// The panel and the buttons keep their rounded corners at any size.
bool TFormDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        auto* widget = static_cast<QWidget*>(watched);
        widget->setMask(roundedRegion(widget->size()));
    }
    return false;
}

// Centred on the screen at the size its summary needs.
void TFormDialog::showEvent(QShowEvent* event)
{
    adjustSize();
    if (QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
    QWidget::showEvent(event);
}

// ---- creation

void TFormDialog::FormCreate()
{
    const QString hatirlanan = SettingsKey(ayarAnahtari).value(fisYazicisi);
    yaziciListesiniDoldur();
    if (hatirlanan.isEmpty()) {
        yazicilar->setCurrentIndex(yazicilar->count() > 0 ? 0 : -1);
        return;
    }
    yazicilar->setCurrentIndex(-1);
    for (int i = 0; i < yazicilar->count(); ++i) {
        if (sameIgnoringCase(yazicilar->itemText(i), hatirlanan)) {
            yazicilar->setCurrentIndex(i);
            return;
        }
    }
}

void TFormDialog::yaziciListesiniDoldur()
{
    yazicilar->clear();
    yazicilar->addItems(report::printers().names());
}

void TFormDialog::yazicilarDropDown()
{
    yaziciListesiniDoldur();
    yazicilar->setCurrentIndex(yazicilar->count() > 0 ? 0 : -1);
}

// ---- the answers

// Printing comes first: when it fails nothing is written and the question stays, so that
// "HAYIR" can still complete the sale without a receipt.
void TFormDialog::evetClick()
{
    if (!m_satis.satisYazilabilir())
        return;
    const QString yazici = yazicilar->currentText();
    const report::PrintResult baski = fisiYazdir(yazici);
    if (!baski.ok) {
        showMessage(baski.message
                    + u"\n\nSatış kaydedilmedi. Fiş yazdırmadan tamamlamak için \"HAYIR\" düğmesine basınız."_s);
        return;
    }
    SettingsKey(ayarAnahtari).setValue(fisYazicisi, yazici);
    const QString hata = m_satis.satisiYaz();
    if (!hata.isEmpty()) {
        showMessage(u"Fiş yazdırıldı, ancak satış kaydedilmedi.\n"_s + hata);
        return;
    }
    soruyuKapat();
}

// The receipt prepared afresh from the basket, printed without a dialog.
report::PrintResult TFormDialog::fisiYazdir(const QString& yazici)
{
    // The engine would say there is no printer at all, though the list shows some.
    if (yazici.isEmpty() && yazicilar->count() > 0 && report::printers().defaultName().isEmpty())
        return report::PrintResult::failure(
            u"Yazdırılamadı: listeden bir yazıcı seçilmedi ve bilgisayarın varsayılan yazıcısı yok."_s);
    try {
        return report::printReport(report::prepareReceipt(m_satis.tableGeciciSatilanUrunler, m_db.tableUreticiler),
                                   yazici);
    } catch (const DataError& error) {
        return report::PrintResult::failure(u"Fiş hazırlanamadı: "_s + error.message());
    }
}

void TFormDialog::hayirClick()
{
    if (m_satis.SatisTamamClick())
        soruyuKapat();
}

void TFormDialog::kapatClick()
{
    soruyuKapat();
}

// The counter goes on where the scanner types: the sale window takes the keys again.
void TFormDialog::soruyuKapat()
{
    hide();
    m_satis.raise();
    m_satis.activateWindow();
}

} // namespace dukkano
