#pragma once

#include "files/file_commands.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// 新建标签: the label's size in millimetres and the file to create for it. On 确定 the file is
// created at once as a placeholder label file (the magic alone), becomes the label's file, and
// the label takes the size; the elements stay as they are.
class NewLabelWindow : public QDialog {
    Q_OBJECT
public:
    NewLabelWindow(const FileCommandsEnvironment& environment, QWidget* parent);

    QLineEdit* widthBox() const { return width_; }
    QLineEdit* heightBox() const { return height_; }
    QLineEdit* locationBox() const { return location_; }
    QPushButton* choosePathButton() const { return choosePath_; }
    QPushButton* okButton() const { return ok_; }

    void choosePath();
    void confirm();

private:
    FileCommandsEnvironment env_;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QLineEdit* location_ = nullptr;
    QPushButton* choosePath_ = nullptr;
    QPushButton* ok_ = nullptr;
};
