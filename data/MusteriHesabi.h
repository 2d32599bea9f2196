// A customer's account, always by key: the debt as stored, the rule for deleting, a payment
// with its record, and the total spent.
#pragma once

#include "Money.h"

#include <optional>

namespace dukkano {

class Database;

// The customer's stored debt (an empty debt reads 0); nullopt when no customer has that key.
std::optional<Money> kayitliBorc(Database& db, qint64 musteriNo);

// Only a customer who owes nothing may be deleted: a debt of 0, empty or below 0 (a credit).
constexpr bool silinebilir(Money borc) { return borc <= Money(); }

// Lowers the debt by the amount and records the payment, dated today, in one transaction:
// both are written or neither. Throws DataError, with a message that says nothing was
// changed, when the customer is gone or the file refuses either write.
void borcOdemesiYap(Database& db, qint64 musteriNo, Money miktar);

// The sum of `ToplamTutar` over the customer's sales, as stored (after discounts and returns).
Money toplamHarcama(Database& db, qint64 musteriNo);

} // namespace dukkano
