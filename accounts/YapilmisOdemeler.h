// The payments window `TformYapilmisOdemeler`: the payments of the customer selected in the
// account window, dated, in the order they were made. It is the account window's own and no
// work window of its own: it leaves the one-work-window rule alone.
#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace dukkano {

class DataGrid;
class Dataset;
class DatasetModel;

class TformYapilmisOdemeler : public QWidget {
    Q_OBJECT
public:
    enum Sutun { OdemeTarihi, OdemeMiktari };

    // Shows `tableOdemeler` (the account window's, which must outlive this window) filtered to
    // the customer with key `musteriNo`; with no customer (0) it lists nothing.
    TformYapilmisOdemeler(Dataset& tableOdemeler, qint64 musteriNo, const QString& adiSoyadi,
                          QWidget* hesapPenceresi);
    ~TformYapilmisOdemeler() override;

    QLabel* cariAdiEtiketi;
    QLabel* cariAdi;
    DataGrid* odemeGrid;
    DatasetModel* dsOdemeler;
    QLabel* resim;
    QPushButton* kapat;

    void kapatClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void closeActiveChild();

    QPointer<QWidget> m_hesapPenceresi;
};

} // namespace dukkano
