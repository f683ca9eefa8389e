#pragma once
#include <string>

namespace platform {

// Windows compares paths without regard to letter case. This folds the letters of the
// Latin, Greek and Cyrillic alphabets the same way on every platform the program is
// built for, so a comparison never depends on the C library's locale.
wchar_t FoldCase(wchar_t c);
// The same folder or file, ignoring letter case and trailing backslashes.
bool SamePath(const std::wstring& a, const std::wstring& b);
// True when `path` is `folder` itself or lies somewhere below it.
bool IsSameOrBelow(const std::wstring& path, const std::wstring& folder);

} // namespace platform
