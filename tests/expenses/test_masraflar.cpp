// The expense book: the entry's checks, the totals and the lists behind them, and the period
// check that the review and report windows share.
#include "Clock.h"
#include "DataGrid.h"
#include "MasraflarGiderler.h"
#include "ProgramState.h"
#include "Screen.h"
#include "TestSupport.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace dukkano;
using namespace dukkano::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QDate today(2026, 12, 9);

const QString startInFuture = u"Başlangıç Tarihi Gelecek bir tarih olamaz. Lütfen düzeltip tekrar deneyiniz."_s;
const QString endInFuture = u"Bitiş Tarihi Gelecek bir tarih olamaz. Lütfen düzeltip tekrar deneyiniz ."_s;
const QString startAfterEnd = u"Başlangıç Tarihi Bitiş tarihinden sonra olamaz. Lütfen düzeltip tekrar deneyiniz ."_s;

// A shop with the expense book open over it; the window goes before the shop.
struct Fixture {
    TempShop shop;
    ScriptedDialogs dialogs;
    QPointer<TFormMasraflarGiderler> form;

    ~Fixture()
    {
        delete form.data();
        acikFormVar = false;
    }

    // An expense `daysAgo` days before today (negative: after it).
    void expense(int daysAgo, const char* amount, const QString& name = u"Kira"_s)
    {
        auto st = shop.db().baglanti.prepare(u"INSERT INTO MasrafGiderler (Tarih, Miktar, GiderAdi) VALUES (?, ?, ?)"_s);
        st.bind(1, today.addDays(-daysAgo));
        st.bind(2, lira(amount).units());
        st.bind(3, name);
        st.step();
    }

    bool open()
    {
        form = new TFormMasraflarGiderler(shop.db());
        form->resize(1150, 620);
        form->show();
        QApplication::setActiveWindow(form);
        return QTest::qWaitForWindowActive(form);
    }

    // The amounts the grid lists, in its order.
    QStringList listed()
    {
        QStringList amounts;
        Dataset& t = form->tableMasraflarGiderler;
        for (int row = 0; row < t.recordCount(); ++row)
            amounts << displayText(t.valueAt(row, t.fieldIndex(u"Miktar"_s)));
        return amounts;
    }

    void click(QLabel* label) { QTest::mouseClick(label, Qt::LeftButton); }
};

} // namespace

