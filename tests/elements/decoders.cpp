#include "decoders.h"

#include <QProcess>
#include <QStringList>

namespace {

Decoded run(const QString& program, const QStringList& arguments)
{
    Decoded result;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return result;
    result.started = true;
    process.closeWriteChannel();
    process.waitForFinished(30000);
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    return result;
}

} // namespace

Decoded zbarRead(const QString& path)
{
    return run(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), path});
}

Decoded zxingRead(const QString& path)
{
    // Debian's own interpreter: the first python3 on PATH may lack Debian's modules.
    return run(QStringLiteral("/usr/bin/python3"), {QStringLiteral(ZXING_DECODE_SCRIPT), path});
}
