#pragma once

#include <QDateTime>
#include <QString>

// "周一" … "周日" for Qt's day of the week (1 Monday … 7 Sunday).
QString weekdayName(int dayOfWeek);
// The traditional name of the time of day for an hour 0-23, by the first matching range.
QString timeOfDayName(int hour);
// Status-bar part 0: "时钟：2015-5-6 周三 9:5:3 上午-辰巳时", numbers without leading zeros.
QString clockText(const QDateTime& localTime);
