// Turkish case folding, alphabetical order and LIKE.
#include "TurkishText.h"

#include <QTest>
#include <algorithm>

using namespace dukkano;

class TestTurkishText : public QObject {
    Q_OBJECT
private slots:
    void caseRules()
    {
        QCOMPARE(turkishLower(u"IŞIK İNCİR ÇAĞ"), QStringLiteral("ışık incir çağ"));
        QCOMPARE(turkishUpper(u"ışık incir çağ"), QStringLiteral("IŞIK İNCİR ÇAĞ"));
    }

    void order()
    {
        QStringList names{u"zeytin"_qs, u"Şeker"_qs, u"çay"_qs, u"Çikolata"_qs, u"Cips"_qs, u"ıhlamur"_qs,
                          u"İncir"_qs, u"Ekmek"_qs, u"Süt"_qs, u"Sabun"_qs, u"Ğ"_qs, u"gazoz"_qs,
                          u"Üzüm"_qs, u"un"_qs, u"Öküz"_qs, u"ot"_qs, u"10 numara"_qs, u"kâğıt"_qs, u"kalem"_qs};
        std::sort(names.begin(), names.end(), TurkishLess());
        const QStringList expected{u"10 numara"_qs, u"Cips"_qs, u"çay"_qs, u"Çikolata"_qs, u"Ekmek"_qs,
                                   u"gazoz"_qs, u"Ğ"_qs, u"ıhlamur"_qs, u"İncir"_qs, u"kâğıt"_qs, u"kalem"_qs,
                                   u"ot"_qs, u"Öküz"_qs, u"Sabun"_qs, u"Süt"_qs, u"Şeker"_qs, u"un"_qs,
                                   u"Üzüm"_qs, u"zeytin"_qs};
        QCOMPARE(names, expected);
    }

    void equalOnlyWhenIdentical()
    {
        QCOMPARE(turkishCompare(u"Çay", u"Çay"), 0);
        QVERIFY(turkishCompare(u"çay", u"Çay") < 0);
        QVERIFY(turkishCompare(u"Çay", u"çay") > 0);
        QVERIFY(turkishCompare(u"Çay", u"Çay ") < 0);
    }

    void like_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matches");
        QTest::newRow("prefix any case") << u"çA%"_qs << u"Çay"_qs << true;
        QTest::newRow("dotted capital") << u"i%"_qs << u"İncir"_qs << true;
        QTest::newRow("dotless capital") << u"ı%"_qs << u"Işık"_qs << true;
        QTest::newRow("i is not ı") << u"i%"_qs << u"Işık"_qs << false;
        QTest::newRow("underscore one char") << u"S_t"_qs << u"Süt"_qs << true;
        QTest::newRow("percent inside") << u"%ker"_qs << u"Şeker"_qs << true;
        QTest::newRow("quote is a character") << u"O'%"_qs << u"O'Neil"_qs << true;
        QTest::newRow("too short") << u"Çayl%"_qs << u"Çay"_qs << false;
        QTest::newRow("exact") << u"süt"_qs << u"SÜT"_qs << true;
    }
    void like()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QTEST(turkishLike(pattern, text), "matches");
    }
};

QTEST_GUILESS_MAIN(TestTurkishText)
#include "test_turkishtext.moc"
