#pragma once

#include <QList>
#include <QPoint>
#include <QString>

// One stroke of a ruler's scale: a line from..to, or a text written at from.
struct RulerMark {
    bool isText = false;
    QPoint from;
    QPoint to;
    QString text;

    bool operator==(const RulerMark&) const = default;
};

// The scale of the top ruler and of the left ruler, in drawing order, for a screen of this width:
// a "0" first, then for every millimetre i up to screenWidth / 10 a tick, and at every tenth one
// the number i before its longer tick. The left ruler's texts are written turned by 900.
QList<RulerMark> topRulerMarks(int screenWidth);
QList<RulerMark> leftRulerMarks(int screenWidth);

// The left ruler's font angle, in tenths of a degree: its numbers run upward.
inline constexpr int kLeftRulerAngle = 900;
