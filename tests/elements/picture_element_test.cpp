#include "elements_fixture.h"

#include "document/picture_control.h"

namespace {

// A hand-made BMP header: "BM", sizes, a 40-byte info header with the given depth and compression,
// then the colour table and pixel bytes as given.
QByteArray bmpBytes(int width, int height, int depth, int compression, const QByteArray& table,
                    const QByteArray& pixels)
{
    QByteArray bytes;
    const auto put16 = [&bytes](int v) {
        bytes.append(char(v & 0xFF));
        bytes.append(char((v >> 8) & 0xFF));
    };
    const auto put32 = [&](int v) {
        put16(v & 0xFFFF);
        put16((v >> 16) & 0xFFFF);
    };
    const int offset = 54 + int(table.size());
    bytes.append("BM");
    put32(offset + int(pixels.size()));
    put32(0);
    put32(offset);
    put32(40);
    put32(width);
    put32(height);
    put16(1);
    put16(depth);
    put32(compression);
    put32(int(pixels.size()));
    put32(2835);
    put32(2835);
    put32(int(table.size() / 4));
    put32(0);
    bytes.append(table);
    bytes.append(pixels);
    return bytes;
}

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST_F(ElementsTest, ANewPictureShowsTheTemplatePictureAndWritesNoFile)
{
    start();
    const int tag = insertPicture();
    ASSERT_EQ(tag, 200001);
    PictureControl* control = imageControl(tag);
    EXPECT_EQ(control->geometry(), QRect(600, 176, 100, 100));
    EXPECT_EQ(content(tag), gbk("[双击选图]"));
    EXPECT_EQ(handle()->pos(), QPoint(700, 276));
    EXPECT_TRUE(handle()->isVisible());
    EXPECT_TRUE(scratchFiles().isEmpty());

    // White inside a light grey frame, black characters in the middle.
    const QImage image = shown(control);
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_EQ(image.pixel(0, 0), qRgb(192, 192, 192));
    EXPECT_EQ(image.pixel(99, 50), qRgb(192, 192, 192));
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 255, 255));
    int black = 0;
    for (int y = 10; y < 90; ++y)
        for (int x = 10; x < 90; ++x)
            black += qGray(image.pixel(x, y)) < 64;
    EXPECT_GT(black, 400) << "双击 and 选图 in large bold type";
}

TEST_F(ElementsTest, AChosenColourPictureBecomesBlackAndWhiteByNearestColour)
{
    start();
    const int tag = insertPicture();
    // One column per colour; the nearer of black and white by the sum of squared differences.
    const struct {
        QRgb colour;
        bool black;
    } columns[] = {
        {qRgb(255, 255, 255), false}, {qRgb(0, 0, 0), true},      {qRgb(255, 255, 0), false}, // yellow: two full channels
        {qRgb(255, 0, 0), true},      {qRgb(0, 0, 128), true},    {qRgb(192, 192, 192), false},
        {qRgb(128, 128, 128), false}, {qRgb(127, 127, 127), true}, // the grey middle
    };
    QImage colour(8, 3, QImage::Format_RGB32);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 3; ++y)
            colour.setPixel(x, y, columns[x].colour);
    dialogs.openPaths = {pictureFile(QStringLiteral("colour.bmp"), colour)};
    doubleClick(tag);

    ASSERT_FALSE(dialogs.shown.isEmpty());
    EXPECT_EQ(dialogs.shown.last().kind, QStringLiteral("open"));
    EXPECT_EQ(dialogs.shown.last().title, QStringLiteral("请选择需要插入的图片"));
    EXPECT_EQ(content(tag), QByteArray("P201556953"));
    const QByteArray bytes = imageControl(tag)->picture();
    EXPECT_EQ(bytes, scratchBytes("P201556953"));
    EXPECT_EQ(quint8(bytes[28]), 1) << "one bit per pixel";
    const QImage result = picture(bytes);
    ASSERT_EQ(result.size(), QSize(8, 3));
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(result.pixel(x, 1), columns[x].black ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) << "column " << x;
    }
    EXPECT_EQ(imageControl(tag)->size(), QSize(100, 100));
    EXPECT_EQ(handle()->pos(), QPoint(700, 276));
    EXPECT_TRUE(readout().endsWith(QStringLiteral("pv= P201556953"))) << readout().toStdString();
}

