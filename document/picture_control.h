#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QWidget>

// A control that shows a picture given as BMP file bytes, stretched to its own size, each direction
// on its own. Image elements are picture controls.
class PictureControl : public QWidget {
    Q_OBJECT
public:
    explicit PictureControl(QWidget* parent = nullptr);

    // Bytes that are no picture show as an empty (white) control.
    void setPicture(const QByteArray& bmpBytes);
    const QByteArray& picture() const { return bytes_; }
    bool hasPicture() const { return !image_.isNull(); }

    void setBackground(const QColor& color) { background_ = color; update(); }
    void setFramed(bool framed) { framed_ = framed; update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QByteArray bytes_;
    QImage image_;
    QPixmap shown_;
    QColor background_ = Qt::white;
    bool framed_ = false;
};
