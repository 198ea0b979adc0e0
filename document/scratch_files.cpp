#include "document/scratch_files.h"

#include "platform/whole_file.h"

bool writeScratchFile(const QString& path, const QByteArray& bytes)
{
    return writeWholeFile(path, bytes);
}
