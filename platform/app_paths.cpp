#include "platform/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool isFolder(const QString& path)
{
    return QFileInfo(path).isDir();
}

} // namespace

AppPaths resolveAppPaths(const QString& programFolder, const QString& homeOverride,
                         const QString& userConfigFolder, const QString& documentsFolder,
                         const QString& tempFolder)
{
    const bool overridden = !homeOverride.isEmpty();
    const QDir root(overridden ? homeOverride : programFolder);
    AppPaths paths;
    paths.programFolder = programFolder;
    paths.tempFolder = tempFolder;

    const QString iniFolder = root.filePath(QStringLiteral("ini"));
    if (overridden || isFolder(iniFolder)) {
        paths.settingsFile = QDir(iniFolder).filePath(QStringLiteral("label.ini"));
    } else {
        paths.settingsFile = QDir(userConfigFolder).filePath(QStringLiteral("label.ini"));
        paths.settingsFolderIsOurs = true;
    }

    const QString labFolder = root.filePath(QStringLiteral("lab"));
    paths.labFolder = overridden || isFolder(labFolder) ? labFolder : documentsFolder;
    return paths;
}

AppPaths systemAppPaths()
{
    return resolveAppPaths(QCoreApplication::applicationDirPath(), qEnvironmentVariable(kHomeVariable),
                           QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                           QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                           QDir::tempPath());
}
