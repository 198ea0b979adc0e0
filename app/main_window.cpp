#include "app/main_window.h"

#include "app/clock_text.h"
#include "app/label_size.h"
#include "app/pointer_readout.h"
#include "app/ruler_marks.h"
#include "app/status_bar.h"
#include "app/toolbar_icons.h"
#include "document/drawing_canvas.h"
#include "document/element_keys.h"
#include "document/element_mouse.h"
#include "document/gbk_text.h"
#include "document/picture_control.h"
#include "document/readout.h"
#include "document/timestamp.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/gbk.h"
#include "platform/scratch_folder.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr int kRulerThickness = 24;
constexpr int kToolBarHeight = 41;
constexpr int kStatusBarHeight = 20;
constexpr int kHandleSide = 6;

const QString kReminder = QStringLiteral("\r\n温馨提示：请注意保存当前文件！");

// The picture every new picture element shows until one is chosen.
QByteArray templatePicture()
{
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setPen(QColor(192, 192, 192));
        painter.drawRect(0, 0, 99, 99);
        QFont font;
        font.setBold(true);
        font.setPixelSize(30);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 10, 100, 40), Qt::AlignCenter, QStringLiteral("双击"));
        painter.drawText(QRect(0, 50, 100, 40), Qt::AlignCenter, QStringLiteral("选图"));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

Qt::Key qtKey(HotkeyKey key)
{
    switch (key) {
    case HotkeyKey::Left: return Qt::Key_Left;
    case HotkeyKey::Right: return Qt::Key_Right;
    case HotkeyKey::Up: return Qt::Key_Up;
    case HotkeyKey::Down: return Qt::Key_Down;
    case HotkeyKey::Delete: return Qt::Key_Delete;
    }
    return Qt::Key_unknown;
}

} // namespace

MainWindow::MainWindow(MainWindowEnvironment environment, QWidget* parent)
    : QMainWindow(parent),
      environment_(std::move(environment)),
      settings_(environment_.paths.settingsFile, environment_.paths.settingsFolderIsOurs),
      document_(*this)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(::windowTitle(QString()));
    setGeometry(50, 50, 800, 600);
    // The window never gets smaller than 1000 × 650: width first, then height.
    setMinimumSize(1000, 650);

    buildControls();
    buildMenus();
    buildToolBar();

    document_.setLabelSurface(labelSurface_);
    elementMouse_ = new ElementMouse(document_, *this, this);
    elementMouse_->watchHandle(handle_);
    connect(elementMouse_, &ElementMouse::popupRequested, this, [this](QPoint at) { popupMenu_->popup(at); });
    document_.parkHandle();

    setCommand(Command::Close, [this] { closeLabel(); });
    setCommand(Command::Exit, [this] { exitProgram(); });
    setCommand(Command::About, [this] { showAbout(); });
    setCommand(Command::Delete, [this] { deleteSelected(document_, dialogs()); });

    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName(QStringLiteral("时钟"));
    clockTimer_->setInterval(1000);
    connect(clockTimer_, &QTimer::timeout, this, &MainWindow::tickClock);
    clockTimer_->start();
}

MainWindow::~MainWindow() = default;

QPoint MainWindow::labelOrigin()
{
    return QPoint(kRulerThickness, kToolBarHeight + kRulerThickness);
}

