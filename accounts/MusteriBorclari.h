// The debts window `TformMusteriBorclari` ("Müşteri Borçları"): every customer's running debt,
// typed over in the grid. Opened from the main window's hidden hot spot.
#pragma once

#include "WorkWindow.h"

namespace dukkano {

class DataGrid;
class DatasetModel;
class Veritabani;

class TformMusteriBorclari : public WorkWindow {
    Q_OBJECT
public:
    enum Sutun { MusteriNo, AdiSoyadi, TelefonNumarasi, ToplamBorc };

    // The database must outlive the window.
    explicit TformMusteriBorclari(Veritabani& db, QWidget* parent = nullptr);
    ~TformMusteriBorclari() override;

    DataGrid* borcGrid;
    DatasetModel* dsMusteriler;

    void borcGridDeleteRequested();

protected:
    void FormClose() override;

private:
    Veritabani& m_db;
};

} // namespace dukkano
