#include "platform/whole_file.h"

#include <QSaveFile>

bool writeWholeFile(const QString& path, const QByteArray& bytes)
{
    // Unbuffered: a buffered save file writes its last part while committing, and a failure there
    // (a full disk) would not stop the commit from putting the cut file in the old one's place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
