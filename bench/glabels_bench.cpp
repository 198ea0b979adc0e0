// One busy label written as a PDF file by whole processes, in the same run: `vortelle export` of a
// label file of 100 texts and 50 barcodes, and glabels-3-batch (Debian's gLabels) of an equivalent
// label in its own format. Each run is timed from start to exit, and its peak memory is taken from
// the child's resource usage; the ratios are printed after the benchmarks.
#include "app/main_window.h"
#include "codes/barcode_picture.h"
#include "files/label_file.h"
#include "printing/print_rules.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QPoint>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kLabelWidth = 1000; // pixels: 100 x 150 mm
constexpr int kLabelHeight = 1500;
constexpr int kBarcodes = 50;
constexpr int kTexts = 100;
constexpr int kScreenTextSize = 12;
const QByteArray kHeiti("\xba\xda\xcc\xe5"); // 黑体

struct BusyPlace {
    QPoint at; // label pixels
    int angle = 0; // tenths of a degree, anticlockwise
};

QPoint barcodeAt(int i)
{
    return QPoint(20 + (i % 2) * 480, 20 + (i / 2) * 58);
}

BusyPlace textAt(int i)
{
    return {QPoint(340 + (i % 2) * 320, 20 + (i / 2) * 29), (i % 4) * 900};
}

QByteArray barcodeContent(int i)
{
    return "B2015123123" + QByteArray::number(1000 + i);
}

// The label file, its elements placed where the editor's label surface puts them.
QByteArray busyLabelFile()
{
    const QPoint origin = MainWindow::labelOrigin();
    LabelDescription label;
    label.width = kLabelWidth;
    label.height = kLabelHeight;
    for (int i = 0; i < kBarcodes; ++i) {
        QByteArray content = barcodeContent(i);
        ImageRecord barcode;
        barcode.kindLetter = 'B';
        const QPoint at = origin + barcodeAt(i);
        barcode.left = at.x();
        barcode.top = at.y();
        barcode.width = 300;
        barcode.height = 50;
        barcode.picture = makeBarcodePicture(content);
        barcode.content = content;
        label.images.push_back(barcode);
    }
    for (int i = 0; i < kTexts; ++i) {
        const BusyPlace place = textAt(i);
        TextDescription text;
        text.left = origin.x() + place.at.x();
        text.top = origin.y() + place.at.y();
        text.width = 80;
        text.height = 20;
        text.font = ElementFont{place.angle, true, false, false, false, kScreenTextSize, kHeiti};
        text.content = "Text " + QByteArray::number(i);
        label.texts.push_back(text);
    }
    return encodeLabelFile(label);
}

QByteArray mm(int pixels)
{
    return QByteArray::number(pixels / 10.0, 'g', 6) + "mm";
}

// The same label for gLabels: the same places and sizes, the texts at the size Vortelle prints
// them at 203 dpi, Code 128 from the GNU barcode backend. Every object carries its affine matrix:
// without one gLabels draws nothing and still succeeds.
QByteArray busyGlabelsFile()
{
    QByteArray xml;
    xml += "<?xml version=\"1.0\"?>\n<Glabels-document xmlns=\"http://glabels.org/xmlns/3.0/\">\n";
    xml += "  <Template brand=\"Vortelle\" part=\"busy\" size=\"Other\" width=\"" + mm(kLabelWidth) + "\" height=\""
        + mm(kLabelHeight) + "\" description=\"busy label\">\n";
    xml += "    <Meta category=\"label\"/>\n";
    xml += "    <Label-rectangle id=\"0\" width=\"" + mm(kLabelWidth) + "\" height=\"" + mm(kLabelHeight)
        + "\" round=\"0mm\" x_waste=\"0mm\" y_waste=\"0mm\">\n";
    xml += "      <Layout nx=\"1\" ny=\"1\" x0=\"0mm\" y0=\"0mm\" dx=\"" + mm(kLabelWidth) + "\" dy=\"" + mm(kLabelHeight)
        + "\"/>\n    </Label-rectangle>\n  </Template>\n  <Objects id=\"0\" rotate=\"False\">\n";
    for (int i = 0; i < kBarcodes; ++i) {
        const QPoint at = barcodeAt(i);
        xml += "    <Object-barcode x=\"" + mm(at.x()) + "\" y=\"" + mm(at.y()) + "\" w=\"" + mm(300) + "\" h=\"" + mm(50)
            + "\" backend=\"gnu-barcode\" style=\"Code128\" text=\"False\" checksum=\"True\" color=\"0x000000ff\" data=\""
            + barcodeContent(i) + "\" a0=\"1\" a1=\"0\" a2=\"0\" a3=\"1\" a4=\"0\" a5=\"0\"/>\n";
    }
    const int points = printFontSize(kScreenTextSize, 96, kDefaultDotDensity);
    for (int i = 0; i < kTexts; ++i) {
        const BusyPlace place = textAt(i);
        const double turn = -place.angle / 10.0 * 3.14159265358979 / 180.0;
        const QByteArray c = QByteArray::number(std::cos(turn), 'f', 6);
        const QByteArray s = QByteArray::number(std::sin(turn), 'f', 6);
        const QByteArray minusS = QByteArray::number(-std::sin(turn), 'f', 6);
        xml += "    <Object-text x=\"" + mm(place.at.x()) + "\" y=\"" + mm(place.at.y()) + "\" w=\"" + mm(80) + "\" h=\""
            + mm(20) + "\" justify=\"Left\" valign=\"Top\" auto_shrink=\"False\" a0=\"" + c + "\" a1=\"" + s
            + "\" a2=\"" + minusS + "\" a3=\"" + c + "\" a4=\"0\" a5=\"0\">\n";
        xml += "      <Span color=\"0x000000ff\" font_family=\"WenQuanYi Zen Hei\" font_size=\"" + QByteArray::number(points)
            + "\" font_weight=\"Bold\" font_italic=\"False\" line_spacing=\"1\">Text " + QByteArray::number(i)
            + "</Span>\n    </Object-text>\n";
    }
    xml += "  </Objects>\n</Glabels-document>\n";
    return xml;
}

