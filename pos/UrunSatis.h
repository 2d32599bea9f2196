// The sale window `TFormUrunSatis`: the counter screen with the basket, barcode and name entry,
// the customer, the discount and the 36 quick-sale buttons.
#pragma once

#include "Dataset.h"
#include "Money.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QFont;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMdiArea;
class QPushButton;
class QTabWidget;

namespace dukkano {

class DataGrid;
class DatasetModel;
class TFormDialog;
class Veritabani;

class TFormUrunSatis : public QWidget {
    Q_OBJECT
public:
    // The database and the main window's MDI area must outlive the window.
    TFormUrunSatis(Veritabani& db, QMdiArea* mainMdiArea, QWidget* parent = nullptr);
    ~TFormUrunSatis() override;

    // The running total of the basket before any discount; always the sum of its line amounts.
    Money araToplam;

    Dataset tableGeciciSatilanUrunler;
    Dataset tableAyarlar;

    QLabel* barkodLabel;
    QLineEdit* seriNumarasi;
    QLabel* urunAdiLabel;
    QComboBox* urunAdi;
    QLabel* musteriAdiLabel;
    QComboBox* comboMusteriAdi;
    QLabel* labelToplamTutar;
    DataGrid* sepetGrid;
    DatasetModel* dsGeciciSatilanUrunler;
    QLabel* indirimLabel;
    QLineEdit* indirim;
    QPushButton* satisiGerceklestir;
    QPushButton* SatisTamam;
    QPushButton* sil;
    QPushButton* ButtonSil;
    QPushButton* kapatButton;
    QCheckBox* cbnakitOdeme;
    QTabWidget* sayfaNurev;
    QWidget* hizliSatisSayfasi;
    std::array<QPushButton*, 36> hizli{};  // hizli[0] is `hizli1`

    void seriNumarasiKeyDown();
    void seriNumarasiEnter();
    void urunAdiChange(const QString& text);
    void urunAdiEnter();
    void urunAdiKeyDown();
    void comboMusteriAdiChange(const QString& text);
    void comboMusteriAdiKeyDown();
    void tableGeciciSatilanUrunlerBeforePost();
    void sepetGridEnter();
    void sepetGridExit();
    void silClick();
    void ButtonSilClick();
    void indirimChange(const QString& text);
    bool indirimKeyPress(QKeyEvent* event);  // true: the key is dropped
    void kapatClick();
    void satisiGerceklestirClick();
    // The writing step: stores the basket as a sale and clears it. A refusal or a failure is
    // shown, nothing is stored and the basket stays; false then.
    bool SatisTamamClick();
    void hizliClick(int n);  // the quick-sale button N, 1 to 36

    // Stores a line still being edited, then checks that the basket can be written as a sale
    // (not empty, a readable discount, a listed customer or none). A refusal is shown, the
    // field at fault gets the focus, and false is returned.
    bool satisYazilabilir();
    // The writing step without its message: empty when the sale was stored and the basket
    // cleared, else why nothing was stored. Expects satisYazilabilir() to have agreed.
    QString satisiYaz();

    // The receipt question of the last "TAMAMLA"; hidden once answered.
    QPointer<TFormDialog> FormDialog;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Urun {
        qint64 urunNo = 0;
        QString urunAdi;
        Money satisFiyati;
        std::optional<Money> alisFiyati;  // only for a line chosen by name
    };

    void buildControls();
    QComboBox* newNameList(const QString& name);
    QFont largeFont(int pointSize) const;
    void buildBasketGrid();
    void buildQuickSalePage();
    void layOut();
    void FormCreate();
    void captionQuickSaleButtons();
    void fillProductNames();
    void fillCustomerNames();
    std::optional<Money> indirimTutari() const;
    void ozetiGoster(TFormDialog& soru);
    void sizeQuickSalePage();

    std::optional<Urun> urunByBarcode(const QString& barcode);
    void sepeteEkle(const Urun& urun);
    void sepetiTemizle(bool focusBarcode);
    void gridiEtkinlestir();
    void toplamiGoster(Money amount);
    void seriNumarasiColour(bool focused);

    Veritabani& m_db;
    QMdiArea* m_mdiArea;
};

} // namespace dukkano
