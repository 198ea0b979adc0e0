#include "elements_fixture.h"

#include "document/drawing_canvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTransform>

namespace {

// The smallest rectangle holding every dark pixel; empty when there is none.
QRect inkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

bool darkNear(const QImage& image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < image.width() && ny < image.height() && qGray(image.pixel(nx, ny)) < 128)
                return true;
        }
    }
    return false;
}

// Share of the dark pixels of either picture that have no dark pixel of the other one within one
// pixel: glyphs drawn turned are rasterised a little differently from a turned picture of them.
double unmatchedInk(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 1.0;
    int dark = 0;
    int unmatched = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const bool inA = qGray(a.pixel(x, y)) < 128;
            const bool inB = qGray(b.pixel(x, y)) < 128;
            dark += inA + inB;
            unmatched += (inA && !darkNear(b, x, y)) + (inB && !darkNear(a, x, y));
        }
    }
    return dark == 0 ? 1.0 : double(unmatched) / dark;
}

} // namespace

TEST_F(ElementsTest, ANewTextShowsItsPlaceholderInBoldHeiInTheTemplateBox)
{
    start();
    const int tag = insertText();
    ASSERT_EQ(tag, 100001);
    DrawingCanvas* canvas = textControl(tag);
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->geometry(), QRect(552, 104, 208, 32)) << "not fitted before its first rendering";
    EXPECT_EQ(content(tag), gbk("[双击输入文本]"));
    EXPECT_EQ(canvas->elementFont(), (ElementFont{0, true, false, false, false, 16, gbk("黑体")}));
    EXPECT_EQ(canvas->canvasFont().pixelSize(), 21) << "16 points at 96 dots per inch";
    EXPECT_FALSE(handle()->isVisible());
    EXPECT_TRUE(readout().startsWith(QStringLiteral("pi= 100001 ,"))) << readout().toStdString();

    // Written at the top-left corner: the ink starts there and stays within the text's own extent.
    const QFontMetrics metrics(canvas->canvasFont());
    const QRect ink = inkBox(shown(canvas));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LT(ink.left(), 6);
    EXPECT_LT(ink.top(), 8);
    EXPECT_LE(ink.right(), metrics.horizontalAdvance(QStringLiteral("[双击输入文本]")));
    EXPECT_LE(ink.bottom(), metrics.height());
}

TEST_F(ElementsTest, ChineseFaceNamesFindRealChineseFaces)
{
    start();
    const QChar biao(0x6807); // 标
    const struct {
        const char* name;
        const char* face;
    } cases[] = {
        {"黑体", "WenQuanYi Zen Hei"},
        {"SimHei", "WenQuanYi Zen Hei"},
        {"宋体", "Noto Serif CJK SC"},
        {"SimSun", "Noto Serif CJK SC"},
    };
    for (const auto& c : cases) {
        QFont font(QString::fromUtf8(c.name));
        font.setPixelSize(21);
        EXPECT_EQ(QFontInfo(font).family(), QString::fromUtf8(c.face)) << c.name;
        EXPECT_TRUE(QFontMetrics(font).inFont(biao)) << c.name;
    }
    // The element's own font, as the canvas draws it.
    const int tag = insertText();
    EXPECT_TRUE(QFontMetrics(textControl(tag)->canvasFont()).inFont(biao));
}

TEST_F(ElementsTest, AnEditFitsTheBoxToTheTextAtEveryAngle)
{
    start();
    const QString typed = QStringLiteral("  标签 Label  ");
    const struct {
        const char* item;
        int angle;
        bool across; // box is text height × text width
    } cases[] = {
        {"旋转0度", 0, false}, {"旋转90度", 900, true}, {"旋转180度", 1800, false}, {"旋转270度", 2700, true}};
    QImage unturned;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        const int tag = insertText();
        DrawingCanvas* canvas = textControl(tag);
        canvas->move(100, 200 + 60 * (tag - 100001));
        const QPoint topLeft = canvas->pos();
        popup(tag, c.item);
        EXPECT_EQ(canvas->elementFont().angle, c.angle);

        dialogs.inputs = {typed};
        doubleClick(tag);
        ASSERT_FALSE(dialogs.shown.isEmpty());
        EXPECT_EQ(dialogs.shown.last().kind, QStringLiteral("input"));
        EXPECT_EQ(dialogs.shown.last().title, QStringLiteral("文本输入"));
        EXPECT_EQ(dialogs.shown.last().text, QStringLiteral("请输入需要显示在标签上的文本内容！"));
        EXPECT_EQ(dialogs.shown.last().initial, QStringLiteral("[双击输入文本]"));
        EXPECT_EQ(content(tag), toGbk(typed)) << "all four spaces kept";

        const QFontMetrics metrics(canvas->canvasFont());
        const int w = metrics.horizontalAdvance(typed);
        const int h = metrics.height();
        EXPECT_GT(w, metrics.horizontalAdvance(typed.trimmed())) << "the spaces count in the width";
        EXPECT_EQ(canvas->size(), c.across ? QSize(h, w) : QSize(w, h));
        EXPECT_EQ(canvas->pos(), topLeft);
        EXPECT_EQ(doc().selectedTag(), tag);
        EXPECT_TRUE(readout().startsWith(QStringLiteral("pi= %1 ,").arg(tag)));

        // Each angle shows the unturned text turned counter-clockwise by it, within the box.
        const QImage image = shown(canvas);
        if (c.angle == 0) {
            unturned = image;
            continue;
        }
        const QImage expected = unturned.transformed(QTransform().rotate(-c.angle / 10.0));
        EXPECT_LT(unmatchedInk(image, expected), 0.02);
        EXPECT_GT(unmatchedInk(image, expected.mirrored(true, true)), 0.2) << "a half turn away would show";
    }
}

