// Table and query objects: the rows of one table (ordered by key) or of one fixed SELECT over
// one table, with a filter expression, a current row, and append/edit/post/delete.
//
// Opening and every filter switch fix the set of visible keys; rows are read by key when they
// are needed and cached in small pages, so no object ever holds a whole table. A table object
// on a large table does not even list its keys until something asks for positions.
#pragma once

#include "Database.h"
#include "FilterExpression.h"
#include "Money.h"

#include <QDate>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <optional>

namespace dukkano {

class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Closed, Browse, Edit, Insert };

    // source: a table name ("Urunler") or a SELECT text ("select * from Urunler ORDER BY UrunAdi").
    Dataset(Database& db, const QString& source, QObject* parent = nullptr);
    ~Dataset() override;

    // Query objects replace their SELECT (the list windows' searches); the object is closed.
    void setSql(const QString& select);
    QString sql() const { return m_source; }
    // Binds a ":name" parameter of the SELECT text; takes effect at the next open.
    void bindValue(const QString& name, const QVariant& value);
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    // Rows nobody needs after a power cut (the sale basket) are written without waiting for
    // the disk; the file stays consistent either way.
    void setDurable(bool durable) { m_durable = durable; }
    bool isReadOnly() const { return m_readOnly; }

    void open();
    void close();
    void reopen() { close(); open(); }
    bool isOpen() const { return m_state != State::Closed; }
    State state() const { return m_state; }
    Database& database() const { return m_db; }
    const TableInfo& table() const { return m_table; }
    const QVector<FieldInfo>& fields() const { return m_fields; }
    int fieldIndex(const QString& field) const;  // case-insensitive, -1 when missing
    const FieldInfo& field(const QString& name) const;

    // Walking the visible rows. eof() is true after moving past the last row and when empty.
    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty();
    int recordCount();
    int recNo();                 // 1-based; 0 when empty
    void setRecNo(int recNo);    // clamps to the visible rows
    int currentRow();            // 0-based, -1 when empty
    qint64 currentKey() const { return m_currentKey; }

    // Filter expression text ("[SatisNo]=-1"); switching filtering on moves to the first match.
    QString filter() const { return m_filterText; }
    void setFilter(const QString& text);
    bool filtered() const { return m_filtered; }
    void setFiltered(bool on);

    // The first row of the whole source (whatever the filter) whose field equals value;
    // the current row does not move.
    std::optional<QVariantMap> lookup(const QString& field, const QVariant& value,
                                      const QStringList& fields) const;
    // Moves to the first visible row whose field equals value.
    bool locate(const QString& field, const QVariant& value);

    void append();
    void edit();
    void post();    // emits beforePost first; checks widths; writes at once
    void cancel();
    void remove();  // deletes the current row and moves to the next (or the new last)
    // Reads the current row again from the file, after a write that went around the object.
    void reread();

    // Field reads of the current row: an empty number reads 0, an empty text reads "".
    QVariant value(const QString& field);  // stored form: qint64 (money in units), double, QString, QDate
    QString text(const QString& field);
    qint64 number(const QString& field);
    double real(const QString& field);
    Money money(const QString& field);
    QDate date(const QString& field);
    bool flag(const QString& field);
    bool isNull(const QString& field);
    // Writes in edit or append state; converts texts by the field's type (Turkish numbers,
    // dd.MM.yyyy days). A text that is not valid for the field throws DataError.
    void setValue(const QString& field, const QVariant& value);
    void setValue(const QString& field, Money value) { setValue(field, QVariant::fromValue(value)); }

    // Reading by position without moving, for grids.
    QVariant valueAt(int row, int fieldIndex);
    // Lists the visible keys now. Table objects otherwise do this only when something needs
    // positions: walking, record numbers, a grid's rows, or a listener to the row signals.
    void materialize();

signals:
    void afterScroll();
    void beforePost();
    void afterPost();
    void stateChanged();
    void reset();                 // opened, closed, filter switched
    void rowInserted(int row);    // an append became visible
    void rowRemoved(int row);
    void rowChanged(int row);     // posted or edited in the buffer

private:
    struct Source;
    using Row = QVector<QVariant>;

    void requireOpen() const;
    void requireEditing(const char* what) const;
    QString keyField() const;
    QString whereClause(bool withFilter) const;
    void bindWhere(ScopedStatement& st, bool withFilter) const;
    bool keyOrdered() const;
    bool listRowsForWatchers();
    void showVisibleRows();
    void positionAtEdge(bool atFirst);
    void moveToIndex(int index);
    void clearPosition();
    const Row& currentRowValues();
    const Row& rowForKey(qint64 key, int indexHint);
    void fetchPage(int index);
    Row fetchRow(qint64 key);
    QVariant convertForField(const FieldInfo& f, const QVariant& value) const;
    QVariant readValue(const QString& field);
    void checkWidths() const;
    void writeBuffer();
    void setState(State s);

    Database& m_db;
    QString m_source;
    TableInfo m_table;  // a copy: the connection may forget and re-read its schema
    QVector<FieldInfo> m_fields;    // the object's columns
    QVector<int> m_tableColumn;     // position of each column in the table
    QString m_columnList;           // quoted column names for SELECT
    QString m_baseWhere;            // WHERE of the SELECT text
    QString m_orderBy;              // ORDER BY of the SELECT text, without the key
    QVariantMap m_params;
    bool m_readOnly = false;
    bool m_durable = true;

    QString m_filterText;
    bool m_filtered = false;
    std::optional<FilterExpression> m_filterExpr;

    State m_state = State::Closed;
    std::optional<QVector<qint64>> m_keys;  // visible keys in order, once someone needs positions
    int m_index = -1;                       // position of the current row in m_keys
    qint64 m_currentKey = 0;                // 0: no current row
    bool m_eof = true;
    bool m_bof = true;
    std::optional<int> m_count;             // stored visible rows, without m_ownKeys
    qint64 m_lastStoredKey = 0;             // the highest key when the rows were fixed
    QVector<qint64> m_ownKeys;              // appended here since, while no keys are listed

    QHash<qint64, Row> m_cache;
    Row m_buffer;
    QVector<bool> m_changed;
};

// Cancels the row being appended or edited unless the step posted it through the guard, so
// that a failing step leaves no half-filled row: `RowGuard row(t); t.append(); ...; row.post();`.
class RowGuard {
public:
    explicit RowGuard(Dataset& data) : m_data(data) {}
    ~RowGuard()
    {
        if (!m_posted)
            m_data.cancel();
    }
    RowGuard(const RowGuard&) = delete;
    RowGuard& operator=(const RowGuard&) = delete;

    void post()
    {
        m_data.post();
        m_posted = true;
    }

private:
    Dataset& m_data;
    bool m_posted = false;
};

} // namespace dukkano
