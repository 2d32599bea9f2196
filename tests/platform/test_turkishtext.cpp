// Turkish case folding, alphabetical order and LIKE: the rules themselves, the order that the
// shops' TURKCE indexes were built with, UTF-8 read as SQLite reads it, and the range search.
#include "Dataset.h"
#include "TestSupport.h"
#include "TurkishCollation.h"
#include "TurkishText.h"

#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

using namespace dukkano;
using namespace dukkano::test;

namespace {

// The order as the program had it before its rules left Qt: Qt's character properties through a
// weight table. Every TURKCE index in a shop file was built with it.
namespace before {

QChar lowerOne(QChar c)
{
    if (c == u'I')
        return u'ı';
    return c == u'İ' ? QChar(u'i') : c.toLower();
}

QChar upperOne(QChar c)
{
    if (c == u'i')
        return u'İ';
    return c == u'ı' ? QChar(u'I') : c.toUpper();
}

int weight(char16_t code)
{
    const QChar c(code);
    QChar lower = lowerOne(c);
    if (lower == u'â' || lower == u'î' || lower == u'û')
        lower = lower == u'â' ? u'a' : lower == u'î' ? u'i' : u'u';
    const int rank = int(QStringView(u"abcçdefgğhıijklmnoöpqrsştuüvwxyz").indexOf(lower));
    if (rank >= 0)
        return 0x20000 + rank;
    if (c.isDigit() && code <= '9')
        return 0x10000 + code;
    return c.isLetter() ? 0x30000 + lowerOne(c).unicode() : code;
}

int compare(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (const int d = weight(a[i].unicode()) - weight(b[i].unicode()))
            return d < 0 ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (qsizetype i = 0; i < n; ++i) {
        if (a[i] == b[i])
            continue;
        if (a[i].isLower() != b[i].isLower())
            return a[i].isLower() ? -1 : 1;
        return a[i].unicode() < b[i].unicode() ? -1 : 1;
    }
    return 0;
}

} // namespace before

int sign(int value) { return (value > 0) - (value < 0); }

std::string_view bytes(const QByteArray& text) { return {text.constData(), std::size_t(text.size())}; }

// Texts made of letters of both cases, circumflexed and foreign letters, digits, punctuation,
// a letter outside the BMP, the Roman numeral I and a circled A.
QString randomText(QRandomGenerator& random)
{
    static const QStringList pieces = {
        u"a"_s, u"A"_s, u"â"_s, u"Â"_s, u"b"_s, u"ç"_s, u"Ç"_s, u"ğ"_s, u"ı"_s, u"I"_s, u"İ"_s,
        u"i"_s, u"î"_s, u"ö"_s, u"Ş"_s, u"ü"_s, u"û"_s, u"q"_s, u"W"_s, u"x"_s, u"z"_s, u"é"_s,
        u"ß"_s, u"Ω"_s, u"ж"_s, u"Ж"_s, u"中"_s, u"K"_s, u"0"_s, u"9"_s, u" "_s, u"."_s, u"'"_s,
        u"-"_s, u"%"_s, u"_"_s, u"😀"_s, u"Ⅰ"_s, u"ⅰ"_s, u"Ⓐ"_s, u"\uFFFD"_s};
    QString text;
    for (int n = random.bounded(6); n > 0; --n)
        text += pieces[random.bounded(int(pieces.size()))];
    return text;
}

// What SQLite makes of UTF-8 bytes when it converts them to UTF-16.
QString readBySqlite(sqlite3* db, const QByteArray& utf8)
{
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT CAST(? AS TEXT)", -1, &st, nullptr);
    sqlite3_bind_blob(st, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    sqlite3_step(st);
    const QString text(static_cast<const QChar*>(sqlite3_column_text16(st, 0)), sqlite3_column_bytes16(st, 0) / 2);
    sqlite3_finalize(st);
    return text;
}

// Runs SQL in the sqlite3 shell with the turkce extension loaded; returns what it prints.
QString sqliteShell(const QString& database, const QString& sql)
{
    QProcess shell;
    shell.start(QStringLiteral(SQLITE3_SHELL),
                {u"-bail"_s, u"-cmd"_s, u".load %1"_s.arg(QStringLiteral(TURKCE_EXTENSION)), database, sql});
    if (!shell.waitForFinished(60000) || shell.exitCode() != 0)
        qWarning().noquote() << shell.readAllStandardError();
    return shell.exitCode() == 0 ? QString::fromUtf8(shell.readAllStandardOutput()) : u"failed"_s;
}

} // namespace

class TestTurkishText : public QObject {
    Q_OBJECT
private slots:
    void caseRules()
    {
        QCOMPARE(turkishLower(u"IŞIK İNCİR ÇAĞ"), u"ışık incir çağ"_s);
        QCOMPARE(turkishUpper(u"ışık incir çağ"), u"IŞIK İNCİR ÇAĞ"_s);
    }

