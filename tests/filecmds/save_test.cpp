#include "file_test_support.h"

#include "files/document_codec.h"

#include <QSaveFile>

#include <csignal>
#include <sys/resource.h>

namespace {

constexpr std::uint32_t W = 0xFFFFFF, K = 0x000000, R = 0xFF0000;

} // namespace

// The label of the independent writer's one_of_each.lab, put together in the editor: pictures as
// big as their elements, so that what they show is exactly the stored picture.
TEST_F(FileCommandsTest, ASavedLabelIsTheIndependentWritersFileByteForByte)
{
    start();
    window->labelSurfaceControl()->resize(500, 300);
    const struct {
        ElementKind kind;
        const char* content;
        QRect box;
        QByteArray picture;
    } images[] = {
        {ElementKind::Picture, "201556937", {40, 60, 4, 2}, bmp24({{W, K, R, W}, {K, W, W, R}})},
        {ElementKind::Barcode, "B20151231235959", {100, 80, 6, 3}, bmp24({{K, W, K, K, W, K}, {K, W, K, K, W, K}, {K, W, K, K, W, K}})},
        {ElementKind::QrCode, "二维码ABC", {30, 150, 3, 3}, bmp24({{K, W, K}, {W, K, W}, {K, K, K}})},
    };
    for (const auto& image : images) {
        auto* control = static_cast<PictureControl*>(addAt(image.kind, gbkOf(image.content), image.box));
        control->setPicture(image.picture);
    }
    const struct {
        const char* content;
        QRect box;
        ElementFont font;
    } texts[] = {
        {"[双击输入文本]", {200, 120, 208, 32}, {0, true, false, false, false, 16, gbkOf("黑体")}},
        {"标签 Label", {210, 170, 40, 90}, {900, false, true, true, true, 12, gbkOf("宋体")}},
    };
    for (const auto& text : texts) {
        auto* canvas = static_cast<DrawingCanvas*>(addAt(ElementKind::Text, gbkOf(text.content), text.box));
        canvas->setElementFont(text.font);
    }

    saveTo(labFile(QStringLiteral("one.lab")));
    EXPECT_TRUE(errors().isEmpty()) << errors().join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(fileBytes(labFile(QStringLiteral("one.lab"))), fileBytes(compatFile("one_of_each.lab")));
}

TEST_F(FileCommandsTest, AnEmptyLabelIsTheTwentySixBytesOfItsSize)
{
    start();
    saveTo(labFile(QStringLiteral("empty.lab")));
    EXPECT_EQ(fileBytes(labFile(QStringLiteral("empty.lab"))), fileBytes(compatFile("empty_72x25.lab")));
}

TEST_F(FileCommandsTest, AStretchedPictureIsStoredAsShownAtTheElementsSize)
{
    start();
    // Two by one, stretched to four by three: each source pixel covers a two by three block.
    auto* control = static_cast<PictureControl*>(addAt(ElementKind::Picture, "P1", QRect(300, 200, 4, 3)));
    control->setPicture(bmp24({{K, W}}));
    EXPECT_EQ(shownPictureBmp(*control), bmp24({{K, K, W, W}, {K, K, W, W}, {K, K, W, W}}));

    // Five pixels wide: rows of 15 bytes padded to 16.
    control->resize(5, 1);
    const QByteArray five = shownPictureBmp(*control);
    ASSERT_EQ(five.size(), 54 + 16);
    EXPECT_EQ(five.mid(10, 4), QByteArray("\x36\0\0\0", 4));
    EXPECT_EQ(five.mid(28, 2), QByteArray("\x18\0", 2));
    EXPECT_EQ(five.right(1), QByteArray(1, '\0'));
}

