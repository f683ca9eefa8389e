#pragma once
#include <string>

namespace bench {

// Starts a program and waits until a top-level window of it is shown and painted;
// returns the seconds from the launch, then closes the program.
double LaunchToFirstPaint(const std::wstring& program);

} // namespace bench
