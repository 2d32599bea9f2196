// What the customer window tests share: a shop on a fixed day with scripted boxes, customers
// with their debts written straight into the file, and one of the windows open over it.
#pragma once

#include "Clock.h"
#include "DataGrid.h"
#include "DatasetModel.h"
#include "ProgramState.h"
#include "Screen.h"
#include "TestSupport.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <optional>

namespace dukkano::test {

inline const QDate bugun(2026, 12, 9);
inline const QString silmeSorusu = u"Seçili Kaydı Silmek İstediğinizden Emin misiniz ?"_s;
inline const QString borcluSilinmez =
    u"Bu Müşterinin Borcu Olduğundan Kayıtlardan Silmenize İzin Verilmedi."_s;

struct Accounts {
    TempShop shop;
    ScriptedDialogs dialogs;

    Accounts()
    {
        Clock::set(QDateTime(bugun, QTime(10, 30)));
        Screen::setWidth(1024);
    }
    ~Accounts()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        acikFormVar = false;
        Screen::setWidth(0);
        Clock::set(QDateTime());
    }

    Veritabani& db() { return shop.db(); }

    // A customer as the entry window stores one; a debt given as text ("100", "0,0001"), or
    // none at all for a debt never set.
    qint64 addCustomer(const QString& name, const QString& father = QString(),
                       const std::optional<QString>& debt = std::nullopt, const QString& address = QString())
    {
        auto st = db().baglanti.prepare(
            u"INSERT INTO Musteriler (AdiSoyadi, BabaAdi, SirketAdi, FaturaAdresi, TelefonNumarasi, FaksNumarasi, "
            "ToplamBorc) VALUES (?, ?, '', ?, '555', '', ?)"_s);
        st.bind(1, name);
        st.bind(2, father);
        st.bind(3, address);
        st.bind(4, debt ? QVariant(Money::parse(*debt)->units()) : QVariant());
        st.step();
        return db().baglanti.lastInsertId();
    }

    qint64 addSale(qint64 customer, const QString& total, const QString& discount = u"0"_s)
    {
        auto st = db().baglanti.prepare(
            u"INSERT INTO Satislar (MusteriNo, SatisTarihi, ToplamTutar, Kazanc) VALUES (?, ?, ?, ?)"_s);
        st.bind(1, customer);
        st.bind(2, bugun.toString(Qt::ISODate));
        st.bind(3, Money::parse(total)->units());
        st.bind(4, Money::parse(discount)->units());
        st.step();
        return db().baglanti.lastInsertId();
    }

    qint64 addLine(qint64 sale, const QString& product, const QString& amount, double quantity = 1)
    {
        auto st = db().baglanti.prepare(
            u"INSERT INTO SatilanUrunler (SatisNo, UrunNo, UrunAdi, UrunSatisTutari, BirimAdedi) VALUES (?, 1, ?, ?, ?)"_s);
        st.bind(1, sale);
        st.bind(2, product);
        st.bind(3, Money::parse(amount)->units());
        st.bind(4, quantity);
        st.step();
        return db().baglanti.lastInsertId();
    }

    // The stored debt as text ("70", "" when never set), and whether the customer is still there.
    QString debt(qint64 customer)
    {
        const QVariant v = shop.scalar(u"SELECT ToplamBorc FROM Musteriler WHERE MusteriNo = ?"_s, {customer});
        return v.isNull() ? QString() : Money::fromUnits(v.toLongLong()).toEditText();
    }
    bool exists(qint64 customer)
    {
        return shop.scalar(u"SELECT count(*) FROM Musteriler WHERE MusteriNo = ?"_s, {customer}).toInt() == 1;
    }

    // Shows a window as the main window would and makes it the active one.
    template <class Window>
    Window* open()
    {
        db().tableMusteriler.reopen();
        auto* window = new Window(db());
        window->resize(1100, 640);
        window->show();
        QApplication::setActiveWindow(window);
        if (!QTest::qWaitForWindowActive(window))
            qWarning("the window did not become active");
        return window;
    }
};

// The texts a grid column shows, top to bottom.
inline QStringList columnTexts(const DatasetModel* model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

// Makes a row current as a click on it would.
inline void chooseRow(DataGrid* grid, int row)
{
    grid->setCurrentIndex(grid->model()->index(row, 1));
}

} // namespace dukkano::test
