#include "printing/preview_window.h"

#include "document/label_document.h"
#include "document/picture_control.h"
#include "printing/label_snapshot.h"

#include <QBuffer>
#include <QMouseEvent>

namespace {

QByteArray bmpBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP"))
        return QByteArray();
    return bytes;
}

} // namespace

QString previewCaption(const QString& filePath)
{
    return QStringLiteral("标签打印预览 [") + filePath + QLatin1Char(']');
}

PreviewWindow::PreviewWindow(const QImage& snapshot, const QString& filePath, QWidget* parent)
    : QDialog(parent), labelSize_(snapshot.size())
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(previewCaption(filePath));
    setGeometry(50, 50, 400, 250);
    picture_ = new PictureControl(this);
    picture_->setObjectName(QStringLiteral("图片框1"));
    picture_->setCursor(Qt::SizeAllCursor);
    picture_->setPicture(bmpBytes(snapshot));
    picture_->installEventFilter(this);
    centrePicture();
}

void PreviewWindow::centrePicture()
{
    const QSize outer = frameGeometry().size();
    picture_->setGeometry((outer.width() - labelSize_.width()) / 2, (outer.height() - labelSize_.height()) / 2,
                          labelSize_.width(), labelSize_.height());
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != picture_)
        return QDialog::eventFilter(watched, event);
    // Mouse events on the picture are its own: none reaches the background behind it.
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            dragging_ = true;
            dragStartGlobal_ = mouse->globalPosition().toPoint();
            dragStartPos_ = picture_->pos();
        }
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // The picture may be dragged partly, or wholly, out of the window.
        if (dragging_ && (mouse->buttons() & Qt::LeftButton))
            picture_->move(dragStartPos_ + mouse->globalPosition().toPoint() - dragStartGlobal_);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            dragging_ = false;
        return true;
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

void PreviewWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        centrePicture();
    else if (event->button() == Qt::RightButton)
        close();
}

void PreviewWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    centrePicture();
}

PreviewWindow* showPrintPreview(const LabelDocument& document, QWidget* owner)
{
    auto* window = new PreviewWindow(labelSurfaceSnapshot(document), document.filePath(), owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    window->showFullScreen();
    return window;
}
