// The customer entry and list windows, and the one delete rule behind every way of deleting a
// customer: the list's button, Enter and Ctrl+Del, the account window's button and Ctrl+Del,
// and Ctrl+Del in the debts grid.
#include "AccountsFixture.h"
#include "AylikOdemeler.h"
#include "MusteriBilgileriD.h"
#include "MusteriBorclari.h"
#include "MusteriKayit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace dukkano;
using namespace dukkano::test;

namespace {

enum class DeletePath { ListButton, ListEnter, ListCtrlDel, AccountButton, AccountCtrlDel, DebtsCtrlDel };

} // namespace

Q_DECLARE_METATYPE(DeletePath)

class TestMusteriler : public QObject {
    Q_OBJECT

private slots:
    // Name, then address, then phone: the first one missing is reported and gets the focus.
    void entryChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");

        QTest::newRow("nothing") << "" << "" << "" << "Lütfen Müşteri Adını Giriniz." << "adiSoyadi";
        QTest::newRow("no name") << "" << "Kadıköy" << "555" << "Lütfen Müşteri Adını Giriniz." << "adiSoyadi";
        QTest::newRow("no address") << "Ali" << "" << "" << "Lütfen Fatura Adresini Giriniz." << "faturaAdresi";
        QTest::newRow("no phone") << "Ali" << "Kadıköy" << "" << "Lütfen Telefon No yu Giriniz." << "telefonNo";
    }

    void entryChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(QString, phone);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Accounts a;
        QPointer<TformMusteriKayit> form = a.open<TformMusteriKayit>();
        typeText(form->adiSoyadi, name);
        typeText(form->faturaAdresi, address);
        typeText(form->telefonNo, phone);

        form->kaydet->click();

        QCOMPARE(a.dialogs.shown, QStringList{message});
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(a.shop.count(u"Musteriler"_s), 0);
        delete form.data();
    }

    // Blanks are content; the hidden fields are stored empty and the debt is left unset;
    // the same name twice is two customers.
    void entrySaves()
    {
        Accounts a;
        QPointer<TformMusteriKayit> form = a.open<TformMusteriKayit>();
        QVERIFY(acikFormVar);
        QCOMPARE(form->windowTitle(), u"Müşteri Kayit"_s);
        QCOMPARE(form->baslik->text(), u"Yeni Müşteri Ekle"_s);
        QVERIFY(form->babaAdi->isHidden() && form->sirketAdi->isHidden() && form->faxNo->isHidden());
        for (int i = 0; i < 2; ++i) {
            form->adiSoyadi->setFocus();
            typeText(form->adiSoyadi, u"Şükrü Öz"_s);
            QTest::keyClick(form->adiSoyadi, Qt::Key_Return);  // Enter goes on to the address
            typeText(QApplication::focusWidget(), u" "_s);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            typeText(QApplication::focusWidget(), u"0212 555 11 22"_s);
            form->kaydet->click();
            QCOMPARE(a.dialogs.last(), u"Yeni Müşteri Kaydedildi."_s);
            QCOMPARE(form->adiSoyadi->text(), QString());
            QCOMPARE(form->telefonNo->text(), QString());
            QCOMPARE(QApplication::focusWidget(), form->adiSoyadi);
        }
        QCOMPARE(a.shop.firstColumn(
                     u"SELECT MusteriNo || '|' || AdiSoyadi || '|' || BabaAdi || '|' || SirketAdi || '|' || "
                     "FaturaAdresi || '|' || TelefonNumarasi || '|' || FaksNumarasi || '|' || "
                     "coalesce(ToplamBorc, 'unset') FROM Musteriler ORDER BY MusteriNo"_s),
                 (QStringList{"1|Şükrü Öz||| |0212 555 11 22||unset", "2|Şükrü Öz||| |0212 555 11 22||unset"}));
        form->close();
        QVERIFY(!acikFormVar);
    }

    // A name longer than its column is refused with a message; nothing is stored.
    void entryRefusesTooLongName()
    {
        Accounts a;
        QPointer<TformMusteriKayit> form = a.open<TformMusteriKayit>();
        form->adiSoyadi->setText(QString(51, QLatin1Char('a')));
        form->faturaAdresi->setText(u"x"_s);
        form->telefonNo->setText(u"1"_s);
        form->kaydet->click();
        QVERIFY(a.dialogs.last().contains(u"en fazla 50 karakter"_s));
        QCOMPARE(a.shop.count(u"Musteriler"_s), 0);
        QCOMPARE(form->adiSoyadi->text().size(), 51);
        delete form.data();
    }

    // The start of a name in Turkish case; "%" and "_" stay wildcards; the list stays sorted.
    void listSearch_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("listed");

        QTest::newRow("ç finds Ç") << "ç" << QStringList{"Çağla Ak", "çiğdem Er"};
        QTest::newRow("I is dotless") << "I" << QStringList{"ılgaz Su"};
        QTest::newRow("i finds İ") << "i" << QStringList{"İpek Ay", "ismail Tan"};
        QTest::newRow("% inside") << "%a%" << QStringList{"Ahmet Kaya", "Çağla Ak", "ılgaz Su", "İpek Ay", "ismail Tan"};
        QTest::newRow("_ one letter") << "_p" << QStringList{"İpek Ay"};
        QTest::newRow("quote") << "O'" << QStringList{"O'Neil Jo"};
        QTest::newRow("nobody") << "zz" << QStringList{};
    }

    void listSearch()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, listed);
        Accounts a;
        for (const char* name : {"ismail Tan", "Çağla Ak", "O'Neil Jo", "İpek Ay", "çiğdem Er", "ılgaz Su", "Ahmet Kaya"})
            a.addCustomer(QString::fromUtf8(name));
        QPointer<TformMusteriBilgileriD> form = a.open<TformMusteriBilgileriD>();
        QCOMPARE(columnTexts(form->dsMusteriler, TformMusteriBilgileriD::AdiSoyadi),
                 (QStringList{"Ahmet Kaya", "Çağla Ak", "çiğdem Er", "ılgaz Su", "İpek Ay", "ismail Tan", "O'Neil Jo"}));

        form->musteriAdi->setFocus();
        form->musteriAdi->clear();
        typeText(form->musteriAdi, typed);
        QCOMPARE(columnTexts(form->dsMusteriler, TformMusteriBilgileriD::AdiSoyadi), listed);

        // "Yenile" lists everyone again from an empty search field.
        form->temizle->click();
        QCOMPARE(form->musteriAdi->text(), QString());
        QCOMPARE(form->dsMusteriler->rowCount(), 7);
        delete form.data();
    }

    // Moving in the grid copies the name into the search field without searching.
    void listScrollCopiesName()
    {
        Accounts a;
        a.addCustomer(u"Ayşe"_s);
        a.addCustomer(u"Berk"_s);
        QPointer<TformMusteriBilgileriD> form = a.open<TformMusteriBilgileriD>();
        QCOMPARE(form->windowTitle(), u"Cari Listesi"_s);
        QCOMPARE(form->sil->text(), QString());
        QCOMPARE(form->sil->toolTip(), u"Sil"_s);
        form->musteriGrid->setFocus();
        chooseRow(form->musteriGrid, 1);
        QCOMPARE(form->musteriAdi->text(), u"Berk"_s);
        QCOMPARE(form->dsMusteriler->rowCount(), 2);
        delete form.data();
    }

    // A cell still being typed is stored on close; the shared customers see it.
    void listStoresPendingEditOnClose()
    {
        Accounts a;
        const qint64 no = a.addCustomer(u"Ayşe"_s);
        QPointer<TformMusteriBilgileriD> form = a.open<TformMusteriBilgileriD>();
        QVERIFY(typeIntoCell(form->musteriGrid, 0, TformMusteriBilgileriD::FaturaAdresi, u"Üsküdar"_s));
        form->close();
        QCOMPARE(a.shop.scalar(u"SELECT FaturaAdresi FROM Musteriler WHERE MusteriNo = ?"_s, {no}).toString(),
                 u"Üsküdar"_s);
        QCOMPARE(a.db().tableMusteriler.text(u"FaturaAdresi"_s), u"Üsküdar"_s);
        QVERIFY(!a.db().tableMusteriler.filtered());
    }

    // Every way of deleting: a debt of 0, unset or below 0 may go after the question; any
    // debt above 0 is refused without one. The namesake who owes is never touched.
    void deleteRule_data()
    {
        QTest::addColumn<DeletePath>("path");
        QTest::addColumn<QString>("debt");  // "unset": never set
        QTest::addColumn<bool>("allowed");

        const QList<std::pair<const char*, DeletePath>> paths = {
            {"list Sil", DeletePath::ListButton},         {"list Enter", DeletePath::ListEnter},
            {"list Ctrl+Del", DeletePath::ListCtrlDel},   {"account button", DeletePath::AccountButton},
            {"account Ctrl+Del", DeletePath::AccountCtrlDel}, {"debts Ctrl+Del", DeletePath::DebtsCtrlDel}};
        for (const auto& [name, path] : paths) {
            QTest::addRow("%s, 0", name) << path << "0" << true;
            QTest::addRow("%s, unset", name) << path << "unset" << true;
            QTest::addRow("%s, -5", name) << path << "-5" << true;
            QTest::addRow("%s, 0,0001", name) << path << "0,0001" << false;
        }
    }

    void deleteRule()
    {
        QFETCH(DeletePath, path);
        QFETCH(QString, debt);
        QFETCH(bool, allowed);
        Accounts a;
        const qint64 namesake = a.addCustomer(u"Ali Veli"_s, u"Hasan"_s, u"50"_s);
        const qint64 no = a.addCustomer(u"Ali Veli"_s, u"Veli"_s,
                                        debt == QLatin1String("unset") ? std::nullopt : std::optional<QString>(debt));
        if (allowed)
            a.dialogs.answerQuestion(true);

        QPointer<WorkWindow> window;
        switch (path) {
        case DeletePath::ListButton:
        case DeletePath::ListEnter:
        case DeletePath::ListCtrlDel: {
            auto* form = a.open<TformMusteriBilgileriD>();
            window = form;
            QVERIFY(form->dSetMusteriler.locate(u"MusteriNo"_s, no));
            if (path == DeletePath::ListButton) {
                form->sil->click();
            } else if (path == DeletePath::ListEnter) {
                form->musteriAdi->setFocus();
                QTest::keyClick(form->musteriAdi, Qt::Key_Return);
            } else {
                form->musteriGrid->setFocus();
                QTest::keyClick(form->musteriGrid, Qt::Key_Delete, Qt::ControlModifier);
            }
            QCOMPARE(QApplication::focusWidget(), form->musteriAdi);
            break;
        }
        case DeletePath::AccountButton:
        case DeletePath::AccountCtrlDel: {
            auto* form = a.open<TformAylikOdemeler>();
            window = form;
            QVERIFY(form->dSetMusteriler.locate(u"MusteriNo"_s, no));
            if (path == DeletePath::AccountButton) {
                form->musteriSil->click();
            } else {
                form->musteriGrid->setFocus();
                QTest::keyClick(form->musteriGrid, Qt::Key_Delete, Qt::ControlModifier);
            }
            break;
        }
        case DeletePath::DebtsCtrlDel: {
            auto* form = a.open<TformMusteriBorclari>();
            window = form;
            QVERIFY(a.db().tableMusteriler.locate(u"MusteriNo"_s, no));
            form->borcGrid->setFocus();
            QTest::keyClick(form->borcGrid, Qt::Key_Delete, Qt::ControlModifier);
            break;
        }
        }

        QCOMPARE(a.dialogs.shown, allowed ? QStringList{silmeSorusu} : QStringList{borcluSilinmez});
        if (allowed)
            QCOMPARE(a.dialogs.captions, QStringList{"Cari Listesi"});
        QCOMPARE(a.exists(no), !allowed);
        QVERIFY(a.exists(namesake));
        delete window.data();
    }

    // Answered No, the question deletes nothing.
    void deleteAnsweredNo()
    {
        Accounts a;
        const qint64 no = a.addCustomer(u"Ayşe"_s);
        QPointer<TformMusteriBilgileriD> form = a.open<TformMusteriBilgileriD>();
        a.dialogs.answerQuestion(false);
        form->sil->click();
        QCOMPARE(a.dialogs.shown, QStringList{silmeSorusu});
        QVERIFY(a.exists(no));
        delete form.data();
    }
};

QTEST_MAIN(TestMusteriler)
#include "test_musteriler.moc"
