#include "MusteriSilme.h"

#include "Dataset.h"
#include "Dialogs.h"
#include "MusteriHesabi.h"

using namespace Qt::Literals::StringLiterals;

namespace dukkano {

bool musteriyiSil(Dataset& musteriler)
{
    // The stored debt decides, not a row read earlier; an edit still pending is stored first.
    musteriler.post();
    const Money borc = kayitliBorc(musteriler.database(), musteriler.number(u"MusteriNo"_s)).value_or(Money());
    if (!silinebilir(borc)) {
        showMessage(u"Bu Müşterinin Borcu Olduğundan Kayıtlardan Silmenize İzin Verilmedi."_s);
        return false;
    }
    if (musteriler.isEmpty()
        || !dialogs().question(u"Seçili Kaydı Silmek İstediğinizden Emin misiniz ?"_s, u"Cari Listesi"_s,
                               QuestionButtons::YesNo))
        return false;
    musteriler.remove();
    return true;
}

} // namespace dukkano
