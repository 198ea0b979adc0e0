#include "editor_fixture.h"

#include "document/readout.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

namespace {

const QString kReminder = QStringLiteral("\r\n温馨提示：请注意保存当前文件！");

QStringList itemTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

TEST_F(EditorTest, FirstActivationLaysOutDefaultLabelWithoutSettingsFile)
{
    start();
    const int tb = toolBarHeight();
    EXPECT_EQ(tb, 41);
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window->labelSurfaceControl()->geometry(), QRect(24, tb + 24, 720, 250));
    EXPECT_EQ(window->topRuler()->geometry(), QRect(24, tb, kScreenWidth, 24));
    EXPECT_EQ(window->leftRuler()->geometry(), QRect(0, tb + 24, 24, kScreenWidth));
    EXPECT_EQ(window->screenDpiValue(), 96);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vortelle器 [ 未命名 ]"));

    const StatusBar* bar = window->statusPanel();
    EXPECT_EQ(bar->partText(1), QStringLiteral("wx= 0 mm,wy= 0 mm"));
    EXPECT_EQ(bar->partText(2), QStringLiteral("lx= 0 mm,ly= 0 mm"));
    EXPECT_EQ(bar->partText(3), QStringLiteral("sx= 0 mm,sy= 0 mm"));
    EXPECT_EQ(bar->partText(4), kClearedReadout);
    EXPECT_EQ(bar->partWidth(0), 250);
    EXPECT_EQ(bar->partWidth(1), 160);
    EXPECT_EQ(bar->partWidth(2), 160);
    EXPECT_EQ(bar->partWidth(3), 160);
    EXPECT_GT(bar->partWidth(4), 160);
    EXPECT_EQ(bar->geometry().bottom(), client()->height() - 1);
    EXPECT_FALSE(handle()->isVisible());
    EXPECT_EQ(handle()->geometry(), QRect(window->resetButton()->pos(), QSize(6, 6)));
}

TEST_F(EditorTest, LabelSizeComesFromTheLeadingIntegersOfTheSettings)
{
    writeSettings("[New]\r\nW=80.6\r\nH=\xA3\xB3\xA3\xB0\r\n");
    start();
    EXPECT_EQ(window->labelSurfaceControl()->size(), QSize(800, 300));
}

TEST_F(EditorTest, UnknownScreenDensityWarnsAndGoesOn)
{
    dpi = 0;
    start();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("information"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("警告提示"));
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("警告：无法取得屏幕DPI大小，这将导致打印字体和可视编辑不一致，请谨慎打印！"));
    EXPECT_EQ(window->screenDpiValue(), 0);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(EditorTest, MenusHoldEveryItemInOrderAndThePopUpMenuIsNotInTheBar)
{
    start();
    QStringList titles;
    QList<QMenu*> menus;
    for (QAction* action : window->menuBar()->actions()) {
        titles << action->text();
        menus << action->menu();
    }
    ASSERT_EQ(titles, (QStringList{"文件", "标签", "批量", "帮助"}));
    EXPECT_EQ(itemTexts(menus[0]), (QStringList{"打开", "关闭", "-", "保存", "另存为", "-", "打印", "打印预览", "-",
                                                "打印设置", "打印点数", "-", "退出"}));
    EXPECT_EQ(itemTexts(menus[1]),
              (QStringList{"新建标签", "调整尺寸", "-", "插入文本", "插入图片", "-", "插入条形码", "插入二维码"}));
    EXPECT_EQ(itemTexts(menus[2]), (QStringList{"连接MySql", "连接SqlServer", "-", "打开Excel"}));
    for (const QAction* action : menus[2]->actions())
        EXPECT_FALSE(action->isEnabled() && !action->isSeparator()) << action->text().toStdString();
    EXPECT_EQ(itemTexts(menus[3]), (QStringList{"关于"}));
    EXPECT_EQ(itemTexts(window->popupMenu()),
              (QStringList{"旋转0度", "旋转90度", "旋转180度", "旋转270度", "-", "删除", "属性"}));
}

