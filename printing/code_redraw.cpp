#include "printing/code_redraw.h"

#include "codes/code128.h"
#include "codes/qr_picture.h"
#include "document/bitmap.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr qreal kUnitsPerInch = 254.0;

QImage turned(const QImage& image, int quarterTurns)
{
    const int turns = ((quarterTurns % 4) + 4) % 4;
    if (turns == 0 || image.isNull())
        return image;
    return image.transformed(QTransform().rotate(90.0 * turns), Qt::FastTransformation);
}

// The box before the element's turn: a turned symbol runs along the box's height.
QSize unturnedBox(QSize boxDots, int quarterTurns)
{
    return quarterTurns % 2 != 0 ? boxDots.transposed() : boxDots;
}

constexpr int kMinDotsPerModule = 2;

QRect darkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int changesAlong(const QImage& image, bool alongRow)
{
    const int length = alongRow ? image.width() : image.height();
    const int fixed = alongRow ? image.height() / 2 : image.width() / 2;
    int changes = 0;
    bool previous = false;
    for (int i = 0; i < length; ++i) {
        const QRgb pixel = alongRow ? image.pixel(i, fixed) : image.pixel(fixed, i);
        const bool dark = qGray(pixel) < 128;
        if (i > 0 && dark != previous)
            ++changes;
        previous = dark;
    }
    return changes;
}

bool isDarkAt(const QImage& image, qreal x, qreal y)
{
    const int px = static_cast<int>(x);
    const int py = static_cast<int>(y);
    return image.valid(px, py) && qGray(image.pixel(px, py)) < 128;
}

// A finder pattern fills the 7 x 7 modules at (column, row) steps from a symbol corner: dark ring,
// light ring, dark centre. Read along its middle row and column at the centres of the modules.
bool hasFinderAt(const QImage& image, QPointF corner, qreal module, int stepX, int stepY)
{
    static constexpr bool kLine[7] = { true, false, true, true, true, false, true };
    for (int i = 0; i < 7; ++i) {
        const qreal along = (i + 0.5) * module;
        const qreal middle = 3.5 * module;
        if (isDarkAt(image, corner.x() + stepX * along, corner.y() + stepY * middle) != kLine[i]
            || isDarkAt(image, corner.x() + stepX * middle, corner.y() + stepY * along) != kLine[i])
            return false;
    }
    return true;
}

} // namespace

QSize boxInPrinterDots(const QRect& box, int printerDpi)
{
    if (printerDpi <= 0 || box.isEmpty())
        return QSize();
    const auto dots
        = [&](int units) { return static_cast<int>(std::floor(units * printerDpi / kUnitsPerInch)); };
    return QSize(dots(box.width()), dots(box.height()));
}

QRectF centredInBox(const QRect& box, QSize dots, int printerDpi)
{
    const QSizeF size(dots.width() * kUnitsPerInch / printerDpi, dots.height() * kUnitsPerInch / printerDpi);
    const QPointF centre = QRectF(box).center();
    return QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size);
}

QImage barcodeAtPrinterDots(const QByteArray& content, QSize boxDots, int quarterTurns)
{
    const ModulePattern pattern = encodeCode128(content);
    int modules = 0;
    for (char width : pattern) {
        if (width < '1' || width > '4')
            return QImage();
        modules += width - '0';
    }
    const QSize box = unturnedBox(boxDots, quarterTurns);
    if (modules == 0 || box.isEmpty() || box.width() > kMaxBitmapSide || box.height() > kMaxBitmapSide)
        return QImage();
    // One dot a module does not survive a printer's dot placement: below two the symbol is drawn
    // at two, wider than its box and centred on it.
    const int dotsPerModule = std::max(kMinDotsPerModule, box.width() / modules);
    if (modules * dotsPerModule > kMaxBitmapSide)
        return QImage();

    // The shown picture leaves its top and bottom row of 112 white; so does this one.
    const int height = box.height();
    const int edge = static_cast<int>(std::lround(height / 112.0));
    if (height - 2 * edge < 1)
        return QImage();
    QImage image(modules * dotsPerModule, height, QImage::Format_Mono);
    image.setColorTable({ qRgb(255, 255, 255), qRgb(0, 0, 0) });
    image.fill(0);
    // One row of bars, copied to every row the bars cover.
    int x = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const int width = (pattern[i] - '0') * dotsPerModule;
        if (i % 2 == 0)
            for (int dx = 0; dx < width; ++dx)
                image.setPixel(x + dx, edge, 1);
        x += width;
    }
    for (int y = edge + 1; y < height - edge; ++y)
        std::memcpy(
            image.scanLine(y), image.constScanLine(edge), static_cast<std::size_t>(image.bytesPerLine()));
    return turned(image, quarterTurns);
}

