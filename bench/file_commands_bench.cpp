// Save and Open of a label with many elements through the real commands: the window offscreen,
// the dialogs answering with the benchmark's file, the texts laid out as the editor lays them out.
#include "app/command_wiring.h"
#include "app/main_window.h"
#include "document/drawing_canvas.h"
#include "document/label_document.h"
#include "document/picture_control.h"
#include "document/text_element.h"
#include "platform/app_paths.h"
#include "platform/clock.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Yes to every question, the label file to every file dialog; an error box stops the benchmark.
class FileDialogs final : public Dialogs {
public:
    QString path;
    int errors = 0;

    bool ask(const QString&, const QString&) override { return true; }
    void error(const QString&, const QString&) override { ++errors; }
    void information(const QString&, const QString&) override {}
    void message(const QString&, const QString&) override {}
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> openFile(const QString&, const QString&, const QString&, const QString&) override
    {
        return path;
    }
    std::optional<QString> saveFile(const QString&, const QString&, const QString&, const QString&,
                                    const QString&) override
    {
        return path;
    }
    std::optional<QFont> chooseFont(const QFont&) override { return {}; }
};

QApplication& application()
{
    static int argc = 1;
    static char name[] = "vortelle_file_commands_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// A 100 × 40 black-and-white picture, shown stretched in a 150 × 50 element.
QByteArray barsPicture()
{
    QImage image(100, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < 100; x += 3)
        for (int y = 0; y < 40; ++y)
            image.setPixel(x, y, 0xFF000000u);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

struct Editor {
    QTemporaryDir root;
    FileDialogs dialogs;
    FixedClock clock{QDateTime(QDate(2015, 5, 6), QTime(9, 5, 3))};
    std::unique_ptr<MainWindow> window;

    Editor()
    {
        application();
        AppPaths paths = resolveAppPaths(root.path(), root.path(), root.path(), root.path(), root.path());
        dialogs.path = root.filePath(QStringLiteral("bench.lab"));
        window = std::make_unique<MainWindow>(
            MainWindowEnvironment{&dialogs, &clock, paths, [] { return 96; }, [] { return 1366; }});
        connectEditorCommands(*window);
        window->startUp();
        window->show();
        for (int i = 0; i < 20 && !window->isLaidOut(); ++i)
            QCoreApplication::processEvents();
    }

    // Half texts, half pictures, barcodes and QR codes, spread over the label.
    void fill(int count)
    {
        LabelDocument& document = window->document();
        const QByteArray picture = barsPicture();
        const ElementKind imageKinds[] = {ElementKind::Picture, ElementKind::Barcode, ElementKind::QrCode};
        for (int i = 0; i < count; ++i) {
            const QPoint place(30 + (i * 7) % 700, 80 + (i * 13) % 400);
            if (i % 2 == 0) {
                const int tag = document.addElement(ElementKind::Text, "Lot " + QByteArray::number(i));
                document.findElement(tag)->move(place);
                renderTextElement(document, tag);
            } else {
                const int tag = document.addElement(imageKinds[(i / 2) % 3], "C" + QByteArray::number(i));
                auto* control = document.findImageElement(tag);
                control->setGeometry(QRect(place, QSize(150, 50)));
                control->setPicture(picture);
            }
        }
    }

    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};

void BM_SaveLabel(benchmark::State& state)
{
    Editor editor;
    const int count = static_cast<int>(state.range(0));
    editor.fill(count);
    for (auto _ : state) {
        editor.window->runCommand(Command::Save);
        if (editor.dialogs.errors) {
            state.SkipWithError("the save failed");
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(QFile(editor.dialogs.path).size());
    state.SetItemsProcessed(state.iterations() * count);
    state.SetComplexityN(count);
}
BENCHMARK(BM_SaveLabel)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();

// Each Open replaces the label opened before it: the reset of the last one is part of the cost.
void BM_OpenLabel(benchmark::State& state)
{
    Editor editor;
    const int count = static_cast<int>(state.range(0));
    editor.fill(count);
    editor.window->runCommand(Command::Save);
    for (auto _ : state) {
        editor.window->runCommand(Command::Open);
        // The controls of the label it replaced go once the command is done.
        editor.settle();
        const LabelDocument& document = editor.window->document();
        if (editor.dialogs.errors || document.imageElements().size() + document.textElements().size() != count) {
            state.SkipWithError("the open failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * count);
    state.SetComplexityN(count);
}
BENCHMARK(BM_OpenLabel)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