TEST_F(EditorTest, ToolbarHasThirteenNumberedButtonsWithTextsAndIcons)
{
    start();
    const QStringList texts = {"-", "新建标签", "打开标签", "保存标签", "打印标签", "预览标签", "-",
                               "插入文本", "插入图片", "插入条形码", "插入二维码", "-", "退出系统"};
    ASSERT_EQ(window->toolBar()->actions().size(), 13);
    for (int number = 0; number < 13; ++number) {
        const QAction* action = window->toolbarAction(number);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->isSeparator() ? QStringLiteral("-") : action->text(), texts[number]);
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().pixmap(20, 20).isNull()) << number;
        }
    }
}

TEST_F(EditorTest, MenuItemsAndToolbarButtonsRunTheirCommands)
{
    start();
    QList<Command> ran;
    const QList<Command> all = {
        Command::Open, Command::Close, Command::Save, Command::SaveAs, Command::Print, Command::PrintPreview,
        Command::PrinterSettings, Command::PrinterDpi, Command::Exit, Command::NewLabel, Command::ResizeLabel,
        Command::InsertText, Command::InsertPicture, Command::InsertBarcode, Command::InsertQrCode,
        Command::Rotate0, Command::Rotate90, Command::Rotate180, Command::Rotate270, Command::Delete,
        Command::Properties, Command::About};
    for (const Command command : all)
        window->setCommand(command, [&ran, command] { ran << command; });

    const struct {
        const char* menu;
        const char* item;
        Command command;
    } items[] = {
        {"文件", "打开", Command::Open}, {"文件", "关闭", Command::Close}, {"文件", "保存", Command::Save},
        {"文件", "另存为", Command::SaveAs}, {"文件", "打印", Command::Print},
        {"文件", "打印预览", Command::PrintPreview}, {"文件", "打印设置", Command::PrinterSettings},
        {"文件", "打印点数", Command::PrinterDpi}, {"文件", "退出", Command::Exit},
        {"标签", "新建标签", Command::NewLabel}, {"标签", "调整尺寸", Command::ResizeLabel},
        {"标签", "插入文本", Command::InsertText}, {"标签", "插入图片", Command::InsertPicture},
        {"标签", "插入条形码", Command::InsertBarcode}, {"标签", "插入二维码", Command::InsertQrCode},
        {"右键", "旋转0度", Command::Rotate0}, {"右键", "旋转90度", Command::Rotate90},
        {"右键", "旋转180度", Command::Rotate180}, {"右键", "旋转270度", Command::Rotate270},
        {"右键", "删除", Command::Delete}, {"右键", "属性", Command::Properties}, {"帮助", "关于", Command::About},
    };
    for (const auto& item : items) {
        ran.clear();
        QAction* action = window->menuAction(QString::fromUtf8(item.menu), QString::fromUtf8(item.item));
        ASSERT_NE(action, nullptr) << item.item;
        action->trigger();
        EXPECT_EQ(ran, QList<Command>{item.command}) << item.item;
    }

    const QList<std::pair<int, Command>> buttons = {
        {1, Command::NewLabel}, {2, Command::Open}, {3, Command::Save}, {4, Command::Print},
        {5, Command::PrintPreview}, {7, Command::InsertText}, {8, Command::InsertPicture},
        {9, Command::InsertBarcode}, {10, Command::InsertQrCode}, {12, Command::Exit}};
    for (const auto& [number, command] : buttons) {
        ran.clear();
        window->toolbarAction(number)->trigger();
        EXPECT_EQ(ran, QList<Command>{command}) << number;
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(EditorTest, AboutShowsItsBox)
{
    start();
    window->menuAction(QStringLiteral("帮助"), QStringLiteral("关于"))->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("information"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("关于"));
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("【Vortelle器】\r\n\r\n")));
}

