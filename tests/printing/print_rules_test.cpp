#include "printing/print_rules.h"

#include <gtest/gtest.h>

namespace {

struct FontSizeCase {
    const char* rule;
    int size;
    int screenDpi;
    int printerDpi;
    int expected;
};

TEST(PrintFontSize, FollowsTheWorkedValues)
{
    const FontSizeCase cases[] = {
        { "9 points on a 96 dpi screen, 203 dpi printer", 9, 96, 203, 4 },
        { "12 points", 12, 96, 203, 5 },
        { "16 points, the new text's size", 16, 96, 203, 7 },
        { "24 points", 24, 96, 203, 11 },
        { "72 points", 72, 96, 203, 34 },
        { "9 points on a 300 dpi printer", 9, 96, 300, 2 },
        { "the size's sign is dropped", -9, 96, 203, 4 },
        { "zero size", 0, 96, 203, 0 },
        { "no screen density", 9, 0, 203, 0 },
        { "no printer density", 9, 96, 0, 0 },
        { "a negative printer density", 9, 96, -203, 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(printFontSize(c.size, c.screenDpi, c.printerDpi), c.expected) << c.rule;
}

TEST(PrintFontSize, RoundsTheMillimetresToTwoDecimalsBeforeConverting)
{
    // 9 points at 141 dpi on 635 dpi: m is 0.705 mm exactly, a half, which goes up to 0.71 mm =
    // 2.01 pt (binary arithmetic sees 0.70499.. and would give 0.70 mm = 1.98 pt).
    EXPECT_EQ(printFontSize(9, 141, 635), 2);
    // 1 point at 16131 dpi on 3226 dpi: m = 1.76399.. mm rounds down to 1.76 mm = 4.99 pt, where
    // the unrounded millimetres would give 5.0003 pt.
    EXPECT_EQ(printFontSize(1, 16131, 3226), 4);
}

TEST(EffectiveDotDensity, UsesTheStoredNumberOr203)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        { "203", 203 },
        { "300", 300 },
        { "300dpi", 300 },
        { "  600", 600 },
        { "\xa3\xb3\xa3\xb0\xa3\xb0", 300 }, // full-width digits
        { "abc", 203 }, // reads as 0
        { "0", 203 },
        { "-5", 203 },
        { "", 203 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(effectiveDotDensity(c.text), c.expected) << c.text;
}

TEST(SkipRule, SkipsOnlyElementsBeyondBothEdges)
{
    const QSize label(720, 250);
    const struct {
        const char* rule;
        int left;
        int top;
        bool skipped;
    } cases[] = {
        { "inside", 10, 10, false },
        { "wholly right of the label but within its height", 800, 100, false },
        { "wholly below the label but within its width", 100, 300, false },
        { "beyond the bottom-right corner", 800, 300, true },
        { "exactly at the bottom-right corner", 720, 250, true },
        { "one pixel short of the right edge", 719, 250, false },
        { "one pixel short of the bottom edge", 720, 249, false },
        { "left and above the label", -50, -50, false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(isSkippedOnPrint(c.left, c.top, label), c.skipped) << c.rule;
}

TEST(TextStartPoint, PutsTheTurnedTextInsideTheBox)
{
    const QPointF at(100, 40);
    const qreal w = 50;
    const qreal h = 20;
    const struct {
        int angle;
        QPointF expected;
    } cases[] = {
        { 0, { 100, 40 } },
        { 900, { 100, 90 } }, // (x, y + w): the baseline runs up from the bottom-left corner
        { 1800, { 150, 60 } }, // (x + w, y + h): upside down from the bottom-right corner
        { 2700, { 120, 40 } }, // (x + h, y): the baseline runs down from the top-right corner
        { 450, { 100, 40 } }, // any other angle writes from (x, y)
        { -900, { 100, 40 } },
        { 3600, { 100, 40 } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(textStartPoint(at, c.angle, w, h), c.expected) << c.angle;
}

TEST(PlanPage, GivesAPageOfTheLabelsSizeAcrossOrDownAsTheSettingSays)
{
    const struct {
        const char* rule;
        QSize label;
        int orientation;
        PagePlan expected;
    } cases[] = {
        { "wide label, landscape: upright on a wide page", { 720, 250 }, 1, { { 720, 250 }, false } },
        { "wide label, portrait: turned onto a tall page", { 720, 250 }, 0, { { 250, 720 }, true } },
        { "tall label, landscape: turned onto a wide page", { 250, 720 }, 1, { { 720, 250 }, true } },
        { "tall label, portrait: upright on a tall page", { 250, 720 }, 0, { { 250, 720 }, false } },
        { "square label, landscape: upright", { 400, 400 }, 1, { { 400, 400 }, false } },
        { "square label, portrait: upright", { 400, 400 }, 0, { { 400, 400 }, false } },
        { "any value but 1 is portrait", { 720, 250 }, 2, { { 250, 720 }, true } },
        { "negative values are portrait too", { 720, 250 }, -1, { { 250, 720 }, true } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(planPage(c.label, c.orientation), c.expected) << c.rule;
}

} // namespace
