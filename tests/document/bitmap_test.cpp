#include "document/bitmap.h"
#include "tests/support/bitmap_art.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace {

using Art = std::vector<std::string>;

const std::map<char, Colour> kRgb { { 'R', 0x0000FF }, { 'G', 0x00FF00 }, { 'B', 0xFF0000 } };

Bitmap sentinel()
{
    Bitmap b;
    b.width = 7;
    b.height = 5;
    b.depth = 8;
    b.colourTable = { 0x123456 };
    b.pixels = { 1, 2, 3 };
    return b;
}

bool sameBitmap(const Bitmap& a, const Bitmap& b)
{
    return a.width == b.width && a.height == b.height && a.depth == b.depth && a.colourTable == b.colourTable
        && a.pixels == b.pixels;
}

std::vector<std::uint8_t> row(const Bitmap& b, int y)
{
    const auto start = b.pixels.begin() + static_cast<std::ptrdiff_t>(b.stride()) * y;
    return { start, start + b.stride() };
}

} // namespace

TEST(CreateBitmap, RefusesSidesAndDepthsOutsideTheRangeAndLeavesTheBitmapAlone)
{
    struct Case { int width; int height; int depth; const char* rule; };
    for (const Case c : { Case { 0, 1, 1, "no width" }, Case { 1, 0, 1, "no height" },
                          Case { -1, 5, 1, "negative width" }, Case { 5, -1, 24, "negative height" },
                          Case { kMaxBitmapSide + 1, 1, 1, "too wide" }, Case { 1, kMaxBitmapSide + 1, 1, "too high" },
                          Case { std::numeric_limits<int>::min(), 1, 8, "most negative width" },
                          Case { 1, 1, 0, "depth 0" }, Case { 1, 1, 2, "depth 2" }, Case { 1, 1, 15, "depth 15" },
                          Case { 1, 1, 64, "depth 64" } }) {
        Bitmap b = sentinel();
        EXPECT_FALSE(createBitmap(b, c.width, c.height, c.depth, kWhite)) << c.rule;
        EXPECT_TRUE(sameBitmap(b, sentinel())) << c.rule;
    }
    Bitmap b;
    EXPECT_TRUE(createBitmap(b, kMaxBitmapSide, 1, 1, kWhite));
    EXPECT_TRUE(createBitmap(b, 1, kMaxBitmapSide, 32, kWhite));
    EXPECT_EQ(b.width, 1);
    EXPECT_EQ(b.height, kMaxBitmapSide);
}

TEST(CreateBitmap, FillsEveryPixelAndLeavesTheRowPaddingZero)
{
    struct Case { int width; int depth; Colour fill; std::vector<std::uint8_t> row; const char* rule; };
    for (const Case& c : {
             Case { 10, 1, kWhite, { 0xFF, 0xC0, 0, 0 }, "1 bit: ten pixels reach into the second byte" },
             Case { 10, 1, 0x808080, { 0xFF, 0xC0, 0, 0 }, "1 bit: mid grey is nearer white" },
             Case { 10, 1, 0x7F7F7F, { 0, 0, 0, 0 }, "1 bit: a shade darker is nearer black" },
             Case { 3, 4, 0x0000FF, { 0x99, 0x90, 0, 0 }, "4 bits: red is entry 9, high nibble first" },
             Case { 3, 8, 0x0000FF, { 5, 5, 5, 0 }, "8 bits: red is cube entry 5" },
             Case { 2, 16, 0x0000FF, { 0x00, 0x7C, 0x00, 0x7C }, "16 bits: red in bits 10 to 14, low byte first" },
             Case { 3, 24, 0x0000FF, { 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0 }, "24 bits: blue, green, red" },
             Case { 1, 32, 0x123456, { 0x12, 0x34, 0x56, 0 }, "32 bits: blue 0x12, green, red 0x56, zero" },
         }) {
        Bitmap b;
        ASSERT_TRUE(createBitmap(b, c.width, 2, c.depth, c.fill)) << c.rule;
        ASSERT_EQ(b.pixels.size(), 2 * c.row.size()) << c.rule;
        EXPECT_EQ(row(b, 0), c.row) << c.rule;
        EXPECT_EQ(row(b, 1), c.row) << c.rule;
    }
}

