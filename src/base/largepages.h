#pragma once

#include <cstddef>

namespace norvel {

// Memory the system may map in 2 MB pages instead of 4 KB ones. Each 4 KB page costs a fault
// the first time it is touched, and on some machines (virtual ones above all, as virtual
// desktops are) a fault costs more than whatever the program then writes into the page: a
// start-up that touches some thousands of pages spends most of its time in them.

// The size of a large page: a smaller buffer gains nothing from one.
constexpr std::size_t kLargePageBytes = std::size_t(2) << 20;

// Memory for one large buffer (a decoded picture). Null when there is no memory. Given back by
// freeLargeBuffer.
void *allocateLargeBuffer(std::size_t bytes);
void freeLargeBuffer(void *buffer);

// Lets the main heap, from here on, grow 32 MB at a time in memory advised for large pages,
// and serve blocks of up to 4 MB (a window's backing store, a report's page) itself rather
// than from mappings of their own. Once per process; nothing where the system has no such
// advice. Whether the heap is now so advised.
bool useLargePagesForHeap();

} // namespace norvel
