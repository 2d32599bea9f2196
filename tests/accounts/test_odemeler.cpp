// The account window: the selected customer's debt and the debt left, a payment with its
// question, record and refusals, all or nothing; the payments window beside it.
#include "AccountsFixture.h"
#include "AylikOdemeler.h"
#include "Mdiunit.h"
#include "YapilmisOdemeler.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

using namespace dukkano;
using namespace dukkano::test;

namespace {

const QString miktarGirin = u"Lütfen Ödenecek Miktarı Girin."_s;
const QString borcdanFazla = u"Ödenecek Miktar Müşterinin Borcundan Fazla. Lütfen Kontrol Edin."_s;

// "MusteriNo|amount|day" of every payment stored, in order.
QStringList payments(Accounts& a)
{
    return a.shop.firstColumn(
        u"SELECT MusteriNo || '|' || OdemeMiktari || '|' || OdemeTarihi FROM Odemeler ORDER BY OdemeNo"_s);
}

void addPayment(Accounts& a, qint64 customer, const QString& amount, const QDate& day)
{
    auto st = a.db().baglanti.prepare(
        u"INSERT INTO Odemeler (MusteriNo, OdemeMiktari, OdemeTarihi) VALUES (?, ?, ?)"_s);
    st.bind(1, customer);
    st.bind(2, Money::parse(amount)->units());
    st.bind(3, day.toString(Qt::ISODate));
    st.step();
}

// The payments window the account window opened, as the main window shows it.
TformYapilmisOdemeler* paymentsWindow(TMdiForm& main)
{
    for (QMdiSubWindow* frame : main.mdiArea()->subWindowList())
        if (auto* window = qobject_cast<TformYapilmisOdemeler*>(frame->widget()))
            return window;
    return nullptr;
}

} // namespace

class TestOdemeler : public QObject {
    Q_OBJECT

private slots:
    // 30 paid on a debt of 100 leaves 70 and one payment dated today; the entry starts again
    // on the same customer.
    void payment()
    {
        Accounts a;
        a.addCustomer(u"Ayşe"_s, u"Ali"_s, u"5"_s);
        const qint64 no = a.addCustomer(u"Berk"_s, u"Can"_s, u"100"_s);
        QPointer<TformAylikOdemeler> form = a.open<TformAylikOdemeler>();
        QCOMPARE(form->windowTitle(), u"Cari Liste ve Borç"_s);
        QVERIFY(form->lKalanBorc->isHidden());
        chooseRow(form->musteriGrid, 1);
        QCOMPARE(form->lBorc->text(), u"100,00 TL"_s);

        typeText(form->yapilanOdeme, u"30"_s);
        QVERIFY(form->lKalanBorc->isVisible());
        QCOMPARE(form->lKalanBorc->text(), u"70,00 TL"_s);
        a.dialogs.answerQuestion(true);
        form->satisiGerceklestir->click();

        QCOMPARE(a.dialogs.shown, QStringList{"Müşteri Adı : Berk (Can),    Ödenen Miktar : 30 TL"});
        QCOMPARE(a.dialogs.captions, QStringList{"Borç Ödeme"});
        QCOMPARE(a.debt(no), u"70"_s);
        QCOMPARE(payments(a), QStringList{u"%1|300000|2026-12-09"_s.arg(no)});
        QCOMPARE(form->yapilanOdeme->text(), QString());
        QVERIFY(form->lKalanBorc->isHidden());
        QCOMPARE(form->lBorc->text(), u"70,00 TL"_s);
        QCOMPARE(columnTexts(form->dsMusteriler, TformAylikOdemeler::ToplamBorc),
                 (QStringList{"5,00 TL", "70,00 TL"}));
        QCOMPARE(form->musteriAdi->text(), u"Berk"_s);
        QCOMPARE(QApplication::focusWidget(), form->musteriAdi);
        delete form.data();
    }

