#include "platform/win32/windows_api.h"
#include "platform/win32/win32_platform.h"

namespace platform::win32 {

bool Win32Desktop::IsOnAnyMonitor(const ScreenRect& rect) {
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    return ::MonitorFromRect(&area, MONITOR_DEFAULTTONULL) != nullptr;
}

} // namespace platform::win32
