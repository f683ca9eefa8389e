#include <cwchar>

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

std::wstring Win32Processes::UserName() {
    // Room for the longest name Windows itself allows (UNLEN) to start; a longer one,
    // which other systems may hand over, gets the size the call asks for.
    DWORD size = 257;
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::wstring name(size, L'\0');
        DWORD capacity = size;
        if (::GetUserNameW(name.data(), &capacity)) {
            name.resize(std::wcslen(name.c_str()));
            return name;
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || capacity <= size) return {};
        size = capacity;
    }
    return {};
}

std::wstring Win32Processes::ProgramPath() {
    // The call gives no size; a result that fills the buffer may have been cut short, so
    // the buffer grows until there is room to spare, up to the longest path there is.
    for (DWORD size = MAX_PATH; size <= 0x10000; size *= 2) {
        std::wstring path(size, L'\0');
        const DWORD written = ::GetModuleFileNameW(nullptr, path.data(), size);
        if (written == 0) return {};
        if (written < size) {
            path.resize(written);
            return path;
        }
    }
    return {};
}

} // namespace platform::win32
