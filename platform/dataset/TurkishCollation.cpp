// The Turkish order, case folding and LIKE over UTF-16 and UTF-8 texts, and their registration on
// an SQLite connection. Built into the program (with SQLITE_CORE) and alone as the turkce extension.
#include "TurkishCollation.h"

#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include <array>
#include <iterator>
#include <utility>

namespace dukkano::turkce {
namespace {

struct UnitKind {
    bool letter;
    bool lowerCase;
    int toLower;
    int toUpper;
};

struct UnitRun {
    char16_t first;
    std::uint8_t even, odd;
};

#include "TurkishCollationTable.inc"

constexpr char16_t dotlessI = u'ı', dottedCapitalI = u'İ';

constexpr std::uint32_t digits = 0x10000, alphabet = 0x20000, otherLetters = 0x30000, last = 0x40000;
constexpr std::u16string_view alphabetLetters = u"abcçdefgğhıijklmnoöpqrsştuüvwxyz";

// Circumflexed vowels sort with their plain letters; -1 outside the alphabet.
int alphabetRank(char16_t lower)
{
    switch (lower) {
    case u'â': lower = u'a'; break;
    case u'î': lower = u'i'; break;
    case u'û': lower = u'u'; break;
    default: break;
    }
    const auto at = alphabetLetters.find(lower);
    return at == std::u16string_view::npos ? -1 : int(at);
}

struct Tables {
    std::array<std::uint32_t, 0x10000> weight;
    std::array<char16_t, 0x10000> lower, upper;
    std::array<bool, 0x10000> letter, lowerCase, outOfRange;

    Tables()
    {
        std::size_t run = 0;
        for (std::uint32_t u = 0; u < 0x10000; ++u) {
            while (run + 1 < std::size(unitRuns) && unitRuns[run + 1].first <= u)
                ++run;
            const UnitRun& r = unitRuns[run];
            const UnitKind& kind = unitKinds[(u - r.first) % 2 ? r.odd : r.even];
            lower[u] = char16_t(int(u) + kind.toLower);
            upper[u] = char16_t(int(u) + kind.toUpper);
            letter[u] = kind.letter;
            lowerCase[u] = kind.lowerCase;
        }
        lower[u'I'] = dotlessI;
        lower[dottedCapitalI] = u'i';
        upper[u'i'] = dottedCapitalI;
        upper[dotlessI] = u'I';

        for (std::uint32_t u = 0; u < 0x10000; ++u) {
            const int rank = alphabetRank(lower[u]);
            if (rank >= 0)
                weight[u] = alphabet + std::uint32_t(rank);
            else if (u >= u'0' && u <= u'9')
                weight[u] = digits + u;
            else if (letter[u])
                weight[u] = otherLetters + lower[u];
            else
                weight[u] = u;
        }
        weight[afterEverything] = last;

        // A unit whose lower case sorts elsewhere, or after it, takes its whole case family out of
        // the range search.
        outOfRange.fill(false);
        for (std::uint32_t u = 0; u < 0x10000; ++u) {
            const char16_t l = lower[u];
            if (l != u && (weight[l] != weight[u] || sortsBefore(char16_t(u), l)))
                outOfRange[u] = outOfRange[l] = true;
        }
    }

