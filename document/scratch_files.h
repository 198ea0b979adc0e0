#pragma once

#include <QByteArray>
#include <QString>

// Writes a scratch file whole, in one step: a file that could not be written completely is not left
// behind under its name. False when nothing was written.
bool writeScratchFile(const QString& path, const QByteArray& bytes);
