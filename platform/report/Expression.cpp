// Parsing and evaluating report expressions: a small recursive-descent parser over the text in
// brackets, and arithmetic that keeps money exact.
#include "Expression.h"

#include "DataError.h"
#include "Money.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

using namespace Qt::Literals::StringLiterals;

namespace dukkano::report {
namespace {

const QStringList variableNames = {u"Date"_s, u"Time"_s, u"Page"_s,
                                   u"Page#"_s, u"TotalPages#"_s,
                                   u"Line"_s, u"Line#"_s};

class Parser {
public:
    explicit Parser(const QString& text) : m_text(text) {}

    std::unique_ptr<Node> parseAll()
    {
        auto node = expression();
        skipBlanks();
        if (m_pos < m_text.size())
            fail(u"fazladan \"%1\""_s.arg(m_text.mid(m_pos)));
        return node;
    }

private:
    [[noreturn]] void fail(const QString& what) const
    {
        throw DataError(u"\"[%1]\" ifadesi anlaşılamadı: %2"_s.arg(m_text, what));
    }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    bool accept(QChar c)
    {
        skipBlanks();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    void expect(QChar c)
    {
        if (!accept(c))
            fail(u"\"%1\" bekleniyordu"_s.arg(c));
    }

    static std::unique_ptr<Node> binary(QChar op, std::unique_ptr<Node> a, std::unique_ptr<Node> b)
    {
        auto n = std::make_unique<Node>();
        n->kind = Node::Kind::Binary;
        n->op = op;
        n->args.push_back(std::move(a));
        n->args.push_back(std::move(b));
        return n;
    }

    std::unique_ptr<Node> expression()
    {
        auto left = term();
        for (;;) {
            if (accept(u'+'))
                left = binary(u'+', std::move(left), term());
            else if (accept(u'-'))
                left = binary(u'-', std::move(left), term());
            else
                return left;
        }
    }

    std::unique_ptr<Node> term()
    {
        auto left = unary();
        for (;;) {
            if (accept(u'*'))
                left = binary(u'*', std::move(left), unary());
            else if (accept(u'/'))
                left = binary(u'/', std::move(left), unary());
            else
                return left;
        }
    }

    std::unique_ptr<Node> unary()
    {
        if (accept(u'-')) {
            auto n = std::make_unique<Node>();
            n->kind = Node::Kind::Negate;
            n->args.push_back(unary());
            return n;
        }
        return primary();
    }

    QString identifier()
    {
        skipBlanks();
        const int start = m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == u'_'))
            ++m_pos;
        if (m_pos == start)
            fail(u"bir ad bekleniyordu"_s);
        return m_text.mid(start, m_pos - start);
    }

    QString quoted(QChar quote)
    {
        QString result;
        for (++m_pos; m_pos < m_text.size(); ++m_pos) {
            if (m_text[m_pos] == quote) {
                if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == quote) {
                    result += quote;
                    ++m_pos;
                    continue;
                }
                ++m_pos;
                return result;
            }
            result += m_text[m_pos];
        }
        fail(u"kapanmayan tırnak"_s);
    }

