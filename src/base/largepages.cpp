#include "base/largepages.h"

#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#if defined(Q_OS_LINUX) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
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

#if defined(Q_OS_LINUX) && defined(__GLIBC__)
namespace {

// Where the heap begins (the system's start_brk, the 47th field of /proc/self/stat); 0 when
// the system does not say.
std::uintptr_t heapStart()
{
    std::FILE *stat = std::fopen("/proc/self/stat", "r");
    if (!stat)
        return 0;
    char line[1024] = {};
    const bool read = std::fgets(line, sizeof line, stat) != nullptr;
    std::fclose(stat);
    // The program's name, in parentheses, may hold blanks: fields are counted after it.
    const char *field = read ? std::strrchr(line, ')') : nullptr;
    unsigned long long value = 0;
    for (int number = 2; field && number < 47; ++number)
        field = std::strchr(field + 1, ' ');
    return field && std::sscanf(field, " %llu", &value) == 1 ? std::uintptr_t(value) : 0;
}

} // namespace
#endif

bool useLargePagesForHeap()
{
#if defined(Q_OS_LINUX) && defined(__GLIBC__)
    static const bool advised = [] {
        constexpr int kGrowth = 32 << 20;
        constexpr int kLargestFromHeap = 4 << 20;
        mallopt(M_TOP_PAD, kGrowth);
        mallopt(M_MMAP_THRESHOLD, kLargestFromHeap);
        mallopt(M_TRIM_THRESHOLD, 2 * kGrowth);
        // One growth now, so that the advice covers the room start-up then fills; the heap
        // keeps that room when the block is freed. (Volatile: a block never used is otherwise
        // never asked for.)
        void *volatile block = std::malloc(1 << 20);
        std::free(block);
        const std::uintptr_t start = heapStart();
        const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
        const std::uintptr_t from = (start + kLargePageBytes - 1) & ~(kLargePageBytes - 1);
        const std::uintptr_t to = end & ~(kLargePageBytes - 1);
        return start != 0 && to > from &&
               madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE) == 0;
    }();
    return advised;
#else
    return false;
#endif
}

} // namespace norvel
