// Filter expressions: "[Field]=value" comparisons, each optionally in round brackets, joined by
// "and". Literals are quoted texts (a doubled quote inside) or bare numbers; a quoted literal is
// converted to the field's type, days written dd.MM.yyyy. The result is parameterized SQL.
#pragma once

#include "Database.h"

#include <QString>
#include <QVariant>
#include <QVector>

namespace dukkano {

using namespace Qt::Literals::StringLiterals;

struct FilterComparison {
    int fieldIndex = -1;  // in the table
    QString op;           // "=", ">=", "<="
    QVariant value;       // converted to the field's stored form
};

class FilterExpression {
public:
    // Throws DataError with a Turkish message on a malformed expression or an unknown field.
    static FilterExpression parse(const QString& text, const TableInfo& table);

    // "(\"A\" = :f0) AND (\"B\" >= :f1)"; parameters named prefix0, prefix1...
    QString sql(const TableInfo& table, const QString& prefix = u"f"_s) const;
    const QVector<FilterComparison>& comparisons() const { return m_comparisons; }

private:
    QVector<FilterComparison> m_comparisons;
};

// A value as a quoted literal of a filter text: 'O''Neil'.
QString filterLiteral(QString value);


} // namespace dukkano
