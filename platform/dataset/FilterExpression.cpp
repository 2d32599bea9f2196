#include "FilterExpression.h"

#include "DataError.h"
#include "Money.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

namespace dukkano {
namespace {

QString badFilter(const QString& text, const QString& why)
{
    constexpr qsizetype shown = 200;
    const QString head = text.size() > shown ? text.left(shown) + QStringLiteral("…") : text;
    return QStringLiteral("Süzgeç ifadesi anlaşılamadı: %1\n%2").arg(head, why);
}

class Parser {
public:
    Parser(const QString& text, const TableInfo& table) : m_text(text), m_table(table) {}

    QVector<FilterComparison> parse()
    {
        QVector<FilterComparison> out;
        skipBlanks();
        if (atEnd())
            return out;
        term(out);
        while (true) {
            skipBlanks();
            if (atEnd())
                return out;
            if (!takeWord(QStringLiteral("and")))
                fail(QStringLiteral("\"and\" bekleniyordu."));
            term(out);
        }
    }

private:
    void term(QVector<FilterComparison>& out)
    {
        skipBlanks();
        if (take(QLatin1Char('('))) {
            if (++m_depth > maxDepth)
                fail(QStringLiteral("Çok fazla iç içe parantez var (en çok %1).").arg(maxDepth));
            term(out);
            skipBlanks();
            while (takeWord(QStringLiteral("and")))
                term(out), skipBlanks();
            if (!take(QLatin1Char(')')))
                fail(QStringLiteral("\")\" bekleniyordu."));
            --m_depth;
            return;
        }
        out.push_back(comparison());
    }

    FilterComparison comparison()
    {
        skipBlanks();
        if (!take(QLatin1Char('[')))
            fail(QStringLiteral("Alan adı \"[\" ile başlamalı."));
        const qsizetype close = m_text.indexOf(QLatin1Char(']'), m_pos);
        if (close < 0)
            fail(QStringLiteral("\"]\" bekleniyordu."));
        const QString name = m_text.mid(m_pos, close - m_pos).trimmed();
        m_pos = close + 1;
        FilterComparison c;
        c.fieldIndex = m_table.indexOf(name);
        if (c.fieldIndex < 0)
            fail(QStringLiteral("%1 tablosunda %2 alanı yok.").arg(m_table.name, name));
        skipBlanks();
        for (const char* op : {">=", "<=", "<>", "=", "<", ">"}) {
            if (m_text.mid(m_pos).startsWith(QLatin1String(op))) {
                c.op = QLatin1String(op);
                m_pos += c.op.size();
                break;
            }
        }
        if (c.op.isEmpty())
            fail(QStringLiteral("Karşılaştırma işareti (=, >=, <=) bekleniyordu."));
        c.value = storedValue(m_table.fields[c.fieldIndex], literal());
        if (c.value.isNull())
            fail(QStringLiteral("Boş bir değerle karşılaştırılamaz."));
        return c;
    }

    QVariant literal()
    {
        skipBlanks();
        if (take(QLatin1Char('\''))) {
            QString value;
            while (true) {
                if (atEnd())
                    fail(QStringLiteral("Tırnak kapanmamış."));
                const QChar c = m_text[m_pos++];
                if (c != QLatin1Char('\'')) {
                    value += c;
                } else if (!atEnd() && m_text[m_pos] == QLatin1Char('\'')) {
                    value += c;
                    ++m_pos;
                } else {
                    return value;
                }
            }
        }
        const qsizetype start = m_pos;
        while (!atEnd() && (m_text[m_pos].isDigit() || m_text[m_pos] == QLatin1Char('-')
                            || m_text[m_pos] == QLatin1Char(',') || m_text[m_pos] == QLatin1Char('.')))
            ++m_pos;
        if (m_pos == start)
            fail(QStringLiteral("Tırnak içinde bir metin ya da bir sayı bekleniyordu."));
        return m_text.mid(start, m_pos - start);
    }

    void skipBlanks()
    {
        while (!atEnd() && m_text[m_pos].isSpace())
            ++m_pos;
    }
    bool atEnd() const { return m_pos >= m_text.size(); }
    bool take(QChar c)
    {
        if (atEnd() || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }
    bool takeWord(const QString& word)
    {
        skipBlanks();
        const qsizetype end = m_pos + word.size();
        if (m_text.mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) != 0
            || (end < m_text.size() && m_text[end].isLetterOrNumber()))
            return false;
        m_pos = end;
        return true;
    }
    [[noreturn]] void fail(const QString& why) const { throw DataError(badFilter(m_text, why)); }

