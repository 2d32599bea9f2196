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

QString errorText(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

const QString damagedFile = QStringLiteral(
    "Veritabanı dosyası bozuk. Bu çalışmada dosyaya başka bir şey yazılmayacak; programı kapatıp "
    "dosyanın bir yedeğini alınız.");

// What an SQLite result code means to the user, in Turkish; the technical text follows on a
// second line.
DataError sqliteError(sqlite3* db, int code)
{
    QString what;
    auto kind = DataError::Kind::General;
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        what = QStringLiteral("Veritabanı dosyası şu anda başka bir program tarafından kullanılıyor; "
                              "biraz sonra tekrar deneyiniz.");
        kind = DataError::Kind::Busy;
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        what = damagedFile;
        kind = DataError::Kind::Damaged;
        break;
    case SQLITE_CONSTRAINT:
        what = QStringLiteral("Kayıt veritabanının kurallarına uymadığı için yapılmadı.");
        kind = DataError::Kind::Constraint;
        break;
    case SQLITE_FULL:
        what = QStringLiteral("Diskte yer kalmadığı için kayıt yapılamadı.");
        break;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        what = QStringLiteral("Veritabanı dosyasına yazılamıyor.");
        break;
    case SQLITE_IOERR:
        what = QStringLiteral("Veritabanı dosyası okunurken ya da yazılırken bir disk hatası oluştu.");
        break;
    default:
        what = QStringLiteral("Veritabanı hatası.");
    }
    return DataError(what + QStringLiteral("\nAyrıntı: ") + errorText(db), kind);
}

QStringView utf16(const void* data, int bytes)
{
    return QStringView(static_cast<const char16_t*>(data), bytes / 2);
}

FieldInfo fieldFrom(const QString& name, const QString& declared, bool primaryKey)
{
    static const QRegularExpression textWidth(QStringLiteral(R"(^TEXT\((\d+)\)$)"),
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

// ---- Statement

Statement::Statement(sqlite3* db, const QString& sql, Database* owner) : m_db(db), m_owner(owner), m_sql(sql)
{
    const QByteArray utf8 = sql.toUtf8();
    if (const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr); rc != SQLITE_OK)
        fail(rc);
}

Statement::~Statement() { sqlite3_finalize(m_stmt); }

Statement::Statement(Statement&& o) noexcept
    : m_db(std::exchange(o.m_db, nullptr))
    , m_stmt(std::exchange(o.m_stmt, nullptr))
    , m_owner(std::exchange(o.m_owner, nullptr))
    , m_sql(std::move(o.m_sql))
{
}

Statement& Statement::operator=(Statement&& o) noexcept
{
    std::swap(m_db, o.m_db);
    std::swap(m_stmt, o.m_stmt);
    std::swap(m_owner, o.m_owner);
    std::swap(m_sql, o.m_sql);
    return *this;
}

void Statement::fail(int code) const
{
    DataError error = sqliteError(m_db, code);
    if (error.kind() == DataError::Kind::Damaged && m_owner)
        m_owner->markDamaged();
    throw error;
}

void Statement::bind(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else if (value.metaType() == QMetaType::fromType<Money>()) {
        rc = sqlite3_bind_int64(m_stmt, index, value.value<Money>().units());
    } else {
        switch (value.metaType().id()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Long:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QDate:
            rc = sqlite3_bind_text16(m_stmt, index, value.toDate().toString(Qt::ISODate).utf16(), -1,
                                     SQLITE_TRANSIENT);
            break;
        default: {
            const QString text = value.toString();
            rc = sqlite3_bind_text16(m_stmt, index, text.utf16(), int(text.size() * 2), SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        fail(rc);
}

void Statement::bind(const QString& name, const QVariant& value)
{
    const int index = sqlite3_bind_parameter_index(m_stmt, name.toUtf8().constData());
    if (index == 0)
        throw DataError(QStringLiteral("Veritabanı hatası: %1 parametresi yok.\n%2").arg(name, m_sql));
    bind(index, value);
}

bool Statement::step()
{
    if (m_owner && m_owner->isDamaged() && !sqlite3_stmt_readonly(m_stmt))
        throw DataError(damagedFile, DataError::Kind::Damaged);
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    sqlite3_reset(m_stmt);
    if (rc != SQLITE_DONE)
        fail(rc);
    return false;
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const { return sqlite3_column_count(m_stmt); }

QVariant Statement::column(int index) const
{
    switch (sqlite3_column_type(m_stmt, index)) {
    case SQLITE_INTEGER:
        return qint64(sqlite3_column_int64(m_stmt, index));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt, index);
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(m_stmt, index)),
                          sqlite3_column_bytes(m_stmt, index));
    default: {
        const void* data = sqlite3_column_text16(m_stmt, index);
        return utf16(data, sqlite3_column_bytes16(m_stmt, index)).toString();
    }
    }
}

qint64 Statement::columnInt(int index) const { return sqlite3_column_int64(m_stmt, index); }

// ---- ScopedStatement

ScopedStatement::ScopedStatement(Statement& cached) : m_st(&cached)
{
    m_st->m_inUse = true;
}

ScopedStatement::ScopedStatement(std::unique_ptr<Statement> own) : m_st(own.get()), m_own(std::move(own)) {}

ScopedStatement::ScopedStatement(ScopedStatement&& other) noexcept
    : m_st(std::exchange(other.m_st, nullptr)), m_own(std::move(other.m_own))
{
}

ScopedStatement::~ScopedStatement()
{
    if (!m_st)
        return;
    m_st->reset();
    m_st->m_inUse = false;
}

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
        throw DataError(damagedFile, DataError::Kind::Damaged);
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
