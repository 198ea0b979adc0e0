#include "app/ruler_marks.h"

namespace {

RulerMark text(QPoint at, int number)
{
    return RulerMark{true, at, at, QString::number(number)};
}

RulerMark line(QPoint from, QPoint to)
{
    return RulerMark{false, from, to, QString()};
}

} // namespace

QList<RulerMark> topRulerMarks(int screenWidth)
{
    QList<RulerMark> marks{text(QPoint(0, 5), 0)};
    const int steps = screenWidth / 10;
    for (int i = 1; i <= steps; ++i) {
        const int p = 10 * i;
        if (i % 10 != 0) {
            marks.append(line(QPoint(p, 15), QPoint(p, 24)));
        } else {
            marks.append(text(QPoint(p + 3, 3), i));
            marks.append(line(QPoint(p, 5), QPoint(p, 24)));
        }
    }
    return marks;
}

QList<RulerMark> leftRulerMarks(int screenWidth)
{
    QList<RulerMark> marks{text(QPoint(10, 6), 0)};
    const int steps = screenWidth / 10;
    for (int i = 1; i <= steps; ++i) {
        const int p = 10 * i;
        if (i % 10 != 0) {
            marks.append(line(QPoint(0, p), QPoint(10, p)));
        } else {
            marks.append(text(QPoint(9, p - 1), i));
            marks.append(line(QPoint(0, p), QPoint(15, p)));
        }
    }
    return marks;
}