void MainWindow::buildControls()
{
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    client_->setMouseTracking(true);
    client_->installEventFilter(this);
    setCentralWidget(client_);

    labelSurface_ = new PictureControl(client_);
    labelSurface_->setObjectName(QStringLiteral("标签模版"));
    labelSurface_->setFramed(true);
    labelSurface_->setMouseTracking(true);
    labelSurface_->installEventFilter(this);
    labelSurface_->hide();

    const QColor rulerColour(250, 250, 235);
    topRuler_ = new DrawingCanvas(client_);
    topRuler_->setObjectName(QStringLiteral("上标尺"));
    leftRuler_ = new DrawingCanvas(client_);
    leftRuler_->setObjectName(QStringLiteral("左标尺"));
    for (DrawingCanvas* ruler : {topRuler_, leftRuler_}) {
        QFont font = ruler->font();
        font.setPixelSize(10);
        ruler->setCanvasFont(font);
        ruler->setBackground(rulerColour);
        ruler->setMouseTracking(true);
        ruler->installEventFilter(this);
        ruler->hide();
    }

    textTemplate_ = new DrawingCanvas(client_);
    textTemplate_->setObjectName(QStringLiteral("文本画板"));
    textTemplate_->setGeometry(552, 104, 208, 32);
    textTemplate_->setElementFont(ElementFont{0, true, false, false, false, 16, toGbk(QStringLiteral("黑体"))});
    textTemplate_->hide();

    pictureTemplate_ = new PictureControl(client_);
    pictureTemplate_->setObjectName(QStringLiteral("图片标签"));
    pictureTemplate_->setGeometry(600, 176, 100, 100);
    pictureTemplate_->setPicture(templatePicture());
    pictureTemplate_->hide();

    toolBar_ = new QToolBar(client_);
    toolBar_->setObjectName(QStringLiteral("工具条"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(20, 20));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar_->setGeometry(0, 0, width(), kToolBarHeight);

    resetButton_ = new QPushButton(client_);
    resetButton_->setObjectName(QStringLiteral("归位按钮"));
    resetButton_->setCursor(Qt::PointingHandCursor);
    resetButton_->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    resetButton_->setToolTip(QStringLiteral("重置"));
    // In the corner where the rulers meet, just below the toolbar.
    resetButton_->setGeometry(0, kToolBarHeight, kRulerThickness, kRulerThickness);
    connect(resetButton_, &QPushButton::clicked, this, &MainWindow::resetLabel);

    handle_ = new QWidget(client_);
    handle_->setObjectName(QStringLiteral("放大按钮"));
    handle_->setAutoFillBackground(true);
    QPalette palette = handle_->palette();
    palette.setColor(QPalette::Window, Qt::blue);
    handle_->setPalette(palette);
    handle_->setCursor(Qt::SizeFDiagCursor);
    handle_->hide();

    statusBar_ = new StatusBar(client_);
    statusBar_->setObjectName(QStringLiteral("状态条1"));
    placeStatusBar();
}

void MainWindow::buildMenus()
{
    struct Item {
        const char16_t* text; // nullptr: a separator
        Command command;
    };
    const auto addMenu = [this](QMenu* menu, const QString& title, std::initializer_list<Item> items) {
        for (const Item& item : items) {
            if (!item.text) {
                menu->addSeparator();
                continue;
            }
            const QString text = QString::fromUtf16(item.text);
            QAction* action = menu->addAction(text);
            const Command command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
            menuActions_.insert(title + QLatin1Char('/') + text, action);
        }
    };
    const Item separator{nullptr, Command::Open};

    QMenu* file = menuBar()->addMenu(QStringLiteral("文件"));
    addMenu(file, QStringLiteral("文件"),
            {{u"打开", Command::Open}, {u"关闭", Command::Close}, separator, {u"保存", Command::Save},
             {u"另存为", Command::SaveAs}, separator, {u"打印", Command::Print}, {u"打印预览", Command::PrintPreview},
             separator, {u"打印设置", Command::PrinterSettings}, {u"打印点数", Command::PrinterDpi}, separator,
             {u"退出", Command::Exit}});
    QMenu* label = menuBar()->addMenu(QStringLiteral("标签"));
    addMenu(label, QStringLiteral("标签"),
            {{u"新建标签", Command::NewLabel}, {u"调整尺寸", Command::ResizeLabel}, separator,
             {u"插入文本", Command::InsertText}, {u"插入图片", Command::InsertPicture}, separator,
             {u"插入条形码", Command::InsertBarcode}, {u"插入二维码", Command::InsertQrCode}});

    // 右键 is no menu of the bar: it is the elements' pop-up menu.
    popupMenu_ = new QMenu(QStringLiteral("右键"), this);
    addMenu(popupMenu_, QStringLiteral("右键"),
            {{u"旋转0度", Command::Rotate0}, {u"旋转90度", Command::Rotate90}, {u"旋转180度", Command::Rotate180},
             {u"旋转270度", Command::Rotate270}, separator, {u"删除", Command::Delete},
             {u"属性", Command::Properties}});

    QMenu* batch = menuBar()->addMenu(QStringLiteral("批量"));
    for (const QString& text : {QStringLiteral("连接MySql"), QStringLiteral("连接SqlServer"), QString(),
                                QStringLiteral("打开Excel")}) {
        if (text.isEmpty()) {
            batch->addSeparator();
            continue;
        }
        QAction* action = batch->addAction(text);
        action->setEnabled(false);
        menuActions_.insert(QStringLiteral("批量/") + text, action);
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助"));
    addMenu(help, QStringLiteral("帮助"), {{u"关于", Command::About}});
}

void MainWindow::buildToolBar()
{
    const QStringList texts = {
        QString(), QStringLiteral("新建标签"), QStringLiteral("打开标签"), QStringLiteral("保存标签"),
        QStringLiteral("打印标签"), QStringLiteral("预览标签"), QString(), QStringLiteral("插入文本"),
        QStringLiteral("插入图片"), QStringLiteral("插入条形码"), QStringLiteral("插入二维码"), QString(),
        QStringLiteral("退出系统"),
    };
    for (int number = 0; number < texts.size(); ++number) {
        if (texts[number].isEmpty()) {
            toolbarActions_.append(toolBar_->addSeparator());
            continue;
        }
        QAction* action = toolBar_->addAction(toolbarIcon(number), texts[number]);
        connect(action, &QAction::triggered, this, [this, number] { toolbarButtonClicked(number); });
        toolbarActions_.append(action);
    }
}

bool MainWindow::startUp()
{
    registerHotkeys();
    const ScratchFolderResult scratch =
        createScratchFolder(environment_.paths.tempFolder, QString::fromLatin1(timestamp(clock().now())));
    if (scratch.error) {
        if (*scratch.error == ScratchFolderError::CannotCreateParent)
            dialogs().error(QStringLiteral("启动失败"), QStringLiteral("启动失败，无法创建系统临时文件夹！"));
        else
            dialogs().error(QStringLiteral("启动失败"), QStringLiteral("启动失败，无法使用系统临时文件夹！"));
        return false;
    }
    document_.setScratchFolder(scratch.path);
    return true;
}

void MainWindow::registerHotkeys()
{
    // The arrow keys and Delete are shortcuts of this window, live only while it is the active
    // window. Keys taken system-wide would be taken from every other program and from this
    // program's own dialogs, and a second instance could not have them at all.
    for (const HotkeyKey key : {HotkeyKey::Left, HotkeyKey::Right, HotkeyKey::Up, HotkeyKey::Down, HotkeyKey::Delete}) {
        auto* shortcut = new QShortcut(QKeySequence(qtKey(key)), this, nullptr, nullptr, Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, key] { handleHotkey(key); });
        hotkeys_.append(shortcut);
    }
}

void MainWindow::unregisterHotkeys()
{
    for (QShortcut* shortcut : std::as_const(hotkeys_))
        delete shortcut;
    hotkeys_.clear();
}

void MainWindow::setCommand(Command command, std::function<void()> action)
{
    commands_.insert(command, std::move(action));
}

void MainWindow::runCommand(Command command)
{
    const auto found = commands_.constFind(command);
    if (found != commands_.cend() && *found)
        (*found)();
}

QAction* MainWindow::menuAction(const QString& menu, const QString& item) const
{
    return menuActions_.value(menu + QLatin1Char('/') + item);
}

QAction* MainWindow::toolbarAction(int number) const
{
    return number >= 0 && number < toolbarActions_.size() ? toolbarActions_[number] : nullptr;
}

void MainWindow::toolbarButtonClicked(int number)
{
    Command command;
    if (toolbarCommand(number, &command))
        runCommand(command);
}

bool MainWindow::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && !laidOut_) {
        laidOut_ = true;
        layOutAtFirstActivation();
    }
    return handled;
}

