#include "document/bmp_file.h"
#include "tests/support/bitmap_art.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

using Art = std::vector<std::string>;

const std::map<char, Colour> kRgb { { 'R', 0x0000FF }, { 'G', 0x00FF00 }, { 'B', 0xFF0000 } };

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// A 1 x 1 white pixel, 1 bit: file header, info header, the table black, white, one padded row.
const QByteArray kOneWhitePixel = bytesOf({
    'B', 'M', 0x42, 0, 0, 0, 0, 0, 0, 0, 0x3E, 0, 0, 0,
    40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 4, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0,
    0x80, 0, 0, 0,
});

// 3 x 2 at 24 bits: top row red, green, blue; bottom row white, black, grey. Bottom row first in the file,
// each pixel blue, green, red, each row padded from 9 to 12 bytes.
const QByteArray kThreeByTwo = bytesOf({
    'B', 'M', 0x4E, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0,
    40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 24, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0x80, 0x80, 0, 0, 0,
    0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0,
});

const std::map<char, Colour> kThreeByTwoLegend { { 'R', 0x0000FF }, { 'G', 0x00FF00 }, { 'B', 0xFF0000 },
                                                 { 'g', 0x808080 } };

// The fields of a file with a 40-byte header, written out as given; sizes and offsets follow from the
// parts unless a case moves them.
struct FileFields {
    QByteArray magic = "BM";
    qint64 fileSizeExtra = 0;
    qint64 pixelOffsetExtra = 0; // moves the pixels and the field that points at them
    qint64 pixelOffsetFieldExtra = 0; // moves only the field
    std::uint32_t headerSize = 40;
    std::int32_t width = 2;
    std::int32_t height = 2;
    std::uint16_t depth = 24;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<Colour> table {};
    std::vector<int> rows = { 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 };
    int trailingBytes = 0;
};

void put(QByteArray& out, std::uint64_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

QByteArray build(const FileFields& s)
{
    const qint64 pixelOffset = 54 + 4 * static_cast<qint64>(s.table.size()) + s.pixelOffsetExtra;
    const qint64 realSize = std::max<qint64>(pixelOffset, 54) + static_cast<qint64>(s.rows.size()) + s.trailingBytes;
    QByteArray out = s.magic.left(2);
    put(out, static_cast<std::uint64_t>(realSize + s.fileSizeExtra), 4);
    put(out, 0, 4);
    put(out, static_cast<std::uint64_t>(pixelOffset + s.pixelOffsetFieldExtra), 4);
    put(out, s.headerSize, 4);
    put(out, static_cast<std::uint32_t>(s.width), 4);
    put(out, static_cast<std::uint32_t>(s.height), 4);
    put(out, 1, 2);
    put(out, s.depth, 2);
    put(out, s.compression, 4);
    put(out, 0, 4); // image size, not read
    put(out, 0, 4); // pixels per metre
    put(out, 0, 4);
    put(out, s.coloursUsed, 4);
    put(out, 0, 4);
    for (Colour c : s.table) {
        put(out, (c >> 16) & 0xFF, 1);
        put(out, (c >> 8) & 0xFF, 1);
        put(out, c & 0xFF, 1);
        put(out, 0, 1);
    }
    while (out.size() < pixelOffset)
        out.append('\0');
    for (int b : s.rows)
        put(out, static_cast<std::uint32_t>(b), 1);
    out.append(QByteArray(s.trailingBytes, '\0'));
    return out;
}

Bitmap sentinel()
{
    Bitmap b;
    createBitmap(b, 3, 1, 4, 0x0000FF);
    return b;
}

bool sameBitmap(const Bitmap& a, const Bitmap& b)
{
    return a.width == b.width && a.height == b.height && a.depth == b.depth && a.colourTable == b.colourTable
        && a.pixels == b.pixels;
}

} // namespace

TEST(BmpWriter, WritesTheFileByteForByte)
{
    Bitmap white;
    ASSERT_TRUE(createBitmap(white, 1, 1, 1, kWhite));
    EXPECT_EQ(toBmpBytes(white).toHex(' '), kOneWhitePixel.toHex(' '));

    const Bitmap picture = bitmapFromArt({ "RGB", ".Xg" }, 24, kThreeByTwoLegend);
    EXPECT_EQ(toBmpBytes(picture).toHex(' '), kThreeByTwo.toHex(' '));
}

