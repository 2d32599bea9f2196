// Storing a completed sale: the sale row, its lines, the stock and an on-account customer's
// debt, all in one transaction.
#pragma once

#include "Money.h"

#include <optional>

namespace dukkano {

class Dataset;
class Veritabani;

struct TamamlananSatis {
    Money araToplam;               // the sum of the line amounts, before the discount
    std::optional<Money> indirim;  // the discount as typed; none when the field is empty
    qint64 musteriNo = 0;          // on account: the customer's key; 0 for a cash sale
};

// Writes the basket as one sale through the shared table objects and returns its SatisNo; the
// sale's lines carry the number SQLite gave the sale row. tableSatislar is left on the new sale,
// and for a sale on account tableMusteriler on the customer charged.
// Either everything is written or nothing: on any failure the transaction is rolled back, the
// shared objects are reopened on what is stored, and the DataError is passed on.
qint64 satisiKaydet(Veritabani& db, Dataset& sepet, const TamamlananSatis& satis);

} // namespace dukkano
