#include "BatchJobs.h"

#include "io/read/MemoryNeed.h"

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

int64_t MemoryForJobs()
{
    int64_t available = lumeno::AvailableMemory();
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
    if (!QFileInfo(path).isFile())
        return -1;
    return lumeno::EstimatedMemoryNeed(path).bytes;
}

int JobsForBatch(const QStringList &inputs, int asked)
{
    if (asked > 0)
        return std::max(1, std::min(asked, int(inputs.size())));
    int64_t largest = 0;
    for (const QString &input : inputs)
        largest = std::max(largest, NeededBytesForModel(input));
    return JobsThatFit(UsableCores(), MemoryForJobs(), largest, int(inputs.size()));
}
