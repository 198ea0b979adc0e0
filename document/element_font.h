#pragma once

#include <QByteArray>

// The font of a text element, its fields in the order in which a label file stores them.
struct ElementFont {
    int angle = 0; // direction of the baseline in tenths of a degree, counter-clockwise
    bool bold = false;
    bool italic = false;
    bool strikeout = false;
    bool underline = false;
    int size = 0; // character height in points
    QByteArray faceName; // GBK

    bool operator==(const ElementFont&) const = default;
};