TEST_F(ElementsTest, ABlankTextOrCancelLeavesTextAndBoxAsTheyWere)
{
    start();
    const int tag = insertText();
    dialogs.inputs = {QStringLiteral("ABC")};
    doubleClick(tag);
    ASSERT_EQ(content(tag), QByteArray("ABC"));
    DrawingCanvas* canvas = textControl(tag);
    const QRect box = canvas->geometry();
    const QImage before = shown(canvas);

    const struct {
        const char* rule;
        std::optional<QString> answer;
    } cases[] = {
        {"ASCII spaces", QStringLiteral("   ")},
        {"full-width spaces", QStringLiteral("\u3000\u3000")},
        {"both", QStringLiteral(" \u3000 ")},
        {"nothing", QString()},
        {"Cancel", std::nullopt},
    };
    for (const auto& c : cases) {
        dialogs.shown.clear();
        window->statusPanel()->setPartText(4, QStringLiteral("old"));
        dialogs.inputs = {c.answer};
        doubleClickCommandOnly(tag);
        EXPECT_EQ(content(tag), QByteArray("ABC")) << c.rule;
        EXPECT_EQ(canvas->geometry(), box) << c.rule;
        EXPECT_EQ(shown(canvas), before) << c.rule;
        ASSERT_EQ(dialogs.shown.size(), 1) << c.rule << ": the input box and no message";
        EXPECT_EQ(dialogs.shown[0].initial, QStringLiteral("ABC")) << c.rule;
        EXPECT_TRUE(readout().startsWith(QStringLiteral("pi= 100001 ,"))) << c.rule;
        EXPECT_FALSE(handle()->isVisible()) << c.rule;
    }
}

TEST_F(ElementsTest, TheFontDialogSetsTheFontAsAWholeAndKeepsTheAngle)
{
    start();
    const int tag = insertText();
    dialogs.inputs = {QStringLiteral("标签 Label")};
    doubleClick(tag);
    popup(tag, "旋转90度");
    DrawingCanvas* canvas = textControl(tag);
    const QPoint topLeft = canvas->pos();

    QFont chosen(QStringLiteral("Noto Serif CJK SC"));
    chosen.setPointSize(28);
    chosen.setItalic(true);
    chosen.setStrikeOut(true);
    dialogs.fonts = {chosen};
    popup(tag, "属性");
    ASSERT_EQ(dialogs.offeredFonts.size(), 1);
    const QFont offered = dialogs.offeredFonts[0];
    EXPECT_EQ(offered.family(), QStringLiteral("黑体"));
    EXPECT_EQ(offered.pointSize(), 16);
    EXPECT_TRUE(offered.bold());
    EXPECT_FALSE(offered.italic());

    EXPECT_EQ(canvas->elementFont(), (ElementFont{900, false, true, true, false, 28, gbk("Noto Serif CJK SC")}));
    EXPECT_EQ(canvas->canvasFont().pixelSize(), 37) << "28 points at 96 dots per inch";
    const QFontMetrics metrics(canvas->canvasFont());
    EXPECT_EQ(canvas->size(), QSize(metrics.height(), metrics.horizontalAdvance(QStringLiteral("标签 Label"))))
        << "rendered again, still at 900";
    EXPECT_EQ(canvas->pos(), topLeft);

    // Cancel changes nothing and draws nothing.
    const ElementFont font = canvas->elementFont();
    const QImage image = shown(canvas);
    const QRect box = canvas->geometry();
    dialogs.fonts = {std::nullopt};
    popup(tag, "属性");
    EXPECT_EQ(canvas->elementFont(), font);
    EXPECT_EQ(canvas->geometry(), box);
    EXPECT_EQ(shown(canvas), image);
}

TEST_F(ElementsTest, AFaceNameThatIsEmptyOrTooLongBecomesSong)
{
    start();
    const int tag = insertText();
    const struct {
        QString family;
        QByteArray kept;
    } cases[] = {
        {QString(), gbk("宋体")},
        {QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ01234"), "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234"}, // 31 bytes
        {QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"), gbk("宋体")},                     // 32 bytes
        {QStringLiteral("文泉驿正黑文泉驿正黑文泉驿正黑文"), gbk("宋体")},                     // 16 characters, 32 bytes
    };
    for (const auto& c : cases) {
        QFont chosen;
        chosen.setFamilies({c.family});
        chosen.setPointSize(12);
        dialogs.fonts = {chosen};
        popup(tag, "属性");
        EXPECT_EQ(textControl(tag)->elementFont().faceName, c.kept) << c.family.toStdString();
        EXPECT_EQ(textControl(tag)->elementFont().size, 12);
    }
}

TEST_F(ElementsTest, PropertiesOfAnImageElementShowItsContent)
{
    start();
    const int picture = insertPicture();
    popup(picture, "属性");
    const int barcode = insertBarcode();
    popup(barcode, "属性");
    ASSERT_EQ(dialogs.shown.size(), 2);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("message")) << "OK and no icon";
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("属性信息"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("当前选中内容属性：[双击选图]"));
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("当前选中内容属性：B201556953"));

    // Nothing selected: nothing happens.
    dialogs.shown.clear();
    doc().clearSelection();
    window->menuAction(QStringLiteral("右键"), QStringLiteral("属性"))->trigger();
    EXPECT_TRUE(dialogs.shown.isEmpty());
}
