#pragma once
// Raw file calls in the \\?\ form for the Windows tests: they build and examine trees
// without going through the code under test.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"
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

inline bool MakeFolder(const std::wstring& path) {
    return ::CreateDirectoryW(Raw(path).c_str(), nullptr) != FALSE;
}

// Takes a tree away without entering links: a junction goes as itself.
inline void RemoveTree(const std::wstring& path) {
    const std::wstring raw = Raw(path);
    DWORD attributes = ::GetFileAttributesW(raw.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    ::SetFileAttributesW(raw.c_str(), FILE_ATTRIBUTE_NORMAL);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        ::DeleteFileW(raw.c_str());
        return;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        WIN32_FIND_DATAW found{};
        UniqueFind find(NullIfInvalid(::FindFirstFileW((raw + L"\\*").c_str(), &found)));
        for (bool more = bool(find); more; more = ::FindNextFileW(find.Get(), &found)) {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") RemoveTree(path + L"\\" + name);
        }
    }
    ::RemoveDirectoryW(raw.c_str());
}

// A test working in a scratch folder of its own below the temporary folder, named after
// the test and removed afterwards, with the real file and shell services.
class ScratchFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        ASSERT_GT(::GetTempPathW(MAX_PATH + 1, temp), 0u);
        std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        root_ = std::wstring(temp) + L"tidyhawk-" + std::wstring(test.begin(), test.end()) + L"-" +
                std::to_wstring(::GetCurrentProcessId());
        RemoveTree(root_);
        ASSERT_TRUE(MakeFolder(root_));
    }
    void TearDown() override {
        RemoveTree(root_);
        EXPECT_FALSE(Exists(root_)) << "scratch folder left behind";
    }
    std::wstring In(const std::wstring& name) const { return root_ + L"\\" + name; }

    Win32FileSystem files_;
    Win32Shell shell_;
    std::wstring root_;
};

} // namespace platform::win32::testing_support
