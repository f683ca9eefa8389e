#pragma once
// Raw file calls in the \\?\ form for the Windows tests: they build and examine trees
// without going through the code under test.
#include <string>

#include "platform/win32/unique_handle.h"
#include "platform/win32/windows_api.h"

namespace platform::win32::testing_support {

inline std::wstring Raw(const std::wstring& fullPath) { return L"\\\\?\\" + fullPath; }

inline bool Exists(const std::wstring& fullPath) {
    return ::GetFileAttributesW(Raw(fullPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline bool WriteBytes(const std::wstring& path, const std::string& bytes) {
    UniqueKernelObject file(
        NullIfInvalid(::CreateFileW(Raw(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr)));
    DWORD written = 0;
    return file &&
           ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr) &&
           written == bytes.size();
}

} // namespace platform::win32::testing_support
