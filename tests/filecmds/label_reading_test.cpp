#include "files/label_reading.h"

#include "tests/files/hand_built_label.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

QByteArray image(char letter, const QByteArray& content, std::uint32_t width = 2, std::uint32_t height = 1,
                 const QByteArray& picture = QByteArray(40, 'x'))
{
    return handImageRecord(letter, 30, 40, width, height, handBlock(content), handBlock(picture));
}

QByteArray text(const char* line)
{
    return handTextRecord(30, 80, 10, 10, handBlock(gbk(line)));
}

std::optional<LabelReadError> read(const QByteArray& bytes, OpenedLabel* label = nullptr,
                                   qint64 budget = kMaxOpenedBytes)
{
    OpenedLabel scratch;
    return readLabelFile(bytes, label ? *label : scratch, budget);
}

} // namespace

TEST(LabelReading, TagsNumberEachImageKindByItsOwnCounterInFileOrder)
{
    OpenedLabel label;
    ASSERT_EQ(read(handLabel(300, 200,
                             {image('P', "p1"), image('B', "b1"), image('P', "p2"), image('D', "d1"),
                              image('B', "b2"), image('X', "x1"), image('\0', "z1")},
                             {text("0|真|假|假|假|16|黑体|a"), text("900|假|假|假|假|9|宋体|b")}),
                   &label),
              std::nullopt);
    std::vector<int> tags;
    std::vector<char> letters;
    for (const OpenedImage& opened : label.images) {
        tags.push_back(opened.tag);
        letters.push_back(opened.record.kindLetter);
    }
    // A letter other than "P", "B" or "D" is a picture, as the writer writes every other kind.
    EXPECT_EQ(tags, (std::vector<int>{200001, 300001, 200002, 400001, 300002, 200003, 200004}));
    EXPECT_EQ(letters, (std::vector<char>{'P', 'B', 'P', 'D', 'B', 'P', 'P'}));
    ASSERT_EQ(label.texts.size(), 2u);
    EXPECT_EQ(label.texts[0].tag, 100001);
    EXPECT_EQ(label.texts[1].tag, 100002);
    EXPECT_EQ(label.texts[1].properties.font, (ElementFont{900, false, false, false, false, 9, gbk("宋体")}));
    EXPECT_EQ(label.texts[1].properties.content, "b");
    EXPECT_EQ(label.width, 300);
    EXPECT_EQ(label.height, 200);
}

TEST(LabelReading, WhatCannotBeOpenedIsRefusedBeforeAnythingIsTaken)
{
    const QByteArray good = handLabel(300, 200, {image('P', "p1")}, {text("0|真|假|假|假|16|黑体|a")});
    const struct {
        const char* rule;
        QByteArray file;
        std::optional<LabelReadError> expected;
    } cases[] = {
        {"a whole file", good, std::nullopt},
        {"nine bytes", QByteArray("lab 1.0 ."), LabelReadError::BadMagic},
        {"the magic alone", QByteArray("lab 1.0 .."), LabelReadError::BadLabelSize},
        {"the widest window", handLabel(16777215, 1, {}, {}), std::nullopt},
        {"wider than any window", handLabel(16777216, 1, {}, {}), LabelReadError::BadLabelSize},
        {"cut inside the offset table", good.left(29), LabelReadError::BadRecord},
        {"cut after the offset table: the records read as far as they go", good.left(34 + 25),
         LabelReadError::BadRecord},
        {"more records counted than the file holds",
         good.left(18) + le32(1) + le32(5) + good.mid(26), LabelReadError::BadRecord},
        {"the widest picture", handLabel(300, 200, {image('P', "p", 16384, 1)}, {}), std::nullopt},
        {"a picture wider than any picture", handLabel(300, 200, {image('P', "p", 16385, 1)}, {}),
         LabelReadError::BadRecord},
        {"a picture taller than any picture", handLabel(300, 200, {image('B', "b", 1, 16385)}, {}),
         LabelReadError::BadRecord},
        {"the largest text", handLabel(300, 200, {}, {text("0|真|假|假|假|1638|黑体|a")}), std::nullopt},
        {"a text beyond any font", handLabel(300, 200, {}, {text("0|真|假|假|假|1639|黑体|a")}),
         LabelReadError::BadRecord},
        {"a text size far below zero", handLabel(300, 200, {}, {text("0|真|假|假|假|-99999999999|黑体|a")}),
         LabelReadError::BadRecord},
        {"seven fields", handLabel(300, 200, {}, {text("0|真|假|假|假|16|黑体")}), LabelReadError::BadRecord},
        {"a property block that does not decompress",
         handLabel(300, 200, {}, {handTextRecord(30, 80, 10, 10, QByteArray("\x0D\x0F\x3E\x03\x05\0\0\0xxxx", 12))}),
         LabelReadError::BadRecord},
    };
    for (const auto& c : cases) {
        OpenedLabel label;
        label.width = -7;
        EXPECT_EQ(read(c.file, &label), c.expected) << c.rule;
        // Nothing is handed out from a file that does not read completely.
        if (c.expected) {
            EXPECT_EQ(label.width, -7) << c.rule;
        }
    }
}

// The "cut after the offset table" row: the picture block lies beyond the end and reads as empty,
// which the format takes as no error; the text record after it is where the cut is met.
TEST(LabelReading, AnImageRecordWithoutItsBlocksIsNoError)
{
    const QByteArray file = handLabel(300, 200, {image('P', "p1")}, {});
    OpenedLabel label;
    ASSERT_EQ(read(file.left(34 + 25), &label), std::nullopt);
    ASSERT_EQ(label.images.size(), 1u);
    EXPECT_TRUE(label.images[0].record.content.isEmpty());
    EXPECT_TRUE(label.images[0].record.picture.isEmpty());
}

TEST(LabelReading, TheRecordsTogetherDecompressToNoMoreThanTheLimit)
{
    // Two pictures of 100 bytes and their contents of 2: 204 bytes in all.
    const QByteArray file = handLabel(300, 200, {image('P', "p1", 2, 1, QByteArray(100, 'a')),
                                                 image('P', "p2", 2, 1, QByteArray(100, 'b'))},
                                      {text("0|真|假|假|假|16|黑体|a")});
    const qint64 line = gbk("0|真|假|假|假|16|黑体|a").size();
    EXPECT_EQ(read(file, nullptr, 204 + line), std::nullopt);
    EXPECT_EQ(read(file, nullptr, 204 + line - 1), LabelReadError::BadRecord);
    EXPECT_EQ(read(file, nullptr, 150), LabelReadError::BadRecord);
}

TEST(LabelReading, AnEmptyOrOverlongFaceNameGivesSongti)
{
    EXPECT_EQ(openedFaceName(""), gbk("宋体"));
    EXPECT_EQ(openedFaceName(QByteArray(31, 'A')), QByteArray(31, 'A'));
    EXPECT_EQ(openedFaceName(QByteArray(32, 'A')), gbk("宋体"));
    EXPECT_EQ(openedFaceName(gbk("黑体")), gbk("黑体"));
}
