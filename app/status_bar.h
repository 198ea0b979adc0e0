#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QLabel;

// 状态条1: five text parts of fixed widths (250, 160, 160, 160 and the rest).
class StatusBar : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    void setPartText(int part, const QString& text);
    QString partText(int part) const;
    int partWidth(int part) const;

    static constexpr int kParts = 5;

private:
    QList<QLabel*> parts_;
};
