#include "app/clock_text.h"
#include "app/label_size.h"
#include "app/pointer_readout.h"
#include "app/ruler_marks.h"

#include <gtest/gtest.h>

TEST(ClockText, WritesDateWeekdayTimeAndTimeOfDay)
{
    EXPECT_EQ(clockText(QDateTime(QDate(2015, 5, 6), QTime(9, 5, 3))),
              QStringLiteral("时钟：2015-5-6 周三 9:5:3 上午-辰巳时"));
    EXPECT_EQ(clockText(QDateTime(QDate(2015, 5, 10), QTime(0, 0, 0))),
              QStringLiteral("时钟：2015-5-10 周日 0:0:0 子夜-子丑时"));
    EXPECT_EQ(clockText(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59))),
              QStringLiteral("时钟：2024-12-31 周二 23:59:59 晚上-戌亥时"));
}

TEST(ClockText, NamesEveryHourByTheFirstMatchingRange)
{
    const char* const expected[24] = {
        "子夜-子丑时", "子夜-子丑时", "子夜-子丑时", "凌晨-寅时", "凌晨-寅时", "凌晨-寅时",
        "早上-卯时", "早上-卯时", "上午-辰巳时", "上午-辰巳时", "上午-辰巳时", "上午-辰巳时",
        "中午-午未时", "中午-午未时", "中午-午未时", "中午-午未时", "下午-申酉时", "下午-申酉时",
        "下午-申酉时", "下午-申酉时", "晚上-戌亥时", "晚上-戌亥时", "晚上-戌亥时", "晚上-戌亥时",
    };
    for (int hour = 0; hour < 24; ++hour)
        EXPECT_EQ(timeOfDayName(hour), QString::fromUtf8(expected[hour])) << hour;
    const char* const days[] = {"周一", "周二", "周三", "周四", "周五", "周六", "周日"};
    for (int day = 1; day <= 7; ++day)
        EXPECT_EQ(weekdayName(day), QString::fromUtf8(days[day - 1]));
}

TEST(RulerMarks, TickEveryMillimetreAndNumberEveryCentimetre)
{
    const QList<RulerMark> top = topRulerMarks(1366);
    ASSERT_EQ(top.size(), 1 + 136 + 13);
    EXPECT_EQ(top[0], (RulerMark{true, {0, 5}, {0, 5}, "0"}));
    EXPECT_EQ(top[1], (RulerMark{false, {10, 15}, {10, 24}, {}}));
    EXPECT_EQ(top[10], (RulerMark{true, {103, 3}, {103, 3}, "10"}));
    EXPECT_EQ(top[11], (RulerMark{false, {100, 5}, {100, 24}, {}}));
    EXPECT_EQ(top.last(), (RulerMark{false, {1360, 15}, {1360, 24}, {}}));
    QString lastNumber;
    for (const RulerMark& mark : top) {
        if (mark.isText)
            lastNumber = mark.text;
    }
    EXPECT_EQ(lastNumber, QStringLiteral("130"));

    const QList<RulerMark> left = leftRulerMarks(1366);
    ASSERT_EQ(left.size(), top.size());
    EXPECT_EQ(left[0], (RulerMark{true, {10, 6}, {10, 6}, "0"}));
    EXPECT_EQ(left[1], (RulerMark{false, {0, 10}, {10, 10}, {}}));
    EXPECT_EQ(left[10], (RulerMark{true, {9, 99}, {9, 99}, "10"}));
    EXPECT_EQ(left[11], (RulerMark{false, {0, 100}, {15, 100}, {}}));
    EXPECT_EQ(kLeftRulerAngle, 900);
}

TEST(PointerReadout, MeasuresInMillimetres)
{
    EXPECT_EQ(windowPointerText(QPoint(850, 100), 0, 41), QStringLiteral("wx= 82.6 mm,wy= 3.5 mm"));
    EXPECT_EQ(windowPointerText(QPoint(10, 50), 0, 41), QStringLiteral("wx= -1.4 mm,wy= -1.5 mm"));
    EXPECT_EQ(labelPointerText(QPoint(125, 7)), QStringLiteral("lx= 12.5 mm,ly= 0.7 mm"));
    EXPECT_EQ(topRulerPointerText(720), QStringLiteral("sx= 72 mm,sy= 0 mm"));
    EXPECT_EQ(leftRulerPointerText(3), QStringLiteral("sx= 0 mm,sy= 0.3 mm"));
}

TEST(LabelSize, TakesTheLeadingIntegerOfEachText)
{
    EXPECT_EQ(labelSizeFromTexts("72", "25"), QSize(720, 250));
    EXPECT_EQ(labelSizeFromTexts("80.6", "25"), QSize(800, 250));
    EXPECT_EQ(labelSizeFromTexts("\xA3\xB8\xA3\xB0", " 30mm"), QSize(800, 300)) << "full-width digits count";
    EXPECT_EQ(labelSizeFromTexts("abc", ""), QSize(0, 0));
    EXPECT_EQ(labelSizeFromTexts("99999999999", "1").width(), 2147483640) << "held inside int32";
}
