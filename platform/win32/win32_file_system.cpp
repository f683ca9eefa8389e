#include <utility>

#include "platform/win32/long_path.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {
namespace {

DWORD AttributesOf(const std::wstring& path) {
    return ::GetFileAttributesW(ApiPath(path).c_str());
}

FindData ToFindData(const WIN32_FIND_DATAW& found) {
    FindData entry;
    entry.name = found.cFileName;
    entry.attributes = found.dwFileAttributes;
    entry.size = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    return entry;
}

// FindFirstFileW hands back the first entry with the handle; it waits here until the
// caller asks for it, and the next one is fetched ahead the same way.
class Win32DirectoryListing final : public DirectoryListing {
public:
    Win32DirectoryListing(UniqueFind find, const WIN32_FIND_DATAW& first)
        : find_(std::move(find)), pending_(first) {}

    bool Next(FindData& entry) override {
        if (!hasPending_) return false;
        entry = ToFindData(pending_);
        hasPending_ = ::FindNextFileW(find_.Get(), &pending_) != FALSE;
        return true;
    }

private:
    UniqueFind find_;
    WIN32_FIND_DATAW pending_;
    bool hasPending_ = true;
};

// The basic level skips the 8.3 names nobody here reads, and the large fetch asks the
// file system for many entries a call; systems older than Windows 7 know neither and
// refuse the parameters, so they get the plain call.
UniqueFind StartListing(const std::wstring& pattern, WIN32_FIND_DATAW& first) {
    UniqueFind find(NullIfInvalid(::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &first,
                                                     FindExSearchNameMatch, nullptr,
                                                     FIND_FIRST_EX_LARGE_FETCH)));
    if (!find && ::GetLastError() == ERROR_INVALID_PARAMETER)
        find = UniqueFind(NullIfInvalid(::FindFirstFileW(pattern.c_str(), &first)));
    return find;
}

} // namespace

bool Win32FileSystem::DirectoryExists(const std::wstring& path) {
    DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::FileExists(const std::wstring& path) {
    // A folder is not a file, even though the same call finds both.
    DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::MakeDirectory(const std::wstring& path) {
    return ::CreateDirectoryW(ApiPath(path, kMaxNewFolderPathLength).c_str(), nullptr) != FALSE;
}

std::wstring Win32FileSystem::CurrentDirectory() {
    return ReadPathText(
        [](wchar_t* buffer, DWORD size) { return ::GetCurrentDirectoryW(size, buffer); });
}

std::unique_ptr<DirectoryListing> Win32FileSystem::List(const std::wstring& pattern) {
    WIN32_FIND_DATAW first{};
    UniqueFind find = StartListing(ApiPath(pattern), first);
    if (!find) return nullptr;
    return std::make_unique<Win32DirectoryListing>(std::move(find), first);
}

bool Win32FileSystem::RemoveFile(const std::wstring& path) {
    return ::DeleteFileW(ApiPath(path).c_str()) != FALSE;
}

bool Win32FileSystem::RemoveFolder(const std::wstring& path) {
    return ::RemoveDirectoryW(ApiPath(path).c_str()) != FALSE;
}

bool Win32FileSystem::SetAttributes(const std::wstring& path, std::uint32_t attributes) {
    return ::SetFileAttributesW(ApiPath(path).c_str(), attributes) != FALSE;
}

bool Win32FileSystem::GetAttributes(const std::wstring& path, std::uint32_t& attributes) {
    DWORD found = AttributesOf(path);
    if (found == INVALID_FILE_ATTRIBUTES) return false;
    attributes = found;
    return true;
}

std::wstring Win32FileSystem::TempFolder() {
    std::wstring path =
        ReadPathText([](wchar_t* buffer, DWORD size) { return ::GetTempPathW(size, buffer); });
    if (!path.empty() && path.back() != L'\\') path += L'\\';
    return path;
}

std::wstring Win32FileSystem::WindowsFolder() {
    // The call counts in UINT where the others count in DWORD; both are 32 bits here.
    return ReadPathText(
        [](wchar_t* buffer, DWORD size) -> DWORD { return ::GetWindowsDirectoryW(buffer, size); });
}

} // namespace platform::win32

namespace platform::win32 {

std::optional<std::wstring> Win32FileSystem::FinalPath(const std::wstring& path) {
    // Backup semantics opens folders too; no access right is asked for, only the name.
    UniqueKernelObject file(
        NullIfInvalid(::CreateFileW(ApiPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)));
    if (!file) return std::nullopt;
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            ::GetFinalPathNameByHandleW(file.Get(), name.data(), static_cast<DWORD>(name.size()),
                                        FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (n == 0) return std::nullopt;
        if (n < name.size()) {
            name.resize(n);
            break;
        }
        name.resize(n + 1);
    }
    if (name.rfind(L"\\\\?\\UNC\\", 0) == 0)
        name = L"\\\\" + name.substr(8);
    else if (name.rfind(L"\\\\?\\", 0) == 0)
        name.erase(0, 4);
    while (name.size() > 3 && name.back() == L'\\')
        name.pop_back();
    return name;
}

std::wstring Win32FileSystem::LongPath(const std::wstring& path) {
    // A short name Windows makes from a long one holds a tilde and a number; a path
    // without a tilde has none to expand. Looking it up anyway costs a listing of every
    // folder on the way under Wine: milliseconds in a folder of a few thousand files.
    if (path.find(L'~') == std::wstring::npos) return path;
    const std::wstring api = ApiPath(path);
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            ::GetLongPathNameW(api.c_str(), name.data(), static_cast<DWORD>(name.size()));
        if (n == 0) return path;
        if (n < name.size()) {
            name.resize(n);
            break;
        }
        name.resize(n + 1);
    }
    if (name.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\\\" + name.substr(8);
    if (name.rfind(L"\\\\?\\", 0) == 0) name.erase(0, 4);
    return name;
}

bool Win32FileSystem::SameIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                  static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

} // namespace platform::win32
