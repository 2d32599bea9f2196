// The customer sale details window `TformSatisAyrintilari` ("Cari Satış Ayrıntıları"): a
// customer picked by name, the customer's sales, the lines of the selected sale, the customer's
// total spending and current debt. Nothing is written here.
#pragma once

#include "Dataset.h"
#include "WorkWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace dukkano {

class DataGrid;
class DatasetModel;
class Veritabani;

class TformSatisAyrintilari : public WorkWindow {
    Q_OBJECT
public:
    enum MusteriSutunu { MusteriNo, AdiSoyadi, FaturaAdresi, TelefonNumarasi, BabaAdi };
    enum SatisSutunu { SatisNo, SatisTarihi, ToplamTutar, Indirim };
    enum SatirSutunu { UrunNo, UrunAdi, BirimAdedi, UrunSatisTutari };

    // The database must outlive the window.
    explicit TformSatisAyrintilari(Veritabani& db, QWidget* parent = nullptr);
    ~TformSatisAyrintilari() override;

    Dataset dSetMusteriler;
    Dataset tableSatislar;

    QLabel* cariAdiEtiketi;
    QLineEdit* musteriAdi;
    DataGrid* musteriGrid;
    DatasetModel* dsMusteriler;
    QLabel* satislarEtiketi;
    DataGrid* satisGrid;
    DatasetModel* dsSatislar;
    QLabel* satirlarEtiketi;
    DataGrid* satirGrid;
    DatasetModel* dsSatilanUrunler;
    QLabel* seciliCariEtiketi;
    QLabel* toplamHarcamaEtiketi;
    QLabel* lBorc;  // the total spending
    QLabel* toplamBorcEtiketi;
    QLabel* borc2;  // the debt
    QPushButton* Kapat;

    void musteriAdiChange(const QString& text);
    void dSetMusterilerAfterScroll();
    void tableSatislarAfterScroll();
    void KapatClick();

protected:
    void FormClose() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void buildGrids();
    void placeControls();
    // The customer the window works on: the list's current row, by its key (0: none).
    qint64 seciliMusteriNo();

    Veritabani& m_db;
};

} // namespace dukkano
