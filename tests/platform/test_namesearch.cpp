// Name searches through the name's index: the same rows, in the same order, as the plain Turkish
// LIKE over the whole table, for names that differ only in case, circumflex or dot.
#include "Dataset.h"
#include "NameSearch.h"
#include "TestSupport.h"

#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::test;

Q_DECLARE_METATYPE(dukkano::NameMatch)

namespace {

const QStringList names = {
    u"Armut"_s, u"armut"_s, u"ARMUT"_s, u"Armut"_s, u"Armutlu"_s, u"âlâ"_s, u"Ala"_s, u"alaca"_s,
    u"kâğıt"_s, u"Kağıt"_s, u"kalem"_s, u"Işık"_s, u"ışık"_s, u"IŞIK"_s, u"İncir"_s, u"incir"_s,
    u"ılık"_s, u"Irmak"_s, u"ilaç"_s, u"1 numara"_s, u"10 numara"_s, u"100'lük"_s, u"'Tırnak'"_s,
    u"-eksi"_s, u"%10 indirim"_s, u"a_b"_s, u"axb"_s, u"Çay"_s, u"çay"_s, u"ÇAYCI"_s, u"cips"_s,
    u"Ⅰ. Kalite"_s, u"ⅰ. kalite"_s, u"Ⓐ Sınıfı"_s, u"ⓐ sınıfı"_s, u"Zeytin"_s, u""_s,
};

// Every row whose name is LIKE the pattern, in the list's order: the search as it was before.
QStringList plainLike(Database& db, const QString& pattern, bool escaped)
{
    Dataset all(db, escaped ? u"select * from Urunler WHERE UrunAdi LIKE :p ESCAPE '\\' ORDER BY UrunAdi"_s
                            : u"select * from Urunler WHERE UrunAdi LIKE :p ORDER BY UrunAdi"_s);
    all.bindValue(u"p"_s, pattern);
    all.open();
    QStringList found;
    for (all.first(); !all.eof(); all.next())
        found << all.text(u"UrunAdi"_s) + u'#' + QString::number(all.currentKey());
    return found;
}

QString escapedForLike(QString text)
{
    return text.replace(u'\\', u"\\\\"_s).replace(u'%', u"\\%"_s).replace(u'_', u"\\_"_s);
}

} // namespace

class TestNameSearch : public QObject {
    Q_OBJECT

    std::unique_ptr<TempShop> m_shop;

private slots:
    void initTestCase()
    {
        m_shop = std::make_unique<TempShop>();
        for (const QString& name : names)
            m_shop->addProduct(name, name, Money());
        m_shop->db().baglanti.exec(u"INSERT INTO Urunler (UrunAdi) VALUES (NULL)"_s);
    }

    void cleanupTestCase() { m_shop.reset(); }

    void sameRowsAsLike_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<NameMatch>("match");
        QTest::addColumn<int>("found");
        const auto beginsWith = [](const char* tag, const QString& typed, int found) {
            QTest::newRow(tag) << typed << NameMatch::BeginsWith << found;
        };
        const auto equals = [](const char* tag, const QString& typed, int found) {
            QTest::newRow(tag) << typed << NameMatch::Equals << found;
        };
        beginsWith("namesakes", u"armut"_s, 5);
        beginsWith("capitals", u"ARMUT"_s, 5);
        beginsWith("a is not â", u"al"_s, 2);
        beginsWith("â is not a", u"âl"_s, 1);
        beginsWith("circumflex inside", u"kâ"_s, 1);
        beginsWith("no circumflex inside", u"ka"_s, 2);
        beginsWith("ı finds I", u"ı"_s, 5);
        beginsWith("I finds ı", u"IŞ"_s, 3);
        beginsWith("i finds İ", u"i"_s, 3);
        beginsWith("İ finds i", u"İN"_s, 2);
        beginsWith("ç", u"ÇAY"_s, 3);
        beginsWith("c is not ç", u"c"_s, 1);
        beginsWith("digit", u"1"_s, 3);
        beginsWith("digits", u"10"_s, 2);
        beginsWith("quote", u"'"_s, 1);
        beginsWith("punctuation", u"-e"_s, 1);
        beginsWith("the last letter", u"z"_s, 1);
        beginsWith("nothing", u"zz"_s, 0);
        beginsWith("Roman numeral", u"Ⅰ"_s, 2);
        beginsWith("circled letter", u"ⓐ"_s, 2);
        beginsWith("% wildcard", u"%ık"_s, 4);
        beginsWith("_ wildcard", u"a_"_s, 9);
        beginsWith("% alone", u"%"_s, int(names.size()));
        equals("name itself", u"armut"_s, 4);
        equals("dotless capitals", u"IŞIK"_s, 3);
        equals("dotted capitals", u"İNCİR"_s, 2);
        equals("% is a character", u"%10 indirim"_s, 1);
        equals("_ is a character", u"a_b"_s, 1);
        equals("no wildcard", u"a%"_s, 0);
        equals("Roman numeral", u"Ⅰ. KALİTE"_s, 2);
    }

    void sameRowsAsLike()
    {
        QFETCH(QString, typed);
        QFETCH(NameMatch, match);
        Database& db = m_shop->db().baglanti;
        Dataset search(db, u"Urunler"_s);
        searchByName(search, u"Urunler"_s, u"UrunAdi"_s, typed, match, u"UrunAdi"_s);
        search.open();
        QStringList found;
        for (search.first(); !search.eof(); search.next())
            found << search.text(u"UrunAdi"_s) + u'#' + QString::number(search.currentKey());

        const bool equals = match == NameMatch::Equals;
        QCOMPARE(found, plainLike(db, equals ? escapedForLike(typed) : typed + u'%', equals));
        QTEST(int(found.size()), "found");
    }

    // A typed text without wildcards reads a range of the name's index, not the whole table.
    void prefixSearchReadsTheIndex_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<NameMatch>("match");
        QTest::addColumn<bool>("range");
        QTest::newRow("letters") << u"ka"_s << NameMatch::BeginsWith << true;
        QTest::newRow("a whole name") << u"a_b"_s << NameMatch::Equals << true;
        QTest::newRow("wildcard") << u"%ka"_s << NameMatch::BeginsWith << false;
    }

    void prefixSearchReadsTheIndex()
    {
        QFETCH(QString, typed);
        QFETCH(NameMatch, match);
        Database& db = m_shop->db().baglanti;
        Dataset search(db, u"Urunler"_s);
        searchByName(search, u"Urunler"_s, u"UrunAdi"_s, typed, match, u"UrunAdi"_s);
        Statement plan(db.handle(), u"EXPLAIN QUERY PLAN "_s + search.sql());
        QString steps;
        while (plan.step())
            steps += plan.column(3).toString() + u'\n';
        QTEST(steps.contains(u"INDEX UrunlerUrunAdi (UrunAdi>? AND UrunAdi<?)"_s), "range");
    }
};

QTEST_GUILESS_MAIN(TestNameSearch)
#include "test_namesearch.moc"