QImage qrCodeAtPrinterDots(const QByteArray& content, QSize boxDots, int quarterTurns)
{
    const QSize box = unturnedBox(boxDots, quarterTurns);
    if (box.isEmpty())
        return QImage();
    QImage symbol = QImage::fromData(makeQrPicture(content, box.width(), box.height()), "BMP");
    const QRect dark = darkBounds(symbol);
    if (symbol.isNull() || dark.isEmpty())
        return QImage();
    // The top-left finder pattern starts the symbol's top row with a run of seven dark modules.
    int run = 0;
    while (run < dark.width() && qGray(symbol.pixel(dark.left() + run, dark.top())) < 128)
        ++run;
    const int dotsPerModule = run / 7;
    if (dotsPerModule < kMinDotsPerModule) {
        // Too small a box for two dots a module: made again at two, wider than the box.
        const int modules = dark.width() / std::max(dotsPerModule, 1) + 2 * kQrQuietZoneModules;
        const int side = kMinDotsPerModule * modules;
        symbol = QImage::fromData(makeQrPicture(content, side, side), "BMP");
    }
    return turned(symbol, quarterTurns);
}

bool paintCodeAtPrinterDots(QPainter& painter, const PrintedPicture& picture, int printerDpi)
{
    if (picture.symbol == CodeSymbol::None || picture.content.isEmpty() || printerDpi <= 0)
        return false;
    const QSize boxDots = boxInPrinterDots(picture.box, printerDpi);
    const QImage symbol = picture.symbol == CodeSymbol::Barcode
        ? barcodeAtPrinterDots(picture.content, boxDots, picture.quarterTurns)
        : qrCodeAtPrinterDots(picture.content, boxDots, picture.quarterTurns);
    if (symbol.isNull())
        return false;
    painter.fillRect(QRectF(picture.box), Qt::white);
    painter.drawImage(centredInBox(picture.box, symbol.size(), printerDpi), symbol);
    return true;
}

int barcodeQuarterTurns(const QImage& shown)
{
    if (shown.isNull())
        return 0;
    return changesAlong(shown, false) > changesAlong(shown, true) ? 1 : 0;
}

int qrCodeQuarterTurns(const QImage& shown)
{
    if (shown.isNull() || shown.width() > kMaxBitmapSide || shown.height() > kMaxBitmapSide)
        return 0;
    const QRect dark = darkBounds(shown);
    if (dark.width() < 21 || dark.height() < 21)
        return 0;
    const QRectF symbol(dark.left(), dark.top(), dark.width(), dark.height());
    // Versions 1 to 40 are 21 to 177 modules a side; the picture may be stretched, so a module need
    // not be a whole number of pixels.
    for (int modules = 21; modules <= 177; modules += 4) {
        const qreal moduleX = symbol.width() / modules;
        const qreal moduleY = symbol.height() / modules;
        const qreal module = std::min(moduleX, moduleY);
        if (module < 1)
            break;
        const bool topLeft = hasFinderAt(shown, symbol.topLeft(), module, 1, 1);
        const bool topRight = hasFinderAt(shown, symbol.topRight() - QPointF(0.01, 0), module, -1, 1);
        const bool bottomLeft = hasFinderAt(shown, symbol.bottomLeft() - QPointF(0, 0.01), module, 1, -1);
        const bool bottomRight
            = hasFinderAt(shown, symbol.bottomRight() - QPointF(0.01, 0.01), module, -1, -1);
        if (topLeft + topRight + bottomLeft + bottomRight != 3)
            continue;
        // Turned clockwise, the corner without a finder moves from bottom-right to bottom-left,
        // then to top-left, then to top-right.
        if (!bottomRight)
            return 0;
        if (!bottomLeft)
            return 1;
        if (!topLeft)
            return 2;
        return 3;
    }
    return 0;
}
