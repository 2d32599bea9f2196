#include "Dataset.h"

#include <QLocale>
#include <QMetaMethod>
#include <QRegularExpression>
#include <algorithm>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

constexpr int pageSize = 64;
constexpr int cacheLimit = 4096;

QString quoted(const QString& name) { return QLatin1Char('"') + name + QLatin1Char('"'); }

[[noreturn]] void misuse(const QString& what)
{
    throw std::logic_error(what.toStdString());
}


// An order by plain columns that begin an index is carried on to the index's other columns,
// so that SQLite walks the index instead of sorting every row; rows equal in the given
// columns then keep one fixed order.
QString alongIndex(const QString& orderBy, const TableInfo& table)
{
    QStringList columns;
    for (const QString& part : orderBy.split(QLatin1Char(','))) {
        const QString name = part.trimmed().remove(QLatin1Char('"'));
        if (name.isEmpty() || name.contains(QLatin1Char(' ')))
            return orderBy;
        columns << name;
    }
    for (const QStringList& index : table.indexes) {
        if (index.size() <= columns.size())
            continue;
        const bool leads = std::equal(columns.begin(), columns.end(), index.begin(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) == 0;
        });
        if (leads) {
            QStringList all;
            for (const QString& c : index)
                all << quoted(c);
            return all.join(u", "_s);
        }
    }
    return orderBy;
}

} // namespace

// A source text taken apart: a table name alone, or one SELECT over one table. Each distinct
// text is parsed once; the list windows' searches switch between a few texts on every key.
struct Dataset::Source {
    QString table;
    QStringList columns;  // empty: every column
    QString where;
    QString orderBy;

    static const Source& of(const QString& text);
};

