#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process or its children can grow beyond the given size:
// writes past it fail as on a full disk. Unlike permissions, this holds for root too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the process
        rlimit limited = saved;
        limited.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }
    bool IsActive() const { return active; }

private:
    rlimit saved{};
    bool active = false;
};
