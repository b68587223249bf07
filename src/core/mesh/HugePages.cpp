#include "mesh/HugePages.h"

#include <cstdint>

#include <sys/mman.h>

namespace lumeno {

void AdviseHugePages(const void *data, size_t bytes)
{
    constexpr uintptr_t HugePage = uintptr_t(2) << 20;
    if (!data || bytes < 2 * HugePage)
        return;
    // Only whole huge pages inside the array: those around it may belong to other arrays.
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + HugePage - 1) & ~(HugePage - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(HugePage - 1);
#ifdef MADV_HUGEPAGE
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

} // namespace lumeno
