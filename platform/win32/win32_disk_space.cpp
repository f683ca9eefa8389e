#include "platform/win32/windows_api.h"

#include <shellapi.h>

#include "platform/win32/system_library.h"
#include "platform/win32/win32_platform.h"

namespace platform::win32 {

std::optional<std::uint64_t> Win32DiskSpace::FreeBytes(const std::wstring& path) {
    // GetDiskFreeSpaceExW wants a folder; the volume's root answers for a file on it, or
    // for a path that is gone after a clean.
    wchar_t root[MAX_PATH + 1] = {};
    const bool found = ::GetVolumePathNameW(path.c_str(), root, MAX_PATH + 1) != FALSE;
    const std::wstring folder = found ? std::wstring(root) : path;
    ULARGE_INTEGER available{}, total{}, free{};
    if (!::GetDiskFreeSpaceExW(folder.c_str(), &available, &total, &free)) return std::nullopt;
    // The volume's whole free space, the figure Explorer shows for the drive, not the
    // share a disk quota leaves this user: what a clean frees is room on the volume, and
    // the user holds the figure against Explorer's.
    return static_cast<std::uint64_t>(free.QuadPart);
}

std::optional<RecycleBinContents> Win32DiskSpace::RecycleBins() {
    SHQUERYRBINFO info{};
    info.cbSize = sizeof(info);
    // No root path: the bins of every drive, added up by the shell.
    static auto* const query =
        ShellLibrary().Find<decltype(::SHQueryRecycleBinW)>("SHQueryRecycleBinW");
    if (!query || FAILED(query(nullptr, &info))) return std::nullopt;
    return RecycleBinContents{static_cast<std::uint64_t>(info.i64Size),
                              static_cast<std::uint64_t>(info.i64NumItems)};
}

} // namespace platform::win32
