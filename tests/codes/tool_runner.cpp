#include "tests/codes/tool_runner.h"

#include <QProcess>

ToolResult runTool(const QString& program, const QStringList& arguments)
{
    ToolResult result;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        return result;
    }
    result.started = true;
    process.closeWriteChannel();
    process.waitForFinished(30000);
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

ToolResult zbarDecode(const QString& path, const QStringList& extra)
{
    return runTool("zbarimg", QStringList{"--raw", "-q"} + extra + QStringList{path});
}

ToolResult zxingDecode(const QString& path)
{
    // Debian's own interpreter: the first python3 on PATH may lack Debian's modules.
    return runTool("/usr/bin/python3", {QStringLiteral(VORTELLE_TEST_DATA "/zxing_decode.py"), path});
}
