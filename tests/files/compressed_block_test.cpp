#include "files/compressed_block.h"

#include "tests/files/hand_built_label.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Data that deflate cannot shrink much: a long run of pseudo-random bytes.
QByteArray noise(qsizetype size)
{
    QByteArray bytes(size, '\0');
    std::uint32_t state = 12345;
    for (qsizetype i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(state >> 24);
    }
    return bytes;
}

QByteArray hundredLetters()
{
    QByteArray text;
    for (int i = 0; i < 100; ++i)
        text.append(static_cast<char>('A' + i % 26));
    return text;
}

} // namespace

TEST(CompressBlock, EmptyDataGivesMagicAndZeroLengthOnly)
{
    EXPECT_EQ(compressBlock({}), QByteArray("\x0D\x0F\x3E\x03\x00\x00\x00\x00", 8));
}

TEST(CompressBlock, IsMagicThenLengthThenZlibStreamAtTheDefaultLevel)
{
    const QByteArray data = hundredLetters() + hundredLetters() + hundredLetters(); // 300 bytes
    const QByteArray block = compressBlock(data);
    EXPECT_EQ(block.first(8), QByteArray("\x0D\x0F\x3E\x03\x2C\x01\x00\x00", 8));
    // 78 9C: deflate, 32 KiB window, default level.
    EXPECT_EQ(block.sliced(8, 2), QByteArray("\x78\x9C"));
    EXPECT_EQ(block, handBlock(data));
}

TEST(DecompressBlock, GivesBackWhatWasCompressed)
{
    const QByteArray cases[] = {
        QByteArray("x"),
        gbk("二维码ABC"),
        QByteArray("a\0b\0", 4),
        QByteArray(200000, '\xFF'),
        noise(70000),
    };
    for (const QByteArray& data : cases)
        EXPECT_EQ(decompressBlock(compressBlock(data)), data) << data.size();
}

TEST(DecompressBlock, TakesTheWholeStreamWhenItEndsWithinTwiceTheStatedLength)
{
    const QByteArray data = hundredLetters();
    struct Case {
        const char* rule;
        std::uint32_t stated;
        QByteArray result;
    };
    const Case cases[] = {
        { "stated length exact", 100, data },
        { "stated smaller, data within twice it", 60, data },
        { "data exactly twice the stated length", 50, data },
        { "data one byte more than twice the stated length", 49, {} },
        { "stated far smaller", 1, {} },
        { "stated larger than the data", 5000, data },
        { "stated length 0", 0, {} },
        { "stated length one past the largest", 1073741824, {} },
        { "stated length with the top bit set", 0xFFFFFFFF, {} },
        { "largest stated length", 1073741823, data },
    };
    for (const Case& c : cases)
        EXPECT_EQ(decompressBlock(handBlockStating(data, c.stated)), c.result) << c.rule;
}

TEST(DecompressBlock, RefusesBlocksThatAreNotWhole)
{
    const QByteArray good = compressBlock(hundredLetters());
    QByteArray wrongMagic = good;
    wrongMagic[3] = '\x04';
    QByteArray damagedChecksum = good;
    damagedChecksum[damagedChecksum.size() - 1] ^= 0x01;
    QByteArray damagedHeader = good;
    damagedHeader[8] = '\x00';
    struct Case {
        const char* rule;
        QByteArray block;
    };
    const Case cases[] = {
        { "empty", {} },
        { "seven bytes", good.first(7) },
        { "magic and length, no stream", good.first(8) },
        { "stream cut short", good.first(good.size() - 5) },
        { "stream cut before its checksum", good.first(good.size() - 4) },
        { "wrong magic", wrongMagic },
        { "damaged checksum", damagedChecksum },
        { "damaged zlib header", damagedHeader },
    };
    for (const Case& c : cases)
        EXPECT_TRUE(decompressBlock(c.block).isEmpty()) << c.rule;
}

TEST(DecompressBlock, IgnoresBytesAfterTheEndOfTheStream)
{
    const QByteArray data = hundredLetters();
    EXPECT_EQ(decompressBlock(compressBlock(data) + "trailing"), data);
}

TEST(DecompressBlock, SmallBlockClaimingTheLargestLengthWithAnUnfinishedStreamIsEmpty)
{
    // The first 22 bytes of the stream of a large, incompressible picture: it never ends.
    const QByteArray stream = compressBlock(noise(100000)).sliced(8, 22);
    const QByteArray block = QByteArray("\x0D\x0F\x3E\x03", 4) + le32(1073741823) + stream;
    ASSERT_EQ(block.size(), 30);
    EXPECT_TRUE(decompressBlock(block).isEmpty());
}
