// The connection to the shop's SQLite file: opening, statements, transactions and the
// table descriptions read from the file's own schema.
#pragma once

#include "DataError.h"
#include "Fields.h"
#include "Statement.h"

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

namespace dukkano {



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
