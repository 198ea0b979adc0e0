// The editor's spine with many elements: add, select and nudge each, reset; one drag step.
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "app/main_window.h"
#include "document/drawing_canvas.h"
#include "document/element_keys.h"
#include "document/element_mouse.h"
#include "document/label_document.h"
#include "platform/app_paths.h"
#include "platform/clock.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class NoDialogs final : public Dialogs {
public:
    bool ask(const QString&, const QString&) override { return false; }
    void error(const QString&, const QString&) override {}
    void information(const QString&, const QString&) override {}
    void message(const QString&, const QString&) override {}
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> openFile(const QString&, const QString&, const QString&, const QString&) override
    {
        return {};
    }
    std::optional<QString> saveFile(const QString&, const QString&, const QString&, const QString&,
                                    const QString&) override
    {
        return {};
    }
    std::optional<QFont> chooseFont(const QFont&) override { return {}; }
};

QApplication& application()
{
    static int argc = 1;
    static char name[] = "vortelle_editor_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

struct Editor {
    QTemporaryDir root;
    NoDialogs dialogs;
    FixedClock clock{QDateTime(QDate(2015, 5, 6), QTime(9, 5, 3))};
    std::unique_ptr<MainWindow> window;

    Editor()
    {
        application();
        AppPaths paths = resolveAppPaths(root.path(), root.path(), root.path(), root.path(), root.path());
        window = std::make_unique<MainWindow>(
            MainWindowEnvironment{&dialogs, &clock, paths, [] { return 96; }, [] { return 1366; }});
        window->startUp();
        window->show();
        for (int i = 0; i < 20 && !window->isLaidOut(); ++i)
            QCoreApplication::processEvents();
    }

    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};

ElementKind kindOf(int i)
{
    return i % 2 == 0 ? ElementKind::Text : ElementKind::Picture;
}

void BM_AddSelectNudgeReset(benchmark::State& state)
{
    Editor editor;
    LabelDocument& document = editor.window->document();
    const int count = static_cast<int>(state.range(0));
    QList<int> tags;
    tags.reserve(count);
    for (auto _ : state) {
        tags.clear();
        for (int i = 0; i < count; ++i)
            tags.append(document.addElement(kindOf(i), QByteArray::number(i)));
        for (const int tag : std::as_const(tags)) {
            editor.window->elementMouse().finishElementMove(document.findElement(tag));
            nudgeSelected(document, *editor.window, NudgeKey::Right);
        }
        document.resetDocument();
        editor.settle();
    }
    state.SetItemsProcessed(state.iterations() * count);
    state.SetComplexityN(count);
}
BENCHMARK(BM_AddSelectNudgeReset)->Arg(100)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_DragStepAmong2000Elements(benchmark::State& state)
{
    Editor editor;
    LabelDocument& document = editor.window->document();
    for (int i = 0; i < 2000; ++i) {
        const int tag = document.addElement(kindOf(i), QByteArray::number(i));
        document.findElement(tag)->move(30 + (i * 7) % 700, 80 + (i * 13) % 400);
    }
    editor.settle();
    QWidget* dragged = document.findElement(100001);
    const QPoint grab(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, grab, dragged->mapToGlobal(grab), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(dragged, &press);
    int step = 0;
    for (auto _ : state) {
        const QPoint global = editor.window->clientArea()->mapToGlobal(QPoint(300 + step % 200, 200 + step % 100));
        ++step;
        QMouseEvent move(QEvent::MouseMove, dragged->mapFromGlobal(global), global, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(dragged, &move);
        // The repaint of the places it left and entered.
        QCoreApplication::processEvents();
    }
    QMouseEvent release(QEvent::MouseButtonRelease, grab, dragged->mapToGlobal(grab), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(dragged, &release);
}
BENCHMARK(BM_DragStepAmong2000Elements)->Unit(benchmark::kMicrosecond);

} // namespace
