// The group entry window `TformKategoriKayit`: registers product groups with their VAT rates,
// one after the other, refusing a name that is already stored.
#pragma once

#include "WorkWindow.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dukkano {

class Veritabani;

class TformKategoriKayit : public WorkWindow {
    Q_OBJECT
public:
    // The database must outlive the window.
    explicit TformKategoriKayit(Veritabani& db, QWidget* parent = nullptr);

    // The name now in the name field has been checked for a duplicate.
    bool grupSorgulandi = false;

    QLabel* baslik;       // heading
    QLabel* grupAdiLabel;
    QLineEdit* kategoriAdi;
    QLabel* kdvOraniLabel;
    QLineEdit* kategoriKDVorani;
    QLabel* yuzdeLabel;       // "%"
    QPushButton* kaydet;
    QPushButton* Temizle;
    QPushButton* Kapat;

    void kategoriAdiChange();
    void kategoriKDVoraniEnter();
    void kaydetClick();
    void TemizleClick();
    void KapatClick();

protected:
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    std::optional<QString> kayitliGrupAdi(const QString& ad);

    Veritabani& m_db;
};

} // namespace dukkano
