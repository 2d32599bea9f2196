// Prepared statements: values in and out as QVariant, SQLite's errors as Turkish DataErrors,
// and statements lent for one step of work.
#pragma once

#include "DataError.h"

#include <QString>
#include <QVariant>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace dukkano {

class Database;

// A prepared statement; values go in and come out as QVariant (null, qint64, double, QString).
// A statement that has returned a row holds a read transaction until it is reset or steps
// past its last row.
class Statement {
public:
    Statement() = default;
    // owner: the connection whose damaged state the statement reports and respects.
    Statement(sqlite3* db, const QString& sql, Database* owner = nullptr);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const QVariant& value);          // 1-based
    void bind(const QString& name, const QVariant& value);  // ":name"
    bool step();                                           // true while a row is ready
    void reset();
    int columnCount() const;
    QVariant column(int index) const;
    qint64 columnInt(int index) const;
    const QString& sql() const { return m_sql; }

private:
    friend class Database;
    friend class ScopedStatement;
    [[noreturn]] void fail(int code) const;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
    Database* m_owner = nullptr;
    QString m_sql;
    bool m_inUse = false;  // lent out by Database::prepare
};

// A statement lent for one step of work: reset when it goes out of scope, so that no read
// transaction outlives the step that needed it, whatever the caller did with the rows.
class ScopedStatement {
public:
    explicit ScopedStatement(Statement& cached);
    explicit ScopedStatement(std::unique_ptr<Statement> own);
    ~ScopedStatement();
    ScopedStatement(ScopedStatement&& other) noexcept;
    ScopedStatement(const ScopedStatement&) = delete;
    ScopedStatement& operator=(const ScopedStatement&) = delete;
    ScopedStatement& operator=(ScopedStatement&&) = delete;

    void bind(int index, const QVariant& value) { m_st->bind(index, value); }
    void bind(const QString& name, const QVariant& value) { m_st->bind(name, value); }
    bool step() { return m_st->step(); }
    void reset() { m_st->reset(); }
    int columnCount() const { return m_st->columnCount(); }
    QVariant column(int index) const { return m_st->column(index); }
    qint64 columnInt(int index) const { return m_st->columnInt(index); }
    Statement& statement() { return *m_st; }

private:
    Statement* m_st;
    std::unique_ptr<Statement> m_own;  // when the cached one was already lent out
};

// What an SQLite result code means to the user, in Turkish, with SQLite's own words on a
// second line.
DataError sqliteError(sqlite3* db, int code);
// The refusal once the file has been found damaged.
DataError damagedFileError();

} // namespace dukkano
