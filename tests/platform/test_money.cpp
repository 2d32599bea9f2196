// The money type: Turkish input, exact arithmetic, rounding and display.
#include "Money.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

using dukkano::Money;

class TestMoney : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("units");
        QTest::newRow("whole") << "12" << true << qint64(120000);
        QTest::newRow("comma decimal") << "2,5" << true << qint64(25000);
        QTest::newRow("four decimals") << "0,0001" << true << qint64(1);
        QTest::newRow("thousands") << "1.123,00" << true << qint64(11230000);
        QTest::newRow("thousands no decimals") << "1.234" << true << qint64(12340000);
        QTest::newRow("negative") << "-3,25" << true << qint64(-32500);
        QTest::newRow("trailing comma") << "5," << true << qint64(50000);
        QTest::newRow("blanks around") << " 7,5 " << true << qint64(75000);
        QTest::newRow("fifth decimal rounds up") << "0,00016" << true << qint64(2);
        QTest::newRow("half to even down") << "0,00025" << true << qint64(2);
        QTest::newRow("half to even up") << "0,00035" << true << qint64(4);
        QTest::newRow("just over half") << "0,000251" << true << qint64(3);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("letters") << "12a" << false << qint64(0);
        QTest::newRow("two commas") << "1,2,3" << false << qint64(0);
        QTest::newRow("dot as decimal") << "2.5" << false << qint64(0);
        QTest::newRow("bad grouping") << "12.34,5" << false << qint64(0);
        QTest::newRow("dot as decimal, one digit each") << "1.5" << false << qint64(0);
        QTest::newRow("dot as decimal after a zero") << "0.500" << false << qint64(0);
        QTest::newRow("zero-led group") << "01.234" << false << qint64(0);
        QTest::newRow("leading dot") << ".5" << false << qint64(0);
        QTest::newRow("trailing dot") << "1." << false << qint64(0);
        QTest::newRow("two dots in a row") << "1..234" << false << qint64(0);
        QTest::newRow("dot in the decimals") << "1,2.3" << false << qint64(0);
        QTest::newRow("millions with decimals") << "2.500.000,5" << true << qint64(25000005000);
        QTest::newRow("negative thousands") << "-1.234" << true << qint64(-12340000);
        QTest::newRow("only comma") << "," << false << qint64(0);
        QTest::newRow("only minus") << "-" << false << qint64(0);
        QTest::newRow("overflow") << "99999999999999999999" << false << qint64(0);
        QTest::newRow("arabic digits") << QString::fromUtf8("١٢") << false << qint64(0);
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint64, units);
        const auto m = Money::parse(text);
        QCOMPARE(m.has_value(), valid);
        if (valid)
            QCOMPARE(m->units(), units);
    }

    // The one whole-quantity reading: what each refusal is, whatever window words it.
    void quantity_data()
    {
        using dukkano::QuantityRefusal;
        QTest::addColumn<QString>("text");
        QTest::addColumn<QuantityRefusal>("refusal");
        QTest::addColumn<qint64>("value");
        QTest::newRow("whole") << "12" << QuantityRefusal::None << qint64(12);
        QTest::newRow("plus sign") << "+2" << QuantityRefusal::None << qint64(2);
        QTest::newRow("minus sign") << " -3 " << QuantityRefusal::None << qint64(-3);
        QTest::newRow("thousands") << "1.000" << QuantityRefusal::None << qint64(1000);
        QTest::newRow("zero decimals") << "5,00" << QuantityRefusal::None << qint64(5);
        QTest::newRow("fraction") << "2,5" << QuantityRefusal::Fraction << qint64(0);
        QTest::newRow("fraction beyond the units") << "2,00001" << QuantityRefusal::Fraction << qint64(0);
        QTest::newRow("empty") << "" << QuantityRefusal::NotANumber << qint64(0);
        QTest::newRow("two signs") << "+-3" << QuantityRefusal::NotANumber << qint64(0);
        QTest::newRow("words") << u"beş"_s << QuantityRefusal::NotANumber << qint64(0);
        QTest::newRow("overflow") << "99999999999999999999" << QuantityRefusal::NotANumber << qint64(0);
    }
    void quantity()
    {
        QFETCH(QString, text);
        QFETCH(dukkano::QuantityRefusal, refusal);
        QFETCH(qint64, value);
        const dukkano::Quantity q = dukkano::parseQuantity(text);
        QCOMPARE(q.refusal, refusal);
        QCOMPARE(q.value, value);
    }

    void display_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("edit");
        QTest::newRow("zero") << qint64(0) << "0,00" << "0,00 TL" << "0";
        QTest::newRow("twelve and a half") << qint64(125000) << "12,50" << "12,50 TL" << "12,5";
        QTest::newRow("thousands") << qint64(12345000) << "1.234,50" << "1.234,50 TL" << "1234,5";
        QTest::newRow("million") << qint64(12345678900) << "1.234.567,89" << "1.234.567,89 TL" << "1234567,89";
        QTest::newRow("half cent rounds away") << qint64(21250) << "2,13" << "2,13 TL" << "2,125";
        QTest::newRow("negative") << qint64(-50000) << "-5,00" << "-5,00 TL" << "-5";
        QTest::newRow("tiny negative") << qint64(-1) << "0,00" << "0,00 TL" << "-0,0001";
    }
    void display()
    {
        QFETCH(qint64, units);
        const Money m = Money::fromUnits(units);
        QTEST(m.toPlain(), "plain");
        QTEST(m.toCurrency(), "currency");
        QTEST(m.toEditText(), "edit");
        QCOMPARE(Money::parse(m.toEditText())->units(), units);
    }

    void arithmetic()
    {
        const Money price = *Money::parse(u"2,50"_s);
        QCOMPARE(price.times(3), *Money::parse(u"7,5"_s));
        QCOMPARE(price.times(3) - price, Money::fromLira(5));
        QCOMPARE(Money::fromDouble(0.1 + 0.2), *Money::parse(u"0,3"_s));
        QCOMPARE(Money::fromDouble(0.00005).units(), qint64(0));  // half to even
        QCOMPARE(Money::fromDouble(12.34567).units(), qint64(123457));
        QVERIFY(Money::fromLira(1) > Money::fromUnits(9999));
        QCOMPARE(Money::fromUnits(12345).roundedToCents(), Money::fromUnits(12300));
        QCOMPARE(Money::fromUnits(12350).roundedToCents(), Money::fromUnits(12400));  // half to even
        QCOMPARE(Money::fromUnits(12250).roundedToCents(), Money::fromUnits(12200));
        QCOMPARE(Money::fromUnits(12251).roundedToCents(), Money::fromUnits(12300));
        QCOMPARE(Money::fromUnits(-12351).roundedToCents(), Money::fromUnits(-12400));
        QCOMPARE(Money::fromUnits(-12250).roundedToCents(), Money::fromUnits(-12200));
    }
};

QTEST_GUILESS_MAIN(TestMoney)
#include "test_money.moc"
