#pragma once

#include <cstddef>
#include <exception>
#include <thread>

namespace lumeno {

// Runs work(begin, end) over [0, count), the second half on a thread of its own when there is
// enough to gain from it (a level's arrays; not a small model's). Each half must write only its
// own part.
template <typename Work>
void InTwoHalves(size_t count, Work &&work)
{
    constexpr size_t Enough = 1 << 16;
    if (count < Enough || std::thread::hardware_concurrency() < 2) {
        work(size_t(0), count);
        return;
    }
    std::exception_ptr failure;
    std::thread second([&] {
        try {
            work(count / 2, count);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    try {
        work(size_t(0), count / 2);
    } catch (...) {
        second.join();
        throw;
    }
    second.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace lumeno
