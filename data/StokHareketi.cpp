#include "StokHareketi.h"

#include "Database.h"

using namespace Qt::Literals::StringLiterals;

namespace dukkano {

bool stokuDegistir(Database& db, qint64 urunNo, qint64 adet)
{
    auto st = db.prepare(u"UPDATE Urunler SET StoktakiBirimMiktari = coalesce(StoktakiBirimMiktari, 0) + ? WHERE UrunNo = ?"_s);
    st.bind(1, adet);
    st.bind(2, urunNo);
    st.step();
    return db.changes() > 0;
}

} // namespace dukkano
