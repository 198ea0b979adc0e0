#pragma once

#include <QByteArray>
#include <QString>

// Writes a file whole, through a temporary copy beside it that takes the old file's place only when
// every byte is written: a failed write leaves the old file as it was. False when nothing changed.
bool writeWholeFile(const QString& path, const QByteArray& bytes);