TEST_F(EditorTest, CloseAndResetAskAndOnlyYesEmptiesTheLabel)
{
    start();
    const struct {
        const char* title;
        QString text;
        std::function<void()> run;
    } commands[] = {
        {"关闭确认", QStringLiteral("是否确定要关闭当前编辑的标签？") + kReminder,
         [this] { window->menuAction(QStringLiteral("文件"), QStringLiteral("关闭"))->trigger(); }},
        {"重置确认", QStringLiteral("是否确定要重置所有并新建标签？") + kReminder,
         [this] { QTest::mouseClick(window->resetButton(), Qt::LeftButton); }},
    };
    for (const auto& command : commands) {
        doc().resetDocument();
        dialogs.shown.clear();
        doc().setFilePath(QStringLiteral("/labels/a.lab"));
        const QSize labelSize = window->labelSurfaceControl()->size();
        const int tag = doc().addElement(ElementKind::Barcode, "B1");

        dialogs.answers = {false};
        command.run();
        ASSERT_EQ(dialogs.shown.size(), 1) << command.title;
        EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("ask"));
        EXPECT_EQ(dialogs.shown[0].title, QString::fromUtf8(command.title));
        EXPECT_EQ(dialogs.shown[0].text, command.text);
        EXPECT_NE(doc().findElement(tag), nullptr);
        EXPECT_EQ(doc().selectedTag(), tag);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Vortelle器 [ /labels/a.lab ]"));

        dialogs.answers = {true};
        command.run();
        EXPECT_EQ(doc().findElement(tag), nullptr);
        EXPECT_TRUE(doc().imageElements().isEmpty());
        EXPECT_TRUE(doc().contents().isEmpty());
        EXPECT_EQ(doc().selectedTag(), 0);
        EXPECT_TRUE(doc().filePath().isEmpty());
        EXPECT_FALSE(handle()->isVisible());
        EXPECT_EQ(readout(), kClearedReadout);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Vortelle器 [ 未命名 ]"));
        EXPECT_EQ(window->labelSurfaceControl()->size(), labelSize);
    }

    // An empty untitled label is asked about all the same.
    dialogs.shown.clear();
    window->menuAction(QStringLiteral("文件"), QStringLiteral("关闭"))->trigger();
    QTest::mouseClick(window->resetButton(), Qt::LeftButton);
    EXPECT_EQ(dialogs.shown.size(), 2);
}

TEST_F(EditorTest, ExitAnsweredNoLeavesEverythingAsItWas)
{
    start();
    const QString scratch = doc().scratchFolder();
    const int tag = doc().addElement(ElementKind::Text, "abc");
    const QString exitText = QStringLiteral("是否确定要退出Vortelle系统？") + kReminder;

    window->menuAction(QStringLiteral("文件"), QStringLiteral("退出"))->trigger();
    window->toolbarAction(12)->trigger();
    EXPECT_FALSE(window->close()); // the window's close request is refused too
    ASSERT_EQ(dialogs.shown.size(), 3);
    for (const auto& shown : dialogs.shown) {
        EXPECT_EQ(shown.title, QStringLiteral("退出提示"));
        EXPECT_EQ(shown.text, exitText);
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->hotkeyCount(), 5);
    EXPECT_TRUE(QFileInfo(scratch).isDir());
    EXPECT_NE(doc().findElement(tag), nullptr);
}

