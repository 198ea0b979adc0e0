#include "tests/printing/pdf_probe.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

ToolRun runProgram(const QString& program, const QStringList& arguments)
{
    ToolRun run;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return run;
    run.started = true;
    process.closeWriteChannel();
    process.waitForFinished(60000);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

std::optional<QSizeF> pdfPageSize(const QString& path)
{
    const ToolRun run = runProgram("pdfinfo", { path });
    const QRegularExpression pattern(QStringLiteral(R"(Page size:\s+([0-9.]+) x ([0-9.]+) pts)"));
    const QRegularExpressionMatch match = pattern.match(QString::fromUtf8(run.out));
    if (run.exitCode != 0 || !match.hasMatch())
        return std::nullopt;
    return QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
}

std::vector<PdfWord> pdfWords(const QString& path)
{
    std::vector<PdfWord> words;
    const ToolRun run = runProgram("pdftotext", { "-bbox", path, "-" });
    const QRegularExpression pattern(QStringLiteral(
        R"re(<word xMin="([0-9.-]+)" yMin="([0-9.-]+)" xMax="([0-9.-]+)" yMax="([0-9.-]+)">([^<]*)</word>)re"));
    auto it = pattern.globalMatch(QString::fromUtf8(run.out));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.push_back({ m.captured(5), QRectF(topLeft, bottomRight) });
    }
    return words;
}

std::vector<PdfImage> pdfImages(const QString& path)
{
    std::vector<PdfImage> images;
    const ToolRun run = runProgram("pdfimages", { "-list", path });
    const QStringList lines = QString::fromUtf8(run.out).split('\n');
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList f = lines[i].simplified().split(' ');
        if (f.size() < 10)
            continue;
        images.push_back({ f[3].toInt(), f[4].toInt(), f[8], f[9] == QLatin1String("yes") });
    }
    return images;
}

QImage rasterise(const QString& pdfPath, int dotsPerInch, const QStringList& extra)
{
    QTemporaryDir dir;
    const QString stem = dir.filePath("page");
    const ToolRun run = runProgram("pdftoppm",
        QStringList { "-r", QString::number(dotsPerInch), "-gray", "-singlefile" } + extra
            + QStringList { pdfPath, stem });
    if (run.exitCode != 0)
        return QImage();
    return QImage(stem + ".pgm");
}

QStringList zbarTexts(const QString& picturePath)
{
    const ToolRun run = runProgram("zbarimg", { "--raw", "-q", picturePath });
    return QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
}

QStringList zxingTexts(const QString& picturePath)
{
    // Debian's own interpreter: the first python3 on the path may lack Debian's modules.
    const ToolRun run = runProgram("/usr/bin/python3",
        { "-c",
            "import sys, zxingcpp\n"
            "from PIL import Image\n"
            "for r in zxingcpp.read_barcodes(Image.open(sys.argv[1]).convert('L')):\n"
            "    sys.stdout.buffer.write(r.text.encode('utf-8') + b'\\n')\n",
            picturePath });
    return QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
}
