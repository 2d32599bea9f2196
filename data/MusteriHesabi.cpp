#include "MusteriHesabi.h"

#include "Database.h"

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
std::optional<Money> kayitliBorc(Database& db, qint64 musteriNo)
{
    auto st = db.prepare(u"SELECT coalesce(ToplamBorc, 0) FROM Musteriler WHERE MusteriNo = ?"_s);
    st.bind(1, musteriNo);
    if (!st.step())
        return std::nullopt;
    return Money::fromUnits(st.columnInt(0));
}

} // namespace dukkano
