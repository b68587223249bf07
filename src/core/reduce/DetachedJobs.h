#pragma once

#include <chrono>
#include <condition_variable>
#include <exception>
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

    // Jobs 0 .. count-1 start in that order on up to `threads` threads (at least one). Where
    // the system gives no thread at all, each job runs on the caller's thread once awaited.
    DetachedJobs(int count, int threads, Job job) : state(std::make_shared<State>(count, std::move(job)))
    {
        for (int i = 0; i < std::min(std::max(threads, 1), count); ++i) {
            try {
                std::thread(Work, state).detach();
                ++started;
            } catch (const std::system_error &) {
                break; // no more threads to be had: those started take every job
            }
        }
    }

    ~DetachedJobs() { Abandon(); }
    DetachedJobs(const DetachedJobs &) = delete;
    DetachedJobs &operator=(const DetachedJobs &) = delete;

    // Waits for job `index` while `cancelled` (polled every few milliseconds) answers false.
    // `finished` is told on this thread how many jobs have ended whenever that number grows.
    // Nothing when it was cancelled or abandoned first; what the job threw (std::bad_alloc
    // above all) is thrown here.
    std::optional<Result> Await(int index, const std::function<bool()> &cancelled,
                                const std::function<void(int finished)> &finished = {})
    {
        if (started == 0)
            while (!cancelled || !cancelled()) {
                if (!RunNext(*state))
                    break;
                const std::lock_guard<std::mutex> lock(state->mutex);
                if (state->done[size_t(index)])
                    break;
            }
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
            if (state->done[size_t(index)]) {
                if (state->failures[size_t(index)])
                    std::rethrow_exception(state->failures[size_t(index)]);
                return std::move(state->results[size_t(index)]);
            }
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
        State(int count, Job work)
            : job(std::move(work)), done(size_t(count)), results(size_t(count)), failures(size_t(count))
        {
        }

        const Job job;
        std::mutex mutex;
        std::condition_variable changed;
        std::vector<bool> done; // a job that threw is done without a result
        std::vector<std::optional<Result>> results;
        std::vector<std::exception_ptr> failures; // what a job threw
        int next = 0;
        int finished = 0;
        bool abandoned = false;
    };

    static void Work(std::shared_ptr<State> state)
    {
        while (RunNext(*state)) {
        }
    }

    // Runs the next job that has not started; false when there is none (or all are abandoned).
    static bool RunNext(State &state)
    {
        int index;
        {
            const std::lock_guard<std::mutex> lock(state.mutex);
            if (state.abandoned || state.next >= int(state.done.size()))
                return false;
            index = state.next++;
        }
        std::optional<Result> result;
        std::exception_ptr failure;
        try {
            result = state.job(index);
        } catch (...) {
            failure = std::current_exception(); // std::bad_alloc above all
        }
        {
            const std::lock_guard<std::mutex> lock(state.mutex);
            state.results[size_t(index)] = std::move(result);
            state.failures[size_t(index)] = std::move(failure);
            state.done[size_t(index)] = true;
            ++state.finished;
        }
        state.changed.notify_all();
        return true;
    }

    std::shared_ptr<State> state;
    int started = 0; // threads
};

} // namespace lumeno