    // Namesakes are told apart by their keys: the one chosen pays, in the list its search left.
    void namesakes()
    {
        Accounts a;
        const qint64 first = a.addCustomer(u"Ali Veli"_s, u"Hasan"_s, u"40"_s);
        const qint64 second = a.addCustomer(u"Ali Veli"_s, u"Veli"_s, u"40"_s);
        a.addCustomer(u"Ayşe"_s, QString(), u"40"_s);
        QPointer<TformAylikOdemeler> form = a.open<TformAylikOdemeler>();
        form->musteriAdi->setFocus();
        form->musteriAdi->clear();
        typeText(form->musteriAdi, u"alİ"_s);
        QCOMPARE(form->dsMusteriler->rowCount(), 2);
        chooseRow(form->musteriGrid, 1);
        typeText(form->yapilanOdeme, u"15,5"_s);
        a.dialogs.answerQuestion(true);
        form->satisiGerceklestir->click();

        QCOMPARE(a.dialogs.shown, QStringList{"Müşteri Adı : Ali Veli (Veli),    Ödenen Miktar : 15,5 TL"});
        QCOMPARE(a.debt(first), u"40"_s);
        QCOMPARE(a.debt(second), u"24,5"_s);
        QCOMPARE(form->dsMusteriler->rowCount(), 2);
        QCOMPARE(form->dSetMusteriler.number(u"MusteriNo"_s), second);
        QCOMPARE(form->lBorc->text(), u"24,50 TL"_s);
        delete form.data();
    }

    // Paying the whole debt brings it to 0; the customer may then go, the payment stays.
    void payWholeDebtThenDelete()
    {
        Accounts a;
        const qint64 no = a.addCustomer(u"Berk"_s, QString(), u"12,3456"_s);
        QPointer<TformAylikOdemeler> form = a.open<TformAylikOdemeler>();
        typeText(form->yapilanOdeme, u"12,3456"_s);
        a.dialogs.answerQuestion(true);
        form->satisiGerceklestir->click();
        QCOMPARE(a.debt(no), u"0"_s);

        a.dialogs.answerQuestion(true);
        form->musteriSil->click();
        QCOMPARE(a.dialogs.last(), silmeSorusu);
        QVERIFY(!a.exists(no));
        QCOMPARE(payments(a).size(), 1);
        delete form.data();
    }

    // Each refusal names what is wrong, puts the focus on the amount and changes nothing.
    void refusedAmounts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("setAsText");  // past the field's rule
        QTest::addColumn<QString>("message");

