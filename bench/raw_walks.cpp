#include "bench/raw_walks.h"

#include <windows.h>

#include <shellapi.h>

#include <cwchar>

#include "platform/win32/unique_handle.h"

namespace bench {

namespace {

using platform::win32::NullIfInvalid;
using platform::win32::UniqueFind;

bool IsDots(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

bool EndsWith(const wchar_t* name, const std::wstring& suffix) {
    const std::size_t length = std::wcslen(name);
    return length >= suffix.size() &&
           suffix.compare(0, suffix.size(), name + length - suffix.size()) == 0;
}

// Calls visit(fullPath, data) for every entry below folder, depth first, a folder's
// entries before the folder itself.
template <class Visit> void Walk(const std::wstring& folder, Visit& visit) {
    WIN32_FIND_DATAW data;
    UniqueFind find(NullIfInvalid(FindFirstFileW((folder + L"\\*").c_str(), &data)));
    if (!find) return;
    do {
        if (IsDots(data.cFileName)) continue;
        const std::wstring full = folder + L"\\" + data.cFileName;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Walk(full, visit);
        visit(full, data);
    } while (FindNextFileW(find.Get(), &data));
}

// The shell tells the desktop of each deletion; a loop that never looks at its queue
// could leave the shell waiting on this thread, and the baseline must not be slowed so.
void ServeQueue() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

bool IsFolder(const WIN32_FIND_DATAW& data) {
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace

std::size_t RawList(const std::wstring& folder) {
    std::size_t files = 0;
    auto visit = [&](const std::wstring&, const WIN32_FIND_DATAW& data) {
        if (!IsFolder(data)) ++files;
    };
    Walk(folder, visit);
    return files;
}

std::uint64_t RawListBytes(const std::wstring& folder) {
    std::uint64_t bytes = 0;
    auto visit = [&](const std::wstring&, const WIN32_FIND_DATAW& data) {
        if (!IsFolder(data))
            bytes += (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    };
    Walk(folder, visit);
    return bytes;
}

std::size_t RawDeleteMatching(const std::wstring& folder, const std::wstring& suffix) {
    std::size_t deleted = 0;
    auto visit = [&](const std::wstring& full, const WIN32_FIND_DATAW& data) {
        if (!IsFolder(data) && EndsWith(data.cFileName, suffix) && DeleteFileW(full.c_str()))
            ++deleted;
    };
    Walk(folder, visit);
    return deleted;
}

std::size_t RawDeleteTree(const std::wstring& folder) {
    std::size_t deleted = 0;
    auto visit = [&](const std::wstring& full, const WIN32_FIND_DATAW& data) {
        if (IsFolder(data))
            RemoveDirectoryW(full.c_str());
        else if (DeleteFileW(full.c_str()))
            ++deleted;
    };
    Walk(folder, visit);
    return deleted;
}

std::size_t RawRecycle(const std::vector<std::wstring>& files) {
    std::size_t recycled = 0;
    for (const std::wstring& path : files) {
        std::wstring from = path;
        from.push_back(L'\0'); // the list of names ends with an empty one
        SHFILEOPSTRUCTW operation{};
        operation.wFunc = FO_DELETE;
        operation.pFrom = from.c_str();
        operation.fFlags = FOF_ALLOWUNDO | FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
        if (SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted) ++recycled;
        ServeQueue();
    }
    return recycled;
}

} // namespace bench
