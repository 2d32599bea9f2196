#include "Veritabani.h"

#include "Schema.h"

namespace dukkano {
namespace {

// Only a file found to be the shop's is switched to write-ahead logging.
Database& prepared(Database& db)
{
    prepareSchema(db);
    db.useWriteAheadLog();
    return db;
}

} // namespace

Veritabani::Veritabani(const QString& path)
    : baglanti(path)
    , tableUrunler(prepared(baglanti), QStringLiteral("Urunler"))
    , tableSatislar(baglanti, QStringLiteral("Satislar"))
    , tableSatilanUrunler(baglanti, QStringLiteral("SatilanUrunler"))
    , tableUreticiler(baglanti, QStringLiteral("Ureticiler"))
    , tableKategoriler(baglanti, QStringLiteral("Kategoriler"))
    , tableMusteriler(baglanti, QStringLiteral("Musteriler"))
    , tableMasraflarGiderler(baglanti, QStringLiteral("MasrafGiderler"))
{
    for (Dataset* t : {&tableUrunler, &tableSatislar, &tableSatilanUrunler, &tableUreticiler,
                       &tableKategoriler, &tableMusteriler, &tableMasraflarGiderler})
        t->open();
}

void Veritabani::filtreleriKapat()
{
    for (Dataset* t : {&tableMusteriler, &tableUrunler, &tableSatislar, &tableSatilanUrunler,
                       &tableKategoriler, &tableUreticiler})
        t->setFiltered(false);
}

qint64 Veritabani::sonrakiSatisNo()
{
    auto st = baglanti.prepare(QStringLiteral(
        "SELECT coalesce((SELECT seq FROM sqlite_sequence WHERE name = 'Satislar'), 0) + 1"));
    st.step();
    const qint64 next = st.columnInt(0);
    st.reset();  // a stepped statement would hold a read open until the next use
    return next;
}

} // namespace dukkano