    const QString& m_text;
    // Brackets nest by recursion; a bound keeps a pasted or generated text off the stack's end.
    static constexpr int maxDepth = 64;
    const TableInfo& m_table;
    qsizetype m_pos = 0;
    int m_depth = 0;
};

QString notValid(const FieldInfo& field, const QString& text, const QString& what)
{
    return QStringLiteral("\"%1\" alanı için \"%2\" geçerli %3 değil.").arg(field.name, text, what);
}

QVariant integerFrom(const FieldInfo& field, const QString& text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok)
        throw DataError(notValid(field, text, QStringLiteral("bir tam sayı")));
    return value;
}

QVariant wholeFrom(const FieldInfo& field, const QString& text)
{
    const auto money = Money::parse(text);
    if (!money || money->units() % Money::unitsPerLira != 0)
        throw DataError(notValid(field, text, QStringLiteral("bir tam sayı")));
    return money->units() / Money::unitsPerLira;
}

QVariant dateFrom(const FieldInfo& field, const QString& text)
{
    for (const char* format : {"dd.MM.yyyy", "d.M.yyyy", "yyyy-MM-dd"}) {
        const QDate day = QDate::fromString(text, QLatin1String(format));
        if (day.isValid())
            return day.toString(Qt::ISODate);
    }
    throw DataError(notValid(field, text, QStringLiteral("bir tarih (gg.aa.yyyy)")));
}

QVariant fromText(const FieldInfo& field, const QString& raw)
{
    const QString text = raw.trimmed();
    if (field.type != FieldType::Text && field.type != FieldType::Memo && text.isEmpty())
        return QVariant();
    switch (field.type) {
    case FieldType::Key:
    case FieldType::Integer:
        return integerFrom(field, text);
    case FieldType::Whole:
        return wholeFrom(field, text);
    case FieldType::Money: {
        const auto money = Money::parse(text);
        if (!money)
            throw DataError(notValid(field, text, QStringLiteral("bir tutar")));
        return money->units();
    }
    case FieldType::Double: {
        bool ok = false;
        const double value = QLocale(QLocale::Turkish, QLocale::Turkey).toDouble(text, &ok);
        if (!ok)
            throw DataError(notValid(field, text, QStringLiteral("bir sayı")));
        return value;
    }
    case FieldType::Boolean: {
        const QString t = text.toLower();
        if (t == QLatin1String("true") || t == QLatin1String("evet") || t == QLatin1String("1"))
            return qint64(1);
        if (t == QLatin1String("false") || t == QStringLiteral("hayır") || t == QLatin1String("0"))
            return qint64(0);
        throw DataError(notValid(field, text, QStringLiteral("bir evet/hayır değeri")));
    }
    case FieldType::Date:
        return dateFrom(field, text);
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    return raw;
}

QVariant fromNumber(const FieldInfo& field, const QVariant& value)
{
    const double number = value.toDouble();
    switch (field.type) {
    case FieldType::Money:
        return Money::fromDouble(number).units();
    case FieldType::Double:
        return number;
    case FieldType::Whole:
    case FieldType::Key:
    case FieldType::Integer:
    case FieldType::Boolean:
        if (value.metaType().id() == QMetaType::Double && number != double(qint64(number)))
            throw DataError(notValid(field, QLocale(QLocale::Turkish).toString(number), QStringLiteral("bir tam sayı")));
        return value.toLongLong();
    case FieldType::Text:
    case FieldType::Memo:
        return value.metaType().id() == QMetaType::Double ? QLocale(QLocale::Turkish).toString(number)
                                                          : value.toString();
    case FieldType::Date:
        break;
    }
    throw DataError(notValid(field, value.toString(), QStringLiteral("bir tarih")));
}

} // namespace

QVariant storedValue(const FieldInfo& field, const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return QVariant();
    const int type = value.metaType().id();
    if (value.metaType() == QMetaType::fromType<Money>()) {
        const Money m = value.value<Money>();
        if (field.type == FieldType::Money)
            return m.units();
        return storedValue(field, m.toEditText());
    }
    if (type == QMetaType::QDate || type == QMetaType::QDateTime) {
        if (field.type == FieldType::Date)
            return value.toDate().toString(Qt::ISODate);
        return fromText(field, value.toDate().toString(QStringLiteral("dd.MM.yyyy")));
    }
    if (type == QMetaType::QString)
        return fromText(field, value.toString());
    if (type == QMetaType::Bool)
        return fromNumber(field, qint64(value.toBool()));
    return fromNumber(field, value);
}

QString filterLiteral(QString value)
{
    return QLatin1Char('\'') + value.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

FilterExpression FilterExpression::parse(const QString& text, const TableInfo& table)
{
    FilterExpression e;
    e.m_comparisons = Parser(text, table).parse();
    return e;
}

QString FilterExpression::sql(const TableInfo& table, const QString& prefix) const
{
    QStringList parts;
    for (int i = 0; i < m_comparisons.size(); ++i) {
        const auto& c = m_comparisons[i];
        const QString name = table.fields[c.fieldIndex].name;
        QString part = QStringLiteral("\"%1\" %2 :%3%4").arg(name, c.op, prefix).arg(i);
        // An empty text and a text never written look alike to the user.
        if (c.op == QLatin1String("=") && c.value.metaType().id() == QMetaType::QString && c.value.toString().isEmpty())
            part += QStringLiteral(" OR \"%1\" IS NULL").arg(name);
        parts << QLatin1Char('(') + part + QLatin1Char(')');
    }
    return parts.join(QStringLiteral(" AND "));
}

} // namespace dukkano
