#include "file_test_support.h"

#include "app/command_line.h"

#include <QDir>

TEST(CommandLine, OneLabelFileAtMostAndNoUnknownOptions)
{
    const QString here = QDir::currentPath();
    const struct {
        const char* rule;
        QStringList arguments;
        QString file;
        bool refused;
    } cases[] = {
        {"no argument: an empty label", {}, QString(), false},
        {"a relative name becomes absolute", {QStringLiteral("a.lab")}, here + QStringLiteral("/a.lab"), false},
        {"an absolute name stays", {QStringLiteral("/x/标签.lab")}, QStringLiteral("/x/标签.lab"), false},
        {"after -- a name may start with -", {QStringLiteral("--"), QStringLiteral("-a.lab")}, here + QStringLiteral("/-a.lab"), false},
        {"an unknown option", {QStringLiteral("--print")}, QString(), true},
        {"two files", {QStringLiteral("a.lab"), QStringLiteral("b.lab")}, QString(), true},
        {"an empty name", {QString()}, QString(), true},
    };
    for (const auto& c : cases) {
        const CommandLine command = parseCommandLine(c.arguments);
        EXPECT_EQ(command.labelFile, c.file) << c.rule;
        EXPECT_EQ(!command.error.isEmpty(), c.refused) << c.rule;
    }
}

class CommandLineTest : public FileCommandsTest {
protected:
    // The program's start with a file on its command line.
    void startWith(const QString& path)
    {
        window = std::make_unique<MainWindow>(environment());
        connectEditorCommands(*window);
        ASSERT_TRUE(window->startUp());
        openWhenStarted(*window, path);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

// The file is opened after the first activation has given the label its default size, so the
// file's own size is the one that stays.
TEST_F(CommandLineTest, TheFileOpensOnceTheWindowIsUp)
{
    writeSettings("[New]\r\nW=60\r\nH=40\r\n");
    const QString path = compatFile("one_of_each.lab");
    startWith(path);
    QTRY_COMPARE(doc().filePath(), path);
    EXPECT_EQ(window->labelSurfaceControl()->size(), QSize(500, 300));
    EXPECT_EQ(doc().imageElements().size(), 3);
    EXPECT_EQ(doc().textElements().size(), 2);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vortelle器 [ ") + path + QStringLiteral(" ]"));
    // As after Open's dialog: no question before it.
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(CommandLineTest, AFileThatCannotBeOpenedLeavesTheEmptyLabelWithItsMessage)
{
    startWith(compatFile("placeholder.lab"));
    QTRY_COMPARE(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("error"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("打开失败，错误的标签宽度或高度！"));
    EXPECT_TRUE(doc().filePath().isEmpty());
    EXPECT_EQ(window->labelSurfaceControl()->size(), QSize(720, 250));
}
