// The entries of the product and customer name lists, each carrying its row's key, read in one
// statement in Turkish order.
#pragma once

#include "KeyedChoice.h"

namespace dukkano {

class Database;

// Every product as name and description, by name, then description, then key.
QVector<KeyedChoice> urunSecimListesi(Database& db);
// Every customer as name and father's name, by name, then father's name, then key.
QVector<KeyedChoice> musteriSecimListesi(Database& db);

} // namespace dukkano
