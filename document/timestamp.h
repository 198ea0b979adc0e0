#pragma once

#include <QByteArray>
#include <QDateTime>

// Year, month, day, hour, minute and second in decimal without leading zeros, joined without
// separators: 6 May 2015, 09:03:07 gives "201556937". Names scratch files, default contents and
// default file names.
QByteArray timestamp(const QDateTime& localTime);
