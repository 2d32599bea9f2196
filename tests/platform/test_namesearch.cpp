// Name searches through the name's index: the same rows, in the same order, as the plain Turkish
// LIKE over the whole table, for names that differ only in case, circumflex or dot.
#include "Dataset.h"
#include "NameSearch.h"
#include "TestSupport.h"

#include <QTest>
#include <memory>

using namespace dukkano;
using namespace dukkano::test;

Q_DECLARE_METATYPE(dukkano::NameMatch)

namespace {

const QStringList names = {
    u"Armut"_qs, u"armut"_qs, u"ARMUT"_qs, u"Armut"_qs, u"Armutlu"_qs, u"âlâ"_qs, u"Ala"_qs, u"alaca"_qs,
    u"kâğıt"_qs, u"Kağıt"_qs, u"kalem"_qs, u"Işık"_qs, u"ışık"_qs, u"IŞIK"_qs, u"İncir"_qs, u"incir"_qs,
    u"ılık"_qs, u"Irmak"_qs, u"ilaç"_qs, u"1 numara"_qs, u"10 numara"_qs, u"100'lük"_qs, u"'Tırnak'"_qs,
    u"-eksi"_qs, u"%10 indirim"_qs, u"a_b"_qs, u"axb"_qs, u"Çay"_qs, u"çay"_qs, u"ÇAYCI"_qs, u"cips"_qs,
    u"Ⅰ. Kalite"_qs, u"ⅰ. kalite"_qs, u"Ⓐ Sınıfı"_qs, u"ⓐ sınıfı"_qs, u"Zeytin"_qs, u""_qs,
};

// Every row whose name is LIKE the pattern, in the list's order: the search as it was before.
QStringList plainLike(Database& db, const QString& pattern, bool escaped)
{
    Dataset all(db, escaped ? u"select * from Urunler WHERE UrunAdi LIKE :p ESCAPE '\\' ORDER BY UrunAdi"_qs
                            : u"select * from Urunler WHERE UrunAdi LIKE :p ORDER BY UrunAdi"_qs);
    all.bindValue(u"p"_qs, pattern);
    all.open();
    QStringList found;
    for (all.first(); !all.eof(); all.next())
        found << all.text(u"UrunAdi"_qs) + u'#' + QString::number(all.currentKey());
    return found;
}

QString escapedForLike(QString text)
{
    return text.replace(u'\\', u"\\\\"_qs).replace(u'%', u"\\%"_qs).replace(u'_', u"\\_"_qs);
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
        m_shop->db().baglanti.exec(u"INSERT INTO Urunler (UrunAdi) VALUES (NULL)"_qs);
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
        beginsWith("namesakes", u"armut"_qs, 5);
        beginsWith("capitals", u"ARMUT"_qs, 5);
        beginsWith("a is not â", u"al"_qs, 2);
        beginsWith("â is not a", u"âl"_qs, 1);
        beginsWith("circumflex inside", u"kâ"_qs, 1);
        beginsWith("no circumflex inside", u"ka"_qs, 2);
        beginsWith("ı finds I", u"ı"_qs, 5);
        beginsWith("I finds ı", u"IŞ"_qs, 3);
        beginsWith("i finds İ", u"i"_qs, 3);
        beginsWith("İ finds i", u"İN"_qs, 2);
        beginsWith("ç", u"ÇAY"_qs, 3);
        beginsWith("c is not ç", u"c"_qs, 1);
        beginsWith("digit", u"1"_qs, 3);
        beginsWith("digits", u"10"_qs, 2);
        beginsWith("quote", u"'"_qs, 1);
        beginsWith("punctuation", u"-e"_qs, 1);
        beginsWith("the last letter", u"z"_qs, 1);
        beginsWith("nothing", u"zz"_qs, 0);
        beginsWith("Roman numeral", u"Ⅰ"_qs, 2);
        beginsWith("circled letter", u"ⓐ"_qs, 2);
        beginsWith("% wildcard", u"%ık"_qs, 4);
        beginsWith("_ wildcard", u"a_"_qs, 9);
        beginsWith("% alone", u"%"_qs, int(names.size()));
        equals("name itself", u"armut"_qs, 4);
        equals("dotless capitals", u"IŞIK"_qs, 3);
        equals("dotted capitals", u"İNCİR"_qs, 2);
        equals("% is a character", u"%10 indirim"_qs, 1);
        equals("_ is a character", u"a_b"_qs, 1);
        equals("no wildcard", u"a%"_qs, 0);
        equals("Roman numeral", u"Ⅰ. KALİTE"_qs, 2);
    }

    void sameRowsAsLike()
    {
        QFETCH(QString, typed);
        QFETCH(NameMatch, match);
        Database& db = m_shop->db().baglanti;
        Dataset search(db, u"Urunler"_qs);
        searchByName(search, u"Urunler"_qs, u"UrunAdi"_qs, typed, match, u"UrunAdi"_qs);
        search.open();
        QStringList found;
        for (search.first(); !search.eof(); search.next())
            found << search.text(u"UrunAdi"_qs) + u'#' + QString::number(search.currentKey());

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
        QTest::newRow("letters") << u"ka"_qs << NameMatch::BeginsWith << true;
        QTest::newRow("a whole name") << u"a_b"_qs << NameMatch::Equals << true;
        QTest::newRow("wildcard") << u"%ka"_qs << NameMatch::BeginsWith << false;
    }

    void prefixSearchReadsTheIndex()
    {
        QFETCH(QString, typed);
        QFETCH(NameMatch, match);
        Database& db = m_shop->db().baglanti;
        Dataset search(db, u"Urunler"_qs);
        searchByName(search, u"Urunler"_qs, u"UrunAdi"_qs, typed, match, u"UrunAdi"_qs);
        Statement plan(db.handle(), u"EXPLAIN QUERY PLAN "_qs + search.sql());
        QString steps;
        while (plan.step())
            steps += plan.column(3).toString() + u'\n';
        QTEST(steps.contains(u"INDEX UrunlerUrunAdi (UrunAdi>? AND UrunAdi<?)"_qs), "range");
    }
};

QTEST_GUILESS_MAIN(TestNameSearch)
#include "test_namesearch.moc"
