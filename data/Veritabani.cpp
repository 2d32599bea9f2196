#include "Veritabani.h"

#include "Schema.h"

using namespace Qt::Literals::StringLiterals;

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
    , tableUrunler(prepared(baglanti), u"Urunler"_s)
    , tableSatislar(baglanti, u"Satislar"_s)
    , tableSatilanUrunler(baglanti, u"SatilanUrunler"_s)
    , tableUreticiler(baglanti, u"Ureticiler"_s)
    , tableKategoriler(baglanti, u"Kategoriler"_s)
    , tableMusteriler(baglanti, u"Musteriler"_s)
    , tableMasraflarGiderler(baglanti, u"MasrafGiderler"_s)
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

void Veritabani::kapanisAdimlari(std::initializer_list<Dataset*> yenilenecekler)
{
    filtreleriKapat();
    for (Dataset* t : yenilenecekler)
        t->reopen();
}

qint64 Veritabani::sonrakiSatisNo()
{
    auto st = baglanti.prepare(u"SELECT coalesce((SELECT seq FROM sqlite_sequence WHERE name = 'Satislar'), 0) + 1"_s);
    st.step();
    const qint64 next = st.columnInt(0);
    st.reset();  // a stepped statement would hold a read open until the next use
    return next;
}

} // namespace dukkano
