// The connection to the shop's SQLite file: opening, statements, transactions and the
// table descriptions read from the file's own schema.
#pragma once

#include "DataError.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>
#include <string>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

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

class Database {
public:
    // Opens (and creates when missing) an SQLite file with the Turkish collation and LIKE.
    // Throws DataError with a Turkish message naming the file and the reason. The file is not
    // changed: its journal mode stays as it is until useWriteAheadLog().
    explicit Database(const QString& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& path() const { return m_path; }
    sqlite3* handle() const { return m_handle; }

    // A statement cached by its text, ready to bind; reset again when the result goes out of
    // scope. A text already in use gets a statement of its own.
    ScopedStatement prepare(const QString& sql);
    void exec(const QString& sql);
    qint64 lastInsertId() const;
    int changes() const;

    // Throws DataError when the table is missing.
    const TableInfo& table(const QString& name);
    bool hasTable(const QString& name);
    void forgetSchema();  // after CREATE or ALTER

    // Nested transactions: the outermost commits, inner ones are savepoints.
    void begin();
    void commit();
    void rollback();
    int transactionDepth() const { return m_depth; }
    // Whether a commit waits until the disk has the data (the default) or not.
    void setWaitForDisk(bool wait);
    // Switches the file to write-ahead logging; once the file is known to be the shop's.
    void useWriteAheadLog();

    // Once SQLite has found the file damaged, nothing more is written in this run.
    bool isDamaged() const { return m_damaged; }
    void markDamaged();

private:
    QString m_path;
    QString m_connectionName;
    sqlite3* m_handle = nullptr;
    int m_depth = 0;
    bool m_damaged = false;
    std::unordered_map<std::string, std::unique_ptr<Statement>> m_statements;
    QHash<QString, TableInfo> m_tables;
};

// Commits made while it lives, outside any transaction, do not wait for the disk.
class NoDiskWait {
public:
    NoDiskWait(Database& db, bool active) : m_db(db), m_active(active && db.transactionDepth() == 0)
    {
        if (m_active)
            m_db.setWaitForDisk(false);
    }
    ~NoDiskWait()
    {
        if (m_active)
            m_db.setWaitForDisk(true);
    }
    NoDiskWait(const NoDiskWait&) = delete;
    NoDiskWait& operator=(const NoDiskWait&) = delete;

private:
    Database& m_db;
    bool m_active;
};

// Begins on construction; rolls back on destruction unless committed.
class Transaction {
public:
    explicit Transaction(Database& db) : m_db(db) { m_db.begin(); }
    ~Transaction()
    {
        if (m_done)
            return;
        try {
            m_db.rollback();
        } catch (...) {
            // The error that brought us here is the one to report.
        }
    }
    void commit() { m_db.commit(); m_done = true; }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Database& m_db;
    bool m_done = false;
};

} // namespace dukkano
