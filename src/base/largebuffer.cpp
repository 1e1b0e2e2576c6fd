#include "base/largebuffer.h"

#include <QtGlobal>

#include <cstdlib>
#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#endif

namespace norvel {

void *allocateLargeBuffer(std::size_t bytes)
{
    // Whole large pages, aligned on one, so that every page of the buffer can be a large one.
    const std::size_t length = (bytes + kLargePageBytes - 1) / kLargePageBytes * kLargePageBytes;
    void *buffer = nullptr;
    if (length == 0 || posix_memalign(&buffer, kLargePageBytes, length) != 0)
        return nullptr;
#if defined(Q_OS_LINUX)
    // Only advice: where the system has no large page to give, small ones serve as before.
    madvise(buffer, length, MADV_HUGEPAGE);
#endif
    return buffer;
}

void freeLargeBuffer(void *buffer)
{
    std::free(buffer);
}

} // namespace norvel
