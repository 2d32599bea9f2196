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

    QFrame* Panel1;
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label6;
    QComboBox* ComboBox1;
    QLabel* Label5;
    QPushButton* BitBtn3;  // "EVET"
    QPushButton* BitBtn1;  // "HAYIR"
    QPushButton* BitBtn2;  // "KAPAT"

    void ComboBox1DropDown();
    void BitBtn3Click();
    void BitBtn1Click();
    void BitBtn2Click();

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
