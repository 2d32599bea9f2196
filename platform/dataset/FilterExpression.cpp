#include "FilterExpression.h"

#include "DataError.h"
#include "Money.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

QString badFilter(const QString& text, const QString& why)
{
    constexpr qsizetype shown = 200;
    const QString head = text.size() > shown ? text.left(shown) + u"…"_s : text;
    return u"Süzgeç ifadesi anlaşılamadı: %1\n%2"_s.arg(head, why);
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
            if (!takeWord(u"and"_s))
                fail(u"\"and\" bekleniyordu."_s);
            term(out);
        }
    }

private:
    void term(QVector<FilterComparison>& out)
    {
        skipBlanks();
        if (take(QLatin1Char('('))) {
            if (++m_depth > maxDepth)
                fail(u"Çok fazla iç içe parantez var (en çok %1)."_s.arg(maxDepth));
            term(out);
            skipBlanks();
            while (takeWord(u"and"_s))
                term(out), skipBlanks();
            if (!take(QLatin1Char(')')))
                fail(u"\")\" bekleniyordu."_s);
            --m_depth;
            return;
        }
        out.push_back(comparison());
    }

    FilterComparison comparison()
    {
        skipBlanks();
        if (!take(QLatin1Char('[')))
            fail(u"Alan adı \"[\" ile başlamalı."_s);
        const qsizetype close = m_text.indexOf(QLatin1Char(']'), m_pos);
        if (close < 0)
            fail(u"\"]\" bekleniyordu."_s);
        const QString name = m_text.mid(m_pos, close - m_pos).trimmed();
        m_pos = close + 1;
        FilterComparison c;
        c.fieldIndex = m_table.indexOf(name);
        if (c.fieldIndex < 0)
            fail(u"%1 tablosunda %2 alanı yok."_s.arg(m_table.name, name));
        skipBlanks();
        for (const char* op : {">=", "<=", "<>", "=", "<", ">"}) {
            if (m_text.mid(m_pos).startsWith(QLatin1String(op))) {
                c.op = QLatin1String(op);
                m_pos += c.op.size();
                break;
            }
        }
        if (c.op.isEmpty())
            fail(u"Karşılaştırma işareti (=, >=, <=) bekleniyordu."_s);
        c.value = storedValue(m_table.fields[c.fieldIndex], literal());
        if (c.value.isNull())
            fail(u"Boş bir değerle karşılaştırılamaz."_s);
        return c;
    }

    QVariant literal()
    {
        skipBlanks();
        if (take(QLatin1Char('\''))) {
            QString value;
            while (true) {
                if (atEnd())
                    fail(u"Tırnak kapanmamış."_s);
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
            fail(u"Tırnak içinde bir metin ya da bir sayı bekleniyordu."_s);
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


} // namespace


QString filterLiteral(QString value)
{
    return QLatin1Char('\'') + value.replace(QLatin1Char('\''), u"''"_s) + QLatin1Char('\'');
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
        QString part = u"\"%1\" %2 :%3%4"_s.arg(name, c.op, prefix).arg(i);
        // An empty text and a text never written look alike to the user.
        if (c.op == QLatin1String("=") && c.value.metaType().id() == QMetaType::QString && c.value.toString().isEmpty())
            part += u" OR \"%1\" IS NULL"_s.arg(name);
        parts << QLatin1Char('(') + part + QLatin1Char(')');
    }
    return parts.join(u" AND "_s);
}

} // namespace dukkano
