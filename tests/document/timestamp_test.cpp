#include "document/timestamp.h"
#include "platform/clock.h"

#include <gtest/gtest.h>

TEST(Timestamp, JoinsTheFieldsWithoutLeadingZeros)
{
    EXPECT_EQ(timestamp(QDateTime(QDate(2015, 5, 6), QTime(9, 3, 7))), "201556937");
    EXPECT_EQ(timestamp(QDateTime(QDate(2015, 12, 31), QTime(23, 59, 59))), "20151231235959");
    EXPECT_EQ(timestamp(QDateTime(QDate(2026, 1, 1), QTime(0, 0, 0))), "202611000");
}

TEST(Timestamp, ComesFromTheInjectedClock)
{
    FixedClock clock(QDateTime(QDate(2015, 5, 6), QTime(9, 5, 3)));
    EXPECT_EQ(timestamp(clock.now()), "201556953");
    clock.advanceSeconds(1);
    EXPECT_EQ(timestamp(clock.now()), "201556954");
}
