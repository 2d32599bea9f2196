#include "TurkishText.h"

#include <array>

namespace dukkano {
namespace {

constexpr char16_t dotlessI = u'ı', dottedCapitalI = u'İ';

QChar lowerOne(QChar c)
{
    if (c == QLatin1Char('I'))
        return QChar(dotlessI);
    if (c == QChar(dottedCapitalI))
        return QLatin1Char('i');
    return c.toLower();
}

QChar upperOne(QChar c)
{
    if (c == QLatin1Char('i'))
        return QChar(dottedCapitalI);
    if (c == QChar(dotlessI))
        return QLatin1Char('I');
    return c.toUpper();
}

// Primary weights: blanks and punctuation by code, then digits, then the Turkish alphabet
// (with q, w, x in their Latin places), then everything else by code. Circumflexed vowels
// sort with their plain letters.
constexpr char16_t alphabet[] = u"abcçdefgğhıijklmnoöpqrsştuüvwxyz";

int letterRank(char16_t lower)
{
    switch (lower) {
    case u'â': lower = u'a'; break;
    case u'î': lower = u'i'; break;
    case u'û': lower = u'u'; break;
    default: break;
    }
    for (int i = 0; alphabet[i]; ++i)
        if (alphabet[i] == lower)
            return i;
    return -1;
}

struct Weights {
    std::array<int, 0x10000> primary{};
    Weights()
    {
        for (int code = 0; code < 0x10000; ++code) {
            const QChar c(static_cast<char16_t>(code));
            const int rank = letterRank(lowerOne(c).unicode());
            if (rank >= 0)
                primary[code] = 0x20000 + rank;
            else if (c.isDigit() && code <= '9')
                primary[code] = 0x10000 + code;
            else if (c.isLetter())
                primary[code] = 0x30000 + lowerOne(c).unicode();
            else
                primary[code] = code;
        }
    }
};

const Weights& weights()
{
    static const Weights w;
    return w;
}

bool likeFrom(QStringView p, QStringView t, QChar escape)
{
    qsizetype i = 0, j = 0;
    while (i < p.size()) {
        QChar pc = p[i];
        if (!escape.isNull() && pc == escape && i + 1 < p.size()) {
            if (j >= t.size() || lowerOne(p[i + 1]) != lowerOne(t[j]))
                return false;
            i += 2;
            ++j;
            continue;
        }
        if (pc == QLatin1Char('%')) {
            while (i < p.size() && p[i] == QLatin1Char('%'))
                ++i;
            if (i == p.size())
                return true;
            for (qsizetype k = j; k <= t.size(); ++k)
                if (likeFrom(p.mid(i), t.mid(k), escape))
                    return true;
            return false;
        }
        if (j >= t.size())
            return false;
        if (pc != QLatin1Char('_') && lowerOne(pc) != lowerOne(t[j]))
            return false;
        ++i;
        ++j;
    }
    return j == t.size();
}

} // namespace

QString turkishLower(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = lowerOne(text[i]);
    return out;
}

QString turkishUpper(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = upperOne(text[i]);
    return out;
}

int turkishCompare(QStringView a, QStringView b)
{
    const auto& w = weights().primary;
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int d = w[a[i].unicode()] - w[b[i].unicode()];
        if (d != 0)
            return d < 0 ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    // Same letters: lower case before upper case, then by code, so only identical texts are equal.
    for (qsizetype i = 0; i < n; ++i) {
        if (a[i] == b[i])
            continue;
        const bool aLower = a[i].isLower(), bLower = b[i].isLower();
        if (aLower != bLower)
            return aLower ? -1 : 1;
        return a[i].unicode() < b[i].unicode() ? -1 : 1;
    }
    return 0;
}

bool turkishLike(QStringView pattern, QStringView text, QChar escape)
{
    return likeFrom(pattern, text, escape);
}

} // namespace dukkano
