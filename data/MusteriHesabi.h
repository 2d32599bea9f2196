// A customer's account, always by key: the debt as stored and the rule for deleting.
#pragma once

#include "Money.h"

#include <optional>

namespace dukkano {

class Database;

// The customer's stored debt (an empty debt reads 0); nullopt when no customer has that key.
std::optional<Money> kayitliBorc(Database& db, qint64 musteriNo);

// Only a customer who owes nothing may be deleted: a debt of 0, empty or below 0 (a credit).
constexpr bool silinebilir(Money borc) { return borc <= Money(); }

} // namespace dukkano
