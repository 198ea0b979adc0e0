// The files of compat/ were written by make_compat_files.py from the format's rules alone.

#include "files/label_file.h"

#include "document/bmp_file.h"
#include "tests/files/hand_built_label.h"

#include <QFile>

#include <array>

#include <gtest/gtest.h>

namespace {

QByteArray compatFile(const char* name)
{
    QFile file(QStringLiteral(VORTELLE_TEST_DATA "/compat/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

LabelFileHeader headerOf(const QByteArray& bytes)
{
    const auto header = readLabelHeader(bytes);
    EXPECT_TRUE(header.ok());
    return header.ok() ? *header : LabelFileHeader {};
}

struct Pixel {
    int x;
    int y;
    Colour colour;
};
constexpr Colour kRed = 0x0000FF;

void expectPicture(const QByteArray& bmp, int width, int height, std::initializer_list<Pixel> pixels)
{
    Bitmap bitmap;
    ASSERT_TRUE(loadBmpBytes(bitmap, bmp));
    EXPECT_EQ(bitmap.width, width);
    EXPECT_EQ(bitmap.height, height);
    EXPECT_EQ(bitmap.depth, 24);
    for (const Pixel& p : pixels)
        EXPECT_EQ(pixelColour(bitmap, p.x, p.y), p.colour) << p.x << "," << p.y;
}

TextDescription describe(const TextRecord& record)
{
    const auto properties = parseTextProperties(record.properties);
    EXPECT_TRUE(properties.ok());
    TextDescription text { record.left, record.top, record.width, record.height, {}, {} };
    if (properties.ok()) {
        text.font = properties->font;
        text.content = properties->content;
    }
    return text;
}

} // namespace

TEST(CompatFiles, EmptyAndPlaceholderLabels)
{
    const QByteArray empty = compatFile("empty_72x25.lab");
    const LabelFileHeader header = headerOf(empty);
    EXPECT_EQ(header.width, 720);
    EXPECT_EQ(header.height, 250);
    EXPECT_EQ(header.imageCount, 0);
    EXPECT_EQ(header.textCount, 0);
    EXPECT_EQ(encodeLabelFile(LabelDescription { 720, 250, {}, {} }), empty);

    const auto placeholder = readLabelHeader(compatFile("placeholder.lab"));
    ASSERT_FALSE(placeholder.ok());
    EXPECT_EQ(placeholder.error(), LabelFileError::BadLabelSize);
}

TEST(CompatFiles, OneOfEachReadsAndIsWrittenAgainByteForByte)
{
    const QByteArray bytes = compatFile("one_of_each.lab");
    const LabelFileHeader header = headerOf(bytes);
    EXPECT_EQ(header.width, 500);
    EXPECT_EQ(header.height, 300);
    ASSERT_EQ(header.imageCount, 3);
    ASSERT_EQ(header.textCount, 2);

    LabelDescription label { header.width, header.height, {}, {} };
    for (int i = 0; i < header.imageCount; ++i)
        label.images.push_back(readImageRecord(bytes, header, i));
    for (int j = 0; j < header.textCount; ++j)
        label.texts.push_back(describe(readTextRecord(bytes, header, j)));

    const ImageRecord& picture = label.images[0];
    EXPECT_EQ(picture.kindLetter, 'P');
    EXPECT_EQ((std::array { picture.left, picture.top, picture.width, picture.height }),
        (std::array { 40, 60, 4, 2 }));
    EXPECT_EQ(picture.content, "201556937");
    expectPicture(picture.picture, 4, 2,
        { { 0, 0, kWhite }, { 1, 0, kBlack }, { 2, 0, kRed }, { 3, 1, kRed }, { 1, 1, kWhite } });

    const ImageRecord& barcode = label.images[1];
    EXPECT_EQ(barcode.kindLetter, 'B');
    EXPECT_EQ((std::array { barcode.left, barcode.top, barcode.width, barcode.height }),
        (std::array { 100, 80, 6, 3 }));
    EXPECT_EQ(barcode.content, "B20151231235959");
    expectPicture(
        barcode.picture, 6, 3, { { 0, 2, kBlack }, { 1, 2, kWhite }, { 4, 0, kWhite }, { 5, 1, kBlack } });

    const ImageRecord& qr = label.images[2];
    EXPECT_EQ(qr.kindLetter, 'D');
    EXPECT_EQ((std::array { qr.left, qr.top, qr.width, qr.height }), (std::array { 30, 150, 3, 3 }));
    EXPECT_EQ(qr.content, gbk("二维码ABC"));
    expectPicture(
        qr.picture, 3, 3, { { 1, 0, kWhite }, { 1, 1, kBlack }, { 2, 2, kBlack }, { 2, 1, kWhite } });

    const TextDescription& inserted = label.texts[0];
    EXPECT_EQ((std::array { inserted.left, inserted.top, inserted.width, inserted.height }),
        (std::array { 200, 120, 208, 32 }));
    EXPECT_EQ(inserted.font, (ElementFont { 0, true, false, false, false, 16, gbk("黑体") }));
    EXPECT_EQ(inserted.content, gbk("[双击输入文本]"));

    const TextDescription& turned = label.texts[1];
    EXPECT_EQ((std::array { turned.left, turned.top, turned.width, turned.height }),
        (std::array { 210, 170, 40, 90 }));
    EXPECT_EQ(turned.font, (ElementFont { 900, false, true, true, true, 12, gbk("宋体") }));
    EXPECT_EQ(turned.content, gbk("标签 Label"));

    EXPECT_EQ(encodeLabelFile(label), bytes);
}

TEST(CompatFiles, ContentHoldingSeparatorsOpensAsWritten)
{
    const QByteArray bytes = compatFile("pipe_in_content.lab");
    const LabelFileHeader header = headerOf(bytes);
    ASSERT_EQ(header.textCount, 1);
    const TextDescription text = describe(readTextRecord(bytes, header, 0));
    EXPECT_EQ(text.font, (ElementFont { 1800, true, true, false, false, 9, "Arial" }));
    EXPECT_EQ(text.content, "a|b|");
    EXPECT_EQ(encodeLabelFile(LabelDescription { header.width, header.height, {}, { text } }), bytes);
}

TEST(CompatFiles, SevenFieldLineIsWrongFieldCountAfterAGoodPicture)
{
    const QByteArray bytes = compatFile("seven_fields.lab");
    const LabelFileHeader header = headerOf(bytes);
    ASSERT_EQ(header.imageCount, 1);
    ASSERT_EQ(header.textCount, 1);
    const ImageRecord picture = readImageRecord(bytes, header, 0);
    EXPECT_EQ(picture.content, gbk("[双击选图]"));
    expectPicture(picture.picture, 2, 1, { { 0, 0, kWhite }, { 1, 0, kBlack } });
    const auto properties = parseTextProperties(readTextRecord(bytes, header, 0).properties);
    ASSERT_FALSE(properties.ok());
    EXPECT_EQ(properties.error(), LabelFileError::WrongFieldCount);
}

TEST(CompatFiles, StatedLengthsBoundTheDataToTwiceThemselves)
{
    const QByteArray bytes = compatFile("stated_lengths.lab");
    const LabelFileHeader header = headerOf(bytes);
    ASSERT_EQ(header.imageCount, 1);
    const ImageRecord record = readImageRecord(bytes, header, 0);
    EXPECT_EQ(record.kindLetter, 'B');
    EXPECT_EQ(record.content, "ABCDEFGHIJ"); // says 6, gives 10: within 12
    EXPECT_TRUE(record.picture.isEmpty()); // says 20, gives 58: beyond 40
}
