#pragma once

#include <QtGlobal>

namespace norvel::test {

// This process's memory as the system counts it, in KiB (0 where it cannot tell).
qint64 residentKiB();     // resident now
qint64 peakResidentKiB(); // highest resident so far
// Bytes the C allocator has handed out and not had back: grows with every leak, whatever the
// allocator keeps cached.
qint64 heapInUseBytes();

} // namespace norvel::test
