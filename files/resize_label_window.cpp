#include "files/resize_label_window.h"

#include "document/label_document.h"
#include "document/units.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename T> T* place(QWidget* parent, const QString& name, QRect box)
{
    auto* control = new T(parent);
    control->setObjectName(name);
    control->setGeometry(box);
    return control;
}

QLabel* caption(QWidget* parent, const QString& name, QPoint at, const QString& text)
{
    QLabel* label = place<QLabel>(parent, name, QRect(at, QSize(40, 20)));
    label->setText(text);
    label->adjustSize();
    return label;
}

} // namespace

ResizeLabelWindow::ResizeLabelWindow(const FileCommandsEnvironment& environment, QWidget* parent)
    : QDialog(parent), env_(environment)
{
    setObjectName(QStringLiteral("ResizeLabelWindow"));
    setWindowTitle(QStringLiteral("调整标签"));
    setFixedSize(285, 133);

    auto* group = place<QGroupBox>(this, QStringLiteral("框架1"), QRect(8, 4, 269, 60));
    caption(group, QStringLiteral("透明标签1"), QPoint(16, 24), QStringLiteral("标签尺寸"));
    width_ = place<QLineEdit>(group, QStringLiteral("编辑框1"), QRect(72, 24, 40, 20));
    caption(group, QStringLiteral("透明标签2"), QPoint(133, 24), QStringLiteral("mm × "));
    height_ = place<QLineEdit>(group, QStringLiteral("编辑框2"), QRect(168, 24, 40, 20));
    caption(group, QStringLiteral("透明标签4"), QPoint(228, 24), QStringLiteral("mm"));
    ok_ = place<QPushButton>(this, QStringLiteral("确定按钮"), QRect(192, 74, 80, 24));
    ok_->setText(QStringLiteral("确定"));

    if (const QWidget* surface = env_.document->labelSurface()) {
        width_->setText(QString::fromLatin1(formatPixelsAsMm(surface->width())));
        height_->setText(QString::fromLatin1(formatPixelsAsMm(surface->height())));
    }
    connect(ok_, &QPushButton::clicked, this, &ResizeLabelWindow::confirm);
    ok_->setFocus();
}

void ResizeLabelWindow::confirm()
{
    applyTypedLabelSize(env_, width_->text(), height_->text());
    accept();
}
