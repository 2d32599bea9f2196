#include "SecimListeleri.h"

#include "Database.h"

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

// Reads the statement to its end, so no read stays open once the list is made.
QVector<KeyedChoice> choices(Database& db, const QString& select)
{
    auto st = db.prepare(select);
    QVector<KeyedChoice> list;
    while (st.step())
        list.push_back({st.columnInt(0), st.column(1).toString(), st.column(2).toString()});
    return list;
}

} // namespace

// The order is that of the index UrunlerUrunAdi, which holds the key too: the list is read
// from the index alone.
QVector<KeyedChoice> urunSecimListesi(Database& db)
{
    return choices(db, u"SELECT UrunNo, UrunAdi, UrunAciklamasi FROM Urunler ORDER BY UrunAdi, UrunAciklamasi, UrunNo"_s);
}

QVector<KeyedChoice> musteriSecimListesi(Database& db)
{
    return choices(db, u"SELECT MusteriNo, AdiSoyadi, BabaAdi FROM Musteriler ORDER BY AdiSoyadi, BabaAdi, MusteriNo"_s);
}

} // namespace dukkano
