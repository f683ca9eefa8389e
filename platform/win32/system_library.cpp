#include "platform/win32/system_library.h"

#include <string>

namespace platform::win32 {

FARPROC SystemLibrary::Address(const char* name) {
    if (!module_) {
        // By its full path: a bare name would be looked for beside the program first.
        wchar_t folder[MAX_PATH];
        const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        const std::wstring path = std::wstring(folder, length) + L"\\" + fileName_;
        module_.Reset(::LoadLibraryW(path.c_str()));
        if (!module_) return nullptr;
    }
    return ::GetProcAddress(module_.Get(), name);
}

SystemLibrary& CommonDialogLibrary() {
    static SystemLibrary library(L"comdlg32.dll");
    return library;
}

SystemLibrary& MultimediaLibrary() {
    static SystemLibrary library(L"winmm.dll");
    return library;
}

SystemLibrary& ShellLibrary() {
    static SystemLibrary library(L"shell32.dll");
    return library;
}

SystemLibrary& ShellUtilityLibrary() {
    static SystemLibrary library(L"shlwapi.dll");
    return library;
}

SystemLibrary& OleLibrary() {
    static SystemLibrary library(L"ole32.dll");
    return library;
}

} // namespace platform::win32
