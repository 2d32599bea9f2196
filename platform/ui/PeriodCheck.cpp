// The period check of the review, report and expense windows.
#include "PeriodCheck.h"

#include "Clock.h"

using namespace Qt::Literals::StringLiterals;

namespace dukkano {

std::optional<PeriodRefusal> checkPeriod(QDate start, QDate end)
{
    const QDate today = Clock::today();
    if (start > today)
        return PeriodRefusal{u"Başlangıç Tarihi Gelecek bir tarih olamaz. Lütfen düzeltip tekrar deneyiniz."_s,
                             PeriodField::Start};
    if (end > today)
        return PeriodRefusal{u"Bitiş Tarihi Gelecek bir tarih olamaz. Lütfen düzeltip tekrar deneyiniz ."_s,
                             PeriodField::End};
    if (start > end)
        return PeriodRefusal{u"Başlangıç Tarihi Bitiş tarihinden sonra olamaz. Lütfen düzeltip tekrar deneyiniz ."_s,
                             PeriodField::End};
    return std::nullopt;
}

} // namespace dukkano
