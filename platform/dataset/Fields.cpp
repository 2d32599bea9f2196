#include "Fields.h"

#include "DataError.h"
#include "Money.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

QString notValid(const FieldInfo& field, const QString& text, const QString& what)
{
    return u"\"%1\" alanı için \"%2\" geçerli %3 değil."_s.arg(field.name, text, what);
}

QVariant integerFrom(const FieldInfo& field, const QString& text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok)
        throw DataError(notValid(field, text, u"bir tam sayı"_s));
    return value;
}

QVariant wholeFrom(const FieldInfo& field, const QString& text)
{
    const Quantity quantity = parseQuantity(text);
    if (!quantity.ok())
        throw DataError(notValid(field, text, u"bir tam sayı"_s));
    return quantity.value;
}

QVariant dateFrom(const FieldInfo& field, const QString& text)
{
    for (const char* format : {"dd.MM.yyyy", "d.M.yyyy", "yyyy-MM-dd"}) {
        const QDate day = QDate::fromString(text, QLatin1String(format));
        if (day.isValid())
            return day.toString(Qt::ISODate);
    }
    throw DataError(notValid(field, text, u"bir tarih (gg.aa.yyyy)"_s));
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
            throw DataError(notValid(field, text, u"bir tutar"_s));
        return money->units();
    }
    case FieldType::Double: {
        bool ok = false;
        const double value = QLocale(QLocale::Turkish, QLocale::Turkey).toDouble(text, &ok);
        if (!ok)
            throw DataError(notValid(field, text, u"bir sayı"_s));
        return value;
    }
    case FieldType::Boolean: {
        const QString t = text.toLower();
        if (t == QLatin1String("true") || t == QLatin1String("evet") || t == QLatin1String("1"))
            return qint64(1);
        if (t == QLatin1String("false") || t == u"hayır"_s || t == QLatin1String("0"))
            return qint64(0);
        throw DataError(notValid(field, text, u"bir evet/hayır değeri"_s));
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
            throw DataError(notValid(field, QLocale(QLocale::Turkish).toString(number), u"bir tam sayı"_s));
        return value.toLongLong();
    case FieldType::Text:
    case FieldType::Memo:
        return value.metaType().id() == QMetaType::Double ? QLocale(QLocale::Turkish).toString(number)
                                                          : value.toString();
    case FieldType::Date:
        break;
    }
    throw DataError(notValid(field, value.toString(), u"bir tarih"_s));
}

} // namespace

bool FieldInfo::isNumeric() const
{
    return type != FieldType::Text && type != FieldType::Memo && type != FieldType::Date;
}

int TableInfo::indexOf(const QString& field) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

FieldInfo fieldFrom(const QString& name, const QString& declared, bool primaryKey)
{
    static const QRegularExpression textWidth(uR"(^TEXT\((\d+)\)$)"_s,
                                              QRegularExpression::CaseInsensitiveOption);
    const QString type = declared.trimmed().toUpper();
    FieldInfo f{name, FieldType::Memo, 0};
    if (primaryKey && type == QLatin1String("INTEGER"))
        f.type = FieldType::Key;
    else if (type == QLatin1String("INTEGER"))
        f.type = FieldType::Integer;
    else if (const auto m = textWidth.match(type); m.hasMatch()) {
        f.type = FieldType::Text;
        f.width = m.captured(1).toInt();
    } else if (type == QLatin1String("CURRENCY"))
        f.type = FieldType::Money;
    else if (type.startsWith(QLatin1String("DECIMAL")))
        f.type = FieldType::Whole;
    else if (type == QLatin1String("DOUBLE"))
        f.type = FieldType::Double;
    else if (type == QLatin1String("BOOLEAN"))
        f.type = FieldType::Boolean;
    else if (type == QLatin1String("DATE"))
        f.type = FieldType::Date;
    return f;
}

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
        return fromText(field, value.toDate().toString(u"dd.MM.yyyy"_s));
    }
    if (type == QMetaType::QString)
        return fromText(field, value.toString());
    if (type == QMetaType::Bool)
        return fromNumber(field, qint64(value.toBool()));
    return fromNumber(field, value);
}

QVariant typedValue(const FieldInfo& f, const QVariant& stored)
{
    if (stored.isNull())
        return QVariant();
    switch (f.type) {
    case FieldType::Money:
        return QVariant::fromValue(Money::fromUnits(stored.toLongLong()));
    case FieldType::Date:
        return QDate::fromString(stored.toString().left(10), Qt::ISODate);
    case FieldType::Boolean:
        return stored.toLongLong() != 0;
    case FieldType::Key:
    case FieldType::Integer:
    case FieldType::Whole:
        return stored.toLongLong();
    case FieldType::Double:
        return stored.toDouble();
    case FieldType::Text:
    case FieldType::Memo:
        return stored.toString();
    }
    return stored;
}

QString displayText(const QVariant& value, bool moneyAsCurrency)
{
    if (value.isNull())
        return QString();
    if (value.metaType() == QMetaType::fromType<Money>()) {
        const Money m = value.value<Money>();
        return moneyAsCurrency ? m.toCurrency() : m.toEditText();
    }
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return value.toDate().toString(u"dd.MM.yyyy"_s);
    case QMetaType::Double:
        return QLocale(QLocale::Turkish, QLocale::Turkey).toString(value.toDouble(), 'g', 15).remove(QLatin1Char('.'));
    case QMetaType::Bool:
        return value.toBool() ? u"True"_s : u"False"_s;
    default:
        return value.toString();
    }
}

} // namespace dukkano
