// The sale cancellation window `TformUrunSatisIptali`: a customer's stored sales (the cash sales
// for the empty entry), the lines of the selected one, and taking back a line or the whole sale.
#pragma once

#include "Dataset.h"
#include "WorkWindow.h"

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace dukkano {

class DataGrid;
class DatasetModel;
class Veritabani;

class TformUrunSatisIptali : public WorkWindow {
    Q_OBJECT
public:
    // The database must outlive the window.
    explicit TformUrunSatisIptali(Veritabani& db, QWidget* parent = nullptr);
    ~TformUrunSatisIptali() override;

    // The chosen customer's sales, the newest selected; and the lines of the selected sale.
    Dataset tableSatislar;
    Dataset tableSatilanUrunler;

    QLabel* cariAdiLabel;
    QComboBox* comboMusteriAdi;
    QLabel* kayitliFislerLabel;
    DataGrid* fislerGrid;
    DatasetModel* dsSatislar;
    QLabel* fisDetayLabel;
    DataGrid* fisDetayGrid;
    DatasetModel* dsSatilanUrunler;
    QPushButton* stokIadeButton;
    QPushButton* fisIadeButton;
    QPushButton* Kapat;
    QLabel* resim;

    void comboMusteriAdiChange();
    void tableSatislarAfterScroll();
    void stokIadeAlClick();
    void fisiIadeAlClick();
    void KapatClick();

protected:
    void FormClose() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum SatisColumn { FisNo, CariNo, SatisTarihi, ToplamTutar, Indirim };
    enum SatirColumn { StokNo, StokAdi, Adet, StokSatisTutari };

    void buildControls();
    void buildGrids();
    void placeControls();
    void FormCreate();
    std::optional<qint64> chosenCustomer() const;
    static void switchFilter(Dataset& dataset, const QString& filter);

    Veritabani& m_db;
};

} // namespace dukkano
