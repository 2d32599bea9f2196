// The receipt header list `TformUreticiBilgileriD`: the shop's details in an editable grid; on
// closing, the shared `tableUreticiler` is reopened so that the next receipt prints them.
#pragma once

#include "Dataset.h"
#include "WorkWindow.h"

class QLabel;
class QPushButton;

namespace dukkano {

class DataGrid;
class DatasetModel;
class Veritabani;

class TformUreticiBilgileriD : public WorkWindow {
    Q_OBJECT
public:
    // The database must outlive the window.
    explicit TformUreticiBilgileriD(Veritabani& db, QWidget* parent = nullptr);
    ~TformUreticiBilgileriD() override;

    Dataset dSetMusteriler;

    QLabel* baslik;
    DataGrid* ureticilerGrid;
    DatasetModel* dsMusteriler;
    QPushButton* kapat;

    void kapatClick();

protected:
    void FormClose() override;

private:
    void buildGrid();
    void layOut();
    void satiriSil();

    Veritabani& m_db;
};

} // namespace dukkano
