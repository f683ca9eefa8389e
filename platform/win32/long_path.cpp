#include "platform/win32/long_path.h"

#include <vector>

namespace platform::win32 {
namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

bool StartsWithDrive(const std::wstring& path) {
    return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == L':';
}

// "C:\..." (or "C:/...").
bool IsDriveAbsolute(const std::wstring& path) {
    return StartsWithDrive(path) && path.size() >= 3 && IsSeparator(path[2]);
}

bool IsUnc(const std::wstring& path) {
    return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

// Joins the names of rest to root, dropping empty and "." names and letting ".." take
// back the name before it (never the root itself).
std::wstring Resolve(const std::wstring& root, const std::wstring& rest) {
    std::vector<std::wstring> names;
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find_first_of(L"\\/", start);
        if (end == std::wstring::npos) end = rest.size();
        std::wstring name = rest.substr(start, end - start);
        if (name == L"..") {
            if (!names.empty()) names.pop_back();
        } else if (!name.empty() && name != L".") {
            names.push_back(std::move(name));
        }
        start = end + 1;
    }
    std::wstring full = root;
    for (const std::wstring& name : names)
        full += L'\\' + name;
    if (names.empty()) full += L'\\';
    return full;
}

// "\\server\share\rest": server and share form the root that ".." cannot leave.
std::wstring ResolveUnc(const std::wstring& path) {
    size_t serverEnd = path.find_first_of(L"\\/", 2);
    if (serverEnd == std::wstring::npos) return L"\\\\" + path.substr(2);
    size_t shareEnd = path.find_first_of(L"\\/", serverEnd + 1);
    if (shareEnd == std::wstring::npos) shareEnd = path.size();
    std::wstring root = L"\\\\" + path.substr(2, serverEnd - 2) + L'\\' +
                        path.substr(serverEnd + 1, shareEnd - serverEnd - 1);
    return Resolve(root, shareEnd < path.size() ? path.substr(shareEnd + 1) : L"");
}

// A relative path joined to what it is relative to: "C:name" to drive C's current
// folder, "\name" to the current drive's root, anything else to the current folder.
// Windows resolves the short anchor; the path itself is never handed to it, as that
// would drop trailing dots and spaces from names.
std::wstring Anchored(const std::wstring& path) {
    std::wstring anchor = L".";
    size_t skip = 0;
    if (StartsWithDrive(path)) {
        anchor = path.substr(0, 2);
        skip = 2;
    } else if (!path.empty() && IsSeparator(path[0])) {
        anchor = L"\\";
        skip = 1;
    }
    std::wstring base = ReadPathText([&anchor](wchar_t* buffer, DWORD size) {
        return ::GetFullPathNameW(anchor.c_str(), size, buffer, nullptr);
    });
    if (!IsDriveAbsolute(base) && !IsUnc(base)) return {};
    return base + L'\\' + path.substr(skip);
}

} // namespace

bool IsNamespacePath(const std::wstring& path) {
    return IsUnc(path) && path.size() >= 4 && (path[2] == L'?' || path[2] == L'.') &&
           IsSeparator(path[3]);
}

std::wstring FullPath(const std::wstring& path) {
    if (IsNamespacePath(path)) return path;
    if (IsDriveAbsolute(path)) return Resolve(path.substr(0, 2), path.substr(3));
    if (IsUnc(path)) return ResolveUnc(path);
    std::wstring anchored = Anchored(path);
    return anchored.empty() ? anchored : FullPath(anchored);
}

bool HasNameWindowsWouldChange(const std::wstring& path) {
    for (size_t start = 0; start < path.size();) {
        size_t end = path.find_first_of(L"\\/", start);
        if (end == std::wstring::npos) end = path.size();
        std::wstring name = path.substr(start, end - start);
        // "." and ".." are resolved before the long form; wildcards belong to patterns,
        // where "*." has a meaning of its own.
        bool notAName = name.empty() || name == L"." || name == L".." ||
                        name.find_first_of(L"*?") != std::wstring::npos;
        if (!notAName && (name.back() == L'.' || name.back() == L' ')) return true;
        start = end + 1;
    }
    return false;
}

std::wstring ApiPath(const std::wstring& path, std::size_t limit) {
    if (IsNamespacePath(path)) return path;
    const bool literal = HasNameWindowsWouldChange(path);
    const bool absolute = IsDriveAbsolute(path) || IsUnc(path);
    if (absolute && path.size() < limit && !literal) return path;
    std::wstring full = FullPath(path);
    // Nothing to resolve against: Windows reports the failure itself.
    if (full.empty()) return path;
    // A short relative path resolves the same way inside Windows.
    if (full.size() < limit && !literal) return path.size() < limit ? path : full;
    return IsUnc(full) ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

} // namespace platform::win32
