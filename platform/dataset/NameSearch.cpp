// Name searches as SQL: a range of the name's index where the typed text allows it, and LIKE
// for the exact rows.
#include "NameSearch.h"

#include "Dataset.h"
#include "TurkishCollation.h"
#include "TurkishText.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

// The text as a LIKE pattern that matches only itself, with \ as the escape.
QString literalPattern(QString text)
{
    text.replace(QLatin1Char('\\'), u"\\\\"_s);
    text.replace(QLatin1Char('%'), u"\\%"_s);
    text.replace(QLatin1Char('_'), u"\\_"_s);
    return text;
}

bool hasWildcard(const QString& text)
{
    return text.contains(QLatin1Char('%')) || text.contains(QLatin1Char('_'));
}

// LIKE keeps the rows exact (â is not a, and the range holds other letters of equal weight);
// the range only spares it the rest of the table.
bool asRange(const QString& typed, NameMatch match)
{
    if (typed.isEmpty() || (match == NameMatch::BeginsWith && hasWildcard(typed)))
        return false;
    return std::all_of(typed.cbegin(), typed.cend(), [](QChar c) { return turkce::rangeSearchable(c.unicode()); });
}

} // namespace

void searchByName(Dataset& query, const QString& table, const QString& column, const QString& typed,
                  NameMatch match, const QString& orderBy)
{
    const bool beginsWith = match == NameMatch::BeginsWith;
    QString where = beginsWith ? u"%1 LIKE :arama"_s : u"%1 LIKE :arama ESCAPE '\\'"_s;
    const bool range = asRange(typed, match);
    if (range)
        where.prepend(u"%1 >= :alt AND %1 < :ust AND "_s);
    query.setSql(u"select * from %1 WHERE %2 ORDER BY %3"_s.arg(table, where.arg(column), orderBy));
    query.bindValue(u"arama"_s, beginsWith ? typed + QLatin1Char('%') : literalPattern(typed));
    if (range) {
        const QString alt = turkishLower(typed);
        query.bindValue(u"alt"_s, alt);
        query.bindValue(u"ust"_s, alt + QChar(turkce::afterEverything));
    }
}

} // namespace dukkano
