// The writing step of a sale: the sale row, its lines, the stock and the debt in one transaction.
#include "SatisKaydi.h"

#include "Clock.h"
#include "Veritabani.h"

namespace dukkano {
namespace {

// Returns the new sale's number: the key SQLite gave the row, whatever filter is on.
qint64 satisSatiriniYaz(Veritabani& db, const TamamlananSatis& satis)
{
    Dataset& t = db.tableSatislar;
    t.append();
    t.setValue(u"MusteriNo"_qs, satis.musteriNo);
    t.setValue(u"SatisTarihi"_qs, Clock::today());
    t.setValue(u"ToplamTutar"_qs, satis.araToplam - satis.indirim.value_or(Money()));
    t.setValue(u"Kazanc"_qs, satis.indirim.value_or(Money()).roundedToCents());
    t.post();
    return t.currentKey();
}

// The customer charged is found by key, before anything is written; namesakes never share a
// debt. The shared object is left on them.
void musteriyeGit(Dataset& musteriler, qint64 musteriNo)
{
    musteriler.setFiltered(false);
    musteriler.setFilter(QStringLiteral("[MusteriNo]='%1'").arg(musteriNo));
    musteriler.setFiltered(true);
    if (musteriler.isEmpty())
        throw DataError(QStringLiteral("Satışın yazılacağı müşteri bulunamadı; satış kaydedilmedi."));
}

void stoktanDus(Dataset& urunler, qint64 urunNo, qint64 adet)
{
    urunler.setFiltered(false);
    urunler.setFilter(QStringLiteral("[UrunNo]='%1'").arg(urunNo));
    urunler.setFiltered(true);
    if (urunler.isEmpty())  // the product was deleted since it was put in the basket
        return;
    urunler.edit();
    urunler.setValue(u"StoktakiBirimMiktari"_qs, urunler.number(u"StoktakiBirimMiktari"_qs) - adet);
    urunler.post();
}

void satirlariYaz(Veritabani& db, Dataset& sepet, qint64 satisNo)
{
    Dataset& satirlar = db.tableSatilanUrunler;
    for (sepet.first(); !sepet.eof(); sepet.next()) {
        satirlar.append();
        satirlar.setValue(u"SatisNo"_qs, satisNo);
        satirlar.setValue(u"UrunNo"_qs, sepet.number(u"UrunNo"_qs));
        satirlar.setValue(u"UrunAdi"_qs, sepet.text(u"UrunAdi"_qs));
        satirlar.setValue(u"BirimAdedi"_qs, sepet.number(u"BirimAdedi"_qs));
        satirlar.setValue(u"UrunSatisTutari"_qs, sepet.money(u"UrunSatisTutari"_qs));
        satirlar.setValue(u"BirimSatisFiyati"_qs, sepet.money(u"BirimSatisFiyati"_qs));
        satirlar.post();
        stoktanDus(db.tableUrunler, sepet.number(u"UrunNo"_qs), sepet.number(u"BirimAdedi"_qs));
    }
    db.tableUrunler.setFiltered(false);
}

void borcaEkle(Dataset& musteriler, Money tutar)
{
    musteriler.edit();
    musteriler.setValue(u"ToplamBorc"_qs, musteriler.money(u"ToplamBorc"_qs) + tutar);
    musteriler.post();
}

} // namespace

qint64 satisiKaydet(Veritabani& db, Dataset& sepet, const TamamlananSatis& satis)
{
    const bool veresiye = satis.musteriNo != 0;
    if (veresiye)
        musteriyeGit(db.tableMusteriler, satis.musteriNo);
    try {
        Transaction transaction(db.baglanti);
        const qint64 satisNo = satisSatiriniYaz(db, satis);
        satirlariYaz(db, sepet, satisNo);
        if (veresiye)
            borcaEkle(db.tableMusteriler, satis.araToplam);
        transaction.commit();
        return satisNo;
    } catch (...) {
        // The objects may list rows that the rollback took back; show them what is stored.
        for (Dataset* t : {&db.tableSatislar, &db.tableSatilanUrunler, &db.tableUrunler, &db.tableMusteriler}) {
            t->cancel();
            t->reopen();
        }
        db.tableUrunler.setFiltered(false);
        throw;
    }
}

} // namespace dukkano
