// The expressions of report texts: "[Date]", "[ds."Field"]", "[<ds."A">*<ds."B">]",
// "[SUM(<ds."Field">,MasterData1)]", text around the brackets kept as it is, and the display
// formats, always in Turkish whatever the system locale.
#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace dukkano::report {

struct Node {
    enum class Kind { Literal, Field, Variable, Negate, Binary, Sum };
    Kind kind = Kind::Literal;
    QVariant value;   // Literal: qint64, double or QString
    QString dataset;  // Field
    QString name;     // Field: the field; Variable: "Date", "Page#"...; Sum: the band it runs over
    QChar op;         // Binary: + - * /
    std::vector<std::unique_ptr<Node>> args;
};

// A text cut into literal pieces and expressions.
struct CompiledText {
    struct Segment {
        QString literal;
        std::shared_ptr<const Node> expression;  // null for a literal piece
    };
    std::vector<Segment> segments;
};

// Throws DataError with a Turkish message when an expression in brackets does not parse.
CompiledText compileText(const QString& text);
void forEachNode(const Node& node, const std::function<void(const Node&)>& visit);

// What an expression reads: fields, the running sums and the report's variables.
class EvaluationContext {
public:
    virtual ~EvaluationContext() = default;
    virtual QVariant field(const QString& dataset, const QString& field) = 0;
    virtual QVariant sum(const Node& sumNode) = 0;
    virtual QVariant variable(const QString& name) = 0;  // canonical name: "Date", "Page#"...
};

// Values are null, qint64, double, Money, QString, QDate or QTime. A null in arithmetic counts
// as 0; money stays exact under addition and under multiplication by whole numbers.
QVariant evaluate(const Node& node, EvaluationContext& context);
QVariant add(const QVariant& a, const QVariant& b);

// "" or "%2.2n" (two decimals, thousands dots, decimal comma, no currency text).
bool isKnownFormat(const QString& format);
QString formatValue(const QVariant& value, const QString& format);
QString evaluateText(const CompiledText& text, EvaluationContext& context, const QString& format);

// Stands for the page count until the last page is known; the engine replaces it.
QString totalPagesPlaceholder();

} // namespace dukkano::report
