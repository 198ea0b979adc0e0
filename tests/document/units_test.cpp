#include "document/units.h"

#include <gtest/gtest.h>

TEST(Units, MillimetresBecomePixelsTruncatedTowardZero)
{
    EXPECT_EQ(mmToPixels(72), 720);
    EXPECT_EQ(mmToPixels(72.59), 725);
    EXPECT_EQ(mmToPixels(-0.39), -3);
    EXPECT_EQ(mmToPixels(1e300), 2147483647);
}

TEST(Units, LengthsAreWrittenAsShortestDecimalOfThirteenDigits)
{
    struct Case { int pixels; const char* text; };
    for (const Case c : {Case{720, "72"}, Case{125, "12.5"}, Case{-3, "-0.3"}, Case{725, "72.5"}, Case{0, "0"},
                         Case{1, "0.1"}, Case{2147483647, "214748364.7"}})
        EXPECT_EQ(formatPixelsAsMm(c.pixels), QByteArray(c.text)) << c.pixels;
    EXPECT_EQ(formatMm(72.0), "72");
    EXPECT_EQ(formatMm(1.0 / 3.0), "0.3333333333333");
}
