// Today's date and the time of day come from here, so tests can set them.
#pragma once

#include <QDate>
#include <QDateTime>

namespace dukkano::Clock {

QDate today();
QDateTime now();
// Fixes the clock at a moment (tests); an invalid moment returns to the real clock.
void set(const QDateTime& moment);

} // namespace dukkano::Clock
