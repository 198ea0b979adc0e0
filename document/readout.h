#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>

#include <optional>

// The selection read-out of the status bar's last part, as reset and clearSelection write it.
inline const QString kClearedReadout = QStringLiteral("pi= 0 ,px= 0 mm,py= 0 mm,pw= 0 mm,ph= 0 mm,pv= null");

// The read-out of a selection: element is the selected element's box (none when nothing or no
// live element is selected), content its record's GBK content (none when no record has the tag).
// Positions are given relative to the label origin: left minus the left ruler's width, top minus
// the top ruler's top minus 24; all lengths in millimetres.
QString readoutText(int tag, std::optional<QRect> element, int leftRulerWidth, int topRulerTop,
                    const std::optional<QByteArray>& content);

// "Vortelle器 [ 未命名 ]" for an untitled label, "Vortelle器 [ " + path + " ]" otherwise.
QString windowTitle(const QString& filePath);