struct ChildRun {
    bool ok = false;
    long peakKilobytes = 0;
};

// Runs a program to its end with its output thrown away; the extra variables are added to this
// process's environment.
ChildRun runChild(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnvironment)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> environment(extraEnvironment);
    for (char** variable = environ; *variable; ++variable)
        environment.emplace_back(*variable);
    std::vector<char*> envp;
    for (const std::string& variable : environment)
        envp.push_back(const_cast<char*>(variable.c_str()));
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ChildRun run;
    if (spawned != 0)
        return run;
    int status = 0;
    struct rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.peakKilobytes = usage.ru_maxrss;
    return run;
}

struct Files {
    QTemporaryDir dir;
    std::string lab;
    std::string glabels;
    std::string home;
};

Files& files()
{
    static Files files;
    static bool written = false;
    if (!written) {
        written = true;
        QDir(files.dir.path()).mkpath(QStringLiteral("home/ini"));
        files.home = files.dir.filePath(QStringLiteral("home")).toStdString();
        const auto write = [](const QString& path, const QByteArray& bytes) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        files.lab = files.dir.filePath(QStringLiteral("busy.lab")).toStdString();
        files.glabels = files.dir.filePath(QStringLiteral("busy.glabels")).toStdString();
        write(QString::fromStdString(files.lab), busyLabelFile());
        write(QString::fromStdString(files.glabels), busyGlabelsFile());
    }
    return files;
}

void timeProcess(benchmark::State& state, const std::vector<std::string>& arguments,
                 const std::vector<std::string>& environment)
{
    if (access(arguments.front().c_str(), X_OK) != 0) {
        state.SkipWithError((arguments.front() + " is not installed").c_str());
        return;
    }
    long peak = 0;
    for (auto _ : state) {
        const ChildRun run = runChild(arguments, environment);
        if (!run.ok) {
            state.SkipWithError((arguments.front() + " failed").c_str());
            return;
        }
        peak = std::max(peak, run.peakKilobytes);
    }
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
}

void vortelleExport(benchmark::State& state)
{
    Files& f = files();
    const std::string out = f.dir.filePath(QStringLiteral("vortelle.pdf")).toStdString();
    // The program's own settings and label folders live in a home of the benchmark's.
    timeProcess(state, {VORTELLE_EXECUTABLE, "export", f.lab, out}, {"VORTELLE_HOME=" + f.home});
}
BENCHMARK(vortelleExport)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void glabelsBatch(benchmark::State& state)
{
    Files& f = files();
    const std::string out = f.dir.filePath(QStringLiteral("glabels.pdf")).toStdString();
    timeProcess(state, {"/usr/bin/glabels-3-batch", "-o", out, f.glabels}, {});
}
BENCHMARK(glabelsBatch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The console's report, keeping each benchmark's time per run and peak memory for the ratios.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    struct Result {
        double milliseconds = 0;
        double peakMiB = 0;
    };
    std::map<std::string, Result> results;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.iterations == 0)
                continue;
            Result result;
            result.milliseconds = run.GetAdjustedRealTime(); // in the benchmark's unit, milliseconds
            const auto peak = run.counters.find("peak_MiB");
            if (peak != run.counters.end())
                result.peakMiB = peak->second.value;
            results[run.benchmark_name()] = result;
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // Found by the start of their names: the rest tells the run's settings.
    const auto named = [&](const std::string& start) {
        return std::find_if(reporter.results.begin(), reporter.results.end(),
                            [&](const auto& result) { return result.first.rfind(start, 0) == 0; });
    };
    const auto vortelle = named("vortelleExport");
    const auto glabels = named("glabelsBatch");
    if (vortelle != reporter.results.end() && glabels != reporter.results.end() && vortelle->second.milliseconds > 0
        && vortelle->second.peakMiB > 0) {
        std::printf("busy label to PDF, whole processes: vortelle export %.1f ms, %.1f MiB peak; "
                    "glabels-3-batch %.1f ms, %.1f MiB peak\n",
                    vortelle->second.milliseconds, vortelle->second.peakMiB, glabels->second.milliseconds,
                    glabels->second.peakMiB);
        std::printf("vortelle is %.1f times as fast (goal: at least 20) with %.2f of the peak memory (goal: at most 0.5)\n",
                    glabels->second.milliseconds / vortelle->second.milliseconds,
                    vortelle->second.peakMiB / glabels->second.peakMiB);
    }
    benchmark::Shutdown();
    return 0;
}
