#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace fuzzing {

// A path in a folder of this process's own, removed when the process ends.
inline QString ScratchPath(const QString &name)
{
    static QTemporaryDir folder;
    return folder.filePath(name);
}

} // namespace fuzzing
