#pragma once

#include "files/file_commands.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// 调整标签: the label's size in millimetres, nothing else.
class ResizeLabelWindow : public QDialog {
    Q_OBJECT
public:
    ResizeLabelWindow(const FileCommandsEnvironment& environment, QWidget* parent);

    QLineEdit* widthBox() const { return width_; }
    QLineEdit* heightBox() const { return height_; }
    QPushButton* okButton() const { return ok_; }

    void confirm();

private:
    FileCommandsEnvironment env_;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QPushButton* ok_ = nullptr;
};
