#include "files/label_file.h"

#include "files/compressed_block.h"
#include "tests/files/hand_built_label.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A 2 x 1 24-bit BMP, white then black, written out by hand: 54 header bytes and one padded row.
QByteArray tinyBmp()
{
    return QByteArray("BM\x3E\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00"
                      "\x28\x00\x00\x00\x02\x00\x00\x00\x01\x00\x00\x00\x01\x00\x18\x00"
                      "\x00\x00\x00\x00\x08\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                      "\x00\x00\x00\x00\x00\x00\x00\x00"
                      "\xFF\xFF\xFF\x00\x00\x00\x00\x00",
        62);
}

// The font of a text element just inserted: 黑体, bold, 16 points, angle 0.
ElementFont insertedFont()
{
    return ElementFont { 0, true, false, false, false, 16, gbk("黑体") };
}

// The properties line of a text element just inserted, byte by byte.
const QByteArray kInsertedLine("0|\xD5\xE6|\xBC\xD9|\xBC\xD9|\xBC\xD9|16|\xBA\xDA\xCC\xE5|"
                               "[\xCB\xAB\xBB\xF7\xCA\xE4\xC8\xEB\xCE\xC4\xB1\xBE]");

LabelFileHeader headerOf(const QByteArray& bytes)
{
    const auto header = readLabelHeader(bytes);
    EXPECT_TRUE(header.ok());
    return header.ok() ? *header : LabelFileHeader {};
}

TextDescription textOf(int left, int top, const ElementFont& font, const QByteArray& content)
{
    TextDescription text;
    text.left = left;
    text.top = top;
    text.width = 120;
    text.height = 30;
    text.font = font;
    text.content = content;
    return text;
}

// Pictures, barcodes, QR codes and texts of every sort, as the editor would save them.
LabelDescription mixedLabel()
{
    LabelDescription label;
    label.width = 720;
    label.height = 250;
    label.images.push_back({ 'P', 24, 88, 2, 1, gbk("201556937"), tinyBmp() });
    label.images.push_back({ 'B', 130, 95, 300, 100, "B20151231235959", QByteArray(90054, '\xFF') });
    label.images.push_back({ 'D', 400, 90, 256, 256, gbk("二维码 http://例子.cn/?a=1|2"), tinyBmp() });
    label.images.push_back({ 'P', 30, 200, 2, 1, gbk("[双击选图]"), {} });
    label.texts.push_back(textOf(552, 104, insertedFont(), gbk("[双击输入文本]")));
    label.texts.push_back(textOf(
        60, 150, ElementFont { 900, false, true, true, true, 9, "Arial" }, gbk("价格：１２元 | 含税|")));
    label.texts.push_back(
        textOf(90, 120, ElementFont { 2700, true, true, false, false, 72, gbk("亅体") }, "|"));
    return label;
}

LabelDescription readBack(const QByteArray& bytes)
{
    const LabelFileHeader header = headerOf(bytes);
    LabelDescription label;
    label.width = header.width;
    label.height = header.height;
    for (qint64 i = 0; i < header.imageCount; ++i)
        label.images.push_back(readImageRecord(bytes, header, i));
    for (qint64 j = 0; j < header.textCount; ++j) {
        const TextRecord record = readTextRecord(bytes, header, j);
        const auto properties = parseTextProperties(record.properties);
        EXPECT_TRUE(properties.ok()) << j;
        if (properties.ok()) {
            label.texts.push_back({ record.left, record.top, record.width, record.height, properties->font,
                properties->content });
        }
    }
    return label;
}

} // namespace

TEST(EncodeLabelFile, EmptyLabelIsTheTwentySixBytesOfThe72By25Example)
{
    LabelDescription label;
    label.width = 720;
    label.height = 250;
    const QByteArray expected("\x6C\x61\x62\x20\x31\x2E\x30\x20\x2E\x2E"
                              "\xD0\x02\x00\x00\xFA\x00\x00\x00"
                              "\x00\x00\x00\x00\x00\x00\x00\x00",
        26);
    EXPECT_EQ(encodeLabelFile(label), expected);
}