    std::unique_ptr<Node> number()
    {
        const int start = m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isDigit() || m_text[m_pos] == u'.'))
            ++m_pos;
        const QString digits = m_text.mid(start, m_pos - start);
        auto n = std::make_unique<Node>();
        bool ok = false;
        if (digits.contains(u'.'))
            n->value = digits.toDouble(&ok);
        else
            n->value = digits.toLongLong(&ok);
        if (!ok)
            fail(u"geçersiz sayı \"%1\""_s.arg(digits));
        return n;
    }

    // ds."Field" (the quotes may be left out for a plain name)
    std::unique_ptr<Node> fieldAfter(const QString& dataset)
    {
        auto n = std::make_unique<Node>();
        n->kind = Node::Kind::Field;
        n->dataset = dataset;
        skipBlanks();
        n->name = (m_pos < m_text.size() && m_text[m_pos] == u'"') ? quoted(u'"') : identifier();
        if (n->name.isEmpty())
            fail(u"alan adı boş"_s);
        return n;
    }

    std::unique_ptr<Node> sum()
    {
        expect(u'(');
        auto n = std::make_unique<Node>();
        n->kind = Node::Kind::Sum;
        n->args.push_back(expression());
        expect(u',');
        n->name = identifier();
        expect(u')');
        return n;
    }

    std::unique_ptr<Node> primary()
    {
        skipBlanks();
        if (m_pos >= m_text.size())
            fail(u"ifade eksik"_s);
        const QChar c = m_text[m_pos];
        if (c.isDigit())
            return number();
        if (c == u'\'') {
            auto n = std::make_unique<Node>();
            n->value = quoted(u'\'');
            return n;
        }
        if (accept(u'(')) {
            auto n = expression();
            expect(u')');
            return n;
        }
        if (accept(u'<')) {
            const QString dataset = identifier();
            expect(u'.');
            auto n = fieldAfter(dataset);
            expect(u'>');
            return n;
        }
        QString name = identifier();
        if (accept(u'.'))
            return fieldAfter(name);
        if (name.compare(QLatin1String("SUM"), Qt::CaseInsensitive) == 0)
            return sum();
        if (accept(u'#'))
            name += u'#';
        for (const QString& known : variableNames) {
            if (known.compare(name, Qt::CaseInsensitive) == 0) {
                auto n = std::make_unique<Node>();
                n->kind = Node::Kind::Variable;
                n->name = known;
                return n;
            }
        }
        fail(u"bilinmeyen ad \"%1\""_s.arg(name));
    }

    QString m_text;
    int m_pos = 0;
};

// The end of the expression that starts after '[' at start, skipping quoted names; -1 if none.
int closingBracket(const QString& text, int start)
{
    QChar quote;
    for (int i = start; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u']') {
            return i;
        }
    }
    return -1;
}

bool isMoney(const QVariant& v) { return v.metaType() == QMetaType::fromType<Money>(); }
bool isWhole(const QVariant& v)
{
    const int id = v.metaType().id();
    return id == QMetaType::LongLong || id == QMetaType::Int || id == QMetaType::Bool;
}
bool isReal(const QVariant& v) { return v.metaType().id() == QMetaType::Double; }
bool isNumber(const QVariant& v) { return isMoney(v) || isWhole(v) || isReal(v); }

double toReal(const QVariant& v) { return isMoney(v) ? v.value<Money>().toDouble() : v.toDouble(); }
Money toMoney(const QVariant& v)
{
    if (isMoney(v))
        return v.value<Money>();
    if (isWhole(v))
        return Money::fromLira(v.toLongLong());
    return Money::fromDouble(v.toDouble());
}

QVariant moneyValue(Money m) { return QVariant::fromValue(m); }

QString displayText(const QVariant& v)
{
    if (v.isNull() || !v.isValid())
        return QString();
    if (isMoney(v))
        return v.value<Money>().toEditText();
    switch (v.metaType().id()) {
    case QMetaType::Double:
        return QString::number(v.toDouble(), 'g', 15).replace(u'.', u',');
    case QMetaType::QDate:
        return v.toDate().toString(u"dd.MM.yyyy"_s);
    case QMetaType::QTime:
        return v.toTime().toString(u"HH:mm:ss"_s);
    case QMetaType::Bool:
        return v.toBool() ? u"True"_s : u"False"_s;
    default:
        return v.toString();
    }
}