TEST(BmpWriter, GivesNothingWithoutAPicture)
{
    EXPECT_TRUE(toBmpBytes(Bitmap {}).isEmpty());
    Bitmap b;
    ASSERT_TRUE(createBitmap(b, 9, 3, 8, kWhite));
    Bitmap shortPixels = b;
    shortPixels.pixels.resize(b.pixels.size() - 1);
    EXPECT_TRUE(toBmpBytes(shortPixels).isEmpty());
    Bitmap noTable = b;
    noTable.colourTable.clear();
    EXPECT_TRUE(toBmpBytes(noTable).isEmpty());
    Bitmap oddDepth = b;
    oddDepth.depth = 2;
    EXPECT_TRUE(toBmpBytes(oddDepth).isEmpty());
}

TEST(BmpReader, ReadsTheHandWrittenFiles)
{
    Bitmap b;
    ASSERT_TRUE(loadBmpBytes(b, kOneWhitePixel));
    EXPECT_EQ(b.depth, 1);
    EXPECT_EQ(b.colourTable, (std::vector<Colour> { kBlack, kWhite }));
    EXPECT_EQ(artFromBitmap(b), (Art { "." }));

    ASSERT_TRUE(loadBmpBytes(b, kThreeByTwo));
    EXPECT_EQ(b.depth, 24);
    EXPECT_EQ(artFromBitmap(b, kThreeByTwoLegend), (Art { "RGB", ".Xg" }));
}

TEST(BmpReader, ReadsEveryDepthAndRowOrder)
{
    struct Case { const char* rule; FileFields fields; Art expected; };
    const std::vector<Case> cases {
        { "24 bits, negative height: top row first", { .height = -2 }, { "R.", "XX" } },
        { "24 bits, positive height: bottom row first", {}, { "XX", "R." } },
        { "32 bits: blue, green, red, the fourth byte ignored",
          { .width = 1, .height = 1, .depth = 32, .rows = { 0, 0xFF, 0, 0x77 } }, { "G" } },
        { "16 bits: 5-5-5, low byte first",
          { .width = 3, .height = 1, .depth = 16, .rows = { 0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0 } },
          { "RGB" } },
        { "8 bits with two colours used",
          { .width = 3, .height = 1, .depth = 8, .coloursUsed = 2, .table = { 0x0000FF, 0xFF0000 },
            .rows = { 1, 0, 1, 0 } },
          { "BRB" } },
        { "4 bits, high nibble first",
          { .width = 3, .height = 1, .depth = 4, .coloursUsed = 3, .table = { kBlack, kWhite, 0x00FF00 },
            .rows = { 0x12, 0x00, 0, 0 } },
          { ".GX" } },
        { "1 bit, most significant bit first, a second byte for the ninth pixel",
          { .width = 9, .height = 1, .depth = 1, .table = { kBlack, kWhite }, .rows = { 0x81, 0x80, 0, 0 } },
          { ".XXXXXX.." } },
        { "a gap between the table and the pixels",
          { .pixelOffsetExtra = 6, .width = 1, .height = 1, .depth = 8, .coloursUsed = 1, .table = { 0x00FF00 },
            .rows = { 0, 0, 0, 0 } },
          { "G" } },
        { "bytes after the pixels", { .height = -2, .trailingBytes = 9 }, { "R.", "XX" } },
        { "a stored file size of 0 is not above the real one", { .fileSizeExtra = -70 }, { "XX", "R." } },
    };
    for (const Case& c : cases) {
        Bitmap b;
        ASSERT_TRUE(loadBmpBytes(b, build(c.fields))) << c.rule;
        EXPECT_EQ(artFromBitmap(b, kRgb), c.expected) << c.rule;
        EXPECT_EQ(b.depth, c.fields.depth) << c.rule;
    }
}

