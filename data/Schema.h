// The shop's tables and indexes, and the ordered steps that bring a file to the current version.
#pragma once

namespace dukkano {

class Database;

inline constexpr int currentSchemaVersion = 1;

// Creates the schema in an empty file, or upgrades an older one, in one transaction.
// Throws DataError for a file that is not a shop database, is newer than this program or
// lacks a table or column the program uses.
void prepareSchema(Database& db);

} // namespace dukkano
