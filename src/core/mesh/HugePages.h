#pragma once

#include <cstddef>

namespace lumeno {

// Asks for the large array at `data`, allocated but not yet written, to be backed by huge pages
// where the system offers them on request (transparent huge pages in "madvise" mode, as
// Debian's kernels ship). Its first writes then take a page fault every 2 MB instead of every
// 4 KB: on virtual machines a fault costs about 10 µs, and zeroing a 48 MB array took 0.16 s
// of the 0.25 s that setting up a 1.2M-triangle collapse took. Does nothing for arrays under
// a few megabytes, or where huge pages are not offered.
void AdviseHugePages(const void *data, size_t bytes);

// Reserves room for `count` values in the empty vector, on huge pages where offered.
template <typename Vector>
void ReserveOnHugePages(Vector &values, size_t count)
{
    values.reserve(count);
    AdviseHugePages(values.data(), count * sizeof(typename Vector::value_type));
}

} // namespace lumeno