TEST_F(FileCommandsTest, SaveAsksOnlyWhileUntitledAndThenWritesWithoutAsking)
{
    start();
    addAt(ElementKind::Barcode, "B1", QRect(100, 100, 60, 30));
    const QString path = labFile(QStringLiteral("first.lab"));
    dialogs.savePaths.append(path);
    run(Command::Save);

    ASSERT_EQ(dialogs.fileDialogs.size(), 1);
    const auto& dialog = dialogs.fileDialogs.first();
    EXPECT_EQ(dialog.kind, QStringLiteral("save"));
    EXPECT_EQ(dialog.title, QStringLiteral("请选择需要保存标签文件的位置"));
    EXPECT_EQ(dialog.filter, QStringLiteral("lab文件(*.lab)|*.lab"));
    EXPECT_EQ(dialog.folder, window->paths().labFolder);
    EXPECT_EQ(dialog.fileName, QStringLiteral("Lab201556953.lab")); // 6 May 2015, 09:05:03
    EXPECT_EQ(dialog.extension, QStringLiteral("lab"));
    EXPECT_EQ(doc().filePath(), path);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vortelle器 [ ") + path + QStringLiteral(" ]"));
    EXPECT_EQ(window->settings().read("New", "W", ""), "72");
    EXPECT_EQ(window->settings().read("New", "H", ""), "25");
    const QByteArray first = fileBytes(path);
    EXPECT_EQ(first.left(10), "lab 1.0 ..");
    EXPECT_EQ(first.mid(18, 4), QByteArray("\1\0\0\0", 4));

    // A titled label is written again in place: no dialog, label.ini left alone.
    writeSettings("[New]\r\nW=80\r\nH=30\r\n");
    addAt(ElementKind::QrCode, "D1", QRect(200, 100, 50, 50));
    run(Command::Save);
    EXPECT_EQ(dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(fileBytes(path).mid(18, 4), QByteArray("\2\0\0\0", 4));
    EXPECT_EQ(window->settings().read("New", "W", ""), "80");
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(FileCommandsTest, SaveOnAnUntitledLabelCancelledOrEmptyChangesNothing)
{
    start();
    addAt(ElementKind::Text, "abc", QRect(100, 100, 60, 30));
    const LabelState before = labelState();
    for (const std::optional<QString>& answer : {std::optional<QString>(), std::optional<QString>(QString())}) {
        dialogs.savePaths.append(answer);
        run(Command::Save);
        dialogs.savePaths.append(answer);
        run(Command::SaveAs);
    }
    EXPECT_EQ(dialogs.fileDialogs.size(), 4);
    EXPECT_EQ(labelState(), before);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vortelle器 [ 未命名 ]"));
    EXPECT_FALSE(QFile::exists(settingsFile()));
    EXPECT_TRUE(QDir(home() + QStringLiteral("/lab")).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(FileCommandsTest, SaveAsToAnotherPathLeavesTheOldFileAsItWas)
{
    start();
    addAt(ElementKind::Barcode, "B1", QRect(100, 100, 60, 30));
    const QString oldPath = labFile(QStringLiteral("old.lab"));
    saveTo(oldPath);
    const QByteArray old = fileBytes(oldPath);

    addAt(ElementKind::Barcode, "B2", QRect(200, 100, 60, 30));
    window->labelSurfaceControl()->resize(725, 333);
    const QString newPath = labFile(QStringLiteral("new.lab"));
    saveTo(newPath);
    EXPECT_EQ(fileBytes(oldPath), old);
    EXPECT_EQ(fileBytes(newPath).mid(10, 12), QByteArray("\xD5\x02\0\0\x4D\x01\0\0\2\0\0\0", 12));
    EXPECT_EQ(doc().filePath(), newPath);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vortelle器 [ ") + newPath + QStringLiteral(" ]"));
    // 725 and 333 pixels are 72.5 and 33.3 millimetres.
    EXPECT_EQ(window->settings().read("New", "W", ""), "72.5");
    EXPECT_EQ(window->settings().read("New", "H", ""), "33.3");
}

// The width that only a label file can bring is kept as 72.5; the next start takes its integer.
TEST_F(FileCommandsTest, AWidthOfSeventyTwoAndAHalfIsWrittenAndReadBackAsSeventyTwo)
{
    start();
    window->labelSurfaceControl()->resize(725, 250);
    saveTo(labFile(QStringLiteral("w.lab")));
    EXPECT_EQ(fileBytes(settingsFile()), "[New]\r\nW=72.5\r\nH=25\r\n");

    dialogs.answers.append(true);
    window->exitProgram();
    window.reset();
    start();
    EXPECT_EQ(window->labelSurfaceControl()->size(), QSize(720, 250));
}

TEST_F(FileCommandsTest, AFailedWriteShowsTheBoxAndKeepsTheNewPath)
{
    start();
    addAt(ElementKind::Barcode, "B1", QRect(100, 100, 60, 30));
    const QString path = home() + QStringLiteral("/missing/folder.lab");
    const LabelState before = labelState();
    saveTo(path);
    EXPECT_EQ(errors(), QStringList{QStringLiteral("保存失败|保存失败，无法输出数据到保存的标签文件！")});
    EXPECT_FALSE(QFile::exists(path));
    // The path was chosen: it stays the label's file, as the caption and label.ini say.
    EXPECT_EQ(doc().filePath(), path);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vortelle器 [ ") + path + QStringLiteral(" ]"));
    EXPECT_EQ(window->settings().read("New", "W", ""), "72");
    LabelState after = labelState();
    after.filePath = before.filePath;
    after.caption = before.caption;
    after.settings = before.settings;
    EXPECT_EQ(after, before);
}

// A write that the system stops half-way (here the process's file size limit, as a full disk
// would) leaves the label's file as it was before the save.
TEST_F(FileCommandsTest, ASaveInterruptedHalfWayLeavesTheOldFileIntact)
{
    start();
    const QString path = labFile(QStringLiteral("kept.lab"));
    auto* picture = static_cast<PictureControl*>(addAt(ElementKind::Picture, "P1", QRect(100, 100, 40, 40)));
    picture->setPicture(bmp24({{K, W}, {W, K}}));
    saveTo(path);
    const QByteArray old = fileBytes(path);
    ASSERT_GT(old.size(), 100);

    // Enough elements for a file far bigger than the limit: the writer gets part of it out.
    for (int i = 0; i < 50; ++i)
        addAt(ElementKind::Text, "text " + QByteArray::number(i), QRect(100 + i, 300, 60, 20));
    const QByteArray wouldBe = encodeLabelFile(doc());
    ASSERT_GT(wouldBe.size(), 2000);

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    run(Command::Save);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_EQ(errors(), QStringList{QStringLiteral("保存失败|保存失败，无法输出数据到保存的标签文件！")});
    EXPECT_EQ(fileBytes(path), old);
    EXPECT_EQ(QDir(home() + QStringLiteral("/lab")).entryList(QDir::Files), QStringList{QStringLiteral("kept.lab")});

    // With room again the same Save writes the whole label.
    run(Command::Save);
    EXPECT_EQ(fileBytes(path), wouldBe);
}

TEST_F(FileCommandsTest, AnElementTooBigForAPictureIsNotSavedWithoutIt)
{
    start();
    const QString path = labFile(QStringLiteral("big.lab"));
    addAt(ElementKind::Barcode, "B1", QRect(100, 100, 60, 30));
    saveTo(path);
    const QByteArray old = fileBytes(path);
    addAt(ElementKind::Picture, "P1", QRect(100, 100, 16385, 10));
    run(Command::Save);
    EXPECT_EQ(errors(), QStringList{QStringLiteral("保存失败|保存失败，无法输出数据到保存的标签文件！")});
    EXPECT_EQ(fileBytes(path), old);
}
