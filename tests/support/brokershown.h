#pragma once

#include <functional>

namespace norvel::test {

class RunningProgram;

// Opens the broker window as its menu item does and runs the script while it is shown; a
// window the script leaves open is cancelled afterwards. False when the script never ran.
bool whileBrokerShown(RunningProgram &program, const std::function<void()> &script);

} // namespace norvel::test
