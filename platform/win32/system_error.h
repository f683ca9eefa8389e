#pragma once
#include <string>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// The system's own text for an error code, as Windows would show it to the user.
std::wstring SystemErrorText(DWORD code);

// Raises platform::Error carrying the system's text for the code.
[[noreturn]] void ThrowSystemError(DWORD code);

} // namespace platform::win32
