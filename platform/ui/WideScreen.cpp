// The wide-screen shift of work windows' controls.
#include "WideScreen.h"

#include "Screen.h"

#include <QWidget>

namespace dukkano {

int roundedQuotient(long long numerator, long long denominator)
{
    long long quotient = numerator / denominator;
    const long long twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0))
        ++quotient;
    return static_cast<int>(quotient);
}

void shiftForWideScreen(std::initializer_list<QWidget*> widgets, bool alsoDown)
{
    const int width = Screen::width();
    if (width <= 1152)
        return;
    const int right = roundedQuotient(3LL * width, 25);
    const int down = alsoDown ? roundedQuotient(17LL * width, 1000) : 0;
    for (QWidget* widget : widgets) {
        if (widget)
            widget->move(widget->x() + right, widget->y() + down);
    }
}

} // namespace dukkano