QVariant arithmetic(QChar op, QVariant a, QVariant b)
{
    if (op == u'+' && (a.metaType().id() == QMetaType::QString || b.metaType().id() == QMetaType::QString))
        return displayText(a) + displayText(b);
    if (a.isNull())
        a = qint64(0);
    if (b.isNull())
        b = qint64(0);
    if (!isNumber(a) || !isNumber(b))
        return QVariant();
    if (op == u'/') {
        if (toReal(b) == 0)
            return QVariant();  // nothing sensible to print
        if (isMoney(a) && !isMoney(b))
            return moneyValue(Money::fromDouble(toReal(a) / toReal(b)));
        return toReal(a) / toReal(b);
    }
    if (isWhole(a) && isWhole(b)) {
        const qint64 x = a.toLongLong(), y = b.toLongLong();
        return op == u'+' ? x + y : op == u'-' ? x - y : x * y;
    }
    if (isMoney(a) || isMoney(b)) {
        if (op == u'*') {
            if (isMoney(a) && isWhole(b))
                return moneyValue(a.value<Money>().times(b.toLongLong()));
            if (isWhole(a) && isMoney(b))
                return moneyValue(b.value<Money>().times(a.toLongLong()));
            return moneyValue(Money::fromDouble(toReal(a) * toReal(b)));
        }
        return moneyValue(op == u'+' ? toMoney(a) + toMoney(b) : toMoney(a) - toMoney(b));
    }
    const double x = toReal(a), y = toReal(b);
    return op == u'+' ? x + y : op == u'-' ? x - y : x * y;
}

} // namespace

CompiledText compileText(const QString& text)
{
    CompiledText result;
    QString literal;
    int pos = 0;
    while (pos < text.size()) {
        const int open = text.indexOf(u'[', pos);
        const int close = open < 0 ? -1 : closingBracket(text, open + 1);
        if (open < 0 || close < 0) {
            literal += text.mid(pos);
            break;
        }
        literal += text.mid(pos, open - pos);
        if (!literal.isEmpty())
            result.segments.push_back({literal, nullptr});
        literal.clear();
        result.segments.push_back({QString(), Parser(text.mid(open + 1, close - open - 1)).parseAll()});
        pos = close + 1;
    }
    if (!literal.isEmpty())
        result.segments.push_back({literal, nullptr});
    return result;
}

void forEachNode(const Node& node, const std::function<void(const Node&)>& visit)
{
    visit(node);
    for (const auto& arg : node.args)
        forEachNode(*arg, visit);
}

QVariant add(const QVariant& a, const QVariant& b)
{
    return arithmetic(u'+', a, b);
}

QVariant evaluate(const Node& node, EvaluationContext& context)
{
    switch (node.kind) {
    case Node::Kind::Literal:
        return node.value;
    case Node::Kind::Field:
        return context.field(node.dataset, node.name);
    case Node::Kind::Variable:
        return context.variable(node.name);
    case Node::Kind::Sum:
        return context.sum(node);
    case Node::Kind::Negate:
        return arithmetic(u'-', qint64(0), evaluate(*node.args[0], context));
    case Node::Kind::Binary:
        return arithmetic(node.op, evaluate(*node.args[0], context), evaluate(*node.args[1], context));
    }
    return QVariant();
}

bool isKnownFormat(const QString& format)
{
    static const QRegularExpression twoDecimals(u"^%\\d*\\.2n$"_s);
    return format.isEmpty() || twoDecimals.match(format).hasMatch();
}

QString formatValue(const QVariant& value, const QString& format)
{
    if (format.isEmpty() || value.isNull() || !value.isValid())
        return displayText(value);
    if (isNumber(value))
        return toMoney(value).toPlain();
    if (value.metaType().id() == QMetaType::QString)
        if (const auto m = Money::parse(value.toString()))
            return m->toPlain();
    return displayText(value);
}

QString evaluateText(const CompiledText& text, EvaluationContext& context, const QString& format)
{
    QString result;
    for (const auto& segment : text.segments)
        result += segment.expression ? formatValue(evaluate(*segment.expression, context), format)
                                     : segment.literal;
    return result;
}

QString totalPagesPlaceholder()
{
    return u"\uE000TotalPages\uE001"_s;
}

} // namespace dukkano::report
