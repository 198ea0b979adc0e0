#include "tests/printing/print_output.h"

#include "tests/printing/pdf_probe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <algorithm>

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

int jobNumber(const QString& path)
{
    return QFileInfo(path).baseName().mid(4).toInt(); // "job-N"
}

} // namespace

QString printQueueDir()
{
    const QString dir = qEnvironmentVariable("VORTELLE_PRINT_QUEUE");
    if (dir.isEmpty() || !QFileInfo::exists(dir + "/cupsd.pid") || !QFileInfo::exists(dir + "/cups.sock"))
        return QString();
    return dir;
}

QStringList keptJobs(const QString& queue)
{
    const QDir dir(printQueueDir() + "/kept/" + queue);
    QStringList paths;
    for (const QString& name : dir.entryList({ "job-*.pdf" }, QDir::Files))
        paths << dir.filePath(name);
    std::sort(paths.begin(), paths.end(),
        [](const QString& a, const QString& b) { return jobNumber(a) < jobNumber(b); });
    return paths;
}

bool waitUntilQueueIsDone(const QString& queue)
{
    return QTest::qWaitFor(
        [&] {
            const ToolRun run = runProgram("lpstat", { "-o", queue });
            return run.exitCode == 0 && run.out.trimmed().isEmpty();
        },
        30000);
}

KeptJob printAndKeep(const LabelPage& page, const QString& queue, int orientation, PrintResult* result)
{
    const QStringList before = keptJobs(queue);
    const PrintResult printed = printLabelPage(page, queue, orientation);
    if (result)
        *result = printed;
    KeptJob job;
    if (printed != PrintResult::Printed)
        return job;
    QString arrived;
    [[maybe_unused]] const bool arrivedInTime = QTest::qWaitFor(
        [&] {
            for (const QString& path : keptJobs(queue))
                if (!before.contains(path))
                    arrived = path;
            return !arrived.isEmpty();
        },
        30000);
    if (arrived.isEmpty())
        return job;
    const QString stem = arrived.chopped(4);
    job.pdfPath = arrived;
    job.title = readText(stem + ".title");
    job.options = readText(stem + ".options");
    return job;
}

QStringList cupsPdfFiles()
{
    const QDir dir(printQueueDir() + "/cups-pdf");
    QStringList paths;
    for (const QString& name : dir.entryList({ "*.pdf" }, QDir::Files, QDir::Time | QDir::Reversed))
        paths << dir.filePath(name);
    return paths;
}
