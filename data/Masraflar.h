// The shop's expense totals, summed in SQL and exact to the unit.
#pragma once

#include "Money.h"

#include <QDate>
#include <optional>

namespace dukkano {

class Database;

// The total of the expenses dated from `ilk` to `son`, both included; without `son`, from `ilk`
// on. Every expense counts, paid or not.
Money masrafToplami(Database& db, QDate ilk, std::optional<QDate> son = std::nullopt);

} // namespace dukkano
