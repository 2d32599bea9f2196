#include "MusteriHesabi.h"

#include "Clock.h"
#include "Database.h"

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

const QString odenmedi = u"Ödeme kaydedilemedi; müşterinin borcu ve ödemeleri değişmedi."_s;

} // namespace

std::optional<Money> kayitliBorc(Database& db, qint64 musteriNo)
{
    auto st = db.prepare(u"SELECT coalesce(ToplamBorc, 0) FROM Musteriler WHERE MusteriNo = ?"_s);
    st.bind(1, musteriNo);
    if (!st.step())
        return std::nullopt;
    return Money::fromUnits(st.columnInt(0));
}

void borcOdemesiYap(Database& db, qint64 musteriNo, Money miktar)
{
    bool musteriVar = false;
    try {
        Transaction transaction(db);
        auto borc = db.prepare(
            u"UPDATE Musteriler SET ToplamBorc = coalesce(ToplamBorc, 0) - ? WHERE MusteriNo = ?"_s);
        borc.bind(1, miktar.units());
        borc.bind(2, musteriNo);
        borc.step();
        musteriVar = db.changes() == 1;
        if (musteriVar) {
            auto odeme = db.prepare(
                u"INSERT INTO Odemeler (MusteriNo, OdemeMiktari, OdemeTarihi) VALUES (?, ?, ?)"_s);
            odeme.bind(1, musteriNo);
            odeme.bind(2, miktar.units());
            odeme.bind(3, Clock::today().toString(Qt::ISODate));
            odeme.step();
            transaction.commit();
        }
    } catch (const DataError& error) {
        throw DataError(odenmedi + u"\n"_s + error.message(), error.kind());
    }
    if (!musteriVar)
        throw DataError(odenmedi + u"\nMüşteri bulunamadı; silinmiş olabilir."_s);
}

Money toplamHarcama(Database& db, qint64 musteriNo)
{
    auto st = db.prepare(u"SELECT coalesce(sum(ToplamTutar), 0) FROM Satislar WHERE MusteriNo = ?"_s);
    st.bind(1, musteriNo);
    st.step();
    return Money::fromUnits(st.columnInt(0));
}

} // namespace dukkano