    void order()
    {
        QStringList names{u"zeytin"_s, u"Şeker"_s, u"çay"_s, u"Çikolata"_s, u"Cips"_s, u"ıhlamur"_s,
                          u"İncir"_s, u"Ekmek"_s, u"Süt"_s, u"Sabun"_s, u"Ğ"_s, u"gazoz"_s,
                          u"Üzüm"_s, u"un"_s, u"Öküz"_s, u"ot"_s, u"10 numara"_s, u"kâğıt"_s, u"kalem"_s};
        std::sort(names.begin(), names.end(), TurkishLess());
        const QStringList expected{u"10 numara"_s, u"Cips"_s, u"çay"_s, u"Çikolata"_s, u"Ekmek"_s,
                                   u"gazoz"_s, u"Ğ"_s, u"ıhlamur"_s, u"İncir"_s, u"kâğıt"_s, u"kalem"_s,
                                   u"ot"_s, u"Öküz"_s, u"Sabun"_s, u"Süt"_s, u"Şeker"_s, u"un"_s,
                                   u"Üzüm"_s, u"zeytin"_s};
        QCOMPARE(names, expected);
    }

    void equalOnlyWhenIdentical()
    {
        QCOMPARE(turkishCompare(u"Çay", u"Çay"), 0);
        QVERIFY(turkishCompare(u"çay", u"Çay") < 0);
        QVERIFY(turkishCompare(u"Çay", u"çay") > 0);
        QVERIFY(turkishCompare(u"Çay", u"Çay ") < 0);
    }

    // Stored indexes stay valid only if every text sorts as before: every code unit's weight,
    // case and case pair, and the order of many mixed texts. U+FFFF alone now sorts last.
    void orderAsBefore()
    {
        if (QChar::currentUnicodeVersion() != QChar::Unicode_14_0)
            QSKIP("The character table was taken from Unicode 14.0; this Qt has other character data.");
        for (char32_t u = 0; u < 0xFFFF; ++u) {
            const char16_t unit = char16_t(u);
            if (turkce::weight(unit) != std::uint32_t(before::weight(unit))
                || turkce::lower(unit) != before::lowerOne(unit).unicode()
                || turkce::upper(unit) != before::upperOne(unit).unicode())
                QFAIL(qPrintable(u"U+%1 does not sort or fold as before"_s.arg(u, 4, 16, QLatin1Char('0'))));
            for (const char16_t other : {turkce::lower(unit), turkce::upper(unit), char16_t(u + 1)}) {
                if (other == 0xFFFF)
                    continue;
                const QString a(QChar{unit}), b(QChar{other});
                if (sign(turkishCompare(a, b)) != before::compare(a, b))
                    QFAIL(qPrintable(u"U+%1 and U+%2 change places"_s.arg(u, 4, 16, QLatin1Char('0'))
                                         .arg(other, 4, 16, QLatin1Char('0'))));
            }
        }
        QVERIFY(turkce::weight(turkce::afterEverything) > turkce::weight(u'z'));
        QVERIFY(turkce::weight(turkce::afterEverything) > turkce::weight(u'中'));

        QRandomGenerator random(20240611);
        for (int i = 0; i < 20000; ++i) {
            const QString a = randomText(random), b = randomText(random);
            QCOMPARE(sign(turkishCompare(a, b)), before::compare(a, b));
            QCOMPARE(sign(turkce::compareUtf8(bytes(a.toUtf8()), bytes(b.toUtf8()))), before::compare(a, b));
        }
    }

