// The Turkish rules of TurkishCollation on Qt strings.
#include "TurkishText.h"

#include "TurkishCollation.h"

namespace dukkano {
namespace {

std::u16string_view units(QStringView text) { return {text.utf16(), std::size_t(text.size())}; }

} // namespace

QString turkishLower(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = QChar(turkce::lower(text[i].unicode()));
    return out;
}

QString turkishUpper(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = QChar(turkce::upper(text[i].unicode()));
    return out;
}

int turkishCompare(QStringView a, QStringView b) { return turkce::compare(units(a), units(b)); }

bool turkishLike(QStringView pattern, QStringView text, QChar escape)
{
    return turkce::like(units(pattern), units(text),
                        escape.isNull() ? std::nullopt : std::optional<char16_t>(escape.unicode()));
}

} // namespace dukkano
