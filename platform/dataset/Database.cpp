#include "Database.h"

#include "Money.h"
#include "TurkishCollation.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QUuid>
#include <sqlite3.h>

namespace dukkano {
namespace {




QString openFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Veritabanı açılamadı: %1\n%2").arg(QDir::toNativeSeparators(path), reason);
}

// Refuses, before anything touches the file, what SQLite could not open or would change.
void checkFileBeforeOpening(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        throw DataError(openFailure(path, QStringLiteral("Bu ad bir klasöre ait, veritabanı dosyasına değil.")));
    if (!info.exists()) {
        if (!QFileInfo(info.absolutePath()).isWritable())
            throw DataError(openFailure(path, QStringLiteral("Klasöre yazma izni yok; yeni veritabanı oluşturulamıyor.")));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(openFailure(path, QStringLiteral("Dosya okunamıyor: %1").arg(file.errorString())));
    const QByteArray header = file.read(16);
    if (!header.isEmpty() && header != QByteArray("SQLite format 3", 16))
        throw DataError(openFailure(path, QStringLiteral(
            "Dosya bir Dukkano (SQLite) veritabanı değil; başka bir programın dosyası (örneğin bir Access dosyası) ya da bozuk.")));
    if (!info.isWritable() || !QFileInfo(info.absolutePath()).isWritable())
        throw DataError(openFailure(path, QStringLiteral("Dosyaya ya da bulunduğu klasöre yazma izni yok.")));
}

} // namespace



// ---- Database

Database::Database(const QString& path) : m_path(path)
{
    checkFileBeforeOpening(path);
    m_connectionName = QStringLiteral("baglanti-") + QUuid::createUuid().toString(QUuid::Id128);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(path);
        if (!db.open())
            throw DataError(openFailure(path, db.lastError().text()));
        const QVariant handle = db.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
            m_handle = *static_cast<sqlite3* const*>(handle.constData());
    }
    if (!m_handle) {
        QSqlDatabase::removeDatabase(m_connectionName);
        throw DataError(openFailure(path, QStringLiteral("SQLite sürücüsü kullanılamıyor.")));
    }
    registerTurkish(m_handle);
    try {
        exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        exec(QStringLiteral("PRAGMA busy_timeout = 2000"));
        setWaitForDisk(true);
    } catch (const DataError& e) {
        m_statements.clear();
        {
            QSqlDatabase::database(m_connectionName, false).close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
        throw DataError(openFailure(path, QStringLiteral("Dosya bozuk ya da bir Dukkano veritabanı değil.\n%1")
                                              .arg(e.message().section(QLatin1Char('\n'), 1))));
    }
}

Database::~Database()
{
    m_statements.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

ScopedStatement Database::prepare(const QString& sql)
{
    const std::string key = sql.toStdString();
    auto it = m_statements.find(key);
    if (it == m_statements.end())
        it = m_statements.emplace(key, std::make_unique<Statement>(m_handle, sql, this)).first;
    if (it->second->m_inUse)
        return ScopedStatement(std::make_unique<Statement>(m_handle, sql, this));
    return ScopedStatement(*it->second);
}

void Database::exec(const QString& sql)
{
    Statement st(m_handle, sql, this);
    while (st.step()) {
    }
}

qint64 Database::lastInsertId() const { return sqlite3_last_insert_rowid(m_handle); }
int Database::changes() const { return sqlite3_changes(m_handle); }

bool Database::hasTable(const QString& name)
{
    auto st = prepare(QStringLiteral(
        "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    st.bind(1, name);
    st.step();
    return st.columnInt(0) > 0;
}

const TableInfo& Database::table(const QString& name)
{
    const QString key = name.toLower();
    if (auto it = m_tables.constFind(key); it != m_tables.constEnd())
        return *it;
    if (!hasTable(name))
        throw DataError(QStringLiteral("Veritabanında %1 tablosu yok.").arg(name));
    TableInfo info;
    const QString quotedName = QString(name).remove(QLatin1Char('"'));
    Statement st(m_handle, QStringLiteral("PRAGMA table_info(\"%1\")").arg(quotedName), this);
    while (st.step()) {
        FieldInfo f = fieldFrom(st.column(1).toString(), st.column(2).toString(), st.columnInt(5) > 0);
        if (f.type == FieldType::Key)
            info.keyIndex = int(info.fields.size());
        info.fields.push_back(f);
    }
    Statement master(m_handle, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"), this);
    master.bind(1, name);
    master.step();
    info.name = master.column(0).toString();
    master.reset();
    Statement indexes(m_handle, QStringLiteral("SELECT il.name FROM pragma_index_list(?) il"), this);
    indexes.bind(1, info.name);
    while (indexes.step()) {
        Statement columns(m_handle, QStringLiteral("SELECT name FROM pragma_index_info(?) ORDER BY seqno"), this);
        columns.bind(1, indexes.column(0));
        QStringList names;
        while (columns.step())
            names << columns.column(0).toString();
        info.indexes << names;
    }
    if (info.keyIndex < 0)
        throw DataError(QStringLiteral("%1 tablosunun anahtar alanı yok.").arg(name));
    return *m_tables.insert(key, info);
}

void Database::forgetSchema()
{
    m_tables.clear();
}

void Database::setWaitForDisk(bool wait)
{
    prepare(wait ? QStringLiteral("PRAGMA synchronous = FULL") : QStringLiteral("PRAGMA synchronous = NORMAL")).step();
}

void Database::useWriteAheadLog()
{
    exec(QStringLiteral("PRAGMA journal_mode = WAL"));
}

void Database::markDamaged()
{
    m_damaged = true;
}

void Database::begin()
{
    if (m_damaged)
        throw damagedFileError();
    exec(m_depth == 0 ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT sp%1").arg(m_depth));
    ++m_depth;
}

void Database::commit()
{
    Q_ASSERT(m_depth > 0);
    exec(m_depth == 1 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE sp%1").arg(m_depth - 1));
    --m_depth;
}

void Database::rollback()
{
    Q_ASSERT(m_depth > 0);
    --m_depth;
    if (m_depth == 0)
        exec(QStringLiteral("ROLLBACK"));
    else
    {
        exec(QStringLiteral("ROLLBACK TO sp%1").arg(m_depth));
        exec(QStringLiteral("RELEASE sp%1").arg(m_depth));
    }
}

} // namespace dukkano
