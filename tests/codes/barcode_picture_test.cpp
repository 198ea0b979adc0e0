#include "codes/barcode_picture.h"

#include "platform/gbk.h"
#include "tests/codes/picture_probe.h"
#include "tests/codes/tool_runner.h"

#include <gtest/gtest.h>

namespace {

QByteArray horizontal(QByteArray text)
{
    return makeBarcodePicture(text);
}

QByteArray vertical(QByteArray text)
{
    return makeBarcodePicture(text, true);
}

// zint's modules of a Code 128 symbol (1 = bar), read from its hexadecimal dump.
QByteArray zintModules(const char* text, int moduleCount)
{
    const ToolResult zint = runTool("zint", {"--dump", "-b", "20", "-d", QString::fromLatin1(text)});
    QByteArray bits;
    for (char h : zint.out) {
        bool ok = false;
        const int nibble = QByteArray(1, h).toInt(&ok, 16);
        if (ok) {
            for (int bit = 3; bit >= 0; --bit) {
                bits.append((nibble >> bit) & 1 ? '1' : '0');
            }
        }
    }
    return bits.left(moduleCount);
}

} // namespace

TEST(BarcodePicture, IsAOneBitBmpWithABlackAndWhiteColourTable)
{
    const QByteArray bmp = horizontal("AB12");
    ASSERT_GE(bmp.size(), 62);
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(bmpField32(bmp, 2), static_cast<quint32>(bmp.size()));
    EXPECT_EQ(bmpField32(bmp, 14), 40u);
    EXPECT_EQ(bmpField32(bmp, 18), 241u);
    EXPECT_EQ(bmpField32(bmp, 22), 112u);
    EXPECT_EQ(bmpField16(bmp, 28), 1u);
    EXPECT_EQ(bmp.mid(54, 8), QByteArray("\x00\x00\x00\x00\xFF\xFF\xFF\x00", 8));
    EXPECT_EQ(bmpField32(bmp, 10), 62u);
    // 241 pixels need 31 bytes a row, padded to 32.
    EXPECT_EQ(bmp.size(), 62 + 32 * 112);
}

TEST(BarcodePicture, IsThreePixelsPerModulePlusFourWide)
{
    struct Case { const char* what; QByteArray text; int width; };
    const Case cases[] = {
        {"empty text: Start C, check, Stop (35 modules)", "", 109},
        {"AB12 (79 modules)", "AB12", 241},
        {"nine-digit time stamp (112 modules)", "B201556937", 340},
        {"twelve-digit time stamp (123 modules)", "B201512312359", 373},
        {"fourteen-digit time stamp (134 modules)", "B20151231235959", 406},
    };
    for (const Case& k : cases) {
        const QImage image = readBmp(horizontal(k.text));
        ASSERT_FALSE(image.isNull()) << k.what;
        EXPECT_EQ(image.width(), k.width) << k.what;
        EXPECT_EQ(image.height(), 112) << k.what;
    }
}

TEST(BarcodePicture, BarsFillRowsOneTo110BetweenTwoWhiteColumnsEachSide)
{
    const QImage image = readBmp(horizontal("AB12"));
    ASSERT_EQ(image.size(), QSize(241, 112));
    int firstBlack = -1;
    int lastBlack = -1;
    for (int x = 0; x < image.width(); ++x) {
        const bool bar = isBlack(image, x, 1);
        if (bar) {
            firstBlack = firstBlack < 0 ? x : firstBlack;
            lastBlack = x;
        }
        // A column is a bar or a space over its whole height.
        for (int y = 1; y <= 110; ++y) {
            ASSERT_EQ(isBlack(image, x, y), bar) << "x " << x << " y " << y;
        }
        EXPECT_FALSE(isBlack(image, x, 0)) << "row 0, x " << x;
        EXPECT_FALSE(isBlack(image, x, 111)) << "row 111, x " << x;
    }
    EXPECT_EQ(firstBlack, 2);
    EXPECT_EQ(lastBlack, 238);
    for (int x : {0, 1, 239, 240}) {
        EXPECT_FALSE(isBlack(image, x, 1)) << "column " << x;
    }
}

TEST(BarcodePicture, ColumnsFollowAnIndependentEncodersModules)
{
    const struct { const char* text; int modules; } cases[] = {{"AB12", 79}, {"B20151231235959", 134}};
    for (const auto& k : cases) {
        const QByteArray modules = zintModules(k.text, k.modules);
        ASSERT_EQ(modules.size(), k.modules) << "zint is not installed";
        const QImage image = readBmp(horizontal(k.text));
        ASSERT_EQ(image.width(), 3 * k.modules + 4);
        for (int x = 2; x < image.width() - 2; ++x) {
            ASSERT_EQ(isBlack(image, x, 50), modules[(x - 2) / 3] == '1') << k.text << " x " << x;
        }
    }
}

TEST(BarcodePicture, VerticalIsTheQuarterTurnClockwise)
{
    const QImage flat = readBmp(horizontal("AB12"));
    const QImage image = readBmp(vertical("AB12"));
    ASSERT_EQ(image.size(), QSize(112, 241));
    int firstBlackRow = -1;
    for (int y = 0; y < image.height() && firstBlackRow < 0; ++y) {
        if (isBlack(image, 50, y)) {
            firstBlackRow = y;
        }
    }
    EXPECT_EQ(firstBlackRow, 2);
    // The bars run across, 110 pixels long, from x = 1 to x = 110.
    for (int x = 0; x < 112; ++x) {
        EXPECT_EQ(isBlack(image, x, 2), x >= 1 && x <= 110) << "x " << x;
    }
    // Start character at the top: pixel (x, y) of the flat picture lands at (111 - y, x).
    for (int y = 0; y < flat.height(); ++y) {
        for (int x = 0; x < flat.width(); ++x) {
            ASSERT_EQ(isBlack(image, 111 - y, x), isBlack(flat, x, y)) << x << "," << y;
        }
    }
}

TEST(MakeBarcodePicture, RemovesSpacesFromTheCallersText)
{
    const QByteArray reference = horizontal("AB12");
    struct Case { QByteArray in; QByteArray out; };
    const Case cases[] = {
        {"A B 1 2", "AB12"},
        {toGbk(QString::fromUtf8("A\u3000B12 ")), "AB12"},  // the full-width space A1 A1
    };
    for (const Case& k : cases) {
        QByteArray text = k.in;
        EXPECT_EQ(makeBarcodePicture(text), reference) << k.in.toHex().constData();
        EXPECT_EQ(text, k.out);
    }
}

TEST(MakeBarcodePicture, KeepsTabsAndChineseInTheTextButLeavesThemOutOfTheSymbol)
{
    QByteArray tab = "AB\t12";
    EXPECT_EQ(makeBarcodePicture(tab), horizontal("AB12"));
    EXPECT_EQ(tab, "AB\t12");

    QByteArray chinese = toGbk(QString::fromUtf8("条码AB12"));
    EXPECT_EQ(makeBarcodePicture(chinese), horizontal("AB12"));
    EXPECT_EQ(chinese, toGbk(QString::fromUtf8("条码AB12")));
}

TEST(RenderBarcodePicture, GivesNoPictureWhenNoneCanBeMade)
{
    EXPECT_TRUE(renderBarcodePicture("2150", false).isEmpty()) << "not a module pattern";
    // 1500 characters need about 50,000 pixels of width, beyond what a bitmap may hold.
    QByteArray longText(1500, 'A');
    EXPECT_TRUE(makeBarcodePicture(longText).isEmpty());
    EXPECT_TRUE(makeBarcodePicture(longText, true).isEmpty());
}
