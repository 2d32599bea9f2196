// Completing a sale from the sale window: "TAMAMLA" checks the basket and opens the receipt
// question with a summary; the writing step stores the sale in one transaction.
#include "Dialog.h"
#include "UrunSatis.h"

#include "DataError.h"
#include "DataGrid.h"
#include "Dialogs.h"
#include "KeyedChoices.h"
#include "SatisKaydi.h"
#include "Veritabani.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {

bool TFormUrunSatis::satisYazilabilir()
{
    // A quantity or price typed into the grid and not yet stored belongs to the sale, and its
    // amount must be in the total before the total is used. The question is answered in another
    // window, so the grid's editor may still be open then.
    if (!sepetGrid->finishEditing())
        return false;
    if (araToplam.isZero()) {
        showMessage(u"Satılacak Ürünler Listesi Boş."_s);
        seriNumarasi->setFocus();
        return false;
    }
    if (!indirim->text().isEmpty() && (!indirimTutari() || *indirimTutari() < Money())) {
        showMessage(u"İndirim geçerli bir tutar değil (örneğin 5 ya da 2,50). Lütfen düzeltip tekrar deneyiniz."_s);
        indirim->setFocus();
        return false;
    }
    const QString musteri = comboMusteriAdi->currentText();
    if (!musteri.isEmpty() && !chosenKey(comboMusteriAdi)) {
        showMessage(u"\"%1\" kayıtlı müşterilerden biri değil. Veresiye satış için müşteriyi listeden seçiniz; "
                    "nakit satış için Müşteri Adı alanını boş bırakınız."_s.arg(musteri));
        comboMusteriAdi->setFocus();
        return false;
    }
    return true;
}

std::optional<Money> TFormUrunSatis::indirimTutari() const
{
    if (indirim->text().isEmpty())
        return std::nullopt;
    return Money::parse(indirim->text());
}

void TFormUrunSatis::satisiGerceklestirClick()
{
    if (!satisYazilabilir())
        return;
    // One question at a time: a second one would write the same basket twice.
    if (FormDialog && FormDialog->isVisible()) {
        ozetiGoster(*FormDialog);
        FormDialog->raise();
        FormDialog->activateWindow();
        return;
    }
    delete FormDialog;  // the previous question, answered and hidden
    FormDialog = new TFormDialog(m_db, *this);
    ozetiGoster(*FormDialog);
    FormDialog->show();
    FormDialog->raise();
    FormDialog->activateWindow();
}

void TFormUrunSatis::ozetiGoster(TFormDialog& soru)
{
    const QString musteri = comboMusteriAdi->currentText();
    const QString indirimYazisi = indirimTutari() ? indirimTutari()->toCurrency() : u"0 TL"_s;
    soru.odemeTuruLabel->setText(musteri.isEmpty()
                             ? u"Ödeme Türü : NAKİT "_s
                             : u"Müşteri Adı : "_s + musteri + u" , "_s + u"    Ödeme Türü : BORÇ "_s);
    soru.toplamTutarLabel->setText(u"Toplam Tutar : "_s + labelToplamTutar->text());
    soru.indirimLabel->setText(u"İndirim : "_s + indirimYazisi);
}

bool TFormUrunSatis::SatisTamamClick()
{
    if (!satisYazilabilir())
        return false;
    const QString hata = satisiYaz();
    if (!hata.isEmpty()) {
        showMessage(hata);
        return false;
    }
    return true;
}

QString TFormUrunSatis::satisiYaz()
{
    const TamamlananSatis satis{araToplam, indirimTutari(), chosenKey(comboMusteriAdi).value_or(0)};
    try {
        satisiKaydet(m_db, tableGeciciSatilanUrunler, satis);
    } catch (const DataError& error) {
        return u"Satış kaydedilemedi; sepet olduğu gibi duruyor.\n"_s + error.message();
    }
    sepetiTemizle(true);
    return QString();
}

} // namespace dukkano
