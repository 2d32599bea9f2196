// The customer list window `TformMusteriBilgileriD` ("Cari Listesi"): every customer by name in
// an editable grid, narrowed by the start of a name, with the one delete rule.
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

class TformMusteriBilgileriD : public WorkWindow {
    Q_OBJECT
public:
    // The grid's columns, in order; the father's and company names are there but hidden.
    enum Sutun { MusteriNo, AdiSoyadi, FaturaAdresi, TelefonNumarasi, BabaAdi, SirketAdi };

    // The database must outlive the window.
    explicit TformMusteriBilgileriD(Veritabani& db, QWidget* parent = nullptr);
    ~TformMusteriBilgileriD() override;

    Dataset dSetMusteriler;

    QLabel* cariAdiEtiketi;
    QLineEdit* musteriAdi;
    DataGrid* musteriGrid;
    DatasetModel* dsMusteriler;
    QPushButton* temizle;  // "Yenile"
    QPushButton* sil;
    QPushButton* kapat;

    void musteriAdiChange(const QString& text);
    void musteriAdiEnter();
    void dSetMusterilerAfterScroll();
    void temizleClick();
    void silClick();
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
