#include "tests/safety/path_text.h"

namespace safety {

namespace {

wchar_t FoldOne(wchar_t c) {
    const unsigned long u = static_cast<unsigned long>(c);
    if (u >= L'A' && u <= L'Z') return static_cast<wchar_t>(u + 0x20);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<wchar_t>(u + 0x20);
    if (u >= 0x391 && u <= 0x3A9 && u != 0x3A2) return static_cast<wchar_t>(u + 0x20);
    if (u >= 0x410 && u <= 0x42F) return static_cast<wchar_t>(u + 0x20);
    if (u >= 0x400 && u <= 0x40F) return static_cast<wchar_t>(u + 0x50);
    return c;
}

} // namespace

std::wstring Fold(const std::wstring& text) {
    std::wstring out = text;
    for (wchar_t& c : out) c = FoldOne(c);
    return out;
}

std::wstring AsciiLower(std::wstring text) {
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + 0x20);
    return text;
}

std::wstring Trimmed(const std::wstring& path) {
    std::wstring out = path;
    while (out.size() > 3 && out.back() == L'\\') out.pop_back();
    return out;
}

std::wstring Key(const std::wstring& path) { return Fold(Trimmed(path)); }

std::wstring ParentKey(const std::wstring& key) {
    const std::size_t slash = key.rfind(L'\\');
    if (slash == std::wstring::npos || key.size() <= 3) return {};
    return slash == 2 ? key.substr(0, 3) : key.substr(0, slash);
}

std::wstring LastName(const std::wstring& path) {
    const std::wstring t = Trimmed(path);
    const std::size_t slash = t.rfind(L'\\');
    return slash == std::wstring::npos ? t : t.substr(slash + 1);
}

bool StrictlyBelow(const std::wstring& key, const std::wstring& root) {
    if (root.empty() || key.size() <= root.size()) return false;
    if (key.compare(0, root.size(), root) != 0) return false;
    return root.back() == L'\\' || key[root.size()] == L'\\';
}

bool SameOrBelow(const std::wstring& key, const std::wstring& root) {
    return key == root || StrictlyBelow(key, root);
}

std::wstring RelativePart(const std::wstring& key, const std::wstring& root) {
    if (!StrictlyBelow(key, root)) return {};
    return key.substr(root.back() == L'\\' ? root.size() : root.size() + 1);
}

} // namespace safety

namespace safety {

std::string Utf8(const std::wstring& text) {
    std::string out;
    for (wchar_t w : text) {
        const auto c = static_cast<std::uint32_t>(w);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | ((c >> 12) & 0x0F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace safety
