#include "platform/scratch_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace {

constexpr int kMaxSuffix = 1000;

} // namespace

ScratchFolderResult createScratchFolder(const QString& tempFolder, const QString& stamp)
{
    const QString parent = QDir(tempFolder).filePath(QStringLiteral("label"));
    const QByteArray parentBytes = QFile::encodeName(parent);
    // The shared parent is made world-writable with the sticky bit, like the temporary folder itself,
    // so that every user's runs fit in it; the per-run folders below are the private ones.
    if (::mkdir(parentBytes.constData(), 01777) == 0)
        ::chmod(parentBytes.constData(), 01777);
    else if (errno != EEXIST)
        return {{}, ScratchFolderError::CannotCreateParent};
    if (!QFileInfo(parent).isDir())
        return {{}, ScratchFolderError::CannotCreateParent};

    for (int suffix = 0; suffix <= kMaxSuffix; ++suffix) {
        const QString name = suffix == 0 ? stamp : stamp + QLatin1Char('-') + QString::number(suffix);
        const QString path = QDir(parent).filePath(name);
        // mkdir fails on any existing name, a link included: the folder is ours alone when it succeeds.
        if (::mkdir(QFile::encodeName(path).constData(), 0700) == 0)
            return {path, std::nullopt};
        if (errno != EEXIST)
            break;
    }
    return {{}, ScratchFolderError::CannotCreateRunFolder};
}

bool removeScratchFolder(const QString& path)
{
    if (path.isEmpty())
        return false;
    // QDir::removeRecursively deletes links without following them.
    return QDir(path).removeRecursively();
}
