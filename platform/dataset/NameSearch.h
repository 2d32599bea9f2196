// The one way to search a table by a name: "begins with" for the list windows and "equals" for
// the check of a name already stored, Turkish case-insensitive, through the name's TURKCE index.
#pragma once

#include <QString>

namespace dukkano {

class Dataset;

enum class NameMatch {
    BeginsWith,  // % and _ in the typed text stay wildcards
    Equals,      // the typed text itself, % and _ included
};

// Sets the query object's SELECT to every column of the rows of `table` whose `column` begins
// with or equals the typed text, letters compared the Turkish way (i/İ, ı/I), ordered by
// `orderBy`, and binds its parameters. Without wildcards the search reads only the index range
// from the typed text in lower case up to that text followed by U+FFFF, which sorts last.
void searchByName(Dataset& query, const QString& table, const QString& column, const QString& typed,
                  NameMatch match, const QString& orderBy);

} // namespace dukkano