TEST(EncodeLabelFile, OneImageAndOneTextMatchBytesBuiltFromTheTables)
{
    LabelDescription label;
    label.width = 500;
    label.height = -3; // negative integers are written as 0
    label.images.push_back({ 'B', 130, 95, 2, 1, "B123", tinyBmp() });
    label.texts.push_back({ -4, 104, 208, 32, insertedFont(), gbk("[双击输入文本]") });

    const QByteArray contentBlock = handBlock("B123");
    const QByteArray pictureBlock = handBlock(tinyBmp());
    const QByteArray expected
        = handLabel(500, 0, { handImageRecord('B', 130, 95, 2, 1, contentBlock, pictureBlock) },
            { handTextRecord(0, 104, 208, 32, handBlock(kInsertedLine)) });
    const QByteArray file = encodeLabelFile(label);
    ASSERT_EQ(file, expected);

    // The places the worked example names.
    const qint64 c1 = contentBlock.size();
    const qint64 p1 = pictureBlock.size();
    EXPECT_EQ(file.sliced(18, 8), le32(1) + le32(1));
    EXPECT_EQ(file.sliced(26, 8), le32(0) + le32(std::uint32_t(25 + c1 + p1)));
    EXPECT_EQ(file[34], 'B');
    EXPECT_EQ(file.sliced(34 + 17, 8), le32(std::uint32_t(c1)) + le32(std::uint32_t(p1)));
    EXPECT_EQ(file.sliced(34 + 25 + c1 + p1, 8), le32(0) + le32(104));
}

TEST(EncodeLabelFile, EmptyContentAndEmptyPictureGiveEightByteBlocks)
{
    LabelDescription label;
    label.width = 720;
    label.height = 250;
    label.images.push_back({ 'P', 24, 88, 10, 10, {}, {} });
    const QByteArray file = encodeLabelFile(label);
    const QByteArray emptyBlock("\x0D\x0F\x3E\x03\x00\x00\x00\x00", 8);
    EXPECT_EQ(file.sliced(30 + 17, 8), le32(8) + le32(8));
    EXPECT_EQ(file.sliced(30 + 25), emptyBlock + emptyBlock);

    const ImageRecord record = readImageRecord(file, headerOf(file), 0);
    EXPECT_TRUE(record.content.isEmpty());
    EXPECT_TRUE(record.picture.isEmpty());
}

TEST(EncodeLabelFile, WritesOnlyTheThreeKindLetters)
{
    LabelDescription label;
    label.width = 720;
    label.height = 250;
    for (char letter : { 'P', 'B', 'D', 'X', '\0' })
        label.images.push_back({ letter, 0, 0, 1, 1, "c", {} });
    const QByteArray file = encodeLabelFile(label);
    const LabelFileHeader header = headerOf(file);
    QByteArray letters;
    for (int i = 0; i < header.imageCount; ++i)
        letters += readImageRecord(file, header, i).kindLetter;
    EXPECT_EQ(letters, "PBDPP");
}

TEST(KindLetterOfTag, FollowsTheImageTagRanges)
{
    struct Case {
        int tag;
        char letter;
    };
    const Case cases[] = {
        { 200001, 'P' },
        { 299999, 'P' },
        { 300000, 'P' }, // the barcode range starts at 300001
        { 300001, 'B' },
        { 399999, 'B' },
        { 400000, 'P' }, // neither barcode nor QR code
        { 400001, 'D' },
        { 499999, 'D' },
        { 500000, 'P' },
        { 100001, 'P' },
        { 0, 'P' },
        { -300001, 'P' },
    };
    for (const Case& c : cases)
        EXPECT_EQ(kindLetterOfTag(c.tag), c.letter) << c.tag;
}

TEST(TextPropertiesLine, InsertedTextGivesTheExampleLine)
{
    EXPECT_EQ(textPropertiesLine(insertedFont(), gbk("[双击输入文本]")), kInsertedLine);
}

