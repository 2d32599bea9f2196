// The user-interface seams: entry key filters, the error box of the application, the
// wide-screen shift.
#include "DataError.h"
#include "Guarded.h"
#include "KeyFilters.h"
#include "KeyedChoices.h"
#include "Screen.h"
#include "TestSupport.h"
#include "WideScreen.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using dukkano::test::play;

namespace {

// Given out of order; namesakes "Su" with keys 5 and 3, in that order.
QVector<KeyedChoice> someChoices()
{
    return {{5, u"Su"_s, {}}, {2, u"Çay"_s, u"Rize"_s}, {9, u"Kola (Kutu)"_s, {}}, {3, u"Su"_s, {}},
            {4, u"Cips"_s, {}}, {7, u"Çay"_s, u"Ankara"_s}};
}

void installFilter(QLineEdit* edit, const QString& kind)
{
    if (kind == QLatin1String("number"))
        installNumberEntryFilter(edit);
    else
        installDigitsOnlyFilter(edit);
}

} // namespace

class TestUi : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Screen::setWidth(0); }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");

        QTest::newRow("number: digits") << "number" << "0123456789" << "0123456789";
        QTest::newRow("number: one comma") << "number" << "12,50" << "12,50";
        QTest::newRow("number: second comma dropped") << "number" << "1,2,3" << "1,23";
        QTest::newRow("number: leading comma dropped") << "number" << ",5" << "5";
        QTest::newRow("number: comma before the digits dropped") << "number" << "12⇤," << "12";
        QTest::newRow("number: minus dropped") << "number" << "-12" << "12";
        // A dot is kept for the reading to judge: dropped, "2.5" would become 25.
        QTest::newRow("number: dot kept; blank, letters dropped") << "number" << "1.a b2" << "1.2";
        QTest::newRow("number: Turkish letters dropped") << "number" << "ş1çİğ" << "1";
        QTest::newRow("number: other digits dropped") << "number" << "٣2" << "2";
        QTest::newRow("number: backspace") << "number" << "123⌫" << "12";
        QTest::newRow("number: comma again after backspace") << "number" << "1,⌫,5" << "1,5";
        QTest::newRow("number: arrows move") << "number" << "13←2" << "123";
        QTest::newRow("number: Home and Delete") << "number" << "912⇤⌦" << "12";
        QTest::newRow("number: Ctrl+A then a digit") << "number" << "12,5Ⓐ7" << "7";
        QTest::newRow("number: Ctrl+A then a comma dropped") << "number" << "12,5Ⓐ," << "12,5";
        QTest::newRow("digits: digits") << "digits" << "0123456789" << "0123456789";
        QTest::newRow("digits: comma and minus dropped") << "digits" << "-1,2" << "12";
        QTest::newRow("digits: letters dropped") << "digits" << "a1ğ Ş2" << "12";
        QTest::newRow("digits: backspace and arrows") << "digits" << "12⌫3←4" << "143";
    }

    void keyFilter()
    {
        QFETCH(QString, filter);
        QFETCH(QString, keys);
        QLineEdit edit;
        installFilter(&edit, filter);
        play(&edit, keys);
        QTEST(edit.text(), "text");
    }

    // Typed text goes in key by key; pasted or dropped text goes in whole or not at all, by the
    // same rule. The field holds `start`, with the cursor at its end or all of it selected.
    void textEntersByTheFieldsRule_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");

        QTest::newRow("digits: a barcode pasted") << "digits" << "" << "paste" << "8690001" << "8690001";
        QTest::newRow("digits: letters typed") << "digits" << "" << "type" << "ABC-1" << "1";
        QTest::newRow("digits: letters pasted") << "digits" << "" << "paste" << "ABC-1" << "";
        QTest::newRow("digits: letters pasted by the slot") << "digits" << "" << "paste()" << "ABC-1" << "";
        QTest::newRow("digits: letters dropped") << "digits" << "" << "drop" << "ABC-1" << "";
        QTest::newRow("digits: digits dropped") << "digits" << "12" << "drop" << "34" << "1234";
        QTest::newRow("digits: a rate with a comma pasted") << "digits" << "" << "paste" << "18,5" << "";
        QTest::newRow("digits: a blank with a paste") << "digits" << "" << "paste" << " 123" << "";
        QTest::newRow("digits: pasted over all") << "digits" << "99" << "paste over all" << "12" << "12";
        QTest::newRow("digits: refused over all keeps all") << "digits" << "99" << "paste over all" << "1a" << "99";
        QTest::newRow("number: an amount pasted") << "number" << "" << "paste" << "1.234,50" << "1.234,50";
        QTest::newRow("number: dot pasted, as typed") << "number" << "" << "paste" << "2.5" << "2.5";
        QTest::newRow("number: dot typed, as pasted") << "number" << "" << "type" << "2.5" << "2.5";
        QTest::newRow("number: letters typed") << "number" << "" << "type" << "12 adet" << "12";
        QTest::newRow("number: letters pasted") << "number" << "" << "paste" << "12 adet" << "";
        QTest::newRow("number: letters dropped") << "number" << "3" << "drop" << "x" << "3";
        QTest::newRow("number: minus pasted") << "number" << "" << "paste" << "-5" << "";
        QTest::newRow("number: two commas pasted") << "number" << "" << "paste" << "1,2,3" << "";
        QTest::newRow("number: a second comma pasted") << "number" << "3,4" << "paste" << "1,2" << "3,4";
        QTest::newRow("number: a leading comma pasted") << "number" << "" << "paste" << ",5" << "";
        QTest::newRow("number: digits after a comma") << "number" << "3," << "paste" << "25" << "3,25";
        QTest::newRow("number: pasted over all") << "number" << "7" << "paste over all" << "12,5" << "12,5";
    }

    void textEntersByTheFieldsRule()
    {
        QFETCH(QString, filter);
        QFETCH(QString, start);
        QFETCH(QString, how);
        QFETCH(QString, text);
        QLineEdit edit;
        installFilter(&edit, filter);
        edit.setText(start);
        edit.show();
        if (how == QLatin1String("type")) {
            test::typeText(&edit, text);
        } else if (how == QLatin1String("drop")) {
            QMimeData data;
            data.setText(text);
            const QPoint end(edit.width() - 2, edit.height() / 2);
            const auto actions = Qt::CopyAction | Qt::MoveAction;
            QDragEnterEvent enter(end, actions, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&edit, &enter);
            QDropEvent drop(end, actions, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&edit, &drop);
            const bool taken = edit.text() != start;
            QCOMPARE(enter.isAccepted(), taken);
            QCOMPARE(drop.isAccepted(), taken);  // a declined move leaves its source whole
        } else {
            QGuiApplication::clipboard()->setText(text);
            if (how == QLatin1String("paste over all"))
                edit.selectAll();
            if (how == QLatin1String("paste()"))
                edit.paste();
            else
                QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        }
        QTEST(edit.text(), "result");
    }

    void keyedChoicesInTurkishOrder()
    {
        QComboBox list;
        list.setEditable(true);
        fillKeyedChoices(&list, someChoices());
        QStringList texts;
        QVariantList keys;
        for (int i = 0; i < list.count(); ++i) {
            texts << list.itemText(i);
            keys << list.itemData(i, ChoiceKeyRole);
        }
        QCOMPARE(texts, QStringList({"", "Cips ()", "Çay (Ankara)", "Çay (Rize)", "Kola (Kutu) ()", "Su ()", "Su ()"}));
        QCOMPARE(keys, QVariantList({QVariant(), 4, 7, 2, 9, 5, 3}));
        QCOMPARE(list.currentIndex(), -1);
        QCOMPARE(list.currentText(), QString());
    }

    // The key a list's text stands for; 0 for none. An entry is chosen first (row, -1 for
    // none), then a text typed over it when one is given.
    void keyedChoiceStandsFor_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("key");

        QTest::newRow("empty text") << -1 << "" << qint64(0);
        QTest::newRow("an entry's text") << -1 << "Çay (Rize)" << qint64(2);
        QTest::newRow("brackets in the name") << -1 << "Kola (Kutu) ()" << qint64(9);
        QTest::newRow("namesakes typed: the first listed") << -1 << "Su ()" << qint64(5);
        QTest::newRow("namesakes: the one chosen") << 6 << QString() << qint64(3);
        QTest::newRow("chosen, then another entry typed") << 6 << "Çay (Ankara)" << qint64(7);
        QTest::newRow("chosen, then its text typed again") << 6 << "Su ()" << qint64(3);
        QTest::newRow("the empty entry chosen") << 0 << QString() << qint64(0);
        QTest::newRow("a part of a text") << -1 << "Su" << qint64(0);
        QTest::newRow("another letter case") << -1 << "su ()" << qint64(0);
        QTest::newRow("a name alone") << -1 << "Kola (Kutu)" << qint64(0);
    }

    void keyedChoiceStandsFor()
    {
        QFETCH(int, row);
        QFETCH(QString, text);
        QComboBox list;
        list.setEditable(true);
        fillKeyedChoices(&list, someChoices());
        if (row >= 0)
            list.setCurrentIndex(row);
        if (!text.isNull())
            list.setEditText(text);
        QTEST(chosenKey(&list).value_or(0), "key");
    }

    // Enter goes through, also on a text the program put there that the rule would refuse.
    void keyFilterLetsEnterThrough_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("text");
        QTest::newRow("number") << "number" << "";
        QTest::newRow("digits") << "digits" << "";
        QTest::newRow("number holding a stored negative") << "number" << "-3";
        QTest::newRow("digits holding letters") << "digits" << "12a";
    }

    void keyFilterLetsEnterThrough()
    {
        QFETCH(QString, filter);
        QFETCH(QString, text);
        QLineEdit edit;
        installFilter(&edit, filter);
        edit.setText(text);
        QSignalSpy entered(&edit, &QLineEdit::returnPressed);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(entered.count(), 1);
    }

    // A handler that throws ends with one message box, and the program goes on; the error
    // stops at the handler, whether the click came through an event or a direct call.
    void errorFromHandlerShowsOneMessage_data()
    {
        QTest::addColumn<bool>("dataError");
        QTest::addColumn<QString>("message");
        QTest::newRow("data error shows its own text")
            << true << u"Ürün Adı en fazla 50 karakter olabilir."_s;
        QTest::newRow("other error shows a generic text with the reason")
            << false << u"Beklenmeyen bir hata oluştu:\ndisk dolu"_s;
    }

    void errorFromHandlerShowsOneMessage()
    {
        QFETCH(bool, dataError);
        QVERIFY(qobject_cast<Application*>(qApp));
        test::ScriptedDialogs dialogs;
        QPushButton button(u"Kaydet"_s);
        int clicks = 0;
        QObject::connect(&button, &QPushButton::clicked, guarded([&] {
            ++clicks;
            if (dataError)
                throw DataError(u"Ürün Adı en fazla 50 karakter olabilir."_s);
            throw std::runtime_error("disk dolu");
        }));
        button.show();

        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(dialogs.shown.size(), 1);
        QTEST(dialogs.last(), "message");
        QCOMPARE(dialogs.captions, QStringList{u"Dukkano"_s});

        button.click();
        QCOMPARE(clicks, 2);
        QCOMPARE(dialogs.shown.size(), 2);
    }

    void wideScreenShift_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<bool>("alsoDown");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("down");

        QTest::newRow("1152 stays") << 1152 << true << 0 << 0;
        QTest::newRow("1024 stays") << 1024 << true << 0 << 0;
        QTest::newRow("1153 moves") << 1153 << true << 138 << 20;
        QTest::newRow("1280") << 1280 << true << 154 << 22;
        QTest::newRow("1920") << 1920 << true << 230 << 33;
        QTest::newRow("1920 right only") << 1920 << false << 230 << 0;
        QTest::newRow("1500: 25,5 rounds to even") << 1500 << true << 180 << 26;
        QTest::newRow("2500: 42,5 rounds to even") << 2500 << true << 300 << 42;
    }

    void wideScreenShift()
    {
        QFETCH(int, screenWidth);
        QFETCH(bool, alsoDown);
        QFETCH(int, right);
        QFETCH(int, down);
        Screen::setWidth(screenWidth);
        QWidget window;
        QWidget first(&window);
        QWidget second(&window);
        first.move(10, 20);
        second.move(300, 5);

        shiftForWideScreen({&first, nullptr, &second}, alsoDown);

        QCOMPARE(first.pos(), QPoint(10 + right, 20 + down));
        QCOMPARE(second.pos(), QPoint(300 + right, 5 + down));
    }
};

// The application must be ours so that its error box is under test.
DUKKANO_TEST_MAIN(TestUi)

#include "test_ui.moc"
