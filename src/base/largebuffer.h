#pragma once

#include <cstddef>

namespace norvel {

// The size of a large page: a smaller buffer gains nothing from one.
constexpr std::size_t kLargePageBytes = std::size_t(2) << 20;

// Memory for one large buffer (a decoded picture), which the system may map in 2 MB pages
// instead of 4 KB ones. Filling a picture's few megabytes page by page costs a fault per
// 4 KB, and on some machines (virtual ones above all) each fault costs more than decoding the
// page's pixels. Null when there is no memory. Given back by freeLargeBuffer.
void *allocateLargeBuffer(std::size_t bytes);
void freeLargeBuffer(void *buffer);

} // namespace norvel
