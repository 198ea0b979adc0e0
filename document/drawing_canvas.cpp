#include "document/drawing_canvas.h"

#include "platform/gbk.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

DrawingCanvas::DrawingCanvas(QWidget* parent) : QWidget(parent), font_(font()) {}

void DrawingCanvas::setCanvasFont(const QFont& font)
{
    font_ = font;
}

void DrawingCanvas::setElementFont(const ElementFont& font)
{
    elementFont_ = font;
    QFont qfont(fromGbk(font.faceName));
    const int dpiY = logicalDpiY() > 0 ? logicalDpiY() : 96;
    qfont.setPixelSize(std::max(1, (font.size * dpiY + 36) / 72));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setStrikeOut(font.strikeout);
    qfont.setUnderline(font.underline);
    font_ = qfont;
    angle_ = font.angle;
}

void DrawingCanvas::copyLookOf(const DrawingCanvas& other)
{
    setPalette(other.palette());
    font_ = other.font_;
    elementFont_ = other.elementFont_;
    angle_ = other.angle_;
    background_ = other.background_;
    image_ = other.image_;
    update();
}

void DrawingCanvas::growImage(QSize size)
{
    // Growing keeps what was drawn; shrinking keeps the bigger picture, so growing back shows it again.
    const QSize needed = image_.size().expandedTo(size);
    if (needed == image_.size())
        return;
    QImage grown(needed, QImage::Format_RGB32);
    grown.fill(background_);
    if (!image_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, image_);
    }
    image_ = grown;
}

void DrawingCanvas::clearCanvas()
{
    growImage(size());
    image_.fill(background_);
    update();
}

void DrawingCanvas::writeText(QPoint at, const QString& text)
{
    growImage(size());
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.translate(at);
    painter.rotate(-angle_ / 10.0);
    painter.drawText(QPoint(0, QFontMetrics(font_).ascent()), text);
    update();
}

void DrawingCanvas::drawLine(QPoint from, QPoint to)
{
    growImage(size());
    QPainter painter(&image_);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(from, to);
    update();
}

QSize DrawingCanvas::textExtent(const QString& text) const
{
    const QFontMetrics metrics(font_);
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

void DrawingCanvas::paintEvent(QPaintEvent* event)
{
    // The image is never smaller than the canvas, so it covers what is to be painted.
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), image_, event->rect());
}

void DrawingCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    growImage(size());
}
