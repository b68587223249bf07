#include "io/ModelFileBytes.h"

#include "io/FilePaths.h"

#include <cerrno>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumeno {

namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(int descriptor) : descriptor(descriptor) {}
    ~FileDescriptor()
    {
        if (descriptor >= 0)
            ::close(descriptor);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return descriptor; }

private:
    int descriptor;
};

FileBytes Failure(FileAccess access, int error = 0)
{
    FileBytes result;
    result.access = access;
    if (error != 0)
        result.systemError = QString::fromLocal8Bit(std::strerror(error));
    return result;
}

// Reads up to `size` bytes at the start of the file; fewer only when the file ends first.
qint64 ReadUpTo(int descriptor, char *buffer, size_t size, int &error)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(descriptor, buffer + done, size - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = errno;
            return -1;
        }
        if (got == 0)
            break;
        done += static_cast<size_t>(got);
    }
    return static_cast<qint64>(done);
}

bool SameState(const struct stat &before, const struct stat &after)
{
    return before.st_size == after.st_size && before.st_mtim.tv_sec == after.st_mtim.tv_sec &&
           before.st_mtim.tv_nsec == after.st_mtim.tv_nsec;
}

} // namespace

FileBytes ReadModelFileBytes(const QString &path)
{
    const QByteArray nativePath = NativePath(path);
    if (nativePath.isEmpty())
        return Failure(FileAccess::Missing);
    struct stat status;
    if (::stat(nativePath.constData(), &status) != 0)
        return Failure(errno == ENOENT || errno == ENOTDIR ? FileAccess::Missing : FileAccess::Unreadable, errno);
    if (S_ISDIR(status.st_mode))
        return Failure(FileAccess::Folder);
    if (!S_ISREG(status.st_mode))
        return Failure(FileAccess::NotRegular);

    // The name may have been given to something else since: the open file itself is checked.
    const FileDescriptor file(::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return Failure(errno == ENOENT ? FileAccess::Missing : FileAccess::Unreadable, errno);
    if (::fstat(file.get(), &status) != 0)
        return Failure(FileAccess::Unreadable, errno);
    if (S_ISDIR(status.st_mode))
        return Failure(FileAccess::Folder);
    if (!S_ISREG(status.st_mode))
        return Failure(FileAccess::NotRegular);
    if (status.st_size == 0)
        return Failure(FileAccess::Empty);
    FileBytes result;
    try {
        // One byte more than the file holds, to notice a file that grows meanwhile.
        result.bytes = Bytes(static_cast<size_t>(status.st_size) + 1);
    } catch (const std::bad_alloc &) {
        return Failure(FileAccess::TooLarge);
    }
    int error = 0;
    const qint64 got = ReadUpTo(file.get(), result.bytes.Data(), result.bytes.Size(), error);
    if (got < 0)
        return Failure(FileAccess::Unreadable, error);
    struct stat after;
    if (got != status.st_size || ::fstat(file.get(), &after) != 0 || !SameState(status, after))
        return Failure(FileAccess::Changed);
    result.bytes.Shorten(static_cast<size_t>(got));
    result.access = FileAccess::Read;
    return result;
}

} // namespace lumeno
