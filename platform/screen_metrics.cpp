#include "platform/screen_metrics.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

int screenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    return static_cast<int>(std::lround(screen->logicalDotsPerInchX()));
}

int screenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}
