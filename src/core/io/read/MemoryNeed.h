#pragma once

#include <QString>
#include <QtGlobal>

#include <string_view>

namespace lumeno {

// Who opens the model: the command line, which reads it and makes its levels, or the window,
// which also draws them.
enum class MemoryUse { Levels, Window };

// The drawing limit of the window where drawing a model in full would not fit into memory:
// above it, its views draw a proxy of so many triangles. About one per pixel of a 1920 x 1080
// screen: little detail is lost but when zoomed in, and each view's buffers stay below 100 MB.
constexpr qint64 ProxyTriangles = 2'000'000;

// What a model file will need before it is read: its triangles and the memory of opening it
// and making its nine levels.
struct MemoryNeed
{
    qint64 triangles = 0;   // 0 for a file that cannot be read or has no model suffix
    bool counted = false;   // the file's header counts them (binary STL, PLY, OFF), else from its size
    qint64 bytes = 0;       // peak resident memory of reading the model and making its levels
    // The same in the window, which also holds the model and its levels drawn in both views.
    qint64 windowBytes = 0;
    // The least the window needs: drawing in both views a proxy of ProxyTriangles instead
    // of a larger model (or level), as it does when drawing it in full would not fit.
    qint64 windowProxyBytes = 0;
    qint64 BytesFor(MemoryUse use) const { return use == MemoryUse::Window ? windowProxyBytes : bytes; }
};

// From the file's first bytes and size alone (QFile::map, so only the header is read): a
// binary STL's records, a PLY file's faces, an OFF file's face count; for the other formats
// (and a header that claims more than the file can hold) the file's size over what a triangle
// takes in that format. The bytes follow from the triangles by coefficients measured on the
// command line's levels and in the window (peak resident memory, VmHWM).
MemoryNeed EstimatedMemoryNeed(const QString &path);

// The same for a file's bytes, `suffix` in lower case; `bytes` may be its first 64 KiB only,
// `fileSize` giving the whole size.
MemoryNeed EstimatedMemoryNeed(std::string_view bytes, qint64 fileSize, const QString &suffix);

// The memory this process may take: what the system can give without swapping (MemAvailable of
// /proc/meminfo), within the limit of its control group (as Slurm's --mem and containers set
// it), in bytes; -1 where neither is known. A limit of the address space (ulimit -v) is not
// one of resident memory, to which the estimates compare: it is left to the caller.
qint64 AvailableMemory();

// Whether the need fits into the memory available; an unknown (negative) availability fits.
bool FitsInMemory(const MemoryNeed &need, qint64 available, MemoryUse use = MemoryUse::Levels);

// Whether the window may draw the model in full (windowBytes fits), rather than a proxy.
bool DrawsInFull(const MemoryNeed &need, qint64 available);

} // namespace lumeno
