#include "platform/paths.h"

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
    while (n > 0 && s[n - 1] == L'\\') --n;
    return n;
}

bool SamePrefix(const std::wstring& a, const std::wstring& b, std::wstring::size_type n) {
    for (std::wstring::size_type i = 0; i < n; ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

} // namespace

bool SamePath(const std::wstring& a, const std::wstring& b) {
    const auto n = TrimmedLength(a);
    return n == TrimmedLength(b) && SamePrefix(a, b, n);
}

bool IsSameOrBelow(const std::wstring& path, const std::wstring& folder) {
    const auto n = TrimmedLength(folder);
    if (n == 0) return false;
    if (path.size() < n || !SamePrefix(path, folder, n)) return false;
    return TrimmedLength(path) == n || path[n] == L'\\';
}

} // namespace platform