TEST_F(EditorTest, ExitAnsweredYesEndsTheRunAndCleansUp)
{
    start();
    QSignalSpy exited(window.get(), &MainWindow::exited);
    const QString scratch = doc().scratchFolder();
    const QString parent = QFileInfo(scratch).absolutePath();
    doc().addElement(ElementKind::Barcode, "B1");
    QFile picture(doc().scratchFileOf("B1"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.close();

    dialogs.answers = {true};
    window->menuAction(QStringLiteral("文件"), QStringLiteral("退出"))->trigger();
    EXPECT_EQ(window->hotkeyCount(), 0);
    EXPECT_FALSE(QFileInfo::exists(scratch));
    EXPECT_TRUE(QFileInfo(parent).isDir());
    EXPECT_TRUE(doc().contents().isEmpty());
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(exited.size(), 1);
    EXPECT_EQ(exited[0][0].toInt(), 0);

    // The keys are gone with the shortcuts.
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const int tag = doc().addElement(ElementKind::Text, "x");
    const QPoint before = doc().findElement(tag)->pos();
    QTest::keyClick(window.get(), Qt::Key_Right);
    EXPECT_EQ(doc().findElement(tag)->pos(), before);
}

TEST_F(EditorTest, WindowCloseRequestAnsweredYesExits)
{
    start();
    QSignalSpy exited(window.get(), &MainWindow::exited);
    dialogs.answers = {true};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(exited.size(), 1);
    EXPECT_EQ(window->hotkeyCount(), 0);
}

TEST_F(EditorTest, WindowSnapsBackToItsMinimumSize)
{
    start();
    window->showNormal();
    window->resize(700, 400);
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->width() >= 1000 && window->height() >= 650; }));
    EXPECT_GE(window->width(), 1000);
    EXPECT_GE(window->height(), 650);
}

TEST_F(EditorTest, ClockShowsDateWeekdayTimeAndTimeOfDay)
{
    start();
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return window->statusPanel()->partText(0) == QStringLiteral("时钟：2015-5-6 周三 9:5:3 上午-辰巳时"); },
        3000));
    clock.set(QDateTime(QDate(2015, 5, 10), QTime(0, 0, 0)));
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return window->statusPanel()->partText(0) == QStringLiteral("时钟：2015-5-10 周日 0:0:0 子夜-子丑时"); },
        3000));
}

TEST_F(EditorTest, PointerReadOutsTellWhereThePointerIs)
{
    start();
    const int tb = toolBarHeight();
    QTest::mouseMove(client(), QPoint(850, 500));
    EXPECT_EQ(window->statusPanel()->partText(1), QStringLiteral("wx= 82.6 mm,wy= 43.5 mm"));
    QTest::mouseMove(window->labelSurfaceControl(), QPoint(125, 33));
    EXPECT_EQ(window->statusPanel()->partText(2), QStringLiteral("lx= 12.5 mm,ly= 3.3 mm"));
    QTest::mouseMove(window->topRuler(), QPoint(72, 10));
    EXPECT_EQ(window->statusPanel()->partText(3), QStringLiteral("sx= 7.2 mm,sy= 0 mm"));
    QTest::mouseMove(window->leftRuler(), QPoint(10, 305));
    EXPECT_EQ(window->statusPanel()->partText(3), QStringLiteral("sx= 0 mm,sy= 30.5 mm"));

    // Over an element nothing is written.
    QWidget* element = addAt(ElementKind::Picture, "[双击选图]", QRect(900, tb + 300, 100, 100));
    QTest::mouseMove(element, QPoint(50, 50));
    EXPECT_EQ(window->statusPanel()->partText(1), QStringLiteral("wx= 82.6 mm,wy= 43.5 mm"));
}

TEST_F(EditorTest, StartUpMakesAFreshPrivateScratchFolderEachRun)
{
    const QString planted = tempFolder() + QStringLiteral("/label/201556953");
    ASSERT_TRUE(QDir().mkpath(planted));
    start();
    const QString scratch = doc().scratchFolder();
    EXPECT_EQ(scratch, planted + QStringLiteral("-1"));
    EXPECT_EQ(QFileInfo(scratch).permissions() & 0x7077, 0x7000) << "owner only";
}

TEST_F(EditorTest, StartUpFailsWhenTheTemporaryFolderCannotHoldLabel)
{
    QFile blocker(tempFolder() + QStringLiteral("/label"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    MainWindow failing(environment());
    EXPECT_FALSE(failing.startUp());
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("error"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("启动失败"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("启动失败，无法创建系统临时文件夹！"));
}
