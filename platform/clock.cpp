#include "platform/clock.h"

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}
