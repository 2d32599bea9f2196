// The group list window `TformKategoriBilgileriD`: the groups by name, narrowed by the start of a
// name, with names and VAT rates changed and groups deleted in the grid.
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

class TformKategoriBilgileriD : public WorkWindow {
    Q_OBJECT
public:
    // The database must outlive the window.
    explicit TformKategoriBilgileriD(Veritabani& db, QWidget* parent = nullptr);
    ~TformKategoriBilgileriD() override;

    Dataset dSetMusteriler;

    QLabel* grupAdiLabel;
    QLineEdit* musteriAdi;
    DataGrid* gruplarGrid;
    DatasetModel* dsMusteriler;
    QPushButton* temizle;
    QPushButton* kapat;
    QPushButton* sil;

    void musteriAdiChange(const QString& text);
    void musteriAdiEnter();
    void dSetMusterilerAfterScroll();
    void gruplarGridDeleteRequested();
    void temizleClick();
    void kapatClick();

protected:
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildGrid();

    Veritabani& m_db;
};

} // namespace dukkano
