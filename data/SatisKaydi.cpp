// The writing step of a sale: the sale row, its lines, the stock and the debt in one transaction.
#include "SatisKaydi.h"

#include "Clock.h"
#include "StokHareketi.h"
#include "Veritabani.h"

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

// Returns the new sale's number: the key SQLite gave the row, whatever filter is on.
qint64 satisSatiriniYaz(Veritabani& db, const TamamlananSatis& satis)
{
    Dataset& t = db.tableSatislar;
    t.append();
    t.setValue(u"MusteriNo"_s, satis.musteriNo);
    t.setValue(u"SatisTarihi"_s, Clock::today());
    t.setValue(u"ToplamTutar"_s, satis.araToplam - satis.indirim.value_or(Money()));
    t.setValue(u"Kazanc"_s, satis.indirim.value_or(Money()).roundedToCents());
    t.post();
    return t.currentKey();
}

// The customer charged is found by key, before anything is written; namesakes never share a
// debt. The shared object is left on them.
void musteriyeGit(Dataset& musteriler, qint64 musteriNo)
{
    musteriler.setFiltered(false);
    musteriler.setFilter(u"[MusteriNo]='%1'"_s.arg(musteriNo));
    musteriler.setFiltered(true);
    if (musteriler.isEmpty())
        throw DataError(u"Satışın yazılacağı müşteri bulunamadı; satış kaydedilmedi."_s);
}

void satirlariYaz(Veritabani& db, Dataset& sepet, qint64 satisNo)
{
    Dataset& satirlar = db.tableSatilanUrunler;
    for (sepet.first(); !sepet.eof(); sepet.next()) {
        satirlar.append();
        satirlar.setValue(u"SatisNo"_s, satisNo);
        satirlar.setValue(u"UrunNo"_s, sepet.number(u"UrunNo"_s));
        satirlar.setValue(u"UrunAdi"_s, sepet.text(u"UrunAdi"_s));
        satirlar.setValue(u"BirimAdedi"_s, sepet.number(u"BirimAdedi"_s));
        satirlar.setValue(u"UrunSatisTutari"_s, sepet.money(u"UrunSatisTutari"_s));
        satirlar.setValue(u"BirimSatisFiyati"_s, sepet.money(u"BirimSatisFiyati"_s));
        satirlar.post();
        // A product deleted since it was put in the basket moves no stock.
        stokuDegistir(db.baglanti, sepet.number(u"UrunNo"_s), -sepet.number(u"BirimAdedi"_s));
    }
    // The shared object shows the moved stock afresh, unfiltered.
    db.tableUrunler.setFiltered(false);
    db.tableUrunler.reopen();
}

void borcaEkle(Dataset& musteriler, Money tutar)
{
    musteriler.edit();
    musteriler.setValue(u"ToplamBorc"_s, musteriler.money(u"ToplamBorc"_s) + tutar);
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
