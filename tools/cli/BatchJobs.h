#pragma once

#include "reduce/Reducer.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

// How many models of a batch run at once, and how many threads each one's engine may use.

// The jobs that fit at once: one per core, as far as `availableBytes` holds `neededBytesPerModel`
// for each, and never more than `models`. At least one, even when one model does not fit: it
// runs, and fails on its own if it must.
int JobsThatFit(int cores, int64_t availableBytes, int64_t neededBytesPerModel, int models);

// The threads each job's engine may use so that all jobs together keep near the cores: 0 (the
// engine's own choice) for a job alone, else the cores shared out, one at least.
int EngineThreadsPerJob(int cores, int jobs);

// The engine's reducer, whose own threads are `threads` (EngineThreadsPerJob). The results are
// the same for any number.
std::unique_ptr<lumeno::Reducer> MakeCliReducer(lumeno::ReductionEngine engine, int threads);

// The cores this process may run on (its CPU affinity, which Slurm and taskset narrow), at least 1.
int UsableCores();

// The memory the jobs may take: lumeno::AvailableMemory within this process's address space
// limit; -1 when it is not known.
int64_t MemoryForJobs();

// What the levels or a reduction of the model in `path` may need at most, in bytes
// (lumeno::EstimatedMemoryNeed); -1 when the file cannot be looked at.
int64_t NeededBytesForModel(const QString &path);

// The jobs for the batch of `inputs`: those asked, else JobsThatFit for the largest model.
int JobsForBatch(const QStringList &inputs, int asked);
