// The stock entry window `TFormUrunKayit`: a new barcode registers a new product, a known one
// takes units back into its stock.
#pragma once

#include "Money.h"
#include "WorkWindow.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dukkano {

class Veritabani;

class TFormUrunKayit : public WorkWindow {
    Q_OBJECT
public:
    // The database must outlive the window.
    explicit TFormUrunKayit(Veritabani& db, QWidget* parent = nullptr);

    // The barcode now in the barcode field has been looked up.
    bool barkodSorgulandi = false;

    QLabel* baslik;  // heading
    QLabel* barkodResmi;
    QLabel* barkodLabel;
    QLineEdit* seriNumarasi;
    QLabel* urunAdiLabel;
    QLineEdit* urunAdi;
    QLabel* aciklamaLabel;
    QLineEdit* UrunAciklamasi;   // hidden
    QLineEdit* KategoriNo;       // hidden: the number of the chosen group
    QLabel* grupLabel;
    QComboBox* ComboKategoriler;
    QLabel* ureticiNoLabel;
    QLineEdit* ureticiNo;        // hidden
    QComboBox* ComboUreticiler;  // hidden
    QLabel* sonKullanmaLabel;
    QLineEdit* sonKullanmaTarihi;  // hidden
    QLabel* miktarLabel;
    QLineEdit* stoktakiBirimMiktari;
    QPushButton* buttonSatisFiyatiHesabi;  // hidden
    QLabel* alisFiyatiLabel;
    QLineEdit* birimAlisFiyati;
    QLabel* satisFiyatiLabel;
    QLineEdit* birimSatisFiyati;
    QPushButton* kaydet;
    QPushButton* Temizle;
    QPushButton* kapatButton;

    void seriNumarasiKeyDown(int key);
    void seriNumarasiChange();
    void seriNumarasiEnter();
    void seriNumarasiExit();
    void UrunAdiEnter();
    void urunAdiKeyDown();
    void ComboKategorilerChange(int index);
    void kaydetClick();
    void TemizleClick();
    void kapatClick();
    void buttonSatisFiyatiHesabiClick();

protected:
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The numbers of a new product, read and checked before anything is written.
    struct Sayilar {
        qint64 miktar = 0;
        Money alisFiyati;
        Money satisFiyati;
    };

    void buildControls();
    void placeControls();
    void FormCreate();
    void fillGroups();
    void fillProducers();

    bool barkodSorguBekliyor() const;
    bool barkoduSorgula();
    void iadeAl(const QString& barkod);
    std::optional<Sayilar> sayilariOku();
    void yeniStokYaz(const Sayilar& sayilar);
    void uyar(const QString& message, QWidget* field);
    void seriNumarasiColour(bool focused);

    Veritabani& m_db;
    // A click into a field that set off a look-up which moved the focus away is not also a
    // click on that field.
    QWidget* m_swallowPress = nullptr;
};

} // namespace dukkano
