// The expense book `TFormMasraflarGiderler`: the list of expenses, a new expense's entry, and the
// totals of today, of the last 30 days and of a chosen period, each of which filters the list.
#pragma once

#include "Dataset.h"
#include "WorkWindow.h"

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dukkano {

class DataGrid;
class DatasetModel;
class Veritabani;

class TFormMasraflarGiderler : public WorkWindow {
    Q_OBJECT
public:
    // The database must outlive the window.
    explicit TFormMasraflarGiderler(Veritabani& db, QWidget* parent = nullptr);
    ~TFormMasraflarGiderler() override;

    Dataset tableMasraflarGiderler;

    QLabel* baslikLabel;
    DataGrid* masraflarGrid;
    DatasetModel* dsMasraflarGiderler;
    QGroupBox* ekleGrubu;
    QLabel* giderLabel;
    QLineEdit* EdtGiderAdi;
    QLabel* notLabel;
    QLineEdit* EdtGiderAciklamasi;
    QLabel* miktarLabel;
    QLineEdit* EdtGiderMiktari;
    QPushButton* kaydetButton;
    QGroupBox* analizGrubu;
    QLabel* gunlukGiderLabel;
    QLabel* LabelGunluk;
    QLabel* aylikGiderLabel;
    QLabel* LabelAylik;
    QLabel* ipucuLabel;
    QLabel* baslangicLabel;
    QDateEdit* tarih1;
    QLabel* bitisLabel;
    QDateEdit* tarih2;
    QPushButton* BtnZamanagore;
    QLabel* zamanAraligiLabel;
    QLabel* toplamGiderLabel;
    QLabel* LabelZamanAraligi;
    QPushButton* kapatButton;

    void kaydetClick();
    void LabelGunlukClick();
    void LabelAylikClick();
    void BtnZamanagoreClick();
    void kapatClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum MasrafColumn { No, GiderAdi, GiderAciklamasi, Miktar, Tarih };

    void buildControls();
    void buildGrid();
    void placeControls();
    void FormCreate();
    void filtrele(const QString& filter);
    void uyar(const QString& message, QLineEdit* field);

    Veritabani& m_db;
};

} // namespace dukkano
