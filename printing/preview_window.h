#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>

class LabelDocument;
class PictureControl;

// 打印预览: a modal window filling the screen that shows a snapshot of the label as the editor
// shows it, one pixel per design pixel, centred. The picture follows the mouse while the left
// button is held on it; a left release over the background centres it again, a right release
// there closes the window. Nothing is printed or saved.
class PreviewWindow final : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(const QImage& snapshot, const QString& filePath, QWidget* parent = nullptr);

    // 图片框1: the snapshot at the label surface's size.
    PictureControl* picture() const { return picture_; }
    // x = (window width - label width) / 2 and y likewise, the window's outer size, truncated.
    void centrePicture();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PictureControl* picture_ = nullptr;
    QSize labelSize_;
    bool dragging_ = false;
    QPoint dragStartGlobal_;
    QPoint dragStartPos_;
};

// The caption: "标签打印预览 [" + path + "]", the path empty for an untitled label.
QString previewCaption(const QString& filePath);

// Opens the preview of the document's label, modal and full screen, and returns at once; the
// window deletes itself when closed.
PreviewWindow* showPrintPreview(const LabelDocument& document, QWidget* owner);
