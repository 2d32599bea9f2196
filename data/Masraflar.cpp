// Expense totals.
#include "Masraflar.h"

#include "Database.h"

using namespace Qt::Literals::StringLiterals;

namespace dukkano {

// Days are stored as ISO text, so the range compares them as the list's filters do.
Money masrafToplami(Database& db, QDate ilk, std::optional<QDate> son)
{
    auto st = db.prepare(u"SELECT coalesce(sum(Miktar), 0) FROM MasrafGiderler "
                         "WHERE Tarih >= :ilk AND (:son IS NULL OR Tarih <= :son)"_s);
    st.bind(u":ilk"_s, ilk.toString(Qt::ISODate));
    st.bind(u":son"_s, son ? QVariant(son->toString(Qt::ISODate)) : QVariant());
    st.step();
    return Money::fromUnits(st.columnInt(0));
}

} // namespace dukkano
