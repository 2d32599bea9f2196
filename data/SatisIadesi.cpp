// Returns and cancellations of stored sales.
#include "SatisIadesi.h"

#include "Dataset.h"
#include "Fields.h"
#include "StokHareketi.h"

#include <cmath>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

struct Satir {
    qint64 urunSatisNo = 0;
    qint64 urunNo = 0;
    QString urunAdi;
    double adet = 0;
};

bool tamAdet(double adet)
{
    return std::isfinite(adet) && std::trunc(adet) == adet && std::abs(adet) < 1e15;
}

std::vector<Satir> satisSatirlari(Database& db, qint64 satisNo)
{
    auto st = db.prepare(u"SELECT UrunSatisNo, UrunNo, UrunAdi, BirimAdedi FROM SatilanUrunler "
                         "WHERE SatisNo = ? ORDER BY UrunSatisNo"_s);
    st.bind(1, satisNo);
    std::vector<Satir> satirlar;
    while (st.step())
        satirlar.push_back({st.columnInt(0), st.columnInt(1), st.column(2).toString(), st.column(3).toDouble()});
    return satirlar;
}

qint64 kalanSatirSayisi(Database& db, qint64 satisNo)
{
    auto st = db.prepare(u"SELECT count(*) FROM SatilanUrunler WHERE SatisNo = ?"_s);
    st.bind(1, satisNo);
    st.step();
    return st.columnInt(0);
}

void satirlariSil(Database& db, qint64 satisNo)
{
    auto st = db.prepare(u"DELETE FROM SatilanUrunler WHERE SatisNo = ?"_s);
    st.bind(1, satisNo);
    st.step();
}

// A cash sale (customer 0) owes nothing.
void borcuAzalt(Database& db, qint64 musteriNo, Money tutar)
{
    if (musteriNo == 0 || tutar.isZero())
        return;
    auto st = db.prepare(u"UPDATE Musteriler SET ToplamBorc = coalesce(ToplamBorc, 0) - ? WHERE MusteriNo = ?"_s);
    st.bind(1, tutar.units());
    st.bind(2, musteriNo);
    st.step();
}

// After a rollback the objects may list rows that came back or miss rows that stayed; they show
// what is stored again, on the rows they stood on.
void yenidenGoster(Dataset& satislar, qint64 satisNo, Dataset* satirlar = nullptr, qint64 urunSatisNo = 0)
{
    satislar.cancel();
    satislar.reopen();
    satislar.locate(u"SatisNo"_s, satisNo);
    if (satirlar) {
        satirlar->cancel();
        satirlar->reopen();
        satirlar->locate(u"UrunSatisNo"_s, urunSatisNo);
    }
}

void engeliKontrolEt(Database& db, qint64 satisNo, qint64 urunSatisNo)
{
    const QString engel = iadeEngeli(db, satisNo, urunSatisNo);
    if (!engel.isEmpty())
        throw DataError(engel);
}

} // namespace

Money iptalTutari(Database& db, qint64 satisNo)
{
    auto st = db.prepare(u"SELECT coalesce(sum(UrunSatisTutari), 0) FROM SatilanUrunler WHERE SatisNo = ?"_s);
    st.bind(1, satisNo);
    st.step();
    return Money::fromUnits(st.columnInt(0));
}

QString iadeEngeli(Database& db, qint64 satisNo, qint64 urunSatisNo)
{
    for (const Satir& satir : satisSatirlari(db, satisNo)) {
        if ((urunSatisNo == 0 || satir.urunSatisNo == urunSatisNo) && !tamAdet(satir.adet))
            return u"\"%1\" satırının adedi %2; stok yalnız tam adet tuttuğu için bu satır iade alınamaz."_s
                .arg(satir.urunAdi, displayText(satir.adet));
    }
    return QString();
}

void satiriIadeEt(Dataset& satislar, Dataset& satirlar)
{
    Database& db = satislar.database();
    const qint64 satisNo = satislar.number(u"SatisNo"_s);
    const qint64 urunSatisNo = satirlar.number(u"UrunSatisNo"_s);
    if (satisNo == 0 || urunSatisNo == 0 || satirlar.number(u"SatisNo"_s) != satisNo)
        throw DataError(u"İade alınacak satır seçili satışa ait değil; hiçbir şey değişmedi."_s);
    engeliKontrolEt(db, satisNo, urunSatisNo);
    const Money tutar = satirlar.money(u"UrunSatisTutari"_s);
    try {
        Transaction transaction(db);
        stokuDegistir(db, satirlar.number(u"UrunNo"_s), satirlar.number(u"BirimAdedi"_s));
        satislar.edit();
        satislar.setValue(u"ToplamTutar"_s, satislar.money(u"ToplamTutar"_s) - tutar);
        satislar.post();
        borcuAzalt(db, satislar.number(u"MusteriNo"_s), tutar);
        satirlar.remove();
        // A discounted sale whose lines have all come back keeps its row at minus the discount
        // until it is cancelled; a sale whose total reached 0 with lines left keeps them.
        if (satislar.money(u"ToplamTutar"_s).isZero() && kalanSatirSayisi(db, satisNo) == 0)
            satislar.remove();
        transaction.commit();
    } catch (const DataError& error) {
        yenidenGoster(satislar, satisNo, &satirlar, urunSatisNo);
        throw DataError(u"İade alınamadı; hiçbir şey değişmedi.\n"_s + error.message(), error.kind());
    } catch (...) {
        yenidenGoster(satislar, satisNo, &satirlar, urunSatisNo);
        throw;
    }
}

void satisiIptalEt(Dataset& satislar)
{
    Database& db = satislar.database();
    const qint64 satisNo = satislar.number(u"SatisNo"_s);
    if (satisNo == 0)
        throw DataError(u"İptal edilecek satış seçili değil; hiçbir şey değişmedi."_s);
    engeliKontrolEt(db, satisNo, 0);
    try {
        Transaction transaction(db);
        for (const Satir& satir : satisSatirlari(db, satisNo))
            stokuDegistir(db, satir.urunNo, static_cast<qint64>(satir.adet));
        borcuAzalt(db, satislar.number(u"MusteriNo"_s), iptalTutari(db, satisNo));
        satirlariSil(db, satisNo);
        satislar.remove();
        transaction.commit();
    } catch (const DataError& error) {
        yenidenGoster(satislar, satisNo);
        throw DataError(u"Satış iptal edilemedi; hiçbir şey değişmedi.\n"_s + error.message(), error.kind());
    } catch (...) {
        yenidenGoster(satislar, satisNo);
        throw;
    }
}

} // namespace dukkano
