#pragma once

#include <QByteArray>
#include <QSize>

class IniSettings;

// The default label size from [New] W and H (defaults "72" and "25"), whole millimetres (only the
// leading integer of each text counts: "80.6" is 80), in pixels.
QSize labelSizeFromTexts(const QByteArray& width, const QByteArray& height);
QSize defaultLabelSize(const IniSettings& settings);
