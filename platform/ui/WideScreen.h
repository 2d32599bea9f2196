// On screens wider than 1152 pixels work windows move their controls right (and some down);
// the rounding of layout sizes that follow the screen width.
#pragma once

#include <initializer_list>

class QWidget;

namespace dukkano {

// numerator / denominator for positive numbers, to the nearest whole number, halves to even.
int roundedQuotient(long long numerator, long long denominator);

// Right by 3 x width / 25 and, when alsoDown, down by 17 x width / 1000 pixels, rounded to
// whole pixels (halves to even); nothing on screens up to 1152 pixels wide.
void shiftForWideScreen(std::initializer_list<QWidget*> widgets, bool alsoDown);

} // namespace dukkano
