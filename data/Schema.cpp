#include "Schema.h"

#include "Database.h"

#include <QRegularExpression>
#include <QStringList>
#include <functional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

// Column types are read back from these declarations: TEXT(n) with its width, CURRENCY for
// money in 1/10000 lira, DECIMAL(18,0) for whole quantities, DATE for ISO days.
// Texts sort and compare in Turkish order.
const char* const createVersion1[] = {
    R"(CREATE TABLE Urunler (
        UrunNo INTEGER PRIMARY KEY AUTOINCREMENT,
        UrunAdi TEXT(50) COLLATE TURKCE,
        UrunAciklamasi TEXT(255) COLLATE TURKCE,
        KategoriNo INTEGER,
        UreticiNo INTEGER,
        SeriNumarasi TEXT(50) COLLATE TURKCE,
        SonKullanmaTarihi DATE,
        StoktakiBirimMiktari DECIMAL(18,0),
        BirimAlisFiyati CURRENCY,
        BarkodFiyat2 CURRENCY,
        BirimSatisFiyati CURRENCY,
        GrupAdi TEXT(255) COLLATE TURKCE))",
    R"(CREATE TABLE Kategoriler (
        KategoriNo INTEGER PRIMARY KEY AUTOINCREMENT,
        KategoriAdi TEXT(50) COLLATE TURKCE,
        KategoriKDVorani CURRENCY))",
    R"(CREATE TABLE Ureticiler (
        UreticiNo INTEGER PRIMARY KEY AUTOINCREMENT,
        UreticiAdi TEXT(50) COLLATE TURKCE,
        KisiAdi TEXT(50) COLLATE TURKCE,
        KisiUnvani TEXT(50) COLLATE TURKCE,
        Adres TEXT(255) COLLATE TURKCE,
        Sehir TEXT(50) COLLATE TURKCE,
        PostaKodu TEXT(20) COLLATE TURKCE,
        Ulke TEXT(50) COLLATE TURKCE,
        TelefonNumarasi TEXT(30) COLLATE TURKCE,
        FaksNumarasi TEXT(30) COLLATE TURKCE,
        InternetAdresi TEXT(50) COLLATE TURKCE,
        EpostaAdresi TEXT(50) COLLATE TURKCE,
        Notlar TEXT COLLATE TURKCE))",
    R"(CREATE TABLE Musteriler (
        MusteriNo INTEGER PRIMARY KEY AUTOINCREMENT,
        AdiSoyadi TEXT(50) COLLATE TURKCE,
        BabaAdi TEXT(50) COLLATE TURKCE,
        SirketAdi TEXT(50) COLLATE TURKCE,
        FaturaAdresi TEXT(255) COLLATE TURKCE,
        TelefonNumarasi TEXT(30) COLLATE TURKCE,
        FaksNumarasi TEXT(30) COLLATE TURKCE,
        ToplamBorc CURRENCY))",
    R"(CREATE TABLE Satislar (
        SatisNo INTEGER PRIMARY KEY AUTOINCREMENT,
        MusteriNo INTEGER,
        SatisTarihi DATE,
        ToplamTutar CURRENCY,
        MusteriAdi TEXT(255) COLLATE TURKCE,
        Kazanc CURRENCY,
        Birim INTEGER,
        AlisFiyati CURRENCY,
        SatisFiyati CURRENCY,
        Nakit BOOLEAN,
        SatisSaati TEXT(255) COLLATE TURKCE))",
    R"(CREATE TABLE SatilanUrunler (
        UrunSatisNo INTEGER PRIMARY KEY AUTOINCREMENT,
        SatisNo INTEGER,
        UrunNo INTEGER,
        UrunAdi TEXT(50) COLLATE TURKCE,
        UrunSatisTutari CURRENCY,
        BirimAdedi DOUBLE,
        Kazanc CURRENCY,
        BirimAlisFiyati CURRENCY,
        BirimSatisFiyati CURRENCY,
        SatisTarihi DATE,
        MusteriNo INTEGER,
        MusteriAdi TEXT(255) COLLATE TURKCE,
        Nakit BOOLEAN,
        barkod TEXT(255) COLLATE TURKCE))",
    R"(CREATE TABLE GeciciSatilanUrunler (
        UrunSatisNo INTEGER PRIMARY KEY AUTOINCREMENT,
        SatisNo INTEGER,
        UrunNo INTEGER,
        UrunAdi TEXT(50) COLLATE TURKCE,
        UrunAciklamasi TEXT(255) COLLATE TURKCE,
        BirimAdedi DECIMAL(18,0),
        BirimSatisFiyati CURRENCY,
        UrunSatisTutari CURRENCY,
        Kazanc CURRENCY,
        MusteriAdi TEXT(255) COLLATE TURKCE,
        AlisFiyati CURRENCY,
        MasaAdi TEXT(255) COLLATE TURKCE))",
    R"(CREATE TABLE Odemeler (
        OdemeNo INTEGER PRIMARY KEY AUTOINCREMENT,
        MusteriNo INTEGER,
        OdemeMiktari CURRENCY,
        OdemeTarihi DATE))",
    R"(CREATE TABLE MasrafGiderler (
        Kimlik INTEGER PRIMARY KEY AUTOINCREMENT,
        Tarih DATE,
        Miktar CURRENCY,
        GiderOdendi BOOLEAN,
        GiderAciklamasi TEXT(255) COLLATE TURKCE,
        GiderAdi TEXT(255) COLLATE TURKCE))",
    R"(CREATE TABLE ayarlar (
        AyarNo INTEGER PRIMARY KEY AUTOINCREMENT,
        Ad TEXT(50) COLLATE TURKCE,
        Deger TEXT COLLATE TURKCE))",
    // Every column that a filter, a lookup or a sorted list uses.
    "CREATE INDEX UrunlerSeriNumarasi ON Urunler (SeriNumarasi)",
    "CREATE INDEX UrunlerUrunAdi ON Urunler (UrunAdi, UrunAciklamasi)",
    "CREATE INDEX UrunlerStok ON Urunler (StoktakiBirimMiktari)",
    "CREATE INDEX UrunlerKategoriNo ON Urunler (KategoriNo)",
    "CREATE INDEX UrunlerGrupAdi ON Urunler (GrupAdi)",
    "CREATE INDEX KategorilerKategoriAdi ON Kategoriler (KategoriAdi)",
    "CREATE INDEX UreticilerUreticiAdi ON Ureticiler (UreticiAdi)",
    "CREATE INDEX MusterilerAdiSoyadi ON Musteriler (AdiSoyadi)",
    "CREATE INDEX SatislarSatisTarihi ON Satislar (SatisTarihi)",
    "CREATE INDEX SatislarMusteriNo ON Satislar (MusteriNo)",
    "CREATE INDEX SatilanUrunlerSatisNo ON SatilanUrunler (SatisNo)",
    "CREATE INDEX SatilanUrunlerUrunNo ON SatilanUrunler (UrunNo)",
    "CREATE INDEX OdemelerMusteriNo ON Odemeler (MusteriNo)",
    "CREATE INDEX MasrafGiderlerTarih ON MasrafGiderler (Tarih)",
};