TEST(CreateBitmap, GivesTheStandardColourTables)
{
    Bitmap b;
    ASSERT_TRUE(createBitmap(b, 1, 1, 1, kBlack));
    EXPECT_EQ(b.colourTable, (std::vector<Colour> { kBlack, kWhite }));

    ASSERT_TRUE(createBitmap(b, 1, 1, 4, kBlack));
    EXPECT_EQ(b.colourTable, (std::vector<Colour> { 0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                                    0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                                    0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF }));

    ASSERT_TRUE(createBitmap(b, 1, 1, 8, kBlack));
    ASSERT_EQ(b.colourTable.size(), 256u);
    EXPECT_EQ(b.colourTable[0], 0x000000u);
    EXPECT_EQ(b.colourTable[5], 0x0000FFu); // red 255
    EXPECT_EQ(b.colourTable[36 * 1 + 6 * 2 + 3], 0x336699u); // blue 51, green 102, red 153
    EXPECT_EQ(b.colourTable[215], 0xFFFFFFu);
    EXPECT_EQ(b.colourTable[216], 0x060606u); // 255 / 45 = 5.67
    EXPECT_EQ(b.colourTable[223], 0x2D2D2Du); // n = 8: 45.3
    EXPECT_EQ(b.colourTable[224], 0x393939u); // n = 10 (n = 9 is cube grey 51): 56.7
    EXPECT_EQ(b.colourTable[255], 0xF9F9F9u); // n = 44: 249.3
    EXPECT_EQ(std::set<Colour>(b.colourTable.begin(), b.colourTable.end()).size(), 256u);

    for (int depth : { 16, 24, 32 }) {
        ASSERT_TRUE(createBitmap(b, 1, 1, depth, kBlack));
        EXPECT_TRUE(b.colourTable.empty()) << depth;
    }
}

TEST(SetPixel, FailsOutsideThePictureAndChangesNothing)
{
    Bitmap b;
    ASSERT_TRUE(createBitmap(b, 3, 2, 1, kWhite));
    const Bitmap before = b;
    struct Point { int x; int y; };
    for (const Point p : { Point { -1, 0 }, Point { 0, -1 }, Point { 3, 0 }, Point { 0, 2 }, Point { 3, 2 },
                           Point { std::numeric_limits<int>::min(), 0 }, Point { 0, std::numeric_limits<int>::max() } }) {
        EXPECT_FALSE(setPixel(b, p.x, p.y, kBlack)) << p.x << "," << p.y;
        EXPECT_EQ(pixelColour(b, p.x, p.y), 0u) << p.x << "," << p.y;
    }
    EXPECT_TRUE(sameBitmap(b, before));

    Bitmap null;
    EXPECT_FALSE(setPixel(null, 0, 0, kBlack));
    EXPECT_EQ(pixelColour(null, 0, 0), 0u);
}

TEST(SetPixel, NeverWritesPastPixelsShorterThanTheSidesClaim)
{
    Bitmap b;
    b.width = 8;
    b.height = 8;
    b.depth = 1;
    b.colourTable = { kBlack, kWhite };
    b.pixels.assign(8, 0); // two rows of four bytes
    EXPECT_TRUE(setPixel(b, 7, 1, kWhite));
    EXPECT_FALSE(setPixel(b, 0, 2, kWhite));
    EXPECT_EQ(pixelColour(b, 7, 1), kWhite);
    EXPECT_EQ(pixelColour(b, 0, 5), 0u);
    b.depth = 24;
    b.colourTable.clear();
    EXPECT_TRUE(setPixel(b, 1, 0, kWhite)); // bytes 3 to 5 of the eight
    EXPECT_FALSE(setPixel(b, 2, 0, kWhite)); // bytes 6 to 8
    EXPECT_EQ(pixelColour(b, 2, 0), 0u);
    b.depth = 3;
    EXPECT_FALSE(setPixel(b, 0, 0, kWhite));
    EXPECT_EQ(pixelColour(b, 0, 0), 0u);
}

