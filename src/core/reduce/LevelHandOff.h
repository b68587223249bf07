#pragma once

#include "reduce/QualitySimplifier.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace lumeno {

// Levels made on one thread and taken on another, one at a time: the maker waits while a level
// is waiting, so the taker works on one level (assembles, writes, measures it) while the next is
// made. The taker asks the maker to stop; the maker notes its progress, which the taker tells.
// A level goes over with no reference to it left behind: VTK's reference counting of one object
// graph from two threads at once is not safe.
class LevelHandOff
{
public:
    using Level = QualitySimplifier::MadeLevel;

    // The maker: false when the taker asked to stop, and the level was not taken.
    bool Give(Level &&level)
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [this] { return !waiting || stopping; });
        if (stopping)
            return false;
        waiting.emplace(std::move(level));
        changed.notify_all();
        return true;
    }
    void Finish()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        finished = true;
        changed.notify_all();
    }
    void NoteProgress(double fraction) { progress = fraction; }
    bool Stopping() const { return stopping; }

    // The taker: the next level, or nothing when none came within `patience` (ask again) or
    // when the maker has finished (Finished()).
    std::optional<Level> Take(std::chrono::milliseconds patience)
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait_for(lock, patience, [this] { return waiting || finished; });
        std::optional<Level> taken = std::move(waiting);
        waiting.reset();
        changed.notify_all();
        return taken;
    }
    bool Finished()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        return finished && !waiting;
    }
    void Stop()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
        changed.notify_all();
    }
    double Progress() const { return progress; }

private:
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<Level> waiting;
    bool finished = false;
    std::atomic<bool> stopping{false};
    std::atomic<double> progress{0.0};
};

} // namespace lumeno
