#include "io/read/MemoryNeed.h"

#include "io/read/ModelFileCheck.h"
#include "io/read/TextWords.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <vector>

namespace lumeno {

namespace {

// Peak resident memory of `lumeno3d-cli levels --no-measure` over the triangles, fitted to
// runs of 1.24, 4.95 and 19.8 million triangles (a Loop-subdivided torus: 297 MB, 823 MB and
// 3.11 GB; the peak comes with the levels, not the reading, so binary STL and PLY need the
// same), set a little above each and above 12.16 GB at 79.1 million: the program, its
// libraries and what does not grow with the model, then per triangle the levels' arrays.
constexpr qint64 ProgramBytes = qint64(110) << 20;
constexpr qint64 BytesPerTriangle = 153;

// The window's peak from opening a model until its nine levels are made and shown, under Xvfb
// with Mesa's software OpenGL (which keeps its own copy of what it draws): 715 MB at 1.24 and
// 1.88 GB at 4.95 million triangles of the same torus, set a little above both. Per triangle,
// twice the command line's: the model stays whole for drawing, and each view's buffers hold
// its points, normals and triangles again.
constexpr qint64 WindowProgramBytes = qint64(330) << 20;
constexpr qint64 WindowBytesPerTriangle = 330;

// The window where drawing in full would not fit: it draws proxies of ProxyTriangles, keeps
// the levels in files while the reducer runs and measures them after it, so the peak is the
// larger of the reducer's and the levels' instead of their sum. Fitted to 1.43 GB at 4.95
// million triangles (proxies forced; those of six levels add 0.2 GB there) and 15.8 GB at
// 79.1 million, set a little above both.
constexpr qint64 WindowProxyBytesPerTriangle = 200;

// What a triangle takes in the formats whose header gives no count, as the writers here write
// them (a mesh of about one point for two triangles, without attributes); others write more
// (normals, texture coordinates), so the estimate errs on the side of fewer triangles.
qint64 FileBytesPerTriangle(const QString &suffix)
{
    if (suffix == QLatin1String("stl"))
        return 230; // ASCII
    if (suffix == QLatin1String("obj"))
        return 38;
    if (suffix == QLatin1String("off"))
        return 39;
    if (suffix == QLatin1String("glb"))
        return 18;
    if (suffix == QLatin1String("gltf"))
        return 24; // its buffers embedded
    if (suffix == QLatin1String("3mf"))
        return 11; // compressed
    if (suffix == QLatin1String("ply"))
        return 19; // binary
    return 0;
}

std::string_view HeaderLines(std::string_view bytes)
{
    return bytes.substr(0, std::min<size_t>(bytes.size(), 1 << 16));
}

bool ParseCount(std::string_view word, qint64 &count)
{
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), count);
    return error == std::errc() && end == word.data() + word.size() && count >= 0;
}

// The faces a PLY header counts, or -1 without a header.
qint64 PlyFaces(std::string_view bytes)
{
    const std::string_view header = HeaderLines(bytes);
    if (header.substr(0, 3) != "ply")
        return -1;
    qint64 faces = 0;
    for (size_t at = 0; at < header.size();) {
        const size_t end = std::min(header.size(), header.find('\n', at));
        const std::vector<std::string_view> words = Words(header.substr(at, end - at));
        at = end + 1;
        if (!words.empty() && words[0] == "end_header")
            return faces;
        if (words.size() >= 2 && words[0] == "element" && words[1] == "face" &&
            (words.size() < 3 || !ParseCount(words[2], faces)))
            return -1;
    }
    return -1;
}

// The faces an OFF header counts ("OFF", then the counts of vertices, faces and edges, on the
// same line or the next that is not a comment), or -1.
qint64 OffFaces(std::string_view bytes)
{
    const std::string_view header = HeaderLines(bytes);
    std::vector<std::string_view> words;
    for (size_t at = 0; at < header.size() && words.size() < 3;) {
        const size_t end = std::min(header.size(), header.find('\n', at));
        std::string_view line = header.substr(at, end - at);
        at = end + 1;
        line = line.substr(0, line.find('#'));
        AppendWords(line, words);
        if (!words.empty() && words.front().find("OFF") != std::string_view::npos)
            words.erase(words.begin());
    }
    qint64 faces = 0;
    return words.size() >= 2 && ParseCount(words[1], faces) ? faces : -1;
}

} // namespace

