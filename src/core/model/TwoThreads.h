#pragma once

#include <cstddef>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>

namespace lumeno {

// Runs here() on this thread and there() on a thread of its own at the same time; returns when
// both have ended, throwing what either threw. Where the system gives no thread (short of
// memory or of threads), there() runs after here() on this thread: the two must not wait for
// each other.
template <typename Here, typename There>
void AtOnce(Here &&here, There &&there)
{
    std::exception_ptr failure;
    const auto runThere = [&] {
        try {
            there();
        } catch (...) {
            failure = std::current_exception();
        }
    };
    std::optional<std::thread> second;
    try {
        second.emplace(runThere);
    } catch (const std::system_error &) {
    }
    try {
        here();
    } catch (...) {
        if (second)
            second->join();
        throw;
    }
    if (second)
        second->join();
    else
        there();
    if (failure)
        std::rethrow_exception(failure);
}

// Runs work(begin, end) over [0, count), the second half on a thread of its own when there is
// enough to gain from it (a level's arrays; not a small model's). Each half must write only its
// own part.
template <typename Work>
void InTwoHalves(size_t count, Work &&work)
{
    constexpr size_t Enough = 1 << 16;
    if (count < Enough || std::thread::hardware_concurrency() < 2)
        work(size_t(0), count);
    else
        AtOnce([&] { work(size_t(0), count / 2); }, [&] { work(count / 2, count); });
}

} // namespace lumeno
