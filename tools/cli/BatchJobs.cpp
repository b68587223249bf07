#include "BatchJobs.h"

#include "reduce/QualityReducer.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <sched.h>
#include <sys/resource.h>
#include <thread>

int JobsThatFit(int cores, int64_t availableBytes, int64_t neededBytesPerModel, int models)
{
    int64_t jobs = std::max(cores, 1);
    if (availableBytes >= 0 && neededBytesPerModel > 0)
        jobs = std::min(jobs, availableBytes / neededBytesPerModel);
    return int(std::max<int64_t>(1, std::min<int64_t>(jobs, std::max(models, 1))));
}

int EngineThreadsPerJob(int cores, int jobs)
{
    if (jobs <= 1)
        return 0;
    return std::max(1, cores / jobs);
}

std::unique_ptr<lumeno::Reducer> MakeCliReducer(lumeno::ReductionEngine engine, int threads)
{
    // The quality engine takes a second thread for large models unless held to one; the classic
    // engine (vtkDecimatePro) runs on the calling thread alone.
    if (engine == lumeno::ReductionEngine::Quality && threads == 1)
        return std::make_unique<lumeno::QualityReducer>(1);
    return lumeno::MakeReducer(engine);
}

int UsableCores()
{
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0)
        return std::max(1, CPU_COUNT(&allowed));
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

namespace {

// MemAvailable of /proc/meminfo: what the system can give without swapping; -1 when not known.
int64_t SystemAvailableBytes()
{
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (!meminfo.open(QIODevice::ReadOnly))
        return -1;
    // Read line by line: the file's size is not known in advance.
    while (!meminfo.atEnd()) {
        const QList<QByteArray> words = meminfo.readLine().simplified().split(' ');
        if (words.size() >= 2 && words[0] == "MemAvailable:") {
            bool ok = false;
            const int64_t kilobytes = words[1].toLongLong(&ok);
            return ok ? kilobytes * 1024 : -1;
        }
    }
    return -1;
}

int64_t NumberIn(const QString &path)
{
    QFile file(path);
    bool ok = false;
    const int64_t value = file.open(QIODevice::ReadOnly) ? file.readLine().trimmed().toLongLong(&ok) : 0;
    return ok ? value : -1;
}

// What is left below the memory limit of this process's control group (as Slurm's --mem and
// containers set it), of cgroup v2 or v1; -1 when there is none.
int64_t GroupAvailableBytes()
{
    QFile groups(QStringLiteral("/proc/self/cgroup"));
    if (!groups.open(QIODevice::ReadOnly))
        return -1;
    while (!groups.atEnd()) {
        const QList<QByteArray> fields = groups.readLine().trimmed().split(':');
        if (fields.size() != 3)
            continue;
        const QString path = QString::fromLocal8Bit(fields[2]);
        int64_t limit = -1, used = -1; // a limit of "max" reads as none
        if (fields[0] == "0" && fields[1].isEmpty()) {
            limit = NumberIn(QStringLiteral("/sys/fs/cgroup%1/memory.max").arg(path));
            used = NumberIn(QStringLiteral("/sys/fs/cgroup%1/memory.current").arg(path));
        } else if (fields[1] == "memory") {
            limit = NumberIn(QStringLiteral("/sys/fs/cgroup/memory%1/memory.limit_in_bytes").arg(path));
            used = NumberIn(QStringLiteral("/sys/fs/cgroup/memory%1/memory.usage_in_bytes").arg(path));
        }
        if (limit >= 0 && used >= 0)
            return std::max<int64_t>(0, limit - used);
    }
    return -1;
}

} // namespace

int64_t AvailableMemoryBytes()
{
    int64_t available = SystemAvailableBytes();
    const int64_t group = GroupAvailableBytes();
    if (group >= 0)
        available = available < 0 ? group : std::min(available, group);
    // A limit of the address space (ulimit -v) holds all jobs of this one process.
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        const int64_t space = int64_t(limit.rlim_cur);
        available = available < 0 ? space : std::min(available, space);
    }
    return available;
}

int64_t NeededBytesForModel(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return -1;
    // Measured on the levels of a million triangles with the quality engine (peak resident
    // size): a binary STL needs 8 times its size, a binary PLY 19; text formats hold fewer
    // triangles per byte, packed ones (3MF) more. Rounded up, with what the program needs of
    // its own.
    constexpr int64_t Program = int64_t(64) << 20;
    const QString suffix = file.suffix().toLower();
    const int64_t timesTheFile = suffix == QLatin1String("stl")                                    ? 10
                                 : suffix == QLatin1String("obj") || suffix == QLatin1String("off") ? 12
                                 : suffix == QLatin1String("3mf")                                   ? 60
                                                                                                    : 24;
    return Program + timesTheFile * file.size();
}

int JobsForBatch(const QStringList &inputs, int asked)
{
    if (asked > 0)
        return std::max(1, std::min(asked, int(inputs.size())));
    int64_t largest = 0;
    for (const QString &input : inputs)
        largest = std::max(largest, NeededBytesForModel(input));
    return JobsThatFit(UsableCores(), AvailableMemoryBytes(), largest, int(inputs.size()));
}
