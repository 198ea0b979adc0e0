#include "document/content_rules.h"
#include "document/font_rules.h"
#include "document/text_layout.h"

#include <QSet>

#include <gtest/gtest.h>

TEST(PlaceText, TheBoxAndTheStartFollowTheAngle)
{
    const QSize extent(96, 21);
    const struct {
        const char* rule;
        int angle;
        QSize box;
        QPoint start;
    } cases[] = {
        {"unturned from the top-left corner", 0, {96, 21}, {0, 0}},
        {"upwards from the bottom-left corner", 900, {21, 96}, {0, 96}},
        {"upside down from the bottom-right corner", 1800, {96, 21}, {96, 21}},
        {"downwards from the top-right corner", 2700, {21, 96}, {21, 0}},
        {"any other angle is written unturned", 450, {96, 21}, {0, 0}},
        {"a negative angle too", -900, {96, 21}, {0, 0}},
    };
    for (const auto& c : cases) {
        const TextPlacement placement = placeText(c.angle, extent);
        EXPECT_EQ(placement.box, c.box) << c.rule;
        EXPECT_EQ(placement.start, c.start) << c.rule;
    }
}

TEST(DistinctContent, KeepsAFreeProposalAndNumbersATakenOne)
{
    QSet<QByteArray> held;
    const auto isHeld = [&held](const QByteArray& content) { return held.contains(content); };
    EXPECT_EQ(distinctContent("B201556953", isHeld), QByteArray("B201556953"));
    held = {"B201556953"};
    EXPECT_EQ(distinctContent("B201556953", isHeld), QByteArray("B201556953-2"));
    held = {"B201556953", "B201556953-2", "B201556953-3"};
    EXPECT_EQ(distinctContent("B201556953", isHeld), QByteArray("B201556953-4"));
    held = {"B201556953", "B201556953-3"};
    EXPECT_EQ(distinctContent("B201556953", isHeld), QByteArray("B201556953-2")) << "the first free number";
}

TEST(CodeEntry, BarcodeTextsLoseTheirSpacesAndMustBePrintableAscii)
{
    const QSet<QByteArray> held = {"B201556953", "A B", "XY", "\xB1\xEA\xC7\xA9"};
    const auto isHeld = [&held](const QByteArray& content) { return held.contains(content); };
    const struct {
        const char* rule;
        QByteArray typed;
        CodeEntryVerdict verdict;
        QByteArray content;
    } cases[] = {
        {"plain text is taken as typed", "AB12", CodeEntryVerdict::Accepted, "AB12"},
        {"ASCII and full-width spaces go", " A\xA1\xA1" "B 1 ", CodeEntryVerdict::Accepted, "AB1"},
        {"every printable ASCII character", "!~{}", CodeEntryVerdict::Accepted, "!~{}"},
        {"nothing", "", CodeEntryVerdict::Blank, ""},
        {"spaces only", " \xA1\xA1 ", CodeEntryVerdict::Blank, ""},
        {"a Chinese character", "AB\xB1\xEA", CodeEntryVerdict::NotEncodable, ""},
        {"a tab", "A\tB", CodeEntryVerdict::NotEncodable, ""},
        {"a byte above the ASCII range", "A\xE9", CodeEntryVerdict::NotEncodable, ""},
        {"a held content", "B201556953", CodeEntryVerdict::Duplicate, ""},
        {"a held content as typed, spaces included", "A B", CodeEntryVerdict::Duplicate, ""},
        {"a held content once the spaces go", "X Y", CodeEntryVerdict::Duplicate, ""},
        {"a held content is compared byte for byte", "b201556953", CodeEntryVerdict::Accepted, "b201556953"},
    };
    for (const auto& c : cases) {
        const CodeEntry entry = checkBarcodeEntry(c.typed, isHeld);
        EXPECT_EQ(entry.verdict, c.verdict) << c.rule;
        EXPECT_EQ(entry.content, c.content) << c.rule;
    }
}

TEST(CodeEntry, QrTextsKeepTheirSpacesAndTakeAnyCharacter)
{
    const QSet<QByteArray> held = {"D201556953", "A B"};
    const auto isHeld = [&held](const QByteArray& content) { return held.contains(content); };
    const struct {
        const char* rule;
        QByteArray typed;
        CodeEntryVerdict verdict;
    } cases[] = {
        {"spaces stay", " A  B ", CodeEntryVerdict::Accepted},
        {"Chinese and tabs are fine", "\xB1\xEA\tX", CodeEntryVerdict::Accepted},
        {"a URL", "https://example.com/a?b=1", CodeEntryVerdict::Accepted},
        {"spaces only", "\xA1\xA1 ", CodeEntryVerdict::Blank},
        {"nothing", "", CodeEntryVerdict::Blank},
        {"a held content", "D201556953", CodeEntryVerdict::Duplicate},
        {"a held content with its spaces", "A B", CodeEntryVerdict::Duplicate},
        {"the held content with other spaces is another", "AB", CodeEntryVerdict::Accepted},
    };
    for (const auto& c : cases) {
        const CodeEntry entry = checkQrEntry(c.typed, isHeld);
        EXPECT_EQ(entry.verdict, c.verdict) << c.rule;
        if (c.verdict == CodeEntryVerdict::Accepted) {
            EXPECT_EQ(entry.content, c.typed) << c.rule;
        }
    }
}

TEST(FontRules, FaceNamesFitTheRecordAndPointsAreRounded)
{
    const QByteArray song("\xCB\xCE\xCC\xE5");
    EXPECT_EQ(settableFaceName(""), song);
    EXPECT_EQ(settableFaceName(QByteArray(31, 'A')), QByteArray(31, 'A'));
    EXPECT_EQ(settableFaceName(QByteArray(32, 'A')), song);
    EXPECT_EQ(settableFaceName("\xBA\xDA\xCC\xE5"), QByteArray("\xBA\xDA\xCC\xE5")) << "黑体 stays";

    EXPECT_EQ(pointsFromPixels(21, 96), 16) << "15.75 rounds up";
    EXPECT_EQ(pointsFromPixels(37, 96), 28);
    EXPECT_EQ(pointsFromPixels(50, 120), 30);
    EXPECT_EQ(pointsFromPixels(21, 0), 0);
}
