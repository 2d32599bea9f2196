// The check a window runs on a period before it lists or totals it: neither day after today,
// the start not after the end.
#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace dukkano {

enum class PeriodField { Start, End };

struct PeriodRefusal {
    QString message;
    PeriodField focus;  // the picker the user is sent back to
};

// The first rule the period breaks, with today from the clock; none when it may be used.
std::optional<PeriodRefusal> checkPeriod(QDate start, QDate end);

} // namespace dukkano