MemoryNeed EstimatedMemoryNeed(std::string_view bytes, qint64 fileSize, const QString &suffix)
{
    MemoryNeed need;
    const qint64 perTriangleInFile = FileBytesPerTriangle(suffix);
    if (perTriangleInFile == 0 || fileSize <= 0)
        return need;
    qint64 counted = -1;
    if (suffix == QLatin1String("stl") && IsBinaryStl(bytes) && fileSize >= 84)
        counted = (fileSize - 84) / 50; // every record is read, whatever the count says
    else if (suffix == QLatin1String("ply"))
        counted = PlyFaces(bytes);
    else if (suffix == QLatin1String("off"))
        counted = OffFaces(bytes);
    // A face takes four bytes at least (a one-byte count and three one-byte indices, or "3 0 1 2"
    // as text): a count beyond that is a damaged file's, which the reader refuses.
    need.counted = counted >= 0 && counted <= fileSize / 4;
    need.triangles = need.counted ? counted : fileSize / perTriangleInFile;
    need.bytes = ProgramBytes + BytesPerTriangle * need.triangles;
    need.windowBytes = WindowProgramBytes + WindowBytesPerTriangle * need.triangles;
    // Up to ProxyTriangles, where no proxy is drawn, the same as drawing in full.
    need.windowProxyBytes =
        std::min(need.windowBytes, WindowProgramBytes + WindowProxyBytesPerTriangle * need.triangles +
                                       (WindowBytesPerTriangle - WindowProxyBytesPerTriangle) * ProxyTriangles);
    return need;
}

MemoryNeed EstimatedMemoryNeed(const QString &path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    // Mapped whole, of which only the header's pages are read.
    const qint64 size = file.size();
    const uchar *mapped = size > 0 ? file.map(0, size) : nullptr;
    QByteArray read;
    if (!mapped)
        read = file.read(1 << 16);
    const std::string_view bytes = mapped ? std::string_view(reinterpret_cast<const char *>(mapped), size_t(size))
                                          : std::string_view(read.constData(), size_t(read.size()));
    return EstimatedMemoryNeed(bytes, size, info.suffix().toLower());
}

namespace {

// MemAvailable of /proc/meminfo: what the system can give without swapping; -1 when not known.
qint64 SystemAvailableBytes()
{
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (!meminfo.open(QIODevice::ReadOnly))
        return -1;
    // Read whole: a file of /proc tells no size, so QFile::atEnd() holds before the first read.
    for (const QByteArray &line : meminfo.readAll().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() >= 2 && words[0] == "MemAvailable:") {
            bool ok = false;
            const qint64 kilobytes = words[1].toLongLong(&ok);
            return ok ? kilobytes * 1024 : -1;
        }
    }
    return -1;
}

qint64 NumberIn(const QString &path)
{
    QFile file(path);
    bool ok = false;
    const qint64 value = file.open(QIODevice::ReadOnly) ? file.readLine().trimmed().toLongLong(&ok) : 0;
    return ok ? value : -1;
}

// What is left below the memory limit of this process's control group (as Slurm's --mem and
// containers set it), of cgroup v2 or v1; -1 when there is none.
qint64 GroupAvailableBytes()
{
    QFile groups(QStringLiteral("/proc/self/cgroup"));
    if (!groups.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : groups.readAll().split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(':');
        if (fields.size() != 3)
            continue;
        const QString path = QString::fromLocal8Bit(fields[2]);
        qint64 limit = -1, used = -1; // a limit of "max" reads as none
        if (fields[0] == "0" && fields[1].isEmpty()) {
            limit = NumberIn(QStringLiteral("/sys/fs/cgroup%1/memory.max").arg(path));
            used = NumberIn(QStringLiteral("/sys/fs/cgroup%1/memory.current").arg(path));
        } else if (fields[1] == "memory") {
            limit = NumberIn(QStringLiteral("/sys/fs/cgroup/memory%1/memory.limit_in_bytes").arg(path));
            used = NumberIn(QStringLiteral("/sys/fs/cgroup/memory%1/memory.usage_in_bytes").arg(path));
        }
        if (limit >= 0 && used >= 0)
            return std::max<qint64>(0, limit - used);
    }
    return -1;
}

} // namespace

qint64 AvailableMemory()
{
    qint64 available = SystemAvailableBytes();
    const qint64 group = GroupAvailableBytes();
    if (group >= 0)
        available = available < 0 ? group : std::min(available, group);
    return available;
}

bool FitsInMemory(const MemoryNeed &need, qint64 available, MemoryUse use)
{
    return available < 0 || need.BytesFor(use) <= available;
}

bool DrawsInFull(const MemoryNeed &need, qint64 available)
{
    return available < 0 || need.windowBytes <= available;
}

} // namespace lumeno
