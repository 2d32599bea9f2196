// The receipt header entry window `TformUreticiKayit`: a new shop row appended through the
// shared `tableUreticiler`, refused when the name is missing or already stored.
#pragma once

#include "WorkWindow.h"

#include <QVector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dukkano {

class DataGrid;
class DatasetModel;
class Veritabani;

class TformUreticiKayit : public WorkWindow {
    Q_OBJECT
public:
    // The database must outlive the window.
    explicit TformUreticiKayit(Veritabani& db, QWidget* parent = nullptr);
    ~TformUreticiKayit() override;

    QLabel* baslik;
    QLineEdit* ureticiAdi;
    QLineEdit* kisiAdi;
    QLineEdit* kisiUnvani;
    QLineEdit* adres;
    QLineEdit* sehir;
    QLineEdit* postaKodu;
    QLineEdit* ulke;
    QLineEdit* telefonNo;
    QLineEdit* faxNo;
    QLineEdit* internetAdresi;
    QLineEdit* ePosta;
    QLineEdit* notlar;
    QPushButton* kaydet;
    QPushButton* Temizle;
    QPushButton* Kapat;
    DataGrid* ureticilerGrid;
    DatasetModel* dsUreticiler;

    void kaydetClick();
    void TemizleClick();
    void KapatClick();
    // The name is already stored: says so and clears the window. True when it was.
    bool kayitliMagazaKontrolu();

protected:
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Alan {
        QString field;
        QLineEdit* edit;
    };
    struct GorunenAlan {
        QLabel* label;
        QLineEdit* edit;
    };

    QLineEdit* newEdit(const QString& name, const QString& label);
    QLineEdit* newHiddenEdit(const QString& name);
    void buildGrid();
    void layOut();
    bool yeniMagazaEkle();

    Veritabani& m_db;
    QVector<Alan> m_alanlar;              // the twelve edits in the order their fields are written
    QVector<GorunenAlan> m_gorunenler;    // the seven shown edits with their labels, top down
    QVector<QObject*> m_kontrolNoktalari;  // entering one of these runs the duplicate check
};

} // namespace dukkano
