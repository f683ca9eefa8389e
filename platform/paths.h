#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Windows compares paths without regard to letter case. This folds the letters of the
// Latin, Greek and Cyrillic alphabets the same way on every platform the program is
// built for, so a comparison never depends on the C library's locale.
wchar_t FoldCase(wchar_t c);
// The same folder or file, ignoring letter case and trailing backslashes.
bool SamePath(const std::wstring& a, const std::wstring& b);
// True when `path` is `folder` itself or lies somewhere below it, trailing backslashes
// of `folder` aside; never for an empty folder.
bool IsSameOrBelow(const std::wstring& path, const std::wstring& folder);
// The same with the caller's rule for letter case (the file system's own, say): `same`
// compares two texts of equal length.
bool IsSameOrBelow(const std::wstring& path, const std::wstring& folder,
                   const std::function<bool(std::wstring_view, std::wstring_view)>& same);

// A path from outside (the registry, a list, the command line, the shell) as one the
// program may compare and hand on: absolute and canonical as text, "X:\a\b" or
// "\\server\share\a", with "\\?\" dropped, "/" read as "\", doubled separators, "." and
// ".." resolved (never above the root); no trailing backslash except at a root ("X:\").
// Nothing for a path that cannot be taken safely: empty, relative, holding a NUL or a
// control character, a wildcard, a stream (":"), a device path ("\\.\", "CON"), or a
// name ending in a dot or a blank, which Windows reads differently in different calls.
// How names ending in a dot or a blank are taken: refused, or kept as written where a
// path only has to name what it covers (an exclusion guards the file "a." as typed).
enum class NameEnds { Refuse, Keep };
std::optional<std::wstring> NormalizePath(const std::wstring& path, NameEnds ends = NameEnds::Refuse);
// For a normalized path: "X:\" or "\\server\share".
bool IsDriveRoot(const std::wstring& normalized);

} // namespace platform
