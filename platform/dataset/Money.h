// An exact amount of money: a whole count of 1/10000 lira in 64 bits.
#pragma once

#include <QMetaType>
#include <QString>
#include <QStringView>
#include <compare>
#include <cstdint>
#include <optional>

namespace dukkano {

class Money {
public:
    static constexpr qint64 unitsPerLira = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 units) { return Money(units); }
    static constexpr Money fromLira(qint64 lira) { return Money(lira * unitsPerLira); }
    // Nearest unit, halves to even; for results defined in floating point.
    static Money fromDouble(double lira);
    // Turkish input: "12", "2,5", "1.234,50", "-3,25". Thousands dots must group by three.
    // More than four decimals round to the nearest unit, halves to even. Anything else: nullopt.
    static std::optional<Money> parse(QStringView text);

    constexpr qint64 units() const { return m_units; }
    double toDouble() const { return double(m_units) / unitsPerLira; }
    constexpr bool isZero() const { return m_units == 0; }

    // To whole kuruş, halves to even.
    Money roundedToCents() const;

    // Exact: a whole quantity times a price.
    constexpr Money times(qint64 quantity) const { return Money(m_units * quantity); }

    // "1.234,50": two decimals, thousands dots, halves away from zero (report format %2.2n).
    QString toPlain() const;
    // "1.234,50 TL": labels and messages, with the program-wide currency text.
    QString toCurrency() const;
    // "2,5", "1234,125": the shortest exact text, for edit fields and text reads.
    QString toEditText() const;

    constexpr Money operator-() const { return Money(-m_units); }
    constexpr Money operator+(Money o) const { return Money(m_units + o.m_units); }
    constexpr Money operator-(Money o) const { return Money(m_units - o.m_units); }
    constexpr Money& operator+=(Money o) { m_units += o.m_units; return *this; }
    constexpr Money& operator-=(Money o) { m_units -= o.m_units; return *this; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};

// Why a typed quantity was refused; each window words the refusal its own way.
enum class QuantityRefusal { None, NotANumber, Fraction };

struct Quantity {
    qint64 value = 0;
    QuantityRefusal refusal = QuantityRefusal::None;
    bool ok() const { return refusal == QuantityRefusal::None; }
};

// A whole number typed the Turkish way: "12", "-3", "+2", "1.000", "5,0". Any non-zero
// decimal digit is a fraction and refused, however far after the comma.
Quantity parseQuantity(QStringView text);

// The text appended to amounts in labels; the main window sets it to "TL " at start.
QString currencyText();
void setCurrencyText(const QString& text);

} // namespace dukkano

Q_DECLARE_METATYPE(dukkano::Money)