TEST(BmpReader, ReadsTheTwelveByteHeader)
{
    // 2 x 2 at 1 bit, three-byte table entries, rows bottom first; padded to the least file size.
    const QByteArray file = bytesOf({
        'B', 'M', 54, 0, 0, 0, 0, 0, 0, 0, 32, 0, 0, 0,
        12, 0, 0, 0, 2, 0, 2, 0, 1, 0, 1, 0,
        0, 0, 0xFF, 0, 0xFF, 0,
        0x40, 0, 0, 0, 0x80, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    });
    ASSERT_EQ(file.size(), 54);
    Bitmap b;
    ASSERT_TRUE(loadBmpBytes(b, file));
    EXPECT_EQ(b.colourTable, (std::vector<Colour> { 0x0000FF, 0x00FF00 })); // blue, green, red bytes
    EXPECT_EQ(artFromBitmap(b, kRgb), (Art { "GR", "RG" }));
    EXPECT_FALSE(loadBmpBytes(b, file.left(53)));
}

TEST(BmpReader, RefusesBrokenHeadersAndLeavesTheBitmapAlone)
{
    const FileFields oneBit { .width = 2, .height = 1, .depth = 1, .table = { kBlack, kWhite }, .rows = { 0x40, 0, 0, 0 } };
    const FileFields eightBit { .width = 2, .height = 1, .depth = 8, .coloursUsed = 2, .table = { kBlack, kWhite },
                              .rows = { 1, 0, 0, 0 } };
    struct Case { const char* rule; FileFields base; std::function<void(FileFields&)> change; };
    constexpr std::int32_t kMinInt = std::numeric_limits<std::int32_t>::min();
    const std::vector<Case> cases {
        { "no \"BM\"", {}, [](FileFields& s) { s.magic = "BA"; } },
        { "stored size one above the real size", {}, [](FileFields& s) { s.fileSizeExtra = 1; } },
        { "a 108-byte header", {}, [](FileFields& s) { s.headerSize = 108; } },
        { "a 124-byte header", {}, [](FileFields& s) { s.headerSize = 124; } },
        { "a 0-byte header", {}, [](FileFields& s) { s.headerSize = 0; } },
        { "run-length compression", eightBit, [](FileFields& s) { s.compression = 1; } },
        { "bit fields", {}, [](FileFields& s) { s.compression = 3; } },
        { "an embedded JPEG", {}, [](FileFields& s) { s.compression = 4; } },
        { "depth 2", {}, [](FileFields& s) { s.depth = 2; } },
        { "depth 0", {}, [](FileFields& s) { s.depth = 0; } },
        { "depth 64", {}, [](FileFields& s) { s.depth = 64; } },
        { "width 0", {}, [](FileFields& s) { s.width = 0; } },
        { "negative width", {}, [](FileFields& s) { s.width = -2; } },
        { "most negative width", {}, [](FileFields& s) { s.width = kMinInt; } },
        { "width above the largest side", {}, [](FileFields& s) { s.width = kMaxBitmapSide + 1; } },
        { "height 0", {}, [](FileFields& s) { s.height = 0; } },
        { "most negative height", {}, [](FileFields& s) { s.height = kMinInt; } },
        { "height above the largest side", {}, [](FileFields& s) { s.height = -(kMaxBitmapSide + 1); } },
        { "one row more than the data", {}, [](FileFields& s) { s.height = 3; } },
        { "16384 x 16384 at 32 bits claimed by a 70-byte file", {},
          [](FileFields& s) { s.width = s.height = kMaxBitmapSide; s.depth = 32; } },
        { "rows one byte short", {}, [](FileFields& s) { s.rows.pop_back(); } },
        { "pixel offset beyond the file", {}, [](FileFields& s) { s.pixelOffsetFieldExtra = 1000; } },
        { "pixel offset inside the header", {}, [](FileFields& s) { s.pixelOffsetFieldExtra = -14; } },
        { "pixel offset inside the colour table", oneBit, [](FileFields& s) { s.pixelOffsetFieldExtra = -4; } },
        { "three colours used at 1 bit", oneBit, [](FileFields& s) { s.coloursUsed = 3; } },
        { "257 colours used at 8 bits", eightBit, [](FileFields& s) { s.coloursUsed = 257; } },
        { "2^30 colours used", eightBit, [](FileFields& s) { s.coloursUsed = 0x40000000; } },
        { "all 256 colours claimed, two in the file", eightBit, [](FileFields& s) { s.coloursUsed = 0; } },
    };
    for (const Case& c : cases) {
        Bitmap b = sentinel();
        ASSERT_TRUE(loadBmpBytes(b, build(c.base))) << "the unbroken file of: " << c.rule;
        FileFields broken = c.base;
        c.change(broken);
        b = sentinel();
        EXPECT_FALSE(loadBmpBytes(b, build(broken))) << c.rule;
        EXPECT_TRUE(sameBitmap(b, sentinel())) << c.rule;
    }
}

