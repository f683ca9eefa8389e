#include "platform/win32/windows_api.h"
#include "platform/win32/win32_platform.h"

namespace platform::win32 {

bool Win32FileSystem::DirectoryExists(const std::wstring& path) {
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::FileExists(const std::wstring& path) {
    // A folder is not a file, even though the same call finds both.
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::MakeDirectory(const std::wstring& path) {
    return ::CreateDirectoryW(path.c_str(), nullptr) != FALSE;
}

std::wstring Win32FileSystem::CurrentDirectory() {
    // Another thread may change the directory between the size query and the read; a
    // result that no longer fits reports the new size, so ask again.
    std::wstring text;
    DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
    while (needed > text.size()) {
        text.assign(needed, L'\0');
        needed = ::GetCurrentDirectoryW(static_cast<DWORD>(text.size()), text.data());
        if (needed == 0) return {};
        if (needed < text.size()) {
            text.resize(needed);
            return text;
        }
    }
    return {};
}

} // namespace platform::win32
