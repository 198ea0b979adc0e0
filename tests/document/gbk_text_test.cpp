#include "document/gbk_text.h"
#include "platform/gbk.h"

#include <gtest/gtest.h>

namespace {

QByteArray gbk(const char* utf8)
{
    return toGbk(QString::fromUtf8(utf8));
}

} // namespace

TEST(RemoveSpaces, TakesAsciiAndFullWidthSpacesAndStepsOverDoubleByteCharacters)
{
    struct Case { QByteArray in; QByteArray out; };
    const Case cases[] = {
        {"A B 1 2", "AB12"},
        {"  ", ""},
        {"a\tb", "a\tb"},                                   // tabs stay
        {gbk("条　码 12"), gbk("条码12")},                    // full-width space A1 A1
        // 0xA1 as the trail byte of one character and the lead of the next is no space:
        // "\xB0\xA1" + "\xA1\xB2" holds A1 A1 across a character boundary.
        {QByteArray("\xB0\xA1\xA1\xB2"), QByteArray("\xB0\xA1\xA1\xB2")},
        {QByteArray("x\xA1"), QByteArray("x\xA1")},          // a lone lead byte at the end is kept
    };
    for (const Case& c : cases) {
        QByteArray text = c.in;
        removeSpaces(text);
        EXPECT_EQ(text, c.out) << c.in.toHex().constData();
    }
}

TEST(TextToInt, ReadsTheLeadingIntegerAfterFoldingFullWidthForms)
{
    struct Case { QByteArray in; int value; };
    const Case cases[] = {
        {"72", 72},
        {"  -15mm", -15},
        {"+8", 8},
        {"72.5", 72},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {gbk("７２"), 72},                  // full-width digits
        {gbk("　－３"), -3},                 // ideographic space and full-width minus
        {gbk("１２ｍｍ"), 12},
        {gbk("宽72"), 0},                   // a Chinese character before the digits stops the read
        {"99999999999", 2147483647},
        {"-99999999999", -2147483648},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textToInt(c.in), c.value) << c.in.toHex().constData();
}

TEST(Flags, OnlyExactlyTrueReadsAsTrue)
{
    EXPECT_EQ(flagText(true), gbk("真"));
    EXPECT_EQ(flagText(false), gbk("假"));
    EXPECT_TRUE(isTrueFlag(gbk("真")));
    for (const QByteArray& other : {gbk("假"), gbk("真 "), QByteArray("1"), QByteArray("true"), QByteArray()})
        EXPECT_FALSE(isTrueFlag(other));
}

TEST(Gbk, RoundTripsChineseAndReportsCharactersOutsideGbk)
{
    bool exact = false;
    const QByteArray bytes = toGbk(QStringLiteral("标签 72×25"), &exact);
    EXPECT_TRUE(exact);
    EXPECT_EQ(bytes, QByteArray("\xB1\xEA\xC7\xA9 72\xA1\xC1" "25"));
    EXPECT_EQ(fromGbk(bytes), QStringLiteral("标签 72×25"));

    const QString emoji = QString::fromUtf8("a\xF0\x9F\x98\x80");
    const QByteArray wide = toGbk(emoji, &exact);
    EXPECT_FALSE(exact);
    EXPECT_EQ(fromGbk(wide), emoji); // nothing is lost on the way back

    EXPECT_EQ(fromGbk(QByteArray("ab\xB1")).left(2), QStringLiteral("ab")); // a cut lead byte is not held back
    EXPECT_EQ(fromGbk(QByteArray("ab\xB1")).size(), 3);
}
