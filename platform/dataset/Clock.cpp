// The program's clock: the real one, or a moment fixed by a test.
#include "Clock.h"

namespace dukkano::Clock {
namespace {
QDateTime fixedMoment;  // invalid: the real clock
}

QDateTime now()
{
    return fixedMoment.isValid() ? fixedMoment : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void set(const QDateTime& moment)
{
    fixedMoment = moment;
}

} // namespace dukkano::Clock
