#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace lumeno {

// Numbered jobs on threads of their own that the caller waits for only while it wants their
// results. Work that cannot be interrupted (one meshoptimizer simplification takes seconds on
// millions of triangles) is left behind when the caller stops waiting: no job starts any more,
// those running finish unseen, and their threads end by themselves. The threads hold the jobs
// and the results through shared ownership, so neither the caller's return nor the end of the
// process leaves them with freed data: a job must own everything it uses and touch no global
// state that the end of the process destroys (no VTK objects, no Qt).
template <typename Result>
class DetachedJobs
{
public:
    using Job = std::function<Result(int index)>;

    // Jobs 0 .. count-1 start in that order on up to `threads` threads (at least one).
    DetachedJobs(int count, int threads, Job job) : state(std::make_shared<State>(count, std::move(job)))
    {
        int started = 0;
        for (int i = 0; i < std::min(std::max(threads, 1), count); ++i) {
            try {
                std::thread(Work, state).detach();
                ++started;
            } catch (const std::system_error &) {
                break; // no more threads to be had: those started take every job
            }
        }
        if (started == 0)
            Abandon();
    }

    ~DetachedJobs() { Abandon(); }
    DetachedJobs(const DetachedJobs &) = delete;
    DetachedJobs &operator=(const DetachedJobs &) = delete;

    // Waits for job `index` while `cancelled` (polled every few milliseconds) answers false.
    // `finished` is told on this thread how many jobs have ended whenever that number grows.
    // Nothing when the job threw (out of memory), when it was cancelled or abandoned first.
    std::optional<Result> Await(int index, const std::function<bool()> &cancelled,
                                const std::function<void(int finished)> &finished = {})
    {
        int seen = -1;
        std::unique_lock<std::mutex> lock(state->mutex);
        for (;;) {
            if (state->finished != seen) {
                seen = state->finished;
                if (finished) {
                    lock.unlock();
                    finished(seen);
                    lock.lock();
                }
            }
            if (state->done[size_t(index)])
                return std::move(state->results[size_t(index)]);
            if (state->abandoned)
                return std::nullopt;
            lock.unlock();
            if (cancelled && cancelled())
                return std::nullopt;
            lock.lock();
            if (!state->done[size_t(index)] && state->finished == seen)
                state->changed.wait_for(lock, std::chrono::milliseconds(10));
        }
    }

    // No job starts any more; those running finish unseen.
    void Abandon()
    {
        const std::lock_guard<std::mutex> lock(state->mutex);
        state->abandoned = true;
    }

private:
    struct State
    {
        State(int count, Job work) : job(std::move(work)), done(size_t(count)), results(size_t(count)) {}

        const Job job;
        std::mutex mutex;
        std::condition_variable changed;
        std::vector<bool> done; // a job that threw is done without a result
        std::vector<std::optional<Result>> results;
        int next = 0;
        int finished = 0;
        bool abandoned = false;
    };

    static void Work(std::shared_ptr<State> state)
    {
        for (;;) {
            int index;
            {
                const std::lock_guard<std::mutex> lock(state->mutex);
                if (state->abandoned || state->next >= int(state->done.size()))
                    return;
                index = state->next++;
            }
            std::optional<Result> result;
            try {
                result = state->job(index);
            } catch (...) {
                // std::bad_alloc above all: the job ends without a result
            }
            {
                const std::lock_guard<std::mutex> lock(state->mutex);
                state->results[size_t(index)] = std::move(result);
                state->done[size_t(index)] = true;
                ++state->finished;
            }
            state->changed.notify_all();
        }
    }

    std::shared_ptr<State> state;
};

} // namespace lumeno