const Dataset::Source& Dataset::Source::of(const QString& text)
{
    static QHash<QString, Source> parsed;
    if (auto it = parsed.constFind(text); it != parsed.constEnd())
        return *it;
    static const QRegularExpression shape(
        uR"re(^\s*select\s+(.+?)\s+from\s+"?(\w+)"?(?:\s+where\s+(.+?))?(?:\s+order\s+by\s+(.+?))?\s*;?\s*$)re"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto m = shape.match(text);
    Source source;
    if (!m.hasMatch()) {
        if (text.trimmed().contains(QLatin1Char(' ')))
            throw DataError(u"Sorgu anlaşılamadı: %1"_s.arg(text));
        source.table = text.trimmed();
    } else {
        source.table = m.captured(2);
        source.where = m.captured(3).trimmed();
        source.orderBy = m.captured(4).trimmed();
        if (const QString columns = m.captured(1).trimmed(); columns != QLatin1String("*"))
            for (const QString& c : columns.split(QLatin1Char(',')))
                source.columns << c.trimmed();
    }
    return *parsed.insert(text, source);
}

Dataset::Dataset(Database& db, const QString& source, QObject* parent)
    : QObject(parent), m_db(db)
{
    setSql(source);
}

Dataset::~Dataset() = default;

void Dataset::setSql(const QString& select)
{
    if (isOpen())
        close();
    m_source = select;
    m_fields.clear();
    m_tableColumn.clear();
    m_baseWhere.clear();
    m_orderBy.clear();
    m_params.clear();

    const Source& source = Source::of(select);
    m_table = m_db.table(source.table);
    m_baseWhere = source.where;
    m_orderBy = alongIndex(source.orderBy, m_table);

    if (source.columns.isEmpty()) {
        for (int i = 0; i < m_table.fields.size(); ++i)
            m_tableColumn << i;
    } else {
        for (const QString& c : source.columns) {
            const int i = m_table.indexOf(c.trimmed().remove(QLatin1Char('"')));
            if (i < 0)
                throw DataError(u"%1 tablosunda %2 alanı yok."_s.arg(m_table.name, c.trimmed()));
            m_tableColumn << i;
        }
        if (!m_tableColumn.contains(m_table.keyIndex))
            m_tableColumn << m_table.keyIndex;
    }
    QStringList names;
    for (int i : m_tableColumn) {
        m_fields << m_table.fields[i];
        names << quoted(m_table.fields[i].name);
    }
    m_columnList = names.join(u", "_s);
}

void Dataset::bindValue(const QString& name, const QVariant& value)
{
    m_params.insert(name.startsWith(QLatin1Char(':')) ? name : QLatin1Char(':') + name, value);
}

int Dataset::fieldIndex(const QString& field) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const FieldInfo& Dataset::field(const QString& name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DataError(u"%1 içinde %2 alanı yok."_s.arg(m_table.name, name));
    return m_fields[i];
}

QString Dataset::keyField() const { return m_table.key().name; }
bool Dataset::keyOrdered() const { return m_orderBy.isEmpty(); }

// ---- opening and filtering

void Dataset::open()
{
    if (isOpen())
        return;
    m_cache.clear();
    setState(State::Browse);
    if (m_filtered && !m_filterText.trimmed().isEmpty() && !m_filterExpr)
        m_filterExpr = FilterExpression::parse(m_filterText, m_table);
    showVisibleRows();
}

// After opening and every filter switch: the visible rows afresh, the first one current.
// The rows are those stored now; rows others add later stay out until the next switch, so
// that the count, the ends and the positions always describe one and the same set.
void Dataset::showVisibleRows()
{
    m_keys.reset();
    m_count.reset();
    m_ownKeys.clear();
    auto st = m_db.prepare(u"SELECT max(%1) FROM %2"_s.arg(quoted(keyField()), quoted(m_table.name)));
    st.step();
    m_lastStoredKey = st.columnInt(0);
    if (!keyOrdered())
        materialize();
    positionAtEdge(true);
    emit reset();
    emit afterScroll();
}

void Dataset::close()
{
    if (!isOpen())
        return;
    m_keys.reset();
    m_count.reset();
    m_ownKeys.clear();
    m_cache.clear();
    m_buffer.clear();
    clearPosition();
    setState(State::Closed);
    emit reset();
}

void Dataset::setFilter(const QString& text)
{
    if (text == m_filterText)
        return;
    if (!m_filtered || !isOpen()) {
        m_filterText = text;
        m_filterExpr.reset();
        return;
    }
    auto expr = text.trimmed().isEmpty() ? std::optional<FilterExpression>()
                                         : FilterExpression::parse(text, m_table);
    post();
    m_filterText = text;
    m_filterExpr = std::move(expr);
    showVisibleRows();
}

void Dataset::setFiltered(bool on)
{
    if (on == m_filtered)
        return;
    std::optional<FilterExpression> expr;
    if (on && !m_filterText.trimmed().isEmpty())
        expr = FilterExpression::parse(m_filterText, m_table);
    if (isOpen())
        post();  // a pending edit is stored, as on any move
    m_filtered = on;
    m_filterExpr = std::move(expr);
    if (isOpen())
        showVisibleRows();
}

QString Dataset::whereClause(bool withFilter) const
{
    QStringList parts;
    if (!m_baseWhere.isEmpty())
        parts << QLatin1Char('(') + m_baseWhere + QLatin1Char(')');
    if (withFilter)
        parts << quoted(keyField()) + u" <= :lastStoredKey"_s;
    if (withFilter && m_filtered && m_filterExpr)
        parts << m_filterExpr->sql(m_table);
    return parts.isEmpty() ? QString() : u" WHERE "_s + parts.join(u" AND "_s);
}

void Dataset::bindWhere(ScopedStatement& st, bool withFilter) const
{
    for (auto it = m_params.cbegin(); it != m_params.cend(); ++it)
        st.bind(it.key(), it.value());
    if (withFilter)
        st.bind(u":lastStoredKey"_s, m_lastStoredKey);
    if (withFilter && m_filtered && m_filterExpr) {
        const auto& cs = m_filterExpr->comparisons();
        for (int i = 0; i < cs.size(); ++i)
            st.bind(u":f%1"_s.arg(i), cs[i].value);
    }
}

// ---- positions

void Dataset::materialize()
{
    if (m_keys)
        return;
    const QString order = keyOrdered() ? quoted(keyField()) : m_orderBy + u", "_s + quoted(keyField());
    auto st = m_db.prepare(u"SELECT %1 FROM %2%3 ORDER BY %4"_s
                                     .arg(quoted(keyField()), quoted(m_table.name), whereClause(true), order));
    bindWhere(st, true);
    QVector<qint64> keys;
    while (st.step())
        keys.push_back(st.columnInt(0));
    keys += m_ownKeys;
    m_ownKeys.clear();
    m_keys = std::move(keys);
    m_count.reset();
    if (m_currentKey == 0) {
        m_index = -1;
        return;
    }
    auto it = keyOrdered() ? std::lower_bound(m_keys->begin(), m_keys->end(), m_currentKey)
                           : std::find(m_keys->begin(), m_keys->end(), m_currentKey);
    if (it == m_keys->end() || *it != m_currentKey)
        moveToIndex(it == m_keys->end() ? int(m_keys->size()) - 1 : int(it - m_keys->begin()));
    else
        m_index = int(it - m_keys->begin());
}

// Row signals carry positions: when something listens to them, the keys are listed first.
bool Dataset::listRowsForWatchers()
{
    static const QMetaMethod rowSignals[] = {QMetaMethod::fromSignal(&Dataset::rowInserted),
                                             QMetaMethod::fromSignal(&Dataset::rowRemoved),
                                             QMetaMethod::fromSignal(&Dataset::rowChanged)};
    const bool watched = std::any_of(std::begin(rowSignals), std::end(rowSignals),
                                     [this](const QMetaMethod& s) { return isSignalConnected(s); });
    if (watched)
        materialize();
    return watched;
}

void Dataset::clearPosition()
{
    m_index = -1;
    m_currentKey = 0;
    m_eof = m_bof = true;
}

void Dataset::moveToIndex(int index)
{
    if (!m_keys || m_keys->isEmpty()) {
        clearPosition();
        return;
    }
    m_index = std::clamp(index, 0, int(m_keys->size()) - 1);
    m_currentKey = (*m_keys)[m_index];
    m_eof = m_bof = false;
}

void Dataset::positionAtEdge(bool atFirst)
{
    if (m_keys) {
        moveToIndex(atFirst ? 0 : int(m_keys->size()) - 1);
    } else if (!atFirst && !m_ownKeys.isEmpty()) {
        m_currentKey = m_ownKeys.back();  // appended here, after every stored row
        m_index = -1;
        m_eof = m_bof = false;
    } else {
        // A key-ordered object finds its ends without listing every key.
        auto st = m_db.prepare(u"SELECT %1 FROM %2%3 ORDER BY %1 %4 LIMIT 1"_s
                                         .arg(quoted(keyField()), quoted(m_table.name), whereClause(true),
                                              atFirst ? u"ASC"_s : u"DESC"_s));
        bindWhere(st, true);
        const qint64 found = st.step() ? st.columnInt(0) : (m_ownKeys.isEmpty() ? 0 : m_ownKeys.front());
        if (found != 0) {
            m_currentKey = found;
            m_index = -1;
            m_eof = m_bof = false;
        } else {
            clearPosition();
        }
    }
    if (m_currentKey != 0)
        m_bof = atFirst;
}

void Dataset::requireOpen() const
{
    if (!isOpen())
        misuse(u"%1 kapalıyken kullanıldı."_s.arg(m_source));
}

void Dataset::first()
{
    requireOpen();
    if (m_state != State::Browse)
        post();
    positionAtEdge(true);
    emit afterScroll();
}

void Dataset::last()
{
    requireOpen();
    if (m_state != State::Browse)
        post();
    positionAtEdge(false);
    emit afterScroll();
}

void Dataset::next()
{
    requireOpen();
    if (m_state != State::Browse)
        post();
    materialize();
    if (m_index < 0 || m_index + 1 >= m_keys->size()) {
        m_eof = true;
        return;
    }
    moveToIndex(m_index + 1);
    emit afterScroll();
}

void Dataset::prior()
{
    requireOpen();
    if (m_state != State::Browse)
        post();
    materialize();
    if (m_index <= 0) {
        m_bof = true;
        return;
    }
    moveToIndex(m_index - 1);
    emit afterScroll();
}

bool Dataset::isEmpty()
{
    return m_currentKey == 0 && m_state != State::Insert;
}

int Dataset::recordCount()
{
    if (!isOpen())
        return 0;
    const int pending = m_state == State::Insert ? 1 : 0;
    if (m_keys)
        return int(m_keys->size()) + pending;
    if (!m_count) {
        auto st = m_db.prepare(u"SELECT count(*) FROM %1%2"_s.arg(quoted(m_table.name), whereClause(true)));
        bindWhere(st, true);
        st.step();
        m_count = int(st.columnInt(0));
    }
    return *m_count + int(m_ownKeys.size()) + pending;
}

int Dataset::currentRow()
{
    if (!isOpen())
        return -1;
    materialize();
    if (m_state == State::Insert)
        return int(m_keys->size());
    return m_index;
}

int Dataset::recNo() { return currentRow() + 1; }

void Dataset::setRecNo(int recNo)
{
    requireOpen();
    if (m_state != State::Browse)
        post();
    materialize();
    if (m_keys->isEmpty())
        return;
    const int target = std::clamp(recNo - 1, 0, int(m_keys->size()) - 1);
    if (target == m_index)
        return;
    moveToIndex(target);
    emit afterScroll();
}

// ---- lookups

std::optional<QVariantMap> Dataset::lookup(const QString& fieldName, const QVariant& value,
                                           const QStringList& wanted) const
{
    const int i = m_table.indexOf(fieldName);
    if (i < 0)
        throw DataError(u"%1 tablosunda %2 alanı yok."_s.arg(m_table.name, fieldName));
    QStringList columns;
    QVector<int> indexes;
    for (const QString& w : wanted) {
        const int j = m_table.indexOf(w);
        if (j < 0)
            throw DataError(u"%1 tablosunda %2 alanı yok."_s.arg(m_table.name, w));
        indexes << j;
        columns << quoted(m_table.fields[j].name);
    }
    QString where = whereClause(false);
    where += (where.isEmpty() ? u" WHERE "_s : u" AND "_s)
             + quoted(m_table.fields[i].name) + u" = :lookup"_s;
    auto st = m_db.prepare(u"SELECT %1 FROM %2%3 ORDER BY %4 LIMIT 1"_s
                                     .arg(columns.join(u", "_s), quoted(m_table.name), where,
                                          quoted(keyField())));
    bindWhere(st, false);
    st.bind(u":lookup"_s, storedValue(m_table.fields[i], value));
    if (!st.step())
        return std::nullopt;
    QVariantMap result;
    for (int c = 0; c < indexes.size(); ++c)
        result.insert(m_table.fields[indexes[c]].name, typedValue(m_table.fields[indexes[c]], st.column(c)));
    return result;
}

bool Dataset::locate(const QString& fieldName, const QVariant& value)
{
    requireOpen();
    const FieldInfo& f = field(fieldName);
    const QVariant stored = storedValue(f, value);
    materialize();
    // A key in an object ordered by key is found among the listed keys without reading rows.
    if (f.type == FieldType::Key && keyOrdered()) {
        const qint64 key = stored.toLongLong();
        const auto it = std::lower_bound(m_keys->begin(), m_keys->end(), key);
        if (it == m_keys->end() || *it != key)
            return false;
        if (int(it - m_keys->begin()) != m_index) {
            moveToIndex(int(it - m_keys->begin()));
            emit afterScroll();
        }
        return true;
    }
    for (int row = 0; row < m_keys->size(); ++row) {
        if (valueAt(row, fieldIndex(fieldName)) == typedValue(f, stored)) {
            if (row != m_index) {
                moveToIndex(row);
                emit afterScroll();
            }
            return true;
        }
    }
    return false;
}

// ---- rows

Dataset::Row Dataset::fetchRow(qint64 key)
{
    auto st = m_db.prepare(u"SELECT %1 FROM %2 WHERE %3 = ?"_s
                                     .arg(m_columnList, quoted(m_table.name), quoted(keyField())));
    st.bind(1, key);
    Row row(m_fields.size());
    if (st.step()) {
        for (int c = 0; c < m_fields.size(); ++c)
            row[c] = st.column(c);
    }
    return row;
}

void Dataset::fetchPage(int index)
{
    if (m_cache.size() > cacheLimit)
        m_cache.clear();
    QStringList marks;
    for (int i = 0; i < pageSize; ++i)
        marks << u"?"_s;
    auto st = m_db.prepare(u"SELECT %1 FROM %2 WHERE %3 IN (%4)"_s
                                     .arg(m_columnList, quoted(m_table.name), quoted(keyField()),
                                          marks.join(QLatin1Char(','))));
    const int end = std::min(index + pageSize, int(m_keys->size()));
    for (int i = index; i < end; ++i) {
        st.bind(i - index + 1, (*m_keys)[i]);
        m_cache.insert((*m_keys)[i], Row(m_fields.size()));  // a row deleted elsewhere reads empty
    }
    const int keyColumn = m_tableColumn.indexOf(m_table.keyIndex);
    while (st.step()) {
        Row row(m_fields.size());
        for (int c = 0; c < m_fields.size(); ++c)
            row[c] = st.column(c);
        m_cache.insert(row[keyColumn].toLongLong(), row);
    }
}

const Dataset::Row& Dataset::rowForKey(qint64 key, int indexHint)
{
    auto it = m_cache.constFind(key);
    if (it != m_cache.constEnd())
        return *it;
    if (m_keys && indexHint >= 0 && indexHint < m_keys->size() && (*m_keys)[indexHint] == key)
        fetchPage(indexHint);
    else
        m_cache.insert(key, fetchRow(key));
    return *m_cache.constFind(key);
}

const Dataset::Row& Dataset::currentRowValues()
{
    static const Row none;
    if (m_state == State::Edit || m_state == State::Insert)
        return m_buffer;
    if (m_currentKey == 0)
        return none;
    return rowForKey(m_currentKey, m_index);
}

QVariant Dataset::valueAt(int row, int fieldIndex)
{
    if (!isOpen() || fieldIndex < 0 || fieldIndex >= m_fields.size())
        return QVariant();
    materialize();
    const bool bufferRow = (m_state == State::Insert && row == m_keys->size())
                           || (m_state == State::Edit && row == m_index);
    if (bufferRow)
        return typedValue(m_fields[fieldIndex], m_buffer[fieldIndex]);
    if (row < 0 || row >= m_keys->size())
        return QVariant();
    return typedValue(m_fields[fieldIndex], rowForKey((*m_keys)[row], row)[fieldIndex]);
}

// ---- field reads

QVariant Dataset::readValue(const QString& fieldName)
{
    const int i = fieldIndex(fieldName);
    if (i < 0)
        throw DataError(u"%1 içinde %2 alanı yok."_s.arg(m_table.name, fieldName));
    if (!isOpen())
        return QVariant();
    const Row& row = currentRowValues();
    return row.isEmpty() ? QVariant() : typedValue(m_fields[i], row[i]);
}

QVariant Dataset::value(const QString& fieldName) { return readValue(fieldName); }

QString Dataset::text(const QString& fieldName)
{
    return displayText(readValue(fieldName));
}

qint64 Dataset::number(const QString& fieldName)
{
    const QVariant v = readValue(fieldName);
    if (v.metaType() == QMetaType::fromType<Money>())
        return qRound64(v.value<Money>().toDouble());
    if (v.metaType().id() == QMetaType::Double)
        return qRound64(v.toDouble());
    return v.toLongLong();
}

double Dataset::real(const QString& fieldName)
{
    const QVariant v = readValue(fieldName);
    if (v.metaType() == QMetaType::fromType<Money>())
        return v.value<Money>().toDouble();
    return v.toDouble();
}

Money Dataset::money(const QString& fieldName)
{
    const QVariant v = readValue(fieldName);
    if (v.isNull())
        return Money();
    if (v.metaType() == QMetaType::fromType<Money>())
        return v.value<Money>();
    if (v.metaType().id() == QMetaType::QString)
        return Money::parse(v.toString()).value_or(Money());
    if (v.metaType().id() == QMetaType::Double)
        return Money::fromDouble(v.toDouble());
    return Money::fromLira(v.toLongLong());
}

QDate Dataset::date(const QString& fieldName) { return readValue(fieldName).toDate(); }
bool Dataset::flag(const QString& fieldName) { return readValue(fieldName).toBool(); }
bool Dataset::isNull(const QString& fieldName) { return readValue(fieldName).isNull(); }

// ---- editing

void Dataset::setState(State s)
{
    if (m_state == s)
        return;
    m_state = s;
    emit stateChanged();
}

void Dataset::requireEditing(const char* what) const
{
    if (m_readOnly)
        misuse(u"%1 salt okunur; %2 yapılamaz."_s.arg(m_source, QLatin1String(what)));
    requireOpen();
}

void Dataset::append()
{
    requireEditing("ekleme");
    if (m_state != State::Browse)
        post();
    m_buffer = Row(m_fields.size());
    m_changed = QVector<bool>(m_fields.size(), false);
    setState(State::Insert);
    if (listRowsForWatchers())
        emit rowInserted(int(m_keys->size()));
}

void Dataset::edit()
{
    requireEditing("düzenleme");
    if (m_state != State::Browse)
        return;
    if (m_currentKey == 0)
        return append();
    m_buffer = rowForKey(m_currentKey, m_index);
    m_changed = QVector<bool>(m_fields.size(), false);
    setState(State::Edit);
}

void Dataset::setValue(const QString& fieldName, const QVariant& value)
{
    if (m_state != State::Edit && m_state != State::Insert)
        misuse(u"%1.%2 düzenleme kipi dışında yazıldı."_s.arg(m_table.name, fieldName));
    const int i = fieldIndex(fieldName);
    if (i < 0)
        throw DataError(u"%1 içinde %2 alanı yok."_s.arg(m_table.name, fieldName));
    if (m_fields[i].type == FieldType::Key)
        misuse(u"%1.%2 anahtar alanı yazılamaz."_s.arg(m_table.name, fieldName));
    m_buffer[i] = storedValue(m_fields[i], value);
    m_changed[i] = true;
    if (listRowsForWatchers())
        emit rowChanged(m_state == State::Insert ? int(m_keys->size()) : m_index);
}

void Dataset::checkWidths() const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        const FieldInfo& f = m_fields[i];
        if (!m_changed[i] || f.type != FieldType::Text)
            continue;
        const qsizetype length = m_buffer[i].toString().size();
        if (length > f.width)
            throw DataError(u"\"%1\" alanına en fazla %2 karakter yazılabilir; yazılan metin %3 karakter. Kayıt yapılmadı."_s
                                .arg(f.name).arg(f.width).arg(length));
    }
}

