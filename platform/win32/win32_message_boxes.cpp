#include "platform/win32/windows_api.h"
#include "platform/win32/win32_platform.h"

namespace platform::win32 {

int Win32MessageBoxes::Show(const std::wstring& text, const std::wstring& caption,
                            unsigned flags) {
    // No owner: the boxes must work before the main window exists and after it closed.
    return ::MessageBoxW(nullptr, text.c_str(), caption.c_str(), flags);
}

} // namespace platform::win32
