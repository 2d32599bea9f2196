// The receipt question `TFormDialog`: the sale's summary, the receipt printer, and whether to
// print a receipt before the sale is written.
#pragma once

#include "ReportPainter.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace dukkano {

class TFormUrunSatis;
class Veritabani;

class TFormDialog : public QWidget {
    Q_OBJECT
public:
    // A window of the sale window, destroyed with it; the database must outlive it.
    TFormDialog(Veritabani& db, TFormUrunSatis& satis);

    QFrame* panel;
    QLabel* odemeTuruLabel;
    QLabel* toplamTutarLabel;
    QLabel* indirimLabel;
    QLabel* yaziciLabel;
    QComboBox* yazicilar;
    QLabel* soruLabel;
    QPushButton* evetButton;  // "EVET"
    QPushButton* hayirButton;  // "HAYIR"
    QPushButton* kapatButton;  // "KAPAT"

    void yazicilarDropDown();
    void evetClick();
    void hayirClick();
    void kapatClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    QPushButton* newButton(const QString& caption, const QString& colour);
    void FormCreate();
    void yaziciListesiniDoldur();
    report::PrintResult fisiYazdir(const QString& yazici);
    void soruyuKapat();

    Veritabani& m_db;
    TFormUrunSatis& m_satis;
};

} // namespace dukkano