    // The order of two different units of one weight.
    bool sortsBefore(char16_t a, char16_t b) const
    {
        return lowerCase[a] != lowerCase[b] ? lowerCase[a] : a < b;
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

class Utf16Units {
public:
    explicit Utf16Units(std::u16string_view text) : m_at(text.data()), m_end(text.data() + text.size()) {}
    bool next(char16_t& unit)
    {
        if (m_at == m_end)
            return false;
        unit = *m_at++;
        return true;
    }

private:
    const char16_t* m_at;
    const char16_t* m_end;
};

// UTF-8 read exactly as SQLite converts it to UTF-16, so that the order is the one the shop's
// indexes were built with: a lead byte takes every continuation byte after it, stray
// continuation bytes stand for themselves, and overlong forms, surrogates and U+FFFE read as
// U+FFFD. Only U+FFFF stays itself (SQLite reads it as U+FFFD), for the range searches.
class Utf8Units {
public:
    explicit Utf8Units(std::string_view text)
        : m_at(reinterpret_cast<const unsigned char*>(text.data())), m_end(m_at + text.size())
    {
    }
    bool next(char16_t& unit)
    {
        if (m_lowSurrogate) {
            unit = std::exchange(m_lowSurrogate, 0);
            return true;
        }
        if (m_at == m_end)
            return false;
        std::uint32_t c = *m_at++;
        if (c >= 0xC0) {
            c = leadBits(c);
            while (m_at != m_end && (*m_at & 0xC0) == 0x80)
                c = (c << 6) + (*m_at++ & 0x3F);
            if (c < 0x80 || (c & 0xFFFFF800) == 0xD800 || c == 0xFFFE)
                c = 0xFFFD;
        }
        if (c <= 0xFFFF) {
            unit = char16_t(c);
            return true;
        }
        unit = char16_t(0xD800 + (((c - 0x10000) >> 10) & 0x3FF));
        m_lowSurrogate = char16_t(0xDC00 + (c & 0x3FF));
        return true;
    }

private:
    static std::uint32_t leadBits(std::uint32_t lead)
    {
        if (lead < 0xE0)
            return lead & 0x1F;
        if (lead < 0xF0)
            return lead & 0x0F;
        if (lead < 0xF8)
            return lead & 0x07;
        if (lead < 0xFC)
            return lead & 0x03;
        return lead < 0xFE ? lead & 0x01 : 0;
    }

    const unsigned char* m_at;
    const unsigned char* m_end;
    char16_t m_lowSurrogate = 0;
};

template <typename A, typename B>
int compareUnits(A a, B b)
{
    const Tables& t = tables();
    int tie = 0;
    for (char16_t x = 0, y = 0;;) {
        const bool moreA = a.next(x), moreB = b.next(y);
        if (!moreA || !moreB)
            return moreA ? 1 : moreB ? -1 : tie;
        if (x == y)
            continue;
        if (t.weight[x] != t.weight[y])
            return t.weight[x] < t.weight[y] ? -1 : 1;
        if (tie == 0)
            tie = t.sortsBefore(x, y) ? -1 : 1;
    }
}

enum class Token { End, AnyRun, AnyOne, Literal };

template <typename P>
Token nextToken(P& pattern, char16_t& literal, std::optional<char16_t> escape)
{
    char16_t c = 0;
    if (!pattern.next(c))
        return Token::End;
    // An escape at the very end of the pattern is an ordinary unit.
    if (escape && c == *escape && pattern.next(literal))
        return Token::Literal;
    if (c == u'%')
        return Token::AnyRun;
    if (c == u'_')
        return Token::AnyOne;
    literal = c;
    return Token::Literal;
}

// Greedy matching that backtracks only to the last %: whatever an earlier % would take, the
// last one can take too. Each retry moves the last %'s end one unit on, so the work stays
// within the pattern's length times the text's.
template <typename P, typename T>
bool likeUnits(P pattern, T text, std::optional<char16_t> escape)
{
    const Tables& t = tables();
    P afterStar = pattern;
    T starEnd = text;
    bool star = false;
    for (;;) {
        char16_t literal = 0, unit = 0;
        Token token = nextToken(pattern, literal, escape);
        if (token == Token::AnyRun) {
            afterStar = pattern;
            starEnd = text;
            star = true;
            continue;
        }
        if (!text.next(unit)) {
            for (; token != Token::End; token = nextToken(pattern, literal, escape))
                if (token != Token::AnyRun)
                    return false;
            return true;
        }
        if (token == Token::AnyOne || (token == Token::Literal && t.lower[literal] == t.lower[unit]))
            continue;
        if (!star)
            return false;
        starEnd.next(unit);
        text = starEnd;
        pattern = afterStar;
    }
}

std::string_view textOf(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text ? std::string_view(text, std::size_t(sqlite3_value_bytes(value))) : std::string_view();
}

int collate(void*, int aBytes, const void* a, int bBytes, const void* b)
{
    return compareUtf8(std::string_view(static_cast<const char*>(a), std::size_t(aBytes)),
                       std::string_view(static_cast<const char*>(b), std::size_t(bBytes)));
}

// like(pattern, text[, escape]), as SQLite calls it for "text LIKE pattern [ESCAPE escape]".
void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    std::optional<char16_t> escape;
    if (argc == 3) {
        Utf8Units units(textOf(argv[2]));
        char16_t unit = 0, more = 0;
        if (!units.next(unit) || units.next(more))
            return sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
        escape = unit;
    }
    sqlite3_result_int(context, likeUtf8(textOf(argv[0]), textOf(argv[1]), escape));
}

} // namespace

char16_t lower(char16_t unit) { return tables().lower[unit]; }
char16_t upper(char16_t unit) { return tables().upper[unit]; }
std::uint32_t weight(char16_t unit) { return tables().weight[unit]; }
bool rangeSearchable(char16_t unit) { return !tables().outOfRange[unit]; }

int compare(std::u16string_view a, std::u16string_view b) { return compareUnits(Utf16Units(a), Utf16Units(b)); }
int compareUtf8(std::string_view a, std::string_view b) { return compareUnits(Utf8Units(a), Utf8Units(b)); }

bool like(std::u16string_view pattern, std::u16string_view text, std::optional<char16_t> escape)
{
    return likeUnits(Utf16Units(pattern), Utf16Units(text), escape);
}

bool likeUtf8(std::string_view pattern, std::string_view text, std::optional<char16_t> escape)
{
    return likeUnits(Utf8Units(pattern), Utf8Units(text), escape);
}

} // namespace dukkano::turkce

namespace dukkano {

int registerTurkish(sqlite3* db)
{
    int rc = sqlite3_create_collation(db, "TURKCE", SQLITE_UTF8, nullptr, turkce::collate);
    for (const int arguments : {2, 3}) {
        if (rc == SQLITE_OK)
            rc = sqlite3_create_function(db, "like", arguments, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                         turkce::likeFunction, nullptr, nullptr);
    }
    return rc;
}

} // namespace dukkano

#ifndef SQLITE_CORE
// The entry point that ".load turkce" looks for.
extern "C" int sqlite3_turkce_init(sqlite3* db, char**, const sqlite3_api_routines* api)
{
    SQLITE_EXTENSION_INIT2(api)
    return dukkano::registerTurkish(db);
}
#endif
