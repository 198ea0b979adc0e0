#include "codes/code128.h"

#include "tests/codes/tool_runner.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <vector>

namespace {

Segment b(const char* payload)
{
    return {CodeSet::B, payload};
}

Segment c(const char* payload)
{
    return {CodeSet::C, payload};
}

std::string describe(const std::vector<Segment>& segments)
{
    std::string out;
    for (const Segment& s : segments) {
        out += s.codeSet == CodeSet::B ? " B\"" : " C\"";
        out += s.payload.toStdString() + "\"";
    }
    return out;
}

int moduleCount(const ModulePattern& pattern)
{
    int sum = 0;
    for (char ch : pattern) {
        sum += ch - '0';
    }
    return sum;
}

// The pattern as hexadecimal modules (1 = bar), last nibble padded with spaces' zeros.
QByteArray patternAsHexModules(const ModulePattern& pattern)
{
    QByteArray bits;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        bits.append(QByteArray(pattern[i] - '0', i % 2 == 0 ? '1' : '0'));
    }
    while (bits.size() % 4 != 0) {
        bits.append('0');
    }
    QByteArray hex;
    for (qsizetype i = 0; i < bits.size(); i += 4) {
        if (i > 0 && i % 8 == 0) {
            hex.append(' ');
        }
        hex.append(QByteArray::number(bits.mid(i, 4).toInt(nullptr, 2), 16).toUpper());
    }
    return hex;
}

} // namespace

TEST(SplitIntoSegments, FollowsTheRulesForRunsOfDigits)
{
    struct Case { const char* rule; QByteArray text; std::vector<Segment> segments; };
    const Case cases[] = {
        {"no text, no segment", "", {}},
        {"letters only", "abc", {b("abc")}},
        {"two digits at the end stay B, a segment of their own", "AB12", {b("AB"), b("12")}},
        {"a digit inside text stays B but starts its own segment", "A1B", {b("A"), b("1B")}},
        {"short run inside text stays B", "A12B", {b("A"), b("12B")}},
        {"even run of four inside text goes to C", "A1234B", {b("A"), c("1234"), b("B")}},
        {"odd run of five inside text leaves its last digit to the text after it", "A12345B",
         {b("A"), c("1234"), b("5B")}},
        {"run of four at the end stays B", "A1234", {b("A"), b("1234")}},
        {"run of three at the end gives its first digit to the text before it", "AB123", {b("AB1"), c("23")}},
        {"odd run of five at the end gives its first digit to the text before it", "A12345",
         {b("A1"), c("2345")}},
        {"even run of six at the end is one C segment", "A123456", {b("A"), c("123456")}},
        {"odd run of seven after text", "ABC1234567", {b("ABC1"), c("234567")}},
        {"default content: B and a nine-digit time stamp", "B201556937", {b("B2"), c("01556937")}},
        {"digits-only text of three: two B segments", "123", {b("12"), b("3")}},
        {"digits-only text of four stays B", "1234", {b("1234")}},
        {"digits-only text of five: last digit forms a B segment", "12345", {c("1234"), b("5")}},
        {"digits-only text of six is one C segment", "123456", {c("123456")}},
        {"digits-only odd run of seven", "1234567", {c("123456"), b("7")}},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(splitIntoSegments(k.text), k.segments)
            << k.rule << ": got" << describe(splitIntoSegments(k.text));
    }
}

