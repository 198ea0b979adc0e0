#pragma once

#include "document/element_font.h"

#include <QFont>
#include <QImage>
#include <QWidget>

// A control that keeps what is drawn on it, like a canvas with a persistent picture: text and lines
// go into its own image, which it shows. Text elements and the rulers are drawing canvases.
class DrawingCanvas : public QWidget {
    Q_OBJECT
public:
    explicit DrawingCanvas(QWidget* parent = nullptr);

    // The font that writeText uses, with its angle in tenths of a degree (counter-clockwise).
    void setCanvasFont(const QFont& font);
    const QFont& canvasFont() const { return font_; }
    void setFontAngle(int tenths) { angle_ = tenths; }
    int fontAngle() const { return angle_; }

    // A text element's font as the model holds it; the canvas font follows it (points at the
    // screen's vertical dots per inch, the face name from GBK).
    void setElementFont(const ElementFont& font);
    const ElementFont& elementFont() const { return elementFont_; }

    void setBackground(const QColor& color) { background_ = color; }
    const QColor& background() const { return background_; }

    // Fills the whole canvas with its background.
    void clearCanvas();
    // Writes text with (at) as the corner of the first character's cell that is top-left in the
    // text's own orientation.
    void writeText(QPoint at, const QString& text);
    void drawLine(QPoint from, QPoint to);
    // Width and height of a one-line text in the canvas font, as if it were not turned.
    QSize textExtent(const QString& text) const;

    // Font, colours and picture of another canvas (a copy of a template starts so).
    void copyLookOf(const DrawingCanvas& other);

    // What the canvas shows.
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void growImage(QSize size);

    QImage image_;
    QFont font_;
    ElementFont elementFont_;
    int angle_ = 0;
    QColor background_ = Qt::white;
};