// Step i brings a file from version i to version i + 1.
const std::vector<std::function<void(Database&)>> migrations = {
    [](Database& db) {
        for (const char* sql : createVersion1)
            db.exec(QString::fromUtf8(sql));
    },
};

// The statements are reset once read: a stepped one would hold a read open for the whole run.
int fileVersion(Database& db)
{
    auto st = db.prepare(u"PRAGMA user_version"_s);
    st.step();
    const int version = int(st.columnInt(0));
    st.reset();
    return version;
}

bool hasOtherTables(Database& db)
{
    auto st = db.prepare(u"SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'"_s);
    st.step();
    const bool found = st.columnInt(0) > 0;
    st.reset();
    return found;
}

struct TableShape {
    QString name;
    QString create;
    QStringList columns;
};

// The tables and columns of the current version, read from their CREATE statements.
const QVector<TableShape>& currentTables()
{
    static const QVector<TableShape> tables = [] {
        static const QRegularExpression table(uR"(^CREATE TABLE (\w+) \((.*)\)$)"_s,
                                              QRegularExpression::DotMatchesEverythingOption);
        QVector<TableShape> out;
        for (const char* sql : createVersion1) {
            const QString text = QString::fromUtf8(sql);
            const auto m = table.match(text);
            if (!m.hasMatch())
                continue;
            TableShape shape{m.captured(1), text, {}};
            static const QRegularExpression columnEnd(u",\\s*\\n"_s);
            for (const QString& column : m.captured(2).split(columnEnd))
                shape.columns << column.trimmed().section(QLatin1Char(' '), 0, 0);
            out << shape;
        }
        return out;
    }();
    return tables;
}

// Every table and column the program reads must be there; the basket, which holds nothing
// of the shop's, is made again when it is missing. Anything else missing refuses the file.
void checkTables(Database& db)
{
    QStringList missing;
    for (const TableShape& shape : currentTables()) {
        if (!db.hasTable(shape.name)) {
            if (shape.name == QLatin1String("GeciciSatilanUrunler"))
                db.exec(shape.create);
            else
                missing << shape.name;
            continue;
        }
        const TableInfo& info = db.table(shape.name);
        for (const QString& column : shape.columns)
            if (info.indexOf(column) < 0)
                missing << shape.name + QLatin1Char('.') + column;
    }
    db.forgetSchema();
    if (!missing.isEmpty())
        throw DataError(u"Veritabanı dosyasında programın kullandığı şu tablolar ya da alanlar yok: %1."_s
                            .arg(missing.join(u", "_s)));
}

} // namespace

void prepareSchema(Database& db)
{
    static_assert(currentSchemaVersion == 1, "add a migration step for the new version");
    const int version = fileVersion(db);
    if (version == currentSchemaVersion)
        return checkTables(db);
    if (version > currentSchemaVersion)
        throw DataError(u"Bu veritabanı programın daha yeni bir sürümüne ait."_s);
    if (version == 0 && hasOtherTables(db))
        throw DataError(u"Dosya başka bir programın veritabanı; Dukkano tabloları bulunamadı."_s);

    Transaction transaction(db);
    for (int step = version; step < currentSchemaVersion; ++step)
        migrations[size_t(step)](db);
    db.exec(u"PRAGMA user_version = %1"_s.arg(currentSchemaVersion));
    transaction.commit();
    db.forgetSchema();
}

} // namespace dukkano
