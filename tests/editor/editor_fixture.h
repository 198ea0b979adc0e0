#pragma once

#include "app/command_wiring.h"
#include "app/main_window.h"
#include "app/status_bar.h"
#include "document/drawing_canvas.h"
#include "document/label_document.h"
#include "document/picture_control.h"
#include "platform/app_paths.h"
#include "platform/clock.h"
#include "scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>

// A main window as the program starts it, in a temporary folder: home/ini, home/lab and a
// temporary folder of its own; dialogs scripted, the clock fixed.
class EditorTest : public ::testing::Test {
protected:
    static constexpr int kScreenWidth = 1366;

    QTemporaryDir root;
    ScriptedDialogs dialogs;
    FixedClock clock{QDateTime(QDate(2015, 5, 6), QTime(9, 5, 3))};
    int dpi = 96;
    std::unique_ptr<MainWindow> window;

    QString home() const { return root.filePath(QStringLiteral("home")); }
    QString tempFolder() const { return root.filePath(QStringLiteral("tmp")); }

    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        QDir().mkpath(home() + QStringLiteral("/ini"));
        QDir().mkpath(home() + QStringLiteral("/lab"));
        QDir().mkpath(tempFolder());
    }

    void writeSettings(const QByteArray& text)
    {
        QFile file(home() + QStringLiteral("/ini/label.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    MainWindowEnvironment environment()
    {
        AppPaths paths = resolveAppPaths(root.path(), home(), root.filePath(QStringLiteral("config")),
                                         root.filePath(QStringLiteral("documents")), tempFolder());
        return MainWindowEnvironment{&dialogs, &clock, paths, [this] { return dpi; }, [] { return kScreenWidth; }};
    }

    // Started, shown and laid out at its first activation.
    MainWindow& start()
    {
        window = std::make_unique<MainWindow>(environment());
        connectEditorCommands(*window);
        EXPECT_TRUE(window->startUp());
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        EXPECT_TRUE(QTest::qWaitFor([this] { return window->isLaidOut(); }));
        // Maximising and the layouts that follow it arrive as events of their own.
        EXPECT_TRUE(QTest::qWaitFor([this] {
            return window->frameGeometry().size() == window->screen()->availableGeometry().size();
        }));
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        return *window;
    }

    LabelDocument& doc() { return window->document(); }
    int toolBarHeight() const { return window->toolBar()->height(); }
    QWidget* client() const { return window->clientArea(); }
    QString readout() const { return window->statusPanel()->partText(4); }
    QWidget* handle() const { return window->findChild<QWidget*>(QStringLiteral("放大按钮")); }

    // An element of the kind at a place and size of the test's choosing.
    QWidget* addAt(ElementKind kind, const QByteArray& content, QRect box)
    {
        const int tag = doc().addElement(kind, content);
        QWidget* control = doc().findElement(tag);
        control->setGeometry(box);
        return control;
    }

    // Press at (5, 5) on the control, move the pointer to the client point to, release there.
    void drag(QWidget* control, QPoint to, QPoint grab = QPoint(5, 5))
    {
        QTest::mousePress(control, Qt::LeftButton, {}, grab);
        QTest::mouseMove(client(), to);
        QTest::mouseRelease(client(), Qt::LeftButton, {}, to);
    }

    void click(QWidget* control, QPoint at = QPoint(5, 5)) { QTest::mouseClick(control, Qt::LeftButton, {}, at); }
};