void MainWindow::layOutAtFirstActivation()
{
    showMaximized();
    const QSize label = defaultLabelSize(settings_);
    const int toolBarHeight = toolBar_->height();
    const int width = environment_.screenWidth ? environment_.screenWidth() : 0;
    labelSurface_->setGeometry(kRulerThickness, toolBarHeight + kRulerThickness, label.width(), label.height());
    labelSurface_->show();
    topRuler_->setGeometry(kRulerThickness, toolBarHeight, width, kRulerThickness);
    leftRuler_->setGeometry(0, toolBarHeight + kRulerThickness, kRulerThickness, width);
    topRuler_->show();
    leftRuler_->show();
    drawRulers();
    // The rulers reach beyond the window; the status bar and the reset button stay above them.
    resetButton_->raise();
    statusBar_->raise();
    screenDpi_ = environment_.screenDpi ? environment_.screenDpi() : 0;
    if (screenDpi_ == 0) {
        dialogs().information(QStringLiteral("警告提示"),
                              QStringLiteral("警告：无法取得屏幕DPI大小，这将导致打印字体和可视编辑不一致，请谨慎打印！"));
    }
}

void MainWindow::drawRulers()
{
    const int width = environment_.screenWidth ? environment_.screenWidth() : 0;
    topRuler_->clearCanvas();
    leftRuler_->clearCanvas();
    leftRuler_->setFontAngle(kLeftRulerAngle);
    const auto draw = [](DrawingCanvas* ruler, const QList<RulerMark>& marks) {
        for (const RulerMark& mark : marks) {
            if (mark.isText)
                ruler->writeText(mark.from, mark.text);
            else
                ruler->drawLine(mark.from, mark.to);
        }
    };
    draw(topRuler_, topRulerMarks(width));
    draw(leftRuler_, leftRulerMarks(width));
}

