#pragma once

#include <QString>

// Where the program keeps its files. A portable install has the folders ini/ and lab/ beside the
// executable (the build makes them); otherwise the user's configuration and documents folders serve.
struct AppPaths {
    QString programFolder;
    QString settingsFile; // label.ini
    bool settingsFolderIsOurs = false; // true when the folder may be created on the first write
    QString labFolder;    // first folder of the label file dialogs
    QString tempFolder;   // parent of the folder "label" that holds the per-run scratch folders
};

// The environment variable that points settings and label folder at another root, as if it were the
// program's folder (tests and trial runs use it).
inline constexpr const char* kHomeVariable = "VORTELLE_HOME";

// Pure rule: root is homeOverride when given, otherwise programFolder. root/ini/label.ini when
// root/ini exists (or an override is given); otherwise userConfigFolder/label.ini. Likewise root/lab,
// falling back to documentsFolder.
AppPaths resolveAppPaths(const QString& programFolder, const QString& homeOverride,
                         const QString& userConfigFolder, const QString& documentsFolder,
                         const QString& tempFolder);

// The paths of this run: the executable's folder, the environment, Qt's standard locations.
AppPaths systemAppPaths();
