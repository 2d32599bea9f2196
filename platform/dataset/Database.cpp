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

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {




QString openFailure(const QString& path, const QString& reason)
{
    return u"Veritabanı açılamadı: %1\n%2"_s.arg(QDir::toNativeSeparators(path), reason);
}

// Refuses, before anything touches the file, what SQLite could not open or would change.
void checkFileBeforeOpening(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        throw DataError(openFailure(path, u"Bu ad bir klasöre ait, veritabanı dosyasına değil."_s));
    if (!info.exists()) {
        if (!QFileInfo(info.absolutePath()).isWritable())
            throw DataError(openFailure(path, u"Klasöre yazma izni yok; yeni veritabanı oluşturulamıyor."_s));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(openFailure(path, u"Dosya okunamıyor: %1"_s.arg(file.errorString())));
    const QByteArray header = file.read(16);
    if (!header.isEmpty() && header != QByteArray("SQLite format 3", 16))
        throw DataError(openFailure(path, u"Dosya bir Dukkano (SQLite) veritabanı değil; başka bir programın dosyası (örneğin bir Access dosyası) ya da bozuk."_s));
    if (!info.isWritable() || !QFileInfo(info.absolutePath()).isWritable())
        throw DataError(openFailure(path, u"Dosyaya ya da bulunduğu klasöre yazma izni yok."_s));
}

} // namespace



// ---- Database

Database::Database(const QString& path) : m_path(path)
{
    checkFileBeforeOpening(path);
    m_connectionName = u"baglanti-"_s + QUuid::createUuid().toString(QUuid::Id128);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connectionName);
        db.setDatabaseName(path);
        if (!db.open())
            throw DataError(openFailure(path, db.lastError().text()));
        const QVariant handle = db.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
            m_handle = *static_cast<sqlite3* const*>(handle.constData());
    }
    if (!m_handle) {
        QSqlDatabase::removeDatabase(m_connectionName);
        throw DataError(openFailure(path, u"SQLite sürücüsü kullanılamıyor."_s));
    }
    registerTurkish(m_handle);
    try {
        exec(u"SELECT count(*) FROM sqlite_master"_s);
        exec(u"PRAGMA busy_timeout = 2000"_s);
        setWaitForDisk(true);
    } catch (const DataError& e) {
        m_statements.clear();
        {
            QSqlDatabase::database(m_connectionName, false).close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
        throw DataError(openFailure(path, u"Dosya bozuk ya da bir Dukkano veritabanı değil.\n%1"_s
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
    auto st = prepare(u"SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"_s);
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
        throw DataError(u"Veritabanında %1 tablosu yok."_s.arg(name));
    TableInfo info;
    const QString quotedName = QString(name).remove(QLatin1Char('"'));
    Statement st(m_handle, u"PRAGMA table_info(\"%1\")"_s.arg(quotedName), this);
    while (st.step()) {
        FieldInfo f = fieldFrom(st.column(1).toString(), st.column(2).toString(), st.columnInt(5) > 0);
        if (f.type == FieldType::Key)
            info.keyIndex = int(info.fields.size());
        info.fields.push_back(f);
    }
    Statement master(m_handle, u"SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"_s, this);
    master.bind(1, name);
    master.step();
    info.name = master.column(0).toString();
    master.reset();
    Statement indexes(m_handle, u"SELECT il.name FROM pragma_index_list(?) il"_s, this);
    indexes.bind(1, info.name);
    while (indexes.step()) {
        Statement columns(m_handle, u"SELECT name FROM pragma_index_info(?) ORDER BY seqno"_s, this);
        columns.bind(1, indexes.column(0));
        QStringList names;
        while (columns.step())
            names << columns.column(0).toString();
        info.indexes << names;
    }
    if (info.keyIndex < 0)
        throw DataError(u"%1 tablosunun anahtar alanı yok."_s.arg(name));
    return *m_tables.insert(key, info);
}

void Database::forgetSchema()
{
    m_tables.clear();
}

void Database::setWaitForDisk(bool wait)
{
    prepare(wait ? u"PRAGMA synchronous = FULL"_s : u"PRAGMA synchronous = NORMAL"_s).step();
}

void Database::useWriteAheadLog()
{
    exec(u"PRAGMA journal_mode = WAL"_s);
}

void Database::markDamaged()
{
    m_damaged = true;
}

void Database::begin()
{
    if (m_damaged)
        throw damagedFileError();
    exec(m_depth == 0 ? u"BEGIN IMMEDIATE"_s : u"SAVEPOINT sp%1"_s.arg(m_depth));
    ++m_depth;
}

void Database::commit()
{
    Q_ASSERT(m_depth > 0);
    exec(m_depth == 1 ? u"COMMIT"_s : u"RELEASE sp%1"_s.arg(m_depth - 1));
    --m_depth;
}

void Database::rollback()
{
    Q_ASSERT(m_depth > 0);
    --m_depth;
    if (m_depth == 0)
        exec(u"ROLLBACK"_s);
    else
    {
        exec(u"ROLLBACK TO sp%1"_s.arg(m_depth));
        exec(u"RELEASE sp%1"_s.arg(m_depth));
    }
}

} // namespace dukkano
