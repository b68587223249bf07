#include "BatchRun.h"

#include "Progress.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace {

void RunOneAfterAnother(int count, Progress &progress, const ModelWork &work, const OutcomeTaker &take)
{
    for (int model = 0; model < count; ++model) {
        const CommandOutcome outcome = work(model, 1, progress);
        progress.Clear();
        take(model, outcome);
    }
}

// The models done of the batch, on the shared bar (or a line each in a log).
class BatchBar
{
public:
    BatchBar(Progress &shown, int total) : progress(shown), count(total) {}

    // Called with the batch's lock held.
    void ModelDone()
    {
        ++done;
        Show();
    }
    void Show() { progress.Begin(QStringLiteral("%1 of %2 models done").arg(done).arg(count), double(done) / count); }

private:
    Progress &progress;
    int count;
    int done = 0;
};

} // namespace

std::vector<int> LargestFirst(const QStringList &files)
{
    std::vector<std::pair<qint64, int>> sized;
    for (int i = 0; i < files.size(); ++i)
        sized.emplace_back(QFileInfo(files[i]).size(), i);
    std::stable_sort(sized.begin(), sized.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    std::vector<int> order;
    for (const auto &entry : sized)
        order.push_back(entry.second);
    return order;
}

void RunBatch(int count, int jobs, const std::vector<int> &startOrder, Progress &progress, const ModelWork &work,
              const OutcomeTaker &take)
{
    if (jobs <= 1 || count <= 1)
        return RunOneAfterAnother(count, progress, work, take);

    std::mutex lock;
    std::condition_variable finished;
    std::vector<std::optional<CommandOutcome>> outcomes(static_cast<size_t>(count));
    std::atomic<int> next = 0;
    BatchBar bar(progress, count);
    const auto doModels = [&] {
        // Each job's own steps are not shown: the lines of several models would mix.
        Progress silent(Progress::Style::Silent);
        for (int started = next++; started < count; started = next++) {
            const int model = startOrder[size_t(started)];
            // Fewer models left than jobs: those that end first leave their cores to the last.
            CommandOutcome outcome = work(model, std::min(jobs, count - started), silent);
            const std::lock_guard<std::mutex> guard(lock);
            outcomes[size_t(model)] = std::move(outcome);
            bar.ModelDone();
            finished.notify_all();
        }
    };

    {
        const std::lock_guard<std::mutex> guard(lock);
        bar.Show();
    }
    std::vector<std::thread> workers;
    for (int job = 0; job < jobs; ++job) {
        try {
            workers.emplace_back(doModels);
        } catch (const std::system_error &) {
            break; // the system gives no more threads: those started do the batch
        }
    }
    if (workers.empty()) {
        progress.Clear();
        return RunOneAfterAnother(count, progress, work, take);
    }
    for (int model = 0; model < count; ++model) {
        std::unique_lock<std::mutex> guard(lock);
        finished.wait(guard, [&] { return outcomes[size_t(model)].has_value(); });
        const CommandOutcome outcome = std::move(*outcomes[size_t(model)]);
        outcomes[size_t(model)].reset();
        // What is printed comes on clean lines, the bar after it again.
        progress.Clear();
        take(model, outcome);
        if (model + 1 < count && progress.RedrawsInPlace())
            bar.Show();
    }
    for (std::thread &worker : workers)
        worker.join();
    progress.Clear();
}
