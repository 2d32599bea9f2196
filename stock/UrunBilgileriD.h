// The stock list window `TformUrunBilgileriD`: every product in an editable grid, searched by
// barcode, name and group, with stock additions, deletion and the spreadsheet export.
#pragma once

#include "Dataset.h"
#include "WorkWindow.h"

#include <QVector>
#include <utility>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace dukkano {

class DataGrid;
class DatasetModel;
class Veritabani;

class TformUrunBilgileriD : public WorkWindow {
    Q_OBJECT
public:
    // The database must outlive the window.
    explicit TformUrunBilgileriD(Veritabani& db, QWidget* parent = nullptr);
    ~TformUrunBilgileriD() override;

    Dataset dSetUrunler;
    // Set once creation is complete; until then scrolling the list updates nothing.
    bool listeHazir = false;

    QLabel* Label1;
    QLineEdit* seriNumarasi;
    QLabel* Label2;
    QLineEdit* urunAdi;
    QLabel* Label3;
    QComboBox* ComboKategoriler;
    QPushButton* temizle;
    DataGrid* DBGrid1;
    DatasetModel* dsUrunler;
    QGroupBox* GroupBox1;
    QLabel* Label6;
    QLineEdit* birimMiktari;
    QLabel* Label7;
    QPushButton* ekle;
    QPushButton* BitBtn1;
    QLabel* Image1;
    QPushButton* BitBtn2;
    QLabel* Label10;
    QLabel* Label11;
    QPushButton* BitBtnExcel;
    QProgressBar* excelIlerleme;
    QPushButton* kapat;
    // Never shown, never reachable.
    QLabel* Label9;
    QComboBox* ComboUreticiler;
    QLabel* Label4;
    QComboBox* kategoriNo;
    QLabel* Label5;
    QComboBox* ureticiNo;
    QPushButton* buttonSatisFiyatiHesabi;

    // The products of the rows selected in the grid (`UrunNo`), top to bottom; what the label
    // printing works through.
    QVector<qint64> seciliUrunler() const;

    void dSetUrunlerBeforePost();
    void dSetUrunlerAfterScroll();
    void seriNumarasiEnter();
    void seriNumarasiKeyDown();
    void seriNumarasiChange(const QString& text);
    void seriNumarasiExit();
    void urunAdiChange(const QString& text);
    void ComboKategorilerChange();
    void temizleClick();
    void ekleClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtnExcelClick();

protected:
    void FormClose() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildGrid();
    void buildHiddenControls();
    void placeControls();
    void FormCreate();
    void fillGroupChoice();
    void fillHiddenChoices();
    void showHiddenChoicesFor(qint64 grupNo, qint64 ureticiNo);
    void focusMoved(QWidget* from, QWidget* to);
    void seriNumarasiColour(bool focused);
    void storePendingRow();
    void showOnlyBarcode(const QString& barkod);
    bool writeStockWorkbook(const QString& path);

    Veritabani& m_db;
    // Controls under the grid keep their distance from the window's bottom edge.
    QVector<std::pair<QWidget*, int>> m_bottomRow;
};

} // namespace dukkano
