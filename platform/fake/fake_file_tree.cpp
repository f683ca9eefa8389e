#include "platform/fake/fake_file_tree.h"

#include <cwctype>

#include "platform/paths.h"

namespace platform::fake {

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

bool HasDrive(const std::wstring& path) {
    return path.size() >= 2 && path[1] == L':' && IsLetter(path[0]);
}

// Appends the names of text from `from` on, the way Windows normalises a path.
void AddNames(std::vector<std::wstring>& parts, const std::wstring& text, std::size_t from) {
    std::size_t begin = from;
    while (begin <= text.size()) {
        std::size_t end = begin;
        while (end < text.size() && !IsSeparator(text[end])) ++end;
        std::wstring name = text.substr(begin, end - begin);
        if (name == L"..") {
            if (parts.size() > 1) parts.pop_back();
        } else if (!name.empty() && name != L".") {
            parts.push_back(name);
        }
        begin = end + 1;
    }
}

// Taking a 32-bit value keeps the test meaningful (and warning-free) where wchar_t holds
// only 16 bits and it is never true.
bool OutsideBmp(std::uint32_t unit) { return unit > 0xFFFF; }

void AppendUtf16(NameKey& key, std::uint32_t unit) {
    if (OutsideBmp(unit)) {
        // Only where wchar_t holds whole code points: split as Windows stores it.
        unit -= 0x10000;
        key.push_back(static_cast<char16_t>(0xD800 + (unit >> 10)));
        key.push_back(static_cast<char16_t>(0xDC00 + (unit & 0x3FF)));
    } else {
        key.push_back(static_cast<char16_t>(unit));
    }
}

} // namespace

NameKey FoldName(const std::wstring& name) {
    NameKey key;
    key.reserve(name.size());
    for (wchar_t c : name)
        AppendUtf16(key, static_cast<std::uint32_t>(FoldCase(c)));
    return key;
}

std::size_t Utf16Length(const std::wstring& text) {
    std::size_t length = 0;
    for (wchar_t c : text) length += OutsideBmp(static_cast<std::uint32_t>(c)) ? 2 : 1;
    return length;
}

std::optional<std::vector<std::wstring>> SplitPath(const std::wstring& path,
                                                   const std::wstring& current) {
    std::wstring text = path.rfind(L"\\\\?\\", 0) == 0 ? path.substr(4) : path;
    if (text.empty()) return std::nullopt;
    if (HasDrive(text)) {
        const wchar_t drive = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(text[0])));
        std::vector<std::wstring> parts{std::wstring{drive, L':'}};
        AddNames(parts, text, 2);
        return parts;
    }
    if (text.size() > 1 && IsSeparator(text[0]) && IsSeparator(text[1])) return std::nullopt;
    if (!HasDrive(current)) return std::nullopt;
    std::optional<std::vector<std::wstring>> parts = SplitPath(current, {});
    if (IsSeparator(text[0])) parts->resize(1); // "\Temp": the current drive's root
    AddNames(*parts, text, 0);
    return parts;
}

std::uint64_t FileBytes(const FakeFileSystem::Node& node) {
    std::uint64_t bytes = node.kind == NodeKind::File ? node.size : 0;
    for (const auto& entry : node.children) bytes += FileBytes(*entry.second);
    return bytes;
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        out += static_cast<std::uint32_t>(c) < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

FakeFileSystem::Node& AddChild(FakeFileSystem::Node& folder, const std::wstring& name,
                               NodeKind kind) {
    auto node = std::make_unique<FakeFileSystem::Node>();
    node->kind = kind;
    node->name = name;
    node->attributes = kind == NodeKind::Folder     ? attr::Directory
                       : kind == NodeKind::Junction ? attr::Directory | attr::ReparsePoint
                       : kind == NodeKind::FileLink ? attr::ReparsePoint
                                                    : 0;
    FakeFileSystem::Node& made = *node;
    folder.children[FoldName(name)] = std::move(node);
    return made;
}

std::wstring JoinPath(const std::vector<std::wstring>& parts, std::size_t count) {
    if (count == 0) return {};
    std::wstring path = parts[0];
    if (count == 1) return path + L"\\";
    for (std::size_t i = 1; i < count; ++i) path += L"\\" + parts[i];
    return path;
}

} // namespace platform::fake
