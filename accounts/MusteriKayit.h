// The new-customer window `TformMusteriKayit`: name, address and phone, checked and saved one
// customer after the other.
#pragma once

#include "WorkWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace dukkano {

class Veritabani;

class TformMusteriKayit : public WorkWindow {
    Q_OBJECT
public:
    // The database must outlive the window.
    explicit TformMusteriKayit(Veritabani& db, QWidget* parent = nullptr);

    QLabel* baslik;  // "Yeni Müşteri Ekle"
    QLabel* resim;
    QLabel* adiSoyadiEtiketi;
    QLineEdit* adiSoyadi;
    QLabel* faturaAdresiEtiketi;
    QLineEdit* faturaAdresi;
    QLabel* telefonNoEtiketi;
    QLineEdit* telefonNo;
    // Never shown: their fields are always stored empty.
    QLabel* babaAdiEtiketi;
    QLineEdit* babaAdi;
    QLabel* sirketAdiEtiketi;
    QLineEdit* sirketAdi;
    QLabel* faxNoEtiketi;
    QLineEdit* faxNo;
    QPushButton* kaydet;
    QPushButton* Temizle;
    QPushButton* Kapat;

    void kaydetClick();
    void TemizleClick();
    void KapatClick();

protected:
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void placeControls();
    // The first empty required field, with its message; nullptr when all are filled.
    QLineEdit* eksikAlan(QString& mesaj) const;

    Veritabani& m_db;
};

} // namespace dukkano