TEST(TextPropertiesLine, WritesEachFieldByItsRule)
{
    struct Case {
        const char* rule;
        ElementFont font;
        QByteArray content;
        QByteArray line;
    };
    const Case cases[] = {
        { "negative angle, every flag set", { -900, true, true, true, true, 12, "Arial" }, "x",
            "-900|\xD5\xE6|\xD5\xE6|\xD5\xE6|\xD5\xE6|12|Arial|x" },
        { "\"|\" left out of the face name", { 0, false, false, false, false, 9, "Ar|ial|" }, "x",
            "0|\xBC\xD9|\xBC\xD9|\xBC\xD9|\xBC\xD9|9|Arial|x" },
        { "a character whose second byte is 7C stays whole",
            { 0, false, false, false, false, 9, QByteArray("\x81\x7C\xCC\xE5") }, "x",
            "0|\xBC\xD9|\xBC\xD9|\xBC\xD9|\xBC\xD9|9|\x81\x7C\xCC\xE5|x" },
        { "a lone lead byte at the end of the name is left out",
            { 0, false, false, false, false, 9, QByteArray("Ab\xCC") }, "x",
            "0|\xBC\xD9|\xBC\xD9|\xBC\xD9|\xBC\xD9|9|Ab|x" },
        { "zero bytes left out of the name", { 0, false, false, false, false, 9, QByteArray("A\0b", 3) }, "x",
            "0|\xBC\xD9|\xBC\xD9|\xBC\xD9|\xBC\xD9|9|Ab|x" },
        { "content verbatim, \"|\" included", { 0, false, false, false, false, 9, "A" }, "a|b|",
            "0|\xBC\xD9|\xBC\xD9|\xBC\xD9|\xBC\xD9|9|A|a|b|" },
        { "content ends at its first zero byte", { 0, false, false, false, false, 9, "A" },
            QByteArray("ab\0cd", 5), "0|\xBC\xD9|\xBC\xD9|\xBC\xD9|\xBC\xD9|9|A|ab" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(textPropertiesLine(c.font, c.content), c.line) << c.rule;
}

TEST(ParseTextProperties, ReadsTheExampleLine)
{
    const auto properties = parseTextProperties(kInsertedLine);
    ASSERT_TRUE(properties.ok());
    EXPECT_EQ(properties->font, insertedFont());
    EXPECT_EQ(properties->content, gbk("[双击输入文本]"));
}

TEST(ParseTextProperties, ConvertsEachField)
{
    struct Case {
        const char* rule;
        QByteArray line;
        ElementFont font;
        QByteArray content;
    };
    const Case cases[] = {
        { "full-width digits and sign", gbk("－９００|真|真|真|真|１２|A|x"),
            { -900, true, true, true, true, 12, "A" }, "x" },
        { "leading integer of a field", gbk(" 900deg|假|假|假|假|12pt|A|x"),
            { 900, false, false, false, false, 12, "A" }, "x" },
        { "no number gives 0", "abc|x|x|x|x||A|x", { 0, false, false, false, false, 0, "A" }, "x" },
        { "a flag is true only as exactly 真", gbk("0|真 |真真|是|true|1|A|x"),
            { 0, false, false, false, false, 1, "A" }, "x" },
        { "empty fields between separators count", "||||||A|x", { 0, false, false, false, false, 0, "A" },
            "x" },
        { "empty face name", gbk("0|假|假|假|假|9||x"), { 0, false, false, false, false, 9, "" }, "x" },
        { "a second byte of 7C is no separator",
            QByteArray("0|\xBC\xD9|\xBC\xD9|\xBC\xD9|\xBC\xD9|9|\x81\x7C|x"),
            { 0, false, false, false, false, 9, QByteArray("\x81\x7C") }, "x" },
        { "a content holding \"|\" reads whole (nine fields)", gbk("0|假|假|假|假|9|A|x|y"),
            { 0, false, false, false, false, 9, "A" }, "x|y" },
        { "a content ending in \"|\" keeps it", gbk("0|假|假|假|假|9|A|a|b|"),
            { 0, false, false, false, false, 9, "A" }, "a|b|" },
        { "the content is taken verbatim", gbk("0|假|假|假|假|9|A| ９ 亅|"),
            { 0, false, false, false, false, 9, "A" }, gbk(" ９ 亅|") },
    };
    for (const Case& c : cases) {
        const auto properties = parseTextProperties(c.line);
        ASSERT_TRUE(properties.ok()) << c.rule;
        EXPECT_EQ(properties->font, c.font) << c.rule;
        EXPECT_EQ(properties->content, c.content) << c.rule;
    }
}

TEST(ParseTextProperties, RefusesLinesWithFewerThanEightFields)
{
    struct Case {
        const char* rule;
        QByteArray line;
    };
    const Case cases[] = {
        { "empty line", "" },
        { "one field", "0" },
        { "seven fields", gbk("0|真|假|假|假|16|黑体") },
        { "nothing after the seventh separator", gbk("0|真|假|假|假|16|黑体|") },
        { "a separator taken into a double-byte character", QByteArray("0|1|2|3|4|5|\x81|x") },
        { "six separators and a long content", "0|1|2|3|4|5|contentcontent" },
    };
    for (const Case& c : cases) {
        const auto properties = parseTextProperties(c.line);
        ASSERT_FALSE(properties.ok()) << c.rule;
        EXPECT_EQ(properties.error(), LabelFileError::WrongFieldCount) << c.rule;
    }
}

TEST(ReadLabelHeader, ChecksTheMagicThenTheLabelSize)
{
    const QByteArray magic("lab 1.0 ..");
    struct Case {
        const char* rule;
        QByteArray bytes;
        LabelFileError error;
    };
    const Case cases[] = {
        { "empty file", {}, LabelFileError::BadMagic },
        { "nine bytes of the magic", magic.first(9), LabelFileError::BadMagic },
        { "other magic", QByteArray("LAB 1.0 ..") + le32(720) + le32(250) + le32(0) + le32(0),
            LabelFileError::BadMagic },
        { "another version", QByteArray("lab 2.0 ..") + le32(720) + le32(250) + le32(0) + le32(0),
            LabelFileError::BadMagic },
        { "placeholder: the magic alone", magic, LabelFileError::BadLabelSize },
        { "width 0", magic + le32(0) + le32(250) + le32(0) + le32(0), LabelFileError::BadLabelSize },
        { "height 0", magic + le32(720) + le32(0) + le32(0) + le32(0), LabelFileError::BadLabelSize },
        { "height cut off", magic + le32(720), LabelFileError::BadLabelSize },
        { "negative width", magic + le32(0xFFFFFFFF) + le32(250) + le32(0) + le32(0),
            LabelFileError::BadLabelSize },
        { "negative height", magic + le32(720) + le32(0x80000000) + le32(0) + le32(0),
            LabelFileError::BadLabelSize },
    };
    for (const Case& c : cases) {
        const auto header = readLabelHeader(c.bytes);
        ASSERT_FALSE(header.ok()) << c.rule;
        EXPECT_EQ(header.error(), c.error) << c.rule;
    }
}

TEST(ReadLabelHeader, ReadsSizeAndCountsWithCutFieldsAsTheirLowBytes)
{
    const QByteArray magic("lab 1.0 ..");
    struct Case {
        const char* rule;
        QByteArray bytes;
        LabelFileHeader expected;
    };
    const Case cases[] = {
        { "whole header", magic + le32(720) + le32(250) + le32(3) + le32(2), { 720, 250, 3, 2 } },
        { "counts missing read 0", magic + le32(720) + le32(250), { 720, 250, 0, 0 } },
        { "height cut to one byte: its low byte", magic + le32(720) + QByteArray("\xFA"),
            { 720, 250, 0, 0 } },
        { "count cut to two bytes", magic + le32(720) + le32(250) + QByteArray("\x01\x01"),
            { 720, 250, 257, 0 } },
        { "negative counts read 0", magic + le32(720) + le32(250) + le32(0xFFFFFFFF) + le32(0x80000000),
            { 720, 250, 0, 0 } },
        { "largest counts", magic + le32(720) + le32(250) + le32(0x7FFFFFFF) + le32(0x7FFFFFFF),
            { 720, 250, 0x7FFFFFFF, 0x7FFFFFFF } },
    };
    for (const Case& c : cases) {
        const auto header = readLabelHeader(c.bytes);
        ASSERT_TRUE(header.ok()) << c.rule;
        EXPECT_EQ(header->width, c.expected.width) << c.rule;
        EXPECT_EQ(header->height, c.expected.height) << c.rule;
        EXPECT_EQ(header->imageCount, c.expected.imageCount) << c.rule;
        EXPECT_EQ(header->textCount, c.expected.textCount) << c.rule;
    }
}

TEST(ReadRecords, TakeEachRecordThroughTheOffsetTable)
{
    // Records placed in the body out of order, with a gap: only the table says where they are.
    const QByteArray image = handImageRecord('D', 11, 12, 13, 14, handBlock(gbk("码")), handBlock(tinyBmp()));
    const QByteArray text = handTextRecord(21, 22, 23, 24, handBlock(kInsertedLine));
    const QByteArray gap("gapgap");
    const QByteArray bytes = QByteArray("lab 1.0 ..") + le32(720) + le32(250) + le32(1) + le32(1)
        + le32(std::uint32_t(text.size() + gap.size())) + le32(0) + text + gap + image;
    const LabelFileHeader header = headerOf(bytes);

    EXPECT_EQ(readImageRecord(bytes, header, 0), (ImageRecord { 'D', 11, 12, 13, 14, gbk("码"), tinyBmp() }));
    EXPECT_EQ(readTextRecord(bytes, header, 0), (TextRecord { 21, 22, 23, 24, kInsertedLine }));
}

TEST(ReadRecords, TextsStopAtTheirFirstZeroByte)
{
    const QByteArray line = kInsertedLine.first(kInsertedLine.size() - 1) + QByteArray("\0tail]", 6);
    const QByteArray bytes = handLabel(720, 250,
        { handImageRecord('P', 1, 2, 3, 4, handBlock(QByteArray("ab\0cd", 5)), handBlock(tinyBmp())) },
        { handTextRecord(1, 2, 3, 4, handBlock(line)) });
    const LabelFileHeader header = headerOf(bytes);
    EXPECT_EQ(readImageRecord(bytes, header, 0).content, "ab");
    EXPECT_EQ(readImageRecord(bytes, header, 0).picture, tinyBmp()); // pictures are bytes, not texts
    EXPECT_EQ(readTextRecord(bytes, header, 0).properties, kInsertedLine.first(kInsertedLine.size() - 1));
}

TEST(ReadRecords, WhatLiesBeyondTheDataReadsAsZeroOrEmpty)
{
    const QByteArray magic("lab 1.0 ..");
    const QByteArray goodContent = handBlock("abc");
    struct Case {
        const char* rule;
        QByteArray bytes;
        ImageRecord expected;
    };
    const Case cases[] = {
        { "no offset table", magic + le32(720) + le32(250) + le32(1) + le32(0),
            { '\0', 0, 0, 0, 0, {}, {} } },
        { "offset beyond the data",
            magic + le32(720) + le32(250) + le32(1) + le32(0) + le32(0xFFFFFFF0)
                + handImageRecord('P', 1, 2, 3, 4, goodContent, {}),
            { '\0', 0, 0, 0, 0, {}, {} } },
        { "record cut inside its height",
            magic + le32(720) + le32(250) + le32(1) + le32(0) + le32(0) + QByteArray("B") + le32(5) + le32(6)
                + le32(7) + QByteArray("\x08\x01"),
            { 'B', 5, 6, 7, 264, {}, {} } },
        { "content length past the end: the block is what lies inside",
            magic + le32(720) + le32(250) + le32(1) + le32(0) + le32(0) + QByteArray("B") + le32(5) + le32(6)
                + le32(7) + le32(8) + le32(0xFFFFFFFF) + le32(10) + goodContent,
            { 'B', 5, 6, 7, 8, "abc", {} } },
        { "content block cut short but its stream whole",
            magic + le32(720) + le32(250) + le32(1) + le32(0) + le32(0) + QByteArray("B") + le32(5) + le32(6)
                + le32(7) + le32(8) + le32(4000) + le32(4000) + goodContent,
            { 'B', 5, 6, 7, 8, "abc", {} } },
        { "picture length with the top bit set",
            magic + le32(720) + le32(250) + le32(1) + le32(0) + le32(0)
                + handImageRecord('B', 5, 6, 7, 8, goodContent, {}).first(21) + le32(0x80000000)
                + goodContent,
            { 'B', 5, 6, 7, 8, "abc", {} } },
        { "blocks that do not decompress",
            magic + le32(720) + le32(250) + le32(1) + le32(0) + le32(0)
                + handImageRecord('P', 5, 6, 7, 8, goodContent.first(goodContent.size() - 1), "junk"),
            { 'P', 5, 6, 7, 8, {}, {} } },
    };
    for (const Case& c : cases) {
        const LabelFileHeader header = headerOf(c.bytes);
        EXPECT_EQ(readImageRecord(c.bytes, header, 0), c.expected) << c.rule;
    }
}

TEST(ReadRecords, IndexOutsideTheCountsGivesAnEmptyRecord)
{
    const QByteArray bytes = encodeLabelFile(mixedLabel());
    const LabelFileHeader header = headerOf(bytes);
    for (qint64 i : { qint64(-1), qint64(header.imageCount), qint64(1) << 40 })
        EXPECT_EQ(readImageRecord(bytes, header, i), (ImageRecord { '\0', 0, 0, 0, 0, {}, {} })) << i;
    for (qint64 j : { qint64(-1), qint64(header.textCount), qint64(1) << 40 })
        EXPECT_EQ(readTextRecord(bytes, header, j), TextRecord {}) << j;
}

TEST(ReadRecords, DamagedPropertyBlockGivesWrongFieldCount)
{
    QByteArray propertyBlock = handBlock(kInsertedLine);
    propertyBlock[propertyBlock.size() - 2] ^= 0x10;
    const QByteArray bytes = handLabel(720, 250, {}, { handTextRecord(1, 2, 3, 4, propertyBlock) });
    const TextRecord record = readTextRecord(bytes, headerOf(bytes), 0);
    EXPECT_EQ(record, (TextRecord { 1, 2, 3, 4, {} }));
    const auto properties = parseTextProperties(record.properties);
    ASSERT_FALSE(properties.ok());
    EXPECT_EQ(properties.error(), LabelFileError::WrongFieldCount);
}

TEST(EntryInData, StopsALoopAtTheEndOfTheOffsetTableWhateverTheCountsClaim)
{
    // Two billion image and text records claimed in a 40-byte file: three entries fit after the header.
    const QByteArray bytes = QByteArray("lab 1.0 ..") + le32(720) + le32(250) + le32(0x7FFFFFFF)
        + le32(0x7FFFFFFF) + le32(0) + le32(4) + le32(8) + QByteArray(2, 'x');
    const LabelFileHeader header = headerOf(bytes);
    qint64 listed = 0;
    while (imageEntryInData(bytes, header, listed))
        ++listed;
    EXPECT_EQ(listed, 3);
    EXPECT_FALSE(textEntryInData(bytes, header, 0));
    EXPECT_EQ(readImageRecord(bytes, header, 0x7FFFFFFE).kindLetter, '\0');
    EXPECT_EQ(readTextRecord(bytes, header, 0x7FFFFFFE), TextRecord {});

    // A whole file lists every record, images then texts.
    const QByteArray file = encodeLabelFile(mixedLabel());
    const LabelFileHeader fileHeader = headerOf(file);
    for (int i = 0; i < fileHeader.imageCount; ++i)
        EXPECT_TRUE(imageEntryInData(file, fileHeader, i)) << i;
    for (int j = 0; j < fileHeader.textCount; ++j)
        EXPECT_TRUE(textEntryInData(file, fileHeader, j)) << j;
    EXPECT_FALSE(imageEntryInData(file, fileHeader, fileHeader.imageCount));
    EXPECT_FALSE(textEntryInData(file, fileHeader, fileHeader.textCount));
    EXPECT_FALSE(textEntryInData(file, fileHeader, -1));
}

TEST(LabelFileRoundTrip, WriteReadWriteGivesTheSameBytes)
{
    const LabelDescription label = mixedLabel();
    const QByteArray first = encodeLabelFile(label);
    const LabelDescription read = readBack(first);
    EXPECT_EQ(encodeLabelFile(read), first);

    ASSERT_EQ(read.images.size(), label.images.size());
    for (std::size_t i = 0; i < label.images.size(); ++i)
        EXPECT_EQ(read.images[i], label.images[i]) << i;
    ASSERT_EQ(read.texts.size(), label.texts.size());
    for (std::size_t j = 0; j < label.texts.size(); ++j) {
        EXPECT_EQ(read.texts[j].font, label.texts[j].font) << j;
        EXPECT_EQ(read.texts[j].content, label.texts[j].content) << j;
        EXPECT_EQ(read.texts[j].left, label.texts[j].left) << j;
    }
}

TEST(LabelFileRoundTrip, NameWithSeparatorsReadsBackWithoutThem)
{
    LabelDescription label;
    label.width = 720;
    label.height = 250;
    label.texts.push_back(
        textOf(10, 20, ElementFont { 0, true, false, false, false, 16, "|Ar|ial|" }, "a|b"));
    label.texts.push_back(textOf(-5, -6, ElementFont { -900, false, false, false, false, -2, "X" }, "c"));
    const LabelDescription read = readBack(encodeLabelFile(label));
    ASSERT_EQ(read.texts.size(), 2u);
    EXPECT_EQ(read.texts[0].font.faceName, "Arial");
    EXPECT_EQ(read.texts[0].content, "a|b");
    // Negative geometry is stored as 0; the line keeps the sign of angle and size.
    EXPECT_EQ(read.texts[1].left, 0);
    EXPECT_EQ(read.texts[1].top, 0);
    EXPECT_EQ(read.texts[1].font.angle, -900);
    EXPECT_EQ(read.texts[1].font.size, -2);
}

TEST(LabelFileCut, EveryPrefixReadsWithoutFaultAndKeepsTheRecordsItHolds)
{
    const QByteArray full = encodeLabelFile(mixedLabel());
    const LabelFileHeader header = headerOf(full);
    const qint64 count = qint64(header.imageCount) + header.textCount;
    const qint64 body = 26 + 4 * count;

    // Where each record ends in the whole file: the next record's start, the last one at the end.
    const auto entry = [&](qint64 k) {
        std::uint32_t offset = 0;
        for (int b = 0; b < 4; ++b)
            offset |= std::uint32_t(static_cast<unsigned char>(full[26 + 4 * k + b])) << (8 * b);
        return qint64(offset);
    };
    std::vector<qint64> ends;
    for (qint64 k = 0; k < count; ++k)
        ends.push_back(k + 1 < count ? body + entry(k + 1) : qint64(full.size()));

    for (qsizetype length = 0; length <= full.size(); ++length) {
        const QByteArray cut = full.first(length);
        const auto cutHeader = readLabelHeader(cut);
        if (!cutHeader.ok())
            continue;
        for (qint64 i = 0; i < cutHeader->imageCount; ++i) {
            const ImageRecord record = readImageRecord(cut, *cutHeader, i);
            if (ends[std::size_t(i)] <= length) {
                EXPECT_EQ(record, readImageRecord(full, header, i)) << length << " " << i;
            }
        }
        for (qint64 j = 0; j < cutHeader->textCount; ++j) {
            const TextRecord record = readTextRecord(cut, *cutHeader, j);
            parseTextProperties(record.properties);
            if (ends[std::size_t(header.imageCount + j)] <= length) {
                EXPECT_EQ(record, readTextRecord(full, header, j)) << length << " " << j;
            }
        }
    }
}
