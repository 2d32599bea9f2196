// Moving a product's stock: the one write behind sales, returns, cancellations and stock entry.
#pragma once

#include <QtGlobal>

namespace dukkano {

class Database;

// Adds units to a product's stock (negative: takes them out; the stock may go below zero).
// False when no product has that key, and nothing is written then. Runs inside the caller's
// transaction when there is one.
bool stokuDegistir(Database& db, qint64 urunNo, qint64 adet);

} // namespace dukkano
