#include "document/timestamp.h"

QByteArray timestamp(const QDateTime& localTime)
{
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    QByteArray text;
    for (const int part : {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()})
        text += QByteArray::number(part);
    return text;
}