TEST(SetPixel, StoresTheNearestTableEntry)
{
    struct Case { int depth; Colour set; Colour stored; const char* rule; };
    for (const Case c : {
             Case { 1, 0x808080, kWhite, "128 per channel is nearer white (3 x 127^2 < 3 x 128^2)" },
             Case { 1, 0x7F7F7F, kBlack, "127 per channel is nearer black" },
             Case { 1, 0x0000FF, kBlack, "pure red is one channel from black, two from white" },
             Case { 1, 0x00FFFF, kWhite, "yellow is two channels from black, one from white" },
             Case { 4, 0x0000F0, 0x0000FF, "a dark red goes to red" },
             Case { 4, 0x707070, 0x808080, "a grey goes to the nearer grey" },
             Case { 4, 0x404040, 0x000000, "equally near black and grey 0x808080: the lower index" },
             Case { 4, 0xA0A0A0, 0xC0C0C0, "equally near silver (entry 7) and grey (entry 8): the lower index" },
             Case { 8, 0x336699, 0x336699, "a cube colour is kept" },
             Case { 8, 0x2F2F2F, 0x2D2D2D, "a dark grey goes to the ramp" },
             Case { 16, 0x0000FF, 0x0000FF, "five bits of 255 read back as 255" },
             Case { 16, 0x808080, 0x848484, "128 keeps its top five bits, 16, read back as 132" },
             Case { 24, 0xFF123456, 0x123456, "the unused top byte is dropped" },
             Case { 32, 0x123456, 0x123456, "32 bits keep the colour" },
         }) {
        Bitmap b;
        ASSERT_TRUE(createBitmap(b, 2, 2, c.depth, kBlack));
        EXPECT_TRUE(setPixel(b, 1, 1, c.set)) << c.rule;
        EXPECT_EQ(pixelColour(b, 1, 1), c.stored) << c.rule;
        EXPECT_EQ(pixelColour(b, 0, 1), kBlack) << c.rule;
    }
}

TEST(SetPixel, UsesTheBitmapsOwnTableEvenWhenItIsNotBlackWhite)
{
    Bitmap b;
    ASSERT_TRUE(createBitmap(b, 9, 1, 1, kBlack));
    b.colourTable = { kWhite, kBlack }; // an inverted table, as some files carry
    ASSERT_TRUE(setPixel(b, 8, 0, kBlack));
    EXPECT_EQ(b.pixels[1], 0x80); // index 1 is black here
    ASSERT_TRUE(setPixel(b, 8, 0, 0x101010));
    EXPECT_EQ(b.pixels[1], 0x80);
    ASSERT_TRUE(setPixel(b, 8, 0, kWhite));
    EXPECT_EQ(b.pixels[1], 0x00);
}

TEST(FillRect, SetsTheRectangleAcrossByteEdges)
{
    Bitmap b = bitmapFromArt({ "............", "............", "............" });
    ASSERT_TRUE(fillRect(b, 3, 0, 7, 2, kBlack));
    ASSERT_TRUE(fillRect(b, 0, 2, 2, 1, kBlack));
    ASSERT_TRUE(fillRect(b, 11, 2, 1, 1, kBlack));
    EXPECT_EQ(artFromBitmap(b), (Art { "...XXXXXXX..", "...XXXXXXX..", "XX.........X" }));
    ASSERT_TRUE(fillRect(b, 4, 0, 2, 3, 0xF0F0F0));
    EXPECT_EQ(artFromBitmap(b), (Art { "...X..XXXX..", "...X..XXXX..", "XX.........X" }));
}

TEST(FillRect, GivesWhatSetPixelGivesAtEveryDepth)
{
    for (int depth : { 1, 4, 8, 16, 24, 32 }) {
        Bitmap filled;
        ASSERT_TRUE(createBitmap(filled, 37, 5, depth, 0x00FFFF));
        Bitmap drawn = filled;
        ASSERT_TRUE(fillRect(filled, 3, 1, 29, 3, 0x0000FF));
        for (int y = 1; y < 4; ++y)
            for (int x = 3; x < 32; ++x)
                ASSERT_TRUE(setPixel(drawn, x, y, 0x0000FF));
        EXPECT_TRUE(sameBitmap(filled, drawn)) << depth;
    }
}

TEST(FillRect, FailsOnRectanglesReachingOutsideAndChangesNothing)
{
    Bitmap b;
    ASSERT_TRUE(createBitmap(b, 10, 4, 1, kWhite));
    const Bitmap before = b;
    struct Case { int x; int y; int w; int h; bool ok; const char* rule; };
    constexpr int kMax = std::numeric_limits<int>::max();
    for (const Case c : { Case { 0, 0, 10, 4, true, "the whole picture" }, Case { 10, 4, 0, 0, true, "empty, at the far corner" },
                          Case { -1, 0, 2, 1, false, "left of the picture" }, Case { 0, -1, 1, 2, false, "above" },
                          Case { 9, 0, 2, 1, false, "one column too far" }, Case { 0, 3, 1, 2, false, "one row too far" },
                          Case { 5, 0, -1, 1, false, "negative width" }, Case { 5, 0, 1, -1, false, "negative height" },
                          Case { 5, 0, kMax, 1, false, "a width that overflows" }, Case { 0, 2, 1, kMax, false, "a height that overflows" } }) {
        Bitmap copy = b;
        EXPECT_EQ(fillRect(copy, c.x, c.y, c.w, c.h, kWhite), c.ok) << c.rule;
        EXPECT_TRUE(sameBitmap(copy, before)) << c.rule;
    }
    Bitmap null;
    EXPECT_FALSE(fillRect(null, 0, 0, 0, 0, kBlack));
}

