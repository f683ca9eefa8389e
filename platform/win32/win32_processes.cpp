#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {

unsigned Win32Processes::Run(const std::string& commandLine, int showState) {
    return ::WinExec(commandLine.c_str(), static_cast<UINT>(showState));
}

bool Win32Processes::UnderWow64() {
    // Looked up at run time: the first releases of Windows XP lack the function, and a
    // system without it has no 64-bit side either.
    using IsWow64ProcessCall = BOOL(WINAPI*)(HANDLE, PBOOL);
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    FARPROC found = kernel ? ::GetProcAddress(kernel, "IsWow64Process") : nullptr;
    if (!found) return false;
    // Through the generic function type, which the compiler accepts as a go-between.
    auto isWow64Process = reinterpret_cast<IsWow64ProcessCall>(reinterpret_cast<void (*)()>(found));
    BOOL wow64 = FALSE;
    return isWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

} // namespace platform::win32