TEST(BmpReader, RefusesEveryCutOfAFile)
{
    for (const QByteArray& file : { kOneWhitePixel, kThreeByTwo }) {
        for (qsizetype n = 0; n < file.size(); ++n) {
            Bitmap b = sentinel();
            EXPECT_FALSE(loadBmpBytes(b, file.left(n))) << n;
            EXPECT_TRUE(sameBitmap(b, sentinel())) << n;
        }
    }
}

TEST(BmpReader, ReadsBackWhatTheWriterWritesAtEveryDepth)
{
    for (int depth : { 1, 4, 8, 16, 24, 32 }) {
        const Bitmap picture = depth == 1 ? bitmapFromArt({ "X.XX.X..X", "..X......", "XXXXXXXXX" })
                                          : bitmapFromArt({ "RGB.X", "XX.BR", "GGGG." }, depth, kRgb);
        ASSERT_FALSE(picture.isNull()) << depth;
        const QByteArray bytes = toBmpBytes(picture);
        Bitmap read;
        ASSERT_TRUE(loadBmpBytes(read, bytes)) << depth;
        EXPECT_TRUE(sameBitmap(read, picture)) << depth;
        EXPECT_EQ(toBmpBytes(read), bytes) << depth;
    }

    // A short table stays short: two colours used at 8 bits are written as two.
    Bitmap twoColours;
    ASSERT_TRUE(loadBmpBytes(twoColours, build({ .width = 3, .height = 1, .depth = 8, .coloursUsed = 2,
                                                 .table = { 0x0000FF, 0xFF0000 }, .rows = { 1, 0, 1, 0 } })));
    Bitmap again;
    ASSERT_TRUE(loadBmpBytes(again, toBmpBytes(twoColours)));
    EXPECT_TRUE(sameBitmap(again, twoColours));
}

TEST(BmpFile, LoadsFromDiskAndFailsOnWhatIsNoBmp)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return dir.filePath(name);
    };
    Bitmap b;
    ASSERT_TRUE(loadBmpFile(b, write("picture.bmp", kThreeByTwo)));
    EXPECT_EQ(artFromBitmap(b, kThreeByTwoLegend), (Art { "RGB", ".Xg" }));
    ASSERT_TRUE(loadBmpFile(b, write("top-down.bmp", build({ .height = -2, .trailingBytes = 2000 }))));
    EXPECT_EQ(artFromBitmap(b, kRgb), (Art { "R.", "XX" }));

    QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(100, '\0');
    QByteArray rle = build({ .width = 2, .height = 1, .depth = 8, .compression = 1, .coloursUsed = 2,
                             .table = { kBlack, kWhite }, .rows = { 2, 1, 0, 1 } });
    QByteArray huge = build({ .width = kMaxBitmapSide, .height = kMaxBitmapSide, .depth = 32 });
    for (const QString& path : { write("png.bmp", png), write("rle.bmp", rle), write("huge.bmp", huge),
                                 write("cut.bmp", kThreeByTwo.left(60)), dir.filePath("missing.bmp"), dir.path(),
                                 QString() }) {
        b = sentinel();
        EXPECT_FALSE(loadBmpFile(b, path)) << path.toStdString();
        EXPECT_TRUE(sameBitmap(b, sentinel())) << path.toStdString();
    }
}