void MainWindow::placeStatusBar()
{
    if (!client_ || !statusBar_)
        return;
    statusBar_->setGeometry(0, client_->height() - kStatusBarHeight, client_->width(), kStatusBarHeight);
    if (toolBar_)
        toolBar_->resize(client_->width(), kToolBarHeight);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    placeStatusBar();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == client_) {
        placeStatusBar();
        return false;
    }
    if (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    // Moves and clicks over an element or another control reach the background too; only those
    // over the background itself count.
    const bool onBackground = watched == client_ && client_->childAt(at) == nullptr;
    if (event->type() == QEvent::MouseMove) {
        if (onBackground)
            statusBar_->setPartText(1, windowPointerText(at, leftRuler_->x(), topRuler_->y()));
        else if (watched == labelSurface_)
            statusBar_->setPartText(2, labelPointerText(at));
        else if (watched == topRuler_)
            statusBar_->setPartText(3, topRulerPointerText(at.x()));
        else if (watched == leftRuler_)
            statusBar_->setPartText(3, leftRulerPointerText(at.y()));
        return false;
    }
    if (mouse->button() == Qt::RightButton && (onBackground || watched == labelSurface_)) {
        document_.clearSelection();
        return true;
    }
    return false;
}

void MainWindow::closeLabel()
{
    if (dialogs().ask(QStringLiteral("关闭确认"), QStringLiteral("是否确定要关闭当前编辑的标签？") + kReminder))
        document_.resetDocument();
}

void MainWindow::resetLabel()
{
    if (dialogs().ask(QStringLiteral("重置确认"), QStringLiteral("是否确定要重置所有并新建标签？") + kReminder))
        document_.resetDocument();
}

void MainWindow::showAbout()
{
    dialogs().information(QStringLiteral("关于"),
                          QStringLiteral("【Vortelle器】\r\n\r\n"
                                         "小型标签的设计与打印工具。\r\n"
                                         "问题与建议：请联系本软件的提供者。"));
}

bool MainWindow::confirmExit()
{
    if (!dialogs().ask(QStringLiteral("退出提示"), QStringLiteral("是否确定要退出Vortelle系统？") + kReminder))
        return false;
    unregisterHotkeys();
    document_.resetDocument();
    removeScratchFolder(document_.scratchFolder());
    return true;
}

void MainWindow::exitProgram()
{
    if (exiting_ || !confirmExit())
        return;
    exiting_ = true;
    close();
    emit exited(0);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (exiting_) {
        event->accept();
        return;
    }
    // The window's close request is Exit: refused unless the question is answered Yes.
    if (!confirmExit()) {
        event->ignore();
        return;
    }
    exiting_ = true;
    event->accept();
    emit exited(0);
}

void MainWindow::handleHotkey(HotkeyKey key)
{
    if (QApplication::activeWindow() != this)
        return;
    switch (key) {
    case HotkeyKey::Left: nudgeSelected(document_, *this, NudgeKey::Left); break;
    case HotkeyKey::Right: nudgeSelected(document_, *this, NudgeKey::Right); break;
    case HotkeyKey::Up: nudgeSelected(document_, *this, NudgeKey::Up); break;
    case HotkeyKey::Down: nudgeSelected(document_, *this, NudgeKey::Down); break;
    case HotkeyKey::Delete: deleteSelected(document_, dialogs()); break;
    }
}

void MainWindow::tickClock()
{
    statusBar_->setPartText(0, clockText(clock().now()));
}

QWidget* MainWindow::elementParent()
{
    return client_;
}

QPoint MainWindow::handleParkingPlace() const
{
    return resetButton_->pos();
}

EditArea MainWindow::editArea() const
{
    return EditArea{topRuler_->x(), leftRuler_->y(), statusBar_->y(), frameGeometry().width()};
}

int MainWindow::leftRulerWidth() const
{
    return leftRuler_->width();
}

int MainWindow::topRulerTop() const
{
    return topRuler_->y();
}

void MainWindow::setReadout(const QString& text)
{
    statusBar_->setPartText(4, text);
}

void MainWindow::setCaption(const QString& text)
{
    setWindowTitle(text);
}
