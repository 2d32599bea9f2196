// The account window `TformAylikOdemeler` ("Cari Liste ve Borç"): the customers with their
// running debt, a payment taken against the selected customer's debt, the customer's payments
// and the deletion of a customer who owes nothing.
#pragma once

#include "Dataset.h"
#include "Money.h"
#include "WorkWindow.h"

#include <QPointer>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dukkano {

class DataGrid;
class DatasetModel;
class TformYapilmisOdemeler;
class Veritabani;

class TformAylikOdemeler : public WorkWindow {
    Q_OBJECT
public:
    enum Sutun { MusteriNo, AdiSoyadi, FaturaAdresi, TelefonNumarasi, ToplamBorc };

    // The database must outlive the window.
    explicit TformAylikOdemeler(Veritabani& db, QWidget* parent = nullptr);
    ~TformAylikOdemeler() override;

    Dataset dSetMusteriler;
    Dataset tableOdemeler;  // shown, filtered to one customer, by the payments window
    // The payments window while it is open.
    QPointer<TformYapilmisOdemeler> yapilmisOdemeler;

    QLabel* cariAdiEtiketi;
    QLineEdit* musteriAdi;
    DataGrid* musteriGrid;
    DatasetModel* dsMusteriler;
    QLabel* seciliCariEtiketi;
    QLabel* toplamBorcEtiketi;
    QLabel* lBorc;
    QLabel* yapilanOdemeEtiketi;
    QLineEdit* yapilanOdeme;
    QLabel* lKalanBorc;
    QPushButton* satisiGerceklestir;
    QPushButton* temizle;
    QPushButton* odemeler;
    QPushButton* musteriSil;
    QPushButton* kapat;

    void musteriAdiChange(const QString& text);
    void dSetMusterilerAfterScroll();
    void yapilanOdemeChange();
    void satisiGerceklestirClick();
    void temizleClick();
    void odemelerClick();
    void musteriSilClick();
    void kapatClick();

protected:
    void FormClose() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void buildGrid();
    void placeControls();
    // The customer the window works on: the grid's current row, by its key (0: none).
    qint64 seciliMusteriNo();
    // The amount typed, rounded to the money unit; nullopt when it is not a number.
    std::optional<Money> odenecekMiktar() const;
    void musterileriYenile(qint64 musteriNo);

    Veritabani& m_db;
};

} // namespace dukkano
