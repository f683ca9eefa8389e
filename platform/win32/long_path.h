#pragma once
// Windows' file functions stop at MAX_PATH characters unless a path comes in the
// \\?\ form, and that form skips every clean-up Windows otherwise does ("." and "..",
// forward slashes, relative parts). Paths handed to the file functions go through here
// so that a long path reaches them whole and already cleaned up.
#include <cstddef>
#include <string>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// Paths of this many characters or more need the \\?\ form (the limit counts the
// terminator).
constexpr std::size_t kMaxPathLength = MAX_PATH;
// CreateDirectoryW keeps room for an 8.3 name inside the new folder.
constexpr std::size_t kMaxNewFolderPathLength = MAX_PATH - 12;

// The path to give the file functions: unchanged when it already names a namespace
// (\\?\, \\.\), or when its full form is shorter than the limit and Windows reads every
// name in it as given, so Windows cleans it up itself; otherwise its full form as
// \\?\C:\... or \\?\UNC\server\share\....
std::wstring ApiPath(const std::wstring& path, std::size_t limit = kMaxPathLength);

// True when a name in the path ends in a dot or a space. Windows drops those from any
// path but the long form, so "name." would lead to "name", another item.
bool HasNameWindowsWouldChange(const std::wstring& path);

// The absolute form of a path, the way Windows would resolve it: backslashes only, no
// "." or ".." parts, no doubled separators, relative paths joined to the current
// directory (or the drive's). Names are otherwise kept exactly as given. Empty when
// the current directory cannot be read.
std::wstring FullPath(const std::wstring& path);

// True for \\?\ paths, which reach the file system as they are, and \\.\ device names.
bool IsNamespacePath(const std::wstring& path);

// Reads a path from a call that, given a buffer of a size, returns the length written
// without the terminator when it fit, or the size it needs (terminator included) when
// not; 0 on failure. Results of any length come back whole. Empty on failure.
template <typename Fill> std::wstring ReadPathText(Fill fill) {
    DWORD needed = fill(nullptr, 0);
    // The value can grow between two calls (another thread set it); ask again then.
    for (int attempt = 0; attempt < 3 && needed > 0; ++attempt) {
        std::wstring text(needed, L'\0');
        DWORD written = fill(text.data(), needed);
        if (written == 0) return {};
        if (written < needed) {
            text.resize(written);
            return text;
        }
        needed = written;
    }
    return {};
}

} // namespace platform::win32