    // The file's texts reach the collation as SQLite's UTF-8 bytes, read as SQLite itself would
    // convert them to UTF-16 for the collation before, broken sequences included.
    void utf8ReadAsSqliteReadsIt_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::newRow("Turkish") << QByteArray("\xC3\x87\x61\xC4\xB1 \xC4\xB0\xC5\x9F");
        QTest::newRow("outside the BMP") << QByteArray("a\xF0\x9F\x98\x80z");
        QTest::newRow("highest code point") << QByteArray("\xF4\x8F\xBF\xBF");
        QTest::newRow("stray continuation bytes") << QByteArray("a\x80\xBF" "b");
        QTest::newRow("lead without continuation") << QByteArray("a\xC3" "b\xE2");
        QTest::newRow("overlong") << QByteArray("\xC0\xAF\xE0\x80\xAF");
        QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80x");
        QTest::newRow("U+FFFE") << QByteArray("\xEF\xBF\xBE");
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xF7\xBF\xBF\xBF" "a\xFB\xBF\xBF\xBF\xBF");
        QTest::newRow("long runs of continuation bytes") << QByteArray("\xC3\xA7\x80\x80\x80\x80\x80\x80\xBF");
        QTest::newRow("lead bytes FE and FF") << QByteArray("\xFE\x81\xFF");
        QTest::newRow("embedded zero") << QByteArray("a\0b", 3);
    }
    void utf8ReadAsSqliteReadsIt()
    {
        QFETCH(QByteArray, utf8);
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(":memory:", &db), SQLITE_OK);
        const QString converted = readBySqlite(db, utf8);
        sqlite3_close(db);
        QCOMPARE(turkce::compareUtf8(bytes(utf8), bytes(converted.toUtf8())), 0);
    }

    // SQLite reads U+FFFF as U+FFFD; here it stays itself and sorts after everything.
    void utf8KeepsUFFFF()
    {
        QCOMPARE(turkce::compareUtf8("\xEF\xBF\xBF", bytes(QString(QChar(0xFFFF)).toUtf8())), 0);
        QVERIFY(turkce::compareUtf8("\xEF\xBF\xBF", "\xEF\xBF\xBD") > 0);
    }

    void like_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escape");
        QTest::addColumn<bool>("matches");
        QTest::newRow("prefix any case") << u"çA%"_s << u"Çay"_s << "" << true;
        QTest::newRow("dotted capital") << u"i%"_s << u"İncir"_s << "" << true;
        QTest::newRow("İ finds i") << u"İN%"_s << u"incir"_s << "" << true;
        QTest::newRow("dotless capital") << u"ı%"_s << u"Işık"_s << "" << true;
        QTest::newRow("I finds ı") << u"I%"_s << u"ıhlamur"_s << "" << true;
        QTest::newRow("i is not ı") << u"i%"_s << u"Işık"_s << "" << false;
        QTest::newRow("İ is not I") << u"İ%"_s << u"ırmak"_s << "" << false;
        QTest::newRow("â is not a") << u"ka%"_s << u"kâğıt"_s << "" << false;
        QTest::newRow("underscore one char") << u"S_t"_s << u"Süt"_s << "" << true;
        QTest::newRow("underscore needs a char") << u"Süt_"_s << u"Süt"_s << "" << false;
        QTest::newRow("percent inside") << u"%ker"_s << u"Şeker"_s << "" << true;
        QTest::newRow("percent takes nothing") << u"a%%b"_s << u"ab"_s << "" << true;
        QTest::newRow("percent alone, empty text") << u"%"_s << u""_s << "" << true;
        QTest::newRow("empty pattern") << u""_s << u"a"_s << "" << false;
        QTest::newRow("last percent retries") << u"%ab%ab"_s << u"aabab"_s << "" << true;
        QTest::newRow("percent then one char") << u"%a_c"_s << u"xaxc"_s << "" << true;
        QTest::newRow("pieces in order only") << u"%e%a%"_s << u"kalem"_s << "" << false;
        QTest::newRow("quote is a character") << u"O'%"_s << u"O'Neil"_s << "" << true;
        QTest::newRow("too short") << u"Çayl%"_s << u"Çay"_s << "" << false;
        QTest::newRow("exact") << u"süt"_s << u"SÜT"_s << "" << true;
        QTest::newRow("escaped percent") << u"10\\%%"_s << u"10% indirim"_s << u"\\"_s << true;
        QTest::newRow("escaped percent is no wildcard") << u"10\\%%"_s << u"100 indirim"_s << u"\\"_s << false;
        QTest::newRow("escaped underscore") << u"a\\_b"_s << u"a_b"_s << u"\\"_s << true;
        QTest::newRow("escaped underscore is no wildcard") << u"a\\_b"_s << u"axb"_s << u"\\"_s << false;
        QTest::newRow("escaped escape") << u"a\\\\b"_s << u"a\\b"_s << u"\\"_s << true;
        QTest::newRow("escaped letter folds") << u"\\İ%"_s << u"incir"_s << u"\\"_s << true;
        QTest::newRow("escape at the end is itself") << u"ab\\"_s << u"ab\\"_s << u"\\"_s << true;
        QTest::newRow("backslash without ESCAPE") << u"a\\%"_s << u"a\\bc"_s << "" << true;
    }
    void like()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(QString, escape);
        QFETCH(bool, matches);
        const QChar escapeChar = escape.isEmpty() ? QChar() : escape[0];
        QCOMPARE(turkishLike(pattern, text, escapeChar), matches);
        const std::optional<char16_t> escapeUnit = escape.isEmpty() ? std::nullopt : std::optional(escape[0].unicode());
        QCOMPARE(turkce::likeUtf8(bytes(pattern.toUtf8()), bytes(text.toUtf8()), escapeUnit), matches);
    }

    // Each % used to try every split of the rest of the name: this pattern took minutes on a
    // name of fifty letters. Through the file's LIKE as well.
    void likeOnManyPercentSignsEndsAtOnce()
    {
        const QString pattern = u"%a%a%a%a%a%a%a%b"_s;
        const QString name(50, u'a');
        QVERIFY(!turkishLike(pattern, name));
        QVERIFY(turkishLike(pattern, name + u'b'));

        TempShop shop;
        shop.addProduct(name, u"1"_s, Money());
        shop.addProduct(name + u'B', u"2"_s, Money());
        QCOMPARE(shop.firstColumn(u"SELECT UrunAdi FROM Urunler WHERE UrunAdi LIKE '%1'"_s.arg(pattern)),
                 QStringList{name + u'B'});
    }

    void likeInTheFile_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("Turkish case") << u"UrunAdi LIKE 'IŞ%'"_s << QStringList{u"ışık"_s};
        QTest::newRow("escape") << u"UrunAdi LIKE '%\\%%' ESCAPE '\\'"_s << QStringList{u"%10 indirim"_s};
        QTest::newRow("no escape") << u"UrunAdi LIKE '%\\%%'"_s << QStringList{};
    }
    void likeInTheFile()
    {
        QFETCH(QString, condition);
        TempShop shop;
        for (const QString& name : {u"ışık"_s, u"işçi"_s, u"%10 indirim"_s})
            shop.addProduct(name, name, Money());
        QTEST(shop.firstColumn(u"SELECT UrunAdi FROM Urunler WHERE %1"_s.arg(condition)), "names");
    }

    void escapeOfTwoCharactersIsRefused()
    {
        TempShop shop;
        QVERIFY_THROWS_EXCEPTION(DataError, shop.firstColumn(u"SELECT 'a' LIKE 'a' ESCAPE 'ab'"_s));
    }

    // A search for names beginning with a text runs as the TURKCE range from the text in lower
    // case to the text followed by U+FFFF: every unit that LIKE takes for a typed one must lie
    // in that range, for every unit the range search accepts.
    void likeMatchesLieInTheRange()
    {
        QMultiHash<char16_t, char16_t> byLowerCase;
        for (char32_t u = 0; u < 0xFFFF; ++u)
            byLowerCase.insert(turkce::lower(char16_t(u)), char16_t(u));
        int outside = 0;
        for (char32_t t = 0; t < 0xFFFF; ++t) {
            const char16_t typed = char16_t(t);
            const char16_t alt[] = {turkce::lower(typed)};
            const char16_t ust[] = {turkce::lower(typed), turkce::afterEverything};
            bool inRange = true;
            for (const char16_t name : byLowerCase.values(alt[0])) {
                const char16_t longer[] = {name, u'z'};
                for (const std::u16string_view n : {std::u16string_view(&name, 1), std::u16string_view(longer, 2)})
                    inRange = inRange && turkce::compare({alt, 1}, n) <= 0 && turkce::compare(n, {ust, 2}) < 0;
            }
            QVERIFY2(inRange || !turkce::rangeSearchable(typed),
                     qPrintable(u"U+%1"_s.arg(t, 4, 16, QLatin1Char('0'))));
            outside += !turkce::rangeSearchable(typed);
        }
        QCOMPARE(outside, 2 * 16 + 2 * 26);  // Roman numerals and circled letters, in both cases
    }

    // The shell writes through the extension into the TURKCE indexes, and the program, opening
    // the file afresh, finds the rows in Turkish order: both sides agree on the order and on LIKE.
    void sqliteShellUsesTheSameRules()
    {
        if (!QFileInfo(QStringLiteral(SQLITE3_SHELL)).isExecutable())
            QSKIP("The sqlite3 shell is not installed.");
        TempShop shop;
        for (const QString& name : {u"Cips"_s, u"Dondurma"_s, u"Irmak Sabunu"_s})
            shop.addProduct(name, name, Money());
        QCOMPARE(sqliteShell(shop.databasePath(),
                             u"INSERT INTO Urunler (UrunAdi, SeriNumarasi) VALUES ('Çikolata', '1'), ('ıhlamur', '2'), "
                             u"('İncir', '3');"
                             u"SELECT UrunAdi FROM Urunler WHERE UrunAdi LIKE 'I%' ORDER BY UrunAdi;"_s),
                 u"ıhlamur\nIrmak Sabunu\n"_s);

        Database dosya(shop.databasePath());
        Dataset urunler(dosya, u"select * from Urunler ORDER BY UrunAdi"_s);
        urunler.open();
        QStringList names;
        for (urunler.first(); !urunler.eof(); urunler.next())
            names << urunler.text(u"UrunAdi"_s);
        QCOMPARE(names, (QStringList{u"Cips"_s, u"Çikolata"_s, u"Dondurma"_s, u"ıhlamur"_s, u"Irmak Sabunu"_s,
                                     u"İncir"_s}));
        auto check = dosya.prepare(u"PRAGMA integrity_check"_s);
        QVERIFY(check.step());
        QCOMPARE(check.column(0).toString(), u"ok"_s);
        check.reset();
    }
};

QTEST_GUILESS_MAIN(TestTurkishText)
#include "test_turkishtext.moc"
