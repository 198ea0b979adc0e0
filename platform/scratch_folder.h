#pragma once

#include <QString>

#include <optional>

enum class ScratchFolderError { CannotCreateParent, CannotCreateRunFolder };

struct ScratchFolderResult {
    QString path;                            // set on success
    std::optional<ScratchFolderError> error; // set on failure
};

// Makes the per-run scratch folder tempFolder/label/<stamp>. The run folder is always made new, with
// owner-only permissions, and never an existing folder or link taken over: a name that is taken
// (another run, or something another user planted in a shared temporary folder) gets a suffix
// "-1", "-2", … instead.
ScratchFolderResult createScratchFolder(const QString& tempFolder, const QString& stamp);

// Deletes the folder with everything in it; links inside are removed, never followed.
bool removeScratchFolder(const QString& path);
