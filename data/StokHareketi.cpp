#include "StokHareketi.h"

#include "Database.h"

namespace dukkano {

bool stokuDegistir(Database& db, qint64 urunNo, qint64 adet)
{
    auto st = db.prepare(QStringLiteral(
        "UPDATE Urunler SET StoktakiBirimMiktari = coalesce(StoktakiBirimMiktari, 0) + ? WHERE UrunNo = ?"));
    st.bind(1, adet);
    st.bind(2, urunNo);
    st.step();
    return db.changes() > 0;
}

} // namespace dukkano
