#include "io/read/ModelFileCopy.h"

#include "io/FilePaths.h"

#include <QDir>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumeno {

namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(int owned) : descriptor(owned) {}
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

FileCopy Failure(FileAccess access, int error = 0)
{
    FileCopy result;
    result.access = access;
    if (error != 0)
        result.systemError = QString::fromLocal8Bit(std::strerror(error));
    return result;
}

FileAccess KindOf(const struct stat &status)
{
    if (S_ISDIR(status.st_mode))
        return FileAccess::Folder;
    if (!S_ISREG(status.st_mode))
        return FileAccess::NotRegular;
    return status.st_size == 0 ? FileAccess::Empty : FileAccess::Copied;
}

bool SameState(const struct stat &before, const struct stat &after)
{
    return before.st_size == after.st_size && before.st_mtim.tv_sec == after.st_mtim.tv_sec &&
           before.st_mtim.tv_nsec == after.st_mtim.tv_nsec;
}

enum class Outcome { Done, ReadFailed, WriteFailed };

// Copies the source from its start to the end it has now, by reading and writing.
Outcome CopyByHand(int source, int target, qint64 &copied, int &error)
{
    std::vector<char> buffer(size_t(1) << 20);
    while (true) {
        const ssize_t got = ::pread(source, buffer.data(), buffer.size(), static_cast<off_t>(copied));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = errno;
            return Outcome::ReadFailed;
        }
        if (got == 0)
            return Outcome::Done;
        for (ssize_t written = 0; written < got;) {
            const ssize_t put = ::write(target, buffer.data() + written, static_cast<size_t>(got - written));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0) {
                error = errno;
                return Outcome::WriteFailed;
            }
            written += put;
        }
        copied += got;
    }
}

// Copies the source from its start to the end it has now, inside the system where it can
// (no pass through this process's memory; a shared extent on file systems that have them).
Outcome CopyToEnd(int source, int target, qint64 &copied, int &error)
{
    while (true) {
        loff_t from = copied;
        const ssize_t moved = ::copy_file_range(source, &from, target, nullptr, size_t(1) << 30, 0);
        if (moved > 0) {
            copied += moved;
            continue;
        }
        if (moved == 0)
            return Outcome::Done;
        if (errno == EINTR)
            continue;
        if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)
            return CopyByHand(source, target, copied, error);
        error = errno;
        // Which side failed is not told: the copy's side when the source still reads.
        char probe;
        return ::pread(source, &probe, 1, static_cast<off_t>(copied)) < 0 ? Outcome::ReadFailed
                                                                          : Outcome::WriteFailed;
    }
}

} // namespace

FileCopy CopyModelFile(const QString &path, const QString &suffix, QTemporaryFile &copy)
{
    const QByteArray nativePath = NativePath(path);
    if (nativePath.isEmpty())
        return Failure(FileAccess::Missing);
    struct stat status;
    if (::stat(nativePath.constData(), &status) != 0)
        return Failure(errno == ENOENT || errno == ENOTDIR ? FileAccess::Missing : FileAccess::Unreadable, errno);
    if (KindOf(status) != FileAccess::Copied)
        return Failure(KindOf(status));

    // The name may have been given to something else since: the open file itself is checked.
    const FileDescriptor source(::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (source.get() < 0)
        return Failure(errno == ENOENT ? FileAccess::Missing : FileAccess::Unreadable, errno);
    if (::fstat(source.get(), &status) != 0)
        return Failure(FileAccess::Unreadable, errno);
    if (KindOf(status) != FileAccess::Copied)
        return Failure(KindOf(status));

    copy.setFileTemplate(QDir::tempPath() + QStringLiteral("/lumeno3d-XXXXXX.") + suffix);
    if (!copy.open())
        return Failure(FileAccess::NoCopy);
    FileCopy result;
    int error = 0;
    switch (CopyToEnd(source.get(), static_cast<int>(copy.handle()), result.size, error)) {
    case Outcome::ReadFailed:
        return Failure(FileAccess::Unreadable, error);
    case Outcome::WriteFailed:
        return Failure(FileAccess::NoCopy, error);
    case Outcome::Done:
        break;
    }
    struct stat after;
    if (result.size != status.st_size || ::fstat(source.get(), &after) != 0 || !SameState(status, after))
        return Failure(FileAccess::Changed);
    result.access = FileAccess::Copied;
    return result;
}

} // namespace lumeno
