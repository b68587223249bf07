#pragma once

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace lumeno {

struct FileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};
// A file opened for writing, closed when it goes out of scope.
using OutputFile = std::unique_ptr<std::FILE, FileCloser>;

// Closes the file now: false when that failed (the last bytes may not have reached it).
inline bool Close(OutputFile &file)
{
    return std::fclose(file.release()) == 0;
}

// Output collected in blocks of a megabyte that go to the file whole: writers of millions of
// numbers make a few hundred calls instead of millions. A failed write is kept, with its errno.
class BlockFile
{
public:
    static constexpr size_t BlockSize = 1 << 20;

    explicit BlockFile(std::FILE *output) : file(output), block(BlockSize) {}

    // Room for `length` more bytes (at most BlockSize), to be written through the pointer.
    char *Take(size_t length)
    {
        if (used + length > block.size())
            Flush();
        char *at = block.data() + used;
        used += length;
        return at;
    }

    // Returns the last `length` bytes taken and not written.
    void GiveBack(size_t length) { used -= length; }

    void Bytes(const void *data, size_t length) { std::memcpy(Take(length), data, length); }

    // Writes what is left; false when any part did not reach the file.
    bool Finish()
    {
        Flush();
        if (!failed && std::fflush(file) != 0) {
            failed = true;
            writeErrno = errno;
        }
        return !failed;
    }

    int Errno() const { return writeErrno; }

private:
    void Flush()
    {
        if (used > 0 && !failed && std::fwrite(block.data(), 1, used, file) != used) {
            failed = true;
            writeErrno = errno;
        }
        used = 0;
    }

    std::FILE *file;
    std::vector<char> block;
    size_t used = 0;
    bool failed = false;
    int writeErrno = 0;
};

} // namespace lumeno
