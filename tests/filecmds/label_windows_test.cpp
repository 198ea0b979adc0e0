#include "file_test_support.h"

#include "files/file_commands.h"
#include "files/new_label_window.h"
#include "files/resize_label_window.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kNewFailed = QStringLiteral("新建失败");

} // namespace

class LabelWindowsTest : public FileCommandsTest {
protected:
    FileCommands* commands() const { return window->findChild<FileCommands*>(); }

    NewLabelWindow* openNewLabel()
    {
        run(Command::NewLabel);
        auto* dialog = qobject_cast<NewLabelWindow*>(commands()->openWindow());
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        }
        return dialog;
    }

    ResizeLabelWindow* openResize()
    {
        run(Command::ResizeLabel);
        auto* dialog = qobject_cast<ResizeLabelWindow*>(commands()->openWindow());
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        }
        return dialog;
    }

    static QString textOf(QWidget* window, const char* name)
    {
        const QString objectName = QString::fromUtf8(name);
        if (auto* label = window->findChild<QLabel*>(objectName))
            return label->text();
        if (auto* edit = window->findChild<QLineEdit*>(objectName))
            return edit->text();
        if (auto* button = window->findChild<QPushButton*>(objectName))
            return button->text();
        return QStringLiteral("<none>");
    }

    static QRect boxOf(QWidget* window, const char* name)
    {
        QWidget* control = window->findChild<QWidget*>(QString::fromUtf8(name));
        return control ? control->geometry() : QRect();
    }
};

TEST_F(LabelWindowsTest, TheNewLabelWindowShowsTheSettingsSizeAndWaitsOnThePathButton)
{
    start();
    writeSettings("[New]\r\nW=80.5\r\nH=30\r\n");
    NewLabelWindow* dialog = openNewLabel();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("新建标签"));
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->size(), QSize(303, 170));
    const struct {
        const char* name;
        QRect box;
        const char* text;
    } controls[] = {
        {"透明标签1", {16, 24, 50, 20}, "标签尺寸"}, {"标签宽度", {72, 24, 40, 20}, "80.5"},
        {"透明标签2", {132, 24, 40, 20}, "mm × "},   {"标签高度", {168, 24, 40, 20}, "30"},
        {"透明标签4", {228, 24, 40, 20}, "mm"},      {"透明标签3", {16, 56, 50, 20}, "保存位置"},
        {"保存位置", {72, 56, 152, 20}, ""},          {"选择路径", {232, 56, 40, 20}, "..."},
        {"确定按钮", {200, 110, 80, 24}, "确定"},
    };
    for (const auto& c : controls) {
        EXPECT_EQ(textOf(dialog, c.name), QString::fromUtf8(c.text)) << c.name;
        EXPECT_EQ(boxOf(dialog, c.name), c.box) << c.name;
    }
    EXPECT_EQ(dialog->focusWidget(), dialog->choosePathButton());

    // The path dialog: its own title, the default name, the label folder.
    dialogs.savePaths.append(std::nullopt);
    QTest::mouseClick(dialog->choosePathButton(), Qt::LeftButton);
    ASSERT_EQ(dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(dialogs.fileDialogs[0].title, QStringLiteral("请选择需要保存新建标签的位置"));
    EXPECT_EQ(dialogs.fileDialogs[0].fileName, QStringLiteral("Lab201556953.lab"));
    EXPECT_EQ(dialogs.fileDialogs[0].filter, QStringLiteral("lab文件(*.lab)|*.lab"));
    EXPECT_EQ(dialogs.fileDialogs[0].folder, window->paths().labFolder);
    EXPECT_EQ(dialogs.fileDialogs[0].extension, QStringLiteral("lab"));
    EXPECT_TRUE(dialog->locationBox()->text().isEmpty());
    const QString path = labFile(QStringLiteral("new.lab"));
    dialogs.savePaths.append(path);
    QTest::mouseClick(dialog->choosePathButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->locationBox()->text(), path);
    // A cancelled second choice keeps the first.
    QTest::mouseClick(dialog->choosePathButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->locationBox()->text(), path);
    dialog->close();
}

