#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {

Point Win32Cursor::Position() {
    // Fails only on a desktop this process may not read; the origin stands in then.
    POINT position{};
    if (!::GetCursorPos(&position)) return Point{};
    return Point{position.x, position.y};
}

void Win32Cursor::MoveTo(const Point& p) {
    ::SetCursorPos(p.x, p.y);
}

} // namespace platform::win32
