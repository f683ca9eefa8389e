#include "platform/paths.h"

#include <vector>

namespace platform {

wchar_t FoldCase(wchar_t c) {
    const auto u = static_cast<unsigned long>(c);
    if (u < 0x80) return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
    // Latin-1: À..Þ except ×.
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<wchar_t>(u + 32);
    // Latin Extended-A pairs an upper case letter (even) with its lower case (odd),
    // apart from a stretch where the pairs start on odd numbers.
    if (u >= 0x100 && u <= 0x137) return static_cast<wchar_t>(u | 1);
    if ((u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E))
        return static_cast<wchar_t>((u & 1) ? u + 1 : u);
    if (u >= 0x14A && u <= 0x177) return static_cast<wchar_t>(u | 1);
    if (u == 0x178) return static_cast<wchar_t>(0xFF);
    // Greek and Cyrillic capitals.
    if (u >= 0x391 && u <= 0x3AB && u != 0x3A2) return static_cast<wchar_t>(u + 32);
    if (u >= 0x410 && u <= 0x42F) return static_cast<wchar_t>(u + 32);
    if (u >= 0x400 && u <= 0x40F) return static_cast<wchar_t>(u + 80);
    return c;
}

namespace {

std::wstring::size_type TrimmedLength(const std::wstring& s) {
    auto n = s.size();
    while (n > 0 && s[n - 1] == L'\\')
        --n;
    return n;
}

bool SamePrefix(const std::wstring& a, const std::wstring& b, std::wstring::size_type n) {
    for (std::wstring::size_type i = 0; i < n; ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

// `samePrefix(n)`: the first n characters of path and folder are the same.
template <class SamePrefix>
bool SameOrBelow(const std::wstring& path, const std::wstring& folder, SamePrefix samePrefix) {
    const auto n = TrimmedLength(folder);
    if (n == 0 || path.size() < n || !samePrefix(n)) return false;
    return path.size() == n || path[n] == L'\\';
}

} // namespace

bool SamePath(const std::wstring& a, const std::wstring& b) {
    const auto n = TrimmedLength(a);
    return n == TrimmedLength(b) && SamePrefix(a, b, n);
}

bool IsSameOrBelow(const std::wstring& path, const std::wstring& folder) {
    return SameOrBelow(path, folder, [&](std::wstring::size_type n) {
        return SamePrefix(path, folder, n);
    });
}

bool IsSameOrBelow(const std::wstring& path, const std::wstring& folder,
                   const std::function<bool(std::wstring_view, std::wstring_view)>& same) {
    // Compared in place: this runs for every entry a scan meets.
    return SameOrBelow(path, folder, [&](std::wstring::size_type n) {
        return same(std::wstring_view(path).substr(0, n), std::wstring_view(folder).substr(0, n));
    });
}

} // namespace platform

namespace platform {

namespace {

bool IsLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}
bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// Names Windows reserves for devices in every folder, with or without an extension.
bool IsDeviceName(const std::wstring& name) {
    std::wstring base = name.substr(0, name.find(L'.'));
    while (!base.empty() && base.back() == L' ')
        base.pop_back();
    for (wchar_t& c : base)
        c = FoldCase(c);
    for (const wchar_t* device : {L"con", L"prn", L"aux", L"nul", L"conin$", L"conout$"})
        if (base == device) return true;
    return base.size() == 4 &&
           (base.compare(0, 3, L"com") == 0 || base.compare(0, 3, L"lpt") == 0) &&
           base[3] >= L'0' && base[3] <= L'9';
}

// "\\?\C:\x" and "\\?\UNC\server\share" are the long forms of "C:\x" and
// "\\server\share"; every other "\\?\" or "\\.\" path names a device or a volume.
std::optional<std::wstring> WithoutLongPrefix(const std::wstring& path) {
    if (path.size() < 4 || !IsSeparator(path[0]) || !IsSeparator(path[1]) ||
        (path[2] != L'?' && path[2] != L'.') || !IsSeparator(path[3]))
        return path;
    if (path[2] == L'.') return std::nullopt;
    const std::wstring rest = path.substr(4);
    if (rest.size() >= 3 && IsLetter(rest[0]) && rest[1] == L':' && IsSeparator(rest[2]))
        return rest;
    if (rest.size() >= 4 && FoldCase(rest[0]) == L'u' && FoldCase(rest[1]) == L'n' &&
        FoldCase(rest[2]) == L'c' && IsSeparator(rest[3]))
        return L"\\\\" + rest.substr(4);
    return std::nullopt;
}

} // namespace

std::optional<std::wstring> NormalizePath(const std::wstring& raw, NameEnds ends) {
    for (wchar_t c : raw)
        if (static_cast<unsigned long>(c) < 0x20 ||
            std::wstring(L"*\"<>|").find(c) != std::wstring::npos)
            return std::nullopt;
    // The one '?' allowed is the long form's; any other is a wildcard.
    std::optional<std::wstring> path = WithoutLongPrefix(raw);
    if (!path || path->find(L'?') != std::wstring::npos) return std::nullopt;
    std::wstring root;
    std::size_t at = 0;
    const bool network = path->size() >= 2 && IsSeparator((*path)[0]) && IsSeparator((*path)[1]);
    if (path->size() >= 3 && IsLetter((*path)[0]) && (*path)[1] == L':' &&
        IsSeparator((*path)[2])) {
        root = path->substr(0, 2) + L'\\';
        at = 3;
    } else if (!network) {
        return std::nullopt; // relative, or relative to a drive's current folder
    }
    std::vector<std::wstring> names;
    std::size_t shareNames = network ? 2 : 0; // server and share: the root of a network path
    while (at <= path->size()) {
        std::size_t end = at;
        while (end < path->size() && !IsSeparator((*path)[end]))
            ++end;
        std::wstring name = path->substr(at, end - at);
        at = end + 1;
        if (name == L"..") {
            if (names.size() > shareNames) names.pop_back();
            continue;
        }
        if (name.empty() || name == L".") continue;
        // Windows drops a name's trailing dots and blanks in some places and not in
        // others ("C:\Windows." may be the Windows folder): such a name is not taken.
        if (ends == NameEnds::Refuse && (name.back() == L'.' || name.back() == L' '))
            return std::nullopt;
        if (name.find(L':') != std::wstring::npos || IsDeviceName(name)) return std::nullopt;
        names.push_back(name);
    }
    if (network) {
        if (names.size() < 2) return std::nullopt;
        root = L"\\\\" + names[0] + L'\\' + names[1];
        names.erase(names.begin(), names.begin() + 2);
        for (const std::wstring& name : names)
            root += L'\\' + name;
        return root;
    }
    std::wstring result = root;
    for (std::size_t i = 0; i < names.size(); ++i)
        result += (i ? L"\\" : L"") + names[i];
    return result;
}

bool IsDriveRoot(const std::wstring& normalized) {
    if (normalized.size() == 3 && normalized[1] == L':' && normalized[2] == L'\\') return true;
    if (normalized.size() < 2 || normalized[0] != L'\\' || normalized[1] != L'\\') return false;
    const std::size_t share = normalized.find(L'\\', 2);
    return share != std::wstring::npos && normalized.find(L'\\', share + 1) == std::wstring::npos;
}

} // namespace platform
