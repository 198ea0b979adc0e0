#pragma once

#include <QByteArray>
#include <QString>

// The name, inside the scratch folder, of the file that holds the picture of an image element with
// this content. Different contents always give different names, and every name is one plain file
// name: ASCII letters and digits stand for themselves, every other byte is written "_XX" (two
// upper-case hexadecimal digits, "_" itself included), so "B201556937" gives "B201556937.tmp" and a
// content with "/", ":" or ".." cannot leave the folder. A name that would grow beyond what file
// systems take keeps its first part and ends in "~" and the SHA-256 of the whole content.
QString scratchFileName(const QByteArray& content);

// scratchFolder + "/" + scratchFileName(content).
QString scratchFilePath(const QString& scratchFolder, const QByteArray& content);
