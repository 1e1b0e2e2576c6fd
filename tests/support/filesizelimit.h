#pragma once

#include <functional>

namespace norvel::test {

// Runs a write while no file may grow past the given size, as on a disk that fills up halfway;
// returns what the write returned.
bool withFileSizeLimit(long bytes, const std::function<bool()> &write);

} // namespace norvel::test
