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

    QLabel* barkodLabel;
    QLineEdit* seriNumarasi;
    QLabel* urunAdiLabel;
    QLineEdit* urunAdi;
    QLabel* grupLabel;
    QComboBox* ComboKategoriler;
    QPushButton* temizle;
    DataGrid* urunlerGrid;
    DatasetModel* dsUrunler;
    QGroupBox* stokEkleKutusu;
    QLabel* buUrundenLabel;
    QLineEdit* birimMiktari;
    QLabel* adetLabel;
    QPushButton* ekle;
    QPushButton* urunuSil;
    QLabel* barkodResmi;
    QPushButton* barkodBas;
    QLabel* barkodNotu;
    QLabel* secimNotu;
    QPushButton* BitBtnExcel;
    QProgressBar* excelIlerleme;
    QPushButton* kapat;
    // Never shown, never reachable.
    QLabel* fiyatLabel;
    QComboBox* ComboUreticiler;
    QLabel* kategoriNoLabel;
    QComboBox* kategoriNo;
    QLabel* ureticiNoLabel;
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
    void urunuSilClick();
    void barkodBasClick();
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