TEST(Code128Values, GivesTheSymbolCharactersFromStartToStop)
{
    struct Case { const char* rule; QByteArray text; std::vector<int> values; };
    const Case cases[] = {
        {"worked: two B segments as one run", "AB12", {104, 33, 34, 17, 18, 19, 106}},
        {"worked: digits-only odd run of five", "12345", {105, 12, 34, 100, 21, 54, 106}},
        {"worked: run of three at the end", "AB123", {104, 33, 34, 17, 99, 23, 46, 106}},
        {"worked: digits-only run of three", "123", {104, 17, 18, 19, 8, 106}},
        {"worked: lower case", "abc", {104, 65, 66, 67, 90, 106}},
        {"empty text: Start C, check 2, Stop", "", {105, 2, 106}},
        {"one digit", "1", {104, 17, 18, 106}},
        {"two digits", "12", {104, 17, 18, 54, 106}},
        {"four digits stay in code set B", "1234", {104, 17, 18, 19, 20, 88, 106}},
        {"six digits: one C segment", "123456", {105, 12, 34, 56, 44, 106}},
        {"seven digits: C then B", "1234567", {105, 12, 34, 56, 100, 23, 44, 106}},
        {"odd run of seven after text", "ABC1234567", {104, 33, 34, 35, 17, 99, 23, 45, 67, 8, 106}},
        {"default content", "B201556937", {104, 34, 18, 99, 1, 55, 69, 37, 84, 106}},
        {"adjacent B segments: no change character", "A1B", {104, 33, 17, 34, 67, 106}},
        {"C run inside text, back to B", "A1234B", {104, 33, 99, 12, 34, 100, 34, 78, 106}},
        {"odd C run inside text", "A12345B", {104, 33, 99, 12, 34, 100, 21, 34, 32, 106}},
        {"first and last printable characters", "!~", {104, 1, 94, 87, 106}},
        {"pairs 00 and 99", "000099", {105, 0, 0, 99, 93, 106}},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(code128Values(k.text), k.values) << k.rule << " (" << k.text.constData() << ")";
    }
}

TEST(Code128Values, LeavesOutBytesWithoutACodeSetBValue)
{
    struct Case { const char* what; QByteArray text; std::vector<int> values; };
    const Case cases[] = {
        {"a tab", "A\tB", {104, 33, 34, 102, 106}},
        {"a space", "A B", {104, 33, 34, 102, 106}},
        {"control bytes and DEL", QByteArray("\x01" "AB\x7f" "12\x1f", 7), {104, 33, 34, 17, 18, 19, 106}},
        {"a NUL byte", QByteArray("AB\0" "12", 5), {104, 33, 34, 17, 18, 19, 106}},
        {"each byte of two Chinese characters (GBK)", "\xD6\xD0\xCE\xC4", {105, 2, 106}},
        {"Chinese between digits: the digits run on", "12\xD6\xD0" "34", {104, 17, 18, 19, 20, 88, 106}},
        {"every high byte", QByteArray("\x80\xA1\xFE\xFF"), {105, 2, 106}},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(code128Values(k.text), k.values) << k.what;
    }
}

TEST(EncodeCode128, HasElevenModulesPerCharacterAndThirteenForStop)
{
    struct Case { QByteArray text; int modules; };
    const Case cases[] = {
        {"", 35},
        {"AB12", 79},
        {"B201556937", 112},
        {"B20151231235959", 134},
        {"\xD6\xD0\xCE\xC4", 35},
    };
    for (const Case& k : cases) {
        const ModulePattern pattern = encodeCode128(k.text);
        EXPECT_EQ(moduleCount(pattern), k.modules) << k.text.constData();
        for (char ch : pattern) {
            ASSERT_TRUE(ch >= '1' && ch <= '4') << k.text.constData();
        }
        // Bar first, bar last: the pattern has an odd number of widths.
        EXPECT_EQ(pattern.size() % 2, 1);
    }
}

// zint is an independent encoder. Where its choice of code sets is ours the modules are equal; where
// it chooses otherwise ("AB123" all in code set B) the symbol still has as many modules.
TEST(EncodeCode128, AgreesWithZint)
{
    struct Case { const char* text; bool sameCodeSets; };
    const Case cases[] = {
        {"AB12", true}, {"12345", true}, {"123", true}, {"abc", true}, {"B201556937", true},
        {"ABC1234567", true}, {"1234567", true}, {"A1B", true}, {"!~", true}, {"B20151231235959", true},
        {"A1234B", true}, {"123456", true}, {"AB123", false},
    };
    for (const Case& k : cases) {
        const ToolResult zint = runTool("zint", {"--dump", "-b", "20", "-d", QString::fromLatin1(k.text)});
        ASSERT_TRUE(zint.started) << "zint is not installed";
        const std::string theirs = zint.out.trimmed().toStdString();
        const std::string ours = patternAsHexModules(encodeCode128(k.text)).toStdString();
        if (k.sameCodeSets) {
            EXPECT_EQ(theirs, ours) << k.text;
        } else {
            EXPECT_EQ(theirs.size(), ours.size()) << k.text;
        }
    }
}