TEST_F(ElementsTest, FilesThatAreNoUncompressedBmpAreIgnoredSilently)
{
    start();
    const int tag = insertPicture();
    PictureControl* control = imageControl(tag);
    const QByteArray templateBytes = control->picture();
    QImage small = filled(4, 4, qRgb(0, 0, 0));
    const struct {
        const char* rule;
        std::optional<QString> path;
    } cases[] = {
        {"Cancel", std::nullopt},
        {"an empty name", QString()},
        {"a file that is not there", files.filePath(QStringLiteral("missing.bmp"))},
        {"a PNG named .bmp", pictureFile(QStringLiteral("png.bmp"), small, "PNG")},
        {"a JPEG named .bmp", pictureFile(QStringLiteral("jpeg.bmp"), small, "JPG")},
        {"a run-length-compressed BMP",
         rawFile(QStringLiteral("rle.bmp"),
                 bmpBytes(2, 1, 8, 1, QByteArray("\0\0\0\0\xFF\xFF\xFF\0", 8), QByteArray("\x02\x00\x00\x01", 4)))},
        {"a folder", files.path()},
    };
    for (const auto& c : cases) {
        dialogs.shown.clear();
        control->move(600, 176);
        handle()->move(0, 0);
        window->statusPanel()->setPartText(4, QStringLiteral("old"));
        dialogs.openPaths = {c.path};
        doubleClickCommandOnly(tag);
        EXPECT_EQ(content(tag), gbk("[双击选图]")) << c.rule;
        EXPECT_EQ(control->picture(), templateBytes) << c.rule;
        ASSERT_EQ(dialogs.shown.size(), 1) << c.rule << ": the dialog and no message";
        EXPECT_TRUE(scratchFiles().isEmpty()) << c.rule;
        EXPECT_EQ(handle()->pos(), QPoint(700, 276)) << c.rule << ": the handle placed all the same";
        EXPECT_TRUE(readout().startsWith(QStringLiteral("pi= 200001 ,"))) << c.rule;
    }
}

TEST_F(ElementsTest, ANewPictureKeepsTheBoxAndIsSqueezedIntoIt)
{
    start();
    const int tag = insertPicture();
    // 300 × 100: the left third black, the rest white.
    QImage wide = filled(300, 100, qRgb(255, 255, 255));
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            wide.setPixel(x, y, qRgb(0, 0, 0));
    dialogs.openPaths = {pictureFile(QStringLiteral("wide.bmp"), wide)};
    doubleClick(tag);
    ASSERT_EQ(content(tag), QByteArray("P201556953"));
    PictureControl* control = imageControl(tag);
    EXPECT_EQ(control->geometry(), QRect(600, 176, 100, 100));
    EXPECT_EQ(picture(control->picture()).size(), QSize(300, 100));
    const QImage image = shown(control);
    ASSERT_EQ(image.size(), QSize(100, 100));
    for (int y : {0, 50, 99}) {
        EXPECT_EQ(image.pixel(0, y), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(32, y), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(34, y), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(99, y), qRgb(255, 255, 255));
    }
}

TEST_F(ElementsTest, PicturesChosenWithinOneSecondGetTheirOwnContentsAndFiles)
{
    start();
    const int first = insertPicture();
    const int second = insertPicture();
    const QString black = pictureFile(QStringLiteral("black.bmp"), filled(4, 4, qRgb(0, 0, 0)));
    const QString white = pictureFile(QStringLiteral("white.bmp"), filled(6, 2, qRgb(255, 255, 255)));
    dialogs.openPaths = {black, white};
    doubleClickCommandOnly(first);
    doubleClickCommandOnly(second);
    EXPECT_EQ(content(first), QByteArray("P201556953"));
    EXPECT_NE(content(second), content(first));
    EXPECT_EQ(picture(scratchBytes(content(first))).size(), QSize(4, 4));
    EXPECT_EQ(picture(scratchBytes(content(second))).size(), QSize(6, 2));

    // A new picture for the first, still within the second: a content of its own, the old file gone.
    const QByteArray old = content(first);
    dialogs.openPaths = {white};
    doubleClickCommandOnly(first);
    EXPECT_NE(content(first), old);
    EXPECT_NE(content(first), content(second));
    EXPECT_FALSE(QFile::exists(scratchFile(old)));
    EXPECT_EQ(picture(scratchBytes(content(first))).size(), QSize(6, 2));
    EXPECT_EQ(picture(scratchBytes(content(second))).size(), QSize(6, 2));

    // A second later the timestamp alone tells them apart.
    clock.advanceSeconds(1);
    const QByteArray before = content(second);
    dialogs.openPaths = {black};
    doubleClickCommandOnly(second);
    EXPECT_EQ(content(second), QByteArray("P201556954"));
    EXPECT_FALSE(QFile::exists(scratchFile(before)));
    EXPECT_EQ(scratchFiles().size(), 2);
}