void Dataset::writeBuffer()
{
    QStringList names, marks;
    QVector<QVariant> values;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (!m_changed[i])
            continue;
        names << quoted(m_fields[i].name);
        marks << u"?"_s;
        values << m_buffer[i];
    }
    if (m_state == State::Insert) {
        const QString sql = names.isEmpty()
            ? u"INSERT INTO %1 DEFAULT VALUES"_s.arg(quoted(m_table.name))
            : u"INSERT INTO %1 (%2) VALUES (%3)"_s
                  .arg(quoted(m_table.name), names.join(u", "_s), marks.join(u", "_s));
        auto st = m_db.prepare(sql);
        for (int i = 0; i < values.size(); ++i)
            st.bind(i + 1, values[i]);
        st.step();
        m_currentKey = m_db.lastInsertId();
        return;
    }
    if (names.isEmpty())
        return;
    QStringList sets;
    for (const QString& n : names)
        sets << n + u" = ?"_s;
    auto st = m_db.prepare(u"UPDATE %1 SET %2 WHERE %3 = ?"_s
                                     .arg(quoted(m_table.name), sets.join(u", "_s), quoted(keyField())));
    for (int i = 0; i < values.size(); ++i)
        st.bind(i + 1, values[i]);
    st.bind(int(values.size()) + 1, m_currentKey);
    st.step();
}

