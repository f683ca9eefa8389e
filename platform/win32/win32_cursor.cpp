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

void Win32Cursor::ShowBusy(bool busy) {
    // Holds while the call that blocks the window runs: no message is handled then, so
    // nothing sets the cursor back. The shared system cursors need no release.
    ::SetCursor(::LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

} // namespace platform::win32
