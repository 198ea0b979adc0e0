#include "files/new_label_window.h"

#include "document/label_document.h"
#include "platform/dialogs.h"
#include "platform/gbk.h"
#include "platform/ini_settings.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kTitle = QStringLiteral("新建失败");

template <typename T> T* place(QWidget* parent, const QString& name, QRect box)
{
    auto* control = new T(parent);
    control->setObjectName(name);
    control->setGeometry(box);
    return control;
}

QLabel* caption(QWidget* parent, const QString& name, QRect box, const QString& text)
{
    QLabel* label = place<QLabel>(parent, name, box);
    label->setText(text);
    return label;
}

} // namespace

NewLabelWindow::NewLabelWindow(const FileCommandsEnvironment& environment, QWidget* parent)
    : QDialog(parent), env_(environment)
{
    setObjectName(QStringLiteral("NewLabelWindow"));
    setWindowTitle(QStringLiteral("新建标签"));
    setFixedSize(303, 170);

    auto* group = place<QGroupBox>(this, QStringLiteral("框架1"), QRect(8, 4, 287, 92));
    caption(group, QStringLiteral("透明标签1"), QRect(16, 24, 50, 20), QStringLiteral("标签尺寸"));
    width_ = place<QLineEdit>(group, QStringLiteral("标签宽度"), QRect(72, 24, 40, 20));
    caption(group, QStringLiteral("透明标签2"), QRect(132, 24, 40, 20), QStringLiteral("mm × "));
    height_ = place<QLineEdit>(group, QStringLiteral("标签高度"), QRect(168, 24, 40, 20));
    caption(group, QStringLiteral("透明标签4"), QRect(228, 24, 40, 20), QStringLiteral("mm"));
    caption(group, QStringLiteral("透明标签3"), QRect(16, 56, 50, 20), QStringLiteral("保存位置"));
    location_ = place<QLineEdit>(group, QStringLiteral("保存位置"), QRect(72, 56, 152, 20));
    choosePath_ = place<QPushButton>(group, QStringLiteral("选择路径"), QRect(232, 56, 40, 20));
    choosePath_->setText(QStringLiteral("..."));
    ok_ = place<QPushButton>(this, QStringLiteral("确定按钮"), QRect(200, 110, 80, 24));
    ok_->setText(QStringLiteral("确定"));

    width_->setText(fromGbk(env_.settings->read("New", "W", "72")));
    height_->setText(fromGbk(env_.settings->read("New", "H", "25")));
    connect(choosePath_, &QPushButton::clicked, this, &NewLabelWindow::choosePath);
    connect(ok_, &QPushButton::clicked, this, &NewLabelWindow::confirm);
    choosePath_->setFocus();
}

void NewLabelWindow::choosePath()
{
    const std::optional<QString> path
        = env_.dialogs->saveFile(QStringLiteral("请选择需要保存新建标签的位置"), kLabelFileFilter, env_.labFolder,
                                 defaultLabelFileName(*env_.clock), kLabelFileExtension);
    if (path && !path->isEmpty())
        location_->setText(*path);
}

void NewLabelWindow::confirm()
{
    const QString path = location_->text();
    if (path.isEmpty()) {
        env_.dialogs->error(kTitle, QStringLiteral("新建失败，请先选择标签文件保存位置！"));
        return;
    }
    if (!writeWholeFile(path, placeholderLabelFile())) {
        env_.dialogs->error(kTitle, QStringLiteral("新建失败，无法在保存位置创建标签文件！"));
        return;
    }
    env_.document->setFilePath(path);
    applyTypedLabelSize(env_, width_->text(), height_->text());
    accept();
}
