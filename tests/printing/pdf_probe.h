#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What the poppler tools and the decoders find in a PDF or a picture file.

struct ToolRun {
    bool started = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a program to its end (at most 60 s).
ToolRun runProgram(const QString& program, const QStringList& arguments);

// The first page's size in points, as pdfinfo reports it.
std::optional<QSizeF> pdfPageSize(const QString& path);

struct PdfWord {
    QString text;
    QRectF box; // points, from the page's top-left corner
};
// Every word pdftotext -bbox finds on the page.
std::vector<PdfWord> pdfWords(const QString& path);

struct PdfImage {
    int width = 0;
    int height = 0;
    QString encoding; // "image", "jpeg", ...
    bool interpolated = false;
};
// Every image pdfimages -list finds drawn on the page.
std::vector<PdfImage> pdfImages(const QString& path);

// The page rasterised by pdftoppm in grey at the given dots per inch; null when that fails.
QImage rasterise(const QString& pdfPath, int dotsPerInch, const QStringList& extra = {});

// Texts zbarimg and ZXing read in a picture file, one per symbol.
QStringList zbarTexts(const QString& picturePath);
QStringList zxingTexts(const QString& picturePath);