class TestMasraflar : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::set(QDateTime(today, QTime(15, 0))); }
    void cleanup()
    {
        Clock::set(QDateTime());
        Screen::setWidth(0);
    }

    void entryChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("stored");
        QTest::newRow("nothing typed: the amount first") << "" << "" << "Lütfen Miktarı Boş Bırakmayınız."
                                                        << "EdtGiderMiktari" << "";
        QTest::newRow("no name") << "" << "12" << "Lütfen Giderin Ne Olduğunu Yazınız." << "EdtGiderAdi" << "";
        QTest::newRow("not an amount") << "Kira" << "12,5a"
                                       << "Miktar bir tutar olmalıdır (örneğin 12,50); gider kaydedilmedi."
                                       << "EdtGiderMiktari" << "";
        QTest::newRow("stored exactly") << "Kira" << "1.234,5678" << "Yeni Masraf & Gider Kaydedildi." << ""
                                        << "1234,5678";
        QTest::newRow("a negative amount is a correction") << "İade" << "-3,25" << "Yeni Masraf & Gider Kaydedildi."
                                                            << "" << "-3,25";
    }
    void entryChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, amount);
        QFETCH(QString, focus);
        QFETCH(QString, stored);
        Fixture f;
        QVERIFY(f.open());
        typeText(f.form->EdtGiderAdi, name);
        typeText(f.form->EdtGiderAciklamasi, u"Aralık"_s);
        typeText(f.form->EdtGiderMiktari, amount);

        f.form->kaydetButton->click();

        QTEST(f.dialogs.shown.join(u'|'), "shown");
        if (!focus.isEmpty())
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(f.shop.count(u"MasrafGiderler"_s), stored.isEmpty() ? 0 : 1);
        if (stored.isEmpty())
            return;
        QCOMPARE(f.shop.firstColumn(u"SELECT GiderAdi || '|' || GiderAciklamasi || '|' || Tarih || '|' || "
                                    "coalesce(GiderOdendi, 'boş') FROM MasrafGiderler"_s),
                 QStringList{name + u"|Aralık|2026-12-09|boş"_s});
        QCOMPARE(Money::fromUnits(f.shop.scalar(u"SELECT Miktar FROM MasrafGiderler"_s).toLongLong()).toEditText(), stored);
        QCOMPARE(f.listed(), QStringList{stored});
        for (QLineEdit* edit : {f.form->EdtGiderAdi, f.form->EdtGiderAciklamasi, f.form->EdtGiderMiktari})
            QCOMPARE(edit->text(), QString());
        QCOMPARE(f.form->LabelGunluk->text(), u"0,00 TL"_s);  // computed on opening only
    }

    // Totals exact; the 30-day total and list take 31 days, today included.
    void totalsAndTheirLists()
    {
        Fixture f;
        f.expense(0, "0,1");
        f.expense(0, "0,2");
        f.expense(30, "5");
        f.expense(31, "1000");
        f.expense(3, "7,25");
        QVERIFY(f.open());
        QCOMPARE(f.form->LabelGunluk->text(), u"0,30 TL"_s);
        QCOMPARE(f.form->LabelAylik->text(), u"12,55 TL"_s);
        QCOMPARE(f.listed(), (QStringList{u"0,1"_s, u"0,2"_s, u"5"_s, u"1000"_s, u"7,25"_s}));
        QCOMPARE(f.form->tarih1->date(), today.addDays(-30));
        QCOMPARE(f.form->tarih2->date(), today);

        f.click(f.form->LabelGunluk);
        QCOMPARE(f.listed(), (QStringList{u"0,1"_s, u"0,2"_s}));
        f.click(f.form->LabelAylik);
        QCOMPARE(f.listed(), (QStringList{u"0,1"_s, u"0,2"_s, u"5"_s, u"7,25"_s}));
    }

    void emptyBook()
    {
        Fixture f;
        QVERIFY(f.open());
        QCOMPARE(f.form->LabelGunluk->text(), u"0,00 TL"_s);
        QCOMPARE(f.form->LabelAylik->text(), u"0,00 TL"_s);
        f.form->BtnZamanagore->click();
        QCOMPARE(f.form->LabelZamanAraligi->text(), u"0,00 TL"_s);
    }

    void period_data()
    {
        QTest::addColumn<int>("startDaysAgo");
        QTest::addColumn<int>("endDaysAgo");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("total");
        const QStringList all{u"4"_s, u"2"_s, u"1"_s, u"8"_s};
        QTest::newRow("one day") << 5 << 5 << "" << "" << QStringList{u"2"_s} << "2,00 TL";
        QTest::newRow("today to today") << 0 << 0 << "" << "" << QStringList{u"8"_s} << "8,00 TL";
        QTest::newRow("both ends included") << 6 << 4 << "" << "" << QStringList{u"2"_s, u"1"_s} << "3,00 TL";
        QTest::newRow("tomorrow as the end") << 5 << -1 << endInFuture << "tarih2" << all << "";
        QTest::newRow("both in the future: the start first") << -2 << -1 << startInFuture << "tarih1" << all << "";
        QTest::newRow("start after the end") << 4 << 6 << startAfterEnd << "tarih2" << all << "";
    }
    void period()
    {
        QFETCH(int, startDaysAgo);
        QFETCH(int, endDaysAgo);
        QFETCH(QString, focus);
        QFETCH(QString, total);
        Fixture f;
        f.expense(10, "4");
        f.expense(5, "2");
        f.expense(4, "1");
        f.expense(0, "8");
        QVERIFY(f.open());
        f.form->tarih1->setDate(today.addDays(-startDaysAgo));
        f.form->tarih2->setDate(today.addDays(-endDaysAgo));

        f.form->BtnZamanagore->click();

        QTEST(f.dialogs.shown.join(u'|'), "shown");
        QTEST(f.listed(), "listed");
        QCOMPARE(f.form->LabelZamanAraligi->isVisible(), !total.isEmpty());
        if (!focus.isEmpty())
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        if (total.isEmpty())
            return;
        QCOMPARE(f.form->LabelZamanAraligi->text(), total);
        // Its total lists the last 30 days, as the 30-day total does.
        f.click(f.form->LabelZamanAraligi);
        QCOMPARE(f.listed(), (QStringList{u"4"_s, u"2"_s, u"1"_s, u"8"_s}));
    }

    void ctrlDelDeletesAfterTheQuestion()
    {
        Fixture f;
        f.expense(1, "4");
        f.expense(0, "8");
        QVERIFY(f.open());
        f.form->masraflarGrid->setFocus();
        f.dialogs.answerQuestion(true);
        QTest::keyClick(f.form->masraflarGrid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.dialogs.shown, QStringList{DataGrid::deleteQuestion});
        QCOMPARE(f.listed(), QStringList{u"8"_s});
        QCOMPARE(f.shop.count(u"MasrafGiderler"_s), 1);
    }

    void wideScreenMovesEveryControlRight()
    {
        Screen::setWidth(1920);
        Fixture f;
        QVERIFY(f.open());
        QCOMPARE(f.form->masraflarGrid->pos(), QPoint(20 + 230, 56));
        QCOMPARE(f.form->ekleGrubu->pos(), QPoint(740 + 230, 56));
        QCOMPARE(f.form->tarih1->pos(), QPoint(820 + 230, 410));
        // Inside their group box, they move with it.
        QCOMPARE(f.form->EdtGiderAdi->pos(), QPoint(90, 30));
        QCOMPARE(f.form->kaydetButton->pos(), QPoint(90, 134));
    }
};

QTEST_MAIN(TestMasraflar)
#include "test_masraflar.moc"