TEST_F(LabelWindowsTest, NewLabelKeepsTheElementsAndTheNextSaveWritesThemWithoutADialog)
{
    start();
    const QString path = labFile(QStringLiteral("new.lab"));
    ASSERT_TRUE(writeBytes(path, "an older file in its place"));
    addAt(ElementKind::Barcode, "B1", QRect(100, 100, 60, 30));
    addAt(ElementKind::Text, "abc", QRect(200, 100, 60, 30));
    const LabelState before = labelState();

    NewLabelWindow* dialog = openNewLabel();
    ASSERT_NE(dialog, nullptr);
    dialog->widthBox()->setText(QStringLiteral("72.5"));
    dialog->heightBox()->setText(QStringLiteral("３０")); // full-width digits
    dialog->locationBox()->setText(path);
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QTRY_VERIFY(commands()->openWindow() == nullptr);

    EXPECT_TRUE(errors().isEmpty());
    EXPECT_EQ(fileBytes(path), "lab 1.0 ..");
    EXPECT_EQ(doc().filePath(), path);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vortelle器 [ ") + path + QStringLiteral(" ]"));
    EXPECT_EQ(window->labelSurfaceControl()->size(), QSize(720, 300));
    EXPECT_EQ(window->labelSurfaceControl()->pos(), QPoint(24, toolBarHeight() + 24));
    EXPECT_EQ(fileBytes(settingsFile()), toGbk(QStringLiteral("[New]\r\nW=72.5\r\nH=３０\r\n")));
    LabelState after = labelState();
    EXPECT_EQ(after.images, before.images);
    EXPECT_EQ(after.texts, before.texts);
    EXPECT_EQ(after.selectedTag, before.selectedTag);
    EXPECT_EQ(after.scratchFiles, before.scratchFiles);

    const qsizetype dialogsBefore = dialogs.fileDialogs.size();
    run(Command::Save);
    EXPECT_EQ(dialogs.fileDialogs.size(), dialogsBefore);
    const QByteArray saved = fileBytes(path);
    EXPECT_EQ(saved.mid(10, 16), QByteArray("\xD0\x02\0\0\x2C\x01\0\0\1\0\0\0\1\0\0\0", 16));
}

TEST_F(LabelWindowsTest, NewLabelRefusesAMissingOrUnwritablePlaceAndStaysOpen)
{
    start();
    const LabelState before = labelState();
    NewLabelWindow* dialog = openNewLabel();
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_EQ(errors(), QStringList{kNewFailed + QStringLiteral("|新建失败，请先选择标签文件保存位置！")});
    EXPECT_EQ(commands()->openWindow(), dialog);
    EXPECT_TRUE(dialog->isVisible());

    dialogs.shown.clear();
    dialog->locationBox()->setText(home() + QStringLiteral("/no/such/folder.lab"));
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_EQ(errors(), QStringList{kNewFailed + QStringLiteral("|新建失败，无法在保存位置创建标签文件！")});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(labelState(), before);

    // The close box does nothing else.
    dialog->close();
    QTRY_VERIFY(commands()->openWindow() == nullptr);
    EXPECT_EQ(labelState(), before);
}

TEST_F(LabelWindowsTest, TypedSizesTakeTheirLeadingIntegerAndAreKeptAsTyped)
{
    start();
    const struct {
        const char* rule;
        const char* width;
        int pixels;
    } cases[] = {
        {"a half millimetre is cut", "72.5", 720},
        {"full-width digits count as digits", "８０", 800},
        {"leading spaces are skipped", "  45mm", 450},
        {"no number gives 0", "abc", 0},
    };
    for (const auto& c : cases) {
        ResizeLabelWindow* dialog = openResize();
        ASSERT_NE(dialog, nullptr);
        dialog->widthBox()->setText(QString::fromUtf8(c.width));
        dialog->heightBox()->setText(QStringLiteral("25"));
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        QTRY_VERIFY(commands()->openWindow() == nullptr);
        EXPECT_EQ(window->labelSurfaceControl()->width(), c.pixels) << c.rule;
        // Kept as typed, spaces and all.
        EXPECT_TRUE(fileBytes(settingsFile()).contains("\r\nW=" + toGbk(QString::fromUtf8(c.width)) + "\r\n")) << c.rule;
    }
}

