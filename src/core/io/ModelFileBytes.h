#pragma once

#include <QString>

#include <algorithm>
#include <memory>
#include <string_view>

namespace lumeno {

enum class FileAccess {
    Read,
    Missing,    // nothing under that name
    Folder,     // a folder named like a model file
    NotRegular, // a pipe, device or socket: reading it could block for ever or never end
    Empty,      // zero bytes
    Unreadable, // it exists but cannot be opened or read (permissions, an I/O error)
    Changed,    // its size changed while it was read: another program is writing it
    TooLarge,   // more than this process can hold in memory
};

// A file's bytes, held without a size limit of Qt's containers (2 GiB) and not initialised
// before they are read.
class Bytes
{
public:
    Bytes() = default;
    explicit Bytes(size_t size) : data(new char[size]), size(size) {}
    char *Data() { return data.get(); }
    size_t Size() const { return size; }
    void Shorten(size_t newSize) { size = std::min(size, newSize); }
    std::string_view View() const { return {data.get(), size}; }

private:
    std::unique_ptr<char[]> data;
    size_t size = 0;
};

struct FileBytes
{
    Bytes bytes; // the whole file, when access is Read
    FileAccess access = FileAccess::Missing;
    QString systemError; // the system's words for Unreadable
};

// Reads the whole file into memory, so that everything after it (the checks and the reader)
// sees one set of bytes that no other program can change or cut short. Anything but a regular
// file is refused before it is opened for reading: opening is non-blocking, so that a pipe
// without a writer cannot stall the caller.
FileBytes ReadModelFileBytes(const QString &path);

} // namespace lumeno