TEST(ConvertBitDepth, MakesEachPixelTheNearerOfBlackAndWhite)
{
    const std::map<char, Colour> legend { { 'g', 0x808080 }, { 'd', 0x7F7F7F }, { 'r', 0x0000FF }, { 'y', 0x00FFFF },
                                          { 'b', 0xFF0000 }, { 'c', 0xFFFF00 } };
    const Bitmap colour = bitmapFromArt({ "gdry", "bcX." }, 24, legend);
    const Bitmap mono = convertBitDepth(colour, 1);
    EXPECT_EQ(mono.depth, 1);
    EXPECT_EQ(mono.colourTable, (std::vector<Colour> { kBlack, kWhite }));
    EXPECT_EQ(artFromBitmap(mono), (Art { ".XX.", "X.X." }));
}

TEST(ConvertBitDepth, SetsEachColourIntoTheNewDepth)
{
    Bitmap redBlue = bitmapFromArt({ "X.X", "..X" });
    redBlue.colourTable = { 0x0000FF, 0xFF0000 };
    const Art redBlueArt { "RBR", "BBR" };
    for (int depth : { 4, 8, 16, 24, 32 }) {
        const Bitmap converted = convertBitDepth(redBlue, depth);
        EXPECT_EQ(converted.depth, depth);
        EXPECT_EQ(converted.colourTable, defaultColourTable(depth));
        EXPECT_EQ(artFromBitmap(converted, kRgb), redBlueArt) << depth;
        EXPECT_EQ(artFromBitmap(convertBitDepth(converted, 1)), (Art { "XXX", "XXX" })) << depth;
    }

    const Bitmap greys = bitmapFromArt({ "sgh" }, 24, { { 's', 0xC0C0C0 }, { 'g', 0x808080 }, { 'h', 0x818181 } });
    EXPECT_EQ(artFromBitmap(convertBitDepth(greys, 4), { { 's', 0xC0C0C0 }, { 'g', 0x808080 } }), (Art { "sgg" }));
    const Bitmap fromSixteen = convertBitDepth(convertBitDepth(greys, 16), 24);
    EXPECT_EQ(pixelColour(fromSixteen, 0, 0), 0xC6C6C6u); // 192 >> 3 = 24, read back as 24 << 3 | 24 >> 2
    EXPECT_EQ(pixelColour(fromSixteen, 1, 0), 0x848484u);
}

TEST(ConvertBitDepth, SameDepthIsACopyAndBadInputGivesNothing)
{
    Bitmap b = bitmapFromArt({ "X..X.", ".XX.." });
    EXPECT_TRUE(sameBitmap(convertBitDepth(b, 1), b));
    const Bitmap colour = convertBitDepth(b, 24);
    EXPECT_TRUE(sameBitmap(convertBitDepth(colour, 24), colour));
    Bitmap ownTable;
    ASSERT_TRUE(createBitmap(ownTable, 3, 1, 8, kBlack));
    ownTable.colourTable = { 0x0000FF, 0x00FF00 };
    setPixel(ownTable, 1, 0, 0x00FF00);
    EXPECT_TRUE(sameBitmap(convertBitDepth(ownTable, 8), ownTable));

    b.colourTable = { kWhite, 0x00FF00 }; // 1 bit, but not black and white
    const Bitmap mono = convertBitDepth(b, 1);
    EXPECT_EQ(mono.colourTable, (std::vector<Colour> { kBlack, kWhite }));
    EXPECT_EQ(artFromBitmap(mono), (Art { ".XX.X", "X..XX" })); // green is nearer black

    for (int depth : { 0, 2, 12, 48, -1 })
        EXPECT_TRUE(convertBitDepth(b, depth).isNull()) << depth;
    EXPECT_TRUE(convertBitDepth(Bitmap {}, 1).isNull());
    Bitmap shortPixels = b;
    shortPixels.pixels.resize(4);
    EXPECT_TRUE(convertBitDepth(shortPixels, 24).isNull());
    Bitmap noTable = b;
    noTable.colourTable.clear();
    EXPECT_TRUE(convertBitDepth(noTable, 24).isNull());
}

