#include "Statement.h"

#include "Database.h"
#include "Money.h"

#include <QDate>
#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

QString errorText(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

const QString damagedFile = u"Veritabanı dosyası bozuk. Bu çalışmada dosyaya başka bir şey yazılmayacak; programı kapatıp "
    "dosyanın bir yedeğini alınız."_s;

// What an SQLite result code means to the user, in Turkish; the technical text follows on a
// second line.
} // namespace

DataError sqliteError(sqlite3* db, int code)
{
    QString what;
    auto kind = DataError::Kind::General;
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        what = u"Veritabanı dosyası şu anda başka bir program tarafından kullanılıyor; "
                              "biraz sonra tekrar deneyiniz."_s;
        kind = DataError::Kind::Busy;
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        what = damagedFile;
        kind = DataError::Kind::Damaged;
        break;
    case SQLITE_CONSTRAINT:
        what = u"Kayıt veritabanının kurallarına uymadığı için yapılmadı."_s;
        kind = DataError::Kind::Constraint;
        break;
    case SQLITE_FULL:
        what = u"Diskte yer kalmadığı için kayıt yapılamadı."_s;
        break;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        what = u"Veritabanı dosyasına yazılamıyor."_s;
        break;
    case SQLITE_IOERR:
        what = u"Veritabanı dosyası okunurken ya da yazılırken bir disk hatası oluştu."_s;
        break;
    default:
        what = u"Veritabanı hatası."_s;
    }
    return DataError(what + u"\nAyrıntı: "_s + errorText(db), kind);
}

DataError damagedFileError()
{
    return DataError(damagedFile, DataError::Kind::Damaged);
}

namespace {

QStringView utf16(const void* data, int bytes)
{
    return QStringView(static_cast<const char16_t*>(data), bytes / 2);
}

} // namespace

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
        throw DataError(u"Veritabanı hatası: %1 parametresi yok.\n%2"_s.arg(name, m_sql));
    bind(index, value);
}

bool Statement::step()
{
    if (m_owner && m_owner->isDamaged() && !sqlite3_stmt_readonly(m_stmt))
        throw damagedFileError();
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

} // namespace dukkano
