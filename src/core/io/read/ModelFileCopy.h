#pragma once

#include <QString>

#include <string_view>

class QTemporaryFile;

namespace lumeno {

enum class FileAccess {
    Copied,
    Missing,    // nothing under that name
    Folder,     // a folder named like a model file
    NotRegular, // a pipe, device or socket: reading it could block for ever or never end
    Empty,      // zero bytes
    Unreadable, // it exists but cannot be opened or read (permissions, an I/O error)
    Changed,    // its size or time changed while it was copied: another program is writing it
    NoCopy,     // the temporary folder takes no copy (full, or not writable)
};

struct FileCopy
{
    FileAccess access = FileAccess::Missing;
    qint64 size = 0;     // bytes copied
    QString systemError; // the system's words for Unreadable
};

// Copies the model file into `copy`, a new file of this user's only (QTemporaryFile: a random
// name, created exclusively) in the temporary folder, so that the checks and the reader see
// one set of bytes that no other program changes, cuts short or replaces meanwhile. Anything
// but a regular file is refused before it is opened for reading, and the opening does not
// block, so a pipe without a writer cannot stall the caller. The copy is made by the system
// (copy_file_range) where it can.
FileCopy CopyModelFile(const QString &path, const QString &suffix, QTemporaryFile &copy);

// The bytes of a mapped copy, which the reader's mends change in place.
struct Bytes
{
    char *data = nullptr;
    size_t size = 0;
    std::string_view View() const { return {data, size}; }
};

} // namespace lumeno