TEST(RotateQuarterTurn, TurnsClockwiseAcrossByteEdges)
{
    const Bitmap wide = bitmapFromArt({ "XX.......X", "..X.X....." });
    const Bitmap tall = rotateQuarterTurn(wide);
    EXPECT_EQ(artFromBitmap(tall), (Art { ".X", ".X", "X.", "..", "X.", "..", "..", "..", "..", ".X" }));
    EXPECT_EQ(artFromBitmap(rotateQuarterTurn(tall)), (Art { ".....X.X..", "X.......XX" }));
}

TEST(RotateQuarterTurn, KeepsDepthAndColourTableAtEveryDepth)
{
    for (int depth : { 1, 4, 8, 16, 24, 32 }) {
        Bitmap b = bitmapFromArt({ "RGB", "X.R" }, depth == 1 ? 4 : depth, kRgb);
        if (depth == 1) { // a table of two colours, neither black nor white
            b = bitmapFromArt({ "X.X", "..X" });
            b.colourTable = { 0x0000FF, 0x00FF00 };
        }
        const Bitmap turned = rotateQuarterTurn(b);
        EXPECT_EQ(turned.depth, b.depth);
        EXPECT_EQ(turned.colourTable, b.colourTable);
        const Art expected = depth == 1 ? Art { "GR", "GG", "RR" } : Art { "XR", ".G", "RB" };
        EXPECT_EQ(artFromBitmap(turned, kRgb), expected) << depth;
    }
    EXPECT_TRUE(rotateQuarterTurn(Bitmap {}).isNull());
}

TEST(RotateByAngle, WholeQuarterTurnsAreExact)
{
    const Art source { "XXX..", "X....", "X...X" };
    const Art quarter { "XXX", "..X", "..X", "...", "X.." };
    const Art half { "X...X", "....X", "..XXX" };
    const Art threeQuarters { "..X", "...", "X..", "X..", "XXX" };
    struct Case { float angle; const Art& expected; };
    for (int depth : { 1, 8, 24 }) {
        const Bitmap b = bitmapFromArt(source, depth);
        for (const Case c : { Case { 0, source }, Case { 360, source }, Case { -360, source }, Case { 720, source },
                              Case { 90, quarter }, Case { -270, quarter }, Case { 450, quarter },
                              Case { 180, half }, Case { -180, half }, Case { 540, half },
                              Case { 270, threeQuarters }, Case { -90, threeQuarters }, Case { 630, threeQuarters } }) {
            const Bitmap turned = rotateByAngle(b, c.angle, 0x0000FF);
            EXPECT_EQ(artFromBitmap(turned), c.expected) << c.angle << " at " << depth;
            EXPECT_EQ(turned.depth, depth);
            EXPECT_EQ(turned.colourTable, b.colourTable);
        }
        EXPECT_TRUE(sameBitmap(rotateByAngle(b, 90, kWhite), rotateQuarterTurn(b)));
        EXPECT_TRUE(sameBitmap(rotateByAngle(b, 0, kWhite), b));
    }
}

TEST(RotateByAngle, OtherAnglesFollowTheTruncatingArithmetic)
{
    // Each pixel holds its own place as a colour, so the result shows which source pixel each new pixel took.
    auto placed = [](int w, int h) {
        Bitmap b;
        EXPECT_TRUE(createBitmap(b, w, h, 24, 0));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                setPixel(b, x, y, static_cast<Colour>(0x10 + x) | static_cast<Colour>(0x10 + y) << 8);
        return b;
    };
    auto placesOf = [](const Bitmap& b) {
        std::vector<std::string> rows;
        for (int y = 0; y < b.height; ++y) {
            std::string r;
            for (int x = 0; x < b.width; ++x) {
                const Colour c = pixelColour(b, x, y);
                r += c == 0xABCDEF ? std::string(" --") : " " + std::to_string((c & 0xFF) - 0x10)
                        + std::to_string(((c >> 8) & 0xFF) - 0x10);
            }
            rows.push_back(r);
        }
        return rows;
    };
    // 4 x 4 at 45 degrees: 5 x 4 (x from 0 to 5.66, y from -2.83 to 2.83, each truncated toward zero);
    // cos is a hair above sin, so 2 - (cos - sin) truncates to 1.
    const Bitmap at45 = rotateByAngle(placed(4, 4), 45, 0xABCDEF);
    EXPECT_EQ(placesOf(at45), (Art { " 01 01 00 10 20", " 02 01 11 20 20", " 03 12 22 21 30", " -- 13 22 32 --" }));
    // 3 x 2 at 30 degrees: x from 0 to 3.6, y from -1.5 (truncated to -1) to 1.73.
    EXPECT_EQ(placesOf(rotateByAngle(placed(3, 2), 30, 0xABCDEF)), (Art { " 00 00 10", " 01 11 10" }));

    struct Size { int w; int h; float angle; int newW; int newH; const char* rule; };
    for (const Size s : { Size { 100, 50, 45, 106, 105, "70.7 + 35.4 = 106.07 wide, 35 + 70 high" },
                          Size { 100, 50, 30, 111, 92, "sin 30 a hair under 0.5: -50 q truncates to -49" },
                          Size { 100, 50, -30, 110, 93, "the mirror angle: x from -24.99 (to -24) to 86.6, y up to 93.3" },
                          Size { 100, 50, 135, 105, 106, "x from -70.7 to 35.4, y from -106.1 to 0" },
                          Size { 50, 100, 89, 100, 50, "nearly a quarter turn" } }) {
        const Bitmap turned = rotateByAngle(placed(s.w, s.h), s.angle, kWhite);
        EXPECT_EQ(turned.width, s.newW) << s.rule;
        EXPECT_EQ(turned.height, s.newH) << s.rule;
    }
}

