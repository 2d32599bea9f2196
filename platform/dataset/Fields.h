// The column kinds of the shop's tables, and the one place where values change form: from
// what a caller gives to what is stored, from what is stored to a typed value, and from a
// typed value to the text a user reads.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace dukkano {

// Column kinds, declared in CREATE TABLE by the type names in brackets.
enum class FieldType {
    Key,      // INTEGER PRIMARY KEY AUTOINCREMENT
    Integer,  // INTEGER
    Text,     // TEXT(n): at most n characters
    Memo,     // TEXT
    Money,    // CURRENCY: a whole count of 1/10000 lira
    Whole,    // DECIMAL(18,0): whole quantities
    Double,   // DOUBLE
    Boolean,  // BOOLEAN
    Date,     // DATE: a calendar day as ISO text
};

struct FieldInfo {
    QString name;
    FieldType type = FieldType::Text;
    int width = 0;  // characters, for Text
    bool isNumeric() const;
};

struct TableInfo {
    QString name;
    QVector<FieldInfo> fields;
    int keyIndex = -1;
    QVector<QStringList> indexes;  // the columns of each index, in index order
    int indexOf(const QString& field) const;  // case-insensitive, -1 when missing
    const FieldInfo& key() const { return fields[keyIndex]; }
};

// A column's kind from its declared type ("TEXT(50)", "CURRENCY", ...).
FieldInfo fieldFrom(const QString& name, const QString& declared, bool primaryKey);

// The stored form of a value for a field: qint64 for keys, integers, whole numbers, money
// (in units) and booleans, double for doubles, ISO text for days, text for texts. Texts are
// read the Turkish way. Throws DataError naming the field when the value does not fit.
QVariant storedValue(const FieldInfo& field, const QVariant& value);

// A stored value as the field's type: Money, QDate, bool, qint64, double or QString; null
// stays null.
QVariant typedValue(const FieldInfo& field, const QVariant& stored);

// The text a user reads for a typed value: money as "2,5" (or "2,50 TL" with
// moneyAsCurrency), whole numbers plainly, doubles the Turkish way, days as dd.MM.yyyy.
QString displayText(const QVariant& typed, bool moneyAsCurrency = false);

} // namespace dukkano
