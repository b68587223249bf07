#pragma once

#include "Commands.h"

#include <QStringList>

#include <functional>
#include <vector>

class Progress;

// Does one model of the batch: `jobsAtOnce` is how many models may run at the same time as it,
// itself included (for the threads it may take), `progress` the bar it may move.
using ModelWork = std::function<CommandOutcome(int model, int jobsAtOnce, Progress &progress)>;
// Takes a model's outcome, on the calling thread.
using OutcomeTaker = std::function<void(int model, const CommandOutcome &outcome)>;

// Does the models 0 .. count - 1 of a batch, `jobs` at a time, starting them in `startOrder`
// (several jobs only), and hands each outcome to `take` in the models' own order, as soon as it
// and all before it are done: what is printed of them comes whole and in order. One job does the
// models one after the other on this thread, each moving `progress` itself; several show on
// `progress` how many models are done.
void RunBatch(int count, int jobs, const std::vector<int> &startOrder, Progress &progress, const ModelWork &work,
              const OutcomeTaker &take);

// The models from the largest file to the smallest: started so, the last to end are small and
// the jobs end about together.
std::vector<int> LargestFirst(const QStringList &files);