TEST(RotateByAngle, KeepsTheTableAndUsesItsNearestEntryForTheBackground)
{
    Bitmap b;
    ASSERT_TRUE(createBitmap(b, 4, 4, 8, kBlack));
    b.colourTable = { 0x0000FF, 0x00FF00, 0xFF0000 };
    const Bitmap turned = rotateByAngle(b, 45, 0x10F010);
    EXPECT_EQ(turned.depth, 8);
    EXPECT_EQ(turned.colourTable, b.colourTable);
    EXPECT_EQ(pixelColour(turned, 0, 3), 0x00FF00u); // the background corner
    EXPECT_EQ(pixelColour(turned, 2, 2), 0x0000FFu); // from the source
}

TEST(RotateByAngle, GivesNothingForEmptyResultsAndNonFiniteAngles)
{
    Bitmap dot;
    ASSERT_TRUE(createBitmap(dot, 1, 1, 1, kBlack));
    EXPECT_TRUE(rotateByAngle(dot, 45, kWhite).isNull()); // y runs from -0.7 to 0.7: no whole row
    EXPECT_FALSE(rotateByAngle(dot, 90, kWhite).isNull());
    for (float angle : { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity() })
        EXPECT_TRUE(rotateByAngle(dot, angle, kWhite).isNull());
    Bitmap big;
    ASSERT_TRUE(createBitmap(big, kMaxBitmapSide, 8000, 1, kWhite));
    EXPECT_TRUE(rotateByAngle(big, 45, kWhite).isNull()) << "11585 + 5656 is wider than the largest side";
    EXPECT_TRUE(rotateByAngle(Bitmap {}, 0, kWhite).isNull());
}

TEST(RotateQuarterTurn, MovesEveryPixelOfOddSizedPicturesToItsPlace)
{
    // Sides that are no multiple of eight, so partial bytes meet at every edge of the picture.
    for (int depth : { 1, 4, 24 }) {
        for (const auto& [w, h] : { std::pair { 37, 29 }, std::pair { 1, 17 }, std::pair { 17, 1 }, std::pair { 8, 8 } }) {
            Bitmap b;
            ASSERT_TRUE(createBitmap(b, w, h, depth, kWhite));
            unsigned seed = 12345;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    seed = seed * 1103515245u + 12345u;
                    if (seed & 0x10000)
                        setPixel(b, x, y, depth == 1 ? kBlack : 0x0000FF);
                }
            const Bitmap turned = rotateQuarterTurn(b);
            ASSERT_EQ(turned.width, h);
            ASSERT_EQ(turned.height, w);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    ASSERT_EQ(pixelColour(turned, h - 1 - y, x), pixelColour(b, x, y))
                        << x << "," << y << " of " << w << " x " << h << " at " << depth;
            Bitmap clean;
            ASSERT_TRUE(createBitmap(clean, h, w, depth, kBlack));
            for (int y = 0; y < w; ++y)
                for (int x = 0; x < h; ++x)
                    setPixel(clean, x, y, pixelColour(turned, x, y));
            EXPECT_EQ(turned.pixels, clean.pixels) << "padding stays zero";
        }
    }
}
