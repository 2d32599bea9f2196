// The screen width: the primary screen's, or one set by a test.
#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace dukkano::Screen {
namespace {
int setPixels = 0;  // 0: the real screen
}

int width()
{
    if (setPixels > 0)
        return setPixels;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

void setWidth(int pixels)
{
    setPixels = pixels;
}

} // namespace dukkano::Screen
