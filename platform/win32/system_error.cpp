#include "platform/win32/system_error.h"

#include <cwctype>

#include "platform/error.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

std::wstring SystemErrorText(DWORD code) {
    UniqueLocalMemory buffer;
    // With ALLOCATE_BUFFER the function stores a pointer to its own allocation.
    DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
            FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<LPWSTR>(buffer.Put()), 0, nullptr);
    if (length == 0 || !buffer) return L"System error " + std::to_wstring(code) + L".";
    std::wstring text(static_cast<const wchar_t*>(buffer.Get()), length);
    // System messages end with a line break the message boxes should not show.
    while (!text.empty() && std::iswspace(text.back())) text.pop_back();
    return text;
}

void ThrowSystemError(DWORD code) { throw Error(SystemErrorText(code)); }

} // namespace platform::win32