TEST_F(ElementsTest, TagsCountEveryImageElement)
{
    start();
    EXPECT_EQ(insertPicture(), 200001);
    EXPECT_EQ(insertPicture(), 200002);
    EXPECT_EQ(insertBarcode(), 300003);
    EXPECT_EQ(insertQrCode(), 400004);
    EXPECT_EQ(insertText(), 100001);
}

TEST_F(ElementsTest, ElementsOfOneFileSharingAContentEachTurnAndReplaceTheirOwnPicture)
{
    start();
    // As Open leaves them: two pictures with the same content, the second with a file of its own.
    const QByteArray shared = gbk("[双击选图]");
    PictureControl* first = doc().copyPictureTemplate();
    PictureControl* second = doc().copyPictureTemplate();
    ASSERT_TRUE(doc().adoptElement(200001, first, shared));
    ASSERT_TRUE(doc().adoptElement(200002, second, shared));
    first->move(100, 200);
    second->move(300, 200);
    QFile::copy(pictureFile(QStringLiteral("tall.bmp"), filled(2, 6, qRgb(0, 0, 0))), scratchFile(shared));
    const QString own = doc().scratchFolder() + QStringLiteral("/own.tmp");
    QFile::copy(pictureFile(QStringLiteral("wide.bmp"), filled(6, 2, qRgb(0, 0, 0))), own);
    doc().setOwnScratchFile(200002, own);

    popup(200001, "旋转90度");
    EXPECT_EQ(picture(first->picture()).size(), QSize(6, 2));
    popup(200002, "旋转90度");
    EXPECT_EQ(picture(second->picture()).size(), QSize(2, 6)) << "its own picture, turned";

    // A new picture for the first: the shared content's file stays while a record still holds the
    // content, and the second's own file stays with the second.
    dialogs.openPaths = {pictureFile(QStringLiteral("square.bmp"), filled(4, 4, qRgb(0, 0, 0)))};
    doubleClickCommandOnly(200001);
    EXPECT_EQ(content(200001), QByteArray("P201556953"));
    EXPECT_TRUE(QFile::exists(scratchFile(shared)));
    EXPECT_TRUE(QFile::exists(own));

    // A new picture for the second: its own file goes.
    dialogs.openPaths = {pictureFile(QStringLiteral("square.bmp"), filled(4, 4, qRgb(0, 0, 0)))};
    doubleClickCommandOnly(200002);
    EXPECT_NE(content(200002), content(200001));
    EXPECT_FALSE(QFile::exists(own));
    popup(200002, "旋转90度");
    EXPECT_EQ(picture(second->picture()).size(), QSize(4, 4));
}

TEST_F(ElementsTest, TheToolbarButtonsInsertEveryKind)
{
    start();
    const struct {
        int button;
        int tag;
        QSize size;
    } cases[] = {{7, 100001, {208, 32}}, {8, 200001, {100, 100}}, {9, 300002, {300, 100}}, {10, 400003, {100, 100}}};
    for (const auto& c : cases) {
        window->toolbarAction(c.button)->trigger();
        EXPECT_EQ(doc().selectedTag(), c.tag) << c.button;
        ASSERT_NE(doc().findElement(c.tag), nullptr) << c.button;
        EXPECT_EQ(doc().findElement(c.tag)->size(), c.size) << c.button;
    }
}
