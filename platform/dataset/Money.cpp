#include "Money.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

QString g_currencyText = u"TL "_s;

// "1234567" -> "1.234.567"
QString groupThousands(const QString& digits)
{
    QString out;
    const int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char('.');
        out += digits[i];
    }
    return out;
}

// Thousands dots group by three after a leading group of one to three digits. A leading zero
// groups nothing: "0.500" is someone's 0,5, not five hundred.
bool validGrouping(QStringView whole)
{
    const auto groups = whole.split(QLatin1Char('.'));
    if (groups.size() == 1)
        return true;
    if (groups.front().isEmpty() || groups.front().size() > 3 || groups.front().startsWith(QLatin1Char('0')))
        return false;
    for (qsizetype i = 1; i < groups.size(); ++i)
        if (groups[i].size() != 3)
            return false;
    return true;
}

} // namespace

Money Money::fromDouble(double lira)
{
    return Money(qint64(std::nearbyint(lira * unitsPerLira)));  // default rounding: halves to even
}

std::optional<Money> Money::parse(QStringView text)
{
    QStringView t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('-'))) {
        negative = true;
        t = t.mid(1);
    }
    if (t.isEmpty())
        return std::nullopt;
    const qsizetype comma = t.indexOf(QLatin1Char(','));
    QStringView whole = comma < 0 ? t : t.left(comma);
    QStringView fraction = comma < 0 ? QStringView() : t.mid(comma + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (!validGrouping(whole))
        return std::nullopt;
    for (QChar c : fraction)
        if (c.unicode() < '0' || c.unicode() > '9')
            return std::nullopt;

    qint64 units = 0;
    constexpr qint64 limit = (std::numeric_limits<qint64>::max() / unitsPerLira - 9) / 10;
    for (QChar c : whole) {
        if (c == QLatin1Char('.'))
            continue;
        if (c.unicode() < '0' || c.unicode() > '9' || units > limit)
            return std::nullopt;
        units = units * 10 + (c.unicode() - '0');
    }
    units *= unitsPerLira;
    qint64 scale = unitsPerLira / 10;
    for (qsizetype i = 0; i < fraction.size() && i < 4; ++i, scale /= 10)
        units += (fraction[i].unicode() - '0') * scale;
    if (fraction.size() > 4) {
        // Round the digits beyond the fourth: above half up, exactly half to even.
        const QStringView rest = fraction.mid(4);
        const int first = rest[0].unicode() - '0';
        bool beyondHalf = first > 5;
        if (first == 5)
            for (QChar c : rest.mid(1))
                beyondHalf = beyondHalf || c != QLatin1Char('0');
        const bool half = first == 5 && !beyondHalf;
        if (beyondHalf || (half && units % 2 != 0))
            ++units;
    }
    return Money(negative ? -units : units);
}

Money Money::roundedToCents() const
{
    constexpr qint64 step = 100;
    qint64 down = m_units / step * step;
    if (m_units < 0 && down != m_units)
        down -= step;
    const qint64 rest = m_units - down;  // 0..99
    const bool up = rest > step / 2 || (rest == step / 2 && (down / step) % 2 != 0);
    return Money(up ? down + step : down);
}

QString Money::toPlain() const
{
    const qint64 magnitude = m_units < 0 ? -m_units : m_units;
    const qint64 cents = (magnitude + 50) / 100;  // halves away from zero
    QString text = groupThousands(QString::number(cents / 100)) + QLatin1Char(',')
                   + u"%1"_s.arg(cents % 100, 2, 10, QLatin1Char('0'));
    return (m_units < 0 && cents != 0) ? QLatin1Char('-') + text : text;
}

QString Money::toCurrency() const
{
    return (toPlain() + QLatin1Char(' ') + g_currencyText).trimmed();
}

QString Money::toEditText() const
{
    const qint64 magnitude = m_units < 0 ? -m_units : m_units;
    QString text = QString::number(magnitude / unitsPerLira);
    qint64 fraction = magnitude % unitsPerLira;
    if (fraction != 0) {
        QString digits = u"%1"_s.arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += QLatin1Char(',') + digits;
    }
    return m_units < 0 ? QLatin1Char('-') + text : text;
}

Quantity parseQuantity(QStringView text)
{
    QStringView t = text.trimmed();
    if (t.startsWith(QLatin1Char('+'))) {
        t = t.mid(1);
        if (t.isEmpty() || !t.front().isDigit())
            return {0, QuantityRefusal::NotANumber};
    }
    const auto amount = Money::parse(t);
    if (!amount)
        return {0, QuantityRefusal::NotANumber};
    const qsizetype comma = t.indexOf(QLatin1Char(','));
    const bool decimals = comma >= 0 && std::any_of(t.begin() + comma + 1, t.end(), [](QChar c) {
        return c != QLatin1Char('0');
    });
    if (decimals || amount->units() % Money::unitsPerLira != 0)
        return {0, QuantityRefusal::Fraction};
    return {amount->units() / Money::unitsPerLira, QuantityRefusal::None};
}

QString currencyText() { return g_currencyText; }
void setCurrencyText(const QString& text) { g_currencyText = text; }

} // namespace dukkano