        QTest::newRow("more than the debt") << "100,0001" << false << borcdanFazla;
        QTest::newRow("zero") << "0" << false << miktarGirin;
        QTest::newRow("zero once rounded") << "0,00001" << false << miktarGirin;
        QTest::newRow("empty") << "" << false << miktarGirin;
        QTest::newRow("dot, not thousands") << "2.5" << false
                                            << "\"2.5\" bir tutar değil. Lütfen ödenecek miktarı rakamla yazınız (örneğin 12,50).";
        QTest::newRow("set as text") << "otuz" << true
                                     << "\"otuz\" bir tutar değil. Lütfen ödenecek miktarı rakamla yazınız (örneğin 12,50).";
        QTest::newRow("set with a minus") << "-5" << true << miktarGirin;
    }

    void refusedAmounts()
    {
        QFETCH(QString, typed);
        QFETCH(bool, setAsText);
        QFETCH(QString, message);
        Accounts a;
        const qint64 no = a.addCustomer(u"Berk"_s, QString(), u"100"_s);
        QPointer<TformAylikOdemeler> form = a.open<TformAylikOdemeler>();
        if (setAsText)
            form->yapilanOdeme->setText(typed);
        else
            typeText(form->yapilanOdeme, typed);
        form->temizle->setFocus();

        form->satisiGerceklestir->click();

        QCOMPARE(a.dialogs.shown, QStringList{message});
        QCOMPARE(QApplication::focusWidget(), form->yapilanOdeme);
        QCOMPARE(form->yapilanOdeme->text(), typed);
        QCOMPARE(a.debt(no), u"100"_s);
        QCOMPARE(payments(a), QStringList());
        delete form.data();
    }

    // Cancelled, the question leaves the amount where it was and writes nothing.
    void cancelledQuestion()
    {
        Accounts a;
        const qint64 no = a.addCustomer(u"Berk"_s, QString(), u"100"_s);
        QPointer<TformAylikOdemeler> form = a.open<TformAylikOdemeler>();
        typeText(form->yapilanOdeme, u"30"_s);
        a.dialogs.answerQuestion(false);
        form->satisiGerceklestir->click();
        QCOMPARE(form->yapilanOdeme->text(), u"30"_s);
        QCOMPARE(a.debt(no), u"100"_s);
        QCOMPARE(payments(a), QStringList());
        delete form.data();
    }

    // With nobody listed the debt reads 0: any amount is more than it.
    void emptyListRefuses()
    {
        Accounts a;
        QPointer<TformAylikOdemeler> form = a.open<TformAylikOdemeler>();
        typeText(form->yapilanOdeme, u"5"_s);
        form->satisiGerceklestir->click();
        QCOMPARE(a.dialogs.shown, QStringList{borcdanFazla});
        delete form.data();
    }

    // A payment is the debt and its record together: when the record cannot be written, the
    // debt stays as it was and the user is told.
    void failedRecordLeavesDebt()
    {
        Accounts a;
        const qint64 no = a.addCustomer(u"Berk"_s, QString(), u"100"_s);
        a.db().baglanti.exec(
            u"CREATE TRIGGER odemeReddi BEFORE INSERT ON Odemeler BEGIN SELECT RAISE(ABORT, 'reddedildi'); END"_s);
        QPointer<TformAylikOdemeler> form = a.open<TformAylikOdemeler>();
        typeText(form->yapilanOdeme, u"30"_s);
        a.dialogs.answerQuestion(true);
        form->satisiGerceklestir->click();

        QCOMPARE(a.dialogs.shown.size(), 2);
        QVERIFY(a.dialogs.last().startsWith(u"Ödeme kaydedilemedi; müşterinin borcu ve ödemeleri değişmedi."_s));
        QCOMPARE(a.debt(no), u"100"_s);
        QCOMPARE(payments(a), QStringList());
        QCOMPARE(form->lBorc->text(), u"100,00 TL"_s);
        QCOMPARE(form->yapilanOdeme->text(), u"30"_s);
        delete form.data();
    }

    // Typed amounts: digits and one comma that does not lead; no minus sign.
    void amountKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("leading comma") << ",5" << "5";
        QTest::newRow("second comma") << "1,2,3" << "1,23";
        QTest::newRow("minus and letters") << "-7a" << "7";
    }

    void amountKeys()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Accounts a;
        a.addCustomer(u"Berk"_s, QString(), u"100"_s);
        QPointer<TformAylikOdemeler> form = a.open<TformAylikOdemeler>();
        typeText(form->yapilanOdeme, typed);
        QCOMPARE(form->yapilanOdeme->text(), shown);
        delete form.data();
    }

    // The payments window lists the chosen customer's payments in the order they were made;
    // nobody's with an empty list.
    void paymentsListed_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("two payments") << "" << 0 << "Ali Veli" << QStringList{"01.12.2026|10,00 TL", "05.12.2026|2,50 TL"};
        QTest::newRow("the namesake's own") << "" << 1 << "Ali Veli" << QStringList{"03.12.2026|7,00 TL"};
        QTest::newRow("none") << "" << 2 << "Berk" << QStringList{};
        QTest::newRow("nobody listed") << "zz" << 0 << "" << QStringList{};
    }

    void paymentsListed()
    {
        QFETCH(QString, search);
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(QStringList, listed);
        Accounts a;
        const qint64 first = a.addCustomer(u"Ali Veli"_s, u"Hasan"_s, u"40"_s);
        a.addCustomer(u"Ali Veli"_s, u"Veli"_s, u"40"_s);
        a.addCustomer(u"Berk"_s);
        addPayment(a, first, u"10"_s, QDate(2026, 12, 1));
        addPayment(a, first + 1, u"7"_s, QDate(2026, 12, 3));
        addPayment(a, first, u"2,5"_s, QDate(2026, 12, 5));
        QPointer<TformAylikOdemeler> form = a.open<TformAylikOdemeler>();
        if (!search.isEmpty()) {
            form->musteriAdi->setFocus();
            form->musteriAdi->clear();
            typeText(form->musteriAdi, search);
        } else {
            chooseRow(form->musteriGrid, row);
        }
        form->odemeler->click();
        QVERIFY(form->yapilmisOdemeler);
        QCOMPARE(form->yapilmisOdemeler->windowTitle(), u"Yapılmış Ödemeler"_s);
        QCOMPARE(form->yapilmisOdemeler->cariAdi->text(), name);
        QStringList shown;
        const DatasetModel* model = form->yapilmisOdemeler->dsOdemeler;
        for (int r = 0; r < model->rowCount(); ++r)
            shown << model->index(r, 0).data().toString() + QLatin1Char('|') + model->index(r, 1).data().toString();
        QCOMPARE(shown, listed);
        delete form.data();
    }

    // In the main window: the payments window opens maximized beside the account window and
    // leaves the one-work-window rule alone; a payment shows in it at once; asked again it comes
    // forward as it is; it closes with the account window.
    void paymentsWindowInTheMainWindow()
    {
        Accounts a;
        const qint64 ali = a.addCustomer(u"Ali"_s, QString(), u"40"_s);
        a.addCustomer(u"Berk"_s, QString(), u"40"_s);
        addPayment(a, ali, u"10"_s, QDate(2026, 12, 1));
        TMdiForm main(a.db());
        main.show();
        main.MenuAylikOdemeler->trigger();
        QMdiArea* area = main.mdiArea();
        QCOMPARE(area->subWindowList().size(), 1);
        auto* account = qobject_cast<TformAylikOdemeler*>(area->subWindowList().first()->widget());
        QVERIFY(account);

        account->odemeler->click();
        TformYapilmisOdemeler* odemeler = paymentsWindow(main);
        QVERIFY(odemeler);
        QCOMPARE(area->activeSubWindow()->widget(), odemeler);
        QVERIFY(area->activeSubWindow()->isMaximized());
        QCOMPARE(odemeler->dsOdemeler->rowCount(), 1);

        typeText(account->yapilanOdeme, u"5"_s);
        a.dialogs.answerQuestion(true);
        account->satisiGerceklestir->click();
        QCOMPARE(odemeler->dsOdemeler->rowCount(), 2);

        area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(account->parentWidget()));
        chooseRow(account->musteriGrid, 1);
        account->odemeler->click();
        QCOMPARE(paymentsWindow(main), odemeler);
        QCOMPARE(area->activeSubWindow()->widget(), odemeler);
        QCOMPARE(odemeler->cariAdi->text(), u"Ali"_s);
        QCOMPARE(odemeler->dsOdemeler->rowCount(), 2);
        QVERIFY(acikFormVar);

        account->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(area->subWindowList().size(), 0);
        QVERIFY(!acikFormVar);
        QVERIFY(!main.MenuAylikOdemeler->isChecked());
    }

    // "Kapat" or Esc in the payments window goes back to the account window, which stays open.
    void paymentsWindowCloses_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Kapat") << false;
        QTest::newRow("Esc") << true;
    }

    void paymentsWindowCloses()
    {
        QFETCH(bool, escape);
        Accounts a;
        a.addCustomer(u"Ali"_s, QString(), u"40"_s);
        TMdiForm main(a.db());
        main.show();
        main.MenuAylikOdemeler->trigger();
        auto* account = qobject_cast<TformAylikOdemeler*>(main.mdiArea()->subWindowList().first()->widget());
        main.activateWindow();
        QApplication::setActiveWindow(&main);
        QVERIFY(QTest::qWaitForWindowActive(&main));
        account->odemeler->click();
        if (escape)
            QTest::keyClick(paymentsWindow(main)->odemeGrid, Qt::Key_Escape);
        else
            paymentsWindow(main)->kapat->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
        QVERIFY(main.mdiArea()->subWindowList().first()->isMaximized());
        QVERIFY(!account->yapilmisOdemeler);
        QVERIFY(acikFormVar);
        account->close();
    }
};

QTEST_MAIN(TestOdemeler)
#include "test_odemeler.moc"
