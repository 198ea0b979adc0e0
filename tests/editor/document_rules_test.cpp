#include "document/edit_rules.h"
#include "document/element_kind.h"
#include "document/readout.h"
#include "document/scratch_name.h"
#include "document/tag_issuer.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(KindOfTag, FollowsTheTagRanges)
{
    const struct {
        int tag;
        std::optional<ElementKind> kind;
    } cases[] = {
        {0, std::nullopt}, {-100001, std::nullopt}, {100000, std::nullopt},
        {100001, ElementKind::Text}, {199999, ElementKind::Text}, {200000, std::nullopt},
        {200001, ElementKind::Picture}, {300003, ElementKind::Barcode}, {399999, ElementKind::Barcode},
        {400001, ElementKind::QrCode}, {499999, ElementKind::QrCode}, {500000, std::nullopt},
        {500001, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kindOfTag(c.tag), c.kind) << c.tag;
    EXPECT_TRUE(isImageTag(200001));
    EXPECT_TRUE(isImageTag(499999));
    EXPECT_FALSE(isImageTag(200000));
    EXPECT_FALSE(isImageTag(500000));
}

TEST(IssueTag, CountsTheTableAndStepsOverLiveTags)
{
    const auto none = [](int) { return false; };
    EXPECT_EQ(issueTag(ElementKind::Text, 1, 0, none), 100001);
    EXPECT_EQ(issueTag(ElementKind::Barcode, 3, 0, none), 300003) << "image kinds share one table";

    // 100001 deleted, 100002 live: the count points at the live one.
    const auto live100002 = [](int tag) { return tag == 100002; };
    const int next = issueTag(ElementKind::Text, 2, 100002, live100002);
    EXPECT_NE(next, 100002);
    EXPECT_GT(next, 100000);
    EXPECT_LT(next, 200000);

    // At the top of the range the free numbers below are used; a full range gives none.
    const auto topLive = [](int tag) { return tag >= 100002; };
    EXPECT_EQ(issueTag(ElementKind::Text, 99999, 199999, topLive), 100001);
    EXPECT_EQ(issueTag(ElementKind::Text, 100000, 199999, [](int) { return true; }), 0);
    EXPECT_EQ(issueTag(ElementKind::QrCode, 100000, 0, none), 400001) << "a count past the range stays inside";
}

TEST(ClampToEditArea, AppliesTheFourCorrectionsInOrder)
{
    const EditArea area{24, 65, 700, 1366};
    const struct {
        const char* rule;
        QRect element;
        QPoint expected;
    } cases[] = {
        {"inside: unchanged", {300, 200, 96, 21}, {300, 200}},
        {"left of the label", {-10, 200, 96, 21}, {24, 200}},
        {"above the label", {300, 10, 96, 21}, {300, 65}},
        {"below the status bar's top", {300, 650, 100, 100}, {300, 600}},
        {"bottom exactly on the status bar's top stays", {300, 600, 100, 100}, {300, 600}},
        {"past the right limit leaves 20 more", {1300, 200, 100, 100}, {1246, 200}},
        {"right edge exactly on the limit stays", {1266, 200, 100, 100}, {1266, 200}},
        {"taller than the area ends above the top limit", {300, 100, 50, 700}, {300, 0}},
        {"wider than the area ends left of the label", {30, 200, 1400, 50}, {-54, 200}},
        {"above and left at once", {-5, -5, 10, 10}, {24, 65}},
    };
    for (const auto& c : cases) {
        const QRect clamped = clampToEditArea(c.element, area);
        EXPECT_EQ(clamped.topLeft(), c.expected) << c.rule;
        EXPECT_EQ(clamped.size(), c.element.size()) << c.rule;
    }
}

TEST(Nudge, MovesOnePixel)
{
    const QRect box(50, 60, 10, 20);
    EXPECT_EQ(nudged(box, NudgeKey::Left).topLeft(), QPoint(49, 60));
    EXPECT_EQ(nudged(box, NudgeKey::Right).topLeft(), QPoint(51, 60));
    EXPECT_EQ(nudged(box, NudgeKey::Up).topLeft(), QPoint(50, 59));
    EXPECT_EQ(nudged(box, NudgeKey::Down).topLeft(), QPoint(50, 61));
    EXPECT_EQ(handlePlace(box), QPoint(60, 80));
}

TEST(ResizeByHandle, KeepsTheCornerAndAtLeastTenPixels)
{
    const QRect element(200, 150, 100, 100);
    const struct {
        const char* rule;
        QPoint handle;
        QSize size;
        QPoint handleAfter;
    } cases[] = {
        {"35 right and 12 below", {235, 162}, {35, 12}, {235, 162}},
        {"above and left of the corner", {180, 120}, {10, 10}, {210, 160}},
        {"exactly ten", {210, 160}, {10, 10}, {210, 160}},
        {"nine wide", {209, 200}, {10, 50}, {210, 200}},
        {"nine high", {260, 159}, {60, 10}, {260, 160}},
    };
    for (const auto& c : cases) {
        const HandleResize r = resizeByHandle(element, c.handle);
        EXPECT_EQ(r.elementSize, c.size) << c.rule;
        EXPECT_EQ(r.handleTopLeft, c.handleAfter) << c.rule;
    }
}

TEST(ReadoutText, WritesTagPlaceSizeAndContent)
{
    EXPECT_EQ(readoutText(100001, QRect(74, 115, 96, 21), 24, 41, QByteArray("ABC")),
              QStringLiteral("pi= 100001 ,px= 5 mm,py= 5 mm,pw= 9.6 mm,ph= 2.1 mm,pv= ABC"));
    EXPECT_EQ(readoutText(0, std::nullopt, 24, 41, QByteArray()),
              QStringLiteral("pi= 0 ,px= 0 mm,py= 0 mm,pw= 0 mm,ph= 0 mm,pv= "));
    EXPECT_EQ(readoutText(0, std::nullopt, 24, 41, std::nullopt),
              QStringLiteral("pi= 0 ,px= 0 mm,py= 0 mm,pw= 0 mm,ph= 0 mm,pv= "));
    // Left of the label's edge the position is negative; GBK contents are shown as text.
    EXPECT_EQ(readoutText(200001, QRect(21, 65, 100, 100), 24, 41, QByteArray("[\xCB\xAB\xBB\xF7\xD1\xA1\xCD\xBC]")),
              QStringLiteral("pi= 200001 ,px= -0.3 mm,py= 0 mm,pw= 10 mm,ph= 10 mm,pv= [双击选图]"));
}

TEST(WindowTitle, NamesTheFileOrUntitled)
{
    EXPECT_EQ(windowTitle(QString()), QStringLiteral("Vortelle器 [ 未命名 ]"));
    EXPECT_EQ(windowTitle(QStringLiteral("/home/a/lab/x.lab")), QStringLiteral("Vortelle器 [ /home/a/lab/x.lab ]"));
}

TEST(ScratchFileName, IsOnePlainNameAndDiffersForEveryContent)
{
    EXPECT_EQ(scratchFileName("B201556937"), QStringLiteral("B201556937.tmp"));
    const QByteArray contents[] = {
        "https://example.com/a?b=1", "https:__example.com_a_b_1", "a/b", "a_2Fb", "A", "_41", "..", "../../etc/passwd",
        "", " ", "C:\\x", "[\xCB\xAB\xBB\xF7\xD1\xA1\xCD\xBC]", QByteArray(300, 'x'), QByteArray(300, 'x') + 'y',
        QByteArray("a\0b", 3), "a",
    };
    QSet<QString> names;
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const QByteArray& content : contents) {
        const QString name = scratchFileName(content);
        EXPECT_FALSE(name.contains(QLatin1Char('/'))) << content.constData();
        EXPECT_FALSE(name.contains(QLatin1Char('\\')));
        EXPECT_LE(name.size(), 255);
        names.insert(name);
        // Each one is a file that can be made, inside the folder.
        QFile file(scratchFilePath(folder.path(), content));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        EXPECT_EQ(QFileInfo(file).absolutePath(), QDir(folder.path()).absolutePath());
    }
    EXPECT_EQ(names.size(), static_cast<qsizetype>(std::size(contents)));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), names.size());
}
