#include "printing/page_painter.h"

#include "platform/gbk.h"
#include "printing/code_redraw.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace {

constexpr qreal kUnitsPerInch = 254.0; // label units (0.1 mm) per inch

void paintPicture(QPainter& painter, const PrintedPicture& picture, const LabelPage& page)
{
    if (isSkippedOnPrint(picture.box.left(), picture.box.top(), page.labelPixels))
        return;
    if (page.printCodesAtPrinterDots && paintCodeAtPrinterDots(painter, picture, page.printerDpi))
        return;
    if (picture.picture.isNull() || picture.box.isEmpty())
        return;
    painter.drawImage(QRectF(picture.box), picture.picture);
}

void paintText(QPainter& painter, const PrintedText& text, const LabelPage& page)
{
    if (isSkippedOnPrint(text.position.x(), text.position.y(), page.labelPixels))
        return;
    const int size = printFontSize(text.font.size, page.screenDpi, page.printerDpi);
    // A size of 0 (a screen density of 0, or a printer density so high that the text would be
    // less than a point) leaves nothing legible to print.
    if (size <= 0)
        return;
    const QString content = fromGbk(text.content);
    if (content.isEmpty())
        return;

    const QTransform toDevice = painter.combinedTransform();
    const qreal devicePerUnit = std::hypot(toDevice.m11(), toDevice.m12());
    if (!(devicePerUnit > 0))
        return;
    const qreal turn = std::atan2(toDevice.m12(), toDevice.m11()) * 180.0 / std::numbers::pi;

    const QFont font = printFont(text.font, size);
    // Measured on the device itself, at its own resolution, then taken back into label units.
    const QFontMetricsF metrics(font, painter.device());
    const qreal w = metrics.horizontalAdvance(content) / devicePerUnit;
    const qreal h = metrics.height() / devicePerUnit;
    const QPointF start = toDevice.map(textStartPoint(QPointF(text.position), text.font.angle, w, h));

    painter.save();
    painter.resetTransform();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.translate(start);
    painter.rotate(turn - text.font.angle / 10.0);
    painter.drawText(QPointF(0, metrics.ascent()), content);
    painter.restore();
}

} // namespace

QFont printFont(const ElementFont& font, int pointSize)
{
    QFont result(fromGbk(font.faceName));
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setStrikeOut(font.strikeout);
    result.setUnderline(font.underline);
    if (pointSize > 0)
        result.setPointSize(pointSize);
    return result;
}

QTransform labelToDevice(const PagePlan& plan, qreal dotsPerInch)
{
    const qreal scale = dotsPerInch / kUnitsPerInch;
    QTransform transform = QTransform::fromScale(scale, scale);
    if (plan.labelTurned) {
        // Clockwise: the label's top edge runs down the page's right edge.
        transform.translate(plan.pagePixels.width(), 0);
        transform.rotate(90);
    }
    return transform;
}

void paintLabelPage(QPainter& painter, const LabelPage& page)
{
    painter.save();
    // Codes are black and white: a smoothed or lossy copy comes out grey on a thermal head.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    for (const PrintedPicture& picture : page.pictures)
        paintPicture(painter, picture, page);
    for (const PrintedText& text : page.texts)
        paintText(painter, text, page);
    painter.restore();
}
