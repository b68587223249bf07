#include "io/read/FolderFile.h"

#include "io/read/FolderUri.h"

#include <QFile>
#include <QFileInfo>

#include <new>

namespace lumeno {

FolderFile ReadFolderFile(const QString &folder, const QString &path, qint64 maxBytes)
{
    FolderFile file;
    if (path.isEmpty()) {
        file.status = FolderFile::Status::Outside;
        return file;
    }
    const QFileInfo info(path);
    if (!info.exists())
        return file;
    if (!StaysInsideFolder(folder, path)) {
        file.status = FolderFile::Status::Outside;
        return file;
    }
    QFile opened(path);
    if (!info.isFile() || !opened.open(QIODevice::ReadOnly))
        return file;
    if (opened.size() > maxBytes) {
        file.status = FolderFile::Status::TooLarge;
        return file;
    }
    try {
        file.bytes = opened.read(maxBytes + 1);
    } catch (const std::bad_alloc &) {
        file.bytes.clear();
    }
    // A file that grew meanwhile past the bound, or could not be read whole, is not taken.
    if (file.bytes.size() > maxBytes || opened.error() != QFile::NoError) {
        file.status = file.bytes.size() > maxBytes ? FolderFile::Status::TooLarge : FolderFile::Status::Missing;
        file.bytes.clear();
        return file;
    }
    file.status = FolderFile::Status::Read;
    return file;
}

} // namespace lumeno
