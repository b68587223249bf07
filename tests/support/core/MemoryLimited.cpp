// memory_limited MEGABYTES PROGRAM [ARGUMENT...]: runs the program with its address space
// limited (RLIMIT_AS) to so many megabytes, as `ulimit -v` would, so that a test sees what
// the program does when memory runs short. Exit 125 when the limit cannot be set or the
// program not started.
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: memory_limited MEGABYTES PROGRAM [ARGUMENT...]\n");
        return 125;
    }
    const rlim_t bytes = rlim_t(std::strtoull(argv[1], nullptr, 10)) << 20;
    const rlimit limit{bytes, bytes};
    if (bytes == 0 || setrlimit(RLIMIT_AS, &limit) != 0) {
        std::perror("memory_limited: setrlimit");
        return 125;
    }
    execv(argv[2], argv + 2);
    std::perror("memory_limited: execv");
    return 125;
}