TEST_F(LabelWindowsTest, TheResizeWindowShowsSeventyTwoAndAHalfFor725Pixels)
{
    start();
    doc().setFilePath(labFile(QStringLiteral("kept.lab")));
    window->labelSurfaceControl()->resize(725, 333);
    ResizeLabelWindow* dialog = openResize();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("调整标签"));
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->size(), QSize(285, 133));
    EXPECT_EQ(textOf(dialog, "编辑框1"), QStringLiteral("72.5"));
    EXPECT_EQ(textOf(dialog, "编辑框2"), QStringLiteral("33.3"));
    EXPECT_EQ(textOf(dialog, "透明标签1"), QStringLiteral("标签尺寸"));
    EXPECT_EQ(textOf(dialog, "透明标签2"), QStringLiteral("mm × "));
    EXPECT_EQ(textOf(dialog, "透明标签4"), QStringLiteral("mm"));
    EXPECT_EQ(textOf(dialog, "确定按钮"), QStringLiteral("确定"));
    EXPECT_EQ(boxOf(dialog, "编辑框1"), QRect(72, 24, 40, 20));
    EXPECT_EQ(boxOf(dialog, "编辑框2"), QRect(168, 24, 40, 20));
    EXPECT_EQ(boxOf(dialog, "确定按钮"), QRect(192, 74, 80, 24));
    EXPECT_EQ(boxOf(dialog, "透明标签1").topLeft(), QPoint(16, 24));
    EXPECT_EQ(boxOf(dialog, "透明标签2").topLeft(), QPoint(133, 24));
    EXPECT_EQ(boxOf(dialog, "透明标签4").topLeft(), QPoint(228, 24));
    EXPECT_EQ(dialog->focusWidget(), dialog->okButton());

    const QPoint place = window->labelSurfaceControl()->pos();
    dialog->widthBox()->setText(QStringLiteral("60"));
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QTRY_VERIFY(commands()->openWindow() == nullptr);
    EXPECT_EQ(window->labelSurfaceControl()->size(), QSize(600, 330));
    EXPECT_EQ(window->labelSurfaceControl()->pos(), place);
    EXPECT_EQ(fileBytes(settingsFile()), "[New]\r\nW=60\r\nH=33.3\r\n");
    // Resize leaves the file and the caption alone.
    EXPECT_EQ(doc().filePath(), labFile(QStringLiteral("kept.lab")));
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("kept.lab")));
}

// The menu items and toolbar buttons reach the file commands.
TEST_F(LabelWindowsTest, MenusAndToolbarStartTheFileCommands)
{
    start();
    const struct {
        QAction* action;
        QString shows; // the file dialog it opens, or the window's title
    } cases[] = {
        {window->menuAction(QStringLiteral("文件"), QStringLiteral("打开")), QStringLiteral("请选择需要打开的标签文件")},
        {window->toolbarAction(2), QStringLiteral("请选择需要打开的标签文件")},
        {window->menuAction(QStringLiteral("文件"), QStringLiteral("保存")), QStringLiteral("请选择需要保存标签文件的位置")},
        {window->toolbarAction(3), QStringLiteral("请选择需要保存标签文件的位置")},
        {window->menuAction(QStringLiteral("文件"), QStringLiteral("另存为")), QStringLiteral("请选择需要保存标签文件的位置")},
        {window->menuAction(QStringLiteral("标签"), QStringLiteral("新建标签")), QStringLiteral("新建标签")},
        {window->toolbarAction(1), QStringLiteral("新建标签")},
        {window->menuAction(QStringLiteral("标签"), QStringLiteral("调整尺寸")), QStringLiteral("调整标签")},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.action, nullptr) << c.shows.toStdString();
        dialogs.fileDialogs.clear();
        c.action->trigger();
        if (QWidget* opened = commands()->openWindow()) {
            EXPECT_EQ(opened->windowTitle(), c.shows);
            opened->close();
            QTRY_VERIFY(commands()->openWindow() == nullptr);
        } else {
            ASSERT_EQ(dialogs.fileDialogs.size(), 1) << c.shows.toStdString();
            EXPECT_EQ(dialogs.fileDialogs[0].title, c.shows);
        }
    }
    EXPECT_TRUE(errors().isEmpty());
}
