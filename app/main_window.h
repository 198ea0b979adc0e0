#pragma once

#include "app/commands.h"
#include "document/edit_rules.h"
#include "document/label_document.h"
#include "platform/app_paths.h"
#include "platform/ini_settings.h"

#include <QHash>
#include <QMap>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class Clock;
class Dialogs;
class DrawingCanvas;
class ElementMouse;
class PictureControl;
class QAction;
class QMenu;
class QPushButton;
class QShortcut;
class QTimer;
class QToolBar;
class StatusBar;

// What the main window takes from outside: the dialogs, the clock, the paths and the screen.
struct MainWindowEnvironment {
    Dialogs* dialogs = nullptr;
    const Clock* clock = nullptr;
    AppPaths paths;
    std::function<int()> screenDpi;   // horizontal dots per inch, 0 when unknown
    std::function<int()> screenWidth; // pixels
};

enum class HotkeyKey { Left, Right, Up, Down, Delete };

class MainWindow : public QMainWindow, public DocumentHost {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowEnvironment environment, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window's created step: the five keys, then the per-run scratch folder. False after a
    // start-up failure, whose message has been shown; the program then ends.
    bool startUp();

    LabelDocument& document() { return document_; }
    ElementMouse& elementMouse() { return *elementMouse_; }
    const IniSettings& settings() const { return settings_; }
    const AppPaths& paths() const { return environment_.paths; }
    Dialogs& dialogs() { return *environment_.dialogs; }
    const Clock& clock() const { return *environment_.clock; }
    int screenDpiValue() const { return screenDpi_; }
    // labelOrigin: where the label surface stands in the client area once laid out, right of the
    // left ruler and below the toolbar and the top ruler. Label files and the command line place
    // elements relative to it.
    static QPoint labelOrigin();
    bool isLaidOut() const { return laidOut_; }

    // The dispatch table: menu items and toolbar buttons run the command connected here.
    void setCommand(Command command, std::function<void()> action);
    void runCommand(Command command);

    // Menu items by menu title and item text ("文件", "打开"); the pop-up menu's under "右键".
    QAction* menuAction(const QString& menu, const QString& item) const;
    QAction* toolbarAction(int number) const;
    QMenu* popupMenu() const { return popupMenu_; }
    QToolBar* toolBar() const { return toolBar_; }
    StatusBar* statusPanel() const { return statusBar_; }
    PictureControl* labelSurfaceControl() const { return labelSurface_; }
    DrawingCanvas* topRuler() const { return topRuler_; }
    DrawingCanvas* leftRuler() const { return leftRuler_; }
    QPushButton* resetButton() const { return resetButton_; }
    QWidget* clientArea() const { return client_; }
    QTimer* clockTimer() const { return clockTimer_; }
    // The window-scoped shortcuts standing in for the five hotkeys; empty after exit.
    int hotkeyCount() const { return static_cast<int>(hotkeys_.size()); }

    // Commands of the window itself.
    void closeLabel();
    void resetLabel();
    void showAbout();
    void exitProgram();
    void handleHotkey(HotkeyKey key);
    void tickClock();
    void toolbarButtonClicked(int number);

    // DocumentHost
    QWidget* elementParent() override;
    DrawingCanvas* textTemplate() override { return textTemplate_; }
    PictureControl* pictureTemplate() override { return pictureTemplate_; }
    QWidget* resizeHandle() override { return handle_; }
    QPoint handleParkingPlace() const override;
    EditArea editArea() const override;
    int leftRulerWidth() const override;
    int topRulerTop() const override;
    void setReadout(const QString& text) override;
    void setCaption(const QString& text) override;

signals:
    // Exit was confirmed and carried out; the program ends with this code.
    void exited(int code);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void buildToolBar();
    void registerHotkeys();
    void unregisterHotkeys();
    void layOutAtFirstActivation();
    void drawRulers();
    void placeStatusBar();
    bool confirmExit();

    MainWindowEnvironment environment_;
    IniSettings settings_;
    LabelDocument document_;
    ElementMouse* elementMouse_ = nullptr;
    QMap<Command, std::function<void()>> commands_;
    QHash<QString, QAction*> menuActions_;
    QList<QAction*> toolbarActions_;
    QList<QShortcut*> hotkeys_;

    QWidget* client_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    PictureControl* labelSurface_ = nullptr;
    DrawingCanvas* topRuler_ = nullptr;
    DrawingCanvas* leftRuler_ = nullptr;
    DrawingCanvas* textTemplate_ = nullptr;
    PictureControl* pictureTemplate_ = nullptr;
    QWidget* handle_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    QTimer* clockTimer_ = nullptr;

    int screenDpi_ = 0;
    bool laidOut_ = false;
    bool exiting_ = false;
};
