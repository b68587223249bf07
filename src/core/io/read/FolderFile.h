#pragma once

#include <QByteArray>
#include <QString>

namespace lumeno {

// A file a model names beside it (a material library, a texture), read only when it is a
// regular file inside the model's folder.
struct FolderFile
{
    enum class Status { Read, Missing, Outside, TooLarge };
    Status status = Status::Missing;
    QByteArray bytes;
};

// Reads `path` (from PathInFolder or PathOfNameInFolder; empty for a name outside the folder)
// when it lies inside `folder`, its links followed, is a regular file and holds at most
// `maxBytes`. A pipe or a device is never opened.
FolderFile ReadFolderFile(const QString &folder, const QString &path, qint64 maxBytes);

} // namespace lumeno