void Dataset::post()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    emit beforePost();
    checkWidths();
    const bool inserting = m_state == State::Insert;
    const qint64 previousKey = m_currentKey;
    try {
        const NoDiskWait quick(m_db, !m_durable);
        writeBuffer();
    } catch (...) {
        m_currentKey = previousKey;
        throw;
    }
    m_cache.remove(m_currentKey);
    if (inserting && m_keys) {
        m_keys->push_back(m_currentKey);
        m_index = int(m_keys->size()) - 1;
    } else if (inserting) {
        m_ownKeys.push_back(m_currentKey);
        m_index = -1;
    }
    m_eof = m_bof = false;
    m_buffer.clear();
    setState(State::Browse);
    if (listRowsForWatchers())
        emit rowChanged(m_index);
    emit afterPost();
}

void Dataset::reread()
{
    if (m_state != State::Browse || m_currentKey == 0)
        return;
    m_cache.remove(m_currentKey);
    if (m_keys)
        emit rowChanged(m_index);
}

void Dataset::cancel()
{
    if (m_state == State::Insert) {
        m_buffer.clear();
        setState(State::Browse);
        if (listRowsForWatchers())
            emit rowRemoved(int(m_keys->size()));
        emit afterScroll();
    } else if (m_state == State::Edit) {
        m_buffer.clear();
        setState(State::Browse);
        if (listRowsForWatchers())
            emit rowChanged(m_index);
    }
}

void Dataset::remove()
{
    requireEditing("silme");
    if (m_state == State::Insert)
        return cancel();
    if (m_state == State::Edit)
        cancel();
    if (m_currentKey == 0)
        return;
    materialize();
    auto st = m_db.prepare(u"DELETE FROM %1 WHERE %2 = ?"_s.arg(quoted(m_table.name), quoted(keyField())));
    st.bind(1, m_currentKey);
    {
        const NoDiskWait quick(m_db, !m_durable);
        st.step();
    }
    m_cache.remove(m_currentKey);
    const int removed = m_index;
    m_keys->removeAt(removed);
    m_count.reset();
    emit rowRemoved(removed);
    moveToIndex(removed);
    emit afterScroll();
}

} // namespace dukkano
