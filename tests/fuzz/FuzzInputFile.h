#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace fuzzing {

// A path in a folder of this process's own, removed when the process ends.
inline QString ScratchPath(const QString &name)
{
    static QTemporaryDir folder;
    return folder.filePath(name);
}

// Writes the fuzz input to a scratch file of the given name and returns its path.
inline QString WriteInput(const QString &name, const std::uint8_t *data, std::size_t size)
{
    const QString path = ScratchPath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        qFatal("cannot write the fuzz input to %s", qPrintable(path));
    return path;
}

} // namespace fuzzing
