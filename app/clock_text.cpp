#include "app/clock_text.h"

#include <array>

QString weekdayName(int dayOfWeek)
{
    static const std::array<QString, 7> names = {
        QStringLiteral("周一"), QStringLiteral("周二"), QStringLiteral("周三"), QStringLiteral("周四"),
        QStringLiteral("周五"), QStringLiteral("周六"), QStringLiteral("周日"),
    };
    if (dayOfWeek < 1 || dayOfWeek > 7)
        return QString();
    return names[static_cast<size_t>(dayOfWeek - 1)];
}

QString timeOfDayName(int hour)
{
    struct Range {
        int from;
        int to;
        const char16_t* name;
    };
    // Tested in this order, so a shared bound belongs to the earlier range (5 is 凌晨, 7 早上).
    static constexpr std::array<Range, 6> ranges = {{
        {3, 5, u"凌晨-寅时"},
        {5, 7, u"早上-卯时"},
        {7, 11, u"上午-辰巳时"},
        {11, 15, u"中午-午未时"},
        {15, 19, u"下午-申酉时"},
        {19, 23, u"晚上-戌亥时"},
    }};
    for (const Range& range : ranges) {
        if (hour >= range.from && hour <= range.to)
            return QString::fromUtf16(range.name);
    }
    return QStringLiteral("子夜-子丑时");
}

QString clockText(const QDateTime& localTime)
{
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    return QStringLiteral("时钟：") + QString::number(date.year()) + QLatin1Char('-') + QString::number(date.month())
        + QLatin1Char('-') + QString::number(date.day()) + QLatin1Char(' ') + weekdayName(date.dayOfWeek())
        + QLatin1Char(' ') + QString::number(time.hour()) + QLatin1Char(':') + QString::number(time.minute())
        + QLatin1Char(':') + QString::number(time.second()) + QLatin1Char(' ') + timeOfDayName(time.hour());
}
